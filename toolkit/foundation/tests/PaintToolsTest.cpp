#include "foundation/WTKGlobalData.h"
#include "foundation/WTKPaintTools.h"

#include "Canvas.h"
#include "Files.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

constexpr COLORREF kPaintSentinel = RGB(1, 2, 3);

int EightBitScreen()
{
    return 8;
}

// Fills a canvas with a pattern so that an effect's writes outside its rectangle show.
void Stripes(Canvas& canvas)
{
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x)
            ::SetPixelV(canvas.Handle(), x, y, RGB(x * 8 % 256, y * 8 % 256, 100));
    }
}

bool SameOutside(const Canvas& a, const Canvas& b, const RECT& inside)
{
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            const POINT pt {x, y};
            if (!::PtInRect(&inside, pt) && a.Pixel(x, y) != b.Pixel(x, y))
                return false;
        }
    }
    return true;
}

void CopyCanvas(const Canvas& from, Canvas& to)
{
    ::BitBlt(to.Handle(), 0, 0, from.Width(), from.Height(), from.Handle(), 0, 0, SRCCOPY);
}

TEST(PaintToolsTest, HighlightRect)
{
    const WTKGlobalData& data = WTKGetGlobalData();
    const COLORREF hilite = data.clrBtnHilite;
    const COLORREF grey = RGB(100, 60, 20);
    auto halfway = [](int c, int h) {
        return c + (h - c) / 2;
    };
    const struct {
        const char* name;
        int percent;
        COLORREF before;
        COLORREF after;
    } rows[] = {
        {"100 % leaves it", 100, grey, grey},
        {"-1 goes halfway to the highlight", -1, grey,
         RGB(halfway(100, GetRValue(hilite)), halfway(60, GetGValue(hilite)), halfway(20, GetBValue(hilite)))},
        {"black at 130 %", 130, RGB(0, 0, 0), RGB(76, 76, 76)},
        {"darker at 50 %", 50, grey, RGB(50, 30, 10)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Canvas canvas(20, 20, kPaintSentinel);
        RECT area {4, 5, 13, 16};  // odd sizes
        CBrush brush(row.before);
        ::FillRect(canvas.Handle(), &area, brush);
        CWTKPaintTools tools(canvas.DC());
        EXPECT_TRUE(tools.HighlightRect(area, row.percent));
        EXPECT_EQ(canvas.Count(row.after, area), 9 * 11);
        EXPECT_EQ(canvas.Count(kPaintSentinel), 400 - 9 * 11);
    }

    // A transparent colour stays as it is.
    Canvas canvas(10, 10, RGB(0, 0, 0));
    ::SetPixelV(canvas.Handle(), 3, 3, kPaintSentinel);
    CWTKPaintTools tools(canvas.DC());
    EXPECT_TRUE(tools.HighlightRect(RECT {0, 0, 10, 10}, 130, kPaintSentinel));
    EXPECT_EQ(canvas.Pixel(3, 3), kPaintSentinel);
    EXPECT_EQ(canvas.Count(RGB(76, 76, 76)), 99);
}

TEST(PaintToolsTest, GrayRectTurnsPixelsIntoTheirLightness)
{
    Canvas canvas(8, 8, RGB(255, 0, 0));
    CWTKPaintTools tools(canvas.DC());
    EXPECT_TRUE(tools.GrayRect(RECT {0, 0, 8, 4}, 100));
    EXPECT_EQ(canvas.Pixel(0, 0), RGB(127, 127, 127));
    EXPECT_EQ(canvas.Pixel(7, 4), RGB(255, 0, 0));
    EXPECT_TRUE(tools.GrayRect(RECT {0, 4, 8, 8}, 50));
    EXPECT_EQ(canvas.Pixel(0, 7), RGB(64, 64, 64));
}

TEST(PaintToolsTest, EmptyAndDegenerateRectanglesTouchNothing)
{
    Canvas canvas(16, 16);
    Stripes(canvas);
    Canvas before(16, 16);
    CopyCanvas(canvas, before);
    CWTKPaintTools tools(canvas.DC());
    const RECT rects[] = {{5, 5, 5, 9}, {5, 5, 9, 5}, {9, 9, 5, 5}, {0, 0, 0, 0}};
    for (const RECT& rect : rects) {
        EXPECT_TRUE(tools.HighlightRect(rect, 50));
        EXPECT_TRUE(tools.GrayRect(rect, 50));
        tools.FillGradient(rect, kRed, kBlue, FALSE);
        tools.FillGradientAngle(rect, kRed, kBlue, 45);
        EXPECT_FALSE(tools.DrawRoundGradient(rect, kRed, kBlue, kBlack, 0, 3, kGreen));
        EXPECT_TRUE(tools.DrawShadow(rect, 2, 100, 50, nullptr, nullptr, TRUE));
    }
    // Too small for a round shape: 4 pixels or less either way.
    EXPECT_FALSE(tools.DrawRoundGradient(RECT {0, 0, 4, 10}, kRed, kBlue, kBlack, 0, 3, kGreen));
    EXPECT_FALSE(tools.DrawRoundGradient(RECT {0, 0, 10, 1}, kRed, kBlue, kBlack, 0, 3, kGreen));
    EXPECT_TRUE(canvas.SamePixels(before));
}

TEST(PaintToolsTest, LowColourScreenFillsWithTheLightBrush)
{
    WTKGlobalDataSources sources;
    sources.screenBitsPerPixel = EightBitScreen;
    const WTKGlobalDataSources previous = WTKSetGlobalDataSources(sources);
    WTKGetGlobalData().UpdateSysColors();

    Canvas canvas(8, 8, kPaintSentinel);
    CWTKPaintTools tools(canvas.DC());
    EXPECT_TRUE(tools.HighlightRect(RECT {0, 0, 8, 8}, 50));
    const COLORREF face = WTKGetGlobalData().clrBtnFace;
    const COLORREF hilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(canvas.Count(face) + canvas.Count(hilite), 64);
    EXPECT_NE(canvas.Pixel(0, 0), canvas.Pixel(1, 0));

    WTKSetGlobalDataSources(previous);
    WTKGetGlobalData().UpdateSysColors();
}

TEST(PaintToolsTest, FillGradientDrawsNoEmptyBandAndRunsFromStartToFinish)
{
    const COLORREF start = RGB(0, 0, 0);
    const COLORREF finish = RGB(252, 128, 64);
    for (int size : {1, 2, 7, 10, 63, 64, 101}) {
        SCOPED_TRACE(size);
        for (BOOL vertical : {FALSE, TRUE}) {
            Canvas canvas(size + 4, size + 4, kPaintSentinel);
            const RECT area {2, 2, 2 + size, 2 + size};
            CWTKPaintTools tools(canvas.DC());
            tools.FillGradient(area, start, finish, vertical);
            EXPECT_EQ(canvas.Count(kPaintSentinel, area), 0) << "a pixel left unpainted";
            EXPECT_EQ(canvas.Count(kPaintSentinel), (size + 4) * (size + 4) - size * size) << "painted outside";
            std::set<COLORREF> colours;
            for (int i = 0; i < size; ++i)
                colours.insert(vertical ? canvas.Pixel(2, 2 + i) : canvas.Pixel(2 + i, 2));
            EXPECT_LE(static_cast<int>(colours.size()), std::min(size, 64));
            // Left (or bottom) is the start; the far end is one step short of the finish.
            const COLORREF first = vertical ? canvas.Pixel(2, 1 + size) : canvas.Pixel(2, 2);
            const COLORREF last = vertical ? canvas.Pixel(2, 2) : canvas.Pixel(1 + size, 2);
            if (size >= 64) {
                EXPECT_EQ(first, start);
            }
            EXPECT_EQ(last, RGB(252 * 63 / 64, 128 * 63 / 64, 64 * 63 / 64));
        }
    }
}

TEST(PaintToolsTest, FillGradientAngle)
{
    const COLORREF start = RGB(255, 0, 0);
    const COLORREF finish = RGB(0, 0, 255);
    const RECT area {3, 3, 83, 43};
    const struct {
        int angle;
        COLORREF first;
        COLORREF second;
        BOOL vertical;
    } rows[] = {{180, finish, start, FALSE},
                {270, finish, start, TRUE},
                {360, start, finish, FALSE},
                {90, start, finish, TRUE}};
    for (const auto& row : rows) {
        Canvas byAngle(90, 50, kPaintSentinel);
        Canvas direct(90, 50, kPaintSentinel);
        CWTKPaintTools(byAngle.DC()).FillGradientAngle(area, start, finish, row.angle);
        CWTKPaintTools(direct.DC()).FillGradient(area, row.first, row.second, row.vertical);
        EXPECT_TRUE(byAngle.SamePixels(direct)) << row.angle;
    }

    for (int angle : {45, 135, 30, 300}) {
        SCOPED_TRACE(angle);
        Canvas canvas(90, 50, kPaintSentinel);
        CWTKPaintTools(canvas.DC()).FillGradientAngle(area, start, finish, angle);
        EXPECT_EQ(canvas.Count(kPaintSentinel, area), 0) << "a pixel left unpainted";
        EXPECT_EQ(canvas.Count(kPaintSentinel), 90 * 50 - 80 * 40) << "painted outside";
        // The red end and the blue end lie on opposite sides.
        const COLORREF left = canvas.Pixel(3, 23);
        const COLORREF right = canvas.Pixel(82, 23);
        EXPECT_GT(GetRValue(left), GetRValue(right));
    }
}

TEST(PaintToolsTest, DrawRoundGradientStaysInsideWhateverTheRings)
{
    const COLORREF outline = RGB(0, 0, 0);
    const COLORREF fill = RGB(0, 200, 0);
    for (const RECT& area : {RECT {5, 5, 10, 10}, RECT {5, 5, 16, 16}, RECT {5, 5, 30, 14}, RECT {5, 5, 14, 31}}) {
        for (int rings : {1, 3, 1000}) {
            Canvas canvas(40, 40);
            Stripes(canvas);
            Canvas before(40, 40);
            CopyCanvas(canvas, before);
            CWTKPaintTools tools(canvas.DC());
            EXPECT_TRUE(tools.DrawRoundGradient(area, RGB(255, 0, 0), RGB(0, 0, 255), outline, 0, rings, fill));
            EXPECT_TRUE(SameOutside(canvas, before, area)) << area.right << "x" << area.bottom << " rings " << rings;
            // The outline runs along the straight part without a gap.
            const int width = area.right - area.left;
            const int height = area.bottom - area.top;
            if (width >= height) {
                for (int x = area.left + height / 2; x < area.right - height / 2; ++x)
                    EXPECT_EQ(canvas.Pixel(x, area.top), outline) << x;
            } else {
                for (int y = area.top + width / 2; y < area.bottom - width / 2; ++y)
                    EXPECT_EQ(canvas.Pixel(area.left, y), outline) << y;
            }
        }
    }

    // Colour 1 at the start angle (0: the right), colour 2 opposite, on the ring inside the outline.
    Canvas canvas(21, 21, kPaintSentinel);
    CWTKPaintTools tools(canvas.DC());
    EXPECT_TRUE(
        tools.DrawRoundGradient(RECT {0, 0, 21, 21}, RGB(255, 0, 0), RGB(0, 0, 255), outline, 0, 2, kWTKNoColor));
    EXPECT_EQ(canvas.Pixel(19, 10), RGB(255, 0, 0));
    // Several degrees meet in one pixel this close to the centre: nearly colour 2.
    EXPECT_LT(GetRValue(canvas.Pixel(1, 10)), 16);
    EXPECT_GT(GetBValue(canvas.Pixel(1, 10)), 239);
    EXPECT_EQ(canvas.Pixel(20, 10), outline);
    EXPECT_EQ(canvas.Pixel(10, 10), kPaintSentinel);  // no fill asked
}

TEST(PaintToolsTest, DrawShadowGradesFromDarkToLight)
{
    const RECT area {10, 10, 40, 30};
    const COLORREF back = RGB(200, 200, 200);
    const struct {
        BOOL right;
        int edgeX;   // column next to the rectangle
        int outerX;  // outermost column
    } rows[] = {{TRUE, 40, 43}, {FALSE, 9, 6}};
    for (const auto& row : rows) {
        Canvas canvas(60, 50, back);
        CWTKPaintTools tools(canvas.DC());
        EXPECT_TRUE(tools.DrawShadow(area, 4, 100, 50, nullptr, nullptr, row.right));
        // Step (50 - 100) / 4 = -12: 50 % next to the rectangle, 86 % at the outer edge.
        EXPECT_EQ(canvas.Pixel(row.edgeX, 20), RGB(100, 100, 100));
        EXPECT_EQ(canvas.Pixel(row.outerX, 20), RGB(172, 172, 172));
        EXPECT_EQ(canvas.Pixel(row.edgeX, 11), back) << "the band starts one depth down";
        EXPECT_EQ(canvas.Pixel(25, 30), RGB(100, 100, 100));
        EXPECT_EQ(canvas.Pixel(25, 33), RGB(172, 172, 172));
        EXPECT_EQ(canvas.Pixel(25, 34), back);
        EXPECT_EQ(canvas.Pixel(25, 20), back) << "the rectangle itself";
        EXPECT_EQ(canvas.Pixel(row.right ? 44 : 5, 20), back);
    }

    Canvas canvas(60, 50, back);
    CWTKPaintTools tools(canvas.DC());
    for (int depth : {0, -3, 20, 30, 100})
        EXPECT_TRUE(tools.DrawShadow(area, depth, 100, 50, nullptr, nullptr, TRUE));
    EXPECT_EQ(canvas.Count(back), 60 * 50);
}

TEST(PaintToolsTest, SavedShadowIsDrawnBackWithoutRecomputing)
{
    const RECT area {10, 10, 40, 30};
    Canvas first(60, 50, RGB(200, 200, 200));
    CBitmap bottom;
    CBitmap right;
    EXPECT_TRUE(CWTKPaintTools(first.DC()).DrawShadow(area, 4, 100, 65, &bottom, &right, TRUE));
    ASSERT_NE(bottom.GetSafeHandle(), nullptr);
    ASSERT_NE(right.GetSafeHandle(), nullptr);

    // The background has changed since: a recomputed shadow would darken the new colour.
    Canvas again(60, 50, RGB(0, 255, 0));
    EXPECT_TRUE(CWTKPaintTools(again.DC()).DrawShadow(area, 4, 100, 65, &bottom, &right, TRUE));
    for (int y = 14; y < 34; ++y) {
        for (int x = 40; x < 44; ++x)
            ASSERT_EQ(again.Pixel(x, y), first.Pixel(x, y)) << x << "," << y;
    }
    for (int x = 14; x < 40; ++x)
        ASSERT_EQ(again.Pixel(x, 31), first.Pixel(x, 31)) << x;
    EXPECT_EQ(again.Pixel(25, 20), RGB(0, 255, 0));
}

TEST(PaintToolsTest, WritesAGalleryForAPerson)
{
    Canvas canvas(360, 200, RGB(212, 208, 200));
    CWTKPaintTools tools(canvas.DC());
    tools.FillGradient(RECT {10, 10, 110, 40}, RGB(255, 255, 255), RGB(10, 36, 106), FALSE);
    tools.FillGradient(RECT {120, 10, 150, 90}, RGB(255, 255, 255), RGB(10, 36, 106), TRUE);
    tools.FillGradientAngle(RECT {160, 10, 260, 60}, RGB(255, 200, 0), RGB(200, 0, 90), 45);
    tools.FillGradientAngle(RECT {270, 10, 350, 60}, RGB(255, 200, 0), RGB(200, 0, 90), 135);
    const RECT shadowed {10, 60, 100, 110};
    CBrush white(RGB(255, 255, 255));
    ::FillRect(canvas.Handle(), &shadowed, white);
    tools.DrawShadow(shadowed, 5, 100, 60, nullptr, nullptr, TRUE);
    tools.DrawRoundGradient(RECT {170, 80, 210, 120}, RGB(255, 255, 255), RGB(60, 90, 160), RGB(0, 0, 0), 45, 20,
                            RGB(120, 150, 220));
    tools.DrawRoundGradient(RECT {220, 80, 340, 110}, RGB(255, 255, 255), RGB(60, 90, 160), RGB(0, 0, 0), 90, 15,
                            RGB(120, 150, 220));
    const RECT lit {10, 130, 100, 180};
    ::FillRect(canvas.Handle(), &lit, white);
    tools.FillGradient(RECT {10, 130, 100, 180}, RGB(200, 0, 0), RGB(0, 0, 200), FALSE);
    tools.HighlightRect(RECT {10, 130, 55, 180}, -1);
    tools.FillGradient(RECT {120, 130, 210, 180}, RGB(200, 0, 0), RGB(0, 0, 200), FALSE);
    tools.GrayRect(RECT {165, 130, 210, 180}, 100);

    const std::string dir = ScreenshotFolder();
    EXPECT_TRUE(canvas.WritePng(dir + "\\toolkit_paint_tools.png"));
}

}  // namespace
