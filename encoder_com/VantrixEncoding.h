#pragma once

// The encoder's three text conversions, on 8-bit text.

#include <string>

class CVantrixEncoding {
public:
    // Check character of a value, framed or not; empty for bad or empty data.
    static std::string CheckSum(const std::string& input);
    // Upper-cased Code 39 text inside the value's own frame or "[" "]";
    // "error" for bad or empty data.
    static std::string Plain(const std::string& input);
    // Full ASCII form of the whole value; empty when the conversion fails.
    static std::string FullAscii(const std::string& input);

private:
    static bool IsFramed(const std::string& input);
    static std::string DataOf(const std::string& input);
};
