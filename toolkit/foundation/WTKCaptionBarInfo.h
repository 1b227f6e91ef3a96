// What the looks read of the caption bar.
#pragma once

#include "foundation/WTKBarInfo.h"

class CWTKCaptionBarInfo : public CWTKBarInfo {
public:
    // The bar's own background colour, or (COLORREF)-1 for none.
    virtual COLORREF GetBackgroundColor() const = 0;
};
