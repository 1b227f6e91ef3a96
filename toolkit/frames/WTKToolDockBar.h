// CWTKToolDockBar: the toolkit's dock bar along a frame side. It lays its bars out row by row
// without gaps between toolbars, sizing bars and dialog bars, gives a menu bar a row of its
// own, and lets the look paint its background.
#pragma once
#include "foundation/WTKBarInfo.h"

#include "bars/DockBar.h"

class CWTKToolDockBar : public CDockBar, public CWTKBarInfo {
    DECLARE_DYNAMIC(CWTKToolDockBar)
public:
    CWTKToolDockBar() = default;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void DoPaint(CDC* pDC) override;
    DWORD GetBarStyle() const override { return CControlBar::GetBarStyle(); }
    BOOL IsDockable() const override { return FALSE; }

protected:
    BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
