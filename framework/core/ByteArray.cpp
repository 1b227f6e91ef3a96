#include "core/ByteArray.h"

IMPLEMENT_DYNAMIC(CByteArray, CObject)
