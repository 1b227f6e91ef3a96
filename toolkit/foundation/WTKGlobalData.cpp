#include "foundation/WTKGlobalData.h"

#include "foundation/WTKCleanUp.h"
#include "foundation/WTKGlobalFontsHooks.h"
#include "gdi/DC.h"
#include "win/Wnd.h"

#include <cstring>

namespace {

// Constant-initialised, so they hold before any static constructor runs.
WTKGlobalDataHook g_menuGlyphsRelease = nullptr;
WTKGlobalDataHook g_menuSoundStop = nullptr;
WTKGlobalDataSources g_sources {nullptr, nullptr, nullptr, nullptr, nullptr};

constexpr char kThemeLibrary[] = "UxTheme.dll";
constexpr char kDrawThemeParentBackground[] = "DrawThemeParentBackground";
constexpr int kEscapementDown = 2700;
constexpr int kEscapementUp = 900;
constexpr int kOrientationVertical = 900;
constexpr LONG kWeightBold = FW_BOLD;
constexpr int kDitherSize = 8;

// The screen's DC for the length of a block.
class ScreenDC {
public:
    ScreenDC() : m_hDC(::GetDC(nullptr)) {}
    ~ScreenDC()
    {
        if (m_hDC)
            ::ReleaseDC(nullptr, m_hDC);
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    operator HDC() const { return m_hDC; }

private:
    HDC m_hDC;
};

int SystemBitsPerPixel()
{
    ScreenDC dc;
    return dc ? ::GetDeviceCaps(dc, BITSPIXEL) : 0;
}

HMODULE LoadSystemThemeLibrary()
{
    return ::LoadLibraryA(kThemeLibrary);
}

BOOL ReadSystemNonClientMetrics(NONCLIENTMETRICSA* pMetrics)
{
    pMetrics->cbSize = sizeof(NONCLIENTMETRICSA);
    return ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(NONCLIENTMETRICSA), pMetrics, 0);
}

BOOL ReadSystemStockGuiFont(LOGFONTA* pLogFont)
{
    HGDIOBJ font = ::GetStockObject(DEFAULT_GUI_FONT);
    return font && ::GetObjectA(font, sizeof(LOGFONTA), pLogFont) == sizeof(LOGFONTA);
}

WTKGlobalDataSources Sources()
{
    WTKGlobalDataSources sources = WTKDefaultGlobalDataSources();
    if (g_sources.screenBitsPerPixel)
        sources.screenBitsPerPixel = g_sources.screenBitsPerPixel;
    if (g_sources.loadThemeLibrary)
        sources.loadThemeLibrary = g_sources.loadThemeLibrary;
    if (g_sources.readNonClientMetrics)
        sources.readNonClientMetrics = g_sources.readNonClientMetrics;
    if (g_sources.readStockGuiFont)
        sources.readStockGuiFont = g_sources.readStockGuiFont;
    if (g_sources.pszPreferredFace)
        sources.pszPreferredFace = g_sources.pszPreferredFace;
    return sources;
}

int CALLBACK FontFamilyEnumProc(const LOGFONTA* pLogFont, const TEXTMETRICA*, DWORD, LPARAM lParam)
{
    const char* pszFace = reinterpret_cast<const char*>(lParam);
    // 0 stops the enumeration: the face is there.
    return ::lstrcmpiA(pLogFont->lfFaceName, pszFace) == 0 ? 0 : 1;
}

bool ScreenHasFace(HDC hDC, const char* pszFace)
{
    // EnumFontFamilies answers the callback's last value: 0 when it stopped at the face.
    return ::EnumFontFamiliesA(hDC, nullptr, FontFamilyEnumProc, reinterpret_cast<LPARAM>(pszFace)) == 0;
}

void SetFace(LOGFONTA& lf, const char* pszFace)
{
    ::lstrcpynA(lf.lfFaceName, pszFace, LF_FACESIZE);
}

void CreateFontFrom(CFont& font, const LOGFONTA& lf)
{
    font.CreateFontIndirect(&lf);
}

int LineHeight(HDC hDC, const CFont& font)
{
    if (!font.GetSafeHandle())
        return 0;
    HGDIOBJ old = ::SelectObject(hDC, font.GetSafeHandle());
    if (!old)
        return 0;
    TEXTMETRICA tm {};
    const BOOL measured = ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, old);
    return measured ? tm.tmHeight + tm.tmInternalLeading + tm.tmExternalLeading : 0;
}

// Puts the DC's clip region back as it was when the guard was made.
class ClipRegionGuard {
public:
    explicit ClipRegionGuard(HDC hDC) : m_hDC(hDC), m_saved(::CreateRectRgn(0, 0, 0, 0))
    {
        m_hadRegion = m_saved && ::GetClipRgn(hDC, m_saved) == 1;
    }
    ~ClipRegionGuard()
    {
        ::SelectClipRgn(m_hDC, m_hadRegion ? m_saved : nullptr);
        if (m_saved)
            ::DeleteObject(m_saved);
    }
    ClipRegionGuard(const ClipRegionGuard&) = delete;
    ClipRegionGuard& operator=(const ClipRegionGuard&) = delete;

private:
    HDC m_hDC;
    HRGN m_saved;
    bool m_hadRegion = false;
};

void CleanUpGlobalData()
{
    WTKGetGlobalData().CleanUp();
}

}  // namespace

WTKGlobalDataSources WTKDefaultGlobalDataSources()
{
    WTKGlobalDataSources sources;
    sources.screenBitsPerPixel = SystemBitsPerPixel;
    sources.loadThemeLibrary = LoadSystemThemeLibrary;
    sources.readNonClientMetrics = ReadSystemNonClientMetrics;
    sources.readStockGuiFont = ReadSystemStockGuiFont;
    sources.pszPreferredFace = kWTKPreferredFace;
    return sources;
}

WTKGlobalDataSources WTKSetGlobalDataSources(const WTKGlobalDataSources& sources)
{
    const WTKGlobalDataSources previous = g_sources;
    g_sources = sources;
    return previous;
}

void WTKSetMenuGlyphsReleaseHook(WTKGlobalDataHook hook)
{
    g_menuGlyphsRelease = hook;
}

void WTKSetMenuSoundStopHook(WTKGlobalDataHook hook)
{
    g_menuSoundStop = hook;
}

WTKGlobalData& WTKGetGlobalData()
{
    static WTKGlobalData data;
    return data;
}

WTKGlobalData::WTKGlobalData()
{
    // Nothing to release or notify yet: the hooks are left out, so a part that registers one
    // may reach the record from its own first use.
    const WTKGlobalDataHook glyphs = g_menuGlyphsRelease;
    g_menuGlyphsRelease = nullptr;
    CWTKGlobalFontsHooks* pFontsHooks = CWTKGlobalFontsHooks::Register(nullptr);
    UpdateSysColors();
    UpdateFonts();
    g_menuGlyphsRelease = glyphs;
    CWTKGlobalFontsHooks::Register(pFontsHooks);

    OSVERSIONINFOA version {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (::GetVersionExA(&version))
        bIsWindowsNT4 = version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion < 5;

    WTKRegisterCleanUp(WTKCleanUpStage::GlobalData, CleanUpGlobalData);
}

WTKGlobalData::~WTKGlobalData()
{
    CleanUp();
}

void WTKGlobalData::UpdateSysColors()
{
    clrBtnFace = clrBarFace = ::GetSysColor(COLOR_BTNFACE);
    clrBtnShadow = clrBarShadow = ::GetSysColor(COLOR_BTNSHADOW);
    clrBtnDkShadow = clrBarDkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    clrBtnLight = clrBarLight = ::GetSysColor(COLOR_3DLIGHT);
    clrBtnHilite = clrBarHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    clrBtnText = clrBarText = ::GetSysColor(COLOR_BTNTEXT);
    clrGrayedText = ::GetSysColor(COLOR_GRAYTEXT);
    clrHilite = ::GetSysColor(COLOR_HIGHLIGHT);
    clrTextHilite = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    clrWindow = clrBarWindow = ::GetSysColor(COLOR_WINDOW);
    clrWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    clrMenuText = ::GetSysColor(COLOR_MENUTEXT);

    clrHotText = kWTKHotTextColor;

    hbrBtnShadow = ::GetSysColorBrush(COLOR_BTNSHADOW);
    hbrBtnHilite = ::GetSysColorBrush(COLOR_BTNHIGHLIGHT);

    brBtnFace.DeleteObject();
    brBtnFace.CreateSolidBrush(clrBtnFace);
    brBarFace.DeleteObject();
    brBarFace.CreateSolidBrush(clrBarFace);
    brHilite.DeleteObject();
    brHilite.CreateSolidBrush(clrHilite);
    brBtnDkShadow.DeleteObject();
    brBtnDkShadow.CreateSolidBrush(clrBtnDkShadow);
    brWindow.DeleteObject();
    brWindow.CreateSolidBrush(clrBarWindow);

    nBitsPerPixel = Sources().screenBitsPerPixel();

    brLight.DeleteObject();
    if (nBitsPerPixel > 8) {
        auto half = [](int face, int hilite) {
            return static_cast<BYTE>(face + (hilite - face) / 2);
        };
        brLight.CreateSolidBrush(RGB(half(GetRValue(clrBtnFace), GetRValue(clrBtnHilite)),
                                     half(GetGValue(clrBtnFace), GetGValue(clrBtnHilite)),
                                     half(GetBValue(clrBtnFace), GetBValue(clrBtnHilite))));
    } else {
        ScreenDC dc;
        if (HBITMAP dither = CreateDitherBitmap(dc)) {
            brLight.Attach(::CreatePatternBrush(dither));
            ::DeleteObject(dither);
        }
    }

    if (g_menuGlyphsRelease)
        g_menuGlyphsRelease();
}

HBITMAP WTKGlobalData::CreateDitherBitmap(HDC hDC) const
{
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } info {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = kDitherSize;
    info.header.biHeight = kDitherSize;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;

    const COLORREF hilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    info.colors[0] = {GetBValue(clrBtnFace), GetGValue(clrBtnFace), GetRValue(clrBtnFace), 0};
    info.colors[1] = {GetBValue(hilite), GetGValue(hilite), GetRValue(hilite), 0};

    // Rows of 4 bytes; the first byte of each holds the row's 8 pixels.
    DWORD rows[kDitherSize];
    for (int row = 0; row < kDitherSize; ++row)
        rows[row] = (row % 2 == 0) ? 0x5555AAAAu : 0xAAAA5555u;

    return ::CreateDIBitmap(hDC, &info.header, CBM_INIT, rows, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
}

void WTKGlobalData::UpdateFonts()
{
    fontRegular.DeleteObject();
    fontTooltip.DeleteObject();
    fontBold.DeleteObject();
    fontUnderline.DeleteObject();
    fontVert.DeleteObject();
    fontVertCaption.DeleteObject();
    fontMarlett.DeleteObject();

    const WTKGlobalDataSources sources = Sources();
    NONCLIENTMETRICSA metrics {};
    if (!sources.readNonClientMetrics(&metrics))
        metrics = NONCLIENTMETRICSA {};
    const LOGFONTA& menuFont = metrics.lfMenuFont;

    ScreenDC dc;
    LOGFONTA lf {};
    lf.lfCharSet = static_cast<BYTE>(::GetTextCharsetInfo(dc, nullptr, 0));
    lf.lfHeight = menuFont.lfHeight;
    lf.lfWeight = menuFont.lfWeight;
    lf.lfItalic = menuFont.lfItalic;
    SetFace(lf, menuFont.lfFaceName);

    // Western menu fonts give way to the toolkit's face; others keep theirs.
    if (menuFont.lfCharSet <= SYMBOL_CHARSET)
        SetFace(lf, ScreenHasFace(dc, sources.pszPreferredFace) ? sources.pszPreferredFace : kWTKFallbackFace);

    CreateFontFrom(fontRegular, lf);

    lf.lfWeight = metrics.lfStatusFont.lfWeight;
    lf.lfItalic = metrics.lfStatusFont.lfItalic;
    CreateFontFrom(fontTooltip, lf);

    lf.lfWeight = menuFont.lfWeight;
    lf.lfItalic = menuFont.lfItalic;
    lf.lfUnderline = TRUE;
    CreateFontFrom(fontUnderline, lf);

    lf.lfUnderline = FALSE;
    lf.lfWeight = kWeightBold;
    CreateFontFrom(fontBold, lf);

    const BYTE charSet = lf.lfCharSet;
    lf.lfCharSet = SYMBOL_CHARSET;
    lf.lfWeight = 0;
    lf.lfHeight = ::GetSystemMetrics(SM_CYMENUCHECK) - 1;
    SetFace(lf, kWTKSymbolFace);
    CreateFontFrom(fontMarlett, lf);
    lf.lfCharSet = charSet;

    LOGFONTA vert {};
    if (sources.readStockGuiFont(&vert)) {
        vert.lfHeight = menuFont.lfHeight;
        vert.lfWeight = menuFont.lfWeight;
        vert.lfItalic = menuFont.lfItalic;
        vert.lfOrientation = kOrientationVertical;
        vert.lfEscapement = kEscapementDown;
        SetFace(vert, kWTKVerticalFace);
        CreateFontFrom(fontVert, vert);

        vert.lfEscapement = kEscapementUp;
        CreateFontFrom(fontVertCaption, vert);
    }

    UpdateTextMetrics();

    CWTKGlobalFontsHooks::Get().OnGlobalFontsChanged();
}

void WTKGlobalData::UpdateTextMetrics()
{
    ScreenDC dc;
    // An empty font (the vertical ones when the stock font could not be read) measures 0.
    nTextHeightHorz = dc ? LineHeight(dc, fontRegular) : 0;
    nTextHeightVert = dc ? LineHeight(dc, fontVert) : 0;
}

BOOL WTKGlobalData::DrawParentBackground(CWnd* pWnd, CDC* pDC, LPRECT rectClip)
{
    const HWND hWnd = FwSafeHwnd(pWnd);
    const HDC hDC = pDC ? pDC->GetSafeHdc() : nullptr;
    const HWND hParent = hWnd ? ::GetParent(hWnd) : nullptr;
    if (!hDC || !hParent)
        return FALSE;

    ClipRegionGuard clip(hDC);
    if (rectClip)
        ::IntersectClipRect(hDC, rectClip->left, rectClip->top, rectClip->right, rectClip->bottom);

    if (!hinstUxTheme)
        hinstUxTheme = Sources().loadThemeLibrary();
    if (hinstUxTheme) {
        using DrawThemeParentBackgroundFn = HRESULT(WINAPI*)(HWND, HDC, const RECT*);
        const auto draw = reinterpret_cast<DrawThemeParentBackgroundFn>(
            reinterpret_cast<void*>(::GetProcAddress(hinstUxTheme, kDrawThemeParentBackground)));
        // The clip is in the DC already; the rectangle stays out, as some versions take its
        // corner for the child's origin in the parent.
        if (draw && draw(hWnd, hDC, nullptr) == S_OK)
            return TRUE;
    }

    // The parent erases into the child's DC with its own coordinates.
    POINT origin {0, 0};
    ::MapWindowPoints(hWnd, hParent, &origin, 1);
    POINT oldOrigin {};
    ::OffsetWindowOrgEx(hDC, origin.x, origin.y, &oldOrigin);
    const LRESULT erased = ::SendMessageA(hParent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hDC), 0);
    ::SetWindowOrgEx(hDC, oldOrigin.x, oldOrigin.y, nullptr);
    return erased ? TRUE : FALSE;
}

void WTKGlobalData::CleanUp()
{
    if (g_menuSoundStop)
        g_menuSoundStop();

    brLight.DeleteObject();
    fontRegular.DeleteObject();
    fontTooltip.DeleteObject();
    fontBold.DeleteObject();
    fontUnderline.DeleteObject();
    fontVert.DeleteObject();
    fontVertCaption.DeleteObject();

    if (hinstUxTheme) {
        ::FreeLibrary(hinstUxTheme);
        hinstUxTheme = nullptr;
    }
}
