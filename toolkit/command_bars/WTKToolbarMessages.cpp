#include "command_bars/WTKToolbarMessages.h"

#include "foundation/WTKToolBarBase.h"

#include "win/Wnd.h"

// Registered during static initialisation, in this order, before any window exists.
const UINT WTK_TOOLBAR_POPUPMENU = ::RegisterWindowMessageA("WTKTOOLBAR_POPUPMENU");
const UINT WTK_TOOLBAR_CUSTOMIZE = ::RegisterWindowMessageA("WTKTOOLBAR_CUSTOMIZE");
const UINT WTK_TOOLBAR_CREATE = ::RegisterWindowMessageA("WTKTOOLBAR_CREATE");
const UINT WTK_TOOLBAR_DELETE = ::RegisterWindowMessageA("WTKTOOLBAR_DELETE");
const UINT WTK_TOOLBAR_CUSTOMIZEHELP = ::RegisterWindowMessageA("WTKTOOLBAR_CUSTOMIZEHELP");
const UINT WTK_TOOLBAR_RESETTOOLBAR = ::RegisterWindowMessageA("WTKTOOLBAR_RESETTOOLBAR");
const UINT WTK_TOOLBAR_RESETMENU = ::RegisterWindowMessageA("WTKTOOLBAR_RESETMENU");
const UINT WTK_TOOLBAR_SHOWREGULARMENU = ::RegisterWindowMessageA("WTKTOOLBAR_SHOWREGULARMENU");
const UINT WTK_TOOLBAR_RESETCONTEXTMENU = ::RegisterWindowMessageA("WTKTOOLBAR_RESETCONTEXTMENU");
// The stored name keeps its historical spelling: other modules register the same name.
const UINT WTK_TOOLBAR_RESETKEYBOARD = ::RegisterWindowMessageA("WTKTOOLBAR_RESETKEYBAORD");

const UINT WTK_TOOLBAR_GETDOCUMENTCOLORS = ::RegisterWindowMessageA("WTKTOOLBAR__GETDOCUMENTCOLORS");
const UINT WTKM_PROPERTYCHANGED = ::RegisterWindowMessageA("WTKM_PROPERTYCHANGED");

const char* const kWTKUserToolsManagerSection = "WTKUserToolsManager";
const char* const kWTKUserToolsEntry = "Tools";
const char* const kWTKPropertyFormats[6] = {"%d", "%ld", "%u", "%u", "%f", "%lf"};

POINT WTKPointFromPopupMenuParam(LPARAM lParam)
{
    return POINT {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

CWTKToolBarBase* WTKFindToolBarOfParam(LPARAM lParam)
{
    const CWnd* pWnd = reinterpret_cast<const CWnd*>(lParam);
    if (!pWnd)
        return nullptr;
    for (POSITION pos = WTKAllToolbars().GetHeadPosition(); pos;) {
        CWTKToolBarBase* pBar = WTKAllToolbars().GetNext(pos);
        if (pBar && pBar->GetBarWnd() == pWnd)
            return pBar;
    }
    return nullptr;
}
