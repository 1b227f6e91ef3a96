// The encoder's Full ASCII conversion looks its forms up in tables of its own, built from the
// Code 39 rules: it must give exactly what the rules' conversion gives, for every character,
// every possible token and the malformed ones.

#include "Code39.h"
#include "VantrixEncoding.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {
std::string Printable(const std::string& data)
{
    std::string shown;
    for (unsigned char c : data) {
        if (c >= 0x20 && c < 0x7F) {
            shown += static_cast<char>(c);
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", c);
            shown += code;
        }
    }
    return shown;
}

// Fails once per disagreeing input, for at most a few inputs.
void ExpectAgreement(const std::vector<std::string>& inputs)
{
    int failures = 0;
    for (const std::string& input : inputs) {
        std::string expected;
        CCode39::ToFullAscii(input, expected);
        const std::string actual = CVantrixEncoding::FullAscii(input);
        if (actual != expected && ++failures <= 10)
            ADD_FAILURE() << "\"" << Printable(input) << "\": \"" << Printable(actual) << "\", the rules give \""
                          << Printable(expected) << "\"";
    }
    EXPECT_EQ(0, failures);
}

TEST(FullAsciiAgreement, EveryCharacterAloneAndInText)
{
    std::vector<std::string> inputs;
    for (int c = 0; c < 256; ++c) {
        const std::string alone(1, static_cast<char>(c));
        inputs.push_back(alone);
        std::string inText("a");
        inText.append(alone).append("<CR>");
        inputs.push_back(inText);
    }
    ExpectAgreement(inputs);
}

TEST(FullAsciiAgreement, EveryToken)
{
    std::vector<std::string> inputs;
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second)
            inputs.push_back(std::string {'<', static_cast<char>(first), static_cast<char>(second), '>'});
    }
    ExpectAgreement(inputs);
}

TEST(FullAsciiAgreement, MalformedAndLongInput)
{
    ExpectAgreement({"<", "<C", "<CR", "<CR<", "a<CR", ">", "a>", "<CR>>", "<<CR>", "< <>< >>", std::string(1000, 'a'),
                     std::string(1000, '~'), std::string(250, ' ')});
}
}  // namespace
