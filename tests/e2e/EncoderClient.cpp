#include "EncoderClient.h"

#include <oleauto.h>

namespace {

std::string Narrow(BSTR text)
{
    if (text == nullptr)
        return std::string();
    const int length = static_cast<int>(SysStringLen(text));
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, result.data(), bytes, nullptr, nullptr);
    return result;
}

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
    return CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                            reinterpret_cast<void**>(&m_dispatch));
}

InsertBarcodeResult EncoderClient::InsertBarcode(long colourIn)
{
    InsertBarcodeResult result;
    if (m_dispatch == nullptr)
        return result;
    OLECHAR* name = const_cast<OLECHAR*>(L"InsertBarcode");
    DISPID dispid = 0;
    result.hr = m_dispatch->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &dispid);
    if (FAILED(result.hr))
        return result;

    // The macro's variables: strings start empty, the size and colour hold something.
    BSTR encoded = nullptr;
    BSTR font = nullptr;
    LONG size = 12345;
    LONG colour = colourIn;
    VARIANTARG args[4];
    for (VARIANTARG& arg : args)
        VariantInit(&arg);
    // Arguments go in reverse order.
    args[3].vt = VT_BSTR | VT_BYREF;
    args[3].pbstrVal = &encoded;
    args[2].vt = VT_BSTR | VT_BYREF;
    args[2].pbstrVal = &font;
    args[1].vt = VT_I4 | VT_BYREF;
    args[1].plVal = &size;
    args[0].vt = VT_I4 | VT_BYREF;
    args[0].plVal = &colour;
    DISPPARAMS params{args, nullptr, 4, 0};
    EXCEPINFO exception{};
    UINT argError = 0;
    result.hr = m_dispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                   nullptr, &exception, &argError);
    result.encodedIsNull = encoded == nullptr;
    result.fontIsNull = font == nullptr;
    result.encoded = Narrow(encoded);
    result.font = Narrow(font);
    result.size = size;
    result.colour = colour;
    // The strings belong to the caller now.
    SysFreeString(encoded);
    SysFreeString(font);
    return result;
}

HRESULT RegisterServer(const char* path)
{
    return CallServerEntry(path, "DllRegisterServer");
}

HRESULT UnregisterServer(const char* path)
{
    return CallServerEntry(path, "DllUnregisterServer");
}
