#include "Code39.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

namespace {
struct ValueCase {
    char c;
    int value;
};

TEST(Code39Rules, CharacterValues)
{
    const ValueCase cases[] = {{'0', 0},
                               {'9', 9},
                               {'A', 10},
                               {'Z', 35},
                               {'-', 36},
                               {'.', 37},
                               {'_', 38},
                               {' ', 38},
                               {'$', 39},
                               {'/', 40},
                               {'+', 41},
                               {'%', 42},
                               {'a', CCode39::kNoValue},
                               {'*', CCode39::kNoValue},
                               {'\0', CCode39::kNoValue},
                               {'\t', CCode39::kNoValue},
                               {static_cast<char>(0xE9), CCode39::kNoValue}};
    for (const ValueCase& c : cases) {
        EXPECT_EQ(c.value, CCode39::CharValue(c.c)) << "character code " << int(c.c);
        EXPECT_EQ(c.value != CCode39::kNoValue, CCode39::IsStandardChar(c.c)) << "character code " << int(c.c);
    }
}

struct CheckCase {
    const char* data;
    char check;
};

TEST(Code39Rules, CheckCharacterOfData)
{
    const CheckCase cases[] = {
        {"9", '9'},
        {"45", '9'},  // sum 9
        {"", '0'},
        {"%1", '0'},  // sums 0 and 43
        {"Z3", '_'},
        {"_", '_'},      // sum 38: the space symbol, never a blank
        {"ABC", 'X'},    // 33
        {"%%%", '/'},    // 126 mod 43 = 40
        {"ZZZZZ", '3'},  // 175 mod 43 = 3
        {"a9*", '9'},
        {"\t4\xE9"
         "5",
         '9'},  // characters without a value add nothing
    };
    for (const CheckCase& c : cases)
        EXPECT_EQ(c.check, CCode39::CheckCharacterOf(c.data)) << '"' << c.data << '"';
}

struct ConversionCase {
    const char* data;
    bool ok;
    const char* form;
};

TEST(Code39Rules, FullAsciiConversion)
{
    const ConversionCase cases[] = {
        {"", true, ""},
        {"a", true, "+A"},
        {"Az9", true, "A+Z9"},
        {"<NU>", true, "%U"},
        {"<SH><SB>", true, "$A$Z"},
        {"<ES><US>", true, "%A%E"},
        {"<CR><LF>", true, "$M$J"},
        {"< <>", true, "%G"},
        {"< >>", true, "%I"},
        {"<DE>", true, "%T"},
        {" <SP>", true, "__"},
        {"-.", true, "/M/N"},
        {"!\"/:;=?@", true, "/A/B/O/Z%F%H%J%V"},
        {"[\\]^_`", true, "%K%L%M%N%O%W"},
        {"{|}~", true, "%P%Q%R%S"},
        {"a<XX>b", true, "+A+B"},  // well-formed group but no token: dropped
        {"<<>>", true, ""},        // likewise
        {"x\ty", true, "+X+Y"},    // control character typed directly
        {"1\xE9"
         "2\x7F",
         true, "12"},  // above 127 and DEL
        {"<", false, ""},
        {"ab<CR", false, ""},  // fewer than three characters after "<"
        {"<CR)", false, ""},   // group not closed by ">"
        {">", false, ""},
        {"a>b", false, ""},
        {"<NU>>", false, ""},
    };
    for (const ConversionCase& c : cases) {
        std::string form = "stale";
        EXPECT_EQ(c.ok, CCode39::ToFullAscii(c.data, form)) << '"' << c.data << '"';
        EXPECT_EQ(c.form, form) << '"' << c.data << '"';
    }
}

TEST(Code39Rules, EmbeddedNulIsDroppedNotAnEnd)
{
    std::string form;
    ASSERT_TRUE(CCode39::ToFullAscii(std::string("a\0b", 3), form));
    EXPECT_EQ("+A+B", form);
}

// The table: 129 distinct keys, 36 tokens and every printable character but
// "<" and ">", each form made of Code 39 characters only; the lookup function
// and the map built from the table agree on every possible key.
struct FakeMap {
    std::map<std::string, std::string> pairs;
    void SetAt(const char* key, const char* value) { pairs[key] = value; }
};

TEST(Code39Rules, FullAsciiTableShape)
{
    FakeMap map;
    CCode39::BuildFullAsciiTable(map);
    ASSERT_EQ(129u, map.pairs.size());

    int tokens = 0;
    for (const auto& [key, form] : map.pairs) {
        if (key.size() == 4) {
            ++tokens;
            EXPECT_EQ('<', key.front()) << key;
            EXPECT_EQ('>', key.back()) << key;
        } else {
            ASSERT_EQ(1u, key.size());
            EXPECT_TRUE(key[0] >= ' ' && key[0] <= '~' && key[0] != '<' && key[0] != '>') << key;
        }
        ASSERT_TRUE(form.size() == 1 || form.size() == 2) << key;
        for (char c : form)
            EXPECT_NE(CCode39::kNoValue, CCode39::CharValue(c)) << key;
        EXPECT_EQ(std::string::npos, form.find(' ')) << key;
    }
    EXPECT_EQ(36, tokens);

    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        const char* mapped = CCode39::MapFullAsciiChar(&c, 1);
        const auto it = map.pairs.find(std::string(1, c));
        if (it == map.pairs.end())
            EXPECT_EQ(nullptr, mapped) << "code " << code;
        else
            EXPECT_STREQ(it->second.c_str(), mapped) << "code " << code;
    }
    for (const auto& [key, form] : map.pairs)
        EXPECT_STREQ(form.c_str(), CCode39::MapFullAsciiChar(key.c_str(), key.size())) << key;
    EXPECT_EQ(nullptr, CCode39::MapFullAsciiChar("<nu>", 4));
    EXPECT_EQ(nullptr, CCode39::MapFullAsciiChar("ab", 2));
}
}  // namespace
