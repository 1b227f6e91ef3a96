// CObArray: a growable array of CObject* elements.
#pragma once
#include "core/Array.h"


class CObArray : public CArray<CObject*, CObject*> {
    DECLARE_DYNAMIC(CObArray)
public:
    CObArray() = default;
};
