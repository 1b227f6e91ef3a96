#include "core/ObList.h"
#include "core/Archive.h"
#include "core/Exception.h"

IMPLEMENT_SERIAL(CObList, CObject, 0)

void CObList::Serialize(CArchive& ar)
{
    Serialize(ar, RUNTIME_CLASS(CObject));
}

void CObList::Serialize(CArchive& ar, const CRuntimeClass* pElementClass)
{
    Serialize(ar, pElementClass, static_cast<DWORD_PTR>(-1));
}

void CObList::Serialize(CArchive& ar, const CRuntimeClass* pElementClass, DWORD_PTR nMaxCount)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(GetCount()));
        for (POSITION pos = GetHeadPosition(); pos;)
            ar.WriteObject(GetNext(pos));
        return;
    }
    DWORD_PTR nCount = ar.ReadCount();
    if (nCount > nMaxCount)
        FwThrowArchiveException(CArchiveException::badIndex);
    ar.CheckCount(nCount, 2);  // each object takes at least its tag
    POSITION oldTail = GetTailPosition();
    try {
        for (DWORD_PTR i = 0; i < nCount; ++i)
            AddTail(ar.ReadObject(pElementClass));
    } catch (...) {
        // Back to the list as it was; in non-shared archives the new objects are ours alone.
        BOOL bDelete = !ar.AreObjectsShared();
        while (GetTailPosition() != oldTail) {
            CObject* pOb = RemoveTail();
            if (bDelete)
                delete pOb;
        }
        throw;
    }
}
