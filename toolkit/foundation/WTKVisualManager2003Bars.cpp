// Drawing of the Office 2003 look: bar backgrounds, rounded toolbars, grippers, separators and
// highlighted areas.
#include "foundation/WTKVisualManager2003.h"

#include "foundation/WTKBarInfo.h"
#include "foundation/WTKBarLookInfo.h"
#include "foundation/WTKButtonLookInfo.h"
#include "foundation/WTKCaptionBarInfo.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKMenuLookInfo.h"
#include "foundation/WTKPaintTools.h"
#include "foundation/WTKPopupMenuInfo.h"
#include "foundation/WTKToolBarInfo.h"
#include "foundation/WTKToolbarButtonInfo.h"

#include <algorithm>

namespace {

// CBRS_ALIGN_* bits: a bar docked at the top or bottom lies horizontally, at the left or right
// vertically.
constexpr DWORD kAlignHorz = 0xA000;
constexpr DWORD kAlignVert = 0x5000;

// The gripper's dots lie in a strip this wide, this far in along the bar, this far apart.
constexpr int kDotStrip = 4;
constexpr int kDotInset = 2;
constexpr int kDotPitch = 4;
constexpr int kDotSize = 2;

// The monitor's work or full rectangle around a point of the screen.
CRect MonitorRect(const CPoint& pt)
{
    MONITORINFO info {};
    info.cbSize = sizeof(info);
    HMONITOR hMonitor = ::MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST);
    if (hMonitor != nullptr && ::GetMonitorInfo(hMonitor, &info))
        return CRect(info.rcMonitor);
    RECT rectWork {};
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rectWork, 0);
    return CRect(rectWork);
}

}  // namespace

void CWTKVisualManager2003::OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush,
                                                  const CWTKToolbarButtonInfo* pButton)
{
    if (!m_bIsLuna || !IsHighColor()) {
        CWTKVisualManagerXP::OnFillHighlightedArea(pDC, rect, pBrush, pButton);
        return;
    }
    const BOOL bInMenu = CWTKBarLookInfo::IsInPopupMenu(pButton);
    const auto* pButtonInfo = dynamic_cast<const CWTKButtonLookInfo*>(pButton);
    COLORREF clrStart = kWTKNoColor;
    COLORREF clrEnd = kWTKNoColor;
    if (pBrush == &m_brHighlight) {
        if (bInMenu && m_clrHighlightMenuItem != kWTKNoColor) {
            pDC->FillSolidRect(rect, m_clrHighlightMenuItem);
            return;
        }
        clrStart = m_clrHighlightGradientStart;
        clrEnd = bInMenu ? clrStart : m_clrHighlightGradientEnd;
    } else if (pBrush == &m_brHighlightDn) {
        clrEnd = m_clrHighlightDnGradientEnd;
        clrStart = bInMenu ? clrEnd : m_clrHighlightDnGradientStart;
    } else if (pBrush == &m_brHighlightChecked) {
        clrEnd = m_clrHighlightCheckedGradientEnd;
        clrStart = bInMenu ? clrEnd : m_clrHighlightCheckedGradientStart;
    } else if (pButtonInfo != nullptr && pButtonInfo->IsMenuOpenOnBar()) {
        clrStart = m_clrToolBarGradientDark;
        clrEnd = m_clrToolBarGradientLight;
    } else {
        pDC->FillRect(rect, pBrush);
        return;
    }
    const BOOL bVertical = pButtonInfo != nullptr ? pButtonInfo->IsHorizontalLayout() : TRUE;
    CWTKPaintTools tools(pDC);
    tools.FillGradient(rect, clrStart, clrEnd, bVertical);
}

void CWTKVisualManager2003::OnFillBarBackground(CDC* pDC, const CWTKBarInfo* pBar, CRect rectClient, CRect rectClip,
                                                BOOL bNCArea)
{
    const CWTKBarLookInfo::Kind kind = CWTKBarLookInfo::KindOf(pBar);
    if (kind == CWTKBarLookInfo::kindStatusBar) {
        pDC->FillRect(rectClip.IsRectEmpty() ? rectClient : rectClip, &WTKGetGlobalData().brBtnFace);
        return;
    }
    // The gradients are not computed at 8 bits per pixel or fewer.
    if (!IsHighColor()) {
        CWTKVisualManagerXP::OnFillBarBackground(pDC, pBar, rectClient, rectClip, bNCArea);
        return;
    }
    CWTKPaintTools tools(pDC);
    if (dynamic_cast<const CWTKCaptionBarInfo*>(pBar) != nullptr) {
        tools.FillGradient(rectClient, m_clrCaptionBarGradientDark, m_clrCaptionBarGradientLight, TRUE);
        return;
    }
    if (kind == CWTKBarLookInfo::kindPopupMenuBar) {
        pDC->FillRect(rectClip.IsRectEmpty() ? rectClient : rectClip, &m_brMenuLight);
        CRect rectImages = rectClient;
        rectImages.right = rectImages.left + GetMenuImageColumnWidth(pBar);
        tools.FillGradient(rectImages, m_clrToolBarGradientLight, m_clrToolBarGradientDark, FALSE);
        return;
    }
    const DWORD dwStyle = pBar->GetBarStyle();
    const BOOL bToolBar = kind == CWTKBarLookInfo::kindToolBar || kind == CWTKBarLookInfo::kindColorBar;
    if (bToolBar) {
        const BOOL bFloating = CWTKBarLookInfo::Of(pBar)->IsFloating();
        if (bNCArea && !bFloating) {
            FillDockedToolBar(pDC, pBar, rectClient);
            return;
        }
        if ((dwStyle & kAlignVert) != 0 && (dwStyle & kAlignHorz) == 0)
            tools.FillGradient(rectClient, m_clrToolBarGradientVertLight, m_clrToolBarGradientVertDark, FALSE);
        else
            tools.FillGradient(rectClient, m_clrToolBarGradientDark, m_clrToolBarGradientLight, TRUE);
        return;
    }
    const BOOL bHorz =
        (dwStyle & kAlignHorz) != 0 || ((dwStyle & kAlignVert) == 0 && rectClient.Width() >= rectClient.Height());
    FillDockArea(pDC, pBar, rectClient, bHorz);
}

void CWTKVisualManager2003::FillDockArea(CDC* pDC, const CWTKBarInfo* pBar, CRect rectClient, BOOL bHorz)
{
    // The dock area is one gradient up to the monitor's edge, so bars side by side continue it.
    CRect rectGradient = rectClient;
    const CWTKBarLookInfo* pInfo = CWTKBarLookInfo::Of(pBar);
    CRect rectScreen = pInfo != nullptr ? pInfo->GetWindowRectScreen() : CRect();
    if (!rectScreen.IsRectEmpty()) {
        const CRect rectMonitor = MonitorRect(rectScreen.TopLeft());
        if (bHorz)
            rectGradient.right =
                std::max<int>(rectGradient.right, rectClient.left + rectMonitor.right - rectScreen.left);
        else
            rectGradient.bottom =
                std::max<int>(rectGradient.bottom, rectClient.top + rectMonitor.bottom - rectScreen.top);
    }
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rectClient);
    CWTKPaintTools tools(pDC);
    tools.FillGradient(rectGradient, m_clrBarGradientDark, m_clrBarGradientLight, !bHorz);
    pDC->RestoreDC(nSaved);
}

void CWTKVisualManager2003::FillDockedToolBar(CDC* pDC, const CWTKBarInfo* pBar, CRect rect)
{
    const CWTKBarLookInfo* pInfo = CWTKBarLookInfo::Of(pBar);
    const DWORD dwStyle = pBar->GetBarStyle();
    const BOOL bHorz = (dwStyle & kAlignVert) == 0 || (dwStyle & kAlignHorz) != 0;

    // The dock bar behind, seen through the rounded ends: painted as the dock bar paints itself.
    const CRect rectDock = pInfo->GetDockRectScreen();
    const CRect rectSelf = pInfo->GetWindowRectScreen();
    if (!rectDock.IsRectEmpty() && !rectSelf.IsRectEmpty()) {
        CRect rectBehind = rectDock;
        rectBehind.OffsetRect(rect.left - rectSelf.left, rect.top - rectSelf.top);
        const int nSaved = pDC->SaveDC();
        pDC->IntersectClipRect(rect);
        CWTKPaintTools tools(pDC);
        tools.FillGradient(rectBehind, m_clrBarGradientDark, m_clrBarGradientLight, !bHorz);
        pDC->RestoreDC(nSaved);
    } else {
        FillDockArea(pDC, nullptr, rect, bHorz);
    }

    const COLORREF clrStart = bHorz ? m_clrToolBarGradientDark : m_clrToolBarGradientVertLight;
    const COLORREF clrEnd = bHorz ? m_clrToolBarGradientLight : m_clrToolBarGradientVertDark;
    CWTKPaintTools tools(pDC);
    if (bHorz) {
        tools.FillGradient(CRect(rect.left + 1, rect.top, rect.right - 1, rect.bottom), clrStart, clrEnd, TRUE);
        tools.FillGradient(CRect(rect.left, rect.top + 1, rect.left + 1, rect.bottom - 1), clrStart, clrEnd, TRUE);
        tools.FillGradient(CRect(rect.right - 1, rect.top + 1, rect.right, rect.bottom - 1), clrStart, clrEnd, TRUE);
        pDC->FillSolidRect(rect.left + 2, rect.bottom - 1, rect.Width() - 3, 1, m_clrToolBarBottomLine);
        tools.FillGradient(CRect(rect.right - 1, rect.top + 2, rect.right, rect.bottom - 2), m_clrToolBarBottomLine,
                           m_clrToolBarGradientDark, TRUE);
    } else {
        tools.FillGradient(CRect(rect.left, rect.top + 1, rect.right, rect.bottom - 1), clrStart, clrEnd, FALSE);
        tools.FillGradient(CRect(rect.left + 1, rect.top, rect.right - 1, rect.top + 1), clrStart, clrEnd, FALSE);
        tools.FillGradient(CRect(rect.left + 1, rect.bottom - 1, rect.right - 1, rect.bottom), clrStart, clrEnd, FALSE);
        pDC->FillSolidRect(rect.right - 1, rect.top + 2, 1, rect.Height() - 3, m_clrToolBarBottomLine);
        tools.FillGradient(CRect(rect.left + 2, rect.bottom - 1, rect.right - 2, rect.bottom), m_clrToolBarBottomLine,
                           m_clrToolBarGradientDark, FALSE);
    }
    pDC->SetPixel(rect.left + 1, rect.top, m_clrToolBarCornerDark);
    pDC->SetPixel(rect.left, rect.top + 1, m_clrToolBarCornerDark);
    pDC->SetPixel(rect.right - 2, rect.top, m_clrToolBarCornerDark);
    pDC->SetPixel(rect.right - 1, rect.top + 1, m_clrToolBarCornerDark);
    pDC->SetPixel(rect.left + 1, rect.bottom - 2, m_clrToolBarCornerLight);
    pDC->SetPixel(rect.right - 2, rect.bottom - 2, m_clrToolBarCornerLight);

    CRect rectCustomize = pInfo->GetCustomizeButtonRect();
    if (!rectCustomize.IsRectEmpty()) {
        // Stretched to the bar's far edge.
        if (bHorz)
            rectCustomize.right = rect.right;
        else
            rectCustomize.bottom = rect.bottom;
        OnFillCustomizeButton(pDC, rectCustomize, bHorz, kButtonStateNormal, FALSE, FALSE);
    }
}

void CWTKVisualManager2003::OnDrawBarBorder(CDC* pDC, const CWTKBarInfo* pBar, CRect& rect)
{
    if (IsHighColor())
        return;
    CWTKVisualManagerXP::OnDrawBarBorder(pDC, pBar, rect);
}

void CWTKVisualManager2003::OnDrawMenuBorder(CDC* pDC, const CWTKPopupMenuInfo* pMenu, CRect rect)
{
    const auto* pInfo = dynamic_cast<const CWTKMenuLookInfo*>(pMenu);
    const BOOL bConnect = m_bConnectMenuToParent;
    if (pInfo != nullptr && pInfo->IsFromCustomizeButton())
        m_bConnectMenuToParent = FALSE;
    CWTKVisualManagerXP::OnDrawMenuBorder(pDC, pMenu, rect);
    m_bConnectMenuToParent = bConnect;
}

CRect CWTKVisualManager2003::ShortenAlongBar(const CWTKBarInfo* pBar, CRect rect, BOOL bHorz) const
{
    const CWTKBarLookInfo* pInfo = CWTKBarLookInfo::Of(pBar);
    if (pInfo == nullptr)
        return rect;
    const CSize sizeButton = pInfo->GetButtonSize();
    const int nButton = bHorz ? sizeButton.cy : sizeButton.cx;
    const int nShorten = std::max(0, (pInfo->GetRowExtent() - nButton) / 2);
    if (bHorz)
        rect.DeflateRect(0, nShorten);
    else
        rect.DeflateRect(nShorten, 0);
    return rect;
}

void CWTKVisualManager2003::DrawGripperDots(CDC* pDC, const CRect& rectStrip, BOOL bHorz)
{
    const int nLength = bHorz ? rectStrip.Height() : rectStrip.Width();
    const int nDots = (nLength - kDotStrip) / kDotPitch;
    const int nFirst = ((nLength - kDotStrip) % kDotPitch + kDotStrip) / 2;
    const COLORREF clrHilite = WTKGetGlobalData().clrBtnHilite;
    for (int i = 0; i < nDots; ++i) {
        const int nAlong = nFirst + i * kDotPitch;
        const CPoint pt =
            bHorz ? CPoint(rectStrip.left, rectStrip.top + nAlong) : CPoint(rectStrip.left + nAlong, rectStrip.top);
        pDC->FillSolidRect(pt.x + 1, pt.y + 1, kDotSize, kDotSize, clrHilite);
        pDC->FillSolidRect(pt.x, pt.y, kDotSize, kDotSize, m_clrGripperDots);
    }
}

void CWTKVisualManager2003::OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz, const CWTKBarInfo* pBar)
{
    if (!IsHighColor()) {
        CWTKVisualManagerXP::OnDrawBarGripper(pDC, rectGripper, bHorz, pBar);
        return;
    }
    const CWTKBarLookInfo::Kind kind = CWTKBarLookInfo::KindOf(pBar);
    const BOOL bToolBar = pBar != nullptr &&
        (kind == CWTKBarLookInfo::kindToolBar || kind == CWTKBarLookInfo::kindMenuBar ||
         kind == CWTKBarLookInfo::kindColorBar);
    CRect rectStrip = rectGripper;
    if (bToolBar) {
        if (bHorz) {
            rectStrip.left = rectGripper.right - kDotStrip;
            rectStrip.top += kDotInset;
        } else {
            rectStrip.top = rectGripper.bottom - kDotStrip;
            rectStrip.left += kDotInset;
        }
        rectStrip = ShortenAlongBar(pBar, rectStrip, bHorz);
    } else if (bHorz) {
        rectStrip.left = rectGripper.CenterPoint().x - kDotStrip / 2;
        rectStrip.right = rectStrip.left + kDotStrip;
    } else {
        rectStrip.top = rectGripper.CenterPoint().y - kDotStrip / 2;
        rectStrip.bottom = rectStrip.top + kDotStrip;
    }
    DrawGripperDots(pDC, rectStrip, bHorz);
}

void CWTKVisualManager2003::OnDrawSeparator(CDC* pDC, const CWTKBarInfo* pBar, CRect rect, BOOL bHorz)
{
    if (!IsHighColor() || CWTKBarLookInfo::KindOf(pBar) == CWTKBarLookInfo::kindPopupMenuBar) {
        CWTKVisualManagerXP::OnDrawSeparator(pDC, pBar, rect, bHorz);
        return;
    }
    rect = ShortenAlongBar(pBar, rect, bHorz);
    CPen* pOldPen = pDC->SelectObject(&m_penSeparator);
    if (bHorz) {
        const int x = rect.left + rect.Width() / 2;
        pDC->MoveTo(x - 1, rect.top);
        pDC->LineTo(x - 1, rect.bottom - 1);
        pDC->SelectObject(&m_penSeparatorLight);
        pDC->MoveTo(x, rect.top + 1);
        pDC->LineTo(x, rect.bottom);
    } else {
        const int y = rect.top + rect.Height() / 2;
        pDC->MoveTo(rect.left, y - 1);
        pDC->LineTo(rect.right - 1, y - 1);
        pDC->SelectObject(&m_penSeparatorLight);
        pDC->MoveTo(rect.left + 1, y);
        pDC->LineTo(rect.right, y);
    }
    pDC->SelectObject(pOldPen);
}

void CWTKVisualManager2003::OnFillCustomizeButton(CDC* pDC, CRect rect, BOOL bIsHorz, int state, BOOL bHasHiddenButtons,
                                                  BOOL bHasMenu)
{
    if (!IsHighColor()) {
        // Without gradients, an Office XP button.
        if (state == kButtonStatePushed || state == kButtonStateHighlighted) {
            pDC->FillRect(rect, state == kButtonStatePushed ? &m_brHighlightDn : &m_brHighlight);
            pDC->Draw3dRect(rect, m_clrMenuItemBorder, m_clrMenuItemBorder);
        }
    } else {
        const BOOL bHot = state == kButtonStatePushed || state == kButtonStateHighlighted;
        const COLORREF clrLight = bHot ? m_clrHighlightGradientEnd : m_clrToolBarLight;
        CWTKPaintTools tools(pDC);
        if (bHot)
            tools.FillGradient(rect, m_clrHighlightGradientStart, m_clrHighlightGradientEnd, bIsHorz);
        else
            tools.FillGradient(rect, m_clrToolBarDark, m_clrToolBarLight, bIsHorz);
        // A dark and a light line along the inner edge, their corners cut round.
        if (bIsHorz) {
            pDC->FillSolidRect(rect.left, rect.top + 1, 1, rect.Height() - 2, m_clrToolBarDark);
            pDC->FillSolidRect(rect.left + 1, rect.top + 1, 1, rect.Height() - 2, clrLight);
        } else {
            pDC->FillSolidRect(rect.left + 1, rect.top, rect.Width() - 2, 1, m_clrToolBarDark);
            pDC->FillSolidRect(rect.left + 1, rect.top + 1, rect.Width() - 2, 1, clrLight);
        }
    }
    const CSize sizeGlyph = GetGlyphSize();
    const int nArrow = bIsHorz ? CWTKMenuGlyphs::kCustomizeArrowHorz : CWTKMenuGlyphs::kCustomizeArrowVert;
    const CPoint ptArrow = bIsHorz
        ? CPoint(rect.left + (rect.Width() - sizeGlyph.cx) / 2, rect.bottom - sizeGlyph.cy - 2)
        : CPoint(rect.right - sizeGlyph.cx - 2, rect.top + (rect.Height() - sizeGlyph.cy) / 2);
    // The glyphs only when asked: the customise button draws its own over this fill.
    if (bHasMenu)
        DrawGlyph(pDC, nArrow, ptArrow);
    if (bHasHiddenButtons) {
        const int nChevron = bIsHorz ? CWTKMenuGlyphs::kChevronHorz : CWTKMenuGlyphs::kChevronVert;
        const CPoint ptChevron = bIsHorz ? CPoint(ptArrow.x, rect.top + 2) : CPoint(rect.left + 2, ptArrow.y);
        DrawGlyph(pDC, nChevron, ptChevron);
    }
}
