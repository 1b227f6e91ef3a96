// CCmdUI: the state of one command's user interface item (menu item, button, pane),
// asked of the command's update handler. Derived classes drive their own items.
#pragma once
#include <windows.h>

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI {
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);  // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCSTR lpszText);

    // The handler leaves the update to the next target in the route.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks pTarget for the state; with bDisableIfNoHndler a command that nobody
    // handles is disabled. TRUE when a handler took the update.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    CMenu* m_pMenu = nullptr;     // the menu item's menu, or null
    CMenu* m_pSubMenu = nullptr;  // the item's popup, when it opens one
    CMenu* m_pParentMenu = nullptr;
    CWnd* m_pOther = nullptr;  // the item's window (a button, a bar), or null
    UINT m_nIndexMax = 0;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
};

// Whether nID is one of the system menu's commands (SC_SIZE ... SC_CONTEXTHELP and their kin).
bool FwIsSystemCommand(UINT nID);

// Asks pTarget for the state of each command item of pMenu (the items of a popup as it
// opens, or a menu bar's own items). Separators, popups and system commands are skipped;
// with bDisableIfNoHndler, an item whose command nobody handles is disabled.
void FwUpdateMenuItems(CMenu* pMenu, CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

// Records the state asked of it without touching any item (is the command enabled?).
class CCmdUIStateRecorder : public CCmdUI {
public:
    void Enable(BOOL bOn = TRUE) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck = 1) override { m_nCheck = nCheck; }
    void SetRadio(BOOL bOn = TRUE) override { m_nCheck = bOn ? 1 : 0; }
    void SetText(LPCSTR) override {}

    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0;
};
