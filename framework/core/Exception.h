// The CException family.
// Convention: exceptions are thrown by value and caught by reference
// (throw CArchiveException(...); catch (CException& e)); nothing is deleted by the catcher.
#pragma once
#include "core/Object.h"
#include "core/String.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    CException() = default;
    // The message for the user; FALSE when this kind has none.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError) const;
};

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError) const override;
};

class CResourceException : public CException {
    DECLARE_DYNAMIC(CResourceException)
public:
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError) const override;
};

class CNotSupportedException : public CException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError) const override;
};

class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };
    explicit CFileException(int cause = none, LONG lOsError = -1, LPCSTR lpszFileName = nullptr);
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError) const override;
    static int OsErrorToException(LONG lOsError);

    int m_cause = none;
    LONG m_lOsError = -1;
    CString m_strFileName;
};

class CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum { none, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };
    explicit CArchiveException(int cause = none, LPCSTR lpszArchiveName = nullptr);
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError) const override;

    int m_cause = none;
    CString m_strFileName;
};

class COleException : public CException {
    DECLARE_DYNAMIC(COleException)
public:
    explicit COleException(SCODE sc = E_UNEXPECTED) : m_sc(sc) {}
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError) const override;
    static SCODE Process(const CException& e);  // the SCODE that stands for any framework exception

    SCODE m_sc;
};

[[noreturn]] void FwThrowMemoryException();
[[noreturn]] void FwThrowResourceException();
[[noreturn]] void FwThrowNotSupportedException();
[[noreturn]] void FwThrowFileException(int cause, LONG lOsError = -1, LPCSTR lpszFileName = nullptr);
[[noreturn]] void FwThrowArchiveException(int cause, LPCSTR lpszArchiveName = nullptr);
[[noreturn]] void FwThrowOleException(SCODE sc);
