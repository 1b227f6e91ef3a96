// What a bar's children and the mouse over its tools send: commands to the owner frame (also
// while floating), tooltips with the tool's text, prompts while the mouse flies over tools.
#include "BarsTestSupport.h"
#include "bars/BarToolTip.h"
#include "bars/DialogBar.h"
#include "bars/ReBar.h"
#include "win/ToolTipCtrl.h"

namespace {

class BarMessagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new CDockTestFrame;
        ASSERT_TRUE(m_pFrame->CreateFrame());
        PumpPending();
    }
    void TearDown() override
    {
        CBarToolTip::Destroy();
        if (m_pFrame && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
        PumpPending();
    }
    CDockTestFrame* m_pFrame = nullptr;
};

TEST_F(BarMessagesTest, AChildsCommandReachesTheFrameDockedAndFloating)
{
    CDockTestFrame& f = *m_pFrame;
    CTestBar bar(2, FALSE, RGB(0, 0, 0));
    ASSERT_TRUE(bar.Create(&f, kIdChildBar, "With a button", CBRS_TOP));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    CButton button;
    RECT rect = {60, 2, 120, 20};
    ASSERT_TRUE(button.Create("Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, rect, &bar, kIdChildButton));
    f.DockControlBar(&bar, FW_IDW_DOCKBAR_TOP);
    button.SendMessage(BM_CLICK);
    ASSERT_EQ(f.m_commands.size(), 1u) << "docked";
    f.FloatControlBar(&bar, ScreenRect(&f.m_wndPane).TopLeft() + CPoint(40, 40));
    ASSERT_TRUE(bar.IsFloating());
    button.SendMessage(BM_CLICK);
    ASSERT_EQ(f.m_commands.size(), 2u) << "floating: the floating frame is not the owner";
    EXPECT_EQ(f.m_commands[1], kIdChildButton);
    bar.DestroyWindow();
}

TEST_F(BarMessagesTest, TheMouseOverAToolShowsItsTextAndItsPrompt)
{
    CDockTestFrame& f = *m_pFrame;
    CRect button = f.m_barA.ButtonRect(1);
    CPoint pt = button.CenterPoint();
    f.m_prompts.clear();
    ::PostMessageA(f.m_barA.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    PumpPending();
    CToolTipCtrl* pTip = CBarToolTip::GetToolTip();
    ASSERT_NE(pTip, nullptr);
    ASSERT_EQ(pTip->GetToolCount(), 1);
    char szText[80] = {};
    TTTOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    ti.lpszText = szText;
    ASSERT_TRUE(pTip->SendMessage(TTM_ENUMTOOLSA, 0, (LPARAM)&ti));
    EXPECT_STREQ(szText, "Tool 2");
    EXPECT_EQ(ti.hwnd, f.m_barA.m_hWnd);
    ASSERT_FALSE(f.m_prompts.empty());
    EXPECT_EQ(f.m_prompts.back(), 0x9001u) << "fly-by prompt of the tool";

    // Off the tools (on the gripper): no tool, the idle prompt.
    ::PostMessageA(f.m_barA.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(2, 5));
    PumpPending();
    EXPECT_EQ(pTip->GetToolCount(), 0);
    EXPECT_EQ(f.m_prompts.back(), (UINT)FW_IDS_IDLEMESSAGE);

    // Cancel and destroy are the toolkit's to call at any time.
    ::PostMessageA(f.m_barA.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    PumpPending();
    CBarToolTip::Cancel();
    EXPECT_EQ(pTip->GetToolCount(), 0);
    CBarToolTip::Destroy();
    EXPECT_EQ(CBarToolTip::GetToolTip(), nullptr);
}

}  // namespace

namespace {

TEST_F(BarMessagesTest, ADialogBarIsItsTemplateAndReportsToTheFrame)
{
    CDockTestFrame& f = *m_pFrame;
    CDialogBar bar;
    ASSERT_TRUE(bar.Create(&f, IDD_TEST_DIALOGBAR, CBRS_TOP | WS_VISIBLE, 0x8206));
    EXPECT_EQ(f.GetControlBar(0x8206), &bar);
    EXPECT_TRUE(bar.GetStyle() & WS_CHILD);
    EXPECT_GT(bar.m_sizeDefault.cx, 0);
    EXPECT_EQ(bar.CalcFixedLayout(TRUE, TRUE), CSize(32767, bar.m_sizeDefault.cy));
    f.RecalcLayout();
    EXPECT_EQ(RectInClient(&f, &bar).Height(), bar.m_sizeDefault.cy) << "a strip of the frame";
    ::SendMessageA(::GetDlgItem(bar.m_hWnd, IDC_TEST_DIALOGBAR_BUTTON), BM_CLICK, 0, 0);
    ASSERT_EQ(f.m_commands.size(), 1u);
    EXPECT_EQ(f.m_commands[0], (UINT)IDC_TEST_DIALOGBAR_BUTTON);
    bar.DestroyWindow();
    EXPECT_EQ(f.GetControlBar(0x8206), nullptr) << "it left the frame's list";
}

TEST_F(BarMessagesTest, ARebarHoldsBarsInBandsTheRebarStateReads)
{
    CDockTestFrame& f = *m_pFrame;
    CReBar rebar;
    ASSERT_TRUE(rebar.Create(&f));
    CControlBar* pAsBar = &rebar;
    EXPECT_TRUE(pAsBar->IsKindOf(RUNTIME_CLASS(CReBar)));
    CTestBar bar(3, FALSE, RGB(0, 0, 0));
    ASSERT_TRUE(bar.Create(&f, 0x8207, "In a band", CBRS_TOP));
    bar.SetWindowPos(nullptr, 0, 0, 80, 26, SWP_NOZORDER | SWP_NOMOVE);
    ASSERT_TRUE(rebar.AddBar(&bar, "Band"));
    CReBarCtrl& ctrl = rebar.GetReBarCtrl();
    ASSERT_EQ(ctrl.GetBandCount(), 1u);
    REBARBANDINFOA rbbi = {};
    rbbi.cbSize = sizeof(rbbi);
    rbbi.fMask = RBBIM_ID | RBBIM_CHILD;
    ASSERT_TRUE(ctrl.GetBandInfo(0, &rbbi));
    EXPECT_EQ(rbbi.wID, 0x8207u);
    EXPECT_EQ(rbbi.hwndChild, bar.m_hWnd);
    EXPECT_GT(rebar.CalcFixedLayout(TRUE, TRUE).cy, 0);
    rebar.DestroyWindow();
}

}  // namespace
