// Holds a key down in the thread's keyboard state while it lives, for code that asks
// GetKeyState about a modifier; the state before is put back when it ends.
#pragma once
#include <windows.h>

class HeldKey {
public:
    // 0 holds no key.
    explicit HeldKey(int nKey);
    ~HeldKey();
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;

private:
    BYTE m_saved[256] = {};
};
