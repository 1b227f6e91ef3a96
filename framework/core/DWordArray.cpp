#include "core/DWordArray.h"

IMPLEMENT_DYNAMIC(CDWordArray, CObject)
