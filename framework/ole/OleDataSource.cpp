#include "ole/OleDataSource.h"
#include "ole/OleDropSource.h"
#include "ole/GlobalMemory.h"
#include "core/ExceptionReport.h"
#include "win/Wnd.h"
#include <shlobj.h>
#include <new>

IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)

namespace {

// The window that watches the press before the drag: the one holding the mouse, else the
// one under it, when it belongs to this thread.
CWnd* DragWindow()
{
    HWND hWnd = ::GetCapture();
    if (!hWnd) {
        POINT ptCursor;
        ::GetCursorPos(&ptCursor);
        hWnd = ::WindowFromPoint(ptCursor);
    }
    if (!hWnd || ::GetWindowThreadProcessId(hWnd, nullptr) != ::GetCurrentThreadId())
        return nullptr;
    return CWnd::FromHandle(hWnd);
}

CRect StartRectAroundCursor()
{
    POINT ptCursor;
    ::GetCursorPos(&ptCursor);
    CRect rect(ptCursor.x, ptCursor.y, ptCursor.x + 1, ptCursor.y + 1);
    rect.InflateRect(::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG));
    return rect;
}

}  // namespace

COleDataSource::~COleDataSource()
{
    Empty();
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal)
{
    if (!hGlobal)
        return;
    for (CacheEntry& entry : m_cache) {
        if (entry.cfFormat == cfFormat) {
            ::GlobalFree(entry.hGlobal);
            entry.hGlobal = hGlobal;
            return;
        }
    }
    try {
        m_cache.push_back(CacheEntry {cfFormat, hGlobal});
    } catch (...) {
        ::GlobalFree(hGlobal);  // owned from the call on, even when caching fails
        throw;
    }
}

void COleDataSource::Empty()
{
    for (const CacheEntry& entry : m_cache)
        ::GlobalFree(entry.hGlobal);
    m_cache.clear();
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT lpRectStartDrag, COleDropSource* pDropSource)
{
    COleDropSource dropSourceDefault;
    if (!pDropSource)
        pDropSource = &dropSourceDefault;
    pDropSource->m_rectStartDrag = lpRectStartDrag ? CRect(lpRectStartDrag) : StartRectAroundCursor();
    if (!pDropSource->OnBeginDrag(DragWindow()))
        return DROPEFFECT_NONE;
    DWORD dwEffect = DROPEFFECT_NONE;
    const HRESULT hr = ::DoDragDrop(GetDataObject(), pDropSource->GetDropSource(), dwEffects, &dwEffect);
    if (hr != DRAGDROP_S_DROP)
        return DROPEFFECT_NONE;
    return dwEffect & dwEffects;
}

const COleDataSource::CacheEntry* COleDataSource::Find(CLIPFORMAT cfFormat) const
{
    for (const CacheEntry& entry : m_cache) {
        if (entry.cfFormat == cfFormat)
            return &entry;
    }
    return nullptr;
}

// S_OK when the request asks for a cached block as global memory (*ppEntry set).
HRESULT COleDataSource::CheckFormatEtc(const FORMATETC* pFormatEtc, const CacheEntry** ppEntry) const
{
    *ppEntry = nullptr;
    if (!pFormatEtc)
        return E_INVALIDARG;
    const CacheEntry* pEntry = Find(pFormatEtc->cfFormat);
    if (!pEntry)
        return DV_E_FORMATETC;
    if (pFormatEtc->dwAspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (pFormatEtc->lindex != -1)
        return DV_E_LINDEX;
    if (!(pFormatEtc->tymed & TYMED_HGLOBAL))
        return DV_E_TYMED;
    *ppEntry = pEntry;
    return S_OK;
}

HRESULT COleDataSource::EnumFormats(IEnumFORMATETC** ppEnum) const
{
    std::vector<FORMATETC> formats;
    for (const CacheEntry& entry : m_cache)
        formats.push_back(FORMATETC {entry.cfFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
    return ::SHCreateStdEnumFmtEtc(static_cast<UINT>(formats.size()), formats.data(), ppEnum);
}

// ---- IDataObject ----

STDMETHODIMP COleDataSource::XDataObject::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
        *ppv = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleDataSource::XDataObject::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_pOwner->m_nRefs));
}

STDMETHODIMP_(ULONG) COleDataSource::XDataObject::Release()
{
    return static_cast<ULONG>(::InterlockedDecrement(&m_pOwner->m_nRefs));
}

STDMETHODIMP COleDataSource::XDataObject::GetData(FORMATETC* pFormatEtc, STGMEDIUM* pMedium)
{
    if (!pMedium)
        return E_INVALIDARG;
    *pMedium = STGMEDIUM {};
    const CacheEntry* pEntry = nullptr;
    const HRESULT hr = m_pOwner->CheckFormatEtc(pFormatEtc, &pEntry);
    if (FAILED(hr))
        return hr;
    // A copy: the receiver frees what it gets, and the cache stays for the next request.
    HGLOBAL hCopy = FwCopyGlobalMemory(pEntry->hGlobal);
    if (!hCopy)
        return E_OUTOFMEMORY;
    pMedium->tymed = TYMED_HGLOBAL;
    pMedium->hGlobal = hCopy;
    return S_OK;
}

STDMETHODIMP COleDataSource::XDataObject::GetDataHere(FORMATETC*, STGMEDIUM*)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::XDataObject::QueryGetData(FORMATETC* pFormatEtc)
{
    const CacheEntry* pEntry = nullptr;
    return m_pOwner->CheckFormatEtc(pFormatEtc, &pEntry);
}

STDMETHODIMP COleDataSource::XDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pFormatEtcOut)
{
    if (!pFormatEtcOut)
        return E_INVALIDARG;
    pFormatEtcOut->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP COleDataSource::XDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::XDataObject::EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum)
{
    if (!ppEnum)
        return E_INVALIDARG;
    *ppEnum = nullptr;
    if (dwDirection != DATADIR_GET)
        return E_NOTIMPL;
    try {
        return m_pOwner->EnumFormats(ppEnum);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        FwReportCurrentException("COM method");
        return E_UNEXPECTED;
    }
}

STDMETHODIMP COleDataSource::XDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::XDataObject::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::XDataObject::EnumDAdvise(IEnumSTATDATA**)
{
    return OLE_E_ADVISENOTSUPPORTED;
}
