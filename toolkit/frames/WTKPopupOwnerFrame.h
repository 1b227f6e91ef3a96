// CWTKPopupOwnerFrame: the process-wide popup owner frame, the frame that popups, tear-offs and
// menu commands are routed to. An in-place frame takes the role while it is active and hands it
// back to the frame that had it before when it is deactivated or destroyed. The role is kept as
// a window handle, so a frame that went away is never handed out.
#pragma once
#include <windows.h>

class CFrameWnd;

class CWTKPopupOwnerFrame {
public:
    // The owner frame, or null when none is set or its window is no longer a frame.
    static CFrameWnd* Get();
    static void Set(CFrameWnd* pFrame);

    // pFrame becomes the owner. hWndPrevious receives the frame that owned the role before,
    // unless pFrame owns it already: a second activation keeps the saved owner.
    static void TakeOver(CFrameWnd* pFrame, HWND& hWndPrevious);
    // When pFrame still owns the role, the frame saved in hWndPrevious gets it back (none when
    // that window is no longer a frame); hWndPrevious is cleared either way.
    static void HandBack(CFrameWnd* pFrame, HWND& hWndPrevious);

private:
    static CFrameWnd* FrameOf(HWND hWnd);
    static HWND s_hWndOwner;
};
