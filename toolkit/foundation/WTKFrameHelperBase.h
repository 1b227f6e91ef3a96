// CWTKFrameHelperBase: the frame helper embedded in every toolkit top-level frame, as the
// workspace sees it when it loads and saves the window state of that frame.
#pragma once
#include "core/Rect.h"

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
    // The frame's dock state under the profile section lpszProfileSection. Positions are
    // stored for the screen rectDevice and restored inside rectClip, so floating bars stay
    // reachable on any monitor arrangement. Loading applies the state when bApplyAny is set
    // or when it is valid for the frame (every bar it names is floating or exists).
    virtual void LoadDockState(LPCTSTR lpszProfileSection, const CRect& rectDevice, const CRect& rectClip,
                               BOOL bApplyAny) = 0;
    virtual void SaveDockState(LPCTSTR lpszProfileSection, const CRect& rectDevice, const CRect& rectClip) = 0;
};
