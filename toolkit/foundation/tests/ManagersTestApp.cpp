#include "ManagersTestApp.h"

CWinApp theApp(kManagersAppName);

void DeleteManagersSandbox()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kManagersSandboxKey);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kManagersSandboxKey);
}

std::string ReadRawValue(const std::string& key, const char* pszValue, DWORD* pdwType)
{
    DWORD dwSize = 0;
    DWORD dwType = 0;
    if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), pszValue, RRF_RT_ANY, &dwType, nullptr, &dwSize) !=
        ERROR_SUCCESS)
        return std::string();
    std::string bytes(dwSize, '\0');
    ::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), pszValue, RRF_RT_ANY, &dwType, bytes.data(), &dwSize);
    bytes.resize(dwSize);
    if (pdwType != nullptr)
        *pdwType = dwType;
    return bytes;
}

void WriteRawValue(const std::string& key, const char* pszValue, DWORD dwType, const std::string& bytes)
{
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr) !=
        ERROR_SUCCESS)
        return;
    ::RegSetValueExA(hKey, pszValue, 0, dwType, reinterpret_cast<const BYTE*>(bytes.data()),
                     static_cast<DWORD>(bytes.size()));
    ::RegCloseKey(hKey);
}
