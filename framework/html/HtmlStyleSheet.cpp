#include "html/HtmlStyleSheet.h"
#include "html/HtmlAscii.h"
#include "html/HtmlConstants.h"

#include <cstdlib>
#include <cstring>

namespace {

std::string_view Trim(std::string_view text)
{
    const char* spaces = " \t\r\n\f";
    std::size_t first = text.find_first_not_of(spaces);
    if (first == std::string_view::npos)
        return {};
    std::size_t last = text.find_last_not_of(spaces);
    return text.substr(first, last - first + 1);
}

int HexDigit(char c)
{
    c = HtmlLower(c);
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

struct NamedColour {
    const char* name;
    COLORREF colour;
};

const NamedColour kColours[] = {
    {"black", RGB(0, 0, 0)},      {"silver", RGB(192, 192, 192)}, {"gray", RGB(128, 128, 128)},
    {"grey", RGB(128, 128, 128)}, {"white", RGB(255, 255, 255)},  {"maroon", RGB(128, 0, 0)},
    {"red", RGB(255, 0, 0)},      {"purple", RGB(128, 0, 128)},   {"fuchsia", RGB(255, 0, 255)},
    {"green", RGB(0, 128, 0)},    {"lime", RGB(0, 255, 0)},       {"olive", RGB(128, 128, 0)},
    {"yellow", RGB(255, 255, 0)}, {"navy", RGB(0, 0, 128)},       {"blue", RGB(0, 0, 255)},
    {"teal", RGB(0, 128, 128)},   {"aqua", RGB(0, 255, 255)},
};

// "9pt", "10.5pt" in tenths of a point; 0 when not a size in points.
int ParsePoints(std::string_view text)
{
    std::string value = HtmlLowerCopy(Trim(text));
    if (value.size() < 3 || value.compare(value.size() - 2, 2, "pt") != 0)
        return 0;
    value.resize(value.size() - 2);
    char* end = nullptr;
    double points = std::strtod(value.c_str(), &end);
    if (end == value.c_str() || *end != '\0' || !(points > 0))
        return 0;
    double tenths = points * 10.0 + 0.5;
    if (tenths < HtmlConst::kMinFontSize)
        return HtmlConst::kMinFontSize;
    if (tenths > HtmlConst::kMaxFontSize)
        return HtmlConst::kMaxFontSize;
    return int(tenths);
}

std::string StripComments(std::string_view css)
{
    std::string out;
    out.reserve(css.size());
    for (std::size_t i = 0; i < css.size();) {
        if (css.compare(i, 2, "/*") == 0) {
            std::size_t end = css.find("*/", i + 2);
            i = (end == std::string_view::npos) ? css.size() : end + 2;
            out += ' ';
        } else {
            out += css[i++];
        }
    }
    return out;
}

// Index of the brace that closes the block opening at css[open], or npos.
std::size_t MatchingBrace(std::string_view css, std::size_t open)
{
    int depth = 0;
    for (std::size_t i = open; i < css.size(); ++i) {
        if (css[i] == '{')
            ++depth;
        else if (css[i] == '}' && --depth == 0)
            return i;
    }
    return std::string_view::npos;
}

CHtmlStyleDecl ParseDeclarations(std::string_view text)
{
    CHtmlStyleDecl decl;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find(';', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view item = text.substr(pos, end - pos);
        pos = end + 1;
        std::size_t colon = item.find(':');
        if (colon == std::string_view::npos)
            continue;
        std::string property = HtmlLowerCopy(Trim(item.substr(0, colon)));
        std::string_view value = Trim(item.substr(colon + 1));
        std::size_t important = value.find('!');
        if (important != std::string_view::npos)
            value = Trim(value.substr(0, important));
        if (property == "font-family") {
            decl.families = CHtmlStyleSheet::ParseFamilies(value);
        } else if (property == "font-size") {
            if (int size = ParsePoints(value))
                decl.fontSize = size;
        } else if (property == "color") {
            decl.hasColour = CHtmlStyleSheet::ParseColour(value, decl.colour) || decl.hasColour;
        } else if (property == "text-decoration") {
            std::string v = HtmlLowerCopy(value);
            if (v.find("underline") != std::string::npos)
                decl.underline = 1;
            else if (v == "none")
                decl.underline = 0;
        }
    }
    return decl;
}

}  // namespace

void CHtmlStyleDecl::MergeFrom(const CHtmlStyleDecl& later)
{
    if (!later.families.empty())
        families = later.families;
    if (later.fontSize)
        fontSize = later.fontSize;
    if (later.hasColour) {
        hasColour = true;
        colour = later.colour;
    }
    if (later.underline >= 0)
        underline = later.underline;
}

bool CHtmlStyleSheet::ParseColour(std::string_view text, COLORREF& colour)
{
    std::string value = HtmlLowerCopy(Trim(text));
    for (const NamedColour& c : kColours)
        if (value == c.name) {
            colour = c.colour;
            return true;
        }
    if (!value.empty() && value[0] == '#')
        value.erase(0, 1);
    int d[6] = {};
    for (std::size_t i = 0; i < value.size() && i < 6; ++i)
        if ((d[i] = HexDigit(value[i])) < 0)
            return false;
    if (value.size() == 3) {
        colour = RGB(d[0] * 17, d[1] * 17, d[2] * 17);
        return true;
    }
    if (value.size() == 6) {
        colour = RGB(d[0] * 16 + d[1], d[2] * 16 + d[3], d[4] * 16 + d[5]);
        return true;
    }
    return false;
}

std::vector<std::string> CHtmlStyleSheet::ParseFamilies(std::string_view text)
{
    std::vector<std::string> families;
    std::size_t pos = 0;
    while (pos <= text.size() && families.size() < 16) {
        std::size_t end = text.find(',', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view name = Trim(text.substr(pos, end - pos));
        if (name.size() >= 2 && (name[0] == '"' || name[0] == '\'') && name.back() == name[0])
            name = Trim(name.substr(1, name.size() - 2));
        if (!name.empty() && name.size() < LF_FACESIZE)
            families.emplace_back(name);
        pos = end + 1;
    }
    return families;
}

void CHtmlStyleSheet::Parse(std::string_view source)
{
    std::string css = StripComments(source);
    std::string_view text(css);
    std::size_t pos = 0;
    while (pos < text.size() && m_rules.size() < HtmlConst::kMaxStyleRules) {
        std::size_t open = text.find('{', pos);
        if (open == std::string_view::npos)
            return;
        std::string_view prelude = Trim(text.substr(pos, open - pos));
        std::size_t close = MatchingBrace(text, open);
        if (close == std::string_view::npos)
            close = text.size();
        // At-rules end at a semicolon before their block; the block is skipped.
        std::size_t semicolon = prelude.rfind(';');
        if (semicolon != std::string_view::npos)
            prelude = Trim(prelude.substr(semicolon + 1));
        if (!prelude.empty() && prelude[0] != '@')
            AddRule(prelude, text.substr(open + 1, close - open - 1));
        pos = close + 1;
    }
}

void CHtmlStyleSheet::AddRule(std::string_view selectors, std::string_view declarations)
{
    CHtmlStyleDecl decl = ParseDeclarations(declarations);
    std::size_t pos = 0;
    while (pos <= selectors.size() && m_rules.size() < HtmlConst::kMaxStyleRules) {
        std::size_t end = selectors.find(',', pos);
        if (end == std::string_view::npos)
            end = selectors.size();
        std::string selector = HtmlLowerCopy(Trim(selectors.substr(pos, end - pos)));
        pos = end + 1;
        Rule rule;
        std::size_t colon = selector.find(':');
        rule.element = selector.substr(0, colon);
        if (colon != std::string::npos) {
            std::string pseudo = selector.substr(colon + 1);
            if (pseudo == "hover")
                rule.hover = true;
            else if (pseudo != "link" && pseudo != "visited")
                continue;
        }
        bool simple = !rule.element.empty();
        for (char c : rule.element)
            simple = simple && ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'));
        if (!simple)
            continue;
        rule.decl = decl;
        m_rules.push_back(std::move(rule));
    }
}

CHtmlStyleDecl CHtmlStyleSheet::Collect(const std::string& element, bool hover) const
{
    CHtmlStyleDecl result;
    for (const Rule& rule : m_rules)
        if (rule.hover == hover && rule.element == element)
            result.MergeFrom(rule.decl);
    return result;
}

CHtmlStyleDecl CHtmlStyleSheet::ForElement(const std::string& element) const
{
    return Collect(element, false);
}

CHtmlStyleDecl CHtmlStyleSheet::ForHover(const std::string& element) const
{
    return Collect(element, true);
}
