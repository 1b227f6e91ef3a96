// A laid-out page: positioned boxes in page coordinates (pixels at the layout
// resolution, origin at the page's top left), its links and anchors.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

class CHtmlDocument;
class CHtmlFontCache;
class CHtmlImage;

enum class HtmlBoxKind { Text, Image, Rule, Bullet, Frame };

struct CHtmlBox {
    HtmlBoxKind kind = HtmlBoxKind::Text;
    RECT rect {0, 0, 0, 0};
    std::string text;    // text runs; the alt text of images
    int font = -1;       // text: index in the font cache
    int fontHeight = 0;  // text: pixels of the em
    COLORREF colour = 0;
    int link = -1;                      // index in Links(), -1 when not a link
    const CHtmlImage* image = nullptr;  // images: null when it could not be loaded
    std::string source;                 // images: the absolute address
    int border = 0;                     // images and frames: frame width inside rect
};

struct CHtmlLink {
    std::string address;  // absolute
    std::string target;   // empty when none
};

class CHtmlLayout {
public:
    // Lays out a page for a width, at a zoom level (0 to 4).
    void Build(const CHtmlDocument& document, CHtmlFontCache& fonts, int width, int zoom);

    const std::vector<CHtmlBox>& Boxes() const { return m_boxes; }
    const std::vector<CHtmlLink>& Links() const { return m_links; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF Background() const { return m_background; }

    // Hover look of links from the style sheet: a colour and an underline
    // setting (-1 unchanged, 0 none, 1 underline).
    bool HasHoverColour() const { return m_hasHoverColour; }
    COLORREF HoverColour() const { return m_hoverColour; }
    int HoverUnderline() const { return m_hoverUnderline; }

    // The link under a page point, or -1.
    int HitTest(POINT point) const;
    // The top of a named anchor; false when the page has none of that name.
    bool AnchorTop(const std::string& name, int& y) const;
    // Where pages of a height begin, the first at 0: a page ends above a box it
    // would cut, unless that box is taller than half a page.
    std::vector<int> PageStarts(int pageHeight) const;
    // One line per box, then the links and anchors: for tests and diagnosis.
    std::string Dump(const CHtmlFontCache& fonts) const;

private:
    friend class CHtmlLayoutBuilder;

    std::vector<CHtmlBox> m_boxes;
    std::vector<CHtmlLink> m_links;
    std::vector<std::pair<std::string, int>> m_anchors;
    int m_width = 0;
    int m_height = 0;
    COLORREF m_background = RGB(255, 255, 255);
    bool m_hasHoverColour = false;
    COLORREF m_hoverColour = 0;
    int m_hoverUnderline = -1;
};
