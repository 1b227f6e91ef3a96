// CWTKRegistry: one key of the current user's (or the machine's) hive, read and written by
// the toolkit's parts: integers, strings, raw bytes, and framework objects and collections
// archived into binary values. Callers get one through CWTKRegistryHolder.
//
// Everything read back is untrusted (anyone may edit the registry): values are checked for
// their type and size, strings are terminated, binary values are bounded before anything is
// allocated, archived counts are checked against the data left, and archived objects must be
// of the class the caller names; a damaged value answers FALSE and leaves nothing allocated.
#pragma once
#include "core/ByteArray.h"
#include "core/DWordArray.h"
#include "core/ObList.h"
#include "core/Object.h"
#include "core/Point.h"
#include "core/Rect.h"
#include "core/RegKey.h"
#include "core/String.h"
#include "core/StringArray.h"
#include "core/StringList.h"
#include "core/WordArray.h"

class CWTKRegistryHolder;

// The key path below the current user's hive for a section of the toolkit's state:
// lpszFullPath when it is not empty; otherwise
// "SOFTWARE\<application's registry key>\<profile name>\<section>\" (the registry key and its
// backslash are left out when the application has none).
CString BuildRegistryPath(LPCTSTR lpszSection, LPCTSTR lpszFullPath);

class CWTKRegistry : public CObject {
    DECLARE_DYNCREATE(CWTKRegistry)
public:
    // Access of a read-only object: query, enumerate and notify.
    static constexpr REGSAM kReadOnlyAccess = KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY;
    // Longest key or value name that the enumerations take.
    static constexpr DWORD kMaxNameChars = 1024;
    // Longest string value read back, and largest binary value (archives included).
    static constexpr DWORD kMaxStringChars = 32767;
    static constexpr DWORD kMaxBinaryBytes = 1024 * 1024;
    // Archives over memory files.
    static constexpr UINT kMemFileGrowBytes = 1024;
    static constexpr int kArchiveBufferSize = 4096;

    // Only the empty key path: the holder sets everything else before use.
    CWTKRegistry() = default;
    CWTKRegistry(BOOL bAdmin, BOOL bReadOnly);
    ~CWTKRegistry() override;
    CWTKRegistry(const CWTKRegistry&) = delete;
    CWTKRegistry& operator=(const CWTKRegistry&) = delete;

    // Appends the name of every value of the open key; FALSE when there is none or the
    // enumeration fails.
    virtual BOOL ReadValues(CStringArray& arValues);
    // TRUE when the path opens below the current key (it is closed again at once).
    virtual BOOL VerifyKey(LPCTSTR lpszPath);
    virtual BOOL VerifyValue(LPCTSTR lpszValue);
    // Creates or opens the key below the current key with full access; it becomes the
    // current key. On failure the previous key stays.
    virtual BOOL CreateKey(LPCTSTR lpszPath);
    // Opens the key below the current key (read-only objects with kReadOnlyAccess); it becomes
    // the current key. On failure the previous key stays.
    virtual BOOL Open(LPCTSTR lpszPath);
    virtual void Close();
    virtual BOOL DeleteValue(LPCTSTR lpszValue);
    // Deletes the key below the root that bAdmin names (not below the current key) with
    // everything beneath it, deepest first; a failure on any sub-key keeps the key.
    virtual BOOL DeleteKey(LPCTSTR lpszPath, BOOL bAdmin = FALSE);

    // Writers: FALSE at once for a read-only object.
    // The object with its class record (read back with Read(name, CObject*&, class)).
    virtual BOOL Write(LPCTSTR lpszKey, CObject* pObj);
    // The object's own archiving, without a class record.
    virtual BOOL Write(LPCTSTR lpszKey, CObject& obj);
    virtual BOOL Write(LPCTSTR lpszKey, CObList& list);
    virtual BOOL Write(LPCTSTR lpszKey, LPBYTE pData, UINT nBytes);
    virtual BOOL Write(LPCTSTR lpszKey, const CPoint& point);
    virtual BOOL Write(LPCTSTR lpszKey, const CRect& rect);
    // A 32-bit count, then the 16-bit elements.
    virtual BOOL Write(LPCTSTR lpszKey, CWordArray& wcArray);
    virtual BOOL Write(LPCTSTR lpszKey, CByteArray& bArray);
    virtual BOOL Write(LPCTSTR lpszKey, CDWordArray& dwcArray);
    virtual BOOL Write(LPCTSTR lpszKey, CStringArray& scArray);
    virtual BOOL Write(LPCTSTR lpszKey, CStringList& scStringList);
    virtual BOOL Write(LPCTSTR lpszKey, LPCTSTR lpszVal);
    // Records neither the result nor the value's type and size.
    virtual BOOL Write(LPCTSTR lpszKey, DWORD dwVal);
    virtual BOOL Write(LPCTSTR lpszKey, int iVal);

    // Readers: TRUE when the value was read. The object is created from its class record and
    // must be of pClassExpected or derive from it; the caller owns it. Null when FALSE.
    virtual BOOL Read(LPCTSTR lpszKey, CObject*& pObj, const CRuntimeClass* pClassExpected);
    virtual BOOL Read(LPCTSTR lpszKey, CObject& obj);
    // Deletes the list's objects first; every object read must be of pElementClass.
    virtual BOOL Read(LPCTSTR lpszKey, CObList& list, const CRuntimeClass* pElementClass);
    // A buffer (new[]) with the value's bytes; the caller deletes it. Null and 0 when FALSE.
    virtual BOOL Read(LPCTSTR lpszKey, BYTE*& pData, UINT& nBytes);
    virtual BOOL Read(LPCTSTR lpszKey, CRect& rect);
    virtual BOOL Read(LPCTSTR lpszKey, CPoint& point);
    // The collections are emptied first (and stay empty when the value is damaged).
    virtual BOOL Read(LPCTSTR lpszKey, CByteArray& bArray);
    virtual BOOL Read(LPCTSTR lpszKey, CWordArray& wcArray);
    virtual BOOL Read(LPCTSTR lpszKey, CDWordArray& dwcArray);
    virtual BOOL Read(LPCTSTR lpszKey, CStringArray& scArray);
    virtual BOOL Read(LPCTSTR lpszKey, CStringList& scStringList);
    // Empty when the value is missing or not a string.
    virtual BOOL Read(LPCTSTR lpszKey, CString& sVal);
    // The target is untouched unless a 32-bit value was read.
    virtual BOOL Read(LPCTSTR lpszKey, DWORD& dwVal);
    virtual BOOL Read(LPCTSTR lpszKey, int& iVal);

    // Appends the name of every sub-key; FALSE when there is none or the enumeration fails.
    virtual BOOL ReadSubKeys(CStringArray& arSubKeys);

    LONG GetLastError() const { return m_lLastError; }
    DWORD GetLastValueType() const { return m_dwLastValueType; }
    DWORD GetLastDataSize() const { return m_dwLastDataSize; }
    BOOL IsReadOnly() const { return m_bReadOnly; }
    BOOL IsAdmin() const { return m_bAdmin; }
    LPCTSTR GetKeyPath() const { return m_strKeyPath; }
    // The current key: the root until a key is opened or created, null after Close.
    HKEY GetKey() const { return m_key.m_hKey ? m_key.m_hKey : m_hRoot; }

protected:
    static HKEY RootOf(BOOL bAdmin) { return bAdmin ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }
    REGSAM GetAccess() const { return m_bReadOnly ? kReadOnlyAccess : KEY_ALL_ACCESS; }
    // The binary value's bytes, bounded by kMaxBinaryBytes.
    BOOL ReadBinary(LPCTSTR lpszKey, CByteArray& data);
    BOOL WriteValue(LPCTSTR lpszKey, DWORD dwType, const void* pData, DWORD nBytes);

    LONG m_lLastError = ERROR_SUCCESS;
    DWORD m_dwLastValueType = 0;
    DWORD m_dwLastDataSize = 0;
    // The current key is m_key once one is opened or created, else the root; the root is a
    // predefined key and is never closed.
    HKEY m_hRoot = nullptr;
    CRegKey m_key;
    BOOL m_bAdmin = FALSE;
    CString m_strKeyPath;
    BOOL m_bReadOnly = FALSE;
    int m_nExtra = 0;

private:
    friend class CWTKRegistryHolder;
    void SetUp(BOOL bAdmin, BOOL bReadOnly, int nExtra);
    // A binary value holding an archive of what storeFn writes.
    template <class Fn>
    BOOL WriteArchive(LPCTSTR lpszKey, Fn storeFn);
    // The binary value loaded through an archive by loadFn; FALSE on any damage.
    template <class Fn>
    BOOL ReadArchive(LPCTSTR lpszKey, Fn loadFn);
};
