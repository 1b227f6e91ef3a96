#include "foundation/WTKThemeSource.h"

namespace {

// Without theme access every answer is the plain system's.
BOOL NoThemeName(CString& strFile, CString& strColor)
{
    strFile.Empty();
    strColor.Empty();
    return FALSE;
}

COLORREF PlainSysColor(LPCSTR /*pszClass*/, int nIndex)
{
    return ::GetSysColor(nIndex);
}

BOOL NoThemeColor(LPCSTR /*pszClass*/, int /*nPart*/, int /*nState*/, int /*nProp*/, COLORREF* /*pColor*/)
{
    return FALSE;
}

WTKThemeSource& Current()
{
    static WTKThemeSource source = WTKDefaultThemeSource();
    return source;
}

}  // namespace

WTKThemeSource WTKDefaultThemeSource()
{
    WTKThemeSource source;
    source.currentThemeName = NoThemeName;
    source.themeSysColor = PlainSysColor;
    source.themeColor = NoThemeColor;
    return source;
}

WTKThemeSource WTKSetThemeSource(const WTKThemeSource& source)
{
    const WTKThemeSource previous = Current();
    const WTKThemeSource defaults = WTKDefaultThemeSource();
    WTKThemeSource& current = Current();
    current.currentThemeName = source.currentThemeName != nullptr ? source.currentThemeName : defaults.currentThemeName;
    current.themeSysColor = source.themeSysColor != nullptr ? source.themeSysColor : defaults.themeSysColor;
    current.themeColor = source.themeColor != nullptr ? source.themeColor : defaults.themeColor;
    return previous;
}

const WTKThemeSource& WTKGetThemeSource()
{
    return Current();
}
