// CWTKOleDocIPFrameWnd: the toolkit's in-place frame of an OLE document object server; its behaviour is the shared in-place frame's.
#pragma once
#include "frames/WTKInPlaceFrameT.h"

#include "docview/OleDocIPFrameWnd.h"

class CWTKOleDocIPFrameWnd : public CWTKInPlaceFrameT<COleDocIPFrameWnd> {
    DECLARE_DYNCREATE(CWTKOleDocIPFrameWnd)
public:
    CWTKOleDocIPFrameWnd() = default;

protected:
    DECLARE_MESSAGE_MAP()
};
