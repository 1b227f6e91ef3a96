#include "command_bars/WTKMouseLeaveTimer.h"

#include "win/TickClock.h"

namespace {
// The oldest form of the request structure: size, flags and window.
constexpr DWORD kMinRequestSize = 16;
}  // namespace

UINT_PTR CWTKMouseLeaveTimer::Track(const TRACKMOUSEEVENT* pRequest)
{
    if (pRequest == nullptr || pRequest->cbSize < kMinRequestSize || !::IsWindow(pRequest->hwndTrack) ||
        (pRequest->dwFlags & TME_LEAVE) == 0)
        return 0;
    return FwSetTimer(pRequest->hwndTrack, pRequest->dwFlags, kPeriodMs, &TimerProc);
}

void CALLBACK CWTKMouseLeaveTimer::TimerProc(HWND hWnd, UINT, UINT_PTR nIdEvent, DWORD)
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
