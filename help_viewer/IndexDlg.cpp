#include "IndexDlg.h"

#include "ContentModule.h"
#include "FrameConstants.h"
#include "MainFrame.h"
#include "ViewerConstants.h"
#include "WorkspaceBar.h"

BEGIN_MESSAGE_MAP(CIndexDlg, CDialog)
    ON_WM_SIZE()
    ON_CONTROL(EN_CHANGE, IDC_INDEX_EDIT, OnEditChange)
    ON_CONTROL(LBN_SELCHANGE, IDC_INDEX_LIST, OnListSelChange)
END_MESSAGE_MAP()

BOOL CIndexDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_list.SubclassDlgItem(IDC_INDEX_LIST, this) || !m_edit.SubclassDlgItem(IDC_INDEX_EDIT, this))
        return FALSE;
    FillIndex();
    return TRUE;
}

void CIndexDlg::FillIndex()
{
    if (m_list.GetSafeHwnd() == nullptr)
        return;
    m_list.ResetContent();
    if (!CurrentModuleExports({Lumidoc::kTopicExport, Lumidoc::kContentCountExport}))
        return;
    const CContentModule& module = CContentModule::Current();
    int nCount = 0;
    module.GetContentCount(nCount);
    for (int nTopic = 0; nTopic < nCount; ++nTopic) {
        CString strTitle;
        if (!module.GetTopic(nTopic, strTitle))
            continue;
        const int nItem = m_list.AddString(strTitle);
        if (nItem >= 0)
            m_list.SetItemData(nItem, static_cast<DWORD_PTR>(nTopic));
    }
}

void CIndexDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    using namespace Lumidoc;
    if (m_edit.GetSafeHwnd() != nullptr)
        m_edit.MoveWindow(kPaneMargin, kPaneEditTop, cx - kPaneWidthLoss, kPaneRowHeight);
    if (m_list.GetSafeHwnd() != nullptr)
        m_list.MoveWindow(kPaneMargin, kPaneListTop, cx - kPaneWidthLoss, cy - kPaneHeightLoss);
}

void CIndexDlg::OnEditChange()
{
    if (m_bCopyingTitle)
        return;
    CString strText;
    m_edit.GetWindowText(strText);
    // The list box's own prefix search: case-insensitive, from the top; no match keeps the
    // selection, and selecting this way shows no topic.
    const int nItem = m_list.FindString(-1, strText);
    if (nItem >= 0)
        m_list.SetCurSel(nItem);
}

void CIndexDlg::OnListSelChange()
{
    const int nItem = m_list.GetCurSel();
    if (nItem < 0)
        return;
    const auto nTopic = static_cast<INT_PTR>(m_list.GetItemData(nItem));
    CString strTitle;
    m_list.GetText(nItem, strTitle);
    m_bCopyingTitle = TRUE;
    m_edit.SetWindowText(strTitle);
    m_bCopyingTitle = FALSE;
    CMainFrame::ShowTopicInMainFrame(nTopic);
}

BOOL CIndexDlg::PreTranslateMessage(MSG* pMsg)
{
    // Enter neither closes the pane nor runs anything.
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN &&
        (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)))
        pMsg->wParam = 0;
    return CDialog::PreTranslateMessage(pMsg);
}
