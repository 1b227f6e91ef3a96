// Registration of the common control classes used by the control wrappers.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include "gdi/ImageList.h"

// Registers the classes of the given ICC_ flags (once is enough per process).
BOOL FwInitCommonControls(DWORD dwClasses);
