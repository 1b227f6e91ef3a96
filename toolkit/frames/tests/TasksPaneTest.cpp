// The tasks pane: groups and their tasks laid out, command tasks that send their commands (and
// read as links, unlike tasks without a command), the hand over tasks and captions, window tasks
// that hold a child, collapsing a group (at once and animated on a fake clock), the navigation
// history, the page menu button, scrolling, and the gallery picture.
#include "OutlookTestSupport.h"

#include "frames/WTKTasksPane.h"
#include "frames/res/WTKFramesRes.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"
#include "foundation/WTKWinXPVisualManager.h"
#include "foundation/tests/LookScope.h"

#include "core/ResourceHandle.h"
#include "win/TickClock.h"

#include "Canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kCmdNew = 41001;
constexpr UINT kCmdOpen = 41002;
constexpr int kPaneWidth = 200;
constexpr int kPaneHeight = 400;

// A pane that records the clicks it hears before doing what a pane does.
class CRecordingPane : public CWTKTasksPane {
public:
    struct Click {
        int nGroup, nTask;
        UINT uiCommand;
        DWORD_PTR dwData;
    };
    std::vector<Click> m_clicks;

    void OnClickTask(int nGroupNumber, int nTaskNumber, UINT uiCommandID, DWORD_PTR dwUserData) override
    {
        m_clicks.push_back({nGroupNumber, nTaskNumber, uiCommandID, dwUserData});
        CWTKTasksPane::OnClickTask(nGroupNumber, nTaskNumber, uiCommandID, dwUserData);
    }
};

struct PaneFixture {
    COutlookTestHost host;
    CRecordingPane pane;

    explicit PaneFixture(int nHeight = kPaneHeight)
    {
        EXPECT_TRUE(host.CreateHost(kPaneWidth + 40, nHeight));
        EXPECT_TRUE(pane.Create(&host));
        pane.SetWindowPos(nullptr, 0, 0, kPaneWidth, nHeight, SWP_NOZORDER);
        PumpPending();
    }
    // Two groups on page 0: "File" (New, Open) and "Details" (one line).
    void AddFileGroups()
    {
        const int nFile = pane.AddGroup("File");
        pane.AddTask(nFile, "New document", -1, kCmdNew, 7);
        pane.AddTask(nFile, "Open", -1, kCmdOpen, 8);
        const int nDetails = pane.AddGroup("Details");
        pane.AddTask(nDetails, "Nothing selected");
        PumpPending();
    }
};

TEST(TasksPane, GroupsStackTheirCaptionsAndTasksInTheWorkArea)
{
    PaneFixture f;
    f.AddFileGroups();
    char szText[64] = {};
    ::GetWindowTextA(f.pane.GetSafeHwnd(), szText, sizeof(szText));
    EXPECT_STREQ("Tasks Pane", szText) << "one page: the window text is that page's name";
    EXPECT_FALSE(f.pane.GetNavigationToolBar().IsWindowVisible()) << "one page needs no navigation";

    const CWTKTasksGroup* pFile = f.pane.GetGroup(0);
    const CWTKTasksGroup* pDetails = f.pane.GetGroup(1);
    const CRect area = f.pane.GetTasksArea();
    const int nMargin = f.pane.GetMetric(CWTKTasksPane::kHorzMargin);
    EXPECT_EQ(area.left + nMargin, pFile->m_rect.left);
    EXPECT_EQ(area.top + f.pane.GetMetric(CWTKTasksPane::kVertMargin), pFile->m_rect.top);
    EXPECT_GE(pFile->m_rect.Height(), f.pane.GetMetric(CWTKTasksPane::kCaptionMinHeight));
    const CRect first = f.pane.GetTask(0, 0)->m_rect;
    const CRect second = f.pane.GetTask(0, 1)->m_rect;
    EXPECT_EQ(pFile->m_rect.bottom + f.pane.GetMetric(CWTKTasksPane::kTaskSpacing), first.top);
    EXPECT_EQ(pFile->m_rect.left + f.pane.GetMetric(CWTKTasksPane::kTaskIndent), first.left);
    EXPECT_EQ(first.bottom + f.pane.GetMetric(CWTKTasksPane::kTaskSpacing), second.top);
    EXPECT_EQ(pFile->m_rectGroup.bottom + f.pane.GetMetric(CWTKTasksPane::kGroupSpacing), pDetails->m_rect.top)
        << "the next group follows after the group spacing";

    f.pane.SetMetric(CWTKTasksPane::kTaskIndent, 30);
    EXPECT_EQ(pFile->m_rect.left + 30, f.pane.GetTask(0, 0)->m_rect.left) << "a program's metric overrides the look's";
    EXPECT_EQ(-1, f.pane.AddGroup(5, "No page"));
    EXPECT_EQ(-1, f.pane.AddTask(9, "No group"));
}

TEST(TasksPane, ACommandTaskSendsItsCommandAndAHoverShowsItsPrompt)
{
    PaneFixture f;
    f.AddFileGroups();
    const CPoint ptOpen = f.pane.GetTask(0, 1)->m_rect.CenterPoint();
    f.pane.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptOpen.x, ptOpen.y));
    EXPECT_EQ(f.pane.GetTask(0, 1), f.pane.GetHotTask());
    EXPECT_EQ(&f.pane, CWnd::GetCapture()) << "a hot task holds the mouse";
    ASSERT_FALSE(f.host.m_prompts.empty());
    EXPECT_EQ(kCmdOpen, f.host.m_prompts.back()) << "the status bar shows the task's prompt";

    ClickAt(&f.pane, ptOpen);
    ASSERT_EQ(1u, f.pane.m_clicks.size());
    EXPECT_EQ(0, f.pane.m_clicks[0].nGroup);
    EXPECT_EQ(1, f.pane.m_clicks[0].nTask);
    EXPECT_EQ(kCmdOpen, f.pane.m_clicks[0].uiCommand);
    EXPECT_EQ(8u, f.pane.m_clicks[0].dwData);
    ASSERT_EQ(1u, f.host.m_commands.size());
    EXPECT_EQ(kCmdOpen, f.host.m_commands[0]);

    // Away from every task the idle prompt comes back and the capture goes.
    const CPoint ptNew = f.pane.GetTask(0, 0)->m_rect.CenterPoint();
    f.pane.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptNew.x, ptNew.y));
    EXPECT_EQ(kCmdNew, f.host.m_prompts.back());
    f.pane.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2, kPaneHeight - 2));
    EXPECT_EQ(nullptr, f.pane.GetHotTask());
    EXPECT_EQ(0xE001u, f.host.m_prompts.back());
    EXPECT_NE(&f.pane, CWnd::GetCapture());

    // A press on one task and a release on another is no click.
    f.pane.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptNew.x, ptNew.y));
    f.pane.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptNew.x, ptNew.y));
    f.pane.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptOpen.x, ptOpen.y));
    EXPECT_EQ(1u, f.pane.m_clicks.size());

    f.pane.GetTask(0, 0)->m_bEnabled = FALSE;
    ClickAt(&f.pane, ptNew);
    EXPECT_EQ(1u, f.pane.m_clicks.size()) << "a disabled task does nothing";
}

// Under the Windows XP look a task with a command reads as a link in the selection colour, one
// without a command as plain text in the window text colour.
TEST(TasksPane, ATaskWithoutACommandIsDrawnAsPlainText)
{
    const LookScope look(RUNTIME_CLASS(CWTKWinXPVisualManager));
    PaneFixture f;
    f.AddFileGroups();
    const COLORREF clrLink = WTKGetGlobalData().clrHilite;
    const COLORREF clrPlain = ::GetSysColor(COLOR_WINDOWTEXT);
    ASSERT_NE(clrLink, clrPlain);
    CRect rectClient;
    f.pane.GetClientRect(rectClient);
    Canvas canvas(rectClient.Width(), rectClient.Height());
    f.pane.DoPaint(canvas.DC());

    const struct {
        const char* name;
        const CWTKTask* pTask;
        COLORREF clrText, clrNot;
    } rows[] = {{"with a command", f.pane.GetTask(0, 0), clrLink, clrPlain},
                {"without a command", f.pane.GetTask(1, 0), clrPlain, clrLink}};
    for (const auto& row : rows) {
        ASSERT_NE(row.pTask, nullptr) << row.name;
        EXPECT_GT(canvas.Count(row.clrText, row.pTask->m_rect), 5) << row.name;
        EXPECT_EQ(canvas.Count(row.clrNot, row.pTask->m_rect), 0) << row.name;
    }
}

// Over a task or a group caption the pane shows the hand cursor of the toolkit's resources;
// elsewhere it leaves the cursor to the bar.
TEST(TasksPane, TasksAndCaptionsShowTheToolkitsHand)
{
    PaneFixture f;
    f.AddFileGroups();
    const HCURSOR hHand = ::LoadCursorA(FwGetResourceHandle(), MAKEINTRESOURCEA(IDC_WTK_TASKS_PANE_HAND));
    ASSERT_NE(hHand, nullptr) << "the frames' resource script holds the hand";
    auto cursorAt = [&](CPoint ptClient) {
        CPoint ptScreen = ptClient;
        f.pane.ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        ::SetCursor(nullptr);
        f.pane.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(f.pane.GetSafeHwnd()),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return ::GetCursor();
    };
    EXPECT_EQ(cursorAt(f.pane.GetTask(0, 1)->m_rect.CenterPoint()), hHand);
    EXPECT_EQ(cursorAt(f.pane.GetGroup(1)->m_rect.CenterPoint()), hHand);
    EXPECT_NE(cursorAt(CPoint(2, kPaneHeight - 2)), hHand);
}

TEST(TasksPane, AWindowTaskHoldsItsChildAtTheTasksPlace)
{
    PaneFixture f;
    f.AddFileGroups();
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "notes", WS_CHILD | WS_BORDER, 0, 0, 10, 10, f.pane.GetSafeHwnd(),
                                   nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hEdit);
    const int nGroup = f.pane.AddGroup("Notes");
    ASSERT_EQ(0, f.pane.AddWindow(nGroup, hEdit, 50, TRUE));
    PumpPending();
    const CRect rectTask = f.pane.GetTask(nGroup, 0)->m_rect;
    EXPECT_EQ(50, rectTask.Height());
    CRect rectEdit;
    ::GetWindowRect(hEdit, &rectEdit);
    f.pane.ScreenToClient(rectEdit);
    EXPECT_EQ(rectTask, rectEdit) << "the child stands at the task's rectangle";
    EXPECT_TRUE(::IsWindowVisible(hEdit));

    f.pane.CollapseGroup(nGroup, TRUE);
    EXPECT_FALSE(::IsWindowVisible(hEdit)) << "a collapsed group hides its window";
    f.pane.CollapseGroup(nGroup, FALSE);
    EXPECT_TRUE(::IsWindowVisible(hEdit));

    f.pane.AddPage("Search");
    f.pane.SetActivePage(1);
    EXPECT_FALSE(::IsWindowVisible(hEdit)) << "another page hides the first page's windows";
    f.pane.OnPressBackButton();
    EXPECT_TRUE(::IsWindowVisible(hEdit));
    EXPECT_EQ(-1, f.pane.AddWindow(nGroup, nullptr, 10)) << "a task window must exist";
}

TEST(TasksPane, ACaptionClickCollapsesAndExpandsItsGroup)
{
    PaneFixture f;
    f.AddFileGroups();
    CWTKTasksGroup* pFile = f.pane.GetGroup(0);
    const int nDetailsTop = f.pane.GetGroup(1)->m_rect.top;
    ClickAt(&f.pane, pFile->m_rect.CenterPoint());
    EXPECT_TRUE(pFile->m_bIsCollapsed);
    EXPECT_TRUE(f.pane.GetTask(0, 0)->m_rect.IsRectEmpty()) << "a collapsed group's tasks take no room";
    EXPECT_LT(f.pane.GetGroup(1)->m_rect.top, nDetailsTop) << "the next group moves up";
    EXPECT_TRUE(f.pane.m_clicks.empty()) << "a caption click is no task click";

    ClickAt(&f.pane, pFile->m_rect.CenterPoint());
    EXPECT_FALSE(pFile->m_bIsCollapsed);
    EXPECT_EQ(nDetailsTop, f.pane.GetGroup(1)->m_rect.top);

    f.pane.EnableGroupCollapse(FALSE);
    ClickAt(&f.pane, pFile->m_rect.CenterPoint());
    EXPECT_FALSE(pFile->m_bIsCollapsed) << "collapsing switched off";
}

DWORD g_dwNow = 1000;
DWORD FakeClock()
{
    return g_dwNow;
}

TEST(TasksPane, TheCollapseAnimationFollowsTheClock)
{
    PaneFixture f;
    f.AddFileGroups();
    f.pane.EnableAnimation(TRUE);
    FwSetTickClock(FakeClock);
    CWTKTasksGroup* pFile = f.pane.GetGroup(0);
    const int nFullHeight = pFile->m_rectGroup.Height();
    ClickAt(&f.pane, pFile->m_rect.CenterPoint());
    ASSERT_EQ(pFile, f.pane.GetAnimatedGroup());
    EXPECT_EQ(nFullHeight, f.pane.GetAnimatedHeight()) << "the collapse starts from the full height";

    // Every 30 ms of clock moves the group by one line.
    std::vector<int> heights;
    for (int i = 0; i < 50 && f.pane.GetAnimatedGroup() != nullptr; i++) {
        g_dwNow += 30;
        f.pane.SendMessage(WM_TIMER, CWTKTasksPane::kAnimationTimer, 0);
        heights.push_back(pFile->m_rectGroup.Height());
    }
    EXPECT_EQ(nullptr, f.pane.GetAnimatedGroup()) << "the collapse ends";
    ASSERT_GE(heights.size(), 2u);
    EXPECT_LT(heights.front(), nFullHeight);
    EXPECT_LE(heights.back(), 1) << "the group ends closed";

    g_dwNow += 5;
    ClickAt(&f.pane, pFile->m_rect.CenterPoint());
    ASSERT_EQ(pFile, f.pane.GetAnimatedGroup());
    g_dwNow += 10;
    f.pane.SendMessage(WM_TIMER, CWTKTasksPane::kAnimationTimer, 0);
    const int nAfterShortTick = pFile->m_rectGroup.Height();
    for (int i = 0; i < 50 && f.pane.GetAnimatedGroup() != nullptr; i++) {
        g_dwNow += 30;
        f.pane.SendMessage(WM_TIMER, CWTKTasksPane::kAnimationTimer, 0);
    }
    EXPECT_EQ(nullptr, f.pane.GetAnimatedGroup());
    EXPECT_LT(nAfterShortTick, nFullHeight) << "a tick shorter than a step moves nothing";
    EXPECT_EQ(nFullHeight, pFile->m_rectGroup.Height()) << "the group ends fully open";
    FwSetTickClock(nullptr);
}

// Visiting pages 1, 2 and 3 from page 0, then Back twice.
TEST(TasksPane, TheHistoryKeepsAtMostItsMaximumAndAlwaysTheCurrentPage)
{
    const struct {
        int nMax;
        std::vector<int> history;     // after the visits
        std::vector<int> afterBacks;  // the page after each of two Back presses
    } cases[] = {
        {0, {3}, {3, 3}}, {1, {3}, {3, 3}}, {2, {2, 3}, {2, 2}}, {3, {1, 2, 3}, {2, 1}}, {10, {0, 1, 2, 3}, {2, 1}},
    };
    for (const auto& c : cases) {
        PaneFixture f;
        for (const char* name : {"Search", "Help", "Clip art"})
            f.pane.AddPage(name);
        f.pane.SetMaxHistory(c.nMax);
        for (int nPage : {1, 2, 3})
            f.pane.SetActivePage(nPage);
        EXPECT_EQ(c.history, f.pane.GetHistory()) << "maximum " << c.nMax;
        EXPECT_EQ(3, f.pane.GetActivePage());
        EXPECT_FALSE(f.pane.IsForwardEnabled());
        for (int nExpected : c.afterBacks) {
            f.pane.SendMessage(WM_COMMAND, CWTKTasksPane::kCmdBack, 0);
            EXPECT_EQ(nExpected, f.pane.GetActivePage()) << "maximum " << c.nMax;
        }
    }
}

TEST(TasksPane, BackForwardAndHomeMoveThroughTheHistory)
{
    PaneFixture f;
    for (const char* name : {"Search", "Help"})
        f.pane.AddPage(name);
    f.pane.SetActivePage(1);
    f.pane.SetActivePage(2);
    CTasksPaneToolBar& toolbar = f.pane.GetNavigationToolBar();
    auto enabled = [&toolbar](UINT uiCmd) {
        return !(toolbar.GetButtonStyle(toolbar.CommandToIndex(uiCmd)) & TBBS_DISABLED);
    };
    EXPECT_TRUE(enabled(CWTKTasksPane::kCmdBack));
    EXPECT_FALSE(enabled(CWTKTasksPane::kCmdForward));

    f.pane.OnPressBackButton();
    EXPECT_EQ(1, f.pane.GetActivePage());
    EXPECT_TRUE(enabled(CWTKTasksPane::kCmdForward)) << "Forward follows the history position";
    f.pane.OnPressForwardButton();
    EXPECT_EQ(2, f.pane.GetActivePage());
    f.pane.OnPressBackButton();
    f.pane.OnPressHomeButton();
    EXPECT_EQ(0, f.pane.GetActivePage());
    EXPECT_EQ((std::vector<int> {0, 1, 0}), f.pane.GetHistory()) << "a new page drops the entries after it";
    EXPECT_FALSE(f.pane.IsForwardEnabled());
    f.pane.SetActivePage(0);
    EXPECT_EQ(3u, f.pane.GetHistory().size()) << "the current page is not recorded twice";
}

std::vector<std::string> g_menuItems;
int g_nCheckedItem = -1;
int g_nChoose = -1;
UINT ScriptedTracker(HMENU hMenu, CPoint, CWnd*)
{
    g_menuItems.clear();
    g_nCheckedItem = -1;
    for (int i = 0; i < ::GetMenuItemCount(hMenu); i++) {
        char sz[64] = {};
        ::GetMenuStringA(hMenu, static_cast<UINT>(i), sz, sizeof(sz), MF_BYPOSITION);
        g_menuItems.push_back(sz);
        if (::GetMenuState(hMenu, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED)
            g_nCheckedItem = i;
    }
    return g_nChoose < 0 ? 0 : ::GetMenuItemID(hMenu, g_nChoose);
}

TEST(TasksPane, ThePagesMenuButtonListsThePagesAndSwitches)
{
    PaneFixture f;
    f.pane.AddPage("Search");
    f.pane.AddPage("Help");
    PumpPending();
    CTasksPaneToolBar& toolbar = f.pane.GetNavigationToolBar();
    EXPECT_TRUE(toolbar.IsWindowVisible()) << "several pages: the navigation toolbar shows";
    EXPECT_EQ(toolbar.GetParent(), &f.pane);
    EXPECT_LE(CRect(f.pane.GetPageArea()).top, [&] {
        CRect r;
        toolbar.GetWindowRect(r);
        f.pane.ScreenToClient(r);
        return r.top;
    }());
    const int iMenu = toolbar.CommandToIndex(CWTKTasksPane::kCmdOtherPages);
    ASSERT_GE(iMenu, 0);
    EXPECT_NE(nullptr, dynamic_cast<CTasksPaneMenuButton*>(toolbar.GetButton(iMenu)));
    EXPECT_STREQ("Tasks Pane", toolbar.GetButtonText(iMenu)) << "the menu button shows the pane's caption";

    // The page menu: the command 17020 for every page, the current page checked.
    HMENU hMenu = f.pane.GetPagesMenu();
    ASSERT_EQ(3, ::GetMenuItemCount(hMenu));
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(CWTKTasksPane::kCmdOtherPages, ::GetMenuItemID(hMenu, i));
    EXPECT_TRUE(::GetMenuState(hMenu, 0, MF_BYPOSITION) & MF_CHECKED);

    CWTKTasksPane::SetMenuTracker(ScriptedTracker);
    g_nChoose = 2;
    CRect rectButton;
    toolbar.GetItemRect(iMenu, rectButton);
    ClickAt(&toolbar, rectButton.CenterPoint());
    EXPECT_EQ((std::vector<std::string> {"Tasks Pane", "Search", "Help"}), g_menuItems);
    EXPECT_EQ(0, g_nCheckedItem);
    EXPECT_EQ(2, f.pane.GetActivePage()) << "the page chosen becomes active";
    EXPECT_TRUE(::GetMenuState(f.pane.GetPagesMenu(), 2, MF_BYPOSITION) & MF_CHECKED);

    g_nChoose = -1;
    ClickAt(&toolbar, rectButton.CenterPoint());
    EXPECT_EQ(2, f.pane.GetActivePage()) << "a menu closed without a choice changes nothing";
    CWTKTasksPane::SetMenuTracker(nullptr);
}

TEST(TasksPane, AContentTallerThanThePaneScrollsByLines)
{
    PaneFixture f(160);
    const int nGroup = f.pane.AddGroup("Many");
    for (int i = 0; i < 20; i++)
        f.pane.AddTask(nGroup, ("Task " + std::to_string(i)).c_str(), -1, kCmdNew + static_cast<UINT>(i));
    PumpPending();
    CScrollBar& bar = f.pane.GetScrollBar();
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_GT(f.pane.GetLastLine(), 0);
    const int nTop = f.pane.GetGroup(nGroup)->m_rect.top;

    const struct {
        UINT nCode;
        UINT nPos;
        int nExpected;  // -1: the last reachable line
    } steps[] = {
        {SB_LINEDOWN, 0, 1},       {SB_LINEDOWN, 0, 2}, {SB_LINEUP, 0, 1},
        {SB_THUMBPOSITION, 4, 4},  {SB_BOTTOM, 0, -1},  {SB_LINEDOWN, 0, -1},
        {SB_ENDSCROLL + 1, 0, -1}, {SB_TOP, 0, 0},      {SB_LINEUP, 0, 0},
    };
    const int nLast = std::max(0, f.pane.GetLastLine() - f.pane.GetViewLines() + 1);
    for (const auto& s : steps) {
        f.pane.SendMessage(WM_VSCROLL, MAKEWPARAM(s.nCode, s.nPos), 0);
        const int nExpected = s.nExpected < 0 ? nLast : s.nExpected;
        EXPECT_EQ(nExpected, f.pane.GetFirstVisibleLine()) << "code " << s.nCode;
        EXPECT_EQ(nExpected, bar.GetScrollPos()) << "code " << s.nCode;
    }
    f.pane.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_LT(f.pane.GetGroup(nGroup)->m_rect.top, nTop) << "the groups move up by a line";
}

TEST(TasksPaneGallery, APaneDockedInAToolkitFrame)
{
    auto* pFrame = new COutlookGalleryFrame;
    ASSERT_TRUE(pFrame->CreateGallery("Tasks pane", 460, 420));
    CWTKTasksPane& pane = pFrame->m_wndTasksPane;
    ASSERT_TRUE(pane.Create(pFrame));
    pane.SetBarWidth(220);
    pane.AddPage("Search");
    const int nOpen = pane.AddGroup("Open a document", FALSE, TRUE);
    pane.AddTask(nOpen, "Code 39 label", -1, kCmdOpen);
    pane.AddTask(nOpen, "More documents...", -1, kCmdOpen);
    const int nNew = pane.AddGroup("New");
    pane.AddTask(nNew, "Blank label", -1, kCmdNew);
    pane.AddTask(nNew, "From a template", -1, kCmdNew);
    const int nNotes = pane.AddGroup("Notes");
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "Window task", WS_CHILD | WS_BORDER, 0, 0, 10, 10, pane.GetSafeHwnd(),
                                   nullptr, nullptr, nullptr);
    ::SendMessageA(hEdit, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    pane.AddWindow(nNotes, hEdit, 40, TRUE);
    const int nCollapsed = pane.AddGroup("Collapsed group");
    pane.AddTask(nCollapsed, "Hidden task");
    pane.CollapseGroup(nCollapsed);
    pane.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&pane, FW_IDW_DOCKBAR_RIGHT);
    pFrame->RecalcLayout();
    PumpPending();
    const CPoint ptHot = pane.GetTask(nNew, 0)->m_rect.CenterPoint();
    pane.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptHot.x, ptHot.y));
    EXPECT_TRUE(pane.GetNavigationToolBar().IsWindowVisible());
    EXPECT_TRUE(::IsWindowVisible(hEdit));
    EXPECT_TRUE(SaveWindowPicture(pFrame, "gallery_tasks_pane.png"));
    pane.SendMessage(WM_CANCELMODE);
    pFrame->DestroyWindow();
}

}  // namespace
