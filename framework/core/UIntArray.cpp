#include "core/UIntArray.h"
#include "core/SerializeElements.h"

IMPLEMENT_SERIAL(CUIntArray, CObject, 0)

void CUIntArray::Serialize(CArchive& ar)
{
    FwSerializeValueArray(ar, *this);
}
