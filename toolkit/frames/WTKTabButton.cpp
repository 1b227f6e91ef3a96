#include "frames/WTKTabButton.h"

#include "foundation/WTKVisualManager.h"

IMPLEMENT_DYNCREATE(CWTKTabButton, CWTKButton)

void CWTKTabButton::OnFillBackground(CDC* pDC, const CRect& rectClient)
{
    CWTKVisualManager::GetInstance()->OnFillTabButton(pDC, rectClient, this);
}

void CWTKTabButton::OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState)
{
    CWTKVisualManager::GetInstance()->OnDrawTabButtonBorder(pDC, rectClient, this, uiState);
}
