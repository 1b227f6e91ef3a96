// CWTKWorkspace: the toolkit's mix-in base of the application object. It names the registry
// section under which the whole user-interface state lives and loads that state when the main
// frame is set up and saves it when the main frame closes: a version record, the toolbars'
// global parameters, command images, every toolbar, the sizing bars, user-defined and torn-off
// toolbars, rebar bands, the frame's dock state and the optional managers.
//
// Registry layout, W = BuildRegistryPath(registry base, "") in the current user's hive:
//   W + "WTKToolkitVersion\"  "Major", "Minor"
//   W                         the state of each part, under its own value or sub-key names
//   W + "WindowPlacement\"    "MainWindowRect", "Flags", "ShowCmd"
// and, through the application's profile functions (which place them under the same key),
// the dock state in the section registry base + "\ControlBars" and the sizing bars in
// registry base + "\SizingBars-SCBar-%d".
//
// The parts above the foundation take part through the interfaces and registration points
// of WTKToolBarBase.h, WTKSizingBarBase.h, WTKFrameHelperBase.h, WTKCommandManagerBase.h,
// the manager interfaces and WTKWorkspaceSteps.h.
#pragma once
#include "core/Point.h"
#include "core/Rect.h"
#include "core/Size.h"
#include "core/String.h"

class CWnd;
class CWTKFrameHelperBase;

class CWTKWorkspace {
public:
    static constexpr int kVersionMajor = 6;
    static constexpr int kVersionMinor = 31;

    // Makes this object the current workspace. bResourceSmartUpdate: toolbars keep their
    // resource items and reconcile the saved buttons with them.
    explicit CWTKWorkspace(BOOL bResourceSmartUpdate = FALSE);
    // Deletes the managers this workspace owns and stops being the current workspace.
    virtual ~CWTKWorkspace();
    CWTKWorkspace(const CWTKWorkspace&) = delete;
    CWTKWorkspace& operator=(const CWTKWorkspace&) = delete;

    // Both answer TRUE unless saving is disabled: each part reports failures only through its
    // own result. A section, when given, becomes the registry base.
    virtual BOOL LoadState(LPCTSTR lpszSectionName = nullptr, CWTKFrameHelperBase* pFrameHelper = nullptr);
    // Deletes the workspace key with everything below it, so the next start is a first start.
    virtual BOOL CleanState(LPCTSTR lpszSectionName = nullptr);
    virtual BOOL SaveState(LPCTSTR lpszSectionName = nullptr, CWTKFrameHelperBase* pFrameHelper = nullptr);

    // Runs the command bound to a double click in the view (through the mouse manager): a user
    // tool with that command, or WM_COMMAND to the frame in charge.
    virtual BOOL OnViewDoubleClick(CWnd* pWnd, int iViewId);
    virtual BOOL ShowPopupMenu(UINT uiMenuResId, const CPoint& point, CWnd* pWnd);
    virtual void OnContextHelp(CWnd* pWnd, const DWORD* dwHelpIDArray);
    // The save when the frame closes.
    virtual BOOL SaveFrameState(CWTKFrameHelperBase* pFrameHelper);

    // Called first by LoadState and SaveState, and last.
    virtual void LoadCustomState() {}
    virtual void OnStateLoaded() {}
    virtual void SaveCustomState() {}
    virtual void OnStateSaved() {}

    // The main window's normal rectangle, WINDOWPLACEMENT flags and show command.
    virtual BOOL LoadWindowPlacement(CRect& rectNormalPosition, int& nFlags, int& nShowCmd);
    virtual BOOL StoreWindowPlacement(const CRect& rectNormalPosition, int nFlags, int nShowCmd);

    void SetRegistryBase(LPCTSTR lpszSectionName);
    LPCTSTR GetRegistryBase() const { return m_strRegSection; }
    // W, then lpszSectionAdd and a backslash when it is not empty.
    CString GetRegSectionPath(LPCTSTR lpszSectionAdd = nullptr) const;
    int GetInt(LPCTSTR lpszEntry, int nDefault = 0);
    BOOL WriteInt(LPCTSTR lpszEntry, int nValue);

    // -1 until LoadState has run; then the version this code writes.
    int GetDataVersionMajor() const { return m_iSavedVersionMajor; }
    int GetDataVersionMinor() const { return m_iSavedVersionMinor; }
    // Toolbars keep their resource items and reconcile saved buttons with them.
    BOOL IsResourceSmartUpdate() const { return m_bResourceSmartUpdate; }

    // The dock state's rectangles: positions are stored for the virtual screen and restored
    // inside it less one icon size to the right and below, wherever the virtual screen starts.
    static void GetDockStateRects(const CRect& rectVirtualScreen, const CSize& sizeIcon, CRect& rectDevice,
                                  CRect& rectClip);

protected:
    CString m_strRegSection = "WTKWorkspace";
    // Managers this workspace made: the destructor deletes them.
    BOOL m_bKeyboardManagerAutocreated = FALSE;
    BOOL m_bContextMenuManagerAutocreated = FALSE;
    BOOL m_bMouseManagerAutocreated = FALSE;
    BOOL m_bUserToolsManagerAutocreated = FALSE;
    BOOL m_bCommandIdPoolAutocreated = FALSE;
    int m_iSavedVersionMajor = -1;
    int m_iSavedVersionMinor = -1;
    // Apply a loaded dock state even when the frame helper finds it invalid.
    BOOL m_bLoadDockState = FALSE;
    // Load and save only the bars whose top-level frame is the frame helper's.
    BOOL m_bLoadSaveFrameBarsOnly = FALSE;
    BOOL m_bSaveEnabled = TRUE;
    BOOL m_bResourceSmartUpdate;
    // Reset images and re-lay out every toolbar after loading.
    BOOL m_bForceImageReset = FALSE;

private:
    void LoadBars(const CString& strWorkspaceKey, CWTKFrameHelperBase* pFrameHelper, BOOL& bOriginalItemsChanged);
    void SaveBars(const CString& strWorkspaceKey, CWTKFrameHelperBase* pFrameHelper);
};

// The current workspace, or null.
CWTKWorkspace* WTKGetWorkspace();
// Whether saved data being read was written by a version above nMajor.nMinor, the rule by which
// archives tell a field added in a later version; TRUE without a workspace or before a version
// was read (the data is then the current version's).
BOOL WTKIsSavedDataNewerThan(int nMajor, int nMinor);
