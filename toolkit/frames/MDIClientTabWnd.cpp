#include "frames/MDIClientTabWnd.h"

CMDIClientTabWnd::CMDIClientTabWnd()
{
    // The MDI client owns the children's windows: the tabs neither hide, size nor destroy them.
    HideInactiveWindow(FALSE);
    AutoSizeWindow(FALSE);
    AutoDestroyWindow(FALSE);
}

void CMDIClientTabWnd::AddChildTab(CWnd* pChild, LPCSTR lpszLabel, UINT uiImage)
{
    // With no active tab the insertion touches no window (it would bring the old active
    // child to the top, which activates it).
    m_iActiveTab = -1;
    AddTab(pChild, lpszLabel, uiImage);
    SetActiveTab(m_iTabsNum - 1);
}

BOOL CMDIClientTabWnd::SetActiveTab(int iTab)
{
    if (iTab < 0 || iTab >= m_iTabsNum)
        return FALSE;
    if (iTab == m_iActiveTab)
        return TRUE;
    m_iActiveTab = iTab;
    if (m_hWnd != nullptr) {
        EnsureVisible(iTab);
        Invalidate();
    }
    return TRUE;
}
