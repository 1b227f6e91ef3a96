#include "docview/OleDocIPFrameWnd.h"

IMPLEMENT_DYNCREATE(COleDocIPFrameWnd, COleIPFrameWnd)
