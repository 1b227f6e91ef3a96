#include "Canvas.h"
#include "GdiTestsRes.h"
#include "gdi/ImageList.h"

#include <gtest/gtest.h>

namespace {

// A 16x16 icon, red with a transparent 4x4 top-left corner.
HICON MakeRedIcon()
{
    CBitmap color, mask;
    color.CreateCompatibleBitmap(nullptr, 16, 16);
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&color);
        dc.FillSolidRect(0, 0, 16, 16, kRed);
        dc.FillSolidRect(0, 0, 4, 4, RGB(0, 0, 0));
    }
    mask.CreateBitmap(16, 16, 1, 1, nullptr);
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&mask);
        dc.PatBlt(0, 0, 16, 16, BLACKNESS);
        dc.PatBlt(0, 0, 4, 4, WHITENESS);
    }
    ICONINFO info = {TRUE, 0, 0, mask, color};
    return ::CreateIconIndirect(&info);
}

TEST(ImageList, DrawsAnAddedIconWithItsMask)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    HICON icon = MakeRedIcon();
    ASSERT_NE(nullptr, icon);
    EXPECT_EQ(0, images.Add(icon));
    EXPECT_EQ(1, images.Add(icon));
    ::DestroyIcon(icon);
    EXPECT_EQ(2, images.GetImageCount());

    Canvas canvas(40, 40);
    ASSERT_TRUE(images.Draw(canvas.DC(), 1, CPoint(10, 10), ILD_TRANSPARENT));
    EXPECT_EQ(16 * 16 - 16, canvas.Count(kRed));
    EXPECT_EQ(kWhite, canvas.Pixel(11, 11)) << "masked corner";
    EXPECT_EQ(kRed, canvas.Pixel(25, 25));

    HICON extracted = images.ExtractIcon(0);
    ASSERT_NE(nullptr, extracted);
    Canvas other(40, 40);
    ASSERT_TRUE(other.DC()->DrawIcon(0, 0, extracted));
    ::DestroyIcon(extracted);
    EXPECT_EQ(kRed, other.Pixel(8, 8));
    EXPECT_EQ(kWhite, other.Pixel(1, 1));
}

TEST(ImageList, StripFromResourcesWithAMaskColour)
{
    CImageList images;
    ASSERT_TRUE(images.Create(IDB_TEST_STRIP, 4, 0, RGB(255, 0, 255)));
    EXPECT_EQ(2, images.GetImageCount());

    Canvas canvas(10, 10);
    images.Draw(canvas.DC(), 0, CPoint(0, 0), ILD_TRANSPARENT);
    images.Draw(canvas.DC(), 1, CPoint(5, 0), ILD_TRANSPARENT);
    EXPECT_EQ(kWhite, canvas.Pixel(0, 0)) << "mask colour is transparent";
    EXPECT_EQ(kRed, canvas.Pixel(1, 1));
    EXPECT_EQ(kGreen, canvas.Pixel(6, 1));

    CBitmap more;
    ASSERT_TRUE(more.LoadBitmap(IDB_TEST_STRIP));
    EXPECT_EQ(2, images.Add(&more, RGB(255, 0, 255)));
    EXPECT_EQ(4, images.GetImageCount());
}

TEST(ImageList, AttachDetachAndTemporaryWrappers)
{
    HIMAGELIST handle = nullptr;
    {
        CImageList images;
        ASSERT_TRUE(images.Create(8, 8, ILC_COLOR24, 0, 1));
        EXPECT_EQ(&images, CImageList::FromHandle(images.GetSafeHandle()));
        handle = images.Detach();
        EXPECT_EQ(nullptr, images.GetSafeHandle());
    }
    ASSERT_EQ(0, ::ImageList_GetImageCount(handle)) << "detached list survives";

    CImageList* temp = CImageList::FromHandle(handle);
    ASSERT_NE(nullptr, temp);
    EXPECT_EQ(handle, temp->m_hImageList);
    CImageList::DeleteTempMap();
    EXPECT_TRUE(::ImageList_SetImageCount(handle, 1)) << "temporary wrapper left the list alive";

    CImageList owner;
    ASSERT_TRUE(owner.Attach(handle));
    EXPECT_EQ(1, owner.GetImageCount());
    EXPECT_EQ(&owner, CImageList::FromHandle(handle));
}

}  // namespace
