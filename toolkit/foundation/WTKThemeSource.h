// Where the Office 2003 look reads the running theme: its file and colour-scheme names, its
// system colours and its part colours. By default the look asks the theme library through its
// own theme access; a replacement lets the scheme branches take their real paths with known
// colours where the system runs no such theme.
#pragma once

#include "core/String.h"

#include <windows.h>

struct WTKThemeSource {
    // The current theme's file name and colour-scheme name; FALSE when no theme runs.
    BOOL (*currentThemeName)(CString& strFile, CString& strColor) = nullptr;
    // System colour nIndex of the theme class (for example "WINDOW"); the plain system colour
    // when no theme of that class is open.
    COLORREF (*themeSysColor)(LPCSTR pszClass, int nIndex) = nullptr;
    // A colour property of a part and state of the theme class; FALSE when it cannot be read.
    BOOL (*themeColor)(LPCSTR pszClass, int nPart, int nState, int nProp, COLORREF* pColor) = nullptr;
};

// Replaces the source and answers the previous one; a null member means the look's own theme
// access.
WTKThemeSource WTKSetThemeSource(const WTKThemeSource& source);
// The source in use (null members: the look's own theme access).
const WTKThemeSource& WTKGetThemeSource();
