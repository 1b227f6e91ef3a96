// CWTKFrameHelper: what every toolkit top-level frame needs, embedded in the frame and called
// from its handlers: the link to the menu bar, user-defined and torn-off toolbars with their
// registry state, docking with the toolkit's dock bars, the frame placement through the
// workspace, and the keyboard and mouse filtering that lets popup menus, the menu bar and the
// toolbars take keys and clicks before the frame does.
//
// Torn-off toolbars in the registry: section = the workspace's section path +
// "ControlBars-TearOff", one key "<section>-<n>" per bar, n = 0, 1, 2 ... without gaps, with
// "ID" (integer), "Name" (string) and "State" (binary: the toolbar archived with its class).
#pragma once
#include "foundation/WTKFrameHelperBase.h"

#include "core/ObList.h"
#include "core/Rect.h"
#include "core/String.h"

#include <windows.h>

#include <vector>

class CControlBar;
class CDockState;
class CFrameWnd;
class CWnd;
class CWTKMenuBar;
class CWTKPopupMenu;
class CWTKToolBar;

class CWTKFrameHelper : public CWTKFrameHelperBase {
public:
    explicit CWTKFrameHelper(CFrameWnd* pFrame);
    // Removes and deletes every user-defined toolbar, then every torn-off toolbar.
    ~CWTKFrameHelper() override;
    CWTKFrameHelper(const CWTKFrameHelper&) = delete;
    CWTKFrameHelper& operator=(const CWTKFrameHelper&) = delete;

    // The helper of a toolkit frame of any kind (plain, MDI, in-place), or null.
    static CWTKFrameHelper* FromFrame(const CWnd* pFrame);

    // ---- Workspace (CWTKFrameHelperBase) ----
    CFrameWnd* GetFrame() override { return m_pFrame; }
    void LoadUserToolbars() override;
    void LoadTearOffBars() override;
    BOOL SaveUserToolbars(BOOL bFrameOnly) override;
    void SaveTearOffBars(BOOL bFrameOnly) override;
    BOOL IsDockStateValid(const CDockState& state) override;
    void SetDockState(const CDockState& state) override;

    // ---- Creation and closing ----
    // The saved placement (through the workspace) into the creation record. A placement that
    // leaves no usable window (smaller than the frame's minimum tracking size, mostly off every
    // monitor's work area, damaged) is passed over: the frame opens at its default placement,
    // and that is what its close stores.
    void RestorePosition(CREATESTRUCTA& cs);
    // The smallest size the frame may be given, by the user or by a stored placement: the
    // system's minimum tracking size, or more when the frame asks for more.
    void SetMinTrackSize(SIZE size) { m_sizeMinTrack = size; }
    CSize GetMinTrackSize() const;
    // The monitors' work areas a stored placement must be on. Replaceable, so that a test can
    // give monitors the machine does not have; null restores the system's. Returns the previous.
    using WorkAreasSource = std::vector<CRect> (*)();
    static WorkAreasSource SetWorkAreasSource(WorkAreasSource pfnSource);
    // The workspace loads the window state for the frame.
    void OnLoadFrame();
    // Hidden torn-off bars go; the workspace saves the state and the placement.
    void OnCloseFrame();
    void OnDeactivate();
    // The frame's WM_ACTIVATE after the framework's: floating frames come along, a click
    // repaints at once, deactivation closes what the frame has open.
    void OnActivateFrame(UINT nState);
    // WM_DESTROY: the keyboard manager installs the tables it created in the frame, which owns
    // them; the caches forget the handle, which a later table may get again.
    void DestroyInstalledAccelerators();

    // ---- Toolbars ----
    BOOL IsUserDefinedToolbar(const CControlBar* pBar) const;
    // A new user-defined toolbar named lpszName, floating at the screen centre; null when the
    // range is full (a message says so) or creation failed.
    CWTKToolBar* CreateNewToolBar(LPCTSTR lpszName);
    BOOL DeleteToolBar(CWTKToolBar* pToolBar);
    void AddTearOffToolbar(CControlBar* pToolBar);
    void RemoveTearOffToolbar(CControlBar* pToolBar);
    const CObList& GetTearOffBars() const { return m_listTearOffToolbars; }
    const CObList& GetUserToolbars() const { return m_listUserDefinedToolbars; }

    // ---- Menu bar ----
    // Called by the menu bar once its window exists.
    void SetMenuBar(CWTKMenuBar* pMenuBar);
    CWTKMenuBar* GetMenuBar() const { return m_pMenuBar; }
    HMENU GetFrameMenu() const { return m_hDefaultMenu; }
    // The frame's Windows menu goes again while the menu bar is visible.
    void OnUpdateFrameMenu();

    // ---- Keyboard and mouse ----
    // The frame's PreTranslateMessage filtering; TRUE: consumed. *pbTranslate FALSE: the frame
    // must not translate the message at all.
    BOOL PreTranslateMessage(MSG* pMsg, BOOL* pbTranslate);
    BOOL ProcessKeyboard(int nKey, BOOL* pbProcessAccel = nullptr);
    BOOL ProcessMouseClick(UINT uiMsg, POINT pt, HWND hwnd);
    // cKey is the key (virtual-key code) pressed with Alt.
    BOOL ProcessMnemonic(TCHAR cKey);
    // WM_MENUCHAR: the character typed, whose key is offered as a mnemonic.
    BOOL ProcessMenuChar(UINT nChar);
    BOOL SetActivePopup(CWTKPopupMenu* pPopup);
    static BOOL IsHelpKey(const MSG* pMsg);

    // ---- Context help ----
    // The frame's help mode with the toolbars' mouse hook on, so that the toolbar under the
    // mouse shows its hot button while the frame holds the mouse. bContextHelp (the frame's
    // flag) is set meanwhile: the frame's WinHelp asked for no particular help goes on in help
    // mode. FALSE when the frame went away during help mode.
    BOOL RunContextHelp(BOOL& bContextHelp);
    static BOOL IsAltKey(WPARAM wParam);

    // ---- Docking ----
    void EnableDocking(DWORD dwDockStyle);
    // The frame's floating frames go above it (also those shown before the frame was).
    void RaiseFloatingFrames();

    // The range of user-defined toolbar ids; -1, -1: none.
    int m_uiUserToolbarFirst = -1;
    int m_uiUserToolbarLast = -1;
    // Profile under which user-defined toolbars keep their state.
    CString m_strControlBarRegEntry;
    // The frame's resource id (LoadFrame stores it); the menu bar's default menu resource.
    UINT m_nIDDefaultResource = 0;

protected:
    CString GetTearOffSection() const;
    CString GetTearOffKey(int nIndex) const;

    CObList m_listUserDefinedToolbars;
    CObList m_listTearOffToolbars;
    CWTKMenuBar* m_pMenuBar = nullptr;
    // A key pressed with Alt was ours (a mnemonic): the Alt release that follows is too.
    BOOL m_bAltKeyUsed = FALSE;
    HMENU m_hDefaultMenu = nullptr;
    CFrameWnd* m_pFrame;
    CSize m_sizeMinTrack {0, 0};
};
