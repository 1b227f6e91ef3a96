#include "HeldKey.h"

HeldKey::HeldKey(int nKey)
{
    ::GetKeyboardState(m_saved);
    BYTE state[256];
    ::GetKeyboardState(state);
    if (nKey != 0)
        state[nKey] = 0x80;
    ::SetKeyboardState(state);
}

HeldKey::~HeldKey()
{
    ::SetKeyboardState(m_saved);
}
