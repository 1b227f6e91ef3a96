// The copied notice: its text and how it paints.
#include "Canvas.h"
#include "HostWindow.h"
#include "NoticeStatic.h"

#include <gtest/gtest.h>

TEST(NoticeStatic, DrawsRedTextWithoutABackground)
{
    HostWindow host;
    CNoticeStatic notice;
    notice.SubclassWindow(host.AddChild("STATIC", "", 0, 1061, 300, 16));
    EXPECT_EQ(notice.GetText(), CString("* The encoded string was copied to clipboard!"));

    const COLORREF dialogFace = RGB(12, 34, 56);
    Canvas canvas(300, 16, dialogFace);
    notice.Paint(canvas.DC());
    EXPECT_GT(canvas.Count(RGB(221, 0, 0)), 30);
    EXPECT_EQ(canvas.Pixel(299, 0), dialogFace);
    EXPECT_EQ(canvas.Pixel(299, 15), dialogFace);
    const RECT text = canvas.BoundsOfOther(dialogFace);
    EXPECT_LT(text.left, 3);  // left-aligned
    notice.DestroyWindow();
}
