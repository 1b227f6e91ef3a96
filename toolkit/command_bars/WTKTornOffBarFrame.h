// CWTKTornOffBarFrame: what a popup menu asks of the floating frame its torn-off bar floats in.
// The toolkit's floating frame implements it; a popup finds it with dynamic_cast on the bar's
// parent frame and, on a frame without it, leaves the new bar where it floated.
#pragma once
#include "core/Rect.h"

#include <windows.h>

class CWnd;
class CWTKPopupMenu;

class CWTKTornOffBarFrame {
public:
    virtual ~CWTKTornOffBarFrame() = default;

    // Carries the frame with the mouse until the button is released (TRUE) or the move is
    // cancelled (FALSE: the bar is gone and the popup shown again). The popup is hidden
    // meanwhile; pButtonWnd and rectButton are the button that opened it, repainted at once.
    virtual BOOL MoveTornOffBar(CWTKPopupMenu* pMenuPopup, CWnd* pButtonWnd, const CRect& rectButton) = 0;
};
