// The viewer's choice of look: the stored look comes back when the frame is made, each View
// menu item installs its look and is the one checked, stored values outside the four are kept
// without a look of their own, and the Windows XP look on a system without visual styles warns
// each time and draws like Office XP. The bars, buttons and menus tell the looks what they are;
// the toolbar's glyphs, normal and disabled, show each look's bar round them; a picture of the
// viewer in each look, menu open.
#include "Canvas.h"
#include "HelpApp.h"
#include "Resource.h"
#include "ViewerFrameFixture.h"
#include "command_bars/WTKMenuBar.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "foundation/WTKUxThemeHelper.h"
#include "foundation/WTKVisualManager2003.h"
#include "foundation/WTKVisualManagerXP.h"
#include "foundation/WTKWinXPVisualManager.h"
#include "win/CmdUI.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The tests' own company key, so that no run of the viewer itself is disturbed.
constexpr char kTestRegistryKey[] = "Tolvek Look Tests";
constexpr UINT kLookIds[] = {ID_LOOK_2000, ID_LOOK_XP, ID_LOOK_WINXP, ID_LOOK_2003};

CHelpApp& App()
{
    return static_cast<CHelpApp&>(theApp);
}

CRuntimeClass* CurrentLook()
{
    return CWTKVisualManager::GetInstance()->GetRuntimeClass();
}

// A clean settings key; stored < 0 leaves "AppLook" out.
class LookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App().SetRegistryKey(kTestRegistryKey);
        App().SetRegistryBase(CHelpApp::kSettingsSection);
        const std::string key = std::string("Software\\").append(kTestRegistryKey);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
        CWTKVisualManager::SetDefaultManager(RUNTIME_CLASS(CWTKVisualManagerXP));
        CWTKVisualManager::GetInstance();
    }
    void TearDown() override { CWTKVisualManager::SetDefaultManager(nullptr); }

    static void Store(int nLook) { ASSERT_TRUE(App().WriteInt(CHelpApp::kAppLookEntry, nLook)); }

    // The ids the View menu shows checked; every item must stay enabled.
    static std::vector<UINT> CheckedLooks(const ViewerFrameFixture& viewer)
    {
        std::vector<UINT> checked;
        for (UINT nId : kLookIds) {
            CCmdUIStateRecorder ui;
            ui.m_nID = nId;
            ui.m_nCheck = -1;
            ui.DoUpdate(viewer.Frame(), FALSE);
            EXPECT_TRUE(ui.m_bEnabled) << nId;
            if (ui.m_nCheck == 1)
                checked.push_back(nId);
        }
        return checked;
    }
};

// A theme library that is never there.
HMODULE NoThemeLibrary()
{
    return nullptr;
}

class NoVisualStyles {
public:
    NoVisualStyles() : m_previous(WTKSetUxThemeSource({&NoThemeLibrary, nullptr, nullptr})) {}
    ~NoVisualStyles() { WTKSetUxThemeSource(m_previous); }
    NoVisualStyles(const NoVisualStyles&) = delete;
    NoVisualStyles& operator=(const NoVisualStyles&) = delete;

private:
    WTKUxThemeSource m_previous;
};

TEST_F(LookTest, FirstStartShowsOffice2003Checked)
{
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    EXPECT_EQ(App().GetLookId(), ID_LOOK_2003);
    EXPECT_EQ(CurrentLook(), RUNTIME_CLASS(CWTKVisualManager2003));
    EXPECT_EQ(CheckedLooks(viewer), std::vector<UINT>({ID_LOOK_2003}));
}

TEST_F(LookTest, EachMenuItemInstallsItsLookAndIsTheOneChecked)
{
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    const struct {
        UINT nId;
        CRuntimeClass* pLook;
    } cases[] = {
        {ID_LOOK_2000, RUNTIME_CLASS(CWTKVisualManager)},
        {ID_LOOK_XP, RUNTIME_CLASS(CWTKVisualManagerXP)},
        {ID_LOOK_WINXP, RUNTIME_CLASS(CWTKWinXPVisualManager)},
        {ID_LOOK_2003, RUNTIME_CLASS(CWTKVisualManager2003)},
        // The current look chosen again: a fresh one of the same kind.
        {ID_LOOK_2003, RUNTIME_CLASS(CWTKVisualManager2003)},
    };
    MessageBoxRecorder boxes;
    for (const auto& c : cases) {
        CWTKVisualManager::SetLook2000(FALSE);
        viewer.Command(c.nId);
        EXPECT_EQ(CurrentLook(), c.pLook) << c.nId;
        EXPECT_TRUE(CWTKVisualManager::GetInstance()->IsLook2000()) << c.nId;
        EXPECT_EQ(CheckedLooks(viewer), std::vector<UINT>({c.nId}));
    }
}

TEST_F(LookTest, StoredValuesOutsideTheFourInstallNothingAndCheckNothing)
{
    // 0 (an early exit once wrote it) skips the flag and the redraw too; other values do not.
    const struct {
        int nStored;
        BOOL bLook2000;
    } cases[] = {{0, FALSE}, {12345, TRUE}, {ID_LOOK_2000 - 1, TRUE}, {ID_LOOK_2003 + 1, TRUE}, {-1, TRUE}};
    for (const auto& c : cases) {
        Store(c.nStored);
        ViewerFrameFixture viewer("HvDocA.dll");
        ASSERT_NE(viewer.Frame(), nullptr);
        EXPECT_EQ(App().GetLookId(), c.nStored);
        EXPECT_EQ(CurrentLook(), RUNTIME_CLASS(CWTKVisualManagerXP)) << c.nStored;
        EXPECT_TRUE(CheckedLooks(viewer).empty()) << c.nStored;

        CWTKVisualManager::SetLook2000(FALSE);
        App().OnAppLook(static_cast<UINT>(c.nStored));
        EXPECT_EQ(CWTKVisualManager::GetInstance()->IsLook2000(), c.bLook2000) << c.nStored;
        EXPECT_EQ(CurrentLook(), RUNTIME_CLASS(CWTKVisualManagerXP)) << c.nStored;
    }
}

TEST_F(LookTest, WindowsXPWithoutVisualStylesWarnsAtStartAndAtEachChoice)
{
    NoVisualStyles noStyles;
    MessageBoxRecorder boxes;
    Store(ID_LOOK_WINXP);
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, CHelpApp::kNoThemeMessage);
    EXPECT_EQ(boxes.boxes[0].type & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    EXPECT_EQ(CurrentLook(), RUNTIME_CLASS(CWTKWinXPVisualManager));
    EXPECT_FALSE(CWTKWinXPVisualManager::IsWinXPThemeAvailable());
    EXPECT_EQ(CheckedLooks(viewer), std::vector<UINT>({ID_LOOK_WINXP}));

    viewer.Command(ID_LOOK_WINXP);
    EXPECT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(CurrentLook(), RUNTIME_CLASS(CWTKWinXPVisualManager));
    // The other looks never warn.
    viewer.Command(ID_LOOK_XP);
    viewer.Command(ID_LOOK_2003);
    EXPECT_EQ(boxes.boxes.size(), 2u);
}

// Copies a shown window's pixels onto the canvas at its place relative to the origin.
void CopyWindowAt(Canvas& canvas, HWND window, POINT origin)
{
    RECT rect {};
    ::GetWindowRect(window, &rect);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HDC source = ::GetWindowDC(window);
    ::BitBlt(canvas.Handle(), rect.left - origin.x, rect.top - origin.y, rect.right - rect.left, rect.bottom - rect.top,
             source, 0, 0, SRCCOPY);
    ::ReleaseDC(window, source);
}

CWTKToolbarMenuButton* MenuBarButton(CWTKMenuBar& bar, const char* text)
{
    for (int i = 0; i < bar.GetCount(); ++i) {
        if (std::string(bar.GetButtonText(i)) == text)
            return dynamic_cast<CWTKToolbarMenuButton*>(bar.GetButton(i));
    }
    return nullptr;
}

TEST_F(LookTest, BarsButtonsAndMenusTellTheLooksWhatTheyAre)
{
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    CWTKToolBar& toolBar = viewer.Frame()->GetToolBar();
    CWTKMenuBar& menuBar = viewer.Frame()->GetMenuBar();
    EXPECT_EQ(toolBar.GetLookKind(), CWTKBarLookInfo::kindToolBar);
    EXPECT_EQ(menuBar.GetLookKind(), CWTKBarLookInfo::kindMenuBar);
    EXPECT_EQ(viewer.ContentBar().GetLookKind(), CWTKBarLookInfo::kindSizingBar);
    EXPECT_FALSE(viewer.ContentBar().GetTitle().IsEmpty());

    // Docked: the dock bar behind holds the toolbar, and a row is at least a button high.
    EXPECT_FALSE(toolBar.IsFloating());
    CRect rectJoin;
    EXPECT_TRUE(rectJoin.IntersectRect(toolBar.GetDockRectScreen(), toolBar.GetWindowRectScreen()));
    EXPECT_EQ(rectJoin, toolBar.GetWindowRectScreen());
    EXPECT_GE(toolBar.GetRowExtent(), toolBar.GetButtonSize().cy);

    // The View menu dropped from the menu bar meets its button along its top edge.
    CWTKToolbarMenuButton* pView = MenuBarButton(menuBar, "&View");
    ASSERT_NE(pView, nullptr);
    EXPECT_FALSE(pView->IsMenuOpenOnBar());
    ASSERT_TRUE(pView->OpenPopupMenu(&menuBar));
    PumpPending();
    CWTKPopupMenu* pPopup = pView->GetPopupMenu();
    ASSERT_NE(pPopup, nullptr);
    EXPECT_TRUE(pView->IsMenuOpenOnBar());
    EXPECT_EQ(pPopup->GetMenuBar()->GetLookKind(), CWTKBarLookInfo::kindPopupMenuBar);
    EXPECT_EQ(pPopup->GetParentButtonSide(), CWTKMenuLookInfo::sideTop);
    EXPECT_FALSE(pPopup->IsFromCustomizeButton());
    CRect rectButton = pView->GetRect();
    menuBar.ClientToScreen(&rectButton);
    CRect rectMenu;
    pPopup->GetWindowRect(&rectMenu);
    rectButton.OffsetRect(-rectMenu.left, -rectMenu.top);
    EXPECT_EQ(pPopup->GetParentButtonRect(), rectButton);
    EXPECT_LE(rectButton.bottom, 1);
    pPopup->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_FALSE(pView->IsMenuOpenOnBar());
}

// Paints of one window, counted by a subclass over its own procedure.
WNDPROC g_pfnCountedBarProc = nullptr;
int g_nCountedBarPaints = 0;

LRESULT CALLBACK CountingBarProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT)
        ++g_nCountedBarPaints;
    return ::CallWindowProcA(g_pfnCountedBarProc, hWnd, message, wParam, lParam);
}

TEST_F(LookTest, ANewLookRedrawsTheFloatingContentBar)
{
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    CWorkspaceBar& bar = viewer.ContentBar();
    CRect rectFrame;
    viewer.Frame()->GetWindowRect(rectFrame);
    viewer.Frame()->FloatControlBar(&bar, rectFrame.TopLeft() + CPoint(300, 200), CBRS_ALIGN_TOP);
    PumpPending();
    ASSERT_TRUE(bar.IsFloating());
    ASSERT_TRUE(bar.IsWindowVisible());

    const HWND hBar = bar.GetSafeHwnd();
    g_pfnCountedBarProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hBar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingBarProc)));
    for (UINT nId : {ID_LOOK_XP, ID_LOOK_2000, ID_LOOK_2003}) {
        PumpPending();
        g_nCountedBarPaints = 0;
        viewer.Command(nId);
        EXPECT_GT(g_nCountedBarPaints, 0) << "look " << nId << ": the floating bar kept the old look";
    }
    ::SetWindowLongPtrA(hBar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_pfnCountedBarProc));
}

// The longest run of pixels on one row of the area that differ from the row's first pixel, the
// bar's own colour beside the button. An opaque glyph background shows as a run of a whole image
// width or more; the glyphs measured here are narrower than that.
int LongestOffBackgroundRun(const Canvas& shot, const CRect& area)
{
    int longest = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        const COLORREF background = shot.Pixel(area.left, y);
        int run = 0;
        for (int x = area.left; x < area.right; ++x) {
            run = shot.Pixel(x, y) == background ? 0 : run + 1;
            longest = run > longest ? run : longest;
        }
    }
    return longest;
}

TEST_F(LookTest, ToolbarGlyphsShowTheBarBehindThemInEveryLook)
{
    ViewerFrameFixture viewer("PendrelEn.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    viewer.Frame()->SetWindowPos(nullptr, 20, 20, 900, 600, SWP_NOZORDER | SWP_SHOWWINDOW);
    MessageBoxRecorder boxes;
    CWTKToolBar& bar = viewer.Frame()->GetToolBar();
    const int nImageWidth = CWTKToolBar::GetImages()->GetImageSize().cx;
    for (UINT nLook : kLookIds) {
        viewer.Command(nLook);
        for (BOOL bDisabled : {FALSE, TRUE}) {
            for (UINT nId : {ID_PAGE_BACK, ID_PAGE_FORWARD, ID_PAGE_REFRESH, ID_FILE_PRINT}) {
                const int nIndex = bar.CommandToIndex(nId);
                const CWTKToolbarButton* pButton = bar.GetButton(nIndex);
                ASSERT_NE(pButton, nullptr) << nId;
                bar.SetButtonStyle(nIndex,
                                   bDisabled ? (bar.GetButtonStyle(nIndex) | TBBS_DISABLED)
                                             : (bar.GetButtonStyle(nIndex) & ~TBBS_DISABLED));
            }
            bar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            CRect client;
            bar.GetClientRect(&client);
            Canvas shot(client.Width(), client.Height(), kBlack);
            ASSERT_TRUE(shot.CopyFromWindow(bar.GetSafeHwnd(), false));
            std::string file("viewer_toolbar_");
            file.append(std::to_string(nLook)).append(bDisabled ? "_disabled.png" : ".png");
            EXPECT_TRUE(shot.WritePng(ScreenshotPath(file.c_str())));
            for (UINT nId : {ID_PAGE_BACK, ID_PAGE_FORWARD, ID_PAGE_REFRESH, ID_FILE_PRINT}) {
                CRect area = bar.GetButton(bar.CommandToIndex(nId))->GetRect();
                area.DeflateRect(1, 1);
                EXPECT_LT(LongestOffBackgroundRun(shot, area), nImageWidth)
                    << "look " << nLook << ", button " << nId << (bDisabled ? " disabled" : "")
                    << ": the glyph's background hides the bar";
            }
        }
    }
}

TEST_F(LookTest, ScreenshotsOfEachLookWithTheViewMenuOpen)
{
    const struct {
        UINT nId;
        const char* file;
    } looks[] = {{ID_LOOK_2000, "viewer_look_2000.png"},
                 {ID_LOOK_XP, "viewer_look_xp.png"},
                 {ID_LOOK_WINXP, "viewer_look_winxp.png"},
                 {ID_LOOK_2003, "viewer_look_2003.png"}};
    ViewerFrameFixture viewer("PendrelEn.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    viewer.Frame()->SetWindowPos(nullptr, 20, 20, 760, 520, SWP_NOZORDER);
    MessageBoxRecorder boxes;
    std::vector<std::vector<COLORREF>> shots;
    for (const auto& look : looks) {
        viewer.Command(look.nId);
        CWTKToolbarMenuButton* pView = MenuBarButton(viewer.Frame()->GetMenuBar(), "&View");
        ASSERT_NE(pView, nullptr);
        ASSERT_TRUE(pView->OpenPopupMenu(&viewer.Frame()->GetMenuBar()));
        PumpPending();
        CWTKPopupMenu* pPopup = pView->GetPopupMenu();
        ASSERT_NE(pPopup, nullptr);

        RECT frame {};
        ::GetWindowRect(viewer.Frame()->GetSafeHwnd(), &frame);
        Canvas shot(frame.right - frame.left, frame.bottom - frame.top, kBlack);
        CopyWindowAt(shot, viewer.Frame()->GetSafeHwnd(), {frame.left, frame.top});
        CopyWindowAt(shot, pPopup->GetSafeHwnd(), {frame.left, frame.top});
        EXPECT_TRUE(shot.WritePng(ScreenshotPath(look.file)));
        // A strip across the menu bar and the toolbar tells the looks apart.
        std::vector<COLORREF> strip;
        for (int y = 0; y < 90 && y < shot.Height(); ++y)
            for (int x = 0; x < shot.Width(); x += 3)
                strip.push_back(shot.Pixel(x, y));
        shots.push_back(strip);
        pPopup->SendMessage(WM_CLOSE);
        PumpPending();
    }
    for (size_t i = 0; i < shots.size(); ++i)
        for (size_t j = i + 1; j < shots.size(); ++j)
            EXPECT_NE(shots[i], shots[j]) << looks[i].file << " and " << looks[j].file << " look the same";
}

}  // namespace
