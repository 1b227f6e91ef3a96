// The toolkit MDI frame with real children: the MDI children listed in a window popup (with the
// more-windows command by its rules), the menu bar's system buttons while the active child is
// maximised, and the in-place frames as top-level frames of popup menus, taking the popup owner
// role while active and handing it back.
#include "MDITestSupport.h"
#include "WinHelpRecorder.h"

#include "frames/WTKMiniDockFrameWnd.h"
#include "frames/WTKOleDocIPFrameWnd.h"
#include "frames/WTKOleIPFrameWnd.h"
#include "frames/WTKPopupOwnerFrame.h"

#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKPopupMenuHost.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "command_bars/WTKToolbarMenuButtonsButton.h"
#include "command_bars/WTKToolbarSystemMenuButton.h"

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr UINT kMoreWindowsCmd = 0x9300;

class MDIFrameTest : public MDITestBase {
protected:
    // Opens the frame's Window popup as a toolkit popup; the caller closes it.
    CWTKPopupMenu* OpenWindowPopup()
    {
        HMENU hMenu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MDI_TEST));
        HMENU hWindow = ::GetSubMenu(hMenu, 1);
        ::RemoveMenu(hMenu, 1, MF_BYPOSITION);
        ::DestroyMenu(hMenu);
        auto* pPopup = CWTKPopupMenu::Open(std::make_unique<CWTKPopupMenu>(), m_pFrame, 100, 100, hWindow, FALSE, TRUE);
        if (pPopup == nullptr)
            return nullptr;
        PumpPending();
        return pPopup;
    }
    // The popup's items after its own commands: "-" for a separator, the text of each, "*" marking
    // a checked one.
    static std::string ListedItems(CWTKPopupMenu* pPopup)
    {
        std::string str;
        CWTKPopupMenuBar* pBar = pPopup->GetMenuBar();
        BOOL bList = FALSE;
        for (int i = 0; i < pBar->GetCount(); ++i) {
            const CWTKToolbarButton* pButton = pBar->GetButton(i);
            if (pButton->IsSeparator()) {
                bList = TRUE;
                str += "-|";
                continue;
            }
            if (!bList)
                continue;
            str += static_cast<LPCSTR>(pButton->m_strText);
            if (pButton->m_nStyle & TBBS_CHECKED)
                str += "*";
            str += "|";
        }
        return str;
    }
    static void Close(CWTKPopupMenu* pPopup)
    {
        if (pPopup != nullptr && pPopup->GetSafeHwnd() != nullptr)
            pPopup->SendMessage(WM_CLOSE);
        PumpPending();
    }
};

TEST_F(MDIFrameTest, WindowPopupListsTheChildrenAfterASeparatorWithTheActiveOneChecked)
{
    m_pFrame->AddChildren(3);
    ASSERT_NE(m_pFrame->GetWindowMenu(), nullptr) << "the Window menu is known from the client's creation";
    CWTKPopupMenu* pPopup = OpenWindowPopup();
    ASSERT_NE(pPopup, nullptr);
    EXPECT_EQ(ListedItems(pPopup), "-|&1 Alpha.txt|&2 Bravo.txt|&3 Charlie.txt*|");
    EXPECT_EQ(m_pFrame->m_nPopupsShown, 1);
    Close(pPopup);

    // A popup without window commands gets no list.
    HMENU hPlain = ::CreatePopupMenu();
    ::AppendMenuA(hPlain, MF_STRING, ID_MDI_TEST_NEW, "&New");
    auto* pPlain = CWTKPopupMenu::Open(std::make_unique<CWTKPopupMenu>(), m_pFrame, 100, 100, hPlain, FALSE, TRUE);
    ASSERT_NE(pPlain, nullptr);
    PumpPending();
    EXPECT_EQ(pPlain->GetMenuBar()->GetCount(), 1);
    Close(pPlain);
}

TEST_F(MDIFrameTest, MoreWindowsCommandFollowsItsRules)
{
    struct Case {
        const char* name;
        int nChildren;
        UINT uiCmd;
        BOOL bShowAlways;
        bool bListed;
    } cases[] = {
        {"no command", 3, 0, FALSE, false},
        {"few children, not always", 3, kMoreWindowsCmd, FALSE, false},
        {"few children, always", 3, kMoreWindowsCmd, TRUE, true},
        {"more windows than the menu lists", 10, kMoreWindowsCmd, FALSE, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        m_pFrame->AddChildren(c.nChildren);
        m_pFrame->SetMoreWindowsCommand(c.uiCmd, "&Windows...", c.bShowAlways);
        CWTKPopupMenu* pPopup = OpenWindowPopup();
        ASSERT_NE(pPopup, nullptr);
        CWTKPopupMenuBar* pBar = pPopup->GetMenuBar();
        EXPECT_EQ(pBar->CommandToIndex(kMoreWindowsCmd) >= 0, c.bListed);
        // The platform's own "more windows" item never shows while the command stands for it.
        if (c.uiCmd != 0) {
            EXPECT_LT(pBar->CommandToIndex(CWTKMDIFrameWnd::kMoreWindowsId), 0);
        }
        Close(pPopup);
    }
}

TEST_F(MDIFrameTest, MenuBarCarriesTheSystemButtonsOfAMaximisedChild)
{
    std::vector<CMDITestChild*> children = m_pFrame->AddChildren(3);
    CWTKMenuBar& bar = m_pFrame->m_wndMenuBar;
    EXPECT_FALSE(bar.IsMaximizeMode());

    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(children[1]->m_hWnd), 0);
    PumpPending();
    ASSERT_TRUE(bar.IsMaximizeMode());
    EXPECT_NE(dynamic_cast<CWTKToolbarSystemMenuButton*>(bar.GetButton(0)), nullptr);
    EXPECT_NE(dynamic_cast<CWTKToolbarMenuButtonsButton*>(bar.GetButton(bar.GetCount() - 1)), nullptr);
    EXPECT_EQ(bar.GetChildSystemMenu(), ::GetSystemMenu(children[1]->m_hWnd, FALSE));
    m_pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    SaveScreenshot(m_pFrame, "mdi_maximised_child.png");

    // Another child activated stays maximised: the buttons follow it.
    m_pFrame->MDIActivate(children[2]);
    PumpPending();
    EXPECT_TRUE(bar.IsMaximizeMode());
    EXPECT_EQ(bar.GetChildSystemMenu(), ::GetSystemMenu(children[2]->m_hWnd, FALSE));

    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(children[2]->m_hWnd), 0);
    PumpPending();
    EXPECT_FALSE(bar.IsMaximizeMode());
    EXPECT_EQ(dynamic_cast<CWTKToolbarSystemMenuButton*>(bar.GetButton(0)), nullptr);
}

// An in-place frame that counts the popups it is asked to show.
class CTestIPFrame : public CWTKOleIPFrameWnd {
public:
    BOOL OnShowPopupMenu(CWTKPopupMenu* pMenuPopup) override
    {
        ++m_nPopupsShown;
        return CWTKOleIPFrameWnd::OnShowPopupMenu(pMenuPopup);
    }
    int m_nPopupsShown = 0;
};

TEST_F(MDIFrameTest, TheFourFramesAreCreatableByNameAndRecognisedAsPopupHosts)
{
    for (CRuntimeClass* pClass : {RUNTIME_CLASS(CWTKMDIFrameWnd), RUNTIME_CLASS(CWTKMDIChildWnd),
                                  RUNTIME_CLASS(CWTKOleIPFrameWnd), RUNTIME_CLASS(CWTKOleDocIPFrameWnd)}) {
        SCOPED_TRACE(pClass->m_lpszClassName);
        std::unique_ptr<CObject> pObject(pClass->CreateObject());
        ASSERT_NE(pObject, nullptr);
        EXPECT_NE(dynamic_cast<CFrameWnd*>(pObject.get()), nullptr);
        const bool bTopLevel = pClass != RUNTIME_CLASS(CWTKMDIChildWnd);
        EXPECT_EQ(dynamic_cast<CWTKPopupMenuHost*>(pObject.get()) != nullptr, bTopLevel);
    }
}

TEST_F(MDIFrameTest, InPlaceFrameOwnsPopupsWhileActiveAndHandsTheRoleBack)
{
    auto* pIP = new CTestIPFrame;
    ASSERT_TRUE(pIP->Create(nullptr, "In place", WS_OVERLAPPEDWINDOW, CRect(100, 100, 300, 240), m_pFrame));
    const HWND hWndIP = pIP->m_hWnd;
    CWTKPopupOwnerFrame::Set(m_pFrame);

    // Activated twice without a deactivation between: the MDI frame stays the saved owner.
    for (int i = 0; i < 2; ++i)
        pIP->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(CWTKPopupOwnerFrame::Get(), pIP);
    EXPECT_EQ(pIP->GetPreviousOwnerFrame(), m_pFrame->m_hWnd);

    // A popup opened on the MDI frame reaches the owner frame.
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_MDI_TEST_NEW, "&New");
    auto* pPopup = CWTKPopupMenu::Open(std::make_unique<CWTKPopupMenu>(), m_pFrame, 100, 100, hMenu, FALSE, TRUE);
    ASSERT_NE(pPopup, nullptr);
    PumpPending();
    EXPECT_EQ(pIP->m_nPopupsShown, 1);
    EXPECT_EQ(m_pFrame->m_nPopupsShown, 0);

    // Deactivation closes the popup and gives the role back.
    pIP->SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    PumpPending();
    EXPECT_EQ(CWTKPopupMenu::GetActiveMenu(), nullptr);
    EXPECT_EQ(CWTKPopupOwnerFrame::Get(), m_pFrame);

    // Deactivated while another frame owns the role: that frame keeps it.
    pIP->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    CWTKPopupOwnerFrame::Set(nullptr);
    pIP->SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(CWTKPopupOwnerFrame::Get(), nullptr);

    // Destroyed while it owns the role: the role goes back, never to a window that is gone.
    CWTKPopupOwnerFrame::Set(m_pFrame);
    pIP->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    pIP->DestroyWindow();
    PumpPending();
    EXPECT_FALSE(::IsWindow(hWndIP));
    EXPECT_EQ(CWTKPopupOwnerFrame::Get(), m_pFrame);
    CWTKPopupOwnerFrame::Set(nullptr);
}

// ---- Context help and tear-off under the MDI frame ----

// A toolbar with the test strip docked at the top of the frame; the frame deletes it.
CWTKToolBar* AddToolBar(CWTKMDIFrameWnd* pFrame)
{
    auto* pBar = new CWTKToolBar;
    pBar->m_bAutoDelete = TRUE;
    if (!pBar->CreateEx(pFrame, CWTKToolBar::kFlatStyle, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(1, 1, 1, 1),
                        IDW_MDI_TEST_TOOLBAR) ||
        !pBar->LoadToolBar(IDR_MDI_TEST_TOOLBAR))
        return nullptr;
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(pBar, FW_IDW_DOCKBAR_TOP);
    pFrame->RecalcLayout();
    PumpPending();
    return pBar;
}

TEST_F(MDIFrameTest, ContextHelpCommandAsksTheClickedToolbarButtonForItsHelp)
{
    CWTKToolBar* pBar = AddToolBar(m_pFrame);
    ASSERT_NE(pBar, nullptr);
    m_pFrame->SetActiveWindow();
    PumpPending();
    CRect rectButton;
    pBar->GetItemRect(2, &rectButton);
    CPoint pt = rectButton.CenterPoint();
    pBar->ClientToScreen(&pt);
    m_pFrame->ScreenToClient(&pt);
    m_pFrame->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));

    std::vector<ULONG_PTR> helpIds;
    {
        const WinHelpRecorder help;
        m_pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
        helpIds = help.ContextIds();
    }
    EXPECT_EQ(helpIds, std::vector<ULONG_PTR> {ID_MDI_TEST_SAVE});
    EXPECT_FALSE(m_pFrame->IsInHelpMode());
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(MDIFrameTest, AnAbandonedTearOffLeavesNoBarInTheFramesList)
{
    CWTKToolBar* pBar = AddToolBar(m_pFrame);
    ASSERT_NE(pBar, nullptr);
    const HWND hBar = pBar->GetSafeHwnd();
    m_pFrame->FloatControlBar(pBar, CPoint(300, 300));
    m_pFrame->GetFrameHelper()->AddTearOffToolbar(pBar);
    PumpPending();
    auto* pFloating = dynamic_cast<CWTKMiniDockFrameWnd*>(pBar->GetParentFrame());
    ASSERT_NE(pFloating, nullptr);

    m_pFrame->PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_FALSE(pFloating->MoveTornOffBar(nullptr, nullptr, CRect()));
    PumpPending();
    EXPECT_FALSE(::IsWindow(hBar));
    EXPECT_TRUE(m_pFrame->GetFrameHelper()->GetTearOffBars().IsEmpty());
}

TEST_F(MDIFrameTest, AMenuBackFromAnAbandonedTearOffIsActiveWithoutAskingTheFrameAgain)
{
    CWTKToolBar* pBar = AddToolBar(m_pFrame);
    ASSERT_NE(pBar, nullptr);
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_MDI_TEST_CUT, "Cu&t");
    CWTKToolbarMenuButton button(0, hMenu, -1, "&Tools");
    ::DestroyMenu(hMenu);
    button.m_bText = TRUE;
    button.SetTearOff(0xE871);
    const int nIndex = pBar->InsertButton(button);
    m_pFrame->RecalcLayout();
    PumpPending();
    auto* pTools = dynamic_cast<CWTKToolbarMenuButton*>(pBar->GetButton(nIndex));
    ASSERT_NE(pTools, nullptr);
    ASSERT_TRUE(pTools->OpenPopupMenu(pBar));
    PumpPending();
    CWTKPopupMenu* pPopup = pTools->GetPopupMenu();
    ASSERT_NE(pPopup, nullptr);
    const int nShown = m_pFrame->m_nPopupsShown;

    // The press on the tear-off strip, the move off it, then Escape during the drag.
    m_pFrame->PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    const CRect rectStrip = pPopup->GetTearOffRect();
    const CPoint ptStrip = rectStrip.CenterPoint();
    pPopup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptStrip.x, ptStrip.y));
    pPopup->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptStrip.x, rectStrip.bottom + 30));
    PumpPending();

    EXPECT_EQ(m_pFrame->GetControlBar(0xE871), nullptr);
    EXPECT_TRUE(m_pFrame->GetFrameHelper()->GetTearOffBars().IsEmpty());
    EXPECT_EQ(CWTKPopupMenu::GetActiveMenu(), pPopup);
    EXPECT_TRUE(pPopup->IsWindowVisible());
    EXPECT_EQ(m_pFrame->m_nPopupsShown, nShown);
    pPopup->SendMessage(WM_CLOSE);
    PumpPending();
}

}  // namespace
