// CRegKey: owns an open registry key and closes it when it goes. Members return the
// system's error codes (ERROR_SUCCESS when they worked). Values are read as
// untrusted data: each query checks the value's type and never writes past the
// caller's buffer; a value of another type gives ERROR_INVALID_DATATYPE, one too
// long for the buffer ERROR_MORE_DATA.
#pragma once
#include "core/String.h"

class CRegKey {
public:
    CRegKey() = default;
    explicit CRegKey(HKEY hKey) : m_hKey(hKey) {}
    ~CRegKey();
    CRegKey(CRegKey&& other) noexcept : m_hKey(other.Detach()) {}
    CRegKey& operator=(CRegKey&& other) noexcept;
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    operator HKEY() const { return m_hKey; }

    // Both close the key held first; Create makes the key when it is missing.
    LONG Create(HKEY hKeyParent, LPCSTR lpszKeyName, REGSAM samDesired = KEY_READ | KEY_WRITE);
    LONG Open(HKEY hKeyParent, LPCSTR lpszKeyName, REGSAM samDesired = KEY_READ | KEY_WRITE);
    LONG Close();
    // Closes the key held, then takes hKey.
    void Attach(HKEY hKey);
    // Gives the key up without closing it.
    HKEY Detach();

    // A null or empty name is the key's default value.
    LONG QueryDWORDValue(LPCSTR lpszValueName, DWORD& dwValue) const;
    // REG_SZ or REG_EXPAND_SZ (not expanded). *pnChars: the buffer's size in
    // characters on entry, the characters read with the terminating zero on return
    // (the size needed with ERROR_MORE_DATA). The text always ends with a zero.
    LONG QueryStringValue(LPCSTR lpszValueName, LPSTR lpszValue, ULONG* pnChars) const;
    // The same into a string, refused past nMaxChars characters.
    LONG QueryStringValue(LPCSTR lpszValueName, CString& strValue, ULONG nMaxChars) const;
    // REG_BINARY. *pnBytes: the buffer's size on entry, the bytes read on return
    // (the size needed with ERROR_MORE_DATA). With a null pValue, only the size.
    LONG QueryBinaryValue(LPCSTR lpszValueName, void* pValue, ULONG* pnBytes) const;

    LONG SetDWORDValue(LPCSTR lpszValueName, DWORD dwValue);
    LONG SetStringValue(LPCSTR lpszValueName, LPCSTR lpszValue, DWORD dwType = REG_SZ);
    LONG SetBinaryValue(LPCSTR lpszValueName, const void* pValue, ULONG nBytes);
    // Any type, as given (registry scripts write the types they name).
    LONG SetValue(LPCSTR lpszValueName, DWORD dwType, const void* pValue, ULONG nBytes);

    // A value or key that is already missing counts as deleted (ERROR_SUCCESS).
    LONG DeleteValue(LPCSTR lpszValueName);
    // Deletes a subkey that has no subkeys of its own.
    LONG DeleteSubKey(LPCSTR lpszSubKey);
    // Deletes a subkey with everything below it.
    LONG RecurseDeleteKey(LPCSTR lpszSubKey);

    HKEY m_hKey = nullptr;
};
