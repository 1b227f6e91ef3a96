// COleDocIPFrameWnd: the in-place frame of a document object server. A class record and
// shell, like its base.
#pragma once
#include "docview/OleIPFrameWnd.h"

class COleDocIPFrameWnd : public COleIPFrameWnd {
    DECLARE_DYNCREATE(COleDocIPFrameWnd)
public:
    COleDocIPFrameWnd() = default;
};
