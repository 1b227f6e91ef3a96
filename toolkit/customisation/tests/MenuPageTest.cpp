// The Menu page: the templates' menus listed and shown on the menu bar, the page without a menu
// bar, context menus opened as captioned popups (their place and their edited items kept, reset
// with a question), and the application menu reset, after which no window, template or page
// keeps the destroyed menu.
#include "PagesTestSupport.h"

#include "customisation/WTKMenuPage.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolbarMessages.h"
#include "command_bars/WTKToolbarSnapshotStore.h"
#include "command_bars/tests/CommandBarSettingsScope.h"

#include "docview/CreateContext.h"
#include "docview/Document.h"
#include "docview/MDIChildWnd.h"
#include "docview/MultiDocTemplate.h"
#include "docview/View.h"

// The shared templates name framework classes that cannot be made by name: the tests open their
// documents with these.
class CPagesTestDocument : public CDocument {
    DECLARE_DYNCREATE(CPagesTestDocument)
};
IMPLEMENT_DYNCREATE(CPagesTestDocument, CDocument)

class CPagesTestView : public CView {
    DECLARE_DYNCREATE(CPagesTestView)
};
IMPLEMENT_DYNCREATE(CPagesTestView, CView)

namespace {

// A document of the template in an MDI child of the main frame, as the template makes one.
CDocument* OpenTestDocument(CMultiDocTemplate* pTemplate)
{
    auto* pDoc = new CPagesTestDocument;
    pTemplate->AddDocument(pDoc);
    CCreateContext context;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = RUNTIME_CLASS(CPagesTestView);
    context.m_pNewDocTemplate = pTemplate;
    auto* pChild = static_cast<CFrameWnd*>(pTemplate->m_pFrameClass->CreateObject());
    if (!pChild->LoadFrame(pTemplate->m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    pTemplate->InitialUpdateFrame(pChild, pDoc);
    return pDoc;
}

CMultiDocTemplate* FindTemplate(UINT nIDResource)
{
    for (POSITION pos = theApp.GetFirstDocTemplatePosition(); pos != nullptr;) {
        auto* pTemplate = dynamic_cast<CMultiDocTemplate*>(theApp.GetNextDocTemplate(pos));
        if (pTemplate != nullptr && pTemplate->m_nIDResource == nIDResource)
            return pTemplate;
    }
    return nullptr;
}

CString LoadText(UINT nID)
{
    CString strText;
    strText.LoadString(nID);
    return strText;
}

class MenuPageTest : public CustomizeTestBase {
protected:
    void SetUp() override
    {
        CustomizeTestBase::SetUp();
        m_pTextTemplate = FindTemplate(IDR_CT_TEXTTYPE);
        m_pDrawTemplate = FindTemplate(IDR_CT_DRAWTYPE);
        ASSERT_NE(m_pTextTemplate, nullptr);
        ASSERT_NE(m_pDrawTemplate, nullptr);
        // Edits of the context menu that an earlier test left behind are forgotten.
        UINT uiResId = 0;
        if (CWTKContextMenuManager* pManager = CWTKContextMenuManager::GetInstance())
            if (HMENU hMenu = pManager->GetMenuByName("Document", &uiResId))
                WTKGetToolbarSnapshotStore().Remove(::GetSubMenu(hMenu, 0));
    }
    void TearDown() override
    {
        CloseCustomizeSheet(m_pSheet);
        m_pSheet = nullptr;
        // Documents opened by a test go with the frame's children.
        for (CMultiDocTemplate* pTemplate : {m_pTextTemplate, m_pDrawTemplate})
            if (pTemplate != nullptr)
                pTemplate->CloseAllDocuments(FALSE);
        CustomizeTestBase::TearDown();
    }
    void Open(UINT uiFlags = CWTKToolbarCustomize::kDefaultFlags)
    {
        m_pPage = new CWTKMenuPage;
        m_pSheet = OpenSheetOnPage(m_pFrame, m_pPage, uiFlags);
        ASSERT_NE(m_pSheet, nullptr);
        ASSERT_NE(m_pPage->GetSafeHwnd(), nullptr);
    }
    CComboBox& Combo(int nID) { return *static_cast<CComboBox*>(m_pPage->GetDlgItem(nID)); }
    int FindMenuEntry(DWORD_PTR dwData)
    {
        for (int i = 0; i < Combo(IDC_WTK_MENU_FRAME_COMBO).GetCount(); i++)
            if (Combo(IDC_WTK_MENU_FRAME_COMBO).GetItemData(i) == dwData)
                return i;
        return -1;
    }
    void ChooseMenu(CMultiDocTemplate* pTemplate)
    {
        SelectComboEntry(m_pPage, IDC_WTK_MENU_FRAME_COMBO, FindMenuEntry(reinterpret_cast<DWORD_PTR>(pTemplate)));
    }
    void ChooseContextMenu(int nIndex) { SelectComboEntry(m_pPage, IDC_WTK_MENU_CONTEXT_COMBO, nIndex); }
    CWTKMenuBar& MenuBar() { return m_pFrame->m_wndMenuBar; }
    CString BarTexts()
    {
        CString strTexts;
        for (int i = 0; i < MenuBar().GetCount(); i++)
            strTexts += MenuBar().GetButtonText(i) + "|";
        return strTexts;
    }
    static int ItemCount(CWTKPopupMenu* pPopup) { return pPopup->GetMenuBar()->GetCount(); }

    CMultiDocTemplate* m_pTextTemplate = nullptr;
    CMultiDocTemplate* m_pDrawTemplate = nullptr;
    CWTKMenuPage* m_pPage = nullptr;
};

TEST_F(MenuPageTest, ListsTheTemplatesMenusAndShowsTheChosenOneOnTheMenuBar)
{
    const HMENU hmenuDefault = MenuBar().GetDefaultMenu();
    ASSERT_EQ(hmenuDefault, MenuBar().GetHMenu());
    Open();
    CComboBox& combo = Combo(IDC_WTK_MENU_FRAME_COMBO);
    struct Row {
        const char* pszText;
        CMultiDocTemplate* pTemplate;
        HMENU hMenu;
        const char* pszFirstTitles;
        CString strDescription;
    };
    const Row rows[] = {
        {"Text", m_pTextTemplate, m_pTextTemplate->m_hMenuShared, "&File|&Edit|", "Text Document"},
        {"Drawing", m_pDrawTemplate, m_pDrawTemplate->m_hMenuShared, "&File|&Draw|", "Drawing"},
        {"Default Menu", nullptr, hmenuDefault, "&File|&Help|", LoadText(IDS_WTK_DEFAULT_MENU_DESCRIPTION)},
    };
    ASSERT_EQ(3, combo.GetCount());
    // The menu shown when the page opens is the one selected.
    EXPECT_EQ(2, combo.GetCurSel());
    for (int i = 0; i < 3; i++) {
        const Row& row = rows[i];
        CString strText;
        combo.GetLBText(i, strText);
        EXPECT_STREQ(row.pszText, strText);
        EXPECT_EQ(reinterpret_cast<DWORD_PTR>(row.pTemplate), combo.GetItemData(i)) << row.pszText;
        ChooseMenu(row.pTemplate);
        EXPECT_EQ(row.hMenu, MenuBar().GetHMenu()) << row.pszText;
        EXPECT_EQ(0, BarTexts().Find(row.pszFirstTitles)) << row.pszText << ": " << static_cast<LPCSTR>(BarTexts());
        EXPECT_STREQ(row.strDescription, ControlText(m_pPage, IDC_WTK_MENU_FRAME_DESCRIPTION)) << row.pszText;
        EXPECT_NE(nullptr, reinterpret_cast<HICON>(m_pPage->SendDlgItemMessage(IDC_WTK_MENU_FRAME_ICON, STM_GETICON)))
            << row.pszText;
    }
    EXPECT_TRUE(IsControlEnabled(m_pPage, IDC_WTK_MENU_RESET_FRAME));
    ChooseMenu(m_pDrawTemplate);
    SaveSheetScreenshot(m_pSheet, "customize_menu.png");

    // Closing the sheet puts back the menu the bar showed before.
    CloseCustomizeSheet(m_pSheet);
    m_pSheet = nullptr;
    EXPECT_EQ(hmenuDefault, MenuBar().GetHMenu());
    EXPECT_EQ(0, BarTexts().Find("&File|&Help|")) << static_cast<LPCSTR>(BarTexts());
}

TEST_F(MenuPageTest, WithoutAVisibleMenuBarTheMenusCannotBeCustomised)
{
    m_pFrame->ShowControlBar(&MenuBar(), FALSE, FALSE);
    RunIdle();
    Open();
    EXPECT_EQ(nullptr, m_pPage->GetMenuBar());
    EXPECT_FALSE(IsControlEnabled(m_pPage, IDC_WTK_MENU_FRAME_COMBO));
    EXPECT_FALSE(IsControlEnabled(m_pPage, IDC_WTK_MENU_RESET_FRAME));
    EXPECT_STREQ("Can't customize menues!", ControlText(m_pPage, IDC_WTK_MENU_FRAME_DESCRIPTION));
}

TEST_F(MenuPageTest, SheetOptionsShowTheShadowsAndAnimationControlsAndThePageWritesThemBack)
{
    struct Row {
        UINT uiFlags;
        bool bShadows;
        bool bAnimation;
    };
    const Row rows[] = {
        {CWTKToolbarCustomize::kMenuShadows | CWTKToolbarCustomize::kMenuAnimations, true, true},
        {CWTKToolbarCustomize::kMenuShadows, true, false},
        {CWTKToolbarCustomize::kMenuAnimations, false, true},
    };
    const CommandBarSettingsScope settings;
    for (const Row& row : rows) {
        WTKGetCommandBarSettings().bMenuShadows = FALSE;
        WTKGetCommandBarSettings().menuAnimation = WTKMenuAnimation::None;
        Open(row.uiFlags);
        EXPECT_EQ(row.bShadows, IsControlVisible(m_pPage, IDC_WTK_MENU_SHADOWS)) << row.uiFlags;
        EXPECT_EQ(row.bAnimation, IsControlVisible(m_pPage, IDC_WTK_MENU_ANIMATION_LABEL)) << row.uiFlags;
        EXPECT_EQ(row.bAnimation, IsControlVisible(m_pPage, IDC_WTK_MENU_ANIMATION_COMBO)) << row.uiFlags;
        EXPECT_EQ(static_cast<int>(WTKMenuAnimation::None), Combo(IDC_WTK_MENU_ANIMATION_COMBO).GetCurSel());
        ClickControl(m_pPage, IDC_WTK_MENU_SHADOWS);
        Combo(IDC_WTK_MENU_ANIMATION_COMBO).SetCurSel(static_cast<int>(WTKMenuAnimation::Slide));
        CloseCustomizeSheet(m_pSheet);
        m_pSheet = nullptr;
        EXPECT_TRUE(WTKGetCommandBarSettings().bMenuShadows) << row.uiFlags;
        EXPECT_EQ(WTKMenuAnimation::Slide, WTKGetCommandBarSettings().menuAnimation) << row.uiFlags;
    }
}

TEST_F(MenuPageTest, AContextMenuOpensAsACaptionedPopupWhereTheLastOneWasClosedAndKeepsItsEdits)
{
    Open();
    CComboBox& combo = Combo(IDC_WTK_MENU_CONTEXT_COMBO);
    ASSERT_EQ(2, combo.GetCount());
    CString strEntry;
    combo.GetLBText(0, strEntry);
    EXPECT_STREQ(LoadText(IDS_WTK_NO_CONTEXT_MENU), strEntry);
    combo.GetLBText(1, strEntry);
    EXPECT_STREQ("Document", strEntry);
    EXPECT_TRUE(IsControlEnabled(m_pPage, IDC_WTK_MENU_CONTEXT_COMBO));
    EXPECT_FALSE(IsControlEnabled(m_pPage, IDC_WTK_MENU_RESET_CONTEXT));

    ChooseContextMenu(1);

    CWTKPopupMenu* pPopup = m_pPage->GetContextPopup();
    ASSERT_NE(pPopup, nullptr);
    ASSERT_TRUE(::IsWindowVisible(pPopup->GetSafeHwnd()));
    CString strCaption;
    pPopup->GetWindowText(strCaption);
    EXPECT_STREQ("Document", strCaption);
    EXPECT_EQ(3, ItemCount(pPopup));
    EXPECT_TRUE(IsControlEnabled(m_pPage, IDC_WTK_MENU_RESET_CONTEXT));
    CRect rectPopup;
    pPopup->GetWindowRect(rectPopup);
    EXPECT_EQ(CWTKMenuPage::GetContextMenuPosition(), rectPopup.TopLeft());

    // The user edits the menu, moves the popup and closes it with its close box.
    pPopup->GetMenuBar()->RemoveButton(0);
    pPopup->SetWindowPos(nullptr, 150, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    pPopup->SendMessage(WM_CLOSE);
    PumpPending();

    EXPECT_EQ(nullptr, m_pPage->GetContextPopup());
    EXPECT_EQ(0, combo.GetCurSel());
    EXPECT_FALSE(IsControlEnabled(m_pPage, IDC_WTK_MENU_RESET_CONTEXT));
    EXPECT_EQ(CPoint(150, 130), CWTKMenuPage::GetContextMenuPosition());

    // Opened again: at the place where it was closed, with the edited items.
    ChooseContextMenu(1);
    pPopup = m_pPage->GetContextPopup();
    ASSERT_NE(pPopup, nullptr);
    pPopup->GetWindowRect(rectPopup);
    EXPECT_EQ(CPoint(150, 130), rectPopup.TopLeft());
    EXPECT_EQ(2, ItemCount(pPopup));

    // Closing the sheet closes the popup too.
    const HWND hWndPopup = pPopup->GetSafeHwnd();
    CloseCustomizeSheet(m_pSheet);
    m_pSheet = nullptr;
    EXPECT_FALSE(::IsWindow(hWndPopup));
}

TEST_F(MenuPageTest, ResettingAContextMenuAsksAndOnYesReopensItWithTheOriginalItems)
{
    Open();
    ChooseContextMenu(1);
    CWTKPopupMenu* pPopup = m_pPage->GetContextPopup();
    ASSERT_NE(pPopup, nullptr);
    pPopup->GetMenuBar()->RemoveButton(0);
    SentMessageRecorder sent(m_pFrame->GetSafeHwnd());

    Seams().answers = {IDNO};
    ClickControl(m_pPage, IDC_WTK_MENU_RESET_CONTEXT);
    ASSERT_EQ(1u, Seams().prompts.size());
    EXPECT_EQ("All your changes will be lost! Do you really want to reset the menu 'Document'?", Seams().prompts[0]);
    EXPECT_EQ(pPopup, m_pPage->GetContextPopup());
    EXPECT_EQ(2, ItemCount(pPopup));
    EXPECT_TRUE(sent.Of(WTK_TOOLBAR_RESETCONTEXTMENU).empty());

    Seams().answers = {IDYES};
    const HWND hWndOld = pPopup->GetSafeHwnd();
    ClickControl(m_pPage, IDC_WTK_MENU_RESET_CONTEXT);
    const auto resets = sent.Of(WTK_TOOLBAR_RESETCONTEXTMENU);
    ASSERT_EQ(1u, resets.size());
    EXPECT_EQ(static_cast<WPARAM>(IDR_CT_CONTEXT), resets[0].wParam);
    EXPECT_EQ(reinterpret_cast<LPARAM>(pPopup), resets[0].lParam);
    EXPECT_FALSE(::IsWindow(hWndOld));
    pPopup = m_pPage->GetContextPopup();
    ASSERT_NE(pPopup, nullptr);
    EXPECT_EQ(3, ItemCount(pPopup));
    EXPECT_EQ(1, Combo(IDC_WTK_MENU_CONTEXT_COMBO).GetCurSel());
    EXPECT_TRUE(IsControlEnabled(m_pPage, IDC_WTK_MENU_RESET_CONTEXT));
}

// The reset of an application menu: every holder of the old handle (menu bar, frame, frame
// helper, template, MDI child, the page's remembered menu) has the new one, and the old one is gone.
TEST_F(MenuPageTest, ResettingATemplateMenuLeavesNoHolderOfTheDestroyedMenu)
{
    CDocument* pDoc = OpenTestDocument(m_pTextTemplate);
    ASSERT_NE(pDoc, nullptr);
    RunIdle();
    const HMENU hmenuOld = m_pTextTemplate->m_hMenuShared;
    ASSERT_EQ(hmenuOld, MenuBar().GetHMenu());
    Open();
    ASSERT_EQ(hmenuOld, m_pPage->GetOriginalMenu());
    ASSERT_EQ(FindMenuEntry(reinterpret_cast<DWORD_PTR>(m_pTextTemplate)), Combo(IDC_WTK_MENU_FRAME_COMBO).GetCurSel());
    const int nButtons = MenuBar().GetCount();
    MenuBar().RemoveButton(0);
    SentMessageRecorder sent(m_pFrame->GetSafeHwnd());

    Seams().answers = {IDNO};
    ClickControl(m_pPage, IDC_WTK_MENU_RESET_FRAME);
    ASSERT_EQ(1u, Seams().prompts.size());
    EXPECT_EQ("All your changes will be lost! Do you really want to reset the menu 'Text'?", Seams().prompts[0]);
    EXPECT_EQ(hmenuOld, m_pTextTemplate->m_hMenuShared);
    EXPECT_EQ(nButtons - 1, MenuBar().GetCount());
    EXPECT_TRUE(sent.Of(WTK_TOOLBAR_RESETMENU).empty());

    ClickControl(m_pPage, IDC_WTK_MENU_RESET_FRAME);
    const HMENU hmenuNew = m_pTextTemplate->m_hMenuShared;
    EXPECT_NE(hmenuOld, hmenuNew);
    EXPECT_TRUE(::IsMenu(hmenuNew));
    EXPECT_FALSE(::IsMenu(hmenuOld));
    EXPECT_EQ(hmenuNew, MenuBar().GetHMenu());
    EXPECT_EQ(nButtons, MenuBar().GetCount());
    EXPECT_EQ(hmenuNew, m_pPage->GetOriginalMenu());
    const auto resets = sent.Of(WTK_TOOLBAR_RESETMENU);
    ASSERT_EQ(1u, resets.size());
    EXPECT_EQ(static_cast<WPARAM>(IDR_CT_TEXTTYPE), resets[0].wParam);
    for (POSITION pos = pDoc->GetFirstViewPosition(); pos != nullptr;) {
        auto* pChild = dynamic_cast<CMDIChildWnd*>(pDoc->GetNextView(pos)->GetParentFrame());
        ASSERT_NE(pChild, nullptr);
        EXPECT_EQ(hmenuNew, pChild->m_hMenuShared);
    }

    // Back on the default menu and again on the text menu: the bar finds the new one's buttons.
    ChooseMenu(nullptr);
    ChooseMenu(m_pTextTemplate);
    EXPECT_EQ(hmenuNew, MenuBar().GetHMenu());
    EXPECT_EQ(nButtons, MenuBar().GetCount());
    CloseCustomizeSheet(m_pSheet);
    m_pSheet = nullptr;
    EXPECT_EQ(hmenuNew, MenuBar().GetHMenu());
}

TEST_F(MenuPageTest, ResettingTheDefaultMenuHandsTheNewMenuToTheFrameBeforeTheOldOneGoes)
{
    const HMENU hmenuOld = MenuBar().GetDefaultMenu();
    ASSERT_EQ(hmenuOld, m_pFrame->GetDefaultMenu());
    Open();
    MenuBar().RemoveButton(0);
    SentMessageRecorder sent(m_pFrame->GetSafeHwnd());
    ClickControl(m_pPage, IDC_WTK_MENU_RESET_FRAME);
    ASSERT_EQ(1u, Seams().prompts.size());
    EXPECT_EQ("All your changes will be lost! Do you really want to reset the menu 'Default Menu'?",
              Seams().prompts[0]);

    const HMENU hmenuNew = MenuBar().GetDefaultMenu();
    EXPECT_NE(hmenuOld, hmenuNew);
    EXPECT_TRUE(::IsMenu(hmenuNew));
    EXPECT_FALSE(::IsMenu(hmenuOld));
    EXPECT_EQ(hmenuNew, MenuBar().GetHMenu());
    EXPECT_EQ(hmenuNew, m_pFrame->GetDefaultMenu());
    EXPECT_EQ(hmenuNew, m_pFrame->GetFrameHelper()->GetFrameMenu());
    EXPECT_EQ(hmenuNew, m_pPage->GetOriginalMenu());
    EXPECT_EQ(0, BarTexts().Find("&File|&Help|")) << static_cast<LPCSTR>(BarTexts());
    const auto resets = sent.Of(WTK_TOOLBAR_RESETMENU);
    ASSERT_EQ(1u, resets.size());
    EXPECT_EQ(static_cast<WPARAM>(IDR_CT_MAINFRAME), resets[0].wParam);

    // The frame's menus keep working after the sheet: a document's menu and back.
    CloseCustomizeSheet(m_pSheet);
    m_pSheet = nullptr;
    CDocument* pDoc = OpenTestDocument(m_pDrawTemplate);
    ASSERT_NE(pDoc, nullptr);
    RunIdle();
    EXPECT_EQ(m_pDrawTemplate->m_hMenuShared, MenuBar().GetHMenu());
    m_pDrawTemplate->CloseAllDocuments(FALSE);
    RunIdle();
    EXPECT_EQ(hmenuNew, MenuBar().GetHMenu());
}

}  // namespace
