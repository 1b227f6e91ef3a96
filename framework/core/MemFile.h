// CMemFile: a file in memory. It grows in steps of nGrowBytes, reads a block it is
// given, and hands its bytes over (Detach). Writing past a block that may not grow
// throws CMemoryException.
#pragma once
#include "core/File.h"

class CMemFile : public CFile {
    DECLARE_DYNAMIC(CMemFile)
public:
    static constexpr UINT kDefaultGrowBytes = 1024;

    explicit CMemFile(UINT nGrowBytes = kDefaultGrowBytes);
    // Reads (and, with nGrowBytes > 0, writes) the caller's block, which the file never frees.
    // With nGrowBytes == 0 the block's bytes are the file's content.
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile() override;

    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Hands the bytes over and empties the file. Memory the file allocated itself is
    // freed with free(); null when the file holds nothing.
    BYTE* Detach();

    ULONGLONG GetPosition() const override { return m_nPosition; }
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetLength() const override { return m_nFileSize; }
    void SetLength(ULONGLONG dwNewLen) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Flush() override {}
    void Close() override;
    void Abort() override;

protected:
    // Storage of the memory the file allocates itself; CSharedFile uses global memory.
    virtual BYTE* Alloc(SIZE_T nBytes);
    virtual BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes);
    virtual void Free(BYTE* lpMem);
    void GrowFile(SIZE_T nNewLen);
    void Reset();

    UINT m_nGrowBytes;
    SIZE_T m_nPosition = 0;
    SIZE_T m_nBufferSize = 0;
    SIZE_T m_nFileSize = 0;
    BYTE* m_lpBuffer = nullptr;
    BOOL m_bAutoDelete = TRUE;
};
