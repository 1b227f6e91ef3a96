// CWTKContextMenuManager: the application's context menus, registered by resource id and by
// name, shown as toolkit popup menus, with their customised items carried from one run to the
// next in the registry ("WTKContextMenuManager" below the given path, one toolbar state per
// menu, stored under the menu's id).
//
// The manager owns the menus it registers. In tracking mode every popup sends its commands to
// its owner only through the manager: the chosen command is recorded here and not executed.
#pragma once
#include "foundation/WTKContextMenuManagerBase.h"

#include "core/Map.h"
#include "core/String.h"

class CStringList;
class CWTKPopupMenu;

class CWTKContextMenuManager : public CWTKContextMenuManagerBase {
public:
    static constexpr char kRegEntry[] = "WTKContextMenuManager";
    // The popup's offset from the owner's client origin when no point is given.
    static constexpr int kDefaultOffset = 5;

    // Becomes the process-wide context menu manager.
    CWTKContextMenuManager();
    ~CWTKContextMenuManager() override;
    CWTKContextMenuManager(const CWTKContextMenuManager&) = delete;
    CWTKContextMenuManager& operator=(const CWTKContextMenuManager&) = delete;

    // The process-wide manager when it is this class, else null.
    static CWTKContextMenuManager* GetInstance();

    // Loads the menu resource and keeps it under its id and the name; FALSE when the resource
    // is missing, the menu has no first sub-menu, or the id or name is taken.
    BOOL AddMenu(LPCTSTR lpszName, UINT uiMenuResId);

    BOOL ShowPopupMenu(UINT uiMenuResId, int x, int y, CWnd* pWndOwner, BOOL bOwnMessage = FALSE,
                       BOOL bRightAlign = FALSE) override;
    // The popup for hmenuPopup at x, y (screen), or null when none was opened.
    CWTKPopupMenu* TrackPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner, BOOL bOwnMessage = FALSE,
                                  BOOL bRightAlign = FALSE);

    void GetMenuNames(CStringList& listOfNames) const;
    // The menu of the name, or null; *puiOrigResID gets its id (0 when none).
    HMENU GetMenuByName(LPCTSTR lpszName, UINT* puiOrigResID = nullptr) const;

    BOOL LoadState(LPCTSTR lpszProfileName = nullptr) override;
    BOOL SaveState(LPCTSTR lpszProfileName = nullptr) override;

    void SetTrackMode(BOOL bTrack) { m_bTrackMode = bTrack; }
    BOOL IsTrackMode() const { return m_bTrackMode; }
    // The command chosen in a tracked popup (0 when none since the last reset).
    UINT GetLastCommand() const { return m_uiLastCommand; }
    void SetLastCommand(UINT uiCmd) { m_uiLastCommand = uiCmd; }

protected:
    CMap<UINT, UINT, HMENU, HMENU> m_Menus;
    CMap<CString, const CString&, HMENU, HMENU> m_MenuNames;
    BOOL m_bTrackMode = FALSE;
    UINT m_uiLastCommand = 0;
};
