#include "customisation/WTKToolsPage.h"

#include "customisation/WTKUserToolsManager.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "foundation/WTKUserSignals.h"

#include "win/Menu.h"
#include "win/WinApp.h"

namespace {

constexpr UINT kToolControls[] = {
    IDC_WTK_TOOLS_LABEL,          IDC_WTK_TOOLS_COMMAND,     IDC_WTK_TOOLS_BROWSE,          IDC_WTK_TOOLS_ARGUMENTS,
    IDC_WTK_TOOLS_ARGUMENTS_MENU, IDC_WTK_TOOLS_INITIAL_DIR, IDC_WTK_TOOLS_INITIAL_DIR_MENU};

}  // namespace

IMPLEMENT_DYNCREATE(CWTKToolsPage, CWTKPropertyPage)

BEGIN_MESSAGE_MAP(CWTKToolsPage, CWTKPropertyPage)
    ON_LBN_SELCHANGE(IDC_WTK_TOOLS_LIST, OnSelChange)
    ON_EN_CHANGE(IDC_WTK_TOOLS_LABEL, OnEditChange)
    ON_EN_CHANGE(IDC_WTK_TOOLS_COMMAND, OnEditChange)
    ON_EN_CHANGE(IDC_WTK_TOOLS_ARGUMENTS, OnEditChange)
    ON_EN_CHANGE(IDC_WTK_TOOLS_INITIAL_DIR, OnEditChange)
    ON_BN_CLICKED(IDC_WTK_TOOLS_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_WTK_TOOLS_NEW, OnNewTool)
    ON_BN_CLICKED(IDC_WTK_TOOLS_DELETE, OnDeleteTool)
    ON_BN_CLICKED(IDC_WTK_TOOLS_MOVE_UP, OnMoveUp)
    ON_BN_CLICKED(IDC_WTK_TOOLS_MOVE_DOWN, OnMoveDown)
    ON_BN_CLICKED(IDC_WTK_TOOLS_ARGUMENTS_MENU, OnArgumentsMenu)
    ON_BN_CLICKED(IDC_WTK_TOOLS_INITIAL_DIR_MENU, OnInitialDirMenu)
END_MESSAGE_MAP()

CWTKToolsPage::CWTKToolsPage(UINT uiArgumentsMenuId, UINT uiInitialDirMenuId)
    : CWTKPropertyPage(IDD_WTK_TOOLS_PAGE),
      m_uiArgumentsMenuId(uiArgumentsMenuId),
      m_uiInitialDirMenuId(uiInitialDirMenuId)
{}

CWTKUserToolsManager* CWTKToolsPage::GetManager()
{
    return dynamic_cast<CWTKUserToolsManager*>(WTKGetUserToolsManager());
}

BOOL CWTKToolsPage::OnInitDialog()
{
    CWTKPropertyPage::OnInitDialog();
    if (m_uiArgumentsMenuId == 0)
        GetDlgItem(IDC_WTK_TOOLS_ARGUMENTS_MENU)->ShowWindow(SW_HIDE);
    if (m_uiInitialDirMenuId == 0)
        GetDlgItem(IDC_WTK_TOOLS_INITIAL_DIR_MENU)->ShowWindow(SW_HIDE);
    FillList(nullptr);
    ShowSelectedTool();
    return TRUE;
}

void CWTKToolsPage::FillList(const CWTKUserTool* pSelect)
{
    SendDlgItemMessage(IDC_WTK_TOOLS_LIST, LB_RESETCONTENT);
    CWTKUserToolsManager* pManager = GetManager();
    if (pManager == nullptr)
        return;
    const CObList& tools = pManager->GetUserTools();
    for (POSITION pos = tools.GetHeadPosition(); pos != nullptr;) {
        auto* pTool = static_cast<CWTKUserTool*>(tools.GetNext(pos));
        const int nItem = static_cast<int>(SendDlgItemMessage(IDC_WTK_TOOLS_LIST, LB_ADDSTRING, 0,
                                                              reinterpret_cast<LPARAM>(pTool->m_strLabel.GetString())));
        if (nItem < 0)
            continue;
        SendDlgItemMessage(IDC_WTK_TOOLS_LIST, LB_SETITEMDATA, static_cast<WPARAM>(nItem),
                           reinterpret_cast<LPARAM>(pTool));
        if (pTool == pSelect)
            SendDlgItemMessage(IDC_WTK_TOOLS_LIST, LB_SETCURSEL, static_cast<WPARAM>(nItem));
    }
}

CWTKUserTool* CWTKToolsPage::GetSelectedTool() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    const LRESULT nSel = SendDlgItemMessage(IDC_WTK_TOOLS_LIST, LB_GETCURSEL);
    if (nSel < 0)
        return nullptr;
    const LRESULT data = SendDlgItemMessage(IDC_WTK_TOOLS_LIST, LB_GETITEMDATA, static_cast<WPARAM>(nSel));
    return data == LB_ERR ? nullptr : reinterpret_cast<CWTKUserTool*>(data);
}

void CWTKToolsPage::SetEditsText(LPCSTR lpszLabel, LPCSTR lpszCommand, LPCSTR lpszArguments, LPCSTR lpszInitialDir)
{
    // Each text set raises a change notice of its own: none of them may write back or clear.
    const BOOL bWasFilling = m_bFillingEdits;
    m_bFillingEdits = TRUE;
    SetDlgItemText(IDC_WTK_TOOLS_LABEL, lpszLabel);
    SetDlgItemText(IDC_WTK_TOOLS_COMMAND, lpszCommand);
    SetDlgItemText(IDC_WTK_TOOLS_ARGUMENTS, lpszArguments);
    SetDlgItemText(IDC_WTK_TOOLS_INITIAL_DIR, lpszInitialDir);
    m_bFillingEdits = bWasFilling;
}

void CWTKToolsPage::ShowSelectedTool()
{
    if (const CWTKUserTool* pTool = GetSelectedTool())
        SetEditsText(pTool->m_strLabel, pTool->GetCommand(), pTool->m_strArguments, pTool->m_strInitialDirectory);
    else
        SetEditsText("", "", "", "");
    EnableControls();
}

void CWTKToolsPage::EnableControls()
{
    CWTKUserToolsManager* pManager = GetManager();
    const CWTKUserTool* pTool = GetSelectedTool();
    for (UINT nId : kToolControls)
        GetDlgItem(static_cast<int>(nId))->EnableWindow(pTool != nullptr);
    const int nSel = static_cast<int>(SendDlgItemMessage(IDC_WTK_TOOLS_LIST, LB_GETCURSEL));
    const int nCount = static_cast<int>(SendDlgItemMessage(IDC_WTK_TOOLS_LIST, LB_GETCOUNT));
    GetDlgItem(IDC_WTK_TOOLS_NEW)->EnableWindow(pManager != nullptr);
    GetDlgItem(IDC_WTK_TOOLS_DELETE)->EnableWindow(pTool != nullptr);
    GetDlgItem(IDC_WTK_TOOLS_MOVE_UP)->EnableWindow(pTool != nullptr && nSel > 0);
    GetDlgItem(IDC_WTK_TOOLS_MOVE_DOWN)->EnableWindow(pTool != nullptr && nSel + 1 < nCount);
}

void CWTKToolsPage::OnSelChange()
{
    ShowSelectedTool();
}

void CWTKToolsPage::OnEditChange()
{
    if (m_bFillingEdits)
        return;
    CWTKUserTool* pTool = GetSelectedTool();
    if (pTool == nullptr) {
        SetEditsText("", "", "", "");
        EnableControls();
        return;
    }
    CString strLabel;
    CString strCommand;
    GetDlgItemText(IDC_WTK_TOOLS_LABEL, strLabel);
    GetDlgItemText(IDC_WTK_TOOLS_COMMAND, strCommand);
    GetDlgItemText(IDC_WTK_TOOLS_ARGUMENTS, pTool->m_strArguments);
    GetDlgItemText(IDC_WTK_TOOLS_INITIAL_DIR, pTool->m_strInitialDirectory);
    pTool->SetCommand(strCommand);
    if (strLabel != pTool->m_strLabel) {
        pTool->m_strLabel = strLabel;
        FillList(pTool);
    }
    EnableControls();
}

void CWTKToolsPage::OnBrowse()
{
    CWTKUserToolsManager* pManager = GetManager();
    if (pManager == nullptr || GetSelectedTool() == nullptr)
        return;
    CString strPath;
    if (!WTKChooseFile(m_hWnd, TRUE, pManager->GetDefExt(), nullptr, pManager->GetFilter(), strPath))
        return;
    // The edit's change notice updates the tool.
    SetDlgItemText(IDC_WTK_TOOLS_COMMAND, strPath);
}

void CWTKToolsPage::OnNewTool()
{
    CWTKUserToolsManager* pManager = GetManager();
    if (pManager == nullptr)
        return;
    CWTKUserTool* pTool = pManager->CreateNewTool();
    if (pTool == nullptr) {
        CString strMessage;
        strMessage.Format(IDS_WTK_USER_TOOLS_LIMIT, pManager->GetMaxTools());
        FwMessageBox(strMessage, MB_OK | MB_ICONINFORMATION);
        return;
    }
    FillList(pTool);
    ShowSelectedTool();
    GetDlgItem(IDC_WTK_TOOLS_LABEL)->SetFocus();
}

void CWTKToolsPage::OnDeleteTool()
{
    CWTKUserToolsManager* pManager = GetManager();
    CWTKUserTool* pTool = GetSelectedTool();
    if (pManager == nullptr || pTool == nullptr)
        return;
    const int nSel = static_cast<int>(SendDlgItemMessage(IDC_WTK_TOOLS_LIST, LB_GETCURSEL));
    pManager->RemoveTool(pTool);
    FillList(nullptr);
    const int nCount = static_cast<int>(SendDlgItemMessage(IDC_WTK_TOOLS_LIST, LB_GETCOUNT));
    if (nCount > 0)
        SendDlgItemMessage(IDC_WTK_TOOLS_LIST, LB_SETCURSEL, static_cast<WPARAM>(nSel < nCount ? nSel : nCount - 1));
    ShowSelectedTool();
}

void CWTKToolsPage::MoveSelected(BOOL bUp)
{
    CWTKUserToolsManager* pManager = GetManager();
    CWTKUserTool* pTool = GetSelectedTool();
    if (pManager == nullptr || pTool == nullptr)
        return;
    if (bUp ? pManager->MoveToolUp(pTool) : pManager->MoveToolDown(pTool))
        FillList(pTool);
    EnableControls();
}

void CWTKToolsPage::OnMoveUp()
{
    MoveSelected(TRUE);
}

void CWTKToolsPage::OnMoveDown()
{
    MoveSelected(FALSE);
}

UINT CWTKToolsPage::TrackButtonMenu(UINT nButtonId, HMENU hMenu)
{
    CRect rect;
    ::GetWindowRect(::GetDlgItem(m_hWnd, static_cast<int>(nButtonId)), &rect);
    return static_cast<UINT>(::TrackPopupMenu(hMenu, TPM_LEFTALIGN | TPM_RETURNCMD | TPM_NONOTIFY, rect.right, rect.top,
                                              0, m_hWnd, nullptr));
}

void CWTKToolsPage::InsertFromMenu(UINT nButtonId, UINT uiMenuId, UINT nEditId)
{
    if (uiMenuId == 0 || GetSelectedTool() == nullptr)
        return;
    CMenu menu;
    HMENU hPopup = menu.LoadMenu(uiMenuId) ? ::GetSubMenu(menu, 0) : nullptr;
    if (hPopup == nullptr)
        return;
    const UINT uiCmd = TrackButtonMenu(nButtonId, hPopup);
    if (uiCmd == 0)
        return;
    CString strText;
    if (strText.LoadString(uiCmd))
        TypeIntoEdit(nEditId, strText);
}

void CWTKToolsPage::TypeIntoEdit(UINT nEditId, const CString& strText)
{
    HWND hWndEdit = ::GetDlgItem(m_hWnd, static_cast<int>(nEditId));
    if (hWndEdit == nullptr)
        return;
    for (int i = 0; i < strText.GetLength(); i++)
        ::SendMessageA(hWndEdit, WM_CHAR, static_cast<BYTE>(strText[i]), 0);
}

void CWTKToolsPage::OnArgumentsMenu()
{
    InsertFromMenu(IDC_WTK_TOOLS_ARGUMENTS_MENU, m_uiArgumentsMenuId, IDC_WTK_TOOLS_ARGUMENTS);
}

void CWTKToolsPage::OnInitialDirMenu()
{
    InsertFromMenu(IDC_WTK_TOOLS_INITIAL_DIR_MENU, m_uiInitialDirMenuId, IDC_WTK_TOOLS_INITIAL_DIR);
}
