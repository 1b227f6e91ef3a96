// The Office XP look: its colours from known system colours (hand-computed answers), the plain
// colours at 8 bits per pixel, what survives a colour change, and its drawing sampled from the
// pixels of 32-bit memory bitmaps; then a picture of a toolbar and a popup menu in it.
#include "LookGallery.h"
#include "XPLookFakes.h"

#include "Canvas.h"
#include "Files.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManagerXP.h"

#include "docview/BarStyles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kFace = RGB(212, 208, 200);
constexpr COLORREF kShadow = RGB(128, 128, 128);
constexpr COLORREF kSelection = RGB(10, 36, 106);
constexpr COLORREF kWindow = RGB(255, 255, 255);

// The look with its protected parts in reach.
struct OpenXP : CWTKVisualManagerXP {
    OpenXP() : CWTKVisualManagerXP(TRUE) {}
    using CWTKVisualManagerXP::m_brGripperHorz;
    using CWTKVisualManagerXP::m_brGripperVert;
    using CWTKVisualManagerXP::m_brHighlight;
    using CWTKVisualManagerXP::m_clrHighlight;
};

// Classic system colours set straight into the shared data, then the look's colours rebuilt.
void UseClassicColors(CWTKVisualManagerXP& look, COLORREF clrFace = kFace)
{
    WTKGlobalData& data = WTKGetGlobalData();
    data.clrBarFace = clrFace;
    data.clrBarShadow = kShadow;
    data.clrHilite = kSelection;
    data.clrWindow = kWindow;
    data.brBarFace.DeleteObject();
    data.brBarFace.CreateSolidBrush(clrFace);
    look.OnUpdateSystemColors();
}

class LookXPTest : public ::testing::Test {
protected:
    void SetUp() override { UseClassicColors(m_look); }
    void TearDown() override { WTKGetGlobalData().UpdateSysColors(); }

    OpenXP m_look;
};

TEST_F(LookXPTest, ColorsFromClassicSystemColors)
{
    // Worked by hand from face 212,208,200, shadow 128, selection 10,36,106 and a white window.
    struct Row {
        const char* name;
        COLORREF actual;
        COLORREF expected;
    };
    const Row rows[] = {
        {"menu background", m_look.GetMenuLightColor(), RGB(249, 248, 247)},
        {"highlight", m_look.GetHighlightColor(), RGB(177, 185, 210)},
        {"highlight pressed", m_look.GetHighlightDnColor(), RGB(154, 161, 183)},
        {"highlight checked", m_look.GetHighlightCheckedColor(), RGB(209, 212, 223)},
        {"separator", m_look.GetSeparatorColor(), RGB(182, 179, 172)},
        {"pane border", m_look.GetPaneBorderColor(), RGB(228, 224, 216)},
        {"menu border", m_look.GetMenuBorderColor(), RGB(116, 114, 110)},
        {"gripper", m_look.GetGripperColor(), RGB(140, 140, 140)},
        {"item border", m_look.GetMenuItemBorderColor(), kSelection},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, row.actual) << row.name;
}

TEST_F(LookXPTest, LightFaceIsTheToolbarBackgroundUnchanged)
{
    UseClassicColors(m_look, RGB(240, 240, 240));
    EXPECT_EQ(RGB(240, 240, 240), m_look.GetBarBkgndColor());
    UseClassicColors(m_look, kFace);
    EXPECT_NE(kFace, m_look.GetBarBkgndColor());
}

TEST_F(LookXPTest, TextOnHighlightTurnsDarkAbove128)
{
    struct Row {
        COLORREF highlight;
        COLORREF text;
    };
    const Row rows[] = {
        {RGB(129, 129, 129), RGB(0, 0, 0)},       {RGB(128, 200, 200), RGB(255, 255, 255)},
        {RGB(200, 128, 200), RGB(255, 255, 255)}, {RGB(200, 200, 128), RGB(255, 255, 255)},
        {RGB(255, 255, 129), RGB(0, 0, 0)},
    };
    Canvas canvas(40, 20, kPaper);
    FakeLookButton item;
    for (const Row& row : rows) {
        // Through the menu highlight, which answers the text colour for the item.
        m_look.m_clrHighlight = row.highlight;
        COLORREF clrText = RGB(1, 1, 1);
        m_look.OnHighlightMenuItem(canvas.DC(), nullptr, &item, CRect(0, 0, 40, 20), clrText);
        EXPECT_EQ(row.text, clrText) << std::hex << row.highlight;
    }
    item.style = TBBS_DISABLED;
    COLORREF clrText = 0;
    m_look.OnHighlightMenuItem(canvas.DC(), nullptr, &item, CRect(0, 0, 40, 20), clrText);
    EXPECT_EQ(WTKGetGlobalData().clrGrayedText, clrText);
}

TEST_F(LookXPTest, PlainColorsAt8BitsPerPixel)
{
    FakeScreenDepth depth(8);
    OpenXP look;
    const WTKGlobalData& data = WTKGetGlobalData();
    EXPECT_EQ(data.clrBarWindow, look.GetMenuLightColor());
    EXPECT_EQ(data.clrBtnFace, look.GetHighlightColor());
    EXPECT_EQ(data.clrBtnFace, look.GetHighlightDnColor());
    EXPECT_EQ(data.clrBarWindow, look.GetHighlightCheckedColor());
    EXPECT_EQ(data.clrBtnFace, look.GetBarBkgndColor());
    EXPECT_EQ(data.clrBtnShadow, look.GetSeparatorColor());
    EXPECT_EQ(data.clrBtnDkShadow, look.GetMenuBorderColor());
    EXPECT_EQ(data.clrHilite, look.GetMenuItemBorderColor());
}

TEST_F(LookXPTest, GripperBrushesSurviveAColorChange)
{
    Canvas canvas(20, 40, kPaper);
    FakeLookBar bar;
    m_look.OnDrawBarGripper(canvas.DC(), CRect(0, 0, 10, 40), TRUE, &bar);
    ASSERT_TRUE(m_look.HasGripperBrushes());
    const HGDIOBJ hHorz = m_look.m_brGripperHorz.GetSafeHandle();
    const HGDIOBJ hVert = m_look.m_brGripperVert.GetSafeHandle();

    WTKGetGlobalData().clrHilite = RGB(200, 0, 0);
    m_look.OnUpdateSystemColors();
    EXPECT_EQ(hHorz, m_look.m_brGripperHorz.GetSafeHandle());
    EXPECT_EQ(hVert, m_look.m_brGripperVert.GetSafeHandle());
    EXPECT_EQ(OBJ_BRUSH, static_cast<int>(::GetObjectType(hHorz)));
    EXPECT_EQ(OBJ_BRUSH, static_cast<int>(::GetObjectType(hVert)));

    // The colour brushes are made anew in the new colours.
    LOGBRUSH lb {};
    ASSERT_NE(0, ::GetObject(m_look.m_brHighlight.GetSafeHandle(), sizeof(lb), &lb));
    EXPECT_EQ(m_look.GetHighlightColor(), lb.lbColor);

    // The gripper still draws its dots after the change.
    canvas.Fill(kPaper);
    m_look.OnDrawBarGripper(canvas.DC(), CRect(0, 0, 10, 40), TRUE, &bar);
    EXPECT_GT(canvas.Count(m_look.GetGripperColor()), 0);
}

TEST_F(LookXPTest, HighlightedItemsAndButtonsAreFilledAndFramed)
{
    Canvas canvas(60, 30, kPaper);
    FakeLookBar toolBar;
    FakeLookButton button;
    button.toolBar = &toolBar;
    const CRect rect(10, 5, 40, 25);
    // Unchecked buttons are filled one pixel in; checked ones to their edges.
    struct Row {
        UINT style;
        int state;
        COLORREF fill;
        COLORREF lastColumn;
    };
    const Row rows[] = {
        {0, kButtonStateHighlighted, m_look.GetHighlightColor(), kPaper},
        {TBBS_PRESSED, kButtonStatePushed, m_look.GetHighlightDnColor(), kPaper},
        {TBBS_CHECKED, kButtonStatePushed, m_look.GetHighlightCheckedColor(), m_look.GetHighlightCheckedColor()},
        {TBBS_CHECKED, kButtonStateHighlighted, m_look.GetHighlightDnColor(), m_look.GetHighlightDnColor()},
    };
    for (const Row& row : rows) {
        canvas.Fill(kPaper);
        button.style = row.style;
        m_look.OnFillButtonInterior(canvas.DC(), &button, rect, row.state);
        m_look.OnDrawButtonBorder(canvas.DC(), &button, rect, row.state);
        EXPECT_EQ(row.fill, canvas.Pixel(20, 15)) << row.style;
        // A one-pixel frame in the selection colour; the button's last column and row stay clear.
        EXPECT_EQ(kSelection, canvas.Pixel(rect.left, 15));
        EXPECT_EQ(kSelection, canvas.Pixel(20, rect.top));
        EXPECT_EQ(kSelection, canvas.Pixel(rect.right - 2, 15));
        EXPECT_EQ(kSelection, canvas.Pixel(20, rect.bottom - 2));
        EXPECT_EQ(row.lastColumn, canvas.Pixel(rect.right - 1, 15));
        EXPECT_EQ(row.lastColumn, canvas.Pixel(20, rect.bottom - 1));
    }

    // A normal button draws nothing.
    canvas.Fill(kPaper);
    button.style = 0;
    m_look.OnFillButtonInterior(canvas.DC(), &button, rect, kButtonStateNormal);
    m_look.OnDrawButtonBorder(canvas.DC(), &button, rect, kButtonStateNormal);
    EXPECT_EQ(60 * 30, canvas.Count(kPaper));

    // A highlighted menu item: flat fill, framed all round.
    canvas.Fill(kPaper);
    COLORREF clrText = 0;
    m_look.OnHighlightMenuItem(canvas.DC(), nullptr, &button, rect, clrText);
    EXPECT_EQ(m_look.GetHighlightColor(), canvas.Pixel(20, 15));
    for (const CPoint pt :
         {CPoint(rect.left, 15), CPoint(rect.right - 1, 15), CPoint(20, rect.top), CPoint(20, rect.bottom - 1)})
        EXPECT_EQ(kSelection, canvas.Pixel(pt.x, pt.y)) << pt.x << "," << pt.y;
    EXPECT_EQ(kPaper, canvas.Pixel(rect.right, 15));
}

TEST_F(LookXPTest, GripperIsADottedStrip)
{
    Canvas canvas(20, 40, kPaper);
    FakeLookBar bar;
    // A horizontal toolbar: a strip 4 wide in the middle, 6 short at both ends, rows of dots and
    // rows of the toolbar background by turns.
    m_look.OnDrawBarGripper(canvas.DC(), CRect(0, 0, 10, 40), TRUE, &bar);
    EXPECT_EQ(CRect(3, 6, 7, 34), canvas.BoundsOfOther(kPaper));
    const COLORREF clrRow6 = canvas.Pixel(3, 6);
    const COLORREF clrRow7 = canvas.Pixel(3, 7);
    EXPECT_NE(clrRow6, clrRow7);
    for (int y = 6; y < 34; ++y) {
        const COLORREF expected = (y - 6) % 2 == 0 ? clrRow6 : clrRow7;
        for (int x = 3; x < 7; ++x)
            ASSERT_EQ(expected, canvas.Pixel(x, y)) << x << "," << y;
    }
    const COLORREF colours[] = {clrRow6, clrRow7};
    EXPECT_NE(std::find(std::begin(colours), std::end(colours), m_look.GetGripperColor()), std::end(colours));
    EXPECT_NE(std::find(std::begin(colours), std::end(colours), m_look.GetBarBkgndColor()), std::end(colours));

    // A vertical toolbar: columns by turns.
    canvas.Fill(kPaper);
    m_look.OnDrawBarGripper(canvas.DC(), CRect(0, 0, 20, 10), FALSE, &bar);
    EXPECT_EQ(CRect(6, 3, 14, 7), canvas.BoundsOfOther(kPaper));
    EXPECT_NE(canvas.Pixel(6, 4), canvas.Pixel(7, 4));
    EXPECT_EQ(canvas.Pixel(6, 4), canvas.Pixel(8, 4));
    EXPECT_EQ(canvas.Pixel(6, 3), canvas.Pixel(6, 6));
}

TEST_F(LookXPTest, SeparatorsAreOneLine)
{
    Canvas canvas(80, 30, kPaper);
    FakeLookBar toolBar;
    const COLORREF clrLine = m_look.GetSeparatorColor();
    m_look.OnDrawSeparator(canvas.DC(), &toolBar, CRect(10, 2, 18, 24), TRUE);
    EXPECT_EQ(CRect(14, 2, 15, 23), canvas.BoundsOfOther(kPaper));
    EXPECT_EQ(21, canvas.Count(clrLine));

    canvas.Fill(kPaper);
    m_look.OnDrawSeparator(canvas.DC(), &toolBar, CRect(2, 10, 30, 18), FALSE);
    EXPECT_EQ(CRect(2, 14, 30, 15), canvas.BoundsOfOther(kPaper));

    // In a popup menu it starts after the image column (16 + 2 x 3 + 1 in from the left).
    FakeLookBar menu;
    menu.kind = CWTKBarLookInfo::kindPopupMenuBar;
    canvas.Fill(kPaper);
    m_look.OnDrawSeparator(canvas.DC(), &menu, CRect(0, 10, 80, 18), FALSE);
    EXPECT_EQ(CRect(20, 14, 80, 15), canvas.BoundsOfOther(kPaper));
}

TEST_F(LookXPTest, PopupMenuBackgroundAndTheJoinToItsButton)
{
    Canvas canvas(100, 60, kPaper);
    FakeLookBar menuBar;
    menuBar.kind = CWTKBarLookInfo::kindPopupMenuBar;
    m_look.OnFillBarBackground(canvas.DC(), &menuBar, CRect(0, 0, 100, 60), CRect(), FALSE);
    EXPECT_EQ(m_look.GetBarBkgndColor(), canvas.Pixel(22, 30));
    EXPECT_EQ(m_look.GetMenuLightColor(), canvas.Pixel(23, 30));

    // A menu dropped down from a menu-bar button at x 10..50: the top edge under the button takes
    // the button's colour, from its left end + 1 to its right end - 2; the rest is the frame.
    FakeLookMenu menu;
    menu.side = CWTKMenuLookInfo::sideTop;
    menu.button = CRect(10, -20, 50, 0);
    m_look.OnDrawMenuBorder(canvas.DC(), &menu, CRect(0, 0, 100, 60));
    const COLORREF clrFrame = m_look.GetMenuBorderColor();
    EXPECT_EQ(clrFrame, canvas.Pixel(10, 0));
    EXPECT_EQ(m_look.GetBarBkgndColor(), canvas.Pixel(11, 0));
    EXPECT_EQ(m_look.GetBarBkgndColor(), canvas.Pixel(47, 0));
    EXPECT_EQ(clrFrame, canvas.Pixel(48, 0));
    EXPECT_EQ(clrFrame, canvas.Pixel(0, 30));
    EXPECT_EQ(clrFrame, canvas.Pixel(60, 59));
    EXPECT_EQ(m_look.GetMenuLightColor(), canvas.Pixel(60, 1));
    EXPECT_EQ(m_look.GetBarBkgndColor(), canvas.Pixel(1, 30));

    // Opened from another menu (no button on a bar): a closed frame.
    menu.side = CWTKMenuLookInfo::sideNone;
    m_look.OnDrawMenuBorder(canvas.DC(), &menu, CRect(0, 0, 100, 60));
    EXPECT_EQ(clrFrame, canvas.Pixel(30, 0));
}

TEST_F(LookXPTest, AnOpenMenuButtonReachesItsMenu)
{
    Canvas canvas(60, 40, kPaper);
    FakeLookBar menuBar;
    menuBar.kind = CWTKBarLookInfo::kindMenuBar;
    menuBar.style = 0x2000;  // docked at the top: the menu opens below
    FakeLookButton button;
    button.toolBar = &menuBar;
    button.menuOpen = TRUE;
    const CRect rect(10, 5, 40, 25);
    m_look.OnFillButtonInterior(canvas.DC(), &button, rect, kButtonStatePushed);
    m_look.OnDrawButtonBorder(canvas.DC(), &button, rect, kButtonStatePushed);
    // Filled in the toolbar colour, framed in the menu's frame colour, one pixel longer towards
    // the menu (the bar is no taller than the button) than a highlighted button's frame.
    EXPECT_EQ(m_look.GetBarBkgndColor(), canvas.Pixel(20, 15));
    EXPECT_EQ(m_look.GetMenuBorderColor(), canvas.Pixel(rect.left, 15));
    EXPECT_EQ(m_look.GetBarBkgndColor(), canvas.Pixel(20, rect.bottom - 2));
    EXPECT_EQ(m_look.GetMenuBorderColor(), canvas.Pixel(20, rect.bottom - 1));
}

// The Office XP look in the system colours, for a person: a toolbar and a popup menu.
TEST(LookXPGallery, SavesAPicture)
{
    CWTKVisualManagerXP look(TRUE);
    WTKGetGlobalData().UpdateSysColors();
    look.OnUpdateSystemColors();
    DrawLookGallery(look, "look_xp_gallery.png");
}

}  // namespace
