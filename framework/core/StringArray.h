// CStringArray: a growable array of CString elements.
#pragma once
#include "core/Array.h"
#include "core/String.h"

class CStringArray : public CArray<CString, LPCSTR> {
    DECLARE_SERIAL(CStringArray)
public:
    CStringArray() = default;
    // The count, then the elements.
    void Serialize(CArchive& ar) override;
};
