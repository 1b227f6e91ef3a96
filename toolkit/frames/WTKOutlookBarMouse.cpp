// CWTKOutlookBar: resize tracking, cursors, the caption style and the context menu.
#include "frames/WTKOutlookBar.h"

#include "frames/WTKButton.h"
#include "frames/WTKOutlookBarPageButton.h"

#include "docview/FrameWnd.h"
#include "gdi/DC.h"
#include "gdi/GdiObject.h"
#include "win/WindowDC.h"

#include <algorithm>

namespace {
constexpr DWORD kStyleTrackAfter = 0x8200;        // horizontal: the bar lies below the strip
constexpr DWORD kStyleTrackNear = 0x1400;         // vertical: the strip is at the right
constexpr DWORD kStyleSizeFromPosition = 0x3C00;  // docked left or top, or bordered right or bottom
constexpr DWORD kStyleSizeFromFarEdge = 0x4100;
constexpr int kTrackingBarThickness = 3;
constexpr int kTrackingBarInset = 2;
constexpr WORD kHalftonePattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
}  // namespace

BOOL CWTKOutlookBar::IsPointOnResizeStrip(CPoint point) const
{
    return m_bResizable && m_rectResize.PtInRect(point);
}

LRESULT CWTKOutlookBar::OnStyleChanging(WPARAM wParam, LPARAM lParam)
{
    auto* pStyle = reinterpret_cast<LPSTYLESTRUCT>(lParam);
    if (wParam == static_cast<WPARAM>(GWL_STYLE) && pStyle != nullptr) {
        // The bar draws a caption strip of its own instead of the window's caption.
        m_bHasCaption = (pStyle->styleNew & WS_CAPTION) == WS_CAPTION;
        pStyle->styleNew &= ~WS_CAPTION;
        if (::IsWindow(GetSafeHwnd()))
            PostMessage(WM_SIZE, 0, 0);
    }
    return Default();
}

BOOL CWTKOutlookBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (m_bTracking || IsPointOnResizeStrip(point)) {
        HCURSOR hCursor = IsHorizontalBar() ? m_hcurStretchVert : m_hcurStretch;
        if (hCursor != nullptr) {
            ::SetCursor(hCursor);
            return TRUE;
        }
    }
    return CWTKToolBar::OnSetCursor(pWnd, nHitTest, message);
}

void CWTKOutlookBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsPointOnResizeStrip(point)) {
        StartTracking(point);
        return;
    }
    CWTKToolBar::OnLButtonDown(nFlags, point);
}

void CWTKOutlookBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTracking) {
        MoveTracking(point);
        return;
    }
    CWTKToolBar::OnMouseMove(nFlags, point);
}

void CWTKOutlookBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTracking) {
        MoveTracking(point);
        StopTracking(TRUE);
        return;
    }
    CWTKToolBar::OnLButtonUp(nFlags, point);
}

void CWTKOutlookBar::OnCancelMode()
{
    if (m_bTracking)
        StopTracking(FALSE);
    CWTKToolBar::OnCancelMode();
}

void CWTKOutlookBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    CPoint ptClient = point;
    ScreenToClient(&ptClient);
    for (POSITION pos = m_lstPages.GetHeadPosition(); pos != nullptr;) {
        auto* pPage = static_cast<CWTKOutlookBarPage*>(m_lstPages.GetNext(pos));
        if (pPage->m_pButton != nullptr && pPage->m_rectButton.PtInRect(ptClient))
            pPage->m_pButton->SendMessage(WM_CANCELMODE);
    }
    CWTKToolBar::OnContextMenu(pWnd, point);
}

// ---- Delayed page switch ----

CWTKOutlookBarPage* CWTKOutlookBar::PageOfCaptionAt(CPoint point) const
{
    for (POSITION pos = m_lstPages.GetHeadPosition(); pos != nullptr;) {
        auto* pPage = static_cast<CWTKOutlookBarPage*>(m_lstPages.GetNext(pos));
        if (pPage->m_pButton != nullptr && pPage->m_rectButton.PtInRect(point))
            return pPage;
    }
    return nullptr;
}

DROPEFFECT CWTKOutlookBar::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    SchedulePageSwitch(point);
    return CWTKToolBar::OnDragOver(pDataObject, dwKeyState, point);
}

void CWTKOutlookBar::SchedulePageSwitch(CPoint point)
{
    const CWTKOutlookBarPage* pPage = PageOfCaptionAt(point);
    if (pPage == nullptr || pPage->m_uiID == m_uiActivePageID)
        return;
    // Resting on the same caption keeps the running delay.
    if (m_bPageSwitchPending && m_uiPendingPageID == pPage->m_uiID)
        return;
    m_bPageSwitchPending = TRUE;
    m_uiPendingPageID = pPage->m_uiID;
    SetTimer(kPageSwitchTimer, kPageSwitchDelay, nullptr);
}

void CWTKOutlookBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kPageSwitchTimer) {
        CWTKToolBar::OnTimer(nIDEvent);
        return;
    }
    RunPendingPageSwitch();
}

void CWTKOutlookBar::RunPendingPageSwitch()
{
    KillTimer(kPageSwitchTimer);
    const BOOL bPending = m_bPageSwitchPending;
    m_bPageSwitchPending = FALSE;
    if (!bPending)
        return;
    // The page is looked up again: it may have been removed while the timer ran.
    const CWTKOutlookBarPage* pPage = FindPage(m_uiPendingPageID);
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (pPage != nullptr && pPage->m_pButton != nullptr && pPage->m_rectButton.PtInRect(point))
        SetActivePage(pPage->m_uiID, FALSE);
}

// ---- Resize tracking ----

void CWTKOutlookBar::StartTracking(CPoint point)
{
    SetCapture();
    m_hwndFocusBeforeTracking = ::SetFocus(GetSafeHwnd());
    m_bTracking = TRUE;
    m_nTrackPos = IsHorizontalBar() ? point.y : point.x;
    m_nTrackDrawn = -1;
    DrawTrackingBar(m_nTrackPos);
}

void CWTKOutlookBar::MoveTracking(CPoint point)
{
    CWnd* pParent = GetParent();
    int nPos = IsHorizontalBar() ? point.y : point.x;
    if (pParent != nullptr) {
        CRect rectParent;
        pParent->GetClientRect(rectParent);
        pParent->ClientToScreen(rectParent);
        ScreenToClient(rectParent);
        nPos = IsHorizontalBar() ? std::clamp<int>(nPos, rectParent.top, std::max(rectParent.top, rectParent.bottom))
                                 : std::clamp<int>(nPos, rectParent.left, std::max(rectParent.left, rectParent.right));
    }
    m_nTrackPos = nPos;
    DrawTrackingBar(nPos);
}

void CWTKOutlookBar::DrawTrackingBar(int nPos)
{
    CWindowDC dc(nullptr);
    CBitmap bmp;
    if (!bmp.CreateBitmap(8, 8, 1, 1, kHalftonePattern))
        return;
    CBrush brush;
    if (!brush.CreatePatternBrush(&bmp))
        return;
    CBrush* pOldBrush = dc.SelectObject(&brush);
    auto barRect = [this](int n) {
        CRect rect;
        GetClientRect(rect);
        ClientToScreen(rect);
        CPoint pt(n, n);
        ClientToScreen(&pt);
        if (IsHorizontalBar()) {
            rect.DeflateRect(kTrackingBarInset, 0);
            const int y = (m_dwStyle & kStyleTrackAfter) ? pt.y + kTrackingBarThickness : pt.y - kTrackingBarThickness;
            rect.top = y;
            rect.bottom = y + kTrackingBarThickness;
        } else {
            rect.DeflateRect(0, kTrackingBarInset);
            const int x = (m_dwStyle & kStyleTrackNear) ? pt.x : pt.x - kTrackingBarThickness;
            rect.left = x;
            rect.right = x + kTrackingBarThickness;
        }
        return rect;
    };
    if (m_nTrackDrawn != -1) {
        const CRect rectOld = barRect(m_nTrackDrawn);
        dc.PatBlt(rectOld.left, rectOld.top, rectOld.Width(), rectOld.Height(), PATINVERT);
    }
    if (nPos != -1) {
        const CRect rectNew = barRect(nPos);
        dc.PatBlt(rectNew.left, rectNew.top, rectNew.Width(), rectNew.Height(), PATINVERT);
    }
    m_nTrackDrawn = nPos;
    dc.SelectObject(pOldBrush);
}

void CWTKOutlookBar::StopTracking(BOOL bApply)
{
    DrawTrackingBar(-1);
    m_bTracking = FALSE;
    if (GetCapture() == this)
        ::ReleaseCapture();
    if (m_hwndFocusBeforeTracking != nullptr && ::IsWindow(m_hwndFocusBeforeTracking))
        ::SetFocus(m_hwndFocusBeforeTracking);
    m_hwndFocusBeforeTracking = nullptr;
    if (!bApply)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    int nSize = 0;
    if (m_dwStyle & kStyleSizeFromPosition)
        nSize = m_nTrackPos + kResizeStripWidth;
    else
        nSize = ((m_dwStyle & kStyleSizeFromFarEdge) ? rectClient.Width() : rectClient.Height()) - m_nTrackPos;
    m_nBarWidth = std::max(nSize, kResizeStripWidth);
    if (CFrameWnd* pFrame = GetParentFrame()) {
        pFrame->RecalcLayout();
    } else if (IsHorizontalBar()) {
        SetWindowPos(nullptr, 0, 0, rectClient.Width(), m_nBarWidth, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(nullptr, 0, 0, m_nBarWidth, rectClient.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
