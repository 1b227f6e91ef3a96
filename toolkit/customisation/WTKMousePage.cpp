#include "customisation/WTKMousePage.h"

#include "customisation/WTKToolbarCustomize.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "command_bars/WTKToolbarButton.h"

#include "foundation/WTKMouseManager.h"
#include "foundation/WTKUserSignals.h"

#include "core/ResourceHandle.h"
#include "core/StringList.h"
#include "docview/FrameWnd.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(CWTKMousePage, CWTKPropertyPage)

BEGIN_MESSAGE_MAP(CWTKMousePage, CWTKPropertyPage)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_WTK_MOUSE_VIEWS, OnViewChanged)
    ON_BN_CLICKED(IDC_WTK_MOUSE_NO_DBLCLICK, OnNoDblClick)
    ON_BN_CLICKED(IDC_WTK_MOUSE_USE_DBLCLICK, OnUseDblClick)
    ON_LBN_SELCHANGE(IDC_WTK_MOUSE_COMMANDS, OnSelchangeCommands)
END_MESSAGE_MAP()

namespace {

constexpr int kIconGrowBy = 4;

// A command's text as a list shows it: without its mnemonic marks.
CString ListText(const CString& strText)
{
    CString strList(strText);
    strList.Remove('&');
    return strList;
}

}  // namespace

CWTKMousePage::CWTKMousePage() : CWTKPropertyPage(IDD_WTK_MOUSE_PAGE) {}

CWTKMouseManager* CWTKMousePage::GetManager()
{
    return dynamic_cast<CWTKMouseManager*>(WTKGetMouseManager());
}

BOOL CWTKMousePage::OnInitDialog()
{
    CWTKPropertyPage::OnInitDialog();
    m_wndViews.SubclassDlgItem(IDC_WTK_MOUSE_VIEWS, this);
    m_wndCommands.SubclassDlgItem(IDC_WTK_MOUSE_COMMANDS, this);
    FillViews();
    FillCommands();
    if (m_wndViews.GetItemCount() > 0)
        m_wndViews.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ShowBinding();
    return TRUE;
}

void CWTKMousePage::FillViews()
{
    CWTKMouseManager* pManager = GetManager();
    if (pManager == nullptr)
        return;
    CStringList names;
    pManager->GetViewNames(names);
    std::vector<CString> sorted;
    for (POSITION pos = names.GetHeadPosition(); pos != nullptr;)
        sorted.push_back(names.GetNext(pos));
    std::sort(sorted.begin(), sorted.end(), [](const CString& a, const CString& b) { return lstrcmpiA(a, b) < 0; });

    const int cxIcon = ::GetSystemMetrics(SM_CXSMICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYSMICON);
    m_images.Create(cxIcon, cyIcon, ILC_COLOR32 | ILC_MASK, 0, kIconGrowBy);
    m_wndViews.SetImageList(&m_images, LVSIL_SMALL);
    m_wndViews.InsertColumn(0, "", LVCFMT_LEFT, 0);

    int cxWidest = 0;
    for (const CString& strName : sorted) {
        const int iViewId = pManager->GetViewIdByName(strName);
        int iImage = -1;
        if (const UINT uiIconId = pManager->GetViewIconId(iViewId)) {
            LPCSTR lpszIcon = MAKEINTRESOURCEA(uiIconId);
            HINSTANCE hInst = FwFindResourceHandle(lpszIcon, RT_GROUP_ICON);
            auto hIcon = hInst != nullptr
                ? static_cast<HICON>(::LoadImageA(hInst, lpszIcon, IMAGE_ICON, cxIcon, cyIcon, LR_DEFAULTCOLOR))
                : nullptr;
            if (hIcon != nullptr) {
                iImage = m_images.Add(hIcon);
                ::DestroyIcon(hIcon);
            }
        }
        const int nItem = m_wndViews.InsertItem(m_wndViews.GetItemCount(), strName, iImage);
        m_wndViews.SetItemData(nItem, static_cast<DWORD_PTR>(iViewId));
        cxWidest = std::max(cxWidest, m_wndViews.GetStringWidth(strName));
    }
    m_wndViews.SetColumnWidth(0, cxWidest + cxIcon + kViewColumnExtra);
}

void CWTKMousePage::FillCommands()
{
    CWTKToolbarCustomize* pSheet = CWTKToolbarCustomize::FromPage(this);
    if (pSheet == nullptr)
        return;
    for (const CWTKToolbarButton* pButton : pSheet->GetAllCommands()) {
        if (pButton == nullptr || !CWTKToolbarCustomize::IsRealCommand(pButton->m_nID))
            continue;
        const int nIndex = m_wndCommands.AddString(ListText(pButton->m_strText));
        if (nIndex >= 0)
            m_wndCommands.SetItemData(nIndex, pButton->m_nID);
    }
}

int CWTKMousePage::GetSelectedViewId() const
{
    if (m_wndViews.GetSafeHwnd() == nullptr)
        return -1;
    const int nItem = m_wndViews.GetNextItem(-1, LVNI_SELECTED);
    return nItem >= 0 ? static_cast<int>(m_wndViews.GetItemData(nItem)) : -1;
}

UINT CWTKMousePage::GetSelectedCommand() const
{
    const int nIndex = m_wndCommands.GetCurSel();
    return nIndex >= 0 ? static_cast<UINT>(m_wndCommands.GetItemData(nIndex)) : 0;
}

void CWTKMousePage::OnViewChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* pListView = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    if ((pListView->uChanged & LVIF_STATE) != 0 && (pListView->uNewState & LVIS_SELECTED) != 0)
        ShowBinding();
    *pResult = 0;
}

void CWTKMousePage::ShowBinding()
{
    CWTKMouseManager* pManager = GetManager();
    const int iViewId = GetSelectedViewId();
    const UINT uiCmd = pManager != nullptr && iViewId >= 0 ? pManager->GetViewDblClickCommand(iViewId) : 0;
    int nIndex = -1;
    for (int i = 0; uiCmd != 0 && i < m_wndCommands.GetCount(); i++) {
        if (m_wndCommands.GetItemData(i) == uiCmd) {
            nIndex = i;
            break;
        }
    }
    const BOOL bBound = uiCmd != 0;
    CheckRadioButton(IDC_WTK_MOUSE_NO_DBLCLICK, IDC_WTK_MOUSE_USE_DBLCLICK,
                     bBound ? IDC_WTK_MOUSE_USE_DBLCLICK : IDC_WTK_MOUSE_NO_DBLCLICK);
    m_wndCommands.EnableWindow(bBound);
    m_wndCommands.SetCurSel(nIndex);
    ShowDescription(bBound ? uiCmd : 0);
}

void CWTKMousePage::ShowDescription(UINT uiCmd)
{
    CString strDescription;
    if (uiCmd != 0) {
        CWTKToolbarCustomize* pSheet = CWTKToolbarCustomize::FromPage(this);
        if (pSheet != nullptr && pSheet->GetFrame() != nullptr)
            pSheet->GetFrame()->GetMessageString(uiCmd, strDescription);
    }
    SetDlgItemText(IDC_WTK_MOUSE_DESCRIPTION, strDescription);
}

BOOL CWTKMousePage::SetSelectedViewCommand(UINT uiCmd)
{
    CWTKMouseManager* pManager = GetManager();
    const int iViewId = GetSelectedViewId();
    if (pManager == nullptr || iViewId < 0) {
        WTKBeep(MB_OK);
        return FALSE;
    }
    pManager->SetViewDblClickCommand(iViewId, uiCmd);
    return TRUE;
}

void CWTKMousePage::OnNoDblClick()
{
    if (!SetSelectedViewCommand(0))
        return;
    m_wndCommands.SetCurSel(-1);
    m_wndCommands.EnableWindow(FALSE);
    ShowDescription(0);
}

void CWTKMousePage::OnUseDblClick()
{
    // No command until one is chosen from the list.
    if (SetSelectedViewCommand(0))
        m_wndCommands.EnableWindow(TRUE);
}

void CWTKMousePage::OnSelchangeCommands()
{
    const UINT uiCmd = GetSelectedCommand();
    if (SetSelectedViewCommand(uiCmd))
        ShowDescription(uiCmd);
}
