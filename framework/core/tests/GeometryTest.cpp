#include "core/Rect.h"
#include <gtest/gtest.h>

TEST(Geometry, PointAndSizeArithmetic)
{
    CPoint p(3, 4);
    p += CSize(1, 1);
    EXPECT_EQ(CPoint(4, 5), p);
    EXPECT_EQ(CSize(2, 3), CPoint(5, 7) - CPoint(3, 4));
    EXPECT_EQ(CPoint(-4, -5), -p);
    EXPECT_EQ(CPoint(6, 8), CSize(2, 3) + p - CSize(0, 0));
    EXPECT_EQ(CPoint(-2, 3), CPoint(MAKELPARAM(static_cast<WORD>(-2), 3))) << "signed mouse coordinates";
    POINT raw = p;
    EXPECT_EQ(4, raw.x);
    SIZE rawSize = CSize(7, 8);
    EXPECT_EQ(8, rawSize.cy);
}

TEST(Geometry, RectOperations)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(100, r.Width());
    EXPECT_EQ(50, r.Height());
    EXPECT_EQ(CSize(100, 50), r.Size());
    EXPECT_EQ(CPoint(60, 45), r.CenterPoint());
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 20))) << "right edge is outside";

    struct {
        CRect got;
        CRect expected;
        const char* what;
    } rows[] = {
        {[&] {
             CRect t(r);
             t.InflateRect(2, 3);
             return t;
         }(),
         CRect(8, 17, 112, 73), "InflateRect"},
        {[&] {
             CRect t(r);
             t.DeflateRect(1, 2, 3, 4);
             return t;
         }(),
         CRect(11, 22, 107, 66), "DeflateRect 4"},
        {[&] {
             CRect t(r);
             t.OffsetRect(-10, 5);
             return t;
         }(),
         CRect(0, 25, 100, 75), "OffsetRect"},
        {[&] {
             CRect t(r);
             t.MoveToXY(0, 0);
             return t;
         }(),
         CRect(0, 0, 100, 50), "MoveToXY"},
        {[&] {
             CRect t(5, 6, 1, 2);
             t.NormalizeRect();
             return t;
         }(),
         CRect(1, 2, 5, 6), "NormalizeRect"},
        {r & CRect(100, 60, 200, 200), CRect(100, 60, 110, 70), "intersection"},
        {r & CRect(200, 200, 300, 300), CRect(), "empty intersection"},
        {r | CRect(0, 0, 1, 1), CRect(0, 0, 110, 70), "union"},
        {r + CPoint(1, 1), CRect(11, 21, 111, 71), "offset by point"},
        {CRect(CPoint(1, 2), CSize(3, 4)), CRect(1, 2, 4, 6), "point and size"},
    };
    for (const auto& row : rows)
        EXPECT_TRUE(row.got == row.expected) << row.what;

    CRect t(r);
    t.TopLeft() = CPoint(0, 0);
    EXPECT_EQ(CRect(0, 0, 110, 70), t);
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect().IsRectNull());
}

TEST(Geometry, RectPassesAsWin32Rectangles)
{
    CRect r;
    SetRect(r, 1, 2, 3, 4);  // LPRECT
    EXPECT_EQ(CRect(1, 2, 3, 4), r);
    RECT other = {0, 0, 2, 3};
    CRect sum;
    EXPECT_TRUE(UnionRect(sum, r, &other));  // LPRECT, LPCRECT, LPCRECT
    EXPECT_EQ(CRect(0, 0, 3, 4), sum);
    const CRect constant(r);
    EXPECT_FALSE(IsRectEmpty(constant));  // LPCRECT from a const object
    RECT plain = constant;
    EXPECT_EQ(4, plain.bottom);
}
