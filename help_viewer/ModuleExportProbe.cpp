#include "ModuleExportProbe.h"

#include "core/Handle.h"

#include <cstdint>
#include <cstring>

namespace {

// Module files larger than this are not content modules.
constexpr uint64_t kMaxModuleFileSize = 256u * 1024u * 1024u;
constexpr WORD kMaxSections = 96;
constexpr DWORD kMaxExportNames = 65536;

// A read-only view of a whole file.
class CFileView {
public:
    explicit CFileView(LPCSTR lpszPath)
    {
        m_file.Attach(::CreateFileA(lpszPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!m_file.IsValid())
            return;
        LARGE_INTEGER size {};
        if (!::GetFileSizeEx(m_file, &size) || size.QuadPart <= 0 ||
            static_cast<uint64_t>(size.QuadPart) > kMaxModuleFileSize)
            return;
        m_mapping.Attach(::CreateFileMappingA(m_file, nullptr, PAGE_READONLY, 0, 0, nullptr));
        if (!m_mapping.IsValid())
            return;
        m_pData = static_cast<const unsigned char*>(::MapViewOfFile(m_mapping, FILE_MAP_READ, 0, 0, 0));
        if (m_pData != nullptr)
            m_size = static_cast<uint64_t>(size.QuadPart);
    }
    ~CFileView()
    {
        if (m_pData != nullptr)
            ::UnmapViewOfFile(m_pData);
    }
    CFileView(const CFileView&) = delete;
    CFileView& operator=(const CFileView&) = delete;

    // A copy of a record at an offset; false when it does not lie wholly inside the file.
    template <class T>
    bool Read(uint64_t offset, T& value) const
    {
        if (!Holds(offset, sizeof(T)))
            return false;
        std::memcpy(&value, m_pData + offset, sizeof(T));
        return true;
    }
    bool Holds(uint64_t offset, uint64_t length) const { return offset <= m_size && length <= m_size - offset; }
    // The zero-ended name at an offset equals lpszName (the zero must lie inside the file).
    bool NameAt(uint64_t offset, LPCSTR lpszName) const
    {
        const uint64_t length = std::strlen(lpszName) + 1;
        return Holds(offset, length) && std::memcmp(m_pData + offset, lpszName, length) == 0;
    }

private:
    CHandle m_file;
    CHandle m_mapping;
    const unsigned char* m_pData = nullptr;
    uint64_t m_size = 0;
};

class CImageSections {
public:
    CImageSections(const CFileView& file, uint64_t firstHeader, WORD count)
        : m_file(file), m_first(firstHeader), m_count(count)
    {}

    // The file offset of an address of the loaded image, for a run of length bytes that lies
    // inside one section's data in the file.
    bool FileOffset(DWORD rva, uint64_t length, uint64_t& offset) const
    {
        for (WORD i = 0; i < m_count; ++i) {
            IMAGE_SECTION_HEADER section;
            if (!m_file.Read(m_first + uint64_t(i) * sizeof section, section))
                return false;
            if (rva < section.VirtualAddress)
                continue;
            const uint64_t into = uint64_t(rva) - section.VirtualAddress;
            if (into >= section.SizeOfRawData || length > section.SizeOfRawData - into)
                continue;
            offset = uint64_t(section.PointerToRawData) + into;
            return m_file.Holds(offset, length);
        }
        return false;
    }

private:
    const CFileView& m_file;
    uint64_t m_first;
    WORD m_count;
};

bool ExportDirectory(const CFileView& file, DWORD& rva, uint64_t& sectionsAt, WORD& sectionCount)
{
    IMAGE_DOS_HEADER dos;
    if (!file.Read(0, dos) || dos.e_magic != IMAGE_DOS_SIGNATURE || dos.e_lfanew <= 0)
        return false;
    const uint64_t ntAt = static_cast<uint64_t>(dos.e_lfanew);
    DWORD signature = 0;
    IMAGE_FILE_HEADER header;
    if (!file.Read(ntAt, signature) || signature != IMAGE_NT_SIGNATURE || !file.Read(ntAt + sizeof signature, header))
        return false;
    const uint64_t optionalAt = ntAt + sizeof signature + sizeof header;
    WORD magic = 0;
    if (!file.Read(optionalAt, magic))
        return false;
    IMAGE_DATA_DIRECTORY directory {};
    if (magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC) {
        IMAGE_OPTIONAL_HEADER32 optional;
        if (header.SizeOfOptionalHeader < sizeof optional || !file.Read(optionalAt, optional) ||
            optional.NumberOfRvaAndSizes <= IMAGE_DIRECTORY_ENTRY_EXPORT)
            return false;
        directory = optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    } else if (magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
        IMAGE_OPTIONAL_HEADER64 optional;
        if (header.SizeOfOptionalHeader < sizeof optional || !file.Read(optionalAt, optional) ||
            optional.NumberOfRvaAndSizes <= IMAGE_DIRECTORY_ENTRY_EXPORT)
            return false;
        directory = optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    } else {
        return false;
    }
    if (directory.VirtualAddress == 0 || directory.Size < sizeof(IMAGE_EXPORT_DIRECTORY) ||
        header.NumberOfSections == 0 || header.NumberOfSections > kMaxSections)
        return false;
    rva = directory.VirtualAddress;
    sectionsAt = optionalAt + header.SizeOfOptionalHeader;
    sectionCount = header.NumberOfSections;
    return true;
}

}  // namespace

BOOL ModuleFileExports(LPCSTR lpszPath, LPCSTR lpszExport)
{
    if (lpszPath == nullptr || lpszExport == nullptr || *lpszExport == '\0')
        return FALSE;
    CFileView file(lpszPath);
    DWORD directoryRva = 0;
    uint64_t sectionsAt = 0;
    WORD sectionCount = 0;
    if (!ExportDirectory(file, directoryRva, sectionsAt, sectionCount))
        return FALSE;
    const CImageSections sections(file, sectionsAt, sectionCount);
    uint64_t directoryAt = 0;
    IMAGE_EXPORT_DIRECTORY exports;
    if (!sections.FileOffset(directoryRva, sizeof exports, directoryAt) || !file.Read(directoryAt, exports))
        return FALSE;
    const DWORD names = exports.NumberOfNames;
    if (names == 0 || names > kMaxExportNames)
        return FALSE;
    uint64_t namesAt = 0;
    if (!sections.FileOffset(exports.AddressOfNames, uint64_t(names) * sizeof(DWORD), namesAt))
        return FALSE;
    const uint64_t nameLength = std::strlen(lpszExport) + 1;
    for (DWORD i = 0; i < names; ++i) {
        DWORD nameRva = 0;
        uint64_t nameAt = 0;
        if (file.Read(namesAt + uint64_t(i) * sizeof nameRva, nameRva) &&
            sections.FileOffset(nameRva, nameLength, nameAt) && file.NameAt(nameAt, lpszExport))
            return TRUE;
    }
    return FALSE;
}
