// The drop-down button on a real toolbar with a hidden source bar: the list opened by holding the
// button (on the hold timer's seam), a command chosen from it arriving once with the source bar
// whole afterwards, a short click running the default command, the hold timer and the frame let go
// of a deleted button, placement on the work area of the button's monitor, drawing with and
// without a source, the button's archive, the leave timer, and a screenshot with a combo box button
// and an open list.
#include "ToolBarTestSupport.h"

#include "command_bars/WTKDropDownFrame.h"
#include "command_bars/WTKDropDownToolBar.h"
#include "command_bars/WTKDropDownToolbarButton.h"
#include "command_bars/WTKMouseLeaveTimer.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolbarComboBoxButton.h"

#include "foundation/WTKGlobalData.h"

#include "Canvas.h"

#include "core/Archive.h"
#include "core/Exception.h"
#include "core/MemFile.h"
#include "win/ComboBox.h"
#include "win/TickClock.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr UINT kSourceBarId = 0xE840;
constexpr UINT kBarId = 0xE841;
constexpr UINT ID_FONT_NAME = 0x9110;
// The images of the test strip by their place among the buttons.
constexpr int kOpenImage = 1;
constexpr int kSaveImage = 2;
constexpr COLORREF kFolderYellow = RGB(255, 200, 0);

// ---- Seams: the hold timer and the work area ----

struct FakeTimer {
    HWND hWnd;
    UINT_PTR nId;
    UINT uElapse;
    TIMERPROC pfnProc;
};
std::vector<FakeTimer> g_started;
std::vector<FakeTimer> g_killed;

UINT_PTR FakeSetTimer(HWND hWnd, UINT_PTR nId, UINT uElapse, TIMERPROC pfnProc)
{
    g_started.push_back({hWnd, nId, uElapse, pfnProc});
    return nId;
}

BOOL FakeKillTimer(HWND hWnd, UINT_PTR nId)
{
    g_killed.push_back({hWnd, nId, 0, nullptr});
    return TRUE;
}

CRect g_rectWork(0, 0, 1280, 1024);
std::vector<POINT> g_workAreaPoints;

CRect FakeWorkArea(POINT pt)
{
    g_workAreaPoints.push_back(pt);
    return g_rectWork;
}

CPoint Center(const CRect& rect)
{
    return rect.CenterPoint();
}

LPARAM PointParam(CPoint pt)
{
    return MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y));
}

CRect ScreenRect(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}

class DropDownTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FwSetTimerFunctions(&FakeSetTimer, &FakeKillTimer);
        CWTKPopupMenu::SetWorkAreaSource(&FakeWorkArea);
        g_rectWork = CRect(0, 0, 1280, 1024);
        m_pFrame = new CToolBarTestFrame;
        ASSERT_TRUE(m_pFrame->CreateFrame(TRUE));
        theApp.m_pMainWnd = m_pFrame;
        // The list's source: hidden, with its own strip.
        ASSERT_TRUE(m_source.Create(m_pFrame, WS_CHILD | CBRS_TOP, kSourceBarId));
        ASSERT_TRUE(m_source.LoadToolBar(IDR_TEST_TOOLBAR, 0, 0, FALSE));
        ASSERT_TRUE(m_source.IsLocked()) << "a drop-down toolbar is always locked";
        m_source.AdjustLayout();
        ASSERT_TRUE(m_bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, kBarId));
        ASSERT_TRUE(m_bar.LoadToolBar(IDR_TEST_TOOLBAR));
        m_iButton = m_bar.InsertButton(CWTKDropDownToolbarButton("Palette", &m_source), 0);
        m_pButton = dynamic_cast<CWTKDropDownToolbarButton*>(m_bar.GetButton(m_iButton));
        ASSERT_NE(m_pButton, nullptr);
        Layout();
        ::SetCursorPos(1, 1);
    }
    void TearDown() override
    {
        if (::IsWindow(m_bar.GetSafeHwnd()))
            m_bar.DestroyWindow();
        if (::IsWindow(m_source.GetSafeHwnd()))
            m_source.DestroyWindow();
        theApp.m_pMainWnd = nullptr;
        if (::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
        PumpPending();
        FwSetTimerFunctions(nullptr, nullptr);
        CWTKPopupMenu::SetWorkAreaSource(nullptr);
        g_started.clear();
        g_killed.clear();
        g_workAreaPoints.clear();
    }
    void Layout()
    {
        m_pFrame->RecalcLayout();
        m_bar.AdjustLayout();
        PumpPending();
    }
    CRect ButtonRect() const { return m_pButton->GetRect(); }
    void Press() { m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(Center(ButtonRect()))); }
    void Release() { m_bar.SendMessage(WM_LBUTTONUP, 0, PointParam(Center(ButtonRect()))); }
    // The hold timer's tick, as the system would deliver it.
    static void Tick()
    {
        ASSERT_FALSE(g_started.empty());
        const FakeTimer& timer = g_started.back();
        timer.pfnProc(timer.hWnd, WM_TIMER, timer.nId, 0);
    }
    CWTKDropDownFrame* HoldOpen()
    {
        Press();
        Tick();
        return m_pButton->GetDropDownFrame();
    }

    CToolBarTestFrame* m_pFrame = nullptr;
    CWTKDropDownToolBar m_source;
    CWTKToolBar m_bar;
    int m_iButton = -1;
    CWTKDropDownToolbarButton* m_pButton = nullptr;
};

TEST_F(DropDownTest, HoldingTheButtonOpensTheListAndTheChosenCommandArrivesOnce)
{
    std::vector<CWTKToolbarButton*> sourceButtons;
    std::vector<CRect> sourceRects;
    for (int i = 0; i < m_source.GetCount(); i++) {
        sourceButtons.push_back(m_source.GetButton(i));
        sourceRects.push_back(m_source.GetButton(i)->GetRect());
    }
    EXPECT_EQ(m_pButton->m_nID, static_cast<UINT>(ID_TEST_NEW)) << "the source's first command is the default";

    Press();
    ASSERT_EQ(g_started.size(), 1u);
    EXPECT_EQ(g_started[0].hWnd, m_bar.GetSafeHwnd());
    EXPECT_EQ(g_started[0].uElapse, CWTKDropDownToolbarButton::kHoldDelayMs);
    // The menu bar's and the popup menu bar's timers (1 and 2) are never replaced.
    EXPECT_NE(g_started[0].nId, CWTKPopupMenuBar::kOpenSubMenuTimer);
    EXPECT_NE(g_started[0].nId, CWTKPopupMenuBar::kCloseSubMenuTimer);
    EXPECT_EQ(CWTKDropDownToolbarButton::GetHoldTimerButton(), m_pButton);
    EXPECT_EQ(m_pButton->GetDropDownFrame(), nullptr) << "nothing opens before the delay";

    Tick();
    CWTKDropDownFrame* pFrame = m_pButton->GetDropDownFrame();
    ASSERT_NE(pFrame, nullptr);
    EXPECT_EQ(CWTKDropDownToolbarButton::GetHoldTimerButton(), nullptr);
    EXPECT_TRUE(pFrame->IsWindowVisible());
    CRect rectButton = ButtonRect();
    m_bar.ClientToScreen(&rectButton);
    EXPECT_EQ(ScreenRect(pFrame).TopLeft(), CPoint(rectButton.left - 1, rectButton.bottom)) << "below the button";

    // The list shows the source's own button objects.
    CWTKDropDownToolBar* pList = pFrame->GetToolBar();
    EXPECT_EQ(CWnd::GetCapture(), pList);
    ASSERT_EQ(pList->GetCount(), m_source.GetCount());
    for (int i = 0; i < pList->GetCount(); i++)
        EXPECT_EQ(pList->GetButton(i), sourceButtons[static_cast<size_t>(i)]) << "button " << i;
    const int iSave = pList->CommandToIndex(ID_TEST_SAVE);
    CRect rectSave;
    pList->GetItemRect(iSave, &rectSave);
    EXPECT_NE(rectSave, sourceRects[static_cast<size_t>(iSave)]) << "laid out as a column in the list";

    pList->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(Center(rectSave)));
    EXPECT_NE(pList->GetButton(iSave)->m_nStyle & TBBS_PRESSED, 0u) << "the hot item shows pressed";
    pList->SendMessage(WM_LBUTTONUP, 0, PointParam(Center(rectSave)));
    PumpPending();

    EXPECT_EQ(m_pFrame->m_commands, std::vector<UINT>({ID_TEST_SAVE}));
    EXPECT_EQ(m_pButton->GetDropDownFrame(), nullptr);
    EXPECT_EQ(m_pButton->m_nID, static_cast<UINT>(ID_TEST_SAVE)) << "the choice is the new default";
    EXPECT_EQ(m_pButton->GetDefaultImage(), kSaveImage);
    EXPECT_EQ(m_pButton->m_nStyle & TBBS_PRESSED, 0u);

    // The source bar is whole: the same buttons, none left pressed, laid out again.
    ASSERT_EQ(m_source.GetCount(), static_cast<int>(sourceButtons.size()));
    for (int i = 0; i < m_source.GetCount(); i++) {
        const CWTKToolbarButton* pButton = m_source.GetButton(i);
        EXPECT_EQ(pButton, sourceButtons[static_cast<size_t>(i)]) << "button " << i;
        EXPECT_EQ(pButton->m_nStyle & TBBS_PRESSED, 0u) << "button " << i;
        EXPECT_EQ(pButton->GetRect(), sourceRects[static_cast<size_t>(i)]) << "button " << i;
    }
    EXPECT_EQ(m_source.GetShownIn(), nullptr);
}

TEST_F(DropDownTest, ClickWithinTheDelayRunsTheDefaultCommandWithoutOpening)
{
    m_pButton->SetDefaultCommand(ID_TEST_OPEN);
    EXPECT_EQ(m_pButton->GetDefaultImage(), kOpenImage);
    Press();
    Release();
    PumpPending();
    EXPECT_EQ(m_pFrame->m_commands, std::vector<UINT>({ID_TEST_OPEN}));
    EXPECT_EQ(m_pButton->GetDropDownFrame(), nullptr);
    EXPECT_EQ(CWTKDropDownToolbarButton::GetHoldTimerButton(), nullptr);
    ASSERT_EQ(g_killed.size(), 1u);
    EXPECT_EQ(g_killed[0].nId, g_started[0].nId);
}

TEST_F(DropDownTest, ADisabledDefaultCommandStillOpensTheListButNeverRuns)
{
    m_pButton->SetDefaultCommand(ID_TEST_CUT);
    m_pFrame->m_bCutEnabled = FALSE;

    // A short click: the hold ends with the release and nothing runs.
    Press();
    ASSERT_EQ(g_started.size(), 1u) << "the disabled button is pressed and its hold starts";
    Release();
    PumpPending();
    EXPECT_EQ(CWTKDropDownToolbarButton::GetHoldTimerButton(), nullptr);
    EXPECT_EQ(g_killed.size(), 1u);
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    EXPECT_EQ(m_pButton->m_nStyle & TBBS_PRESSED, 0u);

    // Held: the list opens.
    CWTKDropDownFrame* pFrame = HoldOpen();
    ASSERT_NE(pFrame, nullptr);
    EXPECT_TRUE(pFrame->IsWindowVisible());
    pFrame->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_EQ(m_pButton->GetDropDownFrame(), nullptr);
    EXPECT_TRUE(m_pFrame->m_commands.empty());
}

TEST_F(DropDownTest, AClickOutsideClosesTheListWithoutACommand)
{
    CWTKDropDownFrame* pFrame = HoldOpen();
    ASSERT_NE(pFrame, nullptr);
    CWTKDropDownToolBar* pList = pFrame->GetToolBar();
    CRect rectClient;
    pList->GetClientRect(rectClient);
    pList->SendMessage(WM_LBUTTONUP, 0, PointParam(CPoint(rectClient.right + 40, rectClient.bottom + 40)));
    PumpPending();
    EXPECT_EQ(m_pButton->GetDropDownFrame(), nullptr);
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    EXPECT_EQ(m_pButton->m_nID, static_cast<UINT>(ID_TEST_NEW));
}

// A deleted button leaves neither a running timer nor an open frame that still points at it.
TEST_F(DropDownTest, ADeletedButtonIsForgottenByTheHoldTimerAndItsFrame)
{
    Press();
    ASSERT_EQ(CWTKDropDownToolbarButton::GetHoldTimerButton(), m_pButton);
    const FakeTimer timer = g_started.back();
    ASSERT_TRUE(m_bar.RemoveButton(m_iButton));
    EXPECT_EQ(CWTKDropDownToolbarButton::GetHoldTimerButton(), nullptr);
    ASSERT_EQ(g_killed.size(), 1u);
    EXPECT_EQ(g_killed[0].hWnd, timer.hWnd);
    EXPECT_EQ(g_killed[0].nId, timer.nId);
    // A tick already queued finds no button and only stops the timer.
    timer.pfnProc(timer.hWnd, WM_TIMER, timer.nId, 0);
    EXPECT_EQ(g_killed.size(), 2u);

    // The same with the list open.
    m_iButton = m_bar.InsertButton(CWTKDropDownToolbarButton("Palette", &m_source), 0);
    m_pButton = dynamic_cast<CWTKDropDownToolbarButton*>(m_bar.GetButton(m_iButton));
    Layout();
    CWTKDropDownFrame* pFrame = HoldOpen();
    ASSERT_NE(pFrame, nullptr);
    const HWND hWndFrame = pFrame->GetSafeHwnd();
    ASSERT_TRUE(m_bar.RemoveButton(m_iButton));
    PumpPending();
    EXPECT_FALSE(::IsWindow(hWndFrame));
    EXPECT_EQ(m_source.GetCount(), 10);
    EXPECT_EQ(m_source.GetShownIn(), nullptr);
    EXPECT_TRUE(m_pFrame->m_commands.empty());
}

// The source bar going while its buttons are shown: the list lets them go before they are deleted
// and closes.
TEST_F(DropDownTest, TheSourceGoingClosesTheList)
{
    CWTKDropDownFrame* pFrame = HoldOpen();
    ASSERT_NE(pFrame, nullptr);
    const HWND hWndFrame = pFrame->GetSafeHwnd();
    CWTKDropDownToolBar* pList = pFrame->GetToolBar();
    m_source.DestroyWindow();
    EXPECT_EQ(pList->GetCount(), 0) << "no borrowed button is left in the list";
    PumpPending();
    EXPECT_FALSE(::IsWindow(hWndFrame));
    EXPECT_EQ(m_pButton->GetDropDownFrame(), nullptr);
    EXPECT_TRUE(m_pFrame->m_commands.empty());
}

TEST_F(DropDownTest, TheListSitsOnTheWorkAreaOfTheButtonsMonitor)
{
    // Low enough on the screen for the list to fit above the button.
    m_pFrame->SetWindowPos(nullptr, 40, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpPending();
    CRect rectButton = ButtonRect();
    m_bar.ClientToScreen(&rectButton);
    struct Case {
        const char* pszName;
        CRect rectWork;
        bool bFlipped;
        bool bPulledLeft;
    };
    // A work area that ends near the button: the primary screen's size would have left room.
    const Case cases[] = {
        {"room below", CRect(0, 0, 1280, 1024), false, false},
        {"bottom near the button", CRect(0, 0, 1280, rectButton.bottom + 40), true, false},
        {"right edge inside the button", CRect(0, 0, rectButton.left + 20, 1024), false, true},
    };
    for (const Case& c : cases) {
        g_rectWork = c.rectWork;
        g_workAreaPoints.clear();
        CWTKDropDownFrame* pFrame = HoldOpen();
        ASSERT_NE(pFrame, nullptr) << c.pszName;
        const CRect rect = ScreenRect(pFrame);
        ASSERT_FALSE(g_workAreaPoints.empty());
        EXPECT_EQ(CPoint(g_workAreaPoints.back()), rectButton.CenterPoint()) << c.pszName << ": the button's monitor";
        if (c.bFlipped)
            EXPECT_EQ(rect.bottom, rectButton.top - CWTKDropDownFrame::kFlipGap) << c.pszName;
        else
            EXPECT_EQ(rect.top, rectButton.bottom) << c.pszName;
        if (c.bPulledLeft)
            EXPECT_EQ(rect.right, c.rectWork.right - 1) << c.pszName;
        else
            EXPECT_EQ(rect.left, rectButton.left - 1) << c.pszName;
        Release();
        PumpPending();
        EXPECT_EQ(m_pButton->GetDropDownFrame(), nullptr) << c.pszName << ": the release closes it";
    }
}

// With its source the button shows the default command's image; without one only its face and
// arrow, and it never opens.
TEST_F(DropDownTest, DrawsTheDefaultImageAndTheArrowAndNeverOpensWithoutSource)
{
    m_pButton->SetDefaultCommand(ID_TEST_OPEN);
    const CRect rect(CPoint(0, 0), ButtonRect().Size());
    const COLORREF clrArrow = WTKGetGlobalData().clrBtnDkShadow;
    const CRect rectArrow(rect.right - 9, rect.bottom - 9, rect.right, rect.bottom);
    {
        Canvas canvas(rect.Width(), rect.Height(), WTKGetGlobalData().clrBtnFace);
        m_pButton->OnDraw(canvas.DC(), rect, nullptr, TRUE, FALSE, FALSE, TRUE, TRUE);
        EXPECT_GT(canvas.Count(kFolderYellow), 40) << "the folder of the default command";
        EXPECT_GT(canvas.Count(clrArrow, rectArrow), 5) << "the arrow";
    }
    m_source.DestroyWindow();
    {
        Canvas canvas(rect.Width(), rect.Height(), WTKGetGlobalData().clrBtnFace);
        m_pButton->OnDraw(canvas.DC(), rect, nullptr, TRUE, FALSE, FALSE, TRUE, TRUE);
        EXPECT_EQ(canvas.Count(kFolderYellow), 0);
        EXPECT_GT(canvas.Count(clrArrow, rectArrow), 5) << "the arrow";
    }
    EXPECT_EQ(HoldOpen(), nullptr);
    EXPECT_FALSE(m_pButton->DropDown());
}

TEST_F(DropDownTest, TheArchiveFindsTheSourceByItsResourceAndRefusesDamage)
{
    m_pButton->SetDefaultCommand(ID_TEST_SAVE);
    const std::string bytes = StoreObject(*m_pButton);
    CObject* pObject = LoadButtonObject(bytes);
    auto* pRead = dynamic_cast<CWTKDropDownToolbarButton*>(pObject);
    ASSERT_NE(pRead, nullptr);
    EXPECT_EQ(pRead->GetDropDownToolBar(), &m_source);
    EXPECT_EQ(pRead->GetName(), CString("Palette"));
    EXPECT_EQ(pRead->m_nID, static_cast<UINT>(ID_TEST_SAVE));
    EXPECT_EQ(pRead->GetDefaultImage(), kSaveImage);
    EXPECT_TRUE(pRead->IsLocked());
    delete pObject;
    for (size_t n = 0; n < bytes.size(); n++) {
        CObject* pCut = LoadButtonObject(bytes.substr(0, n));
        EXPECT_EQ(pCut, nullptr) << "cut at " << n;
        delete pCut;
    }
}

TEST_F(DropDownTest, TheLeaveTimerPostsOneLeaveWhenAnotherWindowCoversTheTracked)
{
    const HWND hWnd = m_bar.GetSafeHwnd();
    struct Refused {
        const char* pszName;
        TRACKMOUSEEVENT tme;
    };
    const Refused refused[] = {
        {"short request", {8, TME_LEAVE, hWnd, 0}},
        {"no window", {sizeof(TRACKMOUSEEVENT), TME_LEAVE, nullptr, 0}},
        {"no leave flag", {sizeof(TRACKMOUSEEVENT), TME_HOVER, hWnd, 0}},
    };
    for (const Refused& r : refused)
        EXPECT_EQ(CWTKMouseLeaveTimer::Track(&r.tme), 0u) << r.pszName;

    auto countLeaves = [hWnd]() {
        int n = 0;
        MSG msg;
        while (::PeekMessageA(&msg, hWnd, WM_MOUSELEAVE, WM_MOUSELEAVE, PM_REMOVE))
            n++;
        return n;
    };
    CPoint ptInside = ButtonRect().CenterPoint();
    m_bar.ClientToScreen(&ptInside);
    ::SetCursorPos(ptInside.x, ptInside.y);
    PumpPending();
    countLeaves();
    const TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, hWnd, 0};
    const UINT_PTR nTimer = CWTKMouseLeaveTimer::Track(&tme);
    ASSERT_EQ(nTimer, static_cast<UINT_PTR>(TME_LEAVE));
    CWTKMouseLeaveTimer::TimerProc(hWnd, WM_TIMER, nTimer, 0);
    EXPECT_EQ(countLeaves(), 0) << "the cursor is over the bar";

    // A popup over the bar: the cursor is inside the bar's rectangle but over another window.
    CWnd cover;
    ASSERT_TRUE(cover.CreateEx(WS_EX_TOPMOST, nullptr, "cover", WS_POPUP | WS_VISIBLE,
                               CRect(CPoint(ptInside.x - 2, ptInside.y - 2), CSize(20, 8)), nullptr, 0));
    PumpPending();
    ASSERT_EQ(::WindowFromPoint(ptInside), cover.GetSafeHwnd());
    CWTKMouseLeaveTimer::TimerProc(hWnd, WM_TIMER, nTimer, 0);
    EXPECT_EQ(countLeaves(), 1);
    EXPECT_FALSE(::KillTimer(hWnd, nTimer)) << "the timer stopped itself";
    cover.DestroyWindow();
}

TEST_F(DropDownTest, ScreenshotOfABarWithAComboBoxButtonAndAnOpenList)
{
    CWTKToolbarComboBoxButton combo(ID_FONT_NAME, -1, CBS_DROPDOWNLIST, 120);
    for (const char* pszItem : {"Arial", "Courier New", "Times New Roman"})
        combo.AddItem(pszItem);
    const int iCombo = m_bar.InsertButton(combo);
    auto* pCombo = dynamic_cast<CWTKToolbarComboBoxButton*>(m_bar.GetButton(iCombo));
    ASSERT_NE(pCombo, nullptr);
    ASSERT_TRUE(pCombo->SelectItem(1, FALSE));
    m_pButton->SetDefaultCommand(ID_TEST_OPEN);
    Layout();
    ASSERT_NE(pCombo->GetComboBox(), nullptr);
    EXPECT_TRUE(pCombo->GetComboBox()->IsWindowVisible());

    m_pFrame->SetForegroundWindow();
    CWTKDropDownFrame* pFrame = HoldOpen();
    ASSERT_NE(pFrame, nullptr);
    CWTKDropDownToolBar* pList = pFrame->GetToolBar();
    CRect rectItem;
    pList->GetItemRect(pList->CommandToIndex(ID_TEST_CUT), &rectItem);
    pList->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(Center(rectItem)));
    m_pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    PumpPending();

    CRect rectShot = ScreenRect(m_pFrame);
    rectShot.UnionRect(rectShot, ScreenRect(pFrame));
    Canvas shot(rectShot.Width(), rectShot.Height());
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(shot.Handle(), 0, 0, rectShot.Width(), rectShot.Height(), hScreen, rectShot.left, rectShot.top, SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_TRUE(shot.WritePng(ScreenshotFolder() + "\\dropdown_toolbar_and_combo_box.png"));

    CRect rectList = ScreenRect(pFrame);
    rectList.OffsetRect(-rectShot.left, -rectShot.top);
    EXPECT_GT(shot.Count(kFolderYellow, rectList), 40) << "the list draws the source's images";
    CRect rectButton = ButtonRect();
    m_bar.ClientToScreen(&rectButton);
    rectButton.OffsetRect(-rectShot.left, -rectShot.top);
    EXPECT_GT(shot.Count(kFolderYellow, rectButton), 40) << "the button shows its default image";

    Release();
    PumpPending();
}

}  // namespace
