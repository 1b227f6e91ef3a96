#include "core/WordArray.h"

IMPLEMENT_DYNAMIC(CWordArray, CObject)
