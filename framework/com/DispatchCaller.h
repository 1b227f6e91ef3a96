#pragma once

// The client side of late binding: calls a method by name with its arguments in
// the order they are written, as a macro runtime does.

#include <windows.h>
#include <oleauto.h>

#include <vector>

class CDispatchCaller {
public:
    // Any result the method returns is discarded.
    static HRESULT CallByName(IDispatch* object, const wchar_t* method, std::vector<VARIANTARG>& args);
};
