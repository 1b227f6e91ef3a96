#pragma once

// Paints a bar's non-client area (border, background, gripper) through the current look, and
// its background from its parent. Every toolbar holds one.

#include <windows.h>

class CDC;
class CWnd;

class CWTKBarPaintHelper {
public:
    explicit CWTKBarPaintHelper(CWnd* pBar);
    virtual ~CWTKBarPaintHelper();
    CWTKBarPaintHelper(const CWTKBarPaintHelper&) = delete;
    CWTKBarPaintHelper& operator=(const CWTKBarPaintHelper&) = delete;

    // For WM_NCPAINT of the bar.
    void DoNcPaint();
    // For WM_NCCALCSIZE: moves the edges of rect in by the bar's border and gripper insets.
    void CalcNcSize(LPRECT rect);
    // For WM_ERASEBKGND: the parent's background.
    BOOL EraseBackground(CDC* pDC);

protected:
    CWnd* m_pBar;
};
