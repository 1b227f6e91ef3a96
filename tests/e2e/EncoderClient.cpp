#include "EncoderClient.h"

#include "com/BstrText.h"
#include "com/DispatchCaller.h"

#include <new>
#include <vector>

namespace {

HRESULT CallServerEntry(const char* path, const char* entry)
{
    HMODULE module = LoadLibraryA(path);
    if (module == nullptr)
        return HRESULT_FROM_WIN32(GetLastError());
    using Entry = HRESULT(STDAPICALLTYPE*)();
    auto function = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(module, entry)));
    const HRESULT hr = function != nullptr ? function() : E_NOTIMPL;
    FreeLibrary(module);
    return hr;
}

// A macro's variable passed by reference.
VARIANTARG ByReference(BSTR* value)
{
    VARIANTARG arg;
    VariantInit(&arg);
    arg.vt = VT_BSTR | VT_BYREF;
    arg.pbstrVal = value;
    return arg;
}

VARIANTARG ByReference(LONG* value)
{
    VARIANTARG arg;
    VariantInit(&arg);
    arg.vt = VT_I4 | VT_BYREF;
    arg.plVal = value;
    return arg;
}

}  // namespace

EncoderClient::~EncoderClient()
{
    if (m_dispatch != nullptr)
        m_dispatch->Release();
}

HRESULT EncoderClient::Create(const wchar_t* progId)
{
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(progId, &clsid);
    if (FAILED(hr))
        return hr;
    return CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&m_dispatch));
}

InsertBarcodeResult EncoderClient::InsertBarcode(long colourIn)
{
    InsertBarcodeResult result;
    if (m_dispatch == nullptr)
        return result;
    // The macro's variables: strings start empty, the size and colour hold something.
    BSTR encoded = nullptr;
    BSTR font = nullptr;
    LONG size = 12345;
    LONG colour = colourIn;
    std::vector<VARIANTARG> args {ByReference(&encoded), ByReference(&font), ByReference(&size), ByReference(&colour)};
    result.hr = CDispatchCaller::CallByName(m_dispatch, L"InsertBarcode", args);
    result.encodedIsNull = encoded == nullptr;
    result.fontIsNull = font == nullptr;
    result.encoded = CBstrText::ToAnsi(encoded);
    result.font = CBstrText::ToAnsi(font);
    result.size = size;
    result.colour = colour;
    // The strings belong to the caller now.
    SysFreeString(encoded);
    SysFreeString(font);
    return result;
}

HRESULT EncoderClient::CallStringMethod(const wchar_t* method, const std::string& data, std::string& result)
{
    result.clear();
    if (m_dispatch == nullptr)
        return E_POINTER;
    BSTR in = CBstrText::FromAnsi(CString(data.data(), static_cast<int>(data.size())));
    if (in == nullptr)
        return E_OUTOFMEMORY;
    BSTR out = nullptr;
    std::vector<VARIANTARG> args {ByReference(&in), ByReference(&out)};
    HRESULT hr = CDispatchCaller::CallByName(m_dispatch, method, args);
    try {
        result = CBstrText::ToAnsi(out);
    } catch (const std::bad_alloc&) {
        hr = E_OUTOFMEMORY;
    }
    // Both strings are the caller's, as in a macro.
    SysFreeString(in);
    SysFreeString(out);
    return hr;
}

HRESULT RegisterServer(const char* path)
{
    return CallServerEntry(path, "DllRegisterServer");
}

HRESULT UnregisterServer(const char* path)
{
    return CallServerEntry(path, "DllUnregisterServer");
}
