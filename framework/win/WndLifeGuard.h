// CWndLifeGuard: tells whether a window object still exists after a call that can run
// anything (a command, a hook, a modal loop, a message sent to another window). The object's
// destructor clears every guard watching it, so the answer is about the object itself: a
// window handle that still exists, or has been reused, says nothing about it.
#pragma once

class CWnd;

class CWndLifeGuard {
public:
    explicit CWndLifeGuard(CWnd* pWnd);
    ~CWndLifeGuard();
    CWndLifeGuard(const CWndLifeGuard&) = delete;
    CWndLifeGuard& operator=(const CWndLifeGuard&) = delete;

    // FALSE once the watched object has been destroyed.
    bool IsAlive() const { return m_pWnd != nullptr; }

private:
    CWnd* m_pWnd;
};
