// The tick clock and the timer seam: code that measures time in milliseconds, or times
// something with a window timer, asks here, so that tests can move time and fire timers.
#pragma once
#include <windows.h>

typedef DWORD (*FwTickCountFn)();

// Milliseconds since start-up, as GetTickCount.
DWORD FwGetTickCount();
// Replaces the clock; null restores the system's. Returns the previous one.
FwTickCountFn FwSetTickClock(FwTickCountFn pfn);

typedef UINT_PTR (*FwSetTimerFn)(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC pfnProc);
typedef BOOL (*FwKillTimerFn)(HWND hWnd, UINT_PTR nIDEvent);

// As SetTimer and KillTimer.
UINT_PTR FwSetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC pfnProc = nullptr);
BOOL FwKillTimer(HWND hWnd, UINT_PTR nIDEvent);
// Replaces both; null restores the system's.
void FwSetTimerFunctions(FwSetTimerFn pfnSet, FwKillTimerFn pfnKill);
