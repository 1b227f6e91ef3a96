// A memory device context that paints off screen and copies the result to its target when it
// goes out of scope, so that a control repainted many times a second never flickers.
#pragma once

#include "core/Rect.h"
#include "gdi/DC.h"
#include "gdi/GdiObject.h"

class CMemDC : public CDC {
public:
    // The rectangle in the target's coordinates; all zero means the target's clip box.
    CMemDC(CDC* pDC, const CRect& rect = CRect(0, 0, 0, 0));
    ~CMemDC() override;
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

private:
    CBitmap m_bitmap;
    CBitmap* m_oldBitmap = nullptr;
    CDC* m_pDC;
    CRect m_rect;
    BOOL m_bMemDC;
};
