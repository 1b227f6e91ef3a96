#include "frames/MDIClientAreaWnd.h"

#include "frames/WTKMDIChildWnd.h"
#include "frames/WTKMDIFrameWnd.h"

#include "command_bars/WTKMenuBar.h"
#include "foundation/WTKFlagScope.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CMDIClientAreaWnd, CWnd)
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_MDISETMENU, OnMDISetMenu)
    ON_MESSAGE(WM_MDIREFRESHMENU, OnMDIRefreshMenu)
    ON_MESSAGE(WM_MDICREATE, OnMDICreate)
    ON_MESSAGE(WM_MDIDESTROY, OnMDIDestroy)
    ON_MESSAGE(CMDIClientAreaWnd::kUpdateTabsMessage, OnUpdateTabsMessage)
END_MESSAGE_MAP()

BOOL CMDIClientAreaWnd::Attach(CWTKMDIFrameWnd* pFrame, HWND hWndClient)
{
    if (pFrame == nullptr || hWndClient == nullptr || !SubclassWindow(hWndClient))
        return FALSE;
    m_pFrame = pFrame;
    return CreateTabs();
}

BOOL CMDIClientAreaWnd::CreateTabs()
{
    if (!m_wndTabs.Create(m_nTabStyle, CRect(0, 0, 0, 0), m_pFrame, kTabWndId, m_nTabLocation, TRUE))
        return FALSE;
    // Below the client, and never painting over it.
    m_wndTabs.ModifyStyle(0, WS_CLIPSIBLINGS);
    ::SetWindowPos(m_wndTabs.GetSafeHwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_wndTabs.EnableTabSwap(TRUE);
    if (!m_bTabsShown)
        m_wndTabs.ShowWindow(SW_HIDE);
    return m_TabIcons.Create(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), ILC_COLOR8 | ILC_MASK, 0,
                             1);
}

void CMDIClientAreaWnd::EnableTabs(BOOL bEnable)
{
    m_bTabsShown = bEnable;
    if (m_wndTabs.GetSafeHwnd() == nullptr)
        return;
    if (bEnable)
        UpdateTabs(TRUE);
    RelayoutFrame();
}

void CMDIClientAreaWnd::SetTabSettings(int nStyle, int nLocation)
{
    m_nTabStyle = nStyle;
    m_nTabLocation = nLocation;
}

// ---- Layout ----

void CMDIClientAreaWnd::AdjustLayout()
{
    if (m_hWnd == nullptr || m_wndTabs.GetSafeHwnd() == nullptr || m_pFrame == nullptr)
        return;
    if (!m_bTabsShown) {
        m_wndTabs.ShowWindow(SW_HIDE);
        m_rectTabs.SetRectEmpty();
        return;
    }
    // The place the frame gave the client.
    CRect rect;
    GetWindowRect(&rect);
    m_pFrame->ScreenToClient(&rect);
    const BOOL bMoved = rect != m_rectTabs;
    ::SetWindowPos(m_wndTabs.GetSafeHwnd(), m_hWnd, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOACTIVATE);
    m_rectTabs = rect;

    CRect rectArea;
    m_wndTabs.GetWndArea(rectArea);
    rectArea.OffsetRect(rect.left, rect.top);
    SetWindowPos(nullptr, rectArea.left, rectArea.top, rectArea.Width(), rectArea.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    m_wndTabs.ShowWindow(SW_SHOWNOACTIVATE);
    if (bMoved)
        m_pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CMDIClientAreaWnd::RelayoutFrame()
{
    if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != nullptr)
        m_pFrame->RecalcLayout();
}

// ---- Tabs ----

std::vector<CWnd*> CMDIClientAreaWnd::GetChildren() const
{
    std::vector<CWnd*> children;
    if (m_hWnd == nullptr)
        return children;
    for (HWND hWnd = ::GetWindow(m_hWnd, GW_CHILD); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        // Icon titles of minimised children are owned windows; a child without a framework
        // object gets no tab (a tab keeps the object).
        if (::GetWindow(hWnd, GW_OWNER) != nullptr)
            continue;
        if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd))
            children.push_back(pWnd);
    }
    return children;
}

HICON CMDIClientAreaWnd::GetChildIcon(CWnd* pChild) const
{
    if (auto* pToolkitChild = dynamic_cast<CWTKMDIChildWnd*>(pChild))
        return pToolkitChild->GetFrameIcon();
    HICON hIcon = reinterpret_cast<HICON>(pChild->SendMessage(WM_GETICON, ICON_SMALL, 0));
    if (hIcon == nullptr)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtrA(pChild->GetSafeHwnd(), GCLP_HICONSM));
    return hIcon;
}

CString CMDIClientAreaWnd::GetChildLabel(CWnd* pChild) const
{
    if (auto* pToolkitChild = dynamic_cast<CWTKMDIChildWnd*>(pChild))
        return pToolkitChild->GetFrameText();
    CString strText;
    pChild->GetWindowText(strText);
    return strText;
}

int CMDIClientAreaWnd::GetIconImage(HICON hIcon)
{
    if (hIcon == nullptr || m_TabIcons.GetSafeHandle() == nullptr)
        return -1;
    auto it = m_iconMap.find(hIcon);
    if (it != m_iconMap.end())
        return it->second;
    int iImage = -1;
    if (!m_freeImages.empty()) {
        iImage = ::ImageList_ReplaceIcon(m_TabIcons, m_freeImages.back(), hIcon);
        if (iImage >= 0)
            m_freeImages.pop_back();
    } else {
        iImage = ::ImageList_ReplaceIcon(m_TabIcons, -1, hIcon);
    }
    if (iImage < 0)
        return -1;
    m_iconMap[hIcon] = iImage;
    if (m_wndTabs.GetImageList() == nullptr)
        m_wndTabs.SetImageList(m_TabIcons.GetSafeHandle());
    return iImage;
}

void CMDIClientAreaWnd::ForgetUnusedIcons(const std::set<HICON>& iconsInUse)
{
    for (auto it = m_iconMap.begin(); it != m_iconMap.end();) {
        if (iconsInUse.count(it->first) != 0) {
            ++it;
            continue;
        }
        m_freeImages.push_back(it->second);
        it = m_iconMap.erase(it);
    }
}

int CMDIClientAreaWnd::FindTab(CWnd* pChild) const
{
    for (int i = 0; i < m_wndTabs.GetTabsNum(); ++i) {
        if (m_wndTabs.GetTabWnd(i) == pChild)
            return i;
    }
    return -1;
}

CWnd* CMDIClientAreaWnd::GetTabChild(int iTab) const
{
    return m_wndTabs.GetSafeHwnd() != nullptr ? m_wndTabs.GetTabWnd(iTab) : nullptr;
}

void CMDIClientAreaWnd::UpdateTabs(BOOL bReselect)
{
    if (m_wndTabs.GetSafeHwnd() == nullptr)
        return;
    CWTKFlagScope updating(m_bUpdating);
    BOOL bChanged = FALSE;
    const std::vector<CWnd*> children = GetChildren();

    // A tab whose child is gone goes too (only the pointers are compared: the object may be gone).
    for (int i = m_wndTabs.GetTabsNum() - 1; i >= 0; --i) {
        if (std::find(children.begin(), children.end(), m_wndTabs.GetTabWnd(i)) == children.end()) {
            m_wndTabs.RemoveTab(i);
            bChanged = TRUE;
        }
    }

    std::set<HICON> iconsInUse;
    for (CWnd* pChild : children) {
        const HICON hIcon = GetChildIcon(pChild);
        const int iImage = GetIconImage(hIcon);
        if (hIcon != nullptr)
            iconsInUse.insert(hIcon);
        const CString strLabel = GetChildLabel(pChild);
        const int iTab = FindTab(pChild);
        const BOOL bVisible = (pChild->GetStyle() & WS_VISIBLE) != 0;
        if (!bVisible) {
            if (iTab >= 0) {
                m_wndTabs.RemoveTab(iTab);
                bChanged = TRUE;
            }
            continue;
        }
        if (iTab < 0) {
            if (m_closing.count(pChild->GetSafeHwnd()) == 0) {
                m_wndTabs.AddChildTab(pChild, strLabel, static_cast<UINT>(iImage));
                bChanged = TRUE;
            }
            continue;
        }
        CString strOld;
        m_wndTabs.GetTabLabel(iTab, strOld);
        if (strOld != strLabel) {
            m_wndTabs.SetTabLabel(iTab, strLabel);
            bChanged = TRUE;
        }
        if (m_wndTabs.GetTabIcon(iTab) != iImage) {
            m_wndTabs.SetTabIcon(iTab, static_cast<UINT>(iImage));
            bChanged = TRUE;
        }
    }
    ForgetUnusedIcons(iconsInUse);

    if (bReselect && m_pFrame != nullptr)
        SelectTab(m_pFrame->MDIGetActive());
    if (bChanged)
        RelayoutFrame();
}

void CMDIClientAreaWnd::SelectTab(CWnd* pChild)
{
    const int iTab = pChild != nullptr ? FindTab(pChild) : -1;
    if (iTab < 0)
        return;
    CWTKFlagScope updating(m_bUpdating);
    m_wndTabs.SetActiveTab(iTab);
}

void CMDIClientAreaWnd::OnTabActivated(int iTab)
{
    if (m_bUpdating || m_pFrame == nullptr)
        return;
    CWnd* pChild = GetTabChild(iTab);
    if (pChild == nullptr || pChild->GetSafeHwnd() == nullptr)
        return;
    if (pChild->IsIconic())
        pChild->SendMessage(WM_SYSCOMMAND, SC_RESTORE);
    m_pFrame->MDIActivate(pChild);
}

void CMDIClientAreaWnd::RemoveChildTab(CWnd* pChild)
{
    // While the frame goes, its tab window may have gone before the children.
    const int iTab = m_wndTabs.GetSafeHwnd() != nullptr ? FindTab(pChild) : -1;
    if (iTab < 0)
        return;
    {
        CWTKFlagScope updating(m_bUpdating);
        m_wndTabs.RemoveTab(iTab);
    }
    RelayoutFrame();
}

// ---- Messages ----

BOOL CMDIClientAreaWnd::OnEraseBkgnd(CDC* pDC)
{
    if (m_pFrame != nullptr && m_pFrame->OnEraseMDIClientBackground(pDC))
        return TRUE;
    return static_cast<BOOL>(Default());
}

LRESULT CMDIClientAreaWnd::OnMDISetMenu(WPARAM wParam, LPARAM lParam)
{
    // A menu the frame's menu bar shows is not the frame window's menu.
    if (m_pFrame != nullptr && m_pFrame->OnSetMenu(reinterpret_cast<HMENU>(wParam)))
        wParam = 0;
    return DefWindowProc(WM_MDISETMENU, wParam, lParam);
}

LRESULT CMDIClientAreaWnd::OnMDIRefreshMenu(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    const LRESULT lResult = Default();
    if (m_pFrame != nullptr) {
        if (CWTKMenuBar* pBar = m_pFrame->GetFrameHelper()->GetMenuBar()) {
            if (pBar->GetSafeHwnd() != nullptr)
                pBar->Invalidate();
        }
    }
    return lResult;
}

LRESULT CMDIClientAreaWnd::OnMDICreate(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    const LRESULT lResult = Default();
    // The new child gets its tab, made active.
    if (lResult != 0)
        UpdateTabs(TRUE);
    return lResult;
}

LRESULT CMDIClientAreaWnd::OnMDIDestroy(WPARAM wParam, LPARAM /*lParam*/)
{
    const HWND hWndChild = reinterpret_cast<HWND>(wParam);
    m_closing.insert(hWndChild);
    const int nTabsBefore = m_wndTabs.GetSafeHwnd() != nullptr ? m_wndTabs.GetTabsNum() : 0;
    if (CWnd* pChild = CWnd::FromHandlePermanent(hWndChild); pChild != nullptr && nTabsBefore > 0) {
        const int iTab = FindTab(pChild);
        if (iTab >= 0) {
            CWTKFlagScope updating(m_bUpdating);
            m_wndTabs.RemoveTab(iTab);
        }
    }
    const LRESULT lResult = Default();
    m_closing.erase(hWndChild);
    // The child's icon goes with it, and the child now active shows its tab.
    UpdateTabs(TRUE);
    const int nTabsAfter = m_wndTabs.GetSafeHwnd() != nullptr ? m_wndTabs.GetTabsNum() : 0;
    if (nTabsAfter != nTabsBefore)
        RelayoutFrame();
    return lResult;
}

LRESULT CMDIClientAreaWnd::OnUpdateTabsMessage(WPARAM wParam, LPARAM /*lParam*/)
{
    UpdateTabs(static_cast<BOOL>(wParam));
    return 0;
}
