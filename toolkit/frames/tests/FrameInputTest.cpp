// The frame's keyboard filter and help mode: mnemonics through WM_MENUCHAR, accelerators past
// the toolbars, keys left alone while a toolbar control has the focus, the dock bars' context
// menu, the focus following an opened menu, and context help with the toolbars' help ids.
#include "FrameTestSupport.h"
#include "HeldKey.h"
#include "WinHelpRecorder.h"

#include "frames/WTKDockingConstants.h"

#include "command_bars/WTKCommandUsageCounter.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKToolbarEditBoxButton.h"
#include "command_bars/WTKToolbarEditCtrl.h"
#include "command_bars/WTKToolbarMenuButton.h"

#include "bars/DockBar.h"

#include <vector>

namespace {

class FrameInputTest : public FrameTestBase {};

void CloseActivePopup()
{
    if (CWTKPopupMenu* pPopup = CWTKPopupMenu::GetActiveMenu())
        pPopup->SendMessage(WM_CLOSE);
    RunIdle();
}

TEST_F(FrameInputTest, MenuCharOpensTheTitleWithThatMnemonic)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    const struct {
        char cKey;
        const char* pszTitle;  // null: no title has it
    } cases[] = {{'e', "&Edit"}, {'H', "&Help"}, {'q', nullptr}};
    for (const auto& c : cases) {
        const LRESULT lResult = pFrame->SendMessage(WM_MENUCHAR, MAKEWPARAM(c.cKey, MF_POPUP), 0);
        CWTKPopupMenu* pPopup = CWTKPopupMenu::GetActiveMenu();
        if (c.pszTitle == nullptr) {
            EXPECT_NE(static_cast<LRESULT>(kWTKMenuCharTaken), lResult) << c.cKey;
            EXPECT_EQ(nullptr, pPopup) << c.cKey;
            continue;
        }
        EXPECT_EQ(static_cast<LRESULT>(kWTKMenuCharTaken), lResult) << c.cKey;
        ASSERT_NE(nullptr, pPopup) << c.cKey;
        ASSERT_NE(nullptr, pPopup->GetParentButton()) << c.cKey;
        EXPECT_STREQ(c.pszTitle, pPopup->GetParentButton()->m_strText) << c.cKey;
        CloseActivePopup();
    }
    CloseTestFrame(pFrame);
}

TEST_F(FrameInputTest, AcceleratorsRunUnlessAToolbarControlHasTheFocus)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    constexpr UINT kFindBox = 0x9120;
    ASSERT_GE(pFrame->m_wndToolBar2.InsertButton(CWTKToolbarEditBoxButton(kFindBox, -1, ES_AUTOHSCROLL, 80)), 0);
    pFrame->RecalcLayout();
    RunIdle();
    auto* pBox = dynamic_cast<CWTKToolbarEditBoxButton*>(
        pFrame->m_wndToolBar2.GetButton(pFrame->m_wndToolBar2.CommandToIndex(kFindBox)));
    ASSERT_NE(nullptr, pBox);
    ASSERT_NE(nullptr, pBox->GetEditBox());

    const HWND hFrame = pFrame->GetSafeHwnd();
    const HWND hEdit = pBox->GetEditBox()->GetSafeHwnd();
    ASSERT_TRUE(::IsWindowVisible(hEdit));
    pFrame->SetForegroundWindow();
    RunIdle();
    const struct {
        const char* name;
        HWND hFocus;
        BOOL bControl;  // Ctrl held
        WPARAM key;
        BOOL bConsumed;     // the frame's PreTranslateMessage
        UINT nNewCommands;  // Ctrl+N ran ID_FT_NEW this often
    } cases[] = {
        {"Ctrl+N on the frame runs the accelerator", hFrame, TRUE, 'N', TRUE, 1},
        {"Ctrl+N in the toolbar's edit box stays the box's", hEdit, TRUE, 'N', FALSE, 0},
        {"a letter in the edit box is not translated", hEdit, FALSE, 'A', FALSE, 0},
        {"a letter on the frame goes its usual way", hFrame, FALSE, 'A', FALSE, 0},
    };
    for (const auto& c : cases) {
        // Nothing handles the box's command, so the idle update disables it: a real box is enabled.
        ::EnableWindow(hEdit, TRUE);
        ::SetFocus(c.hFocus);
        ASSERT_EQ(c.hFocus, ::GetFocus()) << c.name;
        const UINT nBefore = WTKGetCommandUsageCounter().GetCount(ID_FT_NEW);
        HeldKey key(c.bControl ? VK_CONTROL : 0);
        MSG msg = MakeMsg(c.hFocus, WM_KEYDOWN, c.key, 1);
        BOOL bTranslate = TRUE;
        const BOOL bHelper = pFrame->GetFrameHelper()->PreTranslateMessage(&msg, &bTranslate);
        EXPECT_FALSE(bHelper) << c.name;
        EXPECT_EQ(c.hFocus != hEdit ? TRUE : FALSE, bTranslate) << c.name << ": the do-not-translate flag";
        EXPECT_EQ(c.bConsumed, pFrame->PreTranslateMessage(&msg)) << c.name;
        RunIdle();
        EXPECT_EQ(nBefore + c.nNewCommands, WTKGetCommandUsageCounter().GetCount(ID_FT_NEW)) << c.name;
    }
    CloseTestFrame(pFrame);
}

TEST_F(FrameInputTest, RightClickOnADockBarAsksTheFrameForTheBarsMenu)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    CControlBar* pDockBar = pFrame->GetControlBar(FW_IDW_DOCKBAR_TOP);
    ASSERT_NE(nullptr, pDockBar);
    const CPoint ptClient(4, 2);
    CPoint ptScreen = ptClient;
    pDockBar->ClientToScreen(&ptScreen);
    const struct {
        const char* name;
        HWND hWnd;
        UINT message;
        size_t nRequests;
    } cases[] = {
        {"release on the dock bar", pDockBar->GetSafeHwnd(), WM_RBUTTONUP, 1},
        {"press on the dock bar", pDockBar->GetSafeHwnd(), WM_RBUTTONDOWN, 0},
        {"release on a toolbar", pFrame->m_wndToolBar1.GetSafeHwnd(), WM_RBUTTONUP, 0},
        {"release on the frame", pFrame->GetSafeHwnd(), WM_RBUTTONUP, 0},
    };
    for (const auto& c : cases) {
        pFrame->m_popupMenuRequests.clear();
        MSG msg = MakeMsg(c.hWnd, c.message, 0, MAKELPARAM(ptClient.x, ptClient.y));
        EXPECT_FALSE(pFrame->PreTranslateMessage(&msg)) << c.name << ": the click goes on";
        ASSERT_EQ(c.nRequests, pFrame->m_popupMenuRequests.size()) << c.name;
        if (c.nRequests == 1) {
            EXPECT_EQ(static_cast<UINT>(MAKELPARAM(ptScreen.x, ptScreen.y)), pFrame->m_popupMenuRequests[0]) << c.name;
        }
    }
    CloseTestFrame(pFrame);
}

TEST_F(FrameInputTest, AnOpenedMenuTakesTheFocusToItsDockedBar)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    CWTKToolbarMenuButton* pTools = AddToolsButton(pFrame);
    ASSERT_NE(nullptr, pTools);
    pFrame->SetActiveWindow();
    ASSERT_TRUE(pTools->OpenPopupMenu(&pFrame->m_wndToolBar2));
    RunIdle();
    CWTKPopupMenu* pPopup = pTools->GetPopupMenu();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(pFrame->m_wndToolBar2.GetSafeHwnd(), ::GetFocus()) << "opening moved the focus";

    // The frame showing the popup again moves the focus back to the bar; a null popup does not.
    pFrame->SetFocus();
    EXPECT_TRUE(pFrame->ShowPopupMenu(nullptr));
    EXPECT_EQ(pFrame->GetSafeHwnd(), ::GetFocus());
    EXPECT_TRUE(pFrame->ShowPopupMenu(pPopup));
    EXPECT_EQ(pPopup, CWTKPopupMenu::GetActiveMenu());
    EXPECT_EQ(pFrame->m_wndToolBar2.GetSafeHwnd(), ::GetFocus());

    // A floating bar keeps out of the focus.
    pFrame->FloatControlBar(&pFrame->m_wndToolBar2, CPoint(300, 300));
    RunIdle();
    ASSERT_TRUE(pFrame->m_wndToolBar2.IsFloating());
    pFrame->SetActiveWindow();
    pFrame->SetFocus();
    EXPECT_TRUE(pFrame->ShowPopupMenu(pPopup));
    EXPECT_EQ(pFrame->GetSafeHwnd(), ::GetFocus());
    CloseActivePopup();
    CloseTestFrame(pFrame);
}

// ---- Context help ----

class FrameHelpTest : public FrameTestBase {
protected:
    WinHelpRecorder m_help;
};

// Posts the press that ends help mode, at a screen point: the frame holds the mouse then, so
// the press comes to it in its client coordinates.
void PostHelpClick(CFrameWnd* pFrame, CPoint ptScreen)
{
    pFrame->ScreenToClient(&ptScreen);
    pFrame->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptScreen.x, ptScreen.y));
}

CPoint ButtonCentre(CWTKToolBar* pBar, int nIndex)
{
    CRect rect;
    pBar->GetItemRect(nIndex, &rect);
    pBar->ClientToScreen(&rect);
    return rect.CenterPoint();
}

TEST_F(FrameHelpTest, ShiftF1ThenAClickOnAButtonAsksForItsHelp)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    pFrame->SetActiveWindow();
    RunIdle();
    PostHelpClick(pFrame, ButtonCentre(&pFrame->m_wndToolBar1, 1));
    {
        HeldKey key(VK_SHIFT);
        MSG msg = MakeMsg(pFrame->GetSafeHwnd(), WM_KEYDOWN, VK_F1, 1);
        EXPECT_TRUE(pFrame->PreTranslateMessage(&msg));
    }
    ASSERT_EQ(1u, m_help.Calls().size());
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), m_help.Calls()[0].nCmd);
    EXPECT_EQ(static_cast<ULONG_PTR>(ID_FT_OPEN), m_help.Calls()[0].dwData);
    EXPECT_FALSE(pFrame->IsInHelpMode());
    EXPECT_EQ(nullptr, ::GetCapture());
    CloseTestFrame(pFrame);
}

TEST_F(FrameHelpTest, AClickOnNothingKeepsHelpModeAndEscapeEndsItWithoutHelp)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    pFrame->SetActiveWindow();
    RunIdle();
    // On the first toolbar's gripper: on the bar, but on no button.
    CPoint ptGap(-4, 8);
    pFrame->m_wndToolBar1.ClientToScreen(&ptGap);
    ASSERT_EQ(pFrame->m_wndToolBar1.GetSafeHwnd(), ::WindowFromPoint(ptGap));

    PostHelpClick(pFrame, ptGap);
    PostHelpClick(pFrame, ButtonCentre(&pFrame->m_wndToolBar2, 0));
    pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
    ASSERT_EQ(1u, m_help.Calls().size()) << "the click on no button asked for nothing";
    EXPECT_EQ(static_cast<ULONG_PTR>(ID_FT_PASTE), m_help.Calls()[0].dwData);

    m_help.Clear();
    pFrame->PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
    EXPECT_TRUE(m_help.Calls().empty());
    EXPECT_FALSE(pFrame->IsInHelpMode());

    // Outside help mode the frame's help goes straight through.
    pFrame->WinHelp(0, HELP_INDEX);
    pFrame->WinHelp(77);
    ASSERT_EQ(2u, m_help.Calls().size());
    EXPECT_EQ(static_cast<UINT>(HELP_INDEX), m_help.Calls()[0].nCmd);
    EXPECT_EQ(0u, m_help.Calls()[0].dwData);
    EXPECT_EQ(77u, m_help.Calls()[1].dwData);
    CloseTestFrame(pFrame);
}

// The toolbar's answer to a real mouse move during help mode: a hook installed before help
// mode runs after the toolbars' own, records the bar's hot button and ends help mode.
struct HotDuringHelp {
    CWTKToolBar* pBar = nullptr;
    HWND hFrame = nullptr;
    HHOOK hHook = nullptr;
    int nMoves = 0;
    CWTKToolbarButton* pHot = nullptr;
};
HotDuringHelp g_hot;
constexpr UINT kMoveMouseMessage = WM_APP + 7;
constexpr UINT_PTR kGiveUpTimer = 7;

LRESULT CALLBACK RecordHotHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = ::CallNextHookEx(g_hot.hHook, nCode, wParam, lParam);
    if (nCode == HC_ACTION && wParam == WM_MOUSEMOVE && g_hot.nMoves++ == 0) {
        g_hot.pHot = g_hot.pBar->GetHighlightedButton();
        ::PostMessageA(g_hot.hFrame, WM_KEYDOWN, VK_ESCAPE, 1);
    }
    return lResult;
}

// Moves the mouse (as the user does) once help mode runs; the timer ends help mode should the
// move never come, so that a failure cannot hang the program.
LRESULT CALLBACK MouseMoverProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kMoveMouseMessage) {
        INPUT input {};
        input.type = INPUT_MOUSE;
        input.mi.dx =
            static_cast<LONG>(static_cast<short>(LOWORD(lParam)) * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1));
        input.mi.dy =
            static_cast<LONG>(static_cast<short>(HIWORD(lParam)) * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1));
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        ::SendInput(1, &input, sizeof(input));
        ::SetTimer(hWnd, kGiveUpTimer, 3000, nullptr);
        return 0;
    }
    if (message == WM_TIMER) {
        ::KillTimer(hWnd, kGiveUpTimer);
        ::PostMessageA(g_hot.hFrame, WM_KEYDOWN, VK_ESCAPE, 1);
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

TEST_F(FrameHelpTest, TheToolbarUnderTheMouseShowsItsHotButtonDuringHelpMode)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    pFrame->SetForegroundWindow();
    RunIdle();
    const CPoint ptButton = ButtonCentre(&pFrame->m_wndToolBar1, 1);
    CRect rectClient;
    pFrame->GetClientRect(&rectClient);
    CPoint ptAway = rectClient.BottomRight() - CSize(20, 20);
    pFrame->ClientToScreen(&ptAway);
    ::SetCursorPos(ptAway.x, ptAway.y);
    RunIdle();

    WNDCLASSA wc {};
    wc.lpfnWndProc = &MouseMoverProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "WTKHelpTestMouseMover";
    ::RegisterClassA(&wc);
    const HWND hMover =
        ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(nullptr, hMover);
    g_hot = HotDuringHelp();
    g_hot.pBar = &pFrame->m_wndToolBar1;
    g_hot.hFrame = pFrame->GetSafeHwnd();
    g_hot.hHook = ::SetWindowsHookExA(WH_MOUSE, &RecordHotHook, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(nullptr, g_hot.hHook);

    // Nothing handles the button's command, so the idle update disabled it: a real one is enabled.
    pFrame->m_wndToolBar1.GetButton(1)->m_nStyle &= ~TBBS_DISABLED;
    ::PostMessageA(hMover, kMoveMouseMessage, 0, MAKELPARAM(ptButton.x, ptButton.y));
    pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
    ::UnhookWindowsHookEx(g_hot.hHook);
    ::DestroyWindow(hMover);

    EXPECT_GT(g_hot.nMoves, 0) << "the move came during help mode";
    EXPECT_EQ(pFrame->m_wndToolBar1.GetButton(1), g_hot.pHot);
    EXPECT_EQ(nullptr, pFrame->m_wndToolBar1.GetHighlightedButton()) << "help mode over, nothing is hot";
    EXPECT_TRUE(m_help.Calls().empty());
    CloseTestFrame(pFrame);
}

}  // namespace
