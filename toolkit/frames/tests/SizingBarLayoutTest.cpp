// Sizing bars docked on each side and sharing rows: the non-client layout per side, the row
// negotiation (also when it cannot change anything), rows too short for their bars, the
// expanded bar, and the global array and list of sizing bars (which a new look redraws).
#include "SizingBarTestSupport.h"

#include "bars/DockBar.h"
#include "docview/BarStyles.h"
#include "foundation/WTKVisualManager.h"

namespace {

class SizingBarLayoutTest : public ::testing::Test {
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
        // The frame deletes itself with its window.
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
        PumpPending();
    }
    int Length(CControlBar* pBar, BOOL bHorz)
    {
        CRect rect = ScreenRect(pBar);
        return bHorz ? rect.Width() : rect.Height();
    }

    CSizingTestFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
};

TEST_F(SizingBarLayoutTest, DockedOnEachSideWithCaptionAndOneOuterEdge)
{
    using E = CWTKSizingControlBar::EdgeFlags;
    const struct {
        UINT nDockBarID;
        UINT nEdge;
        BOOL bHorz;
    } cases[] = {
        {FW_IDW_DOCKBAR_TOP, E::kEdgeBottom, TRUE},
        {FW_IDW_DOCKBAR_BOTTOM, E::kEdgeTop, TRUE},
        {FW_IDW_DOCKBAR_LEFT, E::kEdgeRight, FALSE},
        {FW_IDW_DOCKBAR_RIGHT, E::kEdgeLeft, FALSE},
    };
    UINT nID = 0x9000;
    for (const auto& c : cases) {
        CTestSizingBar* pBar = m_pFrame->AddBar(++nID, "Side", c.nDockBarID, CSize(150, 120));
        ASSERT_NE(pBar, nullptr);
        EXPECT_EQ(pBar->GetDockBarID(), c.nDockBarID);
        EXPECT_EQ(pBar->IsHorzDocked(), c.bHorz);
        EXPECT_EQ(pBar->GetEdgeFlags() & E::kEdgeAll, c.nEdge) << c.nDockBarID;
        EXPECT_TRUE(pBar->IsAloneInRow());

        // The bar takes its docked size across the side; the client area lies inside the
        // border, the caption strip and the sizable edge.
        const CRect window = ScreenRect(pBar), client = ClientRectOnScreen(pBar);
        EXPECT_EQ(c.bHorz ? window.Height() : window.Width(), c.bHorz ? 120 : 150) << c.nDockBarID;
        const int nCaption = pBar->GetCaptionHeight();
        EXPECT_GE(nCaption, CWTKSizingControlBar::kMinCaptionHeight);
        const int nBorder = CWTKSizingControlBar::kBorder, nEdgeWidth = CWTKSizingControlBar::kEdgeThickness;
        if (c.bHorz) {
            EXPECT_EQ(client.left - window.left, nBorder + nCaption) << "caption strip on the left";
            EXPECT_EQ(window.Height() - client.Height(), 2 * nBorder + nEdgeWidth);
        } else {
            EXPECT_EQ(client.top - window.top, nBorder + nCaption) << "caption strip on top";
            EXPECT_EQ(window.Width() - client.Width(), 2 * nBorder + nEdgeWidth);
        }
        // The sizable edge answers the hit test; the caption drags; the buttons answer theirs.
        CRect rectEdge = pBar->GetEdgeRect(c.nEdge);
        rectEdge.OffsetRect(window.left, window.top);
        const LRESULT nEdgeHit =
            pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rectEdge.CenterPoint().x, rectEdge.CenterPoint().y));
        const LRESULT nExpected = c.nEdge == E::kEdgeTop ? HTTOP
            : c.nEdge == E::kEdgeBottom                  ? HTBOTTOM
            : c.nEdge == E::kEdgeLeft                    ? HTLEFT
                                                         : HTRIGHT;
        EXPECT_EQ(nEdgeHit, nExpected) << c.nDockBarID;
        for (int i = 0; i < 2; ++i) {
            const CPoint pt = CaptionButtonCentre(pBar, i);
            EXPECT_EQ((UINT)pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)),
                      pBar->GetCaptionButton(i).m_nHit);
        }
        const CPoint ptClient = client.CenterPoint();
        EXPECT_EQ(pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptClient.x, ptClient.y)), HTCLIENT);
    }
}

// Three bars in one left row, 300 + 300 + 300 long, in a side about 480 high: the row is
// shared out and every bar keeps at least its minimum; the bars lie end to end.
TEST_F(SizingBarLayoutTest, RowNegotiationSharesTheSideAndAlignsTheBars)
{
    CTestSizingBar* pA = m_pFrame->AddBar(0x9101, "A", FW_IDW_DOCKBAR_LEFT, CSize(150, 300));
    CTestSizingBar* pB = m_pFrame->AddBar(0x9102, "B", 0, CSize(150, 300));
    CTestSizingBar* pC = m_pFrame->AddBar(0x9103, "C", 0, CSize(150, 300));
    m_pFrame->DockInRow(pB, pA);
    m_pFrame->DockInRow(pC, pB);
    for (int i = 0; i < 3; ++i) {
        m_pFrame->RecalcLayout();
        RunIdle();
    }
    ASSERT_EQ(RowOf(pA).size(), 3u);
    const CRect side = ScreenRect(m_pFrame->GetControlBar(FW_IDW_DOCKBAR_LEFT));
    int nTotal = 0, nPrevBottom = -1;
    for (CTestSizingBar* pBar : {pA, pB, pC}) {
        const CRect rect = ScreenRect(pBar);
        EXPECT_GE(rect.Height(), pBar->GetMinSize().cy);
        if (nPrevBottom >= 0) {
            EXPECT_EQ(rect.top, nPrevBottom) << "end to end";
        }
        nPrevBottom = rect.bottom;
        nTotal += rect.Height();
    }
    EXPECT_LE(nTotal, side.Height());
    EXPECT_GE(nTotal, side.Height() - 4);
    EXPECT_FALSE(pA->IsAloneInRow());
}

// A pass over the row that changes nothing ends the negotiation: all bars just shown (they
// keep their lengths), or the only bars that could shrink already at their minimum.
TEST_F(SizingBarLayoutTest, NegotiationEndsWhenNoBarCanGiveOrTake)
{
    CTestSizingBar* pA = m_pFrame->AddBar(0x9201, "A", FW_IDW_DOCKBAR_TOP, CSize(250, 120));
    CTestSizingBar* pB = m_pFrame->AddBar(0x9202, "B", 0, CSize(250, 120));
    m_pFrame->DockInRow(pB, pA);
    ASSERT_EQ(RowOf(pA).size(), 2u);

    // Every bar shown again at once: each keeps its length, nothing can grow.
    for (CTestSizingBar* pBar : {pA, pB})
        m_pFrame->ShowControlBar(pBar, FALSE, FALSE);
    RunIdle();
    for (CTestSizingBar* pBar : {pA, pB})
        m_pFrame->ShowControlBar(pBar, TRUE, FALSE);
    m_pFrame->RecalcLayout();  // would never come back while a pass could not change anything
    RunIdle();
    EXPECT_TRUE(pA->IsWindowVisible());

    // A shown bar long enough for the whole row and a neighbour at its minimum: nothing
    // can shrink.
    const int nSide = ScreenRect(m_pFrame->GetControlBar(FW_IDW_DOCKBAR_TOP)).Width();
    pB->SetHorzSize(CSize(pB->GetMinSize().cx, 120));
    m_pFrame->ShowControlBar(pA, FALSE, FALSE);
    RunIdle();
    pA->SetHorzSize(CSize(nSide + 300, 120));
    m_pFrame->ShowControlBar(pA, TRUE, FALSE);
    m_pFrame->RecalcLayout();
    RunIdle();
    EXPECT_EQ(pB->GetHorzSize().cx, pB->GetMinSize().cx);
    EXPECT_TRUE(pB->IsWindowVisible());
}

TEST_F(SizingBarLayoutTest, ARowTooShortForTheMinimumsSplits)
{
    CTestSizingBar* pA = m_pFrame->AddBar(0x9301, "A", FW_IDW_DOCKBAR_LEFT, CSize(150, 200));
    CTestSizingBar* pB = m_pFrame->AddBar(0x9302, "B", 0, CSize(150, 200));
    m_pFrame->DockInRow(pB, pA);
    ASSERT_EQ(RowOf(pA).size(), 2u);
    const int nSide = ScreenRect(m_pFrame->GetControlBar(FW_IDW_DOCKBAR_LEFT)).Height();
    pA->SetMinSize(CSize(40, nSide / 2 + 20));
    pB->SetMinSize(CSize(40, nSide / 2 + 20));
    for (int i = 0; i < 3; ++i) {
        m_pFrame->RecalcLayout();
        RunIdle();
    }
    EXPECT_EQ(RowCount(m_pFrame->GetControlBar(FW_IDW_DOCKBAR_LEFT)), 2);
    EXPECT_EQ(RowOf(pA).size(), 1u);
    EXPECT_EQ(RowOf(pB).size(), 1u);
}

// The expand button of one of two bars: the expanded bar takes the row less the other bar's
// minimum (not its own), the other shrinks to its minimum; contracting gives both back.
TEST_F(SizingBarLayoutTest, ExpandLeavesTheNeighboursMinimumAndContractRestores)
{
    CTestSizingBar* pA = m_pFrame->AddBar(0x9401, "A", FW_IDW_DOCKBAR_BOTTOM, CSize(200, 120));
    CTestSizingBar* pB = m_pFrame->AddBar(0x9402, "B", 0, CSize(200, 120));
    m_pFrame->DockInRow(pB, pA);
    pA->SetMinSize(CSize(40, 32));
    pB->SetMinSize(CSize(90, 32));  // larger than A's: the expanded A must leave 90
    m_pFrame->RecalcLayout();
    RunIdle();
    const int nWidthA = ScreenRect(pA).Width(), nWidthB = ScreenRect(pB).Width();
    const int nSide = ScreenRect(m_pFrame->GetControlBar(FW_IDW_DOCKBAR_BOTTOM)).Width();

    ClickNonClient(pA, CaptionButtonCentre(pA, 1));
    m_pFrame->RecalcLayout();
    RunIdle();
    EXPECT_TRUE(pA->IsExpanded());
    EXPECT_EQ(Length(pB, TRUE), 90);
    EXPECT_EQ(Length(pA, TRUE), nSide - 90);
    EXPECT_LE(ScreenRect(pA).right, ScreenRect(pB).left + 1) << "the neighbour stays in view";

    ClickNonClient(pA, CaptionButtonCentre(pA, 1));
    m_pFrame->RecalcLayout();
    RunIdle();
    EXPECT_FALSE(pA->IsExpanded());
    EXPECT_EQ(Length(pA, TRUE), nWidthA);
    EXPECT_EQ(Length(pB, TRUE), nWidthB);

    // Alone in its row the bar ignores its expand button.
    CTestSizingBar* pC = m_pFrame->AddBar(0x9403, "C", FW_IDW_DOCKBAR_TOP, CSize(200, 100));
    ClickNonClient(pC, CaptionButtonCentre(pC, 1));
    EXPECT_FALSE(pC->IsExpanded());
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(SizingBarLayoutTest, HideButtonHidesOnlyWhatMayBeHidden)
{
    CTestSizingBar* pA = m_pFrame->AddBar(0x9501, "A", FW_IDW_DOCKBAR_LEFT, CSize(160, 200));
    pA->m_bCanHide = FALSE;
    ClickNonClient(pA, CaptionButtonCentre(pA, 0));
    RunIdle();
    EXPECT_TRUE(pA->IsWindowVisible());
    EXPECT_EQ(::GetCapture(), nullptr);

    pA->m_bCanHide = TRUE;
    ClickNonClient(pA, CaptionButtonCentre(pA, 0));
    RunIdle();
    EXPECT_FALSE(pA->IsWindowVisible());
    EXPECT_FALSE(pA->IsVisible());

    // A release away from the pressed button runs nothing.
    CTestSizingBar* pB = m_pFrame->AddBar(0x9502, "B", FW_IDW_DOCKBAR_RIGHT, CSize(160, 200));
    DragNonClient(pB, CaptionButtonCentre(pB, 0), {ClientRectOnScreen(pB).CenterPoint()});
    RunIdle();
    EXPECT_TRUE(pB->IsWindowVisible());
    EXPECT_FALSE(pB->GetCaptionButton(0).m_bPushed);
}

// The index of a bar in the global array, -1 when it is not there.
INT_PTR GlobalIndex(CWTKSizingBarBase* p)
{
    const CWTKSizingBarArray& bars = WTKAllSizingBars();
    for (INT_PTR i = 0; i < bars.GetSize(); ++i)
        if (bars[i] == p)
            return i;
    return -1;
}

TEST_F(SizingBarLayoutTest, BarLeavesTheGlobalArrayWithItsWindow)
{
    auto contains = [](CTestSizingBar* p) {
        return GlobalIndex(p) >= 0;
    };
    CTestSizingBar* pA = m_pFrame->AddBar(0x9601, "A", FW_IDW_DOCKBAR_LEFT);
    // B's object outlives the frame.
    CTestSizingBar barB;
    ASSERT_TRUE(barB.Create("B", m_pFrame, CSize(150, 150), TRUE, 0x9602, WS_CHILD | WS_VISIBLE | CBRS_RIGHT));
    barB.EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(&barB, FW_IDW_DOCKBAR_RIGHT);
    RunIdle();
    EXPECT_TRUE(contains(pA));
    EXPECT_TRUE(contains(&barB));
    pA->DestroyWindow();
    EXPECT_FALSE(contains(pA));
    // B's window goes with the frame, without a DestroyWindow call of its own.
    m_pFrame->DestroyWindow();
    PumpPending();
    EXPECT_EQ(barB.m_hWnd, nullptr);
    EXPECT_FALSE(contains(&barB));
}

// A new look reaches every bar through the global array: a floating one lies outside the
// main window, and these tests have no main window at all.
TEST_F(SizingBarLayoutTest, ANewLookRedrawsEveryCreatedBar)
{
    CTestSizingBar* pA = m_pFrame->AddBar(0x9611, "A", FW_IDW_DOCKBAR_LEFT);
    CTestSizingBar* pB = m_pFrame->AddBar(0x9612, "B", 0);
    m_pFrame->FloatControlBar(pB, CPoint(200, 200));
    RunIdle();
    ASSERT_TRUE(pB->IsFloating());
    // In creation order.
    const INT_PTR nIndexA = GlobalIndex(pA);
    ASSERT_GE(nIndexA, 0);
    EXPECT_GT(GlobalIndex(pB), nIndexA);

    pA->m_nPaints = pB->m_nPaints = 0;
    CWTKVisualManager::RedrawAll();
    EXPECT_GT(pA->m_nPaints, 0);
    EXPECT_GT(pB->m_nPaints, 0);
}

}  // namespace
