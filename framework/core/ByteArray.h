// CByteArray: a growable array of BYTE elements.
#pragma once
#include "core/Array.h"


class CByteArray : public CArray<BYTE, BYTE> {
    DECLARE_DYNAMIC(CByteArray)
public:
    CByteArray() = default;
};
