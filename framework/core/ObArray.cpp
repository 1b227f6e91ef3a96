#include "core/ObArray.h"

IMPLEMENT_DYNAMIC(CObArray, CObject)
