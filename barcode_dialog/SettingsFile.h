// Loads, saves and defaults the dialog's options in "tolvekvantrix.dat" beside the module.
#pragma once

#include "BarcodeSettings.h"

#include <windows.h>

#include <string>

class CSettingsFile {
public:
    // Reports a module's full path as GetModuleFileNameA does; tests replace it.
    using ModuleFileNameFn = DWORD(WINAPI*)(HMODULE module, LPSTR path, DWORD size);

    // The file beside the module that holds this code (the DLL, not the host program). Without
    // a usable module path there is no file: loads give the defaults and saves write nothing,
    // never a file in the host's current folder.
    CSettingsFile();
    // A file at an explicit path.
    explicit CSettingsFile(const char* path);

    // Defaults, then the file's record when its tag is right. A file that cannot be opened
    // or created leaves the defaults; a missing one is created empty.
    void Load(BarcodeSettings& settings) const;
    // Writes the record over the file; false when it cannot be written.
    bool Save(const BarcodeSettings& settings) const;
    static void SetDefaults(BarcodeSettings& settings);

    // Empty when the module's path cannot be formed.
    const std::string& GetPath() const { return m_path; }
    // The module's folder with its final backslash, or empty.
    static std::string ModuleFolderPath();
    // Returns the function used before.
    static ModuleFileNameFn SetModuleFileNameFunction(ModuleFileNameFn function);

private:
    static bool HasValidTag(const BarcodeSettings& settings);
    static void ClampToRanges(BarcodeSettings& settings);

    std::string m_path;
};
