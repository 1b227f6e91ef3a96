// CWinApp profile functions: settings under HKCU\Software\<key>\<application>\<section>.
#include "win/WinApp.h"
#include <memory>

namespace {
// Closes a registry key when it goes out of scope.
class RegKey {
public:
    explicit RegKey(HKEY hKey = nullptr) : m_hKey(hKey) {}
    ~RegKey() { if (m_hKey) ::RegCloseKey(m_hKey); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    operator HKEY() const { return m_hKey; }
private:
    HKEY m_hKey;
};

HKEY CreateKey(HKEY hParent, LPCSTR lpszSubKey)
{
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(hParent, lpszSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                          &hKey, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}
}

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
    // The profile is named after the application.
    m_pszProfileName = m_pszAppName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    strKey.LoadString(nIDRegistryKey);
    SetRegistryKey(strKey);
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (!m_pszRegistryKey || !*m_pszRegistryKey)
        return nullptr;
    CString strPath = CString("Software\\") + m_pszRegistryKey + "\\" + (m_pszProfileName ? m_pszProfileName : m_pszAppName);
    return CreateKey(HKEY_CURRENT_USER, strPath);
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection)
{
    RegKey appKey(GetAppRegistryKey());
    if (!appKey || !lpszSection)
        return nullptr;
    return CreateKey(appKey, lpszSection);
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    RegKey key(GetSectionKey(lpszSection));
    if (!key)
        return (UINT)nDefault;
    DWORD dwValue = 0, dwType = 0, dwSize = sizeof(dwValue);
    if (::RegQueryValueExA(key, lpszEntry, nullptr, &dwType, (LPBYTE)&dwValue, &dwSize) != ERROR_SUCCESS ||
        dwType != REG_DWORD || dwSize != sizeof(dwValue))
        return (UINT)nDefault;
    return (UINT)dwValue;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    RegKey key(GetSectionKey(lpszSection));
    if (!key || !lpszEntry)
        return FALSE;
    DWORD dwValue = (DWORD)nValue;
    return ::RegSetValueExA(key, lpszEntry, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof(dwValue)) == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    CString strDefault = lpszDefault;
    RegKey key(GetSectionKey(lpszSection));
    if (!key)
        return strDefault;
    DWORD dwType = 0, dwSize = 0;
    if (::RegQueryValueExA(key, lpszEntry, nullptr, &dwType, nullptr, &dwSize) != ERROR_SUCCESS ||
        (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
        return strDefault;
    CString strValue;
    LPSTR pBuf = strValue.GetBuffer((int)dwSize + 1);
    DWORD dwRead = dwSize + 1;
    LONG lResult = ::RegQueryValueExA(key, lpszEntry, nullptr, &dwType, (LPBYTE)pBuf, &dwRead);
    pBuf[dwRead < dwSize + 1 ? dwRead : dwSize] = '\0';
    strValue.ReleaseBuffer();
    return lResult == ERROR_SUCCESS ? strValue : strDefault;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    if (!lpszEntry) {
        // Removes the whole section, nested sections included.
        RegKey appKey(GetAppRegistryKey());
        if (!appKey || !lpszSection)
            return FALSE;
        LONG lResult = ::RegDeleteTreeA(appKey, lpszSection);
        return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
    }
    RegKey key(GetSectionKey(lpszSection));
    if (!key)
        return FALSE;
    if (!lpszValue) {
        LONG lResult = ::RegDeleteValueA(key, lpszEntry);
        return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
    }
    return ::RegSetValueExA(key, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue, (DWORD)lstrlenA(lpszValue) + 1) ==
           ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    RegKey key(GetSectionKey(lpszSection));
    if (!key)
        return FALSE;
    DWORD dwType = 0, dwSize = 0;
    if (::RegQueryValueExA(key, lpszEntry, nullptr, &dwType, nullptr, &dwSize) != ERROR_SUCCESS || dwType != REG_BINARY)
        return FALSE;
    std::unique_ptr<BYTE[]> data(new BYTE[dwSize ? dwSize : 1]);
    if (::RegQueryValueExA(key, lpszEntry, nullptr, &dwType, data.get(), &dwSize) != ERROR_SUCCESS)
        return FALSE;
    *ppData = data.release();
    *pBytes = dwSize;
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    RegKey key(GetSectionKey(lpszSection));
    if (!key || !lpszEntry)
        return FALSE;
    return ::RegSetValueExA(key, lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}
