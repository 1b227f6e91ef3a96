// CUIntArray: a growable array of UINT elements.
#pragma once
#include "core/Array.h"

class CUIntArray : public CArray<UINT, UINT> {
    DECLARE_SERIAL(CUIntArray)
public:
    CUIntArray() = default;
    // The count, then the elements.
    void Serialize(CArchive& ar) override;
};
