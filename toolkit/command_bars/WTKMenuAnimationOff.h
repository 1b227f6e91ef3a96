// CWTKMenuAnimationOff: menus made while it lives appear at once, whatever the user's animation
// setting, which it leaves as it is; scopes may nest. Menus the keyboard opens or moves
// between do not animate.
#pragma once

class CWTKMenuAnimationOff {
public:
    CWTKMenuAnimationOff() { ++Depth(); }
    ~CWTKMenuAnimationOff() { --Depth(); }
    CWTKMenuAnimationOff(const CWTKMenuAnimationOff&) = delete;
    CWTKMenuAnimationOff& operator=(const CWTKMenuAnimationOff&) = delete;

    // Whether a scope lives now.
    static bool IsActive() { return Depth() > 0; }

private:
    static int& Depth()
    {
        static int nDepth = 0;
        return nDepth;
    }
};
