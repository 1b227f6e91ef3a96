// Drawing of the Office 2003 look: combo boxes, buttons, tabs, menus' extras and the tasks pane.
#include "foundation/WTKVisualManager2003.h"

#include "foundation/WTKButtonLookInfo.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKPaintTools.h"
#include "foundation/WTKPushButtonInfo.h"
#include "foundation/WTKShortcutPageButtonInfo.h"
#include "foundation/WTKTabWindowInfo.h"
#include "foundation/WTKTaskInfo.h"
#include "foundation/WTKTasksGroupInfo.h"
#include "foundation/WTKToolbarButtonInfo.h"

#include <algorithm>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
// The show-all-items button's round gradient starts at this angle.
constexpr int kShowAllStartAngle = 45;
constexpr int kShowAllExtraHeight = 4;
// Angle of the tab frame's gradient.
constexpr int kTabFrameAngle = 45;

// Dark text on a colour whose every channel is above 128, else white.
COLORREF TextOn(COLORREF clr)
{
    return CWTKVisualManagerXP::TextColorOn(clr);
}

}  // namespace

void CWTKVisualManager2003::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                                  BOOL bIsHighlighted, const CWTKToolbarButtonInfo* pButton)
{
    if (!IsHighColor()) {
        CWTKVisualManagerXP::OnDrawComboDropButton(pDC, rect, bDisabled, bIsDropped, bIsHighlighted, pButton);
        return;
    }
    if (bIsDropped || bIsHighlighted) {
        OnFillHighlightedArea(pDC, rect, bIsDropped ? &m_brHighlightDn : &m_brHighlight, nullptr);
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), m_clrMenuItemBorder);
    } else {
        CWTKPaintTools tools(pDC);
        tools.FillGradient(rect, m_clrToolBarGradientDark, m_clrToolBarGradientLight, TRUE);
        const COLORREF clrFrame = WTKGetGlobalData().clrBarWindow;
        pDC->Draw3dRect(rect, clrFrame, clrFrame);
    }
    const CSize sizeGlyph = GetGlyphSize();
    DrawGlyph(
        pDC, bDisabled ? CWTKMenuGlyphs::kArrowDownDisabled : CWTKMenuGlyphs::kArrowDown,
        CPoint(rect.left + (rect.Width() - sizeGlyph.cx) / 2 + 1, rect.top + (rect.Height() - sizeGlyph.cy) / 2 + 1));
}

void CWTKVisualManager2003::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                              BOOL bIsHighlighted, const CWTKToolbarButtonInfo* pButton)
{
    if (!IsHighColor()) {
        CWTKVisualManagerXP::OnDrawComboBorder(pDC, rect, bDisabled, bIsDropped, bIsHighlighted, pButton);
        return;
    }
    if (!bDisabled && !bIsDropped && !bIsHighlighted)
        return;
    rect.DeflateRect(1, 1);
    const COLORREF clr = bDisabled ? WTKGetGlobalData().clrBarShadow : m_clrMenuItemBorder;
    pDC->Draw3dRect(rect, clr, clr);
}

void CWTKVisualManager2003::OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive)
{
    if (!IsHighColor()) {
        CWTKVisualManagerXP::OnDrawTearOffCaption(pDC, rect, bIsActive);
        return;
    }
    pDC->FillRect(rect, &m_brMenuLight);
    rect.DeflateRect(1, 1);
    if (bIsActive)
        OnFillHighlightedArea(pDC, rect, &m_brHighlight, nullptr);
    else
        pDC->FillRect(rect, &m_brFace);
    OnDrawBarGripper(pDC, rect, FALSE, nullptr);
    if (bIsActive)
        pDC->Draw3dRect(rect, m_clrMenuBorder, m_clrMenuBorder);
}

void CWTKVisualManager2003::OnFillButtonInterior(CDC* pDC, const CWTKToolbarButtonInfo* pButton, CRect rect, int state)
{
    const auto* pInfo = dynamic_cast<const CWTKButtonLookInfo*>(pButton);
    if (pInfo != nullptr && pInfo->IsCustomizeButton()) {
        OnFillCustomizeButton(pDC, rect, pInfo->IsHorizontalLayout(), state, FALSE, FALSE);
        return;
    }
    CWTKVisualManagerXP::OnFillButtonInterior(pDC, pButton, rect, state);
}

BOOL CWTKVisualManager2003::OnFillOutlookPageButton(const CWTKShortcutPageButtonInfo* pButton, CDC* pDC,
                                                    const CRect& rect, COLORREF& clrText)
{
    if (!IsHighColor())
        return CWTKVisualManagerXP::OnFillOutlookPageButton(pButton, pDC, rect, clrText);
    // A page button that tells its state reads as a push button.
    const auto* pState = dynamic_cast<const CWTKPushButtonInfo*>(pButton);
    const BOOL bHot = pState != nullptr && pState->IsHighlighted();
    const BOOL bPushed = pState != nullptr && pState->IsPushed();
    CWTKPaintTools tools(pDC);
    if (bHot && bPushed)
        tools.FillGradient(rect, m_clrHighlightDnGradientStart, m_clrHighlightDnGradientEnd, TRUE);
    else if (bHot)
        tools.FillGradient(rect, m_clrHighlightGradientStart, m_clrHighlightGradientEnd, TRUE);
    else
        tools.FillGradient(rect, m_clrBarGradientDark, m_clrBarGradientLight, TRUE);
    clrText = WTKGetGlobalData().clrBarText;
    return TRUE;
}

BOOL CWTKVisualManager2003::OnDrawOutlookPageButtonBorder(const CWTKShortcutPageButtonInfo* pButton, CDC* pDC,
                                                          CRect& rect, int state)
{
    if (!IsHighColor())
        return CWTKVisualManagerXP::OnDrawOutlookPageButtonBorder(pButton, pDC, rect, state);
    pDC->Draw3dRect(rect, WTKGetGlobalData().clrBarHilite, m_clrGripperDots);
    return TRUE;
}

void CWTKVisualManager2003::OnFillPushButtonBackground(CDC* pDC, const CRect& rectClient, CWTKPushButtonInfo* pButton)
{
    const BOOL bHot = pButton->IsHighlighted();
    const BOOL bPushed = pButton->IsPushed();
    if (!bHot && !bPushed)
        pDC->FillRect(rectClient, &WTKGetGlobalData().brBarFace);
    else
        OnFillHighlightedArea(pDC, rectClient, (bHot && bPushed) ? &m_brHighlightDn : &m_brHighlight, nullptr);
}

void CWTKVisualManager2003::OnEraseTabsArea(CDC* pDC, CRect rect, const CWTKTabWindowInfo* pTabWnd)
{
    if (pTabWnd->IsFlatStyle() || !IsHighColor()) {
        CWTKVisualManagerXP::OnEraseTabsArea(pDC, rect, pTabWnd);
        return;
    }
    // The darker end towards the windows.
    const COLORREF clrLight = m_clrToolBarGradientLight;
    const COLORREF clrDark = ScaleColorPercent(clrLight, 120);
    {
        CWTKPaintTools tools(pDC);
        if (pTabWnd->IsTabsOnTop())
            tools.FillGradient(rect, clrDark, clrLight, TRUE);
        else
            tools.FillGradient(rect, clrLight, clrDark, TRUE);
    }
    if (pTabWnd->IsSlantedStyle() && pTabWnd->GetActiveTab() >= 0) {
        const COLORREF clrActive = pTabWnd->GetTabBkColor(pTabWnd->GetActiveTab());
        if (clrActive != kWTKNoColor)
            pDC->FillSolidRect(rect.left, rect.bottom - 2, rect.Width(), 2, clrActive);
    }
}

BOOL CWTKVisualManager2003::OnEraseTabsFrame(CDC* pDC, CRect rect, const CWTKTabWindowInfo* pTabWnd)
{
    if (pTabWnd->IsFlatStyle() || !IsHighColor())
        return CWTKVisualManagerXP::OnEraseTabsFrame(pDC, rect, pTabWnd);
    const WTKGlobalData& g = WTKGetGlobalData();
    COLORREF clr1 = g.clrBarFace;
    COLORREF clr2 = g.clrBarHilite;
    if (pTabWnd->IsSlantedStyle() && pTabWnd->GetActiveTab() >= 0) {
        const COLORREF clrActive = pTabWnd->GetTabBkColor(pTabWnd->GetActiveTab());
        if (clrActive != kWTKNoColor) {
            clr1 = clrActive;
            clr2 = ScaleColorPercent(clrActive, 130);
        }
    }
    if (!pTabWnd->IsTabsOnTop())
        std::swap(clr1, clr2);
    CWTKPaintTools tools(pDC);
    tools.FillGradientAngle(rect, clr1, clr2, kTabFrameAngle);
    return TRUE;
}

void CWTKVisualManager2003::GetTabFrameColors(const CWTKTabWindowInfo* pTabWnd, COLORREF& clrDark, COLORREF& clrBlack,
                                              COLORREF& clrHighlight, COLORREF& clrFace, COLORREF& clrDarkShadow,
                                              COLORREF& clrLight, HBRUSH& hbrFace, HBRUSH& hbrBlack)
{
    CWTKVisualManagerXP::GetTabFrameColors(pTabWnd, clrDark, clrBlack, clrHighlight, clrFace, clrDarkShadow, clrLight,
                                           hbrFace, hbrBlack);
    if (!pTabWnd->IsSlantedStyle())
        return;
    const int iActive = pTabWnd->GetActiveTab();
    if (iActive < 0 || pTabWnd->GetTabBkColor(iActive) == kWTKNoColor)
        clrFace = kWhite;
    const COLORREF clrFrame = WTKGetGlobalData().clrBarDkShadow;
    clrDark = clrBlack = clrHighlight = clrDarkShadow = clrLight = clrFrame;
}

COLORREF CWTKVisualManager2003::OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                                          const CWTKTabWindowInfo* pTabWnd)
{
    if (!pTabWnd->IsSlantedStyle() || !IsHighColor())
        return CWTKVisualManagerXP::OnDrawTab(pDC, rectTab, iTab, bIsActive, pTabWnd);

    const BOOL bTop = pTabWnd->IsTabsOnTop();
    const int nClientRight = pTabWnd->GetClientRight();
    const int nMinimum = 10 + (bIsActive ? 0 : rectTab.Height());
    if (std::min<int>(rectTab.right, nClientRight) < rectTab.left + nMinimum || rectTab.left >= rectTab.right - 10)
        return rectTab.right;
    if (!bTop)
        rectTab.OffsetRect(0, -1);

    const int a = rectTab.left;
    const int b = rectTab.top;
    const int c = rectTab.right;
    const int d = rectTab.bottom;
    const int h = d - b;
    POINT pts[8] = {{a, d},         {a + 2, d - 1}, {a + 4, d - 2}, {a + h, b + 2},
                    {a + h + 4, b}, {c - 2, b},     {c, b + 2},     {c, d}};
    BOOL bCut = FALSE;
    for (POINT& pt : pts) {
        if (pt.x > nClientRight) {
            pt.x = nClientRight;
            bCut = TRUE;
        }
        if (!bTop)
            pt.y = b + d - pt.y - 1;
    }

    COLORREF clrTab = pTabWnd->GetTabBkColor(iTab);
    if (clrTab == kWTKNoColor && bIsActive)
        clrTab = kWhite;
    COLORREF clrLight = m_clrToolBarGradientLight;
    COLORREF clrDark = m_clrToolBarGradientDark;
    if (clrTab != kWTKNoColor) {
        clrLight = ScaleColorPercent(clrTab, 150);
        clrDark = clrTab;
    }

    CRgn rgn;
    rgn.CreatePolygonRgn(pts, 8, WINDING);
    const int nSaved = pDC->SaveDC();
    pDC->SelectClipRgn(&rgn);
    {
        CWTKPaintTools tools(pDC);
        const CRect rectFill(a, bTop ? b : b + 1, c, d + 1);
        // The lighter end away from the page.
        if (bTop)
            tools.FillGradient(rectFill, clrDark, clrLight, TRUE);
        else
            tools.FillGradient(rectFill, clrLight, clrDark, TRUE);
    }
    pDC->RestoreDC(nSaved);

    const WTKGlobalData& g = WTKGetGlobalData();
    CPen penOutline(PS_SOLID, 1, g.clrBarDkShadow);
    CPen* pOldPen = pDC->SelectObject(&penOutline);
    pDC->Polyline(pts, 8);
    if (bCut) {
        pDC->MoveTo(nClientRight, b);
        pDC->LineTo(nClientRight, d);
    }
    pDC->SelectObject(pOldPen);

    if (bIsActive) {
        const int nStrip = bTop ? 3 : 2;
        CRect rectJoin = bTop ? CRect(a + 2, d - nStrip + 1, c + 1, d + 1) : CRect(a + 2, b, c + 1, b + nStrip);
        rectJoin.right = std::min<int>(rectJoin.right, nClientRight);
        pDC->FillSolidRect(rectJoin, clrTab);
    }

    CRect rectContent(a + h, b, c - kTabImageMargin, d);
    COLORREF clrPrevious = kWTKNoColor;
    const COLORREF clrText = pTabWnd->GetTabTextColor(iTab);
    if (!bIsActive && clrText != kWTKNoColor)
        clrPrevious = pDC->SetTextColor(clrText);
    OnDrawTabContent(pDC, rectContent, iTab, bIsActive, pTabWnd, kWTKNoColor);
    if (clrPrevious != kWTKNoColor)
        pDC->SetTextColor(clrPrevious);
    return clrPrevious;
}

void CWTKVisualManager2003::OnFillTabButton(CDC* pDC, CRect rect, CWTKPushButtonInfo* pButton)
{
    if (!IsHighColor() || !pButton->IsHighlighted()) {
        CWTKVisualManagerXP::OnFillTabButton(pDC, rect, pButton);
        return;
    }
    CWTKPaintTools tools(pDC);
    if (pButton->IsPushed())
        tools.FillGradient(rect, m_clrHighlightDnGradientStart, m_clrHighlightDnGradientEnd, TRUE);
    else
        tools.FillGradient(rect, m_clrHighlightGradientStart, m_clrHighlightGradientEnd, TRUE);
}

BOOL CWTKVisualManager2003::IsHighlightTabs() const
{
    return TRUE;
}

COLORREF CWTKVisualManager2003::OnFillCheckedImageBackground(CDC* pDC, CRect rect, BOOL bHighlighted)
{
    if (bHighlighted) {
        const COLORREF clr = m_clrHighlightMenuItem != kWTKNoColor ? m_clrHighlightMenuItem : m_clrHighlight;
        pDC->FillSolidRect(rect, clr);
        pDC->Draw3dRect(rect, m_clrMenuItemBorder, m_clrMenuItemBorder);
        return TextOn(clr);
    }
    // The image column's gradient is not computed at 8 bits per pixel or fewer.
    if (!IsHighColor())
        return CWTKVisualManagerXP::OnFillCheckedImageBackground(pDC, rect, bHighlighted);
    pDC->FillRect(rect, &m_brMenuLight);
    CRect rectColumn = rect;
    rectColumn.right = std::min<int>(rect.right, rect.left + kDefaultMenuImageWidth + 2 * GetMenuImageMargin());
    CWTKPaintTools tools(pDC);
    tools.FillGradient(rectColumn, m_clrToolBarGradientLight, m_clrToolBarGradientDark, FALSE);
    return WTKGetGlobalData().clrBarText;
}

void CWTKVisualManager2003::OnFillTasksPaneBackground(CDC* pDC, CRect rect)
{
    CWTKPaintTools tools(pDC);
    tools.FillGradient(rect, m_clrTaskPaneGradientDark, m_clrTaskPaneGradientLight, TRUE);
}

void CWTKVisualManager2003::OnDrawTasksGroupCaption(CDC* pDC, const CWTKTasksGroupInfo* pGroup, BOOL bIsHighlighted,
                                                    BOOL /*bIsSelected*/, BOOL bCanCollapse)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    const CRect rect = pGroup->GetCaptionRect();
    const BOOL bSpecial = pGroup->IsSpecial();

    // The top-left corner cut round, the top-right one square.
    const POINT pts[7] = {{rect.left, rect.bottom},      {rect.left, rect.top + 4}, {rect.left + 1, rect.top + 2},
                          {rect.left + 2, rect.top + 1}, {rect.left + 4, rect.top}, {rect.right, rect.top},
                          {rect.right, rect.bottom}};
    CRgn rgn;
    rgn.CreatePolygonRgn(pts, 7, WINDING);
    const int nSaved = pDC->SaveDC();
    pDC->SelectClipRgn(&rgn);
    {
        CWTKPaintTools tools(pDC);
        if (bSpecial)
            tools.FillGradient(rect, m_clrTaskPaneGroupCaptionSpecDark, m_clrTaskPaneGroupCaptionSpecLight, FALSE);
        else
            tools.FillGradient(rect, m_clrTaskPaneGroupCaptionLight, m_clrTaskPaneGroupCaptionDark, FALSE);
    }
    pDC->RestoreDC(nSaved);

    int nTextLeft = rect.left + m_nGroupCaptionHorzOffset;
    const HICON hIcon = pGroup->GetIcon();
    const CSize sizeIcon = pGroup->GetIconSize();
    if (hIcon != nullptr && sizeIcon.cx < rect.Width() - rect.Height()) {
        pDC->DrawIcon(rect.left + 1, rect.bottom - sizeIcon.cy, hIcon);
        nTextLeft = rect.left + sizeIcon.cx;
    }
    const CString strText = pGroup->GetCaptionText();
    CRect rectText(nTextLeft, rect.top + m_nGroupCaptionVertOffset,
                   std::max<int>(nTextLeft, rect.right - rect.Height()), rect.bottom);
    CFont* pOldFont = pDC->SelectObject(&WTKGetGlobalData().fontBold);
    const COLORREF clrOldText = pDC->SetTextColor(bSpecial ? m_clrTaskPaneGroupBorder : g.clrHilite);
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strText, rectText, DT_SINGLELINE);
    pDC->SetBkMode(nOldBkMode);
    pDC->SetTextColor(clrOldText);
    pDC->SelectObject(pOldFont);

    if (!bCanCollapse || strText.IsEmpty())
        return;
    const CSize sizeGlyph = GetGlyphSize();
    const int h = (rect.Height() + 1) / 2;
    const CPoint pt(std::max<int>(rect.left, rect.right - (sizeGlyph.cx + 1) / 2 - h),
                    std::max<int>(rect.top, rect.bottom - (sizeGlyph.cy + 1) / 2 - h));
    const CRect rectBox(pt, sizeGlyph);
    if (rectBox.right > rect.right || rectBox.bottom > rect.bottom)
        return;
    if (bIsHighlighted)
        pDC->Draw3dRect(rectBox, g.clrBarWindow, g.clrBarShadow);
    DrawGlyph(pDC, pGroup->IsCollapsed() ? CWTKMenuGlyphs::kArrowDown : CWTKMenuGlyphs::kArrowUp, pt);
}

void CWTKVisualManager2003::OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial)
{
    CWTKPaintTools tools(pDC);
    if (bSpecial)
        tools.FillGradient(rect, m_clrTaskPaneGroupCaptionSpecDark, m_clrTaskPaneGroupCaptionSpecLight, TRUE);
    else
        tools.FillGradient(rect, m_clrTaskPaneGroupAreaDark, m_clrTaskPaneGroupAreaLight, TRUE);
}

void CWTKVisualManager2003::OnDrawTasksGroupFrame(CDC* pDC, CRect rect, BOOL /*bSpecial*/, BOOL /*bNoTitle*/)
{
    CPen pen(PS_SOLID, 1, m_clrTaskPaneGroupBorder);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(rect.left, rect.top);
    pDC->LineTo(rect.right - 1, rect.top);
    pDC->LineTo(rect.right - 1, rect.bottom - 1);
    pDC->LineTo(rect.left, rect.bottom - 1);
    pDC->LineTo(rect.left, rect.top);
    pDC->SelectObject(pOldPen);
}

void CWTKVisualManager2003::OnDrawTask(CDC* pDC, const CWTKTaskInfo* pTask, HIMAGELIST hIcons, BOOL bIsHighlighted)
{
    WTKGlobalData& g = WTKGetGlobalData();
    const COLORREF clrHotText = g.clrHotText;
    g.clrHotText = g.clrHilite;
    CWTKVisualManagerXP::OnDrawTask(pDC, pTask, hIcons, bIsHighlighted);
    g.clrHotText = clrHotText;
}

void CWTKVisualManager2003::OnDrawScrollButton(CDC* pDC, CRect rect, int nExtraTop, int nGlyph, BOOL bHighlighted)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    CRect rectFill = rect;
    rectFill.top -= nExtraTop;
    pDC->FillRect(rectFill, &WTKGetGlobalData().brBarFace);
    if (bHighlighted) {
        COLORREF clr = g.clrBarWindow;
        if (IsHighColor())
            clr = m_clrHighlightMenuItem != kWTKNoColor ? m_clrHighlightMenuItem : m_clrHighlight;
        pDC->FillSolidRect(rect, clr);
        pDC->Draw3dRect(rect, m_clrMenuItemBorder, m_clrMenuItemBorder);
    } else {
        pDC->Draw3dRect(rect, g.clrBarShadow, g.clrBarShadow);
    }
    const CSize sizeGlyph = GetGlyphSize();
    DrawGlyph(pDC, nGlyph,
              CPoint(rect.left + (rect.Width() - sizeGlyph.cx) / 2, rect.top + (rect.Height() - sizeGlyph.cy) / 2));
}

int CWTKVisualManager2003::GetShowAllMenuItemsHeight(CDC* pDC, const CSize& sizeDefault)
{
    return CWTKVisualManagerXP::GetShowAllMenuItemsHeight(pDC, sizeDefault) + kShowAllExtraHeight;
}

void CWTKVisualManager2003::OnDrawShowAllMenuItems(CDC* pDC, CRect rect, int state)
{
    if (IsHighColor()) {
        const int nSide = rect.Height();
        const CPoint ptCenter = rect.CenterPoint();
        CRect rectRound(ptCenter.x - nSide / 2, rect.top, ptCenter.x - nSide / 2 + nSide, rect.bottom);
        rectRound.OffsetRect(0, 1);
        CWTKPaintTools tools(pDC);
        tools.DrawRoundGradient(rectRound, m_clrToolBarGradientDark, m_clrMenuLight, kWTKNoColor, kShowAllStartAngle,
                                nSide / 2 - 1, kWTKNoColor);
    }
    CWTKVisualManagerXP::OnDrawShowAllMenuItems(pDC, rect, state);
}

int CWTKVisualManager2003::GetPushButtonMargin() const
{
    return 1;
}

BOOL CWTKVisualManager2003::IsOffsetPressedButton() const
{
    return FALSE;
}
