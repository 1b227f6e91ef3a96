// Loads, saves and defaults the dialog's options in "tolvekvantrix.dat" beside the module.
#pragma once

#include "BarcodeSettings.h"

#include <string>

class CSettingsFile
{
public:
    // The file beside the module that holds this code (the DLL, not the host program).
    CSettingsFile();
    // A file at an explicit path.
    explicit CSettingsFile(const char* path);

    // Defaults, then the file's record when its tag is right. A file that cannot be opened
    // or created leaves the defaults; a missing one is created empty.
    void Load(BarcodeSettings& settings) const;
    // Writes the record over the file; false when it cannot be written.
    bool Save(const BarcodeSettings& settings) const;
    static void SetDefaults(BarcodeSettings& settings);

    const std::string& GetPath() const { return m_path; }
    static std::string ModuleFolderPath();

private:
    static bool HasValidTag(const BarcodeSettings& settings);
    static void ClampToRanges(BarcodeSettings& settings);

    std::string m_path;
};
