#include "customisation/WTKCustomizePage.h"

#include "customisation/WTKToolbarCustomize.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "command_bars/WTKCommandManager.h"
#include "command_bars/WTKToolbarMenuButton.h"

#include "core/ObList.h"
#include "docview/FrameWnd.h"
#include "win/DataExchange.h"

IMPLEMENT_DYNCREATE(CWTKCustomizePage, CPropertyPage)

BEGIN_MESSAGE_MAP(CWTKCustomizePage, CPropertyPage)
    ON_LBN_SELCHANGE(IDC_WTK_CATEGORY, OnSelchangeCategory)
    ON_LBN_SELCHANGE(IDC_WTK_COMMANDS_LIST, OnSelchangeCommands)
END_MESSAGE_MAP()

CWTKCustomizePage::CWTKCustomizePage() : CPropertyPage(IDD_WTK_CUSTOMIZE_COMMANDS) {}

void CWTKCustomizePage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WTK_CATEGORY, m_wndCategory);
    DDX_Control(pDX, IDC_WTK_COMMANDS_LIST, m_wndCommands);
}

BOOL CWTKCustomizePage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (CWTKToolbarCustomize* pSheet = CWTKToolbarCustomize::FromPage(this))
        pSheet->FillCategoriesListBox(m_wndCategory, TRUE);
    SelectCategory(0);
    return TRUE;
}

void CWTKCustomizePage::SelectCategory(int nIndex)
{
    if (m_wndCategory.GetSafeHwnd() == nullptr)
        return;
    if (nIndex >= 0 && nIndex < m_wndCategory.GetCount())
        m_wndCategory.SetCurSel(nIndex);
    OnSelchangeCategory();
}

CString CWTKCustomizePage::GetDisplayText(const CWTKToolbarButton& button, const CWTKToolbarButtonList& lstCommands,
                                          BOOL bAllCommands)
{
    if (!button.m_strTextCustom.IsEmpty() &&
        (bAllCommands || CWTKToolbarCustomize::GetCountInCategory(button.m_strText, lstCommands) > 1))
        return button.m_strTextCustom;
    return button.m_strText;
}

void CWTKCustomizePage::OnSelchangeCategory()
{
    m_wndCommands.SetRedraw(FALSE);
    m_wndCommands.ResetContent();
    const int nCategory = m_wndCategory.GetCurSel();
    const DWORD_PTR dwData = nCategory >= 0 ? m_wndCategory.GetItemData(nCategory) : 0;
    if (dwData != 0 && dwData != static_cast<DWORD_PTR>(LB_ERR)) {
        const auto* pCommands = reinterpret_cast<const CWTKToolbarButtonList*>(dwData);
        FillCommands(*pCommands, CWTKToolbarCustomize::IsAllCommands(this, pCommands));
    }
    m_wndCommands.SetRedraw(TRUE);
    m_wndCommands.Invalidate();
    ShowDescription(nullptr);
}

void CWTKCustomizePage::FillCommands(const CWTKToolbarButtonList& lstCommands, BOOL bAllCommands)
{
    for (CWTKToolbarButton* pButton : lstCommands) {
        if (pButton->IsSeparator())
            continue;
        if (pButton->m_nID != CWTKToolbarMenuButton::kSubMenuId && WTKGetCmdImage(pButton->m_nID, FALSE) < 0 &&
            WTKGetCmdImage(pButton->m_nID, TRUE) < 0)
            pButton->SetImage(-1);

        AddCommandItem(m_wndCommands, GetDisplayText(*pButton, lstCommands, bAllCommands), pButton, bAllCommands);
    }
}

int CWTKCustomizePage::AddCommandItem(CListBox& wndList, const CString& strText, CWTKToolbarButton* pButton,
                                      BOOL bSorted)
{
    int nIndex = -1;  // the end
    if (bSorted) {
        for (int i = 0; i < wndList.GetCount(); ++i) {
            CString strItem;
            wndList.GetText(i, strItem);
            if (strText.CompareNoCase(strItem) < 0) {
                nIndex = i;
                break;
            }
        }
    }
    nIndex = wndList.InsertString(nIndex, strText);
    if (nIndex >= 0)
        wndList.SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pButton));
    return nIndex;
}

void CWTKCustomizePage::OnSelchangeCommands()
{
    ShowDescription(m_wndCommands.GetButton(m_wndCommands.GetCurSel()));
}

void CWTKCustomizePage::ShowDescription(const CWTKToolbarButton* pButton)
{
    CString strDescription;
    if (pButton != nullptr) {
        CWTKToolbarCustomize* pSheet = CWTKToolbarCustomize::FromPage(this);
        if (pButton->m_nID == 0)
            strDescription = pButton->m_strText;
        else if (pSheet != nullptr && pSheet->GetFrame() != nullptr)
            pSheet->GetFrame()->GetMessageString(pButton->m_nID, strDescription);
    }
    SetDlgItemText(IDC_WTK_COMMAND_DESCRIPTION, strDescription);
}
