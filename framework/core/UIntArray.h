// CUIntArray: a growable array of UINT elements.
#pragma once
#include "core/Array.h"


class CUIntArray : public CArray<UINT, UINT> {
    DECLARE_DYNAMIC(CUIntArray)
public:
    CUIntArray() = default;
};
