#include "core/Exception.h"
#include <cstdio>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)
IMPLEMENT_DYNAMIC(COleException, CException)

namespace {
BOOL CopyMessage(LPSTR lpszError, UINT nMaxError, LPCSTR text)
{
    if (!lpszError || nMaxError == 0)
        return FALSE;
    lstrcpynA(lpszError, text, static_cast<int>(nMaxError));
    return TRUE;
}
}  // namespace

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError) const
{
    if (lpszError && nMaxError)
        *lpszError = '\0';
    return FALSE;
}

BOOL CMemoryException::GetErrorMessage(LPSTR lpszError, UINT nMaxError) const
{
    return CopyMessage(lpszError, nMaxError, "Out of memory.");
}

BOOL CResourceException::GetErrorMessage(LPSTR lpszError, UINT nMaxError) const
{
    return CopyMessage(lpszError, nMaxError, "A required resource was unavailable.");
}

BOOL CNotSupportedException::GetErrorMessage(LPSTR lpszError, UINT nMaxError) const
{
    return CopyMessage(lpszError, nMaxError, "An unsupported operation was attempted.");
}

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName)
{}

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError) const
{
    CString text;
    if (m_strFileName.IsEmpty())
        text.Format("A file error occurred (cause %d).", m_cause);
    else
        text.Format("A file error occurred while accessing %s (cause %d).", m_strFileName.GetString(), m_cause);
    return CopyMessage(lpszError, nMaxError, text);
}

int CFileException::OsErrorToException(LONG lOsError)
{
    switch (lOsError) {
    case NO_ERROR:
        return none;
    case ERROR_FILE_NOT_FOUND:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
        return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return accessDenied;
    case ERROR_INVALID_HANDLE:
        return invalidFile;
    case ERROR_CURRENT_DIRECTORY:
        return removeCurrentDir;
    case ERROR_CANNOT_MAKE:
        return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
        return badSeek;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
        return hardIO;
    case ERROR_SHARING_VIOLATION:
        return sharingViolation;
    case ERROR_LOCK_VIOLATION:
        return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return diskFull;
    case ERROR_HANDLE_EOF:
        return endOfFile;
    default:
        return genericException;
    }
}

CArchiveException::CArchiveException(int cause, LPCSTR lpszArchiveName) : m_cause(cause), m_strFileName(lpszArchiveName)
{}

BOOL CArchiveException::GetErrorMessage(LPSTR lpszError, UINT nMaxError) const
{
    static const char* const texts[] = {"No error.",
                                        "An archive error occurred.",
                                        "Attempted to write to an archive opened for loading.",
                                        "Unexpected end of archive data.",
                                        "Attempted to read from an archive opened for storing.",
                                        "The archive holds an invalid object reference.",
                                        "The archive holds an unexpected class.",
                                        "The archive holds an unsupported class version."};
    int cause = (m_cause >= none && m_cause <= badSchema) ? m_cause : genericException;
    return CopyMessage(lpszError, nMaxError, texts[cause]);
}

BOOL COleException::GetErrorMessage(LPSTR lpszError, UINT nMaxError) const
{
    char text[64];
    std::snprintf(text, sizeof text, "An OLE error 0x%08lX occurred.", static_cast<unsigned long>(m_sc));
    return CopyMessage(lpszError, nMaxError, text);
}

SCODE COleException::Process(const CException& e)
{
    if (const auto* ole = dynamic_cast<const COleException*>(&e))
        return ole->m_sc;
    if (e.IsKindOf(RUNTIME_CLASS(CMemoryException)))
        return E_OUTOFMEMORY;
    if (e.IsKindOf(RUNTIME_CLASS(CNotSupportedException)))
        return E_NOTIMPL;
    return E_UNEXPECTED;
}

void FwThrowMemoryException()
{
    throw CMemoryException();
}
void FwThrowResourceException()
{
    throw CResourceException();
}
void FwThrowNotSupportedException()
{
    throw CNotSupportedException();
}
void FwThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
{
    throw CFileException(cause, lOsError, lpszFileName);
}
void FwThrowArchiveException(int cause, LPCSTR lpszArchiveName)
{
    throw CArchiveException(cause, lpszArchiveName);
}
void FwThrowOleException(SCODE sc)
{
    throw COleException(sc);
}
