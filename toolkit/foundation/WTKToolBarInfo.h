// What the looks read of a toolbar (and of the menu bar and popup menu item bar built on it)
// when they draw its buttons.
#pragma once

#include "foundation/WTKBarInfo.h"

#include "core/Size.h"

class CWTKToolBarInfo : public CWTKBarInfo {
public:
    // Space between a button's edges and the light fill of its checked state.
    virtual CSize GetButtonMargins() const = 0;
    // The process-wide customisation mode is on.
    virtual BOOL IsCustomizing() const = 0;
    // Text colour of a highlighted button: the configured toolbar text colour, or the bar text
    // colour when none is configured.
    virtual COLORREF GetHighlightedTextColor() const = 0;
};
