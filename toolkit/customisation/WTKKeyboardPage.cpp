#include "customisation/WTKKeyboardPage.h"

#include "customisation/WTKCustomizePage.h"
#include "customisation/WTKToolbarCustomize.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "command_bars/WTKToolbarButton.h"
#include "command_bars/WTKToolbarMessages.h"

#include "foundation/WTKAcceleratorText.h"
#include "foundation/WTKKeyboardManager.h"
#include "foundation/WTKUserSignals.h"

#include "docview/FrameWnd.h"
#include "docview/MultiDocTemplate.h"
#include "win/DataExchange.h"
#include "win/WinApp.h"

IMPLEMENT_DYNCREATE(CWTKKeyboardPage, CPropertyPage)

namespace {
// The bits that make two entries the same key: Shift, Ctrl, Alt and the virtual-key flag.
constexpr BYTE kKeyMatchMask = 0x1D;
constexpr char kUnknownCommand[] = "????";
}  // namespace

BEGIN_MESSAGE_MAP(CWTKKeyboardPage, CPropertyPage)
    ON_CBN_SELCHANGE(IDC_WTK_CATEGORY, OnSelchangeCategory)
    ON_LBN_SELCHANGE(IDC_WTK_KEY_COMMANDS, OnSelchangeCommandsList)
    ON_CBN_SELCHANGE(IDC_WTK_ACCEL_TABLE, OnSelchangeTable)
    ON_LBN_SELCHANGE(IDC_WTK_CURRENT_KEYS, OnSelchangeCurrentKeys)
    ON_EN_UPDATE(IDC_WTK_NEW_KEY, OnUpdateNewKey)
    ON_BN_CLICKED(IDC_WTK_ASSIGN_KEY, OnAssign)
    ON_BN_CLICKED(IDC_WTK_REMOVE_KEY, OnRemove)
    ON_BN_CLICKED(IDC_WTK_RESET_KEYS, OnResetAll)
END_MESSAGE_MAP()

CWTKKeyboardPage::CWTKKeyboardPage() : CPropertyPage(IDD_WTK_CUSTOMIZE_KEYBOARD) {}

CWTKKeyboardPage::~CWTKKeyboardPage() = default;

void CWTKKeyboardPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WTK_CATEGORY, m_wndCategory);
    DDX_Control(pDX, IDC_WTK_KEY_COMMANDS, m_wndCommandsList);
    DDX_Control(pDX, IDC_WTK_KEYBOARD_DESCRIPTION, m_wndDescription);
    DDX_Control(pDX, IDC_WTK_ACCEL_TABLE, m_wndTableList);
    DDX_Control(pDX, IDC_WTK_TABLE_ICON, m_wndTableIcon);
    DDX_Control(pDX, IDC_WTK_CURRENT_KEYS, m_wndCurrentKeys);
    DDX_Control(pDX, IDC_WTK_NEW_KEY, m_wndNewKey);
    DDX_Control(pDX, IDC_WTK_ASSIGN_KEY, m_wndAssignButton);
    DDX_Control(pDX, IDC_WTK_REMOVE_KEY, m_wndRemoveButton);
    DDX_Control(pDX, IDC_WTK_ASSIGNED_TO_LABEL, m_wndAssignedToLabel);
    DDX_Control(pDX, IDC_WTK_ASSIGNED_TO, m_wndAssignedTo);
}

BOOL CWTKKeyboardPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (CWTKToolbarCustomize* pSheet = CWTKToolbarCustomize::FromPage(this))
        pSheet->FillCategoriesComboBox(m_wndCategory, FALSE);
    m_wndCategory.SetCurSel(0);
    FillTables();
    OnSelchangeCategory();
    ShowAssignedTo(nullptr);
    return TRUE;
}

void CWTKKeyboardPage::FillTables()
{
    m_wndTableList.ResetContent();
    if (CWinApp* pApp = FwGetApp()) {
        for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != nullptr;) {
            auto* pTemplate = dynamic_cast<CMultiDocTemplate*>(pApp->GetNextDocTemplate(pos));
            if (pTemplate == nullptr || pTemplate->m_hAccelTable == nullptr)
                continue;
            CString strName;
            pTemplate->GetDocString(strName, CDocTemplate::docName);
            const int nIndex = m_wndTableList.AddString(strName);
            if (nIndex >= 0)
                m_wndTableList.SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pTemplate));
        }
    }
    int nSelect = 0;
    CFrameWnd* pFrame = CWTKToolbarCustomize::GetLiveFrame(this);
    if (pFrame != nullptr && pFrame->m_hAccelTable != nullptr) {
        CString strDefault;
        strDefault.LoadString(IDS_WTK_DEFAULT_ACCELERATORS);
        nSelect = m_wndTableList.AddString(strDefault);
        if (nSelect >= 0)
            m_wndTableList.SetItemData(nSelect, 0);
    }
    m_wndTableList.SetCurSel(nSelect);
    OnSelchangeTable();
}

CMultiDocTemplate* CWTKKeyboardPage::GetSelectedTemplate() const
{
    const int nIndex = m_wndTableList.GetCurSel();
    if (nIndex < 0)
        return nullptr;
    const DWORD_PTR dwData = m_wndTableList.GetItemData(nIndex);
    return dwData == static_cast<DWORD_PTR>(CB_ERR) ? nullptr : reinterpret_cast<CMultiDocTemplate*>(dwData);
}

CWTKToolbarButton* CWTKKeyboardPage::GetSelectedCommand() const
{
    const int nIndex = m_wndCommandsList.GetCurSel();
    if (nIndex < 0)
        return nullptr;
    const DWORD_PTR dwData = m_wndCommandsList.GetItemData(nIndex);
    return dwData == static_cast<DWORD_PTR>(LB_ERR) ? nullptr : reinterpret_cast<CWTKToolbarButton*>(dwData);
}

void CWTKKeyboardPage::OnSelchangeTable()
{
    m_accelerators.clear();
    if (m_wndTableList.GetCurSel() >= 0) {
        CMultiDocTemplate* pTemplate = GetSelectedTemplate();
        CFrameWnd* pFrame = CWTKToolbarCustomize::GetLiveFrame(this);
        HICON hIcon = nullptr;
        if (pTemplate != nullptr) {
            m_accelerators = CWTKKeyboardManager::CopyTable(pTemplate->m_hAccelTable);
            if (CWinApp* pApp = FwGetApp())
                hIcon = pApp->LoadIcon(pTemplate->m_nIDResource);
            if (hIcon == nullptr)
                hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
        } else if (pFrame != nullptr) {
            m_accelerators = CWTKKeyboardManager::CopyTable(pFrame->m_hAccelTable);
            hIcon = reinterpret_cast<HICON>(::GetClassLongPtrA(pFrame->GetSafeHwnd(), GCLP_HICON));
        }
        m_wndTableIcon.SetIcon(hIcon);
    }
    ShowCurrentKeys();
}

void CWTKKeyboardPage::OnSelchangeCategory()
{
    m_wndCommandsList.ResetContent();
    const int nCategory = m_wndCategory.GetCurSel();
    const DWORD_PTR dwData = nCategory >= 0 ? m_wndCategory.GetItemData(nCategory) : 0;
    if (dwData != 0 && dwData != static_cast<DWORD_PTR>(CB_ERR)) {
        const auto& lstCommands = *reinterpret_cast<const CWTKToolbarButtonList*>(dwData);
        const BOOL bAllCommands = CWTKToolbarCustomize::IsAllCommands(this, &lstCommands);
        for (CWTKToolbarButton* pButton : lstCommands) {
            if (!CWTKToolbarCustomize::IsRealCommand(pButton->m_nID))
                continue;
            CWTKCustomizePage::AddCommandItem(m_wndCommandsList,
                                              CWTKCustomizePage::GetDisplayText(*pButton, lstCommands, bAllCommands),
                                              pButton, bAllCommands);
        }
    }
    m_wndAssignButton.EnableWindow(FALSE);
    m_wndCommandsList.SetCurSel(0);
    OnSelchangeCommandsList();
}

void CWTKKeyboardPage::OnSelchangeCommandsList()
{
    CString strDescription;
    CWTKToolbarButton* pButton = GetSelectedCommand();
    if (pButton != nullptr) {
        if (CFrameWnd* pFrame = CWTKToolbarCustomize::GetLiveFrame(this))
            pFrame->GetMessageString(pButton->m_nID, strDescription);
    }
    m_wndDescription.SetWindowText(strDescription);
    ShowCurrentKeys();
    OnUpdateNewKey();
}

void CWTKKeyboardPage::ShowCurrentKeys()
{
    m_wndCurrentKeys.ResetContent();
    CWTKToolbarButton* pButton = GetSelectedCommand();
    if (pButton != nullptr) {
        for (size_t i = 0; i < m_accelerators.size(); ++i) {
            if (m_accelerators[i].cmd != pButton->m_nID)
                continue;
            CString strKey;
            CWTKAcceleratorText(&m_accelerators[i]).Format(strKey);
            const int nIndex = m_wndCurrentKeys.AddString(strKey);
            if (nIndex >= 0)
                m_wndCurrentKeys.SetItemData(nIndex, static_cast<DWORD_PTR>(i));
        }
    }
    m_wndRemoveButton.EnableWindow(FALSE);
}

void CWTKKeyboardPage::OnSelchangeCurrentKeys()
{
    m_wndRemoveButton.EnableWindow(m_wndCurrentKeys.GetCurSel() >= 0);
}

void CWTKKeyboardPage::ShowAssignedTo(LPCSTR lpszText)
{
    const int nShow = lpszText != nullptr ? SW_SHOW : SW_HIDE;
    m_wndAssignedTo.SetWindowText(lpszText != nullptr ? lpszText : "");
    m_wndAssignedTo.ShowWindow(nShow);
    m_wndAssignedToLabel.ShowWindow(nShow);
}

void CWTKKeyboardPage::OnUpdateNewKey()
{
    ShowAssignedTo(nullptr);
    m_wndAssignButton.EnableWindow(FALSE);
    if (m_wndNewKey.GetSafeHwnd() == nullptr || !m_wndNewKey.IsKeyDefined())
        return;
    const ACCEL& typed = m_wndNewKey.GetAccel();
    for (const ACCEL& entry : m_accelerators) {
        if (entry.key != typed.key || (entry.fVirt & kKeyMatchMask) != (typed.fVirt & kKeyMatchMask))
            continue;
        CString strCommand;
        CWTKToolbarCustomize* pSheet = CWTKToolbarCustomize::FromPage(this);
        if (pSheet == nullptr || !pSheet->GetCommandName(entry.cmd, strCommand))
            strCommand = kUnknownCommand;
        ShowAssignedTo(strCommand);
        return;
    }
    CString strUnassigned;
    strUnassigned.LoadString(IDS_WTK_UNASSIGNED_KEY);
    ShowAssignedTo(strUnassigned);
    m_wndAssignButton.EnableWindow(GetSelectedCommand() != nullptr);
}

BOOL CWTKKeyboardPage::InstallTable()
{
    auto* pManager = dynamic_cast<CWTKKeyboardManager*>(WTKGetKeyboardManager());
    if (pManager == nullptr || m_accelerators.empty())
        return FALSE;
    return pManager->UpdateAcceleratorTable(GetSelectedTemplate(), m_accelerators.data(),
                                            static_cast<int>(m_accelerators.size()),
                                            CWTKToolbarCustomize::GetLiveFrame(this));
}

void CWTKKeyboardPage::OnAssign()
{
    CWTKToolbarButton* pButton = GetSelectedCommand();
    if (pButton == nullptr || !m_wndNewKey.IsKeyDefined() || m_wndTableList.GetCurSel() < 0) {
        WTKBeep(MB_OK);
        return;
    }
    ACCEL accel = m_wndNewKey.GetAccel();
    accel.fVirt |= FVIRTKEY;
    accel.cmd = static_cast<WORD>(pButton->m_nID);
    m_accelerators.push_back(accel);
    if (!InstallTable()) {
        m_accelerators.pop_back();
        WTKBeep(MB_OK);
        return;
    }
    ShowCurrentKeys();
    m_wndNewKey.ResetKey();
    m_wndCommandsList.SetFocus();
}

void CWTKKeyboardPage::OnRemove()
{
    const int nIndex = m_wndCurrentKeys.GetCurSel();
    if (nIndex < 0)
        return;
    const size_t nEntry = static_cast<size_t>(m_wndCurrentKeys.GetItemData(nIndex));
    if (nEntry >= m_accelerators.size())
        return;
    const std::vector<ACCEL> previous = m_accelerators;
    m_accelerators.erase(m_accelerators.begin() + static_cast<ptrdiff_t>(nEntry));
    if (!InstallTable()) {
        m_accelerators = previous;
        WTKBeep(MB_OK);
        return;
    }
    ShowCurrentKeys();
}

void CWTKKeyboardPage::OnResetAll()
{
    CString strPrompt;
    strPrompt.LoadString(IDS_WTK_RESET_KEYBOARD);
    if (FwMessageBox(strPrompt, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (auto* pManager = dynamic_cast<CWTKKeyboardManager*>(WTKGetKeyboardManager()))
        pManager->ResetAll();
    if (CFrameWnd* pFrame = CWTKToolbarCustomize::GetLiveFrame(this))
        pFrame->SendMessage(WTK_TOOLBAR_RESETKEYBOARD);
    const int nTable = m_wndTableList.GetCurSel();
    FillTables();
    if (nTable >= 0 && nTable < m_wndTableList.GetCount()) {
        m_wndTableList.SetCurSel(nTable);
        OnSelchangeTable();
    }
    OnSelchangeCommandsList();
}
