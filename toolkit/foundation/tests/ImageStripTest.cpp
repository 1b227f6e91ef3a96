#include "foundation/WTKImageStrip.h"

#include "Canvas.h"
#include "Files.h"
#include "ImagesTestsRes.h"
#include "foundation/WTKFoundationRes.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"
#include "win/WinApp.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr COLORREF kSentinel = RGB(0, 160, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kRedPixel = RGB(255, 0, 0);
constexpr COLORREF kBluePixel = RGB(0, 0, 255);
// One sample column per 4-pixel band of the test images.
constexpr std::array<int, 4> kBandX {1, 5, 9, 13};
constexpr int kImageWidth = 16;
constexpr int kImageHeight = 15;

COLORREF Sys(int nIndex)
{
    return GetSysColor(nIndex);
}

COLORREF LightColour()
{
    LOGBRUSH lb {};
    WTKGetGlobalData().brLight.GetLogBrush(&lb);
    return lb.lbColor;
}

int EightBitScreen()
{
    return 8;
}

// The screen's colour depth as the global data reads it, for one test.
class ScreenDepthScope {
public:
    explicit ScreenDepthScope(int (*pfn)())
    {
        WTKGlobalDataSources sources = WTKDefaultGlobalDataSources();
        sources.screenBitsPerPixel = pfn;
        m_old = WTKSetGlobalDataSources(sources);
        WTKGetGlobalData().UpdateSysColors();
    }
    ~ScreenDepthScope()
    {
        WTKSetGlobalDataSources(m_old);
        WTKGetGlobalData().UpdateSysColors();
    }

private:
    WTKGlobalDataSources m_old;
};

// The colour of a pixel of the strip's own bitmap.
COLORREF StripPixel(const CWTKImageStrip& strip, int x, int y)
{
    HDC hdc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(hdc, strip.GetImageWell());
    const COLORREF clr = GetPixel(hdc, x, y);
    SelectObject(hdc, old);
    DeleteDC(hdc);
    return clr;
}

// Draws one image on a sentinel canvas and answers the four band samples of row 7.
struct DrawCall {
    BOOL bHilite = FALSE, bDisabled = FALSE, bIndeterminate = FALSE, bShadow = FALSE, bInactive = FALSE;
};

std::array<COLORREF, 4> DrawBands(CWTKImageStrip& strip, int iImage, DrawCall call, BOOL bFade = FALSE,
                                  Canvas* pKeep = nullptr)
{
    Canvas local(kImageWidth + 4, kImageHeight + 4, kSentinel);
    Canvas& canvas = pKeep ? *pKeep : local;
    WTKDrawState ds;
    EXPECT_TRUE(strip.PrepareDraw(ds, CSize(0, 0), bFade));
    EXPECT_TRUE(strip.Draw(canvas.DC(), 0, 0, iImage, call.bHilite, call.bDisabled, call.bIndeterminate, call.bShadow,
                           call.bInactive));
    strip.EndDraw(ds);
    std::array<COLORREF, 4> bands {};
    for (size_t i = 0; i < bands.size(); i++)
        bands[i] = canvas.Pixel(kBandX[i], 7);
    return bands;
}

std::string Hex(COLORREF clr)
{
    char sz[16];
    wsprintfA(sz, "%06lX", static_cast<unsigned long>(clr));
    return sz;
}

std::string Bands(const std::array<COLORREF, 4>& bands)
{
    return Hex(bands[0]) + " " + Hex(bands[1]) + " " + Hex(bands[2]) + " " + Hex(bands[3]);
}

// A folder of its own for the file tests, emptied and removed afterwards.
class TempFolder {
public:
    TempFolder()
    {
        char szTemp[MAX_PATH];
        GetTempPathA(MAX_PATH, szTemp);
        m_path = std::string(szTemp) + "wtk_images_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~TempFolder()
    {
        for (const std::string& name : Files()) {
            const std::string file = m_path + "\\" + name;
            SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(file.c_str());
        }
        RemoveDirectoryA(m_path.c_str());
    }
    std::string File(const char* name) const { return m_path + "\\" + name; }
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA data;
        HANDLE hFind = FindFirstFileA((m_path + "\\*").c_str(), &data);
        if (hFind == INVALID_HANDLE_VALUE)
            return names;
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(data.cFileName);
        } while (FindNextFileA(hFind, &data));
        FindClose(hFind);
        return names;
    }

private:
    std::string m_path;
};

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Writes a resource strip to a file, as the user-images file would be.
bool WriteStripFile(UINT uiResID, const std::string& path)
{
    CWTKImageStrip strip;
    if (!strip.Load(uiResID))
        return false;
    HGLOBAL hDIB = BitmapToDIB(strip.GetImageWell());
    const bool bOk = hDIB && WriteDIBToFile(path.c_str(), hDIB);
    if (hDIB)
        GlobalFree(hDIB);
    return bOk;
}

// System colours that a high-contrast scheme might give: text and highlight exchanged.
DWORD WINAPI HighContrastColor(int nIndex)
{
    switch (nIndex) {
    case COLOR_BTNTEXT:
        return RGB(255, 255, 255);
    case COLOR_BTNHIGHLIGHT:
        return RGB(0, 0, 0);
    default:
        return GetSysColor(nIndex);
    }
}

class SysColorScope {
public:
    explicit SysColorScope(WTKSysColorFn pfn) : m_old(WTKSetImageStripSysColorFunction(pfn)) {}
    ~SysColorScope() { WTKSetImageStripSysColorFunction(m_old); }

private:
    WTKSysColorFn m_old;
};

std::vector<std::string> g_messages;
int ScriptedMessageBox(HWND, LPCSTR lpszText, LPCSTR, UINT)
{
    g_messages.push_back(lpszText ? lpszText : "");
    return IDOK;
}

}  // namespace

TEST(ImageStripTest, LoadsCountsAndRefusesIndexesOutsideTheStrip)
{
    CWTKImageStrip strip;
    ASSERT_TRUE(strip.Load(IDB_TEST_STRIP24));
    EXPECT_EQ(strip.GetCount(), 2);
    EXPECT_EQ(strip.GetBitsPerPixel(), 24);
    EXPECT_EQ(strip.GetImageSize(), CSize(kImageWidth, kImageHeight));

    Canvas canvas(40, 20, kSentinel);
    WTKDrawState ds;
    ASSERT_TRUE(strip.PrepareDraw(ds));
    EXPECT_EQ(strip.GetImageSize(TRUE), CSize(kImageWidth, kImageHeight));
    EXPECT_FALSE(strip.Draw(canvas.DC(), 0, 0, 2));
    EXPECT_FALSE(strip.Draw(canvas.DC(), 0, 0, -1));
    EXPECT_TRUE(strip.Draw(canvas.DC(), 0, 0, 1));
    strip.EndDraw(ds);
    EXPECT_EQ(strip.GetImageSize(TRUE), CSize(0, 0));
    EXPECT_EQ(canvas.Pixel(1, 1), kRedPixel);
    EXPECT_EQ(canvas.Count(kSentinel, CRect(0, 0, kImageWidth, kImageHeight)), 0);

    // A replacing load that fails leaves an empty strip, not the old count.
    EXPECT_FALSE(strip.Load(IDB_TEST_MISSING));
    EXPECT_EQ(strip.GetCount(), 0);
    EXPECT_FALSE(strip.PrepareDraw(ds));
}

TEST(ImageStripTest, AppendsEachResourceOnceAndRebuildsFromWhatLoadedOnAColourChange)
{
    CWTKImageStrip strip;
    ASSERT_TRUE(strip.Load(IDB_TEST_STRIP24, nullptr, TRUE));
    ASSERT_TRUE(strip.Load(IDB_TEST_MORE24, nullptr, TRUE));
    EXPECT_TRUE(strip.Load(IDB_TEST_STRIP24, nullptr, TRUE));
    EXPECT_EQ(strip.GetCount(), 3);
    // A failed append records nothing: the reload below would otherwise stumble over it.
    EXPECT_FALSE(strip.Load(IDB_TEST_MISSING, nullptr, TRUE));
    EXPECT_EQ(strip.GetCount(), 3);

    strip.OnSysColorChange();
    ASSERT_EQ(strip.GetCount(), 3);
    EXPECT_EQ(StripPixel(strip, 1, 7), Sys(COLOR_BTNTEXT));
    EXPECT_EQ(StripPixel(strip, kImageWidth + 1, 7), kRedPixel);
    EXPECT_EQ(StripPixel(strip, 2 * kImageWidth + 1, 7), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(StripPixel(strip, 2 * kImageWidth + 5, 7), Sys(COLOR_BTNTEXT));
    // Still one copy per resource after the reload.
    EXPECT_TRUE(strip.Load(IDB_TEST_MORE24, nullptr, TRUE));
    EXPECT_EQ(strip.GetCount(), 3);
}

TEST(ImageStripTest, MapsEachBitmapOnceSoAHighContrastSchemeKeepsEarlierImages)
{
    SysColorScope scheme(HighContrastColor);
    CWTKImageStrip strip;
    ASSERT_TRUE(strip.Load(IDB_TEST_STRIP24, nullptr, TRUE));
    ASSERT_TRUE(strip.Load(IDB_TEST_MORE24, nullptr, TRUE));
    strip.OnSysColorChange();
    // Black stands for the text colour (white here) and white for the highlight (black here);
    // mapping the first image a second time would exchange them back.
    EXPECT_EQ(StripPixel(strip, 1, 7), RGB(255, 255, 255));
    EXPECT_EQ(StripPixel(strip, 13, 7), RGB(0, 0, 0));
    EXPECT_EQ(StripPixel(strip, 2 * kImageWidth + 1, 7), RGB(0, 0, 0));
    EXPECT_EQ(StripPixel(strip, 2 * kImageWidth + 5, 7), RGB(255, 255, 255));
}

TEST(ImageStripTest, StandardColoursMapBothWays)
{
    SysColorScope scheme(HighContrastColor);
    EXPECT_EQ(MapStandardColorToSys(RGB(0, 0, 0), FALSE), RGB(255, 255, 255));
    EXPECT_EQ(MapStandardColorToSys(RGB(0x80, 0x80, 0x80), FALSE), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(MapStandardColorToSys(kRedPixel, TRUE), kRedPixel);
    EXPECT_EQ(MapSysColorToStandard(RGB(255, 255, 255), FALSE), RGB(0, 0, 0));
    EXPECT_EQ(MapSysColorToStandard(kBluePixel, FALSE), kBluePixel);
}

TEST(ImageStripTest, DrawsEveryState)
{
    CWTKImageStrip strip4;
    ASSERT_TRUE(strip4.Load(IDB_TEST_STRIP4));
    ASSERT_EQ(strip4.GetBitsPerPixel(), 4);
    const COLORREF black = RGB(0, 0, 0);
    const COLORREF white = RGB(255, 255, 255);
    const COLORREF shadow = Sys(COLOR_BTNSHADOW);
    const COLORREF face = Sys(COLOR_BTNFACE);
    const COLORREF light = LightColour();

    struct Row {
        const char* name;
        DrawCall call;
        std::array<COLORREF, 4> expected;  // black, grey, face and white bands
    };
    const Row rows[] = {
        {"normal", {}, {black, shadow, face, white}},
        // The shape in the shadow colour; face and highlight pixels let the background through.
        {"disabled", {FALSE, TRUE}, {shadow, shadow, kSentinel, kSentinel}},
        // The light brush round the image's own pixels.
        {"highlighted", {TRUE}, {black, shadow, light, light}},
        {"indeterminate", {FALSE, FALSE, TRUE}, {shadow, shadow, light, white}},
    };
    for (const Row& row : rows) {
        Canvas canvas(kImageWidth + 4, kImageHeight + 4, kSentinel);
        EXPECT_EQ(Bands(DrawBands(strip4, 0, row.call, FALSE, &canvas)), Bands(row.expected)) << row.name;
    }

    // The embossed copy of the shape shows one pixel right of the shadow shape.
    Canvas canvas(kImageWidth + 4, kImageHeight + 4, kSentinel);
    DrawBands(strip4, 0, {FALSE, TRUE}, FALSE, &canvas);
    EXPECT_EQ(canvas.Pixel(8, 7), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.Pixel(8, 0), kSentinel);
    // A look without embossing draws the shadow shape alone.
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    ASSERT_NE(pLook, nullptr);
    pLook->m_bEmbossDisabledImage = FALSE;
    canvas.Fill(kSentinel);
    DrawBands(strip4, 0, {FALSE, TRUE}, FALSE, &canvas);
    pLook->m_bEmbossDisabledImage = TRUE;
    EXPECT_EQ(canvas.Pixel(8, 7), kSentinel);
    EXPECT_EQ(canvas.Pixel(1, 7), Sys(COLOR_BTNSHADOW));

    // A disabled true-colour image is turned grey instead.
    CWTKImageStrip strip24;
    ASSERT_TRUE(strip24.Load(IDB_TEST_STRIP24));
    for (COLORREF greyed : DrawBands(strip24, 1, {FALSE, TRUE})) {
        EXPECT_EQ(GetRValue(greyed), GetGValue(greyed)) << Hex(greyed);
        EXPECT_EQ(GetGValue(greyed), GetBValue(greyed)) << Hex(greyed);
    }

    // A shadow paints the shape only, never the face.
    EXPECT_EQ(DrawBands(strip4, 0, {FALSE, FALSE, FALSE, TRUE})[2], kSentinel);

    // For a person: both images in each state, one row per state, and stretched to double size.
    const DrawCall states[] = {{}, {FALSE, TRUE}, {TRUE}, {FALSE, FALSE, TRUE}, {FALSE, FALSE, FALSE, TRUE}};
    Canvas gallery(2 * (kImageWidth + 4) + 2 * kImageWidth + 8, 5 * (kImageHeight + 4) + 4, face);
    WTKDrawState ds;
    ASSERT_TRUE(strip4.PrepareDraw(ds));
    for (int row = 0; row < 5; row++) {
        for (int image = 0; image < 2; image++)
            strip4.Draw(gallery.DC(), 2 + image * (kImageWidth + 4), 2 + row * (kImageHeight + 4), image,
                        states[row].bHilite, states[row].bDisabled, states[row].bIndeterminate, states[row].bShadow);
    }
    strip4.EndDraw(ds);
    ASSERT_TRUE(strip4.PrepareDraw(ds, CSize(2 * kImageWidth, 2 * kImageHeight)));
    strip4.Draw(gallery.DC(), 2 * (kImageWidth + 4) + 4, 2, 0);
    strip4.Draw(gallery.DC(), 2 * (kImageWidth + 4) + 4, 2 * kImageHeight + 6, 1);
    strip4.EndDraw(ds);
    const std::string dir = ScreenshotFolder();
    EXPECT_TRUE(gallery.WritePng(dir + "\\image_strip_states.png"));
}

TEST(ImageStripTest, FadedImagesOnlyFromSixteenColourStripsAndOnlyForInactiveImages)
{
    CWTKImageStrip strip4;
    CWTKImageStrip strip24;
    ASSERT_TRUE(strip4.Load(IDB_TEST_STRIP4));
    ASSERT_TRUE(strip24.Load(IDB_TEST_STRIP24));
    ASSERT_NE(strip4.GetFadedImageWell(), nullptr);

    const COLORREF faded = RGB(76, 76, 76);  // black lightened to 130 percent
    DrawCall inactive;
    inactive.bInactive = TRUE;
    EXPECT_EQ(DrawBands(strip4, 0, inactive, TRUE)[0], faded);
    EXPECT_EQ(DrawBands(strip4, 0, inactive, TRUE)[2], Sys(COLOR_BTNFACE));
    EXPECT_EQ(DrawBands(strip4, 0, {}, TRUE)[0], RGB(0, 0, 0));
    EXPECT_EQ(DrawBands(strip24, 0, inactive, TRUE)[0], RGB(0, 0, 0));
}

TEST(ImageStripTest, OnA256ColourScreenNoFadedImageAndNoShadows)
{
    ScreenDepthScope depth(EightBitScreen);
    CWTKImageStrip strip4;
    ASSERT_TRUE(strip4.Load(IDB_TEST_STRIP4));
    EXPECT_EQ(strip4.GetFadedImageWell(), nullptr);
    EXPECT_EQ(strip4.GetShadowColor(), WTKGetGlobalData().clrBtnShadow);
    Canvas canvas(kImageWidth + 4, kImageHeight + 4, kSentinel);
    WTKDrawState ds;
    ASSERT_TRUE(strip4.PrepareDraw(ds, CSize(0, 0), TRUE));
    EXPECT_TRUE(strip4.Draw(canvas.DC(), 0, 0, 0, FALSE, FALSE, FALSE, TRUE, TRUE));
    strip4.EndDraw(ds);
    EXPECT_EQ(canvas.Count(kSentinel), canvas.Width() * canvas.Height());
}

TEST(ImageStripTest, StretchesAndLeavesTheTransparentColourOut)
{
    CWTKImageStrip strip;
    ASSERT_TRUE(strip.Load(IDB_TEST_STRIP24));

    // Stretched, the face colour is transparent.
    Canvas canvas(40, 40, kSentinel);
    WTKDrawState ds;
    ASSERT_TRUE(strip.PrepareDraw(ds, CSize(2 * kImageWidth, 2 * kImageHeight)));
    EXPECT_EQ(strip.GetImageSize(TRUE), CSize(2 * kImageWidth, 2 * kImageHeight));
    EXPECT_TRUE(strip.Draw(canvas.DC(), 2, 2, 0));
    strip.EndDraw(ds);
    EXPECT_EQ(canvas.Pixel(2 + 3, 20), Sys(COLOR_BTNTEXT));
    EXPECT_EQ(canvas.Pixel(2 + 18, 20), kSentinel);
    EXPECT_EQ(canvas.Pixel(2 + 28, 28), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.Pixel(2 + 33, 20), kSentinel);

    // A transparent colour of its own, at image size.
    strip.SetTransparentColor(kMagenta);
    canvas.Fill(kSentinel);
    ASSERT_TRUE(strip.PrepareDraw(ds));
    EXPECT_TRUE(strip.Draw(canvas.DC(), 0, 0, 1));
    strip.EndDraw(ds);
    EXPECT_EQ(canvas.Pixel(1, 7), kRedPixel);
    EXPECT_EQ(canvas.Pixel(9, 7), kSentinel);
    EXPECT_EQ(canvas.Pixel(13, 7), kBluePixel);
}

TEST(ImageStripTest, AFailedPrepareGivesTheSharedDCsBack)
{
    CWTKImageStrip busy;
    CWTKImageStrip other;
    ASSERT_TRUE(busy.Load(IDB_TEST_STRIP24));
    ASSERT_TRUE(other.Load(IDB_TEST_STRIP4));

    // A bitmap selected elsewhere cannot be selected for drawing.
    HDC hdc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(hdc, busy.GetImageWell());
    WTKDrawState ds;
    EXPECT_FALSE(busy.PrepareDraw(ds));
    EXPECT_EQ(ds.hbmMono, nullptr);
    SelectObject(hdc, old);
    DeleteDC(hdc);

    EXPECT_EQ(DrawBands(other, 0, {FALSE, TRUE})[0], Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(DrawBands(busy, 1, {})[0], kRedPixel);
}

TEST(ImageStripTest, ASharedCopyRefusesChangesAndNeverDrawsADeletedBitmap)
{
    CWTKImageStrip source;
    ASSERT_TRUE(source.Load(IDB_TEST_STRIP24));
    {
        CWTKImageStrip copy;
        ASSERT_TRUE(source.CopyTo(copy));
        EXPECT_TRUE(copy.IsShared());
        EXPECT_TRUE(copy.IsReadOnly());
        EXPECT_EQ(copy.GetCount(), 2);
        EXPECT_FALSE(copy.Load(IDB_TEST_MORE24));
        EXPECT_EQ(copy.AddImage(source.GetImageWell()), -1);
        copy.Clear();
        EXPECT_EQ(copy.GetCount(), 2);

        // The source replaces its images; the copy still draws the ones it was given.
        ASSERT_TRUE(source.Load(IDB_TEST_MORE24));
        EXPECT_EQ(DrawBands(copy, 1, {})[0], kRedPixel);
    }
    // The copy's end leaves the source's images alone.
    EXPECT_EQ(source.GetCount(), 1);
    EXPECT_EQ(DrawBands(source, 0, {})[1], Sys(COLOR_BTNTEXT));
}

TEST(ImageStripTest, UserImagesFileRoundTripAndSaveRules)
{
    TempFolder folder;
    const std::string path = folder.File("UserImages.bmp");
    const std::string copyPath = folder.File("Copy.bmp");
    ASSERT_TRUE(WriteStripFile(IDB_TEST_STRIP24, path));

    CWTKImageStrip strip;
    ASSERT_TRUE(strip.LoadFromFile(path.c_str()));
    EXPECT_TRUE(strip.IsUserImageList());
    EXPECT_FALSE(strip.IsReadOnly());
    EXPECT_EQ(strip.GetCount(), 2);

    // Nothing changed: saving to its own file writes nothing.
    const std::string other = ReadFile(folder.File("UserImages.bmp"));
    WriteFileBytes(path, "not touched");
    EXPECT_TRUE(strip.Save());
    EXPECT_EQ(ReadFile(path), "not touched");
    WriteFileBytes(path, other);

    CWTKImageStrip more;
    ASSERT_TRUE(more.Load(IDB_TEST_MORE24));
    EXPECT_EQ(strip.AddImage(more.GetImageWell()), 2);
    EXPECT_TRUE(strip.IsModified());
    EXPECT_FALSE(strip.UpdateImage(3, more.GetImageWell()));
    EXPECT_FALSE(strip.UpdateImage(-1, more.GetImageWell()));
    EXPECT_TRUE(strip.UpdateImage(1, more.GetImageWell()));

    // A copy elsewhere leaves the strip's own file out of date.
    EXPECT_TRUE(strip.Save(copyPath.c_str()));
    EXPECT_TRUE(strip.IsModified());
    EXPECT_TRUE(strip.Save());
    EXPECT_FALSE(strip.IsModified());

    for (const std::string& file : {path, copyPath}) {
        CWTKImageStrip reloaded;
        ASSERT_TRUE(reloaded.LoadFromFile(file.c_str())) << file;
        EXPECT_EQ(reloaded.GetCount(), 3) << file;
        EXPECT_EQ(StripPixel(reloaded, 1, 7), Sys(COLOR_BTNTEXT)) << file;
        EXPECT_EQ(StripPixel(reloaded, kImageWidth + 5, 7), Sys(COLOR_BTNTEXT)) << file;
        EXPECT_EQ(StripPixel(reloaded, 2 * kImageWidth + 1, 7), Sys(COLOR_BTNHIGHLIGHT)) << file;
    }
    EXPECT_EQ(folder.Files().size(), 2u);
}

TEST(ImageStripTest, AColourChangeKeepsUnsavedUserImagesAndRereadsSavedOnes)
{
    TempFolder folder;
    const std::string path = folder.File("UserImages.bmp");
    ASSERT_TRUE(WriteStripFile(IDB_TEST_STRIP24, path));
    CWTKImageStrip strip;
    ASSERT_TRUE(strip.LoadFromFile(path.c_str()));
    CWTKImageStrip more;
    ASSERT_TRUE(more.Load(IDB_TEST_MORE24));
    ASSERT_EQ(strip.AddImage(more.GetImageWell()), 2);
    const COLORREF clrAdded = StripPixel(strip, 2 * kImageWidth + 1, 7);

    // The added image is not in the file yet: it stays, with its pixels.
    SysColorScope scheme(HighContrastColor);
    strip.OnSysColorChange();
    ASSERT_EQ(strip.GetCount(), 3);
    EXPECT_TRUE(strip.IsModified());
    EXPECT_EQ(StripPixel(strip, 2 * kImageWidth + 1, 7), clrAdded);

    // Once saved, a colour change reads the file again in the new colours.
    ASSERT_TRUE(strip.Save());
    strip.OnSysColorChange();
    ASSERT_EQ(strip.GetCount(), 3);
    EXPECT_FALSE(strip.IsModified());
    EXPECT_EQ(StripPixel(strip, 1, 7), RGB(255, 255, 255));
    EXPECT_EQ(StripPixel(strip, 2 * kImageWidth + 1, 7), RGB(0, 0, 0));
}

TEST(ImageStripTest, AReadOnlyFileIsNeverWrittenAndAFailedWriteKeepsTheOldFile)
{
    TempFolder folder;
    const std::string path = folder.File("UserImages.bmp");
    ASSERT_TRUE(WriteStripFile(IDB_TEST_STRIP24, path));
    CWTKImageStrip more;
    ASSERT_TRUE(more.Load(IDB_TEST_MORE24));

    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    CWTKImageStrip readOnly;
    ASSERT_TRUE(readOnly.LoadFromFile(path.c_str()));
    EXPECT_TRUE(readOnly.IsReadOnly());
    readOnly.AddImage(more.GetImageWell());
    EXPECT_FALSE(readOnly.Save());
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

    const std::string before = ReadFile(path);
    CWTKImageStrip strip;
    ASSERT_TRUE(strip.LoadFromFile(path.c_str()));
    strip.AddImage(more.GetImageWell());
    // Another program holds the file open without sharing: the new file cannot take its place.
    HANDLE hHeld = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(strip.Save());
    CloseHandle(hHeld);
    EXPECT_TRUE(strip.IsModified());
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_EQ(folder.Files(), std::vector<std::string> {"UserImages.bmp"});
}

TEST(ImageStripTest, DamagedOrMissingFilesLoadNothing)
{
    TempFolder folder;
    const std::string good = folder.File("Good.bmp");
    ASSERT_TRUE(WriteStripFile(IDB_TEST_STRIP24, good));
    const std::string bytes = ReadFile(good);

    struct Case {
        const char* name;
        std::string content;
    };
    std::string hugeHeader = bytes;
    hugeHeader[18] = '\xFF';  // width
    hugeHeader[21] = '\x7F';
    const Case cases[] = {
        {"empty", ""},
        {"header only", bytes.substr(0, 20)},
        {"truncated bits", bytes.substr(0, bytes.size() / 2)},
        {"huge width", hugeHeader},
        {"not a bitmap", "GIF89a this is not a bitmap at all"},
    };
    for (const Case& c : cases) {
        const std::string path = folder.File("Damaged.bmp");
        WriteFileBytes(path, c.content);
        CWTKImageStrip strip;
        ASSERT_TRUE(strip.LoadFromFile(good.c_str()));
        const BOOL bLoaded = strip.LoadFromFile(path.c_str());
        if (bLoaded) {
            // A loader may accept a short file; what it gave must still draw safely.
            Canvas canvas(20, 20);
            WTKDrawState ds;
            if (strip.PrepareDraw(ds)) {
                for (int i = 0; i < strip.GetCount(); i++)
                    strip.Draw(canvas.DC(), 0, 0, i);
                strip.EndDraw(ds);
            }
        } else {
            EXPECT_EQ(strip.GetCount(), 0) << c.name;
        }
    }
    CWTKImageStrip strip;
    EXPECT_FALSE(strip.LoadFromFile(folder.File("Missing.bmp").c_str()));
    EXPECT_EQ(strip.GetCount(), 0);
}

TEST(ImageStripTest, CopiesAnImageToTheClipboardOrSaysWhyNot)
{
    CWTKImageStrip strip;
    ASSERT_TRUE(strip.Load(IDB_TEST_STRIP24));
    g_messages.clear();
    const FwMessageBoxFn oldBox = FwSetMessageBoxFunction(ScriptedMessageBox);

    ASSERT_TRUE(strip.CopyImageToClipboard(1));
    ASSERT_TRUE(OpenClipboard(nullptr));
    HBITMAP hbm = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_NE(hbm, nullptr);
    BITMAP bm {};
    GetObjectA(hbm, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, kImageWidth);
    HDC hdc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(hdc, hbm);
    EXPECT_EQ(GetPixel(hdc, 1, 7), kRedPixel);
    EXPECT_EQ(GetPixel(hdc, 13, 7), kBluePixel);
    SelectObject(hdc, old);
    DeleteDC(hdc);
    CloseClipboard();
    EXPECT_TRUE(g_messages.empty());

    // Another thread holds the clipboard open.
    HANDLE hOpened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE hRelease = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool bHeld = false;
    std::thread holder([&] {
        // Opened for a window: the clipboard then refuses every other opener.
        HWND hwnd = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        bHeld = OpenClipboard(hwnd);
        SetEvent(hOpened);
        WaitForSingleObject(hRelease, INFINITE);
        CloseClipboard();
        DestroyWindow(hwnd);
    });
    WaitForSingleObject(hOpened, INFINITE);
    EXPECT_TRUE(bHeld);
    EXPECT_FALSE(strip.CopyImageToClipboard(0));
    SetEvent(hRelease);
    holder.join();
    CloseHandle(hOpened);
    CloseHandle(hRelease);
    ASSERT_EQ(g_messages.size(), 1u);
    EXPECT_EQ(g_messages[0], "Can't copy bitmap image into the clipboard!");

    EXPECT_FALSE(strip.CopyImageToClipboard(2));
    FwSetMessageBoxFunction(oldBox);
}
