#include "customisation/ToolbarNameDialog.h"

#include "customisation/res/WTKCustomisationRes.h"

#include "win/DataExchange.h"

BEGIN_MESSAGE_MAP(CToolbarNameDialog, CDialog)
    ON_EN_UPDATE(IDC_WTK_TOOLBAR_NAME, OnUpdateToolbarName)
END_MESSAGE_MAP()

CToolbarNameDialog::CToolbarNameDialog(CWnd* pParent) : CDialog(IDD_WTK_TOOLBAR_NAME, pParent) {}

void CToolbarNameDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_WTK_TOOLBAR_NAME, m_strToolbarName);
}

BOOL CToolbarNameDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    EnableOK();
    return TRUE;
}

void CToolbarNameDialog::OnUpdateToolbarName()
{
    EnableOK();
}

void CToolbarNameDialog::EnableOK()
{
    CString strName;
    GetDlgItemText(IDC_WTK_TOOLBAR_NAME, strName);
    if (CWnd* pOK = GetDlgItem(IDOK))
        pOK->EnableWindow(!strName.IsEmpty());
}
