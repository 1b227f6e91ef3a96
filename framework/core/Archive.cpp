#include "core/Archive.h"
#include "core/Exception.h"
#include "core/File.h"
#include <algorithm>
#include <cstring>

namespace {
const WORD kNullTag = 0;
const WORD kNewClassTag = 0xFFFF;
const WORD kClassTag = 0x8000;
const WORD kBigObjectTag = 0x7FFF;
const DWORD kBigClassTag = 0x80000000;
const DWORD kMaxMapCount = 0x3FFFFFFE;
const WORD kCountEscape = 0xFFFF;
const UINT kMaxClassNameLength = 64;
const UINT kMinBufferSize = 128;
// Nesting of objects inside objects while loading; deeper data is rejected rather
// than exhausting the stack.
const int kMaxLoadDepth = 256;
// Counts the nesting of ReadObject calls.
struct DepthGuard {
    int& depth;
    explicit DepthGuard(int& d) : depth(d)
    {
        if (++depth > kMaxLoadDepth) {
            --depth;
            FwThrowArchiveException(CArchiveException::badIndex);
        }
    }
    ~DepthGuard() { --depth; }
};
}  // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize)
    : m_pFile(pFile),
      m_bLoading((nMode & load) != 0),
      m_bFlushOnDelete((nMode & bNoFlushOnDelete) == 0),
      m_buffer(static_cast<size_t>(std::max<int>(nBufSize, static_cast<int>(kMinBufferSize))))
{
    m_loadMap.emplace_back();  // index 0 stands for null
}

CArchive::~CArchive()
{
    if (!m_pFile)
        return;
    if (IsStoring() && m_bFlushOnDelete) {
        try {
            Flush();
        } catch (...) {
            // A destructor reports nothing; call Close() to see failures.
        }
    }
    m_pFile = nullptr;
}

void CArchive::Flush()
{
    if (!m_pFile)
        return;
    if (IsStoring()) {
        if (m_nBufCur > 0)
            m_pFile->Write(m_buffer.data(), m_nBufCur);
        m_nBufCur = 0;
        m_pFile->Flush();
    } else if (m_nBufCur < m_nBufMax) {
        // Give the unread bytes back, so the file stands right after the data read.
        m_pFile->Seek(-static_cast<LONGLONG>(m_nBufMax - m_nBufCur), CFile::current);
        m_nBufCur = m_nBufMax = 0;
    }
}

void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_pFile = nullptr;
}

void CArchive::CheckLoading() const
{
    if (!m_bLoading)
        FwThrowArchiveException(CArchiveException::writeOnly);
    if (!m_pFile)
        FwThrowArchiveException(CArchiveException::genericException);
}

void CArchive::CheckStoring() const
{
    if (m_bLoading)
        FwThrowArchiveException(CArchiveException::readOnly);
    if (!m_pFile)
        FwThrowArchiveException(CArchiveException::genericException);
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    CheckStoring();
    const BYTE* p = static_cast<const BYTE*>(lpBuf);
    while (nMax > 0) {
        if (m_nBufCur == m_buffer.size()) {
            m_pFile->Write(m_buffer.data(), m_nBufCur);
            m_nBufCur = 0;
        }
        UINT chunk = std::min<UINT>(nMax, static_cast<UINT>(m_buffer.size()) - m_nBufCur);
        std::memcpy(m_buffer.data() + m_nBufCur, p, chunk);
        m_nBufCur += chunk;
        p += chunk;
        nMax -= chunk;
    }
}

void CArchive::FillBuffer(UINT nNeeded)
{
    // Keep the unread bytes, then top the buffer up from the file.
    UINT left = m_nBufMax - m_nBufCur;
    std::memmove(m_buffer.data(), m_buffer.data() + m_nBufCur, left);
    m_nBufCur = 0;
    m_nBufMax = left;
    while (m_nBufMax < nNeeded) {
        UINT got = m_pFile->Read(m_buffer.data() + m_nBufMax, static_cast<UINT>(m_buffer.size()) - m_nBufMax);
        if (got == 0)
            break;
        m_nBufMax += got;
    }
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    CheckLoading();
    BYTE* p = static_cast<BYTE*>(lpBuf);
    UINT total = 0;
    while (total < nMax) {
        if (m_nBufCur == m_nBufMax) {
            FillBuffer(1);
            if (m_nBufMax == 0)
                break;
        }
        UINT chunk = std::min(nMax - total, m_nBufMax - m_nBufCur);
        std::memcpy(p + total, m_buffer.data() + m_nBufCur, chunk);
        m_nBufCur += chunk;
        total += chunk;
    }
    return total;
}

void CArchive::ReadExact(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        FwThrowArchiveException(CArchiveException::endOfFile);
}

ULONGLONG CArchive::BytesLeft() const
{
    ULONGLONG inFile = 0;
    ULONGLONG length = m_pFile->GetLength(), position = m_pFile->GetPosition();
    if (length > position)
        inFile = length - position;
    return inFile + (m_nBufMax - m_nBufCur);
}

void CArchive::CheckCount(DWORD_PTR nCount, UINT nMinBytesEach)
{
    CheckLoading();
    ULONGLONG needed = static_cast<ULONGLONG>(nCount) * std::max<UINT>(nMinBytesEach, 1);
    if (nCount > kMaxMapCount || needed > BytesLeft())
        FwThrowArchiveException(CArchiveException::endOfFile);
}

CArchive& CArchive::operator<<(const CString& str)
{
    DWORD length = static_cast<DWORD>(str.GetLength());
    if (length < 0xFF) {
        *this << static_cast<BYTE>(length);
    } else if (length < 0xFFFF) {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(length);
    } else {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << length;
    }
    Write(str.GetString(), length);
    return *this;
}

CArchive& CArchive::operator>>(CString& str)
{
    BYTE byteLength = 0;
    *this >> byteLength;
    DWORD length = byteLength;
    if (byteLength == 0xFF) {
        WORD wordLength = 0;
        *this >> wordLength;
        length = wordLength;
        if (wordLength == 0xFFFF)
            *this >> length;
    }
    CheckCount(length, 1);
    CString text;
    if (length > 0) {
        ReadExact(text.GetBufferSetLength(static_cast<int>(length)), length);
        text.ReleaseBuffer(static_cast<int>(length));
    }
    str = text;
    return *this;
}

CArchive& CArchive::operator<<(const POINT& pt)
{
    return *this << static_cast<LONG>(pt.x) << static_cast<LONG>(pt.y);
}

CArchive& CArchive::operator<<(const SIZE& size)
{
    return *this << static_cast<LONG>(size.cx) << static_cast<LONG>(size.cy);
}

CArchive& CArchive::operator<<(const RECT& rect)
{
    return *this << static_cast<LONG>(rect.left) << static_cast<LONG>(rect.top) << static_cast<LONG>(rect.right)
                 << static_cast<LONG>(rect.bottom);
}

CArchive& CArchive::operator>>(POINT& pt)
{
    return *this >> pt.x >> pt.y;
}

CArchive& CArchive::operator>>(SIZE& size)
{
    return *this >> size.cx >> size.cy;
}

CArchive& CArchive::operator>>(RECT& rect)
{
    return *this >> rect.left >> rect.top >> rect.right >> rect.bottom;
}

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < kCountEscape) {
        *this << static_cast<WORD>(dwCount);
    } else if (static_cast<DWORD_PTR>(static_cast<DWORD>(dwCount)) != dwCount) {
        // The format holds 32-bit counts: a larger one is refused, never cut.
        FwThrowArchiveException(CArchiveException::genericException);
    } else {
        *this << kCountEscape << static_cast<DWORD>(dwCount);
    }
}

DWORD_PTR CArchive::ReadCount()
{
    WORD wCount = 0;
    *this >> wCount;
    if (wCount != kCountEscape)
        return wCount;
    DWORD dwCount = 0;
    *this >> dwCount;
    return dwCount;
}

UINT CArchive::GetObjectSchema()
{
    UINT nSchema = m_nObjectSchema;
    m_nObjectSchema = static_cast<UINT>(-1);
    return nSchema;
}

void CArchive::WriteTag(DWORD dwTag, BOOL bClass)
{
    if (dwTag < kBigObjectTag) {
        *this << static_cast<WORD>(bClass ? (kClassTag | dwTag) : dwTag);
    } else {
        *this << kBigObjectTag << (bClass ? (kBigClassTag | dwTag) : dwTag);
    }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    CheckStoring();
    if (!pClassRef || !pClassRef->IsSerializable())
        FwThrowNotSupportedException();
    auto found = m_storeMap.find(pClassRef);
    if (found != m_storeMap.end()) {
        WriteTag(found->second, TRUE);
        return;
    }
    *this << kNewClassTag;
    pClassRef->Store(*this);
    DWORD index = static_cast<DWORD>(m_storeMap.size() + 1);
    if (index > kMaxMapCount)
        FwThrowArchiveException(CArchiveException::badIndex);
    m_storeMap.emplace(pClassRef, index);
}

void CArchive::WriteObject(const CObject* pOb)
{
    CheckStoring();
    if (!pOb) {
        *this << kNullTag;
        return;
    }
    auto found = m_storeMap.find(pOb);
    if (found != m_storeMap.end()) {
        WriteTag(found->second, FALSE);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    DWORD index = static_cast<DWORD>(m_storeMap.size() + 1);
    if (index > kMaxMapCount)
        FwThrowArchiveException(CArchiveException::badIndex);
    m_storeMap.emplace(pOb, index);
    // The object's own fields may refer back to it.
    const_cast<CObject*>(pOb)->Serialize(*this);
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD nameLength = static_cast<WORD>(std::strlen(m_lpszClassName));
    ar << static_cast<WORD>(m_wSchema & ~VERSIONABLE_SCHEMA) << nameLength;
    ar.Write(m_lpszClassName, nameLength);
}

CRuntimeClass* CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    WORD schema = 0, nameLength = 0;
    ar >> schema >> nameLength;
    if (nameLength == 0 || nameLength > kMaxClassNameLength)
        FwThrowArchiveException(CArchiveException::badClass);
    char name[kMaxClassNameLength + 1] = {};
    if (ar.Read(name, nameLength) != nameLength)
        FwThrowArchiveException(CArchiveException::endOfFile);
    if (pwSchemaNum)
        *pwSchemaNum = schema;
    return FromName(name);
}

CArchive::Tag CArchive::ReadTag()
{
    WORD tag = 0;
    *this >> tag;
    if (tag == kNullTag)
        return {Tag::null, 0};
    if (tag == kNewClassTag)
        return {Tag::newClass, 0};
    if (tag == kBigObjectTag) {
        DWORD bigTag = 0;
        *this >> bigTag;
        if (bigTag & kBigClassTag)
            return {Tag::classRef, bigTag & ~kBigClassTag};
        return {Tag::objectRef, bigTag};
    }
    if (tag & kClassTag)
        return {Tag::classRef, static_cast<DWORD>(tag & ~kClassTag)};
    return {Tag::objectRef, tag};
}

CRuntimeClass* CArchive::ClassOfRecord(DWORD dwIndex, const CRuntimeClass* pClassRefRequested, UINT* pSchema) const
{
    if (dwIndex == 0 || dwIndex >= m_loadMap.size() || !m_loadMap[dwIndex].pClass)
        FwThrowArchiveException(CArchiveException::badIndex);
    const LoadEntry& entry = m_loadMap[dwIndex];
    if (pClassRefRequested && !entry.pClass->IsDerivedFrom(pClassRefRequested))
        FwThrowArchiveException(CArchiveException::badClass);
    if (pSchema)
        *pSchema = entry.nSchema;
    return entry.pClass;
}

CRuntimeClass* CArchive::LoadClassRecord(const CRuntimeClass* pClassRefRequested, UINT* pSchema)
{
    UINT storedSchema = 0;
    CRuntimeClass* pClass = CRuntimeClass::Load(*this, &storedSchema);
    if (!pClass || !pClass->IsSerializable())
        FwThrowArchiveException(CArchiveException::badClass);
    if (pClassRefRequested && !pClass->IsDerivedFrom(pClassRefRequested))
        FwThrowArchiveException(CArchiveException::badClass);
    UINT currentSchema = pClass->m_wSchema & ~VERSIONABLE_SCHEMA;
    if (!(pClass->m_wSchema & VERSIONABLE_SCHEMA) && storedSchema != (currentSchema & 0xFFFF))
        FwThrowArchiveException(CArchiveException::badSchema);
    if (m_loadMap.size() > kMaxMapCount)
        FwThrowArchiveException(CArchiveException::badIndex);
    LoadEntry entry;
    entry.pClass = pClass;
    entry.nSchema = storedSchema;
    m_loadMap.push_back(entry);
    if (pSchema)
        *pSchema = storedSchema;
    return pClass;
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema)
{
    CheckLoading();
    Tag tag = ReadTag();
    if (tag.kind == Tag::newClass)
        return LoadClassRecord(pClassRefRequested, pSchema);
    if (tag.kind != Tag::classRef)
        FwThrowArchiveException(CArchiveException::badIndex);
    return ClassOfRecord(tag.index, pClassRefRequested, pSchema);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    CheckLoading();
    DepthGuard depth(m_nDepth);
    Tag tag = ReadTag();
    if (tag.kind == Tag::null)
        return nullptr;
    if (tag.kind == Tag::objectRef)
        return LoadObjectReference(tag.index, pClassRefRequested);
    UINT nSchema = 0;
    CRuntimeClass* pClass = tag.kind == Tag::newClass ? LoadClassRecord(pClassRefRequested, &nSchema)
                                                      : ClassOfRecord(tag.index, pClassRefRequested, &nSchema);
    return LoadNewObject(pClass, nSchema);
}

CObject* CArchive::LoadObjectReference(DWORD dwIndex, const CRuntimeClass* pClassRefRequested)
{
    if (dwIndex == 0 || dwIndex >= m_loadMap.size() || !m_loadMap[dwIndex].pObject || !m_bShareObjects)
        FwThrowArchiveException(CArchiveException::badIndex);
    CObject* pOb = m_loadMap[dwIndex].pObject;
    if (pClassRefRequested && !pOb->IsKindOf(pClassRefRequested))
        FwThrowArchiveException(CArchiveException::badClass);
    return pOb;
}

CObject* CArchive::LoadNewObject(CRuntimeClass* pClass, UINT nSchema)
{
    if (m_loadMap.size() > kMaxMapCount)
        FwThrowArchiveException(CArchiveException::badIndex);
    CObject* pOb = pClass->CreateObject();
    if (!pOb)
        FwThrowArchiveException(CArchiveException::badClass);
    size_t index = m_loadMap.size();
    try {
        LoadEntry entry;
        entry.pObject = pOb;
        m_loadMap.push_back(entry);
        m_nObjectSchema = nSchema;
        pOb->Serialize(*this);
    } catch (...) {
        if (index < m_loadMap.size())
            m_loadMap[index].pObject = nullptr;
        delete pOb;
        m_nObjectSchema = static_cast<UINT>(-1);
        throw;
    }
    m_nObjectSchema = static_cast<UINT>(-1);
    return pOb;
}
