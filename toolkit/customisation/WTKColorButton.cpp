#include "customisation/WTKColorButton.h"

#include "customisation/ColorPopup.h"
#include "customisation/WTKColorDialogSeam.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKMenuGlyphs.h"

#include "gdi/DC.h"

#include <vector>

IMPLEMENT_DYNCREATE(CWTKColorButton, CWTKButton)

BEGIN_MESSAGE_MAP(CWTKColorButton, CWTKButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

namespace {

constexpr int kBoxInset = 4;     // the colour box inside the face
constexpr int kArrowWidth = 12;  // the drop-down arrow's column
constexpr int kArrowHalf = 3;

}  // namespace

CWTKColorButton::CWTKColorButton()
{
    CWTKColorBar::ColorsFromPalette(nullptr, m_Colors);
}

CWTKColorButton::~CWTKColorButton()
{
    // An open drop-down must not report to a button that is gone.
    if (m_pPopup != nullptr && m_pPopup->GetSafeHwnd() != nullptr) {
        if (CWTKColorBar* pBar = m_pPopup->GetColorBar())
            pBar->SetOwnerPropList(nullptr);
        m_pPopup->DestroyWindow();
    }
    m_pPopup = nullptr;
}

void CWTKColorButton::SetColor(COLORREF color)
{
    m_Color = color;
    if (GetSafeHwnd() != nullptr)
        Invalidate();
}

void CWTKColorButton::SetPalette(CPalette* pPalette)
{
    m_Palette.DeleteObject();
    CWTKColorBar::ColorsFromPalette(pPalette, m_Colors);
    if (pPalette == nullptr || pPalette->GetSafeHandle() == nullptr)
        return;
    const UINT nEntries = pPalette->GetPaletteEntries(0, 0, nullptr);
    if (nEntries == 0)
        return;
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + nEntries * sizeof(PALETTEENTRY));
    auto* pLogPalette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLogPalette->palVersion = CWTKColorBar::kPaletteVersion;
    pLogPalette->palNumEntries = static_cast<WORD>(pPalette->GetPaletteEntries(0, nEntries, pLogPalette->palPalEntry));
    m_Palette.CreatePalette(pLogPalette);
}

void CWTKColorButton::SetColors(const CWTKColorArray& colors)
{
    m_Colors.Copy(colors);
}

void CWTKColorButton::EnableAutomaticButton(LPCSTR lpszLabel, COLORREF colorAutomatic, BOOL bEnable)
{
    m_ColorAutomatic = colorAutomatic;
    m_strAutoColorText = (bEnable && lpszLabel != nullptr) ? lpszLabel : "";
}

void CWTKColorButton::EnableOtherButton(LPCSTR lpszLabel, BOOL bAltColorDlg, BOOL bEnable)
{
    m_bAltColorDlg = bAltColorDlg;
    m_strOtherText = (bEnable && lpszLabel != nullptr) ? lpszLabel : "";
}

void CWTKColorButton::SetDocumentColors(LPCSTR lpszLabel, const CWTKColorList& lstColors)
{
    m_strDocColorsText = lpszLabel ? lpszLabel : "";
    m_lstDocColors.RemoveAll();
    m_lstDocColors.AddTail(&lstColors);
}

void CWTKColorButton::BuildSettings(WTKColorBarSettings& settings) const
{
    settings.colors.Copy(m_Colors);
    settings.colorCurrent = m_Color;
    settings.colorAutomatic = m_ColorAutomatic;
    settings.strAutoColor = m_strAutoColorText;
    settings.strOtherColor = m_strOtherText;
    settings.strDocColors = m_strDocColorsText;
    settings.lstDocColors.RemoveAll();
    settings.lstDocColors.AddTail(&m_lstDocColors);
    settings.nColumns = m_nColumns;
    // The bar reports to the button, never through a command: its cells follow no command state.
    settings.uiCommandID = 0;
    settings.bStdColorDlg = !m_bAltColorDlg;
}

BOOL CWTKColorButton::OpenPopup()
{
    if (m_pPopup != nullptr || GetSafeHwnd() == nullptr)
        return FALSE;
    WTKColorBarSettings settings;
    BuildSettings(settings);
    CRect rect;
    GetWindowRect(rect);
    m_pPopup = CWTKPopupMenu::Open(std::make_unique<CColorPopup>(this, settings), this, rect.left, rect.bottom, nullptr,
                                   FALSE, TRUE);
    if (m_pPopup == nullptr)
        return FALSE;
    Invalidate();
    return TRUE;
}

BOOL CWTKColorButton::OpenColorDialog(COLORREF colorDefault, COLORREF& colorRes)
{
    return WTKOpenColorDialog(this, !m_bAltColorDlg, colorDefault, GetPalette(), colorRes);
}

void CWTKColorButton::OnColorBarColor(COLORREF color)
{
    m_Color = color;
    Invalidate();
    UpdateWindow();
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), reinterpret_cast<LPARAM>(m_hWnd));
}

void CWTKColorButton::OnColorBarClosed()
{
    m_pPopup = nullptr;
    if (GetSafeHwnd() != nullptr) {
        SetFocus();
        Invalidate();
    }
}

void CWTKColorButton::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    SetFocus();
    OpenPopup();
}

void CWTKColorButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_pPopup == nullptr)
        CWTKButton::OnLButtonUp(nFlags, point);
}

void CWTKColorButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pPopup != nullptr && m_pPopup->GetColorBar() != nullptr) {
        m_pPopup->GetColorBar()->OnKey(nChar);
        return;
    }
    if (nChar == VK_SPACE || nChar == VK_DOWN) {
        OpenPopup();
        return;
    }
    CWTKButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

UINT CWTKColorButton::OnGetDlgCode()
{
    return static_cast<UINT>(Default()) | DLGC_WANTARROWS;
}

void CWTKColorButton::OnDraw(CDC* pDC, const CRect& rect, UINT uiState)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    CRect rectBox = rect;
    rectBox.DeflateRect(kBoxInset, kBoxInset);
    rectBox.right -= kArrowWidth;
    COLORREF color = m_Color == static_cast<COLORREF>(-1) ? m_ColorAutomatic : m_Color;
    const BOOL bDisabled = (uiState & ODS_DISABLED) != 0;
    if (bDisabled)
        color = g.clrBtnShadow;
    if (rectBox.Width() > 0 && rectBox.Height() > 0) {
        pDC->FillSolidRect(rectBox, color);
        pDC->Draw3dRect(rectBox, g.clrBtnShadow, g.clrBtnShadow);
    }
    // The drop-down arrow.
    const int xCenter = rect.right - kBoxInset - kArrowWidth / 2;
    const int yCenter = rect.CenterPoint().y;
    const COLORREF clrArrow = bDisabled ? g.clrGrayedText : g.clrBtnText;
    for (int i = 0; i < kArrowHalf; i++)
        pDC->FillSolidRect(xCenter - kArrowHalf + i + 1, yCenter - 1 + i, 2 * (kArrowHalf - i) - 1, 1, clrArrow);
}
