// Stand-ins for the bars, buttons and menus the Office XP family of looks draws, answering what
// a test sets, and a fake theme that runs a chosen colour scheme.
#pragma once

#include "LookFakes.h"

#include "foundation/WTKBarLookInfo.h"
#include "foundation/WTKButtonLookInfo.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKMenuLookInfo.h"
#include "foundation/WTKPopupMenuInfo.h"
#include "foundation/WTKThemeSource.h"

#include <map>
#include <string>
#include <tuple>

struct FakeLookBar : CWTKToolBarInfo, CWTKBarLookInfo {
    Kind kind = kindToolBar;
    DWORD style = 0;
    BOOL floating = FALSE;
    BOOL customizing = FALSE;
    int imageWidth = 16;
    CString title;
    int rowExtent = 0;
    CSize buttonSize {0, 0};
    DWORD GetBarStyle() const override { return style; }
    BOOL IsDockable() const override { return TRUE; }
    CSize GetButtonMargins() const override { return CSize(0, 0); }
    BOOL IsCustomizing() const override { return customizing; }
    COLORREF GetHighlightedTextColor() const override { return RGB(1, 2, 3); }
    Kind GetLookKind() const override { return kind; }
    BOOL IsFloating() const override { return floating; }
    int GetMenuImageWidth() const override { return imageWidth; }
    CString GetTitle() const override { return title; }
    int GetRowExtent() const override { return rowExtent; }
    CSize GetButtonSize() const override { return buttonSize; }
};

struct FakeLookButton : CWTKToolbarButtonInfo, CWTKButtonLookInfo {
    UINT style = 0;
    const CWTKToolBarInfo* toolBar = nullptr;
    BOOL menuOpen = FALSE;
    BOOL horizontal = TRUE;
    UINT GetStyle() const override { return style; }
    Kind GetKind() const override { return kindPlain; }
    BOOL IsEnabledInCustomizeMode() const override { return TRUE; }
    const CWTKToolBarInfo* GetParentToolBar() const override { return toolBar; }
    BOOL IsMenuOpenOnBar() const override { return menuOpen; }
    BOOL IsHorizontalLayout() const override { return horizontal; }
};

struct FakeLookMenu : CWTKPopupMenuInfo, CWTKMenuLookInfo {
    Side side = sideNone;
    CRect button;
    BOOL fromCustomize = FALSE;
    Side GetParentButtonSide() const override { return side; }
    CRect GetParentButtonRect() const override { return button; }
    BOOL IsFromCustomizeButton() const override { return fromCustomize; }
};

// A running theme for the Office 2003 look: its names, its system colours and part colours.
// Installed while the object lives.
class FakeTheme {
public:
    FakeTheme(const char* pszFile, const char* pszColor)
    {
        s_pCurrent = this;
        m_file = pszFile;
        m_color = pszColor;
        WTKThemeSource source;
        source.currentThemeName = Name;
        source.themeSysColor = SysColor;
        source.themeColor = PartColor;
        m_previous = WTKSetThemeSource(source);
    }
    ~FakeTheme()
    {
        WTKSetThemeSource(m_previous);
        s_pCurrent = nullptr;
    }
    FakeTheme(const FakeTheme&) = delete;
    FakeTheme& operator=(const FakeTheme&) = delete;

    std::map<int, COLORREF> sysColors;
    std::map<std::tuple<std::string, int, int, int>, COLORREF> partColors;
    BOOL running = TRUE;

private:
    static BOOL Name(CString& strFile, CString& strColor)
    {
        if (!s_pCurrent->running)
            return FALSE;
        strFile = s_pCurrent->m_file.c_str();
        strColor = s_pCurrent->m_color.c_str();
        return TRUE;
    }
    static COLORREF SysColor(LPCSTR, int nIndex)
    {
        const auto it = s_pCurrent->sysColors.find(nIndex);
        return it != s_pCurrent->sysColors.end() ? it->second : ::GetSysColor(nIndex);
    }
    static BOOL PartColor(LPCSTR pszClass, int nPart, int nState, int nProp, COLORREF* pColor)
    {
        const auto it = s_pCurrent->partColors.find({pszClass, nPart, nState, nProp});
        if (it == s_pCurrent->partColors.end())
            return FALSE;
        *pColor = it->second;
        return TRUE;
    }

    static inline FakeTheme* s_pCurrent = nullptr;
    std::string m_file;
    std::string m_color;
    WTKThemeSource m_previous;
};

// The screen's colour depth as the toolkit sees it, while the object lives.
class FakeScreenDepth {
public:
    explicit FakeScreenDepth(int nBits)
    {
        s_nBits = nBits;
        WTKGlobalDataSources sources;
        sources.screenBitsPerPixel = Bits;
        m_previous = WTKSetGlobalDataSources(sources);
        WTKGetGlobalData().UpdateSysColors();
    }
    ~FakeScreenDepth()
    {
        WTKSetGlobalDataSources(m_previous);
        WTKGetGlobalData().UpdateSysColors();
    }
    FakeScreenDepth(const FakeScreenDepth&) = delete;
    FakeScreenDepth& operator=(const FakeScreenDepth&) = delete;

private:
    static int Bits() { return s_nBits; }
    static inline int s_nBits = 32;
    WTKGlobalDataSources m_previous;
};
