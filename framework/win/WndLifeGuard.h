// CWndLifeGuard: tells whether a window object still exists after a call that can run
// anything (a command, a hook, a modal loop, a message sent to another window). The object's
// destructor clears every guard watching it, so the answer is about the object itself: a
// window handle that still exists, or has been reused, says nothing about it.
#pragma once
#include <windows.h>

class CWnd;

class CWndLifeGuard {
public:
    explicit CWndLifeGuard(CWnd* pWnd);
    ~CWndLifeGuard();
    CWndLifeGuard(const CWndLifeGuard&) = delete;
    CWndLifeGuard& operator=(const CWndLifeGuard&) = delete;

    // FALSE once the watched object has been destroyed.
    bool IsAlive() const { return m_pWnd != nullptr; }
    // TRUE while the object is alive and still on the window handle it had when the guard was
    // made; FALSE once it is destroyed, has let that window go or taken another, or the window
    // has been destroyed. Code driven by that window stops then, even if the object stays.
    bool HoldsSameWindow() const;

private:
    CWnd* m_pWnd;
    HWND m_hWnd;
};
