#include "Code39.h"

#include <algorithm>
#include <cstring>

namespace {
const char kValueChars[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-._$/+%";

// Control tokens (ASCII 0-31, 127, and the two characters "<" and ">" that
// always open and close a token) followed by every other printable character.
const CCode39::FullAsciiEntry kFullAscii[] = {
    {"<NU>", "%U"}, {"<SH>", "$A"}, {"<SX>", "$B"}, {"<EX>", "$C"}, {"<ET>", "$D"}, {"<EQ>", "$E"}, {"<AK>", "$F"},
    {"<BL>", "$G"}, {"<BS>", "$H"}, {"<HT>", "$I"}, {"<LF>", "$J"}, {"<VT>", "$K"}, {"<FF>", "$L"}, {"<CR>", "$M"},
    {"<SO>", "$N"}, {"<SI>", "$O"}, {"<DL>", "$P"}, {"<D1>", "$Q"}, {"<D2>", "$R"}, {"<D3>", "$S"}, {"<D4>", "$T"},
    {"<NK>", "$U"}, {"<SY>", "$V"}, {"<EB>", "$W"}, {"<CN>", "$X"}, {"<EM>", "$Y"}, {"<SB>", "$Z"}, {"<ES>", "%A"},
    {"<FS>", "%B"}, {"<GS>", "%C"}, {"<RS>", "%D"}, {"<US>", "%E"}, {" ", "_"},     {"<SP>", "_"},  {"!", "/A"},
    {"\"", "/B"},   {"#", "/C"},    {"$", "/D"},    {"%", "/E"},    {"&", "/F"},    {"'", "/G"},    {"(", "/H"},
    {")", "/I"},    {"*", "/J"},    {"+", "/K"},    {",", "/L"},    {"-", "/M"},    {".", "/N"},    {"/", "/O"},
    {"0", "0"},     {"1", "1"},     {"2", "2"},     {"3", "3"},     {"4", "4"},     {"5", "5"},     {"6", "6"},
    {"7", "7"},     {"8", "8"},     {"9", "9"},     {":", "/Z"},    {";", "%F"},    {"< <>", "%G"}, {"=", "%H"},
    {"< >>", "%I"}, {"?", "%J"},    {"@", "%V"},    {"A", "A"},     {"B", "B"},     {"C", "C"},     {"D", "D"},
    {"E", "E"},     {"F", "F"},     {"G", "G"},     {"H", "H"},     {"I", "I"},     {"J", "J"},     {"K", "K"},
    {"L", "L"},     {"M", "M"},     {"N", "N"},     {"O", "O"},     {"P", "P"},     {"Q", "Q"},     {"R", "R"},
    {"S", "S"},     {"T", "T"},     {"U", "U"},     {"V", "V"},     {"W", "W"},     {"X", "X"},     {"Y", "Y"},
    {"Z", "Z"},     {"[", "%K"},    {"\\", "%L"},   {"]", "%M"},    {"^", "%N"},    {"_", "%O"},    {"`", "%W"},
    {"a", "+A"},    {"b", "+B"},    {"c", "+C"},    {"d", "+D"},    {"e", "+E"},    {"f", "+F"},    {"g", "+G"},
    {"h", "+H"},    {"i", "+I"},    {"j", "+J"},    {"k", "+K"},    {"l", "+L"},    {"m", "+M"},    {"n", "+N"},
    {"o", "+O"},    {"p", "+P"},    {"q", "+Q"},    {"r", "+R"},    {"s", "+S"},    {"t", "+T"},    {"u", "+U"},
    {"v", "+V"},    {"w", "+W"},    {"x", "+X"},    {"y", "+Y"},    {"z", "+Z"},    {"{", "%P"},    {"|", "%Q"},
    {"}", "%R"},    {"~", "%S"},    {"<DE>", "%T"},
};
}  // namespace

int CCode39::CharValue(char c)
{
    if (c == ' ')
        return CharValue(kSpaceSymbol);
    if (c == '\0')
        return kNoValue;
    const char* found = std::strchr(kValueChars, c);
    return found ? static_cast<int>(found - kValueChars) : kNoValue;
}

bool CCode39::IsStandardChar(char c)
{
    return CharValue(c) != kNoValue;
}

char CCode39::CheckCharacter(int sum)
{
    int value = sum % kModulus;
    if (value < 0)
        value += kModulus;
    return kValueChars[value];
}

char CCode39::CheckCharacterOf(const std::string& data)
{
    int sum = 0;
    for (char c : data) {
        const int value = CharValue(c);
        if (value != kNoValue)
            sum += value;
    }
    return CheckCharacter(sum);
}

const CCode39::FullAsciiEntry* CCode39::FullAsciiTable(std::size_t& count)
{
    count = sizeof(kFullAscii) / sizeof(kFullAscii[0]);
    return kFullAscii;
}

namespace {
// The table arranged for lookup, built once: the form of every byte, and the tokens sorted by
// their two inner characters. A search of the whole table per character made punctuation
// cost tens of times what letters cost.
class CFullAsciiIndex {
public:
    static const CFullAsciiIndex& Get()
    {
        static const CFullAsciiIndex index;
        return index;
    }

    const char* Single(char c) const { return m_single[static_cast<unsigned char>(c)]; }

    const char* Token(const char* key) const
    {
        const unsigned key16 = Key(key[1], key[2]);
        const auto found = std::lower_bound(m_tokens, m_tokens + m_tokenCount, key16,
                                            [](const TokenEntry& entry, unsigned k) { return entry.key < k; });
        if (found == m_tokens + m_tokenCount || found->key != key16 || key[0] != '<' || key[3] != '>')
            return nullptr;
        return found->form;
    }

private:
    struct TokenEntry {
        unsigned key;
        const char* form;
    };

    CFullAsciiIndex()
    {
        for (const CCode39::FullAsciiEntry& entry : kFullAscii) {
            const std::size_t length = std::strlen(entry.key);
            // ToFullAscii writes into room for two characters a key: a longer form has no place.
            if (std::strlen(entry.form) > 2)
                continue;
            if (length == 1)
                m_single[static_cast<unsigned char>(entry.key[0])] = entry.form;
            else if (length == CCode39::kTokenLength)
                m_tokens[m_tokenCount++] = {Key(entry.key[1], entry.key[2]), entry.form};
        }
        std::sort(m_tokens, m_tokens + m_tokenCount,
                  [](const TokenEntry& a, const TokenEntry& b) { return a.key < b.key; });
    }

    static unsigned Key(char first, char second)
    {
        return static_cast<unsigned>(static_cast<unsigned char>(first)) << 8 | static_cast<unsigned char>(second);
    }

    const char* m_single[256] = {};
    TokenEntry m_tokens[sizeof(kFullAscii) / sizeof(kFullAscii[0])] = {};
    std::size_t m_tokenCount = 0;
};
}  // namespace

const char* CCode39::MapFullAsciiChar(const char* key, std::size_t length)
{
    if (key == nullptr || (length != 1 && length != kTokenLength))
        return nullptr;
    const CFullAsciiIndex& index = CFullAsciiIndex::Get();
    return length == 1 ? index.Single(key[0]) : index.Token(key);
}

bool CCode39::ToFullAscii(const std::string& data, std::string& form)
{
    // No form is longer than twice what it stands for, so the result is written in place
    // into room for the longest outcome: every character costs one lookup and a copy.
    const CFullAsciiIndex& index = CFullAsciiIndex::Get();
    std::string result(data.size() * 2, '\0');
    char* out = result.data();
    std::size_t pos = 0;
    while (pos < data.size()) {
        const char* keyForm = nullptr;
        if (data[pos] == '<') {
            if (data.size() - pos < kTokenLength || data[pos + kTokenLength - 1] != '>') {
                form.clear();
                return false;
            }
            keyForm = index.Token(data.data() + pos);
            pos += kTokenLength;
        } else if (data[pos] == '>') {
            form.clear();
            return false;
        } else {
            keyForm = index.Single(data[pos]);
            ++pos;
        }
        for (; keyForm != nullptr && *keyForm != '\0'; ++keyForm)
            *out++ = *keyForm;
    }
    result.resize(static_cast<std::size_t>(out - result.data()));
    form.swap(result);
    return true;
}
