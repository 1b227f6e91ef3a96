// What the base look draws, sampled at known pixels of 32-bit memory bitmaps with sentinel bar
// colours, and a gallery of it in the system colours for a person to judge.
#include "LookFakes.h"

#include "Canvas.h"
#include "Files.h"

#include "foundation/WTKColorFunctions.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKVisualManager.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kFace = RGB(220, 220, 160);
constexpr COLORREF kShadow = RGB(110, 0, 0);
constexpr COLORREF kHilite = RGB(0, 210, 0);
constexpr COLORREF kDkShadow = RGB(0, 0, 130);
constexpr COLORREF kLight = RGB(230, 130, 0);
constexpr COLORREF kBarText = RGB(50, 60, 70);
constexpr COLORREF kSelection = RGB(140, 0, 140);

// The number of the menu glyph drawn with its top-left corner at pt on paper, or -1.
int GlyphAt(const Canvas& canvas, CPoint pt)
{
    constexpr int kSize = CWTKMenuGlyphs::kGlyphSize;
    for (int nGlyph = 0; nGlyph < CWTKMenuGlyphs::kGlyphCount; ++nGlyph) {
        Canvas alone(kSize, kSize, kPaper);
        CWTKMenuGlyphs::Draw(alone.DC(), nGlyph, CPoint(0, 0));
        if (alone.Count(kPaper) == kSize * kSize)
            continue;  // an empty slot
        bool same = true;
        for (int y = 0; y < kSize && same; ++y)
            for (int x = 0; x < kSize && same; ++x)
                same = alone.Pixel(x, y) == canvas.Pixel(pt.x + x, pt.y + y);
        if (same)
            return nGlyph;
    }
    return -1;
}

class BaseLookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CWTKVisualManager::SetDefaultManager(nullptr);
        m_pLook = CWTKVisualManager::GetInstance();
        WTKGlobalData& data = WTKGetGlobalData();
        data.clrBarFace = kFace;
        data.clrBarShadow = kShadow;
        data.clrBarHilite = kHilite;
        data.clrBarDkShadow = kDkShadow;
        data.clrBarLight = kLight;
        data.clrBarText = kBarText;
        data.brBarFace.DeleteObject();
        data.brBarFace.CreateSolidBrush(kFace);
        data.brHilite.DeleteObject();
        data.brHilite.CreateSolidBrush(kSelection);
    }
    void TearDown() override
    {
        WTKGetGlobalData().UpdateSysColors();
        m_pLook->m_bLook2000 = FALSE;
        m_pLook->m_bMenuFlatLook = FALSE;
    }

    CWTKVisualManager* m_pLook = nullptr;
};

TEST_F(BaseLookTest, GripperStrips)
{
    struct Row {
        BOOL look2000;
        BOOL horz;
        std::vector<std::pair<POINT, COLORREF>> pixels;
    };
    // A gripper of 20 x 30 (horizontal bar: strips run down) or 30 x 20 (vertical bar).
    const Row rows[] = {
        // Two strips from x = 8 and x = 12, rows 2 to 27, the bottom-left pixel lit.
        {FALSE,
         TRUE,
         {{{8, 2}, kHilite},
          {{10, 27}, kShadow},
          {{8, 27}, kHilite},
          {{12, 2}, kHilite},
          {{14, 27}, kShadow},
          {{12, 27}, kHilite},
          {{11, 10}, kPaper},
          {{9, 10}, kPaper},
          {{8, 1}, kPaper},
          {{8, 28}, kPaper}}},
        // The 2000 variant: one strip from x = 9, rows 3 to 26, its bottom-left pixel in shadow.
        {TRUE,
         TRUE,
         {{{9, 3}, kHilite}, {{11, 26}, kShadow}, {{9, 26}, kShadow}, {{13, 10}, kPaper}, {{9, 2}, kPaper}}},
        // Vertical bar: the top grows by 1, strips from y = (1 + 20) / 2 - 2 = 8 and y = 12, the top-right pixel lit.
        {FALSE,
         FALSE,
         {{{2, 8}, kHilite},
          {{27, 10}, kShadow},
          {{27, 8}, kHilite},
          {{2, 12}, kHilite},
          {{27, 12}, kHilite},
          {{10, 11}, kPaper},
          {{1, 8}, kPaper}}},
        {TRUE, FALSE, {{{3, 9}, kHilite}, {{26, 9}, kShadow}, {{10, 13}, kPaper}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "look2000 " << row.look2000 << ", horizontal " << row.horz);
        const CRect rect = row.horz ? CRect(0, 0, 20, 30) : CRect(0, 0, 30, 20);
        Canvas canvas(rect.Width(), rect.Height(), kPaper);
        m_pLook->m_bLook2000 = row.look2000;
        m_pLook->OnDrawBarGripper(canvas.DC(), rect, row.horz, nullptr);
        for (const auto& [pt, colour] : row.pixels)
            EXPECT_EQ(colour, canvas.Pixel(pt.x, pt.y)) << "at " << pt.x << "," << pt.y;
    }
}

TEST_F(BaseLookTest, BarBorderPerBorderBit)
{
    struct Row {
        const char* name;
        DWORD style;
        BOOL dockable;
        POINT pt;
        COLORREF colour;
        CRect after;
    };
    const Row rows[] = {
        {"none", 0, FALSE, {0, 0}, kPaper, {0, 0, 20, 10}},
        {"left, flat", kBarStyleBorderLeft, TRUE, {0, 5}, kShadow, {1, 0, 20, 10}},
        {"left, 3-D", kBarStyleBorderLeft | kBarStyleBorder3D, TRUE, {0, 5}, kHilite, {1, 0, 20, 10}},
        {"top, 3-D", kBarStyleBorderTop | kBarStyleBorder3D, TRUE, {5, 0}, kHilite, {0, 1, 20, 10}},
        {"right", kBarStyleBorderRight | kBarStyleBorder3D, TRUE, {19, 5}, kShadow, {0, 0, 19, 10}},
        {"bottom", kBarStyleBorderBottom, TRUE, {5, 9}, kShadow, {0, 0, 20, 9}},
        {"bottom, not its last pixel", kBarStyleBorderBottom, TRUE, {19, 9}, kPaper, {0, 0, 20, 9}},
        {"not dockable: etched top row 0", kBarStyleBorderBottom, FALSE, {10, 0}, kShadow, {0, 0, 20, 9}},
        {"not dockable: etched top row 1", kBarStyleBorderBottom, FALSE, {10, 1}, kHilite, {0, 0, 20, 9}},
        {"all four", kBarStyleBorderAny, TRUE, {10, 5}, kPaper, {1, 1, 19, 9}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Canvas canvas(20, 10, kPaper);
        ::SetBkColor(canvas.Handle(), RGB(9, 9, 9));
        FakeBar bar;
        bar.style = row.style;
        bar.dockable = row.dockable;
        CRect rect(0, 0, 20, 10);
        m_pLook->OnDrawBarBorder(canvas.DC(), &bar, rect);
        EXPECT_EQ(row.colour, canvas.Pixel(row.pt.x, row.pt.y));
        EXPECT_EQ(row.after, rect);
        EXPECT_EQ(RGB(9, 9, 9), ::GetBkColor(canvas.Handle())) << "background colour restored";
    }
}

TEST_F(BaseLookTest, SeparatorIsAnEtchedLineAcrossTheMiddle)
{
    Canvas across(10, 20, kPaper);
    m_pLook->OnDrawSeparator(across.DC(), nullptr, CRect(0, 0, 10, 20), TRUE);
    EXPECT_EQ(kShadow, across.Pixel(4, 10));
    EXPECT_EQ(kHilite, across.Pixel(5, 10));
    EXPECT_EQ(kPaper, across.Pixel(3, 10));
    EXPECT_EQ(kPaper, across.Pixel(6, 10));

    Canvas down(20, 10, kPaper);
    m_pLook->OnDrawSeparator(down.DC(), nullptr, CRect(0, 0, 20, 10), FALSE);
    EXPECT_EQ(kShadow, down.Pixel(10, 4));
    EXPECT_EQ(kHilite, down.Pixel(10, 5));
    EXPECT_EQ(kPaper, down.Pixel(10, 6));
}

TEST_F(BaseLookTest, StatusPaneBorderPerStyle)
{
    struct Row {
        UINT style;
        COLORREF topLeft;
        COLORREF bottomRight;
    };
    const Row rows[] = {
        {0, kShadow, kHilite},
        {kPaneStylePopOut, kHilite, kShadow},
        {kPaneStyleNoBorders, kPaper, kPaper},
        {kPaneStyleNoBorders | kPaneStylePopOut, kPaper, kPaper},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "style " << row.style);
        Canvas canvas(30, 12, kPaper);
        FakeStatusBar bar;
        m_pLook->OnDrawStatusBarPaneBorder(canvas.DC(), &bar, CRect(0, 0, 30, 12), 1, row.style);
        EXPECT_EQ(row.topLeft, canvas.Pixel(0, 5));
        EXPECT_EQ(row.topLeft, canvas.Pixel(10, 0));
        EXPECT_EQ(row.bottomRight, canvas.Pixel(29, 5));
        EXPECT_EQ(row.bottomRight, canvas.Pixel(10, 11));
    }
}

TEST_F(BaseLookTest, ProgressFillsItsShareOfThePaneAndNoMore)
{
    constexpr COLORREF kBar = RGB(0, 0, 200);
    struct Row {
        const char* name;
        int range;
        int position;
        int filledWidth;
    };
    const Row rows[] = {
        {"0 of 0", 0, 0, 0},
        {"50 of 200", 200, 50, 25},
        {"over the range", 200, 300, 100},
        {"below zero", 200, -20, 0},
        {"negative range", -5, 3, 0},
        {"a range whose product overflows 32 bits", INT_MAX, INT_MAX / 2, 49},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Canvas canvas(120, 10, kPaper);
        FakeStatusBar bar;
        m_pLook->OnDrawStatusBarProgress(canvas.DC(), &bar, CRect(10, 0, 110, 10), row.range, row.position, kBar,
                                         kWTKNoColor, kWTKNoColor, FALSE);
        EXPECT_EQ(row.filledWidth * 10, canvas.Count(kBar));
        EXPECT_EQ(0, canvas.Count(kBar, CRect(110, 0, 120, 10))) << "nothing past the pane";
        if (row.filledWidth > 0) {
            EXPECT_EQ(kBar, canvas.Pixel(10 + row.filledWidth - 1, 5));
        }
    }
}

TEST_F(BaseLookTest, ProgressTextLeavesTheCallersClipAndTextColour)
{
    Canvas canvas(120, 16, kPaper);
    FakeStatusBar bar;
    HRGN callerClip = ::CreateRectRgn(0, 0, 60, 16);
    ::SelectClipRgn(canvas.Handle(), callerClip);
    ::SetTextColor(canvas.Handle(), RGB(7, 7, 7));
    m_pLook->OnDrawStatusBarProgress(canvas.DC(), &bar, CRect(0, 0, 120, 16), 200, 50, RGB(0, 0, 200), kWTKNoColor,
                                     RGB(255, 255, 0), TRUE);
    HRGN after = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(1, ::GetClipRgn(canvas.Handle(), after));
    EXPECT_TRUE(::EqualRgn(after, callerClip));
    EXPECT_EQ(RGB(7, 7, 7), ::GetTextColor(canvas.Handle()));
    EXPECT_EQ(0, canvas.Count(RGB(0, 0, 200), CRect(60, 0, 120, 16))) << "the caller's clip held";
    ::DeleteObject(after);
    ::DeleteObject(callerClip);
}

// The percentage is printed centred over the whole pane: in the button text colour over the
// empty part and in the progress text colour over the filled part.
TEST_F(BaseLookTest, ProgressTextPrintsThePercentageInTwoColoursAcrossTheFill)
{
    constexpr COLORREF kBar = RGB(0, 0, 200);
    constexpr COLORREF kButtonText = RGB(90, 20, 20);
    constexpr COLORREF kFilledText = RGB(255, 255, 0);
    WTKGetGlobalData().clrBtnText = kButtonText;
    const CRect rect(0, 0, 120, 16);
    struct Row {
        int range;
        int position;
        const char* text;
    } rows[] = {{200, 50, "25%"}, {200, 100, "50%"}, {3, 2, "66%"}, {200, 200, "100%"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        Canvas canvas(rect.Width(), rect.Height(), kPaper);
        FakeStatusBar bar;
        m_pLook->OnDrawStatusBarProgress(canvas.DC(), &bar, rect, row.range, row.position, kBar, kWTKNoColor,
                                         kFilledText, TRUE);
        const int xFilled = rect.Width() * row.position / row.range;

        // The same text drawn alone in the same font, centred the same way.
        Canvas alone(rect.Width(), rect.Height(), kPaper);
        ::SetBkMode(alone.Handle(), TRANSPARENT);
        ::SetTextColor(alone.Handle(), kBlack);
        CRect rectText = rect;
        ::DrawTextA(alone.Handle(), row.text, -1, &rectText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        int nTextPixels = 0;
        for (int y = 0; y < rect.Height(); y++) {
            for (int x = 0; x < rect.Width(); x++) {
                if (alone.Pixel(x, y) != kBlack) {
                    EXPECT_EQ(canvas.Pixel(x, y), x < xFilled ? kBar : kPaper) << "no ink at " << x << "," << y;
                    continue;
                }
                nTextPixels++;
                EXPECT_EQ(canvas.Pixel(x, y), x < xFilled ? kFilledText : kButtonText) << "ink at " << x << "," << y;
            }
        }
        EXPECT_GT(nTextPixels, 20);
    }
}

TEST_F(BaseLookTest, ComboDropButtonStates)
{
    struct Row {
        const char* name;
        BOOL dropped;
        BOOL highlighted;
        POINT pt;
        COLORREF colour;
    };
    const Row rows[] = {
        {"plain: light frame all round", FALSE, FALSE, {13, 19}, kHilite},
        {"plain: face inside", FALSE, FALSE, {2, 2}, kFace},
        {"highlighted: raised", FALSE, TRUE, {13, 19}, kShadow},
        {"highlighted: raised, light top", FALSE, TRUE, {0, 0}, kHilite},
        {"dropped: moved and sunken", TRUE, FALSE, {1, 1}, kShadow},
        {"dropped: old corner stays light", TRUE, FALSE, {0, 0}, kHilite},
        {"dropped: sunken frame ends past the button", TRUE, FALSE, {14, 20}, kHilite},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Canvas canvas(16, 22, kPaper);
        m_pLook->OnDrawComboDropButton(canvas.DC(), CRect(0, 0, 14, 20), FALSE, row.dropped, row.highlighted, nullptr);
        EXPECT_EQ(row.colour, canvas.Pixel(row.pt.x, row.pt.y));
    }
}

TEST_F(BaseLookTest, CaptionButtonGlyphAndFrames)
{
    struct Row {
        const char* name;
        int hitCode;
        BOOL horz;
        BOOL expanded;
        BOOL disabled;
        BOOL pushedHot;
        int glyph;
    };
    const Row rows[] = {
        {"hide", kCaptionButtonHide, TRUE, TRUE, TRUE, FALSE, CWTKMenuGlyphs::kCloseSmall},
        {"horizontal", 9, TRUE, FALSE, FALSE, FALSE, CWTKMenuGlyphs::kArrowLeft},
        {"horizontal, expanded", 9, TRUE, TRUE, TRUE, FALSE, CWTKMenuGlyphs::kArrowRight},
        {"horizontal, alone in its row", 9, TRUE, FALSE, TRUE, FALSE, CWTKMenuGlyphs::kArrowRightDisabled},
        {"vertical", 9, FALSE, FALSE, FALSE, FALSE, CWTKMenuGlyphs::kArrowUp},
        {"vertical, expanded", 9, FALSE, TRUE, FALSE, FALSE, CWTKMenuGlyphs::kArrowDown},
        {"vertical, alone in its row", 9, FALSE, FALSE, TRUE, FALSE, CWTKMenuGlyphs::kArrowUpDisabled},
        {"hide, pushed and highlighted", kCaptionButtonHide, FALSE, FALSE, FALSE, TRUE, CWTKMenuGlyphs::kCloseSmall},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Canvas canvas(24, 24, kPaper);
        FakeCaptionButton button;
        button.hitCode = row.hitCode;
        button.position = CPoint(4, 4);
        button.pushed = button.highlighted = row.pushedHot;
        m_pLook->OnDrawCaptionButton(canvas.DC(), &button, row.horz, row.expanded, row.disabled);
        // The button is the glyph size + 5; the glyph sits 2 pixels in, 3 when pushed.
        const int offset = row.pushedHot ? 3 : 2;
        EXPECT_EQ(row.glyph, GlyphAt(canvas, CPoint(4 + offset, 4 + offset)));
        EXPECT_EQ(row.pushedHot ? kDkShadow : kLight, canvas.Pixel(4, 10)) << "outer frame, left";
        EXPECT_EQ(row.pushedHot ? kLight : kDkShadow, canvas.Pixel(17, 10)) << "outer frame, right";
        EXPECT_EQ(kPaper, canvas.Pixel(18, 10));
    }

    // The 2000 variant frames only a highlighted button, and never a disabled glyph.
    m_pLook->m_bLook2000 = TRUE;
    for (BOOL disabled : {FALSE, TRUE}) {
        Canvas canvas(24, 24, kPaper);
        FakeCaptionButton button;
        button.position = CPoint(4, 4);
        m_pLook->OnDrawCaptionButton(canvas.DC(), &button, FALSE, FALSE, disabled);
        EXPECT_EQ(kPaper, canvas.Pixel(4, 10)) << "not highlighted: frameless";
        button.highlighted = TRUE;
        m_pLook->OnDrawCaptionButton(canvas.DC(), &button, FALSE, FALSE, disabled);
        EXPECT_EQ(disabled ? kPaper : kHilite, canvas.Pixel(4, 10)) << "highlighted, disabled " << disabled;
    }
}

TEST_F(BaseLookTest, ComboDropButtonGlyph)
{
    struct Row {
        BOOL disabled;
        BOOL dropped;
        int glyph;
        int offset;
    };
    const Row rows[] = {
        {FALSE, FALSE, CWTKMenuGlyphs::kArrowDown, 0},
        {TRUE, FALSE, CWTKMenuGlyphs::kArrowDownDisabled, 0},
        {FALSE, TRUE, CWTKMenuGlyphs::kArrowDown, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "disabled " << row.disabled << ", dropped " << row.dropped);
        Canvas canvas(16, 22, kPaper);
        m_pLook->OnDrawComboDropButton(canvas.DC(), CRect(0, 0, 15, 21), row.disabled, row.dropped, FALSE, nullptr);
        // Centred plus one: (15 - 9) / 2 + 1 = 4 across, (21 - 9) / 2 + 1 = 7 down.
        Canvas glyphOnFace(16, 22, kFace);
        CWTKMenuGlyphs::Draw(glyphOnFace.DC(), row.glyph, CPoint(4 + row.offset, 7 + row.offset));
        for (int y = 7; y < 16; ++y)
            for (int x = 4; x < 13; ++x)
                ASSERT_EQ(glyphOnFace.Pixel(x + row.offset, y + row.offset),
                          canvas.Pixel(x + row.offset, y + row.offset))
                    << "at " << x << "," << y;
    }
}

TEST_F(BaseLookTest, ShowAllLineIsTheChevronCentred)
{
    Canvas canvas(50, 20, kPaper);
    EXPECT_EQ(CWTKMenuGlyphs::kGlyphSize + 6, m_pLook->GetShowAllMenuItemsHeight(canvas.DC(), CSize(0, 0)));
    m_pLook->OnDrawShowAllMenuItems(canvas.DC(), CRect(0, 0, 50, 15), kButtonStateNormal);
    EXPECT_EQ(CWTKMenuGlyphs::kChevronDown, GlyphAt(canvas, CPoint((50 - 9) / 2, (15 - 9) / 2)));
}

TEST_F(BaseLookTest, PushedButtonsSinkAndHighlightedButtonsRise)
{
    struct Row {
        const char* name;
        CWTKToolbarButtonInfo::Kind kind;
        int state;
        COLORREF topLeft;
        COLORREF bottomRight;
    };
    const Row rows[] = {
        {"normal", CWTKToolbarButtonInfo::kindPlain, kButtonStateNormal, kPaper, kPaper},
        {"pushed", CWTKToolbarButtonInfo::kindPlain, kButtonStatePushed, kShadow, kHilite},
        {"highlighted", CWTKToolbarButtonInfo::kindPlain, kButtonStateHighlighted, kHilite, kShadow},
        {"shortcut, highlighted", CWTKToolbarButtonInfo::kindShortcut, kButtonStateHighlighted, kHilite, kDkShadow},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Canvas canvas(20, 20, kPaper);
        FakeButton button;
        button.kind = row.kind;
        m_pLook->OnDrawButtonBorder(canvas.DC(), &button, CRect(0, 0, 20, 20), row.state);
        EXPECT_EQ(row.topLeft, canvas.Pixel(0, 10));
        EXPECT_EQ(row.bottomRight, canvas.Pixel(19, 10));
    }

    // A menu button in the flat menu look is asked for its own border first.
    FakeMenuButton menuButton;
    Canvas canvas(20, 20, kPaper);
    m_pLook->OnDrawMenuButtonBorder(canvas.DC(), &menuButton, CRect(0, 0, 20, 20), kButtonStatePushed, TRUE);
    EXPECT_EQ(0, menuButton.ownBorderCalls);
    EXPECT_EQ(kShadow, canvas.Pixel(0, 10));
    m_pLook->m_bMenuFlatLook = TRUE;
    menuButton.drawsOwnBorder = TRUE;
    canvas.Fill(kPaper);
    m_pLook->OnDrawMenuButtonBorder(canvas.DC(), &menuButton, CRect(0, 0, 20, 20), kButtonStatePushed, TRUE);
    EXPECT_EQ(1, menuButton.ownBorderCalls);
    EXPECT_EQ(kPaper, canvas.Pixel(0, 10)) << "the button drew it";
}

TEST_F(BaseLookTest, CheckedButtonsGetTheLightFillInsideTheMargins)
{
    Canvas light(1, 1, kPaper);
    FillLightRect(light.DC(), CRect(0, 0, 1, 1));
    const COLORREF clrLight = light.Pixel(0, 0);

    struct Row {
        const char* name;
        UINT style;
        int state;
        BOOL customizing;
        CWTKToolbarButtonInfo::Kind kind;
        int lightPixels;
    };
    const Row rows[] = {
        {"checked", TBBS_CHECKED, kButtonStateNormal, FALSE, CWTKToolbarButtonInfo::kindPlain, 16 * 12},
        {"indeterminate, pushed", TBBS_INDETERMINATE, kButtonStatePushed, FALSE, CWTKToolbarButtonInfo::kindPlain,
         16 * 12},
        {"checked, highlighted", TBBS_CHECKED, kButtonStateHighlighted, FALSE, CWTKToolbarButtonInfo::kindPlain, 0},
        {"checked, customising", TBBS_CHECKED, kButtonStateNormal, TRUE, CWTKToolbarButtonInfo::kindPlain, 0},
        {"unchecked", 0, kButtonStateNormal, FALSE, CWTKToolbarButtonInfo::kindPlain, 0},
        {"shortcut button", TBBS_CHECKED, kButtonStateNormal, FALSE, CWTKToolbarButtonInfo::kindShortcut, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Canvas canvas(20, 20, kPaper);
        FakeToolBar toolBar;
        toolBar.margins = CSize(2, 4);
        toolBar.customizing = row.customizing;
        FakeButton button;
        button.style = row.style;
        button.kind = row.kind;
        button.toolBar = &toolBar;
        m_pLook->OnFillButtonInterior(canvas.DC(), &button, CRect(0, 0, 20, 20), row.state);
        EXPECT_EQ(row.lightPixels, canvas.Count(clrLight));
        EXPECT_EQ(kPaper, canvas.Pixel(1, 10)) << "the margin stays";
    }
}

TEST_F(BaseLookTest, ButtonTextColour)
{
    const COLORREF grey = WTKGetGlobalData().clrGrayedText;
    struct Row {
        const char* name;
        CWTKToolbarButtonInfo::Kind kind;
        UINT style;
        BOOL customizing;
        BOOL enabledInCustomize;
        int state;
        COLORREF expected;
    };
    const Row rows[] = {
        {"plain", CWTKToolbarButtonInfo::kindPlain, 0, FALSE, TRUE, kButtonStateNormal, kBarText},
        {"highlighted: the toolbar's colour", CWTKToolbarButtonInfo::kindPlain, 0, FALSE, TRUE, kButtonStateHighlighted,
         RGB(1, 2, 3)},
        {"disabled", CWTKToolbarButtonInfo::kindPlain, TBBS_DISABLED, FALSE, TRUE, kButtonStateHighlighted, grey},
        {"customising, shown disabled", CWTKToolbarButtonInfo::kindPlain, 0, TRUE, FALSE, kButtonStateNormal, grey},
        {"customising, shown enabled", CWTKToolbarButtonInfo::kindPlain, 0, TRUE, TRUE, kButtonStateNormal, kBarText},
        {"not customising: its own rule is not asked", CWTKToolbarButtonInfo::kindPlain, 0, FALSE, FALSE,
         kButtonStateNormal, kBarText},
        {"shortcut", CWTKToolbarButtonInfo::kindShortcut, 0, FALSE, TRUE, kButtonStateNormal,
         ::GetSysColor(COLOR_WINDOW)},
        {"shortcut, disabled", CWTKToolbarButtonInfo::kindShortcut, TBBS_DISABLED, FALSE, TRUE, kButtonStateNormal,
         ::GetSysColor(COLOR_BTNFACE)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeToolBar toolBar;
        toolBar.customizing = row.customizing;
        FakeButton button;
        button.kind = row.kind;
        button.style = row.style;
        button.enabledInCustomize = row.enabledInCustomize;
        button.toolBar = &toolBar;
        EXPECT_EQ(row.expected, m_pLook->GetToolbarButtonTextColor(&button, row.state));
    }
}

TEST_F(BaseLookTest, BarBackgroundByKindOfBar)
{
    Canvas canvas(20, 10, kPaper);
    FakeCaptionBar caption;
    m_pLook->OnFillBarBackground(canvas.DC(), &caption, CRect(0, 0, 20, 10), CRect(), FALSE);
    EXPECT_EQ(200, canvas.Count(kShadow)) << "a caption bar without a colour";
    caption.background = RGB(0, 90, 90);
    m_pLook->OnFillBarBackground(canvas.DC(), &caption, CRect(0, 0, 20, 10), CRect(), FALSE);
    EXPECT_EQ(200, canvas.Count(RGB(0, 90, 90)));

    FakeBar bar;
    canvas.Fill(kPaper);
    m_pLook->OnFillBarBackground(canvas.DC(), &bar, CRect(0, 0, 20, 10), CRect(0, 0, 5, 10), FALSE);
    EXPECT_EQ(50, canvas.Count(kFace)) << "the clip rectangle only";
    m_pLook->OnFillBarBackground(canvas.DC(), &bar, CRect(0, 0, 20, 10), CRect(), FALSE);
    EXPECT_EQ(200, canvas.Count(kFace)) << "the client rectangle when the clip is empty";
}

TEST_F(BaseLookTest, SizeBoxGripStaysInItsBox)
{
    for (BOOL rtl : {FALSE, TRUE}) {
        SCOPED_TRACE(testing::Message() << "right to left " << rtl);
        Canvas canvas(40, 40, kPaper);
        ::SetTextAlign(canvas.Handle(), TA_LEFT | TA_TOP);
        FakeStatusBar bar;
        bar.rtl = rtl;
        // The grip lies at the bottom right of its box; the box's top left stays paper.
        const CRect box(20, 20, 36, 36);
        m_pLook->OnDrawStatusBarSizeBox(canvas.DC(), &bar, box);
        const int boxPixels = box.Width() * box.Height();
        EXPECT_GT(boxPixels - canvas.Count(kPaper, box), 4) << "the grip is drawn";
        EXPECT_EQ(40 * 40 - boxPixels, canvas.Count(kPaper) - canvas.Count(kPaper, box)) << "nothing outside the box";
        EXPECT_EQ(static_cast<UINT>(TA_LEFT | TA_TOP), ::GetTextAlign(canvas.Handle())) << "alignment restored";
    }
}

TEST_F(BaseLookTest, ThreeDimensionalTabsBelowThePage)
{
    constexpr COLORREF kTabColour = RGB(0, 150, 150);
    FakeTabWindow tabs;
    tabs.tabs = {{CRect(10, 10, 50, 30), kTabColour, kWTKNoColor, ""},
                 {CRect(50, 10, 90, 30), kTabColour, kWTKNoColor, ""}};
    tabs.active = 1;
    Canvas canvas(100, 40, kPaper);

    // An inactive tab is filled with its colour inside its edges and is 2 pixels shorter.
    EXPECT_EQ(kWTKNoColor, m_pLook->OnDrawTab(canvas.DC(), tabs.tabs[0].rect, 0, FALSE, &tabs));
    EXPECT_EQ(kTabColour, canvas.Pixel(30, 20));
    EXPECT_EQ(kHilite, canvas.Pixel(10, 20)) << "light left edge";
    EXPECT_EQ(kBlack, canvas.Pixel(30, 28)) << "dark bottom edge, 2 pixels up";
    EXPECT_EQ(kPaper, canvas.Pixel(30, 29));

    // The active tab keeps the face colour and is joined to the page above it.
    m_pLook->OnDrawTab(canvas.DC(), tabs.tabs[1].rect, 1, TRUE, &tabs);
    EXPECT_EQ(kPaper, canvas.Pixel(70, 20)) << "the active tab is not filled here";
    EXPECT_EQ(kBlack, canvas.Pixel(70, 30)) << "full height";
    EXPECT_EQ(kFace, canvas.Pixel(70, 8)) << "the join strip";
    EXPECT_EQ(kFace, canvas.Pixel(50, 7));
}

TEST_F(BaseLookTest, SlantedTabTooShortIsSkippedWithoutAColour)
{
    FakeTabWindow tabs;
    tabs.slanted = TRUE;
    tabs.top = FALSE;
    tabs.tabs = {{CRect(0, 0, 60, 20), RGB(0, 120, 200), RGB(200, 0, 0), "One"},
                 {CRect(50, 0, 70, 20), RGB(0, 120, 200), RGB(200, 0, 0), "Two"}};
    Canvas canvas(100, 24, kPaper);
    ::SetTextColor(canvas.Handle(), RGB(7, 7, 7));

    // An inactive tab needs its slant (20) and 10 pixels more: the second one is 20 wide.
    EXPECT_EQ(kWTKNoColor, m_pLook->OnDrawTab(canvas.DC(), tabs.tabs[1].rect, 1, FALSE, &tabs));
    EXPECT_EQ(100 * 24, canvas.Count(kPaper)) << "nothing drawn";

    // A tab that fits draws itself and answers the text colour it replaced.
    EXPECT_EQ(RGB(7, 7, 7), m_pLook->OnDrawTab(canvas.DC(), tabs.tabs[0].rect, 0, FALSE, &tabs));
    EXPECT_GT(canvas.Count(RGB(0, 120, 200)), 400);
    EXPECT_EQ(RGB(7, 7, 7), ::GetTextColor(canvas.Handle()));

    // Cut at the client right: nothing of it past that edge.
    tabs.clientRight = 40;
    canvas.Fill(kPaper);
    m_pLook->OnDrawTab(canvas.DC(), tabs.tabs[0].rect, 0, TRUE, &tabs);
    EXPECT_EQ(0, canvas.Count(RGB(0, 120, 200), CRect(41, 0, 100, 24)));
}

// The base look in the system colours, for a person: a docked toolbar with its buttons in each
// state, a vertical bar, a popup menu strip, a sizing bar caption, a status bar and tabs.
TEST(BaseLookGallery, SavesAPicture)
{
    CWTKVisualManager::SetDefaultManager(nullptr);
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    WTKGlobalData& data = WTKGetGlobalData();
    data.UpdateSysColors();

    Canvas canvas(420, 260, ::GetSysColor(COLOR_APPWORKSPACE));
    CDC* pDC = canvas.DC();
    CFont* pOldFont = pDC->SelectObject(&data.fontRegular);
    pDC->SetBkMode(TRANSPARENT);

    // A docked horizontal toolbar.
    FakeToolBar toolBar;
    toolBar.style = kBarStyleBorderAny | kBarStyleBorder3D;
    toolBar.margins = CSize(1, 1);
    CRect rectBar(4, 4, 300, 34);
    pLook->OnFillBarBackground(pDC, &toolBar, rectBar, CRect(), TRUE);
    pLook->OnDrawBarBorder(pDC, &toolBar, rectBar);
    pLook->OnDrawBarGripper(pDC, CRect(rectBar.left, rectBar.top, rectBar.left + 10, rectBar.bottom), TRUE, &toolBar);
    const int states[] = {kButtonStateNormal, kButtonStateHighlighted, kButtonStatePushed, kButtonStateNormal};
    const UINT styles[] = {0, 0, TBBS_PRESSED, TBBS_CHECKED};
    const char* labels[] = {"N", "H", "P", "C"};
    int x = rectBar.left + 12;
    for (int i = 0; i < 4; ++i) {
        FakeButton button;
        button.style = styles[i];
        button.toolBar = &toolBar;
        const CRect rectButton(x, rectBar.top + 2, x + 23, rectBar.top + 24);
        pLook->OnFillButtonInterior(pDC, &button, rectButton, states[i]);
        pLook->OnDrawButtonBorder(pDC, &button, rectButton,
                                  styles[i] & (TBBS_PRESSED | TBBS_CHECKED) ? kButtonStatePushed : states[i]);
        pDC->SetTextColor(pLook->GetToolbarButtonTextColor(&button, states[i]));
        CRect rectText = rectButton;
        pDC->DrawText(labels[i], -1, rectText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        x += 24;
    }
    pLook->OnDrawSeparator(pDC, &toolBar, CRect(x, rectBar.top + 2, x + 8, rectBar.top + 24), TRUE);
    x += 10;
    FakeButton disabled;
    disabled.style = TBBS_DISABLED;
    pDC->SetTextColor(pLook->GetToolbarButtonTextColor(&disabled, kButtonStateNormal));
    CRect rectDisabled(x, rectBar.top + 2, x + 23, rectBar.top + 24);
    pDC->DrawText("D", -1, rectDisabled, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    x += 28;
    for (int i = 0; i < 3; ++i) {
        const CRect rectCombo(x, rectBar.top + 3, x + 60, rectBar.top + 23);
        pDC->FillSolidRect(rectCombo, data.clrWindow);
        pLook->OnDrawComboBorder(pDC, rectCombo, FALSE, i == 2, i == 1, nullptr);
        pLook->OnDrawComboDropButton(
            pDC, CRect(rectCombo.right - 14, rectCombo.top + 2, rectCombo.right - 2, rectCombo.bottom - 2), FALSE,
            i == 2, i == 1, nullptr);
        x += 64;
        if (x > 250)
            break;
    }

    // A vertical toolbar.
    FakeToolBar vertical;
    vertical.style = kBarStyleBorderAny;
    CRect rectVert(4, 40, 34, 200);
    pLook->OnFillBarBackground(pDC, &vertical, rectVert, CRect(), TRUE);
    pLook->OnDrawBarBorder(pDC, &vertical, rectVert);
    pLook->OnDrawBarGripper(pDC, CRect(rectVert.left, rectVert.top, rectVert.right, rectVert.top + 10), FALSE,
                            &vertical);
    for (int i = 0; i < 3; ++i) {
        FakeButton button;
        button.toolBar = &vertical;
        const CRect rectButton(rectVert.left + 2, rectVert.top + 12 + i * 24, rectVert.left + 25,
                               rectVert.top + 34 + i * 24);
        pLook->OnDrawButtonBorder(pDC, &button, rectButton, states[i]);
    }
    pLook->OnDrawSeparator(pDC, &vertical,
                           CRect(rectVert.left + 2, rectVert.top + 84, rectVert.right - 2, rectVert.top + 92), FALSE);

    // A popup menu strip: border, an item, the highlighted item with a checked image, rarely
    // used items and the show-all line.
    CRect rectMenu(44, 44, 184, 170);
    pDC->FillRect(rectMenu, &data.brBarFace);
    pLook->OnDrawMenuBorder(pDC, nullptr, rectMenu);
    pDC->SetTextColor(data.clrBarText);
    CRect rectItem(rectMenu.left + 3, rectMenu.top + 4, rectMenu.right - 3, rectMenu.top + 24);
    CRect rectText(rectItem.left + 28, rectItem.top, rectItem.right, rectItem.bottom);
    pDC->DrawText("Open", -1, rectText, DT_VCENTER | DT_SINGLELINE);
    rectItem.OffsetRect(0, 22);
    COLORREF clrText = data.clrTextHilite;
    pLook->OnHighlightMenuItem(pDC, nullptr, nullptr, rectItem, clrText);
    const COLORREF clrCheck = pLook->OnFillCheckedImageBackground(
        pDC, CRect(rectItem.left + 2, rectItem.top + 1, rectItem.left + 22, rectItem.bottom - 1), TRUE);
    pDC->SetTextColor(clrCheck);
    CRect rectMark(rectItem.left + 2, rectItem.top, rectItem.left + 22, rectItem.bottom);
    pDC->DrawText("v", -1, rectMark, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SetTextColor(clrText);
    rectText = CRect(rectItem.left + 28, rectItem.top, rectItem.right, rectItem.bottom);
    pDC->DrawText("Highlighted", -1, rectText, DT_VCENTER | DT_SINGLELINE);
    rectItem.OffsetRect(0, 22);
    pLook->OnFillCheckedImageBackground(
        pDC, CRect(rectItem.left + 2, rectItem.top + 1, rectItem.left + 22, rectItem.bottom - 1), FALSE);
    pDC->SetTextColor(data.clrBarText);
    rectText = CRect(rectItem.left + 28, rectItem.top, rectItem.right, rectItem.bottom);
    pDC->DrawText("Checked", -1, rectText, DT_VCENTER | DT_SINGLELINE);
    rectItem.OffsetRect(0, 22);
    CRect rectRare(rectItem.left, rectItem.top, rectItem.right, rectItem.bottom + 10);
    pLook->OnHighlightRarelyUsedMenuItems(pDC, rectRare);
    rectText = CRect(rectItem.left + 28, rectItem.top, rectItem.right, rectItem.bottom);
    pDC->DrawText("Rarely used", -1, rectText, DT_VCENTER | DT_SINGLELINE);
    const int nShowAll = pLook->GetShowAllMenuItemsHeight(pDC, CSize(0, 0));
    pLook->OnDrawShowAllMenuItems(
        pDC, CRect(rectMenu.left + 3, rectMenu.bottom - 3 - nShowAll, rectMenu.right - 3, rectMenu.bottom - 3), 0);

    // A sizing bar caption: gripper and the hide and expand buttons (normal, highlighted, pushed).
    FakeBar sizingBar;
    CRect rectCaption(194, 44, 414, 64);
    pDC->FillRect(rectCaption, &data.brBarFace);
    pLook->OnDrawBarGripper(pDC, CRect(rectCaption.left, rectCaption.top, rectCaption.left + 120, rectCaption.bottom),
                            FALSE, &sizingBar);
    for (int i = 0; i < 3; ++i) {
        FakeCaptionButton hide;
        hide.hitCode = kCaptionButtonHide;
        hide.position = CPoint(rectCaption.left + 124 + i * 32, rectCaption.top + 3);
        hide.highlighted = i >= 1;
        hide.pushed = i == 2;
        pLook->OnDrawCaptionButton(pDC, &hide, FALSE, FALSE, FALSE);
        FakeCaptionButton expand;
        expand.position = CPoint(hide.position.x + 15, rectCaption.top + 3);
        expand.highlighted = i >= 1;
        expand.pushed = i == 2;
        pLook->OnDrawCaptionButton(pDC, &expand, FALSE, FALSE, FALSE);
    }

    // Tabs below a page, the second active; slanted tabs beside them.
    FakeTabWindow tabs;
    tabs.tabs = {{CRect(194, 80, 244, 98), kWTKNoColor, kWTKNoColor, "First"},
                 {CRect(244, 80, 294, 98), kWTKNoColor, kWTKNoColor, "Second"},
                 {CRect(294, 80, 344, 98), kWTKNoColor, kWTKNoColor, "Third"}};
    tabs.active = 1;
    pLook->OnEraseTabsArea(pDC, CRect(194, 78, 414, 100), &tabs);
    pDC->SetTextColor(data.clrBarText);
    for (int i = 0; i < 3; ++i)
        if (i != tabs.active)
            pLook->OnDrawTab(pDC, tabs.tabs[i].rect, i, FALSE, &tabs);
    pLook->OnDrawTab(pDC, tabs.tabs[1].rect, 1, TRUE, &tabs);

    FakeTabWindow slanted;
    slanted.slanted = TRUE;
    slanted.clientRight = 414;
    slanted.tabs = {{CRect(194, 110, 274, 128), RGB(255, 230, 150), kWTKNoColor, "Sheet1"},
                    {CRect(254, 110, 334, 128), RGB(190, 220, 255), kWTKNoColor, "Sheet2"},
                    {CRect(314, 110, 394, 128), kWTKNoColor, kWTKNoColor, "Sheet3"}};
    slanted.active = 0;
    pLook->OnEraseTabsArea(pDC, CRect(194, 106, 414, 130), &slanted);
    for (int i = 2; i >= 1; --i)
        pLook->OnDrawTab(pDC, slanted.tabs[i].rect, i, FALSE, &slanted);
    pLook->OnDrawTab(pDC, slanted.tabs[0].rect, 0, TRUE, &slanted);

    // A status bar: a sunken pane, a pop-out pane, progress and the size box.
    FakeStatusBar statusBar;
    CRect rectStatus(44, 230, 414, 252);
    pDC->FillRect(rectStatus, &data.brBarFace);
    pLook->OnDrawStatusBarPaneBorder(pDC, &statusBar, CRect(46, 232, 146, 250), 0, 0);
    pLook->OnDrawStatusBarPaneBorder(pDC, &statusBar, CRect(150, 232, 200, 250), 1, kPaneStylePopOut);
    pLook->OnDrawStatusBarPaneBorder(pDC, &statusBar, CRect(204, 232, 390, 250), 2, 0);
    pLook->OnDrawStatusBarProgress(pDC, &statusBar, CRect(206, 234, 388, 248), 200, 50, data.clrHilite, kWTKNoColor,
                                   kWTKNoColor, TRUE);
    pLook->OnDrawStatusBarSizeBox(pDC, &statusBar, CRect(394, 234, 414, 252));

    // The caption button, tear-off caption and edit border.
    pLook->OnDrawTearOffCaption(pDC, CRect(194, 140, 414, 150), TRUE);
    CRect rectEdit(194, 160, 300, 180);
    pDC->FillSolidRect(rectEdit, data.clrWindow);
    pLook->OnDrawEditBorder(pDC, rectEdit, FALSE, TRUE, nullptr);
    pLook->OnDrawExpandingBox(pDC, CRect(310, 162, 321, 173), FALSE, data.clrBtnShadow);
    pLook->OnDrawExpandingBox(pDC, CRect(326, 162, 337, 173), TRUE, data.clrBtnShadow);
    pLook->OnDrawMenuSystemButton(pDC, CRect(350, 160, 366, 174), SC_MINIMIZE, 0, FALSE);
    pLook->OnDrawMenuSystemButton(pDC, CRect(368, 160, 384, 174), SC_RESTORE, 0, FALSE);
    pLook->OnDrawMenuSystemButton(pDC, CRect(386, 160, 402, 174), SC_CLOSE, TBBS_PRESSED, TRUE);

    pDC->SelectObject(pOldFont);
    const std::string folder = ScreenshotFolder();
    EXPECT_TRUE(canvas.WritePng(folder + "\\base_look_gallery.png"));
}

}  // namespace
