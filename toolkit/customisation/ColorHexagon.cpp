#include "customisation/ColorHexagon.h"

#include "gdi/DC.h"
#include "gdi/GdiObject.h"

#include <algorithm>
#include <cmath>

namespace {

// Selection marks: the white outline's width and the growth of the marked hexagons.
constexpr int kSelectWhitePenWidth = 2;
constexpr int kSelectGrow = 2;
constexpr int kSelectShrink = 1;
constexpr int kMarkMargin = 3;

void OutlineHexagon(CDC* pDC, int x, int y, int nWidth, int nPenWidth, COLORREF color)
{
    POINT pts[CColorHexagon::kVertexCount];
    CColorHexagon::ComputeVertices(x, y, nWidth, pts);
    CPen pen(PS_SOLID, nPenWidth, color);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CGdiObject* pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
    pDC->Polygon(pts, CColorHexagon::kVertexCount);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

}  // namespace

CColorHexagon::CColorHexagon(COLORREF color, int x, int y, int nWidth) : m_Color(color), m_DrawColor(color)
{
    SetPosition(x, y, nWidth);
}

void CColorHexagon::ComputeVertices(int x, int y, int nWidth, POINT* pVertices)
{
    const int d = static_cast<int>(nWidth * kHalfExtentFactor) / 2;
    const int h = nWidth / 2;
    pVertices[0] = {x - h, y - d};
    pVertices[1] = {x, y - h};
    pVertices[2] = {x + h, y - d};
    pVertices[3] = {x + h, y + d};
    pVertices[4] = {x, y + h};
    pVertices[5] = {x - h, y + d};
}

void CColorHexagon::SetPosition(int x, int y, int nWidth)
{
    m_ptCenter = CPoint(x, y);
    m_nWidth = nWidth;
    ComputeVertices(x, y, nWidth, m_Vertices);
}

BOOL CColorHexagon::HitTest(POINT pt) const
{
    // The region as the system fills the polygon, so hits match what is drawn.
    HRGN hRgn = ::CreatePolygonRgn(m_Vertices, kVertexCount, WINDING);
    if (hRgn == nullptr)
        return FALSE;
    const BOOL bIn = ::PtInRegion(hRgn, pt.x, pt.y);
    ::DeleteObject(hRgn);
    return bIn;
}

void CColorHexagon::Draw(CDC* pDC) const
{
    CPen pen(PS_SOLID, 1, m_DrawColor);
    CBrush brush(m_DrawColor);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->Polygon(m_Vertices, kVertexCount);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

void CColorHexagon::DrawSelected(CDC* pDC) const
{
    const int x = m_ptCenter.x;
    const int y = m_ptCenter.y;
    OutlineHexagon(pDC, x, y - 1, m_nWidth + kSelectGrow, kSelectWhitePenWidth, RGB(255, 255, 255));
    OutlineHexagon(pDC, x, y, m_nWidth + kSelectGrow, 1, RGB(0, 0, 0));
    OutlineHexagon(pDC, x, y, m_nWidth - kSelectShrink, 1, RGB(0, 0, 0));
}

RECT CColorHexagon::GetMarkRect() const
{
    const int h = m_nWidth / 2 + kMarkMargin;
    return {m_ptCenter.x - h, m_ptCenter.y - h - 1, m_ptCenter.x + h + 1, m_ptCenter.y + h + 1};
}
