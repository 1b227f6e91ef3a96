// Registration of the common control classes used by the control wrappers.
#pragma once
#include <windows.h>
#include <commctrl.h>
#if __has_include("gdi/ImageList.h")
#include "gdi/ImageList.h"
#define FW_CONTROLS_HAVE_IMAGELIST 1
#endif

// Registers the classes of the given ICC_ flags (once is enough per process).
BOOL FwInitCommonControls(DWORD dwClasses);
