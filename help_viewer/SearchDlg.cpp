#include "SearchDlg.h"

#include "ContentModule.h"
#include "FrameConstants.h"
#include "MainFrame.h"
#include "ViewerConstants.h"
#include "WorkspaceBar.h"

BEGIN_MESSAGE_MAP(CSearchDlg, CDialog)
    ON_WM_SIZE()
    ON_CONTROL(EN_CHANGE, IDC_SEARCH_EDIT, OnEditChange)
    ON_CONTROL(BN_CLICKED, IDC_SEARCH_BUTTON, OnSearchButton)
    ON_CONTROL(LBN_SELCHANGE, IDC_SEARCH_LIST, OnListSelChange)
END_MESSAGE_MAP()

BOOL CSearchDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    return m_list.SubclassDlgItem(IDC_SEARCH_LIST, this) && m_edit.SubclassDlgItem(IDC_SEARCH_EDIT, this) &&
        m_button.SubclassDlgItem(IDC_SEARCH_BUTTON, this);
}

void CSearchDlg::DoSearch()
{
    if (m_list.GetSafeHwnd() == nullptr ||
        !CurrentModuleExports({Lumidoc::kKeywordExport, Lumidoc::kTopicExport, Lumidoc::kContentCountExport}))
        return;
    const CContentModule& module = CContentModule::Current();
    m_list.ResetContent();
    int nCount = 0;
    module.GetContentCount(nCount);
    CString strText;
    m_edit.GetWindowText(strText);
    strText.MakeLower();
    for (int nTopic = 0; nTopic < nCount; ++nTopic) {
        CString strKeywords;
        if (!module.GetKeyword(nTopic, strKeywords))
            continue;
        strKeywords.MakeLower();
        CString strTitle;
        if (strKeywords.Find(strText) < 0 || !module.GetTopic(nTopic, strTitle))
            continue;
        const int nItem = m_list.AddString(strTitle);
        if (nItem >= 0)
            m_list.SetItemData(nItem, static_cast<DWORD_PTR>(nTopic));
    }
}

void CSearchDlg::ClearResults()
{
    if (m_list.GetSafeHwnd() != nullptr)
        m_list.ResetContent();
}

void CSearchDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    using namespace Lumidoc;
    if (m_edit.GetSafeHwnd() != nullptr)
        m_edit.MoveWindow(kPaneMargin, kPaneEditTop, cx - kSearchEditWidthLoss, kPaneRowHeight);
    if (m_button.GetSafeHwnd() != nullptr)
        m_button.MoveWindow(cx - kSearchButtonOffset, kPaneEditTop, kSearchButtonWidth, kPaneRowHeight);
    if (m_list.GetSafeHwnd() != nullptr)
        m_list.MoveWindow(kPaneMargin, kPaneListTop, cx - kPaneWidthLoss, cy - kPaneHeightLoss);
}

void CSearchDlg::OnEditChange()
{
    m_button.EnableWindow(m_edit.GetWindowTextLength() > 0);
}

void CSearchDlg::OnSearchButton()
{
    DoSearch();
}

void CSearchDlg::OnListSelChange()
{
    const int nItem = m_list.GetCurSel();
    if (nItem >= 0)
        CMainFrame::ShowTopicInMainFrame(static_cast<INT_PTR>(m_list.GetItemData(nItem)));
}

BOOL CSearchDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN &&
        (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd))) {
        if (pMsg->hwnd != m_edit.GetSafeHwnd()) {
            pMsg->wParam = 0;
        } else {
            // Taken here, so the dialog's default button does not search a second time.
            if (m_edit.GetWindowTextLength() > 0)
                DoSearch();
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}
