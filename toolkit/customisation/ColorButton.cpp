#include "customisation/ColorButton.h"

#include "customisation/WTKColorBar.h"

#include "command_bars/WTKToolBar.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"

#include "bars/BarToolTip.h"
#include "core/Archive.h"
#include "gdi/DC.h"

IMPLEMENT_SERIAL(CColorButton, CWTKToolbarButton, 1)

namespace {

constexpr int kAutoTextGap = 4;  // between the automatic cell's square and its text

CMap<COLORREF, COLORREF, CString, LPCSTR>& ColorNames()
{
    static CMap<COLORREF, COLORREF, CString, LPCSTR> names;
    return names;
}

}  // namespace

CColorButton::CColorButton() = default;

CColorButton::CColorButton(COLORREF color, BOOL bIsAutomatic, BOOL bIsOther, LPCSTR lpszText, BOOL bHighlight,
                           BOOL bIsDocument, BOOL bIsOtherColor)
    : m_Color(color),
      m_bHighlight(bHighlight),
      m_bIsAutomatic(bIsAutomatic),
      m_bIsOther(bIsOther),
      m_bIsDocument(bIsDocument),
      m_bIsOtherColor(bIsOtherColor)
{
    m_strText = lpszText ? lpszText : "";
    m_bText = !m_strText.IsEmpty();
    m_bImage = FALSE;
}

CColorButton::~CColorButton() = default;

void CColorButton::Serialize(CArchive& ar)
{
    CWTKToolbarButton::Serialize(ar);
    // Cells are rebuilt from their bar; only the colour goes with a copy.
    if (ar.IsStoring())
        ar << static_cast<DWORD>(m_Color);
    else {
        DWORD dwColor = 0;
        ar >> dwColor;
        m_Color = dwColor;
    }
}

void CColorButton::CopyFrom(const CWTKToolbarButton& src)
{
    CWTKToolbarButton::CopyFrom(src);
    const auto* pOther = dynamic_cast<const CColorButton*>(&src);
    if (pOther == nullptr)
        return;
    m_Color = pOther->m_Color;
    m_bHighlight = pOther->m_bHighlight;
    m_bIsAutomatic = pOther->m_bIsAutomatic;
    m_bIsOther = pOther->m_bIsOther;
    m_bIsLabel = pOther->m_bIsLabel;
    m_bIsDocument = pOther->m_bIsDocument;
    m_bIsOtherColor = pOther->m_bIsOtherColor;
    m_pParentBar = pOther->m_pParentBar;
}

void CColorButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CWTKToolbarButton::OnChangeParentWnd(pWndParent);
    m_pParentBar = dynamic_cast<CWTKColorBar*>(pWndParent);
}

// ---- Colour names ----

void CColorButton::SetColorName(COLORREF color, LPCSTR lpszName)
{
    ColorNames().SetAt(color, lpszName ? lpszName : "");
}

BOOL CColorButton::GetColorName(COLORREF color, CString& strName)
{
    return ColorNames().Lookup(color, strName);
}

void CColorButton::RemoveAllColorNames()
{
    ColorNames().RemoveAll();
}

CString CColorButton::GetTooltipText() const
{
    if (!WTKGetCommandBarSettings().bShowTooltips || (m_nStyle & TBBS_DISABLED))
        return CString();
    if (m_bIsAutomatic || m_bIsOther || m_bIsLabel || m_Color == static_cast<COLORREF>(-1))
        return CWTKToolbarButton::RemoveMnemonicMarks(m_strText);
    CString strName;
    if (GetColorName(m_Color, strName))
        return strName;
    CString strHex;
    strHex.Format(kHexTooltipFormat, GetRValue(m_Color), GetGValue(m_Color), GetBValue(m_Color));
    return strHex;
}

INT_PTR CColorButton::OnToolHitTest(const CWnd* pWnd, TTTOOLINFOA* pTI)
{
    const CString strTip = GetTooltipText();
    if (strTip.IsEmpty() || pTI == nullptr || pWnd == nullptr)
        return -1;
    pTI->hwnd = pWnd->GetSafeHwnd();
    pTI->rect = m_rect;
    pTI->uId = static_cast<UINT_PTR>(m_nID);
    pTI->lpszText = CBarToolTip::DuplicateText(strTip);  // the bar's tooltip frees it
    return static_cast<INT_PTR>(m_nID);
}

// ---- Drawing ----

void CColorButton::DrawColorBox(CDC* pDC, const CRect& rectBox, BOOL bDisabled) const
{
    WTKGlobalData& g = WTKGetGlobalData();
    COLORREF color = m_Color;
    if (bDisabled)
        color = g.clrBtnShadow;
    else if (g.nBitsPerPixel == CWTKColorBar::kPaletteBitsPerPixel && m_pParentBar != nullptr &&
             m_pParentBar->GetPalette() != nullptr)
        color = PALETTERGB(GetRValue(color), GetGValue(color), GetBValue(color));
    if (m_Color != static_cast<COLORREF>(-1))
        pDC->FillSolidRect(rectBox, color);
    pDC->Draw3dRect(rectBox, g.clrBtnShadow, g.clrBtnShadow);
}

void CColorButton::DrawHighlightFrame(CDC* pDC, const CRect& rect) const
{
    WTKGlobalData& g = WTKGetGlobalData();
    const BOOL bPressed = (m_nStyle & TBBS_PRESSED) != 0;
    pDC->Draw3dRect(rect, bPressed ? g.clrBtnShadow : g.clrBtnHilite, bPressed ? g.clrBtnHilite : g.clrBtnShadow);
}

void CColorButton::OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* /*pImages*/, BOOL /*bHorz*/,
                          BOOL /*bCustomizeMode*/, BOOL bHighlight, BOOL /*bDrawBorder*/, BOOL /*bGrayDisabledButtons*/)
{
    if (rect.IsRectEmpty())
        return;
    WTKGlobalData& g = WTKGetGlobalData();
    const BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0;
    const int nMargin = CWTKVisualManager::GetInstance()->GetMenuImageMargin();

    const BOOL bHot = bHighlight && !bDisabled && !m_bIsLabel;
    if (bHot)
        pDC->FillSolidRect(rect, g.clrBtnHilite);
    if (m_bHighlight && !m_bIsLabel)
        DrawHighlightFrame(pDC, rect);
    else if (bHot)
        pDC->Draw3dRect(rect, g.clrBtnShadow, g.clrBtnShadow);

    CRect rectText = rect;
    if (IsColorCell()) {
        CRect rectBox = rect;
        if (m_bIsAutomatic) {
            const int nSide = rect.Height() - 2 * nMargin;
            rectBox =
                CRect(rect.left + nMargin, rect.top + nMargin, rect.left + nMargin + nSide, rect.bottom - nMargin);
            rectText.left = rectBox.right + kAutoTextGap;
        } else {
            rectBox.DeflateRect(nMargin, nMargin);
        }
        if (rectBox.Width() > 0 && rectBox.Height() > 0)
            DrawColorBox(pDC, rectBox, bDisabled);
        if (!m_bIsAutomatic)
            return;
    }
    CString strText = m_strText;
    CFont* pOldFont = pDC->SelectObject(&g.fontRegular);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(bDisabled ? g.clrGrayedText : g.clrBarText);
    const UINT uFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | (m_bIsAutomatic ? DT_LEFT : DT_CENTER);
    pDC->DrawText(strText, rectText, uFormat);
    pDC->SelectObject(pOldFont);
}
