// CFrameWnd: a window that frames a view (the pane, id FW_IDW_PANE_FIRST), its bars, menu
// and accelerators, loaded from one resource id. Frames route commands (active view, its
// document, the frame, then the application; a popup frame after itself through its owner
// frame), keep their menus and child windows' command states up to date at idle, show
// command prompts, and lay their bars out. Frames are always created with new: they delete
// themselves when their window is gone.
//
// Title rule (with FWS_ADDTOTITLE): the frame's own title is the first field of its resource
// string. A frame that shows a document is captioned "<document title> - <frame title>" with
// FWS_PREFIXTITLE (set for every top-level frame that is not a multiple-document frame), else
// "<frame title> - <document title>"; without a document, or when the document's title is
// empty, the frame title alone.
#pragma once
#include "docview/BarStyles.h"
#include "docview/CreateContext.h"
#include "core/PtrList.h"
#include "win/FrameworkRes.h"
#include "win/Wnd.h"

class CControlBar;
class CDockBar;
class CDockState;
class CDocument;
class CMenu;
class CMiniDockFrameWnd;
class CView;

// Frame styles (the window class's own style bits).
#define FWS_ADDTOTITLE 0x00008000L   // the caption follows the document's title
#define FWS_PREFIXTITLE 0x00004000L  // the document's title comes first

// The layout record of WM_SIZEPARENT. Each direct child of the frame, in child-window order,
// takes its strip from rect; in query mode (hDWP null) nothing moves and sizeTotal collects
// the sizes the children took.
struct SizeParentParams {
    HDWP hDWP = nullptr;
    RECT rect = {0, 0, 0, 0};
    SIZE sizeTotal = {0, 0};
    BOOL bStretch = TRUE;  // bars span the whole free width or height
};

// Places hWnd at rect as part of a layout: deferred in the record's position set, nothing in query mode.
void FwRepositionWindow(SizeParentParams* pLayout, HWND hWnd, LPCRECT lpRect);

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd() = default;
    ~CFrameWnd() override;

    static const RECT rectDefault;  // the system's default position and size

    // A top-level frame (or child frame) of this framework's frame class.
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Title (the resource string's first field), menu, accelerators and icon from nIDResource,
    // each when the resource exists. Without a creation context the frame's views get their
    // first update at once.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    // The pane: a window of the context's view class with id nID (a view that deletes itself).
    CWnd* CreateView(CCreateContext* pContext, UINT nID = FW_IDW_PANE_FIRST);

    // ---- Views and documents ----
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    // The frame whose view has the user's attention: this frame (a multiple-document frame: its active child).
    virtual CFrameWnd* GetActiveFrame() { return this; }
    // Sets the pane active, gives the views their first update, shows the frame and sets its title.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    // Shows the frame (nCmdShow -1: shown, or restored when minimised) and brings it to the top.
    virtual void ActivateFrame(int nCmdShow = -1);

    // ---- Title and menu ----
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCSTR lpszDocName);
    // Shows hMenuAlt, else the default menu.
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    HMENU GetDefaultMenu() const { return m_hMenuDefault; }

    // ---- Layout ----
    // Lays the direct children out (WM_SIZEPARENT in child-window order), the pane gets the rest.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // The layout of the children with ids nIDFirst..nIDLast; nIDLeftOver takes what is left.
    // With reposQuery nothing moves and lpRectParam receives the rectangle left over.
    enum RepositionFlags { reposDefault = 0, reposQuery = 1 };
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags = reposDefault,
                        LPRECT lpRectParam = nullptr, LPCRECT lpRectClient = nullptr, BOOL bStretch = TRUE);
    // The next idle update does the work (once, however often it was asked for).
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    void DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }
    void DelayUpdateFrameMenu() { m_nIdleFlags |= idleMenu; }
    BOOL InRecalcLayout() const { return m_bInRecalcLayout; }

    // ---- Control bars and docking (defined by the bars layer, framework/bars) ----
    // Creates the dock bars of the sides in dwDockStyle (CBRS_ALIGN_*): top, bottom, left, right.
    void EnableDocking(DWORD dwDockStyle);
    // Docks pBar into the dock bar nDockBarID (0: the first side the bar allows), at lpRect
    // (screen coordinates; the dock bar picks the row from its top and the order from its left),
    // or at the end of the last row.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    // Floats pBar in a floating frame whose top-left corner is point (screen coordinates);
    // dwStyle's CBRS_ALIGN_* bits say whether the bar lies horizontally or vertically.
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    // With bDelay the change and the layout happen at the next idle update.
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID);
    // A floating frame of m_pFloatingFrameClass (CMiniDockFrameWnd when null) owned by this frame.
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);
    void GetDockState(CDockState& state) const;
    virtual void SetDockState(const CDockState& state);
    // The dock state through the application's profile functions.
    void LoadBarState(LPCTSTR lpszProfileName);
    void SaveBarState(LPCTSTR lpszProfileName) const;
    // The dock bar that would take a bar dropped at rect (screen coordinates), or null.
    CDockBar* CanDock(CRect rect, DWORD dwDockStyle) const;
    // Applies every pending delayed show or hide of this frame's bars; TRUE when one changed.
    BOOL ApplyDelayedBarShow();

    CRuntimeClass* m_pFloatingFrameClass = nullptr;
    // The frame's control bars (CControlBar*): a bar joins when its window is created and
    // leaves when it is destroyed; dock bars are among them.
    CPtrList m_listControlBars;

    // ---- Help mode ----
    // Command ID_CONTEXT_HELP (Shift+F1): the frame holds the mouse with the help cursor until a
    // click names what to explain. The window under the click, or the nearest parent that knows
    // one, answers WM_HELPHITTEST with a help id, which goes to WinHelp; a click where nothing
    // answers (or answers -1) asks for the general help (WinHelp with 0, HELP_INDEX). Escape, a
    // right click, a click outside the program or losing the mouse ends help mode without help.
    virtual void OnContextHelp();
    // Not in help mode yet, the window exists and no window holds the mouse.
    virtual BOOL CanEnterHelpMode();
    BOOL IsInHelpMode() const { return m_bHelpMode; }

    // ---- Status prompts ----
    // The prompt of a command: its string resource up to the first "\n" (empty without one).
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(LPCSTR lpszText);
    void SetMessageText(UINT nID);
    // The window that shows prompts: the direct child with the status bar's id, or null.
    CWnd* GetMessageBar();

    // ---- Overrides ----
    BOOL IsFrameWnd() const override { return TRUE; }
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, FwCmdHandlerInfo* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void PostNcDestroy() override;
    // The accelerator table that PreTranslateMessage translates with.
    virtual HACCEL GetDefaultAccelerator();

    BOOL m_bAutoMenuEnable = TRUE;  // menu items without a handler are disabled
    HACCEL m_hAccelTable = nullptr;

protected:
    // The frame's title from its resource string (the text before the first "\n") and a
    // window class with the icon of the same id: what every frame kind loads from its id.
    static CString LoadFrameTitle(UINT nIDResource);
    static LPCSTR RegisterFrameClass(UINT nIDResource);
    enum IdleFlags { idleMenu = 0x1, idleTitle = 0x2, idleNotify = 0x4, idleLayout = 0x8 };

    virtual BOOL OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext);
    // Runs help mode until a click (TRUE, *pdwContext its help id, 0 for none) or a cancel.
    BOOL TrackHelpClick(DWORD_PTR* pdwContext);
    // The help id of the window under a screen point, asked up its parents; 0 for none, and
    // FALSE when the point is on no window of this program.
    BOOL HelpHitTest(POINT ptScreen, DWORD_PTR* pdwContext);
    // The top-level items of the frame's menu bar follow their update handlers.
    void UpdateMenuBarItems();
    BOOL IsSyncActiveFloater(HWND hWnd) const;
    void NotifyFloatingWindows(WPARAM dwFlags);

    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    LRESULT OnNcActivateMessage(WPARAM wParam, LPARAM lParam);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // The show and hide commands of the bars (ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR).
    BOOL OnBarCheck(UINT nID);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    void OnUpdateKeyIndicator(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

    CString m_strTitle;
    HMENU m_hMenuDefault = nullptr;
    CView* m_pViewActive = nullptr;
    UINT m_nIdleFlags = 0;
    BOOL m_bHelpMode = FALSE;
    BOOL m_bInRecalcLayout = FALSE;
    UINT m_nIDTracking = 0;     // the menu item under the mouse
    UINT m_nIDLastMessage = 0;  // the prompt shown

private:
    friend class CView;
};
