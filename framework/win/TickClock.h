// The tick clock: code that measures time in milliseconds asks here, so tests can move time.
#pragma once
#include <windows.h>

typedef DWORD (*FwTickCountFn)();

// Milliseconds since start-up, as GetTickCount.
DWORD FwGetTickCount();
// Replaces the clock; null restores the system's. Returns the previous one.
FwTickCountFn FwSetTickClock(FwTickCountFn pfn);
