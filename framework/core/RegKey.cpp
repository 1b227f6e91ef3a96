#include "core/RegKey.h"

#include <utility>

namespace {
bool IsMissing(LONG lResult)
{
    return lResult == ERROR_FILE_NOT_FOUND || lResult == ERROR_PATH_NOT_FOUND;
}

LONG SuccessIfMissing(LONG lResult)
{
    return IsMissing(lResult) ? ERROR_SUCCESS : lResult;
}

bool IsStringType(DWORD dwType)
{
    return dwType == REG_SZ || dwType == REG_EXPAND_SZ;
}
}  // namespace

CRegKey::~CRegKey()
{
    Close();
}

CRegKey& CRegKey::operator=(CRegKey&& other) noexcept
{
    if (this != &other)
        Attach(other.Detach());
    return *this;
}

LONG CRegKey::Create(HKEY hKeyParent, LPCSTR lpszKeyName, REGSAM samDesired)
{
    Close();
    return ::RegCreateKeyExA(hKeyParent, lpszKeyName, 0, nullptr, REG_OPTION_NON_VOLATILE, samDesired, nullptr, &m_hKey,
                             nullptr);
}

LONG CRegKey::Open(HKEY hKeyParent, LPCSTR lpszKeyName, REGSAM samDesired)
{
    Close();
    return ::RegOpenKeyExA(hKeyParent, lpszKeyName, 0, samDesired, &m_hKey);
}

LONG CRegKey::Close()
{
    LONG lResult = ERROR_SUCCESS;
    if (m_hKey)
        lResult = ::RegCloseKey(m_hKey);
    m_hKey = nullptr;
    return lResult;
}

void CRegKey::Attach(HKEY hKey)
{
    Close();
    m_hKey = hKey;
}

HKEY CRegKey::Detach()
{
    return std::exchange(m_hKey, nullptr);
}

LONG CRegKey::QueryDWORDValue(LPCSTR lpszValueName, DWORD& dwValue) const
{
    DWORD dwType = 0, dwRead = 0, dwSize = sizeof(dwRead);
    LONG lResult = ::RegQueryValueExA(m_hKey, lpszValueName, nullptr, &dwType, (LPBYTE)&dwRead, &dwSize);
    if (lResult != ERROR_SUCCESS && lResult != ERROR_MORE_DATA)
        return lResult;
    if (lResult == ERROR_MORE_DATA || dwType != REG_DWORD || dwSize != sizeof(dwRead))
        return ERROR_INVALID_DATATYPE;
    dwValue = dwRead;
    return ERROR_SUCCESS;
}

LONG CRegKey::QueryStringValue(LPCSTR lpszValueName, LPSTR lpszValue, ULONG* pnChars) const
{
    if (!lpszValue || !pnChars || *pnChars == 0)
        return ERROR_INVALID_PARAMETER;
    DWORD dwType = 0;
    // One character is kept back for a terminating zero the stored text may lack.
    DWORD dwSize = *pnChars - 1;
    LONG lResult = ::RegQueryValueExA(m_hKey, lpszValueName, nullptr, &dwType, (LPBYTE)lpszValue, &dwSize);
    if (lResult == ERROR_MORE_DATA) {
        lpszValue[0] = '\0';
        *pnChars = dwSize + 1;
        return IsStringType(dwType) ? ERROR_MORE_DATA : ERROR_INVALID_DATATYPE;
    }
    if (lResult != ERROR_SUCCESS) {
        lpszValue[0] = '\0';
        return lResult;
    }
    if (!IsStringType(dwType)) {
        lpszValue[0] = '\0';
        return ERROR_INVALID_DATATYPE;
    }
    // The stored text ends at its first zero, or at the end of the data.
    ULONG nLength = 0;
    while (nLength < dwSize && lpszValue[nLength] != '\0')
        ++nLength;
    lpszValue[nLength] = '\0';
    *pnChars = nLength + 1;
    return ERROR_SUCCESS;
}

LONG CRegKey::QueryStringValue(LPCSTR lpszValueName, CString& strValue, ULONG nMaxChars) const
{
    strValue.Empty();
    DWORD dwType = 0, dwSize = 0;
    LONG lResult = ::RegQueryValueExA(m_hKey, lpszValueName, nullptr, &dwType, nullptr, &dwSize);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    if (!IsStringType(dwType))
        return ERROR_INVALID_DATATYPE;
    // The stored size may or may not count a terminating zero.
    if (dwSize > nMaxChars + 1)
        return ERROR_MORE_DATA;
    ULONG nChars = dwSize + 1;
    lResult = QueryStringValue(lpszValueName, strValue.GetBuffer((int)dwSize), &nChars);
    strValue.ReleaseBuffer();
    if (lResult == ERROR_SUCCESS && (ULONG)strValue.GetLength() > nMaxChars)
        lResult = ERROR_MORE_DATA;
    if (lResult != ERROR_SUCCESS)
        strValue.Empty();
    return lResult;
}

LONG CRegKey::QueryBinaryValue(LPCSTR lpszValueName, void* pValue, ULONG* pnBytes) const
{
    if (!pnBytes)
        return ERROR_INVALID_PARAMETER;
    DWORD dwType = 0;
    DWORD dwSize = pValue ? *pnBytes : 0;
    LONG lResult = ::RegQueryValueExA(m_hKey, lpszValueName, nullptr, &dwType, (LPBYTE)pValue, &dwSize);
    if (lResult != ERROR_SUCCESS && lResult != ERROR_MORE_DATA)
        return lResult;
    if (dwType != REG_BINARY)
        return ERROR_INVALID_DATATYPE;
    *pnBytes = dwSize;
    return lResult;
}

LONG CRegKey::SetDWORDValue(LPCSTR lpszValueName, DWORD dwValue)
{
    return SetValue(lpszValueName, REG_DWORD, &dwValue, sizeof(dwValue));
}

LONG CRegKey::SetStringValue(LPCSTR lpszValueName, LPCSTR lpszValue, DWORD dwType)
{
    if (!lpszValue || !IsStringType(dwType))
        return ERROR_INVALID_PARAMETER;
    return SetValue(lpszValueName, dwType, lpszValue, (ULONG)lstrlenA(lpszValue) + 1);
}

LONG CRegKey::SetBinaryValue(LPCSTR lpszValueName, const void* pValue, ULONG nBytes)
{
    return SetValue(lpszValueName, REG_BINARY, pValue, nBytes);
}

LONG CRegKey::SetValue(LPCSTR lpszValueName, DWORD dwType, const void* pValue, ULONG nBytes)
{
    return ::RegSetValueExA(m_hKey, lpszValueName, 0, dwType, (const BYTE*)pValue, nBytes);
}

LONG CRegKey::DeleteValue(LPCSTR lpszValueName)
{
    return SuccessIfMissing(::RegDeleteValueA(m_hKey, lpszValueName));
}

LONG CRegKey::DeleteSubKey(LPCSTR lpszSubKey)
{
    return SuccessIfMissing(::RegDeleteKeyA(m_hKey, lpszSubKey));
}

LONG CRegKey::RecurseDeleteKey(LPCSTR lpszSubKey)
{
    return SuccessIfMissing(::RegDeleteTreeA(m_hKey, lpszSubKey));
}
