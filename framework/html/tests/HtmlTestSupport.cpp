#include "HtmlTestSupport.h"
#include "html/HtmlNode.h"

std::string PageAddress(const char* name)
{
    return std::string("res://") + kTestModule + "/" + name;
}

std::string Outline(const CHtmlNode& node)
{
    if (node.IsText())
        return node.Text();
    std::string out;
    bool element = node.Tag() != HtmlTag::Document;
    if (element)
        out += "<" + node.Name() + ">";
    for (const auto& child : node.Children())
        out += Outline(*child);
    if (element)
        out += "</" + node.Name() + ">";
    return out;
}
