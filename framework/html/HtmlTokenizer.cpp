#include "html/HtmlTokenizer.h"
#include "html/HtmlAscii.h"
#include "html/HtmlConstants.h"

#include <cstring>

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsAlpha(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Latin-1 entity names for the codes 160 to 255, in code order.
const char* const kLatin1Names[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
    "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
    "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
    "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
    "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
    "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

struct NamedChar {
    const char* name;
    unsigned code;
};

// Further common names, and the code points above 255 that the Western
// Windows code page can still show.
const NamedChar kOtherNames[] = {
    {"amp", '&'},     {"lt", '<'},      {"gt", '>'},      {"quot", '"'},   {"apos", '\''},   {"ndash", 8211},
    {"mdash", 8212},  {"lsquo", 8216},  {"rsquo", 8217},  {"sbquo", 8218}, {"ldquo", 8220},  {"rdquo", 8221},
    {"bdquo", 8222},  {"dagger", 8224}, {"Dagger", 8225}, {"bull", 8226},  {"hellip", 8230}, {"permil", 8240},
    {"lsaquo", 8249}, {"rsaquo", 8250}, {"euro", 8364},   {"trade", 8482}, {"OElig", 338},   {"oelig", 339},
    {"Scaron", 352},  {"scaron", 353},  {"Yuml", 376},    {"fnof", 402},   {"circ", 710},    {"tilde", 732},
};

struct CodeByte {
    unsigned code;
    unsigned char byte;
};

const CodeByte kWesternExtras[] = {
    {8364, 0x80}, {8218, 0x82}, {402, 0x83},  {8222, 0x84}, {8230, 0x85}, {8224, 0x86}, {8225, 0x87},
    {710, 0x88},  {8240, 0x89}, {352, 0x8A},  {8249, 0x8B}, {338, 0x8C},  {8216, 0x91}, {8217, 0x92},
    {8220, 0x93}, {8221, 0x94}, {8226, 0x95}, {8211, 0x96}, {8212, 0x97}, {732, 0x98},  {8482, 0x99},
    {353, 0x9A},  {8250, 0x9B}, {339, 0x9C},  {376, 0x9F},
};

// The byte that shows a code point on a Western page; '?' when there is none.
char ByteForCode(unsigned code)
{
    if (code == 9 || code == 10 || code == 13 || (code >= 32 && code < 127) || (code >= 160 && code <= 255))
        return char(code);
    for (const CodeByte& e : kWesternExtras)
        if (e.code == code)
            return char(e.byte);
    return '?';
}

bool LookUpName(std::string_view name, unsigned& code)
{
    for (int i = 0; i < 96; ++i)
        if (name == kLatin1Names[i]) {
            code = 160u + unsigned(i);
            return true;
        }
    for (const NamedChar& e : kOtherNames)
        if (name == e.name) {
            code = e.code;
            return true;
        }
    return false;
}

// Reads one character reference at text[pos] ('&'); on success appends the
// character and advances pos past the reference.
bool DecodeOne(std::string_view text, std::size_t& pos, std::string& out)
{
    std::size_t p = pos + 1;
    if (p < text.size() && text[p] == '#') {
        ++p;
        bool hex = p < text.size() && (text[p] == 'x' || text[p] == 'X');
        if (hex)
            ++p;
        std::size_t start = p;
        unsigned value = 0;
        while (p < text.size() && p - start < 8) {
            char c = text[p];
            int digit = IsDigit(c)                                    ? c - '0'
                : (hex && HtmlLower(c) >= 'a' && HtmlLower(c) <= 'f') ? HtmlLower(c) - 'a' + 10
                                                                      : -1;
            if (digit < 0)
                break;
            value = value * (hex ? 16u : 10u) + unsigned(digit);
            ++p;
        }
        if (p == start)
            return false;
        if (p < text.size() && text[p] == ';')
            ++p;
        out += ByteForCode(value);
        pos = p;
        return true;
    }
    std::size_t start = p;
    while (p < text.size() && p - start <= HtmlConst::kMaxEntityName && (IsAlpha(text[p]) || IsDigit(text[p])))
        ++p;
    unsigned code = 0;
    if (p == start)
        return false;
    if (LookUpName(text.substr(start, p - start), code)) {
        if (p < text.size() && text[p] == ';')
            ++p;
    } else {
        // Without a semicolon the longest known name at the start counts ("&lt3").
        if (p < text.size() && text[p] == ';')
            return false;
        std::size_t end = p;
        while (end > start + 2 && !LookUpName(text.substr(start, end - 1 - start), code))
            --end;
        if (end <= start + 2)
            return false;
        p = end - 1;
    }
    out += ByteForCode(code);
    pos = p;
    return true;
}

bool StartsWithNoCase(std::string_view text, std::size_t pos, std::string_view prefix)
{
    if (text.size() - pos < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (HtmlLower(text[pos + i]) != HtmlLower(prefix[i]))
            return false;
    return true;
}

bool IsRawTextElement(const std::string& name)
{
    return name == "style" || name == "script" || name == "title" || name == "textarea";
}

}  // namespace

std::string CHtmlTokenizer::DecodeEntities(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        if (text[pos] == '&' && DecodeOne(text, pos, out))
            continue;
        out += text[pos++];
    }
    return out;
}

bool CHtmlTokenizer::Next(CHtmlToken& token)
{
    token = CHtmlToken();
    if (!m_rawEnd.empty()) {
        ReadRawText(token);
        if (!token.text.empty())
            return true;
    }
    while (!AtEnd()) {
        if (m_src[m_pos] == '<') {
            std::size_t save = m_pos;
            if (ReadTag(token))
                return true;
            if (m_pos != save)
                continue;  // a comment or declaration was skipped
        }
        // Text up to the next '<' that may start markup; a lone '<' is text.
        std::size_t start = m_pos++;
        while (!AtEnd() && m_src[m_pos] != '<')
            ++m_pos;
        token.kind = CHtmlToken::Text;
        token.text = DecodeEntities(m_src.substr(start, m_pos - start));
        return true;
    }
    token.kind = CHtmlToken::End;
    return false;
}

void CHtmlTokenizer::ReadRawText(CHtmlToken& token)
{
    std::string closing = "</" + m_rawEnd;
    std::size_t end = m_pos;
    while (end < m_src.size() && !StartsWithNoCase(m_src, end, closing))
        ++end;
    std::string_view raw = m_src.substr(m_pos, end - m_pos);
    token.kind = CHtmlToken::Text;
    token.text = (m_rawEnd == "title" || m_rawEnd == "textarea") ? DecodeEntities(raw) : std::string(raw);
    m_pos = end;
    m_rawEnd.clear();
}

void CHtmlTokenizer::SkipComment()
{
    if (m_src.compare(m_pos, 4, "<!--") == 0) {
        std::size_t end = m_src.find("-->", m_pos + 4);
        m_pos = (end == std::string_view::npos) ? m_src.size() : end + 3;
        return;
    }
    std::size_t end = m_src.find('>', m_pos);
    m_pos = (end == std::string_view::npos) ? m_src.size() : end + 1;
}

// At '<': reads a tag into token and returns true; skips comments and
// declarations (returns false with m_pos moved); returns false with m_pos
// unchanged when the '<' is plain text.
bool CHtmlTokenizer::ReadTag(CHtmlToken& token)
{
    std::size_t p = m_pos + 1;
    if (p >= m_src.size())
        return false;
    char c = m_src[p];
    if (c == '!' || c == '?') {
        SkipComment();
        return false;
    }
    bool end = (c == '/');
    if (end)
        ++p;
    if (p >= m_src.size() || !IsAlpha(m_src[p])) {
        if (end && p < m_src.size() && m_src[p] == '>') {
            m_pos = p + 1;  // "</>" is dropped
            return false;
        }
        return false;
    }
    std::string name;
    while (p < m_src.size() && !IsSpace(m_src[p]) && m_src[p] != '>' && m_src[p] != '/') {
        if (name.size() < HtmlConst::kMaxNameLength)
            name += HtmlLower(m_src[p]);
        ++p;
    }
    m_pos = p;
    token.kind = end ? CHtmlToken::EndTag : CHtmlToken::StartTag;
    token.name = name;
    ReadAttributes(token);
    if (end) {
        token.attributes.clear();
        token.selfClosing = false;
    } else if (IsRawTextElement(name) && !token.selfClosing) {
        m_rawEnd = name;
    }
    return true;
}

void CHtmlTokenizer::ReadAttributes(CHtmlToken& token)
{
    for (;;) {
        while (!AtEnd() && IsSpace(m_src[m_pos]))
            ++m_pos;
        if (AtEnd())
            return;
        char c = m_src[m_pos];
        if (c == '>') {
            ++m_pos;
            return;
        }
        if (c == '/') {
            ++m_pos;
            if (!AtEnd() && m_src[m_pos] == '>') {
                token.selfClosing = true;
                ++m_pos;
                return;
            }
            continue;
        }
        std::size_t attributeStart = m_pos;
        std::string name;
        while (!AtEnd() && !IsSpace(m_src[m_pos]) && m_src[m_pos] != '>' && m_src[m_pos] != '=' &&
               !(m_src[m_pos] == '/' && !name.empty())) {
            if (name.size() < HtmlConst::kMaxNameLength)
                name += HtmlLower(m_src[m_pos]);
            ++m_pos;
        }
        while (!AtEnd() && IsSpace(m_src[m_pos]))
            ++m_pos;
        std::string_view value;
        if (!AtEnd() && m_src[m_pos] == '=') {
            ++m_pos;
            while (!AtEnd() && IsSpace(m_src[m_pos]))
                ++m_pos;
            if (!AtEnd() && (m_src[m_pos] == '"' || m_src[m_pos] == '\'')) {
                char quote = m_src[m_pos++];
                std::size_t start = m_pos;
                while (!AtEnd() && m_src[m_pos] != quote)
                    ++m_pos;
                value = m_src.substr(start, m_pos - start);
                if (!AtEnd())
                    ++m_pos;
            } else {
                std::size_t start = m_pos;
                while (!AtEnd() && !IsSpace(m_src[m_pos]) && m_src[m_pos] != '>')
                    ++m_pos;
                value = m_src.substr(start, m_pos - start);
            }
        }
        if (name.empty()) {
            if (m_pos == attributeStart)
                ++m_pos;  // a stray character: step over it
            continue;
        }
        bool seen = false;
        for (const auto& a : token.attributes)
            seen = seen || a.first == name;
        if (seen || token.attributes.size() >= HtmlConst::kMaxAttributes)
            continue;
        if (value.size() > HtmlConst::kMaxAttributeValue)
            value = value.substr(0, HtmlConst::kMaxAttributeValue);
        token.attributes.emplace_back(name, DecodeEntities(value));
    }
}
