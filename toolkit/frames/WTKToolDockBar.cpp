#include "frames/WTKToolDockBar.h"

#include "foundation/WTKVisualManager.h"

#include "bars/DialogBar.h"
#include "gdi/DC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CWTKToolDockBar, CDockBar)

BEGIN_MESSAGE_MAP(CWTKToolDockBar, CDockBar)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {
// Bars that are not the toolkit's keep the framework's overlap of their borders.
constexpr int kForeignBarOverlap = 2;
// Added to each non-zero dimension of the result (a toolkit option that is on).
constexpr int kDockBarExtra = 1;

// The menu bar's runtime class is looked up by name: it sits beside this layer, and a frame
// without a menu bar lays out the same.
BOOL IsMenuBar(const CControlBar* pBar)
{
    for (CRuntimeClass* pClass = pBar->GetRuntimeClass(); pClass; pClass = pClass->m_pBaseClass) {
        if (lstrcmpA(pClass->m_lpszClassName, "CWTKMenuBar") == 0)
            return TRUE;
    }
    return FALSE;
}

// Toolbars, sizing bars and dialog bars sit edge to edge.
BOOL IsToolkitBar(CControlBar* pBar)
{
    if (dynamic_cast<CWTKBarInfo*>(pBar) != nullptr || pBar->IsKindOf(RUNTIME_CLASS(CDialogBar)))
        return TRUE;
    return FALSE;
}
}  // namespace

CSize CWTKToolDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const BOOL bRowsHorz = m_bFloating ? (m_dwStyle & CBRS_ORIENT_HORZ) != 0 : bHorz;
    CRect rectLayout = m_rectLayout;
    if (rectLayout.IsRectEmpty() && GetParent())
        GetParent()->GetClientRect(&rectLayout);
    const int nLength = m_bFloating ? 32767 : std::max<int>(0, bRowsHorz ? rectLayout.Width() : rectLayout.Height());
    HDWP hDWP = m_bLayoutQuery ? nullptr : ::BeginDeferWindowPos(static_cast<int>(m_arrBars.GetSize()));
    int nRowTop = 0;
    int nMaxAlong = 0;
    for (int nRowStart = 0; nRowStart < m_arrBars.GetUpperBound();) {
        const int nRowEnd = GetRowEnd(nRowStart);
        int nNext = 0;
        int nThickness = 0;
        BOOL bRowHasBar = FALSE;
        for (int i = nRowStart + 1; i < nRowEnd; ++i) {
            auto* pBar = static_cast<CControlBar*>(m_arrBars[i]);
            if (!pBar->IsVisible())
                continue;
            DWORD dwMode = 0;
            if (m_bFloating)
                dwMode = LM_HORZ | LM_MRUWIDTH;
            else if (bRowsHorz)
                dwMode = LM_HORZ | LM_HORZDOCK;
            else
                dwMode = LM_VERTDOCK;
            const BOOL bMenuBar = !m_bFloating && IsMenuBar(pBar);
            CSize size = pBar->CalcDynamicLayout(bMenuBar ? nLength : -1, dwMode);
            if (bMenuBar) {
                if (bRowsHorz)
                    size.cx = std::max<int>(size.cx, nLength);
                else
                    size.cy = std::max<int>(size.cy, nLength);
            }
            const int nSizeAlong = bRowsHorz ? size.cx : size.cy;
            CRect rectOld;
            pBar->GetWindowRect(&rectOld);
            ScreenToClient(&rectOld);
            int nAlong = m_bFloating ? nNext : std::max<int>(bRowsHorz ? rectOld.left : rectOld.top, nNext);
            BOOL bMovedBack = FALSE;
            if (!m_bFloating && nAlong + nSizeAlong > nLength) {
                nAlong = std::max<int>(0, nLength - nSizeAlong);
                bMovedBack = TRUE;
            }
            const int nOverlap = IsToolkitBar(pBar) ? 0 : kForeignBarOverlap;
            // A bar pushed back over its neighbours, or a menu bar that did not fit, opens a
            // row of its own; the array records the break, so the next layout keeps it.
            if (!m_bFloating && bRowHasBar && (nAlong < nNext - nOverlap || (bMenuBar && bMovedBack)) &&
                m_arrBars[i - 1] != nullptr) {
                m_arrBars.InsertAt(i, static_cast<void*>(nullptr));
                // The new row starts at the dock bar's start, not where the bar was pushed to.
                pBar->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
                break;
            }
            CRect rect = bRowsHorz ? CRect(CPoint(nAlong, nRowTop), size) : CRect(CPoint(nRowTop, nAlong), size);
            if (hDWP && rect != rectOld)
                hDWP = ::DeferWindowPos(hDWP, pBar->m_hWnd, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                        SWP_NOZORDER | SWP_NOACTIVATE);
            nNext = nAlong + nSizeAlong - nOverlap;
            nThickness = std::max<int>(nThickness, bRowsHorz ? size.cy : size.cx);
            nMaxAlong = std::max<int>(nMaxAlong, nAlong + nSizeAlong);
            bRowHasBar = TRUE;
        }
        nRowTop += nThickness;
        nRowStart = GetRowEnd(nRowStart);
    }
    if (hDWP)
        ::EndDeferWindowPos(hDWP);
    CSize size = bRowsHorz ? CSize(nMaxAlong, nRowTop) : CSize(nRowTop, nMaxAlong);
    if (bStretch && !m_bFloating) {
        if (bRowsHorz)
            size.cx = 32767;
        else
            size.cy = 32767;
    }
    // The borders and one pixel, on every dimension that is there at all.
    CRect rectBorders(0, 0, 0, 0);
    CalcInsideRect(rectBorders, bRowsHorz);
    if (size.cx != 0 && size.cx != 32767)
        size.cx += -rectBorders.Width() + kDockBarExtra;
    if (size.cy != 0 && size.cy != 32767)
        size.cy += -rectBorders.Height() + kDockBarExtra;
    return size;
}

void CWTKToolDockBar::DoPaint(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    if (CWTKVisualManager* pLook = CWTKVisualManager::GetInstance())
        pLook->OnFillBarBackground(pDC, this, rectClient, rectClient);
}

BOOL CWTKToolDockBar::OnEraseBkgnd(CDC* pDC)
{
    DoPaint(pDC);
    return TRUE;
}
