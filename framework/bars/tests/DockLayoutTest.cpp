// Bars docked on three sides in rows, the pane taking the rest; delayed hiding at idle; a
// screenshot of a frame with two rows on top and a floating bar.
#include "BarsTestSupport.h"
#include "Canvas.h"

#include <memory>

namespace {

class DockLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new CDockTestFrame;
        ASSERT_TRUE(m_pFrame->CreateFrame());
        PumpPending();
    }
    void TearDown() override
    {
        if (::IsWindow(m_hWndFrame()))
            m_pFrame->DestroyWindow();
        PumpPending();
    }
    HWND m_hWndFrame() const { return m_pFrame ? m_pFrame->m_hWnd : nullptr; }

    CDockTestFrame* m_pFrame = nullptr;
};

TEST_F(DockLayoutTest, BarsTakeTheirSidesInRowsAndThePaneGetsTheRest)
{
    CDockTestFrame& f = *m_pFrame;
    CRect client;
    f.GetClientRect(&client);
    const CSize a = f.m_barA.CalcFixedLayout(FALSE, TRUE), b = f.m_barB.CalcFixedLayout(FALSE, TRUE);
    const CSize c = f.m_barC.CalcFixedLayout(FALSE, FALSE), d = f.m_barD.CalcFixedLayout(FALSE, TRUE);
    const int top = a.cy + b.cy;
    const struct {
        const char* what;
        CWnd* pWnd;
        CRect expected;
    } rows[] = {
        {"bar A, first row on top", &f.m_barA, CRect(CPoint(0, 0), a)},
        {"bar B, second row on top", &f.m_barB, CRect(CPoint(0, a.cy), b)},
        {"bar C, left below the top rows", &f.m_barC, CRect(CPoint(0, top), c)},
        {"bar D, bottom", &f.m_barD, CRect(CPoint(0, client.bottom - d.cy), d)},
        {"top dock bar, full width", f.GetControlBar(FW_IDW_DOCKBAR_TOP), CRect(0, 0, client.right, top)},
        {"left dock bar, between", f.GetControlBar(FW_IDW_DOCKBAR_LEFT), CRect(0, top, c.cx, client.bottom - d.cy)},
        {"pane, the rest", &f.m_wndPane, CRect(c.cx, top, client.right, client.bottom - d.cy)},
    };
    for (const auto& row : rows) {
        ASSERT_NE(row.pWnd, nullptr) << row.what;
        EXPECT_EQ(RectInClient(&f, row.pWnd), row.expected) << row.what;
    }
    // The rows as the dock bar's array holds them: null, A, null, B, null.
    auto* pTop = static_cast<CDockBar*>(f.GetControlBar(FW_IDW_DOCKBAR_TOP));
    ASSERT_EQ(pTop->m_arrBars.GetSize(), 5);
    EXPECT_EQ(pTop->m_arrBars[1], &f.m_barA);
    EXPECT_EQ(pTop->m_arrBars[3], &f.m_barB);
    EXPECT_EQ(pTop->m_arrBars[0], nullptr);
    EXPECT_EQ(pTop->m_arrBars[2], nullptr);
    EXPECT_EQ(pTop->m_arrBars[4], nullptr);
    EXPECT_EQ(pTop->GetDockedCount(), 2);
}

TEST_F(DockLayoutTest, ADelayedHideLaysOutAtIdle)
{
    CDockTestFrame& f = *m_pFrame;
    const CSize a = f.m_barA.CalcFixedLayout(FALSE, TRUE), b = f.m_barB.CalcFixedLayout(FALSE, TRUE);
    f.ShowControlBar(&f.m_barB, FALSE, TRUE);
    EXPECT_TRUE(f.m_barB.GetStyle() & WS_VISIBLE) << "nothing happens before idle";
    EXPECT_FALSE(f.m_barB.IsVisible());
    EXPECT_EQ(RectInClient(&f, &f.m_wndPane).top, a.cy + b.cy);
    RunIdle();
    EXPECT_FALSE(f.m_barB.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(RectInClient(&f, &f.m_wndPane).top, a.cy) << "the second row went";
    auto* pTop = static_cast<CDockBar*>(f.GetControlBar(FW_IDW_DOCKBAR_TOP));
    EXPECT_EQ(pTop->GetDockedVisibleCount(), 1);
    f.ShowControlBar(&f.m_barB, TRUE, TRUE);
    RunIdle();
    EXPECT_EQ(RectInClient(&f, &f.m_wndPane).top, a.cy + b.cy);
    EXPECT_EQ(RectInClient(&f, &f.m_barB).TopLeft(), CPoint(0, a.cy)) << "back in its row";
}

TEST_F(DockLayoutTest, ScreenshotShowsTwoRowsOnTopAndAFloatingBar)
{
    CDockTestFrame& f = *m_pFrame;
    // A fifth bar floats over the pane, as a small tool window with its caption.
    CTestBar floating(4, TRUE, RGB(160, 0, 160));
    ASSERT_TRUE(floating.Create(&f, kIdChildBar, "Floating", CBRS_TOP | CBRS_GRIPPER | CBRS_BORDER_3D));
    floating.EnableDocking(CBRS_ALIGN_ANY);
    CRect pane = ScreenRect(&f.m_wndPane);
    f.FloatControlBar(&floating, pane.TopLeft() + CPoint(120, 80));
    ASSERT_TRUE(floating.IsFloating());
    CMiniDockFrameWnd* pMini = FloatingFrame(&floating);
    ASSERT_NE(pMini, nullptr);
    EXPECT_TRUE(pMini->IsWindowVisible());
    EXPECT_TRUE(pMini->GetExStyle() & WS_EX_TOOLWINDOW);
    CString strCaption;
    pMini->GetWindowText(strCaption);
    EXPECT_STREQ(strCaption, "Floating") << "the floating caption is the bar's text";
    f.SetForegroundWindow();
    f.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    pMini->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    PumpPending();

    CRect rectFrame = ScreenRect(&f);
    Canvas shot(rectFrame.Width(), rectFrame.Height());
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(shot.Handle(), 0, 0, rectFrame.Width(), rectFrame.Height(), hScreen, rectFrame.left, rectFrame.top,
             SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_TRUE(shot.WritePng(ScreenshotFolder() + "\\bars_docked_and_floating.png"));

    // The gripper's ridge at the start of bar A, and a button's glyph, are where they belong.
    CRect a = ScreenRect(&f.m_barA);
    a.OffsetRect(-rectFrame.left, -rectFrame.top);
    const int yMid = a.top + a.Height() / 2;
    EXPECT_EQ(shot.Pixel(a.left + f.m_barA.m_cxLeftBorder - 2, yMid), ::GetSysColor(COLOR_BTNHIGHLIGHT)) << "gripper";
    EXPECT_EQ(shot.Pixel(a.left + f.m_barA.m_cxLeftBorder, yMid), ::GetSysColor(COLOR_BTNSHADOW)) << "gripper";
    CRect button = f.m_barA.ButtonRect(0);
    f.m_barA.ClientToScreen(&button);
    button.OffsetRect(-rectFrame.left, -rectFrame.top);
    EXPECT_EQ(shot.Pixel(button.CenterPoint().x, button.CenterPoint().y), RGB(200, 0, 0)) << "button glyph";
    floating.DestroyWindow();
}

}  // namespace
