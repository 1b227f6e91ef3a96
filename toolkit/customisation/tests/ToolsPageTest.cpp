// The Tools page in a plain property sheet: the list and its operations, the edits that write
// into the selected tool, browsing through the file chooser, the menu buttons that type a string
// at the caret, and a screenshot.
#include "UserToolsTestSupport.h"

#include "customisation/WTKToolsPage.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "foundation/WTKUserSignals.h"

#include "Canvas.h"
#include "Files.h"
#include "MessagePump.h"

#include "win/PropertySheet.h"

#include <gtest/gtest.h>

namespace {

// The menu buttons' choice is scripted: the page asks, the test answers.
class CScriptedToolsPage : public CWTKToolsPage {
public:
    CScriptedToolsPage() : CWTKToolsPage(IDR_TEST_ARGUMENTS_MENU, IDR_TEST_DIR_MENU) {}
    UINT m_uiChoice = 0;
    std::vector<UINT> m_menusShown;  // the number of items of each menu shown

protected:
    UINT TrackButtonMenu(UINT, HMENU hMenu) override
    {
        m_menusShown.push_back(static_cast<UINT>(::GetMenuItemCount(hMenu)));
        return m_uiChoice;
    }
};

class ToolsPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pManager = std::make_unique<CTestToolsManager>();
        m_pManager->AddTool("&Console", ID_TEST_FIRST_TOOL, "cmd.exe")->m_strArguments = "/k";
        m_pManager->AddTool("&Notes", ID_TEST_FIRST_TOOL + 1, "notes.txt");
        m_sheet.AddPage(&m_page);
        ASSERT_TRUE(m_sheet.Create());
        PumpPending();
    }
    void TearDown() override
    {
        m_sheet.DestroyWindow();
        PumpPending();
    }

    CString Text(UINT nId) const
    {
        CString str;
        m_page.GetDlgItemText(static_cast<int>(nId), str);
        return str;
    }
    BOOL Enabled(UINT nId) const { return ::IsWindowEnabled(::GetDlgItem(m_page.m_hWnd, static_cast<int>(nId))); }
    void Select(int nItem)
    {
        m_page.SendDlgItemMessage(IDC_WTK_TOOLS_LIST, LB_SETCURSEL, static_cast<WPARAM>(nItem));
        Notify(IDC_WTK_TOOLS_LIST, LBN_SELCHANGE);
    }
    void Notify(UINT nId, UINT nCode)
    {
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(nId, nCode),
                           reinterpret_cast<LPARAM>(::GetDlgItem(m_page.m_hWnd, static_cast<int>(nId))));
        PumpPending();
    }
    void Click(UINT nId) { Notify(nId, BN_CLICKED); }
    // What the user types replaces the edit's text.
    void Type(UINT nId, const char* pszText) { m_page.SetDlgItemText(static_cast<int>(nId), pszText); }
    CWTKUserTool* Tool(int nIndex) const
    {
        return static_cast<CWTKUserTool*>(
            m_pManager->GetUserTools().GetAt(m_pManager->GetUserTools().FindIndex(nIndex)));
    }

    std::unique_ptr<CTestToolsManager> m_pManager;
    CScriptedToolsPage m_page;
    CPropertySheet m_sheet {"Customize"};
};

constexpr UINT kToolEdits[] = {IDC_WTK_TOOLS_COMMAND, IDC_WTK_TOOLS_ARGUMENTS, IDC_WTK_TOOLS_INITIAL_DIR};
constexpr UINT kToolControls[] = {IDC_WTK_TOOLS_COMMAND,     IDC_WTK_TOOLS_BROWSE,
                                  IDC_WTK_TOOLS_ARGUMENTS,   IDC_WTK_TOOLS_ARGUMENTS_MENU,
                                  IDC_WTK_TOOLS_INITIAL_DIR, IDC_WTK_TOOLS_INITIAL_DIR_MENU};

TEST_F(ToolsPageTest, TheEditsFollowTheSelectionAndWriteIntoTheSelectedTool)
{
    EXPECT_EQ(m_page.SendDlgItemMessage(IDC_WTK_TOOLS_LIST, LB_GETCOUNT), 2);
    for (UINT nId : kToolControls)
        EXPECT_FALSE(Enabled(nId)) << nId << ": nothing selected";

    Select(0);
    for (UINT nId : kToolControls)
        EXPECT_TRUE(Enabled(nId)) << nId;
    EXPECT_EQ(Text(IDC_WTK_TOOLS_COMMAND), CString("cmd.exe"));
    EXPECT_EQ(Text(IDC_WTK_TOOLS_ARGUMENTS), CString("/k"));

    Type(IDC_WTK_TOOLS_COMMAND, "no_such_tool_8c1f.exe");
    Type(IDC_WTK_TOOLS_ARGUMENTS, "/c dir");
    Type(IDC_WTK_TOOLS_INITIAL_DIR, "C:\\work");
    Type(IDC_WTK_TOOLS_LABEL, "&Listing");
    CWTKUserTool* pTool = Tool(0);
    EXPECT_EQ(pTool->GetCommand(), CString("no_such_tool_8c1f.exe"));
    EXPECT_EQ(pTool->GetIcon(), CWTKUserTool::GetDefaultIcon()) << "the new command's icon";
    EXPECT_EQ(pTool->m_strArguments, CString("/c dir"));
    EXPECT_EQ(pTool->m_strInitialDirectory, CString("C:\\work"));
    EXPECT_EQ(pTool->m_strLabel, CString("&Listing"));
    char szItem[64] = {};
    m_page.SendDlgItemMessage(IDC_WTK_TOOLS_LIST, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(szItem));
    EXPECT_STREQ(szItem, "&Listing");
    EXPECT_EQ(m_page.GetSelectedTool(), pTool) << "still selected after the list was refilled";

    Select(1);
    EXPECT_EQ(Text(IDC_WTK_TOOLS_COMMAND), CString("notes.txt"));
    EXPECT_EQ(Text(IDC_WTK_TOOLS_ARGUMENTS), CString(""));
    EXPECT_EQ(Tool(0)->m_strArguments, CString("/c dir")) << "showing a tool doesn't write into another";
}

TEST_F(ToolsPageTest, AChangeWithoutASelectionClearsTheEditsOnce)
{
    for (UINT nId : kToolEdits) {
        ::SetWindowTextA(::GetDlgItem(m_page.m_hWnd, static_cast<int>(nId)), "typed");
        EXPECT_EQ(Text(nId), CString("")) << nId;
    }
    EXPECT_EQ(Tool(0)->GetCommand(), CString("cmd.exe"));
    EXPECT_EQ(Tool(1)->GetCommand(), CString("notes.txt"));
}

TEST_F(ToolsPageTest, BrowseTakesTheChosenFileWithTheManagersFilter)
{
    static std::string s_filter;
    static std::string s_defExt;
    static BOOL s_bOpen = FALSE;
    static BOOL s_bChoose = FALSE;
    const WTKChooseFileFn pfnOld = WTKSetChooseFileFunction(
        [](HWND, BOOL bOpen, LPCSTR lpszDefExt, LPCSTR lpszFileName, LPCSTR lpszFilter, CString& strPath) {
            s_bOpen = bOpen && lpszFileName == nullptr;
            s_defExt = lpszDefExt ? lpszDefExt : "";
            s_filter = lpszFilter ? lpszFilter : "";
            strPath = "C:\\tools\\viewer.exe";
            return s_bChoose;
        });
    Select(1);
    Click(IDC_WTK_TOOLS_BROWSE);
    EXPECT_EQ(Tool(1)->GetCommand(), CString("notes.txt")) << "cancelled";
    s_bChoose = TRUE;
    Click(IDC_WTK_TOOLS_BROWSE);
    EXPECT_EQ(Tool(1)->GetCommand(), CString("C:\\tools\\viewer.exe"));
    EXPECT_EQ(Text(IDC_WTK_TOOLS_COMMAND), CString("C:\\tools\\viewer.exe"));
    EXPECT_TRUE(s_bOpen) << "an open dialog without a file name";
    EXPECT_EQ(s_defExt, "exe");
    EXPECT_EQ(s_filter,
              "Executable (*.exe)|*.exe|Command (*.com)|*.com|Information (*.pdf)|*.pdf|Batch (*.bat)|*.bat|"
              "All Files (*.*)|*.*||");
    WTKSetChooseFileFunction(pfnOld);
}

TEST_F(ToolsPageTest, AMenuButtonTypesTheChosenStringAtTheCaret)
{
    Select(0);
    HWND hArguments = ::GetDlgItem(m_page.m_hWnd, IDC_WTK_TOOLS_ARGUMENTS);
    ::SendMessageA(hArguments, EM_SETSEL, 1, 1);  // between "/" and "k"
    m_page.m_uiChoice = ID_TEST_ARG_FILE;
    Click(IDC_WTK_TOOLS_ARGUMENTS_MENU);
    EXPECT_EQ(Text(IDC_WTK_TOOLS_ARGUMENTS), CString("/$(FilePath)k"));
    EXPECT_EQ(Tool(0)->m_strArguments, CString("/$(FilePath)k")) << "typed characters change the tool";

    m_page.m_uiChoice = 0;  // the menu closed without a choice
    Click(IDC_WTK_TOOLS_ARGUMENTS_MENU);
    EXPECT_EQ(Text(IDC_WTK_TOOLS_ARGUMENTS), CString("/$(FilePath)k"));

    m_page.m_uiChoice = ID_TEST_DIR_CURRENT;
    Click(IDC_WTK_TOOLS_INITIAL_DIR_MENU);
    EXPECT_EQ(Tool(0)->m_strInitialDirectory, CString("$(CurDir)"));
    EXPECT_EQ(m_page.m_menusShown, (std::vector<UINT> {2, 2, 1})) << "each button's own menu";
}

TEST_F(ToolsPageTest, NewDeleteAndMoveEditTheManagersList)
{
    CMessageBoxScript boxes;
    Click(IDC_WTK_TOOLS_NEW);
    EXPECT_EQ(m_pManager->GetToolCount(), 3);
    EXPECT_EQ(m_page.GetSelectedTool(), Tool(2)) << "the new tool is selected";
    Type(IDC_WTK_TOOLS_LABEL, "Third");

    Click(IDC_WTK_TOOLS_MOVE_UP);
    EXPECT_EQ(m_pManager->Labels(), "&Console|Third|&Notes");
    EXPECT_EQ(m_page.GetSelectedTool(), Tool(1));
    Select(0);
    EXPECT_FALSE(Enabled(IDC_WTK_TOOLS_MOVE_UP));
    Click(IDC_WTK_TOOLS_MOVE_DOWN);
    EXPECT_EQ(m_pManager->Labels(), "Third|&Console|&Notes");

    Select(2);
    Click(IDC_WTK_TOOLS_DELETE);
    EXPECT_EQ(m_pManager->Labels(), "Third|&Console");
    EXPECT_EQ(m_page.GetSelectedTool(), Tool(1)) << "the next one up is selected";

    while (m_pManager->CreateNewTool() != nullptr) {
    }
    Click(IDC_WTK_TOOLS_NEW);
    ASSERT_EQ(CMessageBoxScript::s_texts.size(), 1u);
    EXPECT_EQ(CMessageBoxScript::s_texts[0], "You may define up to 5 tools.");
}

TEST_F(ToolsPageTest, Screenshot)
{
    Select(0);
    m_sheet.ShowWindow(SW_SHOW);
    ::SetWindowPos(m_sheet.m_hWnd, HWND_TOP, 60, 60, 0, 0, SWP_NOSIZE);
    m_sheet.UpdateWindow();
    PumpPending();
    CRect rect;
    m_sheet.GetWindowRect(&rect);
    Canvas canvas(rect.Width(), rect.Height());
    ASSERT_TRUE(canvas.CopyFromWindow(m_sheet.GetSafeHwnd(), true));
    EXPECT_TRUE(canvas.WritePng(ScreenshotFolder() + "\\tools_page.png"));
    EXPECT_GT(canvas.BoundsOfOther(canvas.Pixel(2, rect.Height() / 2)).Width(), 100) << "the page drew";
}

}  // namespace
