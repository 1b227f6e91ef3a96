#include "foundation/WTKWinXPVisualManager.h"

#include "foundation/WTKBarInfo.h"
#include "foundation/WTKBarLookInfo.h"
#include "foundation/WTKCaptionButtonInfo.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKMenuButtonInfo.h"
#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKMenuLookInfo.h"
#include "foundation/WTKPopupMenuInfo.h"
#include "foundation/WTKPushButtonInfo.h"
#include "foundation/WTKShortcutPageButtonInfo.h"
#include "foundation/WTKTaskInfo.h"
#include "foundation/WTKTasksGroupInfo.h"
#include "foundation/WTKToolBarInfo.h"
#include "foundation/WTKToolbarButtonInfo.h"

#include "docview/BarStyles.h"
#include "gdi/DC.h"
#include "win/WindowDC.h"
#include "win/Wnd.h"

#include <algorithm>
#include <memory>

IMPLEMENT_DYNCREATE(CWTKWinXPVisualManager, CWTKVisualManagerXP)

namespace {

// Part numbers of the theme library.
constexpr int kRebarGripper = 1;
constexpr int kRebarGripperVert = 2;
constexpr int kToolbarButton = 1;
constexpr int kToolbarSeparator = 5;
constexpr int kToolbarSeparatorVert = 6;
constexpr int kWindowMdiMinButton = 16;
constexpr int kWindowMdiCloseButton = 20;
constexpr int kWindowMdiRestoreButton = 22;
constexpr int kStatusPane = 1;
constexpr int kScrollBarSizeBox = 10;
constexpr int kComboDropDownButton = 1;
constexpr int kHeaderItem = 1;
constexpr int kExplorerHeaderBackground = 1;
constexpr int kExplorerNormalGroupBackground = 5;
constexpr int kExplorerNormalGroupCollapse = 6;
constexpr int kExplorerNormalGroupExpand = 7;
constexpr int kExplorerNormalGroupHead = 8;
constexpr int kExplorerSpecialGroupBackground = 9;
constexpr int kExplorerSpecialGroupCollapse = 10;
constexpr int kExplorerSpecialGroupExpand = 11;
constexpr int kExplorerSpecialGroupHead = 12;
constexpr int kTreeGlyph = 2;

// States of the theme library beyond the push button ones.
constexpr int kThemeStateNone = 0;
constexpr int kToolbarStateChecked = 5;
constexpr int kToolbarStateHotChecked = 6;
constexpr int kStatusSizeBoxRightAlign = 1;
constexpr int kTreeGlyphClosed = 1;
constexpr int kTreeGlyphOpened = 2;

// A themed toolbar button is this much larger on every side than a flat one.
constexpr int kThemedButtonExtraBorder = 2;
// The menu button's arrow divider is drawn this much larger than its strip.
constexpr int kMenuButtonDividerInflate = 2;
// A group caption's text starts this far right of its icon.
constexpr int kCaptionIconTextGap = 10;

constexpr UINT kTaskTextFormat = DT_SINGLELINE | DT_VCENTER;
constexpr UINT kGroupCaptionTextFormat = DT_SINGLELINE;

// Tasks pane layout of the base look, which this look keeps.
constexpr int kTasksVertMargin = 12;
constexpr int kTasksHorzMargin = 12;
constexpr int kTasksGroupVertOffset = 15;
constexpr int kTasksGroupCaptionHeight = 25;
constexpr int kTasksGroupCaptionHorzOffset = 13;
constexpr int kTasksGroupCaptionVertOffset = 7;
constexpr int kTasksHorzOffset = 12;
constexpr int kTasksIconHorzOffset = 5;
constexpr int kTasksVertSpacing = 4;
constexpr int kTasksPaneReserved = 1;

BOOL IsMenuKind(CWTKBarLookInfo::Kind kind)
{
    return kind == CWTKBarLookInfo::kindMenuBar || kind == CWTKBarLookInfo::kindPopupMenuBar;
}

// The push-button state rule of caption buttons, combo drop buttons and header items.
int ButtonState(BOOL bDisabled, BOOL bPressed, BOOL bHighlighted)
{
    if (bDisabled)
        return kThemeStateDisabled;
    if (bPressed)
        return kThemeStatePressed;
    return bHighlighted ? kThemeStateHot : kThemeStateNormal;
}

// The glyph of a sizing bar's caption button, as the base look chooses it.
int CaptionButtonGlyph(const CWTKCaptionButtonInfo* pButton, BOOL bHorz, BOOL bExpanded, BOOL bDisabled)
{
    if (pButton->GetHitCode() == kCaptionButtonHide)
        return CWTKMenuGlyphs::kCloseSmall;
    if (bHorz)
        return bExpanded ? CWTKMenuGlyphs::kArrowRight
                         : (bDisabled ? CWTKMenuGlyphs::kArrowRightDisabled : CWTKMenuGlyphs::kArrowLeft);
    return bExpanded ? CWTKMenuGlyphs::kArrowDown
                     : (bDisabled ? CWTKMenuGlyphs::kArrowUpDisabled : CWTKMenuGlyphs::kArrowUp);
}

}  // namespace

CWTKWinXPVisualManager::CWTKWinXPVisualManager(BOOL bTemporary) : CWTKVisualManagerXP(bTemporary)
{
    m_nVertMargin = kTasksVertMargin;
    m_nHorzMargin = kTasksHorzMargin;
    m_nGroupVertOffset = kTasksGroupVertOffset;
    m_nGroupCaptionHeight = kTasksGroupCaptionHeight;
    m_nGroupCaptionHorzOffset = kTasksGroupCaptionHorzOffset;
    m_nGroupCaptionVertOffset = kTasksGroupCaptionVertOffset;
    m_nTasksHorzOffset = kTasksHorzOffset;
    m_nTasksIconHorzOffset = kTasksIconHorzOffset;
    m_nTasksVertSpacing = kTasksVertSpacing;
    m_nTasksPaneReserved = kTasksPaneReserved;
    m_bShadowHighlightedImage = FALSE;
    m_bOfficeXPStyleMenus = FALSE;
}

CWTKWinXPVisualManager::~CWTKWinXPVisualManager() = default;

BOOL CWTKWinXPVisualManager::IsWinXPThemeAvailable()
{
    if (const auto* pCurrent = dynamic_cast<CWTKWinXPVisualManager*>(CWTKVisualManager::GetInstance()))
        return pCurrent->IsThemed();
    // A temporary look only answers: it neither becomes current nor touches the shared colours.
    const auto pTemporary = std::make_unique<CWTKWinXPVisualManager>(TRUE);
    return pTemporary->IsThemed();
}

BOOL CWTKWinXPVisualManager::KeepsOfficeXPMenuButton(const CWTKToolbarButtonInfo* pButton) const
{
    return m_bOfficeXPStyleMenus && dynamic_cast<const CWTKMenuButtonInfo*>(pButton) != nullptr &&
        IsMenuKind(CWTKBarLookInfo::KindOf(pButton->GetParentToolBar()));
}

void CWTKWinXPVisualManager::OnUpdateSystemColors()
{
    CWTKVisualManagerXP::OnUpdateSystemColors();
    // The Office XP fallback shadows highlighted images; themed buttons do not.
    m_bShadowHighlightedImage = !IsThemed();
}

void CWTKWinXPVisualManager::OnFillBarBackground(CDC* pDC, const CWTKBarInfo* pBar, CRect rectClient, CRect rectClip,
                                                 BOOL bNCArea)
{
    if (IsThemedMenus() && CWTKBarLookInfo::KindOf(pBar) == CWTKBarLookInfo::kindPopupMenuBar) {
        ::FillRect(pDC->GetSafeHdc(), rectClip.IsRectEmpty() ? rectClient : rectClip, ::GetSysColorBrush(COLOR_MENU));
        return;
    }
    CWTKVisualManagerXP::OnFillBarBackground(pDC, pBar, rectClient, rectClip, bNCArea);
}

void CWTKWinXPVisualManager::OnDrawMenuBorder(CDC* pDC, const CWTKPopupMenuInfo* pMenu, CRect rect)
{
    if (IsThemedMenus()) {
        CWTKVisualManager::OnDrawMenuBorder(pDC, pMenu, rect);
        return;
    }
    // A menu joins the button that opened it only while themed, and only below the menu bar.
    const auto* pInfo = dynamic_cast<const CWTKMenuLookInfo*>(pMenu);
    const BOOL bFromMenuBar = pInfo != nullptr && pInfo->GetParentButtonSide() != CWTKMenuLookInfo::sideNone &&
        !pInfo->IsFromCustomizeButton();
    const BOOL bConnect = m_bConnectMenuToParent;
    m_bConnectMenuToParent = IsThemed() && bFromMenuBar;
    CWTKVisualManagerXP::OnDrawMenuBorder(pDC, pMenu, rect);
    m_bConnectMenuToParent = bConnect;
}

void CWTKWinXPVisualManager::OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz, const CWTKBarInfo* pBar)
{
    if (!m_hThemeRebar) {
        CWTKVisualManagerXP::OnDrawBarGripper(pDC, rectGripper, bHorz, pBar);
        return;
    }
    const auto* pInfo = dynamic_cast<const CWTKBarLookInfo*>(pBar);
    const BOOL bSizingBar = pInfo != nullptr && pInfo->GetLookKind() == CWTKBarLookInfo::kindSizingBar;
    // A sizing bar's caption runs along the bar, across a toolbar's gripper.
    const BOOL bHorzGripper = bSizingBar ? !bHorz : bHorz;

    const WTKGlobalData& g = WTKGetGlobalData();
    const COLORREF clrOldText = pDC->SetTextColor(g.clrBarShadow);
    const COLORREF clrOldBk = pDC->SetBkColor(g.clrBarFace);
    DrawThemeBackground(m_hThemeRebar, pDC, bHorzGripper ? kRebarGripper : kRebarGripperVert, kThemeStateNone,
                        rectGripper);
    pDC->SetBkColor(clrOldBk);
    pDC->SetTextColor(clrOldText);

    if (!bSizingBar)
        return;
    const CString strTitle = pInfo->GetTitle();
    if (strTitle.IsEmpty())
        return;
    // The title as the Office XP look writes it, framed by one space each side.
    const BOOL bVertCaption = pInfo->HasVerticalCaption();
    const CString strText = " " + strTitle + " ";
    CFont* pOldFont =
        pDC->SelectObject(bVertCaption ? &WTKGetGlobalData().fontVertCaption : &WTKGetGlobalData().fontRegular);
    const COLORREF clrTitle = pDC->SetTextColor(g.clrBarText);
    const COLORREF clrTitleBk = pDC->SetBkColor(g.clrBarFace);
    const int nOldMode = pDC->SetBkMode(OPAQUE);
    const CSize sizeText = pDC->GetTextExtent(strText);
    if (bVertCaption) {
        const int x = rectGripper.left + (rectGripper.Width() - sizeText.cy) / 2;
        pDC->ExtTextOut(x, rectGripper.bottom, ETO_CLIPPED, rectGripper, strText, strText.GetLength(), nullptr);
    } else {
        const int y = rectGripper.top + (rectGripper.Height() - sizeText.cy) / 2;
        pDC->ExtTextOut(rectGripper.left, y, ETO_CLIPPED, rectGripper, strText, strText.GetLength(), nullptr);
    }
    pDC->SetBkMode(nOldMode);
    pDC->SetBkColor(clrTitleBk);
    pDC->SetTextColor(clrTitle);
    pDC->SelectObject(pOldFont);
}

void CWTKWinXPVisualManager::OnDrawSeparator(CDC* pDC, const CWTKBarInfo* pBar, CRect rect, BOOL bHorz)
{
    const BOOL bOfficeXPMenu =
        m_bOfficeXPStyleMenus && CWTKBarLookInfo::KindOf(pBar) == CWTKBarLookInfo::kindPopupMenuBar;
    if (!m_hThemeToolBar || bOfficeXPMenu) {
        CWTKVisualManagerXP::OnDrawSeparator(pDC, pBar, rect, bHorz);
        return;
    }
    DrawThemeBackground(m_hThemeToolBar, pDC, bHorz ? kToolbarSeparator : kToolbarSeparatorVert, kThemeStateNone, rect);
}

void CWTKWinXPVisualManager::OnDrawCaptionButton(CDC* pDC, const CWTKCaptionButtonInfo* pButton, BOOL bHorz,
                                                 BOOL bExpanded, BOOL bDisabled)
{
    if (!m_hThemeButton) {
        CWTKVisualManagerXP::OnDrawCaptionButton(pDC, pButton, bHorz, bExpanded, bDisabled);
        return;
    }
    const CSize size = pButton->IsGlyphSized() ? GetGlyphSize() : GetCaptionButtonSize();
    const CRect rect(pButton->GetPosition(), size);
    const BOOL bPushed = pButton->IsPushed();
    DrawThemeBackground(m_hThemeButton, pDC, kThemeButtonPushButton,
                        ButtonState(bDisabled, bPushed, pButton->IsHighlighted()), rect);

    const int nOffset = bPushed && pButton->IsHighlighted() ? 3 : 2;
    DrawGlyph(pDC, CaptionButtonGlyph(pButton, bHorz, bExpanded, bDisabled),
              CPoint(rect.left + nOffset, rect.top + nOffset));
}

void CWTKWinXPVisualManager::OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle,
                                                    BOOL bHighlight)
{
    int nPart = 0;
    switch (uiSystemCommand) {
    case SC_MINIMIZE:
        nPart = kWindowMdiMinButton;
        break;
    case SC_CLOSE:
        nPart = kWindowMdiCloseButton;
        break;
    case SC_RESTORE:
        nPart = kWindowMdiRestoreButton;
        break;
    default:
        break;
    }
    if (!m_hThemeWindow || nPart == 0) {
        CWTKVisualManagerXP::OnDrawMenuSystemButton(pDC, rect, uiSystemCommand, nStyle, bHighlight);
        return;
    }
    // Pressed only while the mouse is over the box.
    const BOOL bPressed = bHighlight && (nStyle & TBBS_PRESSED) != 0;
    DrawThemeBackground(m_hThemeWindow, pDC, nPart, ButtonState((nStyle & TBBS_DISABLED) != 0, bPressed, bHighlight),
                        rect);
}

void CWTKWinXPVisualManager::OnDrawStatusBarPaneBorder(CDC* pDC, const CWTKStatusBarInfo* pBar, CRect rectPane,
                                                       UINT uiID, UINT nStyle)
{
    if (!m_hThemeStatusBar) {
        CWTKVisualManagerXP::OnDrawStatusBarPaneBorder(pDC, pBar, rectPane, uiID, nStyle);
        return;
    }
    DrawThemeBackground(m_hThemeStatusBar, pDC, kStatusPane, kThemeStateNone, rectPane);
}

void CWTKWinXPVisualManager::OnDrawStatusBarProgress(CDC* pDC, const CWTKStatusBarInfo* pStatusBar, CRect rectProgress,
                                                     int nProgressTotal, int nProgressCurr, COLORREF clrBar,
                                                     COLORREF clrProgressBarDest, COLORREF clrProgressText,
                                                     BOOL bProgressText)
{
    if (DrawProgress(pDC, pStatusBar, rectProgress, nProgressTotal, nProgressCurr, clrBar, clrProgressBarDest,
                     clrProgressText, bProgressText))
        return;
    CWTKVisualManagerXP::OnDrawStatusBarProgress(pDC, pStatusBar, rectProgress, nProgressTotal, nProgressCurr, clrBar,
                                                 clrProgressBarDest, clrProgressText, bProgressText);
}

void CWTKWinXPVisualManager::OnDrawStatusBarSizeBox(CDC* pDC, const CWTKStatusBarInfo* pStatBar, CRect rectSizeBox)
{
    if (!m_hThemeScrollBar) {
        CWTKVisualManagerXP::OnDrawStatusBarSizeBox(pDC, pStatBar, rectSizeBox);
        return;
    }
    DrawThemeBackground(m_hThemeScrollBar, pDC, kScrollBarSizeBox, kStatusSizeBoxRightAlign, rectSizeBox);
}

void CWTKWinXPVisualManager::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                                   BOOL bIsHighlighted, const CWTKToolbarButtonInfo* pButton)
{
    if (!m_hThemeComboBox) {
        CWTKVisualManagerXP::OnDrawComboDropButton(pDC, rect, bDisabled, bIsDropped, bIsHighlighted, pButton);
        return;
    }
    DrawThemeBackground(m_hThemeComboBox, pDC, kComboDropDownButton, ButtonState(bDisabled, bIsDropped, bIsHighlighted),
                        rect);
}

void CWTKWinXPVisualManager::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                               BOOL bIsHighlighted, const CWTKToolbarButtonInfo* pButton)
{
    if (!IsThemed()) {
        CWTKVisualManagerXP::OnDrawComboBorder(pDC, rect, bDisabled, bIsDropped, bIsHighlighted, pButton);
        return;
    }
    if (!bIsDropped && !bIsHighlighted)
        return;
    rect.DeflateRect(1, 1);
    const COLORREF clrFrame = ::GetSysColor(COLOR_HIGHLIGHT);
    pDC->Draw3dRect(rect, clrFrame, clrFrame);
}

void CWTKWinXPVisualManager::OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsHighlighted,
                                              const CWTKToolbarButtonInfo* pButton)
{
    if (!IsThemed()) {
        CWTKVisualManagerXP::OnDrawEditBorder(pDC, rect, bDisabled, bIsHighlighted, pButton);
        return;
    }
    if (!bIsHighlighted)
        return;
    const COLORREF clrFrame = ::GetSysColor(COLOR_HIGHLIGHT);
    pDC->Draw3dRect(rect, clrFrame, clrFrame);
}

void CWTKWinXPVisualManager::OnFillButtonInterior(CDC* pDC, const CWTKToolbarButtonInfo* pButton, CRect rect, int state)
{
    if (!m_hThemeToolBar || KeepsOfficeXPMenuButton(pButton)) {
        CWTKVisualManagerXP::OnFillButtonInterior(pDC, pButton, rect, state);
        return;
    }
    const UINT nStyle = pButton->GetStyle();
    int nState = kThemeStateNormal;
    if (nStyle & TBBS_DISABLED)
        nState = kThemeStateDisabled;
    else if (nStyle & TBBS_CHECKED)
        nState = state == kButtonStateHighlighted ? kToolbarStateHotChecked : kToolbarStateChecked;
    else if (nStyle & TBBS_PRESSED)
        nState = kThemeStatePressed;
    else if (state == kButtonStateHighlighted)
        nState = kThemeStateHot;
    DrawThemeBackground(m_hThemeToolBar, pDC, kToolbarButton, nState, rect);
}

void CWTKWinXPVisualManager::OnDrawButtonBorder(CDC* pDC, const CWTKToolbarButtonInfo* pButton, CRect rect, int state)
{
    // The themed button part includes its border.
    if (!m_hThemeToolBar || KeepsOfficeXPMenuButton(pButton))
        CWTKVisualManagerXP::OnDrawButtonBorder(pDC, pButton, rect, state);
}

void CWTKWinXPVisualManager::OnDrawMenuButtonBorder(CDC* pDC, const CWTKMenuButtonInfo* pButton, CRect rect, int state,
                                                    BOOL bHorz)
{
    if (!m_hThemeToolBar) {
        CWTKVisualManager::OnDrawMenuButtonBorder(pDC, pButton, rect, state, bHorz);
        return;
    }
    // rect is the strip beside the drop-down arrow: the divider between the two halves.
    rect.InflateRect(kMenuButtonDividerInflate, kMenuButtonDividerInflate);
    DrawThemeBackground(m_hThemeToolBar, pDC, bHorz ? kToolbarSeparator : kToolbarSeparatorVert, kThemeStateNone, rect);
}

void CWTKWinXPVisualManager::OnHighlightMenuItem(CDC* pDC, const CWTKToolBarInfo* pBar,
                                                 const CWTKToolbarButtonInfo* pButton, CRect rect, COLORREF& clrText)
{
    if (IsThemedMenus())
        CWTKVisualManager::OnHighlightMenuItem(pDC, pBar, pButton, rect, clrText);
    else
        CWTKVisualManagerXP::OnHighlightMenuItem(pDC, pBar, pButton, rect, clrText);
}

BOOL CWTKWinXPVisualManager::OnFillOutlookPageButton(const CWTKShortcutPageButtonInfo* pButton, CDC* pDC,
                                                     const CRect& rect, COLORREF& clrText)
{
    if (!m_hThemeButton)
        return CWTKVisualManagerXP::OnFillOutlookPageButton(pButton, pDC, rect, clrText);
    // Page buttons are push buttons: they answer their hot and pushed state as such.
    const auto* pPush = dynamic_cast<const CWTKPushButtonInfo*>(pButton);
    const BOOL bHot = pPush != nullptr && pPush->IsHighlighted();
    const BOOL bPushed = pPush != nullptr && pPush->IsPushed();
    CRect rectButton = rect;
    rectButton.InflateRect(1, 1);
    DrawThemeBackground(m_hThemeButton, pDC, kThemeButtonPushButton,
                        bHot ? (bPushed ? kThemeStatePressed : kThemeStateHot) : kThemeStateNormal, rectButton);
    return TRUE;
}

BOOL CWTKWinXPVisualManager::OnDrawOutlookPageButtonBorder(const CWTKShortcutPageButtonInfo* pButton, CDC* pDC,
                                                           CRect& rect, int state)
{
    // The themed button part includes its border.
    if (m_hThemeButton)
        return TRUE;
    return CWTKVisualManagerXP::OnDrawOutlookPageButtonBorder(pButton, pDC, rect, state);
}

void CWTKWinXPVisualManager::OnFillPushButtonBackground(CDC* pDC, const CRect& rectClient, CWTKPushButtonInfo* pButton)
{
    // A themed button is painted whole by its border operation.
    if (!m_hThemeButton)
        CWTKVisualManagerXP::OnFillPushButtonBackground(pDC, rectClient, pButton);
}

void CWTKWinXPVisualManager::OnDrawPushButtonBorder(CDC* pDC, CRect& rectClient, CWTKPushButtonInfo* pButton,
                                                    UINT uiState)
{
    if (!m_hThemeButton) {
        CWTKVisualManagerXP::OnDrawPushButtonBorder(pDC, rectClient, pButton, uiState);
        return;
    }
    CRect rectFill = rectClient;
    rectFill.InflateRect(1, 1);
    pDC->FillRect(rectFill, &WTKGetGlobalData().brBarFace);

    // Flat buttons that appear on hover: a resting button stays flat, a highlighted one shows
    // as a normal button, a pressed one as pressed.
    const CWnd* pWnd = dynamic_cast<const CWnd*>(pButton);
    const HWND hWnd = FwSafeHwnd(pWnd);
    const BOOL bChecked = hWnd && ::SendMessageA(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
    int nState = kThemeStateHot;
    if (hWnd && !::IsWindowEnabled(hWnd))
        nState = kThemeStateDisabled;
    else if ((pButton->IsPushed() && pButton->IsHighlighted()) || bChecked)
        nState = kThemeStatePressed;
    else if (pButton->IsHighlighted())
        nState = kThemeStateNormal;
    if (nState != kThemeStateHot)
        DrawThemeBackground(m_hThemeButton, pDC, kThemeButtonPushButton, nState, rectClient);
}

void CWTKWinXPVisualManager::OnDrawTabButtonBorder(CDC* pDC, CRect& rect, CWTKPushButtonInfo* pButton, UINT uiState)
{
    if (!m_hThemeButton) {
        CWTKVisualManagerXP::OnDrawTabButtonBorder(pDC, rect, pButton, uiState);
        return;
    }
    DrawThemeBackground(m_hThemeButton, pDC, kThemeButtonPushButton, PushButtonThemeState(pButton), rect);
}

void CWTKWinXPVisualManager::OnDrawOutlookButtonBorder(const CWTKShortcutBarInfo* pBar, CDC* pDC, CRect& rectBtn,
                                                       BOOL bIsPressed, BOOL bIsHighlighted)
{
    if (!m_hThemeHeader) {
        CWTKVisualManagerXP::OnDrawOutlookButtonBorder(pBar, pDC, rectBtn, bIsPressed, bIsHighlighted);
        return;
    }
    DrawThemeBackground(m_hThemeHeader, pDC, kHeaderItem, ButtonState(FALSE, bIsPressed, bIsHighlighted), rectBtn);
}

COLORREF CWTKWinXPVisualManager::OnFillCheckedImageBackground(CDC* pDC, CRect rect, BOOL bHighlighted)
{
    if (!IsThemedMenus())
        return CWTKVisualManagerXP::OnFillCheckedImageBackground(pDC, rect, bHighlighted);
    ::FillRect(pDC->GetSafeHdc(), rect, ::GetSysColorBrush(COLOR_MENU));
    if (bHighlighted)
        pDC->Draw3dRect(rect, WTKGetGlobalData().clrMenuText, WTKGetGlobalData().clrMenuText);
    return ::GetSysColor(COLOR_MENUTEXT);
}

CSize CWTKWinXPVisualManager::GetButtonExtraBorder() const
{
    return IsThemed() ? CSize(kThemedButtonExtraBorder, kThemedButtonExtraBorder) : CSize(0, 0);
}

void CWTKWinXPVisualManager::OnFillTasksPaneBackground(CDC* pDC, CRect rect)
{
    if (!m_hThemeExplorerBar) {
        CWTKVisualManagerXP::OnFillTasksPaneBackground(pDC, rect);
        return;
    }
    DrawThemeBackground(m_hThemeExplorerBar, pDC, kExplorerHeaderBackground, kThemeStateNone, rect);
}

void CWTKWinXPVisualManager::OnDrawTasksGroupCaption(CDC* pDC, const CWTKTasksGroupInfo* pGroup, BOOL bIsHighlighted,
                                                     BOOL bIsSelected, BOOL bCanCollapse)
{
    if (!m_hThemeExplorerBar) {
        CWTKVisualManagerXP::OnDrawTasksGroupCaption(pDC, pGroup, bIsHighlighted, bIsSelected, bCanCollapse);
        return;
    }
    const CString strText = pGroup->GetCaptionText();
    if (strText.IsEmpty())
        return;

    WTKGlobalData& g = WTKGetGlobalData();
    const CRect rectCaption = pGroup->GetCaptionRect();
    const BOOL bSpecial = pGroup->IsSpecial();
    DrawThemeBackground(m_hThemeExplorerBar, pDC, bSpecial ? kExplorerSpecialGroupHead : kExplorerNormalGroupHead,
                        kThemeStateNone, rectCaption);

    int nTextLeft = rectCaption.left + m_nGroupCaptionHorzOffset;
    const HICON hIcon = pGroup->GetIcon();
    const CSize sizeIcon = pGroup->GetIconSize();
    if (hIcon != nullptr && sizeIcon.cx < rectCaption.Width() - rectCaption.Height()) {
        pDC->DrawIcon(rectCaption.left + 1, rectCaption.bottom - sizeIcon.cy, hIcon);
        nTextLeft = rectCaption.left + sizeIcon.cx + kCaptionIconTextGap;
    }
    CRect rectText(nTextLeft, rectCaption.top + m_nGroupCaptionVertOffset,
                   std::max<int>(nTextLeft, rectCaption.right - rectCaption.Height()), rectCaption.bottom);
    CFont* pOldFont = pDC->SelectObject(&g.fontBold);
    const COLORREF clrOldText = pDC->SetTextColor(bSpecial ? ::GetSysColor(COLOR_WINDOW) : g.clrHilite);
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strText, rectText, kGroupCaptionTextFormat);
    pDC->SetBkMode(nOldBkMode);
    pDC->SetTextColor(clrOldText);
    pDC->SelectObject(pOldFont);

    if (!bCanCollapse)
        return;
    const CRect rectButton(std::max<int>(rectCaption.left, rectCaption.right - rectCaption.Height()), rectCaption.top,
                           rectCaption.right, rectCaption.bottom);
    const BOOL bCollapsed = pGroup->IsCollapsed();
    int nPart = 0;
    if (bSpecial)
        nPart = bCollapsed ? kExplorerSpecialGroupExpand : kExplorerSpecialGroupCollapse;
    else
        nPart = bCollapsed ? kExplorerNormalGroupExpand : kExplorerNormalGroupCollapse;
    DrawThemeBackground(m_hThemeExplorerBar, pDC, nPart, bIsHighlighted ? kThemeStateHot : kThemeStateNormal,
                        rectButton);
}

void CWTKWinXPVisualManager::OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial)
{
    if (!m_hThemeExplorerBar) {
        CWTKVisualManagerXP::OnDrawTasksGroupAreaBorder(pDC, rect, bSpecial);
        return;
    }
    DrawThemeBackground(m_hThemeExplorerBar, pDC,
                        bSpecial ? kExplorerSpecialGroupBackground : kExplorerNormalGroupBackground, kThemeStateNone,
                        rect);
}

void CWTKWinXPVisualManager::OnDrawTasksGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bNoTitle)
{
    if (!m_hThemeExplorerBar) {
        CWTKVisualManagerXP::OnDrawTasksGroupFrame(pDC, rect, bSpecial, bNoTitle);
        return;
    }
    if (!bNoTitle)
        return;
    // A group without a caption still shows the head's top line.
    const CRect rectTop(rect.left, rect.top, rect.right, rect.top + 1);
    DrawThemeBackground(m_hThemeExplorerBar, pDC, bSpecial ? kExplorerSpecialGroupHead : kExplorerNormalGroupHead,
                        kThemeStateNone, rectTop);
}

void CWTKWinXPVisualManager::OnDrawTask(CDC* pDC, const CWTKTaskInfo* pTask, HIMAGELIST hIcons, BOOL bIsHighlighted)
{
    WTKGlobalData& g = WTKGetGlobalData();
    CRect rect = pTask->GetRect();

    int cxIcon = 0;
    int cyIcon = 0;
    if (hIcons != nullptr)
        ImageList_GetIconSize(hIcons, &cxIcon, &cyIcon);
    if (pTask->GetIcon() >= 0 && cxIcon > 0)
        ImageList_Draw(hIcons, pTask->GetIcon(), pDC->GetSafeHdc(), rect.left, rect.top, ILD_TRANSPARENT);
    rect.left += std::max(0, cxIcon) + m_nTasksIconHorzOffset;

    // A task without a command reads as plain text, not as a link.
    CFont* pFont = &g.fontRegular;
    COLORREF clrText = g.clrHilite;
    if (pTask->GetCommandID() == 0)
        clrText = ::GetSysColor(COLOR_WINDOWTEXT);
    else if (!pTask->IsEnabled())
        clrText = g.clrGrayedText;
    else if (bIsHighlighted)
        pFont = &g.fontUnderline;

    CFont* pOldFont = pDC->SelectObject(pFont);
    const COLORREF clrOldText = pDC->SetTextColor(clrText);
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(pTask->GetText(), rect, kTaskTextFormat);
    pDC->SetBkMode(nOldBkMode);
    pDC->SetTextColor(clrOldText);
    pDC->SelectObject(pOldFont);
}

void CWTKWinXPVisualManager::OnDrawScrollButton(CDC* pDC, CRect rect, int nExtraTop, int nGlyph, BOOL bHighlighted)
{
    CWTKVisualManager::OnDrawScrollButton(pDC, rect, nExtraTop, nGlyph, bHighlighted);
}

void CWTKWinXPVisualManager::OnDrawOutlookScrollArrow(const CWTKShortcutBarInfo* pBar, CDC* pDC, CRect rect, BOOL bIsUp)
{
    if (!m_hThemeHeader) {
        CWTKVisualManagerXP::OnDrawOutlookScrollArrow(pBar, pDC, rect, bIsUp);
        return;
    }
    const int xMiddle = (rect.left + rect.right) / 2;
    POINT pts[3];
    if (bIsUp) {
        pts[0] = {rect.left, rect.bottom};
        pts[1] = {xMiddle, rect.top};
        pts[2] = {rect.right, rect.bottom};
    } else {
        pts[0] = {rect.left, rect.top};
        pts[1] = {xMiddle, rect.bottom};
        pts[2] = {rect.right, rect.top};
    }
    CBrush brArrow;
    brArrow.CreateSolidBrush(WTKGetGlobalData().clrBarShadow);
    const HDC hDC = pDC->GetSafeHdc();
    const HGDIOBJ hOldBrush = ::SelectObject(hDC, brArrow.GetSafeHandle());
    const HGDIOBJ hOldPen = ::SelectObject(hDC, ::GetStockObject(NULL_PEN));
    ::Polygon(hDC, pts, 3);
    ::SelectObject(hDC, hOldPen);
    ::SelectObject(hDC, hOldBrush);
}

void CWTKWinXPVisualManager::OnDrawExpandingBox(CDC* pDC, CRect rect, BOOL bIsOpened, COLORREF colorBox)
{
    if (!m_hThemeTree) {
        CWTKVisualManagerXP::OnDrawExpandingBox(pDC, rect, bIsOpened, colorBox);
        return;
    }
    DrawThemeBackground(m_hThemeTree, pDC, kTreeGlyph, bIsOpened ? kTreeGlyphOpened : kTreeGlyphClosed, rect);
}

void CWTKWinXPVisualManager::OnDrawControlBorder(CWnd* pWndCtrl)
{
    if (!IsThemed()) {
        CWTKVisualManagerXP::OnDrawControlBorder(pWndCtrl);
        return;
    }
    if (pWndCtrl == nullptr || pWndCtrl->GetSafeHwnd() == nullptr)
        return;
    CWindowDC dc(pWndCtrl);
    CRect rect;
    ::GetWindowRect(pWndCtrl->GetSafeHwnd(), rect);
    rect.OffsetRect(-rect.left, -rect.top);
    dc.Draw3dRect(rect, m_clrMenuItemBorder, m_clrMenuItemBorder);
}
