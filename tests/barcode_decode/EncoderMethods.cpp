#include "EncoderMethods.h"

#include "com/BstrText.h"
#include "com/DispatchCaller.h"

#include <new>
#include <vector>

EncoderMethods::~EncoderMethods()
{
    if (m_dispatch != nullptr)
        m_dispatch->Release();
}

HRESULT EncoderMethods::Create()
{
    CLSID clsid;
    const HRESULT hr = CLSIDFromProgID(L"Vantrix.Encoder", &clsid);
    if (FAILED(hr))
        return hr;
    return CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&m_dispatch));
}

bool EncoderMethods::Call(const wchar_t* method, const std::string& data, std::string& result)
{
    result.clear();
    if (m_dispatch == nullptr)
        return false;
    BSTR in = CBstrText::FromAnsi(CString(data.data(), static_cast<int>(data.size())));
    BSTR out = nullptr;
    std::vector<VARIANTARG> args(2);
    for (VARIANTARG& arg : args)
        VariantInit(&arg);
    args[0].vt = VT_BSTR | VT_BYREF;
    args[0].pbstrVal = &in;
    args[1].vt = VT_BSTR | VT_BYREF;
    args[1].pbstrVal = &out;
    const HRESULT hr = CDispatchCaller::CallByName(m_dispatch, method, args);
    bool converted = true;
    try {
        result = CBstrText::ToAnsi(out);
    } catch (const std::bad_alloc&) {
        converted = false;
    }
    // Both strings are the caller's, as in a macro.
    SysFreeString(in);
    SysFreeString(out);
    return SUCCEEDED(hr) && converted;
}
