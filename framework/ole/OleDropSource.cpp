#include "ole/OleDropSource.h"
#include "core/ExceptionReport.h"
#include "win/TickClock.h"
#include "win/Wnd.h"

IMPLEMENT_DYNAMIC(COleDropSource, CCmdTarget)

namespace {

// The system's drag delay: how long a press may rest before it counts as a drag.
DWORD DragDelay()
{
    return ::GetProfileIntA("windows", "DragDelay", DD_DEFDRAGDELAY);
}

}  // namespace

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed || (dwKeyState & m_dwButtonCancel))
        return DRAGDROP_S_CANCEL;
    if (!(dwKeyState & m_dwButtonDrop))
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

BOOL COleDropSource::OnBeginDrag(CWnd* pWnd)
{
    if (!ChooseButtons())
        return FALSE;  // the press is over already: nothing to drag
    if (!pWnd || !pWnd->m_hWnd)
        return TRUE;
    return WaitForBeginDrag(pWnd->m_hWnd);
}

// The button held now drags and the other one cancels; FALSE when neither is down.
BOOL COleDropSource::ChooseButtons()
{
    if (::GetKeyState(VK_LBUTTON) < 0) {
        m_dwButtonDrop = MK_LBUTTON;
        m_dwButtonCancel = MK_RBUTTON;
    } else if (::GetKeyState(VK_RBUTTON) < 0) {
        m_dwButtonDrop = MK_RBUTTON;
        m_dwButtonCancel = MK_LBUTTON;
    } else {
        return FALSE;
    }
    return TRUE;
}

// Watches the mouse and keyboard with the mouse captured, until the press becomes a drag or ends.
BOOL COleDropSource::WaitForBeginDrag(HWND hWnd)
{
    ::SetCapture(hWnd);
    const DWORD dwStart = FwGetTickCount();
    const DWORD dwDelay = DragDelay();
    BeginVerdict verdict = beginWait;
    while (verdict == beginWait) {
        if (::GetCapture() != hWnd) {
            verdict = beginNever;  // someone else took the mouse (a cancel mode)
            break;
        }
        MSG msg;
        if (::PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE) ||
            ::PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
            verdict = BeginVerdictOf(msg);
            continue;
        }
        const DWORD dwElapsed = FwGetTickCount() - dwStart;
        if (dwElapsed >= dwDelay) {
            verdict = beginDrag;
            break;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, dwDelay - dwElapsed, QS_INPUT | QS_SENDMESSAGE);
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    return verdict == beginDrag;
}

COleDropSource::BeginVerdict COleDropSource::BeginVerdictOf(const MSG& msg) const
{
    const bool bLeftDrags = m_dwButtonDrop == MK_LBUTTON;
    switch (msg.message) {
    case WM_MOUSEMOVE:
        return m_rectStartDrag.PtInRect(msg.pt) ? beginWait : beginDrag;
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
        return bLeftDrags ? beginNever : beginWait;
    case WM_RBUTTONUP:
    case WM_LBUTTONDOWN:
        return bLeftDrags ? beginWait : beginNever;
    case WM_KEYDOWN:
        return msg.wParam == VK_ESCAPE ? beginNever : beginWait;
    default:
        return beginWait;
    }
}

// ---- IDropSource ----

STDMETHODIMP COleDropSource::XDropSource::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropSource)) {
        *ppv = static_cast<IDropSource*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleDropSource::XDropSource::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_pOwner->m_nRefs));
}

STDMETHODIMP_(ULONG) COleDropSource::XDropSource::Release()
{
    return static_cast<ULONG>(::InterlockedDecrement(&m_pOwner->m_nRefs));
}

STDMETHODIMP COleDropSource::XDropSource::QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState)
{
    try {
        return m_pOwner->QueryContinueDrag(fEscapePressed, grfKeyState);
    } catch (...) {
        FwReportCurrentException("COM method");
        return DRAGDROP_S_CANCEL;  // a source that failed cannot drop
    }
}

STDMETHODIMP COleDropSource::XDropSource::GiveFeedback(DWORD dwEffect)
{
    try {
        return m_pOwner->GiveFeedback(dwEffect);
    } catch (...) {
        FwReportCurrentException("COM method");
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }
}
