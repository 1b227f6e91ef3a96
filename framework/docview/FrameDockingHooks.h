// The docking calls of a frame that are virtual are defined in docview, where the frame's table
// of virtual functions lives, and carried out by the bars layer, which registers its
// implementation when a program links it. Without it a frame makes no floating frames, applies
// no dock state and finds no bars.
#pragma once
#include "core/LayerHook.h"

#include <windows.h>

class CDockState;
class CFrameWnd;
class CMiniDockFrameWnd;
class CWnd;

class CFrameDockingHooks : public CFwLayerHook<CFrameDockingHooks> {
public:
    virtual CMiniDockFrameWnd* CreateFloatingFrame(CFrameWnd* /*pFrame*/, DWORD /*dwStyle*/) { return nullptr; }
    virtual void SetDockState(CFrameWnd* /*pFrame*/, const CDockState& /*state*/) {}
    // The frame's bar with an id wherever it sits (docked bars are children of a dock bar,
    // floating ones of a floating frame), and showing or hiding it with its dock bar or frame.
    virtual CWnd* FindControlBar(CFrameWnd* /*pFrame*/, UINT /*nID*/) { return nullptr; }
    virtual void ShowControlBar(CFrameWnd* /*pFrame*/, CWnd* /*pBar*/, BOOL /*bShow*/) {}
};
