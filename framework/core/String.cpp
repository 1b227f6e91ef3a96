#include "core/String.h"
#include "core/ResourceHandle.h"
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {
const char kWhiteSpace[] = " \t\n\r\v\f";

int Clamp(int value, int low, int high)
{
    return std::max(low, std::min(value, high));
}

void UpperCopy(std::string& s)
{
    if (!s.empty())
        CharUpperBuffA(&s[0], static_cast<DWORD>(s.size()));
}
}  // namespace

CString::CString(LPCSTR psz)
{
    if (psz && IS_INTRESOURCE(psz))
        LoadString(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(psz)));
    else if (psz)
        m_str = psz;
}

CString::CString(LPCSTR pch, int nLength)
{
    if (pch && nLength > 0)
        m_str.assign(pch, static_cast<size_t>(nLength));
}

CString::CString(char ch, int nRepeat)
{
    if (nRepeat > 0)
        m_str.assign(static_cast<size_t>(nRepeat), ch);
}

CString& CString::operator=(LPCSTR psz)
{
    if (psz)
        m_str = psz;
    else
        m_str.clear();
    return *this;
}

CString& CString::operator=(char ch)
{
    m_str.assign(1, ch);
    return *this;
}

char CString::GetAt(int nIndex) const
{
    return (nIndex >= 0 && nIndex < GetLength()) ? m_str[static_cast<size_t>(nIndex)] : '\0';
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex >= 0 && nIndex < GetLength())
        m_str[static_cast<size_t>(nIndex)] = ch;
}

CString& CString::operator+=(const CString& str)
{
    m_str += str.m_str;
    return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
    if (psz)
        m_str += psz;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str += ch;
    return *this;
}

void CString::Append(LPCSTR pch, int nLength)
{
    if (pch && nLength > 0)
        m_str.append(pch, static_cast<size_t>(nLength));
}

int CString::Compare(LPCSTR psz) const
{
    return std::strcmp(m_str.c_str(), psz ? psz : "");
}

int CString::CompareNoCase(LPCSTR psz) const
{
    std::string a = m_str, b = psz ? psz : "";
    UpperCopy(a);
    UpperCopy(b);
    return std::strcmp(a.c_str(), b.c_str());
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    nFirst = Clamp(nFirst, 0, GetLength());
    nCount = Clamp(nCount, 0, GetLength() - nFirst);
    return CString(m_str.c_str() + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    nCount = Clamp(nCount, 0, GetLength());
    return Mid(GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR pszCharSet) const
{
    return Left(static_cast<int>(std::strspn(m_str.c_str(), pszCharSet ? pszCharSet : "")));
}

CString CString::SpanExcluding(LPCSTR pszCharSet) const
{
    return Left(static_cast<int>(std::strcspn(m_str.c_str(), pszCharSet ? pszCharSet : "")));
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    size_t pos = m_str.find(ch, static_cast<size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(LPCSTR pszSub, int nStart) const
{
    if (!pszSub || nStart < 0 || nStart > GetLength())
        return -1;
    size_t pos = m_str.find(pszSub, static_cast<size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const
{
    size_t pos = m_str.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(LPCSTR pszCharSet) const
{
    size_t pos = m_str.find_first_of(pszCharSet ? pszCharSet : "");
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CString& CString::MakeUpper()
{
    UpperCopy(m_str);
    return *this;
}

CString& CString::MakeLower()
{
    if (!m_str.empty())
        CharLowerBuffA(&m_str[0], static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_str.begin(), m_str.end());
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    int count = 0;
    for (char& c : m_str) {
        if (c == chOld) {
            c = chNew;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    size_t oldLen = pszOld ? std::strlen(pszOld) : 0;
    if (oldLen == 0)
        return 0;
    std::string replacement = pszNew ? pszNew : "";
    int count = 0;
    for (size_t pos = m_str.find(pszOld); pos != std::string::npos;
         pos = m_str.find(pszOld, pos + replacement.size())) {
        m_str.replace(pos, oldLen, replacement);
        ++count;
    }
    return count;
}

int CString::Remove(char ch)
{
    size_t before = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
    return static_cast<int>(before - m_str.size());
}

int CString::Insert(int nIndex, char ch)
{
    m_str.insert(static_cast<size_t>(Clamp(nIndex, 0, GetLength())), 1, ch);
    return GetLength();
}

int CString::Insert(int nIndex, LPCSTR psz)
{
    if (psz)
        m_str.insert(static_cast<size_t>(Clamp(nIndex, 0, GetLength())), psz);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    if (nIndex >= 0 && nIndex < GetLength() && nCount > 0)
        m_str.erase(static_cast<size_t>(nIndex), static_cast<size_t>(std::min(nCount, GetLength() - nIndex)));
    return GetLength();
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}
CString& CString::Trim(char chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}
CString& CString::Trim(LPCSTR pszTargets)
{
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}
CString& CString::TrimLeft()
{
    return TrimLeft(kWhiteSpace);
}
CString& CString::TrimRight()
{
    return TrimRight(kWhiteSpace);
}

CString& CString::TrimLeft(char chTarget)
{
    m_str.erase(0, m_str.find_first_not_of(chTarget));
    return *this;
}

CString& CString::TrimLeft(LPCSTR pszTargets)
{
    if (pszTargets && *pszTargets)
        m_str.erase(0, m_str.find_first_not_of(pszTargets));
    return *this;
}

CString& CString::TrimRight(char chTarget)
{
    size_t last = m_str.find_last_not_of(chTarget);
    m_str.erase(last == std::string::npos ? 0 : last + 1);
    return *this;
}

CString& CString::TrimRight(LPCSTR pszTargets)
{
    if (pszTargets && *pszTargets) {
        size_t last = m_str.find_last_not_of(pszTargets);
        m_str.erase(last == std::string::npos ? 0 : last + 1);
    }
    return *this;
}

void CString::FormatV(LPCSTR pszFormat, va_list args)
{
    m_str.clear();
    AppendFormatV(pszFormat, args);
}

void CString::AppendFormatV(LPCSTR pszFormat, va_list args)
{
    if (!pszFormat)
        return;
    va_list measure;
    va_copy(measure, args);
    int needed = std::vsnprintf(nullptr, 0, pszFormat, measure);
    va_end(measure);
    if (needed <= 0)
        return;
    size_t oldSize = m_str.size();
    m_str.resize(oldSize + static_cast<size_t>(needed));
    std::vsnprintf(&m_str[oldSize], static_cast<size_t>(needed) + 1, pszFormat, args);
}

void CString::FormatArgs(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormatArgs(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    AppendFormatV(pszFormat, args);
    va_end(args);
}

// Strings come in blocks of 16: the resource module may have the block and still
// lack the string, so each module is asked for the string itself.
BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hResource = FwGetResourceHandle();
    if (LoadString(hResource, nID))
        return TRUE;
    HINSTANCE hInstance = FwGetInstanceHandle();
    return hInstance != hResource && LoadString(hInstance, nID);
}

// String tables hold blocks of 16 counted UTF-16 strings; block n + 1 holds ids 16n to 16n + 15.
BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    m_str.clear();
    HRSRC hRes = FindResourceA(hInstance, MAKEINTRESOURCEA((nID >> 4) + 1), MAKEINTRESOURCEA(6) /* RT_STRING */);
    HGLOBAL hData = hRes ? LoadResource(hInstance, hRes) : nullptr;
    const WCHAR* p = hData ? static_cast<const WCHAR*>(LockResource(hData)) : nullptr;
    if (!p)
        return FALSE;
    const WCHAR* end = p + SizeofResource(hInstance, hRes) / sizeof(WCHAR);
    for (UINT i = 0; i < (nID & 15); ++i) {
        if (p >= end)
            return FALSE;
        p += 1 + *p;
    }
    if (p >= end || *p == 0 || p + 1 + *p > end)
        return FALSE;
    int wideLength = *p++;
    int length = WideCharToMultiByte(CP_ACP, 0, p, wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return FALSE;
    m_str.resize(static_cast<size_t>(length));
    WideCharToMultiByte(CP_ACP, 0, p, wideLength, &m_str[0], length, nullptr, nullptr);
    return TRUE;
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinBufLength));
    return &m_str[0];
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    m_str.resize(static_cast<size_t>(std::max(nNewLength, 0)));
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(std::strlen(m_str.c_str()));
    m_str.resize(static_cast<size_t>(std::min(nNewLength, GetLength())));
}

CString operator+(const CString& s1, const CString& s2)
{
    CString s(s1);
    s += s2;
    return s;
}

CString operator+(const CString& s1, LPCSTR s2)
{
    CString s(s1);
    s += s2;
    return s;
}

CString operator+(LPCSTR s1, const CString& s2)
{
    CString s(s1);
    s += s2;
    return s;
}

CString operator+(const CString& s1, char ch)
{
    CString s(s1);
    s += ch;
    return s;
}

CString operator+(char ch, const CString& s2)
{
    CString s(ch);
    s += s2;
    return s;
}
