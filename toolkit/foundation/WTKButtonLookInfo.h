// What the Office XP family of looks reads of a toolbar button beyond CWTKToolbarButtonInfo.
// A button that does not offer it is drawn as a plain button.
#pragma once

#include "core/Rect.h"

#include <windows.h>

class CWTKButtonLookInfo {
public:
    virtual ~CWTKButtonLookInfo() = default;
    // A menu button whose menu is open, the button sitting on a bar (not in another menu).
    virtual BOOL IsMenuOpenOnBar() const { return FALSE; }
    // The button's text and image are laid out in a row (the bar lies horizontally).
    virtual BOOL IsHorizontalLayout() const { return TRUE; }
    // The toolbar's end button that opens the customise menu.
    virtual BOOL IsCustomizeButton() const { return FALSE; }
    // An edit box button whose edit boxes are drawn flat (a frame when highlighted).
    virtual BOOL IsFlatEditBox() const { return FALSE; }
    // The customise button's offset into the bar's far edge, kept for its next drawing.
    virtual void SetCustomizeOffset(int /*nOffset*/) const {}
};
