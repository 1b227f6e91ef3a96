#include "SettingsFile.h"

#include "Code39.h"
#include "DialogConstants.h"

#include "core/Handle.h"

#include <windows.h>

#include <cstring>

namespace {

bool InRange(int32_t value, int count)
{
    return value >= 0 && value < count;
}

CSettingsFile::ModuleFileNameFn g_moduleFileName = &GetModuleFileNameA;

std::string SettingsPathBeside(const std::string& folder)
{
    // A bare file name would be opened in the current folder, which belongs to the host.
    if (folder.empty() || folder.size() + sizeof Dravel::kSettingsFileName > MAX_PATH)
        return std::string();
    return folder + Dravel::kSettingsFileName;
}

}  // namespace

CSettingsFile::CSettingsFile() : m_path(SettingsPathBeside(ModuleFolderPath())) {}

CSettingsFile::CSettingsFile(const char* path) : m_path(path) {}

CSettingsFile::ModuleFileNameFn CSettingsFile::SetModuleFileNameFunction(ModuleFileNameFn function)
{
    const ModuleFileNameFn previous = g_moduleFileName;
    g_moduleFileName = function;
    return previous;
}

std::string CSettingsFile::ModuleFolderPath()
{
    // The module that contains this function: the DLL when built into it.
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&CSettingsFile::ModuleFolderPath), &module);
    char path[MAX_PATH] = {};
    const DWORD length = g_moduleFileName(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    std::string folder(path, length);
    std::string::size_type slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

void CSettingsFile::SetDefaults(BarcodeSettings& settings)
{
    settings.humanReadable = 1;
    settings.checkCharacter = 1;
    settings.fullAscii = 1;
    settings.copyFontInfo = 1;
    // Only the tag and its zero: the bytes after it are left as they were.
    std::memcpy(settings.tag, Dravel::kSettingsTag, sizeof Dravel::kSettingsTag);
    settings.startStopIndex = CCode39::kDefaultStartStop;
    settings.sizeIndex = Dravel::kDefaultSizeIndex;
    settings.pointSizeIndex = Dravel::kDefaultPointSizeIndex;
    settings.viewIndex = Dravel::kDefaultViewIndex;
    settings.colour = Dravel::kDefaultColour;
}

bool CSettingsFile::HasValidTag(const BarcodeSettings& settings)
{
    return std::memcmp(settings.tag, Dravel::kSettingsTag, sizeof Dravel::kSettingsTag) == 0;
}

void CSettingsFile::ClampToRanges(BarcodeSettings& settings)
{
    // An index outside its table would read past the start/stop characters, the face names
    // or the combo entries: such a field takes its default.
    if (!InRange(settings.startStopIndex, CCode39::kStartStopCount))
        settings.startStopIndex = CCode39::kDefaultStartStop;
    if (!InRange(settings.sizeIndex, Dravel::kSizeCount))
        settings.sizeIndex = Dravel::kDefaultSizeIndex;
    if (!InRange(settings.pointSizeIndex, Dravel::kPointSizeCount))
        settings.pointSizeIndex = Dravel::kDefaultPointSizeIndex;
    if (!InRange(settings.viewIndex, Dravel::kViewCount))
        settings.viewIndex = Dravel::kDefaultViewIndex;
}

void CSettingsFile::Load(BarcodeSettings& settings) const
{
    SetDefaults(settings);
    if (m_path.empty())
        return;
    CHandle file(CreateFileA(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return;
    // A shorter file overwrites only the bytes it has; the defaults stand in the rest.
    DWORD read = 0;
    ReadFile(file, &settings, sizeof settings, &read, nullptr);
    if (!HasValidTag(settings)) {
        SetDefaults(settings);
        return;
    }
    ClampToRanges(settings);
}

bool CSettingsFile::Save(const BarcodeSettings& settings) const
{
    if (m_path.empty())
        return false;
    CHandle file(CreateFileA(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return false;
    DWORD written = 0;
    return WriteFile(file, &settings, sizeof settings, &written, nullptr) && written == sizeof settings;
}
