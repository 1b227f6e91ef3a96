// The paint area in a real window, driven by real mouse messages: each tool's pixels read back
// from the bitmap, the cells it shows read back from a memory canvas, with the grey face and with
// a face of another colour, and the guards for a missing bitmap and cells too small to draw.
#include "AppearanceTestSupport.h"

#include "customisation/ButtonImagePaintArea.h"
#include "foundation/WTKGlobalData.h"

#include "Canvas.h"
#include "MessagePump.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

constexpr UINT kAreaId = 300;
// A 16 by 15 image in a 162 by 152 client: cells of 10 by 10.
constexpr int kAreaWidth = 162;
constexpr int kAreaHeight = 152;
constexpr int kImageWidth = 16;
constexpr int kImageHeight = 15;
constexpr COLORREF kBackground = RGB(0, 128, 128);
constexpr COLORREF kStandardGrey = RGB(192, 192, 192);
constexpr COLORREF kPaleBlue = RGB(200, 220, 240);

using Mode = CButtonImagePaintArea::Mode;
using PixelSet = std::set<std::pair<int, int>>;

PixelSet Span(int x0, int y0, int x1, int y1)
{
    PixelSet pixels;
    for (int x = x0; x <= x1; x++)
        for (int y = y0; y <= y1; y++)
            pixels.insert({x, y});
    return pixels;
}

PixelSet Frame(int x0, int y0, int x1, int y1)
{
    PixelSet pixels = Span(x0, y0, x1, y0);
    for (const PixelSet& side : {Span(x0, y1, x1, y1), Span(x0, y0, x0, y1), Span(x1, y0, x1, y1)})
        pixels.insert(side.begin(), side.end());
    return pixels;
}

class PaintAreaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost(kAreaWidth + 20, kAreaHeight + 20, "Paint area"));
        HWND hWnd = m_host.AddOwnerDrawButton(kAreaId, CRect(10, 10, 10 + kAreaWidth, 10 + kAreaHeight));
        ASSERT_TRUE(m_area.SubclassWindow(hWnd));
        MakeBitmap(m_bitmap, kImageWidth, kImageHeight, kBackground);
        m_area.SetBitmap(&m_bitmap);
        PumpPending();
    }
    void TearDown() override
    {
        m_area.DestroyWindow();
        m_host.DestroyWindow();
        PumpPending();
    }

    CPoint At(int x, int y) const { return m_area.PointFromPixel(CPoint(x, y)); }

    // Every pixel of the bitmap: clr where listed, the background elsewhere.
    void ExpectPixels(const PixelSet& painted, COLORREF clr, const char* what)
    {
        for (int x = 0; x < kImageWidth; x++) {
            for (int y = 0; y < kImageHeight; y++) {
                const COLORREF expected = painted.count({x, y}) ? clr : kBackground;
                ASSERT_EQ(BitmapPixel(m_bitmap, x, y), expected) << what << ": pixel " << x << "," << y;
            }
        }
    }

    // The colour shown in the middle of a pixel's cell.
    COLORREF ShownAt(int x, int y)
    {
        Canvas canvas(kAreaWidth, kAreaHeight);
        m_area.Draw(canvas.DC());
        const CPoint pt = At(x, y);
        return canvas.Pixel(pt.x, pt.y);
    }

    CTestHost m_host;
    CButtonImagePaintArea m_area {nullptr};
    CBitmap m_bitmap;
};

TEST_F(PaintAreaTest, CellsFollowTheClientAndTheImage)
{
    EXPECT_EQ(m_area.GetCellSize(), CSize(10, 10));
    EXPECT_EQ(m_area.PixelFromPoint(CPoint(1, 1)), CPoint(0, 0));
    EXPECT_EQ(m_area.PixelFromPoint(CPoint(160, 150)), CPoint(15, 14));
    EXPECT_EQ(m_area.PixelFromPoint(CPoint(-40, 500)), CPoint(0, 14));
    EXPECT_EQ(m_area.PointFromPixel(CPoint(2, 3)), CPoint(26, 36));
}

struct ToolCase {
    const char* what;
    Mode mode;
    CPoint from;
    CPoint to;
    PixelSet painted;
};

TEST_F(PaintAreaTest, EachToolPaintsItsPixels)
{
    const ToolCase cases[] = {
        {"pencil click", Mode::modePencil, {3, 4}, {3, 4}, Span(3, 4, 3, 4)},
        {"pencil stroke", Mode::modePencil, {1, 1}, {4, 1}, {{1, 1}, {4, 1}}},
        {"line to the right", Mode::modeLine, {0, 0}, {3, 0}, Span(0, 0, 3, 0)},
        {"line upwards", Mode::modeLine, {5, 9}, {5, 6}, Span(5, 6, 5, 9)},
        {"rectangle", Mode::modeRect, {2, 2}, {5, 4}, Frame(2, 2, 5, 4)},
        {"rectangle dragged backwards", Mode::modeRect, {5, 4}, {2, 2}, Frame(2, 2, 5, 4)},
        {"one-pixel-high rectangle", Mode::modeRect, {2, 9}, {6, 9}, Span(2, 9, 6, 9)},
        {"one-pixel-wide ellipse", Mode::modeEllipse, {9, 3}, {9, 8}, Span(9, 3, 9, 8)},
        {"zero-size line", Mode::modeLine, {7, 7}, {7, 7}, Span(7, 7, 7, 7)},
        {"zero-size rectangle", Mode::modeRect, {7, 7}, {7, 7}, Span(7, 7, 7, 7)},
        {"zero-size ellipse", Mode::modeEllipse, {7, 7}, {7, 7}, Span(7, 7, 7, 7)},
        {"fill", Mode::modeFill, {8, 8}, {8, 8}, Span(0, 0, kImageWidth - 1, kImageHeight - 1)},
    };
    for (const ToolCase& c : cases) {
        m_bitmap.DeleteObject();
        MakeBitmap(m_bitmap, kImageWidth, kImageHeight, kBackground);
        m_area.SetBitmap(&m_bitmap);
        m_area.SetColor(kRed);
        m_area.SetMode(c.mode);
        Drag(m_area.m_hWnd, At(c.from.x, c.from.y), At(c.to.x, c.to.y));
        ExpectPixels(c.painted, kRed, c.what);
        EXPECT_EQ(ShownAt(c.from.x, c.from.y), kRed) << c.what;
    }
}

TEST_F(PaintAreaTest, AnEllipseStaysInsideItsBand)
{
    m_area.SetColor(kBlue);
    m_area.SetMode(Mode::modeEllipse);
    Drag(m_area.m_hWnd, At(2, 2), At(12, 10));
    // The middle of each side is on the outline, the corners are not, nothing lies outside.
    for (const CPoint& pt : {CPoint(7, 2), CPoint(7, 10), CPoint(2, 6), CPoint(12, 6)})
        EXPECT_EQ(BitmapPixel(m_bitmap, pt.x, pt.y), kBlue) << pt.x << "," << pt.y;
    for (const CPoint& pt : {CPoint(2, 2), CPoint(12, 10), CPoint(7, 6), CPoint(1, 6), CPoint(13, 6)})
        EXPECT_EQ(BitmapPixel(m_bitmap, pt.x, pt.y), kBackground) << pt.x << "," << pt.y;
}

TEST_F(PaintAreaTest, FillStopsAtOtherColoursAndPickTakesAColour)
{
    for (int y = 0; y < kImageHeight; y++)
        SetBitmapPixel(m_bitmap, 6, y, kBlack);
    m_area.SetColor(kGreen);
    m_area.SetMode(Mode::modeFill);
    Click(m_area.m_hWnd, At(2, 2));
    EXPECT_EQ(BitmapPixel(m_bitmap, 5, 14), kGreen);
    EXPECT_EQ(BitmapPixel(m_bitmap, 6, 3), kBlack);
    EXPECT_EQ(BitmapPixel(m_bitmap, 7, 3), kBackground);

    m_area.SetMode(Mode::modeColor);
    Click(m_area.m_hWnd, At(6, 9));
    EXPECT_EQ(m_area.GetColor(), kBlack);
    EXPECT_EQ(BitmapPixel(m_bitmap, 6, 9), kBlack) << "picking changes no pixel";
}

// With a face that is not grey, the standard grey of the palette is stored as the face colour by
// every tool and shown as the standard grey again, and picking it gives the standard grey back;
// other colours are stored and shown as they are, red staying red.
TEST_F(PaintAreaTest, ColoursAreStoredAndShownWithTheSameMapping)
{
    FaceColorScope face(kPaleBlue);
    struct Case {
        const char* what;
        Mode mode;
        COLORREF clr;
        COLORREF stored;
    };
    const Case cases[] = {
        {"pencil in grey", Mode::modePencil, kStandardGrey, kPaleBlue},
        {"line in grey", Mode::modeLine, kStandardGrey, kPaleBlue},
        {"fill in grey", Mode::modeFill, kStandardGrey, kPaleBlue},
        {"pencil in red", Mode::modePencil, kRed, kRed},
        {"line in red", Mode::modeLine, kRed, kRed},
    };
    for (const Case& c : cases) {
        m_bitmap.DeleteObject();
        MakeBitmap(m_bitmap, kImageWidth, kImageHeight, kBackground);
        m_area.SetBitmap(&m_bitmap);
        m_area.SetColor(c.clr);
        m_area.SetMode(c.mode);
        Drag(m_area.m_hWnd, At(1, 1), At(4, 1));
        EXPECT_EQ(BitmapPixel(m_bitmap, 1, 1), c.stored) << c.what;
        EXPECT_EQ(ShownAt(1, 1), c.clr) << c.what;

        m_area.SetColor(kWhite);
        m_area.SetMode(Mode::modeColor);
        Click(m_area.m_hWnd, At(1, 1));
        EXPECT_EQ(m_area.GetColor(), c.clr) << c.what << ": picked";
    }
}

TEST_F(PaintAreaTest, WithoutABitmapOrRoomForCellsNothingIsDrawn)
{
    // Cells of size 0: a client smaller than the image.
    m_area.MoveWindow(10, 10, 20, 12);
    m_area.SetBitmap(&m_bitmap);
    EXPECT_EQ(m_area.GetCellSize(), CSize(1, 0));
    m_area.SetColor(kRed);
    for (Mode mode : {Mode::modePencil, Mode::modeLine, Mode::modeFill, Mode::modeColor}) {
        m_area.SetMode(mode);
        Drag(m_area.m_hWnd, CPoint(3, 3), CPoint(8, 8));
    }
    ExpectPixels({}, kRed, "cells of size 0");
    EXPECT_EQ(m_area.GetColor(), kRed);
    Canvas small(20, 12, kWhite);
    m_area.Draw(small.DC());
    EXPECT_EQ(small.Count(WTKGetGlobalData().clrBtnFace), 20 * 12) << "only the face is drawn";

    // No bitmap at all.
    m_area.MoveWindow(10, 10, kAreaWidth, kAreaHeight);
    m_area.SetBitmap(nullptr);
    EXPECT_EQ(m_area.GetCellSize(), CSize(0, 0));
    m_area.SetMode(Mode::modePencil);
    Drag(m_area.m_hWnd, CPoint(20, 20), CPoint(60, 60));
    Canvas canvas(kAreaWidth, kAreaHeight, kWhite);
    m_area.Draw(canvas.DC());
    EXPECT_EQ(canvas.Count(WTKGetGlobalData().clrBtnFace), kAreaWidth * kAreaHeight);
    m_area.UpdateWindow();
}

TEST_F(PaintAreaTest, TheGridIsFramedAndLined)
{
    Canvas canvas(kAreaWidth, kAreaHeight);
    m_area.Draw(canvas.DC());
    const WTKGlobalData& data = WTKGetGlobalData();
    // The frame: dark shadow at top left, highlight at bottom right of the grid (1 .. 161, 1 .. 151).
    EXPECT_EQ(canvas.Pixel(1, 50), data.clrBtnDkShadow);
    EXPECT_EQ(canvas.Pixel(50, 1), data.clrBtnDkShadow);
    EXPECT_EQ(canvas.Pixel(160, 50), data.clrBtnHilite);
    EXPECT_EQ(canvas.Pixel(50, 150), data.clrBtnHilite);
    // Grid lines between cells, cells in the pixel's colour.
    EXPECT_EQ(canvas.Pixel(11, 50), data.clrBtnShadow);
    EXPECT_EQ(canvas.Pixel(50, 11), data.clrBtnShadow);
    EXPECT_EQ(canvas.Pixel(6, 6), kBackground);
    EXPECT_EQ(canvas.Pixel(155, 145), kBackground);
}

}  // namespace
