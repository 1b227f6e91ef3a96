// CStringArray: a growable array of CString elements.
#pragma once
#include "core/Array.h"
#include "core/String.h"

class CStringArray : public CArray<CString, LPCSTR> {
    DECLARE_DYNAMIC(CStringArray)
public:
    CStringArray() = default;
};
