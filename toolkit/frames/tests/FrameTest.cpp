// The toolkit frame: bars made at creation, placement through the workspace, keys and clicks
// routed to popups and the menu bar, torn-off toolbars in the registry.
#include "FrameTestSupport.h"
#include "HeldKey.h"

#include "frames/WTKDockingConstants.h"
#include "frames/WTKMiniDockFrameWnd.h"
#include "frames/WTKToolDockBar.h"

#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolbarMessages.h"

#include "foundation/WTKRegistryHolder.h"
#include "foundation/WTKWorkArea.h"

#include "bars/DockBar.h"

#include <climits>

namespace {

class FrameTest : public FrameTestBase {};

TEST_F(FrameTest, CreatesToolDockBarsAndAttachesTheMenuBar)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    for (UINT nID : {FW_IDW_DOCKBAR_TOP, FW_IDW_DOCKBAR_LEFT, FW_IDW_DOCKBAR_RIGHT, FW_IDW_DOCKBAR_BOTTOM}) {
        CControlBar* pDockBar = pFrame->GetControlBar(nID);
        ASSERT_NE(nullptr, pDockBar) << nID;
        EXPECT_TRUE(pDockBar->IsKindOf(RUNTIME_CLASS(CWTKToolDockBar))) << nID;
    }
    EXPECT_EQ(&pFrame->m_wndMenuBar, pFrame->GetFrameHelper()->GetMenuBar());
    EXPECT_EQ(nullptr, ::GetMenu(pFrame->GetSafeHwnd()));
    EXPECT_NE(nullptr, pFrame->GetDefaultMenu());
    EXPECT_GT(pFrame->m_wndMenuBar.GetCount(), 0);
    EXPECT_EQ(pFrame->m_pFloatingFrameClass, RUNTIME_CLASS(CWTKMiniDockFrameWnd));

    // The menu bar has the first row to itself; the toolbars share the next, edge to edge.
    CRect rectClient;
    pFrame->GetClientRect(&rectClient);
    const CRect rectMenu = ScreenRect(&pFrame->m_wndMenuBar);
    const CRect rect1 = ScreenRect(&pFrame->m_wndToolBar1);
    const CRect rect2 = ScreenRect(&pFrame->m_wndToolBar2);
    EXPECT_GE(rectMenu.Width(), rectClient.Width() - 2);
    EXPECT_GE(rect1.top, rectMenu.bottom);
    EXPECT_EQ(rect1.top, rect2.top);
    EXPECT_EQ(rect1.right, rect2.left);
    CloseTestFrame(pFrame);
}

TEST_F(FrameTest, PlacementIsStoredOnCloseAndRestoredAtCreation)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    pFrame->SetWindowPos(nullptr, 70, 60, 640, 420, SWP_NOZORDER);
    const CRect rectSaved = ScreenRect(pFrame);
    CloseTestFrame(pFrame);

    pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    EXPECT_EQ(rectSaved, ScreenRect(pFrame));
    CloseTestFrame(pFrame);
}

struct PlacementCase {
    const char* name;
    RECT saved;
    RECT request;  // x, y, cx, cy of the creation record
    RECT expected;
};

TEST_F(FrameTest, RestorePositionKeepsThePlacementOnTheWorkArea)
{
    CRect rectWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
    const PlacementCase cases[] = {
        {"on the work area", {100, 80, 500, 380}, {10, 10, 200, 100}, {100, 80, 400, 300}},
        {"off every monitor", {9000, 9000, 9400, 9300}, {10, 20, 200, 100}, {10, 20, 200, 100}},
        {"half off at the top left",
         {rectWork.left - 100, rectWork.top - 50, rectWork.left + 300, rectWork.top + 250},
         {10, 20, 200, 100},
         {rectWork.left, rectWork.top, 400, 300}},
        {"default creation record",
         {120, 90, 520, 390},
         {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, 0},
         {120, 90, 400, 300}},
    };
    CWTKFrameHelper helper(nullptr);
    for (const PlacementCase& c : cases) {
        ASSERT_TRUE(theApp.StoreWindowPlacement(CRect(c.saved), 0, SW_SHOWNORMAL)) << c.name;
        CREATESTRUCTA cs {};
        cs.x = c.request.left;
        cs.y = c.request.top;
        cs.cx = c.request.right;
        cs.cy = c.request.bottom;
        helper.RestorePosition(cs);
        EXPECT_EQ(CRect(c.expected), CRect(cs.x, cs.y, cs.cx, cs.cy)) << c.name;
    }
}

// A primary monitor with a task bar, one to its left and one above it.
constexpr RECT kPrimaryWork = {0, 0, 1280, 994};
constexpr RECT kLeftWork = {-1024, 0, 0, 768};
constexpr RECT kAboveWork = {0, -1024, 1280, 0};

std::vector<CRect> ThreeMonitors()
{
    return {CRect(kPrimaryWork), CRect(kLeftWork), CRect(kAboveWork)};
}

TEST(UsableWindowRect, TakesOnlyRectanglesMostlyOnOneWorkAreaAndLargeEnough)
{
    const SIZE sizeMin = {480, 360};
    const struct {
        const char* name;
        RECT rect;
        int nExpected;  // the work area's index, -1: not usable
    } cases[] = {
        {"on the primary", {100, 80, 900, 680}, 0},
        {"on the monitor to the left", {-900, 50, -100, 650}, 1},
        {"on the monitor above", {100, -900, 900, -300}, 2},
        {"exactly half on the primary", {880, 100, 1680, 700}, 0},
        {"mostly off the right edge", {1000, 100, 1800, 700}, -1},
        {"off every monitor", {5000, 5000, 5800, 5600}, -1},
        {"top overflows the height", {0, INT_MIN, 800, 600}, -1},
        {"spans every int", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, -1},
        {"right overflows the width", {INT_MAX - 10, 0, INT_MAX, 600}, -1},
        {"empty", {100, 100, 100, 100}, -1},
        {"inverted", {800, 600, 100, 100}, -1},
        {"ten pixels high", {100, 100, 900, 110}, -1},
        {"narrower than the frame's minimum", {100, 100, 400, 700}, -1},
        {"far larger than every monitor", {-100000, -100000, 100000, 100000}, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nExpected, WTKUsableWorkAreaOf(c.rect, sizeMin, ThreeMonitors())) << c.name;
    // Without the other monitors, their placements are off every monitor.
    EXPECT_EQ(-1, WTKUsableWorkAreaOf({-900, 50, -100, 650}, sizeMin, {CRect(kPrimaryWork)}));
    EXPECT_EQ(-1, WTKUsableWorkAreaOf({100, 80, 900, 680}, sizeMin, {}));
}

TEST(GrabbablePosition, MovesAWindowTheLeastThatPutsItsCaptionOnAWorkArea)
{
    const SIZE sizeGrip = {18, 18};
    const struct {
        const char* name;
        RECT rect;
        POINT expected;
    } cases[] = {
        {"on the primary", {100, 100, 300, 200}, {100, 100}},
        {"on the monitor to the left", {-500, 100, -300, 200}, {-500, 100}},
        {"mostly off the left monitor, caption still on it", {-1200, 100, -1000, 200}, {-1200, 100}},
        {"below the left monitor, beside the primary", {-500, 900, -300, 1000}, {-500, 768 - 18}},
        {"caption above every monitor's top", {100, -2000, 300, -1900}, {100, -1024}},
        {"off the primary's right edge", {1300, 100, 1500, 200}, {1280 - 18, 100}},
        {"far off at the coordinates' limits", {INT_MAX - 200, INT_MAX - 100, INT_MAX, INT_MAX}, {1280 - 18, 994 - 18}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CPoint(c.expected), WTKGrabbablePosition(c.rect, sizeGrip, ThreeMonitors())) << c.name;
    EXPECT_EQ(CPoint(5000, 5000), WTKGrabbablePosition({5000, 5000, 5100, 5100}, sizeGrip, {}));
}

// The monitors are the test's: a stored placement is judged by them alone.
class ThreeMonitorSource {
public:
    ThreeMonitorSource() : m_pfnPrevious(CWTKFrameHelper::SetWorkAreasSource(&ThreeMonitors)) {}
    ~ThreeMonitorSource() { CWTKFrameHelper::SetWorkAreasSource(m_pfnPrevious); }
    ThreeMonitorSource(const ThreeMonitorSource&) = delete;
    ThreeMonitorSource& operator=(const ThreeMonitorSource&) = delete;

private:
    CWTKFrameHelper::WorkAreasSource m_pfnPrevious;
};

TEST_F(FrameTest, RestorePositionPassesOverPlacementsThatLeaveNoUsableWindow)
{
    const RECT kRequest = {30, 40, 640, 480};  // x, y, cx, cy of the creation record
    const struct {
        const char* name;
        RECT saved;
        RECT expected;  // x, y, cx, cy
    } cases[] = {
        {"overflowing", {0, INT_MIN, 800, 600}, kRequest},
        {"empty", {200, 200, 200, 200}, kRequest},
        {"inverted", {900, 700, 100, 100}, kRequest},
        {"tiny", {100, 100, 900, 110}, kRequest},
        {"off every monitor", {-5000, 3000, -4200, 3600}, kRequest},
        {"on the monitor to the left", {-900, 50, -100, 650}, {-900, 50, 800, 600}},
        {"on the monitor above", {100, -900, 900, -300}, {100, -900, 800, 600}},
        {"partly above the left monitor", {-900, -100, -100, 500}, {-900, 0, 800, 600}},
    };
    ThreeMonitorSource monitors;
    CWTKFrameHelper helper(nullptr);
    helper.SetMinTrackSize({480, 360});
    for (const auto& c : cases) {
        ASSERT_TRUE(theApp.StoreWindowPlacement(CRect(c.saved), 0, SW_SHOWMAXIMIZED)) << c.name;
        const int nOldShow = theApp.m_nCmdShow;
        theApp.m_nCmdShow = SW_SHOWNORMAL;
        CREATESTRUCTA cs {};
        cs.x = kRequest.left;
        cs.y = kRequest.top;
        cs.cx = kRequest.right;
        cs.cy = kRequest.bottom;
        helper.RestorePosition(cs);
        EXPECT_EQ(CRect(c.expected), CRect(cs.x, cs.y, cs.cx, cs.cy)) << c.name;
        // The show command of a placement passed over is passed over too.
        const bool bKept = c.expected.left != kRequest.left;
        EXPECT_EQ(bKept ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL, theApp.m_nCmdShow) << c.name;
        theApp.m_nCmdShow = nOldShow;
    }
}

TEST_F(FrameTest, FrameCannotBeMadeSmallerThanItsMinimumTrackingSize)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    pFrame->GetFrameHelper()->SetMinTrackSize({500, 400});
    pFrame->SetWindowPos(nullptr, 0, 0, 200, 30, SWP_NOZORDER | SWP_NOMOVE);
    const CRect rect = ScreenRect(pFrame);
    EXPECT_GE(rect.Width(), 500);
    EXPECT_GE(rect.Height(), 400);
    CloseTestFrame(pFrame);
}

TEST_F(FrameTest, StartupShowCommandGivesWayOnlyToTheSavedOne)
{
    const struct {
        int nStartup;
        int nSaved;
        int nExpected;
    } cases[] = {
        {SW_SHOW, SW_SHOWMAXIMIZED, SW_SHOWMAXIMIZED},
        {SW_SHOWNORMAL, SW_SHOWMAXIMIZED, SW_SHOWMAXIMIZED},
        {SW_SHOWNOACTIVATE, SW_SHOWMINIMIZED, SW_SHOWNORMAL},
        {SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED, SW_SHOWMINIMIZED},
        {SW_SHOWMAXIMIZED, SW_SHOWNORMAL, SW_SHOWMAXIMIZED},
        {SW_SHOWMINNOACTIVE, SW_SHOWNORMAL, SW_SHOWMINNOACTIVE},
        {SW_MINIMIZE, SW_SHOWNORMAL, SW_MINIMIZE},
        {SW_SHOWNA, SW_SHOWMAXIMIZED, SW_SHOWMAXIMIZED},
        {SW_SHOWDEFAULT, SW_SHOWMAXIMIZED, SW_SHOWMAXIMIZED},
        {SW_HIDE, SW_SHOWNORMAL, SW_SHOWNORMAL},
    };
    CWTKFrameHelper helper(nullptr);
    const int nOld = theApp.m_nCmdShow;
    for (const auto& c : cases) {
        theApp.m_nCmdShow = c.nStartup;
        ASSERT_TRUE(theApp.StoreWindowPlacement(CRect(100, 100, 300, 300), 0, c.nSaved));
        CREATESTRUCTA cs {};
        helper.RestorePosition(cs);
        EXPECT_EQ(c.nExpected, theApp.m_nCmdShow) << c.nStartup << " " << c.nSaved;
    }
    theApp.m_nCmdShow = nOld;
}

// ---- Keys and clicks ----

// A popup that counts the keys it is sent.
class CCountingPopup : public CWTKPopupMenu {
public:
    static int s_nKeyDowns;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_KEYDOWN)
            ++s_nKeyDowns;
        return CWTKPopupMenu::WindowProc(message, wParam, lParam);
    }
};
int CCountingPopup::s_nKeyDowns = 0;

CCountingPopup* OpenPopup(CFrameTestFrame* pFrame)
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_FT_CUT, "Cu&t");
    ::AppendMenuA(hMenu, MF_STRING, ID_FT_COPY, "&Copy");
    CRect rect = ScreenRect(pFrame);
    auto* pPopup =
        CWTKPopupMenu::Open(std::make_unique<CCountingPopup>(), pFrame, rect.left + 100, rect.top + 120, hMenu);
    if (pPopup == nullptr)
        return nullptr;
    RunIdle();
    return pPopup;
}

TEST_F(FrameTest, ContextMenuKeyClosesAnOpenPopupWithoutSendingItAKey)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    CCountingPopup* pPopup = OpenPopup(pFrame);
    ASSERT_NE(nullptr, pPopup);
    ASSERT_EQ(pPopup, CWTKPopupMenu::GetActiveMenu());
    const HWND hPopup = pPopup->GetSafeHwnd();
    CCountingPopup::s_nKeyDowns = 0;
    MSG msg = MakeMsg(pFrame->GetSafeHwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pFrame->GetSafeHwnd()),
                      MAKELPARAM(200, 200));
    EXPECT_TRUE(pFrame->PreTranslateMessage(&msg));
    RunIdle();
    EXPECT_EQ(0, CCountingPopup::s_nKeyDowns);
    EXPECT_FALSE(::IsWindow(hPopup));
    EXPECT_EQ(nullptr, CWTKPopupMenu::GetActiveMenu());

    // Without a popup the message goes on to the frame.
    msg = MakeMsg(pFrame->GetSafeHwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pFrame->GetSafeHwnd()),
                  MAKELPARAM(200, 200));
    EXPECT_FALSE(pFrame->PreTranslateMessage(&msg));
    CloseTestFrame(pFrame);
}

TEST_F(FrameTest, KeysGoToAnOpenPopupAndAltClosesIt)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    CCountingPopup* pPopup = OpenPopup(pFrame);
    ASSERT_NE(nullptr, pPopup);
    CCountingPopup::s_nKeyDowns = 0;
    MSG msg = MakeMsg(pFrame->GetSafeHwnd(), WM_KEYDOWN, VK_DOWN);
    EXPECT_TRUE(pFrame->PreTranslateMessage(&msg));
    EXPECT_EQ(1, CCountingPopup::s_nKeyDowns);

    // Alt alone closes the popup rather than going to the menu bar.
    const HWND hPopup = pPopup->GetSafeHwnd();
    msg = MakeMsg(pFrame->GetSafeHwnd(), WM_SYSKEYDOWN, VK_MENU);
    EXPECT_TRUE(pFrame->PreTranslateMessage(&msg));
    RunIdle();
    EXPECT_FALSE(::IsWindow(hPopup));
    EXPECT_NE(pFrame->m_wndMenuBar.GetSafeHwnd(), ::GetFocus());
    CloseTestFrame(pFrame);
}

TEST_F(FrameTest, ClickOutsideClosesThePopupAndClickOnItemsReachesIt)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    CCountingPopup* pPopup = OpenPopup(pFrame);
    ASSERT_NE(nullptr, pPopup);
    const HWND hPopup = pPopup->GetSafeHwnd();
    const CRect rectPopup = ScreenRect(pPopup);
    const CPoint ptInside(rectPopup.left + 10, rectPopup.top + 10);
    EXPECT_FALSE(pFrame->GetFrameHelper()->ProcessMouseClick(WM_LBUTTONDOWN, ptInside, hPopup));
    EXPECT_TRUE(::IsWindow(hPopup));

    CRect rectClient;
    pFrame->GetClientRect(&rectClient);
    pFrame->ClientToScreen(&rectClient);
    const CPoint ptOutside(rectClient.right - 20, rectClient.bottom - 20);
    pFrame->GetFrameHelper()->ProcessMouseClick(WM_LBUTTONDOWN, ptOutside, pFrame->GetSafeHwnd());
    RunIdle();
    EXPECT_FALSE(::IsWindow(hPopup));
    CloseTestFrame(pFrame);
}

// A frame that supplies the tooltip of one menu command and notes which items it was asked about.
class CTipFrame : public CFrameTestFrame {
public:
    UINT m_uiTipCommand = 0;
    std::vector<UINT> m_asked;

    BOOL OnMenuButtonToolHitTest(CWTKToolbarButton* pButton, TTTOOLINFOA* pTI) override
    {
        m_asked.push_back(pButton->m_nID);
        if (pButton->m_nID != m_uiTipCommand)
            return FALSE;
        pTI->lpszText = LPSTR_TEXTCALLBACKA;
        return TRUE;
    }
};

TEST_F(FrameTest, PopupItemsTakeTheTooltipTheFrameSupplies)
{
    auto* pFrame = new CTipFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_FRAME_TEST, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | FWS_ADDTOTITLE));
    pFrame->ShowWindow(SW_SHOWNORMAL);
    RunIdle();
    pFrame->m_uiTipCommand = ID_FT_COPY;
    CCountingPopup* pPopup = OpenPopup(pFrame);
    ASSERT_NE(nullptr, pPopup);
    CWTKPopupMenuBar* pBar = pPopup->GetMenuBar();

    // The frame's tooltip makes the answer the item's index; otherwise it is the command.
    struct Row {
        int iItem;
        UINT uiID;
        INT_PTR nExpected;
    } rows[] = {{0, ID_FT_CUT, ID_FT_CUT}, {1, ID_FT_COPY, 1}};
    for (const Row& row : rows) {
        CRect rectItem;
        pBar->GetItemRect(row.iItem, &rectItem);
        TTTOOLINFOA ti {};
        ti.cbSize = sizeof(ti);
        pFrame->m_asked.clear();
        EXPECT_EQ(row.nExpected, pBar->OnToolHitTest(rectItem.CenterPoint(), &ti)) << "item " << row.iItem;
        EXPECT_EQ(std::vector<UINT>({row.uiID}), pFrame->m_asked) << "item " << row.iItem;
        EXPECT_EQ(row.uiID, ti.uId) << "item " << row.iItem;
        EXPECT_EQ(pBar->GetSafeHwnd(), ti.hwnd) << "item " << row.iItem;
    }
    pPopup->SendMessage(WM_CLOSE);
    RunIdle();
    CloseTestFrame(pFrame);
}

TEST_F(FrameTest, MinimisedFrameLetsSystemKeysThrough)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    pFrame->ShowWindow(SW_MINIMIZE);
    RunIdle();
    ASSERT_TRUE(pFrame->IsIconic());
    const struct {
        UINT message;
        WPARAM key;
        BOOL bConsumed;
    } cases[] = {
        {WM_SYSKEYDOWN, VK_F4, FALSE},
        {WM_SYSKEYDOWN, VK_SPACE, FALSE},
        {WM_KEYDOWN, 'A', TRUE},
    };
    for (const auto& c : cases) {
        MSG msg = MakeMsg(pFrame->GetSafeHwnd(), c.message, c.key, 0x20000000);
        EXPECT_EQ(c.bConsumed, pFrame->GetFrameHelper()->PreTranslateMessage(&msg, nullptr) ? TRUE : FALSE)
            << c.message << " " << c.key;
    }
    pFrame->ShowWindow(SW_RESTORE);
    CloseTestFrame(pFrame);
}

TEST_F(FrameTest, AltOrF10MovesTheFocusToTheMenuBarAndBack)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    pFrame->SetActiveWindow();
    pFrame->SetFocus();
    RunIdle();
    MSG msg = MakeMsg(pFrame->GetSafeHwnd(), WM_SYSKEYUP, VK_MENU, 0xC0000001);
    EXPECT_TRUE(pFrame->PreTranslateMessage(&msg));
    EXPECT_EQ(pFrame->m_wndMenuBar.GetSafeHwnd(), ::GetFocus());
    msg = MakeMsg(pFrame->m_wndMenuBar.GetSafeHwnd(), WM_SYSKEYUP, VK_MENU, 0xC0000001);
    EXPECT_TRUE(pFrame->PreTranslateMessage(&msg));
    EXPECT_EQ(pFrame->GetSafeHwnd(), ::GetFocus());
    // F10 does the same.
    msg = MakeMsg(pFrame->GetSafeHwnd(), WM_SYSKEYUP, VK_F10, 0xC0000001);
    EXPECT_TRUE(pFrame->PreTranslateMessage(&msg));
    EXPECT_EQ(pFrame->m_wndMenuBar.GetSafeHwnd(), ::GetFocus());
    msg = MakeMsg(pFrame->m_wndMenuBar.GetSafeHwnd(), WM_SYSKEYUP, VK_F10, 0xC0000001);
    EXPECT_TRUE(pFrame->PreTranslateMessage(&msg));
    EXPECT_EQ(pFrame->GetSafeHwnd(), ::GetFocus());
    CloseTestFrame(pFrame);
}

TEST_F(FrameTest, TheAltReleaseAfterAMnemonicIsTheMenusNotTheSystems)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    pFrame->SetActiveWindow();
    pFrame->SetFocus();
    RunIdle();
    // The system saw Alt go down but not F: left to it, the release (either form) would start its
    // menu mode, which eats the keys meant for ours. The release is consumed and the focus stays
    // where the menu put it.
    for (UINT message : {WM_KEYUP, WM_SYSKEYUP}) {
        MSG msg = MakeMsg(pFrame->GetSafeHwnd(), WM_SYSKEYDOWN, 'F', 0x20000001);
        {
            const HeldKey alt(VK_MENU);
            EXPECT_TRUE(pFrame->PreTranslateMessage(&msg));
        }
        CWTKPopupMenu* pPopup = CWTKPopupMenu::GetActiveMenu();
        ASSERT_NE(nullptr, pPopup) << "Alt+F opens File";
        const HWND hWndFocus = ::GetFocus();
        msg = MakeMsg(hWndFocus, message, VK_MENU, 0xC0000001);
        EXPECT_TRUE(pFrame->PreTranslateMessage(&msg)) << message;
        EXPECT_EQ(hWndFocus, ::GetFocus()) << message;
        pPopup->SendMessage(WM_CLOSE);
        RunIdle();
    }
    // Without a menu and a mnemonic, a key-up of Alt is the system's.
    MSG msg = MakeMsg(pFrame->GetSafeHwnd(), WM_KEYUP, VK_MENU, 0xC0000001);
    EXPECT_FALSE(pFrame->PreTranslateMessage(&msg));
    CloseTestFrame(pFrame);
}

TEST_F(FrameTest, HelpKeyIsF1AloneWithoutRepeat)
{
    MSG msg = MakeMsg(nullptr, WM_KEYDOWN, VK_F1, 1);
    EXPECT_TRUE(CWTKFrameHelper::IsHelpKey(&msg));
    msg.lParam = 0x40000001;  // auto-repeat
    EXPECT_FALSE(CWTKFrameHelper::IsHelpKey(&msg));
    msg = MakeMsg(nullptr, WM_KEYUP, VK_F1, 1);
    EXPECT_FALSE(CWTKFrameHelper::IsHelpKey(&msg));
}

// ---- User-defined toolbars ----

std::string g_strMessageBox;
int RecordMessageBox(HWND, LPCSTR lpszText, LPCSTR, UINT)
{
    g_strMessageBox = lpszText ? lpszText : "";
    return IDOK;
}

TEST_F(FrameTest, UserDefinedToolbarsComeFromTheRangeAndGoOnRequest)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    CWTKFrameHelper* pHelper = pFrame->GetFrameHelper();
    pHelper->m_uiUserToolbarFirst = 0xE900;
    pHelper->m_uiUserToolbarLast = 0xE901;
    auto create = [pFrame](LPCSTR lpszName) {
        return reinterpret_cast<CWTKToolBar*>(
            pFrame->SendMessage(WTK_TOOLBAR_CREATE, 0, reinterpret_cast<LPARAM>(lpszName)));
    };
    CWTKToolBar* pFirst = create("Mine 1");
    CWTKToolBar* pSecond = create("Mine 2");
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    EXPECT_EQ(0xE900, pFirst->GetDlgCtrlID());
    EXPECT_EQ(0xE901, pSecond->GetDlgCtrlID());
    EXPECT_TRUE(pFirst->IsFloating());
    // The toolbars ask their frame.
    EXPECT_TRUE(pFirst->IsUserDefined());
    EXPECT_FALSE(pFrame->m_wndToolBar1.IsUserDefined());

    // The range is full: a message names its size and nothing is made.
    const FwMessageBoxFn pfnOld = FwSetMessageBoxFunction(&RecordMessageBox);
    EXPECT_EQ(nullptr, create("One too many"));
    FwSetMessageBoxFunction(pfnOld);
    EXPECT_EQ("You can't create more than 2 user-defined toolbars!", g_strMessageBox);

    EXPECT_FALSE(pFrame->SendMessage(WTK_TOOLBAR_DELETE, 0,
                                     reinterpret_cast<LPARAM>(static_cast<CWnd*>(&pFrame->m_wndToolBar1))));
    EXPECT_TRUE(::IsWindow(pFrame->m_wndToolBar1.GetSafeHwnd()));
    const HWND hFirst = pFirst->GetSafeHwnd();
    EXPECT_TRUE(pFrame->SendMessage(WTK_TOOLBAR_DELETE, 0, reinterpret_cast<LPARAM>(static_cast<CWnd*>(pFirst))));
    EXPECT_FALSE(::IsWindow(hFirst));
    EXPECT_EQ(1, pHelper->GetUserToolbars().GetCount());
    // Its id is free again.
    CWTKToolBar* pAgain = create("Mine 3");
    ASSERT_NE(nullptr, pAgain);
    EXPECT_EQ(0xE900, pAgain->GetDlgCtrlID());
    CloseTestFrame(pFrame);
}

// ---- Torn-off toolbars ----

CString TearOffKey(int nIndex)
{
    CString strKey;
    strKey.Format("%sControlBars-TearOff-%d", static_cast<LPCSTR>(theApp.GetRegSectionPath("")), nIndex);
    return strKey;
}

CWTKToolBar* MakeTearOff(CFrameWnd* pFrame, UINT nID, LPCSTR lpszName)
{
    auto* pBar = new CWTKToolBar;
    EXPECT_TRUE(pBar->Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER, nID));
    pBar->LoadToolBar(IDR_FRAME_TEST_TOOLBAR2);
    pBar->SetWindowText(lpszName);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(pBar);
    return pBar;
}

TEST_F(FrameTest, TearOffKeysHaveNoGapWhenABarIsSkipped)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    // A plain frame: closing it saves nothing.
    auto* pOther = new CFrameWnd;
    ASSERT_TRUE(pOther->Create(nullptr, "Other", WS_OVERLAPPEDWINDOW));
    pOther->EnableDocking(CBRS_ALIGN_ANY);
    CWTKFrameHelper* pHelper = pFrame->GetFrameHelper();
    // The first bar in the list belongs to the other frame: saving only this frame's skips it.
    CWTKToolBar* pForeign = MakeTearOff(pOther, 0xE860, "Foreign");
    CWTKToolBar* pMine = MakeTearOff(pFrame, 0xE861, "Mine");
    pHelper->AddTearOffToolbar(pForeign);
    pHelper->AddTearOffToolbar(pMine);
    pHelper->SaveTearOffBars(TRUE);
    pHelper->RemoveTearOffToolbar(pForeign);
    pForeign->DestroyWindow();
    delete pForeign;
    pOther->DestroyWindow();

    pHelper->LoadTearOffBars();  // deletes "Mine", loads it back from key 0
    ASSERT_EQ(1, pHelper->GetTearOffBars().GetCount());
    auto* pLoaded = static_cast<CWTKToolBar*>(pHelper->GetTearOffBars().GetHead());
    EXPECT_EQ(0xE861, pLoaded->GetDlgCtrlID());
    CString strName;
    pLoaded->GetWindowText(strName);
    EXPECT_STREQ("Mine", strName);
    EXPECT_EQ(3, pLoaded->GetCount());

    // Fewer bars than last time leave no stale keys.
    pHelper->RemoveTearOffToolbar(pLoaded);
    pLoaded->DestroyWindow();
    delete pLoaded;
    pHelper->SaveTearOffBars(FALSE);
    CWTKRegistryHolder holder;
    EXPECT_FALSE(holder.Create(FALSE, TRUE).Open(TearOffKey(0)));
    CloseTestFrame(pFrame);
}

TEST_F(FrameTest, NoMoreTearOffBarsLoadThanAUserWouldTearOff)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    CWTKToolBar barState;
    constexpr int kStored = 33;
    for (int nIndex = 0; nIndex < kStored; ++nIndex) {
        CWTKRegistryHolder holder;
        CWTKRegistry& reg = holder.Create(FALSE, FALSE);
        ASSERT_TRUE(reg.CreateKey(TearOffKey(nIndex)));
        reg.Write("ID", 0xE870 + nIndex);
        reg.Write("Name", "Torn");
        ASSERT_TRUE(reg.Write("State", static_cast<CObject*>(&barState)));
    }
    pFrame->GetFrameHelper()->LoadTearOffBars();
    EXPECT_EQ(kStored - 1, pFrame->GetFrameHelper()->GetTearOffBars().GetCount());
    CloseTestFrame(pFrame);
}

TEST_F(FrameTest, LoadedTearOffMustBeAToolbarWithAFreeId)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    CWTKFrameHelper* pHelper = pFrame->GetFrameHelper();
    auto writeKey = [](int nIndex, int nID, CObject* pState) {
        CWTKRegistryHolder holder;
        CWTKRegistry& reg = holder.Create(FALSE, FALSE);
        ASSERT_TRUE(reg.CreateKey(TearOffKey(nIndex)));
        reg.Write("ID", nID);
        reg.Write("Name", "Torn");
        ASSERT_TRUE(reg.Write("State", pState));
    };
    CWTKToolBar barState;
    CWTKToolbarButton button(ID_FT_CUT, 0, "Cut");
    const struct {
        const char* name;
        int nFirstID;
        CObject* pFirstState;
    } cases[] = {
        {"a button, not a toolbar", 0xE870, &button},
        {"an id a bar of the frame has", IDW_FT_TOOLBAR1, &barState},
    };
    for (const auto& c : cases) {
        DeleteFrameSandbox();
        theApp.SetRegistryKey(kFrameSandboxCompany);
        writeKey(0, c.nFirstID, c.pFirstState);
        writeKey(1, 0xE871, &barState);  // sound, but loading stops before it
        const int nBarsBefore = static_cast<int>(pFrame->m_listControlBars.GetCount());
        pHelper->LoadTearOffBars();
        EXPECT_EQ(0, pHelper->GetTearOffBars().GetCount()) << c.name;
        EXPECT_EQ(nBarsBefore, static_cast<int>(pFrame->m_listControlBars.GetCount())) << c.name;
        EXPECT_EQ(&pFrame->m_wndToolBar1, pFrame->GetControlBar(IDW_FT_TOOLBAR1)) << c.name;
    }
    CloseTestFrame(pFrame);
}

}  // namespace
