// Drawing of the Office XP look: toolbar buttons, menu items, push buttons, tabs and the tasks
// pane.
#include "foundation/WTKVisualManagerXP.h"

#include "foundation/WTKBarLookInfo.h"
#include "foundation/WTKButtonLookInfo.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKPaintTools.h"
#include "foundation/WTKPushButtonInfo.h"
#include "foundation/WTKTabWindowInfo.h"
#include "foundation/WTKTaskInfo.h"
#include "foundation/WTKTasksGroupInfo.h"
#include "foundation/WTKToolBarInfo.h"
#include "foundation/WTKToolbarButtonInfo.h"

#include "docview/BarStyles.h"

#include <algorithm>

namespace {

BOOL IsMenuOpenOnBar(const CWTKToolbarButtonInfo* pButton)
{
    const auto* pInfo = dynamic_cast<const CWTKButtonLookInfo*>(pButton);
    return pInfo != nullptr && pInfo->IsMenuOpenOnBar();
}

BOOL IsCustomizing(const CWTKToolbarButtonInfo* pButton)
{
    const CWTKToolBarInfo* pBar = pButton != nullptr ? pButton->GetParentToolBar() : nullptr;
    return pBar != nullptr && pBar->IsCustomizing();
}

// CBRS_ALIGN_* bits of the bar style: the side a bar is docked on.
constexpr DWORD kAlignLeft = 0x1000;
constexpr DWORD kAlignTop = 0x2000;
constexpr DWORD kAlignRight = 0x4000;
constexpr DWORD kAlignBottom = 0x8000;
// An open menu button grows this much towards its menu, 1 when the bar is narrower than it.
constexpr int kMenuJoinGrowth = 4;
// Brightness bounds of an open menu button's shadow.
constexpr int kShadowLightPercent = 100;
constexpr int kShadowDarkPercent = 75;

}  // namespace

void CWTKVisualManagerXP::OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush,
                                                const CWTKToolbarButtonInfo* /*pButton*/)
{
    pDC->FillRect(rect, pBrush);
}

void CWTKVisualManagerXP::AdjustMenuButtonRect(const CWTKToolbarButtonInfo* pButton, CRect& rect)
{
    const CWTKToolBarInfo* pBar = pButton != nullptr ? pButton->GetParentToolBar() : nullptr;
    const CWTKBarLookInfo* pInfo = CWTKBarLookInfo::Of(pBar);
    if (pInfo == nullptr)
        return;
    const CRect rectBar = pInfo->GetWindowRectScreen();
    const DWORD dwStyle = pBar->GetBarStyle();
    if (dwStyle & kAlignTop)
        rect.bottom += rectBar.Height() < rect.Height() ? 1 : kMenuJoinGrowth;
    else if (dwStyle & kAlignBottom)
        rect.top -= rectBar.Height() < rect.Height() ? 1 : kMenuJoinGrowth;
    else if (dwStyle & kAlignLeft)
        rect.right += rectBar.Width() < rect.Width() ? 1 : kMenuJoinGrowth;
    else if (dwStyle & kAlignRight)
        rect.left -= rectBar.Width() < rect.Width() ? 1 : kMenuJoinGrowth;
}

void CWTKVisualManagerXP::OnFillButtonInterior(CDC* pDC, const CWTKToolbarButtonInfo* pButton, CRect rect, int state)
{
    if (state != kButtonStatePushed && state != kButtonStateHighlighted)
        return;
    if (IsCustomizing(pButton))
        return;

    const UINT nStyle = pButton->GetStyle();
    const BOOL bInMenu = CWTKBarLookInfo::IsInPopupMenu(pButton);
    CBrush* pBrush = &m_brHighlight;
    if (IsMenuOpenOnBar(pButton)) {
        AdjustMenuButtonRect(pButton, rect);
        pBrush = &m_brBarBkgnd;
    } else if (nStyle & TBBS_CHECKED) {
        pBrush = state == kButtonStateHighlighted ? &m_brHighlightDn : &m_brHighlightChecked;
    } else if ((nStyle & TBBS_DISABLED) && bInMenu) {
        pBrush = &m_brMenuLight;
    } else if ((nStyle & TBBS_PRESSED) && !bInMenu) {
        pBrush = &m_brHighlightDn;
    }

    if (nStyle & TBBS_CHECKED) {
        if (bInMenu)
            ++rect.left;
    } else {
        rect.DeflateRect(1, 1);
    }
    OnFillHighlightedArea(pDC, rect, pBrush, pButton);
}

void CWTKVisualManagerXP::OnDrawButtonBorder(CDC* pDC, const CWTKToolbarButtonInfo* pButton, CRect rect, int state)
{
    if (state != kButtonStatePushed && state != kButtonStateHighlighted)
        return;
    const BOOL bInMenu = CWTKBarLookInfo::IsInPopupMenu(pButton);
    COLORREF clrBorder = m_clrMenuItemBorder;
    if (IsMenuOpenOnBar(pButton)) {
        clrBorder = m_clrMenuBorder;
        AdjustMenuButtonRect(pButton, rect);
        if (m_nMenuShadowDepth > 0 && !IsCustomizing(pButton) && IsHighColor()) {
            CWTKPaintTools tools(pDC);
            tools.DrawShadow(rect, m_nMenuShadowDepth, kShadowLightPercent, kShadowDarkPercent, nullptr, nullptr, TRUE);
        }
    }
    if (!bInMenu) {
        --rect.right;
        --rect.bottom;
    } else if ((pButton->GetStyle() & TBBS_CHECKED) == 0) {
        // Checked items of a popup menu keep their bottom row.
        --rect.bottom;
    }
    pDC->Draw3dRect(rect, clrBorder, clrBorder);
}

void CWTKVisualManagerXP::OnHighlightMenuItem(CDC* pDC, const CWTKToolBarInfo* pBar,
                                              const CWTKToolbarButtonInfo* pButton, CRect rect, COLORREF& clrText)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    const BOOL bDisabled = pButton != nullptr && (pButton->GetStyle() & TBBS_DISABLED) != 0;
    OnFillHighlightedArea(pDC, rect, bDisabled ? &m_brMenuLight : &m_brHighlight, pButton);
    pDC->Draw3dRect(rect, m_clrMenuItemBorder, m_clrMenuItemBorder);

    // A menu button inside a popup menu also frames its image column when that column lies
    // further out than the item's own left edge.
    const CWTKBarLookInfo* pInfo = CWTKBarLookInfo::Of(pBar);
    if (pInfo != nullptr && pInfo->GetLookKind() == CWTKBarLookInfo::kindPopupMenuBar) {
        int nColumn = pInfo->GetMenuImageWidth() + 2 * GetMenuImageMargin();
        if (pButton != nullptr && (pButton->GetStyle() & TBBS_CHECKED))
            nColumn += 2;
        if (nColumn > rect.left) {
            CRect rectImage(rect.left, rect.top, rect.left + nColumn, rect.bottom);
            pDC->Draw3dRect(rectImage, m_clrMenuItemBorder, m_clrMenuItemBorder);
        }
    }
    clrText = bDisabled ? g.clrGrayedText : TextColorOn(m_clrHighlight);
}

COLORREF CWTKVisualManagerXP::GetToolbarButtonTextColor(const CWTKToolbarButtonInfo* pButton, int state)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    const UINT nStyle = pButton->GetStyle();
    if (pButton->GetKind() == CWTKToolbarButtonInfo::kindShortcut)
        return (nStyle & TBBS_DISABLED) ? g.clrGrayedText : g.clrBarText;
    if (state == kButtonStateHighlighted && (nStyle & (TBBS_PRESSED | TBBS_CHECKED)) != 0)
        return g.clrTextHilite;
    return CWTKVisualManager::GetToolbarButtonTextColor(pButton, state);
}

void CWTKVisualManagerXP::OnFillPushButtonBackground(CDC* pDC, const CRect& rectClient, CWTKPushButtonInfo* pButton)
{
    const BOOL bHighlighted = pButton->IsHighlighted();
    const BOOL bPushed = pButton->IsPushed();
    if (!bHighlighted && !bPushed) {
        pDC->FillRect(rectClient, &WTKGetGlobalData().brBarFace);
        return;
    }
    OnFillHighlightedArea(pDC, rectClient, (bHighlighted && bPushed) ? &m_brHighlightDn : &m_brHighlight, nullptr);
}

void CWTKVisualManagerXP::OnDrawPushButtonBorder(CDC* pDC, CRect& rectClient, CWTKPushButtonInfo* pButton,
                                                 UINT /*uiState*/)
{
    if (pButton->IsHighlighted() || pButton->IsPushed()) {
        const COLORREF clrFrame = WTKGetGlobalData().clrBarDkShadow;
        pDC->Draw3dRect(rectClient, clrFrame, clrFrame);
    }
}

COLORREF CWTKVisualManagerXP::OnFillCheckedImageBackground(CDC* pDC, CRect rect, BOOL /*bHighlighted*/)
{
    pDC->FillRect(rect, &m_brHighlightDn);
    pDC->Draw3dRect(rect, m_clrMenuItemBorder, m_clrMenuItemBorder);
    return TextColorOn(m_clrHighlight);
}

void CWTKVisualManagerXP::OnEraseTabsArea(CDC* pDC, CRect rect, const CWTKTabWindowInfo* pTabWnd)
{
    if (pTabWnd->IsFlatStyle()) {
        CWTKVisualManager::OnEraseTabsArea(pDC, rect, pTabWnd);
        return;
    }
    pDC->FillRect(rect, &m_brTabBack);
    if (!pTabWnd->IsTabsOnTop())
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, WTKGetGlobalData().clrBarHilite);
}

COLORREF CWTKVisualManagerXP::OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                                        const CWTKTabWindowInfo* pTabWnd)
{
    if (pTabWnd->IsFlatStyle() || pTabWnd->IsSlantedStyle())
        return CWTKVisualManager::OnDrawTab(pDC, rectTab, iTab, bIsActive, pTabWnd);

    COLORREF clrDark = 0;
    COLORREF clrBlack = 0;
    COLORREF clrHighlight = 0;
    COLORREF clrFace = 0;
    COLORREF clrDarkShadow = 0;
    COLORREF clrLight = 0;
    HBRUSH hbrFace = nullptr;
    HBRUSH hbrBlack = nullptr;
    GetTabFrameColors(pTabWnd, clrDark, clrBlack, clrHighlight, clrFace, clrDarkShadow, clrLight, hbrFace, hbrBlack);

    const int a = rectTab.left;
    const int b = rectTab.top;
    const int c = rectTab.right;
    const int d = rectTab.bottom;
    CPen penDark(PS_SOLID, 1, clrDark);
    CPen penBlack(PS_SOLID, 1, clrBlack);
    CPen penHighlight(PS_SOLID, 1, clrHighlight);
    CPen* pOldPen = pDC->SelectObject(&penDark);

    if (iTab + 1 != pTabWnd->GetActiveTab()) {
        pDC->MoveTo(c, b + 3);
        pDC->LineTo(c, d - 3);
    }
    if (bIsActive) {
        if (pTabWnd->IsTabsOnTop()) {
            ::FillRect(pDC->GetSafeHdc(), CRect(a + 1, b, c, d + 1), hbrFace);
            pDC->SelectObject(&penBlack);
            pDC->MoveTo(c, d);
            pDC->LineTo(c, b - 1);
            pDC->SelectObject(&penHighlight);
            pDC->MoveTo(c, b);
            pDC->LineTo(a, b);
            pDC->LineTo(a, d);
        } else {
            ::FillRect(pDC->GetSafeHdc(), CRect(a, b - 1, c, d), hbrFace);
            pDC->SelectObject(&penBlack);
            pDC->MoveTo(c, b);
            pDC->LineTo(c, d);
            pDC->LineTo(a, d);
            pDC->SelectObject(&penHighlight);
            pDC->LineTo(a, b);
        }
    }
    pDC->SelectObject(pOldPen);

    const COLORREF clrText = bIsActive ? WTKGetGlobalData().clrBarText : m_clrInactiveTabText;
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    OnDrawTabContent(pDC, rectTab, iTab, bIsActive, pTabWnd, kWTKNoColor);
    pDC->SetTextColor(clrOld);
    return clrOld;
}

void CWTKVisualManagerXP::OnFillTabButton(CDC* pDC, CRect rect, CWTKPushButtonInfo* pButton)
{
    if (pButton->IsHighlighted())
        OnFillHighlightedArea(pDC, rect, pButton->IsPushed() ? &m_brHighlightDn : &m_brHighlight, nullptr);
    else
        pDC->FillRect(rect, &WTKGetGlobalData().brBarFace);
}

void CWTKVisualManagerXP::OnDrawTabButtonBorder(CDC* pDC, CRect& rect, CWTKPushButtonInfo* pButton, UINT uiState)
{
    const COLORREF clrDark = WTKGetGlobalData().clrBarDkShadow;
    const BOOL bPushed = pButton->IsPushed() || (uiState & ODS_SELECTED) != 0;
    if (bPushed)
        pDC->Draw3dRect(rect, clrDark, m_clrGripper);
    else if (pButton->IsHighlighted())
        pDC->Draw3dRect(rect, m_clrGripper, clrDark);
}

void CWTKVisualManagerXP::OnFillTasksPaneBackground(CDC* pDC, CRect rect)
{
    pDC->FillSolidRect(rect, ::GetSysColor(COLOR_WINDOW));
}

void CWTKVisualManagerXP::OnDrawTasksGroupCaption(CDC* pDC, const CWTKTasksGroupInfo* pGroup, BOOL bIsHighlighted,
                                                  BOOL bIsSelected, BOOL bCanCollapse)
{
    CWTKVisualManager::OnDrawTasksGroupCaption(pDC, pGroup, bIsHighlighted, bIsSelected, bCanCollapse);
}

void CWTKVisualManagerXP::OnDrawTasksGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bNoTitle)
{
    CWTKVisualManager::OnDrawTasksGroupFrame(pDC, rect, bSpecial, bNoTitle);
}

void CWTKVisualManagerXP::OnDrawTask(CDC* pDC, const CWTKTaskInfo* pTask, HIMAGELIST hIcons, BOOL bIsHighlighted)
{
    WTKGlobalData& g = WTKGetGlobalData();
    CRect rect = pTask->GetRect();
    if (pTask->IsSeparator()) {
        CWTKVisualManager::OnDrawTask(pDC, pTask, hIcons, bIsHighlighted);
        return;
    }
    const int iIcon = pTask->GetIcon();
    if (hIcons != nullptr && iIcon >= 0) {
        int cx = 0;
        int cy = 0;
        ImageList_GetIconSize(hIcons, &cx, &cy);
        ImageList_Draw(hIcons, iIcon, pDC->GetSafeHdc(), rect.left, rect.top + (rect.Height() - cy) / 2,
                       ILD_TRANSPARENT);
        rect.left += cx + m_nTasksIconHorzOffset;
    }
    COLORREF clrText = ::GetSysColor(COLOR_WINDOWTEXT);
    if (!pTask->IsEnabled())
        clrText = g.clrGrayedText;
    else if (bIsHighlighted)
        clrText = g.clrHotText;
    CFont* pOldFont = pDC->SelectObject(bIsHighlighted ? &g.fontUnderline : &g.fontRegular);
    const COLORREF clrOldText = pDC->SetTextColor(clrText);
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(pTask->GetText(), rect, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    pDC->SetBkMode(nOldBkMode);
    pDC->SetTextColor(clrOldText);
    pDC->SelectObject(pOldFont);
}

int CWTKVisualManagerXP::GetMenuImageMargin() const
{
    return 3;
}

BOOL CWTKVisualManagerXP::IsBaseLook() const
{
    return FALSE;
}
