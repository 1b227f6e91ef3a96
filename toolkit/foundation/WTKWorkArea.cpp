#include "foundation/WTKWorkArea.h"

#include <algorithm>
#include <cstdlib>

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

BOOL CALLBACK AddMonitorWorkArea(HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam)
{
    auto* pAreas = reinterpret_cast<std::vector<CRect>*>(lParam);
    MONITORINFO mi {};
    mi.cbSize = sizeof(mi);
    if (!::GetMonitorInfoA(hMonitor, &mi))
        return TRUE;
    if (mi.dwFlags & MONITORINFOF_PRIMARY)
        pAreas->insert(pAreas->begin(), CRect(mi.rcWork));
    else
        pAreas->push_back(CRect(mi.rcWork));
    return TRUE;
}

// Lengths and areas in 64 bits: stored coordinates may be anything an int holds.
using Length = long long;

Length Overlap(LONG lowA, LONG highA, LONG lowB, LONG highB)
{
    return std::max<Length>(0, static_cast<Length>(std::min(highA, highB)) - std::max(lowA, lowB));
}

// The nearest value to nValue in [nLow, nHigh]; nLow when the range is empty.
Length ClampLength(Length nValue, Length nLow, Length nHigh)
{
    return std::max(nLow, std::min(nValue, nHigh));
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

std::vector<CRect> WTKMonitorWorkAreas()
{
    std::vector<CRect> areas;
    ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitorWorkArea, reinterpret_cast<LPARAM>(&areas));
    if (areas.empty()) {
        RECT rect {};
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rect, 0);
        areas.emplace_back(rect);
    }
    return areas;
}

int WTKUsableWorkAreaOf(const RECT& rect, SIZE sizeMin, const std::vector<CRect>& workAreas)
{
    const Length nWidth = static_cast<Length>(rect.right) - rect.left;
    const Length nHeight = static_cast<Length>(rect.bottom) - rect.top;
    if (nWidth <= 0 || nHeight <= 0 || nWidth < sizeMin.cx || nHeight < sizeMin.cy)
        return -1;
    // Each factor is below 2^32, so the area fits in 64 unsigned bits.
    const auto nArea = static_cast<unsigned long long>(nWidth) * static_cast<unsigned long long>(nHeight);
    for (size_t i = 0; i < workAreas.size(); ++i) {
        const CRect& work = workAreas[i];
        const auto nOn = static_cast<unsigned long long>(Overlap(rect.left, rect.right, work.left, work.right)) *
            static_cast<unsigned long long>(Overlap(rect.top, rect.bottom, work.top, work.bottom));
        if (nOn >= nArea - nOn)
            return static_cast<int>(i);
    }
    return -1;
}

CPoint WTKGrabbablePosition(const RECT& rect, SIZE sizeGrip, const std::vector<CRect>& workAreas)
{
    const Length nWidth = std::max<Length>(0, static_cast<Length>(rect.right) - rect.left);
    const Length cxGrip = std::min<Length>(sizeGrip.cx, nWidth);
    const Length cyGrip = sizeGrip.cy;
    CPoint ptBest(rect.left, rect.top);
    Length nBestMove = -1;
    for (const CRect& work : workAreas) {
        // The corner's range on this work area: a grip's width of the top edge across it, a
        // grip's height below the top edge inside it.
        const Length x = ClampLength(rect.left, static_cast<Length>(work.left) - (nWidth - cxGrip),
                                     static_cast<Length>(work.right) - cxGrip);
        const Length y = ClampLength(rect.top, work.top, static_cast<Length>(work.bottom) - cyGrip);
        const Length nMove = std::abs(x - rect.left) + std::abs(y - rect.top);
        if (nBestMove < 0 || nMove < nBestMove) {
            nBestMove = nMove;
            ptBest = CPoint(static_cast<int>(x), static_cast<int>(y));
        }
    }
    return ptBest;
}
