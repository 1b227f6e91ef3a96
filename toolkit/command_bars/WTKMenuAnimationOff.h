// CWTKMenuAnimationOff: menus opened while it lives appear at once; the user's animation setting
// comes back when the scope ends, also on an early return. Menus the keyboard opens or moves
// between do not animate.
#pragma once

#include "command_bars/WTKToolBar.h"

class CWTKMenuAnimationOff {
public:
    CWTKMenuAnimationOff() : m_nOld(CWTKToolBar::s_nMenuAnimation) { CWTKToolBar::s_nMenuAnimation = 0; }
    ~CWTKMenuAnimationOff() { CWTKToolBar::s_nMenuAnimation = m_nOld; }
    CWTKMenuAnimationOff(const CWTKMenuAnimationOff&) = delete;
    CWTKMenuAnimationOff& operator=(const CWTKMenuAnimationOff&) = delete;

private:
    int m_nOld;
};
