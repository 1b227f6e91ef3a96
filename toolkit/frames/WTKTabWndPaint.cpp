// CWTKTabWnd: painting.
#include "frames/WTKTabWnd.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"

#include "gdi/DC.h"
#include "win/PaintDC.h"

#include <algorithm>

namespace {

// Width of the insertion marker drawn while a tab is moved.
constexpr int kTabDotWidth = 7;

}  // namespace

void CWTKTabWnd::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

LRESULT CWTKTabWnd::OnPrintClient(WPARAM wParam, LPARAM /*lParam*/)
{
    CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
    if (pDC != nullptr)
        DoPaint(pDC);
    return 0;
}

BOOL CWTKTabWnd::OnEraseBkgnd(CDC* pDC)
{
    if (m_iTabsNum == 0) {
        CRect rectClient;
        GetClientRect(rectClient);
        pDC->FillRect(rectClient, &WTKGetGlobalData().brBtnFace);
    }
    return TRUE;
}

void CWTKTabWnd::DoPaint(CDC* pDC)
{
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    const WTKGlobalData& g = WTKGetGlobalData();

    COLORREF clrDark = 0;
    COLORREF clrBlack = 0;
    COLORREF clrHighlight = 0;
    COLORREF clrFace = 0;
    COLORREF clrDarkShadow = 0;
    COLORREF clrLight = 0;
    HBRUSH hbrFace = nullptr;
    HBRUSH hbrBlack = nullptr;
    pLook->GetTabFrameColors(this, clrDark, clrBlack, clrHighlight, clrFace, clrDarkShadow, clrLight, hbrFace,
                             hbrBlack);
    CBrush* pbrFace = CBrush::FromHandle(hbrFace);

    CRect rectClient;
    GetClientRect(rectClient);
    const int nSaved = pDC->SaveDC();

    // The client area outside the window area: the tab windows paint that one.
    if (m_iTabsNum > 0 && !m_rectWndArea.IsRectEmpty())
        pDC->ExcludeClipRect(m_rectWndArea);
    if (!pLook->OnEraseTabsFrame(pDC, rectClient, this))
        pDC->FillRect(rectClient, pbrFace);
    if (m_rectTabsArea.Height() > 0)
        pLook->OnEraseTabsArea(pDC, m_rectTabsArea, this);

    // The border round the window area.
    if (m_nTabBorderSize > 0) {
        CRect rectBorder = m_rectWndArea;
        rectBorder.InflateRect(1, 1);
        if (m_bFlat) {
            CBrush brDark;
            brDark.CreateSolidBrush(clrDark);
            pDC->FrameRect(rectBorder, &brDark);
        } else {
            pDC->Draw3dRect(rectBorder, clrDark, clrHighlight);
            for (int i = 1; i < m_nTabBorderSize; ++i) {
                rectBorder.InflateRect(1, 1);
                pDC->Draw3dRect(rectBorder, clrFace, clrFace);
            }
        }
    }
    if (m_bFlat && m_rectTabsArea.Height() > 0) {
        CPen penDark(PS_SOLID, 1, clrDark);
        CPen* pOldPen = pDC->SelectObject(&penDark);
        const int y = m_location == kLocationBottom ? m_rectTabsArea.top : m_rectTabsArea.bottom - 1;
        pDC->MoveTo(m_rectTabsArea.left, y);
        pDC->LineTo(m_rectTabsArea.right, y);
        pDC->SelectObject(pOldPen);
    }
    if (m_bDrawFrame) {
        CPen penDark(PS_SOLID, 1, clrDark);
        CPen* pOldPen = pDC->SelectObject(&penDark);
        pDC->MoveTo(rectClient.left, rectClient.top);
        pDC->LineTo(rectClient.right, rectClient.top);
        pDC->SelectObject(pOldPen);
    }

    if (m_iTabsNum > 0 && m_rectTabsArea.Height() > 0) {
        CFont* pOldFont =
            m_bFlat ? pDC->SelectObject(&m_fntTabs) : pDC->SelectObject(const_cast<CFont*>(&g.fontRegular));
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(clrBlack);

        CRect rectClip = m_rectTabStrip;
        rectClip.InflateRect(1, m_nTabBorderSize);
        const int nSavedClip = pDC->SaveDC();
        pDC->IntersectClipRect(rectClip);

        CPen penOutline(PS_SOLID, 1, clrBlack);
        CPen* pOldPen = pDC->SelectObject(&penOutline);
        CBrush* pOldBrush = m_bFlat ? pDC->SelectObject(const_cast<CBrush*>(&g.brWindow)) : nullptr;

        for (int i = m_iTabsNum - 1; i >= 0; --i) {
            if (!m_arTabs[i]->m_bVisible || i == m_iActiveTab)
                continue;
            if (m_bFlat)
                DrawFlatTab(pDC, i, FALSE);
            else
                Draw3DTab(m_arTabs[i]->m_rect, pDC, i, FALSE);
        }

        if (m_bTabMoving && m_iTabDragTarget >= 0) {
            CRect rectTarget;
            if (m_iTabDragTarget < m_iTabsNum) {
                rectTarget = m_arTabs[m_iTabDragTarget]->m_rect;
            } else {
                for (int i = m_iTabsNum - 1; i >= 0; --i) {
                    if (m_arTabs[i]->m_bVisible) {
                        rectTarget = m_arTabs[i]->m_rect;
                        rectTarget.left = rectTarget.right;
                        break;
                    }
                }
            }
            DrawTabDot(pDC, rectTarget, kTabDotWidth);
        }

        if (m_iActiveTab >= 0 && m_arTabs[m_iActiveTab]->m_bVisible) {
            if (m_bFlat) {
                pDC->SelectObject(&m_brActiveTab);
                pDC->SelectObject(&m_fntTabsBold);
                pDC->SetTextColor(m_clrActiveTabFg == static_cast<COLORREF>(-1) ? clrBlack : m_clrActiveTabFg);
                DrawFlatTab(pDC, m_iActiveTab, TRUE);

                // Joins the active tab to the window area: its edge there becomes the face.
                const CRect rect = FlatTabOutlineRect(m_iActiveTab);
                LOGBRUSH lb {};
                m_brActiveTab.GetLogBrush(&lb);
                CPen penFace(PS_SOLID, 1, lb.lbColor);
                pDC->SelectObject(&penFace);
                const int y = m_location == kLocationBottom ? rect.top : rect.bottom;
                pDC->MoveTo(rect.left + 1, y);
                pDC->LineTo(rect.right, y);
                pDC->SelectObject(&penOutline);
            } else {
                Draw3DTab(m_arTabs[m_iActiveTab]->m_rect, pDC, m_iActiveTab, TRUE);
            }
        }

        if (pOldBrush != nullptr)
            pDC->SelectObject(pOldBrush);
        pDC->SelectObject(pOldPen);
        pDC->RestoreDC(nSavedClip);

        if (m_bFlat && m_nTabsHorzOffset > 0) {
            CPen penDark(PS_SOLID, 1, clrDark);
            CPen* pOld = pDC->SelectObject(&penDark);
            pDC->MoveTo(m_rectTabStrip.left, m_rectTabsArea.top);
            pDC->LineTo(m_rectTabStrip.left, m_rectTabsArea.bottom);
            pDC->SelectObject(pOld);
        }
        if (pOldFont != nullptr)
            pDC->SelectObject(pOldFont);
    }

    if (m_bSharedScroll && !m_rectTabSplitter.IsRectEmpty()) {
        pDC->FillRect(m_rectTabSplitter, pbrFace);
        CRect rectSplitter = m_rectTabSplitter;
        pDC->Draw3dRect(rectSplitter, clrFace, clrDarkShadow);
        rectSplitter.DeflateRect(1, 1);
        pDC->Draw3dRect(rectSplitter, clrHighlight, clrDark);
    }

    pDC->RestoreDC(nSaved);
}

void CWTKTabWnd::Draw3DTab(CRect rectTab, CDC* pDC, int iTab, BOOL bIsActive)
{
    if (iTab < 0 || iTab >= m_iTabsNum || !m_arTabs[iTab]->m_bVisible)
        return;
    if (m_bIsSlanted && rectTab.left < m_rectTabStrip.left)
        return;
    // The look draws a raised tab's outer edge on its bottom line: below the windows that line
    // must lie inside the tab area, or the client edge cuts it off.
    if (!m_bIsSlanted && m_location == kLocationBottom)
        rectTab.bottom = std::min<int>(rectTab.bottom, m_rectTabsArea.bottom - 1);
    CWTKVisualManager::GetInstance()->OnDrawTab(pDC, rectTab, iTab, bIsActive, this);
}

void CWTKTabWnd::DrawFlatTab(CDC* pDC, int iTab, BOOL bIsActive)
{
    if (iTab < 0 || iTab >= m_iTabsNum || !m_arTabs[iTab]->m_bVisible)
        return;
    CWTKVisualManager::GetInstance()->OnDrawTab(pDC, FlatTabOutlineRect(iTab), iTab, bIsActive, this);
}

CRect CWTKTabWnd::FlatTabOutlineRect(int iTab) const
{
    // A flat tab's edge next to the windows is the tab area's dark line, on the tab area's last
    // row above the windows: the look draws that edge on the bottom line of what it gets.
    CRect rect = m_arTabs[iTab]->m_rect;
    if (m_location != kLocationBottom)
        rect.bottom = std::min<int>(rect.bottom, m_rectTabsArea.bottom - 1);
    return rect;
}

void CWTKTabWnd::DrawTabDot(CDC* pDC, const CRect& rectTab, int nWidth)
{
    if (!m_bFlat)
        return;
    const int nHalf = nWidth / 2;
    POINT pts[3];
    if (m_location == kLocationBottom) {
        pts[0] = {rectTab.left - nHalf, m_rectTabsArea.top};
        pts[1] = {rectTab.left + nHalf, m_rectTabsArea.top};
        pts[2] = {rectTab.left, m_rectTabsArea.top + nHalf};
    } else {
        pts[0] = {rectTab.left - nHalf, m_rectTabsArea.bottom - 1};
        pts[1] = {rectTab.left + nHalf, m_rectTabsArea.bottom - 1};
        pts[2] = {rectTab.left, m_rectTabsArea.bottom - 1 - nHalf};
    }
    CGdiObject* pOldBrush = pDC->SelectStockObject(BLACK_BRUSH);
    pDC->Polygon(pts, 3);
    if (pOldBrush != nullptr)
        pDC->SelectObject(pOldBrush->GetSafeHandle());
}

void CWTKTabWnd::InvalidateTab(int iTab)
{
    if (iTab < 0 || iTab >= m_iTabsNum || m_hWnd == nullptr)
        return;
    CRect rect = m_arTabs[iTab]->m_rect;
    rect.InflateRect(1, 1);
    InvalidateRect(rect);
    UpdateWindow();
}
