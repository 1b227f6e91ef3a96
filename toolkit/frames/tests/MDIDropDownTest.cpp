// The MDI program with its document tabs and a toolbar whose drop-down button is held open (on
// the hold timer's seam): the list shows the source bar's images below the button, and the
// screenshot shows the tabs and the open list together.
#include "MDITestSupport.h"

#include "Canvas.h"

#include "command_bars/WTKDropDownFrame.h"
#include "command_bars/WTKDropDownToolBar.h"
#include "command_bars/WTKDropDownToolbarButton.h"
#include "win/TickClock.h"

#include <vector>

namespace {

constexpr COLORREF kFolderYellow = RGB(255, 200, 0);

struct HeldTimer {
    HWND hWnd;
    UINT_PTR nId;
    TIMERPROC pfnProc;
};
std::vector<HeldTimer> g_timers;

UINT_PTR RecordTimer(HWND hWnd, UINT_PTR nId, UINT /*uElapse*/, TIMERPROC pfnProc)
{
    g_timers.push_back({hWnd, nId, pfnProc});
    return nId;
}

BOOL ForgetTimer(HWND /*hWnd*/, UINT_PTR /*nId*/)
{
    return TRUE;
}

CRect ScreenRect(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}

class MDIDropDownTest : public MDITestBase {
protected:
    void SetUp() override
    {
        MDITestBase::SetUp();
        ASSERT_NE(m_pFrame, nullptr);
        FwSetTimerFunctions(&RecordTimer, &ForgetTimer);
        ASSERT_TRUE(m_source.Create(m_pFrame, WS_CHILD | CBRS_TOP, IDW_MDI_TEST_DROPDOWN_SOURCE));
        ASSERT_TRUE(m_source.LoadToolBar(IDR_MDI_TEST_TOOLBAR, 0, 0, FALSE));
        m_source.AdjustLayout();
        ASSERT_TRUE(m_bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, IDW_MDI_TEST_TOOLBAR));
        ASSERT_TRUE(m_bar.LoadToolBar(IDR_MDI_TEST_TOOLBAR));
        const int iButton = m_bar.InsertButton(CWTKDropDownToolbarButton("Edit", &m_source), 0);
        m_pButton = dynamic_cast<CWTKDropDownToolbarButton*>(m_bar.GetButton(iButton));
        ASSERT_NE(m_pButton, nullptr);
        m_pButton->SetDefaultCommand(ID_MDI_TEST_OPEN);
        m_pFrame->RecalcLayout();
        m_bar.AdjustLayout();
        PumpPending();
    }
    void TearDown() override
    {
        if (::IsWindow(m_bar.GetSafeHwnd()))
            m_bar.DestroyWindow();
        if (::IsWindow(m_source.GetSafeHwnd()))
            m_source.DestroyWindow();
        MDITestBase::TearDown();
        FwSetTimerFunctions(nullptr, nullptr);
        g_timers.clear();
    }
    // Presses the button and lets the hold timer fire.
    CWTKDropDownFrame* HoldOpen()
    {
        const CPoint pt = m_pButton->GetRect().CenterPoint();
        m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        if (g_timers.empty())
            return nullptr;
        const HeldTimer& timer = g_timers.back();
        timer.pfnProc(timer.hWnd, WM_TIMER, timer.nId, 0);
        return m_pButton->GetDropDownFrame();
    }

    CWTKDropDownToolBar m_source;
    CWTKToolBar m_bar;
    CWTKDropDownToolbarButton* m_pButton = nullptr;
};

TEST_F(MDIDropDownTest, ScreenshotOfTheProgramWithTabsAndAnOpenDropDownToolbar)
{
    HICON hIcons[] = {MakeColourIcon(kRed), MakeColourIcon(kBlue), MakeColourIcon(kGreen)};
    m_pFrame->AddChild("Report.txt", hIcons[0]);
    m_pFrame->AddChild("Notes.txt", hIcons[1]);
    m_pFrame->AddChild("Summary.txt", hIcons[2]);
    m_pFrame->MDICascade();
    ASSERT_EQ(m_pFrame->GetClientArea().GetTabWnd().GetTabsNum(), 3);
    m_pFrame->SetForegroundWindow();
    PumpPending();

    CWTKDropDownFrame* pList = HoldOpen();
    ASSERT_NE(pList, nullptr);
    EXPECT_TRUE(pList->IsWindowVisible());
    CRect rectButton = m_pButton->GetRect();
    m_bar.ClientToScreen(&rectButton);
    EXPECT_EQ(ScreenRect(pList).top, rectButton.bottom) << "the list opens below its button";
    m_pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    pList->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    PumpPending();

    // The frame and the list as they stand on the screen.
    CRect rectShot = ScreenRect(m_pFrame);
    rectShot.UnionRect(rectShot, ScreenRect(pList));
    Canvas shot(rectShot.Width(), rectShot.Height());
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(shot.Handle(), 0, 0, rectShot.Width(), rectShot.Height(), hScreen, rectShot.left, rectShot.top, SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_TRUE(shot.WritePng(ScreenshotFolder() + "\\mdi_tabs_dropdown.png"));

    CRect rectList = ScreenRect(pList);
    rectList.OffsetRect(-rectShot.left, -rectShot.top);
    EXPECT_GT(shot.Count(kFolderYellow, rectList), 40) << "the list draws the source's images";
    CRect rectTabs;
    m_pFrame->GetClientArea().GetTabWnd().GetWindowRect(&rectTabs);
    rectTabs.OffsetRect(-rectShot.left, -rectShot.top);
    EXPECT_GT(shot.Count(kBlue, rectTabs), 0) << "the tabs show their icons";

    // Letting go closes the list and leaves the source bar whole.
    const int nSourceButtons = m_source.GetCount();
    const CPoint pt = m_pButton->GetRect().CenterPoint();
    m_bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    PumpPending();
    EXPECT_EQ(m_pButton->GetDropDownFrame(), nullptr);
    EXPECT_EQ(m_source.GetCount(), nSourceButtons);

    m_bar.DestroyWindow();
    m_source.DestroyWindow();
    m_pFrame->DestroyWindow();
    m_pFrame = nullptr;
    PumpPending();
    for (HICON hIcon : hIcons)
        ::DestroyIcon(hIcon);
}

}  // namespace
