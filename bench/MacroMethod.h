// One method of a COM object called late-bound as an Office macro calls it: the name looked up
// once, then Invoke with the macro's String variables passed by reference.
#pragma once

#include <windows.h>
#include <oaidl.h>

class CMacroMethod {
public:
    CMacroMethod(IDispatch* object, const wchar_t* name);

    bool IsValid() const { return m_id != DISPID_UNKNOWN; }
    // object.Method data, result. The result is freed as the macro's runtime frees it when
    // the variable is next assigned.
    HRESULT Call(BSTR* data) const;

private:
    IDispatch* m_object;
    DISPID m_id = DISPID_UNKNOWN;
};
