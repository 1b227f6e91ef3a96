// Real popup menu windows over a test frame: placement against work areas, the opening
// animations on a fake clock, the menu handle's owner, items from snapshots and the recent-file
// placeholder, the show-all line, and a context menu saved as a screenshot.
#include "PopupTestSupport.h"

#include "command_bars/WTKMenuAnimationOff.h"
#include "command_bars/WTKMenuBar.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKShowAllButton.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "command_bars/WTKToolbarSnapshotStore.h"

#include "Canvas.h"

#include "command_bars/WTKCommandManager.h"

#include "foundation/WTKGlobalData.h"
#include "win/ClientDC.h"

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

namespace {

constexpr UINT kRecentFile1 = CWTKPopupMenu::kRecentFileFirstId;

CRect WindowRect(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}

// A visible frame with a toolbar whose first button is a drop-down menu button.
class PopupFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new CPopupTestFrame;
        ASSERT_TRUE(m_pFrame->CreateFrame(TRUE));
        theApp.m_pMainWnd = m_pFrame;
        ASSERT_TRUE(m_bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE820));
        ASSERT_TRUE(m_bar.LoadToolBar(IDR_TEST_TOOLBAR));
        m_pFrame->RecalcLayout();
        m_nLiveBefore = CWTKPopupMenu::GetLiveCount();
        PumpPending();
    }
    void TearDown() override
    {
        PumpPending();
        EXPECT_EQ(CWTKPopupMenu::GetLiveCount(), m_nLiveBefore) << "every popup went";
        EXPECT_EQ(CWTKPopupMenu::GetActiveMenu(), nullptr);
        theApp.m_pMainWnd = nullptr;
        m_pFrame->DestroyWindow();
        PumpPending();
    }

    // Puts a menu button with nItems commands at the bar's start; its index.
    CWTKToolbarMenuButton* AddMenuButton(int nItems)
    {
        CWTKToolbarMenuButton button(0, nullptr, -1, "&Menu");
        for (int i = 0; i < nItems; i++) {
            CString str;
            str.Format("Command &%d", i + 1);
            button.AddSubItem(CWTKToolbarMenuButton(ID_TEST_NEW + static_cast<UINT>(i % 8), nullptr, -1, str));
        }
        button.m_bText = TRUE;
        m_bar.InsertButton(button, 0);
        m_bar.AdjustLayout();
        return dynamic_cast<CWTKToolbarMenuButton*>(m_bar.GetButton(0));
    }
    CRect ButtonScreenRect(int iIndex)
    {
        CRect rect;
        m_bar.GetItemRect(iIndex, &rect);
        m_bar.ClientToScreen(&rect);
        return rect;
    }
    // A popup without a parent button at the point, from hMenu.
    CWTKPopupMenu* OpenContextMenu(HMENU hMenu, CPoint pt, BOOL bKeep = FALSE)
    {
        auto pNew = std::make_unique<CWTKPopupMenu>();
        pNew->SetKeepMenu(bKeep);
        CWTKPopupMenu* pPopup = CWTKPopupMenu::Open(std::move(pNew), m_pFrame, pt.x, pt.y, hMenu, FALSE, TRUE);
        if (pPopup == nullptr)
            return nullptr;
        PumpPending();
        return pPopup;
    }
    static void Close(CWTKPopupMenu* pPopup)
    {
        if (pPopup != nullptr)
            pPopup->CloseMenu(FALSE);
        PumpPending();
    }

    PopupSeams m_seams;
    CPopupTestFrame* m_pFrame = nullptr;
    CWTKToolBar m_bar;
    int m_nLiveBefore = 0;
};

TEST_F(PopupFixture, PlacementAgainstTheWorkArea)
{
    struct Case {
        const char* pszName;
        int nItems;
        std::function<CRect(const CRect& btn)> work;
        std::function<void(const CRect& btn, const CRect& work, const CRect& popup, CWTKPopupMenu* p)> check;
    };
    const Case cases[] = {
        {"room below", 4, [](const CRect&) { return CRect(0, 0, 1280, 1024); },
         [](const CRect& btn, const CRect&, const CRect& popup, CWTKPopupMenu* p) {
             EXPECT_EQ(p->GetDropDirection(), CWTKPopupMenu::kDropBelow);
             EXPECT_EQ(popup.TopLeft(), CPoint(btn.left, btn.bottom - 1));
             EXPECT_FALSE(p->IsScrollNeeded());
         }},
        {"work area ends below the button", 6,
         [](const CRect& btn) { return CRect(0, btn.top - 300, 1280, btn.bottom + 20); },
         [](const CRect& btn, const CRect&, const CRect& popup, CWTKPopupMenu* p) {
             EXPECT_EQ(p->GetDropDirection(), CWTKPopupMenu::kDropAbove);
             EXPECT_EQ(popup.bottom, btn.top);
         }},
        {"monitor above the primary", 6,
         [](const CRect& btn) { return CRect(0, btn.top - 1500, 1280, btn.bottom + 20); },
         [](const CRect& btn, const CRect&, const CRect& popup, CWTKPopupMenu* p) {
             // Above the button even where that is above the screen's origin.
             EXPECT_EQ(p->GetDropDirection(), CWTKPopupMenu::kDropAbove);
             EXPECT_EQ(popup.bottom, btn.top);
             EXPECT_FALSE(p->IsScrollNeeded());
         }},
        {"taskbar at the top, more room above", 30,
         [](const CRect& btn) { return CRect(0, btn.top - 60, 1280, btn.bottom + 10); },
         [](const CRect& btn, const CRect& work, const CRect& popup, CWTKPopupMenu* p) {
             EXPECT_EQ(p->GetDropDirection(), CWTKPopupMenu::kDropNone);
             EXPECT_EQ(popup.top, work.top);
             EXPECT_EQ(popup.Height(), btn.top - work.top) << "from the work area's top to the button";
             EXPECT_TRUE(p->IsScrollNeeded());
         }},
        {"taskbar at the top, more room below", 60,
         [](const CRect& btn) { return CRect(0, btn.top - 10, 1280, btn.bottom + 300); },
         [](const CRect& btn, const CRect& work, const CRect& popup, CWTKPopupMenu* p) {
             EXPECT_EQ(popup.top, btn.bottom - 1);
             EXPECT_EQ(popup.bottom, work.bottom);
             EXPECT_TRUE(p->IsScrollNeeded());
         }},
        {"right edge", 4, [](const CRect& btn) { return CRect(0, 0, btn.left + 100, 1024); },
         [](const CRect&, const CRect& work, const CRect& popup, CWTKPopupMenu* p) {
             EXPECT_EQ(p->GetDropDirection(), CWTKPopupMenu::kDropNone);
             EXPECT_EQ(popup.right, work.right - 1);
         }},
        {"left edge", 4, [](const CRect& btn) { return CRect(btn.left + 15, 0, 1280, 1024); },
         [](const CRect&, const CRect& work, const CRect& popup, CWTKPopupMenu*) {
             EXPECT_EQ(popup.left, work.left);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        CWTKToolbarMenuButton* pButton = AddMenuButton(c.nItems);
        ASSERT_NE(pButton, nullptr);
        const CRect btn = ButtonScreenRect(0);
        PopupSeams::s_rectWork = c.work(btn);
        ASSERT_TRUE(pButton->OpenPopupMenu());
        CWTKPopupMenu* pPopup = pButton->GetPopupMenu();
        ASSERT_NE(pPopup, nullptr);
        c.check(btn, PopupSeams::s_rectWork, WindowRect(pPopup), pPopup);
        pButton->OnCancelMode();
        PumpPending();
        EXPECT_EQ(pButton->GetPopupMenu(), nullptr);
        m_bar.RemoveButton(0);
    }
}

TEST_F(PopupFixture, AClosingPopupLeavesTheButtonsNextPopupOpen)
{
    CWTKToolbarMenuButton* pButton = AddMenuButton(3);
    ASSERT_TRUE(pButton->OpenPopupMenu());
    CWTKPopupMenu* pFirst = pButton->GetPopupMenu();
    ASSERT_NE(pFirst, nullptr);
    pButton->OnCancelMode();  // the first popup closes by a posted message
    EXPECT_EQ(pButton->GetPopupMenu(), nullptr);
    ASSERT_TRUE(pButton->OpenPopupMenu());  // reopened before that message arrives
    CWTKPopupMenu* pSecond = pButton->GetPopupMenu();
    PumpPending();
    EXPECT_EQ(pButton->GetPopupMenu(), pSecond);
    EXPECT_TRUE(::IsWindow(pSecond->GetSafeHwnd()));
    EXPECT_EQ(CWTKPopupMenu::GetLiveCount(), m_nLiveBefore + 1);
    pButton->OnCancelMode();
    PumpPending();
    m_bar.RemoveButton(0);
}

TEST_F(PopupFixture, SplitButtonSendsItsCommandFromTheImageAndOpensFromTheArrow)
{
    HMENU hMenu = BuildMenu({{ID_TEST_OPEN, "&Open"}, {ID_TEST_SAVE, "&Save"}});
    m_bar.InsertButton(CWTKToolbarMenuButton(ID_TEST_NEW, hMenu, 0, "New"), 0);
    ::DestroyMenu(hMenu);
    m_bar.AdjustLayout();
    auto* pButton = dynamic_cast<CWTKToolbarMenuButton*>(m_bar.GetButton(0));
    ASSERT_NE(pButton, nullptr);
    EXPECT_TRUE(pButton->IsSplit());
    CRect rect;
    m_bar.GetItemRect(0, &rect);
    auto press = [&](CPoint pt) {
        CPoint ptScreen = pt;
        m_bar.ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        PumpPending();
    };
    press(CPoint(rect.left + 4, rect.CenterPoint().y));
    EXPECT_EQ(pButton->GetPopupMenu(), nullptr);
    ASSERT_EQ(m_pFrame->m_commands.size(), 1u);
    EXPECT_EQ(m_pFrame->m_commands[0], static_cast<UINT>(ID_TEST_NEW));

    press(CPoint(rect.right - 3, rect.CenterPoint().y));
    EXPECT_NE(pButton->GetPopupMenu(), nullptr) << "the arrow opens the menu";
    EXPECT_TRUE(pButton->IsArrowClicked());
    EXPECT_EQ(m_pFrame->m_commands.size(), 1u) << "and sends nothing";
    pButton->OnCancelMode();
    PumpPending();

    // A title: an arrow on an ordinary toolbar, none on the menu bar.
    CWTKToolbarMenuButton title(0, nullptr, -1, "&File");
    title.AddSubItem(CWTKToolbarMenuButton(ID_TEST_OPEN, nullptr, -1, "&Open"));
    title.OnChangeParentWnd(&m_bar);
    EXPECT_TRUE(title.IsDrawDownArrow());
    CWTKMenuBar menuBar;
    title.OnChangeParentWnd(&menuBar);
    EXPECT_FALSE(title.IsDrawDownArrow());
    title.OnChangeParentWnd(nullptr);
    m_bar.RemoveButton(0);
}

TEST_F(PopupFixture, SubMenuWithoutRoomOnTheRightOpensOnTheLeft)
{
    HMENU hMenu = BuildMenu({{ID_TEST_NEW, "&New"}, {0, "\1&More"}, {ID_TEST_OPEN, "&Open"}, {0, "\2"}});
    CWTKPopupMenu* pPopup = OpenContextMenu(hMenu, CPoint(300, 200));
    ASSERT_NE(pPopup, nullptr);
    const CRect rectParent = WindowRect(pPopup);
    PopupSeams::s_rectWork = CRect(0, 0, rectParent.right + 30, 1024);
    auto* pItem = pPopup->GetMenuItem(1);
    ASSERT_NE(pItem, nullptr);
    ASSERT_TRUE(pItem->OpenPopupMenu());
    CWTKPopupMenu* pSub = pItem->GetPopupMenu();
    ASSERT_NE(pSub, nullptr);
    EXPECT_EQ(pSub->GetParentPopupMenu(), pPopup);
    EXPECT_EQ(pSub->GetDropDirection(), CWTKPopupMenu::kDropLeft);
    EXPECT_EQ(WindowRect(pSub).right, rectParent.left);
    Close(pSub);
    Close(pPopup);
}

TEST_F(PopupFixture, AnimationsAdvanceByTheElapsedStepsToTheirEndState)
{
    struct Case {
        WTKMenuAnimation nAnimation;
        const char* pszName;
    };
    const Case cases[] = {{WTKMenuAnimation::None, "none"},
                          {WTKMenuAnimation::Unfold, "unfold"},
                          {WTKMenuAnimation::Slide, "slide"},
                          {WTKMenuAnimation::Fade, "fade"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        WTKGetCommandBarSettings().menuAnimation = c.nAnimation;
        HMENU hMenu = BuildMenu({{ID_TEST_NEW, "&New"},
                                 {ID_TEST_OPEN, "&Open"},
                                 {ID_TEST_SAVE, "&Save"},
                                 {ID_TEST_CUT, "Cu&t"},
                                 {ID_TEST_COPY, "&Copy"},
                                 {ID_TEST_PASTE, "&Paste"}});
        CWTKPopupMenu* pPopup = OpenContextMenu(hMenu, CPoint(200, 200));
        ASSERT_NE(pPopup, nullptr);
        CWTKPopupMenuBar* pBar = pPopup->GetMenuBar();
        const CSize sizeFull = pPopup->GetMenuSize() + CSize(pPopup->GetShadowDepth(), pPopup->GetShadowDepth());
        const int nRow = pBar->GetRowHeight();
        if (c.nAnimation == WTKMenuAnimation::None) {
            EXPECT_TRUE(pPopup->IsAnimationDone());
            EXPECT_TRUE(pBar->IsWindowVisible());
            Close(pPopup);
            continue;
        }
        EXPECT_FALSE(pPopup->IsAnimationDone());
        EXPECT_FALSE(pBar->IsWindowVisible()) << "the items show at the end";
        if (c.nAnimation == WTKMenuAnimation::Unfold) {
            EXPECT_EQ(pPopup->GetAnimatedSize(), CSize(pBar->GetColumnWidth(), nRow));
        } else if (c.nAnimation == WTKMenuAnimation::Slide) {
            EXPECT_EQ(pPopup->GetAnimatedSize(), CSize(sizeFull.cx, nRow));
        }

        // No time passed: nothing moves, however many timer messages come.
        pPopup->StepAnimation();
        pPopup->StepAnimation();
        if (c.nAnimation == WTKMenuAnimation::Fade) {
            EXPECT_EQ(pPopup->GetFadePercent(), 0);
        } else {
            EXPECT_EQ(pPopup->GetAnimatedSize().cy, nRow);
        }

        // One step, then three at once.
        PopupSeams::s_dwTick += CWTKPopupMenu::kAnimationStepMs;
        pPopup->StepAnimation();
        EXPECT_FALSE(pPopup->IsAnimationDone());
        if (c.nAnimation == WTKMenuAnimation::Fade) {
            EXPECT_EQ(pPopup->GetFadePercent(), 10);
        } else {
            EXPECT_EQ(pPopup->GetAnimatedSize().cy, 2 * nRow);
        }
        if (c.nAnimation == WTKMenuAnimation::Unfold) {
            // Unfolding ends when either side is complete.
            EXPECT_EQ(pPopup->GetAnimatedSize().cx, 2 * pBar->GetColumnWidth());
            PopupSeams::s_dwTick += 10000;
            pPopup->StepAnimation();
            EXPECT_TRUE(pPopup->IsAnimationDone());
            EXPECT_EQ(pPopup->GetAnimatedSize(), sizeFull);
            EXPECT_TRUE(pBar->IsWindowVisible());
            Close(pPopup);
            continue;
        }
        PopupSeams::s_dwTick += 3 * CWTKPopupMenu::kAnimationStepMs;
        pPopup->StepAnimation();
        if (c.nAnimation == WTKMenuAnimation::Fade) {
            EXPECT_EQ(pPopup->GetFadePercent(), 40);
        } else {
            EXPECT_EQ(pPopup->GetAnimatedSize().cy, 5 * nRow);
        }

        // A long stall ends it in one go.
        PopupSeams::s_dwTick += 10000;
        pPopup->StepAnimation();
        EXPECT_TRUE(pPopup->IsAnimationDone());
        EXPECT_EQ(pPopup->GetAnimatedSize(), sizeFull);
        EXPECT_TRUE(pBar->IsWindowVisible());
        if (c.nAnimation == WTKMenuAnimation::Fade) {
            EXPECT_EQ(pPopup->GetFadePercent(), CWTKPopupMenu::kFadeDone);
        }
        Close(pPopup);
    }
}

// What stops a popup animating (a keyboard scope, a screen too poor to fade) changes that
// popup, never the user's setting.
TEST_F(PopupFixture, APopupWorksOutItsAnimationWithoutChangingTheUsersSetting)
{
    struct Case {
        WTKMenuAnimation setting;
        int nBitsPerPixel;
        bool bAnimationOff;
        WTKMenuAnimation expected;
        const char* pszName;
    } const cases[] = {
        {WTKMenuAnimation::Fade, 8, false, WTKMenuAnimation::None, "fade on 256 colours"},
        {WTKMenuAnimation::Slide, 8, false, WTKMenuAnimation::Slide, "slide on 256 colours"},
        {WTKMenuAnimation::Fade, 32, false, WTKMenuAnimation::Fade, "fade in true colour"},
        {WTKMenuAnimation::Unfold, 32, true, WTKMenuAnimation::None, "unfold in a keyboard scope"},
    };
    WTKGlobalData& g = WTKGetGlobalData();
    const int nBitsBefore = g.nBitsPerPixel;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        WTKGetCommandBarSettings().menuAnimation = c.setting;
        g.nBitsPerPixel = c.nBitsPerPixel;
        CWTKPopupMenu* pPopup = nullptr;
        {
            std::optional<CWTKMenuAnimationOff> animationOff;
            if (c.bAnimationOff)
                animationOff.emplace();
            EXPECT_EQ(CWTKPopupMenu::GetEffectiveAnimation(), c.expected);
            pPopup = OpenContextMenu(BuildMenu({{ID_TEST_NEW, "&New"}, {ID_TEST_OPEN, "&Open"}}), CPoint(200, 200));
        }
        ASSERT_NE(pPopup, nullptr);
        EXPECT_EQ(pPopup->GetAnimation(), c.expected) << "the scope's end does not change an open popup";
        EXPECT_EQ(WTKGetCommandBarSettings().menuAnimation, c.setting);
        Close(pPopup);
    }
    g.nBitsPerPixel = nBitsBefore;
}

TEST_F(PopupFixture, ThePopupOwnsItsMenuUnlessToldOtherwise)
{
    HMENU hOwned = BuildMenu({{ID_TEST_NEW, "&New"}, {ID_TEST_OPEN, "&Open"}});
    Close(OpenContextMenu(hOwned, CPoint(200, 200)));
    EXPECT_FALSE(::IsMenu(hOwned)) << "destroyed with the popup";

    HMENU hKept = BuildMenu({{ID_TEST_NEW, "&New"}, {ID_TEST_OPEN, "&Open"}});
    Close(OpenContextMenu(hKept, CPoint(200, 200), TRUE));
    EXPECT_TRUE(::IsMenu(hKept)) << "the caller's menu stays";
    ::DestroyMenu(hKept);

    // The frame vetoes the popup: the creation fails and leaves neither window nor menu.
    m_pFrame->m_bAllowPopups = FALSE;
    HMENU hVetoed = BuildMenu({{ID_TEST_NEW, "&New"}});
    EXPECT_EQ(OpenContextMenu(hVetoed, CPoint(200, 200)), nullptr);
    EXPECT_FALSE(::IsMenu(hVetoed));
    EXPECT_EQ(CWTKPopupMenu::GetLiveCount(), m_nLiveBefore);
    m_pFrame->m_bAllowPopups = TRUE;
    EXPECT_GE(m_pFrame->m_nShown, 3);
}

TEST_F(PopupFixture, ContextMenuWithASnapshotShowsTheSnapshotItems)
{
    HMENU hMenu = BuildMenu({{ID_TEST_SAVE, "&Save"}});
    CWTKToolBar kept;
    kept.InsertButton(CWTKToolbarMenuButton(ID_TEST_NEW, nullptr, -1, "Kept &New"));
    kept.InsertButton(CWTKToolbarMenuButton(ID_TEST_OPEN, nullptr, -1, "Kept &Open"));
    ASSERT_TRUE(WTKGetToolbarSnapshotStore().Save(hMenu, &kept));

    CWTKPopupMenu* pPopup = OpenContextMenu(hMenu, CPoint(200, 200), TRUE);
    ASSERT_NE(pPopup, nullptr);
    CWTKPopupMenuBar* pBar = pPopup->GetMenuBar();
    ASSERT_EQ(pBar->GetCount(), 2);
    EXPECT_EQ(pBar->GetItemID(0), static_cast<UINT>(ID_TEST_NEW));
    EXPECT_STREQ(pBar->GetButtonText(1), "Kept &Open");
    Close(pPopup);
    WTKGetToolbarSnapshotStore().Remove(hMenu);
    ::DestroyMenu(hMenu);
}

TEST_F(PopupFixture, TheRecentFilePlaceholderGoesWithoutLeavingTwoSeparators)
{
    HMENU hMenu = BuildMenu(
        {{ID_TEST_NEW, "&New"}, {0, nullptr}, {kRecentFile1, "Recent File"}, {0, nullptr}, {ID_TEST_PRINT, "E&xit"}});
    CWTKPopupMenu* pPopup = OpenContextMenu(hMenu, CPoint(200, 200));
    ASSERT_NE(pPopup, nullptr);
    CWTKPopupMenuBar* pBar = pPopup->GetMenuBar();
    ASSERT_EQ(pBar->GetCount(), 3);
    EXPECT_EQ(pBar->GetItemID(0), static_cast<UINT>(ID_TEST_NEW));
    EXPECT_TRUE(pBar->GetButton(1)->IsSeparator());
    EXPECT_EQ(pBar->GetItemID(2), static_cast<UINT>(ID_TEST_PRINT));
    Close(pPopup);
}

TEST_F(PopupFixture, ShowAllLineIsFiftyWideAndOpensTheFullMenuOnHoverOnlyWhenAllowed)
{
    CWTKToolbarMenuButton* pButton = AddMenuButton(3);
    ASSERT_TRUE(pButton->OpenPopupMenu());
    CWTKPopupMenu* pPopup = pButton->GetPopupMenu();
    ASSERT_NE(pPopup, nullptr);
    CWTKPopupMenuBar* pBar = pPopup->GetMenuBar();
    pBar->InsertButton(CWTKShowAllButton());
    auto* pShowAll = dynamic_cast<CWTKShowAllButton*>(pBar->GetButton(pBar->GetCount() - 1));
    ASSERT_NE(pShowAll, nullptr);

    CClientDC dc(pBar);
    const CSize size = pShowAll->OnCalculateSize(&dc, CSize(23, 22), TRUE);
    EXPECT_EQ(size.cx, CWTKShowAllButton::kWidth);
    EXPECT_GT(size.cy, 0);

    {
        const CommandBarSettingsScope settings;
        WTKGetCommandBarSettings().bShowAllMenusAfterDelay = FALSE;
        EXPECT_TRUE(pShowAll->OnClick(pBar, TRUE));
        EXPECT_EQ(pBar->GetPendingSubMenuButton(), nullptr) << "hovering does nothing with the option off";
        WTKGetCommandBarSettings().bShowAllMenusAfterDelay = TRUE;
        EXPECT_TRUE(pShowAll->OnClick(pBar, TRUE));
        EXPECT_EQ(pBar->GetPendingSubMenuButton(), pShowAll) << "the full menu opens after the delay";
    }

    // Not on a popup's item bar: no click.
    EXPECT_FALSE(pShowAll->OnClick(&m_bar, FALSE));

    // The tooltip names the expand key.
    TTTOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    pShowAll->OnToolHitTest(pBar, &ti);
    ASSERT_NE(ti.lpszText, nullptr);
    const std::string strTip = ti.lpszText;
    EXPECT_EQ(strTip.rfind("Expand (", 0), 0u) << strTip;
    EXPECT_NE(strTip.find("+Down)"), std::string::npos) << strTip;
    std::free(ti.lpszText);

    // A click shows all commands: the popup is rebuilt at its first place.
    const CPoint ptFirst = WindowRect(pPopup).TopLeft();
    EXPECT_TRUE(pShowAll->OnClick(pBar, FALSE));
    EXPECT_TRUE(CWTKMenuBar::IsShowAllCommands());
    EXPECT_EQ(WindowRect(pPopup).TopLeft(), ptFirst);
    EXPECT_EQ(pBar->GetCount(), 3) << "the items were imported again";
    pButton->OnCancelMode();
    PumpPending();
    CWTKMenuBar::SetShowAllCommands(FALSE);
    m_bar.RemoveButton(0);
}

TEST_F(PopupFixture, ContextMenuScreenshot)
{
    WTKGetCmdMgr();
    HMENU hMenu = BuildMenu({{ID_TEST_NEW, "&New\tCtrl+N"},
                             {ID_TEST_OPEN, "&Open..."},
                             {ID_TEST_SAVE, "&Save\tCtrl+S"},
                             {0, nullptr},
                             {ID_TEST_CUT, "Cu&t"},
                             {ID_TEST_BOLD, "&Bold"},
                             {0, "\1&More"},
                             {ID_TEST_PRINT, "&Print"},
                             {0, "\2"}});
    WTKGetCommandBarSettings().bMenuShadows = TRUE;  // the popup lies inside the frame: it keeps its shadow
    m_pFrame->m_nBoldCheck = 1;
    m_pFrame->m_bCutEnabled = FALSE;
    const CRect rectFrame = WindowRect(m_pFrame);
    CWTKPopupMenu* pPopup = OpenContextMenu(hMenu, rectFrame.TopLeft() + CPoint(120, 90));
    ASSERT_NE(pPopup, nullptr);
    CWTKPopupMenuBar* pBar = pPopup->GetMenuBar();
    ASSERT_EQ(pBar->GetCount(), 7);
    EXPECT_GT(pPopup->GetShadowDepth(), 0);
    EXPECT_NE(pBar->GetButtonStyle(pBar->CommandToIndex(ID_TEST_BOLD)) & TBBS_CHECKED, 0u);
    EXPECT_NE(pBar->GetButtonStyle(pBar->CommandToIndex(ID_TEST_CUT)) & TBBS_DISABLED, 0u);
    pBar->SetHot(1);
    m_pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    pPopup->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
    PumpPending();

    Canvas shot(rectFrame.Width(), rectFrame.Height());
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(shot.Handle(), 0, 0, rectFrame.Width(), rectFrame.Height(), hScreen, rectFrame.left, rectFrame.top,
             SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_TRUE(shot.WritePng(ScreenshotFolder() + "\\popup_context_menu.png"));

    // The hot item is filled with the highlight colour; the items' text is drawn.
    CRect rectPopup = WindowRect(pPopup);
    rectPopup.OffsetRect(-rectFrame.left, -rectFrame.top);
    EXPECT_GT(shot.Count(::GetSysColor(COLOR_HIGHLIGHT), rectPopup), 100);
    EXPECT_GT(shot.Count(::GetSysColor(COLOR_MENUTEXT), rectPopup), 100);
    Close(pPopup);
}

// A popup whose window refuses to be made, after the window exists.
class CRefusingPopup : public CWTKPopupMenu {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CREATE)
            return -1;
        return CWTKPopupMenu::WindowProc(message, wParam, lParam);
    }
};

// Under the poisoned heap a popup used or deleted again after a failed opening crashes.
TEST_F(PopupFixture, AFailedOpeningAnswersNullAndLeavesNothingBehind)
{
    HWND hGone = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hGone, nullptr);
    ::DestroyWindow(hGone);
    CWnd wndGone;
    ASSERT_TRUE(wndGone.Attach(hGone));

    struct Case {
        const char* pszName;
        std::function<std::unique_ptr<CWTKPopupMenu>()> make;
        CWnd* pOwner;
    };
    const Case cases[] = {
        {"the window refuses its creation", [] { return std::make_unique<CRefusingPopup>(); }, m_pFrame},
        {"the owner's window is gone", [] { return std::make_unique<CWTKPopupMenu>(); }, &wndGone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        HMENU hMenu = ::CreatePopupMenu();
        ::AppendMenuA(hMenu, MF_STRING, ID_TEST_NEW, "&New");
        EXPECT_EQ(CWTKPopupMenu::Open(c.make(), c.pOwner, 100, 100, hMenu, FALSE, TRUE), nullptr);
        PumpPending();
        EXPECT_EQ(CWTKPopupMenu::GetLiveCount(), m_nLiveBefore) << "the popup went at once";
        EXPECT_EQ(CWTKPopupMenu::GetActiveMenu(), nullptr);
        EXPECT_FALSE(::IsMenu(hMenu)) << "the popup took its menu with it";
    }
    wndGone.Detach();

    // The failures leave nothing that stops the next popup.
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_TEST_NEW, "&New");
    CWTKPopupMenu* pPopup = OpenContextMenu(hMenu, WindowRect(m_pFrame).TopLeft() + CPoint(40, 40));
    ASSERT_NE(pPopup, nullptr) << "a good popup still opens after the failures";
    Close(pPopup);
}

}  // namespace
