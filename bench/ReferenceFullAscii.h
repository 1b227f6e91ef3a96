// The Full ASCII conversion written the straightforward way, as the yardstick of the
// encoder's own: a form per character, a map of the control tokens, both filled once
// from the Code 39 table.
#pragma once

#include <map>
#include <string>

class CReferenceFullAscii {
public:
    CReferenceFullAscii();

    // As the encoder's conversion: false for an unclosed token or a lone ">"; keys
    // without an entry are dropped.
    bool Convert(const std::string& data, std::string& form) const;

private:
    std::string m_single[256];
    std::map<std::string, std::string> m_tokens;
};
