// Creates "Vantrix.Encoder" by name and calls it late-bound, as an Office
// macro does, printing what it returns.

#include <windows.h>
#include <oleauto.h>

#include <cstdio>
#include <string>

namespace
{
std::string Narrow(BSTR text)
{
    const int length = static_cast<int>(SysStringLen(text));
    if (length == 0)
        return std::string();
    const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, &result[0], size, nullptr, nullptr);
    return result;
}

// encoder.Method(input, output) with a typed string variable for the output.
HRESULT CallEncoder(IDispatch* encoder, const wchar_t* method, const wchar_t* input, std::string& output)
{
    LPOLESTR name = const_cast<LPOLESTR>(method);
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = encoder->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        return hr;
    BSTR result = nullptr;
    VARIANTARG args[2];
    VariantInit(&args[0]);
    VariantInit(&args[1]);
    args[0].vt = VT_BYREF | VT_BSTR;  // arguments go last to first
    args[0].pbstrVal = &result;
    args[1].vt = VT_BSTR;
    args[1].bstrVal = SysAllocString(input);
    DISPPARAMS params = {args, nullptr, 2, 0};
    hr = encoder->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    output = Narrow(result);
    SysFreeString(result);
    SysFreeString(args[1].bstrVal);
    return hr;
}

struct Sample
{
    const wchar_t* method;
    const wchar_t* input;
};

const Sample kSamples[] = {
    {L"Vantrix", L"abc"},
    {L"Vantrix", L"(Code 39)"},
    {L"VantrixExt", L"a<CR>"},
    {L"VantrixExt", L"Hello, World!"},
    {L"CalcCheckSum", L"(ABC)"},
    {L"CalcCheckSum", L"CODE 39"},
    {L"Vantrix", L"not_valid"},
};
}

int main()
{
    if (FAILED(CoInitialize(nullptr)))
        return 1;
    int exitCode = 0;
    CLSID clsid;
    IDispatch* encoder = nullptr;
    HRESULT hr = CLSIDFromProgID(L"Vantrix.Encoder", &clsid);
    if (SUCCEEDED(hr))
        hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&encoder));
    if (FAILED(hr)) {
        std::printf("Cannot create \"Vantrix.Encoder\" (0x%08lX): is Vantrix.dll registered?\n",
                    static_cast<unsigned long>(hr));
        exitCode = 1;
    } else {
        std::printf("Vantrix.Encoder, called as a macro does:\n");
        for (const Sample& sample : kSamples) {
            std::string output;
            hr = CallEncoder(encoder, sample.method, sample.input, output);
            std::printf("  %-12ls(\"%ls\")%*s= \"%s\"%s\n", sample.method, sample.input,
                        static_cast<int>(16 - wcslen(sample.input)), "", output.c_str(),
                        SUCCEEDED(hr) ? "" : "  (call failed)");
            if (FAILED(hr))
                exitCode = 1;
        }
        encoder->Release();
    }
    CoUninitialize();
    return exitCode;
}
