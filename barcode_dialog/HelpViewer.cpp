#include "HelpViewer.h"

#include "DialogConstants.h"

#include "core/RegKey.h"
#include "win/ShellLauncher.h"

#include <windows.h>

#include <cstring>

namespace Dravel {

namespace {

// The viewer's full path in path; false when there is none to start.
bool ViewerPath(char (&path)[MAX_PATH])
{
    CRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, kProductKey, KEY_QUERY_VALUE) != ERROR_SUCCESS)
        return false;
    // The query refuses a value longer than the buffer and ends the text with its zero.
    ULONG chars = sizeof path;
    if (key.QueryStringValue(kAppPathValue, path, &chars) != ERROR_SUCCESS)
        return false;
    const size_t length = std::strlen(path);
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
