// How the bars and menus meet the tools, with and without a manager: the placeholder item
// replaced in popup menus, a toolbar click that runs a tool, tool commands kept enabled, the
// placeholder kept out of customisation and usage counts, and tool icons on buttons and menus.
#include "UserToolsTestSupport.h"

#include "command_bars/WTKCommandUsageCounter.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarButton.h"

#include "Canvas.h"
#include "Files.h"
#include "MessagePump.h"

#include "frames/WTKFrameWnd.h"

#include "docview/FrameWnd.h"
#include "win/ShellLauncher.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr COLORREF kWiredIconHandle = RGB(128, 64, 0);

// A frame that records the commands that reach it.
class CToolsTestFrame : public CFrameWnd {
public:
    std::vector<UINT> m_commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (lParam == 0)
            m_commands.push_back(LOWORD(wParam));
        return CFrameWnd::OnCommand(wParam, lParam);
    }
};

// Launches through the shell are recorded, never started.
class CShellRecorder {
public:
    CShellRecorder() : m_pfnOld(FwSetShellLauncher(Record)) { s_files.clear(); }
    ~CShellRecorder() { FwSetShellLauncher(m_pfnOld); }
    CShellRecorder(const CShellRecorder&) = delete;
    CShellRecorder& operator=(const CShellRecorder&) = delete;
    static std::vector<std::string> s_files;

private:
    static HINSTANCE Record(HWND, LPCSTR, LPCSTR lpFile, LPCSTR, LPCSTR, int)
    {
        s_files.push_back(lpFile);
        return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
    }
    FwShellExecuteFn m_pfnOld;
};
std::vector<std::string> CShellRecorder::s_files;

HMENU BuildMenu(std::initializer_list<std::pair<UINT, const char*>> items)
{
    HMENU hMenu = ::CreatePopupMenu();
    for (const auto& item : items) {
        if (item.second == nullptr)
            ::AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenuA(hMenu, MF_STRING, item.first, item.second);
    }
    return hMenu;
}

class UserToolsWiringTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new CToolsTestFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Tools", WS_OVERLAPPEDWINDOW, CRect(40, 40, 440, 340)));
        m_pFrame->ShowWindow(SW_SHOW);
        theApp.m_pMainWnd = m_pFrame;
        PumpPending();
    }
    void TearDown() override
    {
        theApp.m_pMainWnd = nullptr;
        m_pFrame->DestroyWindow();
        PumpPending();
    }

    // The items of a popup opened from the menu, as "id:text" joined by "|" ("-" a separator);
    // the popup stays open in m_pPopup.
    std::string OpenMenu(std::initializer_list<std::pair<UINT, const char*>> items)
    {
        m_hMenu = BuildMenu(items);
        m_pPopup = CWTKPopupMenu::Open(std::make_unique<CWTKPopupMenu>(), m_pFrame, 100, 100, m_hMenu, FALSE, TRUE);
        if (m_pPopup == nullptr)
            return "<no popup>";
        PumpPending();
        std::string strItems;
        CWTKPopupMenuBar* pBar = m_pPopup->GetMenuBar();
        for (int i = 0; i < pBar->GetCount(); i++) {
            if (!strItems.empty())
                strItems += "|";
            if (pBar->GetButton(i)->IsSeparator())
                strItems += "-";
            else
                strItems += std::to_string(pBar->GetItemID(i)) + ":" + pBar->GetButtonText(i).GetString();
        }
        return strItems;
    }
    void CloseMenu()
    {
        if (m_pPopup != nullptr)
            m_pPopup->CloseMenu(FALSE);
        m_pPopup = nullptr;
        PumpPending();
        ::DestroyMenu(m_hMenu);
        m_hMenu = nullptr;
    }

    CToolsTestFrame* m_pFrame = nullptr;
    CWTKPopupMenu* m_pPopup = nullptr;
    HMENU m_hMenu = nullptr;
};

TEST_F(UserToolsWiringTest, ThePlaceholderItemBecomesTheToolsWithoutDoubleSeparators)
{
    const std::string strOpen = std::to_string(ID_TEST_OPEN) + ":&Open";
    const std::string strSave = std::to_string(ID_TEST_SAVE) + ":&Save";
    const std::string strEntry = std::to_string(ID_TEST_TOOLS_ENTRY) + ":Tools";
    const std::string strA = std::to_string(ID_TEST_FIRST_TOOL + 1) + ":Tool &A";
    const std::string strB = std::to_string(ID_TEST_FIRST_TOOL) + ":Tool &B";

    // Without a manager the placeholder stays as it is.
    EXPECT_EQ(OpenMenu({{ID_TEST_OPEN, "&Open"}, {ID_TEST_TOOLS_ENTRY, "Tools"}}), strOpen + "|" + strEntry);
    CloseMenu();

    CTestToolsManager manager;
    const struct {
        const char* pszName;
        bool bTools;
        std::initializer_list<std::pair<UINT, const char*>> items;
        std::string strExpected;
    } cases[] = {
        {"between items",
         true,
         {{ID_TEST_OPEN, "&Open"}, {ID_TEST_TOOLS_ENTRY, "Tools"}, {ID_TEST_SAVE, "&Save"}},
         strOpen + "|-|" + strA + "|" + strB + "|-|" + strSave},
        {"between separators",
         true,
         {{ID_TEST_OPEN, "&Open"}, {0, nullptr}, {ID_TEST_TOOLS_ENTRY, "Tools"}, {0, nullptr}, {ID_TEST_SAVE, "&Save"}},
         strOpen + "|-|" + strA + "|" + strB + "|-|" + strSave},
        {"first and last", true, {{ID_TEST_TOOLS_ENTRY, "Tools"}}, strA + "|" + strB},
        {"no tools between separators",
         false,
         {{ID_TEST_OPEN, "&Open"}, {0, nullptr}, {ID_TEST_TOOLS_ENTRY, "Tools"}, {0, nullptr}, {ID_TEST_SAVE, "&Save"}},
         strOpen + "|-|" + strSave},
        {"no tools at the end",
         false,
         {{ID_TEST_OPEN, "&Open"}, {0, nullptr}, {ID_TEST_TOOLS_ENTRY, "Tools"}},
         strOpen},
    };
    for (const auto& c : cases) {
        manager.RemoveAllTools();
        if (c.bTools) {
            manager.AddTool("Tool &A", ID_TEST_FIRST_TOOL + 1);
            manager.AddTool("Tool &B", ID_TEST_FIRST_TOOL);
        }
        EXPECT_EQ(OpenMenu(c.items), c.strExpected) << c.pszName;
        CloseMenu();
    }
}

TEST_F(UserToolsWiringTest, AToolsMenuItemShowsTheToolsIcon)
{
    CTestToolsManager manager;
    manager.AddTool("Tool &A", ID_TEST_FIRST_TOOL);
    OpenMenu({{ID_TEST_OPEN, "&Open"}, {ID_TEST_TOOLS_ENTRY, "Tools"}});
    ASSERT_NE(m_pPopup, nullptr);
    CRect rect;
    m_pPopup->GetWindowRect(&rect);
    Canvas canvas(rect.Width(), rect.Height());
    ASSERT_TRUE(canvas.CopyFromWindow(m_pPopup->GetSafeHwnd(), true));
    canvas.WritePng(ScreenshotFolder() + "\\tools_menu.png");
    EXPECT_GT(canvas.Count(kWiredIconHandle), 10) << "the default tool icon's handle";
    CloseMenu();
}

TEST_F(UserToolsWiringTest, AToolbarClickRunsTheToolAndAnIdWithoutToolGoesToTheFrame)
{
    CShellRecorder shell;
    CTestToolsManager manager;
    manager.AddTool("Console", ID_TEST_FIRST_TOOL, "console.exe");
    CWTKToolBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    bar.InsertButton(CWTKToolbarButton(ID_TEST_OPEN, -1, "Open"));
    bar.InsertButton(CWTKToolbarButton(ID_TEST_FIRST_TOOL, -1, "Console"));
    bar.InsertButton(CWTKToolbarButton(ID_TEST_FIRST_TOOL + 1, -1, "Gone"));
    m_pFrame->RecalcLayout();
    PumpPending();

    // Tool commands have no handler and stay enabled; other commands without one don't.
    bar.OnUpdateCmdUI(m_pFrame, TRUE);
    EXPECT_NE(bar.GetButtonStyle(0) & TBBS_DISABLED, 0u);
    EXPECT_EQ(bar.GetButtonStyle(1) & TBBS_DISABLED, 0u);
    EXPECT_EQ(bar.GetButtonStyle(2) & TBBS_DISABLED, 0u) << "the whole range, tool or not";

    for (int i = 1; i < 3; i++) {
        CRect rect;
        bar.GetItemRect(i, &rect);
        const LPARAM lPoint = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        bar.SendMessage(WM_LBUTTONUP, 0, lPoint);
        PumpPending();
    }
    EXPECT_EQ(CShellRecorder::s_files, std::vector<std::string> {"console.exe"});
    EXPECT_EQ(m_pFrame->m_commands, (std::vector<UINT> {ID_TEST_FIRST_TOOL + 1}))
        << "a tool id without a tool goes its usual way";
    bar.DestroyWindow();
}

TEST_F(UserToolsWiringTest, AToolkitFrameRunsToolsFromAcceleratorsAndFromMenusThatSendItTheirCommands)
{
    CShellRecorder shell;
    auto* pFrame = new CWTKFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Toolkit frame", WS_OVERLAPPEDWINDOW, CRect(60, 60, 360, 260)));
    const UINT uiTool = ID_TEST_FIRST_TOOL + 2;
    pFrame->SendMessage(WM_COMMAND, uiTool, 0);
    EXPECT_TRUE(CShellRecorder::s_files.empty()) << "no manager, no tool";
    {
        CTestToolsManager manager;
        manager.AddTool("Console", uiTool, "console.exe");
        pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(uiTool, 1), 0);  // an accelerator
        pFrame->SendMessage(WM_COMMAND, uiTool, 0);                 // a menu item
        pFrame->SendMessage(WM_COMMAND, uiTool + 1, 0);             // no tool has it
    }
    EXPECT_EQ(CShellRecorder::s_files, (std::vector<std::string> {"console.exe", "console.exe"}));
    pFrame->DestroyWindow();
    PumpPending();
}

TEST_F(UserToolsWiringTest, ThePlaceholderIsNoCommandOfItsOwn)
{
    const CWTKToolbarButton placeholder(ID_TEST_TOOLS_ENTRY, -1, "Tools");
    CWTKToolBar::AddBasicCommand(ID_TEST_OPEN);  // rarely used commands exist only beside basic ones
    CWTKCommandUsageCounter& counter = WTKGetCommandUsageCounter();
    counter.Reset();

    EXPECT_TRUE(placeholder.IsCustomizable()) << "without a manager it is a command like others";
    EXPECT_TRUE(CWTKToolBar::IsCommandRarelyUsed(ID_TEST_TOOLS_ENTRY));
    {
        CTestToolsManager manager;
        EXPECT_FALSE(placeholder.IsCustomizable());
        EXPECT_FALSE(CWTKToolBar::IsCommandRarelyUsed(ID_TEST_TOOLS_ENTRY));
        counter.AddCmd(ID_TEST_TOOLS_ENTRY);
        EXPECT_EQ(counter.GetTotal(), 0u);
        counter.AddCmd(ID_TEST_SAVE);
        EXPECT_EQ(counter.GetTotal(), 1u);
    }
    counter.Reset();
    CWTKToolBar::ClearBasicCommands();
}

TEST_F(UserToolsWiringTest, AButtonWithoutAnImageDrawsItsToolsIcon)
{
    const CRect rect(0, 0, 24, 24);
    Canvas withoutTool(24, 24);
    CWTKToolbarButton button(ID_TEST_FIRST_TOOL, -1, "");
    button.OnDraw(withoutTool.DC(), rect, nullptr, TRUE, FALSE, FALSE, FALSE, TRUE);
    EXPECT_EQ(withoutTool.Count(kWiredIconHandle), 0);

    CTestToolsManager manager;
    manager.AddTool("Tool", ID_TEST_FIRST_TOOL);
    Canvas withTool(24, 24);
    button.OnDraw(withTool.DC(), rect, nullptr, TRUE, FALSE, FALSE, FALSE, TRUE);
    EXPECT_EQ(withTool.Pixel(4 + 7, 4 + 10), kWiredIconHandle) << "the icon centred in the button";
}

}  // namespace
