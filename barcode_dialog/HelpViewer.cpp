#include "HelpViewer.h"

#include "DialogConstants.h"

#include "win/ShellLauncher.h"

#include <windows.h>

#include <cstring>

namespace Dravel {

namespace {

class RegistryKey {
public:
    RegistryKey(HKEY parent, const char* path)
    {
        if (RegOpenKeyExA(parent, path, 0, KEY_QUERY_VALUE, &m_key) != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~RegistryKey()
    {
        if (m_key != nullptr)
            RegCloseKey(m_key);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

// The viewer's full path in path; false when there is none to start.
bool ViewerPath(char (&path)[MAX_PATH])
{
    RegistryKey key(HKEY_LOCAL_MACHINE, kProductKey);
    if (key.Get() == nullptr)
        return false;
    DWORD type = 0;
    DWORD size = sizeof path;
    if (RegQueryValueExA(key.Get(), kAppPathValue, nullptr, &type, reinterpret_cast<BYTE*>(path), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    // The value need not carry its zero.
    const size_t length = strnlen(path, size < sizeof path ? size : sizeof path);
    if (length + sizeof kViewerSubPath > sizeof path)
        return false;
    std::memcpy(path + length, kViewerSubPath, sizeof kViewerSubPath);
    return true;
}

}  // namespace

void StartHelpViewer(const char* parameters)
{
    char path[MAX_PATH] = {};
    if (ViewerPath(path))
        FwShellExecute(nullptr, "open", path, parameters, nullptr, SW_SHOWNORMAL);
}

}  // namespace Dravel
