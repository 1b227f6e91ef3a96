#include "MacroMethod.h"

CMacroMethod::CMacroMethod(IDispatch* object, const wchar_t* name) : m_object(object)
{
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &m_id)))
        m_id = DISPID_UNKNOWN;
}

HRESULT CMacroMethod::Call(BSTR* data) const
{
    BSTR result = nullptr;
    // IDispatch takes the arguments last to first.
    VARIANTARG args[2];
    VariantInit(&args[0]);
    VariantInit(&args[1]);
    args[0].vt = VT_BYREF | VT_BSTR;
    args[0].pbstrVal = &result;
    args[1].vt = VT_BYREF | VT_BSTR;
    args[1].pbstrVal = data;
    DISPPARAMS params = {args, nullptr, 2, 0};
    VARIANT returned;
    VariantInit(&returned);
    UINT argError = 0;
    const HRESULT hr =
        m_object->Invoke(m_id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &returned, nullptr, &argError);
    VariantClear(&returned);
    SysFreeString(result);
    return hr;
}
