#include "RegistryTestApp.h"

CWinApp theApp(kTestAppName);

void DeleteSandbox()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kSandboxKey);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kSandboxKey);
}

bool KeyExists(const char* pszPath)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, pszPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(hKey);
    return true;
}
