// The prefix the scripts prepare has the faces that dialogs, pages and caption buttons ask for:
// Wine's own fonts, and the usual Windows faces as the machine's metric-compatible fonts.
#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

int CALLBACK CountFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM counter)
{
    ++*reinterpret_cast<int*>(counter);
    return 1;
}

int FacesNamed(const char* face)
{
    LOGFONTA font {};
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    int count = 0;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &font, CountFace, reinterpret_cast<LPARAM>(&count), 0);
    ReleaseDC(nullptr, screen);
    return count;
}

// A 32-bit top-down picture to draw into and read back.
class Canvas {
public:
    explicit Canvas(int size) : size_(size)
    {
        BITMAPINFO info {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = size;
        info.bmiHeader.biHeight = -size;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas()
    {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    int size() const { return size_; }
    COLORREF at(int x, int y) const
    {
        GdiFlush();
        DWORD pixel = bits_[y * size_ + x];  // 0x00RRGGBB
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }

private:
    int size_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    DWORD* bits_ = nullptr;
};

int Distance(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
        std::abs(GetBValue(a) - GetBValue(b));
}

// The glyph's ink inside a drawn button: pixels nearer the text colour than the face colour,
// within the button's edges.
struct Ink {
    int left, top, right, bottom;
    std::vector<std::vector<bool>> at;  // [y][x] over the whole canvas
    bool operator()(int x, int y) const { return at[y][x]; }
};

Ink GlyphInk(const Canvas& canvas, int edge)
{
    const COLORREF text = GetSysColor(COLOR_BTNTEXT), face = GetSysColor(COLOR_BTNFACE);
    Ink ink {canvas.size(), canvas.size(), -1, -1,
             std::vector<std::vector<bool>>(canvas.size(), std::vector<bool>(canvas.size()))};
    for (int y = edge; y < canvas.size() - edge; ++y)
        for (int x = edge; x < canvas.size() - edge; ++x) {
            COLORREF pixel = canvas.at(x, y);
            if (Distance(pixel, text) >= Distance(pixel, face))
                continue;
            ink.at[y][x] = true;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    return ink;
}

// Share of ink pixels whose mirror image across the box's vertical middle line is ink too
// (one pixel either way allowed for rounding).
double MirrorShare(const Ink& ink)
{
    int inked = 0, mirrored = 0;
    for (int y = ink.top; y <= ink.bottom; ++y)
        for (int x = ink.left; x <= ink.right; ++x) {
            if (!ink(x, y))
                continue;
            ++inked;
            int mirror = ink.left + ink.right - x;
            for (int dx = -1; dx <= 1; ++dx) {
                int m = mirror + dx;
                if (m >= ink.left && m <= ink.right && ink(m, y)) {
                    ++mirrored;
                    break;
                }
            }
        }
    return inked ? double(mirrored) / inked : 0.0;
}

}  // namespace

TEST(PrefixFonts, TheFacesDialogsAndPagesAskForEnumerate)
{
    for (const char* face : {"Tahoma", "Marlett", "MS Shell Dlg", "Arial", "Times New Roman", "Courier New", "Verdana"})
        EXPECT_GT(FacesNamed(face), 0) << face;
}

TEST(PrefixFonts, TheUsualWindowsFacesDrawAsTheirMetricCompatibleFonts)
{
    struct Case {
        const char* asked;
        const char* drawnAs;
    };
    const Case cases[] = {{"Arial", "Liberation Sans"},
                          {"Times New Roman", "Liberation Serif"},
                          {"Courier New", "Liberation Mono"},
                          {"Verdana", "DejaVu Sans"}};
    const char sample[] = "The quick brown fox jumps over the lazy dog 0123456789";
    HDC screen = GetDC(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked);
        SIZE extent[2] {};
        const char* faces[2] = {c.asked, c.drawnAs};
        for (int i = 0; i < 2; ++i) {
            HFONT font =
                CreateFontA(-20, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, faces[i]);
            HGDIOBJ old = SelectObject(screen, font);
            GetTextExtentPoint32A(screen, sample, lstrlenA(sample), &extent[i]);
            SelectObject(screen, old);
            DeleteObject(font);
        }
        EXPECT_GT(FacesNamed(c.drawnAs), 0);
        EXPECT_EQ(extent[0].cx, extent[1].cx);
        EXPECT_EQ(extent[0].cy, extent[1].cy);
    }
    ReleaseDC(nullptr, screen);
}

// The close box is the Marlett glyph of an X, not the letter its character code stands for.
TEST(PrefixFonts, ACaptionCloseBoxDrawsItsGlyphNotALetter)
{
    Canvas canvas(48);
    RECT box {0, 0, canvas.size(), canvas.size()};
    ASSERT_TRUE(DrawFrameControl(canvas.dc(), &box, DFC_CAPTION, DFCS_CAPTIONCLOSE));
    Ink ink = GlyphInk(canvas, 3);
    ASSERT_GT(ink.right - ink.left, 4);
    ASSERT_GT(ink.bottom - ink.top, 4);
    // An X: ink at the corners of its box and at its middle, and the same in a mirror.
    EXPECT_TRUE(ink(ink.left, ink.top) && ink(ink.right, ink.top) && ink(ink.left, ink.bottom) &&
                ink(ink.right, ink.bottom));
    EXPECT_TRUE(ink((ink.left + ink.right) / 2, (ink.top + ink.bottom) / 2));
    EXPECT_GT(MirrorShare(ink), 0.9);
}
