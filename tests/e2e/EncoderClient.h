// What a macro does with the COM encoder: create "Vantrix.Encoder" by its ProgID and call its
// methods late-bound through IDispatch, with by-reference string and long arguments.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

struct InsertBarcodeResult {
    HRESULT hr = E_FAIL;
    bool encodedIsNull = true;
    bool fontIsNull = true;
    std::string encoded;
    std::string font;
    long size = 0;
    long colour = 0;
};

class EncoderClient {
public:
    EncoderClient() = default;
    ~EncoderClient();
    EncoderClient(const EncoderClient&) = delete;
    EncoderClient& operator=(const EncoderClient&) = delete;

    // Creates the object by name through the registry.
    HRESULT Create(const wchar_t* progId = L"Vantrix.Encoder");
    // The object itself, for callers that invoke it their own way; still owned by the client.
    IDispatch* Dispatch() const { return m_dispatch; }
    // colourIn is what the caller's nColor holds before the call.
    InsertBarcodeResult InsertBarcode(long colourIn = 0);
    // The string methods (Vantrix, VantrixExt, CalcCheckSum ...): method(sData, sResult), both
    // by reference. result is cleared first.
    HRESULT CallStringMethod(const wchar_t* method, const std::string& data, std::string& result);

private:
    IDispatch* m_dispatch = nullptr;
};

// Registers the COM server at path in the current user's process (DllRegisterServer).
HRESULT RegisterServer(const char* path);
HRESULT UnregisterServer(const char* path);
