#include "MainFrame.h"

#include "ContentModule.h"
#include "FrameConstants.h"
#include "HelpApp.h"
#include "HelpDoc.h"
#include "HyperLinkButton.h"
#include "LoadDocDlg.h"
#include "ToolbarText.h"
#include "ViewerConstants.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolbarEditBoxButton.h"
#include "command_bars/WTKToolbarEditCtrl.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "command_bars/WTKToolbarMessages.h"
#include "html/HtmlView.h"
#include "win/CmdUI.h"
#include "win/Menu.h"
#include "win/WinApp.h"

#include <vector>

IMPLEMENT_DYNCREATE(CMainFrame, CWTKFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CWTKFrameWnd)
    ON_COMMAND(IDC_SEARCH_BOX, OnToolbarSearch)
    ON_NOTIFY(TVN_SELCHANGEDA, Lumidoc::kContentsTreeId, OnContentsSelChanged)
    ON_NOTIFY(TVN_ITEMEXPANDEDA, Lumidoc::kContentsTreeId, OnContentsItemExpanded)
    ON_WM_CREATE()
    ON_COMMAND(ID_LOAD_DOCUMENTATION, OnLoadDocumentation)
    ON_COMMAND(ID_VENDOR_WEB, OnVendorWeb)
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_POPUPMENU, OnToolbarContextMenu)
    ON_COMMAND(ID_VIEW_CONTENT_BAR, OnViewContentBar)
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_RESETTOOLBAR, OnToolbarReset)
    ON_UPDATE_COMMAND_UI(ID_VIEW_CONTENT_BAR, OnUpdateViewContentBar)
    ON_COMMAND(ID_VIEW_CAPTION_BAR, OnViewCaptionBar)
    ON_COMMAND_RANGE(ID_LOOK_2000, ID_LOOK_2003, OnAppLook)
    ON_UPDATE_COMMAND_UI_RANGE(ID_LOOK_2000, ID_LOOK_2003, OnUpdateAppLook)
    ON_UPDATE_COMMAND_UI(ID_VIEW_CAPTION_BAR, OnUpdateViewCaptionBar)
END_MESSAGE_MAP()

namespace {

BOOL RunLoadDocDialog(CWnd* pParentWnd, CString& strFileName)
{
    CLoadDocDlg dlg(pParentWnd);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    strFileName = dlg.GetFileName();
    return TRUE;
}

CMainFrame::LoadDocChooser g_pfnLoadDocChooser = &RunLoadDocDialog;

// The history pages a drop-down lists, nearest first.
std::vector<CHistoryItem*> HistoryList(const CHelpDoc& doc, BOOL bBack)
{
    return bBack ? doc.GetBackList() : doc.GetForwardList();
}

}  // namespace

CMainFrame::CMainFrame()
{
    m_Impl.SetMinTrackSize(Lumidoc::kMinFrameSize);
}

CMainFrame::~CMainFrame() = default;

CMainFrame::LoadDocChooser CMainFrame::SetLoadDocChooser(LoadDocChooser pfnChooser)
{
    LoadDocChooser pfnPrevious = g_pfnLoadDocChooser;
    g_pfnLoadDocChooser = pfnChooser ? pfnChooser : &RunLoadDocDialog;
    return pfnPrevious;
}

// ---- Creation ----

int CMainFrame::OnCreate(LPCREATESTRUCTA lpcs)
{
    using namespace Lumidoc;
    if (CWTKFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    CWTKToolbarEditBoxButton::SetFlatMode(TRUE);
    if (!CreateMenuBar() || !CreateToolBar() || !CreateStatusBar())
        return -1;
    if (!m_wndContentBar.Create(kContentBarTitle, this, CSize(kContentBarSize, kContentBarSize), TRUE, kContentBarId,
                                kContentBarStyle))
        return -1;
    CString strToolbarName;
    strToolbarName.LoadString(IDS_TOOLBAR_STANDARD);
    m_wndToolBar.SetWindowText(strToolbarName);

    m_wndMenuBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndContentBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);

    if (!CreateCaptionBar())
        return -1;
    DockControlBar(&m_wndMenuBar);
    DockControlBar(&m_wndToolBar);
    // The content bar's style names the left side.
    DockControlBar(&m_wndContentBar, FW_IDW_DOCKBAR_LEFT);
    return 0;
}

BOOL CMainFrame::CreateMenuBar()
{
    if (!m_wndMenuBar.Create(this, Lumidoc::kMenuBarStyle, Lumidoc::kMenuBarId))
        return FALSE;
    m_wndMenuBar.SetBarStyle(m_wndMenuBar.GetBarStyle() | CBRS_SIZE_DYNAMIC);
    return TRUE;
}

BOOL CMainFrame::CreateToolBar()
{
    using namespace Lumidoc;
    if (!m_wndToolBar.CreateEx(this, kToolBarControlStyle, kToolBarStyle, CRect(1, 1, 1, 1), kToolBarId) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return FALSE;
    // Copied opaque, the glyphs' background would stand out as squares on the bars of the looks
    // that paint a gradient, and a disabled glyph greys its background along with it.
    CWTKToolBar::GetImages()->SetTransparentColor(kToolBarImageTransparent);
    return TRUE;
}

BOOL CMainFrame::CreateStatusBar()
{
    using namespace Lumidoc;
    return m_wndStatusBar.Create(this, kStatusBarStyle, kStatusBarId) &&
        m_wndStatusBar.SetIndicators(kStatusPanes, static_cast<int>(sizeof kStatusPanes / sizeof kStatusPanes[0]));
}

BOOL CMainFrame::CreateCaptionBar()
{
    using namespace Lumidoc;
    if (!m_wndCaptionBar.Create(kCaptionBarStyle, this, kCaptionBarId, kCaptionAutoHeight))
        return FALSE;
    m_wndCaptionBar.m_nBorderSize = kCaptionBorderSize;
    m_wndCaptionBar.m_bFlatBorder = TRUE;
    if (m_bmpCaption.LoadBitmap(IDB_CAPTION_IMAGE))
        m_wndCaptionBar.SetBitmap(m_bmpCaption, kCaptionImageTransparent, FALSE, CWTKCaptionBar::kAlignLeft);
    UpdateCaptionText();
    return TRUE;
}

void CMainFrame::UpdateCaptionText()
{
    CString strTitle;
    if (!CContentModule::Current().GetDocName(strTitle))
        strTitle = Lumidoc::kWelcomeTitle;
    m_wndCaptionBar.SetText(strTitle, CWTKCaptionBar::kAlignLeft);
}

LRESULT CMainFrame::OnToolbarReset(WPARAM wParam, LPARAM /*lParam*/)
{
    using namespace Lumidoc;
    if (static_cast<UINT>(wParam) != IDR_MAINFRAME)
        return 0;
    m_wndToolBar.ReplaceButton(ID_SEARCH_LABEL, CToolbarText(ID_SEARCH_LABEL, kSearchLabel));
    m_wndToolBar.ReplaceButton(
        IDC_SEARCH_BOX,
        CWTKToolbarEditBoxButton(IDC_SEARCH_BOX, CWTKToolBar::GetDefaultImage(IDC_SEARCH_BOX), ES_AUTOHSCROLL));
    CMenu menuHistory;
    if (menuHistory.LoadMenu(IDR_HISTORY_MENU)) {
        m_wndToolBar.ReplaceButton(
            ID_PAGE_BACK,
            CWTKToolbarMenuButton(ID_PAGE_BACK, menuHistory, CWTKToolBar::GetDefaultImage(ID_PAGE_BACK), kBackText));
        m_wndToolBar.ReplaceButton(ID_PAGE_FORWARD,
                                   CWTKToolbarMenuButton(ID_PAGE_FORWARD, menuHistory,
                                                         CWTKToolBar::GetDefaultImage(ID_PAGE_FORWARD), kForwardText));
    }
    for (UINT nID : kLabelledButtons)
        m_wndToolBar.SetButtonDisplay(m_wndToolBar.CommandToIndex(nID), nullptr, TRUE, TRUE);
    return 0;
}

// ---- Topics ----

CMainFrame* CMainFrame::FromApplication()
{
    CWnd* pMainWnd = FwGetMainWnd();
    return pMainWnd != nullptr && pMainWnd->IsKindOf(RUNTIME_CLASS(CMainFrame)) ? static_cast<CMainFrame*>(pMainWnd)
                                                                                : nullptr;
}

void CMainFrame::ShowTopicInMainFrame(INT_PTR nTopic)
{
    CMainFrame* pFrame = FromApplication();
    // An item's data is pointer-wide; only a value that is an int can be a topic.
    if (pFrame != nullptr && nTopic >= 0 && static_cast<INT_PTR>(static_cast<int>(nTopic)) == nTopic)
        pFrame->ShowTopic(static_cast<int>(nTopic));
}

CHtmlView* CMainFrame::GetHtmlView() const
{
    CWnd* pView = GetActiveView();
    if (pView == nullptr)
        pView = CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, FW_IDW_PANE_FIRST));
    return pView != nullptr && pView->IsKindOf(RUNTIME_CLASS(CHtmlView)) ? static_cast<CHtmlView*>(pView) : nullptr;
}

CHelpDoc* CMainFrame::GetHelpDoc() const
{
    CView* pView = GetActiveView();
    CDocument* pDoc = pView != nullptr ? pView->GetDocument() : nullptr;
    return pDoc != nullptr && pDoc->IsKindOf(RUNTIME_CLASS(CHelpDoc)) ? static_cast<CHelpDoc*>(pDoc) : nullptr;
}

void CMainFrame::ShowTopic(int nTopic)
{
    CString strAddress;
    if (!CContentModule::Current().GetPageAddress(nTopic, strAddress))
        return;
    if (CHtmlView* pView = GetHtmlView())
        pView->Navigate(strAddress);
}

void CMainFrame::OnContentsSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const auto* pInfo = reinterpret_cast<const NMTREEVIEWA*>(pNMHDR);
    CTreeCtrl& tree = m_wndContentBar.GetTree();
    if (pInfo->itemNew.hItem == nullptr || tree.GetSafeHwnd() == nullptr)
        return;
    const auto nTopic = static_cast<INT_PTR>(tree.GetItemData(pInfo->itemNew.hItem));
    if (nTopic != Lumidoc::kNoTopic)
        ShowTopicInMainFrame(nTopic);
}

void CMainFrame::OnContentsItemExpanded(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const auto* pInfo = reinterpret_cast<const NMTREEVIEWA*>(pNMHDR);
    CTreeCtrl& tree = m_wndContentBar.GetTree();
    if (pInfo->itemNew.hItem == nullptr || tree.GetSafeHwnd() == nullptr)
        return;
    if (pInfo->action == TVE_COLLAPSE)
        tree.SetItemImage(pInfo->itemNew.hItem, Lumidoc::kFolderClosedImage, Lumidoc::kFolderClosedImage);
    else if (pInfo->action == TVE_EXPAND)
        tree.SetItemImage(pInfo->itemNew.hItem, Lumidoc::kFolderOpenImage, Lumidoc::kFolderOpenImage);
}

// ---- Search from the toolbar ----

void CMainFrame::OnToolbarSearch()
{
    CObList listButtons;
    CWTKToolBar::GetCommandButtons(IDC_SEARCH_BOX, listButtons);
    CWTKToolbarEditBoxButton* pSearchBox = nullptr;
    const HWND hFocus = ::GetFocus();
    for (POSITION pos = listButtons.GetHeadPosition(); pos != nullptr && pSearchBox == nullptr;) {
        auto* pButton = dynamic_cast<CWTKToolbarEditBoxButton*>(static_cast<CObject*>(listButtons.GetNext(pos)));
        if (pButton != nullptr && pButton->GetEditBox() != nullptr && pButton->GetEditBox()->GetSafeHwnd() == hFocus &&
            hFocus != nullptr)
            pSearchBox = pButton;
    }
    if (pSearchBox == nullptr || !::IsWindowVisible(pSearchBox->GetEditBox()->GetSafeHwnd())) {
        // A vertical toolbar shows the search box as a plain button: it brings the bar back on top.
        DockControlBar(&m_wndToolBar, FW_IDW_DOCKBAR_TOP);
        return;
    }
    const CString strText = pSearchBox->GetContents();
    if (strText.IsEmpty())
        return;
    m_wndContentBar.GetTabWnd().SetActiveTab(Lumidoc::kTabSearch);
    CSearchDlg& search = m_wndContentBar.GetSearchPane();
    search.GetEdit().SetWindowText(strText);
    search.DoSearch();
}

BOOL CMainFrame::IsSearchBoxEdit(HWND hWnd)
{
    if (hWnd == nullptr || ::GetDlgCtrlID(hWnd) != IDC_SEARCH_BOX)
        return FALSE;
    CWnd* pBar = CWnd::FromHandlePermanent(::GetParent(hWnd));
    return pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CWTKToolBar));
}

BOOL CMainFrame::PreTranslateMessage(MSG* pMsg)
{
    // Enter in the search box is the dialog manager's OK to its toolbar, which answers it with
    // the box's command.
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && IsSearchBoxEdit(pMsg->hwnd)) {
        ::SendMessageA(::GetParent(pMsg->hwnd), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return TRUE;
    }
    return CWTKFrameWnd::PreTranslateMessage(pMsg);
}

// ---- Popup menus ----

LRESULT CMainFrame::OnToolbarContextMenu(WPARAM /*wParam*/, LPARAM lParam)
{
    CMenu menuBars;
    if (!menuBars.LoadMenu(IDR_BAR_MENU))
        return 0;
    HMENU hPopup = ::GetSubMenu(menuBars, 0);
    // The popup owns its menu: take the sub-menu out of the loaded one first.
    if (hPopup == nullptr || !::RemoveMenu(menuBars, 0, MF_BYPOSITION))
        return 0;
    const POINT pt = WTKPointFromPopupMenuParam(lParam);
    CWTKPopupMenu::Open(std::make_unique<CWTKPopupMenu>(), this, pt.x, pt.y, hPopup, FALSE, FALSE);
    return 0;
}

BOOL CMainFrame::OnShowPopupMenu(CWTKPopupMenu* pMenuPopup)
{
    if (pMenuPopup == nullptr)
        return TRUE;
    CWTKPopupMenuBar* pItems = pMenuPopup->GetMenuBar();
    if (pItems != nullptr && pItems->CommandToIndex(ID_TOOLBARS_PLACEHOLDER) >= 0) {
        if (CWTKToolBar::IsCustomizeMode())
            return FALSE;
        pMenuPopup->RemoveAllItems();
        CMenu menuBars;
        if (menuBars.LoadMenu(IDR_BAR_MENU))
            pItems->ImportFromMenu(::GetSubMenu(menuBars, 0));
    }
    const CWTKToolbarMenuButton* pParent = pMenuPopup->GetParentButton();
    if (pParent != nullptr && (pParent->m_nID == ID_PAGE_BACK || pParent->m_nID == ID_PAGE_FORWARD)) {
        if (CWTKToolBar::IsCustomizeMode())
            return FALSE;
        FillHistoryPopup(pMenuPopup, pParent->m_nID == ID_PAGE_BACK);
    }
    return TRUE;
}

void CMainFrame::FillHistoryPopup(CWTKPopupMenu* pMenuPopup, BOOL bBack)
{
    const CHelpDoc* pDoc = GetHelpDoc();
    if (pDoc == nullptr)
        return;
    const std::vector<CHistoryItem*> items = HistoryList(*pDoc, bBack);
    if (items.empty())
        return;
    pMenuPopup->RemoveAllItems();
    for (const CHistoryItem* pItem : items) {
        CWTKToolbarMenuButton entry(pItem->GetCommandId(), nullptr, -1, pItem->GetTitle());
        pMenuPopup->InsertItem(entry);
    }
}

// ---- Documentations ----

void CMainFrame::OnLoadDocumentation()
{
    CString strFileName;
    if (!g_pfnLoadDocChooser(this, strFileName))
        return;
    // The new module is loaded before the old one goes: a failure keeps everything shown.
    if (!CContentModule::Current().Load(strFileName, 0)) {
        CContentModule::ReportLoadFailure(strFileName, m_hWnd);
        return;
    }
    m_wndContentBar.LoadContents();
    m_wndContentBar.GetIndexPane().FillIndex();
    m_wndContentBar.GetSearchPane().ClearResults();
    UpdateCaptionText();
    ShowTopic(0);
}

void CMainFrame::OnVendorWeb()
{
    CHyperLinkButton::OpenURL(Lumidoc::kWebAddress);
}

// ---- Bars ----

void CMainFrame::ToggleBar(CControlBar& bar)
{
    ShowControlBar(&bar, !bar.IsWindowVisible(), FALSE);
    RecalcLayout();
}

void CMainFrame::OnViewContentBar()
{
    ToggleBar(m_wndContentBar);
}

void CMainFrame::OnUpdateViewContentBar(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndContentBar.IsWindowVisible());
}

void CMainFrame::OnViewCaptionBar()
{
    ToggleBar(m_wndCaptionBar);
}

void CMainFrame::OnUpdateViewCaptionBar(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndCaptionBar.IsWindowVisible());
}

void CMainFrame::OnAppLook(UINT nID)
{
    // The application applies the look; the bars then take their new sizes.
    if (auto* pApp = dynamic_cast<CHelpApp*>(FwGetApp()))
        pApp->OnAppLook(nID);
    RecalcLayout();
}

void CMainFrame::OnUpdateAppLook(CCmdUI* pCmdUI)
{
    // Every look stays choosable, Windows XP too on a system without visual styles.
    const auto* pApp = dynamic_cast<CHelpApp*>(FwGetApp());
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(pApp != nullptr && pApp->GetLookId() == static_cast<int>(pCmdUI->m_nID));
}
