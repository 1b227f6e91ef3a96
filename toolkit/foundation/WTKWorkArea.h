#pragma once
#include "core/Rect.h"

#include <windows.h>

#include <vector>

// The work area of the monitor nearest to a screen point: menus, floating frames and saved
// positions are kept on the monitor the user sees them on, not on the primary one. Falls back
// to the desktop's work area when there is no monitor information.
CRect WTKWorkAreaNear(POINT ptScreen);
// The work area of the monitor that holds a screen point; a point off every monitor gets the
// desktop's work area (the primary monitor's), not the nearest monitor's.
CRect WTKWorkAreaHolding(POINT ptScreen);
// The work areas of all monitors, the primary's first; the desktop's alone when there is no
// monitor information.
std::vector<CRect> WTKMonitorWorkAreas();
// Where a stored window rectangle gives a window a user can work in: the index of the work area
// that holds at least half of it, or -1 when there is none, or when the rectangle is empty,
// inverted or smaller than sizeMin. Any coordinates will do: nothing overflows.
int WTKUsableWorkAreaOf(const RECT& rect, SIZE sizeMin, const std::vector<CRect>& workAreas);
// Where a window goes so that a user can still grab it: its top-left corner, unchanged when a
// sizeGrip piece of its top edge (a caption to drag) lies on one of the work areas, else moved the
// least distance that puts such a piece on one of them. Without work areas, unchanged.
CPoint WTKGrabbablePosition(const RECT& rect, SIZE sizeGrip, const std::vector<CRect>& workAreas);
