// The Office 2003 look: its colour schemes read through a fake theme with hand-computed answers,
// the one-pass colour computation, the Office XP drawing at 8 bits per pixel, the shared colour
// refresh, and its drawing sampled from pixels; then pictures of a toolbar and a popup menu.
#include "LookGallery.h"
#include "XPLookFakes.h"

#include "Canvas.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKLookColors.h"
#include "foundation/WTKVisualManager2003.h"

#include "docview/BarStyles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

namespace {

constexpr COLORREF k2003Paper = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 200);
constexpr DWORD kDockedTop = 0x2000;
constexpr char kLunaFile[] = "C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles";

// The theme system colour of the menu highlight.
constexpr int kMenuHilight = 29;

struct Open2003 : CWTKVisualManager2003 {
    using CWTKVisualManager2003::m_brHighlight;
    using CWTKVisualManager2003::m_brHighlightDn;
};

// A Luna theme whose every colour is set, so no branch reads the system's.
void FillLunaColors(FakeTheme& theme)
{
    theme.sysColors = {{COLOR_HIGHLIGHT, RGB(49, 106, 197)},
                       {COLOR_WINDOW, RGB(255, 255, 255)},
                       {COLOR_BTNFACE, RGB(236, 233, 216)},
                       {COLOR_3DLIGHT, RGB(241, 239, 226)},
                       {kMenuHilight, RGB(49, 106, 197)}};
    theme.partColors = {{{"BUTTON", 1, 0, 3823}, RGB(255, 213, 140)},
                        {{"BUTTON", 2, 0, 3823}, RGB(255, 240, 200)},
                        {{"WINDOW", 18, 0, 3821}, RGB(255, 160, 60)},
                        {{"BUTTON", 2, 0, 3822}, RGB(28, 81, 128)},
                        {{"BUTTON", 1, 5, 3823}, RGB(206, 231, 255)}};
}

bool Near(COLORREF a, COLORREF b, int nTolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= nTolerance && std::abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
        std::abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

class Look2003Test : public ::testing::Test {
protected:
    void SetUp() override { CWTKVisualManager::SetDefaultManager(nullptr); }
    void TearDown() override
    {
        CWTKVisualManager::SetDefaultManager(nullptr);
        WTKGetGlobalData().UpdateSysColors();
    }
};

TEST_F(Look2003Test, DetectsTheLunaSchemes)
{
    struct Row {
        const char* file;
        const char* color;
        BOOL running;
        BOOL luna;
        const char* scheme;
    };
    const Row rows[] = {
        {kLunaFile, "NormalColor", TRUE, TRUE, "NormalColor"},
        {"c:\\themes\\luna.MSSTYLES", "Metallic", TRUE, TRUE, "Metallic"},
        {"Luna", "HomeStead", TRUE, TRUE, "HomeStead"},
        {"C:\\Themes\\Royale.msstyles", "NormalColor", TRUE, FALSE, "NormalColor"},
        {"C:\\Luna\\Lunatic.msstyles", "NormalColor", TRUE, FALSE, "NormalColor"},
        {kLunaFile, "NormalColor", FALSE, FALSE, ""},
    };
    for (const Row& row : rows) {
        FakeTheme theme(row.file, row.color);
        theme.running = row.running;
        CWTKVisualManager2003 look;
        EXPECT_EQ(row.luna, look.IsLuna()) << row.file;
        EXPECT_STREQ(row.scheme, look.GetThemeColorName()) << row.file;
    }
}

TEST_F(Look2003Test, BarFaceOfEachScheme)
{
    WTKGlobalData& data = WTKGetGlobalData();
    // Blue: the even mix of the theme's menu highlight and window colours.
    {
        FakeTheme theme(kLunaFile, "NormalColor");
        theme.sysColors = {{kMenuHilight, kRed}, {COLOR_WINDOW, kBlue}};
        CWTKVisualManager2003 look;
        EXPECT_EQ(RGB(200, 0, 200), data.clrBarFace);
        EXPECT_EQ(RGB(255, 0, 255), data.clrBarHilite);
        EXPECT_EQ(RGB(220, 0, 220), data.clrBarLight);
        LOGBRUSH lb {};
        ASSERT_NE(0, ::GetObject(data.brBarFace.GetSafeHandle(), sizeof(lb), &lb));
        EXPECT_EQ(RGB(200, 0, 200), lb.lbColor);
    }
    // Metallic: 95 % of the even mix of the toolbar gradient; homestead: two parts dark, one light.
    struct Row {
        const char* scheme;
        COLORREF face;
    };
    const Row rows[] = {{"Metallic", RGB(190, 0, 190)}, {"HomeStead", RGB(200, 0, 99)}};
    for (const Row& row : rows) {
        FakeTheme theme(kLunaFile, row.scheme);
        CWTKVisualManager2003 look;
        look.m_clrToolBarGradientDark = kRed;
        look.m_clrToolBarGradientLight = kBlue;
        look.UpdateBarColors();
        EXPECT_EQ(row.face, data.clrBarFace) << row.scheme;
        EXPECT_EQ(ScaleColorPercent(row.face, 70), data.clrBarShadow) << row.scheme;
        EXPECT_EQ(ScaleColorPercent(row.face, 50), data.clrBarDkShadow) << row.scheme;
    }
    // No Luna: the theme's own button colours.
    {
        FakeTheme theme("C:\\Themes\\Royale.msstyles", "NormalColor");
        theme.sysColors = {{COLOR_BTNFACE, RGB(10, 20, 30)},
                           {COLOR_BTNSHADOW, RGB(1, 2, 3)},
                           {COLOR_BTNHIGHLIGHT, RGB(4, 5, 6)},
                           {COLOR_3DDKSHADOW, RGB(7, 8, 9)},
                           {COLOR_3DLIGHT, RGB(11, 12, 13)}};
        CWTKVisualManager2003 look;
        EXPECT_EQ(RGB(10, 20, 30), data.clrBarFace);
        EXPECT_EQ(RGB(1, 2, 3), data.clrBarShadow);
        EXPECT_EQ(RGB(4, 5, 6), data.clrBarHilite);
        EXPECT_EQ(RGB(7, 8, 9), data.clrBarDkShadow);
        EXPECT_EQ(RGB(11, 12, 13), data.clrBarLight);
    }
}

// Every colour the look and the shared data hold, in one list.
std::vector<COLORREF> AllColors(const CWTKVisualManager2003& look)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    return {look.m_clrBarGradientDark,
            look.m_clrBarGradientLight,
            look.m_clrToolBarGradientDark,
            look.m_clrToolBarGradientLight,
            look.m_clrToolBarGradientVertLight,
            look.m_clrToolBarGradientVertDark,
            look.m_clrToolBarDark,
            look.m_clrToolBarLight,
            look.m_clrToolBarBottomLine,
            look.m_clrToolBarCornerDark,
            look.m_clrToolBarCornerLight,
            look.m_clrHighlightMenuItem,
            look.m_clrHighlightGradientEnd,
            look.m_clrHighlightGradientStart,
            look.m_clrHighlightDnGradientEnd,
            look.m_clrHighlightDnGradientStart,
            look.m_clrHighlightCheckedGradientEnd,
            look.m_clrHighlightCheckedGradientStart,
            look.m_clrGripperDots,
            look.m_clrCaptionBarGradientLight,
            look.m_clrCaptionBarGradientDark,
            look.m_clrTaskPaneGradientDark,
            look.m_clrTaskPaneGradientLight,
            look.m_clrTaskPaneGroupCaptionDark,
            look.m_clrTaskPaneGroupCaptionLight,
            look.m_clrTaskPaneGroupCaptionSpecDark,
            look.m_clrTaskPaneGroupCaptionSpecLight,
            look.m_clrTaskPaneGroupAreaLight,
            look.m_clrTaskPaneGroupAreaDark,
            look.m_clrTaskPaneGroupBorder,
            look.GetBarBkgndColor(),
            look.GetMenuLightColor(),
            look.GetHighlightColor(),
            look.GetHighlightDnColor(),
            look.GetHighlightCheckedColor(),
            look.GetSeparatorColor(),
            look.GetMenuBorderColor(),
            look.GetMenuItemBorderColor(),
            look.GetGripperColor(),
            look.GetTabBackColor(),
            g.clrBarFace,
            g.clrBarShadow,
            g.clrBarHilite,
            g.clrBarDkShadow,
            g.clrBarLight};
}

TEST_F(Look2003Test, OnePassGivesTheFinalColors)
{
    // Built once, the colours are those that another computation keeps: nothing is read before
    // it is computed.
    for (const char* scheme : {"NormalColor", "HomeStead", "Metallic", ""}) {
        FakeTheme theme(*scheme != '\0' ? kLunaFile : "C:\\Themes\\Royale.msstyles", scheme);
        FillLunaColors(theme);
        CWTKVisualManager2003 look;
        const std::vector<COLORREF> first = AllColors(look);
        look.OnUpdateSystemColors();
        EXPECT_EQ(first, AllColors(look)) << scheme;
        // And a fresh look made after a plain colour refresh computes the same.
        WTKGetGlobalData().UpdateSysColors();
        CWTKVisualManager2003 again;
        EXPECT_EQ(first, AllColors(again)) << scheme;
    }
}

TEST_F(Look2003Test, LunaHighlightsAreGradients)
{
    FakeTheme theme(kLunaFile, "NormalColor");
    FillLunaColors(theme);
    Open2003 look;
    ASSERT_TRUE(look.IsLuna());
    ASSERT_NE(kWTKNoColor, look.m_clrHighlightMenuItem);
    ASSERT_NE(look.m_clrHighlightGradientStart, look.m_clrHighlightGradientEnd);
    Canvas canvas(40, 30, k2003Paper);
    FakeLookBar toolBar;
    FakeLookButton button;
    button.toolBar = &toolBar;
    // A toolbar button: bottom to top from the start colour to the end colour.
    look.OnFillHighlightedArea(canvas.DC(), CRect(0, 0, 40, 30), &look.m_brHighlight, &button);
    EXPECT_TRUE(Near(look.m_clrHighlightGradientStart, canvas.Pixel(20, 29), 6));
    EXPECT_TRUE(Near(look.m_clrHighlightGradientEnd, canvas.Pixel(20, 0), 6));
    // A menu item: one solid colour.
    FakeLookBar menu;
    menu.kind = CWTKBarLookInfo::kindPopupMenuBar;
    button.toolBar = &menu;
    look.OnFillHighlightedArea(canvas.DC(), CRect(0, 0, 40, 30), &look.m_brHighlight, &button);
    EXPECT_EQ(40 * 30, canvas.Count(look.m_clrHighlightMenuItem));
    // Without Luna the brush itself.
    theme.running = FALSE;
    look.OnUpdateSystemColors();
    button.toolBar = &toolBar;
    look.OnFillHighlightedArea(canvas.DC(), CRect(0, 0, 40, 30), &look.m_brHighlight, &button);
    EXPECT_EQ(40 * 30, canvas.Count(look.GetHighlightColor()));
}

TEST_F(Look2003Test, At8BitsPerPixelDrawsTheOfficeXPWay)
{
    FakeScreenDepth depth(8);
    FakeTheme theme(kLunaFile, "NormalColor");
    FillLunaColors(theme);
    CWTKVisualManager2003 look;
    const WTKGlobalData& data = WTKGetGlobalData();
    // Plain colours; only the tasks pane gets colours of its own.
    EXPECT_EQ(data.clrBarWindow, look.GetMenuLightColor());
    EXPECT_EQ(data.clrBtnFace, look.GetHighlightColor());
    EXPECT_EQ(data.clrBarWindow, look.m_clrTaskPaneGradientDark);
    EXPECT_EQ(data.clrBarWindow, look.m_clrTaskPaneGroupAreaLight);
    EXPECT_EQ(data.clrBarFace, look.m_clrTaskPaneGroupCaptionSpecDark);
    EXPECT_EQ(data.clrBtnShadow, look.m_clrTaskPaneGroupBorder);

    CWTKVisualManagerXP xp(TRUE);
    FakeLookBar toolBar;
    toolBar.style = kDockedTop;
    toolBar.rowExtent = 26;
    toolBar.buttonSize = CSize(23, 22);
    FakeLookBar menuBar;
    menuBar.kind = CWTKBarLookInfo::kindMenuBar;
    FakeLookBar popup;
    popup.kind = CWTKBarLookInfo::kindPopupMenuBar;
    FakeLookBar dock;
    dock.kind = CWTKBarLookInfo::kindDockBar;
    FakeCaptionBar caption;
    FakeLookButton button;
    button.toolBar = &toolBar;
    const CRect rect(2, 2, 58, 28);
    struct Operation {
        const char* name;
        std::function<void(CWTKVisualManagerXP&, CDC*)> draw;
    };
    const Operation operations[] = {
        {"toolbar background",
         [&](CWTKVisualManagerXP& l, CDC* p) {
             l.OnFillBarBackground(p, &toolBar, rect, CRect(), FALSE);
         }},
        {"docked toolbar frame",
         [&](CWTKVisualManagerXP& l, CDC* p) {
             l.OnFillBarBackground(p, &toolBar, rect, CRect(), TRUE);
         }},
        {"menu bar background",
         [&](CWTKVisualManagerXP& l, CDC* p) {
             l.OnFillBarBackground(p, &menuBar, rect, CRect(), FALSE);
         }},
        {"popup menu background",
         [&](CWTKVisualManagerXP& l, CDC* p) {
             l.OnFillBarBackground(p, &popup, rect, CRect(), FALSE);
         }},
        {"dock area",
         [&](CWTKVisualManagerXP& l, CDC* p) {
             l.OnFillBarBackground(p, &dock, rect, CRect(), FALSE);
         }},
        {"caption bar",
         [&](CWTKVisualManagerXP& l, CDC* p) {
             l.OnFillBarBackground(p, &caption, rect, CRect(), FALSE);
         }},
        {"bar border",
         [&](CWTKVisualManagerXP& l, CDC* p) {
             CRect r = rect;
             toolBar.style = kDockedTop | kBarStyleBorderAny;
             l.OnDrawBarBorder(p, &toolBar, r);
             toolBar.style = kDockedTop;
         }},
        {"gripper",
         [&](CWTKVisualManagerXP& l, CDC* p) {
             l.OnDrawBarGripper(p, CRect(2, 2, 10, 28), TRUE, &toolBar);
         }},
        {"separator",
         [&](CWTKVisualManagerXP& l, CDC* p) {
             l.OnDrawSeparator(p, &toolBar, CRect(20, 2, 28, 28), TRUE);
         }},
        {"checked image",
         [&](CWTKVisualManagerXP& l, CDC* p) {
             l.OnFillCheckedImageBackground(p, rect, FALSE);
         }},
        {"combo drop button",
         [&](CWTKVisualManagerXP& l, CDC* p) {
             l.OnDrawComboDropButton(p, rect, FALSE, FALSE, FALSE, nullptr);
         }},
        {"combo drop highlighted",
         [&](CWTKVisualManagerXP& l, CDC* p) {
             l.OnDrawComboDropButton(p, rect, FALSE, FALSE, TRUE, nullptr);
         }},
        {"combo border",
         [&](CWTKVisualManagerXP& l, CDC* p) {
             l.OnDrawComboBorder(p, rect, FALSE, TRUE, FALSE, nullptr);
         }},
        {"tear-off caption",
         [&](CWTKVisualManagerXP& l, CDC* p) {
             l.OnDrawTearOffCaption(p, rect, TRUE);
         }},
        {"highlighted button",
         [&](CWTKVisualManagerXP& l, CDC* p) {
             l.OnFillButtonInterior(p, &button, rect, kButtonStateHighlighted);
         }},
    };
    for (const Operation& operation : operations) {
        Canvas expected(60, 30, k2003Paper);
        Canvas actual(60, 30, k2003Paper);
        operation.draw(xp, expected.DC());
        operation.draw(look, actual.DC());
        EXPECT_TRUE(actual.SamePixels(expected)) << operation.name;
        EXPECT_NE(60 * 30, expected.Count(k2003Paper)) << operation.name << " drew nothing";
    }
}

TEST_F(Look2003Test, DockedToolbarsHaveRoundedEnds)
{
    FakeTheme theme(kLunaFile, "NormalColor");
    FillLunaColors(theme);
    CWTKVisualManager2003 look;
    Canvas canvas(100, 30, k2003Paper);
    FakeLookBar toolBar;
    toolBar.style = kDockedTop;
    const CRect rect(0, 0, 100, 26);
    look.OnFillBarBackground(canvas.DC(), &toolBar, rect, CRect(), TRUE);
    // The corners show the dock area; the next pixels round them.
    EXPECT_EQ(look.m_clrToolBarCornerDark, canvas.Pixel(1, 0));
    EXPECT_EQ(look.m_clrToolBarCornerDark, canvas.Pixel(0, 1));
    EXPECT_EQ(look.m_clrToolBarCornerDark, canvas.Pixel(98, 0));
    EXPECT_EQ(look.m_clrToolBarCornerLight, canvas.Pixel(1, 24));
    const COLORREF clrCorner = canvas.Pixel(0, 0);
    EXPECT_TRUE(Near(clrCorner, look.m_clrBarGradientDark, 40) || Near(clrCorner, look.m_clrBarGradientLight, 40));
    EXPECT_NE(canvas.Pixel(2, 0), clrCorner);
    // The shadow line along the bottom, from left + 2.
    EXPECT_EQ(look.m_clrToolBarBottomLine, canvas.Pixel(2, 25));
    EXPECT_EQ(look.m_clrToolBarBottomLine, canvas.Pixel(97, 25));
    EXPECT_NE(look.m_clrToolBarBottomLine, canvas.Pixel(1, 25));

    // Floating: one gradient to the corners, no shadow line; dark at the bottom, light on top
    // (the ends are the nearest bands, within a few steps).
    toolBar.floating = TRUE;
    canvas.Fill(k2003Paper);
    look.OnFillBarBackground(canvas.DC(), &toolBar, rect, CRect(), TRUE);
    EXPECT_TRUE(Near(look.m_clrToolBarGradientDark, canvas.Pixel(0, 25), 6));
    EXPECT_EQ(canvas.Pixel(0, 25), canvas.Pixel(50, 25));
    EXPECT_TRUE(Near(look.m_clrToolBarGradientLight, canvas.Pixel(0, 0), 4));
    EXPECT_EQ(canvas.Pixel(0, 0), canvas.Pixel(50, 0));
}

TEST_F(Look2003Test, GripperDotsByStripLength)
{
    FakeTheme theme(kLunaFile, "NormalColor");
    FillLunaColors(theme);
    CWTKVisualManager2003 look;
    // (L - 4) / 4 dots, the first ((L - 4) mod 4 + 4) / 2 from the strip's start, 4 apart.
    struct Row {
        int length;
        int dots;
        int first;
    };
    const Row rows[] = {{4, 0, 0}, {7, 0, 0}, {8, 1, 2}, {20, 4, 2}, {23, 4, 3}, {26, 5, 3}};
    for (const Row& row : rows) {
        // Paper of no colour the dots use (their light squares are the button highlight).
        constexpr COLORREF kGrey = RGB(1, 2, 3);
        Canvas canvas(20, 40, kGrey);
        // A dock area's gripper: the strip in the middle, the full length.
        look.OnDrawBarGripper(canvas.DC(), CRect(0, 0, 10, row.length), TRUE, nullptr);
        EXPECT_EQ(row.dots * 4, canvas.Count(look.m_clrGripperDots)) << row.length;
        EXPECT_EQ(row.dots * 3, canvas.Count(WTKGetGlobalData().clrBtnHilite)) << row.length;
        if (row.dots > 0) {
            EXPECT_EQ(look.m_clrGripperDots, canvas.Pixel(3, row.first)) << row.length;
            EXPECT_EQ(kGrey, canvas.Pixel(3, row.first - 1)) << row.length;
            EXPECT_EQ(look.m_clrGripperDots, canvas.Pixel(4, row.first + 4 * (row.dots - 1) + 1)) << row.length;
        }
    }
}

TEST_F(Look2003Test, ToolbarGradientEnds)
{
    FakeTheme theme(kLunaFile, "Metallic");
    FillLunaColors(theme);
    CWTKVisualManager2003 look;
    Canvas canvas(60, 80, k2003Paper);
    FakeLookBar horizontal;
    horizontal.style = kDockedTop;
    look.OnFillBarBackground(canvas.DC(), &horizontal, CRect(0, 0, 60, 26), CRect(), FALSE);
    EXPECT_TRUE(Near(look.m_clrToolBarGradientDark, canvas.Pixel(30, 25), 6));
    EXPECT_TRUE(Near(look.m_clrToolBarGradientLight, canvas.Pixel(30, 0), 4));
    FakeLookBar vertical;
    vertical.style = 0x1000;  // docked at the left
    look.OnFillBarBackground(canvas.DC(), &vertical, CRect(0, 30, 26, 80), CRect(), FALSE);
    EXPECT_TRUE(Near(look.m_clrToolBarGradientVertLight, canvas.Pixel(0, 50), 6));
    EXPECT_TRUE(Near(look.m_clrToolBarGradientVertDark, canvas.Pixel(25, 50), 4));
    // The popup menu's image column: light at the left, dark at its right edge.
    FakeLookBar popup;
    popup.kind = CWTKBarLookInfo::kindPopupMenuBar;
    canvas.Fill(k2003Paper);
    look.OnFillBarBackground(canvas.DC(), &popup, CRect(0, 0, 60, 80), CRect(), FALSE);
    EXPECT_TRUE(Near(look.m_clrToolBarGradientLight, canvas.Pixel(0, 40), 6));
    EXPECT_TRUE(Near(look.m_clrToolBarGradientDark, canvas.Pixel(22, 40), 6));
    EXPECT_EQ(look.GetMenuLightColor(), canvas.Pixel(23, 40));
}

// Counts its colour computations.
struct CountingLook : CWTKVisualManagerXP {
    CountingLook() : CWTKVisualManagerXP(FALSE) {}
    void OnUpdateSystemColors() override
    {
        ++nUpdates;
        CWTKVisualManagerXP::OnUpdateSystemColors();
    }
    int nUpdates = 0;
};

TEST_F(Look2003Test, SharedAndLookColorsAreRefreshedTogether)
{
    FakeTheme theme(kLunaFile, "NormalColor");
    theme.sysColors = {{kMenuHilight, kRed}, {COLOR_WINDOW, kBlue}};
    CWTKVisualManager::SetDefaultManager(RUNTIME_CLASS(CWTKVisualManager2003));
    CWTKVisualManager::GetInstance();
    WTKGlobalData& data = WTKGetGlobalData();
    ASSERT_EQ(RGB(200, 0, 200), data.clrBarFace);
    // Re-reading the shared colours alone loses the recolouring; the toolkit's refresh keeps it.
    data.UpdateSysColors();
    ASSERT_EQ(::GetSysColor(COLOR_BTNFACE), data.clrBarFace);
    WTKRefreshLookColors();
    EXPECT_EQ(RGB(200, 0, 200), data.clrBarFace);
    data.UpdateSysColors();
    WTKOnSysColorChange();
    EXPECT_EQ(RGB(200, 0, 200), data.clrBarFace);
}

TEST_F(Look2003Test, OneRefreshPerColorChange)
{
    CountingLook look;
    ASSERT_EQ(&look, CWTKVisualManager::GetInstance());
    WTKRefreshLookColors();
    const int nBefore = look.nUpdates;
    // Every toolbar hears the same WM_SYSCOLORCHANGE: the colours are computed once.
    for (int i = 0; i < 5; ++i)
        WTKOnSysColorChange();
    EXPECT_EQ(nBefore, look.nUpdates);
    WTKRefreshLookColors();
    EXPECT_EQ(nBefore + 1, look.nUpdates);
}

// The Office 2003 look for a person: without a theme (system colours) and in the blue scheme.
TEST(Look2003Gallery, SavesPictures)
{
    CWTKVisualManager::SetDefaultManager(nullptr);
    {
        CWTKVisualManager2003 look;
        DrawLookGallery(look, "look_2003_gallery.png");
    }
    {
        FakeTheme theme(kLunaFile, "NormalColor");
        FillLunaColors(theme);
        CWTKVisualManager2003 look;
        DrawLookGallery(look, "look_2003_luna_gallery.png");
    }
    WTKGetGlobalData().UpdateSysColors();
}

}  // namespace
