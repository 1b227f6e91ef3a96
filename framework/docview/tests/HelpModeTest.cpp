// The frame's help mode: the window under the click (or its nearest parent that knows one)
// names the help id; a window with nothing to explain asks for the general help; Escape, a
// right click or a click outside the program end help mode without help.
#include "DocViewTestSupport.h"

#include "HeldKey.h"
#include "WinHelpRecorder.h"

namespace {

// A child window that answers WM_HELPHITTEST with its own value (0: ask the parent).
class CHelpAnswerWnd : public CWnd {
public:
    explicit CHelpAnswerWnd(LRESULT lAnswer) : m_lAnswer(lAnswer) {}
    CPoint m_ptAsked {-1, -1};

protected:
    LRESULT OnHelpHitTest(WPARAM, LPARAM lParam)
    {
        m_ptAsked = CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return m_lAnswer;
    }
    DECLARE_MESSAGE_MAP()

    LRESULT m_lAnswer;
};

BEGIN_MESSAGE_MAP(CHelpAnswerWnd, CWnd)
    ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
END_MESSAGE_MAP()

class HelpModeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new CFrameWnd;
        const RECT rect = {60, 60, 460, 360};
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Help", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect));
        const DWORD dwStyle = WS_CHILD | WS_VISIBLE;
        ASSERT_TRUE(m_outer.Create(nullptr, "", dwStyle, CRect(10, 10, 210, 110), m_pFrame, 1));
        ASSERT_TRUE(m_inner.Create(nullptr, "", dwStyle, CRect(10, 10, 60, 60), &m_outer, 2));
        ASSERT_TRUE(m_mute.Create(nullptr, "", dwStyle, CRect(10, 150, 110, 200), m_pFrame, 3));
        m_pFrame->SetActiveWindow();
        PumpPending();
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
    }

    // Posts a press at a point of pWnd's client area to the frame, which holds the mouse.
    void PostClick(CWnd* pWnd, CPoint pt, UINT message = WM_LBUTTONDOWN)
    {
        pWnd->ClientToScreen(&pt);
        m_pFrame->ScreenToClient(&pt);
        m_pFrame->PostMessage(message, 0, MAKELPARAM(pt.x, pt.y));
    }

    WinHelpRecorder m_help;
    CFrameWnd* m_pFrame = nullptr;
    CHelpAnswerWnd m_outer {0x20010};
    CHelpAnswerWnd m_inner {0};
    CHelpAnswerWnd m_mute {-1};
};

TEST_F(HelpModeTest, TheClickedWindowOrItsParentNamesTheHelp)
{
    const struct {
        const char* name;
        CWnd* pWnd;
        CPoint pt;
        UINT nCmd;
        ULONG_PTR dwData;
    } cases[] = {
        {"on the window with an id", &m_outer, CPoint(150, 50), HELP_CONTEXT, 0x20010},
        {"on its child without one", &m_inner, CPoint(20, 30), HELP_CONTEXT, 0x20010},
        {"on a window with nothing to explain", &m_mute, CPoint(5, 5), HELP_INDEX, 0},
        {"on the frame's own client area", m_pFrame, CPoint(300, 250), HELP_INDEX, 0},
    };
    for (const auto& c : cases) {
        m_help.Clear();
        PostClick(c.pWnd, c.pt);
        m_pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
        ASSERT_EQ(1u, m_help.Calls().size()) << c.name;
        EXPECT_EQ(c.nCmd, m_help.Calls()[0].nCmd) << c.name;
        EXPECT_EQ(c.dwData, m_help.Calls()[0].dwData) << c.name;
        EXPECT_FALSE(m_pFrame->IsInHelpMode()) << c.name;
        EXPECT_EQ(nullptr, ::GetCapture()) << c.name;
    }
    // The window was asked with the click in its own client coordinates.
    EXPECT_EQ(CPoint(20, 30), m_inner.m_ptAsked);
}

TEST_F(HelpModeTest, EscapeOrARightClickEndsHelpModeWithoutHelp)
{
    m_pFrame->PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    m_pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
    PostClick(&m_outer, CPoint(5, 5), WM_RBUTTONDOWN);
    m_pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
    EXPECT_TRUE(m_help.Calls().empty());
    EXPECT_FALSE(m_pFrame->IsInHelpMode());
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(HelpModeTest, ShiftF1EntersHelpModeAndF1AloneDoesNot)
{
    PostClick(&m_outer, CPoint(150, 50));
    MSG msg {};
    msg.hwnd = m_pFrame->GetSafeHwnd();
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_F1;
    msg.lParam = 1;
    {
        const HeldKey shift(VK_SHIFT);
        EXPECT_TRUE(m_pFrame->PreTranslateMessage(&msg));
    }
    ASSERT_EQ(1u, m_help.Calls().size());
    EXPECT_EQ(0x20010u, m_help.Calls()[0].dwData);

    EXPECT_FALSE(m_pFrame->PreTranslateMessage(&msg)) << "F1 alone is no help mode";
    EXPECT_EQ(1u, m_help.Calls().size());
    PumpPending();
}

}  // namespace
