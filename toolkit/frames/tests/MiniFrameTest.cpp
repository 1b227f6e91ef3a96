// The floating frame of sizing bars: roll-up by the button and automatically, the caption kept
// on the work area, edge drags resizing the bar inside the desktop, closing refused when the
// bar cannot be hidden; a sizing bar dragged to float and back; the screenshots of the whole
// frame before and after a restart.
#include "FrameTestSupport.h"

#include "frames/WTKDockingConstants.h"
#include "frames/WTKDragDockContext.h"
#include "frames/WTKMiniDockFrameWnd.h"

#include "Canvas.h"

#include "bars/DockContext.h"

namespace {

class MiniFrameTest : public FrameTestBase {
protected:
    CFrameTestFrame* CreateWithSizingBar()
    {
        FrameTestBars bars;
        bars.bSizingBar = TRUE;
        return CreateTestFrame(bars);
    }
    static CWTKMiniDockFrameWnd* FloatSizingBar(CFrameTestFrame* pFrame, CPoint pt)
    {
        pFrame->FloatControlBar(&pFrame->m_wndSizingBar, pt);
        RunIdle();
        if (!pFrame->m_wndSizingBar.IsFloating())
            return nullptr;
        return dynamic_cast<CWTKMiniDockFrameWnd*>(pFrame->m_wndSizingBar.m_pDockBar->GetParent());
    }
};

int RolledHeight()
{
    return ::GetSystemMetrics(SM_CYSMCAPTION) + 2 * ::GetSystemMetrics(SM_CYFRAME) - 1;
}

TEST_F(MiniFrameTest, SizingBarDragsOutToFloatAndDoubleClickDocksItBack)
{
    CFrameTestFrame* pFrame = CreateWithSizingBar();
    ASSERT_NE(nullptr, pFrame);
    CWTKSizingControlBar* pBar = &pFrame->m_wndSizingBar;
    ASSERT_EQ(FW_IDW_DOCKBAR_LEFT, DockBarIdOf(pBar));
    const CRect rectFrame = ScreenRect(pFrame);
    const CRect rectBar = ScreenRect(pBar);
    CRect rectClient;
    pBar->GetClientRect(&rectClient);
    const CPoint ptClient = rectClient.CenterPoint();
    const CPoint ptStart = rectBar.TopLeft() + CSize(ptClient.x, ptClient.y);
    ScriptDrag(pBar, ptClient,
               {ptStart + CSize(10, 10), CPoint(rectFrame.CenterPoint().x + 100, rectFrame.CenterPoint().y)});
    RunIdle();
    ASSERT_TRUE(pBar->IsFloating());
    CWnd* pFloating = pBar->m_pDockBar->GetParent();
    EXPECT_TRUE(pFloating->IsKindOf(RUNTIME_CLASS(CWTKMiniDockFrameWnd)));

    const CRect rectFloating = ScreenRect(pFloating);
    pFloating->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(rectFloating.left + 20, rectFloating.top + 5));
    RunIdle();
    EXPECT_EQ(FW_IDW_DOCKBAR_LEFT, DockBarIdOf(pBar));
    CloseTestFrame(pFrame);
}

TEST_F(MiniFrameTest, RollUpButtonStepsTheModes)
{
    CFrameTestFrame* pFrame = CreateWithSizingBar();
    ASSERT_NE(nullptr, pFrame);
    CWTKMiniDockFrameWnd* pMini = FloatSizingBar(pFrame, CPoint(300, 200));
    ASSERT_NE(nullptr, pMini);
    CWTKSizingControlBar* pBar = &pFrame->m_wndSizingBar;
    const int nOpenHeight = ScreenRect(pMini).Height();

    const struct {
        int nMode;
        BOOL bRolled;
        int nModeAfter;
        BOOL bRolledAfter;
    } cases[] = {
        {kWTKRollUpManual, FALSE, kWTKRollUpManual, TRUE},
        {kWTKRollUpManual, TRUE, kWTKRollUpManual, FALSE},
        {kWTKRollUpAuto, TRUE, kWTKRollUpAutoPaused, FALSE},
        {kWTKRollUpAutoPaused, FALSE, kWTKRollUpAuto, FALSE},
        {kWTKRollUpAutoNarrow, TRUE, kWTKRollUpAutoNarrowPaused, FALSE},
        {kWTKRollUpAutoNarrowPaused, FALSE, kWTKRollUpAutoNarrow, FALSE},
    };
    for (const auto& c : cases) {
        pBar->SetRollUpState(c.nMode, c.bRolled);
        pMini->SendMessage(WM_SIZE, SIZE_RESTORED, 0);
        ASSERT_FALSE(pMini->GetRollUpButtonRect().IsRectEmpty()) << c.nMode;
        // A press in the button, as the system reports it (screen coordinates).
        CRect rectButton = pMini->GetRollUpButtonRect();
        rectButton.OffsetRect(ScreenRect(pMini).TopLeft());
        const CPoint pt = rectButton.CenterPoint();
        pMini->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(pt.x, pt.y));
        RunIdle();
        EXPECT_EQ(c.nModeAfter, pBar->GetRollUpMode()) << c.nMode;
        EXPECT_EQ(c.bRolledAfter, pBar->IsRolledUp()) << c.nMode;
        EXPECT_EQ(c.bRolledAfter ? RolledHeight() : nOpenHeight, ScreenRect(pMini).Height()) << c.nMode;
    }
    // Without a roll-up mode there is no button.
    pBar->SetRollUpState(kWTKRollUpNone, FALSE);
    pMini->SendMessage(WM_SIZE, SIZE_RESTORED, 0);
    EXPECT_TRUE(pMini->GetRollUpButtonRect().IsRectEmpty());
    CloseTestFrame(pFrame);
}

TEST_F(MiniFrameTest, AutomaticModeRollsUpAfterSixTicksAwayButNotUnderAPopup)
{
    CFrameTestFrame* pFrame = CreateWithSizingBar();
    ASSERT_NE(nullptr, pFrame);
    CWTKMiniDockFrameWnd* pMini = FloatSizingBar(pFrame, CPoint(300, 200));
    ASSERT_NE(nullptr, pMini);
    CWTKSizingControlBar* pBar = &pFrame->m_wndSizingBar;
    pBar->SetRollUpState(kWTKRollUpAuto, FALSE);
    pMini->SendMessage(WM_SIZE, SIZE_RESTORED, 0);
    pFrame->SetFocus();
    // The mouse far from the floating frame.
    const CRect rectMini = ScreenRect(pMini);
    ::SetCursorPos(rectMini.right + 300, rectMini.bottom + 200);
    for (int i = 0; i < kWTKRollUpCountdown - 1; ++i)
        pMini->OnRollUpTick();
    EXPECT_FALSE(pBar->IsRolledUp());
    pMini->OnRollUpTick();
    EXPECT_TRUE(pBar->IsRolledUp());
    EXPECT_EQ(RolledHeight(), ScreenRect(pMini).Height());
    CloseTestFrame(pFrame);
}

TEST_F(MiniFrameTest, CaptionStaysOnTheWorkArea)
{
    CFrameTestFrame* pFrame = CreateWithSizingBar();
    ASSERT_NE(nullptr, pFrame);
    CWTKMiniDockFrameWnd* pMini = FloatSizingBar(pFrame, CPoint(300, 200));
    ASSERT_NE(nullptr, pMini);
    CRect rectWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
    const int cyCaption = ::GetSystemMetrics(SM_CYSMCAPTION);
    const int nWidth = ScreenRect(pMini).Width();
    const struct {
        const char* name;
        CPoint ptTo;
        CPoint ptExpected;
    } cases[] = {
        {"below the work area", CPoint(300, rectWork.bottom + 50), CPoint(300, rectWork.bottom - cyCaption)},
        {"above the work area", CPoint(300, rectWork.top - 40), CPoint(300, rectWork.top)},
        {"off to the left", CPoint(rectWork.left - 2000, 200), CPoint(rectWork.left + cyCaption - nWidth, 200)},
        {"off to the right", CPoint(rectWork.right + 500, 200), CPoint(rectWork.right - cyCaption, 200)},
        {"inside", CPoint(200, 150), CPoint(200, 150)},
    };
    for (const auto& c : cases) {
        pMini->SetWindowPos(nullptr, c.ptTo.x, c.ptTo.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_EQ(c.ptExpected, ScreenRect(pMini).TopLeft()) << c.name;
    }
    CloseTestFrame(pFrame);
}

TEST_F(MiniFrameTest, EdgeDragResizesTheBarAndKeepsTheFrameOnTheDesktop)
{
    CFrameTestFrame* pFrame = CreateWithSizingBar();
    ASSERT_NE(nullptr, pFrame);
    CWTKMiniDockFrameWnd* pMini = FloatSizingBar(pFrame, CPoint(300, 200));
    ASSERT_NE(nullptr, pMini);
    CWTKSizingControlBar* pBar = &pFrame->m_wndSizingBar;
    ASSERT_NE(nullptr, dynamic_cast<CWTKDragDockContext*>(pBar->m_pDockContext));
    const CRect rectBefore = ScreenRect(pBar);
    const CRect rectMini = ScreenRect(pMini);
    const CPoint ptEdge(rectMini.right - 2, rectMini.CenterPoint().y);
    auto post = [pBar](UINT message, CPoint ptScreen) {
        pBar->ScreenToClient(&ptScreen);
        ::PostMessageA(pBar->GetSafeHwnd(), message, 0, MAKELPARAM(ptScreen.x, ptScreen.y));
    };
    post(WM_MOUSEMOVE, ptEdge + CSize(30, 0));
    post(WM_LBUTTONUP, ptEdge + CSize(60, 0));
    pMini->SendMessage(WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(ptEdge.x, ptEdge.y));
    RunIdle();
    EXPECT_EQ(rectBefore.Width() + 60, ScreenRect(pBar).Width());
    EXPECT_LE(abs(rectBefore.left - ScreenRect(pBar).left), 1);

    // Nearly off the left of the desktop, the right edge pulled further left would take the
    // frame off it: the frame keeps the last rectangle that met the desktop.
    CRect rectDesktop;
    ::GetWindowRect(::GetDesktopWindow(), &rectDesktop);
    pMini->SetWindowPos(nullptr, rectDesktop.left - ScreenRect(pMini).Width() + 30, 200, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const CRect rectOff = ScreenRect(pMini);
    ASSERT_GT(rectOff.right, rectDesktop.left);
    const CPoint ptRight(rectOff.right - 2, rectOff.CenterPoint().y);
    post(WM_MOUSEMOVE, ptRight + CSize(-100, 0));
    post(WM_LBUTTONUP, ptRight + CSize(-100, 0));
    pMini->SendMessage(WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(ptRight.x, ptRight.y));
    RunIdle();
    CRect rectMeet;
    EXPECT_TRUE(rectMeet.IntersectRect(ScreenRect(pMini), rectDesktop));
    EXPECT_GE(ScreenRect(pMini).right, rectDesktop.left + ::GetSystemMetrics(SM_CYSMCAPTION));
    CloseTestFrame(pFrame);
}

class CStickyBar : public CTabbedSizingBar {
public:
    BOOL CanBeHidden() const override { return FALSE; }
};

TEST_F(MiniFrameTest, CloseIsRefusedWhenTheBarCannotBeHidden)
{
    CFrameTestFrame* pFrame = CreateWithSizingBar();
    ASSERT_NE(nullptr, pFrame);
    CWTKMiniDockFrameWnd* pMini = FloatSizingBar(pFrame, CPoint(300, 200));
    ASSERT_NE(nullptr, pMini);
    pMini->SendMessage(WM_CLOSE);
    RunIdle();
    EXPECT_FALSE(pFrame->m_wndSizingBar.IsWindowVisible());

    // A floating frame whose first bar is no sizing bar closes as the framework's does.
    pFrame->FloatControlBar(&pFrame->m_wndToolBar2, CPoint(500, 300));
    RunIdle();
    CWnd* pToolFrame = pFrame->m_wndToolBar2.m_pDockBar->GetParent();
    pToolFrame->SendMessage(WM_CLOSE);
    RunIdle();
    EXPECT_FALSE(pFrame->m_wndToolBar2.IsWindowVisible());
    CloseTestFrame(pFrame);

    auto* pSticky = new CStickyBar;
    pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    ASSERT_TRUE(pSticky->Create("Sticky", pFrame, CSize(150, 150), TRUE, 0xE899, WS_CHILD | WS_VISIBLE | CBRS_LEFT));
    pSticky->m_bAutoDelete = TRUE;
    pSticky->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->FloatControlBar(pSticky, CPoint(320, 220));
    RunIdle();
    CWnd* pStickyFrame = pSticky->m_pDockBar->GetParent();
    pStickyFrame->SendMessage(WM_CLOSE);
    RunIdle();
    EXPECT_TRUE(pSticky->IsWindowVisible());
    EXPECT_TRUE(pStickyFrame->IsWindowVisible());
    CloseTestFrame(pFrame);
}

// ---- The whole frame ----

// The screen around the frame and its floating frames, written as a PNG.
void SaveScreenshot(CFrameTestFrame* pFrame, CWnd* pFloating, const char* pszName)
{
    pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (pFloating != nullptr)
        pFloating->RedrawWindow(nullptr, nullptr,
                                RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RunIdle();
    CRect rect = ScreenRect(pFrame);
    if (pFloating != nullptr)
        rect.UnionRect(rect, ScreenRect(pFloating));
    rect.InflateRect(8, 8);
    CRect rectScreen;
    ::GetWindowRect(::GetDesktopWindow(), &rectScreen);
    rect.IntersectRect(rect, rectScreen);
    Canvas canvas(rect.Width(), rect.Height());
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(canvas.Handle(), 0, 0, rect.Width(), rect.Height(), hScreen, rect.left, rect.top, SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_TRUE(canvas.WritePng(ScreenshotFolder() + "\\" + pszName));
}

TEST_F(MiniFrameTest, FullFrameLooksTheSameAfterARestart)
{
    FrameTestBars bars;
    bars.bSizingBar = TRUE;
    bars.bStatusBar = TRUE;
    bars.bCaptionBar = TRUE;
    CFrameTestFrame* pFrame = CreateTestFrame(bars);
    ASSERT_NE(nullptr, pFrame);
    pFrame->SetWindowPos(nullptr, 20, 20, 760, 520, SWP_NOZORDER);
    RunIdle();
    const CRect rectFrame = ScreenRect(pFrame);
    pFrame->FloatControlBar(&pFrame->m_wndToolBar2, CPoint(rectFrame.right - 200, rectFrame.top + 150));
    RunIdle();
    ASSERT_TRUE(pFrame->m_wndToolBar2.IsFloating());
    SaveScreenshot(pFrame, pFrame->m_wndToolBar2.m_pDockBar->GetParent(), "toolkit_frame_layout.png");
    const CRect rectSizing = ScreenRect(&pFrame->m_wndSizingBar);
    const CRect rectTool1 = ScreenRect(&pFrame->m_wndToolBar1);
    const CRect rectMenu = ScreenRect(&pFrame->m_wndMenuBar);
    const CRect rectStatus = ScreenRect(&pFrame->m_wndStatusBar);
    const CRect rectCaption = ScreenRect(&pFrame->m_wndCaptionBar);
    const CSize sizeFloating = ScreenRect(pFrame->m_wndToolBar2.m_pDockBar->GetParent()).Size();
    CloseTestFrame(pFrame);

    pFrame = CreateTestFrame(bars);
    ASSERT_NE(nullptr, pFrame);
    RunIdle();
    ASSERT_TRUE(pFrame->m_wndToolBar2.IsFloating());
    CWnd* pFloating = pFrame->m_wndToolBar2.m_pDockBar->GetParent();
    EXPECT_TRUE(pFloating->IsWindowVisible());
    EXPECT_TRUE(pFrame->m_wndToolBar2.IsWindowVisible());
    // Restored before the frame was shown, it still lies above the frame.
    for (HWND hWnd = ::GetWindow(pFloating->GetSafeHwnd(), GW_HWNDPREV); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDPREV))
        EXPECT_NE(pFrame->GetSafeHwnd(), hWnd);
    SaveScreenshot(pFrame, pFloating, "toolkit_frame_layout_restored.png");
    EXPECT_EQ(rectFrame, ScreenRect(pFrame));
    EXPECT_EQ(FW_IDW_DOCKBAR_LEFT, DockBarIdOf(&pFrame->m_wndSizingBar));
    EXPECT_EQ(rectSizing, ScreenRect(&pFrame->m_wndSizingBar));
    EXPECT_EQ(rectTool1, ScreenRect(&pFrame->m_wndToolBar1));
    EXPECT_EQ(rectMenu, ScreenRect(&pFrame->m_wndMenuBar));
    EXPECT_EQ(rectStatus, ScreenRect(&pFrame->m_wndStatusBar));
    EXPECT_EQ(rectCaption, ScreenRect(&pFrame->m_wndCaptionBar));
    ASSERT_TRUE(pFrame->m_wndToolBar2.IsFloating());
    EXPECT_EQ(sizeFloating, ScreenRect(pFrame->m_wndToolBar2.m_pDockBar->GetParent()).Size());
    CloseTestFrame(pFrame);
}

}  // namespace
