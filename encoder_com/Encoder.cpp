#include "Encoder.h"

#include "EncoderConstants.h"
#include "InsertBarcodeData.h"
#include "VantrixEncoding.h"

#include "com/BstrText.h"
#include "core/ExceptionReport.h"
#include "core/Handle.h"
#include "com/ServerModule.h"

#include <climits>
#include <cstring>
#include <new>

namespace {
// The longest text a string conversion takes back into a COM string.
constexpr std::size_t kMaxOutputLength = INT_MAX / 2;

typedef int(WINAPI* LoadDialogFunction)(InsertBarcodeData* data);

// The product installs the dialog module beside this one: look there first,
// so that a file of that name in the host program's or the current folder
// does not take its place; then the usual search.
CModuleHandle LoadDialogModule()
{
    const CString folder = CServerModule::Get().GetModuleFolder();
    if (!folder.IsEmpty()) {
        const CString path = folder + "\\" + kDialogModuleName;
        if (HMODULE module = LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH))
            return CModuleHandle(module);
    }
    return CModuleHandle(LoadLibraryA(kDialogModuleName));
}

// A field of the record up to its zero, never past the field's end.
CString FieldText(const char* field, std::size_t size)
{
    const void* zero = std::memchr(field, '\0', size);
    return CString(field, static_cast<int>(zero ? static_cast<const char*>(zero) - field : size));
}

// The conversions work on the whole text, zeros included.
std::string Narrow(BSTR text)
{
    const CString ansi = CBstrText::ToAnsi(text);
    return std::string(ansi.GetString(), static_cast<std::size_t>(ansi.GetLength()));
}
}  // namespace

HRESULT CEncoder::SetOutput(BSTR* output, const std::string& text)
{
    if (text.size() > kMaxOutputLength)
        return E_OUTOFMEMORY;
    *output = CBstrText::FromAnsi(CString(text.data(), static_cast<int>(text.size())));
    return *output != nullptr ? S_OK : E_OUTOFMEMORY;
}

// The incoming value of an [out] string is not ours to free: a macro's
// runtime frees it itself, or it is garbage.
HRESULT CEncoder::Convert(BSTR input, BSTR* output, Conversion conversion)
{
    if (output == nullptr)
        return E_POINTER;
    *output = nullptr;
    try {
        return SetOutput(output, conversion(Narrow(input)));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        FwReportCurrentException("Vantrix.Encoder method");
        return E_UNEXPECTED;
    }
}

STDMETHODIMP CEncoder::CalcCheckSum(BSTR sData, BSTR* sChecksum)
{
    return Convert(sData, sChecksum, CVantrixEncoding::CheckSum);
}

STDMETHODIMP CEncoder::Vantrix(BSTR sData, BSTR* sVantrix)
{
    return Convert(sData, sVantrix, CVantrixEncoding::Plain);
}

STDMETHODIMP CEncoder::VantrixExt(BSTR sData, BSTR* sVantrixExt)
{
    return Convert(sData, sVantrixExt, CVantrixEncoding::FullAscii);
}

STDMETHODIMP CEncoder::InsertBarcode(BSTR* sEncoded, BSTR* sFont, long* nSize, long* nColor)
{
    if (sEncoded == nullptr || sFont == nullptr || nSize == nullptr || nColor == nullptr)
        return E_POINTER;
    *sEncoded = nullptr;
    *sFont = nullptr;
    *nSize = kNoSize;
    try {
        const CModuleHandle module = LoadDialogModule();
        if (!module.IsValid())
            return S_OK;
        const auto loadDialog =
            reinterpret_cast<LoadDialogFunction>(reinterpret_cast<void*>(GetProcAddress(module, kLoadDialogExport)));
        if (loadDialog == nullptr)
            return S_OK;

        InsertBarcodeData data;
        std::memset(&data, 0, sizeof(data));
        if (loadDialog(&data) != kLoadDialogInserted)
            return S_OK;

        BSTR encoded = CBstrText::FromAnsi(FieldText(data.text, sizeof(data.text)));
        BSTR font = CBstrText::FromAnsi(FieldText(data.font, sizeof(data.font)));
        if (encoded == nullptr || font == nullptr) {
            SysFreeString(encoded);
            SysFreeString(font);
            return E_OUTOFMEMORY;
        }
        *sEncoded = encoded;
        *sFont = font;
        *nSize = data.size;
        *nColor = static_cast<long>(data.colour);
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        FwReportCurrentException("Vantrix.Encoder method");
        return E_UNEXPECTED;
    }
}
