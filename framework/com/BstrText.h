#pragma once

// Conversion between COM strings and the 8-bit text (system code page) that
// the product works in. A null BSTR is the empty string; embedded zeros are kept.

#include "core/String.h"

#include <windows.h>
#include <oleauto.h>

class CBstrText {
public:
    // Throws std::bad_alloc when out of memory.
    static CString ToAnsi(BSTR text);
    // A new BSTR owned by the caller, or nullptr when out of memory.
    static BSTR FromAnsi(const CString& text);
};
