#include "foundation/WTKBarInfo.h"
#include "foundation/WTKBarPaintHelper.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"

#include "Canvas.h"
#include "Files.h"
#include "win/Wnd.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

constexpr COLORREF kBarShadow = RGB(200, 0, 0);
constexpr COLORREF kBarHilite = RGB(0, 200, 0);
constexpr COLORREF kBarFace = RGB(0, 0, 200);
constexpr COLORREF kParentBack = RGB(240, 200, 40);
constexpr int kGripperInset = 8;
constexpr int kBarWidth = 120;
constexpr int kBarHeight = 28;

constexpr DWORD kBorders = kBarStyleBorderLeft | kBarStyleBorderTop | kBarStyleBorderRight | kBarStyleBorderBottom;

// A bar with borders on every side and, when asked, a gripper; it paints its frame through the helper.
class FakeBar : public CWnd, public CWTKBarInfo, public CWTKBarNcInfo {
public:
    explicit FakeBar(DWORD dwStyle) : m_dwStyle(dwStyle) {}

    DWORD GetBarStyle() const override { return m_dwStyle; }
    BOOL IsDockable() const override { return TRUE; }
    BOOL IsFloating() const override { return m_bFloating; }
    void CalcInsideRect(CRect& rect, BOOL bHorz) const override
    {
        rect.left += (m_dwStyle & kBarStyleBorderLeft) ? 1 : 0;
        rect.top += (m_dwStyle & kBarStyleBorderTop) ? 1 : 0;
        rect.right -= (m_dwStyle & kBarStyleBorderRight) ? 1 : 0;
        rect.bottom -= (m_dwStyle & kBarStyleBorderBottom) ? 1 : 0;
        if ((m_dwStyle & CWTKBarPaintHelper::kStyleGripper) && !m_bFloating) {
            if (bHorz)
                rect.left += kGripperInset;
            else
                rect.top += kGripperInset;
        }
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_NCCALCSIZE:
            m_helper.CalcNcSize(reinterpret_cast<LPRECT>(lParam));
            return 0;
        case WM_NCPAINT:
            m_helper.DoNcPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the tests look at the frame only
        default:
            return CWnd::WindowProc(message, wParam, lParam);
        }
    }

    CWTKBarPaintHelper m_helper {this, this, this};
    DWORD m_dwStyle;
    BOOL m_bFloating = FALSE;
};

class BarPaintHelperTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The look first: making it refreshes the colours.
        CWTKVisualManager::GetInstance();
        m_background.CreateSolidBrush(kParentBack);
        WNDCLASSA wc {};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hbrBackground = m_background;
        wc.lpszClassName = "WTKBarHelperParent";
        ::UnregisterClassA(wc.lpszClassName, wc.hInstance);
        ASSERT_TRUE(::RegisterClassA(&wc));
        m_parent = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 40, 40, 300, 200, nullptr, nullptr,
                                     wc.hInstance, nullptr);
        ASSERT_NE(m_parent, nullptr);

        WTKGlobalData& data = WTKGetGlobalData();
        data.clrBarShadow = kBarShadow;
        data.clrBarHilite = kBarHilite;
        data.brBarFace.DeleteObject();
        data.brBarFace.CreateSolidBrush(kBarFace);
    }
    void TearDown() override
    {
        m_bars.clear();
        if (m_parent)
            ::DestroyWindow(m_parent);
        WTKGetGlobalData().UpdateSysColors();
    }

    FakeBar& MakeBar(DWORD dwStyle, DWORD dwExStyle = 0, int y = 10)
    {
        m_bars.push_back(std::make_unique<FakeBar>(dwStyle));
        FakeBar& bar = *m_bars.back();
        EXPECT_TRUE(bar.CreateEx(dwExStyle, CWnd::RegisterWndClass(0), "", WS_CHILD | WS_VISIBLE,
                                 CRect(10, y, 10 + kBarWidth, y + kBarHeight), CWnd::FromHandle(m_parent), 1));
        return bar;
    }

    static void Capture(FakeBar& bar, Canvas& canvas)
    {
        ::RedrawWindow(bar, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        ASSERT_TRUE(canvas.CopyFromWindow(bar, true));
    }

    // The client area's left edge in window coordinates, on the screen.
    static int ClientLeft(HWND hWnd)
    {
        RECT window {};
        ::GetWindowRect(hWnd, &window);
        RECT client {};
        ::GetClientRect(hWnd, &client);
        ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<LPPOINT>(&client), 2);
        return std::min(client.left, client.right) - window.left;
    }

    CBrush m_background;
    HWND m_parent = nullptr;
    std::vector<std::unique_ptr<FakeBar>> m_bars;
};

TEST_F(BarPaintHelperTest, FrameHasTheInsetsOfTheBarAndTheGripperOnTheLeadingSide)
{
    const DWORD horizontal = kBorders | CWTKBarPaintHelper::kStyleGripper | CWTKBarPaintHelper::kStyleAlignTop;
    const struct {
        const char* name;
        DWORD dwStyle;
        DWORD dwExStyle;
        int clientLeft;
        int clientTop;
    } rows[] = {
        {"horizontal", horizontal, 0, 1 + kGripperInset, 1},
        {"vertical", kBorders | CWTKBarPaintHelper::kStyleGripper, 0, 1, 1 + kGripperInset},
        {"no gripper", kBorders | CWTKBarPaintHelper::kStyleAlignTop, 0, 1, 1},
        // Laid out right to left, the gripper is on the right: the insets move 7 pixels left.
        {"right to left", horizontal, WS_EX_LAYOUTRTL, 1 + kGripperInset - 7, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakeBar& bar = MakeBar(row.dwStyle, row.dwExStyle);
        ::SetWindowPos(bar, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        CRect client;
        bar.GetClientRect(&client);
        const bool gripper = (row.dwStyle & CWTKBarPaintHelper::kStyleGripper) != 0;
        const bool horz = (row.dwStyle & CWTKBarPaintHelper::kStyleAlignTop) != 0;
        EXPECT_EQ(client.Width(), kBarWidth - 2 - (gripper && horz ? kGripperInset : 0));
        EXPECT_EQ(client.Height(), kBarHeight - 2 - (gripper && !horz ? kGripperInset : 0));
        EXPECT_EQ(ClientLeft(bar), row.clientLeft);
        bar.DestroyWindow();
    }
}

TEST_F(BarPaintHelperTest, PaintsBorderBackgroundAndGripperThroughTheLook)
{
    FakeBar& bar = MakeBar(kBorders | CWTKBarPaintHelper::kStyleGripper | CWTKBarPaintHelper::kStyleAlignTop);
    ::SetWindowPos(bar, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    Canvas canvas(kBarWidth, kBarHeight, RGB(1, 2, 3));
    Capture(bar, canvas);

    const std::string dir = ScreenshotFolder();
    canvas.WritePng(dir + "\\toolkit_bar_frame.png");

    // Flat borders: the left and top in the shadow colour too.
    EXPECT_EQ(canvas.Pixel(0, 10), kBarShadow);
    EXPECT_EQ(canvas.Pixel(60, 0), kBarShadow);
    EXPECT_EQ(canvas.Pixel(kBarWidth - 1, 10), kBarShadow);
    EXPECT_EQ(canvas.Pixel(60, kBarHeight - 1), kBarShadow);
    // The gripper's area: background and both strip colours; nothing over the client area.
    const RECT gripper {1, 1, 1 + kGripperInset, kBarHeight - 1};
    EXPECT_GT(canvas.Count(kBarFace, gripper), 0);
    EXPECT_GT(canvas.Count(kBarHilite, gripper), 0);
    EXPECT_GT(canvas.Count(kBarShadow, gripper), 0);
    const RECT client {1 + kGripperInset, 1, kBarWidth - 1, kBarHeight - 1};
    EXPECT_EQ(canvas.Count(kBarFace, client) + canvas.Count(kBarHilite, client), 0);

    // Floating: no gripper.
    bar.m_bFloating = TRUE;
    Capture(bar, canvas);
    EXPECT_EQ(canvas.Count(kBarHilite, gripper), 0);
}

TEST_F(BarPaintHelperTest, PaintsOnlyTheUpdateRegionOfTheMessage)
{
    FakeBar& bar = MakeBar(kBorders | CWTKBarPaintHelper::kStyleGripper | CWTKBarPaintHelper::kStyleAlignTop);
    ::SetWindowPos(bar, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    Canvas canvas(kBarWidth, kBarHeight, RGB(1, 2, 3));
    Capture(bar, canvas);
    ASSERT_EQ(canvas.Pixel(kBarWidth - 1, 10), kBarShadow);

    // New colours, and a region (screen coordinates) over the left 4 columns only.
    constexpr COLORREF kNewShadow = RGB(90, 90, 0);
    WTKGetGlobalData().clrBarShadow = kNewShadow;
    RECT window {};
    ::GetWindowRect(bar, &window);
    HRGN region = ::CreateRectRgn(window.left, window.top, window.left + 4, window.bottom);
    bar.SendMessage(WM_NCPAINT, reinterpret_cast<WPARAM>(region));
    ::DeleteObject(region);
    ASSERT_TRUE(canvas.CopyFromWindow(bar, true));
    EXPECT_EQ(canvas.Pixel(0, 10), kNewShadow);
    EXPECT_EQ(canvas.Pixel(kBarWidth - 1, 10), kBarShadow);
    EXPECT_EQ(canvas.Pixel(60, 0), kBarShadow);
}

TEST_F(BarPaintHelperTest, ErasesWithTheParentsBackground)
{
    FakeBar& bar = MakeBar(kBorders);
    Canvas canvas(20, 20, RGB(1, 2, 3));
    EXPECT_TRUE(bar.m_helper.EraseBackground(canvas.DC()));
    EXPECT_EQ(canvas.Count(kParentBack), 400);
}

}  // namespace
