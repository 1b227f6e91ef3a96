// What the looks read of a toolbar button, menu item or shortcut button when they draw it.
#pragma once

#include "docview/BarStyles.h"

#include <windows.h>

class CWTKToolBarInfo;

class CWTKToolbarButtonInfo {
public:
    // The kinds of button that a look draws differently.
    enum Kind { kindPlain, kindShowAllItems, kindShortcut };

    virtual ~CWTKToolbarButtonInfo() = default;

    virtual UINT GetStyle() const = 0;
    virtual Kind GetKind() const = 0;
    // In customisation mode the button shows as enabled (the button's own rule).
    virtual BOOL IsEnabledInCustomizeMode() const = 0;
    // The toolbar the button sits on, or null.
    virtual const CWTKToolBarInfo* GetParentToolBar() const = 0;
};
