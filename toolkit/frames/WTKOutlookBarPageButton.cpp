#include "frames/WTKOutlookBarPageButton.h"

#include "foundation/WTKVisualManager.h"

IMPLEMENT_DYNCREATE(CWTKOutlookBarPageButton, CWTKButton)

CWTKOutlookBarPageButton::CWTKOutlookBarPageButton()
{
    m_bDrawFocus = FALSE;
    m_nFlatStyle = kStyleSemiFlat;
}

void CWTKOutlookBarPageButton::OnFillBackground(CDC* pDC, const CRect& rectClient)
{
    COLORREF clrText = static_cast<COLORREF>(-1);
    if (CWTKVisualManager::GetInstance()->OnFillOutlookPageButton(this, pDC, rectClient, clrText)) {
        if (clrText != static_cast<COLORREF>(-1))
            SetTextColor(clrText);
        return;
    }
    CWTKButton::OnFillBackground(pDC, rectClient);
}

void CWTKOutlookBarPageButton::OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState)
{
    if (CWTKVisualManager::GetInstance()->OnDrawOutlookPageButtonBorder(this, pDC, rectClient,
                                                                        static_cast<int>(uiState)))
        return;
    CWTKButton::OnDrawBorder(pDC, rectClient, uiState);
}
