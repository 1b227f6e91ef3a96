#include "Canvas.h"
#include "GdiTestsRes.h"

#include <gtest/gtest.h>

namespace {

bool Exists(HGDIOBJ h)
{
    return ::GetObjectType(h) != 0;
}

TEST(GdiObject, OwnsItsHandleUntilDetached)
{
    HGDIOBJ deleted = nullptr;
    HGDIOBJ detached = nullptr;
    {
        CBrush owner(kRed);
        CPen released(PS_SOLID, 1, kRed);
        deleted = owner.m_hObject;
        detached = released.Detach();
        ASSERT_TRUE(Exists(deleted));
        EXPECT_EQ(nullptr, released.m_hObject);
    }
    EXPECT_FALSE(Exists(deleted));
    EXPECT_TRUE(Exists(detached));
    ::DeleteObject(detached);

    CBrush brush;
    EXPECT_FALSE(brush.DeleteObject());
    ASSERT_TRUE(brush.CreateSolidBrush(kRed));
    EXPECT_FALSE(brush.CreateSolidBrush(kBlue)) << "a second handle is refused";
    LOGBRUSH lb = {};
    ASSERT_TRUE(brush.GetLogBrush(&lb));
    EXPECT_EQ(kRed, lb.lbColor);
}

TEST(GdiObject, FromHandleFindsTheOwnerOrWrapsWithoutOwning)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Arial"));
    EXPECT_EQ(&font, CFont::FromHandle(font));
    EXPECT_EQ(&font, CGdiObject::FromHandle(font.m_hObject));
    EXPECT_EQ(nullptr, CPen::FromHandle(nullptr));

    HBRUSH foreign = ::CreateSolidBrush(kGreen);
    CBrush* wrapper = CBrush::FromHandle(foreign);
    ASSERT_NE(nullptr, wrapper);
    EXPECT_EQ(foreign, wrapper->m_hObject);
    EXPECT_EQ(wrapper, CBrush::FromHandle(foreign)) << "one wrapper per handle and thread";
    EXPECT_NE(nullptr, dynamic_cast<CBrush*>(CGdiObject::FromHandle(foreign)));
    EXPECT_EQ(nullptr, CPen::FromHandle(reinterpret_cast<HPEN>(foreign))) << "wrong kind";
    EXPECT_EQ(foreign, wrapper->m_hObject) << "a wrapper handed out stays valid until idle time";
    ASSERT_NE(nullptr, CBrush::FromHandle(foreign));
    EXPECT_EQ(foreign, CBrush::FromHandle(foreign)->m_hObject);
    CGdiObject::DeleteTempMap();
    EXPECT_TRUE(Exists(foreign)) << "a temporary wrapper does not delete its handle";
    ::DeleteObject(foreign);
}

TEST(GdiObject, PointFontHeightFollowsTheDevice)
{
    Canvas canvas(4, 4);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Arial", canvas.DC()));
    LOGFONTA lf = {};
    ASSERT_TRUE(font.GetLogFont(&lf));
    int dpi = canvas.DC()->GetDeviceCaps(LOGPIXELSY);
    EXPECT_EQ(-MulDiv(dpi, 120, 720), lf.lfHeight);
    EXPECT_STREQ("Arial", lf.lfFaceName);
}

TEST(GdiObject, SelectObjectIsUndoneWhenTheDCIsLetGo)
{
    HDC raw = ::CreateCompatibleDC(nullptr);
    HGDIOBJ originalFont = ::GetCurrentObject(raw, OBJ_FONT);
    HGDIOBJ originalPen = ::GetCurrentObject(raw, OBJ_PEN);
    HGDIOBJ fontHandle = nullptr;
    {
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(100, "Arial"));
        fontHandle = font.m_hObject;
        CPen pen1(PS_SOLID, 1, kRed);
        CPen pen2(PS_SOLID, 1, kBlue);
        {
            CDC dc;
            ASSERT_TRUE(dc.Attach(raw));
            CFont* previous = dc.SelectObject(&font);
            ASSERT_NE(nullptr, previous);
            EXPECT_EQ(originalFont, previous->m_hObject);
            EXPECT_EQ(originalPen, dc.SelectObject(&pen1)->m_hObject);
            EXPECT_EQ(&pen1, dc.SelectObject(&pen2)) << "the owner of a displaced object";
            EXPECT_EQ(&font, dc.GetCurrentFont());
            EXPECT_EQ(raw, dc.Detach());
        }
        EXPECT_EQ(originalFont, ::GetCurrentObject(raw, OBJ_FONT));
        EXPECT_EQ(originalPen, ::GetCurrentObject(raw, OBJ_PEN)) << "the first displaced pen comes back";
    }
    EXPECT_FALSE(Exists(fontHandle)) << "no longer selected, so really deleted";
    ::DeleteDC(raw);
}

TEST(GdiObject, BitmapFromResourcesAndItsDescription)
{
    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(IDB_TEST_STRIP));
    BITMAP bm = {};
    ASSERT_TRUE(strip.GetBitmap(&bm));
    EXPECT_EQ(8, bm.bmWidth);
    EXPECT_EQ(4, bm.bmHeight);

    CBitmap compatible;
    ASSERT_TRUE(compatible.CreateCompatibleBitmap(nullptr, 5, 3));
    ASSERT_TRUE(compatible.GetBitmap(&bm));
    EXPECT_EQ(5, bm.bmWidth);
    EXPECT_EQ(3, bm.bmHeight);
}

TEST(GdiObject, RegionsCombineAndClip)
{
    CRgn a, b, both;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgn(5, 5, 15, 15));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(SIMPLEREGION, both.CombineRgn(&a, &b, RGN_AND));
    CRect box;
    both.GetRgnBox(&box);
    EXPECT_EQ(CRect(5, 5, 10, 10), box);
    EXPECT_TRUE(both.PtInRegion(7, 7));
    EXPECT_FALSE(both.PtInRegion(2, 2));

    Canvas canvas(20, 20);
    canvas.DC()->SelectClipRgn(&both);
    canvas.DC()->FillSolidRect(0, 0, 20, 20, kRed);
    EXPECT_EQ(25, canvas.Count(kRed));
}

}  // namespace
