#include "core/ObList.h"

IMPLEMENT_DYNAMIC(CObList, CObject)
