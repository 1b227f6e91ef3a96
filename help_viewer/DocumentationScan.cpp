#include "DocumentationScan.h"

#include "ContentModule.h"
#include "ModuleExportProbe.h"
#include "ViewerConstants.h"

#include "core/Handle.h"

#include <windows.h>

#include <cstring>

namespace {

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
    if (!hFind.IsValid())
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
        const CModuleHandle module(::LoadLibraryA(path));
        DocumentationEntry entry;
        if (!module.IsValid() || !CContentModule::ReadDocName(module, entry.title))
            continue;
        entry.fileName = found.cFileName;
        entries.push_back(entry);
    } while (::FindNextFileA(hFind, &found));
    return entries;
}
