#include "core/DWordArray.h"
#include "core/SerializeElements.h"

IMPLEMENT_SERIAL(CDWordArray, CObject, 0)

void CDWordArray::Serialize(CArchive& ar)
{
    FwSerializeValueArray(ar, *this);
}
