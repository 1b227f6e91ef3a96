// CWTKButtonDropTarget: the drop target every toolbar registers for its window. In customise
// mode it forwards drags of toolbar buttons to its toolbar; otherwise it refuses everything.
#pragma once
#include "ole/OleDropTarget.h"

// What the drop target forwards to (the toolbar implements it).
class CWTKButtonDropSite {
public:
    virtual ~CWTKButtonDropSite() = default;
    virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) = 0;
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) = 0;
    virtual void OnDragLeave() = 0;
    // TRUE when a button was placed.
    virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) = 0;
};

class CWTKButtonDropTarget : public COleDropTarget {
public:
    CWTKButtonDropTarget() = default;

    // Remembers the owner and registers its window with OLE (OLE initialised on the thread).
    BOOL Register(CWnd* pWnd, CWTKButtonDropSite* pOwner);

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                        CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;

protected:
    // Customise mode is on and the data carries a toolbar button.
    static BOOL IsDropAllowed(COleDataObject* pDataObject);

    CWTKButtonDropSite* m_pOwner = nullptr;
};
