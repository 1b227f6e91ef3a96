// CPtrArray: a growable array of void* elements.
#pragma once
#include "core/Array.h"

class CPtrArray : public CArray<void*, void*> {
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray() = default;
};
