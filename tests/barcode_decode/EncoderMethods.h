// The encoding methods of "Vantrix.Encoder" as a macro calls them: the object is created by
// its ProgID and each method called late-bound by name, with by-reference string arguments.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

class EncoderMethods {
public:
    EncoderMethods() = default;
    ~EncoderMethods();
    EncoderMethods(const EncoderMethods&) = delete;
    EncoderMethods& operator=(const EncoderMethods&) = delete;

    HRESULT Create();
    // Calls method(sData in, sResult out); false when the call itself failed.
    bool Call(const wchar_t* method, const std::string& data, std::string& result);

private:
    IDispatch* m_dispatch = nullptr;
};
