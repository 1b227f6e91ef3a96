// A stand-in theme library: entry points that record their calls, a theme handle per window
// class (a class may be left without one) and a background drawing that paints each part and
// state in a colour of its own, so themed output shows where it went.
#pragma once

#include "foundation/WTKUxThemeHelper.h"

#include <set>
#include <string>
#include <vector>

namespace fake_theme {

// The classes in the order a helper opens them.
inline const wchar_t* const kClasses[] = {L"TOOLBAR",  L"REBAR",      L"BUTTON",   L"STATUS",    L"WINDOW",
                                          L"COMBOBOX", L"PROGRESS",   L"HEADER",   L"SCROLLBAR", L"EXPLORERBAR",
                                          L"TREEVIEW", L"STARTPANEL", L"TASKBAND", L"TASKBAR"};
constexpr int kClassCount = static_cast<int>(sizeof(kClasses) / sizeof(kClasses[0]));

inline const HMODULE kModule = reinterpret_cast<HMODULE>(static_cast<INT_PTR>(0x7000));

struct DrawCall {
    HTHEME hTheme;
    int nPart;
    int nState;
    RECT rect;
};

struct State {
    bool libraryMissing = false;
    std::set<std::string> missingEntries;
    std::set<std::wstring> classesWithoutTheme;
    std::vector<std::wstring> opened;
    std::vector<HWND> openedOn;
    std::vector<HTHEME> closed;
    std::vector<DrawCall> draws;
    int freed = 0;
    bool paint = true;
    std::wstring themeFile = L"C:\\Themes\\Blue.msstyles";
    std::wstring themeColor = L"NormalColor";
};

inline State& S()
{
    static State state;
    return state;
}

// The handle the fake library gives for a class: its place in the list, plus one.
inline HTHEME Handle(const wchar_t* pszClass)
{
    for (int i = 0; i < kClassCount; ++i)
        if (std::wstring(kClasses[i]) == pszClass)
            return reinterpret_cast<HTHEME>(static_cast<INT_PTR>(i + 1));
    return nullptr;
}

// The colour the fake library paints a part in a state with: away from every system colour.
inline COLORREF PartColor(HTHEME hTheme, int nPart, int nState)
{
    const INT_PTR n = reinterpret_cast<INT_PTR>(hTheme);
    return RGB(17 + 13 * static_cast<int>(n % 16), 11 + 9 * (nPart % 24), 3 + 37 * (nState % 7));
}

inline HTHEME WINAPI OpenThemeData(HWND hWnd, LPCWSTR pszClass)
{
    S().opened.push_back(pszClass);
    S().openedOn.push_back(hWnd);
    return S().classesWithoutTheme.count(pszClass) ? nullptr : Handle(pszClass);
}

inline HRESULT WINAPI CloseThemeData(HTHEME hTheme)
{
    S().closed.push_back(hTheme);
    return S_OK;
}

inline HRESULT WINAPI DrawThemeBackground(HTHEME hTheme, HDC hDC, int nPart, int nState, const RECT* pRect, const RECT*)
{
    S().draws.push_back({hTheme, nPart, nState, *pRect});
    if (S().paint) {
        const COLORREF clrOld = ::SetBkColor(hDC, PartColor(hTheme, nPart, nState));
        ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, pRect, nullptr, 0, nullptr);
        ::SetBkColor(hDC, clrOld);
    }
    return S_OK;
}

inline HRESULT WINAPI GetThemeColor(HTHEME, int, int, int, COLORREF* pColor)
{
    *pColor = RGB(1, 2, 3);
    return S_OK;
}

inline COLORREF WINAPI GetThemeSysColor(HTHEME, int)
{
    return RGB(4, 5, 6);
}

inline HRESULT WINAPI GetCurrentThemeName(LPWSTR pszFile, int cchFile, LPWSTR pszColor, int cchColor, LPWSTR, int)
{
    lstrcpynW(pszFile, S().themeFile.c_str(), cchFile);
    lstrcpynW(pszColor, S().themeColor.c_str(), cchColor);
    return S_OK;
}

inline HTHEME WINAPI GetWindowTheme(HWND)
{
    return nullptr;
}

inline HMODULE Load()
{
    return S().libraryMissing ? nullptr : kModule;
}

inline FARPROC Find(HMODULE hModule, LPCSTR lpszName)
{
    if (hModule != kModule || S().missingEntries.count(lpszName))
        return nullptr;
    const struct {
        const char* name;
        void* fn;
    } entries[] = {
        {"OpenThemeData", reinterpret_cast<void*>(&OpenThemeData)},
        {"CloseThemeData", reinterpret_cast<void*>(&CloseThemeData)},
        {"DrawThemeBackground", reinterpret_cast<void*>(&DrawThemeBackground)},
        {"GetThemeColor", reinterpret_cast<void*>(&GetThemeColor)},
        {"GetThemeSysColor", reinterpret_cast<void*>(&GetThemeSysColor)},
        {"GetCurrentThemeName", reinterpret_cast<void*>(&GetCurrentThemeName)},
        {"GetWindowTheme", reinterpret_cast<void*>(&GetWindowTheme)},
    };
    for (const auto& entry : entries)
        if (std::string(entry.name) == lpszName)
            return reinterpret_cast<FARPROC>(entry.fn);
    return nullptr;
}

inline void Free(HMODULE)
{
    ++S().freed;
}

// Puts the fake library in place of the system's for the scope, with a fresh record.
class Scope {
public:
    Scope()
    {
        S() = State();
        WTKUxThemeSource source;
        source.loadLibrary = Load;
        source.findEntryPoint = Find;
        source.freeLibrary = Free;
        m_previous = WTKSetUxThemeSource(source);
    }
    ~Scope() { WTKSetUxThemeSource(m_previous); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

private:
    WTKUxThemeSource m_previous;
};

}  // namespace fake_theme
