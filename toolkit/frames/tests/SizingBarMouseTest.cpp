// Edge resizing with a scripted mouse (between two bars and at the row's outer edge), the
// right button's context menu message, and a screenshot of a frame with two docked bars.
#include "SizingBarTestSupport.h"

#include "Canvas.h"

#include "frames/WTKFrameWnd.h"

#include "docview/BarStyles.h"
#include "foundation/WTKGlobalData.h"

namespace {

class SizingBarMouseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new CSizingTestFrame;
        ASSERT_TRUE(m_pFrame->CreateFrame());
        m_hFrame = m_pFrame->m_hWnd;
        PumpPending();
    }
    void TearDown() override
    {
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
        PumpPending();
    }
    // Screen centre of an edge of pBar.
    static CPoint EdgeCentre(CWTKSizingControlBar* pBar, UINT nEdge)
    {
        CRect rect = pBar->GetEdgeRect(nEdge);
        const CRect window = ScreenRect(pBar);
        rect.OffsetRect(window.left, window.top);
        return rect.CenterPoint();
    }

    CSizingTestFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
};

TEST_F(SizingBarMouseTest, DraggingTheEdgeBetweenTwoBarsMovesItAndStopsAtTheMinimums)
{
    using E = CWTKSizingControlBar::EdgeFlags;
    CTestSizingBar* pA = m_pFrame->AddBar(0x9701, "A", FW_IDW_DOCKBAR_TOP, CSize(250, 110));
    CTestSizingBar* pB = m_pFrame->AddBar(0x9702, "B", 0, CSize(250, 110));
    m_pFrame->DockInRow(pB, pA);
    m_pFrame->RecalcLayout();
    RunIdle();
    ASSERT_TRUE(pA->GetEdgeFlags() & E::kEdgeRight);
    const int nA = ScreenRect(pA).Width(), nB = ScreenRect(pB).Width();

    // 40 pixels to the right: A grows, B gives the same. The limit comes from B alone, so
    // the frame is neither asked for its free area nor sent an idle update.
    CPoint pt = EdgeCentre(pA, E::kEdgeRight);
    DragNonClient(pA, pt, {pt + CSize(10, 3), pt + CSize(40, 0)});
    EXPECT_EQ(m_pFrame->m_nIdleUpdatesWhileTracking, 0);
    EXPECT_FALSE(pA->IsSideTracking());
    EXPECT_EQ(::GetCapture(), nullptr);
    RunIdle();
    EXPECT_EQ(ScreenRect(pA).Width(), nA + 40);
    EXPECT_EQ(ScreenRect(pB).Width(), nB - 40);
    EXPECT_EQ(ScreenRect(pA).right, ScreenRect(pB).left);

    // Far beyond B's end: B keeps its minimum. Then far to the left: A keeps its own.
    pt = EdgeCentre(pA, E::kEdgeRight);
    DragNonClient(pA, pt, {pt + CSize(2000, 0)});
    RunIdle();
    EXPECT_EQ(ScreenRect(pB).Width(), pB->GetMinSize().cx);
    pt = EdgeCentre(pA, E::kEdgeRight);
    DragNonClient(pA, pt, {pt - CSize(2000, 0)});
    RunIdle();
    EXPECT_EQ(ScreenRect(pA).Width(), pA->GetMinSize().cx);
}

TEST_F(SizingBarMouseTest, DraggingTheOuterEdgeChangesTheRowsThickness)
{
    using E = CWTKSizingControlBar::EdgeFlags;
    CTestSizingBar* pA = m_pFrame->AddBar(0x9801, "A", FW_IDW_DOCKBAR_LEFT, CSize(150, 200));
    CTestSizingBar* pB = m_pFrame->AddBar(0x9802, "B", 0, CSize(150, 200));
    m_pFrame->DockInRow(pB, pA);
    const int nWidth = ScreenRect(pA).Width();
    CPoint pt = EdgeCentre(pA, E::kEdgeRight);
    DragNonClient(pA, pt, {pt + CSize(30, 0)});
    // The press asked the frame for its free area, then sent it one idle update.
    EXPECT_EQ(m_pFrame->m_nIdleUpdatesWhileTracking, 1);
    RunIdle();
    EXPECT_EQ(ScreenRect(pA).Width(), nWidth + 30);
    EXPECT_EQ(ScreenRect(pB).Width(), nWidth + 30) << "the row keeps one thickness";
    const int nPaneLeft = ScreenRect(&m_pFrame->m_wndPane).left;
    EXPECT_GE(nPaneLeft, ScreenRect(pA).right) << "the pane follows";
    EXPECT_LE(nPaneLeft, ScreenRect(pA).right + 4) << "the pane follows";

    // Never wider than the frame leaves room for.
    pt = EdgeCentre(pA, E::kEdgeRight);
    DragNonClient(pA, pt, {pt + CSize(3000, 0)});
    RunIdle();
    EXPECT_LT(ScreenRect(pA).right, ScreenRect(m_pFrame).right);
}

TEST_F(SizingBarMouseTest, RightClickAsksTheFrameForTheBarsMenu)
{
    CTestSizingBar* pA = m_pFrame->AddBar(0x9901, "A", FW_IDW_DOCKBAR_BOTTOM, CSize(200, 120));
    const CRect window = ScreenRect(pA);
    const CPoint pt(window.left + 3, window.top + 40);
    pA->SendMessage(WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(pt.x, pt.y));
    ASSERT_EQ(m_pFrame->m_popupPoints.size(), 1u);
    EXPECT_EQ(m_pFrame->m_popupPoints[0].x, pt.x);
    EXPECT_EQ(m_pFrame->m_popupPoints[0].y, pt.y);
}

// A frame with a bar docked left and one at the bottom: the caption strips with their
// buttons, the sizable edges and the children in place.
TEST_F(SizingBarMouseTest, ScreenshotOfTwoDockedBars)
{
    CTestSizingBar* pLeft = m_pFrame->AddBar(0x9A01, "Left pane", FW_IDW_DOCKBAR_LEFT, CSize(180, 200));
    CTestSizingBar* pBottom = m_pFrame->AddBar(0x9A02, "Bottom pane", FW_IDW_DOCKBAR_BOTTOM, CSize(200, 110));
    m_pFrame->RecalcLayout();
    RunIdle();
    m_pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RunIdle();

    const CRect frame = ScreenRect(m_pFrame);
    Canvas canvas(frame.Width(), frame.Height());
    ASSERT_TRUE(canvas.CopyFromWindow(m_pFrame->m_hWnd, true));
    canvas.WritePng(ScreenshotFolder() + "\\sizing_bars_left_bottom.png");

    // Each bar: face colour in its border, the caption buttons drawn in the caption strip
    // (their frames hold highlight or shadow pixels), the client taken by the child.
    const COLORREF clrFace = WTKGetGlobalData().clrBarFace;
    for (CTestSizingBar* pBar : {pLeft, pBottom}) {
        CRect window = ScreenRect(pBar);
        window.OffsetRect(-frame.left, -frame.top);
        EXPECT_EQ(canvas.Pixel(window.left + 2, window.top + 2), clrFace);
        for (int i = 0; i < 2; ++i) {
            CRect button = pBar->GetCaptionButton(i).GetRect();
            button.OffsetRect(window.left, window.top);
            EXPECT_GT(canvas.Count(WTKGetGlobalData().clrBarShadow, button), 4) << i;
        }
        CRect child;
        ::GetWindowRect(pBar->m_hEdit, &child);
        child.OffsetRect(-frame.left, -frame.top);
        EXPECT_EQ(child, [&] {
            CRect c = ClientRectOnScreen(pBar);
            c.OffsetRect(-frame.left, -frame.top);
            return c;
        }());
    }
}

}  // namespace

namespace {

// In the toolkit's frame (tool dock bars, no overlap between neighbours): two bars share
// the left side exactly, one more lies along the bottom.
TEST(SizingBarToolkitFrameTest, RowsFillTheToolDockBarsExactly)
{
    auto* pFrame = new CWTKFrameWnd;
    RECT rect = {40, 40, 700, 560};
    ASSERT_TRUE(pFrame->Create(nullptr, "Toolkit frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rect));
    const HWND hFrame = pFrame->m_hWnd;
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CWnd pane;
    RECT none = {0, 0, 0, 0};
    ASSERT_TRUE(
        pane.CreateEx(WS_EX_CLIENTEDGE, nullptr, nullptr, WS_CHILD | WS_VISIBLE, none, pFrame, FW_IDW_PANE_FIRST));
    CTestSizingBar top, below, bottom;
    const struct {
        CTestSizingBar* pBar;
        UINT nID;
        const char* pszName;
        CSize size;
    } bars[] = {{&top, 0xAB01, "Upper", CSize(190, 300)},
                {&below, 0xAB02, "Lower", CSize(190, 300)},
                {&bottom, 0xAB03, "Bottom", CSize(200, 120)}};
    for (const auto& b : bars) {
        ASSERT_TRUE(b.pBar->Create(b.pszName, pFrame, b.size, TRUE, b.nID, WS_CHILD | WS_VISIBLE | CBRS_LEFT));
        b.pBar->EnableDocking(CBRS_ALIGN_ANY);
    }
    pFrame->ShowWindow(SW_SHOWNORMAL);
    pFrame->DockControlBar(&top, FW_IDW_DOCKBAR_LEFT);
    pFrame->DockControlBar(&bottom, FW_IDW_DOCKBAR_BOTTOM);
    pFrame->RecalcLayout();
    CRect rectBelow = ScreenRect(&top);
    rectBelow.OffsetRect(0, rectBelow.Height() - 4);
    pFrame->DockControlBar(&below, FW_IDW_DOCKBAR_LEFT, &rectBelow);
    for (int i = 0; i < 3; ++i) {
        pFrame->RecalcLayout();
        RunIdle();
    }
    ASSERT_EQ(RowOf(&top).size(), 2u);
    const CRect side = ClientRectOnScreen(pFrame->GetControlBar(FW_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(ScreenRect(&top).top, side.top);
    EXPECT_EQ(ScreenRect(&below).top, ScreenRect(&top).bottom);
    EXPECT_GE(ScreenRect(&below).bottom, side.bottom - 3);
    EXPECT_LE(ScreenRect(&below).bottom, side.bottom);
    EXPECT_EQ(ScreenRect(&top).Width(), ScreenRect(&below).Width());

    pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RunIdle();
    const CRect frame = ScreenRect(pFrame);
    Canvas canvas(frame.Width(), frame.Height());
    ASSERT_TRUE(canvas.CopyFromWindow(hFrame, true));
    canvas.WritePng(ScreenshotFolder() + "\\sizing_bars_toolkit_frame.png");

    pFrame->DestroyWindow();
    PumpPending();
    EXPECT_EQ(WTKAllSizingBars().GetSize(), 0);
}

}  // namespace
