// CWTKOleIPFrameWnd: the toolkit's in-place editing frame of an OLE server; its behaviour is the shared in-place frame's.
#pragma once
#include "frames/WTKInPlaceFrameT.h"

#include "docview/OleIPFrameWnd.h"

class CWTKOleIPFrameWnd : public CWTKInPlaceFrameT<COleIPFrameWnd> {
    DECLARE_DYNCREATE(CWTKOleIPFrameWnd)
public:
    CWTKOleIPFrameWnd() = default;

protected:
    DECLARE_MESSAGE_MAP()
};
