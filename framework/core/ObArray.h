// CObArray: a growable array of object pointers. It does not own the objects.
#pragma once
#include "core/Array.h"

class CObArray : public CArray<CObject*, CObject*> {
    DECLARE_SERIAL(CObArray)
public:
    CObArray() = default;
    // The count, then each object with its class record.
    void Serialize(CArchive& ar) override;
    // Loading accepts only objects of pElementClass or derived classes. A failed load
    // deletes the objects it had added (unless the archive shares objects) and
    // leaves the array as it was.
    void Serialize(CArchive& ar, const CRuntimeClass* pElementClass);
};
