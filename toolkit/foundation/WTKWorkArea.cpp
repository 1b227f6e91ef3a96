#include "foundation/WTKWorkArea.h"

namespace {
CRect WorkAreaOfMonitor(POINT ptScreen, DWORD dwNoMonitor)
{
    MONITORINFO mi {};
    mi.cbSize = sizeof(mi);
    HMONITOR hMonitor = ::MonitorFromPoint(ptScreen, dwNoMonitor);
    if (hMonitor != nullptr && ::GetMonitorInfoA(hMonitor, &mi))
        return CRect(mi.rcWork);
    RECT rect {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rect, 0);
    return CRect(rect);
}
}  // namespace

CRect WTKWorkAreaNear(POINT ptScreen)
{
    return WorkAreaOfMonitor(ptScreen, MONITOR_DEFAULTTONEAREST);
}

CRect WTKWorkAreaHolding(POINT ptScreen)
{
    return WorkAreaOfMonitor(ptScreen, MONITOR_DEFAULTTONULL);
}
