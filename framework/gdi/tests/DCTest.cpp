#include "Canvas.h"
#include "GdiTestsRes.h"

#include <gtest/gtest.h>

namespace {

struct PixelCase {
    const char* what;
    int x, y;
    COLORREF expected;
};

void ExpectPixels(const Canvas& canvas, std::initializer_list<PixelCase> cases)
{
    for (const PixelCase& c : cases)
        EXPECT_EQ(c.expected, canvas.Pixel(c.x, c.y)) << c.what << " at " << c.x << "," << c.y;
}

TEST(DCDrawing, FillRectCoversItsRectangleOnly)
{
    Canvas canvas(20, 20);
    CBrush brush(kBlue);
    CRect rc(2, 3, 12, 8);
    canvas.DC()->FillRect(&rc, &brush);

    EXPECT_EQ(rc.Width() * rc.Height(), canvas.Count(kBlue));
    ExpectPixels(canvas,
                 {{"top-left", 2, 3, kBlue},
                  {"bottom-right inside", 11, 7, kBlue},
                  {"right edge is exclusive", 12, 5, kWhite},
                  {"bottom edge is exclusive", 5, 8, kWhite}});
}

TEST(DCDrawing, FillSolidRectFillsAndKeepsTheBackgroundColour)
{
    Canvas canvas(20, 20);
    canvas.DC()->SetBkColor(kGreen);
    canvas.DC()->FillSolidRect(4, 4, 6, 5, kRed);

    EXPECT_EQ(30, canvas.Count(kRed));
    EXPECT_EQ(kRed, canvas.Pixel(9, 8));
    EXPECT_EQ(kWhite, canvas.Pixel(10, 8));
    EXPECT_EQ(kGreen, canvas.DC()->GetBkColor());
}

TEST(DCDrawing, Draw3dRectUsesTopLeftAndBottomRightColours)
{
    Canvas canvas(20, 20);
    canvas.DC()->Draw3dRect(CRect(2, 2, 12, 10), kBlue, kRed);

    ExpectPixels(canvas,
                 {{"top-left corner", 2, 2, kBlue},
                  {"top edge", 6, 2, kBlue},
                  {"left edge", 2, 6, kBlue},
                  {"top-right corner", 11, 2, kRed},
                  {"right edge", 11, 6, kRed},
                  {"bottom edge", 6, 9, kRed},
                  {"bottom-left corner", 2, 9, kRed},
                  {"bottom-right corner", 11, 9, kRed},
                  {"inside", 6, 6, kWhite},
                  {"outside right", 12, 6, kWhite},
                  {"outside bottom", 6, 10, kWhite}});
    EXPECT_EQ(9 + 7 - 1, canvas.Count(kBlue));
    EXPECT_EQ(8 + 10 - 1, canvas.Count(kRed));
}

TEST(DCDrawing, ShapesUseTheSelectedPenAndBrush)
{
    struct Shape {
        const char* what;
        void (*draw)(CDC& dc);
    };
    const Shape shapes[] = {
        {"Rectangle",
         [](CDC& dc) {
             dc.Rectangle(2, 2, 18, 18);
         }},
        {"Ellipse",
         [](CDC& dc) {
             dc.Ellipse(CRect(2, 2, 18, 18));
         }},
        {"Polygon",
         [](CDC& dc) {
             const POINT triangle[] = {{10, 2}, {18, 18}, {2, 18}};
             dc.Polygon(triangle, 3);
         }},
        {"RoundRect",
         [](CDC& dc) {
             dc.RoundRect(CRect(2, 2, 18, 18), CPoint(8, 8));
         }},
    };
    for (const Shape& shape : shapes) {
        Canvas canvas(20, 20);
        CPen pen(PS_SOLID, 1, kRed);
        CBrush brush(kBlue);
        canvas.DC()->SelectObject(&pen);
        canvas.DC()->SelectObject(&brush);
        shape.draw(*canvas.DC());
        EXPECT_EQ(kBlue, canvas.Pixel(10, 12)) << shape.what << ": inside";
        EXPECT_GT(canvas.Count(kRed), 20) << shape.what << ": outline";
        EXPECT_EQ(kWhite, canvas.Pixel(1, 1)) << shape.what << ": outside corner";
    }
}

TEST(DCDrawing, LinesFromTheCurrentPosition)
{
    Canvas canvas(20, 20);
    CPen pen(PS_SOLID, 1, kGreen);
    canvas.DC()->SelectObject(&pen);
    canvas.DC()->MoveTo(2, 5);
    EXPECT_EQ(CPoint(2, 5), canvas.DC()->MoveTo(3, 5));
    canvas.DC()->LineTo(15, 5);

    EXPECT_EQ(CPoint(15, 5), canvas.DC()->GetCurrentPosition());
    EXPECT_EQ(12, canvas.Count(kGreen));
    EXPECT_EQ(kWhite, canvas.Pixel(2, 5));
    EXPECT_EQ(kWhite, canvas.Pixel(15, 5));
}

TEST(DCDrawing, TextIsDrawnInTheTextColourWithinItsExtent)
{
    Canvas canvas(120, 40);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(140, "Arial"));
    canvas.DC()->SelectObject(&font);
    canvas.DC()->SetTextColor(kRed);
    canvas.DC()->SetBkMode(TRANSPARENT);
    CString text("HIH");
    ASSERT_TRUE(canvas.DC()->TextOut(5, 5, text));

    CSize extent = canvas.DC()->GetTextExtent(text);
    ASSERT_GT(extent.cx, 10);
    ASSERT_GT(extent.cy, 10);
    EXPECT_GT(canvas.Count(kRed, RECT {5, 5, 5 + extent.cx, 5 + extent.cy}), 20);
    EXPECT_EQ(0, canvas.Count(kRed, RECT {5 + extent.cx, 0, 120, 40}));
    EXPECT_EQ(0, canvas.Count(kRed, RECT {0, 5 + extent.cy, 120, 40}));
}

TEST(DCDrawing, DrawTextCentresAndMeasures)
{
    Canvas canvas(100, 30);
    canvas.DC()->SetTextColor(kBlue);
    canvas.DC()->SetBkMode(TRANSPARENT);
    CString text("X");
    CRect calc(0, 0, 0, 0);
    canvas.DC()->DrawText(text, calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(canvas.DC()->GetTextExtent(text), calc.Size());
    EXPECT_EQ(0, canvas.Count(kBlue)) << "DT_CALCRECT draws nothing";

    CRect rc(0, 0, 100, 30);
    canvas.DC()->DrawText(text, rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    int left = (100 - calc.Width()) / 2;
    EXPECT_GT(canvas.Count(kBlue, RECT {left, 0, left + calc.Width(), 30}), 0);
    EXPECT_EQ(0, canvas.Count(kBlue, RECT {0, 0, left - 1, 30}));
}

TEST(DCDrawing, ClippingAndSaveRestore)
{
    Canvas canvas(20, 20);
    int saved = canvas.DC()->SaveDC();
    canvas.DC()->IntersectClipRect(CRect(5, 5, 15, 15));
    canvas.DC()->ExcludeClipRect(8, 8, 10, 10);
    CRect box;
    EXPECT_EQ(COMPLEXREGION, canvas.DC()->GetClipBox(&box));
    EXPECT_EQ(CRect(5, 5, 15, 15), box);
    EXPECT_FALSE(canvas.DC()->PtVisible(9, 9));
    canvas.DC()->FillSolidRect(0, 0, 20, 20, kRed);
    EXPECT_EQ(100 - 4, canvas.Count(kRed));

    ASSERT_TRUE(canvas.DC()->RestoreDC(saved));
    canvas.DC()->FillSolidRect(0, 0, 20, 20, kBlue);
    EXPECT_EQ(400, canvas.Count(kBlue));
}

TEST(DCDrawing, BlitsCopyStretchAndPattern)
{
    Canvas source(2, 2);
    source.DC()->SetPixel(0, 0, kRed);
    source.DC()->SetPixel(1, 1, kBlue);

    Canvas target(8, 8);
    ASSERT_TRUE(target.DC()->BitBlt(0, 0, 2, 2, source.DC(), 0, 0, SRCCOPY));
    ASSERT_TRUE(target.DC()->StretchBlt(4, 4, 4, 4, source.DC(), 0, 0, 2, 2, SRCCOPY));
    CBrush green(kGreen);
    target.DC()->SelectObject(&green);
    ASSERT_TRUE(target.DC()->PatBlt(0, 6, 2, 2, PATCOPY));

    ExpectPixels(target,
                 {{"copied red", 0, 0, kRed},
                  {"copied blue", 1, 1, kBlue},
                  {"copied white", 1, 0, kWhite},
                  {"stretched red", 5, 5, kRed},
                  {"stretched blue", 7, 7, kBlue},
                  {"stretched white", 7, 4, kWhite},
                  {"pattern", 1, 7, kGreen},
                  {"untouched", 3, 3, kWhite}});
    EXPECT_EQ(4, target.Count(kRed, RECT {4, 4, 8, 8}));
}

TEST(DCDrawing, DrawStateDrawsABitmapAtItsPlace)
{
    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(IDB_TEST_STRIP));
    Canvas canvas(12, 8);
    ASSERT_TRUE(canvas.DC()->DrawState(CPoint(2, 3), CSize(8, 4), &strip, DSS_NORMAL));

    ExpectPixels(canvas,
                 {{"first image", 3, 4, kRed},
                  {"second image", 8, 6, kGreen},
                  {"mask colour drawn as is", 2, 3, RGB(255, 0, 255)},
                  {"outside", 10, 3, kWhite}});
}

TEST(DCDrawing, EdgesFocusAndDeviceCaps)
{
    Canvas canvas(20, 20);
    CRect rc(0, 0, 20, 20);
    ASSERT_TRUE(canvas.DC()->DrawEdge(rc, EDGE_SUNKEN, BF_RECT));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), canvas.Pixel(5, 0));
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), canvas.Pixel(5, 19));

    canvas.DC()->FillSolidRect(0, 0, 20, 20, kWhite);
    canvas.DC()->SetTextColor(RGB(0, 0, 0));
    canvas.DC()->SetBkColor(kWhite);
    canvas.DC()->DrawFocusRect(CRect(2, 2, 12, 12));
    EXPECT_GT(canvas.Count(RGB(0, 0, 0), RECT {2, 2, 12, 12}), 10);
    EXPECT_EQ(kWhite, canvas.Pixel(6, 6));

    EXPECT_GE(canvas.DC()->GetDeviceCaps(BITSPIXEL), 16);
    EXPECT_GT(canvas.DC()->GetDeviceCaps(LOGPIXELSY), 0);
}

}  // namespace
