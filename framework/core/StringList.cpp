#include "core/StringList.h"
#include "core/Archive.h"

IMPLEMENT_SERIAL(CStringList, CObject, 0)

void CStringList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(GetCount()));
        for (POSITION pos = GetHeadPosition(); pos;)
            ar << GetNext(pos);
        return;
    }
    DWORD_PTR nCount = ar.ReadCount();
    ar.CheckCount(nCount, 1);  // each string takes at least its length
    for (DWORD_PTR i = 0; i < nCount; ++i) {
        CString value;
        ar >> value;
        AddTail(value);
    }
}
