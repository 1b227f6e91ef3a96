#pragma once

// The toolkit's drawing data: the system colours every toolkit window draws with (and a "bar"
// copy a look may tint), brushes and fonts made from them, text heights, the screen's colour
// depth and the theme library once loaded. One record per process, made on first use:
//
//     WTKGlobalData& data = WTKGetGlobalData();
//
// The record depends on nothing above it: the parts that must hear of its changes (the menu
// glyph strip, the menu sound worker) register a hook below, and the toolbars register their
// CWTKGlobalFontsHooks. Building the record calls no hook, so a part may reach the record from
// its own first use. User-interface thread only.

#include "gdi/GdiObject.h"

#include <windows.h>

class CDC;
class CWnd;

// Face names the fonts are built from.
constexpr const char kWTKPreferredFace[] = "Tahoma";
constexpr const char kWTKFallbackFace[] = "MS Sans Serif";
constexpr const char kWTKVerticalFace[] = "Arial";
constexpr const char kWTKSymbolFace[] = "Marlett";

// Cursor and icon resources the users of the record load on first use.
constexpr UINT kWTKIdcStretch = 30980;
constexpr UINT kWTKIdcStretchVert = 30981;
constexpr UINT kWTKIdiTool = 16931;

// The colour of hot (link-like) text.
constexpr COLORREF kWTKHotTextColor = RGB(0, 0, 255);

class WTKGlobalData {
public:
    WTKGlobalData();
    ~WTKGlobalData();
    WTKGlobalData(const WTKGlobalData&) = delete;
    WTKGlobalData& operator=(const WTKGlobalData&) = delete;

    // Re-reads the system colours (both copies) and rebuilds the brushes; then the menu glyph
    // strip is released so it is rebuilt in the new colours.
    void UpdateSysColors();
    // Rebuilds the fonts from the system's non-client metrics, then the text heights; then the
    // registered CWTKGlobalFontsHooks hears of it.
    void UpdateFonts();
    void UpdateTextMetrics();
    // A new 8 x 8 checkerboard of face and highlight for pDC; the caller owns it.
    HBITMAP CreateDitherBitmap(HDC hDC) const;
    // Paints what the parent of pWnd shows behind it, clipped to rectClip when given; the DC's
    // clip region is the caller's again afterwards. pWnd must be a child window.
    BOOL DrawParentBackground(CWnd* pWnd, CDC* pDC, LPRECT rectClip = nullptr);
    // Stops the menu sound worker (a signal, no wait), releases the light brush, the text fonts
    // and the theme library. Harmless when repeated.
    void CleanUp();

    HBRUSH hbrBtnHilite = nullptr;  // system brushes, not owned
    HBRUSH hbrBtnShadow = nullptr;

    COLORREF clrBtnFace = 0;
    COLORREF clrBtnShadow = 0;
    COLORREF clrBtnHilite = 0;
    COLORREF clrBtnText = 0;
    COLORREF clrBtnDkShadow = 0;
    COLORREF clrBtnLight = 0;
    COLORREF clrGrayedText = 0;
    COLORREF clrHilite = 0;
    COLORREF clrTextHilite = 0;
    COLORREF clrHotText = kWTKHotTextColor;
    COLORREF clrWindow = 0;

    // The bar copies: toolbars, menus and bars draw with these, so a look can tint bars alone.
    COLORREF clrBarFace = 0;
    COLORREF clrBarShadow = 0;
    COLORREF clrBarHilite = 0;
    COLORREF clrBarDkShadow = 0;
    COLORREF clrBarLight = 0;
    COLORREF clrBarText = 0;
    COLORREF clrBarWindow = 0;

    COLORREF clrWindowText = 0;
    COLORREF clrMenuText = 0;

    CBrush brBtnFace;
    CBrush brHilite;
    CBrush brLight;  // halfway between face and highlight; a checkerboard of both at 8 bits or fewer
    CBrush brBtnDkShadow;
    CBrush brWindow;  // of clrBarWindow
    CBrush brBarFace;

    // Loaded by their users on first use and never released here (shared resources).
    HCURSOR hcurStretch = nullptr;
    HCURSOR hcurStretchVert = nullptr;
    HCURSOR hcurTasksPane = nullptr;
    HICON hiconTool = nullptr;

    CFont fontRegular;
    CFont fontTooltip;
    CFont fontBold;
    CFont fontUnderline;
    CFont fontVert;         // runs downwards; empty when the stock font could not be read
    CFont fontVertCaption;  // runs upwards; empty likewise
    CFont fontMarlett;

    BOOL bIsWindowsNT4 = FALSE;
    int nBitsPerPixel = 0;
    int nMaxToolTipWidth = -1;  // -1: tooltips get no maximum width
    int nTextHeightHorz = 0;
    int nTextHeightVert = 0;  // 0 while fontVert is empty

    HINSTANCE hinstUxTheme = nullptr;  // loaded by the first DrawParentBackground
};

// The one record, built on first use.
WTKGlobalData& WTKGetGlobalData();

// Hooks of the parts above the foundation; each registers once at start-up (null unregisters).
using WTKGlobalDataHook = void (*)();
// Releases the menu glyph strip so it is rebuilt in the new colours (after a colour change).
void WTKSetMenuGlyphsReleaseHook(WTKGlobalDataHook hook);
// Asks the menu sound worker to stop. It signals only and never waits: it also runs while the
// program ends, when the worker may already be gone.
void WTKSetMenuSoundStopHook(WTKGlobalDataHook hook);

// Where the record reads what it cannot decide itself. Replaceable, so that the 8-bit screen,
// the missing theme library and a missing font face take their real paths in a test.
struct WTKGlobalDataSources {
    // Bits per pixel of the screen.
    int (*screenBitsPerPixel)() = nullptr;
    // The theme library, or null when it cannot be loaded; the record frees it at clean-up.
    HMODULE (*loadThemeLibrary)() = nullptr;
    // The system's non-client metrics; FALSE when they cannot be read.
    BOOL (*readNonClientMetrics)(NONCLIENTMETRICSA* pMetrics) = nullptr;
    // The stock GUI font's description; FALSE when it cannot be read.
    BOOL (*readStockGuiFont)(LOGFONTA* pLogFont) = nullptr;
    // The text face preferred when the screen has it.
    const char* pszPreferredFace = kWTKPreferredFace;
};

// The system's own sources.
WTKGlobalDataSources WTKDefaultGlobalDataSources();
// Replaces the sources and answers the previous ones; a null member means the system's own.
WTKGlobalDataSources WTKSetGlobalDataSources(const WTKGlobalDataSources& sources);
