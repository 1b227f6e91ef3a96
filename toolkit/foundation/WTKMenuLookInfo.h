// What the Office XP family of looks reads of a popup menu to join it to the menu-bar button
// that opened it. A menu that does not offer it gets a closed frame.
#pragma once

#include "core/Rect.h"

#include <windows.h>

class CWTKMenuLookInfo {
public:
    enum Side { sideNone, sideTop, sideBottom, sideLeft, sideRight };

    virtual ~CWTKMenuLookInfo() = default;
    // The edge of the menu that touches the button that opened it: top when the menu dropped
    // down, bottom when it dropped up, left or right when it opened sideways; sideNone when the
    // menu was not opened from a button on a bar.
    virtual Side GetParentButtonSide() const = 0;
    // That button's rectangle in the menu window's coordinates.
    virtual CRect GetParentButtonRect() const = 0;
    // The menu was opened from a toolbar's customise button.
    virtual BOOL IsFromCustomizeButton() const { return FALSE; }
};
