#pragma once
#include "core/Rect.h"

#include <windows.h>

// The work area of the monitor nearest to a screen point: menus, floating frames and saved
// positions are kept on the monitor the user sees them on, not on the primary one. Falls back
// to the desktop's work area when there is no monitor information.
CRect WTKWorkAreaNear(POINT ptScreen);
// The work area of the monitor that holds a screen point; a point off every monitor gets the
// desktop's work area (the primary monitor's), not the nearest monitor's.
CRect WTKWorkAreaHolding(POINT ptScreen);
