// Inputs of the encoder benchmarks: text of one character class at a given length.
#pragma once

#include <string>
#include <vector>

struct SampleTextClass {
    const char* name;
    const char* alphabet;  // cycled; null for control tokens
};

class CSampleText {
public:
    // Upper case and digits, lower case, punctuation, a mix of lower case, digits and
    // punctuation, and the four-character control tokens.
    static const std::vector<SampleTextClass>& Classes();
    // length characters of the class; tokens come whole, so that text is at most length long.
    static std::string Make(const SampleTextClass& textClass, int length);
};
