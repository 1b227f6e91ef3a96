// CDWordArray: a growable array of DWORD elements.
#pragma once
#include "core/Array.h"


class CDWordArray : public CArray<DWORD, DWORD> {
    DECLARE_DYNAMIC(CDWordArray)
public:
    CDWordArray() = default;
};
