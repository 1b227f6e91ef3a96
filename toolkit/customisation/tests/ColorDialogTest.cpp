// The "Colors" dialog and its pickers: component snapping, the honeycomb of 127 cells and its
// rings, the row of greys, clicks, keys and modified drags, the custom page's edits both ways
// without feeding back, the platform chooser on low-colour screens, and screenshots of both
// pages.
#include "ColorTestSupport.h"

#include "customisation/ColorPickerCtrl.h"
#include "customisation/ColorsDialog.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "foundation/WTKColorFunctions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace {

constexpr UINT kPickerId = 300;

class PickerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_host.CreateHost(320, 300)); }
    void TearDown() override
    {
        m_picker.DestroyWindow();
        m_host.DestroyWindow();
        PumpPending();
    }
    void Make(CColorPickerCtrl::COLORTYPE type, const CRect& rect)
    {
        m_picker.SetType(type);
        ASSERT_TRUE(m_picker.Create("", WS_CHILD | WS_VISIBLE, rect, &m_host, kPickerId));
        m_picker.BuildCells();
    }
    size_t Clicks() const
    {
        size_t n = 0;
        for (const ColourEvent& e : m_host.EventsOf(WM_COMMAND))
            n += (e.wParam == MAKEWPARAM(kPickerId, BN_CLICKED)) ? 1 : 0;
        return n;
    }
    static double Lightness(COLORREF color)
    {
        double h = 0, s = 0, l = 0;
        RGBToHLS(color, &h, &s, &l);
        return l;
    }

    CColorTestHost m_host;
    CColorPickerCtrl m_picker;
};

TEST(ColorSnap, ComponentsSnapToTheirNeighbours)
{
    struct Case {
        int c;
        int nTolerance;
        int expected;
    } cases[] = {
        {186, 7, 192}, {185, 7, 185}, {130, 7, 128}, {250, 7, 255}, {5, 7, 0},      {121, 7, 121},
        {135, 7, 135}, {7, 7, 7},     {3, 0, 3},     {250, 0, 250}, {113, 16, 128}, {112, 16, 112},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CColorPickerCtrl::SnapColorComponent(c.c, c.nTolerance))
            << c.c << " with tolerance " << c.nTolerance;
}

TEST_F(PickerTest, HoneycombHas127CellsInRingsOfFallingLightness)
{
    Make(CColorPickerCtrl::HEX, CRect(10, 10, 270, 250));
    const auto& cells = m_picker.GetCells();
    ASSERT_EQ(static_cast<size_t>(CColorPickerCtrl::kHoneycombCells), cells.size());
    EXPECT_EQ(RGB(255, 255, 255), cells[0].m_Color);
    EXPECT_EQ(CPoint(130, 120), cells[0].m_ptCenter) << "the centre of the square";
    // Ring r holds 6r cells after the centre; its lightness is (7 - r) / 7 + 0.1 before the
    // components are snapped: 0.957 inside, 0.243 outside.
    const double expected[] = {0.957, 0.814, 0.671, 0.529, 0.386, 0.243};
    size_t iFirst = 1;
    for (int r = 1; r <= 6; r++) {
        double dSum = 0;
        for (size_t i = iFirst; i < iFirst + 6 * r; i++)
            dSum += Lightness(cells[i].m_Color);
        EXPECT_NEAR(expected[r - 1], dSum / (6 * r), 0.04) << "ring " << r;
        // Every cell of the ring lies r widths from the centre (within the truncation).
        const CColorHexagon& cell = cells[iFirst];
        const double dDistance = std::hypot(cell.m_ptCenter.x - 130.0, cell.m_ptCenter.y - 120.0);
        EXPECT_NEAR(r * cell.m_nWidth, dDistance, 2.0) << "ring " << r;
        iFirst += 6 * r;
    }
}

TEST_F(PickerTest, HoneycombClicksChooseACellAndGapsNothing)
{
    Make(CColorPickerCtrl::HEX, CRect(10, 10, 270, 250));
    const CColorHexagon cell = m_picker.GetCells()[20];
    ClickAt(&m_picker, cell.m_ptCenter);
    EXPECT_EQ(1u, Clicks());
    EXPECT_EQ(cell.m_Color, m_picker.GetColor());

    // The corner of the control lies on no cell: nothing changes, nobody hears of it.
    ClickAt(&m_picker, CPoint(1, 1));
    EXPECT_EQ(1u, Clicks());
    EXPECT_EQ(cell.m_Color, m_picker.GetColor());

    // A double click tells the parent.
    m_picker.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(cell.m_ptCenter.x, cell.m_ptCenter.y));
    ASSERT_FALSE(m_host.EventsOf(WM_COMMAND).empty());
    EXPECT_EQ(MAKEWPARAM(kPickerId, BN_DOUBLECLICKED), m_host.EventsOf(WM_COMMAND).back().wParam);
}

TEST_F(PickerTest, GreyRowHoldsWhiteSixteenGreysAndBlack)
{
    Make(CColorPickerCtrl::HEX_GREYSCALE, CRect(10, 10, 290, 50));
    const auto& cells = m_picker.GetCells();
    // 240 down to 15 in steps of 15, snapped with tolerance 7 (195 becomes 192).
    const int greys[] = {240, 225, 210, 192, 180, 165, 150, 135, 120, 105, 90, 75, 60, 45, 30, 15};
    ASSERT_EQ(18u, cells.size());
    EXPECT_EQ(RGB(255, 255, 255), cells[0].m_Color);
    EXPECT_EQ(RGB(0, 0, 0), cells[17].m_Color);
    EXPECT_EQ(2 * cells[1].m_nWidth, cells[0].m_nWidth) << "white is double width";
    EXPECT_EQ(1, cells[1].m_nWidth % 2) << "odd cell width";
    for (int i = 0; i < 16; i++) {
        EXPECT_EQ(RGB(greys[i], greys[i], greys[i]), cells[1 + i].m_Color) << "grey " << i;
        if (i > 0) {
            EXPECT_NE(cells[i].m_ptCenter.y, cells[1 + i].m_ptCenter.y) << "alternating rows at " << i;
        }
    }
    // Centred in the control.
    const int nLeft = cells[0].m_ptCenter.x - cells[0].m_nWidth / 2;
    const int nRight = cells[17].m_ptCenter.x + cells[17].m_nWidth / 2;
    EXPECT_NEAR(280 - nRight, nLeft, 2);
}

TEST_F(PickerTest, LuminanceKeysStayWithinRange)
{
    Make(CColorPickerCtrl::LUMINANCE, CRect(10, 10, 40, 150));
    struct Case {
        double dStart;
        UINT nKey;
        double dExpected;
        size_t nNotifications;
    } cases[] = {
        {1.0, VK_UP, 1.0, 0},  // already at the top: no change, no notification
        {1.0, VK_DOWN, 0.95, 1}, {0.0, VK_DOWN, 0.0, 0}, {0.5, VK_UP, 0.55, 1}, {0.5, VK_LEFT, 0.5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dStart << " key " << c.nKey);
        m_host.m_events.clear();
        m_picker.SetHLS(0.3, c.dStart, 0.8);
        m_picker.SendMessage(WM_KEYDOWN, c.nKey, 0);
        EXPECT_NEAR(c.dExpected, m_picker.GetLuminance(), 1e-9);
        EXPECT_EQ(c.nNotifications, Clicks());
        EXPECT_EQ(HLSToRGB(0.3, m_picker.GetLuminance(), 0.8), m_picker.GetColor());
    }
}

TEST_F(PickerTest, HueAndSaturationDragsKeepAValueWithCtrlOrShift)
{
    Make(CColorPickerCtrl::PICKER, CRect(10, 10, 210, 110));  // 200 x 100
    struct Case {
        UINT nFlags;
        bool bHueMoves;
        bool bSatMoves;
    } cases[] = {{0, true, true}, {MK_CONTROL, false, true}, {MK_SHIFT, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << c.nFlags);
        m_picker.SetHLS(0.25, 0.5, 0.5);  // the marker at (50, 50)
        m_picker.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | c.nFlags, MAKELPARAM(150, 20));
        m_picker.SendMessage(WM_MOUSEMOVE, MK_LBUTTON | c.nFlags, MAKELPARAM(160, 10));
        m_picker.SendMessage(WM_LBUTTONUP, c.nFlags, MAKELPARAM(160, 10));
        EXPECT_NEAR(c.bHueMoves ? 0.8 : 0.25, m_picker.GetHue(), 1e-9);
        EXPECT_NEAR(c.bSatMoves ? 0.9 : 0.5, m_picker.GetSaturation(), 1e-9);
        EXPECT_NE(m_picker.GetSafeHwnd(), ::GetCapture()) << "the release lets the mouse go";
    }
}

// ---- The dialog ----

class ColorsDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_host.CreateHost(200, 100)); }
    void TearDown() override
    {
        if (m_pDialog && m_pDialog->GetSafeHwnd())
            m_pDialog->DestroyWindow();
        m_pDialog.reset();
        m_host.DestroyWindow();
        PumpPending();
    }
    // The dialog, modeless, on the custom page when asked.
    void Open(COLORREF color, bool bCustom)
    {
        m_pDialog = std::make_unique<CColorsDialog>(color, nullptr, &m_host);
        ASSERT_TRUE(m_pDialog->Create(IDD_WTK_COLORS_DIALOG, &m_host));
        if (bCustom)
            m_pDialog->GetSheet()->SetActivePage(1);
        m_pDialog->ShowWindow(SW_SHOW);
        PumpPending();
    }
    HWND Page2() { return m_pDialog->GetPage2().GetSafeHwnd(); }
    void Type(UINT nID, const char* pszText)
    {
        ::SetDlgItemTextA(Page2(), static_cast<int>(nID), pszText);
        PumpPending();
    }
    int Value(UINT nID) { return static_cast<int>(::GetDlgItemInt(Page2(), static_cast<int>(nID), nullptr, FALSE)); }

    CColorTestHost m_host;
    std::unique_ptr<CColorsDialog> m_pDialog;
};

TEST_F(ColorsDialogTest, CustomPageRgbToHslAndBackWithoutFeedback)
{
    Open(RGB(0, 0, 255), true);
    ASSERT_NE(nullptr, Page2());
    EXPECT_EQ(255, Value(IDC_WTK_COLORS_BLUE));
    EXPECT_EQ(170, Value(IDC_WTK_COLORS_HUE)) << "2/3 x 255";

    // Red, green, blue to hue, saturation and luminance (0-255: the 0-1 values x 255).
    Type(IDC_WTK_COLORS_BLUE, "0");
    Type(IDC_WTK_COLORS_RED, "255");
    EXPECT_EQ(255, Value(IDC_WTK_COLORS_RED));
    EXPECT_EQ(0, Value(IDC_WTK_COLORS_HUE));
    EXPECT_EQ(255, Value(IDC_WTK_COLORS_SAT));
    EXPECT_EQ(128, Value(IDC_WTK_COLORS_LUM));
    EXPECT_EQ(RGB(255, 0, 0), m_pDialog->GetColor());
    EXPECT_EQ(RGB(255, 0, 0), m_pDialog->GetPreview().GetColor());
    EXPECT_EQ(RGB(255, 0, 0), m_pDialog->GetPage1().GetHexPicker().GetColor());

    // Typed hue, saturation and luminance stay as typed (no round trip through red, green and
    // blue rewrites them), the pickers take them exactly, and red, green, blue follow.
    const struct {
        UINT nID;
        const char* pszText;
    } typed[] = {{IDC_WTK_COLORS_SAT, "100"}, {IDC_WTK_COLORS_HUE, "85"}, {IDC_WTK_COLORS_LUM, "77"}};
    for (const auto& t : typed)
        Type(t.nID, t.pszText);
    EXPECT_EQ(100, Value(IDC_WTK_COLORS_SAT));
    EXPECT_EQ(85, Value(IDC_WTK_COLORS_HUE));
    EXPECT_EQ(77, Value(IDC_WTK_COLORS_LUM));
    EXPECT_DOUBLE_EQ(85 / 255.0, m_pDialog->GetPage2().GetHSPicker().GetHue());
    EXPECT_DOUBLE_EQ(100 / 255.0, m_pDialog->GetPage2().GetHSPicker().GetSaturation());
    EXPECT_DOUBLE_EQ(77 / 255.0, m_pDialog->GetPage2().GetLumPicker().GetLuminance());
    const COLORREF expected = HLSToRGB(85 / 255.0, 77 / 255.0, 100 / 255.0);
    EXPECT_EQ(expected, m_pDialog->GetColor());
    EXPECT_EQ(static_cast<int>(GetRValue(expected)), Value(IDC_WTK_COLORS_RED));
    EXPECT_EQ(static_cast<int>(GetGValue(expected)), Value(IDC_WTK_COLORS_GREEN));
    EXPECT_EQ(static_cast<int>(GetBValue(expected)), Value(IDC_WTK_COLORS_BLUE));

    // Values above 255 are refused: the edit is put back to 255.
    Type(IDC_WTK_COLORS_HUE, "300");
    EXPECT_EQ(255, Value(IDC_WTK_COLORS_HUE));
    EXPECT_DOUBLE_EQ(1.0, m_pDialog->GetPage2().GetHSPicker().GetHue());
}

TEST_F(ColorsDialogTest, StandardPageClickSetsTheNewColourAndTheCustomPage)
{
    Open(RGB(0, 0, 0), false);
    CColorPickerCtrl& hex = m_pDialog->GetPage1().GetHexPicker();
    ASSERT_NE(nullptr, hex.GetSafeHwnd());
    hex.BuildCells();
    const CColorHexagon cell = hex.GetCells()[30];
    ClickAt(&hex, cell.m_ptCenter);
    EXPECT_EQ(cell.m_Color, m_pDialog->GetColor());
    EXPECT_EQ(cell.m_Color, m_pDialog->GetPreview().GetColor());
    EXPECT_EQ(RGB(0, 0, 0), m_pDialog->GetPreview().GetOriginalColor()) << "the current colour stays";
    m_pDialog->GetSheet()->SetActivePage(1);
    PumpPending();
    EXPECT_EQ(static_cast<int>(GetRValue(cell.m_Color)), Value(IDC_WTK_COLORS_RED));
    EXPECT_EQ(static_cast<int>(GetBValue(cell.m_Color)), Value(IDC_WTK_COLORS_BLUE));
}

TEST_F(ColorsDialogTest, ScreenshotsOfBothPages)
{
    Open(RGB(0, 128, 255), false);
    m_pDialog->SetNewColor(RGB(255, 128, 0));
    m_pDialog->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    PumpPending();
    EXPECT_TRUE(SaveScreenPng(ScreenRectOf(m_pDialog->GetSafeHwnd()), "colour_dialog_standard.png"));
    m_pDialog->GetSheet()->SetActivePage(1);
    m_pDialog->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    PumpPending();
    EXPECT_TRUE(SaveScreenPng(ScreenRectOf(m_pDialog->GetSafeHwnd()), "colour_dialog_custom.png"));

    // The preview: the new colour above, the current one below.
    CRect rect;
    m_pDialog->GetPreview().GetWindowRect(rect);
    HDC hScreen = ::GetDC(nullptr);
    const COLORREF top = ::GetPixel(hScreen, rect.CenterPoint().x, rect.top + rect.Height() / 4);
    const COLORREF bottom = ::GetPixel(hScreen, rect.CenterPoint().x, rect.bottom - rect.Height() / 4);
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_EQ(RGB(255, 128, 0), top);
    EXPECT_EQ(RGB(0, 128, 255), bottom);
}

TEST(ColorsDialogLowColour, PlatformChooserRunsInstead)
{
    ScreenDepth depth(4);
    struct Case {
        BOOL bOK;
        INT_PTR nResult;
        COLORREF colorResult;
    } cases[] = {{TRUE, IDOK, RGB(1, 2, 3)}, {FALSE, IDCANCEL, RGB(9, 9, 9)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bOK ? "OK" : "Cancel");
        ScriptedColourDialog chooser([&](COLORREF, COLORREF& colorResult) {
            colorResult = RGB(1, 2, 3);
            return c.bOK;
        });
        CColorsDialog dialog(RGB(9, 9, 9));
        EXPECT_EQ(c.nResult, dialog.DoModal());
        ASSERT_EQ(1u, chooser.m_calls.size());
        EXPECT_TRUE(chooser.m_calls[0].bStandard);
        EXPECT_EQ(RGB(9, 9, 9), chooser.m_calls[0].colorInit);
        EXPECT_EQ(c.colorResult, dialog.GetColor());
    }
}

}  // namespace
