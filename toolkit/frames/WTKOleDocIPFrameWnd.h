// CWTKOleDocIPFrameWnd: the toolkit's in-place frame of an OLE document object server. It embeds a
// CWTKFrameHelper as the other toolkit frames do, so popup menus, the menu bar and toolbars see
// keys and clicks first; while it is active it is the process's popup owner frame, and it hands
// that role back when it is deactivated or destroyed.
#pragma once
#include "frames/WTKFrameHelper.h"

#include "command_bars/WTKMenuBarHost.h"
#include "command_bars/WTKPopupMenuHost.h"

#include "docview/OleDocIPFrameWnd.h"

class CWTKPopupMenu;

class CWTKOleDocIPFrameWnd : public COleDocIPFrameWnd, public CWTKPopupMenuHost, public CWTKMenuBarHost {
    DECLARE_DYNCREATE(CWTKOleDocIPFrameWnd)
public:
    CWTKOleDocIPFrameWnd();
    ~CWTKOleDocIPFrameWnd() override;

    // ---- Framework overrides ----
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;

    // ---- Toolkit frame operations ----
    virtual BOOL OnShowPopupMenu(CWTKPopupMenu* pMenuPopup);
    CWTKPopupMenu* OnClosePopupMenu(CWTKPopupMenu* pMenuPopup) override;
    BOOL ShowPopupMenu(CWTKPopupMenu* pMenuPopup) override;
    void AddTearOffToolbar(CControlBar* pBar) override { m_Impl.AddTearOffToolbar(pBar); }

    // ---- The menu bar's host ----
    void SetMenuBar(CWTKMenuBar* pMenuBar) override { m_Impl.SetMenuBar(pMenuBar); }
    UINT GetFrameResourceId() const override { return m_Impl.m_nIDDefaultResource; }
    HMENU GetDefaultMenu() const override { return m_hMenuDefault; }
    void ReplaceDefaultMenu(HMENU hMenu) override;

    CWTKFrameHelper* GetFrameHelper() { return &m_Impl; }
    // The frame that owned the popup role before this one took it.
    HWND GetPreviousOwnerFrame() const { return m_hWndPrevOwner; }

protected:
    LRESULT OnMenuCharMessage(WPARAM wParam, LPARAM lParam);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnClose();
    void OnDestroy();
    LRESULT OnToolbarCreateNew(WPARAM wParam, LPARAM lParam);
    LRESULT OnToolbarDelete(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CWTKFrameHelper m_Impl;
    BOOL m_bContextHelp = FALSE;
    HWND m_hWndPrevOwner = nullptr;
};
