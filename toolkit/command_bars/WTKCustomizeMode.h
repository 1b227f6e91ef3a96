// The process-wide customise mode of the toolbars: the toolbar switches it (SetCustomizeMode)
// and everything that must behave differently while the user edits the bars reads it here.
#pragma once
#include <windows.h>

inline BOOL& WTKCustomizeModeFlag()
{
    static BOOL bCustomizeMode = FALSE;
    return bCustomizeMode;
}

inline BOOL WTKIsCustomizeMode()
{
    return WTKCustomizeModeFlag();
}
