// CWordArray: a growable array of WORD elements.
#pragma once
#include "core/Array.h"


class CWordArray : public CArray<WORD, WORD> {
    DECLARE_DYNAMIC(CWordArray)
public:
    CWordArray() = default;
};
