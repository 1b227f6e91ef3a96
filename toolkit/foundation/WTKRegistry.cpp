#include "foundation/WTKRegistry.h"

#include "core/Archive.h"
#include "core/Exception.h"
#include "core/ExceptionReport.h"
#include "core/MemFile.h"
#include "win/WinApp.h"

#include <memory>
#include <new>

IMPLEMENT_DYNCREATE(CWTKRegistry, CObject)

namespace {
// The stored point: its two coordinates, 32 bits each.
constexpr DWORD kPointBytes = 8;
// The stored rectangle: four 32-bit coordinates.
constexpr DWORD kRectBytes = 16;

CString WithoutTrailingBackslash(LPCTSTR lpszPath)
{
    CString strPath = lpszPath ? lpszPath : "";
    int nLength = strPath.GetLength();
    if (nLength > 0 && strPath[nLength - 1] == '\\')
        strPath = strPath.Left(nLength - 1);
    return strPath;
}

// The checked queries of CRegKey on a key that stays its owner's.
struct BorrowedKey {
    explicit BorrowedKey(HKEY hKey) : m_key(hKey) {}
    ~BorrowedKey() { m_key.Detach(); }
    CRegKey m_key;
};
// A collection stored as one object reads whole, or comes back empty.
template <class TCollection>
BOOL ReadWholeOrEmpty(CWTKRegistry& reg, LPCTSTR lpszKey, TCollection& collection)
{
    collection.RemoveAll();
    BOOL bRead = reg.Read(lpszKey, static_cast<CObject&>(collection));
    if (!bRead)
        collection.RemoveAll();
    return bRead;
}

}  // namespace

CString BuildRegistryPath(LPCTSTR lpszSection, LPCTSTR lpszFullPath)
{
    if (lpszFullPath && *lpszFullPath)
        return lpszFullPath;
    CString strPath = "SOFTWARE\\";
    if (CWinApp* pApp = FwGetApp()) {
        if (pApp->m_pszRegistryKey && *pApp->m_pszRegistryKey)
            strPath += CString(pApp->m_pszRegistryKey) + "\\";
        LPCSTR lpszProfile = pApp->m_pszProfileName ? pApp->m_pszProfileName : pApp->m_pszAppName;
        if (lpszProfile && *lpszProfile)
            strPath += CString(lpszProfile) + "\\";
    }
    strPath += CString(lpszSection ? lpszSection : "") + "\\";
    return strPath;
}

CWTKRegistry::CWTKRegistry(BOOL bAdmin, BOOL bReadOnly)
{
    SetUp(bAdmin, bReadOnly, 0);
}

CWTKRegistry::~CWTKRegistry()
{
    Close();
}

void CWTKRegistry::SetUp(BOOL bAdmin, BOOL bReadOnly, int nExtra)
{
    m_key.Close();
    m_bAdmin = bAdmin;
    m_bReadOnly = bReadOnly;
    m_hRoot = RootOf(bAdmin);
    m_nExtra = nExtra;
}

BOOL CWTKRegistry::ReadValues(CStringArray& arValues)
{
    for (DWORD dwIndex = 0;; ++dwIndex) {
        char szName[kMaxNameChars + 1];
        DWORD dwChars = sizeof(szName);
        m_lLastError = ::RegEnumValueA(GetKey(), dwIndex, szName, &dwChars, nullptr, nullptr, nullptr, nullptr);
        if (m_lLastError == ERROR_NO_MORE_ITEMS)
            return dwIndex > 0;
        if (m_lLastError != ERROR_SUCCESS)
            return FALSE;
        arValues.Add(CString(szName, (int)dwChars));
    }
}

BOOL CWTKRegistry::ReadSubKeys(CStringArray& arSubKeys)
{
    for (DWORD dwIndex = 0;; ++dwIndex) {
        char szName[kMaxNameChars + 1];
        DWORD dwChars = sizeof(szName);
        m_lLastError = ::RegEnumKeyExA(GetKey(), dwIndex, szName, &dwChars, nullptr, nullptr, nullptr, nullptr);
        if (m_lLastError == ERROR_NO_MORE_ITEMS)
            return dwIndex > 0;
        // A name too long or a key gone bad must not pass for a complete list.
        if (m_lLastError != ERROR_SUCCESS)
            return FALSE;
        arSubKeys.Add(CString(szName, (int)dwChars));
    }
}

BOOL CWTKRegistry::VerifyKey(LPCTSTR lpszPath)
{
    CRegKey key;
    m_lLastError = key.Open(GetKey(), WithoutTrailingBackslash(lpszPath), GetAccess());
    return m_lLastError == ERROR_SUCCESS;
}

BOOL CWTKRegistry::VerifyValue(LPCTSTR lpszValue)
{
    DWORD dwType = 0, dwSize = 0;
    m_lLastError = ::RegQueryValueExA(GetKey(), lpszValue, nullptr, &dwType, nullptr, &dwSize);
    return m_lLastError == ERROR_SUCCESS;
}

BOOL CWTKRegistry::CreateKey(LPCTSTR lpszPath)
{
    if (m_bReadOnly)
        return FALSE;
    CRegKey key;
    m_lLastError = key.Create(GetKey(), WithoutTrailingBackslash(lpszPath), KEY_ALL_ACCESS);
    if (m_lLastError != ERROR_SUCCESS)
        return FALSE;
    m_key = std::move(key);  // closes the key opened before (the root is never held there)
    return TRUE;
}

BOOL CWTKRegistry::Open(LPCTSTR lpszPath)
{
    m_strKeyPath = lpszPath ? lpszPath : "";
    CRegKey key;
    m_lLastError = key.Open(GetKey(), WithoutTrailingBackslash(lpszPath), GetAccess());
    if (m_lLastError != ERROR_SUCCESS)
        return FALSE;
    m_key = std::move(key);
    return TRUE;
}

void CWTKRegistry::Close()
{
    m_key.Close();
    m_hRoot = nullptr;
}

BOOL CWTKRegistry::DeleteValue(LPCTSTR lpszValue)
{
    if (m_bReadOnly)
        return FALSE;
    m_lLastError = ::RegDeleteValueA(GetKey(), lpszValue);
    m_dwLastValueType = 0;
    m_dwLastDataSize = 0;
    return m_lLastError == ERROR_SUCCESS;
}

BOOL CWTKRegistry::DeleteKey(LPCTSTR lpszPath, BOOL bAdmin)
{
    if (m_bReadOnly)
        return FALSE;
    CString strPath = WithoutTrailingBackslash(lpszPath);
    // An empty path would name the root itself.
    if (strPath.IsEmpty())
        return FALSE;
    CRegKey key;
    m_lLastError = key.Open(RootOf(bAdmin), strPath, KEY_ALL_ACCESS);
    if (m_lLastError != ERROR_SUCCESS)
        return FALSE;
    for (;;) {
        char szName[kMaxNameChars + 1];
        DWORD dwChars = sizeof(szName);
        m_lLastError = ::RegEnumKeyExA(key, 0, szName, &dwChars, nullptr, nullptr, nullptr, nullptr);
        if (m_lLastError == ERROR_NO_MORE_ITEMS)
            break;
        if (m_lLastError != ERROR_SUCCESS)
            return FALSE;
        if (!DeleteKey(strPath + "\\" + CString(szName, (int)dwChars), bAdmin))
            return FALSE;
    }
    key.Close();
    m_lLastError = ::RegDeleteKeyA(RootOf(bAdmin), strPath);
    m_dwLastValueType = 0;
    m_dwLastDataSize = 0;
    return m_lLastError == ERROR_SUCCESS;
}

BOOL CWTKRegistry::WriteValue(LPCTSTR lpszKey, DWORD dwType, const void* pData, DWORD nBytes)
{
    m_lLastError = ::RegSetValueExA(GetKey(), lpszKey, 0, dwType, static_cast<const BYTE*>(pData), nBytes);
    if (m_lLastError != ERROR_SUCCESS)
        return FALSE;
    m_dwLastValueType = dwType;
    m_dwLastDataSize = nBytes;
    return TRUE;
}

BOOL CWTKRegistry::ReadBinary(LPCTSTR lpszKey, CByteArray& data)
{
    data.RemoveAll();
    DWORD dwType = 0, dwSize = 0;
    m_lLastError = ::RegQueryValueExA(GetKey(), lpszKey, nullptr, &dwType, nullptr, &dwSize);
    if (m_lLastError != ERROR_SUCCESS)
        return FALSE;
    m_dwLastValueType = dwType;
    m_dwLastDataSize = dwSize;
    if (dwType != REG_BINARY || dwSize > kMaxBinaryBytes) {
        m_lLastError = ERROR_INVALID_DATA;
        return FALSE;
    }
    data.SetSize(dwSize);
    DWORD dwRead = dwSize;
    m_lLastError = ::RegQueryValueExA(GetKey(), lpszKey, nullptr, &dwType, data.GetData(), &dwRead);
    // The value may have changed between the two queries.
    if (m_lLastError == ERROR_SUCCESS && (dwType != REG_BINARY || dwRead != dwSize))
        m_lLastError = ERROR_INVALID_DATA;
    if (m_lLastError != ERROR_SUCCESS) {
        data.RemoveAll();
        return FALSE;
    }
    return TRUE;
}

template <class Fn>
BOOL CWTKRegistry::WriteArchive(LPCTSTR lpszKey, Fn storeFn)
{
    if (m_bReadOnly)
        return FALSE;
    m_lLastError = ERROR_SUCCESS;
    auto write = [&]() -> BOOL {
        CMemFile file(kMemFileGrowBytes);
        {
            CArchive ar(&file, CArchive::store, kArchiveBufferSize);
            storeFn(ar);
            ar.Close();
        }
        ULONGLONG nLength = file.GetLength();
        if (nLength > kMaxBinaryBytes) {
            m_lLastError = ERROR_INVALID_DATA;
            return FALSE;
        }
        std::unique_ptr<BYTE, decltype(&free)> bytes(file.Detach(), &free);
        return WriteValue(lpszKey, REG_BINARY, bytes.get(), (DWORD)nLength);
    };
    BOOL bOutOfMemory = FALSE;
    const BOOL bWritten = FwFalseOnException("registry value", write, &bOutOfMemory);
    // An object that cannot be stored is not a lack of memory.
    if (!bWritten && m_lLastError == ERROR_SUCCESS)
        m_lLastError = bOutOfMemory ? ERROR_NOT_ENOUGH_MEMORY : ERROR_INVALID_DATA;
    return bWritten;
}

template <class Fn>
BOOL CWTKRegistry::ReadArchive(LPCTSTR lpszKey, Fn loadFn)
{
    CByteArray data;
    if (!ReadBinary(lpszKey, data))
        return FALSE;
    const BOOL bRead = FwFalseOnException("registry value", [&]() -> BOOL {
        CMemFile file(data.GetData(), (UINT)data.GetSize());
        CArchive ar(&file, CArchive::load, kArchiveBufferSize);
        return loadFn(ar);
    });
    if (!bRead)
        m_lLastError = ERROR_INVALID_DATA;
    return bRead;
}

BOOL CWTKRegistry::Write(LPCTSTR lpszKey, CObject* pObj)
{
    return WriteArchive(lpszKey, [pObj](CArchive& ar) { ar << pObj; });
}

BOOL CWTKRegistry::Write(LPCTSTR lpszKey, CObject& obj)
{
    return WriteArchive(lpszKey, [&obj](CArchive& ar) { obj.Serialize(ar); });
}

BOOL CWTKRegistry::Write(LPCTSTR lpszKey, CObList& list)
{
    return Write(lpszKey, static_cast<CObject&>(list));
}

BOOL CWTKRegistry::Write(LPCTSTR lpszKey, LPBYTE pData, UINT nBytes)
{
    if (m_bReadOnly)
        return FALSE;
    return WriteValue(lpszKey, REG_BINARY, pData, nBytes);
}

BOOL CWTKRegistry::Write(LPCTSTR lpszKey, const CPoint& point)
{
    return WriteArchive(lpszKey, [&point](CArchive& ar) { ar << static_cast<const POINT&>(point); });
}

BOOL CWTKRegistry::Write(LPCTSTR lpszKey, const CRect& rect)
{
    return WriteArchive(lpszKey, [&rect](CArchive& ar) { ar << static_cast<const RECT&>(rect); });
}

BOOL CWTKRegistry::Write(LPCTSTR lpszKey, CWordArray& wcArray)
{
    return WriteArchive(lpszKey, [&wcArray](CArchive& ar) {
        ar << (DWORD)wcArray.GetSize();
        for (INT_PTR i = 0; i < wcArray.GetSize(); ++i)
            ar << wcArray[i];
    });
}

BOOL CWTKRegistry::Write(LPCTSTR lpszKey, CByteArray& bArray)
{
    return Write(lpszKey, static_cast<CObject&>(bArray));
}

BOOL CWTKRegistry::Write(LPCTSTR lpszKey, CDWordArray& dwcArray)
{
    return Write(lpszKey, static_cast<CObject&>(dwcArray));
}

BOOL CWTKRegistry::Write(LPCTSTR lpszKey, CStringArray& scArray)
{
    return Write(lpszKey, static_cast<CObject&>(scArray));
}

BOOL CWTKRegistry::Write(LPCTSTR lpszKey, CStringList& scStringList)
{
    return Write(lpszKey, static_cast<CObject&>(scStringList));
}

BOOL CWTKRegistry::Write(LPCTSTR lpszKey, LPCTSTR lpszVal)
{
    if (m_bReadOnly)
        return FALSE;
    if (!lpszVal)
        lpszVal = "";
    return WriteValue(lpszKey, REG_SZ, lpszVal, (DWORD)lstrlenA(lpszVal) + 1);
}

BOOL CWTKRegistry::Write(LPCTSTR lpszKey, DWORD dwVal)
{
    if (m_bReadOnly)
        return FALSE;
    return ::RegSetValueExA(GetKey(), lpszKey, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwVal), sizeof(dwVal)) ==
        ERROR_SUCCESS;
}

BOOL CWTKRegistry::Write(LPCTSTR lpszKey, int iVal)
{
    if (m_bReadOnly)
        return FALSE;
    DWORD dwVal = (DWORD)iVal;
    return WriteValue(lpszKey, REG_DWORD, &dwVal, sizeof(dwVal));
}

BOOL CWTKRegistry::Read(LPCTSTR lpszKey, CObject*& pObj, const CRuntimeClass* pClassExpected)
{
    pObj = nullptr;
    if (!pClassExpected)
        return FALSE;
    CObject* pRead = nullptr;
    // The archive checks the class before it creates the object and deletes an object whose
    // loading fails.
    BOOL bRead = ReadArchive(lpszKey, [&](CArchive& ar) {
        pRead = ar.ReadObject(pClassExpected);
        return pRead != nullptr;
    });
    if (!bRead || !pRead->IsKindOf(pClassExpected)) {
        delete pRead;
        return FALSE;
    }
    pObj = pRead;
    return TRUE;
}

BOOL CWTKRegistry::Read(LPCTSTR lpszKey, CObject& obj)
{
    return ReadArchive(lpszKey, [&obj](CArchive& ar) {
        obj.Serialize(ar);
        return TRUE;
    });
}

BOOL CWTKRegistry::Read(LPCTSTR lpszKey, CObList& list, const CRuntimeClass* pElementClass)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
    if (!pElementClass)
        return FALSE;
    return ReadArchive(lpszKey, [&](CArchive& ar) {
        list.Serialize(ar, pElementClass);
        return TRUE;
    });
}

BOOL CWTKRegistry::Read(LPCTSTR lpszKey, BYTE*& pData, UINT& nBytes)
{
    pData = nullptr;
    nBytes = 0;
    CByteArray data;
    if (!ReadBinary(lpszKey, data))
        return FALSE;
    std::unique_ptr<BYTE[]> buffer(new (std::nothrow) BYTE[data.GetSize() ? data.GetSize() : 1]);
    if (!buffer) {
        m_lLastError = ERROR_NOT_ENOUGH_MEMORY;
        return FALSE;
    }
    if (data.GetSize())
        memcpy(buffer.get(), data.GetData(), (size_t)data.GetSize());
    nBytes = (UINT)data.GetSize();
    pData = buffer.release();
    return TRUE;
}

BOOL CWTKRegistry::Read(LPCTSTR lpszKey, CRect& rect)
{
    CRect rectRead;
    BOOL bRead = ReadArchive(lpszKey, [&](CArchive& ar) {
        if (ar.GetFile()->GetLength() != kRectBytes)
            return FALSE;
        ar >> static_cast<RECT&>(rectRead);
        return TRUE;
    });
    if (bRead)
        rect = rectRead;
    return bRead;
}

BOOL CWTKRegistry::Read(LPCTSTR lpszKey, CPoint& point)
{
    CPoint pointRead;
    BOOL bRead = ReadArchive(lpszKey, [&](CArchive& ar) {
        if (ar.GetFile()->GetLength() != kPointBytes)
            return FALSE;
        ar >> static_cast<POINT&>(pointRead);
        return TRUE;
    });
    if (bRead)
        point = pointRead;
    return bRead;
}

BOOL CWTKRegistry::Read(LPCTSTR lpszKey, CByteArray& bArray)
{
    return ReadWholeOrEmpty(*this, lpszKey, bArray);
}

BOOL CWTKRegistry::Read(LPCTSTR lpszKey, CWordArray& wcArray)
{
    wcArray.RemoveAll();
    BOOL bRead = ReadArchive(lpszKey, [&](CArchive& ar) {
        DWORD dwCount = 0;
        ar >> dwCount;
        ar.CheckCount(dwCount, sizeof(WORD));
        wcArray.SetSize((INT_PTR)dwCount);
        for (INT_PTR i = 0; i < wcArray.GetSize(); ++i)
            ar >> wcArray[i];
        return TRUE;
    });
    if (!bRead)
        wcArray.RemoveAll();
    return bRead;
}

BOOL CWTKRegistry::Read(LPCTSTR lpszKey, CDWordArray& dwcArray)
{
    return ReadWholeOrEmpty(*this, lpszKey, dwcArray);
}

BOOL CWTKRegistry::Read(LPCTSTR lpszKey, CStringArray& scArray)
{
    return ReadWholeOrEmpty(*this, lpszKey, scArray);
}

BOOL CWTKRegistry::Read(LPCTSTR lpszKey, CStringList& scStringList)
{
    return ReadWholeOrEmpty(*this, lpszKey, scStringList);
}

BOOL CWTKRegistry::Read(LPCTSTR lpszKey, CString& sVal)
{
    sVal.Empty();
    DWORD dwType = 0, dwSize = 0;
    m_lLastError = ::RegQueryValueExA(GetKey(), lpszKey, nullptr, &dwType, nullptr, &dwSize);
    if (m_lLastError != ERROR_SUCCESS)
        return FALSE;
    m_dwLastValueType = dwType;
    m_dwLastDataSize = dwSize;
    BorrowedKey key(GetKey());
    m_lLastError = key.m_key.QueryStringValue(lpszKey, sVal, kMaxStringChars);
    return m_lLastError == ERROR_SUCCESS;
}

BOOL CWTKRegistry::Read(LPCTSTR lpszKey, DWORD& dwVal)
{
    BorrowedKey key(GetKey());
    DWORD dwRead = 0;
    m_lLastError = key.m_key.QueryDWORDValue(lpszKey, dwRead);
    if (m_lLastError != ERROR_SUCCESS)
        return FALSE;
    m_dwLastValueType = REG_DWORD;
    m_dwLastDataSize = sizeof(DWORD);
    dwVal = dwRead;
    return TRUE;
}

BOOL CWTKRegistry::Read(LPCTSTR lpszKey, int& iVal)
{
    DWORD dwVal = 0;
    if (!Read(lpszKey, dwVal))
        return FALSE;
    iVal = (int)dwVal;
    return TRUE;
}
