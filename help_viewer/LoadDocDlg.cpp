#include "LoadDocDlg.h"

#include "DocumentationScan.h"
#include "Resource.h"
#include "win/WinApp.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CLoadDocDlg, CDialog)
    ON_NOTIFY(NM_DBLCLK, IDC_DOC_LIST, OnDblclkList)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_DOC_LIST, OnItemchangedList)
END_MESSAGE_MAP()

CLoadDocDlg::CLoadDocDlg(CWnd* pParentWnd) : CDialog(IDD_LOAD_DOC, pParentWnd)
{
    m_hIcon = FwGetApp() ? FwGetApp()->LoadIcon(IDI_LOAD_DOC) : nullptr;
}

BOOL CLoadDocDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    m_list.SubclassDlgItem(IDC_DOC_LIST, this);
    const DWORD styles = static_cast<DWORD>(m_list.SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
    m_list.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(styles | Lumidoc::kDocListExtraStyles));
    m_list.InsertColumn(0, Lumidoc::kTitleColumn, LVCFMT_LEFT, Lumidoc::kTitleColumnWidth);
    m_list.InsertColumn(1, Lumidoc::kFileColumn, LVCFMT_LEFT, Lumidoc::kFileColumnWidth);
    FillList();
    if (m_list.GetItemCount() > 0) {
        m_list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        GetDlgItem(IDOK)->EnableWindow(TRUE);
    }
    return TRUE;
}

void CLoadDocDlg::FillList()
{
    // The program's folder: its full path cut just after the last backslash.
    const DWORD length = ::GetModuleFileNameA(nullptr, m_szPath, sizeof m_szPath);
    m_szPath[sizeof m_szPath - 1] = '\0';
    if (length == 0 || length >= sizeof m_szPath)
        m_szPath[0] = '\0';
    char* lastSlash = std::strrchr(m_szPath, '\\');
    if (lastSlash == nullptr)
        return;
    lastSlash[1] = '\0';
    for (const DocumentationEntry& entry : ScanDocumentations(m_szPath)) {
        const int item = m_list.InsertItem(m_list.GetItemCount(), entry.title);
        if (item >= 0)
            m_list.SetItemText(item, 1, entry.fileName);
    }
}

void CLoadDocDlg::ChooseItem(int nItem)
{
    const CString fileName = m_list.GetItemText(nItem, 1);
    lstrcpynA(m_szPath, fileName, sizeof m_szPath);
    EndDialog(IDOK);
}

void CLoadDocDlg::OnOK()
{
    if (m_list.GetSelectedCount() != 1)
        return;
    const int item = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (item >= 0)
        ChooseItem(item);
}

void CLoadDocDlg::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CLoadDocDlg::OnDblclkList(NMHDR* pNMHDR, LRESULT* pResult)
{
    const int item = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem;
    if (m_list.GetItemCount() > 0 && item >= 0)
        ChooseItem(item);
    *pResult = 0;
}

void CLoadDocDlg::OnItemchangedList(NMHDR*, LRESULT* pResult)
{
    if (CWnd* pSelect = GetDlgItem(IDOK))
        pSelect->EnableWindow(m_list.m_hWnd != nullptr && m_list.GetSelectedCount() == 1);
    *pResult = 0;
}
