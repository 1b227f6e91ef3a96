// COleDropTarget: makes a window a target of the system's drag and drop. Register hands
// the window to OLE; the system's calls (IDropTarget) reach the virtual functions below
// with the window, the dragged data, the key state (MK_*) and the point in the window's
// client coordinates. Constructing one calls no OLE; destroying it revokes the window.
#pragma once
#include "ole/DropEffect.h"
#include "win/CmdTarget.h"
#include "core/Point.h"

class CWnd;
class COleDataObject;

class COleDropTarget : public CCmdTarget {
    DECLARE_DYNAMIC(COleDropTarget)
public:
    COleDropTarget() = default;
    ~COleDropTarget() override;
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    // FALSE when pWnd has no window, this target already has one, the window is already a
    // drop target, or OLE is not initialised on the thread (FwOleInit).
    BOOL Register(CWnd* pWnd);
    virtual void Revoke();

    // The effect a drop here would have (DROPEFFECT_NONE: refused). The framework keeps
    // the answer within the effects the source allows: an effect the source does not
    // allow falls back from move to copy or from copy to move when that one is allowed,
    // else to DROPEFFECT_NONE. The default refuses.
    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    // The drop with the effect last answered by OnDragEnter or OnDragOver (never
    // DROPEFFECT_NONE): TRUE when the data was taken. The default takes nothing.
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // Asked first at a drop, with that default effect and the effects the source allows:
    // the effect performed, or (DROPEFFECT)-1 (the default) to have OnDrop called instead.
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                                CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    // Asked before OnDragEnter and OnDragOver: an answer with DROPEFFECT_SCROLL means the
    // window scrolls at point and stands for the whole answer. The default never scrolls.
    virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

    // The interface the system calls (no reference added); the object's own lifetime is
    // its owner's business, references do not keep it alive.
    IDropTarget* GetDropTarget() { return &m_xDropTarget; }

protected:
    HWND m_hWnd = nullptr;  // the registered window

private:
    // The system's calls, on the window's object, with exceptions stopped at the boundary.
    DROPEFFECT DragEnter(IDataObject* pDataObject, DWORD dwKeyState, POINTL ptScreen, DROPEFFECT dropAllowed);
    DROPEFFECT DragOver(DWORD dwKeyState, POINTL ptScreen, DROPEFFECT dropAllowed);
    void DragLeave();
    DROPEFFECT Drop(IDataObject* pDataObject, POINTL ptScreen, DROPEFFECT dropAllowed);
    DROPEFFECT AskEffect(bool bEnter, DWORD dwKeyState, POINTL ptScreen, DROPEFFECT dropAllowed);
    CPoint ClientPoint(POINTL ptScreen) const;
    void HoldDataObject(IDataObject* pDataObject);
    void EndDrag();

    class XDropTarget : public IDropTarget {
    public:
        explicit XDropTarget(COleDropTarget* pOwner) : m_pOwner(pOwner) {}
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;
        STDMETHODIMP DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
        STDMETHODIMP DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
        STDMETHODIMP DragLeave() override;
        STDMETHODIMP Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;

    private:
        COleDropTarget* m_pOwner;
    };
    XDropTarget m_xDropTarget {this};
    LONG m_nRefs = 0;
    IDataObject* m_pDataObject = nullptr;     // the data being dragged over the window
    DROPEFFECT m_dropLast = DROPEFFECT_NONE;  // the last answer, the default effect of a drop
};
