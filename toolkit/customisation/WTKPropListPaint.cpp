// The property list's painting: off-screen (the part to repaint), rows then the description area.
#include "customisation/WTKPropList.h"

#include "customisation/WTKPropListConstants.h"

#include "foundation/WTKGlobalData.h"

#include "gdi/DC.h"
#include "gdi/MemDC.h"
#include "win/PaintDC.h"

void CWTKPropList::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rectClient;
    GetClientRect(rectClient);
    if (rectClient.IsRectEmpty())
        return;

    CMemDC dcMem(&dcPaint);
    const WTKGlobalData& g = WTKGetGlobalData();
    ResetGroupColor();

    ::FillRect(dcMem.GetSafeHdc(), rectClient, static_cast<HBRUSH>(g.brWindow.GetSafeHandle()));
    const HGDIOBJ hOldFont = ::SelectObject(dcMem.GetSafeHdc(), GetFontHandle());
    dcMem.SetTextColor(g.clrWindowText);
    dcMem.SetBkMode(TRANSPARENT);
    OnDrawList(&dcMem);
    if (m_bDescriptionArea) {
        CRect rectDescr = GetDescriptionRect();
        rectDescr.DeflateRect(1, 1);
        OnDrawDescription(&dcMem, rectDescr);
    }
    ::SelectObject(dcMem.GetSafeHdc(), hOldFont);
}

void CWTKPropList::OnDrawList(CDC* pDC)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    const int nSave = pDC->SaveDC();
    ::IntersectClipRect(pDC->GetSafeHdc(), m_rectList.left, m_rectList.top, m_rectList.right, m_rectList.bottom);
    for (CWTKProp* pProp : GetShownRows()) {
        if (IsRowInView(pProp))
            OnDrawProperty(pDC, pProp);
    }
    // The divider runs down the whole list.
    const int xDivider = m_rectList.left + m_nLeftColumnWidth;
    pDC->FillSolidRect(xDivider, m_rectList.top, 1, m_rectList.Height(), g.clrBtnFace);
    pDC->RestoreDC(nSave);
}

void CWTKPropList::OnDrawProperty(CDC* pDC, CWTKProp* pProp)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    const CRect rect = pProp->m_rect;
    const int xDivider = m_rectList.left + m_nLeftColumnWidth;
    // The indent column (expand boxes) is shaded like group rows.
    CRect rectIndent(m_rectList.left, rect.top,
                     rect.left + (pProp->IsGroup() || pProp->GetSubItemsCount() > 0 ? rect.Height() : 0), rect.bottom);
    if (!m_bAlphabeticMode)
        pDC->FillSolidRect(rectIndent, m_clrGroupBackground);

    CRect rectName = rect;
    rectName.right = pProp->HasValue() && !pProp->IsGroup() ? xDivider : rect.right;
    if (pProp->IsGroup()) {
        pDC->FillSolidRect(CRect(m_rectList.left, rect.top, rect.right, rect.bottom), m_clrGroupBackground);
    }
    const BOOL bSelected = pProp == m_pSel;
    if (bSelected) {
        CRect rectSel = rectName;
        rectSel.left = rect.left + (pProp->IsGroup() ? rect.Height() : 0);
        pDC->FillSolidRect(rectSel, m_bFocused ? g.clrHilite : g.clrBtnFace);
    }
    if (!m_bAlphabeticMode && (pProp->IsGroup() || pProp->GetSubItemsCount() > 0)) {
        CRect rectBox(rect.left, rect.top, rect.left + rect.Height(), rect.bottom);
        pProp->OnDrawExpandBox(pDC, rectBox);
    }
    CRect rectText = rectName;
    if (!m_bAlphabeticMode && (pProp->IsGroup() || pProp->GetSubItemsCount() > 0))
        rectText.left += rect.Height();
    const HDC hDC = pDC->GetSafeHdc();
    const HGDIOBJ hOldFont = ::SelectObject(hDC, pProp->IsGroup() ? GetBoldFontHandle() : GetFontHandle());
    const COLORREF clrOld = pDC->SetTextColor(bSelected && m_bFocused  ? g.clrTextHilite
                                                  : pProp->IsEnabled() ? g.clrWindowText
                                                                       : g.clrGrayedText);
    pProp->OnDrawName(pDC, rectText);
    pDC->SetTextColor(clrOld);
    ::SelectObject(hDC, hOldFont);

    if (!pProp->m_rectValue.IsRectEmpty() && !(pProp->m_bInPlaceEdit && pProp->m_pWndInPlace != nullptr)) {
        CRect rectValue = pProp->m_rectValue;
        if (!pProp->m_rectButton.IsRectEmpty())
            rectValue.right = pProp->m_rectButton.left;
        pProp->OnDrawValue(pDC, rectValue);
    }
    if (!pProp->m_rectButton.IsRectEmpty())
        pProp->OnDrawButton(pDC, pProp->m_rectButton);
    // A light line under each row.
    pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, g.clrBtnFace);
}

void CWTKPropList::OnDrawDescription(CDC* pDC, CRect rect)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    pDC->FillSolidRect(rect, g.clrBtnFace);
    CRect rectFrame = rect;
    rectFrame.top += kWTKPropDescrLineOffset + 1;
    pDC->Draw3dRect(rectFrame, g.clrBtnShadow, g.clrBtnHilite);
    if (m_pSel != nullptr) {
        const COLORREF clrOld = pDC->SetTextColor(g.clrBtnText);
        m_pSel->OnDrawDescription(pDC, rectFrame);
        pDC->SetTextColor(clrOld);
    }
}
