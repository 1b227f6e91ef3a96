#include "customisation/WTKFontProp.h"

#include "customisation/WTKPropList.h"

#include <commdlg.h>

#include <cstdlib>

IMPLEMENT_DYNAMIC(CWTKFontProp, CWTKProp)

namespace {

constexpr int kPointsPerInch = 72;

BOOL ChooseFontBySystem(HWND hWndOwner, LOGFONTA* pLogFont)
{
    CHOOSEFONTA cf = {};
    cf.lStructSize = sizeof(cf);
    cf.hwndOwner = hWndOwner;
    cf.lpLogFont = pLogFont;
    cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    return ::ChooseFontA(&cf);
}

WTKChooseFontFn g_pfnChooseFont = ChooseFontBySystem;

int PointSize(const LOGFONTA& lf)
{
    HDC hDC = ::GetDC(nullptr);
    const int nDpi = ::GetDeviceCaps(hDC, LOGPIXELSY);
    ::ReleaseDC(nullptr, hDC);
    return nDpi > 0 ? ::MulDiv(std::abs(lf.lfHeight), kPointsPerInch, nDpi) : 0;
}

}  // namespace

BOOL WTKChooseFont(HWND hWndOwner, LOGFONTA* pLogFont)
{
    return pLogFont != nullptr && g_pfnChooseFont(hWndOwner, pLogFont);
}

WTKChooseFontFn WTKSetChooseFontFunction(WTKChooseFontFn pfn)
{
    WTKChooseFontFn pfnOld = g_pfnChooseFont;
    g_pfnChooseFont = pfn != nullptr ? pfn : ChooseFontBySystem;
    return pfnOld;
}

CWTKFontProp::CWTKFontProp(const CString& strName, const LOGFONTA& lf, LPCSTR lpszDescr, DWORD_PTR dwData)
    : CWTKProp(strName, "", lpszDescr, dwData), m_lf(lf)
{
    m_lf.lfFaceName[LF_FACESIZE - 1] = '\0';  // a face name from outside may lack its end
    AllowEdit(FALSE);
}

CString CWTKFontProp::FormatProperty()
{
    CString str;
    str.Format("%s, %d", m_lf.lfFaceName, PointSize(m_lf));
    return str;
}

void CWTKFontProp::OnClickButton(CPoint /*point*/)
{
    if (m_pWndList == nullptr)
        return;
    LOGFONTA lf = m_lf;
    if (!WTKChooseFont(m_pWndList->GetSafeHwnd(), &lf))
        return;
    lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    m_lf = lf;
    RedrawValue();
    if (HasInPlaceWnd())
        m_pWndInPlace->SetFocus();
}
