// Drawing of the Office XP look: bars, menus, buttons, grippers and separators.
#include "foundation/WTKVisualManagerXP.h"

#include "foundation/WTKBarInfo.h"
#include "foundation/WTKBarLookInfo.h"
#include "foundation/WTKButtonLookInfo.h"
#include "foundation/WTKCaptionButtonInfo.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKMenuLookInfo.h"
#include "foundation/WTKPaintTools.h"
#include "foundation/WTKPopupMenuInfo.h"
#include "foundation/WTKPushButtonInfo.h"
#include "foundation/WTKShortcutBarInfo.h"
#include "foundation/WTKToolBarInfo.h"
#include "foundation/WTKToolbarButtonInfo.h"

#include "docview/BarStyles.h"

#include <algorithm>

namespace {

const CWTKButtonLookInfo* ButtonLookInfo(const CWTKToolbarButtonInfo* pButton)
{
    return dynamic_cast<const CWTKButtonLookInfo*>(pButton);
}

// Space before and after a sizing bar's title on its gripper.
constexpr int kSizingBarGripperInset = 4;
// A gripper's dotted strip is this wide and this much shorter than the bar at both ends.
constexpr int kGripperStripWidth = 4;
constexpr int kGripperStripInset = 6;
// Lightening of the image column beside rarely used menu items.
constexpr int kRarelyUsedPercent = 94;
// The tear-off caption's grip.
constexpr int kTearOffGripWidth = 20;

}  // namespace

void CWTKVisualManagerXP::OnFillBarBackground(CDC* pDC, const CWTKBarInfo* pBar, CRect rectClient, CRect rectClip,
                                              BOOL bNCArea)
{
    const CRect rectFill = rectClip.IsRectEmpty() ? rectClient : rectClip;
    switch (CWTKBarLookInfo::KindOf(pBar)) {
    case CWTKBarLookInfo::kindPopupMenuBar: {
        pDC->FillRect(rectFill, &m_brMenuLight);
        CRect rectImages = rectClient;
        rectImages.right = rectImages.left + GetMenuImageColumnWidth(pBar);
        pDC->FillRect(rectImages, &m_brBarBkgnd);
        return;
    }
    case CWTKBarLookInfo::kindColorBar:
        pDC->FillRect(rectFill,
                      CWTKBarLookInfo::Of(pBar)->IsColorBarOnBarBackground() ? &m_brBarBkgnd : &m_brMenuLight);
        return;
    case CWTKBarLookInfo::kindToolBar:
        pDC->FillRect(rectFill, &m_brBarBkgnd);
        return;
    default:
        CWTKVisualManager::OnFillBarBackground(pDC, pBar, rectClient, rectClip, bNCArea);
        return;
    }
}

int CWTKVisualManagerXP::GetMenuImageColumnWidth(const CWTKBarInfo* pBar) const
{
    const CWTKBarLookInfo* pInfo = CWTKBarLookInfo::Of(pBar);
    const int nImageWidth = pInfo != nullptr ? pInfo->GetMenuImageWidth() : kDefaultMenuImageWidth;
    return nImageWidth + 2 * GetMenuImageMargin() + 1;
}

void CWTKVisualManagerXP::OnDrawBarBorder(CDC* pDC, const CWTKBarInfo* pBar, CRect& rect)
{
    const DWORD dwStyle = pBar->GetBarStyle();
    if ((dwStyle & kBarStyleBorderAny) == 0)
        return;
    // Flat: every edge in the face colour, no etched line.
    const COLORREF clrFace = WTKGetGlobalData().clrBarFace;
    const COLORREF clrOldBk = pDC->GetBkColor();
    const int cx = rect.Width();
    const int cy = rect.Height();
    if (dwStyle & kBarStyleBorderLeft)
        pDC->FillSolidRect(rect.left, rect.top, 1, cy - 1, clrFace);
    if (dwStyle & kBarStyleBorderTop)
        pDC->FillSolidRect(rect.left, rect.top, cx - 1, 1, clrFace);
    if (dwStyle & kBarStyleBorderRight)
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, cy, clrFace);
    if (dwStyle & kBarStyleBorderBottom)
        pDC->FillSolidRect(rect.left, rect.bottom - 1, cx - 1, 1, clrFace);
    if (dwStyle & kBarStyleBorderLeft)
        ++rect.left;
    if (dwStyle & kBarStyleBorderTop)
        ++rect.top;
    if (dwStyle & kBarStyleBorderRight)
        --rect.right;
    if (dwStyle & kBarStyleBorderBottom)
        --rect.bottom;
    pDC->SetBkColor(clrOldBk);
}

void CWTKVisualManagerXP::OnDrawMenuBorder(CDC* pDC, const CWTKPopupMenuInfo* pMenu, CRect rect)
{
    pDC->Draw3dRect(rect, m_clrMenuBorder, m_clrMenuBorder);
    CRect rectInner = rect;
    rectInner.DeflateRect(1, 1);
    pDC->Draw3dRect(rectInner, m_clrMenuLight, m_clrMenuLight);
    pDC->FillRect(CRect(rect.left + 1, rect.top + 1, rect.left + 2, rect.bottom - 1), &m_brBarBkgnd);
    if (m_bConnectMenuToParent)
        JoinMenuToButton(pDC, pMenu, rect);
}

void CWTKVisualManagerXP::JoinMenuToButton(CDC* pDC, const CWTKPopupMenuInfo* pMenu, const CRect& rect)
{
    const auto* pInfo = dynamic_cast<const CWTKMenuLookInfo*>(pMenu);
    if (pInfo == nullptr)
        return;
    const CRect rectButton = pInfo->GetParentButtonRect();
    CRect rectJoin;
    switch (pInfo->GetParentButtonSide()) {
    case CWTKMenuLookInfo::sideTop:
        rectJoin.SetRect(rectButton.left + 1, rect.top, rectButton.right - 2, rect.top + 1);
        break;
    case CWTKMenuLookInfo::sideBottom:
        rectJoin.SetRect(rectButton.left + 1, rect.bottom - 1, rectButton.right - 2, rect.bottom);
        break;
    case CWTKMenuLookInfo::sideLeft:
        rectJoin.SetRect(rect.left, rectButton.top + 1, rect.left + 1, rectButton.bottom - 2);
        break;
    case CWTKMenuLookInfo::sideRight:
        rectJoin.SetRect(rect.right - 1, rectButton.top + 1, rect.right, rectButton.bottom - 2);
        break;
    default:
        return;
    }
    CRect rectMenu = rect;
    rectMenu.InflateRect(1, 1);
    CRect rectAround = rectButton;
    rectAround.InflateRect(1, 1);
    rectJoin.IntersectRect(rectJoin, rectMenu);
    rectJoin.IntersectRect(rectJoin, rectAround);
    if (!rectJoin.IsRectEmpty())
        pDC->FillRect(rectJoin, &m_brBarBkgnd);
}

void CWTKVisualManagerXP::DrawDottedStrip(CDC* pDC, const CRect& rect, CBrush* pBrush, COLORREF clrDots,
                                          COLORREF clrBack)
{
    const COLORREF clrOldText = pDC->SetTextColor(clrDots);
    const COLORREF clrOldBk = pDC->SetBkColor(clrBack);
    // The pattern is anchored to the strip, so every gripper starts with the same dot.
    const CPoint ptOldOrg = pDC->SetBrushOrg(rect.left % 8, rect.top % 8);
    pDC->FillRect(rect, pBrush);
    pDC->SetBrushOrg(ptOldOrg.x, ptOldOrg.y);
    pDC->SetBkColor(clrOldBk);
    pDC->SetTextColor(clrOldText);
}

void CWTKVisualManagerXP::OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz, const CWTKBarInfo* pBar)
{
    if (!HasGripperBrushes())
        CreateGripperBrushes();

    const WTKGlobalData& g = WTKGetGlobalData();
    const CWTKBarLookInfo::Kind kind = CWTKBarLookInfo::KindOf(pBar);
    const BOOL bSizingBar = kind == CWTKBarLookInfo::kindSizingBar;
    const BOOL bVertCaption = bSizingBar && CWTKBarLookInfo::Of(pBar)->HasVerticalCaption();

    CRect rectStrip = rectGripper;
    if (bSizingBar) {
        if (bHorz)
            rectStrip.DeflateRect(kSizingBarGripperInset, 0);
        else
            rectStrip.DeflateRect(0, kSizingBarGripperInset);
    } else if (bHorz) {
        rectStrip.left = rectGripper.left + (rectGripper.Width() - kGripperStripWidth) / 2;
        rectStrip.right = rectStrip.left + kGripperStripWidth;
        rectStrip.DeflateRect(0, kGripperStripInset);
    } else {
        rectStrip.top = rectGripper.top + (rectGripper.Height() - kGripperStripWidth) / 2;
        rectStrip.bottom = rectStrip.top + kGripperStripWidth;
        rectStrip.DeflateRect(kGripperStripInset, 0);
    }

    const BOOL bOnFace = bSizingBar || kind == CWTKBarLookInfo::kindMenuBar;
    CBrush* pBrush = (bHorz || bVertCaption) ? &m_brGripperHorz : &m_brGripperVert;
    DrawDottedStrip(pDC, rectStrip, pBrush, m_clrGripper, bOnFace ? g.clrBarFace : m_clrBarBkgnd);

    if (!bSizingBar)
        return;
    const CString strTitle = CWTKBarLookInfo::Of(pBar)->GetTitle();
    if (strTitle.IsEmpty())
        return;
    // The title, framed by one space each side, over the dots in the middle of the strip.
    const CString strText = " " + strTitle + " ";
    CFont* pOldFont =
        pDC->SelectObject(bVertCaption ? &WTKGetGlobalData().fontVertCaption : &WTKGetGlobalData().fontRegular);
    const COLORREF clrOldText = pDC->SetTextColor(g.clrBarText);
    const COLORREF clrOldBk = pDC->SetBkColor(g.clrBarFace);
    const int nOldMode = pDC->SetBkMode(OPAQUE);
    const CSize sizeText = pDC->GetTextExtent(strText);
    if (bVertCaption) {
        const int x = rectStrip.left + (rectStrip.Width() - sizeText.cy) / 2;
        pDC->ExtTextOut(x, rectStrip.bottom, ETO_CLIPPED, rectStrip, strText, strText.GetLength(), nullptr);
    } else {
        const int y = rectStrip.top + (rectStrip.Height() - sizeText.cy) / 2;
        pDC->ExtTextOut(rectStrip.left, y, ETO_CLIPPED, rectStrip, strText, strText.GetLength(), nullptr);
    }
    pDC->SetBkMode(nOldMode);
    pDC->SetBkColor(clrOldBk);
    pDC->SetTextColor(clrOldText);
    pDC->SelectObject(pOldFont);
}

void CWTKVisualManagerXP::OnDrawSeparator(CDC* pDC, const CWTKBarInfo* pBar, CRect rect, BOOL bHorz)
{
    CPen* pOldPen = pDC->SelectObject(&m_penSeparator);
    if (CWTKBarLookInfo::KindOf(pBar) == CWTKBarLookInfo::kindPopupMenuBar) {
        const int y = rect.top + rect.Height() / 2;
        pDC->MoveTo(rect.left + GetMenuImageColumnWidth(pBar) - GetMenuImageMargin(), y);
        pDC->LineTo(rect.right, y);
    } else if (bHorz) {
        const int x = rect.left + rect.Width() / 2;
        pDC->MoveTo(x, rect.top);
        pDC->LineTo(x, rect.bottom - 1);
    } else {
        const int y = rect.top + rect.Height() / 2;
        pDC->MoveTo(rect.left, y);
        pDC->LineTo(rect.right, y);
    }
    pDC->SelectObject(pOldPen);
}

void CWTKVisualManagerXP::OnDrawCaptionButton(CDC* pDC, const CWTKCaptionButtonInfo* pButton, BOOL bHorz,
                                              BOOL bExpanded, BOOL bDisabled)
{
    const BOOL bHide = pButton->GetHitCode() == kCaptionButtonHide;
    int nGlyph = 0;
    if (bHide)
        nGlyph = CWTKMenuGlyphs::kCloseSmall;
    else if (bHorz)
        nGlyph = bExpanded ? CWTKMenuGlyphs::kArrowRight
                           : (bDisabled ? CWTKMenuGlyphs::kArrowRightDisabled : CWTKMenuGlyphs::kArrowLeft);
    else
        nGlyph = bExpanded ? CWTKMenuGlyphs::kArrowDown
                           : (bDisabled ? CWTKMenuGlyphs::kArrowUpDisabled : CWTKMenuGlyphs::kArrowUp);

    const CRect rect(pButton->GetPosition(), GetCaptionButtonSize());
    const BOOL bPushed = pButton->IsPushed();
    const BOOL bHighlighted = pButton->IsHighlighted();
    // A disabled expand button gets no highlight; the hide button always can.
    if ((bHighlighted || bPushed) && (bHide || !bDisabled)) {
        CBrush* pBrush = (bPushed && bHighlighted) ? &m_brHighlightDn : &m_brHighlight;
        OnFillHighlightedArea(pDC, rect, pBrush, nullptr);
        pDC->Draw3dRect(rect, m_clrMenuItemBorder, m_clrMenuItemBorder);
    }
    DrawGlyph(pDC, nGlyph, CPoint(rect.left + 2, rect.top + 2));
}

void CWTKVisualManagerXP::OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle,
                                                 BOOL bHighlight)
{
    const BOOL bDisabled = (nStyle & TBBS_DISABLED) != 0;
    const BOOL bPressed = (nStyle & TBBS_PRESSED) != 0;
    const BOOL bHighlighted = bHighlight;
    int nGlyph = 0;
    int nHotGlyph = 0;
    switch (uiSystemCommand) {
    case SC_MINIMIZE:
        nGlyph = CWTKMenuGlyphs::kMinimize;
        nHotGlyph = CWTKMenuGlyphs::kMinimizeHot;
        break;
    case SC_RESTORE:
        nGlyph = CWTKMenuGlyphs::kRestore;
        nHotGlyph = CWTKMenuGlyphs::kRestoreHot;
        break;
    case SC_CLOSE:
        nGlyph = CWTKMenuGlyphs::kClose;
        nHotGlyph = CWTKMenuGlyphs::kCloseHot;
        break;
    default:
        return;
    }
    if (bDisabled)
        ++nGlyph;
    else if (bHighlighted && bPressed)
        nGlyph = nHotGlyph;

    if (bHighlighted && !bDisabled) {
        OnFillHighlightedArea(pDC, rect, bPressed ? &m_brHighlightDn : &m_brHighlight, nullptr);
        pDC->Draw3dRect(rect, m_clrMenuItemBorder, m_clrMenuItemBorder);
    }
    const CSize sizeGlyph = GetGlyphSize();
    DrawGlyph(pDC, nGlyph,
              CPoint(rect.left + (rect.Width() - sizeGlyph.cx) / 2, rect.top + (rect.Height() - sizeGlyph.cy) / 2));
}

void CWTKVisualManagerXP::OnDrawStatusBarPaneBorder(CDC* pDC, const CWTKStatusBarInfo* /*pBar*/, CRect rectPane,
                                                    UINT /*uiID*/, UINT nStyle)
{
    if (nStyle & kPaneStyleNoBorders)
        return;
    if (nStyle & kPaneStylePopOut) {
        CWTKPaintTools tools(pDC);
        tools.HighlightRect(rectPane);
    }
    pDC->Draw3dRect(rectPane, m_clrPaneBorder, m_clrPaneBorder);
}

void CWTKVisualManagerXP::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                                BOOL bIsHighlighted, const CWTKToolbarButtonInfo* /*pButton*/)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    int nGlyph = bDisabled ? CWTKMenuGlyphs::kArrowDownDisabled : CWTKMenuGlyphs::kArrowDown;
    if (bIsDropped || bIsHighlighted) {
        OnFillHighlightedArea(pDC, rect, bIsDropped ? &m_brHighlightDn : &m_brHighlight, nullptr);
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), m_clrMenuItemBorder);
        if (bIsDropped)
            nGlyph = CWTKMenuGlyphs::kArrowDownPressed;
    } else {
        pDC->FillSolidRect(rect, g.clrBarFace);
        pDC->Draw3dRect(rect, g.clrBarHilite, g.clrBarHilite);
    }
    const CSize sizeGlyph = GetGlyphSize();
    DrawGlyph(
        pDC, nGlyph,
        CPoint(rect.left + (rect.Width() - sizeGlyph.cx) / 2 + 1, rect.top + (rect.Height() - sizeGlyph.cy) / 2 + 1));
}

void CWTKVisualManagerXP::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL /*bDisabled*/, BOOL bIsDropped,
                                            BOOL bIsHighlighted, const CWTKToolbarButtonInfo* /*pButton*/)
{
    if (!bIsDropped && !bIsHighlighted)
        return;
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(rect, m_clrMenuItemBorder, m_clrMenuItemBorder);
}

void CWTKVisualManagerXP::OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsHighlighted,
                                           const CWTKToolbarButtonInfo* pButton)
{
    const CWTKButtonLookInfo* pInfo = ButtonLookInfo(pButton);
    if (pInfo == nullptr || !pInfo->IsFlatEditBox()) {
        CWTKVisualManager::OnDrawEditBorder(pDC, rect, bDisabled, bIsHighlighted, pButton);
        return;
    }
    if (bIsHighlighted)
        pDC->Draw3dRect(rect, m_clrMenuItemBorder, m_clrMenuItemBorder);
}

void CWTKVisualManagerXP::OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive)
{
    if (!HasGripperBrushes())
        CreateGripperBrushes();
    const WTKGlobalData& g = WTKGetGlobalData();
    pDC->FillRect(rect, &m_brMenuLight);
    rect.DeflateRect(1, 1);
    if (bIsActive)
        OnFillHighlightedArea(pDC, rect, &m_brHighlight, nullptr);
    else
        pDC->FillRect(rect, &m_brBarBkgnd);

    const int nImageWidth = kDefaultMenuImageWidth;
    const int nGripWidth = 2 * nImageWidth > kTearOffGripWidth - 2 ? 2 * nImageWidth : kTearOffGripWidth;
    const int nInset = bIsActive ? 2 : 1;
    CRect rectGrip(rect.left + (rect.Width() - nGripWidth) / 2, rect.top + nInset, 0, rect.bottom - nInset);
    rectGrip.right = rectGrip.left + nGripWidth;
    DrawDottedStrip(pDC, rectGrip, &m_brGripperHorz, bIsActive ? g.clrBarDkShadow : g.clrBarShadow,
                    bIsActive ? m_clrHighlight : m_clrBarBkgnd);
    if (bIsActive)
        pDC->Draw3dRect(rect, g.clrBarDkShadow, g.clrBarDkShadow);
}

void CWTKVisualManagerXP::OnHighlightRarelyUsedMenuItems(CDC* pDC, CRect rectRarelyUsed)
{
    // The image column beside the rarely used items only.
    CRect rect = rectRarelyUsed;
    rect.left -= 1;
    rect.right = rectRarelyUsed.left + kDefaultMenuImageWidth + 2 * GetMenuImageMargin() + 1;
    CWTKPaintTools tools(pDC);
    tools.HighlightRect(rect, kRarelyUsedPercent);
}
