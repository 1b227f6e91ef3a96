// CSize: a SIZE with arithmetic.
#pragma once
#include <windows.h>

class CPoint;

class CSize : public SIZE {
public:
    CSize() : SIZE {0, 0} {}
    CSize(int initCX, int initCY) : SIZE {initCX, initCY} {}
    CSize(SIZE initSize) : SIZE(initSize) {}
    explicit CSize(POINT initPt) : SIZE {initPt.x, initPt.y} {}
    explicit CSize(DWORD dwSize) : SIZE {static_cast<short>(LOWORD(dwSize)), static_cast<short>(HIWORD(dwSize))} {}

    bool operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
    bool operator!=(SIZE size) const { return !(*this == size); }
    void operator+=(SIZE size)
    {
        cx += size.cx;
        cy += size.cy;
    }
    void operator-=(SIZE size)
    {
        cx -= size.cx;
        cy -= size.cy;
    }
    void SetSize(int CX, int CY)
    {
        cx = CX;
        cy = CY;
    }

    CSize operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(SIZE size) const { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
    CPoint operator+(POINT point) const;
    CPoint operator-(POINT point) const;
};
