#include "html/HtmlDocument.h"
#include "html/HtmlConstants.h"
#include "html/HtmlParser.h"
#include "html/ResModuleCache.h"
#include "html/ResUrl.h"

namespace {

std::string CollapseSpaces(const std::string& text)
{
    std::string out;
    bool space = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
            space = !out.empty();
            continue;
        }
        if (space)
            out += ' ';
        space = false;
        out += c;
    }
    return out;
}

std::string EscapeText(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

bool ContainsNoCase(const std::string& text, const char* word)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return lower.find(word) != std::string::npos;
}

}  // namespace

CHtmlDocument::CHtmlDocument() : m_root(CHtmlParser::Parse("")) {}

CHtmlDocument::~CHtmlDocument() = default;

void CHtmlDocument::Reset(const std::string& address)
{
    m_root = CHtmlParser::Parse("");
    m_address = address;
    m_title.clear();
    m_haveTitle = false;
    m_styleSheet = CHtmlStyleSheet();
    m_images.clear();
}

bool CHtmlDocument::Load(const std::string& address, CResModuleCache& modules)
{
    std::string bytes;
    if (!modules.Read(address, bytes)) {
        Reset(address);
        return false;
    }
    LoadText(address, bytes, modules);
    return true;
}

void CHtmlDocument::LoadText(const std::string& address, std::string_view html, CResModuleCache& modules)
{
    Reset(address);
    m_root = CHtmlParser::Parse(html);
    Scan(*m_root, modules);
}

void CHtmlDocument::LoadErrorPage(const std::string& address)
{
    Reset(address);
    std::string shown = EscapeText(address.substr(0, HtmlConst::kMaxAddressLength));
    std::string html = "<html><body><h3>The page cannot be shown</h3>"
                       "<p>The address <b>" +
        shown + "</b> could not be opened.</p></body></html>";
    m_root = CHtmlParser::Parse(html);
}

std::string CHtmlDocument::Resolve(const std::string& reference) const
{
    if (reference.size() > HtmlConst::kMaxAddressLength)
        return std::string();
    std::string trimmed = CollapseSpaces(reference);
    return CResUrl::Resolve(m_address, trimmed);
}

const CHtmlImage* CHtmlDocument::Image(const std::string& address) const
{
    auto found = m_images.find(address);
    return found == m_images.end() ? nullptr : found->second.get();
}

// Collects the title, style sheets and images, in document order.
void CHtmlDocument::Scan(const CHtmlNode& node, CResModuleCache& modules)
{
    for (const auto& child : node.Children()) {
        switch (child->Tag()) {
        case HtmlTag::Title:
            if (!m_haveTitle) {
                m_title = CollapseSpaces(child->InnerText());
                m_haveTitle = true;
            }
            break;
        case HtmlTag::Style:
            m_styleSheet.Parse(child->InnerText());
            break;
        case HtmlTag::Link:
            LoadStyleLink(*child, modules);
            break;
        case HtmlTag::Img:
            if (const std::string* src = child->Attribute("src"))
                LoadImage(*src, modules);
            break;
        default:
            Scan(*child, modules);
            break;
        }
    }
}

void CHtmlDocument::LoadStyleLink(const CHtmlNode& link, CResModuleCache& modules)
{
    const std::string* rel = link.Attribute("rel");
    const std::string* href = link.Attribute("href");
    if (!rel || !href || !ContainsNoCase(*rel, "stylesheet"))
        return;
    std::string bytes;
    if (modules.Read(Resolve(*href), bytes))
        m_styleSheet.Parse(bytes);
}

void CHtmlDocument::LoadImage(const std::string& src, CResModuleCache& modules)
{
    std::string address = Resolve(src);
    if (address.empty() || m_images.count(address) || m_images.size() >= HtmlConst::kMaxImages)
        return;
    std::unique_ptr<CHtmlImage> image;
    std::string bytes;
    if (modules.Read(address, bytes)) {
        image = std::make_unique<CHtmlImage>();
        if (!image->Decode(bytes))
            image.reset();
    }
    m_images[address] = std::move(image);
}
