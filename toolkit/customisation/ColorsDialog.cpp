#include "customisation/ColorsDialog.h"

#include "customisation/WTKColorDialogSeam.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "foundation/WTKGlobalData.h"

#include "gdi/DC.h"

#include <vector>

IMPLEMENT_DYNAMIC(CColorsDialog, CDialog)

BEGIN_MESSAGE_MAP(CColorsDialog, CDialog)
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

namespace {

BOOL IsLowColorScreen()
{
    return WTKGetGlobalData().nBitsPerPixel <= CColorsDialog::kLowColorBits;
}

}  // namespace

CColorsDialog::CColorsDialog(COLORREF clrInit, CPalette* pPalette, CWnd* pParentWnd)
    : CDialog(IDD_WTK_COLORS_DIALOG, pParentWnd), m_CurrentColor(clrInit), m_NewColor(clrInit), m_pPalette(pPalette)
{
    m_wndPage1.SetDialog(this);
    m_wndPage2.SetDialog(this);
}

CColorsDialog::~CColorsDialog()
{
    // The sheet's window goes before the pages it shows.
    m_pPropSheet.reset();
}

INT_PTR CColorsDialog::DoModal()
{
    if (IsLowColorScreen())
        return RunPlatformChooser();
    return CDialog::DoModal();
}

INT_PTR CColorsDialog::RunPlatformChooser()
{
    COLORREF color = m_CurrentColor;
    if (!WTKOpenColorDialog(m_pParentWnd, TRUE, m_CurrentColor, nullptr, color))
        return IDCANCEL;
    m_NewColor = color;
    return IDOK;
}

void CColorsDialog::RebuildPalette()
{
    if (!m_bIsMyPalette && m_pPalette != nullptr)
        return;
    m_OwnPalette.DeleteObject();
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + kSystemPaletteEntries * sizeof(PALETTEENTRY));
    auto* pLogPalette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLogPalette->palVersion = 0x300;
    HDC hdcScreen = ::GetDC(nullptr);
    UINT nEntries = ::GetSystemPaletteEntries(hdcScreen, 0, kSystemPaletteEntries, pLogPalette->palPalEntry);
    ::ReleaseDC(nullptr, hdcScreen);
    if (nEntries == 0)  // no palette device: the stock palette's colours
        nEntries = ::GetPaletteEntries(static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE)), 0,
                                       kSystemPaletteEntries, pLogPalette->palPalEntry);
    pLogPalette->palNumEntries = static_cast<WORD>(nEntries);
    m_OwnPalette.CreatePalette(pLogPalette);
    m_pPalette = &m_OwnPalette;
    m_bIsMyPalette = TRUE;
}

BOOL CColorsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_pPalette == nullptr)
        RebuildPalette();

    m_wndColors.SetType(CColorPickerCtrl::CURRENT);
    if (HWND hWndPreview = ::GetDlgItem(m_hWnd, IDC_WTK_COLORS_PREVIEW))
        m_wndColors.SubclassWindow(hWndPreview);
    m_wndColors.SetPalette(m_pPalette);
    m_wndColors.SetOriginalColor(m_CurrentColor);
    m_wndColors.SetColor(m_NewColor);

    m_pPropSheet = std::make_unique<CPropertySheetCtrl>("");
    m_pPropSheet->AddPage(&m_wndPage1);
    m_pPropSheet->AddPage(&m_wndPage2);
    if (!m_pPropSheet->CreateOverPlaceholder(this, IDC_WTK_COLORS_SHEET_AREA)) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    const BYTE R = GetRValue(m_CurrentColor);
    const BYTE G = GetGValue(m_CurrentColor);
    const BYTE B = GetBValue(m_CurrentColor);
    SetPageOne(R, G, B);
    SetPageTwo(R, G, B);
    return TRUE;
}

void CColorsDialog::SetNewColor(COLORREF rgb)
{
    m_NewColor = rgb;
    if (m_wndColors.GetSafeHwnd() != nullptr)
        m_wndColors.SetColor(rgb);
}

void CColorsDialog::SetPageOne(BYTE R, BYTE G, BYTE B)
{
    m_wndPage1.SetRGB(R, G, B);
}

void CColorsDialog::SetPageTwo(BYTE R, BYTE G, BYTE B)
{
    m_wndPage2.Setup(R, G, B);
}

void CColorsDialog::OnSysColorChange()
{
    Default();
    if (!IsLowColorScreen()) {
        if (m_bIsMyPalette) {
            RebuildPalette();
            m_wndColors.SetPalette(m_pPalette);
            Invalidate();
        }
        return;
    }
    ShowWindow(SW_HIDE);
    EndDialog(static_cast<int>(RunPlatformChooser()));
}
