// CGlobalLock: keeps a global memory block locked while it lives. Its size is what the system
// allocated, not what a header inside the block may claim; a null or empty block is not
// locked and gives no data.
#pragma once
#include <windows.h>

class CGlobalLock {
public:
    explicit CGlobalLock(HGLOBAL hGlobal);
    ~CGlobalLock();
    CGlobalLock(const CGlobalLock&) = delete;
    CGlobalLock& operator=(const CGlobalLock&) = delete;

    void* Data() const { return m_pData; }
    SIZE_T Size() const { return m_pData ? m_nSize : 0; }

private:
    HGLOBAL m_hGlobal;
    SIZE_T m_nSize;
    void* m_pData;
};
