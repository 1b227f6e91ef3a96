#include "html/HtmlPainter.h"
#include "html/HtmlConstants.h"
#include "html/HtmlFontCache.h"
#include "html/HtmlImage.h"
#include "html/HtmlLayout.h"
#include "gdi/DCStateGuard.h"
#include "gdi/GdiObject.h"

#include <vector>

namespace {

void FillColour(HDC dc, const RECT& rect, COLORREF colour)
{
    CBrush brush(colour);
    FillRect(dc, &rect, brush);
}

void Frame(HDC dc, const RECT& rect, int width, COLORREF colour)
{
    RECT r = rect;
    for (int i = 0; i < width && r.right > r.left && r.bottom > r.top; ++i) {
        CBrush brush(colour);
        FrameRect(dc, &r, brush);
        InflateRect(&r, -1, -1);
    }
}

void PaintText(HDC dc, const CHtmlBox& box, const RECT& rect, CHtmlFontCache& fonts, bool hover,
               const CHtmlLayout& layout)
{
    int font = box.font;
    COLORREF colour = box.colour;
    if (hover && layout.HasHoverColour())
        colour = layout.HoverColour();
    if (hover && layout.HoverUnderline() >= 0)
        font = fonts.WithUnderline(font, layout.HoverUnderline() == 1);
    // Left to itself the text may come out wider than measured and close the
    // space before the next run, so each character goes where it was counted.
    std::vector<INT> advances;
    fonts.Advances(box.font, box.text, advances);
    SelectObject(dc, fonts.Font(font));
    SetTextColor(dc, colour);
    ExtTextOutA(dc, rect.left, rect.top, 0, nullptr, box.text.data(), UINT(advances.size()), advances.data());
}

void PaintImage(HDC dc, const CHtmlBox& box, const RECT& rect, bool hover, const CHtmlLayout& layout)
{
    COLORREF frame = (hover && layout.HasHoverColour()) ? layout.HoverColour() : box.colour;
    if (box.border > 0)
        Frame(dc, rect, box.border, frame);
    RECT inner = rect;
    InflateRect(&inner, -box.border, -box.border);
    if (box.image) {
        box.image->Draw(dc, inner);
        return;
    }
    // A picture that could not be loaded: a frame with its alternative text.
    Frame(dc, inner, 1, HtmlConst::kMissingImageFrame);
    if (box.text.empty())
        return;
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, box.colour);
    RECT textRect = inner;
    InflateRect(&textRect, -4, -4);
    ExtTextOutA(dc, textRect.left, textRect.top, ETO_CLIPPED, &textRect, box.text.data(), UINT(box.text.size()),
                nullptr);
}

void PaintBullet(HDC dc, const RECT& rect, COLORREF colour)
{
    CBrush brush(colour);
    CPen pen(PS_SOLID, 1, colour);
    CDCStateGuard state(dc);  // deselects them before they go
    SelectObject(dc, brush);
    SelectObject(dc, pen);
    Ellipse(dc, rect.left, rect.top, rect.right, rect.bottom);
}

}  // namespace

void CHtmlPainter::Paint(HDC dc, const CHtmlLayout& layout, CHtmlFontCache& fonts, POINT origin, const RECT& clip,
                         int hoverLink)
{
    CDCStateGuard state(dc);  // selected objects and modes go back when the painter is done
    FillColour(dc, clip, layout.Background());
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    for (const CHtmlBox& box : layout.Boxes()) {
        RECT rect = box.rect;
        OffsetRect(&rect, origin.x, origin.y);
        RECT visible;
        bool empty = rect.right <= rect.left || rect.bottom <= rect.top;
        if (empty || !IntersectRect(&visible, &rect, &clip))
            continue;
        bool hover = hoverLink >= 0 && box.link == hoverLink;
        switch (box.kind) {
        case HtmlBoxKind::Text:
            PaintText(dc, box, rect, fonts, hover, layout);
            break;
        case HtmlBoxKind::Image:
            PaintImage(dc, box, rect, hover, layout);
            break;
        case HtmlBoxKind::Rule:
            FillColour(dc, rect, box.colour);
            break;
        case HtmlBoxKind::Bullet:
            PaintBullet(dc, rect, box.colour);
            break;
        case HtmlBoxKind::Frame:
            Frame(dc, rect, box.border, box.colour);
            break;
        }
    }
}
