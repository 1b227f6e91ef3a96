#include "customisation/PropertySheetCtrl.h"

IMPLEMENT_DYNAMIC(CPropertySheetCtrl, CPropertySheet)

CPropertySheetCtrl::CPropertySheetCtrl(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage)
{}

BOOL CPropertySheetCtrl::CreateOverPlaceholder(CWnd* pParentDlg, UINT uiPlaceholderID)
{
    if (pParentDlg == nullptr || pParentDlg->GetSafeHwnd() == nullptr)
        return FALSE;
    HWND hWndPlaceholder = ::GetDlgItem(pParentDlg->GetSafeHwnd(), static_cast<int>(uiPlaceholderID));
    if (hWndPlaceholder == nullptr || !Create(pParentDlg, kChildStyle, 0))
        return FALSE;
    RECT rect;
    ::GetWindowRect(hWndPlaceholder, &rect);
    pParentDlg->ScreenToClient(&rect);
    SetWindowPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}
