#include "html/HtmlParser.h"
#include "html/HtmlConstants.h"

#include <algorithm>

namespace {

bool IsVoid(HtmlTag tag, const std::string& name)
{
    switch (tag) {
    case HtmlTag::Br:
    case HtmlTag::Hr:
    case HtmlTag::Img:
    case HtmlTag::Link:
    case HtmlTag::Meta:
        return true;
    default:
        return name == "input" || name == "area" || name == "base" || name == "col" || name == "param" ||
            name == "wbr" || name == "basefont" || name == "frame";
    }
}

// Starting one of these closes an open paragraph.
bool ClosesParagraph(HtmlTag tag)
{
    switch (tag) {
    case HtmlTag::P:
    case HtmlTag::Div:
    case HtmlTag::H1:
    case HtmlTag::H2:
    case HtmlTag::H3:
    case HtmlTag::Ul:
    case HtmlTag::Ol:
    case HtmlTag::Li:
    case HtmlTag::Pre:
    case HtmlTag::Table:
    case HtmlTag::Hr:
        return true;
    default:
        return false;
    }
}

bool IsHeading(HtmlTag tag)
{
    return tag == HtmlTag::H1 || tag == HtmlTag::H2 || tag == HtmlTag::H3;
}

bool IsTableSection(HtmlTag tag)
{
    return tag == HtmlTag::Tbody || tag == HtmlTag::Thead || tag == HtmlTag::Tfoot;
}

bool IsTablePart(HtmlTag tag)
{
    return tag == HtmlTag::Table || IsTableSection(tag) || tag == HtmlTag::Tr || tag == HtmlTag::Td ||
        tag == HtmlTag::Th;
}

}  // namespace

std::unique_ptr<CHtmlNode> CHtmlParser::Parse(std::string_view source)
{
    auto document = std::make_unique<CHtmlNode>(HtmlTag::Document, std::string());
    if (source.size() > HtmlConst::kMaxResourceBytes)
        source = source.substr(0, HtmlConst::kMaxResourceBytes);
    CHtmlParser parser(document.get());
    CHtmlTokenizer tokenizer(source);
    CHtmlToken token;
    while (tokenizer.Next(token)) {
        if (token.kind == CHtmlToken::Text)
            parser.OnText(token.text);
        else if (token.kind == CHtmlToken::StartTag)
            parser.OnStartTag(token);
        else if (token.kind == CHtmlToken::EndTag)
            parser.OnEndTag(token);
    }
    return document;
}

void CHtmlParser::OnText(const std::string& text)
{
    CHtmlNode* parent = Current();
    if (!parent->Children().empty() && parent->Children().back()->IsText()) {
        parent->Children().back()->AppendText(text);
        return;
    }
    if (m_nodes >= HtmlConst::kMaxNodes)
        return;
    auto node = std::make_unique<CHtmlNode>(HtmlTag::Text, std::string());
    node->AppendText(text);
    parent->AppendChild(std::move(node));
    ++m_nodes;
}

int CHtmlParser::FindOpen(HtmlTag tag, std::initializer_list<HtmlTag> stopAt) const
{
    for (int i = int(m_open.size()) - 1; i > 0; --i) {
        HtmlTag open = m_open[std::size_t(i)]->Tag();
        if (open == tag)
            return i;
        if (std::find(stopAt.begin(), stopAt.end(), open) != stopAt.end())
            return -1;
    }
    return -1;
}

void CHtmlParser::PopTo(int index)
{
    if (index > 0)
        m_open.resize(std::size_t(index));
}

void CHtmlParser::CloseImplied(HtmlTag tag)
{
    const auto cellScope = {HtmlTag::Td, HtmlTag::Th, HtmlTag::Table};
    if (ClosesParagraph(tag))
        PopTo(FindOpen(HtmlTag::P, cellScope));
    if (IsHeading(tag) && IsHeading(Current()->Tag()))
        PopTo(int(m_open.size()) - 1);
    if (tag == HtmlTag::Li)
        PopTo(FindOpen(HtmlTag::Li, {HtmlTag::Ul, HtmlTag::Ol, HtmlTag::Td, HtmlTag::Th, HtmlTag::Table}));
    const auto rowScope = {HtmlTag::Table};
    if (tag == HtmlTag::Td || tag == HtmlTag::Th || tag == HtmlTag::Tr || IsTableSection(tag)) {
        int cell = std::max(FindOpen(HtmlTag::Td, rowScope), FindOpen(HtmlTag::Th, rowScope));
        PopTo(cell);
    }
    if (tag == HtmlTag::Tr || IsTableSection(tag))
        PopTo(FindOpen(HtmlTag::Tr, rowScope));
    if (IsTableSection(tag)) {
        for (HtmlTag section : {HtmlTag::Tbody, HtmlTag::Thead, HtmlTag::Tfoot})
            PopTo(FindOpen(section, rowScope));
    }
}

void CHtmlParser::OnStartTag(CHtmlToken& token)
{
    HtmlTag tag = CHtmlNode::TagFromName(token.name);
    if (tag == HtmlTag::Unknown && token.name.empty())
        return;
    CloseImplied(tag);
    // A cell directly in a table or section gets the row it implies.
    HtmlTag current = Current()->Tag();
    bool needsRow =
        (tag == HtmlTag::Td || tag == HtmlTag::Th) && (current == HtmlTag::Table || IsTableSection(current));
    if (m_nodes + 2 > HtmlConst::kMaxNodes)
        return;
    if (int(m_open.size()) > HtmlConst::kMaxTreeDepth)
        return;  // too deep: not opened
    if (needsRow) {
        CHtmlNode* row = Current()->AppendChild(std::make_unique<CHtmlNode>(HtmlTag::Tr, "tr"));
        m_open.push_back(row);
        ++m_nodes;
    }
    auto node = std::make_unique<CHtmlNode>(tag, token.name);
    node->SetAttributes(std::move(token.attributes));
    CHtmlNode* added = Current()->AppendChild(std::move(node));
    ++m_nodes;
    if (!IsVoid(tag, token.name) && !token.selfClosing)
        m_open.push_back(added);
}

void CHtmlParser::OnEndTag(const CHtmlToken& token)
{
    HtmlTag tag = CHtmlNode::TagFromName(token.name);
    if (tag == HtmlTag::Br) {
        CHtmlToken br;
        br.name = "br";
        OnStartTag(br);
        return;
    }
    // An end tag does not reach out of a table cell, except the table's own parts.
    int index = -1;
    for (int i = int(m_open.size()) - 1; i > 0; --i) {
        const CHtmlNode* open = m_open[std::size_t(i)];
        if (open->Name() == token.name) {
            index = i;
            break;
        }
        if (!IsTablePart(tag) &&
            (open->Tag() == HtmlTag::Td || open->Tag() == HtmlTag::Th || open->Tag() == HtmlTag::Table))
            break;
        if (IsTablePart(tag) && open->Tag() == HtmlTag::Table && tag != HtmlTag::Table)
            break;
    }
    PopTo(index);
}
