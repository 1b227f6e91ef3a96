#include "html/HtmlNode.h"

namespace {

struct TagName {
    const char* name;
    HtmlTag tag;
};

const TagName kTags[] = {
    {"html", HtmlTag::Html},   {"head", HtmlTag::Head},     {"title", HtmlTag::Title}, {"link", HtmlTag::Link},
    {"style", HtmlTag::Style}, {"script", HtmlTag::Script}, {"meta", HtmlTag::Meta},   {"body", HtmlTag::Body},
    {"b", HtmlTag::B},         {"strong", HtmlTag::Strong}, {"i", HtmlTag::I},         {"em", HtmlTag::Em},
    {"u", HtmlTag::U},         {"h1", HtmlTag::H1},         {"h2", HtmlTag::H2},       {"h3", HtmlTag::H3},
    {"p", HtmlTag::P},         {"br", HtmlTag::Br},         {"hr", HtmlTag::Hr},       {"ul", HtmlTag::Ul},
    {"ol", HtmlTag::Ol},       {"li", HtmlTag::Li},         {"div", HtmlTag::Div},     {"span", HtmlTag::Span},
    {"pre", HtmlTag::Pre},     {"font", HtmlTag::Font},     {"a", HtmlTag::A},         {"img", HtmlTag::Img},
    {"table", HtmlTag::Table}, {"tbody", HtmlTag::Tbody},   {"thead", HtmlTag::Thead}, {"tfoot", HtmlTag::Tfoot},
    {"tr", HtmlTag::Tr},       {"td", HtmlTag::Td},         {"th", HtmlTag::Th},
};

}  // namespace

HtmlTag CHtmlNode::TagFromName(const std::string& lowerName)
{
    for (const TagName& t : kTags)
        if (lowerName == t.name)
            return t.tag;
    return HtmlTag::Unknown;
}

const std::string* CHtmlNode::Attribute(const char* name) const
{
    for (const auto& a : m_attributes)
        if (a.first == name)
            return &a.second;
    return nullptr;
}

CHtmlNode* CHtmlNode::AppendChild(std::unique_ptr<CHtmlNode> child)
{
    child->m_parent = this;
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

std::string CHtmlNode::InnerText() const
{
    if (IsText())
        return m_text;
    std::string text;
    for (const auto& child : m_children)
        text += child->InnerText();
    return text;
}

const CHtmlNode* CHtmlNode::Find(HtmlTag tag) const
{
    for (const auto& child : m_children) {
        if (child->m_tag == tag)
            return child.get();
        if (const CHtmlNode* found = child->Find(tag))
            return found;
    }
    return nullptr;
}
