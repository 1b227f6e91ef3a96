// What the looks read of the shortcut bar (the bar of large shortcut buttons in pages).
#pragma once

#include "foundation/WTKBarInfo.h"

#include "core/Rect.h"
#include "gdi/DC.h"

class CWTKShortcutBarInfo : public CWTKBarInfo {
public:
    // The bar paints its own work area background (a bitmap or its colour).
    virtual void FillWorkArea(CDC* pDC, const CRect& rect) const = 0;
    // The bar draws in the button colours rather than the bar colours.
    virtual BOOL UsesButtonColors() const = 0;
};
