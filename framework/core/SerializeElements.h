// Archiving of collection elements: integers at their own size, strings as strings;
// other element types (pointers) cannot be stored and throw CNotSupportedException.
#pragma once
#include "core/Archive.h"
#include "core/Exception.h"
#include <type_traits>

template <class T>
constexpr UINT FwMinElementBytes()
{
    if constexpr (std::is_arithmetic_v<T>)
        return sizeof(T);
    else
        return 1;
}

template <class T>
void FwSerializeElement(CArchive& ar, T& element)
{
    if constexpr (std::is_same_v<T, bool>) {
        BYTE value = element ? 1 : 0;
        if (ar.IsStoring()) {
            ar << value;
        } else {
            ar >> value;
            element = value != 0;
        }
    } else if constexpr (std::is_arithmetic_v<T> || std::is_same_v<T, CString>) {
        if (ar.IsStoring())
            ar << element;
        else
            ar >> element;
    } else {
        FwThrowNotSupportedException();
    }
}

// Count, then the elements; loading checks the count against the data first.
template <class TArray>
void FwSerializeValueArray(CArchive& ar, TArray& array)
{
    using Element = std::remove_reference_t<decltype(array[0])>;
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(array.GetSize()));
        for (INT_PTR i = 0; i < array.GetSize(); ++i)
            FwSerializeElement(ar, array[i]);
    } else {
        DWORD_PTR nCount = ar.ReadCount();
        ar.CheckCount(nCount, FwMinElementBytes<Element>());
        array.SetSize(static_cast<INT_PTR>(nCount));
        for (INT_PTR i = 0; i < array.GetSize(); ++i)
            FwSerializeElement(ar, array[i]);
    }
}
