#include "core/StringArray.h"

IMPLEMENT_DYNAMIC(CStringArray, CObject)
