#include "core/File.h"
#include "core/Exception.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

CFile::CFile(HANDLE hFile) : m_hFile(hFile) {}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        throw error;
}

CFile::~CFile()
{
    if (m_hFile != INVALID_HANDLE_VALUE && m_bCloseOnDelete)
        Abort();
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_hFile != INVALID_HANDLE_VALUE)
        Abort();
    DWORD access = GENERIC_READ;
    if ((nOpenFlags & 3) == modeWrite)
        access = GENERIC_WRITE;
    else if ((nOpenFlags & 3) == modeReadWrite)
        access = GENERIC_READ | GENERIC_WRITE;
    DWORD share = 0;
    switch (nOpenFlags & 0x70) {
    case shareDenyWrite:
        share = FILE_SHARE_READ;
        break;
    case shareDenyRead:
        share = FILE_SHARE_WRITE;
        break;
    case shareDenyNone:
        share = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    default:
        break;
    }
    DWORD creation = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        creation = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, (nOpenFlags & modeNoInherit) ? FALSE : TRUE};

    HANDLE hFile = CreateFileA(lpszFileName, access, share, &sa, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        if (pError) {
            LONG error = static_cast<LONG>(GetLastError());
            *pError = CFileException(CFileException::OsErrorToException(error), error, lpszFileName);
        }
        return FALSE;
    }
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    m_strFileName = lpszFileName;
    return TRUE;
}

void CFile::ThrowLastError() const
{
    LONG error = static_cast<LONG>(GetLastError());
    FwThrowFileException(CFileException::OsErrorToException(error), error, m_strFileName);
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER zero = {}, pos = {};
    if (!SetFilePointerEx(m_hFile, zero, &pos, FILE_CURRENT))
        ThrowLastError();
    return static_cast<ULONGLONG>(pos.QuadPart);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LARGE_INTEGER distance, pos = {};
    distance.QuadPart = lOff;
    DWORD method = nFrom == end ? FILE_END : nFrom == current ? FILE_CURRENT : FILE_BEGIN;
    if (!SetFilePointerEx(m_hFile, distance, &pos, method))
        ThrowLastError();
    return static_cast<ULONGLONG>(pos.QuadPart);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(m_hFile, &size))
        ThrowLastError();
    return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    Seek(static_cast<LONGLONG>(dwNewLen), begin);
    if (!SetEndOfFile(m_hFile))
        ThrowLastError();
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    DWORD read = 0;
    if (nCount && !ReadFile(m_hFile, lpBuf, nCount, &read, nullptr))
        ThrowLastError();
    return read;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    DWORD written = 0;
    if (nCount && !WriteFile(m_hFile, lpBuf, nCount, &written, nullptr))
        ThrowLastError();
    if (written != nCount)
        FwThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

void CFile::Flush()
{
    if (m_hFile != INVALID_HANDLE_VALUE && !FlushFileBuffers(m_hFile))
        ThrowLastError();
}

void CFile::Close()
{
    BOOL failed = FALSE;
    if (m_hFile != INVALID_HANDLE_VALUE && m_bCloseOnDelete)
        failed = !CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    if (failed)
        ThrowLastError();
}

void CFile::Abort()
{
    if (m_hFile != INVALID_HANDLE_VALUE && m_bCloseOnDelete)
        CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}
