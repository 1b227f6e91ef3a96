#include "command_bars/WTKToolbarEditCtrl.h"

#include "command_bars/WTKToolbarEditBoxButton.h"

#include "docview/FrameWnd.h"
#include "win/TickClock.h"

CWTKToolbarEditCtrl::CWTKToolbarEditCtrl(CWTKToolbarEditBoxButton& button) : m_button(button) {}

CWTKToolbarEditCtrl::~CWTKToolbarEditCtrl()
{
    StopTracking();
}

void CWTKToolbarEditCtrl::StartTracking()
{
    if (m_bTracked || m_hWnd == nullptr)
        return;
    m_bTracked = FwSetTimer(m_hWnd, kLeaveTimerId, kLeaveTimerPeriod, &LeaveTimerProc) != 0;
}

void CWTKToolbarEditCtrl::StopTracking()
{
    if (m_bTracked && ::IsWindow(m_hWnd))
        FwKillTimer(m_hWnd, kLeaveTimerId);
    m_bTracked = FALSE;
}

void CALLBACK CWTKToolbarEditCtrl::LeaveTimerProc(HWND hWnd, UINT, UINT_PTR nIdEvent, DWORD)
{
    if (!::IsWindow(hWnd))
        return;
    POINT pt {};
    ::GetCursorPos(&pt);
    RECT rectClient {};
    ::GetClientRect(hWnd, &rectClient);
    ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rectClient), 2);
    if (::PtInRect(&rectClient, pt) && ::WindowFromPoint(pt) == hWnd)
        return;
    FwKillTimer(hWnd, nIdEvent);
    ::PostMessageA(hWnd, WM_MOUSELEAVE, 0, 0);
}

LRESULT CWTKToolbarEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFOCUS:
        m_button.SetHighlighted(TRUE);
        break;
    case WM_KILLFOCUS:
        m_button.SetHighlighted(FALSE);
        break;
    case WM_MOUSEMOVE:
        m_button.SetHighlighted(TRUE);
        StartTracking();
        break;
    case WM_MOUSELEAVE:
        // The timer has stopped itself before posting.
        m_bTracked = FALSE;
        if (::GetFocus() != m_hWnd)
            m_button.SetHighlighted(FALSE);
        return 0;
    case WM_DESTROY:
        StopTracking();
        break;
    default:
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}

BOOL CWTKToolbarEditCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd) {
        switch (pMsg->wParam) {
        case VK_TAB:
            if (HWND hWndBar = ::GetParent(m_hWnd)) {
                if (HWND hWndNext = ::GetNextDlgTabItem(hWndBar, m_hWnd, FALSE))
                    ::SetFocus(hWndNext);
            }
            return TRUE;
        case VK_ESCAPE:
            if (CFrameWnd* pFrame = GetTopLevelFrame())
                pFrame->SetFocus();
            return TRUE;
        default:
            break;
        }
    }
    return CEdit::PreTranslateMessage(pMsg);
}
