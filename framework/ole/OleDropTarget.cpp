#include "ole/OleDropTarget.h"
#include "ole/OleDataObject.h"
#include "core/ExceptionReport.h"
#include "win/Wnd.h"

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

namespace {

constexpr DROPEFFECT kNotHandled = static_cast<DROPEFFECT>(-1);

// The target's answer within the effects the source allows: copy and move stand in for
// each other, anything else not allowed is refused. The scroll flag stays as it is.
DROPEFFECT FilterDropEffect(DROPEFFECT dropEffect, DROPEFFECT dropAllowed)
{
    const DROPEFFECT dropScroll = dropEffect & DROPEFFECT_SCROLL;
    dropEffect &= ~DROPEFFECT_SCROLL;
    DROPEFFECT dropResult = dropEffect & dropAllowed;
    if (dropResult == DROPEFFECT_NONE) {
        if ((dropEffect & DROPEFFECT_MOVE) && (dropAllowed & DROPEFFECT_COPY))
            dropResult = DROPEFFECT_COPY;
        else if ((dropEffect & DROPEFFECT_COPY) && (dropAllowed & DROPEFFECT_MOVE))
            dropResult = DROPEFFECT_MOVE;
    }
    return dropResult | dropScroll;
}

}  // namespace

COleDropTarget::~COleDropTarget()
{
    COleDropTarget::Revoke();
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    if (!pWnd || !pWnd->m_hWnd || m_hWnd)
        return FALSE;
    if (FAILED(::RegisterDragDrop(pWnd->m_hWnd, GetDropTarget())))
        return FALSE;
    m_hWnd = pWnd->m_hWnd;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    EndDrag();
    if (!m_hWnd)
        return;
    // Revoking needs the window: one destroyed first leaves nothing to revoke, and the
    // reference OLE kept is never used again.
    if (::IsWindow(m_hWnd))
        ::RevokeDragDrop(m_hWnd);
    m_hWnd = nullptr;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return kNotHandled;
}

void COleDropTarget::OnDragLeave(CWnd*) {}

DROPEFFECT COleDropTarget::OnDragScroll(CWnd*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

// ---- The system's calls ----

DROPEFFECT COleDropTarget::DragEnter(IDataObject* pDataObject, DWORD dwKeyState, POINTL ptScreen,
                                     DROPEFFECT dropAllowed)
{
    HoldDataObject(pDataObject);
    return AskEffect(true, dwKeyState, ptScreen, dropAllowed);
}

DROPEFFECT COleDropTarget::DragOver(DWORD dwKeyState, POINTL ptScreen, DROPEFFECT dropAllowed)
{
    if (!m_pDataObject)
        return DROPEFFECT_NONE;  // never entered, or the enter failed
    return AskEffect(false, dwKeyState, ptScreen, dropAllowed);
}

void COleDropTarget::DragLeave()
{
    if (m_hWnd)
        OnDragLeave(CWnd::FromHandle(m_hWnd));
}

DROPEFFECT COleDropTarget::Drop(IDataObject* pDataObject, POINTL ptScreen, DROPEFFECT dropAllowed)
{
    if (!m_hWnd)
        return DROPEFFECT_NONE;
    CWnd* pWnd = CWnd::FromHandle(m_hWnd);
    const CPoint point = ClientPoint(ptScreen);
    COleDataObject dataObject;
    dataObject.Attach(pDataObject, FALSE);
    DROPEFFECT dropEffect = OnDropEx(pWnd, &dataObject, m_dropLast, dropAllowed, point);
    if (dropEffect == kNotHandled) {
        dropEffect = m_dropLast;
        if (dropEffect != DROPEFFECT_NONE && !OnDrop(pWnd, &dataObject, dropEffect, point))
            dropEffect = DROPEFFECT_NONE;
    }
    return dropEffect & dropAllowed;
}

// The scroll question first, then the enter or over question; the answer is kept as the
// default effect of a drop.
DROPEFFECT COleDropTarget::AskEffect(bool bEnter, DWORD dwKeyState, POINTL ptScreen, DROPEFFECT dropAllowed)
{
    m_dropLast = DROPEFFECT_NONE;
    if (!m_hWnd)
        return DROPEFFECT_NONE;
    CWnd* pWnd = CWnd::FromHandle(m_hWnd);
    const CPoint point = ClientPoint(ptScreen);
    DROPEFFECT dropEffect = OnDragScroll(pWnd, dwKeyState, point);
    if (!(dropEffect & DROPEFFECT_SCROLL)) {
        COleDataObject dataObject;
        dataObject.Attach(m_pDataObject, FALSE);
        dropEffect = bEnter ? OnDragEnter(pWnd, &dataObject, dwKeyState, point)
                            : OnDragOver(pWnd, &dataObject, dwKeyState, point);
    }
    dropEffect = FilterDropEffect(dropEffect, dropAllowed);
    m_dropLast = dropEffect & ~DROPEFFECT_SCROLL;
    return dropEffect;
}

CPoint COleDropTarget::ClientPoint(POINTL ptScreen) const
{
    POINT point = {ptScreen.x, ptScreen.y};
    ::ScreenToClient(m_hWnd, &point);
    return CPoint(point);
}

// Keeps a reference to the data of the drag in progress (null: lets go of it).
void COleDropTarget::HoldDataObject(IDataObject* pDataObject)
{
    if (pDataObject)
        pDataObject->AddRef();
    if (m_pDataObject)
        m_pDataObject->Release();
    m_pDataObject = pDataObject;
}

// The drag over the window is over: the data and the last answer are forgotten.
void COleDropTarget::EndDrag()
{
    HoldDataObject(nullptr);
    m_dropLast = DROPEFFECT_NONE;
}

// ---- IDropTarget ----

STDMETHODIMP COleDropTarget::XDropTarget::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
        *ppv = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_pOwner->m_nRefs));
}

STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::Release()
{
    return static_cast<ULONG>(::InterlockedDecrement(&m_pOwner->m_nRefs));
}

STDMETHODIMP COleDropTarget::XDropTarget::DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                                    DWORD* pdwEffect)
{
    if (!pdwEffect || !pDataObj)
        return E_INVALIDARG;
    const DROPEFFECT dropAllowed = *pdwEffect;
    *pdwEffect = DROPEFFECT_NONE;
    try {
        *pdwEffect = m_pOwner->DragEnter(pDataObj, grfKeyState, pt, dropAllowed);
        return S_OK;
    } catch (...) {
        FwReportCurrentException("COM method");
        return E_UNEXPECTED;
    }
}

STDMETHODIMP COleDropTarget::XDropTarget::DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    if (!pdwEffect)
        return E_INVALIDARG;
    const DROPEFFECT dropAllowed = *pdwEffect;
    *pdwEffect = DROPEFFECT_NONE;
    try {
        *pdwEffect = m_pOwner->DragOver(grfKeyState, pt, dropAllowed);
        return S_OK;
    } catch (...) {
        FwReportCurrentException("COM method");
        return E_UNEXPECTED;
    }
}

STDMETHODIMP COleDropTarget::XDropTarget::DragLeave()
{
    HRESULT hr = S_OK;
    try {
        m_pOwner->DragLeave();
    } catch (...) {
        FwReportCurrentException("COM method");
        hr = E_UNEXPECTED;
    }
    m_pOwner->EndDrag();
    return hr;
}

STDMETHODIMP COleDropTarget::XDropTarget::Drop(IDataObject* pDataObj, DWORD, POINTL pt, DWORD* pdwEffect)
{
    if (!pdwEffect || !pDataObj)
        return E_INVALIDARG;
    const DROPEFFECT dropAllowed = *pdwEffect;
    *pdwEffect = DROPEFFECT_NONE;
    HRESULT hr = S_OK;
    try {
        *pdwEffect = m_pOwner->Drop(pDataObj, pt, dropAllowed);
    } catch (...) {
        FwReportCurrentException("COM method");
        hr = E_UNEXPECTED;
    }
    // The drag is over either way.
    m_pOwner->EndDrag();
    return hr;
}
