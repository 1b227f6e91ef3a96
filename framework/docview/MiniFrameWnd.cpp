#include "docview/MiniFrameWnd.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
    ON_MESSAGE(WM_NCACTIVATE, OnNcActivateMessage)
    ON_WM_ACTIVATE()
END_MESSAGE_MAP()

BOOL CMiniFrameWnd::Create(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                           UINT nID)
{
    return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                             CWnd* pParentWnd, UINT nID)
{
    m_strTitle = lpWindowName ? lpWindowName : "";
    // A popup's menu parameter is a menu: only a child window carries its id there.
    HMENU hMenuOrID = (dwStyle & WS_CHILD) ? (HMENU)(UINT_PTR)nID : nullptr;
    return CWnd::CreateEx(dwExStyle, lpClassName, lpWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                          rect.bottom - rect.top, FwSafeHwnd(pParentWnd), hMenuOrID);
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle |= WS_EX_TOOLWINDOW;  // the small caption
    if (cs.style & (MFS_THICKFRAME | MFS_4THICKFRAME))
        cs.style |= WS_THICKFRAME;
    if (cs.style & MFS_BLOCKSYSMENU)
        cs.style &= ~WS_SYSMENU;
    return TRUE;
}

BOOL CMiniFrameWnd::IsOwnerActivation(HWND hWnd) const
{
    HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (!hWnd || !hWndOwner)
        return FALSE;
    if (hWnd == hWndOwner)
        return TRUE;
    // Another floating window of the same owner keeps the same captions active.
    return hWnd != m_hWnd && ::IsWindow(hWnd) && ::GetWindow(hWnd, GW_OWNER) == hWndOwner &&
        ::SendMessageA(hWnd, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0;
}

LRESULT CMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM)
{
    if (!(GetStyle() & MFS_SYNCACTIVE))
        return 0;
    if (wParam & (FS_ACTIVATE | FS_DEACTIVATE)) {
        // The caption follows the owner's; the window that has the activation keeps it.
        BOOL bActive = (wParam & FS_ACTIVATE) || ::GetActiveWindow() == m_hWnd;
        DefWindowProc(WM_NCACTIVATE, bActive, 0);
    }
    return 1;
}

LRESULT CMiniFrameWnd::OnNcActivateMessage(WPARAM wParam, LPARAM lParam)
{
    BOOL bActive = (BOOL)wParam;
    // The owner (or another of its floating windows) taking the activation keeps this caption active.
    if (!bActive && (GetStyle() & MFS_SYNCACTIVE) && IsOwnerActivation((HWND)lParam))
        bActive = TRUE;
    return DefWindowProc(WM_NCACTIVATE, bActive, lParam);
}

void CMiniFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (!(GetStyle() & MFS_SYNCACTIVE) || !hWndOwner)
        return;
    // The owner's caption goes along: active while this window has the activation, inactive
    // once the activation goes to a window outside the owner's family.
    HWND hWndOther = FwSafeHwnd(pWndOther);
    if (nState != WA_INACTIVE)
        ::SendMessageA(hWndOwner, WM_NCACTIVATE, TRUE, 0);
    else if (!IsOwnerActivation(hWndOther))
        ::SendMessageA(hWndOwner, WM_NCACTIVATE, FALSE, (LPARAM)hWndOther);
}
