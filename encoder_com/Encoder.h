#pragma once

// The creatable class Encoder: Code 39 text for macros, and the barcode
// dialog on request. Holds no state between calls.

#include "Vantrix_h.h"

#include "com/DispatchImpl.h"

#include <string>

class CEncoder : public CDispatchImpl<IEncoder, &IID_IEncoder> {
public:
    // IEncoder
    STDMETHODIMP CalcCheckSum(BSTR sData, BSTR* sChecksum) override;
    STDMETHODIMP InsertBarcode(BSTR* sEncoded, BSTR* sFont, long* nSize, long* nColor) override;
    STDMETHODIMP Vantrix(BSTR sData, BSTR* sVantrix) override;
    STDMETHODIMP VantrixExt(BSTR sData, BSTR* sVantrixExt) override;

private:
    typedef std::string (*Conversion)(const std::string& input);
    static HRESULT Convert(BSTR input, BSTR* output, Conversion conversion);
    static HRESULT SetOutput(BSTR* output, const std::string& text);
};
