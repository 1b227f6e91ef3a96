#include "ole/GlobalMemory.h"

#include "core/GlobalLock.h"

#include <cstring>

HGLOBAL FwCopyGlobalMemory(HGLOBAL hSource)
{
    const CGlobalLock source(hSource);
    if (source.Data() == nullptr)
        return nullptr;
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, source.Size());
    if (hCopy == nullptr)
        return nullptr;
    {
        const CGlobalLock copy(hCopy);
        if (copy.Data() != nullptr) {
            std::memcpy(copy.Data(), source.Data(), source.Size());
            return hCopy;
        }
    }
    ::GlobalFree(hCopy);
    return nullptr;
}
