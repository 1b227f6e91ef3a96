#include "win/PropertyPage.h"
#include "win/Resources.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CDialog(nIDTemplate)
{
    if (nIDCaption != 0)
        m_strCaption.LoadString(nIDCaption);
}

CPropertyPage::CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption) : CDialog(lpszTemplateName)
{
    if (nIDCaption != 0)
        m_strCaption.LoadString(nIDCaption);
}

BOOL CPropertyPage::PreparePage()
{
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATEA lpTemplate = FwLoadDialogTemplate(m_lpszTemplateName, &hInst);
    if (!lpTemplate)
        return FALSE;
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags |= PSP_DLGINDIRECT;
    m_psp.hInstance = hInst;
    m_psp.pResource = lpTemplate;
    m_psp.pfnDlgProc = &PageDlgProc;
    m_psp.lParam = (LPARAM)this;
    if (!m_strCaption.IsEmpty()) {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_strCaption;
    }
    return TRUE;
}

INT_PTR CALLBACK CPropertyPage::PageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    // The sheet passes a copy of the page's record, which carries the object.
    auto* pPsp = (const PROPSHEETPAGEA*)lParam;
    return AttachOnInitDialog((CPropertyPage*)pPsp->lParam, hWnd, wParam, lParam);
}

BOOL CPropertyPage::OnSetActive()
{
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    if (m_hWnd)
        ::SendMessageA(::GetParent(m_hWnd), bChanged ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)m_hWnd, 0);
}

BOOL CPropertyPage::PreTranslateMessage(MSG*)
{
    // Tab, Enter, Esc and Ctrl+Tab belong to the whole sheet: its dialog manager runs next.
    return FALSE;
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = (NMHDR*)lParam;
    LRESULT lResult = 0;
    switch (pNMHDR->code) {
    case PSN_SETACTIVE:
        lResult = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        lResult = OnKillActive() ? FALSE : TRUE;
        break;
    case PSN_APPLY:
        lResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        break;
    case PSN_RESET:
        OnReset();
        break;
    default:
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
    // The sheet may read the answer as the message's result or as the dialog's result.
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, lResult);
    *pResult = lResult;
    return TRUE;
}
