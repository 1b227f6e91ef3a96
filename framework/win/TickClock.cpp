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
