#include "docview/MDIFrameWnd.h"
#include "docview/Document.h"
#include "docview/MDIChildWnd.h"
#include "win/CmdUI.h"
#include "win/Menu.h"
#include "win/WinApp.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_COMMAND_EX_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
    ON_UPDATE_COMMAND_UI_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

BOOL CMDIFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style &= ~FWS_PREFIXTITLE;  // "<frame title> - <document title>"
    return TRUE;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    int nCount = hMenuBar ? ::GetMenuItemCount(hMenuBar) : 0;
    for (int i = 0; i < nCount; ++i) {
        HMENU hPopup = ::GetSubMenu(hMenuBar, i);
        int nItems = hPopup ? ::GetMenuItemCount(hPopup) : 0;
        for (int j = 0; j < nItems; ++j) {
            UINT nID = ::GetMenuItemID(hPopup, j);
            if (nID >= ID_WINDOW_NEW && nID <= ID_WINDOW_LAST)
                return hPopup;
        }
    }
    return nullptr;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext*)
{
    HMENU hWindowMenu = GetWindowMenuPopup(::GetMenu(m_hWnd));
    return CreateClient(lpcs, hWindowMenu ? CMenu::FromHandle(hWindowMenu) : nullptr);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCTA, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT ccs = {FwSafeHmenu(pWindowMenu), FW_IDM_FIRST_MDICHILD};
    // Every style of a child frame reaches its window (the title styles among them).
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | MDIS_ALLCHILDSTYLES;
    m_hWndMDIClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, dwStyle, 0, 0, 0, 0, m_hWnd,
                                        (HMENU)(UINT_PTR)FW_IDW_PANE_FIRST, FwGetInstanceHandle(), &ccs);
    return m_hWndMDIClient != nullptr;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_hWnd)
        return 0;
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    if (!m_hWndMDIClient)
        return nullptr;
    HWND hWnd = (HWND)::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)pbMaximized);
    CWnd* pWnd = FromHandlePermanent(hWnd);
    return pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) ? static_cast<CMDIChildWnd*>(pWnd) : nullptr;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)FwSafeHwnd(pWndActivate), 0);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pChild = MDIGetActive();
    return pChild ? static_cast<CFrameWnd*>(pChild) : this;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, FwCmdHandlerInfo* pHandlerInfo)
{
    // The active child (its view, document and itself) before the frame and the application.
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild && pChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        CMDIChildWnd* pChild = MDIGetActive();
        // The system's keys of the children (Ctrl+F4, Ctrl+F6), then the active child's table.
        if (pChild && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
            return TRUE;
        if (pChild && pChild->m_hAccelTable && ::TranslateAcceleratorA(m_hWnd, pChild->m_hAccelTable, pMsg))
            return TRUE;
    }
    return CFrameWnd::PreTranslateMessage(pMsg);
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIChildWnd* pChild = MDIGetActive();
    HMENU hMenu = hMenuAlt;
    if (!hMenu && pChild)
        hMenu = pChild->m_hMenuShared;
    if (!hMenu)
        hMenu = m_hMenuDefault;
    if (!hMenu || ::GetMenu(m_hWnd) == hMenu || OnSetMenu(hMenu))
        return;
    ::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenu, (LPARAM)GetWindowMenuPopup(hMenu));
    DrawMenuBar();
}

BOOL CMDIFrameWnd::OnSetMenu(HMENU)
{
    return FALSE;
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!m_hWnd || !(GetStyle() & FWS_ADDTOTITLE))
        return;
    CMDIChildWnd* pChild = MDIGetActive();
    CDocument* pDoc = pChild ? pChild->GetActiveDocument() : nullptr;
    UpdateFrameTitleForDocument(bAddToTitle && pDoc ? (LPCSTR)pDoc->GetTitle() : nullptr);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    switch (nID) {
    case ID_WINDOW_ARRANGE:
        MDIIconArrange();
        return TRUE;
    case ID_WINDOW_CASCADE:
        MDICascade();
        return TRUE;
    case ID_WINDOW_TILE_HORZ:
        MDITile(MDITILE_HORIZONTAL);
        return TRUE;
    case ID_WINDOW_TILE_VERT:
        MDITile(MDITILE_VERTICAL);
        return TRUE;
    default:
        return FALSE;
    }
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(MDIGetActive() != nullptr);
}
