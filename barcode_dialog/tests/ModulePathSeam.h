// Replaces the module-path function of the settings file for the test's lifetime, and module
// paths from which no settings path can be formed.
#pragma once

#include "SettingsFile.h"

#include <windows.h>

#include <cstring>

class ModulePathSeam {
public:
    explicit ModulePathSeam(CSettingsFile::ModuleFileNameFn function)
        : m_previous(CSettingsFile::SetModuleFileNameFunction(function))
    {}
    ~ModulePathSeam() { CSettingsFile::SetModuleFileNameFunction(m_previous); }
    ModulePathSeam(const ModulePathSeam&) = delete;
    ModulePathSeam& operator=(const ModulePathSeam&) = delete;

private:
    CSettingsFile::ModuleFileNameFn m_previous;
};

inline DWORD WINAPI NoModulePath(HMODULE, LPSTR, DWORD)
{
    return 0;
}

// A path longer than the buffer: cut at the buffer's size, without its zero.
inline DWORD WINAPI TruncatedModulePath(HMODULE, LPSTR path, DWORD size)
{
    std::memset(path, 'x', size);
    std::memcpy(path, "C:\\", 3);
    return size;
}

inline DWORD WINAPI ModuleNameWithoutFolder(HMODULE, LPSTR path, DWORD size)
{
    ::lstrcpynA(path, "TolvekDravel.dll", static_cast<int>(size));
    return static_cast<DWORD>(std::strlen(path));
}

// The module's path fits, the settings file's path beside it does not.
inline DWORD WINAPI FolderTooDeepForTheSettingsFile(HMODULE, LPSTR path, DWORD size)
{
    char deep[MAX_PATH] = "C:\\";
    std::memset(deep + 3, 'd', 240);
    std::memcpy(deep + 243, "\\T.dll", 7);
    ::lstrcpynA(path, deep, static_cast<int>(size));
    return static_cast<DWORD>(std::strlen(path));
}
