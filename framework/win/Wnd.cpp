// CWnd: creation and the wrappers over the window handle.
#include "win/Wnd.h"
#include "win/ThreadState.h"
#include "win/WinApp.h"
#include <shellapi.h>
#include <cstdio>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

// ---- Window classes ----

LPCSTR CWnd::RegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // One class per combination; the name says which, so the same request finds it again.
    static thread_local char szName[96];
    HINSTANCE hInstance = FwGetInstanceHandle();
    snprintf(szName, sizeof(szName), "Fw:%p:%x:%p:%p:%p", (void*)hInstance, nClassStyle, (void*)hCursor,
             (void*)hbrBackground, (void*)hIcon);
    WNDCLASSA wc = {};
    if (::GetClassInfoA(hInstance, szName, &wc))
        return szName;
    wc.style = nClassStyle;
    wc.lpfnWndProc = &::DefWindowProcA;
    wc.hInstance = hInstance;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = szName;
    return ::RegisterClassA(&wc) ? szName : nullptr;
}

// ---- Creation ----

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = RegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    return cs.lpszClass != nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = (LONG)dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = FwGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    FwHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, (DWORD)cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    FwUnhookWindowCreate();
    // On failure after attaching, WM_NCDESTROY has already detached (and maybe deleted) the object.
    return hWnd != nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, FwSafeHwnd(pParentWnd), (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, (LPVOID)pContext);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    HWND hWnd = m_hWnd;
    bool bPermanent = FromHandlePermanent(hWnd) == this;
    BOOL bResult = ::DestroyWindow(hWnd);
    // A window that was only wrapped (not subclassed) gets no WM_NCDESTROY through us.
    if (!bPermanent)
        Detach();
    return bResult;
}

// ---- Wrappers ----

void CWnd::GetWindowText(CString& rString) const
{
    int nLength = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, rString.GetBuffer(nLength), nLength + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND hWnd = ::GetDlgItem(m_hWnd, nID);
    if (hWnd)
        CWnd::FromHandle(hWnd)->GetWindowText(rString);
    return rString.GetLength();
}

static BOOL ModifyLong(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = (DWORD)::GetWindowLongPtrA(hWnd, nIndex);
    DWORD dwNew = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNew)
        return FALSE;
    ::SetWindowLongPtrA(hWnd, nIndex, (LONG_PTR)dwNew);
    if (nFlags)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::ClientToScreen(m_hWnd, (LPPOINT)lpRect);
    ::ClientToScreen(m_hWnd, ((LPPOINT)lpRect) + 1);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, (LPPOINT)lpRect);
    ::ScreenToClient(m_hWnd, ((LPPOINT)lpRect) + 1);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    // The z-order constants (wndTop, HWND_TOPMOST ...) arrive as handle values.
    HWND hWndAfter = (HWND)pWndInsertAfter;
    if ((UINT_PTR)pWndInsertAfter > 0xFFFF && pWndInsertAfter != (const CWnd*)HWND_MESSAGE)
        hWndAfter = pWndInsertAfter->m_hWnd;
    return ::SetWindowPos(m_hWnd, hWndAfter, x, y, cx, cy, nFlags);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    RECT rcArea, rcCenter, rcWindow;
    HWND hWndCenter = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if (GetStyle() & WS_CHILD)
        hWndCenter = ::GetParent(m_hWnd);
    ::GetWindowRect(m_hWnd, &rcWindow);
    if (GetStyle() & WS_CHILD) {
        ::GetClientRect(hWndCenter, &rcArea);
        rcCenter = rcArea;
        ::MapWindowPoints(hWndCenter, nullptr, (LPPOINT)&rcCenter, 2);
        ::MapWindowPoints(nullptr, hWndCenter, (LPPOINT)&rcWindow, 2);
        rcCenter = rcArea;
    } else {
        MONITORINFO mi = {sizeof(mi), {}, {}, 0};
        HMONITOR hMonitor = ::MonitorFromWindow(hWndCenter ? hWndCenter : m_hWnd, MONITOR_DEFAULTTONEAREST);
        ::GetMonitorInfoA(hMonitor, &mi);
        rcArea = mi.rcWork;
        if (hWndCenter && ::IsWindowVisible(hWndCenter) && !::IsIconic(hWndCenter))
            ::GetWindowRect(hWndCenter, &rcCenter);
        else
            rcCenter = rcArea;
    }
    int cx = rcWindow.right - rcWindow.left, cy = rcWindow.bottom - rcWindow.top;
    int x = (rcCenter.left + rcCenter.right) / 2 - cx / 2;
    int y = (rcCenter.top + rcCenter.bottom) / 2 - cy / 2;
    // Keep the window inside the work area.
    if (x + cx > rcArea.right)
        x = rcArea.right - cx;
    if (x < rcArea.left)
        x = rcArea.left;
    if (y + cy > rcArea.bottom)
        y = rcArea.bottom - cy;
    if (y < rcArea.top)
        y = rcArea.top;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

void CWnd::DragAcceptFiles(BOOL bAccept)
{
    ::DragAcceptFiles(m_hWnd, bAccept);
}

CWnd* CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop)
{
    HWND hWnd = FwSafeHwnd(pParent);
    if (!hWnd) {
        CWnd* pMainWnd = FwGetMainWnd();
        hWnd = pMainWnd ? pMainWnd->m_hWnd : nullptr;
    }
    if (!hWnd) {
        // Inside a DLL or before the main window exists: the thread's active window.
        HWND hWndActive = ::GetActiveWindow();
        if (hWndActive && ::GetWindowThreadProcessId(hWndActive, nullptr) == ::GetCurrentThreadId())
            hWnd = hWndActive;
    }
    HWND hWndTop = hWnd;
    while (hWndTop && (::GetWindowLongPtrA(hWndTop, GWL_STYLE) & WS_CHILD))
        hWndTop = ::GetParent(hWndTop);
    if (pWndTop)
        *pWndTop = hWndTop;
    // A window that disables its owner (modal) is owned by a top-level window, never by a child.
    return FromHandle(pWndTop ? hWndTop : hWnd);
}

CWnd* CWnd::GetTopLevelParent() const
{
    HWND hWnd = m_hWnd;
    while (hWnd && (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    return FromHandle(hWnd);
}

CWnd* CWnd::GetTopLevelOwner() const
{
    HWND hWnd = m_hWnd;
    for (HWND hWndOwner; hWnd && (hWndOwner = ::GetWindow(hWnd, GW_OWNER)) != nullptr;)
        hWnd = hWndOwner;
    while (hWnd && (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    return FromHandle(hWnd);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep) const
{
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep);
}

void CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep)
{
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        ::SendMessageA(hWndChild, message, wParam, lParam);
        if (bDeep && ::GetTopWindow(hWndChild))
            SendMessageToDescendants(hWndChild, message, wParam, lParam, bDeep);
    }
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    if (!lpszCaption)
        lpszCaption = FwGetAppName();
    return FwShowMessageBox(m_hWnd, lpszText, lpszCaption, nType);
}

void CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (CWinApp* pApp = FwGetApp())
        pApp->WinHelp(dwData, nCmd);
}

static HWND FindDescendant(HWND hWnd, int nID, BOOL bOnlyPerm)
{
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(hWndChild) == nID && (!bOnlyPerm || CWnd::FromHandlePermanent(hWndChild)))
            return hWndChild;
    }
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        if (HWND hWndFound = FindDescendant(hWndChild, nID, bOnlyPerm))
            return hWndFound;
    }
    return nullptr;
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    return FromHandle(FindDescendant(m_hWnd, nID, bOnlyPerm));
}

INT_PTR CWnd::OnToolHitTest(CPoint, TTTOOLINFOA*) const
{
    return -1;
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == adjustBorder)
        dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}
