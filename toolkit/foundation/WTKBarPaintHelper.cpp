#include "foundation/WTKBarPaintHelper.h"

#include "foundation/WTKGlobalData.h"

CWTKBarPaintHelper::CWTKBarPaintHelper(CWnd* pBar) : m_pBar(pBar) {}

CWTKBarPaintHelper::~CWTKBarPaintHelper() = default;

void CWTKBarPaintHelper::DoNcPaint() {}

void CWTKBarPaintHelper::CalcNcSize(LPRECT) {}

BOOL CWTKBarPaintHelper::EraseBackground(CDC* pDC)
{
    return WTKGetGlobalData().DrawParentBackground(m_pBar, pDC);
}
