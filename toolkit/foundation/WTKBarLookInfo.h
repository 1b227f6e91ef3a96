// What the Office XP family of looks reads of a bar beyond CWTKBarInfo: which kind of bar it is,
// where it sits and how its buttons are laid out. A bar that does not offer it is drawn as a
// plain bar (a dock area).
#pragma once

#include "core/Rect.h"
#include "core/Size.h"
#include "core/String.h"

#include <windows.h>

class CWTKBarInfo;
class CWTKToolbarButtonInfo;

class CWTKBarLookInfo {
public:
    enum Kind { kindDockBar, kindToolBar, kindMenuBar, kindPopupMenuBar, kindColorBar, kindSizingBar, kindStatusBar };

    // What a look reads of any bar: null, the plain kind (a dock area) and not in a popup
    // menu for a bar that does not offer it.
    static const CWTKBarLookInfo* Of(const CWTKBarInfo* pBar);
    static Kind KindOf(const CWTKBarInfo* pBar);
    static BOOL IsInPopupMenu(const CWTKToolbarButtonInfo* pButton);

    virtual ~CWTKBarLookInfo() = default;
    virtual Kind GetLookKind() const = 0;
    // The bar floats in its own frame (no rounded ends, no shadow line).
    virtual BOOL IsFloating() const { return FALSE; }
    // Width of the images of a popup menu (its image column is built from it).
    virtual int GetMenuImageWidth() const { return 16; }
    // A colour bar painted on the toolbar background rather than the menu background.
    virtual BOOL IsColorBarOnBarBackground() const { return FALSE; }
    // A sizing bar's title and whether its caption runs vertically.
    virtual CString GetTitle() const { return CString(); }
    virtual BOOL HasVerticalCaption() const { return FALSE; }
    // The bar window's rectangle in screen coordinates.
    virtual CRect GetWindowRectScreen() const { return CRect(); }
    // The rectangle of the dock bar the bar is docked in, in screen coordinates; empty when the
    // bar floats or the dock bar is not known (the bar's own rectangle is used then).
    virtual CRect GetDockRectScreen() const { return CRect(); }
    // Extent of one row of buttons across the bar (height of a horizontal bar's row, width of a
    // vertical bar's column) and the size of its buttons, both including the extra border.
    virtual int GetRowExtent() const { return 0; }
    virtual CSize GetButtonSize() const { return CSize(0, 0); }
    // The customise button at the bar's end, in the bar's client coordinates; empty when none.
    virtual CRect GetCustomizeButtonRect() const { return CRect(); }
};
