#pragma once

// Pixel effects on a device context: highlight, grey, gradients, round gradients and drop
// shadows. Made on the stack around one drawing task. Each effect copies the area into a 32-bit
// DIB section, changes it there and copies it back.

#include "foundation/WTKColorFunctions.h"

#include <windows.h>

class CBitmap;
class CDC;

class CWTKPaintTools {
public:
    explicit CWTKPaintTools(CDC* pDC);
    virtual ~CWTKPaintTools();
    CWTKPaintTools(const CWTKPaintTools&) = delete;
    CWTKPaintTools& operator=(const CWTKPaintTools&) = delete;

    // Lightens or darkens by nPercent (100 leaves it; -1 moves halfway to the highlight colour);
    // pixels of clrTransparent stay. At 8 bits or fewer the light brush fills the rectangle.
    BOOL HighlightRect(const RECT& rect, int nPercent = -1, COLORREF clrTransparent = kWTKNoColor);
    // Turns pixels grey, then scales them by nPercent (-1: halfway to the highlight colour).
    BOOL GrayRect(const RECT& rect, int nPercent = -1, COLORREF clrTransparent = kWTKNoColor);
    // 64 bands from clrStart to clrFinish: left to right, or bottom to top when vertical.
    void FillGradient(const RECT& rect, COLORREF clrStart, COLORREF clrFinish, BOOL bVertical);
    void FillGradientAngle(const RECT& rect, COLORREF clrStart, COLORREF clrFinish, int nAngle);
    // Rings shading from clr1 at the start angle to clr2 opposite, in a circle (square rectangle)
    // or a capsule; the first ring in clrOutline when given, the shape filled with clrFill first
    // when given. FALSE for a rectangle of 4 pixels or less either way.
    BOOL DrawRoundGradient(const RECT& rect, COLORREF clr1, COLORREF clr2, COLORREF clrOutline, int nStartAngle,
                           int nRings, COLORREF clrFill);
    // A drop shadow nDepth wide along the bottom and the right (or left) of rect, from nDarkPercent
    // at the edge to nLightPercent outside. With both saved bitmaps holding images they are drawn
    // back instead; with saved bitmaps given but empty they are filled with the shadow afterwards.
    BOOL DrawShadow(const RECT& rect, int nDepth, int nLightPercent, int nDarkPercent, CBitmap* pBmpSaveBottom,
                    CBitmap* pBmpSaveRight, BOOL bRightShadow);

protected:
    CDC* m_pDC;
};
