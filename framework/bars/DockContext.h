// CDockContext: a control bar's drag and drop between dock bars and floating frames.
//
// StartDrag tracks the mouse in a local loop with the capture held: the drag rectangle
// follows the mouse and is drawn on the screen as an XOR frame (thin for a place where the
// bar would dock, thick for a floating place). Releasing the button docks the bar into the
// dock bar whose rectangle the drag rectangle meets and whose side the bar allows (a side of the
// bar's own orientation first), or floats it at the rectangle's top-left; a press released
// before the mouse left the system's drag distance is a click and moves nothing; Ctrl held
// never docks; Escape, the right button or a lost
// capture cancel and leave the bar where it was. StartResize does the same for an edge of a
// floating frame and commits with LM_COMMIT. ToggleDocking sends the bar back and forth
// between its most recent docked and floating places.
#pragma once
#include "core/Point.h"
#include "core/Rect.h"
#include "core/Size.h"
#include <windows.h>

class CControlBar;
class CDockBar;
class CFrameWnd;

class CDockContext {
public:
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();
    CDockContext(const CDockContext&) = delete;
    CDockContext& operator=(const CDockContext&) = delete;

    // pt in screen coordinates.
    virtual void StartDrag(CPoint pt);
    // nHitTest an edge code (HTLEFT .. HTBOTTOMRIGHT) of the floating frame.
    virtual void StartResize(int nHitTest, CPoint pt);
    virtual void ToggleDocking();
    // Remembers the bar's current place as its most recent docked or floating place.
    void RecordPlace();

    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite;
    DWORD m_dwDockStyle = 0;  // the bar's allowed sides
    DWORD m_dwStyle = 0;      // the bar's style when the drag started

    // Most recent places (screen coordinates).
    UINT m_uMRUDockID = 0;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle = 0;
    CPoint m_ptMRUFloatPos;

    // The work area origin of the monitor the bar was dropped on, when a mouse hook stored it
    // during the drag (m_bWorkAreaOriginSet); a floating drop stays right of and below it.
    CPoint m_ptWorkAreaOrigin;
    BOOL m_bWorkAreaOriginSet = FALSE;

    // Tracking state.
    BOOL m_bDragging = FALSE;
    int m_nHitTest = 0;
    CPoint m_ptStart;            // drag: where the button went down, screen coordinates
    BOOL m_bMoved = FALSE;       // drag: the mouse has left the drag distance around m_ptStart
    CPoint m_ptLast;             // the mouse, screen coordinates
    CRect m_rectLast;            // the rectangle drawn now (empty: none)
    BOOL m_bDitherLast = FALSE;  // drawn thick
    CRect m_rectDragHorz;        // docked horizontally
    CRect m_rectDragVert;        // docked vertically
    CRect m_rectFrameDragHorz;   // floating, horizontal
    CRect m_rectRequestedSize;   // resize: the frame rectangle asked for
    CRect m_rectActualSize;      // resize: the bar's rectangle it gives
    CRect m_rectActualFrameSize;
    CRect m_rectFrameBorders;              // resize: frame rectangle minus bar rectangle
    BOOL m_bForceFrame = FALSE;            // Ctrl: never dock
    CDockBar* m_pTargetDockBar = nullptr;  // where a release now would dock, or null

protected:
    // The loop: TRUE when the drag or resize ended with the button released.
    BOOL Track();
    void InitLoop();
    void CancelLoop();
    void Move(CPoint pt);
    // TRUE when pt lies beyond the system's drag distance from where the drag started.
    BOOL LeftDragDistance(CPoint pt) const;
    void Stretch(CPoint pt);
    // The next resize step towards pt: the bar's rectangle the bar's layout gives for the
    // requested size, with the corner opposite the dragged edge kept, and its frame rectangle.
    void StretchedRects(CPoint pt, CRect& rectBar, CRect& rectFrame);
    void OnKey(int nChar, BOOL bDown);
    // The dock bar the current drag rectangle would dock into (honouring m_bForceFrame).
    CDockBar* FindDockBar();
    void EndDrag();
    void EndResize();
    // XOR frame of the current rectangle on the screen; bRemove erases the last one only.
    void DrawFocusRect(BOOL bRemove = FALSE);
    // The rectangle the bar would have now: docked into m_pTargetDockBar or floating.
    CRect CurrentRect() const;
};
