#include "core/MemFile.h"
#include "core/Exception.h"
#include <cstdint>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

namespace {
// Positions and lengths past what this build can address (4 GiB on 32-bit
// Windows) are refused, never cut down to a smaller value.
bool IsAddressable(ULONGLONG n)
{
    return static_cast<ULONGLONG>(static_cast<SIZE_T>(n)) == n;
}
}  // namespace

CMemFile::CMemFile(UINT nGrowBytes) : m_nGrowBytes(nGrowBytes) {}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) : m_nGrowBytes(nGrowBytes)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    Abort();
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    Abort();
    m_lpBuffer = lpBuffer;
    m_nBufferSize = nBufferSize;
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_nGrowBytes = nGrowBytes;
    m_nPosition = 0;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* lpBuffer = m_lpBuffer;
    m_lpBuffer = nullptr;
    Reset();
    return lpBuffer;
}

void CMemFile::Reset()
{
    m_nPosition = m_nBufferSize = m_nFileSize = 0;
    m_bAutoDelete = TRUE;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG base = nFrom == end ? static_cast<LONGLONG>(m_nFileSize)
        : nFrom == current       ? static_cast<LONGLONG>(m_nPosition)
                                 : 0;
    LONGLONG target = base + lOff;
    if (target < 0 || !IsAddressable(static_cast<ULONGLONG>(target)))
        FwThrowFileException(CFileException::badSeek, -1);
    // Seeking past the end is allowed; the gap is filled by the next write.
    m_nPosition = static_cast<SIZE_T>(target);
    return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
    if (!IsAddressable(dwNewLen))
        FwThrowMemoryException();
    if (dwNewLen > m_nBufferSize)
        GrowFile(static_cast<SIZE_T>(dwNewLen));
    if (dwNewLen < m_nPosition)
        m_nPosition = static_cast<SIZE_T>(dwNewLen);
    m_nFileSize = static_cast<SIZE_T>(dwNewLen);
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (m_nPosition >= m_nFileSize || nCount == 0)
        return 0;
    SIZE_T available = m_nFileSize - m_nPosition;
    UINT nRead = available < nCount ? static_cast<UINT>(available) : nCount;
    std::memcpy(lpBuf, m_lpBuffer + m_nPosition, nRead);
    m_nPosition += nRead;
    return nRead;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    SIZE_T newEnd = m_nPosition + nCount;
    if (newEnd < m_nPosition)
        FwThrowMemoryException();
    if (newEnd > m_nBufferSize)
        GrowFile(newEnd);
    if (m_nPosition > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = newEnd;
    if (m_nPosition > m_nFileSize)
        m_nFileSize = m_nPosition;
}

void CMemFile::GrowFile(SIZE_T nNewLen)
{
    if (nNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        FwThrowMemoryException();  // a fixed block cannot grow
    if (nNewLen > SIZE_MAX - m_nGrowBytes)
        FwThrowMemoryException();
    SIZE_T newSize = ((nNewLen + m_nGrowBytes - 1) / m_nGrowBytes) * m_nGrowBytes;
    BYTE* lpNew = nullptr;
    if (!m_lpBuffer) {
        lpNew = Alloc(newSize);
    } else if (m_bAutoDelete) {
        lpNew = Realloc(m_lpBuffer, newSize);
    } else {
        // A caller's growable block: continue in memory of our own.
        lpNew = Alloc(newSize);
        if (lpNew)
            std::memcpy(lpNew, m_lpBuffer, m_nFileSize);
    }
    if (!lpNew)
        FwThrowMemoryException();
    m_lpBuffer = lpNew;
    m_nBufferSize = newSize;
    m_bAutoDelete = TRUE;
}

void CMemFile::Close()
{
    Abort();
}

void CMemFile::Abort()
{
    if (m_lpBuffer && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = nullptr;
    Reset();
}

BYTE* CMemFile::Alloc(SIZE_T nBytes)
{
    return static_cast<BYTE*>(std::malloc(nBytes));
}

BYTE* CMemFile::Realloc(BYTE* lpMem, SIZE_T nBytes)
{
    return static_cast<BYTE*>(std::realloc(lpMem, nBytes));
}

void CMemFile::Free(BYTE* lpMem)
{
    std::free(lpMem);
}
