// Tearing a menu off: the press on the popup's tear-off strip and the move off it make a
// floating bar, which the floating frame carries with the mouse until the button comes up;
// Escape or a right click during that move takes the bar away and brings the menu back.
#include "FrameTestSupport.h"

#include "frames/WTKMiniDockFrameWnd.h"

#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKToolbarMenuButton.h"

namespace {

class TearOffTest : public FrameTestBase {};

constexpr UINT kToolsTearOffID = 0xE870;
// Posted during the move: the hand puts the cursor there (x low word, y high word).
constexpr UINT kMoveCursorMessage = WM_APP + 1;

LRESULT CALLBACK CursorMoverProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kMoveCursorMessage) {
        ::SetCursorPos(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

// A window that moves the cursor when its message comes out of the queue.
class CursorMover {
public:
    CursorMover()
    {
        WNDCLASSA wc {};
        wc.lpfnWndProc = &CursorMoverProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "WTKTearOffTestCursorMover";
        ::RegisterClassA(&wc);
        m_hWnd =
            ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }
    ~CursorMover() { ::DestroyWindow(m_hWnd); }
    CursorMover(const CursorMover&) = delete;
    CursorMover& operator=(const CursorMover&) = delete;

    void PostMove(CPoint pt) const { ::PostMessageA(m_hWnd, kMoveCursorMessage, 0, MAKELPARAM(pt.x, pt.y)); }

private:
    HWND m_hWnd = nullptr;
};

// Opens a "Tools" menu that can be torn off, from a button on the second toolbar.
CWTKPopupMenu* OpenToolsMenu(CFrameTestFrame* pFrame)
{
    CWTKToolbarMenuButton* pTools = AddToolsButton(pFrame, kToolsTearOffID);
    if (pTools == nullptr || !pTools->OpenPopupMenu(&pFrame->m_wndToolBar2))
        return nullptr;
    RunIdle();
    return pTools->GetPopupMenu();
}

// The user's press on the tear-off strip and the move off it, which starts the tear-off; the
// messages already posted are what happens during the move.
void TearOffByMouse(CWTKPopupMenu* pPopup)
{
    const CRect rectStrip = pPopup->GetTearOffRect();
    const CPoint ptStrip = rectStrip.CenterPoint();
    pPopup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptStrip.x, ptStrip.y));
    pPopup->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptStrip.x, rectStrip.bottom + 30));
    RunIdle();
}

CWTKToolBar* TornOffBar(CFrameTestFrame* pFrame)
{
    return dynamic_cast<CWTKToolBar*>(pFrame->GetControlBar(kToolsTearOffID));
}

TEST_F(TearOffTest, TheNewBarFollowsTheMouseUntilTheButtonComesUp)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    CWTKPopupMenu* pPopup = OpenToolsMenu(pFrame);
    ASSERT_NE(nullptr, pPopup);
    ASSERT_FALSE(pPopup->GetTearOffRect().IsRectEmpty());
    const HWND hPopup = pPopup->GetSafeHwnd();

    const CRect rectFrame = ScreenRect(pFrame);
    const CPoint ptDrop(rectFrame.left + 260, rectFrame.top + 240);
    CursorMover mover;
    mover.PostMove(ptDrop);
    pFrame->PostMessage(WM_MOUSEMOVE);
    pFrame->PostMessage(WM_LBUTTONUP);
    TearOffByMouse(pPopup);

    CWTKToolBar* pBar = TornOffBar(pFrame);
    ASSERT_NE(nullptr, pBar);
    EXPECT_TRUE(pBar->IsFloating());
    EXPECT_TRUE(pBar->IsWindowVisible());
    EXPECT_EQ(2, pBar->GetCount());
    CString strName;
    pBar->GetWindowText(strName);
    EXPECT_STREQ("Tools", strName);
    EXPECT_NE(nullptr, pFrame->GetFrameHelper()->GetTearOffBars().Find(pBar));
    // The cursor holds the floating frame at the middle of its top edge, 5 pixels down.
    CWnd* pFloating = pBar->GetParentFrame();
    ASSERT_NE(nullptr, dynamic_cast<CWTKMiniDockFrameWnd*>(pFloating));
    const CRect rectFloating = ScreenRect(pFloating);
    EXPECT_EQ(ptDrop.x - rectFloating.Width() / 2, rectFloating.left);
    EXPECT_EQ(ptDrop.y - 5, rectFloating.top);
    // The menu is gone and the frame has the focus.
    EXPECT_FALSE(::IsWindow(hPopup));
    EXPECT_EQ(nullptr, CWTKPopupMenu::GetActiveMenu());
    EXPECT_EQ(pFrame->GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(nullptr, ::GetCapture());
    CloseTestFrame(pFrame);
}

TEST_F(TearOffTest, EscapeOrARightClickTakesTheBarAwayAndBringsTheMenuBack)
{
    for (UINT message : {static_cast<UINT>(WM_KEYDOWN), static_cast<UINT>(WM_RBUTTONDOWN)}) {
        CFrameTestFrame* pFrame = CreateTestFrame();
        ASSERT_NE(nullptr, pFrame);
        CWTKPopupMenu* pPopup = OpenToolsMenu(pFrame);
        ASSERT_NE(nullptr, pPopup) << message;
        const HWND hPopup = pPopup->GetSafeHwnd();
        // A frame that would let no menu open takes this one back all the same: it was open.
        pFrame->m_bRefusePopups = TRUE;

        pFrame->PostMessage(WM_MOUSEMOVE);
        pFrame->PostMessage(message, message == WM_KEYDOWN ? VK_ESCAPE : 0, 1);
        TearOffByMouse(pPopup);

        EXPECT_EQ(nullptr, TornOffBar(pFrame)) << message;
        EXPECT_TRUE(pFrame->GetFrameHelper()->GetTearOffBars().IsEmpty()) << message;
        ASSERT_TRUE(::IsWindow(hPopup)) << message;
        EXPECT_TRUE(::IsWindowVisible(hPopup)) << message;
        EXPECT_EQ(pPopup, CWTKPopupMenu::GetActiveMenu()) << message;
        EXPECT_EQ(nullptr, ::GetCapture()) << message;
        pFrame->m_bRefusePopups = FALSE;
        pPopup->SendMessage(WM_CLOSE);
        CloseTestFrame(pFrame);
    }
}

}  // namespace
