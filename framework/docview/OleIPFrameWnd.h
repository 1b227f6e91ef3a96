// COleIPFrameWnd: the frame of a server's document while it is edited in place inside a
// container. A class record and shell: in-place activation is not supported here.
#pragma once
#include "docview/FrameWnd.h"

class COleIPFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(COleIPFrameWnd)
public:
    COleIPFrameWnd() = default;
};
