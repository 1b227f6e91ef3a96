#include "frames/WTKDragDockContext.h"

#include "bars/ControlBar.h"
#include "win/WndLifeGuard.h"

#include <algorithm>

CWTKDragDockContext::CWTKDragDockContext(CControlBar* pBar) : CDockContext(pBar) {}

void CWTKDragDockContext::StartResize(int nHitTest, CPoint pt)
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (!m_pDockSite || !m_pBar->IsFloating() || ::GetCapture() != nullptr)
        return;
    m_bDragging = FALSE;
    m_nHitTest = nHitTest;
    InitLoop();
    const CSize size = m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH);
    CRect rectBar;
    m_pBar->GetWindowRect(&rectBar);
    m_rectActualSize = CRect(rectBar.TopLeft(), size);
    // The frame is the bar grown by the borders of a sizable captioned window, less the
    // window border the system counts in both.
    CRect rectFrame = m_rectActualSize;
    ::AdjustWindowRectEx(&rectFrame, WS_THICKFRAME | WS_CAPTION, FALSE, WS_EX_TOOLWINDOW);
    const int cxBorder = ::GetSystemMetrics(SM_CXBORDER);
    const int cyBorder = ::GetSystemMetrics(SM_CYBORDER);
    rectFrame.InflateRect(-cxBorder, -cyBorder);
    m_rectFrameBorders = CRect(rectFrame.left - m_rectActualSize.left, rectFrame.top - m_rectActualSize.top,
                               rectFrame.right - m_rectActualSize.right, rectFrame.bottom - m_rectActualSize.bottom);
    m_rectActualFrameSize = rectFrame;
    m_rectRequestedSize = m_rectActualSize;
    m_ptLast = pt;
    DrawFocusRect();
    if (TrackResize())
        EndResize();
}

void CWTKDragDockContext::StretchWithinDesktop(CPoint pt)
{
    CRect rectBar;
    CRect rectFrame;
    StretchedRects(pt, rectBar, rectFrame);
    CRect rectDesktop;
    ::GetWindowRect(::GetDesktopWindow(), &rectDesktop);
    CRect rectMeet;
    if (!rectMeet.IntersectRect(&rectFrame, &rectDesktop))
        return;  // the last rectangle that meets the desktop stays
    m_rectActualSize = rectBar;
    m_rectActualFrameSize = rectFrame;
    DrawFocusRect();
}

BOOL CWTKDragDockContext::TrackResize()
{
    const HWND hWndBar = m_pBar->m_hWnd;
    // This object belongs to the bar: it goes when the bar does.
    const CWndLifeGuard bar(m_pBar);
    if (::GetCapture() != nullptr) {
        DrawFocusRect(TRUE);
        return FALSE;
    }
    ::SetCapture(hWndBar);
    if (::GetCapture() != hWndBar) {
        DrawFocusRect(TRUE);
        return FALSE;
    }
    while (::GetCapture() == hWndBar) {
        MSG msg;
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        switch (msg.message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP: {
            if (msg.hwnd != hWndBar)
                break;
            CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
            ::ClientToScreen(hWndBar, &pt);
            StretchWithinDesktop(pt);
            if (msg.message == WM_LBUTTONUP)
                return TRUE;
            break;
        }
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE) {
                CancelLoop();
                return FALSE;
            }
            break;
        case WM_RBUTTONDOWN:
            CancelLoop();
            return FALSE;
        default:
            ::DispatchMessageA(&msg);
            if (!bar.HoldsSameWindow())
                return FALSE;
            break;
        }
    }
    if (bar.HoldsSameWindow())
        CancelLoop();
    return FALSE;
}
