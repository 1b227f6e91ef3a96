// What the looks read of an owner-drawn push button (also the tab window's scroll buttons).
#pragma once

#include "core/Rect.h"
#include "gdi/DC.h"

class CWTKPushButtonInfo {
public:
    virtual ~CWTKPushButtonInfo() = default;

    virtual BOOL IsPushed() const = 0;
    virtual BOOL IsHighlighted() const = 0;
    // The button's own border drawing; shrinks the rectangle to the content.
    virtual void OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState) = 0;
};
