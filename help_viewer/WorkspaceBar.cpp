#include "WorkspaceBar.h"

#include "ContentModule.h"
#include "FrameConstants.h"
#include "win/WinApp.h"

BEGIN_MESSAGE_MAP(CWorkspaceBar, CWTKSizingControlBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CurrentModuleExports(std::initializer_list<LPCSTR> names)
{
    const HMODULE hModule = CContentModule::Current().GetHandle();
    if (hModule == nullptr)
        return FALSE;
    for (LPCSTR name : names) {
        if (::GetProcAddress(hModule, name) == nullptr)
            return FALSE;
    }
    return TRUE;
}

int CWorkspaceBar::OnCreate(LPCREATESTRUCTA lpcs)
{
    using namespace Lumidoc;
    if (CWTKSizingControlBar::OnCreate(lpcs) == -1)
        return -1;
    const CRect rectEmpty(0, 0, 0, 0);
    if (!m_wndTabs.Create(CWTKTabWnd::kStyle3D, rectEmpty, this, kTabWndId, CWTKTabWnd::kLocationBottom, TRUE))
        return -1;
    m_wndTabs.SetImageList(IDB_TAB_IMAGES, kTabImageWidth, kTabImageTransparent);
    if (!m_wndTree.Create(kContentsTreeStyle, rectEmpty, &m_wndTabs, kContentsTreeId))
        return -1;
    if (!m_wndIndex.Create(IDD_INDEX_PANE, &m_wndTabs) || !m_wndSearch.Create(IDD_SEARCH_PANE, &m_wndTabs))
        return -1;
    CContentModule::Current().SetUnloadObserver(this);
    LoadContents();
    m_wndTabs.AddTab(&m_wndTree, kContentsTab, kTabContents);
    m_wndTabs.AddTab(&m_wndIndex, kIndexTab, kTabIndex);
    m_wndTabs.AddTab(&m_wndSearch, kSearchTab, kTabSearch);
    return 0;
}

void CWorkspaceBar::OnDestroy()
{
    if (CContentModule::Current().GetUnloadObserver() == this)
        CContentModule::Current().SetUnloadObserver(nullptr);
    CWTKSizingControlBar::OnDestroy();
}

void CWorkspaceBar::OnModuleUnloading()
{
    if (m_wndTree.GetSafeHwnd() == nullptr)
        return;
    m_wndTree.SetImageList(static_cast<HIMAGELIST>(nullptr), TVSIL_NORMAL);
    m_wndTree.SetImageList(static_cast<HIMAGELIST>(nullptr), TVSIL_STATE);
}

void CWorkspaceBar::OnSize(UINT nType, int cx, int cy)
{
    CWTKSizingControlBar::OnSize(nType, cx, cy);
    if (m_wndTabs.GetSafeHwnd() != nullptr)
        m_wndTabs.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWorkspaceBar::LoadContents()
{
    if (CContentModule::Current().LoadContents(&m_wndTree))
        return;
    m_wndTree.DeleteAllItems();
    FwShowMessageBox(m_hWnd, Lumidoc::kNoContentsMessage, "", MB_OK);
}
