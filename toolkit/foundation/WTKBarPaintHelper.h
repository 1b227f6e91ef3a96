#pragma once

// Paints a bar's non-client area (border, background, gripper) through the current look, and
// its background from its parent. Every toolbar holds one.

#include "core/Rect.h"

#include <windows.h>

class CDC;
class CWnd;
class CWTKBarInfo;

// What the helper reads of its bar besides what the looks read.
class CWTKBarNcInfo {
public:
    virtual ~CWTKBarNcInfo() = default;

    virtual BOOL IsFloating() const = 0;
    // Shrinks rect by the bar's border and gripper for that orientation.
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const = 0;
};

class CWTKBarPaintHelper {
public:
    // Bar style bits (the control bar style word) the helper tests.
    static constexpr DWORD kStyleAlignTop = 0x2000;
    static constexpr DWORD kStyleAlignBottom = 0x8000;
    static constexpr DWORD kStyleGripper = 0x00400000;

    // The toolbar passes itself three times: its window, what the looks read, its insets.
    CWTKBarPaintHelper(CWnd* pBar, const CWTKBarInfo* pInfo, const CWTKBarNcInfo* pNcInfo);
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
    const CWTKBarInfo* m_pInfo;
    const CWTKBarNcInfo* m_pNcInfo;
};
