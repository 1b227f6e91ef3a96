#pragma once
// Case folding for the HTML engine: tag, attribute, property and scheme names are ASCII, and
// folding them must not depend on the thread's locale.
#include <string>
#include <string_view>

inline char HtmlLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

inline std::string HtmlLowerCopy(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = HtmlLower(c);
    return out;
}
