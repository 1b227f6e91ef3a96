// The menu bar on a real frame: built from the frame's menu, menus swapped through the snapshot
// store, handles never destroyed by the bar, the original state, the registry state (also a
// damaged one), the keyboard, FindMenuText, and a screenshot with a menu and a sub-menu open.
#include "MenuBarTestSupport.h"

#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "command_bars/tests/CommandBarSettingsScope.h"

#include "foundation/WTKRegistry.h"
#include "foundation/WTKWorkspace.h"

#include "Canvas.h"

#include <memory>
#include <string>

namespace {

constexpr char kProfile[] = "Software\\WTKMenuBarTests\\State\\";

struct MenuBarFixture : ::testing::Test {
    void SetUp() override
    {
        pFrame = new CMenuBarTestFrame;
        ASSERT_TRUE(pFrame->CreateWithMenuBar(FALSE));
        pBar = &pFrame->m_wndMenuBar;
    }
    void TearDown() override
    {
        CWTKPopupMenu* pActive = CWTKPopupMenu::GetActiveMenu();
        if (pActive != nullptr && ::IsWindow(pActive->GetSafeHwnd()))
            pActive->SendMessage(WM_CLOSE);
        PumpPending();
        if (pFrame != nullptr)
            pFrame->DestroyWindow();
        PumpPending();
    }
    std::string Text(int i) const { return std::string(pBar->GetButtonText(i)); }

    CMenuBarTestFrame* pFrame = nullptr;
    CWTKMenuBar* pBar = nullptr;
};

// The bar's items: text, kind ('m' menu title, 'c' command, '-' separator) and id.
std::string Describe(const CWTKMenuBar& bar)
{
    std::string str;
    for (int i = 0; i < bar.GetCount(); i++) {
        const CWTKToolbarButton* pButton = bar.GetButton(i);
        if (pButton->IsSeparator())
            str += "- ";
        else if (dynamic_cast<const CWTKToolbarMenuButton*>(pButton) != nullptr)
            str += "m:" + std::string(pButton->m_strText) + " ";
        else
            str += "c:" + std::string(pButton->m_strText) + " ";
    }
    return str;
}

TEST_F(MenuBarFixture, IsBuiltFromTheFramesMenuWhichTheFrameNoLongerShows)
{
    EXPECT_EQ(Describe(*pBar), "m:&File m:&Edit c:&Print! - m:&Help ");
    EXPECT_EQ(::GetMenu(pFrame->GetSafeHwnd()), nullptr);
    EXPECT_EQ(pBar->GetHMenu(), pFrame->m_hDefault);
    EXPECT_EQ(pBar->GetDefaultMenu(), pFrame->m_hDefault);
    EXPECT_EQ(pBar->GetDefaultMenuResId(), static_cast<UINT>(IDR_MB_FRAME));
    EXPECT_EQ(pBar->GetItemID(2), static_cast<UINT>(ID_TEST_PRINT));
    CString strTitle;
    pBar->GetWindowText(strTitle);
    EXPECT_EQ(std::string(strTitle), "Menu Bar");

    // Titles show their text without images; the File title carries the File popup's items.
    auto* pFile = dynamic_cast<CWTKToolbarMenuButton*>(pBar->GetButton(0));
    ASSERT_NE(pFile, nullptr);
    EXPECT_TRUE(pFile->m_bText);
    EXPECT_FALSE(pFile->m_bImage);
    EXPECT_EQ(pFile->GetCommands().GetCount(), 5);

    // The same menu again without force rebuilds nothing.
    const CWTKToolbarButton* pBefore = pBar->GetButton(1);
    pBar->CreateFromMenu(pBar->GetHMenu());
    EXPECT_EQ(pBar->GetButton(1), pBefore);
    pBar->CreateFromMenu(pBar->GetHMenu(), FALSE, TRUE);
    EXPECT_EQ(Describe(*pBar), "m:&File m:&Edit c:&Print! - m:&Help ");
}

TEST_F(MenuBarFixture, EachMenuKeepsItsButtonsAndTheBarNeverDestroysAMenu)
{
    HMENU hDoc = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MB_DOC));
    ASSERT_NE(hDoc, nullptr);
    HMENU hDefault = pBar->GetDefaultMenu();

    // The default menu's bar is changed by the user, then the document's menu comes.
    ASSERT_TRUE(pBar->RemoveButton(2));
    pBar->CreateFromMenu(hDoc);
    EXPECT_EQ(Describe(*pBar), "m:&File m:&Window ");
    EXPECT_EQ(pBar->GetDefaultMenu(), hDefault);
    pBar->SetButtonText(1, "&Windows");

    // Back and forth: each menu comes back as it was left.
    pBar->CreateFromMenu(hDefault, TRUE);
    EXPECT_EQ(Describe(*pBar), "m:&File m:&Edit - m:&Help ");
    pBar->CreateFromMenu(hDoc);
    EXPECT_EQ(Describe(*pBar), "m:&File m:&Windows ");

    // A bar that goes leaves both menus to their owners.
    pBar->DestroyWindow();
    {
        auto pOther = std::make_unique<CWTKMenuBar>();
        ASSERT_TRUE(pOther->Create(pFrame, WS_CHILD | CBRS_TOP, 0xE81B));
        pOther->CreateFromMenu(hDoc);
        pOther->DestroyWindow();
    }
    EXPECT_TRUE(::IsMenu(hDoc));
    EXPECT_TRUE(::IsMenu(hDefault));
    ::DestroyMenu(hDoc);
}

TEST_F(MenuBarFixture, OriginalStateGivesTheNewDefaultMenuToTheFrameWhichDropsTheOldOnce)
{
    HMENU hOld = pBar->GetDefaultMenu();
    ASSERT_TRUE(pBar->RemoveButton(0));
    ASSERT_TRUE(pBar->RestoreOriginalState());

    ASSERT_EQ(pFrame->m_replacedMenus.size(), 1u);
    EXPECT_EQ(pFrame->m_replacedMenus[0], hOld);
    HMENU hNew = pBar->GetDefaultMenu();
    EXPECT_NE(hNew, hOld);
    EXPECT_TRUE(::IsMenu(hNew));
    EXPECT_FALSE(::IsMenu(hOld)) << "the frame destroyed the old menu";
    EXPECT_EQ(pFrame->m_hDefault, hNew);
    EXPECT_EQ(pBar->GetHMenu(), hNew);
    EXPECT_EQ(Describe(*pBar), "m:&File m:&Edit c:&Print! - m:&Help ");

    // Twice in a row: still one owner, one handle alive.
    ASSERT_TRUE(pBar->RestoreOriginalState());
    EXPECT_FALSE(::IsMenu(hNew));
    EXPECT_TRUE(::IsMenu(pFrame->m_hDefault));
    EXPECT_EQ(pBar->GetDefaultMenu(), pFrame->m_hDefault);
}

TEST_F(MenuBarFixture, StateIsSavedAndLoadedAndADamagedValueRebuildsTheMenu)
{
    CWTKRegistry reg(FALSE, FALSE);
    reg.DeleteKey(kProfile);

    ASSERT_TRUE(pBar->RemoveButton(2));
    const std::string strCustomised = Describe(*pBar);
    ASSERT_TRUE(pBar->SaveState(kProfile));
    EXPECT_EQ(Describe(*pBar), strCustomised) << "saving leaves the bar as it was";

    // A new frame reads the saved buttons.
    TearDown();
    pFrame = new CMenuBarTestFrame;
    ASSERT_TRUE(pFrame->CreateWithMenuBar(FALSE));
    pBar = &pFrame->m_wndMenuBar;
    EXPECT_NE(Describe(*pBar), strCustomised);
    ASSERT_TRUE(pBar->LoadState(kProfile));
    EXPECT_EQ(Describe(*pBar), strCustomised);
    EXPECT_TRUE(pFrame->m_resetMenus.empty());

    // The stored buttons damaged: the bar comes from the menu and the frame hears it once.
    CString strKey;
    strKey.Format("%sWTKToolBar-%d%x", kProfile, pBar->GetDlgCtrlID(), 0);
    ASSERT_TRUE(reg.Open(strKey));
    const BYTE damaged[] = {0x05, 0x00, 0xFF, 0xFF, 0x7F, 0x00, 0x00, 0x41, 0x42};
    ASSERT_TRUE(reg.Write("Buttons", const_cast<BYTE*>(damaged), sizeof(damaged)));
    reg.Close();
    ASSERT_TRUE(pBar->LoadState(kProfile));
    EXPECT_EQ(Describe(*pBar), "m:&File m:&Edit c:&Print! - m:&Help ");
    EXPECT_EQ(pFrame->m_resetMenus, (std::vector<UINT> {IDR_MB_FRAME}));

    CWTKRegistry regClean(FALSE, FALSE);
    regClean.DeleteKey(kProfile);
}

// With a workspace that keeps original items, a saved menu bar comes back while the program's
// menu is the one it was saved with; a menu that changed since (a title whose items changed, a
// title new in the resource, even one where a separator was) is rebuilt from the new menu and
// the frame hears it, with every title a menu title again.
TEST_F(MenuBarFixture, OriginalItemsRebuildTheBarOnlyWhenTheMenuResourceChanged)
{
    CWTKWorkspace workspace(TRUE);
    CWTKRegistry reg(FALSE, FALSE);
    reg.DeleteKey(kProfile);
    ASSERT_TRUE(pBar->RemoveButton(2));
    const std::string strCustomised = Describe(*pBar);
    ASSERT_TRUE(pBar->SaveState(kProfile));

    struct Run {
        UINT nResId;
        const char* expected;
        BOOL bReset;
    } runs[] = {
        {IDR_MB_FRAME, "m:&File m:&Edit - m:&Help ", FALSE},
        {IDR_MB_FRAME_NEXT, "m:&File m:&Edit c:&Print! - m:&Tools m:&Help ", TRUE},
        {IDR_MB_FRAME_TOOLS, "m:&File m:&Edit c:&Print! m:&Tools m:&Help ", TRUE},
    };
    ASSERT_EQ(strCustomised, runs[0].expected);
    for (const Run& run : runs) {
        SCOPED_TRACE(run.nResId);
        TearDown();
        pFrame = new CMenuBarTestFrame;
        ASSERT_TRUE(pFrame->CreateWithMenuBar(FALSE, CRect(40, 40, 640, 400), run.nResId));
        pBar = &pFrame->m_wndMenuBar;
        ASSERT_TRUE(pBar->LoadState(kProfile));
        EXPECT_EQ(Describe(*pBar), run.expected);
        EXPECT_EQ(pFrame->m_resetMenus.size(), run.bReset ? 1u : 0u);
        if (run.nResId == IDR_MB_FRAME_NEXT) {
            auto* pEdit = dynamic_cast<CWTKToolbarMenuButton*>(pBar->GetButton(1));
            ASSERT_NE(pEdit, nullptr);
            EXPECT_EQ(pEdit->GetCommands().GetCount(), 4) << "the Edit menu's new item";
        }
    }
    reg.DeleteKey(kProfile);
}

TEST(MenuBarText, FindMenuTextSearchesSubMenusDepthFirst)
{
    HMENU hMenu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MB_FRAME));
    ASSERT_NE(hMenu, nullptr);
    struct Case {
        HMENU hMenu;
        UINT uiCmd;
        BOOL bFound;
        const char* text;
    } cases[] = {
        {hMenu, ID_TEST_NEW, TRUE, "&New\tCtrl+N"},
        {hMenu, ID_MB_RECENT_TWO, TRUE, "&2 Second"},
        {hMenu, ID_TEST_PRINT, TRUE, "&Print!"},
        {hMenu, ID_MB_ABOUT, TRUE, "&About"},
        {hMenu, 0, FALSE, ""},
        {hMenu, static_cast<UINT>(-1), FALSE, ""},
        {nullptr, ID_TEST_NEW, FALSE, ""},
        {hMenu, ID_MB_WINDOW_NEW, FALSE, ""},
    };
    for (const Case& c : cases) {
        CString strText;
        EXPECT_EQ(CWTKMenuBar::FindMenuText(c.hMenu, c.uiCmd, strText), c.bFound) << "command " << c.uiCmd;
        EXPECT_EQ(std::string(strText), c.text) << "command " << c.uiCmd;
    }
    ::DestroyMenu(hMenu);
}

// ---- Keyboard ----

void PostKey(CWnd* pWnd, UINT nKey)
{
    pWnd->PostMessage(WM_KEYDOWN, nKey, 1);
    PumpPending();
}

TEST_F(MenuBarFixture, KeysMoveWithWrapOpenMenusAndLeave)
{
    pFrame->ShowWindow(SW_SHOW);
    pFrame->SetForegroundWindow();
    pFrame->SetFocus();
    PumpPending();
    pBar->SetFocus();
    PumpPending();
    ASSERT_EQ(::GetFocus(), pBar->GetSafeHwnd());
    const int iLast = pBar->GetCount() - 1;
    auto hot = [this]() {
        return pBar->GetHighlightedButton();
    };
    EXPECT_EQ(hot(), pBar->GetButton(0)) << "the focus makes the first title hot";
    EXPECT_FALSE(pFrame->m_prompts.empty());

    // Left wraps to the last item, Right back to the first; separators are skipped.
    struct Step {
        UINT nKey;
        int iHot;
    } steps[] = {{VK_LEFT, iLast}, {VK_RIGHT, 0}, {VK_RIGHT, 1}, {VK_RIGHT, 2}, {VK_RIGHT, iLast}, {VK_LEFT, 2}};
    for (const Step& step : steps) {
        PostKey(pBar, step.nKey);
        EXPECT_EQ(hot(), pBar->GetButton(step.iHot)) << "key " << step.nKey << " to " << step.iHot;
    }

    // Return on the top-level command sends it.
    pFrame->m_commands.clear();
    PostKey(pBar, VK_RETURN);
    EXPECT_EQ(pFrame->m_commands, (std::vector<UINT> {ID_TEST_PRINT}));

    // Down opens the hot title's menu.
    pBar->SetFocus();
    PumpPending();
    ASSERT_EQ(hot(), pBar->GetButton(0));
    PostKey(pBar, VK_LEFT);  // Help
    ASSERT_EQ(hot(), pBar->GetButton(iLast));
    PostKey(pBar, VK_DOWN);
    auto* pHelp = dynamic_cast<CWTKToolbarMenuButton*>(pBar->GetButton(iLast));
    ASSERT_NE(pHelp, nullptr);
    ASSERT_NE(pHelp->GetPopupMenu(), nullptr);
    EXPECT_EQ(pBar->GetDroppedDownMenu(), pHelp);
    pHelp->OnCancelMode();
    PumpPending();

    // A mnemonic opens its title; Escape leaves the bar without a hot title.
    pBar->SetFocus();
    PumpPending();
    PostKey(pBar, 'E');
    auto* pEdit = dynamic_cast<CWTKToolbarMenuButton*>(pBar->GetButton(1));
    ASSERT_NE(pEdit, nullptr);
    EXPECT_NE(pEdit->GetPopupMenu(), nullptr);
    pEdit->OnCancelMode();
    PumpPending();
    pBar->SetFocus();
    PumpPending();
    CWTKMenuBar::SetShowAllCommands(TRUE);
    PostKey(pBar, VK_ESCAPE);
    EXPECT_EQ(hot(), nullptr);
    EXPECT_FALSE(CWTKMenuBar::IsShowAllCommands());
}

// The popup a menu title has open, or null.
CWTKPopupMenu* OpenPopup(CWTKMenuBar* pBar, int iButton)
{
    auto* pTitle = dynamic_cast<CWTKToolbarMenuButton*>(pBar->GetButton(iButton));
    return pTitle != nullptr ? pTitle->GetPopupMenu() : nullptr;
}

TEST_F(MenuBarFixture, OpenMenusMoveToTheNextTitleWithTheFirstItemHotAndAtOnce)
{
    pFrame->ShowWindow(SW_SHOW);
    pFrame->SetForegroundWindow();
    pBar->SetFocus();
    PumpPending();
    const int iHelp = pBar->GetCount() - 1;
    {
        // Menus that would unfold slowly: the keyboard's menus appear at once all the same.
        const CommandBarSettingsScope settings;
        WTKGetCommandBarSettings().menuAnimation = WTKMenuAnimation::Unfold;
        auto expectOpen = [&](int iButton, const char* step) {
            CWTKPopupMenu* pPopup = OpenPopup(pBar, iButton);
            ASSERT_NE(pPopup, nullptr) << step;
            EXPECT_EQ(pBar->GetDroppedDownMenu(), pBar->GetButton(iButton)) << step;
            EXPECT_EQ(pPopup->GetMenuBar()->GetHighlighted(), 0) << step << ": the first item is hot";
            EXPECT_TRUE(pPopup->IsAnimationDone()) << step;
        };
        PostKey(pBar, 'F');
        expectOpen(0, "mnemonic");
        // The command title and the separator between Edit and Help are no menus.
        EXPECT_TRUE(pBar->NextMenu());
        expectOpen(1, "File to Edit");
        EXPECT_TRUE(pBar->NextMenu());
        expectOpen(iHelp, "Edit to Help");
        EXPECT_TRUE(pBar->NextMenu());
        expectOpen(0, "Help wraps to File");
        EXPECT_TRUE(pBar->PrevMenu());
        expectOpen(iHelp, "File wraps back to Help");
        EXPECT_EQ(OpenPopup(pBar, 0), nullptr) << "one menu open at a time";

        // Escape with a menu open is the menu's: the bar lets it go on to the frame.
        MSG escape {pBar->GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 1, 0, {0, 0}};
        EXPECT_FALSE(pBar->PreTranslateMessage(&escape));
        EXPECT_NE(OpenPopup(pBar, iHelp), nullptr);
    }

    // An item of a sub-menu runs its command after the whole chain has closed.
    EXPECT_TRUE(pBar->PrevMenu());
    EXPECT_TRUE(pBar->PrevMenu());
    CWTKPopupMenu* pFile = OpenPopup(pBar, 0);
    ASSERT_NE(pFile, nullptr);
    CWTKPopupMenuBar* pFileItems = pFile->GetMenuBar();
    int iRecent = -1;
    for (int i = 0; i < pFileItems->GetCount(); i++) {
        if (std::string(pFileItems->GetButtonText(i)) == "&Recent")
            iRecent = i;
    }
    ASSERT_GE(iRecent, 0);
    pFileItems->SetHot(iRecent);
    auto* pRecentItem = dynamic_cast<CWTKToolbarMenuButton*>(pFileItems->GetButton(iRecent));
    ASSERT_NE(pRecentItem, nullptr);
    if (pRecentItem->GetPopupMenu() == nullptr)
        pFileItems->OnKey(VK_RETURN);
    CWTKPopupMenu* pRecent = pRecentItem->GetPopupMenu();
    ASSERT_NE(pRecent, nullptr);
    pFrame->m_commands.clear();
    pRecent->GetMenuBar()->SetHot(0);
    pRecent->GetMenuBar()->OnKey(VK_RETURN);
    PumpPending();
    EXPECT_EQ(pFrame->m_commands, (std::vector<UINT> {ID_MB_RECENT_ONE}));
    EXPECT_EQ(CWTKPopupMenu::GetActiveMenu(), nullptr);
}

// ---- Mouse ----

// Shortened menus for the mouse tests: only New and the sub-menus are used often enough.
struct MenuBarMouseFixture : MenuBarFixture {
    void SetUp() override
    {
        MenuBarFixture::SetUp();
        WTKGetCommandBarSettings().menuAnimation = WTKMenuAnimation::None;
        WTKGetCommandBarSettings().bRecentlyUsedMenus = TRUE;
        CWTKToolBar::AddBasicCommand(ID_TEST_NEW);
        CWTKMenuBar::SetShowAllCommands(FALSE);
        pFrame->ShowWindow(SW_SHOW);
        pFrame->SetForegroundWindow();
        PumpPending();
    }
    void TearDown() override
    {
        MenuBarFixture::TearDown();
        CWTKToolBar::ClearBasicCommands();
        CWTKMenuBar::SetShowAllCommands(FALSE);
    }
    CPoint Centre(int iButton) const
    {
        CRect rect;
        pBar->GetItemRect(iButton, &rect);
        return rect.CenterPoint();
    }
    void Send(UINT nMessage, CPoint point, WPARAM wParam = 0)
    {
        pBar->SendMessage(nMessage, wParam, MAKELPARAM(point.x, point.y));
        PumpPending();
    }
    // The cursor on the point of the bar, as the mouse puts it there.
    void PutCursor(CPoint point)
    {
        pBar->ClientToScreen(&point);
        ::SetCursorPos(point.x, point.y);
    }
    // Whether the show-all timer runs; the question stops it.
    BOOL StopShowAllTimer() { return ::KillTimer(pBar->GetSafeHwnd(), CWTKMenuBar::kShowAllTimerId); }

    // Put back after TearDown, once the bar is gone.
    const CommandBarSettingsScope settings;
};

TEST_F(MenuBarMouseFixture, DraggingAlongTheTitlesOpensEachMenuInTurnWithTheShowAllTimer)
{
    const int iHelp = pBar->GetCount() - 1;
    Send(WM_LBUTTONDOWN, Centre(0), MK_LBUTTON);
    ASSERT_NE(OpenPopup(pBar, 0), nullptr) << "the press opens File";
    CRect rectClient;
    pBar->GetClientRect(&rectClient);
    struct Step {
        const char* what;
        CPoint point;
        int iOpen;  // -1: no menu open
    } steps[] = {
        {"over File", Centre(0) + CPoint(1, 0), 0},
        {"on to Edit", Centre(1), 1},
        {"on past the titles", CPoint(rectClient.right - 2, Centre(0).y), 1},
        {"on to Help", Centre(iHelp), iHelp},
        {"back over the separator", Centre(iHelp - 1), iHelp},
        {"on to the command title", Centre(2), -1},
    };
    int iOpenBefore = steps[0].iOpen;
    for (const Step& step : steps) {
        StopShowAllTimer();
        Send(WM_MOUSEMOVE, step.point, MK_LBUTTON);
        int iOpen = -1;
        pBar->GetDroppedDownMenu(&iOpen);
        EXPECT_EQ(iOpen, step.iOpen) << step.what;
        for (int i = 0; i < pBar->GetCount(); i++) {
            if (i != step.iOpen) {
                EXPECT_EQ(OpenPopup(pBar, i), nullptr) << step.what << ": one menu open at a time, not " << i;
            }
        }
        if (step.iOpen >= 0 && step.iOpen != iOpenBefore) {
            EXPECT_TRUE(StopShowAllTimer()) << step.what << ": a new open menu starts the show-all timer";
        }
        iOpenBefore = step.iOpen;
    }
    EXPECT_FALSE(StopShowAllTimer()) << "no timer without an open menu";
    Send(WM_LBUTTONUP, Centre(2));
}

TEST_F(MenuBarMouseFixture, TheShowAllTimerExpandsTheOpenMenuOnlyUnderTheCursor)
{
    PutCursor(Centre(0));
    Send(WM_LBUTTONDOWN, Centre(0), MK_LBUTTON);
    CWTKPopupMenu* pFile = OpenPopup(pBar, 0);
    ASSERT_NE(pFile, nullptr);
    ASSERT_FALSE(pFile->GetMenuBar()->AreAllCommandsShown()) << "File opens shortened";
    const int nShortened = pFile->GetMenuBar()->GetCount();

    // The timer fires with the cursor away from the title: nothing changes.
    CRect rectFrame;
    pFrame->GetWindowRect(&rectFrame);
    ::SetCursorPos(rectFrame.right - 20, rectFrame.bottom - 20);
    PumpPending();
    Send(WM_TIMER, CPoint(0, 0), CWTKMenuBar::kShowAllTimerId);
    ASSERT_EQ(OpenPopup(pBar, 0), pFile);
    EXPECT_FALSE(pFile->GetMenuBar()->AreAllCommandsShown());
    EXPECT_FALSE(CWTKMenuBar::IsShowAllCommands());

    // With the cursor on the open title the menu shows every item.
    PutCursor(Centre(0));
    PumpPending();
    Send(WM_TIMER, CPoint(0, 0), CWTKMenuBar::kShowAllTimerId);
    ASSERT_EQ(OpenPopup(pBar, 0), pFile);
    EXPECT_TRUE(pFile->GetMenuBar()->AreAllCommandsShown());
    EXPECT_GT(pFile->GetMenuBar()->GetCount(), nShortened);
    EXPECT_FALSE(StopShowAllTimer()) << "the timer stopped itself";
}

TEST_F(MenuBarMouseFixture, ADoubleClickOnATitleReopensItsMenuWithEveryItem)
{
    const CPoint ptFile = Centre(0);
    PutCursor(ptFile);
    Send(WM_LBUTTONDOWN, ptFile, MK_LBUTTON);
    Send(WM_LBUTTONUP, ptFile);
    CWTKPopupMenu* pFirst = OpenPopup(pBar, 0);
    ASSERT_NE(pFirst, nullptr);
    ASSERT_FALSE(pFirst->GetMenuBar()->AreAllCommandsShown());

    Send(WM_LBUTTONDBLCLK, ptFile, MK_LBUTTON);
    Send(WM_LBUTTONUP, ptFile);
    CWTKPopupMenu* pAll = OpenPopup(pBar, 0);
    ASSERT_NE(pAll, nullptr) << "the menu is open again";
    EXPECT_TRUE(CWTKMenuBar::IsShowAllCommands());
    EXPECT_TRUE(pAll->GetMenuBar()->AreAllCommandsShown());
    EXPECT_EQ(pAll->GetMenuBar()->GetCount(), 5) << "New, Open, the separator, Recent and Save";
    EXPECT_EQ(pBar->GetHighlightedButton(), pBar->GetButton(0));
    int iOpen = -1;
    pBar->GetDroppedDownMenu(&iOpen);
    EXPECT_EQ(iOpen, 0);
}

// ---- Screenshot ----

TEST(MenuBarScreenshot, FrameWithAMenuAndASubMenuOpen)
{
    auto* pFrame = new CMenuBarTestFrame;
    ASSERT_TRUE(pFrame->CreateWithMenuBar(TRUE, CRect(20, 20, 560, 360)));
    theApp.m_pMainWnd = pFrame;
    CWnd pane;
    ASSERT_TRUE(pane.CreateEx(WS_EX_CLIENTEDGE, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame,
                              FW_IDW_PANE_FIRST));
    pFrame->RecalcLayout();
    pFrame->SetForegroundWindow();
    RunIdle();
    CWTKMenuBar& bar = pFrame->m_wndMenuBar;

    // A click on File opens its menu; the Recent item opens its sub-menu.
    CRect rectFile;
    bar.GetItemRect(0, &rectFile);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rectFile.CenterPoint().x, rectFile.CenterPoint().y));
    PumpPending();
    auto* pFile = dynamic_cast<CWTKToolbarMenuButton*>(bar.GetButton(0));
    ASSERT_NE(pFile, nullptr);
    CWTKPopupMenu* pPopup = pFile->GetPopupMenu();
    ASSERT_NE(pPopup, nullptr);
    CWTKPopupMenuBar* pItems = pPopup->GetMenuBar();
    ASSERT_NE(pItems, nullptr);
    int iRecent = -1;
    for (int i = 0; i < pItems->GetCount(); i++) {
        if (pItems->GetButtonText(i) == "&Recent")
            iRecent = i;
    }
    ASSERT_GE(iRecent, 0);
    CRect rectRecent;
    pItems->GetItemRect(iRecent, &rectRecent);
    pItems->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rectRecent.CenterPoint().x, rectRecent.CenterPoint().y));
    auto* pRecent = dynamic_cast<CWTKToolbarMenuButton*>(pItems->GetButton(iRecent));
    ASSERT_NE(pRecent, nullptr);
    if (pRecent->GetPopupMenu() == nullptr)
        pRecent->OnClick(pItems, FALSE);
    PumpPending();
    ASSERT_NE(pRecent->GetPopupMenu(), nullptr);
    CWTKPopupMenu* pSub = pRecent->GetPopupMenu();
    for (CWnd* pWnd : {static_cast<CWnd*>(pFrame), static_cast<CWnd*>(pPopup), static_cast<CWnd*>(pSub)})
        pWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    PumpPending();

    CRect rectShot;
    pFrame->GetWindowRect(&rectShot);
    CRect rectSub;
    pSub->GetWindowRect(&rectSub);
    rectShot.UnionRect(rectShot, rectSub);
    Canvas shot(rectShot.Width(), rectShot.Height());
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(shot.Handle(), 0, 0, rectShot.Width(), rectShot.Height(), hScreen, rectShot.left, rectShot.top, SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_TRUE(shot.WritePng(ScreenshotFolder() + "\\menubar_menu_and_submenu.png"));

    // Both popups are on screen with their items' text drawn.
    CRect rectPopup;
    pPopup->GetWindowRect(&rectPopup);
    rectPopup.OffsetRect(-rectShot.left, -rectShot.top);
    rectSub.OffsetRect(-rectShot.left, -rectShot.top);
    const COLORREF clrText = ::GetSysColor(COLOR_MENUTEXT);
    EXPECT_GT(shot.Count(clrText, rectPopup), 30) << "the File menu's items";
    EXPECT_GT(shot.Count(clrText, rectSub), 10) << "the sub-menu's items";
    EXPECT_GT(rectSub.left, rectPopup.left) << "the sub-menu opens beside its menu";

    pFile->OnCancelMode();
    PumpPending();
    theApp.m_pMainWnd = nullptr;
    pFrame->DestroyWindow();
    PumpPending();
}

}  // namespace
