// What a toolbar asks of its top-level frame when that is one of the toolkit's frames: the
// frames layer registers the answers. Without it both questions answer FALSE.
#pragma once
#include "core/LayerHook.h"

#include <windows.h>

class CFrameWnd;
class CString;
class CWTKToolBar;
class CWTKToolbarButton;

class CWTKToolBarFrameQueries : public CFwLayerHook<CWTKToolBarFrameQueries> {
public:
    // The frame's tooltip text for the button.
    virtual BOOL GetButtonTip(CFrameWnd* /*pTopFrame*/, CWTKToolbarButton* /*pButton*/, CString& /*strText*/)
    {
        return FALSE;
    }
    // Whether the frame made the bar as a user-defined toolbar.
    virtual BOOL IsUserDefined(CFrameWnd* /*pTopFrame*/, const CWTKToolBar* /*pBar*/) { return FALSE; }
};
