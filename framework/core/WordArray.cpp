#include "core/WordArray.h"
#include "core/SerializeElements.h"

IMPLEMENT_SERIAL(CWordArray, CObject, 0)

void CWordArray::Serialize(CArchive& ar)
{
    FwSerializeValueArray(ar, *this);
}
