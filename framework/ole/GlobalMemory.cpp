#include "ole/GlobalMemory.h"
#include <cstring>

HGLOBAL FwCopyGlobalMemory(HGLOBAL hSource)
{
    const SIZE_T nSize = hSource ? ::GlobalSize(hSource) : 0;
    const void* pSource = nSize ? ::GlobalLock(hSource) : nullptr;
    if (!pSource)
        return nullptr;
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, nSize);
    void* pCopy = hCopy ? ::GlobalLock(hCopy) : nullptr;
    if (pCopy) {
        std::memcpy(pCopy, pSource, nSize);
        ::GlobalUnlock(hCopy);
    } else if (hCopy) {
        ::GlobalFree(hCopy);
        hCopy = nullptr;
    }
    ::GlobalUnlock(hSource);
    return hCopy;
}
