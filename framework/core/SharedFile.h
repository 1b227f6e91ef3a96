// CSharedFile: a memory file in movable, shareable global memory, so that the
// clipboard or a drag can take the memory over (Detach).
#pragma once
#include "core/MemFile.h"

class CSharedFile : public CMemFile {
    DECLARE_DYNAMIC(CSharedFile)
public:
    static constexpr UINT kDefaultGrowBytes = 4096;

    explicit CSharedFile(UINT nAllocFlags = GMEM_MOVEABLE | GMEM_SHARE, UINT nGrowBytes = kDefaultGrowBytes);
    ~CSharedFile() override;

    // Works on memory owned by someone else, such as clipboard data: the file never
    // frees it. Its content is the whole block; with bAllowGrow writes may enlarge the
    // block in place (same handle), else writing past its end throws CMemoryException.
    void SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow = TRUE);
    // Hands the memory over, cut to the file's length, and empties the file; the
    // receiver frees it (or the clipboard owns it). Null when the file holds nothing.
    HGLOBAL Detach();

    void Close() override;
    void Abort() override;

protected:
    BYTE* Alloc(SIZE_T nBytes) override;
    BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes) override;
    void Free(BYTE* lpMem) override;

    UINT m_nAllocFlags;
    UINT m_nDefaultGrowBytes;
    HGLOBAL m_hGlobalMemory = nullptr;
    BOOL m_bOwnsMemory = TRUE;
};
