// Scripted drags through the dock context's loop: float, dock on another side, cancel,
// double-click toggling; resizing a floating frame's edge.
#include "BarsTestSupport.h"
#include "bars/DockContext.h"
#include "win/FrameworkRes.h"

namespace {

class DragTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new CDockTestFrame;
        ASSERT_TRUE(m_pFrame->CreateFrame());
        PumpPending();
    }
    void TearDown() override
    {
        if (m_pFrame && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
        PumpPending();
    }
    UINT DockBarID(CControlBar* pBar) const { return pBar->m_pDockBar ? pBar->m_pDockBar->GetDlgCtrlID() : 0; }

    CDockTestFrame* m_pFrame = nullptr;
};

TEST_F(DragTest, DragFloatsAtTheDropPointAndDocksOnAnotherSide)
{
    CDockTestFrame& f = *m_pFrame;
    const CPoint grab(3, 10);  // on the gripper
    CRect rectA = ScreenRect(&f.m_barA);
    CPoint ptGrab = rectA.TopLeft() + grab;
    CPoint ptDrop = ScreenRect(&f.m_wndPane).CenterPoint();
    ScriptDrag(&f.m_barA, grab, {ptGrab + CPoint(5, 5), ptDrop});
    ASSERT_TRUE(f.m_barA.IsFloating());
    CMiniDockFrameWnd* pMini = FloatingFrame(&f.m_barA);
    ASSERT_NE(pMini, nullptr);
    EXPECT_TRUE(pMini->IsWindowVisible());
    EXPECT_EQ(ScreenRect(pMini).TopLeft(), rectA.TopLeft() + (ptDrop - ptGrab)) << "the frame follows the mouse";
    EXPECT_TRUE(f.m_barA.GetBarStyle() & CBRS_FLOATING);
    // Row one went with A: B is first now.
    EXPECT_EQ(RectInClient(&f, &f.m_barB).top, 0);

    // From the floating frame to the free part of the left side, below C.
    CRect rectLeft = ScreenRect(f.GetControlBar(FW_IDW_DOCKBAR_LEFT));
    CPoint ptLeft(rectLeft.left + 10, rectLeft.bottom - 40);
    CPoint grab2(5, 5);
    ScriptDrag(&f.m_barA, grab2, {ptLeft});
    EXPECT_FALSE(f.m_barA.IsFloating());
    EXPECT_EQ(DockBarID(&f.m_barA), (UINT)FW_IDW_DOCKBAR_LEFT);
    EXPECT_TRUE(f.m_barA.GetBarStyle() & CBRS_ALIGN_LEFT);
    CRect a = RectInClient(&f, &f.m_barA), c = RectInClient(&f, &f.m_barC);
    EXPECT_EQ(a.left, c.left) << "in C's column";
    EXPECT_GE(a.top, c.bottom - 2) << "below C";
    EXPECT_EQ(a.Width(), f.m_barA.CalcFixedLayout(FALSE, FALSE).cx) << "laid out vertically";
    EXPECT_FALSE(::IsWindow(pMini->m_hWnd) && pMini->IsWindowVisible()) << "the empty floating frame went";
}

TEST_F(DragTest, EscapeOrTheRightButtonLeavesTheBarWhereItWas)
{
    CDockTestFrame& f = *m_pFrame;
    for (DragEnd end : {DragEnd::Escape, DragEnd::RightButton}) {
        const CRect before = RectInClient(&f, &f.m_barB);
        CPoint ptGrab = ScreenRect(&f.m_barB).TopLeft() + CPoint(3, 10);
        ScriptDrag(&f.m_barB, CPoint(3, 10), {ptGrab + CPoint(40, 40), ScreenRect(&f.m_wndPane).CenterPoint()}, end);
        EXPECT_FALSE(f.m_barB.IsFloating()) << (int)end;
        EXPECT_EQ(DockBarID(&f.m_barB), (UINT)FW_IDW_DOCKBAR_TOP) << (int)end;
        EXPECT_EQ(RectInClient(&f, &f.m_barB), before) << (int)end;
        EXPECT_EQ(::GetCapture(), nullptr) << (int)end;
    }
}

TEST_F(DragTest, AClickOrASmallMoveLeavesTheBarOnItsSide)
{
    CDockTestFrame& f = *m_pFrame;
    // C, docked on the left, would touch the top side in its horizontal shape.
    const CRect before = RectInClient(&f, &f.m_barC);
    const CPoint grab(10, 3);
    const CPoint ptGrab = ScreenRect(&f.m_barC).TopLeft() + grab;
    ScriptDrag(&f.m_barC, grab, {ptGrab});
    EXPECT_EQ(DockBarID(&f.m_barC), (UINT)FW_IDW_DOCKBAR_LEFT) << "a click";
    EXPECT_EQ(RectInClient(&f, &f.m_barC), before) << "a click";
    ScriptDrag(&f.m_barC, grab, {ptGrab + CPoint(1, 1), ptGrab + CPoint(2, -1)});
    EXPECT_EQ(RectInClient(&f, &f.m_barC), before) << "a shaking hand";
    ScriptDrag(&f.m_barC, grab, {ptGrab + CPoint(3, 12)});
    EXPECT_EQ(DockBarID(&f.m_barC), (UINT)FW_IDW_DOCKBAR_LEFT) << "moved along its side";
    EXPECT_FALSE(f.m_barC.IsFloating());
}

TEST_F(DragTest, DoubleClickTogglesBetweenTheLastDockedAndFloatingPlaces)
{
    CDockTestFrame& f = *m_pFrame;
    const CRect docked = RectInClient(&f, &f.m_barB);
    // Float it by a drag first, so that it has a floating place of its own.
    ScriptDrag(&f.m_barB, CPoint(3, 10), {ScreenRect(&f.m_wndPane).CenterPoint() + CPoint(30, 20)});
    ASSERT_TRUE(f.m_barB.IsFloating());
    const CPoint floatingAt = ScreenRect(FloatingFrame(&f.m_barB)).TopLeft();

    DoubleClick(&f.m_barB, CPoint(5, 5));
    ASSERT_FALSE(f.m_barB.IsFloating());
    EXPECT_EQ(DockBarID(&f.m_barB), (UINT)FW_IDW_DOCKBAR_TOP);
    EXPECT_EQ(RectInClient(&f, &f.m_barB), docked) << "back in its own second row";
    EXPECT_EQ(RectInClient(&f, &f.m_barA).top, 0) << "A keeps the first row";

    DoubleClick(&f.m_barB, CPoint(3, 10));
    ASSERT_TRUE(f.m_barB.IsFloating());
    EXPECT_EQ(ScreenRect(FloatingFrame(&f.m_barB)).TopLeft(), floatingAt);

    // The floating frame's caption toggles too.
    CMiniDockFrameWnd* pMini = FloatingFrame(&f.m_barB);
    CRect rectMini = ScreenRect(pMini);
    pMini->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(rectMini.left + 10, rectMini.top + 5));
    EXPECT_FALSE(f.m_barB.IsFloating());
    EXPECT_EQ(RectInClient(&f, &f.m_barB), docked);
}

TEST_F(DragTest, ResizingAFloatingFrameWrapsADynamicBarAndCommits)
{
    CDockTestFrame& f = *m_pFrame;
    f.FloatControlBar(&f.m_barA, ScreenRect(&f.m_wndPane).TopLeft() + CPoint(50, 50));
    ASSERT_TRUE(f.m_barA.IsFloating());
    CMiniDockFrameWnd* pMini = FloatingFrame(&f.m_barA);
    EXPECT_EQ(f.m_barA.Columns(), 5) << "one row while floating at first";
    // The right edge goes left by three buttons: two columns remain after the commit.
    CRect rectMini = ScreenRect(pMini);
    CPoint ptEdge(rectMini.right - 2, rectMini.CenterPoint().y);
    CPoint ptTo = ptEdge - CSize(3 * kButtonCX, 0);
    CPoint ptToClient = ptTo;
    ::ScreenToClient(f.m_barA.m_hWnd, &ptToClient);
    ::PostMessageA(f.m_barA.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptToClient.x, ptToClient.y));
    ::PostMessageA(f.m_barA.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(ptToClient.x, ptToClient.y));
    f.m_barA.m_pDockContext->StartResize(HTRIGHT, ptEdge);
    EXPECT_EQ(f.m_barA.m_nCommitted, 1);
    EXPECT_EQ(f.m_barA.Columns(), 2);
    CRect client;
    f.m_barA.GetClientRect(&client);
    EXPECT_EQ(client.Height(), f.m_barA.CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH).cy) << "three rows";
    EXPECT_EQ(ScreenRect(pMini).left, rectMini.left) << "the left edge stays";
}

}  // namespace

namespace {

TEST(FloatingFrameTest, ClosingItHidesItsBarAndShowingTheBarBringsItBack)
{
    auto* pFrame = new CDockTestFrame;
    ASSERT_TRUE(pFrame->CreateFrame());
    pFrame->FloatControlBar(&pFrame->m_barB, ScreenRect(&pFrame->m_wndPane).TopLeft() + CPoint(40, 40));
    CMiniDockFrameWnd* pMini = FloatingFrame(&pFrame->m_barB);
    ASSERT_NE(pMini, nullptr);
    const CPoint at = ScreenRect(pMini).TopLeft();
    pMini->SendMessage(WM_CLOSE);
    EXPECT_FALSE(pFrame->m_barB.IsWindowVisible());
    EXPECT_FALSE(pMini->IsWindowVisible());
    EXPECT_TRUE(pFrame->m_barB.IsFloating()) << "still the floating frame's";
    pFrame->ShowControlBar(&pFrame->m_barB, TRUE, FALSE);
    EXPECT_TRUE(pMini->IsWindowVisible());
    EXPECT_EQ(ScreenRect(pMini).TopLeft(), at);
    pFrame->DestroyWindow();
    PumpPending();
}

}  // namespace

namespace {

// A floating frame class of a program's own.
class COwnMiniDockFrame : public CMiniDockFrameWnd {
    DECLARE_DYNCREATE(COwnMiniDockFrame)
};
IMPLEMENT_DYNCREATE(COwnMiniDockFrame, CMiniDockFrameWnd)

TEST(FloatingFrameTest, TheFrameMakesFloatingFramesOfItsFloatingFrameClass)
{
    auto* pFrame = new CDockTestFrame;
    ASSERT_TRUE(pFrame->CreateFrame());
    EXPECT_EQ(pFrame->m_pFloatingFrameClass, RUNTIME_CLASS(CMiniDockFrameWnd)) << "set by EnableDocking";
    const CPoint at = ScreenRect(&pFrame->m_wndPane).TopLeft() + CPoint(40, 40);
    // A class that is no floating frame is refused: the bar stays docked.
    pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(CFrameWnd);
    pFrame->FloatControlBar(&pFrame->m_barB, at);
    EXPECT_FALSE(pFrame->m_barB.IsFloating());
    EXPECT_EQ(pFrame->m_barB.m_pDockBar->GetDlgCtrlID(), FW_IDW_DOCKBAR_TOP);
    pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(COwnMiniDockFrame);
    pFrame->FloatControlBar(&pFrame->m_barB, at);
    ASSERT_TRUE(pFrame->m_barB.IsFloating());
    EXPECT_TRUE(FloatingFrame(&pFrame->m_barB)->IsKindOf(RUNTIME_CLASS(COwnMiniDockFrame)));
    pFrame->DestroyWindow();
    PumpPending();
}

}  // namespace

namespace {

// The frame's show/hide command with a bar's id (as View Toolbar sends) finds the bar in its
// dock bar or floating frame, and a floating bar takes its frame with it.
TEST(FloatingFrameTest, TheBarCommandShowsAndHidesDockedAndFloatingBars)
{
    auto* pFrame = new CDockTestFrame;
    ASSERT_TRUE(pFrame->CreateFrame());
    CControlBar& bar = pFrame->m_barB;
    bar.SetDlgCtrlID(ID_VIEW_TOOLBAR);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(bar.IsWindowVisible()) << "docked, hidden";
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_TRUE(bar.IsWindowVisible()) << "docked, shown again";

    pFrame->FloatControlBar(&bar, ScreenRect(&pFrame->m_wndPane).TopLeft() + CPoint(40, 40));
    CMiniDockFrameWnd* pMini = FloatingFrame(&bar);
    ASSERT_NE(pMini, nullptr);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    PumpPending();
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_FALSE(::IsWindow(pMini->m_hWnd) && pMini->IsWindowVisible()) << "no empty floating frame stays";
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    PumpPending();
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_TRUE(bar.IsFloating());
    pFrame->DestroyWindow();
    PumpPending();
}

}  // namespace
