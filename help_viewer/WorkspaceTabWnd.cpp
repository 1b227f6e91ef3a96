#include "WorkspaceTabWnd.h"

BOOL CWorkspaceTabWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const BOOL bResult = CWTKTabWnd::OnNotify(wParam, lParam, pResult);
    const int nId = static_cast<int>(wParam);
    if (nId != 0 && ::GetDlgItem(m_hWnd, nId) != nullptr) {
        if (CWnd* pTarget = GetOwner())
            pTarget->SendMessage(WM_NOTIFY, wParam, lParam);
    }
    return bResult;
}
