// CWTKDragDockContext: the dock context of sizing bars. Dragging and toggling are the
// framework's; resizing a floating bar asks the bar for its size on each mouse move and keeps
// the floating frame meeting the desktop.
#pragma once
#include "bars/DockContext.h"

class CWTKDragDockContext : public CDockContext {
public:
    explicit CWTKDragDockContext(CControlBar* pBar);

    // nHitTest: the floating frame's edge (HTLEFT .. HTBOTTOMRIGHT); pt in screen coordinates.
    void StartResize(int nHitTest, CPoint pt) override;

protected:
    // The resize loop: TRUE when the button was released, FALSE when cancelled (Escape, the
    // right button, a lost capture, WM_QUIT) or when another window holds the capture.
    BOOL TrackResize();
    // The bar's size for the dragged edge; the frame keeps the opposite corner and takes the
    // new rectangle only while it meets the desktop.
    void StretchWithinDesktop(CPoint pt);
};
