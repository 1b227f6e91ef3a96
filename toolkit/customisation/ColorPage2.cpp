#include "customisation/ColorPage2.h"

#include "customisation/ColorsDialog.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "foundation/WTKColorFunctions.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(CColorPage2, CPropertyPage)

namespace {

constexpr UINT kEditIds[6] = {IDC_WTK_COLORS_RED, IDC_WTK_COLORS_GREEN, IDC_WTK_COLORS_BLUE,
                              IDC_WTK_COLORS_LUM, IDC_WTK_COLORS_SAT,   IDC_WTK_COLORS_HUE};
constexpr UINT kSpinIds[6] = {IDC_WTK_COLORS_RED_SPIN, IDC_WTK_COLORS_GREEN_SPIN, IDC_WTK_COLORS_BLUE_SPIN,
                              IDC_WTK_COLORS_LUM_SPIN, IDC_WTK_COLORS_SAT_SPIN,   IDC_WTK_COLORS_HUE_SPIN};
constexpr int kEditDigits = 3;

// Hue, saturation and luminance are edited as 0-255: the pickers' 0-1 value times 255.
int ToEditValue(double d)
{
    return std::min(CColorPage2::kEditMax, static_cast<int>(d * CColorPage2::kHLSScale + 0.5));
}

double FromEditValue(int n)
{
    return n / CColorPage2::kHLSScale;
}

}  // namespace

BEGIN_MESSAGE_MAP(CColorPage2, CPropertyPage)
    ON_EN_CHANGE(IDC_WTK_COLORS_RED, OnRGBChanged)
    ON_EN_CHANGE(IDC_WTK_COLORS_GREEN, OnRGBChanged)
    ON_EN_CHANGE(IDC_WTK_COLORS_BLUE, OnRGBChanged)
    ON_EN_CHANGE(IDC_WTK_COLORS_LUM, OnHLSChanged)
    ON_EN_CHANGE(IDC_WTK_COLORS_SAT, OnHLSChanged)
    ON_EN_CHANGE(IDC_WTK_COLORS_HUE, OnHLSChanged)
    ON_BN_CLICKED(IDC_WTK_COLORS_HSPICKER, OnHexColor)
    ON_BN_CLICKED(IDC_WTK_COLORS_LUMBAR, OnLuminance)
END_MESSAGE_MAP()

CColorPage2::CColorPage2() : CPropertyPage(IDD_WTK_COLORS_PAGE_CUSTOM)
{
    m_wndHexColor.SetType(CColorPickerCtrl::PICKER);
    m_wndLum.SetType(CColorPickerCtrl::LUMINANCE);
}

BOOL CColorPage2::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (HWND hWnd = ::GetDlgItem(m_hWnd, IDC_WTK_COLORS_HSPICKER))
        m_wndHexColor.SubclassWindow(hWnd);
    if (HWND hWnd = ::GetDlgItem(m_hWnd, IDC_WTK_COLORS_LUMBAR))
        m_wndLum.SubclassWindow(hWnd);
    m_wndLum.SetLuminanceBarWidth(kLuminanceBarWidth);
    for (int i = 0; i < 6; i++) {
        if (HWND hWnd = ::GetDlgItem(m_hWnd, static_cast<int>(kSpinIds[i]))) {
            m_wndSpins[i].SubclassWindow(hWnd);
            m_wndSpins[i].SetRange(0, kEditMax);
        }
        ::SendDlgItemMessageA(m_hWnd, static_cast<int>(kEditIds[i]), EM_LIMITTEXT, kEditDigits, 0);
    }
    if (m_pDialog != nullptr) {
        m_wndHexColor.SetPalette(m_pDialog->GetPalette());
        m_wndLum.SetPalette(m_pDialog->GetPalette());
        const COLORREF color = m_pDialog->GetColor();
        Setup(GetRValue(color), GetGValue(color), GetBValue(color));
    }
    m_bIsReady = TRUE;
    return TRUE;
}

void CColorPage2::Setup(BYTE R, BYTE G, BYTE B)
{
    if (m_hWnd == nullptr)
        return;  // the page reads the dialog's colour when it is made
    const COLORREF color = RGB(R, G, B);
    double H = 0.0;
    double L = 0.0;
    double S = 0.0;
    RGBToHLS(color, &H, &S, &L);
    m_wndHexColor.SetColor(color);
    m_wndLum.SetColor(color);
    WriteEdits(R, G, B, H, L, S);
}

void CColorPage2::WriteEdits(BYTE R, BYTE G, BYTE B, double H, double L, double S)
{
    // The page's own writes raise EN_CHANGE: they must not feed back into the colour.
    const BOOL bWasReady = m_bIsReady;
    m_bIsReady = FALSE;
    const int values[6] = {R, G, B, ToEditValue(L), ToEditValue(S), ToEditValue(H)};
    for (int i = 0; i < 6; i++) {
        if (static_cast<int>(::GetDlgItemInt(m_hWnd, static_cast<int>(kEditIds[i]), nullptr, FALSE)) != values[i] ||
            ::GetWindowTextLengthA(::GetDlgItem(m_hWnd, static_cast<int>(kEditIds[i]))) == 0)
            ::SetDlgItemInt(m_hWnd, static_cast<int>(kEditIds[i]), static_cast<UINT>(values[i]), FALSE);
    }
    m_bIsReady = bWasReady;
}

int CColorPage2::ReadEdit(UINT nID)
{
    BOOL bTranslated = FALSE;
    const UINT nValue = ::GetDlgItemInt(m_hWnd, static_cast<int>(nID), &bTranslated, FALSE);
    if (bTranslated && nValue <= static_cast<UINT>(kEditMax))
        return static_cast<int>(nValue);
    const int nClamped = bTranslated ? kEditMax : 0;
    if (::GetWindowTextLengthA(::GetDlgItem(m_hWnd, static_cast<int>(nID))) > 0) {
        const BOOL bWasReady = m_bIsReady;
        m_bIsReady = FALSE;
        ::SetDlgItemInt(m_hWnd, static_cast<int>(nID), static_cast<UINT>(nClamped), FALSE);
        m_bIsReady = bWasReady;
    }
    return nClamped;
}

void CColorPage2::TakeColor(COLORREF color, BOOL bUpdatePickers)
{
    if (bUpdatePickers) {
        m_wndHexColor.SetColor(color);
        m_wndLum.SetColor(color);
    }
    if (m_pDialog != nullptr) {
        m_pDialog->SetNewColor(color);
        m_pDialog->SetPageOne(GetRValue(color), GetGValue(color), GetBValue(color));
    }
}

void CColorPage2::OnRGBChanged()
{
    if (!m_bIsReady)
        return;
    const BYTE R = static_cast<BYTE>(ReadEdit(IDC_WTK_COLORS_RED));
    const BYTE G = static_cast<BYTE>(ReadEdit(IDC_WTK_COLORS_GREEN));
    const BYTE B = static_cast<BYTE>(ReadEdit(IDC_WTK_COLORS_BLUE));
    const COLORREF color = RGB(R, G, B);
    TakeColor(color, TRUE);
    double H = 0.0;
    double L = 0.0;
    double S = 0.0;
    RGBToHLS(color, &H, &S, &L);
    WriteEdits(R, G, B, H, L, S);
}

void CColorPage2::OnHLSChanged()
{
    if (!m_bIsReady)
        return;
    const double L = FromEditValue(ReadEdit(IDC_WTK_COLORS_LUM));
    const double S = FromEditValue(ReadEdit(IDC_WTK_COLORS_SAT));
    const double H = FromEditValue(ReadEdit(IDC_WTK_COLORS_HUE));
    // The pickers keep the hue and saturation as typed, also where the colour has none.
    m_wndHexColor.SetHLS(H, L, S);
    m_wndLum.SetHLS(H, L, S);
    const COLORREF color = m_wndHexColor.GetColor();
    TakeColor(color, FALSE);
    WriteEdits(GetRValue(color), GetGValue(color), GetBValue(color), H, L, S);
}

void CColorPage2::TakePickersColor(BOOL bRedrawLuminance)
{
    const double H = m_wndHexColor.GetHue();
    const double S = m_wndHexColor.GetSaturation();
    const double L = m_wndLum.GetLuminance();
    if (bRedrawLuminance)
        m_wndLum.SetHLS(H, L, S);
    m_wndHexColor.SetHLS(H, L, S, FALSE);
    const COLORREF color = m_wndLum.GetColor();
    TakeColor(color, FALSE);
    WriteEdits(GetRValue(color), GetGValue(color), GetBValue(color), H, L, S);
}

void CColorPage2::OnHexColor()
{
    // A new hue or saturation redraws the luminance bar in it.
    TakePickersColor(TRUE);
}

void CColorPage2::OnLuminance()
{
    TakePickersColor(FALSE);
}
