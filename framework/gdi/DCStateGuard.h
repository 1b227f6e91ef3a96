// CDCStateGuard: saves a device context's state (selected objects, colours, modes,
// clipping) when made and restores it when it goes, so that code which selects and
// sets things leaves the device context as it found it. Objects selected under the
// guard must outlive it: declare them before the guard.
#pragma once
#include <windows.h>

class CDC;

class CDCStateGuard {
public:
    explicit CDCStateGuard(HDC hDC);
    explicit CDCStateGuard(CDC* pDC);
    ~CDCStateGuard();
    CDCStateGuard(const CDCStateGuard&) = delete;
    CDCStateGuard& operator=(const CDCStateGuard&) = delete;

private:
    HDC m_hDC = nullptr;
    int m_nSavedDC = 0;  // 0: nothing was saved
};
