#include "ole/OleDataObject.h"
#include "ole/GlobalMemory.h"
#include "core/GlobalLock.h"
#include "core/MemFile.h"
#include <climits>
#include <memory>

namespace {

// Every medium the system's data objects know.
constexpr DWORD kAnyMedium =
    TYMED_HGLOBAL | TYMED_FILE | TYMED_ISTREAM | TYMED_ISTORAGE | TYMED_GDI | TYMED_MFPICT | TYMED_ENHMF;

FORMATETC MakeFormatEtc(CLIPFORMAT cfFormat, DWORD tymed)
{
    return FORMATETC {cfFormat, nullptr, DVASPECT_CONTENT, -1, tymed};
}

// Releases a medium that the data object handed over, whatever it holds.
class CMediumGuard {
public:
    CMediumGuard() = default;
    ~CMediumGuard() { ::ReleaseStgMedium(&m_medium); }
    CMediumGuard(const CMediumGuard&) = delete;
    CMediumGuard& operator=(const CMediumGuard&) = delete;

    STGMEDIUM m_medium = {};
};

}  // namespace

COleDataObject::~COleDataObject()
{
    Release();
}

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
}

LPDATAOBJECT COleDataObject::Detach()
{
    LPDATAOBJECT lpDataObject = m_lpDataObject;
    m_lpDataObject = nullptr;
    return lpDataObject;
}

void COleDataObject::Release()
{
    LPDATAOBJECT lpDataObject = Detach();
    if (lpDataObject && m_bAutoRelease)
        lpDataObject->Release();
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat)
{
    if (!m_lpDataObject)
        return FALSE;
    FORMATETC formatEtc = MakeFormatEtc(cfFormat, kAnyMedium);
    return m_lpDataObject->QueryGetData(&formatEtc) == S_OK;
}

BOOL COleDataObject::GetGlobalMedium(CLIPFORMAT cfFormat, STGMEDIUM* pMedium)
{
    if (!m_lpDataObject)
        return FALSE;
    FORMATETC formatEtc = MakeFormatEtc(cfFormat, TYMED_HGLOBAL);
    if (FAILED(m_lpDataObject->GetData(&formatEtc, pMedium))) {
        *pMedium = STGMEDIUM {};  // nothing to release after a failure, whatever it left there
        return FALSE;
    }
    // A data object may answer with another medium than the one asked for.
    return pMedium->tymed == TYMED_HGLOBAL && pMedium->hGlobal != nullptr;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat)
{
    CMediumGuard guard;
    if (!GetGlobalMedium(cfFormat, &guard.m_medium))
        return nullptr;
    return FwCopyGlobalMemory(guard.m_medium.hGlobal);
}

CFile* COleDataObject::GetFileData(CLIPFORMAT cfFormat)
{
    CMediumGuard guard;
    if (!GetGlobalMedium(cfFormat, &guard.m_medium))
        return nullptr;
    CGlobalLock source(guard.m_medium.hGlobal);
    // A memory file counts its bytes in a UINT.
    if (source.Size() == 0 || source.Size() > UINT_MAX)
        return nullptr;
    std::unique_ptr<CMemFile> pFile(new CMemFile);
    pFile->Write(source.Data(), static_cast<UINT>(source.Size()));
    pFile->SeekToBegin();
    return pFile.release();
}
