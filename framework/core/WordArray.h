// CWordArray: a growable array of WORD elements.
#pragma once
#include "core/Array.h"

class CWordArray : public CArray<WORD, WORD> {
    DECLARE_SERIAL(CWordArray)
public:
    CWordArray() = default;
    // The count, then the elements.
    void Serialize(CArchive& ar) override;
};
