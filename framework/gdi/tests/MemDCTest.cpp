// The memory context paints off screen in the target's coordinates and copies only its
// rectangle back when it goes away.
#include "Canvas.h"
#include "gdi/MemDC.h"

#include <gtest/gtest.h>

TEST(MemDC, CopiesItsRectangleInTargetCoordinates)
{
    struct Row {
        CRect rect;      // given to the memory context; all zero: the target's clip box
        CRect expected;  // where the paint lands
    } rows[] = {
        {CRect(10, 5, 30, 25), CRect(10, 5, 30, 25)},
        {CRect(0, 0, 8, 8), CRect(0, 0, 8, 8)},
        {CRect(0, 0, 0, 0), CRect(0, 0, 40, 30)},
    };
    for (const Row& row : rows) {
        Canvas canvas(40, 30, kWhite);
        {
            CMemDC memDC(canvas.DC(), row.rect);
            // Paint far more than the rectangle: only the rectangle may reach the target.
            memDC.FillSolidRect(-100, -100, 300, 300, RGB(0, 0, 200));
            // Nothing reaches the target before the end of the paint.
            EXPECT_EQ(canvas.Count(RGB(0, 0, 200)), 0);
        }
        EXPECT_EQ(canvas.Count(RGB(0, 0, 200)), row.expected.Width() * row.expected.Height());
        const RECT painted = canvas.BoundsOfOther(kWhite);
        EXPECT_EQ(CRect(painted), row.expected);
    }
}

TEST(MemDC, DrawsAtTheTargetCoordinates)
{
    Canvas canvas(40, 30, kWhite);
    {
        CMemDC memDC(canvas.DC(), CRect(10, 10, 40, 30));
        memDC.FillSolidRect(20, 15, 5, 5, RGB(200, 0, 0));
    }
    EXPECT_EQ(canvas.Pixel(20, 15), RGB(200, 0, 0));
    EXPECT_EQ(canvas.Pixel(24, 19), RGB(200, 0, 0));
    EXPECT_NE(canvas.Pixel(25, 20), RGB(200, 0, 0));
    EXPECT_NE(canvas.Pixel(19, 14), RGB(200, 0, 0));
    EXPECT_EQ(canvas.Pixel(9, 9), kWhite);  // outside the rectangle
}
