#include "docview/FrameWnd.h"
#include "docview/Document.h"
#include "docview/FrameDockingHooks.h"
#include "docview/View.h"
#include "core/ResourceHandle.h"
#include "win/CmdUI.h"
#include "win/Menu.h"
#include "win/Resources.h"
#include "win/WinApp.h"
#include "win/WndLifeGuard.h"

#include <vector>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ACTIVATE()
    ON_MESSAGE(WM_NCACTIVATE, OnNcActivateMessage)
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI_RANGE(ID_INDICATOR_CAPS, ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
    ON_COMMAND(ID_CONTEXT_HELP, OnContextHelp)
END_MESSAGE_MAP()

const RECT CFrameWnd::rectDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

CFrameWnd::~CFrameWnd() = default;

// ---- Docking (carried out by the bars layer) ----

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    return CFrameDockingHooks::Get().CreateFloatingFrame(this, dwStyle);
}

void CFrameWnd::SetDockState(const CDockState& state)
{
    CFrameDockingHooks::Get().SetDockState(this, state);
}

// ---- Frames of a window ----

CFrameWnd* CWnd::GetParentFrame() const
{
    if (!m_hWnd)
        return nullptr;
    // GetParent gives a popup's owner: a floating window's frame is the one it floats over.
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->IsFrameWnd())
            return static_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    CFrameWnd* pFrame = IsFrameWnd() ? static_cast<CFrameWnd*>(const_cast<CWnd*>(this)) : GetParentFrame();
    while (pFrame) {
        CFrameWnd* pAbove = pFrame->GetParentFrame();
        if (!pAbove)
            break;
        pFrame = pAbove;
    }
    return pFrame;
}

// ---- Creation ----

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = RegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    if ((cs.style & FWS_ADDTOTITLE) && !(cs.style & WS_CHILD))
        cs.style |= FWS_PREFIXTITLE;
    return cs.lpszClass != nullptr;
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName) {
        HINSTANCE hInst = FwFindResourceHandle(lpszMenuName, RT_MENU);
        hMenu = hInst ? ::LoadMenuA(hInst, lpszMenuName) : nullptr;
        if (!hMenu) {
            PostNcDestroy();  // a frame that cannot be created goes away, as after its window
            return FALSE;
        }
    }
    m_strTitle = lpszWindowName ? lpszWindowName : "";
    int x = rect.left, y = rect.top, cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    if (rect.left == CW_USEDEFAULT)
        x = y = cx = cy = CW_USEDEFAULT;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy, FwSafeHwnd(pParentWnd), hMenu,
                  pContext)) {
        if (hMenu)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

CString CFrameWnd::LoadFrameTitle(UINT nIDResource)
{
    CString strTitle;
    strTitle.LoadString(nIDResource);
    const int nEnd = strTitle.Find('\n');
    return nEnd >= 0 ? strTitle.Left(nEnd) : strTitle;
}

LPCSTR CFrameWnd::RegisterFrameClass(UINT nIDResource)
{
    LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
    HINSTANCE hIconInst = FwFindResourceHandle(lpszName, RT_GROUP_ICON);
    HICON hIcon = hIconInst ? ::LoadIconA(hIconInst, lpszName) : nullptr;
    return RegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1), hIcon);
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
    const CString strTitle = LoadFrameTitle(nIDResource);
    LPCSTR lpszClass = RegisterFrameClass(nIDResource);
    BOOL bMenu = !(dwDefaultStyle & WS_CHILD) && FwFindResourceHandle(lpszName, RT_MENU) != nullptr;
    if (!Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, pParentWnd, bMenu ? lpszName : nullptr, 0, pContext))
        return FALSE;
    if (!(GetStyle() & WS_CHILD))
        m_hMenuDefault = ::GetMenu(m_hWnd);
    if (!m_hAccelTable)
        m_hAccelTable = FwLoadAccelerators(lpszName);
    // Without a document to set up, the views are ready now.
    if (!pContext)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    auto* pContext = static_cast<CCreateContext*>(lpcs->lpCreateParams);
    // A multiple-document child gets its creation parameter inside the client's record.
    if ((GetExStyle() & WS_EX_MDICHILD) && lpcs->lpCreateParams)
        pContext = reinterpret_cast<CCreateContext*>(static_cast<MDICREATESTRUCTA*>(lpcs->lpCreateParams)->lParam);
    if (!OnCreateClient(lpcs, pContext))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCTA, CCreateContext* pContext)
{
    if (pContext && pContext->m_pNewViewClass)
        return CreateView(pContext, FW_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    if (!pContext || !pContext->m_pNewViewClass)
        return nullptr;
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    if (pObject && !pObject->IsKindOf(RUNTIME_CLASS(CWnd))) {
        delete pObject;
        return nullptr;
    }
    auto* pView = static_cast<CWnd*>(pObject);
    if (!pView)
        return nullptr;
    // A view made here owns itself; another window class made by class must do so too.
    if (pView->IsKindOf(RUNTIME_CLASS(CView)))
        static_cast<CView*>(pView)->m_bAutoDelete = TRUE;
    RECT rect = {0, 0, 0, 0};
    if (!pView->CreateEx(WS_EX_CLIENTEDGE, nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, this, nID, pContext))
        return nullptr;
    return pView;
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

void CFrameWnd::OnDestroy()
{
    // The default menu goes with the window; a menu shown in its place belongs to a template.
    if (m_hMenuDefault && ::GetMenu(m_hWnd) != m_hMenuDefault)
        ::SetMenu(m_hWnd, m_hMenuDefault);
    CWnd::OnDestroy();
}

void CFrameWnd::OnClose()
{
    const CWndLifeGuard self(this);
    CDocument* pDoc = GetActiveDocument();
    if (pDoc && !pDoc->CanCloseFrame(this))
        return;
    CWinApp* pApp = FwGetApp();
    if (pApp && pApp->m_pMainWnd == this) {
        // The main frame takes every document with it; its window going ends the program.
        if (!pApp->SaveAllModified())
            return;
        pApp->CloseAllDocuments(FALSE);
    } else if (pDoc && pDoc->m_bAutoDelete) {
        BOOL bOtherFrame = FALSE;
        for (POSITION pos = pDoc->GetFirstViewPosition(); pos && !bOtherFrame;)
            bOtherFrame = pDoc->GetNextView(pos)->GetParentFrame() != this;
        if (!bOtherFrame) {
            pDoc->OnCloseDocument();  // destroys this frame
            return;
        }
        pDoc->PreCloseFrame(this);
    }
    // The documents may have taken this frame already.
    if (self.IsAlive())
        DestroyWindow();
}

// ---- Views and documents ----

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = pViewNew;
    if (bNotify && pViewOld)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    if (bNotify && pViewNew)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
    DelayUpdateFrameTitle();
}

CDocument* CFrameWnd::GetActiveDocument()
{
    return m_pViewActive ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* pView = GetActiveView();
    if (!pView) {
        CWnd* pPane = GetDescendantWindow(FW_IDW_PANE_FIRST, TRUE);
        if (pPane && pPane->IsKindOf(RUNTIME_CLASS(CView))) {
            pView = static_cast<CView*>(pPane);
            SetActiveView(pView, FALSE);
        }
    }
    if (bMakeVisible) {
        // The views' first update sees the active view already set.
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
        int nCmdShow = -1;
        CWinApp* pApp = FwGetApp();
        if (pApp && pApp->m_pMainWnd == this) {
            nCmdShow = pApp->m_nCmdShow;  // the program's start-up request, used once
            pApp->m_nCmdShow = -1;
        }
        ActivateFrame(nCmdShow);
        if (pView)
            pView->OnActivateView(TRUE, pView, pView);
    }
    if (pDoc)
        pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
        nCmdShow = IsIconic() ? SW_RESTORE : SW_SHOW;
    ShowWindow(nCmdShow);
    if (nCmdShow != SW_HIDE && nCmdShow != SW_MINIMIZE && nCmdShow != SW_SHOWMINNOACTIVE)
        BringWindowToTop();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    // The frame passes the focus on to the view that shows its document.
    if (m_pViewActive && m_pViewActive->m_hWnd)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    if (m_pViewActive)
        m_pViewActive->OnActivateFrame(nState, this);
}

// ---- Floating windows keep the frame's caption active ----

BOOL CFrameWnd::IsSyncActiveFloater(HWND hWnd) const
{
    return hWnd && hWnd != m_hWnd && ::IsWindow(hWnd) && ::GetWindow(hWnd, GW_OWNER) == m_hWnd &&
        ::SendMessageA(hWnd, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0;
}

namespace {
struct FloatNotice {
    HWND hWndOwner;
    WPARAM dwFlags;
};

BOOL CALLBACK NotifyFloatingProc(HWND hWnd, LPARAM lParam)
{
    auto* notice = reinterpret_cast<FloatNotice*>(lParam);
    if (::GetWindow(hWnd, GW_OWNER) == notice->hWndOwner)
        ::SendMessageA(hWnd, WM_FLOATSTATUS, notice->dwFlags, 0);
    return TRUE;
}
}  // namespace

void CFrameWnd::NotifyFloatingWindows(WPARAM dwFlags)
{
    FloatNotice notice = {m_hWnd, dwFlags};
    ::EnumThreadWindows(::GetCurrentThreadId(), &NotifyFloatingProc, reinterpret_cast<LPARAM>(&notice));
}

LRESULT CFrameWnd::OnNcActivateMessage(WPARAM wParam, LPARAM lParam)
{
    BOOL bActive = (BOOL)wParam;
    // The window taking the activation comes with the message (from the system, or from a
    // floating window telling its owner); a floating window of this frame keeps it active.
    if (!bActive && IsSyncActiveFloater(reinterpret_cast<HWND>(lParam)))
        bActive = TRUE;
    NotifyFloatingWindows(bActive ? FS_ACTIVATE : FS_DEACTIVATE);
    return DefWindowProc(WM_NCACTIVATE, bActive, lParam);
}

// ---- Title and menu ----

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!m_hWnd || !(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* pDoc = GetActiveDocument();
    UpdateFrameTitleForDocument(bAddToTitle && pDoc ? (LPCSTR)pDoc->GetTitle() : nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCSTR lpszDocName)
{
    CString strText = m_strTitle;
    if (lpszDocName && *lpszDocName) {
        if (m_strTitle.IsEmpty())
            strText = lpszDocName;
        else if (GetStyle() & FWS_PREFIXTITLE)
            strText = CString(lpszDocName) + " - " + m_strTitle;
        else
            strText = m_strTitle + " - " + lpszDocName;
    }
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strText)
        SetWindowText(strText);
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (GetStyle() & WS_CHILD)
        return;
    HMENU hMenu = hMenuAlt ? hMenuAlt : m_hMenuDefault;
    if (::GetMenu(m_hWnd) != hMenu)
        ::SetMenu(m_hWnd, hMenu);
}

// ---- Layout ----

void FwRepositionWindow(SizeParentParams* pLayout, HWND hWnd, LPCRECT lpRect)
{
    if (!pLayout->hDWP)
        return;  // query: the caller only measures
    RECT rcOld;
    ::GetWindowRect(hWnd, &rcOld);
    ::MapWindowPoints(nullptr, ::GetParent(hWnd), (LPPOINT)&rcOld, 2);
    if (::EqualRect(&rcOld, lpRect))
        return;
    const UINT nFlags = SWP_NOACTIVATE | SWP_NOZORDER;
    HDWP hDWP = ::DeferWindowPos(pLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                                 lpRect->bottom - lpRect->top, nFlags);
    if (hDWP) {
        pLayout->hDWP = hDWP;
        return;
    }
    // The position set is gone: the rest of the layout moves windows one by one.
    ::SetWindowPos(hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                   nFlags);
}

void CFrameWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags, LPRECT lpRectParam,
                               LPCRECT lpRectClient, BOOL bStretch)
{
    SizeParentParams layout;
    layout.bStretch = bStretch;
    if (lpRectClient)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);
    if (nFlags != reposQuery)
        layout.hDWP = ::BeginDeferWindowPos(8);
    HWND hWndLeftOver = nullptr;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        UINT nID = (UINT)::GetDlgCtrlID(hWndChild);
        if (nID == nIDLeftOver)
            hWndLeftOver = hWndChild;
        else if (nID >= nIDFirst && nID <= nIDLast)
            ::SendMessageA(hWndChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }
    // Bars that take more than there is leave the pane empty, never inside out.
    if (layout.rect.right < layout.rect.left)
        layout.rect.right = layout.rect.left;
    if (layout.rect.bottom < layout.rect.top)
        layout.rect.bottom = layout.rect.top;
    if (nFlags == reposQuery) {
        if (lpRectParam)
            *lpRectParam = layout.rect;
        return;
    }
    if (hWndLeftOver)
        FwRepositionWindow(&layout, hWndLeftOver, &layout.rect);
    if (layout.hDWP)
        ::EndDeferWindowPos(layout.hDWP);
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout || !m_hWnd)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    RepositionBars(0, 0xFFFF, FW_IDW_PANE_FIRST);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify)
{
    m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0);
}

void CFrameWnd::OnSize(UINT nType, int, int)
{
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

// ---- Commands ----

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    // Shift+F1 is help mode in every frame, whatever its accelerators say.
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F1 && ::GetKeyState(VK_SHIFT) < 0 &&
        ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_MENU) >= 0) {
        SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
        return TRUE;
    }
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        HACCEL hAccel = GetDefaultAccelerator();
        if (hAccel && ::TranslateAcceleratorA(m_hWnd, hAccel, pMsg))
            return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

HACCEL CFrameWnd::GetDefaultAccelerator()
{
    return m_hAccelTable;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, FwCmdHandlerInfo* pHandlerInfo)
{
    // The view (and through it the document) first, then the frame itself.
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    DWORD dwStyle = GetStyle();
    // A popup frame (a floating window, a popup menu) serves the commands of the frame it belongs to.
    if (dwStyle & WS_POPUP) {
        CWnd* pOwner = FromHandlePermanent(::GetWindow(m_hWnd, GW_OWNER));
        if (pOwner && pOwner->IsFrameWnd())
            return pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    // A child frame's commands go on through the frame around it, which asks the application.
    if (dwStyle & WS_CHILD)
        return FALSE;
    CWinApp* pApp = FwGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CFrameDockingHooks& docking = CFrameDockingHooks::Get();
    if (CWnd* pBar = docking.FindControlBar(this, nID)) {
        BOOL bVisible = (pBar->GetStyle() & WS_VISIBLE) != 0;
        docking.ShowControlBar(this, pBar, !bVisible);
        return TRUE;
    }
    HWND hWndBar = ::GetDlgItem(m_hWnd, (int)nID);
    if (!hWndBar)
        return FALSE;
    BOOL bVisible = (::GetWindowLongPtrA(hWndBar, GWL_STYLE) & WS_VISIBLE) != 0;
    ::ShowWindow(hWndBar, bVisible ? SW_HIDE : SW_SHOWNOACTIVATE);
    RecalcLayout();
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CWnd* pBar = CFrameDockingHooks::Get().FindControlBar(this, pCmdUI->m_nID);
    HWND hWndBar = pBar ? pBar->m_hWnd : ::GetDlgItem(m_hWnd, (int)pCmdUI->m_nID);
    if (!hWndBar) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((::GetWindowLongPtrA(hWndBar, GWL_STYLE) & WS_VISIBLE) != 0);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI)
{
    int nVirtKey = pCmdUI->m_nID == ID_INDICATOR_CAPS ? VK_CAPITAL
        : pCmdUI->m_nID == ID_INDICATOR_NUM           ? VK_NUMLOCK
                                                      : VK_SCROLL;
    pCmdUI->Enable((::GetKeyState(nVirtKey) & 1) != 0);
}

// ---- Command user interface ----

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (!bSysMenu)
        FwUpdateMenuItems(pPopupMenu, this, m_bAutoMenuEnable);
}

void CFrameWnd::UpdateMenuBarItems()
{
    HMENU hMenu = (GetStyle() & WS_CHILD) ? nullptr : ::GetMenu(m_hWnd);
    if (!hMenu)
        return;
    int nCount = ::GetMenuItemCount(hMenu);
    std::vector<UINT> states;
    for (int i = 0; i < nCount; ++i)
        states.push_back(::GetMenuState(hMenu, (UINT)i, MF_BYPOSITION));
    FwUpdateMenuItems(CMenu::FromHandle(hMenu), this, m_bAutoMenuEnable);
    // The bar is drawn again only when one of its own items changed.
    for (int i = 0; i < nCount; ++i) {
        if (::GetMenuState(hMenu, (UINT)i, MF_BYPOSITION) != states[(size_t)i]) {
            DrawMenuBar();
            break;
        }
    }
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    UINT nFlags = m_nIdleFlags;
    m_nIdleFlags = 0;
    if (nFlags & idleMenu)
        OnUpdateFrameMenu(nullptr);
    if (nFlags & idleTitle)
        OnUpdateFrameTitle(TRUE);
    if (nFlags & idleLayout)
        RecalcLayout((nFlags & idleNotify) != 0);
    UpdateMenuBarItems();
    return 0;
}

// ---- Status prompts ----

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    rMessage.Empty();
    CString strFull;
    if (!strFull.LoadString(nID))
        return;
    int nEnd = strFull.Find('\n');
    rMessage = nEnd >= 0 ? strFull.Left(nEnd) : strFull;
}

CWnd* CFrameWnd::GetMessageBar()
{
    return GetDlgItem(FW_IDW_STATUS_BAR);
}

void CFrameWnd::SetMessageText(LPCSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, nID);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    CString strText;
    if (lParam)
        strText = reinterpret_cast<LPCSTR>(lParam);
    else if (wParam)
        GetMessageString((UINT)wParam, strText);
    m_nIDLastMessage = lParam ? 0 : (UINT)wParam;
    if (CWnd* pBar = GetMessageBar())
        pBar->SetWindowText(strText);
    return nIDLast;
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    // The prompt follows the item under the mouse; the idle prompt comes back when the menu closes.
    if (nFlags == 0xFFFF && !hSysMenu)
        m_nIDTracking = FW_IDS_IDLEMESSAGE;
    else if (nFlags & (MF_SEPARATOR | MF_POPUP) || nItemID >= FW_ID_FIRST_SYSTEM_COMMAND)
        m_nIDTracking = 0;
    else
        m_nIDTracking = nItemID;
    SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
}
