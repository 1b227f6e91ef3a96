// CWTKContextMenuManagerBase: the optional context menu manager as the workspace sees it:
// popup menus shown by resource id, and their registry state.
#pragma once
#include "foundation/WTKProcessPointer.h"
#include <windows.h>

class CWnd;

class CWTKContextMenuManagerBase {
public:
    virtual ~CWTKContextMenuManagerBase() = default;

    // The popup for the menu resource at x, y (screen), owned by pWndOwner.
    virtual BOOL ShowPopupMenu(UINT uiMenuResId, int x, int y, CWnd* pWndOwner, BOOL bOwnMessage = FALSE,
                               BOOL bRightAlign = FALSE) = 0;
    virtual BOOL LoadState(LPCTSTR lpszProfileName) = 0;
    virtual BOOL SaveState(LPCTSTR lpszProfileName) = 0;
};

// The process-wide context menu manager, or null (it is set when the object is made and cleared when
// the object goes).
inline CWTKContextMenuManagerBase* WTKGetContextMenuManager()
{
    return WTKProcessPointer<CWTKContextMenuManagerBase>();
}
inline void WTKSetContextMenuManager(CWTKContextMenuManagerBase* pObject)
{
    WTKProcessPointer<CWTKContextMenuManagerBase>() = pObject;
}
