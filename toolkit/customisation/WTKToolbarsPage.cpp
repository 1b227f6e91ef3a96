#include "customisation/WTKToolbarsPage.h"

#include "customisation/ToolbarNameDialog.h"
#include "customisation/WTKToolbarCustomize.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "command_bars/WTKCommandManager.h"
#include "command_bars/WTKDropDownToolBar.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarMessages.h"

#include "foundation/WTKUserSignals.h"

#include "docview/FrameWnd.h"
#include "win/DataExchange.h"
#include "win/WinApp.h"

IMPLEMENT_DYNCREATE(CWTKToolbarsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CWTKToolbarsPage, CPropertyPage)
    ON_LBN_SELCHANGE(IDC_WTK_TOOLBARS_LIST, OnSelchangeToolbarList)
    ON_CONTROL(CLBN_CHKCHANGE, IDC_WTK_TOOLBARS_LIST, OnCheckChange)
    ON_BN_CLICKED(IDC_WTK_RESET_TOOLBAR, OnResetToolbar)
    ON_BN_CLICKED(IDC_WTK_RESET_ALL_TOOLBARS, OnResetAllToolbars)
    ON_BN_CLICKED(IDC_WTK_NEW_TOOLBAR, OnNewToolbar)
    ON_BN_CLICKED(IDC_WTK_RENAME_TOOLBAR, OnRenameToolbar)
    ON_BN_CLICKED(IDC_WTK_DELETE_TOOLBAR, OnDeleteToolbar)
    ON_BN_CLICKED(IDC_WTK_TEXT_LABELS, OnTextLabels)
END_MESSAGE_MAP()

CWTKToolbarsPage::CWTKToolbarsPage() : CPropertyPage(IDD_WTK_CUSTOMIZE_TOOLBARS) {}

BOOL CWTKToolbarsPage::AllowsUserToolbars() const
{
    return (CWTKToolbarCustomize::GetFlagsOf(this) & CWTKToolbarCustomize::kUserToolbars) != 0;
}

void CWTKToolbarsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WTK_TOOLBARS_LIST, m_wndToolbarList);
    DDX_Control(pDX, IDC_WTK_RESET_TOOLBAR, m_wndResetButton);
    DDX_Control(pDX, IDC_WTK_RESET_ALL_TOOLBARS, m_wndResetAllButton);
    DDX_Control(pDX, IDC_WTK_NEW_TOOLBAR, m_wndNewButton);
    DDX_Control(pDX, IDC_WTK_RENAME_TOOLBAR, m_wndRenameButton);
    DDX_Control(pDX, IDC_WTK_DELETE_TOOLBAR, m_wndDeleteButton);
    DDX_Control(pDX, IDC_WTK_TEXT_LABELS, m_wndTextLabels);
}

BOOL CWTKToolbarsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_wndToolbarList.SetCheckStyle(BS_AUTOCHECKBOX);
    if (!AllowsUserToolbars()) {
        m_wndNewButton.ShowWindow(SW_HIDE);
        m_wndRenameButton.ShowWindow(SW_HIDE);
        m_wndRenameButton.EnableWindow(FALSE);
        m_wndDeleteButton.ShowWindow(SW_HIDE);
    }
    if ((CWTKToolbarCustomize::GetFlagsOf(this) & CWTKToolbarCustomize::kTextLabels) == 0)
        m_wndTextLabels.ShowWindow(SW_HIDE);

    CFrameWnd* pFrame = CWTKToolbarCustomize::GetLiveFrame(this);
    for (POSITION pos = CWTKToolBar::GetAllToolbars().GetHeadPosition(); pos != nullptr;) {
        auto* pBar = dynamic_cast<CWTKToolBar*>(CWTKToolBar::GetAllToolbars().GetNext(pos));
        if (pBar != nullptr && IsListed(pBar, pFrame))
            AddToolBar(pBar);
    }
    if (m_wndToolbarList.GetCount() > 0)
        m_wndToolbarList.SetCurSel(0);
    UpdateButtons();
    return TRUE;
}

BOOL CWTKToolbarsPage::IsListed(CWTKToolBar* pBar, CFrameWnd* pFrame)
{
    // Popup menus and drop-down palettes come and go with their buttons: they are not bars the
    // user shows or hides.
    if (!::IsWindow(pBar->GetSafeHwnd()) || pBar->IsKindOf(RUNTIME_CLASS(CWTKPopupMenuBar)) ||
        pBar->IsKindOf(RUNTIME_CLASS(CWTKDropDownToolBar)) || !pBar->AllowShowOnList())
        return FALSE;
    CWnd* pOwner = pBar->GetOwner();
    if (pOwner != nullptr && pOwner->IsKindOf(RUNTIME_CLASS(CControlBar)))
        return FALSE;
    return pFrame == nullptr || pBar->GetTopLevelFrame() == pFrame;
}

CString CWTKToolbarsPage::GetToolbarName(CWTKToolBar* pBar)
{
    CString strName;
    pBar->GetWindowText(strName);
    if (strName.IsEmpty())
        strName.LoadString(IDS_WTK_UNTITLED_TOOLBAR);
    return strName;
}

int CWTKToolbarsPage::AddToolBar(CWTKToolBar* pBar)
{
    const int nIndex = m_wndToolbarList.AddString(GetToolbarName(pBar));
    if (nIndex < 0)
        return nIndex;
    m_wndToolbarList.SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pBar));
    m_wndToolbarList.SetCheck(nIndex, (pBar->GetStyle() & WS_VISIBLE) ? 1 : 0);
    m_wndToolbarList.Enable(nIndex, pBar->CanBeClosed());
    return nIndex;
}

int CWTKToolbarsPage::FindToolBar(const CWTKToolBar* pBar) const
{
    if (m_wndToolbarList.GetSafeHwnd() == nullptr || pBar == nullptr)
        return -1;
    for (int i = 0; i < m_wndToolbarList.GetCount(); ++i) {
        if (m_wndToolbarList.GetItemData(i) == reinterpret_cast<DWORD_PTR>(pBar))
            return i;
    }
    return -1;
}

CWTKToolBar* CWTKToolbarsPage::GetToolBarAt(int nIndex) const
{
    if (nIndex < 0)
        return nullptr;
    const DWORD_PTR dwData = m_wndToolbarList.GetItemData(nIndex);
    if (dwData == 0 || dwData == static_cast<DWORD_PTR>(LB_ERR))
        return nullptr;
    // A bar destroyed meanwhile is no longer among all toolbars.
    auto* pBar = reinterpret_cast<CWTKToolBar*>(dwData);
    return CWTKToolBar::GetAllToolbars().Find(pBar) != nullptr ? pBar : nullptr;
}

CWTKToolBar* CWTKToolbarsPage::GetSelectedToolBar() const
{
    if (m_wndToolbarList.GetSafeHwnd() == nullptr)
        return nullptr;
    return GetToolBarAt(m_wndToolbarList.GetCurSel());
}

void CWTKToolbarsPage::ShowToolBar(CWTKToolBar* pBar, BOOL bShow)
{
    const int nIndex = FindToolBar(pBar);
    if (nIndex >= 0)
        m_wndToolbarList.SetCheck(nIndex, bShow ? 1 : 0);
}

void CWTKToolbarsPage::UpdateButtons()
{
    CWTKToolBar* pBar = GetSelectedToolBar();
    const BOOL bUserDefined = pBar != nullptr && pBar->IsUserDefined() && AllowsUserToolbars();
    m_wndResetButton.EnableWindow(pBar != nullptr && pBar->CanBeRestored());
    m_wndRenameButton.EnableWindow(bUserDefined);
    m_wndDeleteButton.EnableWindow(bUserDefined);
    m_wndTextLabels.EnableWindow(pBar != nullptr && pBar->AllowChangeTextLabels());
    m_wndTextLabels.SetCheck(pBar != nullptr && pBar->AreTextLabels() ? BST_CHECKED : BST_UNCHECKED);
}

void CWTKToolbarsPage::OnSelchangeToolbarList()
{
    UpdateButtons();
}

void CWTKToolbarsPage::OnCheckChange()
{
    // Every entry whose check differs from its bar's visibility is carried out.
    CFrameWnd* pFrame = CWTKToolbarCustomize::GetLiveFrame(this);
    for (int i = 0; i < m_wndToolbarList.GetCount(); ++i) {
        CWTKToolBar* pBar = GetToolBarAt(i);
        if (pBar == nullptr)
            continue;
        const BOOL bShow = m_wndToolbarList.GetCheck(i) == 1;
        const BOOL bVisible = (pBar->GetStyle() & WS_VISIBLE) != 0;
        if (bShow == bVisible)
            continue;
        if (!bShow && !pBar->CanBeClosed()) {
            m_wndToolbarList.SetCheck(i, 1);
            WTKBeep(MB_OK);
            continue;
        }
        if (pFrame != nullptr)
            pFrame->ShowControlBar(pBar, bShow, FALSE);
    }
}

BOOL CWTKToolbarsPage::AskYesNo(UINT nIDFormat, LPCSTR lpszName)
{
    CString strFormat;
    strFormat.LoadString(nIDFormat);
    CString strPrompt;
    if (lpszName != nullptr)
        strPrompt.Format(strFormat, lpszName);
    else
        strPrompt = strFormat;
    return FwMessageBox(strPrompt, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CWTKToolbarsPage::OnResetToolbar()
{
    CWTKToolBar* pBar = GetSelectedToolBar();
    if (pBar == nullptr || !pBar->CanBeRestored())
        return;
    if (AskYesNo(IDS_WTK_RESET_TOOLBAR, GetToolbarName(pBar)))
        pBar->RestoreOriginalState();
}

void CWTKToolbarsPage::OnResetAllToolbars()
{
    if (!AskYesNo(IDS_WTK_RESET_ALL_TOOLBARS, nullptr))
        return;
    WTKGetCmdMgr()->CleanUp();
    // The default images of every command the sheet knows come back; restored bars record
    // their own buttons' images again.
    if (CWTKToolbarCustomize* pSheet = CWTKToolbarCustomize::FromPage(this)) {
        for (const CWTKToolbarButton* pButton : pSheet->GetAllCommands()) {
            const UINT uiCmd = pButton->m_nID;
            const int iImage = CWTKToolBar::GetDefaultImage(uiCmd);
            if (iImage >= 0)
                WTKGetCmdMgr()->SetCmdImage(uiCmd, iImage, FALSE);
        }
    }
    for (int i = 0; i < m_wndToolbarList.GetCount(); ++i) {
        CWTKToolBar* pBar = GetToolBarAt(i);
        if (pBar != nullptr && pBar->CanBeRestored())
            pBar->RestoreOriginalState();
    }
    UpdateButtons();
}

void CWTKToolbarsPage::OnNewToolbar()
{
    CToolbarNameDialog dlg(this);
    if (dlg.DoModal() != IDOK)
        return;
    CFrameWnd* pFrame = CWTKToolbarCustomize::GetLiveFrame(this);
    if (pFrame == nullptr) {
        WTKBeep(MB_ICONASTERISK);
        return;
    }
    const LRESULT lResult =
        pFrame->SendMessage(WTK_TOOLBAR_CREATE, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(dlg.m_strToolbarName)));
    auto* pNewBar = dynamic_cast<CWTKToolBar*>(WTKFindToolBarOfParam(lResult));
    if (pNewBar == nullptr)
        return;
    const int nIndex = AddToolBar(pNewBar);
    if (nIndex < 0)
        return;
    m_wndToolbarList.SetCheck(nIndex, 1);
    m_wndToolbarList.SetCurSel(nIndex);
    UpdateButtons();
}

void CWTKToolbarsPage::OnRenameToolbar()
{
    CWTKToolBar* pBar = GetSelectedToolBar();
    const int nIndex = m_wndToolbarList.GetCurSel();
    if (pBar == nullptr || !pBar->IsUserDefined())
        return;
    CToolbarNameDialog dlg(this);
    pBar->GetWindowText(dlg.m_strToolbarName);
    if (dlg.DoModal() != IDOK)
        return;

    pBar->SetWindowText(dlg.m_strToolbarName);
    if (pBar->IsFloating()) {
        if (CFrameWnd* pMiniFrame = pBar->GetParentFrame()) {
            pMiniFrame->SetWindowText(dlg.m_strToolbarName);
            pMiniFrame->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        }
    }
    // The entry is replaced with its check and its enabled state.
    const int nCheck = m_wndToolbarList.GetCheck(nIndex);
    const BOOL bEnabled = m_wndToolbarList.IsEnabled(nIndex);
    m_wndToolbarList.DeleteString(static_cast<UINT>(nIndex));
    const int nNew = m_wndToolbarList.InsertString(nIndex, GetToolbarName(pBar));
    if (nNew < 0)
        return;
    m_wndToolbarList.SetItemData(nNew, reinterpret_cast<DWORD_PTR>(pBar));
    m_wndToolbarList.SetCheck(nNew, nCheck);
    m_wndToolbarList.Enable(nNew, bEnabled);
    m_wndToolbarList.SetCurSel(nNew);
    UpdateButtons();
}

void CWTKToolbarsPage::OnDeleteToolbar()
{
    CWTKToolBar* pBar = GetSelectedToolBar();
    const int nIndex = m_wndToolbarList.GetCurSel();
    if (pBar == nullptr || !pBar->IsUserDefined())
        return;
    if (!AskYesNo(IDS_WTK_DELETE_TOOLBAR, GetToolbarName(pBar)))
        return;
    CFrameWnd* pFrame = CWTKToolbarCustomize::GetLiveFrame(this);
    if (pFrame == nullptr) {
        WTKBeep(MB_ICONASTERISK);
        return;
    }
    if (pFrame->SendMessage(WTK_TOOLBAR_DELETE, 0, reinterpret_cast<LPARAM>(static_cast<CWnd*>(pBar))) == 0) {
        WTKBeep(MB_OK);
        return;
    }
    m_wndToolbarList.DeleteString(static_cast<UINT>(nIndex));
    if (m_wndToolbarList.GetCount() > 0)
        m_wndToolbarList.SetCurSel(0);
    UpdateButtons();
}

void CWTKToolbarsPage::OnTextLabels()
{
    CWTKToolBar* pBar = GetSelectedToolBar();
    if (pBar == nullptr)
        return;
    pBar->EnableTextLabels(m_wndTextLabels.GetCheck() == BST_CHECKED);
    if (CFrameWnd* pFrame = pBar->GetParentFrame())
        pFrame->RecalcLayout();
}
