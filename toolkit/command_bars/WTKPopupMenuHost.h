// CWTKPopupMenuHost: what popup menus ask of the top-level frame they open on. The toolkit's
// frames implement it; a popup finds it with dynamic_cast and, on a frame without it, opens,
// draws and closes on its own (every call has the answer a plain frame would give).
#pragma once
#include "core/Rect.h"

#include <windows.h>
#include <commctrl.h>

class CControlBar;
class CDC;
class CWTKPopupMenu;
class CWTKToolbarButton;
class CWTKToolbarMenuButton;

class CWTKPopupMenuHost {
public:
    virtual ~CWTKPopupMenuHost() = default;

    // A popup is about to open on this frame (it becomes the frame's active popup); FALSE
    // vetoes it and the popup closes at once.
    virtual BOOL ShowPopupMenu(CWTKPopupMenu* pMenuPopup) = 0;
    // A popup window is going away: clears the process's active popup when it is pMenuPopup;
    // returns the active popup as it was before.
    virtual CWTKPopupMenu* OnClosePopupMenu(CWTKPopupMenu* pMenuPopup) = 0;
    // Draws a menu item's image when the item has none of its own; TRUE when it drew one.
    virtual BOOL OnDrawMenuImage(CDC* /*pDC*/, const CWTKToolbarMenuButton* /*pMenuButton*/, const CRect& /*rectImage*/)
    {
        return FALSE;
    }
    // The tooltip of a menu item, asked by the item itself; TRUE when the frame filled pTI.
    virtual BOOL OnMenuButtonToolHitTest(CWTKToolbarButton* /*pButton*/, TTTOOLINFOA* /*pTI*/) { return FALSE; }
    // Draws the side logo strip of a popup that has one.
    virtual void OnDrawMenuLogo(CDC* /*pDC*/, CWTKPopupMenu* /*pMenuPopup*/, const CRect& /*rectLogo*/) {}
    // A popup's menu is about to be torn off as pBar; FALSE refuses (the popup destroys the bar).
    virtual BOOL OnTearOffMenu(CWTKPopupMenu* /*pMenuPopup*/, CControlBar* /*pBar*/) { return TRUE; }
    // Keeps a new torn-off bar with the frame's other torn-off bars.
    virtual void AddTearOffToolbar(CControlBar* /*pBar*/) {}
};
