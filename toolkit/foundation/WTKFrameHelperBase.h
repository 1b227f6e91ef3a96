// CWTKFrameHelperBase: the frame helper embedded in every toolkit top-level frame, as the
// workspace sees it when it loads and saves the window state of that frame.
#pragma once
#include <windows.h>

class CDockState;
class CFrameWnd;

class CWTKFrameHelperBase {
public:
    virtual ~CWTKFrameHelperBase() = default;

    // The frame that owns the helper.
    virtual CFrameWnd* GetFrame() = 0;
    virtual void LoadUserToolbars() = 0;
    virtual void LoadTearOffBars() = 0;
    // With bFrameOnly, only the bars whose top-level frame is this frame.
    virtual BOOL SaveUserToolbars(BOOL bFrameOnly) = 0;
    virtual void SaveTearOffBars(BOOL bFrameOnly) = 0;
    // TRUE when every bar record of the dock state is floating or names a bar of the frame.
    virtual BOOL IsDockStateValid(const CDockState& state) = 0;
    // Applies a loaded dock state to the frame.
    virtual void SetDockState(const CDockState& state) = 0;
};
