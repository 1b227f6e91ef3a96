#include "DocumentationScan.h"

#include "ContentModule.h"
#include "ModuleExportProbe.h"
#include "ViewerConstants.h"

#include <windows.h>

#include <cstring>

namespace {

class CFindHandle {
public:
    explicit CFindHandle(HANDLE hFind) : m_hFind(hFind) {}
    ~CFindHandle()
    {
        if (m_hFind != INVALID_HANDLE_VALUE)
            ::FindClose(m_hFind);
    }
    CFindHandle(const CFindHandle&) = delete;
    CFindHandle& operator=(const CFindHandle&) = delete;
    operator HANDLE() const { return m_hFind; }

private:
    HANDLE m_hFind;
};

class CLoadedModule {
public:
    explicit CLoadedModule(LPCSTR lpszPath) : m_hModule(::LoadLibraryA(lpszPath)) {}
    ~CLoadedModule()
    {
        if (m_hModule != nullptr)
            ::FreeLibrary(m_hModule);
    }
    CLoadedModule(const CLoadedModule&) = delete;
    CLoadedModule& operator=(const CLoadedModule&) = delete;
    HMODULE Handle() const { return m_hModule; }

private:
    HMODULE m_hModule;
};

bool EndsWithModuleExtension(LPCSTR lpszName)
{
    const size_t length = std::strlen(lpszName);
    const size_t extension = sizeof Lumidoc::kModuleExtension - 1;
    return length > extension && lstrcmpiA(lpszName + length - extension, Lumidoc::kModuleExtension) == 0;
}

}  // namespace

std::vector<DocumentationEntry> ScanDocumentations(LPCSTR lpszFolder)
{
    std::vector<DocumentationEntry> entries;
    CString folder(lpszFolder ? lpszFolder : "");
    if (!folder.IsEmpty() && folder.Right(1) != "\\" && folder.Right(1) != "/")
        folder += "\\";
    if (folder.GetLength() + static_cast<int>(sizeof Lumidoc::kModulePattern) > Lumidoc::kPathBufferSize)
        return entries;
    WIN32_FIND_DATAA found {};
    CFindHandle hFind(::FindFirstFileA(folder + Lumidoc::kModulePattern, &found));
    if (hFind == INVALID_HANDLE_VALUE)
        return entries;
    do {
        found.cFileName[sizeof found.cFileName - 1] = '\0';
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || !EndsWithModuleExtension(found.cFileName))
            continue;
        const CString path = folder + found.cFileName;
        if (path.GetLength() + 1 > Lumidoc::kPathBufferSize)
            continue;
        if (!ModuleFileExports(path, Lumidoc::kDocNameExport))
            continue;
        CLoadedModule module(path);
        DocumentationEntry entry;
        if (module.Handle() == nullptr || !CContentModule::ReadDocName(module.Handle(), entry.title))
            continue;
        entry.fileName = found.cFileName;
        entries.push_back(entry);
    } while (::FindNextFileA(hFind, &found));
    return entries;
}
