#include "core/PtrArray.h"

IMPLEMENT_DYNAMIC(CPtrArray, CObject)
