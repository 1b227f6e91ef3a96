#include "html/HtmlLayoutBuilder.h"
#include "html/HtmlAscii.h"
#include "html/HtmlConstants.h"
#include "html/HtmlDocument.h"
#include "html/HtmlFontCache.h"
#include "html/HtmlImage.h"

#include <algorithm>
#include <cstdlib>

namespace {

using namespace HtmlConst;

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// A length attribute: pixels, or percent when it ends in '%'; -1 when absent or bad.
int ParseLength(const std::string* value, bool& percent)
{
    percent = false;
    if (!value)
        return -1;
    const char* text = value->c_str();
    while (IsSpace(*text))
        ++text;
    char* end = nullptr;
    long number = std::strtol(text, &end, 10);
    if (end == text || number < 0)
        return -1;
    while (*end == '.' || (*end >= '0' && *end <= '9'))
        ++end;
    percent = (*end == '%');
    return int(std::min<long>(number, kMaxLayoutExtent));
}

int ParseInt(const std::string* value, int fallback, int low, int high)
{
    if (!value)
        return fallback;
    char* end = nullptr;
    long number = std::strtol(value->c_str(), &end, 10);
    if (end == value->c_str())
        return fallback;
    return int(std::clamp<long>(number, low, high));
}

bool IsBlock(HtmlTag tag)
{
    switch (tag) {
    case HtmlTag::Html:
    case HtmlTag::Body:
    case HtmlTag::P:
    case HtmlTag::Div:
    case HtmlTag::H1:
    case HtmlTag::H2:
    case HtmlTag::H3:
    case HtmlTag::Ul:
    case HtmlTag::Ol:
    case HtmlTag::Li:
    case HtmlTag::Pre:
    case HtmlTag::Tbody:
    case HtmlTag::Thead:
    case HtmlTag::Tfoot:
    case HtmlTag::Tr:
    case HtmlTag::Td:
    case HtmlTag::Th:
        return true;
    default:
        return false;
    }
}

bool IsHidden(HtmlTag tag)
{
    return tag == HtmlTag::Head || tag == HtmlTag::Title || tag == HtmlTag::Style || tag == HtmlTag::Script ||
        tag == HtmlTag::Meta || tag == HtmlTag::Link;
}

bool IsList(HtmlTag tag)
{
    return tag == HtmlTag::Ul || tag == HtmlTag::Ol;
}

int Clamp(long long value)
{
    return int(std::clamp<long long>(value, -kMaxLayoutExtent, kMaxLayoutExtent));
}

}  // namespace

CHtmlLayoutBuilder::CHtmlLayoutBuilder(const CHtmlDocument& document, CHtmlFontCache& fonts, int zoom, CHtmlLayout& out)
    : m_document(document),
      m_fonts(fonts),
      m_zoomPercent(kZoomPercent[std::clamp(zoom, 0, kZoomLevels - 1)]),
      m_out(out),
      m_linkColour(kDefaultLink)
{}

void CHtmlLayoutBuilder::Build(int width)
{
    width = std::clamp(width, kMinLayoutWidth, kMaxLayoutExtent);
    m_out.m_width = width;
    Style style;
    style.face = kDefaultFace;
    style.size = kDefaultFontSize;
    style.colour = kDefaultText;
    // The body's colours hold for the whole page.
    if (const CHtmlNode* body = m_document.Root().Find(HtmlTag::Body)) {
        COLORREF colour;
        if (const std::string* bg = body->Attribute("bgcolor"))
            if (CHtmlStyleSheet::ParseColour(*bg, colour))
                m_out.m_background = colour;
        if (const std::string* text = body->Attribute("text"))
            if (CHtmlStyleSheet::ParseColour(*text, colour))
                style.colour = colour;
        if (const std::string* link = body->Attribute("link"))
            if (CHtmlStyleSheet::ParseColour(*link, colour))
                m_linkColour = colour;
    }
    CHtmlStyleDecl hover = m_document.StyleSheet().ForHover("a");
    m_out.m_hasHoverColour = hover.hasColour;
    m_out.m_hoverColour = hover.colour;
    m_out.m_hoverUnderline = hover.underline;

    Flow flow;
    flow.left = kPageMargin;
    flow.right = width - kPageMargin;
    flow.y = kPageMargin;
    WalkChildren(m_document.Root(), style, flow);
    FlushLine(flow);
    int bottom = std::max(flow.y, FloatBottom(flow));
    m_out.m_height = Clamp((long long)bottom + kPageMargin);
}

// ---- Styles ------------------------------------------------------------------

int CHtmlLayoutBuilder::PixelHeight(int tenths) const
{
    long long pixels = ((long long)tenths * m_zoomPercent * kLayoutDpi + 36000) / 72000;
    return int(std::clamp<long long>(pixels, 1, 1000));
}

int CHtmlLayoutBuilder::FontFor(const Style& style)
{
    CHtmlFontKey key;
    key.face = style.face;
    key.height = PixelHeight(style.size);
    key.bold = style.bold;
    key.italic = style.italic;
    key.underline = style.underline;
    return m_fonts.Get(key);
}

void CHtmlLayoutBuilder::ApplyDecl(const CHtmlStyleDecl& decl, Style& style)
{
    if (!decl.families.empty()) {
        std::string face = m_fonts.FirstInstalled(decl.families);
        if (!face.empty())
            style.face = face;
    }
    if (decl.fontSize)
        style.size = decl.fontSize;
    if (decl.hasColour)
        style.colour = decl.colour;
    if (decl.underline >= 0)
        style.underline = decl.underline == 1;
}

CHtmlLayoutBuilder::Style CHtmlLayoutBuilder::Derive(const CHtmlNode& element, const Style& parent)
{
    Style style = parent;
    switch (element.Tag()) {
    case HtmlTag::B:
    case HtmlTag::Strong:
        style.bold = true;
        break;
    case HtmlTag::I:
    case HtmlTag::Em:
        style.italic = true;
        break;
    case HtmlTag::U:
        style.underline = true;
        break;
    case HtmlTag::H1:
        style.bold = true;
        style.size = kH1FontSize;
        break;
    case HtmlTag::H2:
        style.bold = true;
        style.size = kH2FontSize;
        break;
    case HtmlTag::H3:
        style.bold = true;
        style.size = kH3FontSize;
        break;
    case HtmlTag::Pre:
        style.pre = true;
        style.face = kMonospaceFace;
        style.size = kPreFontSize;
        break;
    case HtmlTag::Th:
        style.bold = true;
        style.align = AlignCenter;
        break;
    case HtmlTag::Table:
        style.align = AlignLeft;
        break;
    case HtmlTag::Td:
        style.align = AlignLeft;
        break;
    case HtmlTag::Font: {
        if (const std::string* face = element.Attribute("face")) {
            std::string found = m_fonts.FirstInstalled(CHtmlStyleSheet::ParseFamilies(*face));
            if (!found.empty())
                style.face = found;
        }
        if (const std::string* size = element.Attribute("size")) {
            const char* text = size->c_str();
            while (IsSpace(*text))
                ++text;
            bool relative = (*text == '+' || *text == '-');
            char* end = nullptr;
            long n = std::strtol(text, &end, 10);
            if (end != text) {
                long level = std::clamp<long>(relative ? 3 + n : n, 1, 7);
                style.size = kFontSizeForHtmlSize[level - 1];
            }
        }
        COLORREF colour;
        if (const std::string* value = element.Attribute("color"))
            if (CHtmlStyleSheet::ParseColour(*value, colour))
                style.colour = colour;
        break;
    }
    case HtmlTag::A:
        if (element.Attribute("href")) {
            style.link = AddLink(element);
            style.colour = m_linkColour;
            style.underline = true;
        }
        break;
    default:
        break;
    }
    if (const std::string* align = element.Attribute("align")) {
        HtmlTag tag = element.Tag();
        bool aligns = tag == HtmlTag::P || tag == HtmlTag::Div || tag == HtmlTag::H1 || tag == HtmlTag::H2 ||
            tag == HtmlTag::H3 || tag == HtmlTag::Td || tag == HtmlTag::Th || tag == HtmlTag::Tr;
        std::string value = HtmlLowerCopy(*align);
        if (aligns && value == "center")
            style.align = AlignCenter;
        else if (aligns && value == "right")
            style.align = AlignRight;
        else if (aligns && value == "left")
            style.align = AlignLeft;
    }
    if (!element.Name().empty()) {
        bool link = element.Tag() == HtmlTag::A && element.Attribute("href");
        if (element.Tag() != HtmlTag::A || link)
            ApplyDecl(m_document.StyleSheet().ForElement(element.Name()), style);
    }
    return style;
}

int CHtmlLayoutBuilder::AddLink(const CHtmlNode& anchor)
{
    CHtmlLink link;
    link.address = m_document.Resolve(*anchor.Attribute("href"));
    if (const std::string* target = anchor.Attribute("target"))
        link.target = *target;
    m_out.m_links.push_back(link);
    return int(m_out.m_links.size()) - 1;
}

void CHtmlLayoutBuilder::AddAnchor(const std::string& name, Flow& flow)
{
    if (name.empty())
        return;
    if (flow.line.items.empty()) {
        m_out.m_anchors.emplace_back(name, LineTop(flow));
        return;
    }
    flow.line.anchors.push_back(name);
}

// ---- The walk ----------------------------------------------------------------

void CHtmlLayoutBuilder::WalkChildren(const CHtmlNode& node, const Style& style, Flow& flow)
{
    for (const auto& child : node.Children()) {
        if (child->IsText())
            AddText(child->Text(), style, flow);
        else
            Element(*child, style, flow);
    }
}

void CHtmlLayoutBuilder::Element(const CHtmlNode& element, const Style& parent, Flow& flow)
{
    HtmlTag tag = element.Tag();
    if (IsHidden(tag))
        return;
    switch (tag) {
    case HtmlTag::Br:
        LineBreak(parent, flow);
        return;
    case HtmlTag::Img:
        AddImage(element, parent, flow);
        return;
    case HtmlTag::Hr:
        AddRule(element, flow);
        return;
    case HtmlTag::Table:
        Table(element, parent, flow);
        return;
    default:
        break;
    }
    Style style = Derive(element, parent);
    if (tag == HtmlTag::A)
        if (const std::string* name = element.Attribute("name"))
            AddAnchor(*name, flow);
    if (IsBlock(tag))
        Block(element, style, flow);
    else
        WalkChildren(element, style, flow);
}

void CHtmlLayoutBuilder::AddMargin(int margin, Flow& flow)
{
    if (flow.dropLeadingMargin && !flow.hasContent)
        return;
    flow.pendingMargin = std::max(flow.pendingMargin, margin);
}

void CHtmlLayoutBuilder::Block(const CHtmlNode& element, const Style& style, Flow& flow)
{
    HtmlTag tag = element.Tag();
    FlushLine(flow);
    int em = PixelHeight(style.size);
    int margin = 0;
    switch (tag) {
    case HtmlTag::P:
    case HtmlTag::Pre:
    case HtmlTag::H3:
        margin = em;
        break;
    case HtmlTag::H1:
        margin = em * 67 / 100;
        break;
    case HtmlTag::H2:
        margin = em * 83 / 100;
        break;
    case HtmlTag::Ul:
    case HtmlTag::Ol:
        margin = m_lists.empty() ? em : 0;
        break;
    default:
        break;
    }
    AddMargin(margin, flow);

    int savedLeft = flow.left;
    Align savedAlign = flow.align;
    flow.align = style.align;
    if (IsList(tag)) {
        flow.left = Clamp((long long)flow.left + kListIndent);
        m_lists.emplace_back(tag == HtmlTag::Ol, 1);
    }
    if (tag == HtmlTag::Li) {
        Marker& marker = flow.marker;
        marker = Marker();
        marker.pending = true;
        marker.font = FontFor(style);
        marker.colour = style.colour;
        marker.contentLeft = flow.left;
        if (!m_lists.empty() && m_lists.back().first) {
            marker.bullet = false;
            marker.text = std::to_string(m_lists.back().second++) + ".";
        }
    }
    if (tag == HtmlTag::Pre) {
        flow.preStart = true;
        flow.preColumn = 0;
    }
    WalkChildren(element, style, flow);
    FlushLine(flow);
    if (flow.marker.pending && tag == HtmlTag::Li) {
        int top = LineTop(flow);
        const CHtmlFontMetrics& m = m_fonts.Metrics(flow.marker.font);
        EmitMarker(flow, top + m.ascent);
        flow.y = top + m.ascent + m.descent;
        flow.pendingMargin = 0;
    }
    if (IsList(tag))
        m_lists.pop_back();
    flow.left = savedLeft;
    flow.align = savedAlign;
    flow.preStart = false;
    AddMargin(margin, flow);
}

void CHtmlLayoutBuilder::AddText(const std::string& text, const Style& style, Flow& flow)
{
    if (style.pre) {
        AddPreText(text, style, flow);
        return;
    }
    int font = -1;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (IsSpace(text[pos])) {
            flow.spacePending = true;
            ++pos;
            continue;
        }
        std::size_t end = pos;
        while (end < text.size() && !IsSpace(text[end]))
            ++end;
        if (font < 0)
            font = FontFor(style);
        AddWord(text.substr(pos, end - pos), font, style, flow);
        pos = end;
    }
}

void CHtmlLayoutBuilder::AddPreText(const std::string& text, const Style& style, Flow& flow)
{
    int font = FontFor(style);
    std::string segment;
    auto emit = [&]() {
        if (!segment.empty()) {
            Item item;
            item.text = segment;
            item.font = font;
            item.colour = style.colour;
            item.link = style.link;
            item.width = m_fonts.TextWidth(font, segment);
            item.ascent = m_fonts.Metrics(font).ascent;
            item.descent = m_fonts.Metrics(font).descent;
            AddItem(item, flow);
            segment.clear();
        }
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r')
            continue;
        if (c == '\n') {
            bool leading = flow.preStart && flow.line.items.empty() && segment.empty();
            flow.preStart = false;
            if (leading)
                continue;  // a newline right after <pre> is not shown
            emit();
            LineBreak(style, flow);
            flow.preColumn = 0;
            continue;
        }
        flow.preStart = false;
        if (c == '\t') {
            int spaces = kTabWidth - flow.preColumn % kTabWidth;
            segment.append(std::size_t(spaces), ' ');
            flow.preColumn += spaces;
            continue;
        }
        segment += c;
        ++flow.preColumn;
    }
    emit();
}

void CHtmlLayoutBuilder::AddWord(const std::string& word, int font, const Style& style, Flow& flow)
{
    Item item;
    item.text = word;
    item.font = font;
    item.colour = style.colour;
    item.link = style.link;
    item.width = m_fonts.TextWidth(font, word);
    item.ascent = m_fonts.Metrics(font).ascent;
    item.descent = m_fonts.Metrics(font).descent;
    item.spaceBefore = flow.spacePending;
    AddItem(item, flow);
}

void CHtmlLayoutBuilder::StartLine(Flow& flow)
{
    EdgesAt(flow, LineTop(flow), flow.line.left, flow.line.right);
}

void CHtmlLayoutBuilder::AddItem(Item item, Flow& flow)
{
    Line& line = flow.line;
    if (line.items.empty()) {
        StartLine(flow);
        item.spaceBefore = false;
    }
    int space = 0;
    if (item.spaceBefore) {
        const Item& previous = line.items.back();
        space = previous.font >= 0 ? m_fonts.Metrics(previous.font).spaceWidth
                                   : (item.font >= 0 ? m_fonts.Metrics(item.font).spaceWidth : 0);
    }
    if (!line.items.empty() && line.width + space + item.width > line.right - line.left) {
        FlushLine(flow);
        StartLine(flow);
        space = 0;
        item.spaceBefore = false;
    }
    item.x = Clamp((long long)line.width + space);
    line.width = Clamp((long long)item.x + item.width);
    line.items.push_back(std::move(item));
    flow.spacePending = false;
    flow.hasContent = true;
}

void CHtmlLayoutBuilder::LineBreak(const Style& style, Flow& flow)
{
    int font = FontFor(style);
    const CHtmlFontMetrics& m = m_fonts.Metrics(font);
    if (flow.line.items.empty())
        flow.line.breakHeight = std::max(flow.line.breakHeight, m.ascent + m.descent);
    FlushLine(flow);
    flow.hasContent = true;
}

void CHtmlLayoutBuilder::FlushLine(Flow& flow)
{
    Line& line = flow.line;
    int top = LineTop(flow);
    flow.spacePending = false;
    if (line.items.empty()) {
        for (const std::string& anchor : line.anchors)
            m_out.m_anchors.emplace_back(anchor, top);
        if (line.breakHeight > 0) {
            if (flow.marker.pending)
                EmitMarker(flow, top + m_fonts.Metrics(flow.marker.font).ascent);
            flow.y = Clamp((long long)top + line.breakHeight);
            flow.pendingMargin = 0;
        }
        line = Line();
        for (Item& f : flow.deferredFloats)
            PlaceFloat(f, flow);
        flow.deferredFloats.clear();
        return;
    }
    // Vertical metrics: text and baseline images first, then the images placed
    // against the text's middle and top.
    int ascent = 0, descent = 0;
    for (const Item& item : line.items) {
        if (item.kind == HtmlBoxKind::Text) {
            ascent = std::max(ascent, item.ascent);
            descent = std::max(descent, item.descent);
        }
    }
    if (line.items.size() && ascent == 0 && flow.marker.pending) {
        ascent = m_fonts.Metrics(flow.marker.font).ascent;
        descent = m_fonts.Metrics(flow.marker.font).descent;
    }
    int textMiddle = (ascent - descent) / 2;
    for (const Item& item : line.items) {
        if (item.kind != HtmlBoxKind::Image)
            continue;
        if (item.valign == VAlignBaseline || item.valign == VAlignBottom) {
            ascent = std::max(ascent, item.height);
        } else if (item.valign == VAlignMiddle) {
            ascent = std::max(ascent, textMiddle + (item.height + 1) / 2);
            descent = std::max(descent, item.height / 2 - textMiddle);
        }
    }
    for (const Item& item : line.items)
        if (item.kind == HtmlBoxKind::Image && item.valign == VAlignTop)
            descent = std::max(descent, item.height - ascent);

    int baseline = Clamp((long long)top + ascent);
    int offset = line.left;
    int free = line.right - line.left - line.width;
    if (free > 0 && flow.align == AlignCenter)
        offset += free / 2;
    else if (free > 0 && flow.align == AlignRight)
        offset += free;

    // Neighbouring words of one look become one run.
    for (std::size_t i = 0; i < line.items.size(); ++i) {
        const Item& item = line.items[i];
        CHtmlBox box;
        box.kind = item.kind;
        box.colour = item.colour;
        box.link = item.link;
        int x = Clamp((long long)offset + item.x);
        if (item.kind == HtmlBoxKind::Text) {
            box.text = item.text;
            box.font = item.font;
            box.fontHeight = m_fonts.Key(item.font).height;
            int right = x + item.width;
            while (i + 1 < line.items.size()) {
                const Item& next = line.items[i + 1];
                if (next.kind != HtmlBoxKind::Text || next.font != item.font || next.colour != item.colour ||
                    next.link != item.link)
                    break;
                if (next.spaceBefore)
                    box.text += ' ';
                box.text += next.text;
                right = Clamp((long long)offset + next.x + next.width);
                ++i;
            }
            box.rect = {x, baseline - item.ascent, right, baseline + item.descent};
        } else {
            int imageTop = baseline - item.height;
            if (item.valign == VAlignTop)
                imageTop = top;
            else if (item.valign == VAlignMiddle)
                imageTop = baseline - textMiddle - (item.height + 1) / 2;
            box.rect = {x, imageTop, x + item.width, imageTop + item.height};
            box.image = item.image;
            box.source = item.source;
            box.border = item.border;
            box.text = item.text;
        }
        m_out.m_boxes.push_back(std::move(box));
    }
    for (const std::string& anchor : line.anchors)
        m_out.m_anchors.emplace_back(anchor, top);
    if (flow.marker.pending)
        EmitMarker(flow, baseline);
    flow.y = Clamp((long long)baseline + descent);
    flow.pendingMargin = 0;
    line = Line();
    for (Item& f : flow.deferredFloats)
        PlaceFloat(f, flow);
    flow.deferredFloats.clear();
}

void CHtmlLayoutBuilder::EmitMarker(Flow& flow, int baseline)
{
    Marker& marker = flow.marker;
    marker.pending = false;
    const CHtmlFontMetrics& m = m_fonts.Metrics(marker.font);
    CHtmlBox box;
    box.colour = marker.colour;
    if (marker.bullet) {
        int size = std::max(3, (m.ascent + m.descent) / 3);
        int right = marker.contentLeft - kMarkerGap;
        int middle = baseline - m.ascent / 3;
        box.kind = HtmlBoxKind::Bullet;
        box.rect = {right - size, middle - size / 2, right, middle - size / 2 + size};
    } else {
        int width = m_fonts.TextWidth(marker.font, marker.text);
        int right = marker.contentLeft - kMarkerGap;
        box.kind = HtmlBoxKind::Text;
        box.text = marker.text;
        box.font = marker.font;
        box.fontHeight = m_fonts.Key(marker.font).height;
        box.rect = {right - width, baseline - m.ascent, right, baseline + m.descent};
    }
    m_out.m_boxes.push_back(std::move(box));
}

void CHtmlLayoutBuilder::EdgesAt(const Flow& flow, int y, int& left, int& right) const
{
    left = flow.left;
    right = flow.right;
    for (const FloatBox& f : flow.floats) {
        if (y < f.rect.top || y >= f.rect.bottom)
            continue;
        if (f.left)
            left = std::max<int>(left, f.rect.right);
        else
            right = std::min<int>(right, f.rect.left);
    }
}

int CHtmlLayoutBuilder::FloatBottom(const Flow& flow) const
{
    int bottom = flow.y;
    for (const FloatBox& f : flow.floats)
        bottom = std::max<int>(bottom, f.rect.bottom);
    return bottom;
}

void CHtmlLayoutBuilder::PlaceFloat(Item item, Flow& flow)
{
    int top = LineTop(flow);
    int left = 0, right = 0;
    EdgesAt(flow, top, left, right);
    bool onLeft = item.floatLeft;
    int x = onLeft ? left : right - item.width;
    RECT rect {x, top, Clamp((long long)x + item.width), Clamp((long long)top + item.height)};
    flow.floats.push_back({rect, onLeft});
    CHtmlBox box;
    box.kind = HtmlBoxKind::Image;
    box.rect = rect;
    box.link = item.link;
    box.colour = item.colour;
    box.image = item.image;
    box.source = item.source;
    box.border = item.border;
    box.text = item.text;
    m_out.m_boxes.push_back(std::move(box));
    flow.hasContent = true;
}

// ---- Images and rules ---------------------------------------------------------

SIZE CHtmlLayoutBuilder::ImageSize(const CHtmlNode& element, const Style& style, const CHtmlImage*& image,
                                   std::string& source)
{
    source.clear();
    image = nullptr;
    if (const std::string* src = element.Attribute("src")) {
        source = m_document.Resolve(*src);
        image = m_document.Image(source);
    }
    bool percent = false;
    int width = ParseLength(element.Attribute("width"), percent);
    if (percent)
        width = -1;
    int height = ParseLength(element.Attribute("height"), percent);
    if (percent)
        height = -1;
    width = std::min(width, kMaxImageSide);
    height = std::min(height, kMaxImageSide);
    SIZE size {0, 0};
    if (image) {
        SIZE natural = image->Size();
        size.cx = width >= 0 ? width : (height >= 0 ? MulDiv(natural.cx, height, natural.cy) : natural.cx);
        size.cy = height >= 0 ? height : (width >= 0 ? MulDiv(natural.cy, width, natural.cx) : natural.cy);
        return size;
    }
    // A missing picture keeps its given size, else room for its alternative text.
    const std::string* alt = element.Attribute("alt");
    int font = FontFor(style);
    const CHtmlFontMetrics& m = m_fonts.Metrics(font);
    int textWidth = alt ? m_fonts.TextWidth(font, *alt) : 0;
    size.cx = width >= 0 ? width : std::min(kMaxImageSide, std::max(16, textWidth + 8));
    size.cy = height >= 0 ? height : std::max(16, m.ascent + m.descent + 8);
    return size;
}

void CHtmlLayoutBuilder::AddImage(const CHtmlNode& element, const Style& style, Flow& flow)
{
    Item item;
    item.kind = HtmlBoxKind::Image;
    SIZE size = ImageSize(element, style, item.image, item.source);
    item.border = ParseInt(element.Attribute("border"), 0, 0, 100);
    item.width = int(size.cx) + 2 * item.border;
    item.height = int(size.cy) + 2 * item.border;
    item.link = style.link;
    item.colour = style.colour;
    if (const std::string* alt = element.Attribute("alt"))
        item.text = *alt;
    item.spaceBefore = flow.spacePending;
    std::string align = element.Attribute("align") ? HtmlLowerCopy(*element.Attribute("align")) : std::string();
    if (align == "left" || align == "right") {
        item.floatLeft = align == "left";
        if (flow.line.items.empty())
            PlaceFloat(item, flow);
        else
            flow.deferredFloats.push_back(item);
        return;
    }
    if (align == "top" || align == "texttop")
        item.valign = VAlignTop;
    else if (align == "middle" || align == "absmiddle" || align == "center")
        item.valign = VAlignMiddle;
    AddItem(std::move(item), flow);
}

void CHtmlLayoutBuilder::AddRule(const CHtmlNode& element, Flow& flow)
{
    FlushLine(flow);
    AddMargin(kRuleMargin, flow);
    int top = LineTop(flow);
    int left = 0, right = 0;
    EdgesAt(flow, top, left, right);
    int available = std::max(0, right - left);
    bool percent = false;
    int width = ParseLength(element.Attribute("width"), percent);
    if (width < 0)
        width = available;
    else if (percent)
        width = int((long long)available * std::min(width, 100) / 100);
    width = std::min(width, available);
    int height = ParseInt(element.Attribute("size"), kDefaultRuleSize, 1, kMaxRuleHeight);
    std::string align = element.Attribute("align") ? HtmlLowerCopy(*element.Attribute("align")) : "center";
    int x = left;
    if (align == "center")
        x += (available - width) / 2;
    else if (align == "right")
        x += available - width;
    CHtmlBox box;
    box.kind = HtmlBoxKind::Rule;
    box.rect = {x, top, x + width, Clamp((long long)top + height)};
    box.colour = kRuleColour;
    m_out.m_boxes.push_back(box);
    flow.y = box.rect.bottom;
    flow.pendingMargin = 0;
    flow.hasContent = true;
    AddMargin(kRuleMargin, flow);
}

// ---- Tables -------------------------------------------------------------------

std::vector<CHtmlLayoutBuilder::Row> CHtmlLayoutBuilder::CollectRows(const CHtmlNode& table, const Style& tableStyle)
{
    std::vector<Row> rows;
    std::vector<const CHtmlNode*> rowNodes;
    for (const auto& child : table.Children()) {
        HtmlTag tag = child->Tag();
        if (tag == HtmlTag::Tr)
            rowNodes.push_back(child.get());
        else if (tag == HtmlTag::Tbody || tag == HtmlTag::Thead || tag == HtmlTag::Tfoot)
            for (const auto& row : child->Children())
                if (row->Tag() == HtmlTag::Tr)
                    rowNodes.push_back(row.get());
    }
    for (const CHtmlNode* rowNode : rowNodes) {
        Row row;
        Style rowStyle = Derive(*rowNode, tableStyle);
        std::string rowValign = rowNode->Attribute("valign") ? HtmlLowerCopy(*rowNode->Attribute("valign")) : "";
        int column = 0;
        for (const auto& child : rowNode->Children()) {
            if (child->Tag() != HtmlTag::Td && child->Tag() != HtmlTag::Th)
                continue;
            if (column >= kMaxTableColumns)
                break;
            Cell cell;
            cell.node = child.get();
            Style inherited = rowStyle;
            if (child->Tag() == HtmlTag::Td && !child->Attribute("align")) {
                // A row's alignment reaches its cells.
                Style cellStyle = Derive(*child, rowStyle);
                cellStyle.align = rowStyle.align;
                cell.style = cellStyle;
            } else {
                cell.style = Derive(*child, inherited);
            }
            std::string valign = child->Attribute("valign") ? HtmlLowerCopy(*child->Attribute("valign")) : rowValign;
            cell.valign = valign == "top" ? VAlignTop : valign == "bottom" ? VAlignBottom : VAlignMiddle;
            cell.column = column;
            cell.span = std::min(ParseInt(child->Attribute("colspan"), 1, 1, kMaxColspan), kMaxTableColumns - column);
            bool percent = false;
            int width = ParseLength(child->Attribute("width"), percent);
            if (width >= 0 && percent)
                cell.percentWidth = std::min(width, 100);
            else if (width >= 0)
                cell.fixedWidth = width;
            column += cell.span;
            row.cells.push_back(cell);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

CHtmlLayoutBuilder::TableFrame CHtmlLayoutBuilder::FrameOf(const CHtmlNode& table)
{
    TableFrame frame;
    frame.spacing = ParseInt(table.Attribute("cellspacing"), kDefaultCellSpacing, 0, 100);
    frame.padding = ParseInt(table.Attribute("cellpadding"), kDefaultCellPadding, 0, 100);
    // A border attribute without a number still asks for a frame, as browsers read it.
    if (table.Attribute("border"))
        frame.border = ParseInt(table.Attribute("border"), 1, 0, kMaxTableBorder);
    frame.cellBorder = frame.border > 0 ? 1 : 0;
    return frame;
}

std::vector<int> CHtmlLayoutBuilder::ColumnWidths(std::vector<Row>& rows, const TableFrame& frame, int tableWidth,
                                                  int available, bool widthGiven, int& usedWidth)
{
    const int spacing = frame.spacing;
    const int inset = frame.Inset();
    int columns = 0;
    for (Row& row : rows)
        for (Cell& cell : row.cells) {
            columns = std::max(columns, cell.column + cell.span);
            MinMax size = Measure(*cell.node, cell.style);
            cell.size.min = size.min + 2 * inset;
            cell.size.max = std::max(size.max, size.min) + 2 * inset;
            if (cell.fixedWidth >= 0) {
                cell.size.max = std::max(cell.size.min, cell.fixedWidth);
            }
        }
    std::vector<int> minW(std::size_t(columns), 0), maxW(std::size_t(columns), 0);
    std::vector<int> percent(std::size_t(columns), -1);
    std::vector<bool> fixed(std::size_t(columns), false);
    for (Row& row : rows)
        for (Cell& cell : row.cells) {
            if (cell.span != 1)
                continue;
            std::size_t c = std::size_t(cell.column);
            minW[c] = std::max(minW[c], cell.size.min);
            maxW[c] = std::max(maxW[c], cell.size.max);
            if (cell.fixedWidth >= 0)
                fixed[c] = true;
            if (cell.percentWidth >= 0)
                percent[c] = std::max(percent[c], cell.percentWidth);
        }
    for (Row& row : rows)
        for (Cell& cell : row.cells) {
            if (cell.span == 1)
                continue;
            long long spanMin = (long long)(cell.span - 1) * spacing, spanMax = spanMin;
            for (int c = cell.column; c < cell.column + cell.span; ++c) {
                spanMin += minW[std::size_t(c)];
                spanMax += maxW[std::size_t(c)];
            }
            int extraMin = int(std::max<long long>(0, cell.size.min - spanMin)) / cell.span;
            int extraMax = int(std::max<long long>(0, cell.size.max - spanMax)) / cell.span;
            for (int c = cell.column; c < cell.column + cell.span; ++c) {
                minW[std::size_t(c)] += extraMin;
                maxW[std::size_t(c)] += extraMax;
            }
        }
    long long spacingTotal = (long long)(columns + 1) * spacing + 2LL * frame.border;
    long long minTotal = spacingTotal, maxTotal = spacingTotal;
    for (int c = 0; c < columns; ++c) {
        maxW[std::size_t(c)] = std::max(maxW[std::size_t(c)], minW[std::size_t(c)]);
        minTotal += minW[std::size_t(c)];
        maxTotal += maxW[std::size_t(c)];
    }
    long long width = widthGiven ? std::max<long long>(tableWidth, minTotal)
                                 : std::clamp<long long>(maxTotal, minTotal, std::max<long long>(available, minTotal));
    width = std::min<long long>(width, kMaxLayoutExtent);
    usedWidth = int(width);
    std::vector<int> widths = minW;
    long long content = std::max<long long>(0, width - spacingTotal);
    long long extra = content - (minTotal - spacingTotal);
    auto give = [&](int c, long long target) {
        long long add = std::clamp<long long>(target - widths[std::size_t(c)], 0, extra);
        widths[std::size_t(c)] += int(add);
        extra -= add;
    };
    for (int c = 0; c < columns && extra > 0; ++c)
        if (percent[std::size_t(c)] >= 0)
            give(c, content * percent[std::size_t(c)] / 100);
    for (int c = 0; c < columns && extra > 0; ++c)
        if (fixed[std::size_t(c)] && percent[std::size_t(c)] < 0)
            give(c, maxW[std::size_t(c)]);
    auto isAuto = [&](int c) {
        return percent[std::size_t(c)] < 0 && !fixed[std::size_t(c)];
    };
    long long wanted = 0;
    for (int c = 0; c < columns; ++c)
        if (isAuto(c))
            wanted += maxW[std::size_t(c)] - widths[std::size_t(c)];
    if (extra > 0 && wanted > 0) {
        long long share = std::min(extra, wanted);
        long long given = 0;
        for (int c = 0; c < columns; ++c) {
            if (!isAuto(c))
                continue;
            long long add = (maxW[std::size_t(c)] - widths[std::size_t(c)]) * share / wanted;
            widths[std::size_t(c)] += int(add);
            given += add;
        }
        extra -= given;
    }
    if (extra > 0 && columns > 0) {
        // Whatever is left widens the automatic columns, or all columns when none is.
        int autoCount = 0;
        for (int c = 0; c < columns; ++c)
            autoCount += isAuto(c) ? 1 : 0;
        int count = autoCount ? autoCount : columns;
        long long each = extra / count, rest = extra % count;
        for (int c = 0; c < columns; ++c) {
            if (autoCount && !isAuto(c))
                continue;
            widths[std::size_t(c)] += int(each + (rest-- > 0 ? 1 : 0));
        }
    }
    return widths;
}

void CHtmlLayoutBuilder::Table(const CHtmlNode& table, const Style& parent, Flow& flow)
{
    FlushLine(flow);
    Style style = Derive(table, parent);
    int top = LineTop(flow);
    flow.pendingMargin = 0;
    int left = 0, right = 0;
    EdgesAt(flow, top, left, right);
    int available = std::max(0, right - left);
    const TableFrame frame = FrameOf(table);
    const int spacing = frame.spacing;
    const int inset = frame.Inset();
    bool percent = false;
    int given = ParseLength(table.Attribute("width"), percent);
    if (given >= 0 && percent)
        given = int((long long)available * std::min(given, 100) / 100);

    std::vector<Row> rows = CollectRows(table, style);
    int width = 0;
    std::vector<int> widths = ColumnWidths(rows, frame, given, available, given >= 0, width);
    std::string align = table.Attribute("align") ? HtmlLowerCopy(*table.Attribute("align")) : "";
    int x0 = left;
    if (align == "center")
        x0 += std::max(0, (available - width) / 2);
    else if (align == "right")
        x0 += std::max(0, available - width);

    std::vector<int> columnX(widths.size() + 1, 0);
    long long x = (long long)x0 + frame.border + spacing;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        columnX[c] = Clamp(x);
        x += widths[c] + spacing;
    }
    columnX[widths.size()] = Clamp(x);

    int rowTop = Clamp((long long)top + frame.border + spacing);
    for (Row& row : rows) {
        struct Placed {
            std::size_t firstBox, lastBox, firstAnchor, lastAnchor;
            int height;
            VAlign valign;
        };
        std::vector<Placed> placed;
        int rowHeight = 0;
        for (Cell& cell : row.cells) {
            int cellLeft = columnX[std::size_t(cell.column)];
            int cellRight = columnX[std::size_t(cell.column + cell.span)] - spacing;
            Flow cellFlow;
            cellFlow.left = cellLeft + inset;
            cellFlow.right = std::max(cellFlow.left, cellRight - inset);
            cellFlow.y = rowTop + inset;
            cellFlow.dropLeadingMargin = true;
            cellFlow.align = cell.style.align;
            Placed p {m_out.m_boxes.size(), 0, m_out.m_anchors.size(), 0, 0, cell.valign};
            std::vector<std::pair<bool, int>> lists;
            lists.swap(m_lists);
            WalkChildren(*cell.node, cell.style, cellFlow);
            FlushLine(cellFlow);
            lists.swap(m_lists);
            int contentBottom = std::max(cellFlow.y, FloatBottom(cellFlow));
            p.lastBox = m_out.m_boxes.size();
            p.lastAnchor = m_out.m_anchors.size();
            p.height = Clamp((long long)contentBottom - rowTop + inset);
            rowHeight = std::max(rowHeight, p.height);
            placed.push_back(p);
        }
        for (const Placed& p : placed) {
            int shift = p.valign == VAlignTop ? 0
                : p.valign == VAlignBottom    ? rowHeight - p.height
                                              : (rowHeight - p.height) / 2;
            if (shift <= 0)
                continue;
            for (std::size_t i = p.firstBox; i < p.lastBox; ++i)
                OffsetRect(&m_out.m_boxes[i].rect, 0, shift);
            for (std::size_t i = p.firstAnchor; i < p.lastAnchor; ++i)
                m_out.m_anchors[i].second += shift;
        }
        if (frame.cellBorder > 0)
            for (const Cell& cell : row.cells) {
                RECT rect {columnX[std::size_t(cell.column)], rowTop,
                           columnX[std::size_t(cell.column + cell.span)] - spacing,
                           Clamp((long long)rowTop + rowHeight)};
                AddFrame(rect, frame.cellBorder);
            }
        rowTop = Clamp((long long)rowTop + rowHeight + spacing);
    }
    int bottom = Clamp((long long)rowTop + frame.border);
    if (frame.border > 0 && !rows.empty())
        AddFrame(RECT {x0, top, Clamp((long long)x0 + width), bottom}, frame.border);
    flow.y = rows.empty() ? top : bottom;
    flow.hasContent = true;
    flow.spacePending = false;
}

void CHtmlLayoutBuilder::AddFrame(const RECT& rect, int border)
{
    CHtmlBox box;
    box.kind = HtmlBoxKind::Frame;
    box.rect = rect;
    box.border = border;
    box.colour = kTableBorderColour;
    m_out.m_boxes.push_back(box);
}

CHtmlLayoutBuilder::MinMax CHtmlLayoutBuilder::TableMinMax(const CHtmlNode& table, const Style& parent)
{
    auto found = m_measured.find(&table);
    if (found != m_measured.end())
        return found->second;
    Style style = Derive(table, parent);
    const TableFrame frame = FrameOf(table);
    std::vector<Row> rows = CollectRows(table, style);
    MinMax result;
    int used = 0;
    ColumnWidths(rows, frame, 0, 0, false, used);
    result.min = used;
    int usedMax = 0;
    ColumnWidths(rows, frame, 0, kMaxLayoutExtent, false, usedMax);
    result.max = std::max(used, usedMax);
    bool percent = false;
    int given = ParseLength(table.Attribute("width"), percent);
    if (given >= 0 && !percent) {
        result.min = std::max(result.min, std::min(given, kMaxLayoutExtent));
        result.max = std::max(result.min, given);
    }
    m_measured[&table] = result;
    return result;
}

CHtmlLayoutBuilder::MinMax CHtmlLayoutBuilder::Measure(const CHtmlNode& node, const Style& style)
{
    auto found = m_measured.find(&node);
    if (found != m_measured.end())
        return found->second;
    MinMax result;
    int line = 0;
    bool space = false;
    std::size_t links = m_out.m_links.size();
    MeasureInto(node, style, 0, result, line, space);
    // Links met while measuring are registered again when the cell is laid out.
    m_out.m_links.resize(links);
    result.max = std::max(result.max, line);
    m_measured[&node] = result;
    return result;
}

void CHtmlLayoutBuilder::MeasureInto(const CHtmlNode& node, const Style& style, int indent, MinMax& result, int& line,
                                     bool& space)
{
    for (const auto& childPtr : node.Children()) {
        const CHtmlNode& child = *childPtr;
        if (child.IsText()) {
            const std::string& text = child.Text();
            int font = FontFor(style);
            int spaceWidth = m_fonts.Metrics(font).spaceWidth;
            if (style.pre) {
                std::size_t pos = 0;
                while (pos <= text.size()) {
                    std::size_t end = text.find('\n', pos);
                    if (end == std::string::npos)
                        end = text.size();
                    int w = m_fonts.TextWidth(font, std::string_view(text).substr(pos, end - pos));
                    line = Clamp((long long)line + w);
                    result.min = std::max(result.min, indent + line);
                    if (end < text.size()) {
                        result.max = std::max(result.max, indent + line);
                        line = 0;
                    }
                    pos = end + 1;
                }
                continue;
            }
            std::size_t pos = 0;
            while (pos < text.size()) {
                if (IsSpace(text[pos])) {
                    space = line > 0;
                    ++pos;
                    continue;
                }
                std::size_t end = pos;
                while (end < text.size() && !IsSpace(text[end]))
                    ++end;
                int w = m_fonts.TextWidth(font, std::string_view(text).substr(pos, end - pos));
                result.min = std::max(result.min, indent + w);
                line = Clamp((long long)line + (space ? spaceWidth : 0) + w);
                space = false;
                pos = end;
            }
            continue;
        }
        HtmlTag tag = child.Tag();
        if (IsHidden(tag))
            continue;
        auto endLine = [&]() {
            result.max = std::max(result.max, indent + line);
            line = 0;
            space = false;
        };
        if (tag == HtmlTag::Br || tag == HtmlTag::Hr) {
            endLine();
            continue;
        }
        if (tag == HtmlTag::Img) {
            const CHtmlImage* image = nullptr;
            std::string source;
            SIZE size = ImageSize(child, style, image, source);
            int w = int(size.cx) + 2 * ParseInt(child.Attribute("border"), 0, 0, 100);
            result.min = std::max(result.min, indent + w);
            line = Clamp((long long)line + w);
            continue;
        }
        if (tag == HtmlTag::Table) {
            endLine();
            MinMax table = TableMinMax(child, style);
            result.min = std::max(result.min, indent + table.min);
            result.max = std::max(result.max, indent + table.max);
            continue;
        }
        Style childStyle = Derive(child, style);
        bool block = IsBlock(tag);
        if (block)
            endLine();
        int childIndent = IsList(tag) ? indent + kListIndent : indent;
        MeasureInto(child, childStyle, childIndent, result, line, space);
        if (block)
            endLine();
    }
}
