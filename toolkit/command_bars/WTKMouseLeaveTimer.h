// CWTKMouseLeaveTimer: the leave notification for hot tracking, by polling the cursor, for windows
// that hold the mouse capture (the system's own leave tracking reports nothing useful then).
#pragma once
#include <windows.h>

class CWTKMouseLeaveTimer {
public:
    // How often the cursor is looked at.
    static constexpr UINT kPeriodMs = 100;

    // Starts a window timer on the request's window whose id is the request's flags; 0 (nothing
    // started) for a size below the structure's, a window that does not exist or flags without
    // TME_LEAVE. The timer's ticks go to TimerProc, never to the window's own procedure.
    static UINT_PTR Track(const TRACKMOUSEEVENT* pRequest);

    // One tick: nothing while the cursor is inside the window's client area and the window under
    // the cursor is this window; otherwise the timer stops and the window is posted
    // WM_MOUSELEAVE, once.
    static void CALLBACK TimerProc(HWND hWnd, UINT nMsg, UINT_PTR nIdEvent, DWORD dwTime);
};
