// CWinApp profile functions: settings under HKCU\Software\<key>\<application>\<section>.
#include "win/WinApp.h"
#include "core/RegKey.h"
#include <memory>

namespace {
// Profile values are read back from a registry anyone may edit: longer ones are refused.
constexpr ULONG kMaxProfileStringChars = 32767;
constexpr ULONG kMaxProfileBinaryBytes = 1024 * 1024;

HKEY CreateKey(HKEY hParent, LPCSTR lpszSubKey)
{
    CRegKey key;
    if (key.Create(hParent, lpszSubKey) != ERROR_SUCCESS)
        return nullptr;
    return key.Detach();
}
}  // namespace

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
    CString strPath =
        CString("Software\\") + m_pszRegistryKey + "\\" + (m_pszProfileName ? m_pszProfileName : m_pszAppName);
    return CreateKey(HKEY_CURRENT_USER, strPath);
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection)
{
    CRegKey appKey(GetAppRegistryKey());
    if (!appKey || !lpszSection)
        return nullptr;
    return CreateKey(appKey, lpszSection);
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    CRegKey key(GetSectionKey(lpszSection));
    if (!key)
        return (UINT)nDefault;
    DWORD dwValue = 0;
    if (key.QueryDWORDValue(lpszEntry, dwValue) != ERROR_SUCCESS)
        return (UINT)nDefault;
    return (UINT)dwValue;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    CRegKey key(GetSectionKey(lpszSection));
    if (!key || !lpszEntry)
        return FALSE;
    return key.SetDWORDValue(lpszEntry, (DWORD)nValue) == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    CString strDefault = lpszDefault;
    CRegKey key(GetSectionKey(lpszSection));
    if (!key)
        return strDefault;
    CString strValue;
    if (key.QueryStringValue(lpszEntry, strValue, kMaxProfileStringChars) != ERROR_SUCCESS)
        return strDefault;
    return strValue;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    if (!lpszEntry) {
        // Removes the whole section, nested sections included.
        CRegKey appKey(GetAppRegistryKey());
        if (!appKey || !lpszSection)
            return FALSE;
        return appKey.RecurseDeleteKey(lpszSection) == ERROR_SUCCESS;
    }
    CRegKey key(GetSectionKey(lpszSection));
    if (!key)
        return FALSE;
    if (!lpszValue)
        return key.DeleteValue(lpszEntry) == ERROR_SUCCESS;
    return key.SetStringValue(lpszEntry, lpszValue) == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    CRegKey key(GetSectionKey(lpszSection));
    if (!key)
        return FALSE;
    ULONG nSize = 0;
    if (key.QueryBinaryValue(lpszEntry, nullptr, &nSize) != ERROR_SUCCESS || nSize > kMaxProfileBinaryBytes)
        return FALSE;
    std::unique_ptr<BYTE[]> data(new BYTE[nSize ? nSize : 1]);
    if (key.QueryBinaryValue(lpszEntry, data.get(), &nSize) != ERROR_SUCCESS)
        return FALSE;
    *ppData = data.release();
    *pBytes = nSize;
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    CRegKey key(GetSectionKey(lpszSection));
    if (!key || !lpszEntry)
        return FALSE;
    return key.SetBinaryValue(lpszEntry, pData, nBytes) == ERROR_SUCCESS;
}
