// What the looks read of the status bar.
#pragma once

#include <windows.h>

class CWTKStatusBarInfo {
public:
    virtual ~CWTKStatusBarInfo() = default;

    // The window is laid out right to left (extended style WS_EX_LAYOUTRTL).
    virtual BOOL IsLayoutRTL() const = 0;
};
