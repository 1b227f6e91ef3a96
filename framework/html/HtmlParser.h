// Builds a node tree from HTML bytes the way browsers forgive: implied end
// tags, stray end tags ignored, unclosed elements closed at the end. Depth and
// node count are bounded.
#pragma once
#include "html/HtmlNode.h"

#include <memory>
#include <string_view>
#include <vector>

class CHtmlParser {
public:
    // Returns the document node; never null.
    static std::unique_ptr<CHtmlNode> Parse(std::string_view source);

private:
    explicit CHtmlParser(CHtmlNode* document) : m_open {document} {}

    void OnText(const std::string& text);
    void OnStartTag(CHtmlToken& token);
    void OnEndTag(const CHtmlToken& token);
    void CloseImplied(HtmlTag tag);
    // Index in m_open of the innermost open element with the tag, searching down
    // to (not through) the first element of stopAt; -1 when not open.
    int FindOpen(HtmlTag tag, std::initializer_list<HtmlTag> stopAt) const;
    void PopTo(int index);  // closes m_open[index] and everything inside it
    CHtmlNode* Current() const { return m_open.back(); }

    std::vector<CHtmlNode*> m_open;
    std::size_t m_nodes = 1;
};
