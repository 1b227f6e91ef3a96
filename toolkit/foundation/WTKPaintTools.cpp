#include "foundation/WTKPaintTools.h"

#include "foundation/WTKGlobalData.h"
#include "gdi/DC.h"

CWTKPaintTools::CWTKPaintTools(CDC* pDC) : m_pDC(pDC) {}

CWTKPaintTools::~CWTKPaintTools() = default;

BOOL CWTKPaintTools::HighlightRect(const RECT&, int, COLORREF)
{
    return FALSE;
}

BOOL CWTKPaintTools::GrayRect(const RECT&, int, COLORREF)
{
    return FALSE;
}

void CWTKPaintTools::FillGradient(const RECT&, COLORREF, COLORREF, BOOL) {}

void CWTKPaintTools::FillGradientAngle(const RECT&, COLORREF, COLORREF, int) {}

BOOL CWTKPaintTools::DrawRoundGradient(const RECT&, COLORREF, COLORREF, COLORREF, int, int, COLORREF)
{
    return FALSE;
}

BOOL CWTKPaintTools::DrawShadow(const RECT&, int, int, int, CBitmap*, CBitmap*, BOOL)
{
    return FALSE;
}
