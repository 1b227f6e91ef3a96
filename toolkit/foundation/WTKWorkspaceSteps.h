// The steps of the workspace's load and save that static services above the foundation
// provide: the toolbars' global parameters, the record-images option of toolbar buttons, the
// rebar bands of a frame and the user-images strip; and the frame that popups and commands
// are routed to. Each part fills its own fields once at start-up; an empty field is skipped.
#pragma once
#include <windows.h>

class CFrameWnd;

struct WTKWorkspaceSteps {
    // "%sWTKToolbarParameters" under the workspace key.
    BOOL (*pfnLoadToolBarParameters)(LPCTSTR lpszProfileName) = nullptr;
    BOOL (*pfnSaveToolBarParameters)(LPCTSTR lpszProfileName) = nullptr;
    // Whether buttons record the images they are given with the command manager.
    void (*pfnSetRecordImages)(BOOL bRecord) = nullptr;
    // The bands of every rebar of the frame ("WTKRebar-%ld" under the workspace key).
    BOOL (*pfnLoadRebarState)(LPCTSTR lpszProfileName, CFrameWnd* pFrame) = nullptr;
    BOOL (*pfnSaveRebarState)(LPCTSTR lpszProfileName, CFrameWnd* pFrame) = nullptr;
    // Saves the user-images strip to its own file when the strip exists.
    BOOL (*pfnSaveUserImages)() = nullptr;
    // The popup owner frame when one is set, else null.
    CFrameWnd* (*pfnGetPopupOwnerFrame)() = nullptr;
};

inline WTKWorkspaceSteps& WTKGetWorkspaceSteps()
{
    static WTKWorkspaceSteps steps;
    return steps;
}
