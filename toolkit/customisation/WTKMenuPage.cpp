#include "customisation/WTKMenuPage.h"
#include "command_bars/WTKMenuTemplates.h"

#include "customisation/MenuPagePopup.h"
#include "customisation/WTKToolbarCustomize.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "frames/WTKFrameHelper.h"

#include "command_bars/WTKContextMenuManager.h"
#include "command_bars/WTKMenuBar.h"
#include "command_bars/WTKMenuBarHost.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarMessages.h"
#include "command_bars/WTKToolbarSnapshotStore.h"

#include "foundation/WTKUserSignals.h"

#include "core/ResourceHandle.h"
#include "core/StringList.h"
#include "docview/MultiDocTemplate.h"
#include "win/WinApp.h"

IMPLEMENT_DYNCREATE(CWTKMenuPage, CWTKPropertyPage)

BEGIN_MESSAGE_MAP(CWTKMenuPage, CWTKPropertyPage)
    ON_WM_DESTROY()
    ON_CBN_SELCHANGE(IDC_WTK_MENU_FRAME_COMBO, OnSelchangeMenus)
    ON_CBN_SELCHANGE(IDC_WTK_MENU_CONTEXT_COMBO, OnSelchangeContextMenus)
    ON_BN_CLICKED(IDC_WTK_MENU_RESET_FRAME, OnResetFrameMenu)
    ON_BN_CLICKED(IDC_WTK_MENU_RESET_CONTEXT, OnResetContextMenu)
END_MESSAGE_MAP()

CPoint CWTKMenuPage::s_ptContextMenu(CWTKMenuPage::kFirstContextMenuX, CWTKMenuPage::kFirstContextMenuY);

namespace {

constexpr char kCantCreateContextMenu[] = "Can't create context menu!";
// The animation choices in the order of the toolbar's animation types.
constexpr const char* kAnimationNames[] = {"(None)", "Unfold", "Slide", "Fade"};
constexpr UINT kQuestion = MB_YESNO | MB_ICONQUESTION;

// The controls of the context menu group, hidden together without a context menu manager.
constexpr int kContextMenuControls[] = {IDC_WTK_MENU_CONTEXT_GROUP, IDC_WTK_MENU_CONTEXT_LABEL,
                                        IDC_WTK_MENU_CONTEXT_COMBO, IDC_WTK_MENU_CONTEXT_HINT,
                                        IDC_WTK_MENU_RESET_CONTEXT};

CWTKMenuBarHost* GetMenuBarHost(CWTKMenuBar* pMenuBar)
{
    CWnd* pFrame = pMenuBar != nullptr ? pMenuBar->GetMenuParentFrame() : nullptr;
    return dynamic_cast<CWTKMenuBarHost*>(pFrame);
}

CString ComboText(const CComboBox& wndCombo, int nIndex)
{
    CString strText;
    if (nIndex >= 0)
        wndCombo.GetLBText(nIndex, strText);
    return strText;
}

BOOL AskResetMenu(LPCSTR lpszMenuName)
{
    CString strPrompt;
    strPrompt.Format(IDS_WTK_RESET_MENU_QUESTION, lpszMenuName);
    return FwMessageBox(strPrompt, kQuestion) == IDYES;
}

}  // namespace

CWTKMenuPage::CWTKMenuPage(CWTKMenuBar* pMenuBar) : CWTKPropertyPage(IDD_WTK_MENU_PAGE), m_pMenuBar(pMenuBar) {}

CWTKMenuPage::~CWTKMenuPage()
{
    // A page object that goes without its window first leaves no popup calling it.
    if (m_pContextPopup != nullptr && ::IsWindow(m_pContextPopup->GetSafeHwnd()))
        m_pContextPopup->DestroyWindow();
}

// ---- Start ----

BOOL CWTKMenuPage::OnInitDialog()
{
    CWTKPropertyPage::OnInitDialog();
    m_wndMenus.SubclassDlgItem(IDC_WTK_MENU_FRAME_COMBO, this);
    m_wndContextMenus.SubclassDlgItem(IDC_WTK_MENU_CONTEXT_COMBO, this);
    m_wndAnimation.SubclassDlgItem(IDC_WTK_MENU_ANIMATION_COMBO, this);

    m_pMenuBar = FindMenuBar();
    m_hmenuOriginal = m_pMenuBar != nullptr ? m_pMenuBar->GetHMenu() : nullptr;
    FillMenus();
    FillContextMenus();
    FillAnimations();
    CheckDlgButton(IDC_WTK_MENU_SHADOWS, WTKGetCommandBarSettings().bMenuShadows ? BST_CHECKED : BST_UNCHECKED);
    ApplySheetFlags();
    return TRUE;
}

CWTKMenuBar* CWTKMenuPage::FindMenuBar() const
{
    if (m_pMenuBar != nullptr && ::IsWindow(m_pMenuBar->GetSafeHwnd()))
        return m_pMenuBar;
    for (POSITION pos = CWTKToolBar::GetAllToolbars().GetHeadPosition(); pos != nullptr;) {
        auto* pBar = dynamic_cast<CWTKMenuBar*>(CWTKToolBar::GetAllToolbars().GetNext(pos));
        if (pBar != nullptr && ::IsWindowVisible(pBar->GetSafeHwnd()))
            return pBar;
    }
    return nullptr;
}

CFrameWnd* CWTKMenuPage::GetOwnerFrame() const
{
    CWTKToolbarCustomize* pSheet = CWTKToolbarCustomize::FromPage(this);
    if (pSheet != nullptr && pSheet->GetFrame() != nullptr)
        return pSheet->GetFrame();
    return dynamic_cast<CFrameWnd*>(FwGetMainWnd());
}

void CWTKMenuPage::FillMenus()
{
    m_wndMenus.ResetContent();
    const HMENU hmenuShown = m_pMenuBar != nullptr ? m_pMenuBar->GetHMenu() : nullptr;
    int nCurrent = -1;
    WTKForEachMenuTemplate([&](CMultiDocTemplate* pTemplate) {
        CString strName;
        pTemplate->GetDocString(strName, CDocTemplate::docName);
        const int nIndex = m_wndMenus.AddString(strName);
        if (nIndex < 0)
            return;
        m_wndMenus.SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pTemplate));
        if (pTemplate->m_hMenuShared == hmenuShown)
            nCurrent = nIndex;
    });
    CString strDefault;
    strDefault.LoadString(IDS_WTK_DEFAULT_MENU);
    const int nDefault = m_wndMenus.AddString(strDefault);
    m_wndMenus.SetItemData(nDefault, 0);
    m_wndMenus.SetCurSel(nCurrent >= 0 ? nCurrent : nDefault);

    if (m_pMenuBar == nullptr) {
        m_wndMenus.EnableWindow(FALSE);
        GetDlgItem(IDC_WTK_MENU_RESET_FRAME)->EnableWindow(FALSE);
        CString strMessage;
        strMessage.LoadString(IDS_WTK_CANT_CUSTOMIZE_MENUS);
        SetDlgItemText(IDC_WTK_MENU_FRAME_DESCRIPTION, strMessage);
        return;
    }
    ShowMenuDescription(GetSelectedTemplate());
}

void CWTKMenuPage::FillContextMenus()
{
    auto* pManager = dynamic_cast<CWTKContextMenuManager*>(WTKGetContextMenuManager());
    if (pManager == nullptr) {
        for (int nID : kContextMenuControls)
            GetDlgItem(nID)->ShowWindow(SW_HIDE);
        return;
    }
    CString strNone;
    strNone.LoadString(IDS_WTK_NO_CONTEXT_MENU);
    m_wndContextMenus.AddString(strNone);
    CStringList names;
    pManager->GetMenuNames(names);
    for (POSITION pos = names.GetHeadPosition(); pos != nullptr;)
        m_wndContextMenus.AddString(names.GetNext(pos));
    m_wndContextMenus.SetCurSel(0);
    const BOOL bAnyMenu = m_wndContextMenus.GetCount() > 1;
    GetDlgItem(IDC_WTK_MENU_CONTEXT_LABEL)->EnableWindow(bAnyMenu);
    m_wndContextMenus.EnableWindow(bAnyMenu);
    EnableContextReset(FALSE);
}

void CWTKMenuPage::FillAnimations()
{
    for (const char* lpszName : kAnimationNames)
        m_wndAnimation.AddString(lpszName);
    // The list holds the animations in the order of their values.
    const int nAnimation = static_cast<int>(WTKGetCommandBarSettings().menuAnimation);
    m_wndAnimation.SetCurSel(nAnimation >= 0 && nAnimation < m_wndAnimation.GetCount() ? nAnimation : 0);
}

void CWTKMenuPage::ApplySheetFlags()
{
    const UINT uiFlags = CWTKToolbarCustomize::GetFlagsOf(this);
    if ((uiFlags & CWTKToolbarCustomize::kMenuShadows) == 0)
        GetDlgItem(IDC_WTK_MENU_SHADOWS)->ShowWindow(SW_HIDE);
    if ((uiFlags & CWTKToolbarCustomize::kMenuAnimations) == 0) {
        GetDlgItem(IDC_WTK_MENU_ANIMATION_LABEL)->ShowWindow(SW_HIDE);
        m_wndAnimation.ShowWindow(SW_HIDE);
    }
}

// ---- Application menus ----

CMultiDocTemplate* CWTKMenuPage::GetSelectedTemplate() const
{
    const int nIndex = m_wndMenus.GetCurSel();
    if (nIndex < 0)
        return nullptr;
    return reinterpret_cast<CMultiDocTemplate*>(m_wndMenus.GetItemData(nIndex));
}

void CWTKMenuPage::ShowMenuDescription(CMultiDocTemplate* pTemplate)
{
    HICON hIcon = nullptr;
    CString strDescription;
    if (pTemplate != nullptr) {
        LPCSTR lpszIcon = MAKEINTRESOURCEA(pTemplate->m_nIDResource);
        if (HINSTANCE hInst = FwFindResourceHandle(lpszIcon, RT_GROUP_ICON))
            hIcon = ::LoadIconA(hInst, lpszIcon);
        if (hIcon == nullptr)
            hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
        pTemplate->GetDocString(strDescription, CDocTemplate::regFileTypeName);
    } else {
        CWnd* pMainWnd = FwGetMainWnd();
        if (pMainWnd != nullptr && pMainWnd->GetSafeHwnd() != nullptr)
            hIcon = reinterpret_cast<HICON>(::GetClassLongPtrA(pMainWnd->GetSafeHwnd(), GCLP_HICON));
        // A window class without an icon shows the standard one in the caption: so here.
        if (hIcon == nullptr)
            hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
        strDescription.LoadString(IDS_WTK_DEFAULT_MENU_DESCRIPTION);
    }
    SendDlgItemMessage(IDC_WTK_MENU_FRAME_ICON, STM_SETICON, reinterpret_cast<WPARAM>(hIcon));
    SetDlgItemText(IDC_WTK_MENU_FRAME_DESCRIPTION, strDescription);
}

void CWTKMenuPage::OnSelchangeMenus()
{
    if (m_pMenuBar == nullptr || !::IsWindow(m_pMenuBar->GetSafeHwnd()))
        return;
    CMultiDocTemplate* pTemplate = GetSelectedTemplate();
    HMENU hMenu = pTemplate != nullptr ? pTemplate->m_hMenuShared : m_pMenuBar->GetDefaultMenu();
    if (hMenu != nullptr && hMenu != m_pMenuBar->GetHMenu())
        m_pMenuBar->CreateFromMenu(hMenu, FALSE, FALSE);
    ShowMenuDescription(pTemplate);
}

void CWTKMenuPage::SelectMenu(CDocTemplate* pMenuOwner)
{
    for (int i = 0; i < m_wndMenus.GetCount(); i++) {
        if (m_wndMenus.GetItemData(i) == reinterpret_cast<DWORD_PTR>(pMenuOwner)) {
            m_wndMenus.SetCurSel(i);
            OnSelchangeMenus();
            return;
        }
    }
}

void CWTKMenuPage::OnResetFrameMenu()
{
    if (m_pMenuBar == nullptr || !::IsWindow(m_pMenuBar->GetSafeHwnd()))
        return;
    if (!AskResetMenu(ComboText(m_wndMenus, m_wndMenus.GetCurSel())))
        return;
    if (!ReloadApplicationMenu(GetSelectedTemplate()))
        WTKBeep(MB_OK);
}

BOOL CWTKMenuPage::ReloadApplicationMenu(CMultiDocTemplate* pTemplate)
{
    const BOOL bDefault = pTemplate == nullptr;
    const UINT uiResId = bDefault ? m_pMenuBar->GetDefaultMenuResId() : pTemplate->m_nIDResource;
    const HMENU hmenuOld = bDefault ? m_pMenuBar->GetDefaultMenu() : pTemplate->m_hMenuShared;
    const HMENU hmenuNew = WTKLoadMenuResource(uiResId);
    if (hmenuNew == nullptr)
        return FALSE;

    // The bar drops its customised buttons for the old handle and builds the new menu's.
    m_pMenuBar->CreateFromMenu(hmenuNew, bDefault, TRUE);
    CWTKToolbarSnapshotStore& store = WTKGetToolbarSnapshotStore();
    store.Remove(hmenuOld);
    CFrameWnd* pFrame = GetOwnerFrame();
    if (pFrame != nullptr && pFrame->SendMessage(WTK_TOOLBAR_RESETMENU, uiResId) != 0)
        m_pMenuBar->AdjustLayout();
    store.Save(hmenuNew, m_pMenuBar);

    // Everyone who keeps the old handle takes the new one before the old one goes.
    if (m_hmenuOriginal == hmenuOld)
        m_hmenuOriginal = hmenuNew;
    if (bDefault) {
        if (CWTKMenuBarHost* pHost = GetMenuBarHost(m_pMenuBar))
            pHost->ReplaceDefaultMenu(hmenuNew);
        if (CWTKFrameHelper* pHelper = CWTKFrameHelper::FromFrame(m_pMenuBar->GetMenuParentFrame()))
            pHelper->SetMenuBar(m_pMenuBar);
    } else {
        pTemplate->m_hMenuShared = hmenuNew;
        m_pMenuBar->UpdateMDIChildrenMenus(pTemplate);
    }
    CWnd* pMenuFrame = m_pMenuBar->GetMenuParentFrame();
    if (pMenuFrame != nullptr && ::GetMenu(pMenuFrame->GetSafeHwnd()) == hmenuOld)
        ::SetMenu(pMenuFrame->GetSafeHwnd(), nullptr);
    // The frame may have destroyed it already when it took the new default menu.
    if (::IsMenu(hmenuOld))
        ::DestroyMenu(hmenuOld);
    return TRUE;
}

// ---- Context menus ----

void CWTKMenuPage::EnableContextReset(BOOL bEnable)
{
    if (CWnd* pReset = GetDlgItem(IDC_WTK_MENU_RESET_CONTEXT))
        pReset->EnableWindow(bEnable);
}

void CWTKMenuPage::OnSelchangeContextMenus()
{
    const int nIndex = m_wndContextMenus.GetCurSel();
    // Closing the open one resets the choice: the new choice is put back.
    CloseContextPopup();
    m_wndContextMenus.SetCurSel(nIndex);
    if (nIndex >= 1)
        OpenSelectedContextMenu();
}

BOOL CWTKMenuPage::OpenSelectedContextMenu()
{
    auto* pManager = dynamic_cast<CWTKContextMenuManager*>(WTKGetContextMenuManager());
    const CString strName = ComboText(m_wndContextMenus, m_wndContextMenus.GetCurSel());
    UINT uiResId = 0;
    HMENU hMenu = pManager != nullptr ? pManager->GetMenuByName(strName, &uiResId) : nullptr;
    HMENU hmenuPopup = hMenu != nullptr ? ::GetSubMenu(hMenu, 0) : nullptr;
    if (hmenuPopup == nullptr) {
        WTKBeep(MB_OK);
        return FALSE;
    }

    CFrameWnd* pFrame = GetOwnerFrame();
    CFrameWnd* pTopFrame = pFrame != nullptr ? pFrame->GetTopLevelFrame() : nullptr;
    auto pNew = std::make_unique<CMenuPagePopup>(this, strName);
    // The menu stays the context menu manager's.
    pNew->SetKeepMenu(TRUE);
    CMenuPagePopup* pPopup = CWTKPopupMenu::Open(std::move(pNew), pTopFrame != nullptr ? pTopFrame : pFrame,
                                                 s_ptContextMenu.x, s_ptContextMenu.y, hmenuPopup, FALSE, TRUE);
    if (pPopup == nullptr) {
        FwMessageBox(kCantCreateContextMenu);
        return FALSE;
    }
    m_pContextPopup = pPopup;
    m_uiContextMenuResId = uiResId;
    EnableContextReset(TRUE);
    return TRUE;
}

void CWTKMenuPage::CloseContextPopup()
{
    if (m_pContextPopup != nullptr && ::IsWindow(m_pContextPopup->GetSafeHwnd()))
        m_pContextPopup->DestroyWindow();  // calls CloseContextMenu
    m_pContextPopup = nullptr;
}

void CWTKMenuPage::CloseContextMenu(CWTKPopupMenu* pMenu)
{
    if (pMenu == nullptr || pMenu != m_pContextPopup)
        return;
    CRect rectWindow;
    pMenu->GetWindowRect(rectWindow);
    s_ptContextMenu = rectWindow.TopLeft();
    // The edited items stay with the menu: popups built for it later, and the saved state,
    // take them from here.
    if (pMenu->GetHMenu() != nullptr && pMenu->GetMenuBar() != nullptr)
        WTKGetToolbarSnapshotStore().Save(pMenu->GetHMenu(), pMenu->GetMenuBar());
    m_pContextPopup = nullptr;
    m_wndContextMenus.SetCurSel(0);
    EnableContextReset(FALSE);
}

void CWTKMenuPage::OnResetContextMenu()
{
    if (m_pContextPopup == nullptr || !::IsWindow(m_pContextPopup->GetSafeHwnd()))
        return;
    const int nIndex = m_wndContextMenus.GetCurSel();
    if (!AskResetMenu(ComboText(m_wndContextMenus, nIndex)))
        return;
    HMENU hMenu = m_pContextPopup->GetHMenu();
    WTKGetToolbarSnapshotStore().Remove(hMenu);
    m_pContextPopup->RemoveAllItems();
    m_pContextPopup->GetMenuBar()->ImportFromMenu(hMenu, TRUE);
    if (CFrameWnd* pFrame = GetOwnerFrame())
        pFrame->SendMessage(WTK_TOOLBAR_RESETCONTEXTMENU, m_uiContextMenuResId,
                            reinterpret_cast<LPARAM>(m_pContextPopup));
    // Opened again, the popup takes the size of its fresh items.
    CloseContextPopup();
    m_wndContextMenus.SetCurSel(nIndex);
    OpenSelectedContextMenu();
}

// ---- End ----

void CWTKMenuPage::OnDestroy()
{
    const int nAnimation = m_wndAnimation.GetCurSel();
    if (nAnimation >= 0 && nAnimation <= static_cast<int>(kLastMenuAnimation))
        WTKGetCommandBarSettings().menuAnimation = static_cast<WTKMenuAnimation>(nAnimation);
    WTKGetCommandBarSettings().bMenuShadows = IsDlgButtonChecked(IDC_WTK_MENU_SHADOWS) == BST_CHECKED;
    CloseContextPopup();
    // The bar shows again what it showed before the user browsed the menus here.
    if (m_pMenuBar != nullptr && ::IsWindow(m_pMenuBar->GetSafeHwnd()) && m_hmenuOriginal != nullptr &&
        ::IsMenu(m_hmenuOriginal) && m_pMenuBar->GetHMenu() != m_hmenuOriginal)
        m_pMenuBar->CreateFromMenu(m_hmenuOriginal, FALSE, FALSE);
    m_pMenuBar = nullptr;
    m_hmenuOriginal = nullptr;
    CWTKPropertyPage::OnDestroy();
}
