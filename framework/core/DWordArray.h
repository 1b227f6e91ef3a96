// CDWordArray: a growable array of DWORD elements.
#pragma once
#include "core/Array.h"

class CDWordArray : public CArray<DWORD, DWORD> {
    DECLARE_SERIAL(CDWordArray)
public:
    CDWordArray() = default;
    // The count, then the elements.
    void Serialize(CArchive& ar) override;
};
