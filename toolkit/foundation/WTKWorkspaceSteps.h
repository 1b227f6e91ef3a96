// The steps of the workspace's load and save that the parts above the foundation carry out:
// the toolbars' global parameters, the record-images option of toolbar buttons and the
// user-images strip (the command bars), and the rebar bands of a frame (the frames). Each part
// registers its implementation once; without one a step does nothing.
#pragma once
#include "core/LayerHook.h"

#include <windows.h>

class CFrameWnd;

class CWTKToolBarSteps : public CFwLayerHook<CWTKToolBarSteps> {
public:
    // "%sWTKToolbarParameters" under the workspace key.
    virtual BOOL LoadParameters(LPCTSTR /*lpszProfileName*/) { return FALSE; }
    virtual BOOL SaveParameters(LPCTSTR /*lpszProfileName*/) { return FALSE; }
    // Whether buttons record the images they are given with the command manager.
    virtual void SetRecordImages(BOOL /*bRecord*/) {}
    // Saves the user-images strip to its own file when the strip exists.
    virtual BOOL SaveUserImages() { return FALSE; }
};

class CWTKFrameSteps : public CFwLayerHook<CWTKFrameSteps> {
public:
    // The bands of every rebar of the frame ("WTKRebar-%ld" under the workspace key).
    virtual BOOL LoadRebarState(LPCTSTR /*lpszProfileName*/, CFrameWnd* /*pFrame*/) { return FALSE; }
    virtual BOOL SaveRebarState(LPCTSTR /*lpszProfileName*/, CFrameWnd* /*pFrame*/) { return FALSE; }
};
