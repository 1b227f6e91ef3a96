// The resource id a frame was loaded with, which the keyboard manager's reset loads the frame's
// table from; the frames layer registers the answer for its frames. Without it, or for a frame
// that is not the toolkit's, the answer is 0 and the frame's table is left as it is.
#pragma once
#include "core/LayerHook.h"

#include <windows.h>

class CFrameWnd;

class CWTKFrameResourceIdSource : public CFwLayerHook<CWTKFrameResourceIdSource> {
public:
    virtual UINT GetFrameResourceId(CFrameWnd* /*pFrame*/) { return 0; }
};
