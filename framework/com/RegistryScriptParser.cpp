#include "com/RegistryScriptParser.h"

#include <cstdlib>
#include <cstring>

namespace {
const char kDelimiters[] = "{}='";

struct RootName {
    const char* name;
    HKEY root;
};

const RootName kRoots[] = {
    {"HKCR", HKEY_CLASSES_ROOT},  {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    {"HKCU", HKEY_CURRENT_USER},  {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKLM", HKEY_LOCAL_MACHINE}, {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {"HKU", HKEY_USERS},          {"HKEY_USERS", HKEY_USERS},
};

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsDelimiter(char c)
{
    return IsSpace(c) || c == '\0' || std::strchr(kDelimiters, c) != nullptr;
}

bool SameText(const std::string& a, const char* b)
{
    return lstrcmpiA(a.c_str(), b) == 0;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool ParseNumber(const std::string& text, DWORD& number)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 0);
    if (*end != '\0' || value > 0xFFFFFFFFull || text[0] == '-')
        return false;
    number = static_cast<DWORD>(value);
    return true;
}

bool ParseBytes(const std::string& text, std::vector<BYTE>& bytes)
{
    if (text.size() % 2 != 0)
        return false;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes.push_back(static_cast<BYTE>(high * 16 + low));
    }
    return true;
}
}  // namespace

CRegistryScriptParser::CRegistryScriptParser(const std::map<std::string, std::string>& replacements)
    : m_replacements(replacements)
{}

bool CRegistryScriptParser::Parse(const std::string& script, std::vector<RegistryRootNode>& roots)
{
    m_script = script;
    m_pos = 0;
    m_peeked = false;
    roots.clear();
    for (;;) {
        Token token = Next();
        if (token.kind == End)
            return true;
        if (token.kind != Word)
            return false;
        RegistryRootNode node;
        for (const RootName& root : kRoots) {
            if (SameText(token.text, root.name))
                node.root = root.root;
        }
        if (node.root == nullptr || Next().kind != OpenBrace || !ParseKeys(node.keys, nullptr))
            return false;
        roots.push_back(std::move(node));
    }
}

// Keys and, inside a key (owner), named values, up to the closing brace.
bool CRegistryScriptParser::ParseKeys(std::vector<RegistryKeyNode>& keys, RegistryKeyNode* owner)
{
    for (;;) {
        Token token = Next();
        if (token.kind == CloseBrace)
            return true;
        if (token.kind == Word && owner != nullptr && SameText(token.text, "val")) {
            Token name = Next();
            if (name.kind != Word && name.kind != Quoted)
                return false;
            RegistryValue value;
            value.name = name.text;
            if (value.name.empty() || Next().kind != Equals || !ParseValue(value))
                return false;
            owner->values.push_back(std::move(value));
            continue;
        }
        RegistryKeyNode key;
        if (!ParseKey(token, key))
            return false;
        keys.push_back(std::move(key));
    }
}

bool CRegistryScriptParser::ParseKey(const Token& first, RegistryKeyNode& key)
{
    Token name = first;
    if (name.kind == Word) {
        if (SameText(name.text, "NoRemove"))
            key.flag = RegistryKeyNode::NoRemove;
        else if (SameText(name.text, "ForceRemove"))
            key.flag = RegistryKeyNode::ForceRemove;
        else if (SameText(name.text, "Delete"))
            key.flag = RegistryKeyNode::Delete;
        if (key.flag != RegistryKeyNode::Normal)
            name = Next();
    }
    if ((name.kind != Word && name.kind != Quoted) || name.text.empty())
        return false;
    key.name = name.text;
    if (Peek().kind == Equals) {
        Next();
        key.hasDefault = true;
        if (!ParseValue(key.defaultValue))
            return false;
    }
    if (Peek().kind == OpenBrace) {
        Next();
        return ParseKeys(key.children, &key);
    }
    return true;
}

bool CRegistryScriptParser::ParseValue(RegistryValue& value)
{
    const Token type = Next();
    const Token text = Next();
    if (type.kind != Word || (text.kind != Quoted && text.kind != Word))
        return false;
    if (SameText(type.text, "s")) {
        value.type = REG_SZ;
        value.data.assign(text.text.begin(), text.text.end());
        value.data.push_back(0);
        return true;
    }
    if (SameText(type.text, "d")) {
        DWORD number = 0;
        if (!ParseNumber(text.text, number))
            return false;
        value.type = REG_DWORD;
        value.data.resize(sizeof(number));
        std::memcpy(value.data.data(), &number, sizeof(number));
        return true;
    }
    if (SameText(type.text, "b")) {
        value.type = REG_BINARY;
        return ParseBytes(text.text, value.data);
    }
    return false;
}

CRegistryScriptParser::Token CRegistryScriptParser::Next()
{
    if (m_peeked) {
        m_peeked = false;
        return m_peek;
    }
    return Scan();
}

const CRegistryScriptParser::Token& CRegistryScriptParser::Peek()
{
    if (!m_peeked) {
        m_peek = Scan();
        m_peeked = true;
    }
    return m_peek;
}

CRegistryScriptParser::Token CRegistryScriptParser::Scan()
{
    Token token;
    while (m_pos < m_script.size() && IsSpace(m_script[m_pos]))
        ++m_pos;
    if (m_pos >= m_script.size() || m_script[m_pos] == '\0')
        return token;

    const char c = m_script[m_pos];
    std::string raw;
    if (c == '{') {
        // "{...}" without blanks is a name (a GUID); otherwise a block opens.
        std::size_t end = m_pos + 1;
        while (end < m_script.size() && !IsDelimiter(m_script[end]))
            ++end;
        if (end > m_pos + 1 && end < m_script.size() && m_script[end] == '}') {
            raw = m_script.substr(m_pos, end + 1 - m_pos);
            m_pos = end + 1;
            token.kind = Word;
        } else {
            ++m_pos;
            token.kind = OpenBrace;
            return token;
        }
    } else if (c == '}' || c == '=') {
        ++m_pos;
        token.kind = c == '}' ? CloseBrace : Equals;
        return token;
    } else if (c == '\'') {
        ++m_pos;
        for (;;) {
            if (m_pos >= m_script.size()) {
                token.kind = Invalid;
                return token;
            }
            if (m_script[m_pos] == '\'') {
                if (m_pos + 1 < m_script.size() && m_script[m_pos + 1] == '\'') {
                    raw += '\'';
                    m_pos += 2;
                    continue;
                }
                ++m_pos;
                break;
            }
            raw += m_script[m_pos++];
        }
        token.kind = Quoted;
    } else {
        while (m_pos < m_script.size() && !IsDelimiter(m_script[m_pos]))
            raw += m_script[m_pos++];
        token.kind = Word;
    }
    if (!Expand(raw, token.text))
        token.kind = Invalid;
    return token;
}

bool CRegistryScriptParser::Expand(const std::string& raw, std::string& text) const
{
    text.clear();
    std::size_t pos = 0;
    while (pos < raw.size()) {
        if (raw[pos] != '%') {
            text += raw[pos++];
            continue;
        }
        const std::size_t close = raw.find('%', pos + 1);
        if (close == std::string::npos)
            return false;
        const std::string name = raw.substr(pos + 1, close - pos - 1);
        if (name.empty()) {
            text += '%';
        } else {
            const auto it = m_replacements.find(name);
            if (it == m_replacements.end())
                return false;
            text += it->second;
        }
        pos = close + 1;
    }
    return true;
}
