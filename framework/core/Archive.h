// CArchive: binary storing and loading of values, strings and objects over a CFile.
//
// Layout: little-endian values; strings as a length (8 bits, 0xFF then 16 bits, 0xFFFF
// then 32 bits) followed by the bytes; counts as 16 bits, 0xFFFF then 32 bits. Objects:
// a 16-bit tag, 0 for null, 0xFFFF for a class record (schema, name) used for the first
// time, 0x8000 | n for the class of record n, n for the object of record n; 0x7FFF
// announces a 32-bit tag for records beyond 0x7FFE.
//
// Loading is hardened for data from outside: every failure is a CArchiveException,
// counts are checked against the data left before anything is allocated, classes are
// checked against the class the caller expects before an object is created, and an
// object whose loading fails is deleted before the exception leaves ReadObject.
// An object is handed out once: a second reference to it is rejected (badIndex)
// unless the caller allows shared objects, and then owns the consequences.
#pragma once
#include "core/Object.h"
#include "core/String.h"
#include <unordered_map>
#include <vector>

class CFile;
class CDocument;

class CArchive {
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2 };
    static constexpr int kDefaultBufferSize = 4096;

    CArchive(CFile* pFile, UINT nMode, int nBufSize = kDefaultBufferSize);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    // Flushes a storing archive that was not closed (failures are not reported then).
    ~CArchive();

    BOOL IsLoading() const { return m_bLoading; }
    BOOL IsStoring() const { return !m_bLoading; }
    CFile* GetFile() const { return m_pFile; }
    // Writes what is buffered (storing) or gives back to the file what was not read (loading).
    void Flush();
    void Close();
    void Abort();

    UINT Read(void* lpBuf, UINT nMax);  // fewer bytes only at the end of the data
    void Write(const void* lpBuf, UINT nMax);

    CArchive& operator<<(BYTE by) { return WriteValue(by); }
    CArchive& operator<<(char ch) { return WriteValue(ch); }
    CArchive& operator<<(WORD w) { return WriteValue(w); }
    CArchive& operator<<(short n) { return WriteValue(n); }
    CArchive& operator<<(int i) { return WriteValue(i); }
    CArchive& operator<<(UINT u) { return WriteValue(u); }
    CArchive& operator<<(LONG l) { return WriteValue(l); }
    CArchive& operator<<(DWORD dw) { return WriteValue(dw); }
    CArchive& operator<<(LONGLONG n) { return WriteValue(n); }
    CArchive& operator<<(ULONGLONG n) { return WriteValue(n); }
    CArchive& operator<<(float f) { return WriteValue(f); }
    CArchive& operator<<(double d) { return WriteValue(d); }
    CArchive& operator<<(const CString& str);
    CArchive& operator<<(LPCSTR psz) { return *this << CString(psz); }
    CArchive& operator<<(const POINT& pt);   // two 32-bit values
    CArchive& operator<<(const SIZE& size);  // two 32-bit values
    CArchive& operator<<(const RECT& rect);  // four 32-bit values
    CArchive& operator<<(const CObject* pOb)
    {
        WriteObject(pOb);
        return *this;
    }

    CArchive& operator>>(BYTE& by) { return ReadValue(by); }
    CArchive& operator>>(char& ch) { return ReadValue(ch); }
    CArchive& operator>>(WORD& w) { return ReadValue(w); }
    CArchive& operator>>(short& n) { return ReadValue(n); }
    CArchive& operator>>(int& i) { return ReadValue(i); }
    CArchive& operator>>(UINT& u) { return ReadValue(u); }
    CArchive& operator>>(LONG& l) { return ReadValue(l); }
    CArchive& operator>>(DWORD& dw) { return ReadValue(dw); }
    CArchive& operator>>(LONGLONG& n) { return ReadValue(n); }
    CArchive& operator>>(ULONGLONG& n) { return ReadValue(n); }
    CArchive& operator>>(float& f) { return ReadValue(f); }
    CArchive& operator>>(double& d) { return ReadValue(d); }
    CArchive& operator>>(CString& str);
    CArchive& operator>>(POINT& pt);
    CArchive& operator>>(SIZE& size);
    CArchive& operator>>(RECT& rect);
    // Any serialisable class; use "ar >> pDerived" or ReadObject to demand a class.
    CArchive& operator>>(CObject*& pOb)
    {
        pOb = ReadObject(RUNTIME_CLASS(CObject));
        return *this;
    }

    void WriteCount(DWORD_PTR dwCount);
    DWORD_PTR ReadCount();
    // Throws endOfFile unless the data left can hold nCount elements of at least
    // nMinBytesEach bytes: call it before allocating for a count read from the archive.
    void CheckCount(DWORD_PTR nCount, UINT nMinBytesEach);

    void WriteObject(const CObject* pOb);
    // Null for a stored null. pClassRefRequested: the class the object must be or
    // derive from (null accepts any serialisable class); others give badClass.
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    void WriteClass(const CRuntimeClass* pClassRef);
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr, UINT* pSchema = nullptr);
    void SerializeClass(const CRuntimeClass* pClassRef);

    // The stored schema of the object being loaded, once; (UINT)-1 afterwards.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    void AllowSharedObjects(BOOL bAllow) { m_bShareObjects = bAllow; }
    BOOL AreObjectsShared() const { return m_bShareObjects; }

    CDocument* m_pDocument = nullptr;

private:
    template <class T>
    CArchive& WriteValue(T value)
    {
        Write(&value, sizeof value);
        return *this;
    }
    template <class T>
    CArchive& ReadValue(T& value)
    {
        ReadExact(&value, sizeof value);
        return *this;
    }
    void ReadExact(void* lpBuf, UINT nCount);
    void FillBuffer(UINT nNeeded);
    void CheckLoading() const;
    void CheckStoring() const;
    ULONGLONG BytesLeft() const;
    struct Tag {
        enum Kind { null, newClass, classRef, objectRef } kind;
        DWORD index;
    };
    Tag ReadTag();
    CRuntimeClass* ClassOfRecord(DWORD dwIndex, const CRuntimeClass* pClassRefRequested, UINT* pSchema) const;
    void WriteTag(DWORD dwTag, BOOL bClass);
    CRuntimeClass* LoadClassRecord(const CRuntimeClass* pClassRefRequested, UINT* pSchema);
    CObject* LoadNewObject(CRuntimeClass* pClass, UINT nSchema);
    CObject* LoadObjectReference(DWORD dwIndex, const CRuntimeClass* pClassRefRequested);

    struct LoadEntry {
        CRuntimeClass* pClass = nullptr;  // class records
        UINT nSchema = 0;
        CObject* pObject = nullptr;  // objects (null once deleted after a failure)
    };

    CFile* m_pFile;
    BOOL m_bLoading;
    BOOL m_bFlushOnDelete;
    BOOL m_bShareObjects = FALSE;
    std::vector<BYTE> m_buffer;
    UINT m_nBufCur = 0;  // next byte to read or write
    UINT m_nBufMax = 0;  // end of the valid bytes (loading)
    UINT m_nObjectSchema = static_cast<UINT>(-1);
    int m_nDepth = 0;
    std::unordered_map<const void*, DWORD> m_storeMap;  // objects and classes written
    std::vector<LoadEntry> m_loadMap;                   // records read, from index 1
};
