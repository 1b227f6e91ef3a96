// CString: an 8-bit string in the system's code page, always NUL-terminated.
#pragma once
#include <windows.h>
#include <cstdarg>
#include <string>

class CString {
public:
    CString() = default;
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    // A null pointer gives an empty string; MAKEINTRESOURCE(id) loads string id.
    CString(LPCSTR psz);
    CString(LPCSTR pch, int nLength);
    explicit CString(char ch, int nRepeat = 1);
    ~CString() = default;

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(LPCSTR psz);
    CString& operator=(char ch);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int nIndex) const;
    void SetAt(int nIndex, char ch);
    char operator[](int nIndex) const { return GetAt(nIndex); }
    operator LPCSTR() const { return m_str.c_str(); }
    LPCSTR GetString() const { return m_str.c_str(); }

    CString& operator+=(const CString& str);
    CString& operator+=(LPCSTR psz);
    CString& operator+=(char ch);
    void Append(LPCSTR pch, int nLength);

    // <0, 0, >0 as strcmp; the no-case form folds case by the code page.
    int Compare(LPCSTR psz) const;
    int CompareNoCase(LPCSTR psz) const;

    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR pszCharSet) const;
    CString SpanExcluding(LPCSTR pszCharSet) const;

    // Indexes from 0; -1 when not found.
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR pszCharSet) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR pszOld, LPCSTR pszNew);
    int Remove(char ch);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR psz);
    int Delete(int nIndex, int nCount = 1);

    // Without an argument: white space.
    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(LPCSTR pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCSTR pszTargets);

    // printf formats; CString arguments may be passed as they are.
    template <class... Args>
    void Format(LPCSTR pszFormat, const Args&... args)
    {
        FormatArgs(pszFormat, PassArg(args)...);
    }
    template <class... Args>
    void Format(UINT nFormatID, const Args&... args)
    {
        CString format;
        format.LoadString(nFormatID);
        FormatArgs(format, PassArg(args)...);
    }
    template <class... Args>
    void AppendFormat(LPCSTR pszFormat, const Args&... args)
    {
        AppendFormatArgs(pszFormat, PassArg(args)...);
    }
    void FormatV(LPCSTR pszFormat, va_list args);
    void AppendFormatV(LPCSTR pszFormat, va_list args);

    // From the string table of the given module, or of the resource module, then
    // this binary (core/ResourceHandle.h).
    // FALSE (and an empty string) when the string does not exist.
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    // Writable buffer of at least nMinBufLength characters plus the terminator;
    // ReleaseBuffer(-1) takes the length up to the first NUL.
    LPSTR GetBuffer(int nMinBufLength = 0);
    LPSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void FreeExtra() { m_str.shrink_to_fit(); }

private:
    static LPCSTR PassArg(const CString& s) { return s.GetString(); }
    template <class T>
    static auto PassArg(const T& value)
    {
        return value;
    }
    void FormatArgs(LPCSTR pszFormat, ...);
    void AppendFormatArgs(LPCSTR pszFormat, ...);

    std::string m_str;
};

CString operator+(const CString& s1, const CString& s2);
CString operator+(const CString& s1, LPCSTR s2);
CString operator+(LPCSTR s1, const CString& s2);
CString operator+(const CString& s1, char ch);
CString operator+(char ch, const CString& s2);

inline bool operator==(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) == 0;
}
inline bool operator==(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) == 0;
}
inline bool operator==(LPCSTR s1, const CString& s2)
{
    return s2.Compare(s1) == 0;
}
inline bool operator!=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) != 0;
}
inline bool operator!=(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) != 0;
}
inline bool operator!=(LPCSTR s1, const CString& s2)
{
    return s2.Compare(s1) != 0;
}
inline bool operator<(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) < 0;
}
inline bool operator<(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) < 0;
}
inline bool operator<(LPCSTR s1, const CString& s2)
{
    return s2.Compare(s1) > 0;
}
inline bool operator>(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) > 0;
}
inline bool operator>(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) > 0;
}
inline bool operator>(LPCSTR s1, const CString& s2)
{
    return s2.Compare(s1) < 0;
}
inline bool operator<=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) <= 0;
}
inline bool operator<=(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) <= 0;
}
inline bool operator<=(LPCSTR s1, const CString& s2)
{
    return s2.Compare(s1) >= 0;
}
inline bool operator>=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) >= 0;
}
inline bool operator>=(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) >= 0;
}
inline bool operator>=(LPCSTR s1, const CString& s2)
{
    return s2.Compare(s1) <= 0;
}
