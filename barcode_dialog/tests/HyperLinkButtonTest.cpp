// The link button: colours by state on pixels, capture while the mouse is over it, the hand
// cursor, and how it opens an address through the shell launcher.
#include "Canvas.h"
#include "HostWindow.h"
#include "HyperLinkButton.h"
#include "RecordingLauncher.h"
#include "Resource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the state of every owner-draw call it receives.
class RecordingLink : public CHyperLinkButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT item) override
    {
        states.push_back(item->itemState);
        CHyperLinkButton::DrawItem(item);
    }
    std::vector<UINT> states;
};

class HyperLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HWND button = host.AddChild("BUTTON", "tolvek.example", BS_OWNERDRAW, 1079, 160, 20);
        ::SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), 0);
        link.SubclassWindow(button);
    }
    void TearDown() override
    {
        ::ReleaseCapture();
        link.DestroyWindow();
    }

    void MoveTo(int x, int y) { link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

    HostWindow host;
    RecordingLink link;
};

TEST_F(HyperLinkTest, ColoursByStateOnPixels)
{
    struct Row {
        UINT state;
        COLORREF expected;
        const char* name;
    } rows[] = {
        {ODS_SELECTED, 0xFF0000, "selected"}, {ODS_SELECTED | ODS_FOCUS, 0xFF0000, "selected with focus"},
        {ODS_DISABLED, 0x999999, "disabled"}, {0, 0x990000, "normal"},
        {ODS_FOCUS, 0x990000, "focused"},
    };
    for (const Row& row : rows) {
        Canvas canvas(160, 20, RGB(255, 255, 255));
        DRAWITEMSTRUCT item {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = 1079;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = row.state;
        item.hwndItem = link.m_hWnd;
        item.hDC = canvas.Handle();
        item.rcItem = RECT {0, 0, 160, 20};
        link.DrawItem(&item);
        EXPECT_GT(canvas.Count(row.expected), 20) << row.name;
        // Transparent background, no frame and no focus rectangle: the corners stay white.
        EXPECT_EQ(canvas.Pixel(0, 0), RGB(255, 255, 255)) << row.name;
        EXPECT_EQ(canvas.Pixel(159, 19), RGB(255, 255, 255)) << row.name;
        const RECT drawn = canvas.BoundsOfOther(RGB(255, 255, 255));
        EXPECT_LT(drawn.left, 4) << row.name << ": left-aligned";
    }
}

TEST_F(HyperLinkTest, UnderlinedCopyOfTheButtonFont)
{
    Canvas canvas(160, 20, RGB(255, 255, 255));
    DRAWITEMSTRUCT item {};
    item.CtlType = ODT_BUTTON;
    item.hwndItem = link.m_hWnd;
    item.hDC = canvas.Handle();
    item.rcItem = RECT {0, 0, 160, 20};
    link.DrawItem(&item);
    // An underline is a run of text-coloured pixels at least as wide as several letters.
    int longestRun = 0;
    for (int y = 0; y < 20; ++y) {
        int run = 0;
        for (int x = 0; x < 160; ++x) {
            run = canvas.Pixel(x, y) == 0x990000 ? run + 1 : 0;
            longestRun = run > longestRun ? run : longestRun;
        }
    }
    EXPECT_GT(longestRun, 40);
}

TEST_F(HyperLinkTest, MouseOverTakesCaptureAndDrawsSelectedMovingOffReleasesIt)
{
    MoveTo(5, 5);
    EXPECT_EQ(::GetCapture(), link.m_hWnd);
    ASSERT_FALSE(link.states.empty());
    EXPECT_EQ(link.states.back(), static_cast<UINT>(ODS_SELECTED));

    MoveTo(500, 5);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(link.states.back(), 0u);
}

TEST_F(HyperLinkTest, SetCursorShowsTheHandCursorAndIsHandled)
{
    const LRESULT handled =
        link.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(link.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(handled, TRUE);
    EXPECT_NE(::GetCursor(), nullptr);
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDCUR_HAND)));
}

TEST(HyperLinkOpenURL, BrowserProgramFirstThenTheAddressItself)
{
    struct Row {
        INT_PTR browserResult;
        size_t expectedCalls;
        const char* name;
    } rows[] = {
        {42, 1, "browser starts"},
        {33, 1, "just above the failure limit"},
        {32, 2, "result 32 is a failure"},
        {2, 2, "file not found"},
    };
    for (const Row& row : rows) {
        RecordingLauncher launcher({row.browserResult, 42});
        CHyperLinkButton::OpenURL("http://www.tolvek.example/");
        ASSERT_EQ(launcher.calls.size(), row.expectedCalls) << row.name;
        EXPECT_EQ(launcher.calls[0].file, "iexplore.exe") << row.name;
        EXPECT_EQ(launcher.calls[0].parameters, "http://www.tolvek.example/") << row.name;
        EXPECT_EQ(launcher.calls[0].show, SW_SHOWMAXIMIZED) << row.name;
        if (row.expectedCalls == 2) {
            EXPECT_EQ(launcher.calls[1].file, "http://www.tolvek.example/") << row.name;
            EXPECT_EQ(launcher.calls[1].parameters, "") << row.name;
            EXPECT_EQ(launcher.calls[1].show, SW_SHOWNORMAL) << row.name;
        }
    }
}

}  // namespace
