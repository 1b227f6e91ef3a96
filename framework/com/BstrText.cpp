#include "com/BstrText.h"

#include <climits>
#include <new>
#include <vector>

CString CBstrText::ToAnsi(BSTR text)
{
    const UINT length = SysStringLen(text);
    if (length == 0)
        return CString();
    if (length > INT_MAX / 2)
        throw std::bad_alloc();
    const int size = WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return CString();
    std::vector<char> result(static_cast<std::size_t>(size));
    WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), result.data(), size, nullptr, nullptr);
    return CString(result.data(), size);
}

BSTR CBstrText::FromAnsi(const CString& text)
{
    const int length = text.GetLength();
    if (length > INT_MAX / 2)
        return nullptr;
    const int size = length == 0 ? 0 : MultiByteToWideChar(CP_ACP, 0, text.GetString(), length, nullptr, 0);
    BSTR result = SysAllocStringLen(nullptr, static_cast<UINT>(size));
    if (result != nullptr && size > 0)
        MultiByteToWideChar(CP_ACP, 0, text.GetString(), length, result, size);
    return result;
}
