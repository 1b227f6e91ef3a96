#include "SampleText.h"

#include "Code39.h"

#include <cstring>

const std::vector<SampleTextClass>& CSampleText::Classes()
{
    // "<" and ">" appear only inside tokens: alone they make the Full ASCII form fail.
    static const std::vector<SampleTextClass> classes = {
        {"upper case and digits", "CODE39ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"},
        {"lower case", "abcdefghijklmnopqrstuvwxyz"},
        {"punctuation", "!\"#$%&'()*+,-./:;=?@[\\]^_`{|}~ "},
        {"mixed", "order no. 42: (a+b)=c; x_y/z? 7% off!"},
        {"control tokens", nullptr},
    };
    return classes;
}

std::string CSampleText::Make(const SampleTextClass& textClass, int length)
{
    std::string text;
    if (textClass.alphabet != nullptr) {
        const std::size_t size = std::strlen(textClass.alphabet);
        for (int i = 0; i < length; ++i)
            text += textClass.alphabet[static_cast<std::size_t>(i) % size];
        return text;
    }
    std::vector<std::string> tokens;
    std::size_t count = 0;
    const CCode39::FullAsciiEntry* entries = CCode39::FullAsciiTable(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (std::strlen(entries[i].key) == CCode39::kTokenLength)
            tokens.push_back(entries[i].key);
    }
    for (std::size_t i = 0; text.size() + CCode39::kTokenLength <= static_cast<std::size_t>(length); ++i)
        text += tokens[i % tokens.size()];
    return text;
}
