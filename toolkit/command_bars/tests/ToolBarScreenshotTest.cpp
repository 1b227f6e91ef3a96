// A frame carrying real toolbars: images, text labels and a checked button, docked in two rows
// on top and one floating; saved as a screenshot and checked for its images.
#include "ToolBarTestSupport.h"

#include "Canvas.h"

#include "bars/DockBar.h"
#include "bars/MiniDockFrameWnd.h"

namespace {

CRect ScreenRect(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}

TEST(ToolBarScreenshot, FrameWithTwoRowsOfToolbarsAndAFloatingOne)
{
    CToolBarTestFrame* pFrame = new CToolBarTestFrame;
    ASSERT_TRUE(pFrame->CreateFrame(TRUE));
    theApp.m_pMainWnd = pFrame;
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CWnd pane;
    RECT none = {0, 0, 0, 0};
    ASSERT_TRUE(
        pane.CreateEx(WS_EX_CLIENTEDGE, nullptr, nullptr, WS_CHILD | WS_VISIBLE, none, pFrame, FW_IDW_PANE_FIRST));

    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC;
    CWTKToolBar standard, labels, floating;
    ASSERT_TRUE(standard.Create(pFrame, dwStyle, 0xE811));
    ASSERT_TRUE(standard.LoadToolBar(IDR_TEST_TOOLBAR));
    standard.SetWindowText("Standard");

    ASSERT_TRUE(labels.Create(pFrame, dwStyle, 0xE812));
    ASSERT_TRUE(labels.LoadToolBar(IDR_TEST_TOOLBAR));
    labels.SetWindowText("Format");
    labels.EnableTextLabels(TRUE);
    pFrame->m_nBoldCheck = 1;  // the frame's command state checks Bold
    pFrame->m_bCutEnabled = FALSE;

    ASSERT_TRUE(floating.Create(pFrame, dwStyle, 0xE813));
    ASSERT_TRUE(floating.LoadToolBar(IDR_TEST_TOOLBAR));
    floating.SetWindowText("Edit");
    floating.SetButtonDisplay(0, "&New", TRUE, TRUE);

    for (CWTKToolBar* pBar : {&standard, &labels, &floating})
        pBar->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&standard, FW_IDW_DOCKBAR_TOP);
    CRect rect = ScreenRect(&standard);
    rect.OffsetRect(0, rect.Height() + 4);
    pFrame->DockControlBar(&labels, FW_IDW_DOCKBAR_TOP, &rect);
    const CRect paneRect = ScreenRect(pFrame);
    pFrame->FloatControlBar(&floating, paneRect.TopLeft() + CPoint(220, 200));
    pFrame->RecalcLayout();
    RunIdle();
    RunIdle();
    ASSERT_TRUE(floating.IsFloating());
    EXPECT_FALSE(standard.IsFloating());
    EXPECT_LT(ScreenRect(&standard).bottom, ScreenRect(&labels).top + 2) << "two rows";

    // The hot button shows its highlight.
    CRect rectOpen;
    standard.GetItemRect(1, &rectOpen);
    standard.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rectOpen.CenterPoint().x, rectOpen.CenterPoint().y));

    pFrame->SetForegroundWindow();
    pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    CWnd* pMini = floating.GetParentFrame();
    ASSERT_NE(pMini, nullptr);
    pMini->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    PumpPending();

    EXPECT_NE(labels.GetButtonStyle(labels.CommandToIndex(ID_TEST_BOLD)) & TBBS_CHECKED, 0u);

    const CRect rectFrame = ScreenRect(pFrame);
    Canvas shot(rectFrame.Width(), rectFrame.Height());
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(shot.Handle(), 0, 0, rectFrame.Width(), rectFrame.Height(), hScreen, rectFrame.left, rectFrame.top,
             SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_TRUE(shot.WritePng(ScreenshotFolder() + "\\toolbars_docked_and_floating.png"));

    // The folder's yellow is inside each bar: the images are drawn.
    for (CWTKToolBar* pBar : {&standard, &labels, &floating}) {
        CRect area = ScreenRect(pBar);
        area.OffsetRect(-rectFrame.left, -rectFrame.top);
        EXPECT_GT(shot.Count(RGB(255, 200, 0), area), 20) << "folder image in bar " << pBar->GetDlgCtrlID();
    }

    theApp.m_pMainWnd = nullptr;
    pFrame->DestroyWindow();
    PumpPending();
}

}  // namespace
