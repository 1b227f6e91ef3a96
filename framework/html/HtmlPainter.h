// Paints a laid-out page into any device context.
#pragma once
#include <windows.h>

class CHtmlLayout;
class CHtmlFontCache;

class CHtmlPainter {
public:
    // Paints the boxes that meet clip (device coordinates); the page's point
    // (0,0) lands on origin. Links numbered hoverLink take the hover look.
    static void Paint(HDC dc, const CHtmlLayout& layout, CHtmlFontCache& fonts, POINT origin, const RECT& clip,
                      int hoverLink);
};
