#include "MenuBarTestSupport.h"

#include "command_bars/WTKToolbarMessages.h"

#include "bars/DockBar.h"

void CMenuBarTestHost::SetMenuBar(CWTKMenuBar* pMenuBar)
{
    m_pMenuBar = pMenuBar;
    CFrameWnd* pFrame = HostFrame();
    m_hDefault = ::GetMenu(pFrame->GetSafeHwnd());
    SetFrameDefaultMenu(m_hDefault);
    pMenuBar->CreateFromMenu(m_hDefault, TRUE, FALSE);
    ::SetMenu(pFrame->GetSafeHwnd(), nullptr);
    pMenuBar->SetDefaultMenuResId(m_nResId);
}

void CMenuBarTestHost::ReplaceDefaultMenu(HMENU hMenu)
{
    m_replacedMenus.push_back(m_hDefault);
    if (hMenu == m_hDefault)
        return;
    ::DestroyMenu(m_hDefault);
    m_hDefault = hMenu;
    SetFrameDefaultMenu(hMenu);
}

BEGIN_MESSAGE_MAP(CMenuBarTestFrame, CToolBarTestFrame)
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_RESETMENU, OnResetMenu)
    ON_COMMAND_RANGE(ID_MB_CUSTOMIZE, ID_MB_WINDOW_NEW, OnMenuCommand)
END_MESSAGE_MAP()

BOOL CMenuBarTestFrame::CreateWithMenuBar(BOOL bVisible, CRect rect, UINT nResId)
{
    m_nResId = nResId;
    if (!Create(nullptr, "Menus", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (bVisible ? WS_VISIBLE : 0), rect, nullptr,
                MAKEINTRESOURCEA(nResId)))
        return FALSE;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    EnableDocking(CBRS_ALIGN_ANY);
    if (!m_wndMenuBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC | CBRS_TOOLTIPS, 0xE81A))
        return FALSE;
    m_wndMenuBar.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndMenuBar, FW_IDW_DOCKBAR_TOP);
    RecalcLayout();
    return TRUE;
}

LRESULT CMenuBarTestFrame::OnResetMenu(WPARAM wParam, LPARAM /*lParam*/)
{
    m_resetMenus.push_back(static_cast<UINT>(wParam));
    return 0;
}

int CSysCommandChild::s_nDestroyed = 0;

LRESULT CSysCommandChild::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOMMAND)
        m_sysCommands.push_back(static_cast<UINT>(wParam & 0xFFF0));
    return CMDIChildWnd::DefWindowProc(message, wParam, lParam);
}

void CSysCommandChild::PostNcDestroy()
{
    s_nDestroyed++;
    CMDIChildWnd::PostNcDestroy();
}

BEGIN_MESSAGE_MAP(CMenuBarMDIFrame, CMDIFrameWnd)
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_RESETMENU, OnResetMenu)
END_MESSAGE_MAP()

LRESULT CMenuBarMDIFrame::OnResetMenu(WPARAM wParam, LPARAM /*lParam*/)
{
    m_resetMenus.push_back(static_cast<UINT>(wParam));
    return 0;
}

BOOL CMenuBarMDIFrame::CreateWithMenuBar()
{
    m_nResId = IDR_MB_FRAME;
    if (!LoadFrame(IDR_MB_FRAME, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN))
        return FALSE;
    MoveWindow(40, 40, 640, 420);
    EnableDocking(CBRS_ALIGN_ANY);
    if (!m_wndMenuBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC, 0xE81A))
        return FALSE;
    m_wndMenuBar.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndMenuBar, FW_IDW_DOCKBAR_TOP);
    ShowWindow(SW_SHOW);
    RecalcLayout();
    return TRUE;
}

CSysCommandChild* CMenuBarMDIFrame::AddChild(DWORD dwStyle, HICON hIcon)
{
    auto* pChild = new CSysCommandChild;
    if (!pChild->Create(nullptr, "Child", dwStyle, CFrameWnd::rectDefault, this))
        return nullptr;
    if (hIcon != nullptr)
        pChild->SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
    return pChild;
}

BOOL CMenuBarMDIFrame::OnSetMenu(HMENU hMenu)
{
    if (m_pMenuBar != nullptr)
        m_pMenuBar->CreateFromMenu(hMenu, hMenu == m_hDefault, FALSE);
    return TRUE;
}
