// CWaitCursor: shows the wait cursor while the thread is busy with a synchronous operation,
// from construction to destruction, when the previous cursor comes back.
#pragma once
#include <windows.h>

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    // Shows the wait cursor again after something in between changed it (a message box).
    void Restore();

private:
    HCURSOR m_hcurPrevious = nullptr;
};
