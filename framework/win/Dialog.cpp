#include "win/Dialog.h"
#include "win/DataExchange.h"
#include "win/Resources.h"
#include "win/ThreadState.h"
#include "win/WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

INT_PTR CALLBACK FwDlgProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pParentWnd(pParentWnd), m_nIDHelp(nIDTemplate)
{}

HWND FwFindDialogOwner(CWnd* pParentWnd, HWND* phWndTop)
{
    // Never the thread's active window: in a DLL that is the host's window, which the dialog
    // would disable and to which its F1 help requests would go.
    CWnd* pParent = pParentWnd != nullptr ? pParentWnd : FwGetMainWnd();
    if (pParent == nullptr) {
        if (phWndTop)
            *phWndTop = nullptr;
        return nullptr;
    }
    return FwSafeHwnd(CWnd::GetSafeOwner(pParent, phWndTop));
}

HWND CDialog::FindOwner(HWND* phWndTop) const
{
    return FwFindDialogOwner(m_pParentWnd, phWndTop);
}

BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATEA lpTemplate, HWND hWndParent, HINSTANCE hInst)
{
    FwHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpTemplate, hWndParent, &FwDlgProc, 0);
    FwUnhookWindowCreate();
    if (!hWnd)
        return FALSE;
    if (!m_hWnd) {  // the hook did not see it (should not happen): take it now
        SubclassWindow(hWnd);
    }
    return TRUE;
}

INT_PTR CDialog::AttachOnInitDialog(CDialog* pDlg, HWND hWnd, WPARAM wParam, LPARAM lParam)
{
    // A second WM_INITDIALOG comes from the object's own default processing: not ours.
    if (!pDlg || CWnd::FromHandlePermanent(hWnd) || !pDlg->SubclassWindow(hWnd))
        return FALSE;
    return (INT_PTR)FwWndProc(hWnd, WM_INITDIALOG, wParam, lParam);
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && !m_nIDHelp)
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATEA lpTemplate = FwLoadDialogTemplate(lpszTemplateName, &hInst);
    if (!lpTemplate)
        return FALSE;
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(lpTemplate, FindOwner(nullptr), hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(lpDialogTemplate, FindOwner(nullptr), FwGetResourceHandle());
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = FwGetResourceHandle();
    LPCDLGTEMPLATEA lpTemplate = m_lpDialogTemplate;
    if (!lpTemplate)
        lpTemplate = FwLoadDialogTemplate(m_lpszTemplateName, &hInst);
    if (!lpTemplate)
        return -1;

    HWND hWndTop = nullptr;
    HWND hWndParent = FindOwner(&hWndTop);
    bool bEnableParent = false;
    if (hWndTop && ::IsWindowEnabled(hWndTop)) {
        ::EnableWindow(hWndTop, FALSE);
        bEnableParent = true;
    }

    // Set before creation: OnInitDialog may already end the dialog.
    m_nFlags |= FwWndContinueModal;
    m_nModalResult = -1;
    if (CreateFromTemplate(lpTemplate, hWndParent, hInst)) {
        if (m_nFlags & FwWndContinueModal) {
            DWORD dwFlags = MLF_SHOWONIDLE;
            if (GetStyle() & DS_NOIDLEMSG)
                dwFlags |= MLF_NOIDLEMSG;
            RunModalLoop(dwFlags);
        }
        if (m_hWnd)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_nFlags &= ~FwWndContinueModal;
    // The owner is enabled before the dialog goes, so that it gets the activation back.
    if (bEnableParent)
        ::EnableWindow(hWndTop, TRUE);
    if (hWndParent && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    if (m_hWnd)
        DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (FwWndModalLoop | FwWndContinueModal))
        EndModalLoop(nResult);
    else
        ::EndDialog(m_hWnd, nResult);  // modeless: hidden, destroyed by its owner
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    if (IsSystemDialog())
        Default();
    return OnInitDialog();
}

LRESULT CDialog::OnCommandHelp(WPARAM, LPARAM lParam)
{
    if (lParam == 0 && m_nIDHelp != 0)
        lParam = static_cast<LPARAM>(HID_BASE_RESOURCE + m_nIDHelp);
    CWinApp* pApp = FwGetApp();
    if (lParam == 0 || pApp == nullptr)
        return FALSE;
    pApp->WinHelp(static_cast<DWORD_PTR>(lParam));
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;  // the system sets the focus to the first control
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    bool bInput = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
        (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
    if (!bInput || !m_hWnd)
        return FALSE;
    // Only messages for the dialog and its controls: Enter, Esc, Tab, mnemonics.
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CDataExchange::Failure&) {
        return FALSE;
    }
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}
