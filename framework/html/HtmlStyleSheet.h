// The style sheet subset: element selectors and a:hover, with font-family,
// font-size in points, color and text-decoration.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

struct CHtmlStyleDecl {
    std::vector<std::string> families;  // empty when not set
    int fontSize = 0;                   // tenths of a point; 0 when not set
    bool hasColour = false;
    COLORREF colour = 0;
    int underline = -1;  // -1 not set, 0 none, 1 underline

    void MergeFrom(const CHtmlStyleDecl& later);
};

class CHtmlStyleSheet {
public:
    // Adds the rules of a style sheet text; what is not understood is skipped.
    void Parse(std::string_view css);

    // The declarations that apply to an element (lower-case name), in sheet order.
    CHtmlStyleDecl ForElement(const std::string& element) const;
    CHtmlStyleDecl ForHover(const std::string& element) const;
    std::size_t RuleCount() const { return m_rules.size(); }

    // "#rgb", "#rrggbb", "rrggbb" and the sixteen colour names.
    static bool ParseColour(std::string_view text, COLORREF& colour);
    // A comma-separated list of family names, quoted or not.
    static std::vector<std::string> ParseFamilies(std::string_view text);

private:
    struct Rule {
        std::string element;
        bool hover = false;
        CHtmlStyleDecl decl;
    };
    void AddRule(std::string_view selectors, std::string_view declarations);
    CHtmlStyleDecl Collect(const std::string& element, bool hover) const;

    std::vector<Rule> m_rules;
};
