#include "foundation/WTKCleanUp.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKGlobalFontsHooks.h"

#include "Canvas.h"
#include "win/Wnd.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace {

int g_glyphReleases = 0;
int g_soundStops = 0;
int g_fontChanges = 0;

void CountGlyphRelease()
{
    ++g_glyphReleases;
    // A part that reaches the record from its hook must not find it half built.
    WTKGetGlobalData();
}

void CountSoundStop()
{
    ++g_soundStops;
}

class CCountingFontsHooks : public CWTKGlobalFontsHooks {
public:
    void OnGlobalFontsChanged() override
    {
        ++g_fontChanges;
        WTKGetGlobalData();
    }
};
CCountingFontsHooks g_countingFontsHooks;

// Registers the hooks before anything else runs and then uses the record for the first time,
// as a part above would from its own static set-up.
struct FirstUse {
    FirstUse()
    {
        WTKSetMenuGlyphsReleaseHook(CountGlyphRelease);
        WTKSetMenuSoundStopHook(CountSoundStop);
        CWTKGlobalFontsHooks::Register(&g_countingFontsHooks);
        record = &WTKGetGlobalData();
        hooksCalled = g_glyphReleases + g_soundStops + g_fontChanges;
    }
    WTKGlobalData* record;
    int hooksCalled;
};
FirstUse g_firstUse;

// The session's colours, put back whatever a test changed.
class SysColorsGuard {
public:
    SysColorsGuard()
    {
        for (int i = 0; i < kCount; ++i)
            m_saved[i] = ::GetSysColor(kIndexes[i]);
    }
    ~SysColorsGuard()
    {
        ::SetSysColors(kCount, kIndexes, m_saved.data());
        WTKGetGlobalData().UpdateSysColors();
    }
    void Set(int index, COLORREF color) { ASSERT_TRUE(::SetSysColors(1, &index, &color)); }

private:
    static constexpr int kCount = 12;
    static constexpr int kIndexes[kCount] = {COLOR_BTNFACE,       COLOR_BTNSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT,
                                             COLOR_BTNHIGHLIGHT,  COLOR_BTNTEXT,   COLOR_GRAYTEXT,   COLOR_HIGHLIGHT,
                                             COLOR_HIGHLIGHTTEXT, COLOR_WINDOW,    COLOR_WINDOWTEXT, COLOR_MENUTEXT};
    std::array<COLORREF, kCount> m_saved {};
};

// Sources replaced for one test, the system's own again afterwards.
class SourcesGuard {
public:
    explicit SourcesGuard(const WTKGlobalDataSources& sources) : m_previous(WTKSetGlobalDataSources(sources)) {}
    ~SourcesGuard()
    {
        WTKSetGlobalDataSources(m_previous);
        WTKGetGlobalData().UpdateSysColors();
        WTKGetGlobalData().UpdateFonts();
    }

private:
    WTKGlobalDataSources m_previous;
};

COLORREF PaintedBy(HBRUSH brush)
{
    Canvas canvas(4, 4, RGB(1, 2, 3));
    RECT all {0, 0, 4, 4};
    ::FillRect(canvas.Handle(), &all, brush);
    return canvas.Pixel(1, 1);
}

std::string FaceOf(const CFont& font)
{
    LOGFONTA lf {};
    if (!font.GetSafeHandle() || font.GetLogFont(&lf) == 0)
        return "<empty>";
    return lf.lfFaceName;
}

// The face the font mapper actually picked for a font.
std::string RealisedFace(const CFont& font)
{
    Canvas canvas(2, 2);
    HGDIOBJ old = ::SelectObject(canvas.Handle(), font.GetSafeHandle());
    char face[LF_FACESIZE] = {};
    ::GetTextFaceA(canvas.Handle(), LF_FACESIZE, face);
    ::SelectObject(canvas.Handle(), old);
    return face;
}

TEST(GlobalDataTest, IsOneRecordBuiltOnFirstUseWithoutCallingTheHooks)
{
    EXPECT_EQ(g_firstUse.record, &WTKGetGlobalData());
    EXPECT_EQ(g_firstUse.hooksCalled, 0);
    EXPECT_EQ(WTKGetGlobalData().nMaxToolTipWidth, -1);
    EXPECT_EQ(WTKGetGlobalData().clrHotText, RGB(0, 0, 255));
}

TEST(GlobalDataTest, ColoursAndBarCopiesFollowTheSystemAfterAChange)
{
    SysColorsGuard guard;
    WTKGlobalData& data = WTKGetGlobalData();
    const struct {
        int index;
        COLORREF color;
        COLORREF WTKGlobalData::*field;
        COLORREF WTKGlobalData::*barField;
    } rows[] = {
        {COLOR_BTNFACE, RGB(10, 20, 30), &WTKGlobalData::clrBtnFace, &WTKGlobalData::clrBarFace},
        {COLOR_BTNSHADOW, RGB(11, 21, 31), &WTKGlobalData::clrBtnShadow, &WTKGlobalData::clrBarShadow},
        {COLOR_3DDKSHADOW, RGB(12, 22, 32), &WTKGlobalData::clrBtnDkShadow, &WTKGlobalData::clrBarDkShadow},
        {COLOR_3DLIGHT, RGB(13, 23, 33), &WTKGlobalData::clrBtnLight, &WTKGlobalData::clrBarLight},
        {COLOR_BTNHIGHLIGHT, RGB(14, 24, 34), &WTKGlobalData::clrBtnHilite, &WTKGlobalData::clrBarHilite},
        {COLOR_BTNTEXT, RGB(15, 25, 35), &WTKGlobalData::clrBtnText, &WTKGlobalData::clrBarText},
        {COLOR_WINDOW, RGB(16, 26, 36), &WTKGlobalData::clrWindow, &WTKGlobalData::clrBarWindow},
        {COLOR_GRAYTEXT, RGB(17, 27, 37), &WTKGlobalData::clrGrayedText, nullptr},
        {COLOR_HIGHLIGHT, RGB(18, 28, 38), &WTKGlobalData::clrHilite, nullptr},
        {COLOR_HIGHLIGHTTEXT, RGB(19, 29, 39), &WTKGlobalData::clrTextHilite, nullptr},
        {COLOR_WINDOWTEXT, RGB(20, 30, 40), &WTKGlobalData::clrWindowText, nullptr},
        {COLOR_MENUTEXT, RGB(21, 31, 41), &WTKGlobalData::clrMenuText, nullptr},
    };
    for (const auto& row : rows) {
        guard.Set(row.index, row.color);
        // A look's tint, which the refresh must undo.
        if (row.barField)
            data.*row.barField = RGB(250, 0, 250);
    }
    const int releasesBefore = g_glyphReleases;
    data.UpdateSysColors();

    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        EXPECT_EQ(data.*row.field, row.color);
        if (row.barField) {
            EXPECT_EQ(data.*row.barField, row.color);
        }
    }
    EXPECT_EQ(g_glyphReleases, releasesBefore + 1);
    EXPECT_EQ(data.hbrBtnShadow, ::GetSysColorBrush(COLOR_BTNSHADOW));
    EXPECT_EQ(data.hbrBtnHilite, ::GetSysColorBrush(COLOR_BTNHIGHLIGHT));

    EXPECT_EQ(PaintedBy(data.brBtnFace), RGB(10, 20, 30));
    EXPECT_EQ(PaintedBy(data.brBarFace), RGB(10, 20, 30));
    EXPECT_EQ(PaintedBy(data.brHilite), RGB(18, 28, 38));
    EXPECT_EQ(PaintedBy(data.brBtnDkShadow), RGB(12, 22, 32));
    EXPECT_EQ(PaintedBy(data.brWindow), RGB(16, 26, 36));
}

int ThirtyTwoBits()
{
    return 32;
}

int EightBits()
{
    return 8;
}

TEST(GlobalDataTest, LightBrushIsHalfwayAboveEightBits)
{
    SysColorsGuard guard;
    WTKGlobalDataSources sources;
    sources.screenBitsPerPixel = ThirtyTwoBits;
    SourcesGuard replaced(sources);
    const struct {
        COLORREF face;
        COLORREF hilite;
        COLORREF light;
    } rows[] = {
        {RGB(192, 192, 192), RGB(255, 255, 255), RGB(223, 223, 223)},
        // Each channel on its own; a darker highlight truncates toward zero (-149 / 2 = -74).
        {RGB(192, 100, 200), RGB(255, 201, 51), RGB(223, 150, 126)},
    };
    for (const auto& row : rows) {
        guard.Set(COLOR_BTNFACE, row.face);
        guard.Set(COLOR_BTNHIGHLIGHT, row.hilite);
        WTKGetGlobalData().UpdateSysColors();
        EXPECT_EQ(WTKGetGlobalData().nBitsPerPixel, 32);
        EXPECT_EQ(PaintedBy(WTKGetGlobalData().brLight), row.light);
    }
}

TEST(GlobalDataTest, LightBrushIsACheckerboardAtEightBits)
{
    SysColorsGuard guard;
    const COLORREF face = RGB(192, 100, 0);
    const COLORREF hilite = RGB(255, 255, 200);
    guard.Set(COLOR_BTNFACE, face);
    guard.Set(COLOR_BTNHIGHLIGHT, hilite);
    WTKGlobalDataSources sources;
    sources.screenBitsPerPixel = EightBits;
    SourcesGuard replaced(sources);
    WTKGetGlobalData().UpdateSysColors();
    ASSERT_EQ(WTKGetGlobalData().nBitsPerPixel, 8);

    Canvas canvas(16, 16, RGB(1, 2, 3));
    RECT all {0, 0, 16, 16};
    ::FillRect(canvas.Handle(), &all, WTKGetGlobalData().brLight);
    const COLORREF first = canvas.Pixel(0, 0);
    ASSERT_TRUE(first == face || first == hilite);
    const COLORREF second = first == face ? hilite : face;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(canvas.Pixel(x, y), (x + y) % 2 == 0 ? first : second) << x << "," << y;
    }
}

TEST(GlobalDataTest, FontsTakeTheToolkitFaces)
{
    const WTKGlobalData& data = WTKGetGlobalData();
    EXPECT_EQ(FaceOf(data.fontRegular), "Tahoma");
    EXPECT_EQ(RealisedFace(data.fontRegular), "Tahoma");
    EXPECT_EQ(FaceOf(data.fontTooltip), "Tahoma");
    EXPECT_EQ(FaceOf(data.fontMarlett), "Marlett");
    EXPECT_EQ(RealisedFace(data.fontMarlett), "Marlett");
    EXPECT_EQ(FaceOf(data.fontVert), "Arial");
    EXPECT_EQ(FaceOf(data.fontVertCaption), "Arial");

    LOGFONTA lf {};
    ASSERT_NE(data.fontBold.GetLogFont(&lf), 0);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_FALSE(lf.lfUnderline);
    ASSERT_NE(data.fontUnderline.GetLogFont(&lf), 0);
    EXPECT_TRUE(lf.lfUnderline);
    ASSERT_NE(data.fontMarlett.GetLogFont(&lf), 0);
    EXPECT_EQ(lf.lfCharSet, SYMBOL_CHARSET);
    EXPECT_EQ(lf.lfHeight, ::GetSystemMetrics(SM_CYMENUCHECK) - 1);
    ASSERT_NE(data.fontVert.GetLogFont(&lf), 0);
    EXPECT_EQ(lf.lfEscapement, 2700);
    ASSERT_NE(data.fontVertCaption.GetLogFont(&lf), 0);
    EXPECT_EQ(lf.lfEscapement, 900);

    EXPECT_GT(data.nTextHeightHorz, 0);
    EXPECT_GT(data.nTextHeightVert, 0);
}

BOOL GreekMenuFont(NONCLIENTMETRICSA* pMetrics)
{
    if (!WTKDefaultGlobalDataSources().readNonClientMetrics(pMetrics))
        return FALSE;
    pMetrics->lfMenuFont.lfCharSet = GREEK_CHARSET;
    ::lstrcpyA(pMetrics->lfMenuFont.lfFaceName, "Liberation Serif");
    return TRUE;
}

BOOL NoStockFont(LOGFONTA*)
{
    return FALSE;
}

TEST(GlobalDataTest, FontFacesFollowTheMenuFontAndWhatTheScreenHas)
{
    const struct {
        const char* name;
        const char* preferred;
        BOOL (*metrics)(NONCLIENTMETRICSA*);
        const char* face;
    } rows[] = {
        {"preferred face missing", "No Such Face", nullptr, "MS Sans Serif"},
        {"non-Western menu font", nullptr, GreekMenuFont, "Liberation Serif"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WTKGlobalDataSources sources;
        sources.pszPreferredFace = row.preferred;
        sources.readNonClientMetrics = row.metrics;
        SourcesGuard replaced(sources);
        const int changesBefore = g_fontChanges;
        WTKGetGlobalData().UpdateFonts();
        EXPECT_EQ(g_fontChanges, changesBefore + 1);
        EXPECT_EQ(FaceOf(WTKGetGlobalData().fontRegular), row.face);
        EXPECT_EQ(FaceOf(WTKGetGlobalData().fontBold), row.face);
        EXPECT_EQ(FaceOf(WTKGetGlobalData().fontMarlett), "Marlett");
    }
}

TEST(GlobalDataTest, UnreadableStockFontLeavesTheVerticalFontsEmptyAndMeasuresSafely)
{
    WTKGlobalDataSources sources;
    sources.readStockGuiFont = NoStockFont;
    SourcesGuard replaced(sources);
    WTKGlobalData& data = WTKGetGlobalData();
    data.UpdateFonts();
    EXPECT_EQ(data.fontVert.GetSafeHandle(), nullptr);
    EXPECT_EQ(data.fontVertCaption.GetSafeHandle(), nullptr);
    EXPECT_EQ(data.nTextHeightVert, 0);
    EXPECT_GT(data.nTextHeightHorz, 0);
    // Measuring again with the empty font leaves the screen's DC usable.
    data.UpdateTextMetrics();
    EXPECT_GT(data.nTextHeightHorz, 0);
}

TEST(GlobalDataTest, CleanUpTwiceIsHarmlessAndOnlySignalsTheSoundWorker)
{
    WTKGlobalData& data = WTKGetGlobalData();
    const int stopsBefore = g_soundStops;
    data.CleanUp();
    data.CleanUp();
    WTKCleanUp();  // the registered step: the same clean-up once more
    EXPECT_EQ(g_soundStops, stopsBefore + 3);
    EXPECT_EQ(data.brLight.GetSafeHandle(), nullptr);
    EXPECT_EQ(data.fontRegular.GetSafeHandle(), nullptr);
    EXPECT_EQ(data.fontVertCaption.GetSafeHandle(), nullptr);
    EXPECT_EQ(data.hinstUxTheme, nullptr);
    // The symbol font and the solid brushes stay for the record's last users.
    EXPECT_NE(data.fontMarlett.GetSafeHandle(), nullptr);
    EXPECT_NE(data.brBtnFace.GetSafeHandle(), nullptr);

    data.UpdateSysColors();
    data.UpdateFonts();
    EXPECT_NE(data.brLight.GetSafeHandle(), nullptr);
    EXPECT_NE(data.fontRegular.GetSafeHandle(), nullptr);
}

// ---- DrawParentBackground ----

constexpr int kChildX = 13;
constexpr int kChildY = 7;
constexpr int kStripe = 10;
constexpr COLORREF kSentinel = RGB(1, 2, 3);

// The parent's background: squares of 10 in its own coordinates.
COLORREF ParentPattern(int x, int y)
{
    return ((x / kStripe) + (y / kStripe)) % 2 ? kRed : kBlue;
}

LRESULT CALLBACK ParentProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        HDC hDC = reinterpret_cast<HDC>(wParam);
        RECT client {};
        ::GetClientRect(hWnd, &client);
        for (int y = 0; y < client.bottom; y += kStripe) {
            for (int x = 0; x < client.right; x += kStripe) {
                RECT square {x, y, x + kStripe, y + kStripe};
                HBRUSH brush = ::CreateSolidBrush(ParentPattern(x, y));
                ::FillRect(hDC, &square, brush);
                ::DeleteObject(brush);
            }
        }
        return 1;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

HMODULE NoThemeLibrary()
{
    return nullptr;
}

class ParentBackgroundTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        WNDCLASSA wc {};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "WTKParentPatternTest";
        ::RegisterClassA(&wc);
        m_parent = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 120, 80, nullptr, nullptr, wc.hInstance,
                                     nullptr);
        ASSERT_NE(m_parent, nullptr);
        m_child = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, kChildX, kChildY, 60, 40, m_parent, nullptr,
                                    wc.hInstance, nullptr);
        ASSERT_NE(m_child, nullptr);
    }
    void TearDown() override
    {
        if (m_parent)
            ::DestroyWindow(m_parent);
    }
    static bool Themed() { return GetParam(); }

    HWND m_parent = nullptr;
    HWND m_child = nullptr;
};

TEST_P(ParentBackgroundTest, PaintsTheParentAlignedToTheChildAndKeepsTheCallersClip)
{
    WTKGlobalDataSources sources;
    if (!Themed())
        sources.loadThemeLibrary = NoThemeLibrary;
    SourcesGuard replaced(sources);
    WTKGlobalData& data = WTKGetGlobalData();
    data.CleanUp();  // the theme library is looked for afresh
    data.UpdateSysColors();
    data.UpdateFonts();

    Canvas canvas(60, 40, kSentinel);
    // The caller's own clip: everything but a 4-pixel band on the right.
    CRgn callerClip;
    ASSERT_TRUE(callerClip.CreateRectRgn(0, 0, 56, 40));
    ::SelectClipRgn(canvas.Handle(), callerClip);

    RECT clip {5, 3, 58, 30};
    EXPECT_TRUE(data.DrawParentBackground(CWnd::FromHandle(m_child), canvas.DC(), &clip));
    EXPECT_EQ(data.hinstUxTheme != nullptr, Themed());

    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            const bool inside = x >= 5 && x < 56 && y >= 3 && y < 30;
            ASSERT_EQ(canvas.Pixel(x, y), inside ? ParentPattern(x + kChildX, y + kChildY) : kSentinel)
                << x << "," << y;
        }
    }

    CRgn after;
    ASSERT_TRUE(after.CreateRectRgn(0, 0, 0, 0));
    ASSERT_EQ(::GetClipRgn(canvas.Handle(), after), 1);
    EXPECT_TRUE(::EqualRgn(after, callerClip));
    POINT origin {};
    ::GetWindowOrgEx(canvas.Handle(), &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    ::GetViewportOrgEx(canvas.Handle(), &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
}

TEST_P(ParentBackgroundTest, LeavesNoClipWhereTheCallerHadNone)
{
    WTKGlobalDataSources sources;
    if (!Themed())
        sources.loadThemeLibrary = NoThemeLibrary;
    SourcesGuard replaced(sources);
    WTKGetGlobalData().CleanUp();

    Canvas canvas(60, 40, kSentinel);
    RECT clip {0, 0, 10, 10};
    EXPECT_TRUE(WTKGetGlobalData().DrawParentBackground(CWnd::FromHandle(m_child), canvas.DC(), &clip));
    CRgn after;
    ASSERT_TRUE(after.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(::GetClipRgn(canvas.Handle(), after), 0);
    EXPECT_EQ(canvas.Pixel(20, 20), kSentinel);
    EXPECT_EQ(canvas.Pixel(0, 0), ParentPattern(kChildX, kChildY));

    // Without a clip rectangle the whole child is painted.
    EXPECT_TRUE(WTKGetGlobalData().DrawParentBackground(CWnd::FromHandle(m_child), canvas.DC()));
    EXPECT_EQ(canvas.Pixel(59, 39), ParentPattern(59 + kChildX, 39 + kChildY));
}

INSTANTIATE_TEST_SUITE_P(Routes, ParentBackgroundTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? std::string("Themed") : std::string("NoThemeLibrary");
                         });

}  // namespace
