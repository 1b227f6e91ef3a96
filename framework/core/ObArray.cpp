#include "core/ObArray.h"
#include "core/Archive.h"

IMPLEMENT_SERIAL(CObArray, CObject, 0)

void CObArray::Serialize(CArchive& ar)
{
    Serialize(ar, RUNTIME_CLASS(CObject));
}

void CObArray::Serialize(CArchive& ar, const CRuntimeClass* pElementClass)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(GetSize()));
        for (INT_PTR i = 0; i < GetSize(); ++i)
            ar.WriteObject(GetAt(i));
        return;
    }
    DWORD_PTR nCount = ar.ReadCount();
    ar.CheckCount(nCount, 2);  // each object takes at least its tag
    CArray<CObject*, CObject*> loaded;
    try {
        for (DWORD_PTR i = 0; i < nCount; ++i)
            loaded.Add(ar.ReadObject(pElementClass));
    } catch (...) {
        if (!ar.AreObjectsShared()) {
            for (INT_PTR i = 0; i < loaded.GetSize(); ++i)
                delete loaded[i];
        }
        throw;
    }
    RemoveAll();
    Append(loaded);
}
