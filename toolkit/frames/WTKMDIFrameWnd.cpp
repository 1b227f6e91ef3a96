#include "frames/WTKMDIFrameWnd.h"

#include "frames/WTKDockingConstants.h"
#include "frames/WTKMiniDockFrameWnd.h"
#include "frames/WTKTabMessages.h"

#include "command_bars/WTKCommandUsageCounter.h"
#include "command_bars/WTKCustomizeMode.h"
#include "command_bars/WTKMenuBar.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "command_bars/WTKToolbarMessages.h"

#include "foundation/WTKUserToolsManagerBase.h"

#include "docview/MDIChildWnd.h"
#include "win/Menu.h"

IMPLEMENT_DYNCREATE(CWTKMDIFrameWnd, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CWTKMDIFrameWnd, CMDIFrameWnd)
    ON_MESSAGE(WM_MENUCHAR, OnMenuCharMessage)
    ON_WM_ACTIVATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_WINDOWPOSCHANGED()
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_CREATE, OnToolbarCreateNew)
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_DELETE, OnToolbarDelete)
    ON_REGISTERED_MESSAGE(WTKM_ONCHANGE_ACTIVE_TAB, OnChangeActiveTab)
END_MESSAGE_MAP()

CWTKMDIFrameWnd::CWTKMDIFrameWnd() : m_Impl(this) {}

CWTKMDIFrameWnd::~CWTKMDIFrameWnd() = default;

// ---- Creation ----

BOOL CWTKMDIFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    m_Impl.RestorePosition(cs);
    return CMDIFrameWnd::PreCreateWindow(cs);
}

BOOL CWTKMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_Impl.m_nIDDefaultResource = nIDResource;
    if (!CMDIFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    // A menu bar made during creation took the menu off the window: the frame still owns it.
    if (m_Impl.GetMenuBar() != nullptr && m_Impl.GetFrameMenu() != nullptr)
        m_hMenuDefault = m_Impl.GetFrameMenu();
    m_Impl.OnLoadFrame();
    return TRUE;
}

BOOL CWTKMDIFrameWnd::CreateClient(LPCREATESTRUCTA lpcs, CMenu* pWindowMenu)
{
    if (!CMDIFrameWnd::CreateClient(lpcs, pWindowMenu))
        return FALSE;
    if (pWindowMenu != nullptr)
        m_hWindowMenu = pWindowMenu->GetSafeHmenu();
    if (m_bTabsOnClient && !m_wndClientArea.Attach(this, m_hWndMDIClient))
        return FALSE;
    return TRUE;
}

void CWTKMDIFrameWnd::EnableMDITabs(BOOL bEnable)
{
    m_bTabsOnClient = bEnable;
    m_wndClientArea.EnableTabs(bEnable);
}

HMENU CWTKMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    HMENU hWindowMenu = CMDIFrameWnd::GetWindowMenuPopup(hMenuBar);
    if (hWindowMenu != nullptr)
        m_hWindowMenu = hWindowMenu;
    return hWindowMenu;
}

void CWTKMDIFrameWnd::RecalcLayout(BOOL bNotify)
{
    CMDIFrameWnd::RecalcLayout(bNotify);
    m_wndClientArea.AdjustLayout();
}

// ---- Menus ----

void CWTKMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIFrameWnd::OnUpdateFrameMenu(hMenuAlt);
    if (GetActiveInPlaceItem() == nullptr)
        m_Impl.OnUpdateFrameMenu();
}

BOOL CWTKMDIFrameWnd::OnSetMenu(HMENU hMenu)
{
    CWTKMenuBar* pBar = m_Impl.GetMenuBar();
    if (GetActiveInPlaceItem() != nullptr || pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return FALSE;
    if (m_hWnd != nullptr && ::GetMenu(m_hWnd) != nullptr)
        ::SetMenu(m_hWnd, nullptr);
    pBar->CreateFromMenu(hMenu != nullptr ? hMenu : m_hMenuDefault);
    return TRUE;
}

void CWTKMDIFrameWnd::ReplaceDefaultMenu(HMENU hMenu)
{
    if (m_hMenuDefault == hMenu)
        return;
    HMENU hOld = m_hMenuDefault;
    m_hMenuDefault = hMenu;
    if (hOld != nullptr && ::IsMenu(hOld) && (m_hWnd == nullptr || ::GetMenu(m_hWnd) != hOld))
        ::DestroyMenu(hOld);
}

void CWTKMDIFrameWnd::UpdateMenuBarMaximizeMode()
{
    CWTKMenuBar* pBar = m_Impl.GetMenuBar();
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr)
        return;
    // The child's own style: while it is being restored the client still calls it maximised.
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild == nullptr || !pChild->IsZoomed()) {
        if (pBar->IsMaximizeMode())
            pBar->SetMaximizeMode(FALSE);
        return;
    }
    const HMENU hSysMenu = ::GetSystemMenu(pChild->GetSafeHwnd(), FALSE);
    if (pBar->IsMaximizeMode() && pBar->GetChildSystemMenu() == hSysMenu)
        return;
    if (pBar->IsMaximizeMode())
        pBar->SetMaximizeMode(FALSE, nullptr, FALSE);
    pBar->SetMaximizeMode(TRUE, pChild);
}

void CWTKMDIFrameWnd::SetMoreWindowsCommand(UINT uiCmdId, LPCTSTR lpszText, BOOL bShowAlways)
{
    m_uiMoreWindowsCmd = uiCmdId;
    m_strMoreWindowsText = lpszText != nullptr ? lpszText : "";
    m_bShowMoreWindowsAlways = bShowAlways;
}

// ---- Popup menus ----

BOOL CWTKMDIFrameWnd::HasWindowCommand(CWTKPopupMenu* pPopup)
{
    CWTKPopupMenuBar* pBar = pPopup->GetMenuBar();
    if (pBar == nullptr)
        return FALSE;
    for (int i = 0; i < pBar->GetCount(); ++i) {
        const CWTKToolbarButton* pButton = pBar->GetButton(i);
        if (pButton != nullptr && pButton->m_nID >= kFirstWindowCmd && pButton->m_nID <= kLastWindowCmd)
            return TRUE;
    }
    return FALSE;
}

void CWTKMDIFrameWnd::AddWindowList(CWTKPopupMenu* pPopup)
{
    CWTKPopupMenuBar* pBar = pPopup->GetMenuBar();
    if (pBar == nullptr || !::IsMenu(m_hWindowMenu))
        return;
    // The client numbers and checks its children in the Window menu.
    ::SendMessageA(m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    BOOL bSeparator = FALSE;
    BOOL bMoreWindowsItem = FALSE;
    const int nCount = ::GetMenuItemCount(m_hWindowMenu);
    for (int i = 0; i < nCount; ++i) {
        const UINT uiID = ::GetMenuItemID(m_hWindowMenu, i);
        if (uiID < kFirstMDIChildId || uiID == static_cast<UINT>(-1))
            continue;
        if (uiID == kMoreWindowsId && m_uiMoreWindowsCmd != 0) {
            bMoreWindowsItem = TRUE;
            continue;
        }
        if (!bSeparator) {
            pBar->InsertSeparator();
            bSeparator = TRUE;
        }
        char szText[256] = {};
        ::GetMenuStringA(m_hWindowMenu, static_cast<UINT>(i), szText, sizeof(szText), MF_BYPOSITION);
        CWTKToolbarMenuButton item(uiID, nullptr, -1, szText);
        item.m_bText = TRUE;
        if (::GetMenuState(m_hWindowMenu, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED)
            item.m_nStyle |= TBBS_CHECKED;
        pBar->InsertButton(item);
    }
    if (m_uiMoreWindowsCmd != 0 && (bMoreWindowsItem || m_bShowMoreWindowsAlways)) {
        CWTKToolbarMenuButton item(m_uiMoreWindowsCmd, nullptr, -1, m_strMoreWindowsText);
        item.m_bText = TRUE;
        pBar->InsertButton(item);
    }
}

BOOL CWTKMDIFrameWnd::ShowPopupMenu(CWTKPopupMenu* pMenuPopup)
{
    if (!m_Impl.SetActivePopup(pMenuPopup))
        return FALSE;
    if (!WTKIsCustomizeMode() && m_hWindowMenu != nullptr && pMenuPopup != nullptr && HasWindowCommand(pMenuPopup))
        AddWindowList(pMenuPopup);
    // A menu coming back from an abandoned tear-off was allowed to open already.
    if (pMenuPopup != nullptr && pMenuPopup->IsBeingTornOff())
        return TRUE;
    return OnShowPopupMenu(pMenuPopup);
}

BOOL CWTKMDIFrameWnd::OnShowPopupMenu(CWTKPopupMenu* /*pMenuPopup*/)
{
    return TRUE;
}

CWTKPopupMenu* CWTKMDIFrameWnd::OnClosePopupMenu(CWTKPopupMenu* pMenuPopup)
{
    CWTKPopupMenu* pPrevious = CWTKPopupMenu::GetActiveMenu();
    if (pPrevious == pMenuPopup)
        CWTKPopupMenu::SetActiveMenu(nullptr);
    return pPrevious;
}

BOOL CWTKMDIFrameWnd::OnTearOffMenu(CWTKPopupMenu* /*pMenuPopup*/, CControlBar* /*pBar*/)
{
    return TRUE;
}

void CWTKMDIFrameWnd::OnSetPreviewMode(BOOL bPreview)
{
    CWTKTabWnd& tabs = m_wndClientArea.GetTabWnd();
    if (m_wndClientArea.AreTabsShown() && tabs.GetSafeHwnd() != nullptr)
        tabs.ShowWindow(bPreview ? SW_HIDE : SW_SHOWNOACTIVATE);
}

// ---- Commands and keys ----

void CWTKMDIFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    m_Impl.EnableDocking(dwDockStyle);
    m_pFloatingFrameClass = RUNTIME_CLASS(CWTKMiniDockFrameWnd);
}

void CWTKMDIFrameWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    // Asked for no particular help during context help, the frame stays in help mode.
    if (dwData == 0 && m_bContextHelp) {
        OnContextHelp();
        return;
    }
    CMDIFrameWnd::WinHelp(dwData, nCmd);
}

void CWTKMDIFrameWnd::OnContextHelp()
{
    m_Impl.RunContextHelp(m_bContextHelp);
}

BOOL CWTKMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == kWTKAcceleratorNotify) {
        const UINT nID = LOWORD(wParam);
        WTKGetCommandUsageCounter().AddCmd(nID);
        if (CWTKPopupMenu::GetActiveMenu() != nullptr && m_Impl.ProcessKeyboard(VK_ESCAPE))
            return TRUE;
        if (WTKInvokeUserTool(nID))
            return TRUE;
    }
    if (WTKIsCustomizeMode())
        return FALSE;
    return CMDIFrameWnd::OnCommand(wParam, lParam) || WTKInvokeUserToolCommand(wParam, lParam);
}

BOOL CWTKMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    BOOL bTranslate = TRUE;
    if (m_Impl.PreTranslateMessage(pMsg, &bTranslate))
        return TRUE;
    if (!bTranslate)
        return FALSE;
    return CMDIFrameWnd::PreTranslateMessage(pMsg);
}

// ---- Messages ----

LRESULT CWTKMDIFrameWnd::OnMenuCharMessage(WPARAM wParam, LPARAM /*lParam*/)
{
    if (m_Impl.ProcessMenuChar(LOWORD(wParam)))
        return kWTKMenuCharTaken;
    return Default();
}

void CWTKMDIFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CMDIFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    m_Impl.OnActivateFrame(nState);
}

void CWTKMDIFrameWnd::OnClose()
{
    m_Impl.OnCloseFrame();
    CMDIFrameWnd::OnClose();
}

void CWTKMDIFrameWnd::OnDestroy()
{
    m_Impl.DestroyInstalledAccelerators();
    CMDIFrameWnd::OnDestroy();
}

void CWTKMDIFrameWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CMDIFrameWnd::OnWindowPosChanged(lpwndpos);
    UpdateMenuBarMaximizeMode();
}

LRESULT CWTKMDIFrameWnd::OnToolbarCreateNew(WPARAM /*wParam*/, LPARAM lParam)
{
    return reinterpret_cast<LRESULT>(m_Impl.CreateNewToolBar(reinterpret_cast<LPCTSTR>(lParam)));
}

LRESULT CWTKMDIFrameWnd::OnToolbarDelete(WPARAM /*wParam*/, LPARAM lParam)
{
    return m_Impl.DeleteToolBar(dynamic_cast<CWTKToolBar*>(WTKFindToolBarOfParam(lParam)));
}

LRESULT CWTKMDIFrameWnd::OnChangeActiveTab(WPARAM wParam, LPARAM /*lParam*/)
{
    m_wndClientArea.OnTabActivated(static_cast<int>(wParam));
    return 0;
}
