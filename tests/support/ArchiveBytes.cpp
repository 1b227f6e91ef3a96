#include "ArchiveBytes.h"

#include "core/Exception.h"
#include "core/MemFile.h"

#include <cstdlib>

std::string StoreArchive(const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    const auto nBytes = static_cast<size_t>(file.GetLength());
    BYTE* pBytes = file.Detach();
    std::string bytes(reinterpret_cast<const char*>(pBytes), nBytes);
    std::free(pBytes);
    return bytes;
}

bool LoadArchive(std::string bytes, const std::function<void(CArchive&)>& read)
{
    try {
        CMemFile file(reinterpret_cast<BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
        CArchive ar(&file, CArchive::load);
        read(ar);
        return true;
    } catch (CException&) {
        return false;
    }
}
