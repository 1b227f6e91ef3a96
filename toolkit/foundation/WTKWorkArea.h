#pragma once
#include "core/Rect.h"

#include <windows.h>

// The work area of the monitor nearest to a screen point: menus, floating frames and saved
// positions are kept on the monitor the user sees them on, not on the primary one. Falls back
// to the desktop's work area when there is no monitor information.
CRect WTKWorkAreaNear(POINT ptScreen);
