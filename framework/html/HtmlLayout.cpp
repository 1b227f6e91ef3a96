#include "html/HtmlLayout.h"
#include "html/HtmlFontCache.h"
#include "html/HtmlLayoutBuilder.h"

#include <cstdio>

namespace {

std::string Colour(COLORREF c)
{
    char text[16];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

std::string Rect(const RECT& r)
{
    char text[64];
    std::snprintf(text, sizeof text, "%ld,%ld %ldx%ld", long(r.left), long(r.top), long(r.right - r.left),
                  long(r.bottom - r.top));
    return text;
}

bool EqualNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
        CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, a.c_str(), int(a.size()), b.c_str(), int(b.size())) ==
        CSTR_EQUAL;
}

}  // namespace

void CHtmlLayout::Build(const CHtmlDocument& document, CHtmlFontCache& fonts, int width, int zoom)
{
    *this = CHtmlLayout();
    CHtmlLayoutBuilder builder(document, fonts, zoom, *this);
    builder.Build(width);
}

int CHtmlLayout::HitTest(POINT point) const
{
    for (const CHtmlBox& box : m_boxes)
        if (box.link >= 0 && PtInRect(&box.rect, point))
            return box.link;
    return -1;
}

bool CHtmlLayout::AnchorTop(const std::string& name, int& y) const
{
    for (const auto& anchor : m_anchors)
        if (anchor.first == name) {
            y = anchor.second;
            return true;
        }
    for (const auto& anchor : m_anchors)
        if (EqualNoCase(anchor.first, name)) {
            y = anchor.second;
            return true;
        }
    return false;
}

std::vector<int> CHtmlLayout::PageStarts(int pageHeight) const
{
    std::vector<int> starts {0};
    if (pageHeight <= 0)
        return starts;
    int start = 0;
    while (start + pageHeight < m_height && starts.size() < 10000) {
        int end = start + pageHeight;
        int cut = end;
        // Moving the end up may cut another box: settle in a few passes.
        for (int pass = 0; pass < 8; ++pass) {
            int before = cut;
            for (const CHtmlBox& box : m_boxes)
                if (box.rect.top < cut && box.rect.bottom > cut && box.rect.top > start + pageHeight / 2)
                    cut = box.rect.top;
            if (cut == before)
                break;
        }
        start = cut;
        starts.push_back(start);
    }
    return starts;
}

std::string CHtmlLayout::Dump(const CHtmlFontCache& fonts) const
{
    char text[64];
    std::snprintf(text, sizeof text, "page %dx%d background=", m_width, m_height);
    std::string out = text + Colour(m_background) + "\n";
    for (const CHtmlBox& box : m_boxes) {
        switch (box.kind) {
        case HtmlBoxKind::Text: {
            const CHtmlFontKey& key = fonts.Key(box.font);
            out += "text " + Rect(box.rect) + " font=" + key.face + "/" + std::to_string(box.fontHeight);
            if (key.bold)
                out += " bold";
            if (key.italic)
                out += " italic";
            if (key.underline)
                out += " underline";
            out += " colour=" + Colour(box.colour);
            break;
        }
        case HtmlBoxKind::Image:
            out += "image " + Rect(box.rect) + " src=" + box.source;
            if (!box.image)
                out += " missing";
            if (box.border)
                out += " border=" + std::to_string(box.border);
            break;
        case HtmlBoxKind::Rule:
            out += "rule " + Rect(box.rect) + " colour=" + Colour(box.colour);
            break;
        case HtmlBoxKind::Bullet:
            out += "bullet " + Rect(box.rect);
            break;
        case HtmlBoxKind::Frame:
            out +=
                "frame " + Rect(box.rect) + " border=" + std::to_string(box.border) + " colour=" + Colour(box.colour);
            break;
        }
        if (box.link >= 0)
            out += " link=" + std::to_string(box.link);
        if (!box.text.empty())
            out += " \"" + box.text + "\"";
        out += "\n";
    }
    for (std::size_t i = 0; i < m_links.size(); ++i) {
        out += "link " + std::to_string(i) + " " + m_links[i].address;
        if (!m_links[i].target.empty())
            out += " target=" + m_links[i].target;
        out += "\n";
    }
    for (const auto& anchor : m_anchors)
        out += "anchor " + anchor.first + " " + std::to_string(anchor.second) + "\n";
    return out;
}
