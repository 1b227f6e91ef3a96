#include "Code39.h"

#include <cstring>

namespace
{
const char kValueChars[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-._$/+%";

// Control tokens (ASCII 0-31, 127, and the two characters "<" and ">" that
// always open and close a token) followed by every other printable character.
const CCode39::FullAsciiEntry kFullAscii[] = {
    {"<NU>", "%U"}, {"<SH>", "$A"}, {"<SX>", "$B"}, {"<EX>", "$C"}, {"<ET>", "$D"},
    {"<EQ>", "$E"}, {"<AK>", "$F"}, {"<BL>", "$G"}, {"<BS>", "$H"}, {"<HT>", "$I"},
    {"<LF>", "$J"}, {"<VT>", "$K"}, {"<FF>", "$L"}, {"<CR>", "$M"}, {"<SO>", "$N"},
    {"<SI>", "$O"}, {"<DL>", "$P"}, {"<D1>", "$Q"}, {"<D2>", "$R"}, {"<D3>", "$S"},
    {"<D4>", "$T"}, {"<NK>", "$U"}, {"<SY>", "$V"}, {"<EB>", "$W"}, {"<CN>", "$X"},
    {"<EM>", "$Y"}, {"<SB>", "$Z"}, {"<ES>", "%A"}, {"<FS>", "%B"}, {"<GS>", "%C"},
    {"<RS>", "%D"}, {"<US>", "%E"}, {" ", "_"}, {"<SP>", "_"}, {"!", "/A"}, {"\"", "/B"},
    {"#", "/C"}, {"$", "/D"}, {"%", "/E"}, {"&", "/F"}, {"'", "/G"}, {"(", "/H"}, {")", "/I"},
    {"*", "/J"}, {"+", "/K"}, {",", "/L"}, {"-", "/M"}, {".", "/N"}, {"/", "/O"}, {"0", "0"},
    {"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}, {"5", "5"}, {"6", "6"}, {"7", "7"},
    {"8", "8"}, {"9", "9"}, {":", "/Z"}, {";", "%F"}, {"< <>", "%G"}, {"=", "%H"},
    {"< >>", "%I"}, {"?", "%J"}, {"@", "%V"}, {"A", "A"}, {"B", "B"}, {"C", "C"}, {"D", "D"},
    {"E", "E"}, {"F", "F"}, {"G", "G"}, {"H", "H"}, {"I", "I"}, {"J", "J"}, {"K", "K"},
    {"L", "L"}, {"M", "M"}, {"N", "N"}, {"O", "O"}, {"P", "P"}, {"Q", "Q"}, {"R", "R"},
    {"S", "S"}, {"T", "T"}, {"U", "U"}, {"V", "V"}, {"W", "W"}, {"X", "X"}, {"Y", "Y"},
    {"Z", "Z"}, {"[", "%K"}, {"\\", "%L"}, {"]", "%M"}, {"^", "%N"}, {"_", "%O"}, {"`", "%W"},
    {"a", "+A"}, {"b", "+B"}, {"c", "+C"}, {"d", "+D"}, {"e", "+E"}, {"f", "+F"}, {"g", "+G"},
    {"h", "+H"}, {"i", "+I"}, {"j", "+J"}, {"k", "+K"}, {"l", "+L"}, {"m", "+M"}, {"n", "+N"},
    {"o", "+O"}, {"p", "+P"}, {"q", "+Q"}, {"r", "+R"}, {"s", "+S"}, {"t", "+T"}, {"u", "+U"},
    {"v", "+V"}, {"w", "+W"}, {"x", "+X"}, {"y", "+Y"}, {"z", "+Z"}, {"{", "%P"}, {"|", "%Q"},
    {"}", "%R"}, {"~", "%S"}, {"<DE>", "%T"},
};
}

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

const char* CCode39::MapFullAsciiChar(const char* key, std::size_t length)
{
    static const char* const kLetterForms[] = {
        "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
        "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
    static const char* const kLowerForms[] = {
        "+A", "+B", "+C", "+D", "+E", "+F", "+G", "+H", "+I", "+J", "+K", "+L", "+M",
        "+N", "+O", "+P", "+Q", "+R", "+S", "+T", "+U", "+V", "+W", "+X", "+Y", "+Z"};
    static const char* const kDigitForms[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

    if (key == nullptr || (length != 1 && length != kTokenLength))
        return nullptr;
    if (length == 1) {
        const char c = key[0];
        if (c >= 'A' && c <= 'Z')
            return kLetterForms[c - 'A'];
        if (c >= 'a' && c <= 'z')
            return kLowerForms[c - 'a'];
        if (c >= '0' && c <= '9')
            return kDigitForms[c - '0'];
    }
    for (const FullAsciiEntry& entry : kFullAscii) {
        if (std::strlen(entry.key) == length && std::memcmp(entry.key, key, length) == 0)
            return entry.form;
    }
    return nullptr;
}

bool CCode39::ToFullAscii(const std::string& data, std::string& form)
{
    std::string result;
    std::size_t pos = 0;
    while (pos < data.size()) {
        std::size_t length = 1;
        if (data[pos] == '<') {
            if (data.size() - pos < kTokenLength || data[pos + kTokenLength - 1] != '>') {
                form.clear();
                return false;
            }
            length = kTokenLength;
        } else if (data[pos] == '>') {
            form.clear();
            return false;
        }
        if (const char* keyForm = MapFullAsciiChar(data.data() + pos, length))
            result += keyForm;
        pos += length;
    }
    form = result;
    return true;
}
