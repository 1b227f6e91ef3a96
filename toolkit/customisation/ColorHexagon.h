// CColorHexagon: one six-sided cell of the colour picker's honeycomb or grey row: its colour,
// the colour it is drawn in, its centre and width and its six vertices.
#pragma once
#include "core/Point.h"

#include <windows.h>

class CDC;

class CColorHexagon {
public:
    static constexpr int kVertexCount = 6;
    // The vertical half-extent of a hexagon is its width times this, truncated, halved.
    static constexpr double kHalfExtentFactor = 0.57735026;

    CColorHexagon() = default;
    CColorHexagon(COLORREF color, int x, int y, int nWidth);

    // Places the cell and computes its vertices.
    void SetPosition(int x, int y, int nWidth);
    // TRUE when the point lies in the six-sided region.
    BOOL HitTest(POINT pt) const;
    // Filled in the drawn colour and outlined by a one-pixel pen of the same colour.
    void Draw(CDC* pDC) const;
    // The selection marks: a white outline 2 wide of the hexagon 2 wider centred 1 higher, a
    // black outline of the hexagon 2 wider and one of the hexagon 1 narrower.
    void DrawSelected(CDC* pDC) const;
    // The bounds of the cell grown by the selection marks.
    RECT GetMarkRect() const;

    // The vertices of a hexagon of width nWidth centred on (x, y).
    static void ComputeVertices(int x, int y, int nWidth, POINT* pVertices);

    COLORREF m_Color = 0;
    COLORREF m_DrawColor = 0;  // a palette-index colour at 8 bits per pixel
    CPoint m_ptCenter = CPoint(0, 0);
    int m_nWidth = 0;
    POINT m_Vertices[kVertexCount] = {};
};
