#include "core/ByteArray.h"
#include "core/SerializeElements.h"

IMPLEMENT_SERIAL(CByteArray, CObject, 0)

void CByteArray::Serialize(CArchive& ar)
{
    FwSerializeValueArray(ar, *this);
}
