// Creates "Vantrix.Encoder" by name and calls it late-bound, as an Office
// macro does, printing what it returns.

#include "com/BstrText.h"
#include "com/DispatchCaller.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {
// encoder.Method(input, output) with a typed string variable for the output.
HRESULT CallEncoder(IDispatch* encoder, const wchar_t* method, const wchar_t* input, std::string& output)
{
    BSTR result = nullptr;
    std::vector<VARIANTARG> args(2);
    VariantInit(&args[0]);
    VariantInit(&args[1]);
    args[0].vt = VT_BSTR;
    args[0].bstrVal = SysAllocString(input);
    args[1].vt = VT_BYREF | VT_BSTR;
    args[1].pbstrVal = &result;
    const HRESULT hr = CDispatchCaller::CallByName(encoder, method, args);
    output = CBstrText::ToAnsi(result);
    SysFreeString(result);
    SysFreeString(args[0].bstrVal);
    return hr;
}

struct Sample {
    const wchar_t* method;
    const wchar_t* input;
};

const Sample kSamples[] = {
    {L"Vantrix", L"abc"},        {L"Vantrix", L"(Code 39)"},
    {L"VantrixExt", L"a<CR>"},   {L"VantrixExt", L"Hello, World!"},
    {L"CalcCheckSum", L"(ABC)"}, {L"CalcCheckSum", L"CODE 39"},
    {L"Vantrix", L"not_valid"},
};
}  // namespace

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
