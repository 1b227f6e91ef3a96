#pragma once

// Conversion between COM strings and the 8-bit text (system code page) that
// the product works in. A null BSTR is the empty string.

#include <windows.h>
#include <oleauto.h>

#include <string>

class CBstrText {
public:
    // Throws std::bad_alloc when out of memory.
    static std::string ToAnsi(BSTR text);
    // A new BSTR owned by the caller, or nullptr when out of memory.
    static BSTR FromAnsi(const std::string& text);
};
