#include "com/BstrText.h"

#include <climits>
#include <new>

std::string CBstrText::ToAnsi(BSTR text)
{
    const UINT length = SysStringLen(text);
    if (length == 0)
        return std::string();
    if (length > INT_MAX / 2)
        throw std::bad_alloc();
    const int size = WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return std::string();
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), &result[0], size, nullptr, nullptr);
    return result;
}

BSTR CBstrText::FromAnsi(const std::string& text)
{
    if (text.size() > INT_MAX / 2)
        return nullptr;
    const int length = static_cast<int>(text.size());
    const int size = length == 0 ? 0 : MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    BSTR result = SysAllocStringLen(nullptr, static_cast<UINT>(size));
    if (result != nullptr && size > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), length, result, size);
    return result;
}
