#include "core/PtrList.h"

IMPLEMENT_DYNAMIC(CPtrList, CObject)
