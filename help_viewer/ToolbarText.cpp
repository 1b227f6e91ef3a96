#include "ToolbarText.h"

#include "core/Archive.h"

IMPLEMENT_SERIAL(CToolbarText, CWTKToolbarButton, 1)

CToolbarText::CToolbarText(UINT uiID, LPCSTR lpszText)
{
    m_nID = uiID;
    m_strText = lpszText;
    m_bText = TRUE;
}

void CToolbarText::OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz, BOOL bCustomizeMode,
                          BOOL bHighlight, BOOL bDrawBorder, BOOL bGrayDisabledButtons)
{
    const UINT nStyle = m_nStyle;
    m_nStyle &= ~TBBS_DISABLED;
    CWTKToolbarButton::OnDraw(pDC, rect, pImages, bHorz, bCustomizeMode, bHighlight, bDrawBorder, bGrayDisabledButtons);
    m_nStyle = nStyle;
}

CSize CToolbarText::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    m_iImage = -1;
    return CWTKToolbarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
}
