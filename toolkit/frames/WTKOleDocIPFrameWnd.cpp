#include "frames/WTKOleDocIPFrameWnd.h"

#include "command_bars/WTKToolbarMessages.h"

IMPLEMENT_DYNCREATE(CWTKOleDocIPFrameWnd, COleDocIPFrameWnd)

BEGIN_MESSAGE_MAP(CWTKOleDocIPFrameWnd, COleDocIPFrameWnd)
    ON_MESSAGE(WM_MENUCHAR, OnMenuCharMessage)
    ON_WM_ACTIVATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_CREATE, OnToolbarCreateNew)
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_DELETE, OnToolbarDelete)
END_MESSAGE_MAP()
