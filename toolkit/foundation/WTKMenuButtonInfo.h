// What the looks ask of a menu button (a toolbar button that opens a popup menu).
#pragma once

#include "foundation/WTKToolbarButtonInfo.h"

#include "core/Rect.h"
#include "gdi/DC.h"

class CWTKMenuButtonInfo : public CWTKToolbarButtonInfo {
public:
    // The button draws its flat border itself; FALSE leaves the border to the look.
    virtual BOOL DrawFlatBorder(CDC* pDC, const CRect& rect, int nState) const = 0;
};
