// CWTKMenuAnimationOff: menus made while it lives appear at once, whatever the user's animation
// setting, which it leaves as it is; scopes may nest, each ending before the one around it.
// Menus the keyboard opens or moves between do not animate.
#pragma once
#include "foundation/WTKFlagScope.h"

class CWTKMenuAnimationOff {
public:
    CWTKMenuAnimationOff() = default;
    CWTKMenuAnimationOff(const CWTKMenuAnimationOff&) = delete;
    CWTKMenuAnimationOff& operator=(const CWTKMenuAnimationOff&) = delete;

    // Whether a scope lives now.
    static bool IsActive() { return Flag() != FALSE; }

private:
    static BOOL& Flag()
    {
        static BOOL bOff = FALSE;
        return bOff;
    }

    CWTKFlagScope m_scope {Flag()};
};
