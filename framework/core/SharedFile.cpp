#include "core/SharedFile.h"
#include "core/Exception.h"

IMPLEMENT_DYNAMIC(CSharedFile, CMemFile)

CSharedFile::CSharedFile(UINT nAllocFlags, UINT nGrowBytes)
    : CMemFile(nGrowBytes), m_nAllocFlags(nAllocFlags | GMEM_MOVEABLE), m_nDefaultGrowBytes(nGrowBytes)
{}

CSharedFile::~CSharedFile()
{
    Abort();  // here, so that our Free releases the global memory
}

void CSharedFile::SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow)
{
    Abort();
    BYTE* lpData = hGlobalMemory ? static_cast<BYTE*>(GlobalLock(hGlobalMemory)) : nullptr;
    if (hGlobalMemory && !lpData)
        FwThrowMemoryException();
    m_hGlobalMemory = hGlobalMemory;
    m_bOwnsMemory = FALSE;
    m_lpBuffer = lpData;
    m_nBufferSize = m_nFileSize = hGlobalMemory ? GlobalSize(hGlobalMemory) : 0;
    m_nPosition = 0;
    m_nGrowBytes = bAllowGrow ? m_nDefaultGrowBytes : 0;
    m_bAutoDelete = TRUE;  // growth goes through our Realloc, which keeps the handle
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL hMem = m_hGlobalMemory;
    if (hMem) {
        GlobalUnlock(hMem);
        // Cut the block to the data, so that readers see no trailing bytes.
        if (m_nFileSize > 0 && m_bOwnsMemory) {
            if (HGLOBAL hShrunk = GlobalReAlloc(hMem, m_nFileSize, GMEM_MOVEABLE))
                hMem = hShrunk;
        }
    }
    m_hGlobalMemory = nullptr;
    m_lpBuffer = nullptr;
    m_bOwnsMemory = TRUE;
    m_nGrowBytes = m_nDefaultGrowBytes;
    Reset();
    return hMem;
}

void CSharedFile::Close()
{
    Abort();
}

void CSharedFile::Abort()
{
    if (m_hGlobalMemory) {
        GlobalUnlock(m_hGlobalMemory);
        if (m_bOwnsMemory)
            GlobalFree(m_hGlobalMemory);
    }
    m_hGlobalMemory = nullptr;
    m_lpBuffer = nullptr;
    m_bOwnsMemory = TRUE;
    m_nGrowBytes = m_nDefaultGrowBytes;
    Reset();
}

BYTE* CSharedFile::Alloc(SIZE_T nBytes)
{
    HGLOBAL hMem = GlobalAlloc(m_nAllocFlags, nBytes);
    BYTE* lpData = hMem ? static_cast<BYTE*>(GlobalLock(hMem)) : nullptr;
    if (!lpData) {
        if (hMem)
            GlobalFree(hMem);
        return nullptr;
    }
    m_hGlobalMemory = hMem;
    return lpData;
}

BYTE* CSharedFile::Realloc(BYTE*, SIZE_T nBytes)
{
    GlobalUnlock(m_hGlobalMemory);
    HGLOBAL hNew = GlobalReAlloc(m_hGlobalMemory, nBytes, GMEM_MOVEABLE);
    if (!hNew) {
        GlobalLock(m_hGlobalMemory);  // the old block stays valid
        return nullptr;
    }
    m_hGlobalMemory = hNew;
    return static_cast<BYTE*>(GlobalLock(hNew));
}

void CSharedFile::Free(BYTE*)
{
    if (m_hGlobalMemory) {
        GlobalUnlock(m_hGlobalMemory);
        if (m_bOwnsMemory)
            GlobalFree(m_hGlobalMemory);
    }
    m_hGlobalMemory = nullptr;
}
