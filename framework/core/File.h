// CFile: a binary file over a Win32 file handle; the base of the memory files.
// Failures throw CFileException.
#pragma once
#include "core/Object.h"
#include "core/String.h"

class CFileException;

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeBinary = 0x8000
    };
    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    CFile() = default;
    // Works on a handle it does not own: neither Close nor the destructor closes it.
    explicit CFile(HANDLE hFile);
    CFile(LPCSTR lpszFileName, UINT nOpenFlags);
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile() override;

    operator HANDLE() const { return m_hFile; }
    // FALSE (and the cause in *pError) when the file cannot be opened.
    virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    CString GetFilePath() const { return m_strFileName; }

    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG dwNewLen);

    // Read gives fewer bytes than asked only at the end of the file.
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void Flush();
    virtual void Close();
    // Closes without reporting failures.
    virtual void Abort();

    HANDLE m_hFile = INVALID_HANDLE_VALUE;

protected:
    [[noreturn]] void ThrowLastError() const;

    BOOL m_bCloseOnDelete = FALSE;
    CString m_strFileName;
};
