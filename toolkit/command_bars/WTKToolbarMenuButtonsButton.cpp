#include "command_bars/WTKToolbarMenuButtonsButton.h"

#include "foundation/WTKVisualManager.h"

#include "core/Archive.h"

IMPLEMENT_SERIAL(CWTKToolbarMenuButtonsButton, CWTKToolbarButton, kToolbarButtonSchema)

CWTKToolbarMenuButtonsButton::CWTKToolbarMenuButtonsButton(UINT uiCmdId)
    : CWTKToolbarButton(uiCmdId, -1), m_uiSystemCommand(uiCmdId)
{
    m_bImage = FALSE;
}

void CWTKToolbarMenuButtonsButton::CopyFrom(const CWTKToolbarButton& src)
{
    CWTKToolbarButton::CopyFrom(src);
    if (const auto* pSrc = dynamic_cast<const CWTKToolbarMenuButtonsButton*>(&src))
        m_uiSystemCommand = pSrc->m_uiSystemCommand;
}

void CWTKToolbarMenuButtonsButton::OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* /*pImages*/, BOOL bHorz,
                                          BOOL /*bCustomizeMode*/, BOOL bHighlight, BOOL /*bDrawBorder*/,
                                          BOOL /*bGrayDisabledButtons*/)
{
    m_bHorz = bHorz;
    UINT nStyle = m_nStyle;
    // A box looks pressed only while the mouse holds it over the box.
    if (!bHighlight)
        nStyle &= ~TBBS_PRESSED;
    CWTKVisualManager::GetInstance()->OnDrawMenuSystemButton(pDC, rect, m_uiSystemCommand, nStyle, bHighlight);
}

CSize CWTKToolbarMenuButtonsButton::OnCalculateSize(CDC* /*pDC*/, const CSize& /*sizeDefault*/, BOOL bHorz)
{
    m_bHorz = bHorz;
    return CSize(::GetSystemMetrics(SM_CXMENUSIZE), ::GetSystemMetrics(SM_CYMENUSIZE));
}
