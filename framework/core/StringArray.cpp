#include "core/StringArray.h"
#include "core/SerializeElements.h"

IMPLEMENT_SERIAL(CStringArray, CObject, 0)

void CStringArray::Serialize(CArchive& ar)
{
    FwSerializeValueArray(ar, *this);
}
