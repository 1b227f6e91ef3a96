#include "foundation/WTKUxThemeHelper.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKPushButtonInfo.h"

#include "gdi/DC.h"
#include "win/WinApp.h"
#include "win/Wnd.h"

#include <algorithm>
#include <array>

namespace {

constexpr char kUxThemeLibrary[] = "UxTheme.dll";
constexpr UINT kProgressTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
// Longest theme file or colour scheme name read.
constexpr int kMaxThemeNameChars = MAX_PATH;

HMODULE LoadSystemUxTheme()
{
    return ::LoadLibraryA(kUxThemeLibrary);
}

FARPROC FindSystemEntryPoint(HMODULE hModule, LPCSTR lpszName)
{
    return ::GetProcAddress(hModule, lpszName);
}

void FreeSystemLibrary(HMODULE hModule)
{
    ::FreeLibrary(hModule);
}

WTKUxThemeSource g_source;

WTKUxThemeSource Source()
{
    WTKUxThemeSource source = WTKDefaultUxThemeSource();
    if (g_source.loadLibrary)
        source.loadLibrary = g_source.loadLibrary;
    if (g_source.findEntryPoint)
        source.findEntryPoint = g_source.findEntryPoint;
    if (g_source.freeLibrary)
        source.freeLibrary = g_source.freeLibrary;
    return source;
}

template <typename Fn>
Fn FindEntryPoint(const WTKUxThemeSource& source, HMODULE hModule, LPCSTR lpszName)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(source.findEntryPoint(hModule, lpszName)));
}

CString Narrow(const WCHAR* pszWide)
{
    char buffer[kMaxThemeNameChars * 2] = {};
    ::WideCharToMultiByte(CP_ACP, 0, pszWide, -1, buffer, sizeof(buffer) - 1, nullptr, nullptr);
    return CString(buffer);
}

}  // namespace

WTKUxThemeSource WTKDefaultUxThemeSource()
{
    WTKUxThemeSource source;
    source.loadLibrary = LoadSystemUxTheme;
    source.findEntryPoint = FindSystemEntryPoint;
    source.freeLibrary = FreeSystemLibrary;
    return source;
}

WTKUxThemeSource WTKSetUxThemeSource(const WTKUxThemeSource& source)
{
    const WTKUxThemeSource previous = g_source;
    g_source = source;
    return previous;
}

CWTKUxThemeHelper::CWTKUxThemeHelper()
{
    const WTKUxThemeSource source = Source();
    m_hinstUxTheme = source.loadLibrary();
    if (!m_hinstUxTheme)
        return;
    m_pfFreeLibrary = source.freeLibrary;

    m_pfOpenThemeData = FindEntryPoint<WTKOpenThemeDataFn>(source, m_hinstUxTheme, "OpenThemeData");
    m_pfCloseThemeData = FindEntryPoint<WTKCloseThemeDataFn>(source, m_hinstUxTheme, "CloseThemeData");
    m_pfDrawThemeBackground = FindEntryPoint<WTKDrawThemeBackgroundFn>(source, m_hinstUxTheme, "DrawThemeBackground");
    m_pfGetThemeColor = FindEntryPoint<WTKGetThemeColorFn>(source, m_hinstUxTheme, "GetThemeColor");
    m_pfGetThemeSysColor = FindEntryPoint<WTKGetThemeSysColorFn>(source, m_hinstUxTheme, "GetThemeSysColor");
    m_pfGetCurrentThemeName = FindEntryPoint<WTKGetCurrentThemeNameFn>(source, m_hinstUxTheme, "GetCurrentThemeName");
    m_pfGetWindowTheme = FindEntryPoint<WTKGetWindowThemeFn>(source, m_hinstUxTheme, "GetWindowTheme");

    OpenThemes();
}

CWTKUxThemeHelper::~CWTKUxThemeHelper()
{
    if (!m_hinstUxTheme)
        return;
    CloseThemes();
    if (m_pfFreeLibrary)
        m_pfFreeLibrary(m_hinstUxTheme);
}

void CWTKUxThemeHelper::OpenThemes()
{
    if (!m_hinstUxTheme)
        return;
    CloseThemes();
    if (!m_pfOpenThemeData || !m_pfCloseThemeData || !m_pfDrawThemeBackground)
        return;

    const HWND hWndMain = FwSafeHwnd(FwGetMainWnd());
    const struct {
        HTHEME* pHandle;
        LPCWSTR pszClass;
    } classes[] = {
        {&m_hThemeToolBar, L"TOOLBAR"},         {&m_hThemeRebar, L"REBAR"},     {&m_hThemeButton, L"BUTTON"},
        {&m_hThemeStatusBar, L"STATUS"},        {&m_hThemeWindow, L"WINDOW"},   {&m_hThemeComboBox, L"COMBOBOX"},
        {&m_hThemeProgress, L"PROGRESS"},       {&m_hThemeHeader, L"HEADER"},   {&m_hThemeScrollBar, L"SCROLLBAR"},
        {&m_hThemeExplorerBar, L"EXPLORERBAR"}, {&m_hThemeTree, L"TREEVIEW"},   {&m_hThemeStartPanel, L"STARTPANEL"},
        {&m_hThemeTaskBand, L"TASKBAND"},       {&m_hThemeTaskBar, L"TASKBAR"},
    };
    for (const auto& themeClass : classes)
        *themeClass.pHandle = m_pfOpenThemeData(hWndMain, themeClass.pszClass);
}

void CWTKUxThemeHelper::CloseThemes()
{
    HTHEME* const handles[] = {&m_hThemeToolBar,   &m_hThemeRebar,       &m_hThemeButton,   &m_hThemeStatusBar,
                               &m_hThemeWindow,    &m_hThemeComboBox,    &m_hThemeProgress, &m_hThemeHeader,
                               &m_hThemeScrollBar, &m_hThemeExplorerBar, &m_hThemeTree,     &m_hThemeStartPanel,
                               &m_hThemeTaskBand,  &m_hThemeTaskBar};
    for (HTHEME* pHandle : handles) {
        if (*pHandle && m_pfCloseThemeData)
            m_pfCloseThemeData(*pHandle);
        // A closed theme is never drawn with again, whether or not it could be closed.
        *pHandle = nullptr;
    }
}

BOOL CWTKUxThemeHelper::DrawThemeBackground(HTHEME hTheme, CDC* pDC, int nPart, int nState, const CRect& rect) const
{
    const HDC hDC = pDC ? pDC->GetSafeHdc() : nullptr;
    if (!hTheme || !hDC || !m_pfDrawThemeBackground)
        return FALSE;
    return SUCCEEDED(m_pfDrawThemeBackground(hTheme, hDC, nPart, nState, &rect, nullptr));
}

BOOL CWTKUxThemeHelper::GetCurrentThemeName(CString& strFileName, CString& strColorName) const
{
    strFileName.Empty();
    strColorName.Empty();
    if (!m_pfGetCurrentThemeName)
        return FALSE;

    WCHAR szFile[kMaxThemeNameChars] = {};
    WCHAR szColor[kMaxThemeNameChars] = {};
    if (FAILED(m_pfGetCurrentThemeName(szFile, kMaxThemeNameChars, szColor, kMaxThemeNameChars, nullptr, 0)))
        return FALSE;
    // The library's answer is trusted no further than the buffers' last character.
    szFile[kMaxThemeNameChars - 1] = L'\0';
    szColor[kMaxThemeNameChars - 1] = L'\0';
    strFileName = Narrow(szFile);
    strColorName = Narrow(szColor);
    return TRUE;
}

BOOL CWTKUxThemeHelper::GetThemeColor(HTHEME hTheme, int nPart, int nState, int nProp, COLORREF& clr) const
{
    if (!hTheme || !m_pfGetThemeColor)
        return FALSE;
    COLORREF clrTheme = 0;
    if (FAILED(m_pfGetThemeColor(hTheme, nPart, nState, nProp, &clrTheme)))
        return FALSE;
    clr = clrTheme;
    return TRUE;
}

COLORREF CWTKUxThemeHelper::GetThemeSysColor(HTHEME hTheme, int nColorId) const
{
    if (!hTheme || !m_pfGetThemeSysColor)
        return ::GetSysColor(nColorId);
    return m_pfGetThemeSysColor(hTheme, nColorId);
}

int CWTKUxThemeHelper::PushButtonThemeState(CWTKPushButtonInfo* pButton)
{
    // The push buttons that a look draws are windows; the window answers enabled and checked.
    const CWnd* pWnd = dynamic_cast<const CWnd*>(pButton);
    const HWND hWnd = FwSafeHwnd(pWnd);
    if (hWnd && !::IsWindowEnabled(hWnd))
        return kThemeStateDisabled;
    const BOOL bChecked = hWnd && ::SendMessageA(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if ((pButton->IsHighlighted() && pButton->IsPushed()) || bChecked)
        return kThemeStatePressed;
    if (pButton->IsHighlighted())
        return kThemeStateHot;
    return kThemeStateNormal;
}

BOOL CWTKUxThemeHelper::DrawPushButton(CDC* pDC, CRect rect, CWTKPushButtonInfo* pButton)
{
    if (!m_hThemeButton || !pButton)
        return FALSE;

    // A themed button has round corners: what shows through them is the parent's.
    if (CWnd* pWnd = dynamic_cast<CWnd*>(pButton))
        WTKGetGlobalData().DrawParentBackground(pWnd, pDC);

    DrawThemeBackground(m_hThemeButton, pDC, kThemeButtonPushButton, PushButtonThemeState(pButton), rect);
    return TRUE;
}

BOOL CWTKUxThemeHelper::DrawProgress(CDC* pDC, const CWTKStatusBarInfo* /*pStatusBar*/, CRect rectProgress,
                                     int nProgressTotal, int nProgressCurr, COLORREF /*clrBar*/,
                                     COLORREF /*clrProgressBarDest*/, COLORREF /*clrProgressText*/, BOOL bProgressText)
{
    if (!m_hThemeProgress)
        return FALSE;

    DrawThemeBackground(m_hThemeProgress, pDC, kThemeProgressBar, 0, rectProgress);
    if (nProgressTotal == 0)
        return TRUE;

    // The products are taken in 64 bits and the position kept inside the range, so a large
    // range or a stray position never overflows or paints past the pane.
    const LONGLONG total = nProgressTotal;
    const LONGLONG position = total > 0 ? std::clamp<LONGLONG>(nProgressCurr, 0, total) : 0;

    CRect rectChunk = rectProgress;
    rectChunk.DeflateRect(kThemeProgressChunkInset, kThemeProgressChunkInset);
    const LONGLONG width = std::max(0, rectChunk.Width());
    rectChunk.right = rectChunk.left + static_cast<int>(width * position / total);
    DrawThemeBackground(m_hThemeProgress, pDC, kThemeProgressChunk, 0, rectChunk);

    if (bProgressText) {
        CString strText;
        strText.Format("%d%%", static_cast<int>(position * 100 / total));
        const COLORREF clrOldText = pDC->SetTextColor(WTKGetGlobalData().clrBtnText);
        const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(strText, rectProgress, kProgressTextFormat);
        pDC->SetBkMode(nOldBkMode);
        pDC->SetTextColor(clrOldText);
    }
    return TRUE;
}
