#include "docview/OleIPFrameWnd.h"

IMPLEMENT_DYNCREATE(COleIPFrameWnd, CFrameWnd)
