// CByteArray: a growable array of BYTE elements.
#pragma once
#include "core/Array.h"

class CByteArray : public CArray<BYTE, BYTE> {
    DECLARE_SERIAL(CByteArray)
public:
    CByteArray() = default;
    // The count, then the elements.
    void Serialize(CArchive& ar) override;
};
