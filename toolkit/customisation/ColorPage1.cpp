#include "customisation/ColorPage1.h"

#include "customisation/ColorsDialog.h"
#include "customisation/res/WTKCustomisationRes.h"

IMPLEMENT_DYNAMIC(CColorPage1, CPropertyPage)

BEGIN_MESSAGE_MAP(CColorPage1, CPropertyPage)
    ON_BN_CLICKED(IDC_WTK_COLORS_HEX, OnHexPicker)
    ON_BN_CLICKED(IDC_WTK_COLORS_GREY, OnGreyPicker)
    ON_BN_DOUBLECLICKED(IDC_WTK_COLORS_HEX, OnDoubleClicked)
    ON_BN_DOUBLECLICKED(IDC_WTK_COLORS_GREY, OnDoubleClicked)
END_MESSAGE_MAP()

CColorPage1::CColorPage1() : CPropertyPage(IDD_WTK_COLORS_PAGE_STANDARD)
{
    m_hexpicker.SetType(CColorPickerCtrl::HEX);
    m_hexpicker_greyscale.SetType(CColorPickerCtrl::HEX_GREYSCALE);
}

BOOL CColorPage1::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (HWND hWnd = ::GetDlgItem(m_hWnd, IDC_WTK_COLORS_HEX))
        m_hexpicker.SubclassWindow(hWnd);
    if (HWND hWnd = ::GetDlgItem(m_hWnd, IDC_WTK_COLORS_GREY))
        m_hexpicker_greyscale.SubclassWindow(hWnd);
    if (m_pDialog != nullptr) {
        m_hexpicker.SetPalette(m_pDialog->GetPalette());
        m_hexpicker_greyscale.SetPalette(m_pDialog->GetPalette());
        const COLORREF color = m_pDialog->GetColor();
        SetRGB(GetRValue(color), GetGValue(color), GetBValue(color));
    }
    return TRUE;
}

void CColorPage1::SetRGB(BYTE R, BYTE G, BYTE B)
{
    if (m_hexpicker.GetSafeHwnd() != nullptr)
        m_hexpicker.SelectCellHexagon(R, G, B);
    if (m_hexpicker_greyscale.GetSafeHwnd() != nullptr)
        m_hexpicker_greyscale.SelectCellHexagon(R, G, B);
}

void CColorPage1::TakeColorFrom(CColorPickerCtrl& picker)
{
    const COLORREF color = picker.GetColor();
    if (m_pDialog == nullptr)
        return;
    m_pDialog->SetNewColor(color);
    m_pDialog->SetPageOne(GetRValue(color), GetGValue(color), GetBValue(color));
    m_pDialog->SetPageTwo(GetRValue(color), GetGValue(color), GetBValue(color));
}

void CColorPage1::OnHexPicker()
{
    TakeColorFrom(m_hexpicker);
}

void CColorPage1::OnGreyPicker()
{
    TakeColorFrom(m_hexpicker_greyscale);
}

void CColorPage1::OnDoubleClicked()
{
    if (m_pDialog != nullptr)
        m_pDialog->PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}
