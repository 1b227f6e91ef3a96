// CObList: a list of object pointers. It does not own the objects.
#pragma once
#include "core/List.h"

class CObList : public CList<CObject*, CObject*> {
    DECLARE_SERIAL(CObList)
public:
    CObList() = default;
    // The count, then each object with its class record.
    void Serialize(CArchive& ar) override;
    // Loading appends, and accepts only objects of pElementClass or derived classes.
    // A failed load deletes the objects it had appended (unless the archive shares
    // objects) and leaves the list as it was.
    void Serialize(CArchive& ar, const CRuntimeClass* pElementClass);
    // The same, and a stored count above nMaxCount fails the load as damaged before any
    // object is read.
    void Serialize(CArchive& ar, const CRuntimeClass* pElementClass, DWORD_PTR nMaxCount);
};
