#include "core/UIntArray.h"

IMPLEMENT_DYNAMIC(CUIntArray, CObject)
