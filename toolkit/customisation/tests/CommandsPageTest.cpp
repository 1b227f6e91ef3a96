// The sheet's command categories and the Commands page: which categories are listed, the texts
// commands show (alternative texts where two commands look alike), the order of "All Commands",
// descriptions, and the sheet's life (customise mode, the process-wide pointers).
#include "CustomizeTestFrame.h"

#include "customisation/WTKCustomizePage.h"
#include "customisation/WTKKeyboardPage.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "command_bars/WTKCustomizeLink.h"
#include "command_bars/WTKToolbarButton.h"

namespace {

std::vector<std::string> ListTexts(const CListBox& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString str;
        list.GetText(i, str);
        texts.push_back(static_cast<LPCSTR>(str));
    }
    return texts;
}

std::vector<std::string> ComboTexts(HWND hCombo)
{
    std::vector<std::string> texts;
    const int nCount = static_cast<int>(::SendMessageA(hCombo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        char szText[256] = {};
        ::SendMessageA(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(szText));
        texts.push_back(szText);
    }
    return texts;
}

class CommandsPageTest : public CustomizeTestBase {
protected:
    CWTKCustomizePage* OpenCommandsPage()
    {
        m_pSheet = OpenCustomizeSheet(m_pFrame);
        if (m_pSheet == nullptr)
            return nullptr;
        return dynamic_cast<CWTKCustomizePage*>(m_pSheet->GetPage(0));
    }
    std::vector<std::string> CommandsOf(CWTKCustomizePage* pPage, const char* pszCategory)
    {
        CListBox& categories = pPage->GetCategoriesList();
        const int nIndex = categories.FindStringExact(-1, pszCategory);
        EXPECT_GE(nIndex, 0) << pszCategory;
        categories.SetCurSel(nIndex);
        pPage->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WTK_CATEGORY, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(categories.GetSafeHwnd()));
        return ListTexts(pPage->GetCommandsList());
    }
};

TEST_F(CommandsPageTest, TheSheetPutsTheBarsIntoCustomiseModeAndRegistersItselfWhileItsWindowExists)
{
    ASSERT_FALSE(CWTKToolBar::IsCustomizeMode());
    m_pSheet = OpenCustomizeSheet(m_pFrame);
    ASSERT_NE(m_pSheet, nullptr);
    EXPECT_TRUE(CWTKToolBar::IsCustomizeMode());
    EXPECT_EQ(m_pSheet, CWTKToolbarCustomize::GetCustomizeSheet());
    EXPECT_EQ(static_cast<CWTKCustomizeLink*>(m_pSheet), WTKGetCustomizeLink());
    CString strClose;
    m_pSheet->GetDlgItem(IDCANCEL)->GetWindowText(strClose);
    EXPECT_STREQ("Close", strClose);

    // The Close button ends the modeless sheet: it deletes itself and leaves customise mode.
    ::SendMessageA(::GetDlgItem(m_pSheet->GetSafeHwnd(), IDCANCEL), BM_CLICK, 0, 0);
    PumpPending();
    EXPECT_EQ(nullptr, CWTKToolbarCustomize::GetCustomizeSheet());
    EXPECT_EQ(nullptr, WTKGetCustomizeLink());
    EXPECT_FALSE(CWTKToolBar::IsCustomizeMode());
    m_pSheet = nullptr;
}

TEST_F(CommandsPageTest, CategoriesWithoutRealCommandsAreLeftOutUnlessAllAreAsked)
{
    CWTKCustomizePage* pPage = OpenCommandsPage();
    ASSERT_NE(pPage, nullptr);
    // The Commands page asks for all categories; "All Commands" comes last.
    EXPECT_EQ(std::vector<std::string>({"File", "Help", "Edit", "Format", "View", "Separators", "All Commands"}),
              ListTexts(pPage->GetCategoriesList()));
    EXPECT_EQ(0, pPage->GetCategoriesList().GetCurSel());

    // The Keyboard page asks only for categories with real commands.
    m_pSheet->SetActivePage(2);
    PumpPending();
    CWnd* pKeyboard = m_pSheet->GetPage(2);
    EXPECT_EQ(std::vector<std::string>({"File", "Help", "Edit", "Format", "View", "All Commands"}),
              ComboTexts(::GetDlgItem(pKeyboard->GetSafeHwnd(), IDC_WTK_CATEGORY)));
}

TEST_F(CommandsPageTest, CommandsOfTheSameTextShowTheirAlternativeTextsAndAllCommandsIsSorted)
{
    CWTKCustomizePage* pPage = OpenCommandsPage();
    ASSERT_NE(pPage, nullptr);
    struct Row {
        const char* pszCategory;
        std::vector<std::string> texts;
    };
    const Row rows[] = {
        // Menu items lose their "&" and key text; separators are not listed.
        {"File", {"New", "Open...", "Save", "Print...", "Exit"}},
        {"Edit", {"Cut", "Copy", "Paste", "Wrap Lines"}},
        // Toolbar commands take the tooltip part of their string.
        {"Format", {"Bold", "Italic", "Underline", "Print"}},
        // The two "Zoom" commands show their alternative texts; "Wrap Lines" is alone.
        {"View", {"Zoom In", "Zoom Out", "Wrap Lines"}},
        {"Separators", {"Placeholder"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.texts, CommandsOf(pPage, row.pszCategory)) << row.pszCategory;

    const std::vector<std::string> all = CommandsOf(pPage, "All Commands");
    EXPECT_EQ(std::vector<std::string>({"About", "Bold", "Copy", "Cut", "Exit", "Italic", "New", "Open...", "Paste",
                                        "Print...", "Save", "Underline", "Wrap Lines", "Zoom In", "Zoom Out"}),
              all);
}

TEST_F(CommandsPageTest, SelectingACommandShowsItsPromptAsDescription)
{
    CWTKCustomizePage* pPage = OpenCommandsPage();
    ASSERT_NE(pPage, nullptr);
    CommandsOf(pPage, "Format");
    CCommandsListBox& commands = pPage->GetCommandsList();
    commands.SetCurSel(1);
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WTK_COMMANDS_LIST, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(commands.GetSafeHwnd()));
    CString strDescription;
    pPage->GetDlgItemText(IDC_WTK_COMMAND_DESCRIPTION, strDescription);
    EXPECT_STREQ("Makes the selection italic", strDescription);
    ASSERT_NE(commands.GetButton(1), nullptr);
    EXPECT_EQ(static_cast<UINT>(ID_CT_ITALIC), commands.GetButton(1)->m_nID);
    SaveSheetScreenshot(m_pSheet, "customize_commands.png");

    // Another category clears it.
    CommandsOf(pPage, "Help");
    pPage->GetDlgItemText(IDC_WTK_COMMAND_DESCRIPTION, strDescription);
    EXPECT_STREQ("", strDescription);
}

TEST_F(CommandsPageTest, TheSheetLooksUpCommandTextsInAllCommands)
{
    CWTKToolbarCustomize sheet(m_pFrame);
    FillTestCategories(sheet);
    struct Row {
        UINT uiCmd;
        BOOL bFound;
        const char* pszText;
    };
    const Row rows[] = {
        {ID_CT_CUT, TRUE, "Cut"},
        {ID_CT_ZOOM_OUT, TRUE, "Zoom"},
        {ID_CT_DRAW_LINE, FALSE, ""},  // only in the drawing template's menu, not offered
        {0, FALSE, ""},                // separators are no commands
    };
    for (const Row& row : rows) {
        CString strText = "stale";
        EXPECT_EQ(row.bFound, sheet.GetCommandName(row.uiCmd, strText)) << row.uiCmd;
        EXPECT_STREQ(row.pszText, strText) << row.uiCmd;
    }
    const CWTKToolbarButtonList* pView = sheet.GetCommandsByCategory("View");
    ASSERT_NE(pView, nullptr);
    EXPECT_EQ(2, CWTKToolbarCustomize::GetCountInCategory("Zoom", *pView));
    EXPECT_EQ(0, CWTKToolbarCustomize::GetCountInCategory("Zoom In", *pView));
    EXPECT_EQ(nullptr, sheet.GetCommandsByCategory("No such category"));
}

}  // namespace

namespace {

TEST_F(CommandsPageTest, HelpWithoutContextHelpGoesToTheFrameWithTheActivePage)
{
    m_pSheet = OpenCustomizeSheet(m_pFrame);
    ASSERT_NE(m_pSheet, nullptr);
    EXPECT_EQ(0u, m_pSheet->GetExStyle() & WS_EX_CONTEXTHELP);
    HELPINFO info = {};
    info.cbSize = sizeof(info);
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = IDC_WTK_CATEGORY;
    m_pSheet->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(1, m_pFrame->m_nCustomizeHelp);
    EXPECT_EQ(0, m_pFrame->m_nCustomizeHelpPage);

    // With context help, the caption gets its "?" and a control's help is the control's own.
    CloseCustomizeSheet(m_pSheet);
    m_pSheet = OpenCustomizeSheet(m_pFrame, CWTKToolbarCustomize::kDefaultFlags | CWTKToolbarCustomize::kContextHelp);
    ASSERT_NE(m_pSheet, nullptr);
    EXPECT_NE(0u, m_pSheet->GetExStyle() & WS_EX_CONTEXTHELP);
    m_pSheet->SetActivePage(1);
    info.iContextType = HELPINFO_MENUITEM;
    m_pSheet->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(2, m_pFrame->m_nCustomizeHelp);
    EXPECT_EQ(1, m_pFrame->m_nCustomizeHelpPage);
}

}  // namespace

namespace {

// Clicks the open sheet's Close button once the modal loop runs, noting what the sheet showed.
struct ModalCloseScript {
    static bool s_bCustomizing;
    static std::string s_strClose;
    static void CALLBACK OnTimer(HWND /*hWnd*/, UINT /*message*/, UINT_PTR idEvent, DWORD /*dwTime*/)
    {
        CWTKToolbarCustomize* pSheet = CWTKToolbarCustomize::GetCustomizeSheet();
        if (pSheet == nullptr || !pSheet->IsWindowVisible())
            return;
        ::KillTimer(nullptr, idEvent);
        s_bCustomizing = CWTKToolBar::IsCustomizeMode() != FALSE;
        char szText[32] = {};
        ::GetDlgItemTextA(pSheet->GetSafeHwnd(), IDCANCEL, szText, sizeof(szText));
        s_strClose = szText;
        ::SendMessageA(::GetDlgItem(pSheet->GetSafeHwnd(), IDCANCEL), BM_CLICK, 0, 0);
    }
};
bool ModalCloseScript::s_bCustomizing = false;
std::string ModalCloseScript::s_strClose;

TEST_F(CustomizeTestBase, AModalSheetCustomisesUntilClosedAndLeavesNothingBehind)
{
    CWTKToolbarCustomize sheet(m_pFrame);
    FillTestCategories(sheet);
    ::SetTimer(nullptr, 0, 20, &ModalCloseScript::OnTimer);
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_TRUE(ModalCloseScript::s_bCustomizing);
    EXPECT_EQ("Close", ModalCloseScript::s_strClose);
    EXPECT_FALSE(CWTKToolBar::IsCustomizeMode());
    EXPECT_EQ(nullptr, CWTKToolbarCustomize::GetCustomizeSheet());
    EXPECT_EQ(nullptr, WTKGetCustomizeLink());
}

}  // namespace
