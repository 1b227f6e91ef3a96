// CMDIFrameWnd: the frame of a multiple-document program. Its pane is the system's MDI
// client window, which holds the child frames; the Window menu (the popup holding the window
// commands) lists them. Commands go to the active child first; while a child is active the
// frame shows that child's shared menu and translates that child's accelerators first.
#pragma once
#include "docview/FrameWnd.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd() = default;

    // The MDI client as the pane; pWindowMenu lists the children (may be null).
    virtual BOOL CreateClient(LPCREATESTRUCTA lpcs, CMenu* pWindowMenu);
    // The Window menu of a menu bar: the popup that holds a window command, or null.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDICascade() { ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0); }
    void MDITile(int nType = MDITILE_HORIZONTAL) { ::SendMessageA(m_hWndMDIClient, WM_MDITILE, nType, 0); }
    void MDIIconArrange() { ::SendMessageA(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0); }

    CFrameWnd* GetActiveFrame() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, FwCmdHandlerInfo* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The active child's shared menu, else hMenuAlt, else the default menu; its Window menu lists the children.
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // Before the frame shows a child's (or its own) menu: TRUE when the override showed it in
    // its own way, and the frame's menu stays as it is.
    virtual BOOL OnSetMenu(HMENU hMenu);

    HWND m_hWndMDIClient = nullptr;

protected:
    BOOL OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext) override;
    BOOL OnMDIWindowCmd(UINT nID);
    void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
