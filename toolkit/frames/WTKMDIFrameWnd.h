// CWTKMDIFrameWnd: the toolkit's multiple-document frame. It embeds a CWTKFrameHelper and
// forwards to it as CWTKFrameWnd does, subclasses its MDI client with a CMDIClientAreaWnd that
// shows one document tab per child, lists the MDI children in any popup that holds the window
// commands, lets the menu bar show the children's menus instead of the Windows menu, and puts
// the menu bar into maximised-child mode while the active child is maximised.
#pragma once
#include "frames/MDIClientAreaWnd.h"
#include "frames/WTKFrameHelper.h"

#include "command_bars/WTKMenuBarHost.h"
#include "command_bars/WTKPopupMenuHost.h"

#include "docview/MDIFrameWnd.h"
#include "win/FrameworkRes.h"

class CDC;
class CWTKPopupMenu;

class CWTKMDIFrameWnd : public CMDIFrameWnd, public CWTKPopupMenuHost, public CWTKMenuBarHost {
    DECLARE_DYNCREATE(CWTKMDIFrameWnd)
public:
    // The platform's window commands, its first MDI child item and its "more windows" item.
    static constexpr UINT kFirstWindowCmd = ID_WINDOW_NEW;
    static constexpr UINT kLastWindowCmd = ID_WINDOW_LAST;
    static constexpr UINT kFirstMDIChildId = FW_IDM_FIRST_MDICHILD;
    static constexpr UINT kMoreWindowsId = FW_IDM_FIRST_MDICHILD + 9;

    CWTKMDIFrameWnd();
    ~CWTKMDIFrameWnd() override;

    // ---- Framework overrides ----
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    BOOL OnSetMenu(HMENU hMenu) override;
    BOOL CreateClient(LPCREATESTRUCTA lpcs, CMenu* pWindowMenu) override;
    HMENU GetWindowMenuPopup(HMENU hMenuBar) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;

    // ---- Toolkit frame operations ----
    virtual BOOL OnShowPopupMenu(CWTKPopupMenu* pMenuPopup);
    CWTKPopupMenu* OnClosePopupMenu(CWTKPopupMenu* pMenuPopup) override;
    BOOL OnTearOffMenu(CWTKPopupMenu* pMenuPopup, CControlBar* pBar) override;
    void AddTearOffToolbar(CControlBar* pBar) override { m_Impl.AddTearOffToolbar(pBar); }
    // Print preview: the document tabs hide while it shows.
    virtual void OnSetPreviewMode(BOOL bPreview);
    // The item in-place active in the active view's document; the framework has no OLE
    // containers, so there never is one here.
    virtual CObject* GetActiveInPlaceItem() { return nullptr; }
    // Paints the MDI client's background; FALSE leaves it to the client.
    virtual BOOL OnEraseMDIClientBackground(CDC* /*pDC*/) { return FALSE; }

    // ---- The menu bar's host ----
    void SetMenuBar(CWTKMenuBar* pMenuBar) override { m_Impl.SetMenuBar(pMenuBar); }
    UINT GetFrameResourceId() const override { return m_Impl.m_nIDDefaultResource; }
    HMENU GetDefaultMenu() const override { return m_hMenuDefault; }
    void ReplaceDefaultMenu(HMENU hMenu) override;

    // ---- Non-virtual ----
    void EnableDocking(DWORD dwDockStyle);
    BOOL ShowPopupMenu(CWTKPopupMenu* pMenuPopup) override;
    // A command that opens the Windows dialog, listed after the MDI children in window popups:
    // always with bShowAlways, else only when the Window menu has its "more windows" item.
    void SetMoreWindowsCommand(UINT uiCmdId, LPCTSTR lpszText, BOOL bShowAlways = FALSE);
    // Shows or hides the document tabs; switched off before the client exists, the client is
    // not subclassed at all.
    void EnableMDITabs(BOOL bEnable);
    // The menu bar carries the maximised active child's system buttons, or none.
    void UpdateMenuBarMaximizeMode();

    CWTKFrameHelper* GetFrameHelper() { return &m_Impl; }
    CMDIClientAreaWnd& GetClientArea() { return m_wndClientArea; }
    HMENU GetWindowMenu() const { return m_hWindowMenu; }

protected:
    LRESULT OnMenuCharMessage(WPARAM wParam, LPARAM lParam);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnClose();
    void OnDestroy();
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    // Help mode with the toolbars following the mouse; CFrameWnd's map routes ID_CONTEXT_HELP here.
    void OnContextHelp() override;
    LRESULT OnToolbarCreateNew(WPARAM wParam, LPARAM lParam);
    LRESULT OnToolbarDelete(WPARAM wParam, LPARAM lParam);
    LRESULT OnChangeActiveTab(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // Appends the MDI children of the Window menu (and the more-windows command) to pPopup.
    void AddWindowList(CWTKPopupMenu* pPopup);
    static BOOL HasWindowCommand(CWTKPopupMenu* pPopup);

    CMDIClientAreaWnd m_wndClientArea;
    HMENU m_hWindowMenu = nullptr;
    CWTKFrameHelper m_Impl;
    BOOL m_bContextHelp = FALSE;
    BOOL m_bTabsOnClient = TRUE;
    UINT m_uiMoreWindowsCmd = 0;
    CString m_strMoreWindowsText;
    BOOL m_bShowMoreWindowsAlways = FALSE;
};
