#include "win/TickClock.h"

namespace {
DWORD SystemTicks()
{
    return ::GetTickCount();
}

FwTickCountFn g_pfnTicks = &SystemTicks;
}  // namespace

DWORD FwGetTickCount()
{
    return g_pfnTicks();
}

FwTickCountFn FwSetTickClock(FwTickCountFn pfn)
{
    FwTickCountFn pfnOld = g_pfnTicks;
    g_pfnTicks = pfn ? pfn : &SystemTicks;
    return pfnOld;
}

namespace {
UINT_PTR SystemSetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC pfnProc)
{
    return ::SetTimer(hWnd, nIDEvent, uElapse, pfnProc);
}

BOOL SystemKillTimer(HWND hWnd, UINT_PTR nIDEvent)
{
    return ::KillTimer(hWnd, nIDEvent);
}

FwSetTimerFn g_pfnSetTimer = &SystemSetTimer;
FwKillTimerFn g_pfnKillTimer = &SystemKillTimer;
}  // namespace

UINT_PTR FwSetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC pfnProc)
{
    return g_pfnSetTimer(hWnd, nIDEvent, uElapse, pfnProc);
}

BOOL FwKillTimer(HWND hWnd, UINT_PTR nIDEvent)
{
    return g_pfnKillTimer(hWnd, nIDEvent);
}

void FwSetTimerFunctions(FwSetTimerFn pfnSet, FwKillTimerFn pfnKill)
{
    g_pfnSetTimer = pfnSet ? pfnSet : &SystemSetTimer;
    g_pfnKillTimer = pfnKill ? pfnKill : &SystemKillTimer;
}
