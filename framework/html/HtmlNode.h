// One node of a parsed page: an element with attributes and children, or text.
#pragma once
#include "html/HtmlTokenizer.h"

#include <memory>
#include <string>
#include <vector>

enum class HtmlTag {
    Text,
    Document,
    Unknown,
    Html,
    Head,
    Title,
    Link,
    Style,
    Script,
    Meta,
    Body,
    B,
    Strong,
    I,
    Em,
    U,
    H1,
    H2,
    H3,
    P,
    Br,
    Hr,
    Ul,
    Ol,
    Li,
    Div,
    Span,
    Pre,
    Font,
    A,
    Img,
    Table,
    Tbody,
    Thead,
    Tfoot,
    Tr,
    Td,
    Th,
};

class CHtmlNode {
public:
    CHtmlNode(HtmlTag tag, std::string name) : m_tag(tag), m_name(std::move(name)) {}
    CHtmlNode(const CHtmlNode&) = delete;
    CHtmlNode& operator=(const CHtmlNode&) = delete;

    static HtmlTag TagFromName(const std::string& lowerName);

    HtmlTag Tag() const { return m_tag; }
    const std::string& Name() const { return m_name; }
    bool IsText() const { return m_tag == HtmlTag::Text; }

    // Text of a text node.
    const std::string& Text() const { return m_text; }
    void AppendText(const std::string& text) { m_text += text; }

    // Attribute value, or null when absent; names are lower case.
    const std::string* Attribute(const char* name) const;
    void SetAttributes(CHtmlAttributes attributes) { m_attributes = std::move(attributes); }

    CHtmlNode* Parent() const { return m_parent; }
    const std::vector<std::unique_ptr<CHtmlNode>>& Children() const { return m_children; }
    CHtmlNode* AppendChild(std::unique_ptr<CHtmlNode> child);

    // The concatenated text of all descendants.
    std::string InnerText() const;
    // The first descendant (depth first) with this tag, or null.
    const CHtmlNode* Find(HtmlTag tag) const;

private:
    HtmlTag m_tag;
    std::string m_name;
    std::string m_text;
    CHtmlAttributes m_attributes;
    CHtmlNode* m_parent = nullptr;
    std::vector<std::unique_ptr<CHtmlNode>> m_children;
};
