// Access to the system's visual styles: loads the theme library at run time, opens one theme
// per window class the looks draw, and draws themed push buttons and progress bars. Every
// entry point and every theme may be missing (an older system, visual styles switched off);
// the looks then fall back to their own drawing. The library comes through a replaceable
// source, so a test can hand in fake entry points and fake themes.
#pragma once

#include "core/Rect.h"
#include "core/String.h"

#include <windows.h>

#include <uxtheme.h>

class CDC;
class CWTKPushButtonInfo;
class CWTKStatusBarInfo;

// Part numbers of the theme library.
constexpr int kThemeButtonPushButton = 1;
constexpr int kThemeProgressBar = 1;
constexpr int kThemeProgressChunk = 3;

// Push button states of the theme library.
constexpr int kThemeStateNormal = 1;
constexpr int kThemeStateHot = 2;
constexpr int kThemeStatePressed = 3;
constexpr int kThemeStateDisabled = 4;

// Space between a themed progress bar's edge and its chunks.
constexpr int kThemeProgressChunkInset = 3;

// Entry points of the theme library.
using WTKOpenThemeDataFn = HTHEME(WINAPI*)(HWND hWnd, LPCWSTR pszClassList);
using WTKCloseThemeDataFn = HRESULT(WINAPI*)(HTHEME hTheme);
using WTKDrawThemeBackgroundFn = HRESULT(WINAPI*)(HTHEME hTheme, HDC hDC, int iPartId, int iStateId, const RECT* pRect,
                                                  const RECT* pClipRect);
using WTKGetThemeColorFn = HRESULT(WINAPI*)(HTHEME hTheme, int iPartId, int iStateId, int iPropId, COLORREF* pColor);
using WTKGetThemeSysColorFn = COLORREF(WINAPI*)(HTHEME hTheme, int iColorId);
using WTKGetCurrentThemeNameFn = HRESULT(WINAPI*)(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff,
                                                  int cchMaxColorChars, LPWSTR pszSizeBuff, int cchMaxSizeChars);
using WTKGetWindowThemeFn = HTHEME(WINAPI*)(HWND hWnd);

// Where the theme library comes from. Replaceable, so that a test can give fake entry points
// and fake theme handles (a system without visual styles has none to give).
struct WTKUxThemeSource {
    // The loaded library, or null when there is none.
    HMODULE (*loadLibrary)() = nullptr;
    // An entry point by name, or null.
    FARPROC (*findEntryPoint)(HMODULE hModule, LPCSTR lpszName) = nullptr;
    void (*freeLibrary)(HMODULE hModule) = nullptr;
};

// The system's own source: "UxTheme.dll" by LoadLibrary, GetProcAddress and FreeLibrary.
WTKUxThemeSource WTKDefaultUxThemeSource();
// Replaces the source for helpers created from now on and answers the previous one; a null
// member means the system's own.
WTKUxThemeSource WTKSetUxThemeSource(const WTKUxThemeSource& source);

class CWTKUxThemeHelper {
public:
    CWTKUxThemeHelper();
    virtual ~CWTKUxThemeHelper();
    CWTKUxThemeHelper(const CWTKUxThemeHelper&) = delete;
    CWTKUxThemeHelper& operator=(const CWTKUxThemeHelper&) = delete;

    // Draws an owner-drawn push button (a window that shows pButton) with the "BUTTON" theme;
    // FALSE, drawing nothing, without that theme.
    virtual BOOL DrawPushButton(CDC* pDC, CRect rect, CWTKPushButtonInfo* pButton);
    // A status bar progress pane with the "PROGRESS" theme; FALSE, drawing nothing, without it.
    virtual BOOL DrawProgress(CDC* pDC, const CWTKStatusBarInfo* pStatusBar, CRect rectProgress, int nProgressTotal,
                              int nProgressCurr, COLORREF clrBar, COLORREF clrProgressBarDest, COLORREF clrProgressText,
                              BOOL bProgressText);

    // Opens a theme for every class of the list on the main window (closing the open ones first).
    void OpenThemes();
    // Closes every open theme; the handles are null afterwards.
    void CloseThemes();

    // Themed drawing is on: the "WINDOW" theme is open.
    BOOL IsThemed() const { return m_hThemeWindow != nullptr; }
    BOOL IsThemeLibraryLoaded() const { return m_hinstUxTheme != nullptr; }

    // The current theme's file and colour scheme names; FALSE (both empty) when unknown.
    BOOL GetCurrentThemeName(CString& strFileName, CString& strColorName) const;
    // A colour of a theme part; FALSE when the theme or the colour is missing.
    BOOL GetThemeColor(HTHEME hTheme, int nPart, int nState, int nProp, COLORREF& clr) const;
    // A system colour as the theme defines it; GetSysColor without the entry point.
    COLORREF GetThemeSysColor(HTHEME hTheme, int nColorId) const;

protected:
    // Draws part and state of an open theme over rect; FALSE when the theme or the entry point
    // is missing.
    BOOL DrawThemeBackground(HTHEME hTheme, CDC* pDC, int nPart, int nState, const CRect& rect) const;

    // Opened for the window classes, in the library's list order.
    HTHEME m_hThemeToolBar = nullptr;
    HTHEME m_hThemeRebar = nullptr;
    HTHEME m_hThemeButton = nullptr;
    HTHEME m_hThemeStatusBar = nullptr;
    HTHEME m_hThemeWindow = nullptr;
    HTHEME m_hThemeComboBox = nullptr;
    HTHEME m_hThemeProgress = nullptr;
    HTHEME m_hThemeHeader = nullptr;
    HTHEME m_hThemeScrollBar = nullptr;
    HTHEME m_hThemeExplorerBar = nullptr;
    HTHEME m_hThemeTree = nullptr;
    HTHEME m_hThemeStartPanel = nullptr;
    HTHEME m_hThemeTaskBand = nullptr;
    HTHEME m_hThemeTaskBar = nullptr;

    HMODULE m_hinstUxTheme = nullptr;

    WTKOpenThemeDataFn m_pfOpenThemeData = nullptr;
    WTKCloseThemeDataFn m_pfCloseThemeData = nullptr;
    WTKDrawThemeBackgroundFn m_pfDrawThemeBackground = nullptr;
    WTKGetThemeColorFn m_pfGetThemeColor = nullptr;
    WTKGetThemeSysColorFn m_pfGetThemeSysColor = nullptr;
    WTKGetCurrentThemeNameFn m_pfGetCurrentThemeName = nullptr;
    WTKGetWindowThemeFn m_pfGetWindowTheme = nullptr;

    // The theme state of a push button window shown by pButton: disabled, pressed (highlighted
    // and pushed, or checked), hot (highlighted) or normal.
    static int PushButtonThemeState(CWTKPushButtonInfo* pButton);

private:
    // The library's free function of the source this helper loaded from.
    void (*m_pfFreeLibrary)(HMODULE hModule) = nullptr;
};
