#include "customisation/WTKColorProp.h"

#include "customisation/ColorPopup.h"
#include "customisation/WTKPropList.h"
#include "customisation/WTKPropListConstants.h"

#include "foundation/WTKGlobalData.h"

#include "gdi/DC.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CWTKColorProp, CWTKProp)

namespace {

constexpr int kHexDigits = 6;
constexpr COLORREF kAutomatic = static_cast<COLORREF>(-1);

// "RRGGBB" in hexadecimal; FALSE for any other text.
BOOL ParseHexColor(const CString& strText, COLORREF& color)
{
    CString str = strText;
    str.Trim();
    if (str.GetLength() != kHexDigits)
        return FALSE;
    for (int i = 0; i < kHexDigits; i++) {
        if (!isxdigit(static_cast<unsigned char>(str[i])))
            return FALSE;
    }
    const unsigned long nRGB = std::strtoul(str, nullptr, 16);
    color = RGB((nRGB >> 16) & 0xFF, (nRGB >> 8) & 0xFF, nRGB & 0xFF);
    return TRUE;
}

}  // namespace

CWTKColorProp::CWTKColorProp(const CString& strName, COLORREF color, CPalette* pPalette, LPCSTR lpszDescr,
                             DWORD_PTR dwData)
    : CWTKProp(strName, VARIANT {}, lpszDescr, dwData)
{
    m_varValue.vt = VT_I4;
    m_varValue.lVal = static_cast<LONG>(color);
    CWTKColorBar::ColorsFromPalette(pPalette, m_colors);
}

CWTKColorProp::~CWTKColorProp()
{
    ClosePopup();
}

COLORREF CWTKColorProp::GetColor() const
{
    return static_cast<COLORREF>(m_varValue.lVal);
}

void CWTKColorProp::SetColor(COLORREF color)
{
    ::VariantClear(&m_varValue);
    m_varValue.vt = VT_I4;
    m_varValue.lVal = static_cast<LONG>(color);
    RedrawValue();
}

void CWTKColorProp::EnableAutomaticButton(LPCSTR lpszLabel, COLORREF colorAutomatic, BOOL bEnable)
{
    m_strAutoColor = bEnable && lpszLabel != nullptr ? lpszLabel : "";
    m_colorAutomatic = colorAutomatic;
}

void CWTKColorProp::EnableOtherButton(LPCSTR lpszLabel, BOOL bAltColorDlg, BOOL bEnable)
{
    m_strOtherColor = bEnable && lpszLabel != nullptr ? lpszLabel : "";
    m_bStdColorDlg = !bAltColorDlg;
}

COLORREF CWTKColorProp::GetShownColor() const
{
    return GetColor() == kAutomatic ? m_colorAutomatic : GetColor();
}

CString CWTKColorProp::FormatProperty()
{
    if (GetColor() == kAutomatic && !m_strAutoColor.IsEmpty())
        return m_strAutoColor;
    const COLORREF color = GetShownColor();
    CString str;
    str.Format("%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
    return str;
}

BOOL CWTKColorProp::OnUpdateValue()
{
    if (!HasInPlaceWnd())
        return FALSE;
    CString strText;
    m_pWndInPlace->GetWindowText(strText);
    if (strText == FormatProperty())
        return TRUE;  // untouched (the automatic label too)
    COLORREF color = 0;
    if (!ParseHexColor(strText, color))
        return FALSE;
    if (color != GetColor()) {
        SetColor(color);
        if (m_pWndList != nullptr)
            m_pWndList->OnPropertyChanged(this);
    }
    return TRUE;
}

CRect CWTKColorProp::SwatchRect(const CRect& rectValue) const
{
    CRect rect = rectValue;
    rect.DeflateRect(kWTKPropRowPadding / 2, 2);
    rect.right = rect.left + rect.Height() * 3 / 2;
    return rect;
}

CWnd* CWTKColorProp::CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat)
{
    // The swatch stays in view beside the edit.
    rectEdit.left = SwatchRect(m_rectValue).right + kWTKPropRowPadding / 2;
    return CWTKProp::CreateInPlaceEdit(rectEdit, bDefaultFormat);
}

void CWTKColorProp::OnDrawValue(CDC* pDC, CRect rect)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    const CRect rectSwatch = SwatchRect(rect);
    pDC->FillSolidRect(rectSwatch, GetShownColor());
    pDC->Draw3dRect(rectSwatch, g.clrBtnShadow, g.clrBtnShadow);
    rect.left = rectSwatch.right;
    CWTKProp::OnDrawValue(pDC, rect);
}

void CWTKColorProp::OnClickButton(CPoint /*point*/)
{
    if (m_pPopup != nullptr || m_pWndList == nullptr || m_pWndList->GetSafeHwnd() == nullptr)
        return;
    WTKColorBarSettings settings;
    for (INT_PTR i = 0; i < m_colors.GetSize(); i++)
        settings.colors.Add(m_colors[i]);
    settings.colorCurrent = GetColor();
    settings.colorAutomatic = m_colorAutomatic;
    settings.strAutoColor = m_strAutoColor;
    settings.strOtherColor = m_strOtherColor;
    settings.nColumns = m_nColumns;
    settings.bStdColorDlg = m_bStdColorDlg;
    CRect rect = m_rectValue;
    m_pWndList->ClientToScreen(rect);
    m_pPopup = CWTKPopupMenu::Open(std::make_unique<CColorPopup>(this, settings), m_pWndList, rect.left, rect.bottom,
                                   nullptr, FALSE, TRUE);
}

void CWTKColorProp::OnColorBarColor(COLORREF color)
{
    const COLORREF colorOld = GetColor();
    SetColor(color);
    if (color != colorOld && m_pWndList != nullptr)
        m_pWndList->OnPropertyChanged(this);
}

void CWTKColorProp::OnColorBarClosed()
{
    m_pPopup = nullptr;
    if (m_pWndList != nullptr && m_pWndList->GetSafeHwnd() != nullptr)
        m_pWndList->InvalidateRect(m_rect);
    if (HasInPlaceWnd())
        m_pWndInPlace->SetFocus();
}

CWnd* CWTKColorProp::GetColorBarOwnerWnd()
{
    return m_pWndList;
}

void CWTKColorProp::ClosePopup()
{
    CColorPopup* pPopup = m_pPopup;
    m_pPopup = nullptr;
    if (pPopup == nullptr || pPopup->GetSafeHwnd() == nullptr)
        return;
    // The bar must not report to a property that is closing it.
    if (CWTKColorBar* pBar = pPopup->GetColorBar())
        pBar->SetOwnerPropList(nullptr);
    pPopup->DestroyWindow();
}

BOOL CWTKColorProp::OnEndEdit()
{
    ClosePopup();
    return CWTKProp::OnEndEdit();
}
