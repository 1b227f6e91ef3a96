#include "core/StringList.h"

IMPLEMENT_DYNAMIC(CStringList, CObject)
