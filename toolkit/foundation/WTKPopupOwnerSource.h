// The frame that popups and their commands are routed to while one is set (a dialog hosting
// the toolkit's popup menus sets it); the frames layer registers the answer. Without it, or
// with none set, the answer is null and callers use their own top-level frame.
#pragma once
#include "core/LayerHook.h"

class CFrameWnd;

class CWTKPopupOwnerSource : public CFwLayerHook<CWTKPopupOwnerSource> {
public:
    virtual CFrameWnd* GetPopupOwnerFrame() { return nullptr; }
};
