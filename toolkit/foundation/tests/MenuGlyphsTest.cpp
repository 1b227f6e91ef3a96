#include "foundation/WTKAcceleratorText.h"
#include "foundation/WTKImageStrip.h"
#include "foundation/WTKMenuGlyphs.h"

#include "Canvas.h"
#include "Files.h"
#include "foundation/WTKCleanUp.h"
#include "foundation/WTKFoundationRes.h"
#include "foundation/WTKGlobalData.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr COLORREF kGlyphSentinel = RGB(0, 160, 0);
constexpr int kGlyph = CWTKMenuGlyphs::kGlyphSize;

// The glyph bitmap's own pixels, unmapped.
class RawGlyphs {
public:
    RawGlyphs()
        : m_hbm(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_WTK_MENU_GLYPHS),
                                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))),
          m_hdc(CreateCompatibleDC(nullptr)),
          m_old(SelectObject(m_hdc, m_hbm))
    {}
    ~RawGlyphs()
    {
        SelectObject(m_hdc, m_old);
        DeleteDC(m_hdc);
        DeleteObject(m_hbm);
    }
    bool IsValid() const { return m_hbm != nullptr; }
    COLORREF Pixel(int nGlyph, int x, int y) const { return GetPixel(m_hdc, nGlyph * kGlyph + x, y); }

private:
    HBITMAP m_hbm;
    HDC m_hdc;
    HGDIOBJ m_old;
};

DWORD WINAPI RedTextColor(int nIndex)
{
    return nIndex == COLOR_BTNTEXT ? RGB(200, 0, 0) : GetSysColor(nIndex);
}

}  // namespace

TEST(MenuGlyphsTest, TheStripIsFortyTwoNineByNineGlyphsOnMagenta)
{
    RawGlyphs raw;
    ASSERT_TRUE(raw.IsValid());
    BITMAP bm {};
    HBITMAP hbm = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_WTK_MENU_GLYPHS),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    GetObjectA(hbm, sizeof(bm), &bm);
    DeleteObject(hbm);
    EXPECT_EQ(bm.bmWidth, 378);
    EXPECT_EQ(bm.bmHeight, 9);
    EXPECT_EQ(bm.bmBitsPixel, 4);
    EXPECT_EQ(raw.Pixel(CWTKMenuGlyphs::kChevronVert, 0, 0), CWTKMenuGlyphs::kTransparentColor);

    ASSERT_TRUE(CWTKMenuGlyphs::Initialize());
    EXPECT_EQ(CWTKMenuGlyphs::GetSize(), CSize(kGlyph, kGlyph));
}

TEST(MenuGlyphsTest, DrawsAGlyphUnstretchedWithMagentaTransparent)
{
    RawGlyphs raw;
    Canvas canvas(20, 20, kGlyphSentinel);
    ASSERT_TRUE(CWTKMenuGlyphs::Draw(canvas.DC(), CWTKMenuGlyphs::kChevronVert, CPoint(3, 4)));
    int nShape = 0;
    for (int y = 0; y < kGlyph; y++) {
        for (int x = 0; x < kGlyph; x++) {
            const bool bShape = raw.Pixel(CWTKMenuGlyphs::kChevronVert, x, y) == RGB(0, 0, 0);
            nShape += bShape;
            EXPECT_EQ(canvas.Pixel(3 + x, 4 + y), bShape ? GetSysColor(COLOR_BTNTEXT) : kGlyphSentinel)
                << "at " << x << "," << y;
        }
    }
    EXPECT_GT(nShape, 10);
    EXPECT_EQ(canvas.BoundsOfOther(kGlyphSentinel).right, 3 + kGlyph - 1);

    // Twice the size: the shape covers twice the box.
    canvas.Fill(kGlyphSentinel);
    ASSERT_TRUE(CWTKMenuGlyphs::Draw(canvas.DC(), CWTKMenuGlyphs::kChevronVert, CPoint(0, 0), CSize(18, 18)));
    const CRect bounds = canvas.BoundsOfOther(kGlyphSentinel);
    EXPECT_GE(bounds.Width(), 12);
    EXPECT_LE(bounds.right, 18);
    EXPECT_LE(bounds.bottom, 18);
    EXPECT_EQ(CWTKMenuGlyphs::GetSize(), CSize(kGlyph, kGlyph));
}

TEST(MenuGlyphsTest, AColourChangeReloadsTheGlyphsInTheNewTextColour)
{
    ASSERT_TRUE(CWTKMenuGlyphs::Initialize());
    const WTKSysColorFn old = WTKSetImageStripSysColorFunction(RedTextColor);
    WTKGetGlobalData().UpdateSysColors();
    Canvas canvas(kGlyph, kGlyph, kGlyphSentinel);
    ASSERT_TRUE(CWTKMenuGlyphs::Draw(canvas.DC(), CWTKMenuGlyphs::kCheck, CPoint(0, 0)));
    // The text colour unexchanged: red stays red, not blue.
    EXPECT_GT(canvas.Count(RGB(200, 0, 0)), 10);
    EXPECT_EQ(canvas.Count(RGB(0, 0, 200)), 0);
    WTKSetImageStripSysColorFunction(old);
    CWTKMenuGlyphs::CleanUp();

    // For a person: every glyph, four times enlarged, on the face colour.
    const int nScale = 4;
    Canvas gallery(CWTKMenuGlyphs::kGlyphCount * (kGlyph + 2) * nScale / 2, 2 * (kGlyph + 2) * nScale,
                   GetSysColor(COLOR_BTNFACE));
    const int nPerRow = CWTKMenuGlyphs::kGlyphCount / 2;
    for (int i = 0; i < CWTKMenuGlyphs::kGlyphCount; i++) {
        const CPoint pt((i % nPerRow) * (kGlyph + 2) * nScale + nScale, (i / nPerRow) * (kGlyph + 2) * nScale + nScale);
        EXPECT_TRUE(CWTKMenuGlyphs::Draw(gallery.DC(), i, pt, CSize(kGlyph * nScale, kGlyph * nScale))) << i;
    }
    const std::string dir = ScreenshotFolder();
    EXPECT_TRUE(gallery.WritePng(dir + "\\menu_glyphs.png"));
}

TEST(MenuGlyphsTest, TheToolkitCleanUpReleasesTheStrip)
{
    ASSERT_TRUE(CWTKMenuGlyphs::Initialize());
    WTKCleanUp();
    // The shared drawing DCs went too; the next strip makes them again.
    Canvas canvas(kGlyph, kGlyph, kGlyphSentinel);
    EXPECT_TRUE(CWTKMenuGlyphs::Draw(canvas.DC(), CWTKMenuGlyphs::kClose, CPoint(0, 0)));
    EXPECT_TRUE(canvas.Contains(GetSysColor(COLOR_BTNTEXT)));

    // The clean-up also released the global drawing data; the other tests draw with it.
    WTKGetGlobalData().UpdateSysColors();
    WTKGetGlobalData().UpdateFonts();
}

TEST(AcceleratorTextTest, FormatsModifiersAndKeys)
{
    struct Row {
        BYTE fVirt;
        WORD key;
        const char* expected;
    };
    const Row rows[] = {
        // The keyboard's own names, as this system gives them.
        {FCONTROL | FVIRTKEY, VK_DOWN, "Control+Down"},
        {FALT, 27, "Alt+"},
        {FSHIFT | FVIRTKEY, VK_F5, "Shift+F5"},
        {FCONTROL | FSHIFT | FALT | FVIRTKEY, 'S', "Control+Shift+Alt+S"},
        {FVIRTKEY, VK_DELETE, "Delete"},
        {FCONTROL, 'x', "Control+x"},
    };
    for (const Row& row : rows) {
        ACCEL accel {row.fVirt, row.key, 0};
        CString str("old");
        CWTKAcceleratorText(&accel).Format(str);
        EXPECT_STREQ(str, row.expected) << "key " << row.key;
    }
    CString str("old");
    CWTKAcceleratorText(nullptr).Format(str);
    EXPECT_STREQ(str, "");
}
