// What the looks read of a control bar when they draw its border, background, gripper and
// separators. Toolbars, the caption bar, the shortcut bar and the sizing bars implement it.
#pragma once

#include <windows.h>

// Bar style bits the looks test (the control bar style word).
constexpr DWORD kBarStyleBorder3D = 0x0080;
constexpr DWORD kBarStyleBorderLeft = 0x0100;
constexpr DWORD kBarStyleBorderTop = 0x0200;
constexpr DWORD kBarStyleBorderRight = 0x0400;
constexpr DWORD kBarStyleBorderBottom = 0x0800;
constexpr DWORD kBarStyleBorderAny = 0x0F00;

class CWTKBarInfo {
public:
    virtual ~CWTKBarInfo() = default;

    virtual DWORD GetBarStyle() const = 0;
    // The bar has a dock context: it can be dragged to another dock site.
    virtual BOOL IsDockable() const = 0;
};
