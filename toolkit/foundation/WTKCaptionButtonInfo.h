// What the looks read of a caption button of a sizing bar (hide and expand).
#pragma once

#include "core/Point.h"

#include <windows.h>

class CWTKCaptionButtonInfo {
public:
    virtual ~CWTKCaptionButtonInfo() = default;

    // Hit-test code: the hide button answers 19.
    virtual int GetHitCode() const = 0;
    // Top-left corner inside the caption.
    virtual CPoint GetPosition() const = 0;
    virtual BOOL IsPushed() const = 0;
    virtual BOOL IsHighlighted() const = 0;
    // The button is only as large as its glyph (no room for a frame).
    virtual BOOL IsGlyphSized() const = 0;
};
