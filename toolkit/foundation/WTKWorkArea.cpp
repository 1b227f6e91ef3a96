#include "foundation/WTKWorkArea.h"

CRect WTKWorkAreaNear(POINT ptScreen)
{
    MONITORINFO mi {};
    mi.cbSize = sizeof(mi);
    HMONITOR hMonitor = ::MonitorFromPoint(ptScreen, MONITOR_DEFAULTTONEAREST);
    if (hMonitor != nullptr && ::GetMonitorInfoA(hMonitor, &mi))
        return CRect(mi.rcWork);
    RECT rect {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rect, 0);
    return CRect(rect);
}
