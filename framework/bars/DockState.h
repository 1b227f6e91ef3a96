// CDockState: where a frame's control bars are (docked side, row and order, floating point,
// visibility), taken from the frame with GetDockState and given back with SetDockState, and
// kept under a profile section between runs.
//
// Profile format (our own; every value a 32-bit integer, readable in a registry editor):
//   <section>\DockState          "Version" (kDockStateVersion), "BarCount", "ScreenLeft",
//                                "ScreenTop", "ScreenRight", "ScreenBottom" (the virtual screen)
//   <section>\DockState\Bar<n>   one key per bar record n = 0..BarCount-1: "ID", "Visible",
//                                "Floating", "Horz", "DockBar", "X", "Y", "MRUWidth", "Docking",
//                                "MRUDockID", "MRUDockLeft", "MRUDockTop", "MRUDockRight",
//                                "MRUDockBottom", "MRUFloatStyle", "MRUFloatX", "MRUFloatY",
//                                "Count" and "Bar<i>" for i < Count (a dock bar's ids in order,
//                                0 ending a row)
// Loading trusts nothing: an unknown version or a missing summary leaves the state empty; every
// count is bounded (by the keys present and by fixed limits); a record without a valid "ID" is
// skipped; a value of another type or size counts as missing and takes its default.
#pragma once
#include "core/DWordArray.h"
#include "core/Object.h"
#include "core/Point.h"
#include "core/PtrArray.h"
#include "core/Rect.h"
#include "docview/BarStyles.h"

class CControlBar;

// One bar (or dock bar) in a dock state.
struct CControlBarInfo {
    UINT m_nBarID = 0;  // the bar's control id
    BOOL m_bVisible = FALSE;
    BOOL m_bFloating = FALSE;  // the record of a floating frame's dock bar (FW_IDW_DOCKBAR_FLOAT):
                               // m_pointPos is the frame's place; its bars float with it
    BOOL m_bHorz = FALSE;      // lies horizontally
    BOOL m_bDockBar = FALSE;   // the record of a dock bar: m_arrBarID lists its bars
    CPoint m_pointPos;         // floating: the floating frame's top-left (screen); docked: the
                               // bar's top-left in its dock bar
    int m_nMRUWidth = 32767;   // most recent floating width
    BOOL m_bDocking = FALSE;   // the bar may dock (it has a dock context)
    UINT m_uMRUDockID = 0;     // most recent dock bar, and the bar's rectangle there (screen)
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle = 0;  // most recent floating style (CBRS_ALIGN_*) and point
    CPoint m_ptMRUFloatPos;
    CDWordArray m_arrBarID;         // dock bars: the ids of their bars in order, 0 ending a row
    CControlBar* m_pBar = nullptr;  // the frame's bar with m_nBarID (filled by SetDockState)
};

// Limits of a stored state: beyond them a stored count is damage.
constexpr int kDockStateVersion = 1;
constexpr int kDockStateMaxBars = 256;          // records in one state
constexpr int kDockStateMaxDockEntries = 1024;  // entries of one dock bar's list
constexpr int kDockStateMinVisible = 24;        // a floating frame keeps this much on the clip rectangle

class CDockState : public CObject {
    DECLARE_DYNAMIC(CDockState)
public:
    CDockState();
    ~CDockState() override;
    CDockState(const CDockState&) = delete;
    CDockState& operator=(const CDockState&) = delete;

    // Reads the state saved under the section (through the application's profile); a damaged
    // state loads what is sound, an unreadable one leaves the state empty.
    void LoadState(LPCTSTR profileSection);
    void SaveState(LPCTSTR profileSection) const;
    void Clear();

    // Points and rectangles saved on a screen m_rectDevice map onto m_rectScreen (or m_rectClip):
    // scaled when the sizes differ, then moved inside m_rectClip (the virtual screen may start left of or above 0, 0).
    void ScalePoint(CPoint& point) const;
    void ScaleRectPos(CRect& rect) const;
    // The virtual screen (every monitor).
    static CRect GetVirtualScreenRect();

    CPtrArray m_arrBarInfo;  // CControlBarInfo*, owned
    CRect m_rectDevice;      // the screen the state was saved on (set by GetDockState and LoadState)
    CRect m_rectClip;        // positions are kept inside this (the virtual screen by default)
    // The screen saved positions are scaled onto; when empty, m_rectClip. A clip rectangle smaller
    // than the screen then only moves positions inside, it does not shrink every one of them.
    CRect m_rectScreen;
};
