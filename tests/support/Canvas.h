#pragma once

#include "gdi/DC.h"
#include "gdi/GdiObject.h"

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A memory DC with a screen-compatible bitmap selected, cleared to white.
// The bitmap is declared first so that it outlives its selection.
class Canvas {
public:
    Canvas(int cx, int cy)
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(nullptr, cx, cy);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, cx, cy, kWhite);
    }

    COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }

    // How many pixels in [x1, x2) x [y1, y2) have exactly this colour.
    int Count(COLORREF color, int x1, int y1, int x2, int y2) const
    {
        int n = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x)
                n += At(x, y) == color ? 1 : 0;
        return n;
    }

    CBitmap bitmap;
    CDC dc;
};
