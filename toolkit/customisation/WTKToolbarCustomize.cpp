#include "customisation/WTKToolbarCustomize.h"

#include "customisation/WTKButtonAppearanceDialog.h"
#include "customisation/WTKCustomizePage.h"
#include "customisation/WTKKeyboardPage.h"
#include "customisation/WTKMenuPage.h"
#include "customisation/WTKMousePage.h"
#include "customisation/WTKOptionsPage.h"
#include "customisation/WTKToolbarsPage.h"
#include "customisation/WTKToolsPage.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarButton.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "command_bars/WTKToolbarMessages.h"

#include "foundation/WTKProcessPointer.h"
#include "foundation/WTKUserToolsManagerBase.h"
#include "foundation/WTKWorkspace.h"

#include "core/ResourceHandle.h"
#include "docview/FrameWnd.h"
#include "win/ComboBox.h"
#include "win/ListBox.h"
#include "win/Menu.h"
#include "win/WinApp.h"

IMPLEMENT_DYNAMIC(CWTKToolbarCustomize, CPropertySheet)

namespace {
constexpr char kSheetCaption[] = "Customize";
constexpr char kCloseText[] = "Close";
constexpr UINT kApplyButtonId = 0x3021;
// Posted after OK or Cancel: a modeless sheet goes once the system sheet has closed.
constexpr UINT WM_WTK_CLOSE_IF_DONE = WM_APP + 0x0103;
// Posted at creation: the system sheet makes its buttons after the window's creation message.
constexpr UINT WM_WTK_SET_UP_BUTTONS = WM_APP + 0x0104;

// The controls of the sheet's pages that have context help.
const DWORD kHelpControls[] = {
    IDC_WTK_CATEGORY,       IDC_WTK_COMMANDS_LIST,      IDC_WTK_TOOLBARS_LIST, IDC_WTK_TEXT_LABELS,
    IDC_WTK_RESET_TOOLBAR,  IDC_WTK_RESET_ALL_TOOLBARS, IDC_WTK_NEW_TOOLBAR,   IDC_WTK_RENAME_TOOLBAR,
    IDC_WTK_DELETE_TOOLBAR, IDC_WTK_KEY_COMMANDS,       IDC_WTK_ACCEL_TABLE,   IDC_WTK_CURRENT_KEYS,
    IDC_WTK_NEW_KEY,        IDC_WTK_ASSIGN_KEY,         IDC_WTK_REMOVE_KEY,    IDC_WTK_RESET_KEYS,
};

// Pairs of control id and help id, ended by 0, as the workspace's context help reads them.
std::vector<DWORD> HelpIdTable()
{
    std::vector<DWORD> table;
    for (DWORD dwControl : kHelpControls) {
        table.push_back(dwControl);
        table.push_back(CWTKToolbarCustomize::kControlHelpIdBase + dwControl);
    }
    table.push_back(0);
    table.push_back(0);
    return table;
}

// The text a command shows in lists: the part of its string after "\n", else the whole string.
CString CommandText(UINT uiCmd)
{
    CString str;
    if (!str.LoadString(uiCmd))
        return str;
    int iNewLine = str.Find('\n');
    return iNewLine < 0 ? str : str.Mid(iNewLine + 1);
}

// A menu item's text without its "&" marks and its key text after a tab.
CString MenuItemText(HMENU hMenu, UINT uiItem)
{
    char szText[256] = {};
    ::GetMenuStringA(hMenu, uiItem, szText, sizeof(szText) - 1, MF_BYPOSITION);
    CString str = CWTKToolbarButton::RemoveMnemonicMarks(szText);
    int iTab = str.Find('\t');
    return iTab < 0 ? str : str.Left(iTab);
}

// Menus nest only so deep: a damaged resource cannot recurse without end.
constexpr int kMaxMenuDepth = 8;
}  // namespace

BEGIN_MESSAGE_MAP(CWTKToolbarCustomize, CPropertySheet)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_HELP, OnHelp)
    ON_WM_CONTEXTMENU()
    ON_WM_SYSCOMMAND()
    ON_MESSAGE(WM_WTK_CLOSE_IF_DONE, OnCloseIfDone)
    ON_MESSAGE(WM_WTK_SET_UP_BUTTONS, OnSetUpButtons)
END_MESSAGE_MAP()

CWTKToolbarCustomize::Category::~Category() = default;

CWTKToolbarCustomize::CWTKToolbarCustomize(CFrameWnd* pFrame, UINT uiFlags)
    : CPropertySheet(kSheetCaption, pFrame), m_pFrame(pFrame), m_uiFlags(uiFlags)
{
    m_strAllCommands.LoadString(IDS_WTK_ALL_COMMANDS);
    // The standard pages in their tab order.
    AddCustomPage(new CWTKCustomizePage);
    m_pToolbarsPage = new CWTKToolbarsPage;
    AddCustomPage(m_pToolbarsPage);
    AddCustomPage(new CWTKKeyboardPage);
    AddCustomPage(new CWTKMenuPage);
    AddCustomPage(new CWTKMousePage);
    AddCustomPage(new CWTKOptionsPage);
    // The Tools page only where the application keeps user tools.
    if (WTKGetUserToolsManager() != nullptr)
        AddCustomPage(new CWTKToolsPage);
}

CWTKToolbarCustomize::~CWTKToolbarCustomize()
{
    // The window goes while the pages still exist.
    if (m_hWnd)
        DestroyWindow();
}

CWTKToolbarCustomize* CWTKToolbarCustomize::GetCustomizeSheet()
{
    return WTKProcessPointer<CWTKToolbarCustomize>();
}

CWTKToolbarCustomize* CWTKToolbarCustomize::FromPage(const CWnd* pPage)
{
    HWND hWndPage = pPage != nullptr ? pPage->GetSafeHwnd() : nullptr;
    if (hWndPage == nullptr)
        return nullptr;
    return dynamic_cast<CWTKToolbarCustomize*>(CWnd::FromHandlePermanent(::GetParent(hWndPage)));
}

CFrameWnd* CWTKToolbarCustomize::GetLiveFrame(const CWnd* pPage)
{
    CWTKToolbarCustomize* pSheet = FromPage(pPage);
    CFrameWnd* pFrame = pSheet != nullptr ? pSheet->GetFrame() : nullptr;
    return pFrame != nullptr && ::IsWindow(pFrame->GetSafeHwnd()) ? pFrame : nullptr;
}

UINT CWTKToolbarCustomize::GetFlagsOf(const CWnd* pPage)
{
    CWTKToolbarCustomize* pSheet = FromPage(pPage);
    return pSheet != nullptr ? pSheet->GetFlags() : 0;
}

BOOL CWTKToolbarCustomize::IsAllCommands(const CWnd* pPage, const CWTKToolbarButtonList* pCommands)
{
    CWTKToolbarCustomize* pSheet = FromPage(pPage);
    return pSheet != nullptr && pCommands == &pSheet->m_allCommands;
}

void CWTKToolbarCustomize::AddCustomPage(CPropertyPage* pPage)
{
    if (pPage == nullptr)
        return;
    m_ownedPages.emplace_back(pPage);
    AddPage(pPage);
}

BOOL CWTKToolbarCustomize::AddCustomPage(CRuntimeClass* pPageClass)
{
    if (pPageClass == nullptr || !pPageClass->IsDerivedFrom(RUNTIME_CLASS(CPropertyPage)))
        return FALSE;
    CObject* pObject = pPageClass->CreateObject();
    if (pObject == nullptr)
        return FALSE;
    AddCustomPage(static_cast<CPropertyPage*>(pObject));
    return TRUE;
}

// ---- Commands ----

CWTKToolbarCustomize::Category& CWTKToolbarCustomize::FindOrAddCategory(LPCSTR lpszCategory)
{
    for (auto& pCategory : m_categories) {
        if (pCategory->strName == lpszCategory)
            return *pCategory;
    }
    m_categories.push_back(std::make_unique<Category>());
    m_categories.back()->strName = lpszCategory;
    return *m_categories.back();
}

const CWTKToolbarCustomize::Category* CWTKToolbarCustomize::FindCategory(LPCSTR lpszCategory) const
{
    for (const auto& pCategory : m_categories) {
        if (pCategory->strName == lpszCategory)
            return pCategory.get();
    }
    return nullptr;
}

const CWTKToolbarButton* CWTKToolbarCustomize::FindInAllCommands(UINT uiCmd) const
{
    for (const CWTKToolbarButton* pButton : m_allCommands) {
        if (pButton->m_nID == uiCmd)
            return pButton;
    }
    return nullptr;
}

static std::unique_ptr<CWTKToolbarButton> CopyButton(const CWTKToolbarButton& button)
{
    std::unique_ptr<CWTKToolbarButton> pCopy(static_cast<CWTKToolbarButton*>(button.GetRuntimeClass()->CreateObject()));
    if (pCopy == nullptr)
        pCopy = std::make_unique<CWTKToolbarButton>();
    pCopy->CopyFrom(button);
    return pCopy;
}

void CWTKToolbarCustomize::AddButton(LPCSTR lpszCategory, const CWTKToolbarButton& button, int iInsertAt)
{
    if (lpszCategory == nullptr || *lpszCategory == '\0' || m_strAllCommands == lpszCategory)
        return;
    Category& category = FindOrAddCategory(lpszCategory);
    const BOOL bCommand = IsRealCommand(button.m_nID);
    if (bCommand) {
        // A command stands once in a category (menus of several templates share commands).
        for (const CWTKToolbarButton* pButton : category.buttons) {
            if (pButton->m_nID == button.m_nID)
                return;
        }
    }
    if (iInsertAt < 0 || iInsertAt >= category.buttons.GetCount())
        category.buttons.AddTail(CopyButton(button));
    else
        category.buttons.InsertAt(iInsertAt, CopyButton(button));

    if (bCommand && FindInAllCommands(button.m_nID) == nullptr)
        m_allCommands.AddTail(CopyButton(button));
}

BOOL CWTKToolbarCustomize::AddToolBar(LPCSTR lpszCategory, UINT uiToolbarResId)
{
    LPCSTR lpszName = MAKEINTRESOURCEA(uiToolbarResId);
    LPCSTR lpszType = MAKEINTRESOURCEA(CWTKToolBar::kToolBarResType);
    HINSTANCE hInst = FwFindResourceHandle(lpszName, lpszType);
    HRSRC hRsrc = hInst ? ::FindResourceA(hInst, lpszName, lpszType) : nullptr;
    HGLOBAL hGlobal = hRsrc ? ::LoadResource(hInst, hRsrc) : nullptr;
    const auto* pData = hGlobal ? static_cast<const WORD*>(::LockResource(hGlobal)) : nullptr;
    constexpr DWORD kHeaderWords = 4;
    const DWORD cbSize = hRsrc ? ::SizeofResource(hInst, hRsrc) : 0;
    if (pData == nullptr || cbSize < kHeaderWords * sizeof(WORD))
        return FALSE;
    const WORD wCount = pData[3];
    if ((kHeaderWords + wCount) * sizeof(WORD) > cbSize)
        return FALSE;
    for (WORD i = 0; i < wCount; ++i) {
        const UINT uiCmd = pData[kHeaderWords + i];
        if (uiCmd == 0) {
            CWTKToolbarButton separator;
            separator.m_nStyle = TBBS_SEPARATOR;
            AddButton(lpszCategory, separator);
            continue;
        }
        CWTKToolbarButton button(uiCmd, CWTKToolBar::GetDefaultImage(uiCmd), CommandText(uiCmd));
        AddButton(lpszCategory, button);
    }
    return TRUE;
}

BOOL CWTKToolbarCustomize::AddMenuCommands(UINT uiMenuResId)
{
    HMENU hMenu =
        ::LoadMenuA(FwFindResourceHandle(MAKEINTRESOURCEA(uiMenuResId), RT_MENU), MAKEINTRESOURCEA(uiMenuResId));
    if (hMenu == nullptr)
        return FALSE;

    struct Walker {
        CWTKToolbarCustomize* pSheet;
        CString strCategory;
        void Walk(HMENU hPopup, int nDepth)
        {
            const int nCount = ::GetMenuItemCount(hPopup);
            for (int i = 0; i < nCount; ++i) {
                if (HMENU hSub = ::GetSubMenu(hPopup, i)) {
                    if (nDepth < kMaxMenuDepth)
                        Walk(hSub, nDepth + 1);
                    continue;
                }
                const UINT uiCmd = ::GetMenuItemID(hPopup, i);
                if (!IsRealCommand(uiCmd))
                    continue;  // separators
                CWTKToolbarButton button(uiCmd, CWTKToolBar::GetDefaultImage(uiCmd),
                                         MenuItemText(hPopup, static_cast<UINT>(i)));
                pSheet->AddButton(strCategory, button);
            }
        }
    };

    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        HMENU hPopup = ::GetSubMenu(hMenu, i);
        if (hPopup == nullptr)
            continue;
        Walker walker {this, MenuItemText(hMenu, static_cast<UINT>(i))};
        if (!walker.strCategory.IsEmpty())
            walker.Walk(hPopup, 1);
    }
    ::DestroyMenu(hMenu);
    return TRUE;
}

void CWTKToolbarCustomize::RemoveButton(LPCSTR lpszCategory, UINT uiCmd)
{
    auto removeFrom = [uiCmd](CWTKToolbarButtonList& list) {
        for (int i = 0; i < list.GetCount();) {
            if (list.GetAt(i)->m_nID == uiCmd)
                list.RemoveAt(i);
            else
                i++;
        }
    };
    for (auto& pCategory : m_categories) {
        if (lpszCategory == nullptr || pCategory->strName == lpszCategory)
            removeFrom(pCategory->buttons);
    }
    if (lpszCategory == nullptr || m_strAllCommands == lpszCategory)
        removeFrom(m_allCommands);
}

const CWTKToolbarButtonList* CWTKToolbarCustomize::GetCommandsByCategory(LPCSTR lpszCategory) const
{
    if (lpszCategory == nullptr)
        return nullptr;
    if (m_strAllCommands == lpszCategory)
        return &m_allCommands;
    const Category* pCategory = FindCategory(lpszCategory);
    return pCategory ? &pCategory->buttons : nullptr;
}

BOOL CWTKToolbarCustomize::HasRealCommand(const CWTKToolbarButtonList& buttons)
{
    for (const CWTKToolbarButton* pButton : buttons) {
        if (IsRealCommand(pButton->m_nID))
            return TRUE;
    }
    return FALSE;
}

// Adds every category (only those with a real command unless all are asked for) and "All
// Commands" last, each with its command list as item data, through the list's own calls.
template <class TList>
void CWTKToolbarCustomize::FillCategories(TList& wndCategory, BOOL bAllCategories) const
{
    for (const auto& pCategory : m_categories) {
        if (!bAllCategories && !HasRealCommand(pCategory->buttons))
            continue;
        int nIndex = wndCategory.AddString(pCategory->strName);
        if (nIndex >= 0)
            wndCategory.SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(&pCategory->buttons));
    }
    int nIndex = wndCategory.AddString(m_strAllCommands);
    if (nIndex >= 0)
        wndCategory.SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(&m_allCommands));
}

void CWTKToolbarCustomize::FillCategoriesComboBox(CComboBox& wndCategory, BOOL bAllCategories) const
{
    FillCategories(wndCategory, bAllCategories);
}

void CWTKToolbarCustomize::FillCategoriesListBox(CListBox& wndCategory, BOOL bAllCategories) const
{
    FillCategories(wndCategory, bAllCategories);
}

BOOL CWTKToolbarCustomize::GetCommandName(UINT uiCmd, CString& strText) const
{
    const CWTKToolbarButton* pButton = FindInAllCommands(uiCmd);
    if (pButton == nullptr) {
        strText.Empty();
        return FALSE;
    }
    strText = pButton->m_strText;
    return TRUE;
}

int CWTKToolbarCustomize::GetCountInCategory(LPCSTR lpszItemName, const CWTKToolbarButtonList& lstCommands)
{
    int nCount = 0;
    for (const CWTKToolbarButton* pButton : lstCommands) {
        if (pButton->m_strText == lpszItemName)
            ++nCount;
    }
    return nCount;
}

BOOL CWTKToolbarCustomize::IsRealCommand(UINT uiCmd)
{
    return uiCmd != 0 && uiCmd != CWTKToolbarMenuButton::kSubMenuId;
}

// ---- Link with the command bars ----

void CWTKToolbarCustomize::ShowToolBar(CWTKToolBar* pBar, BOOL bShow)
{
    if (m_pToolbarsPage != nullptr && m_pToolbarsPage->GetSafeHwnd() != nullptr)
        m_pToolbarsPage->ShowToolBar(pBar, bShow);
}

BOOL CWTKToolbarCustomize::EditButtonAppearance(CWTKToolbarButton* pButton, CWTKImageStrip* pUserImages, CWnd* pParent,
                                                int iFirstUserImage, BOOL bMenuItem)
{
    return WTKEditButtonAppearance(pButton, pUserImages, pParent, iFirstUserImage, bMenuItem);
}

BOOL CWTKToolbarCustomize::OnEditToolbarMenuImage(CWnd* /*pWndParent*/, CBitmap& /*bitmap*/, int /*nBitsPerPixel*/)
{
    return FALSE;
}

// ---- Window ----

BOOL CWTKToolbarCustomize::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    if (m_uiFlags & kContextHelp)
        dwExStyle |= WS_EX_CONTEXTHELP;
    if (!CPropertySheet::Create(pParentWnd != nullptr ? pParentWnd : m_pFrame, dwStyle, dwExStyle))
        return FALSE;
    m_bAutoDelete = TRUE;
    SetUpButtons();
    return TRUE;
}

int CWTKToolbarCustomize::OnCreate(LPCREATESTRUCTA /*lpcs*/)
{
    if (Default() == -1)
        return -1;
    if (m_uiFlags & kContextHelp)
        ModifyStyleEx(0, WS_EX_CONTEXTHELP);
    WTKProcessPointer<CWTKToolbarCustomize>() = this;
    WTKSetCustomizeLink(this);
    CWTKToolBar::SetCustomizeMode(TRUE);
    PostMessage(WM_WTK_SET_UP_BUTTONS);
    return 0;
}

LRESULT CWTKToolbarCustomize::OnSetUpButtons(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    SetUpButtons();
    return 0;
}

void CWTKToolbarCustomize::SetUpButtons()
{
    for (UINT nID : {static_cast<UINT>(IDOK), kApplyButtonId, static_cast<UINT>(IDHELP)}) {
        if (HWND hWndButton = ::GetDlgItem(m_hWnd, static_cast<int>(nID)))
            ::ShowWindow(hWndButton, SW_HIDE);
    }
    if (HWND hWndClose = ::GetDlgItem(m_hWnd, IDCANCEL))
        ::SetWindowTextA(hWndClose, kCloseText);
}

void CWTKToolbarCustomize::OnDestroy()
{
    CWTKToolBar::SetCustomizeMode(FALSE);
    if (WTKProcessPointer<CWTKToolbarCustomize>() == this)
        WTKProcessPointer<CWTKToolbarCustomize>() = nullptr;
    if (WTKGetCustomizeLink() == this)
        WTKSetCustomizeLink(nullptr);
    CPropertySheet::OnDestroy();
}

void CWTKToolbarCustomize::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CWTKToolbarCustomize::OnCommand(WPARAM wParam, LPARAM lParam)
{
    BOOL bResult = CPropertySheet::OnCommand(wParam, lParam);
    const UINT nID = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && (nID == IDOK || nID == IDCANCEL))
        PostMessage(WM_WTK_CLOSE_IF_DONE);
    return bResult;
}

void CWTKToolbarCustomize::OnSysCommand(UINT nID, LPARAM lParam)
{
    CPropertySheet::OnSysCommand(nID, lParam);
    // The caption's close button closes the system sheet without a command.
    if ((nID & 0xFFF0) == SC_CLOSE && m_hWnd != nullptr)
        PostMessage(WM_WTK_CLOSE_IF_DONE);
}

LRESULT CWTKToolbarCustomize::OnCloseIfDone(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    // A modal sheet's loop sees the same and ends itself.
    if (m_bAutoDelete && SendMessage(PSM_GETCURRENTPAGEHWND) == 0)
        DestroyWindow();
    return 0;
}

LRESULT CWTKToolbarCustomize::OnHelp(WPARAM /*wParam*/, LPARAM lParam)
{
    const auto* pHelpInfo = reinterpret_cast<const HELPINFO*>(lParam);
    if (pHelpInfo == nullptr)
        return FALSE;
    if ((m_uiFlags & kContextHelp) && pHelpInfo->iContextType == HELPINFO_WINDOW) {
        if (CWinApp* pApp = FwGetApp())
            pApp->WinHelp(kControlHelpIdBase + static_cast<DWORD>(pHelpInfo->iCtrlId), HELP_CONTEXTPOPUP);
        return TRUE;
    }
    if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != nullptr)
        m_pFrame->SendMessage(WTK_TOOLBAR_CUSTOMIZEHELP, static_cast<WPARAM>(GetActiveIndex()),
                              reinterpret_cast<LPARAM>(this));
    return TRUE;
}

void CWTKToolbarCustomize::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (!(m_uiFlags & kContextHelp)) {
        CPropertySheet::OnContextMenu(pWnd, point);
        return;
    }
    if (CWTKWorkspace* pWorkspace = WTKGetWorkspace()) {
        const std::vector<DWORD> helpIds = HelpIdTable();
        pWorkspace->OnContextHelp(pWnd, helpIds.data());
    }
}
