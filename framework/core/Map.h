// CMap: a hash map with a fixed number of buckets (17 by default) whose entries are
// allocated in blocks (10 by default). Integer and handle keys go to bucket
// (key >> 4) mod the bucket count. Iteration runs through the buckets in order and,
// within a bucket, from the most recently added entry: the order depends only on
// the keys and the order in which they were added.
#pragma once
#include "core/Object.h"
#include "core/Position.h"
#include "core/SerializeElements.h"
#include "core/String.h"
#include <type_traits>
#include <vector>

template <class ARG_KEY>
inline UINT HashKey(ARG_KEY key)
{
    if constexpr (std::is_pointer_v<ARG_KEY>)
        return static_cast<UINT>(reinterpret_cast<UINT_PTR>(key) >> 4);
    else
        return static_cast<UINT>(key) >> 4;
}

template <>
inline UINT HashKey<LPCSTR>(LPCSTR key)
{
    UINT nHash = 0;
    while (key && *key)
        nHash = (nHash << 5) + nHash + static_cast<BYTE>(*key++);
    return nHash;
}

template <>
inline UINT HashKey<const CString&>(const CString& key)
{
    return HashKey<LPCSTR>(key.GetString());
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
public:
    static constexpr UINT kDefaultHashTableSize = 17;
    static constexpr INT_PTR kDefaultBlockSize = 10;

    explicit CMap(INT_PTR nBlockSize = kDefaultBlockSize) : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 1) {}
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        const CAssoc* pAssoc = Find(key);
        if (!pAssoc)
            return FALSE;
        rValue = pAssoc->value;
        return TRUE;
    }
    VALUE& operator[](ARG_KEY key)
    {
        if (CAssoc* pAssoc = Find(key))
            return pAssoc->value;
        if (m_buckets.empty())
            m_buckets.assign(m_nHashTableSize, nullptr);
        UINT nHash = HashKey<ARG_KEY>(key);
        CAssoc* pAssoc = NewAssoc();
        pAssoc->nHashValue = nHash;
        pAssoc->key = key;
        CAssoc*& head = m_buckets[nHash % m_nHashTableSize];
        pAssoc->pNext = head;
        head = pAssoc;
        return pAssoc->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

    // Removing the last entry frees the bucket table and the blocks.
    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_buckets.empty())
            return FALSE;
        UINT nHash = HashKey<ARG_KEY>(key);
        for (CAssoc** ppPrev = &m_buckets[nHash % m_nHashTableSize]; *ppPrev; ppPrev = &(*ppPrev)->pNext) {
            CAssoc* pAssoc = *ppPrev;
            if (pAssoc->nHashValue == nHash && pAssoc->key == key) {
                *ppPrev = pAssoc->pNext;
                FreeAssoc(pAssoc);
                return TRUE;
            }
        }
        return FALSE;
    }
    void RemoveAll()
    {
        for (CAssoc* pBlock : m_blocks)
            delete[] pBlock;
        m_blocks.clear();
        m_buckets.clear();
        m_buckets.shrink_to_fit();
        m_pFreeList = nullptr;
        m_nCount = 0;
    }

    POSITION GetStartPosition() const { return ToPos(NextAssoc(nullptr, 0)); }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        const CAssoc* pAssoc = reinterpret_cast<const CAssoc*>(rNextPosition);
        rKey = pAssoc->key;
        rValue = pAssoc->value;
        rNextPosition = ToPos(NextAssoc(pAssoc->pNext, pAssoc->nHashValue % m_nHashTableSize + 1));
    }

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    // Takes effect only while the map is empty.
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE)
    {
        if (m_nCount != 0 || nHashSize == 0)
            return;
        m_nHashTableSize = nHashSize;
        m_buckets.clear();
        if (bAllocNow)
            m_buckets.assign(nHashSize, nullptr);
    }

    // The count, then key and value of each entry in iteration order; loading adds or
    // replaces entries. Maps with pointer keys or values cannot be stored.
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
            for (POSITION pos = GetStartPosition(); pos;) {
                KEY key {};
                VALUE value {};
                GetNextAssoc(pos, key, value);
                FwSerializeElement(ar, key);
                FwSerializeElement(ar, value);
            }
            return;
        }
        DWORD_PTR nCount = ar.ReadCount();
        ar.CheckCount(nCount, FwMinElementBytes<KEY>() + FwMinElementBytes<VALUE>());
        for (DWORD_PTR i = 0; i < nCount; ++i) {
            KEY key {};
            VALUE value {};
            FwSerializeElement(ar, key);
            FwSerializeElement(ar, value);
            (*this)[key] = value;
        }
    }

private:
    struct CAssoc {
        CAssoc* pNext = nullptr;
        UINT nHashValue = 0;
        KEY key {};
        VALUE value {};
    };

    static POSITION ToPos(const CAssoc* p) { return reinterpret_cast<POSITION>(const_cast<CAssoc*>(p)); }

    // pAssoc if not null, else the head of the first non-empty bucket from nBucket on.
    const CAssoc* NextAssoc(const CAssoc* pAssoc, UINT nBucket) const
    {
        for (; !pAssoc && nBucket < m_buckets.size(); ++nBucket)
            pAssoc = m_buckets[nBucket];
        return pAssoc;
    }
    CAssoc* Find(ARG_KEY key) const
    {
        if (m_buckets.empty())
            return nullptr;
        UINT nHash = HashKey<ARG_KEY>(key);
        for (CAssoc* p = m_buckets[nHash % m_nHashTableSize]; p; p = p->pNext) {
            if (p->nHashValue == nHash && p->key == key)
                return p;
        }
        return nullptr;
    }
    CAssoc* NewAssoc()
    {
        if (!m_pFreeList) {
            CAssoc* pBlock = new CAssoc[static_cast<size_t>(m_nBlockSize)];
            m_blocks.push_back(pBlock);
            for (INT_PTR i = m_nBlockSize - 1; i >= 0; --i) {
                pBlock[i].pNext = m_pFreeList;
                m_pFreeList = &pBlock[i];
            }
        }
        CAssoc* pAssoc = m_pFreeList;
        m_pFreeList = pAssoc->pNext;
        ++m_nCount;
        return pAssoc;
    }
    void FreeAssoc(CAssoc* pAssoc)
    {
        pAssoc->key = KEY {};
        pAssoc->value = VALUE {};
        pAssoc->pNext = m_pFreeList;
        m_pFreeList = pAssoc;
        if (--m_nCount == 0)
            RemoveAll();
    }

    std::vector<CAssoc*> m_buckets;
    std::vector<CAssoc*> m_blocks;
    CAssoc* m_pFreeList = nullptr;
    INT_PTR m_nCount = 0;
    UINT m_nHashTableSize = kDefaultHashTableSize;
    INT_PTR m_nBlockSize;
};

typedef CMap<UINT, UINT, int, int> CMapUIntToInt;
typedef CMap<UINT, UINT, UINT, UINT> CMapUIntToUInt;
typedef CMap<UINT, UINT, void*, void*> CMapUIntToPtr;
typedef CMap<WORD, WORD, void*, void*> CMapWordToPtr;
typedef CMap<void*, void*, void*, void*> CMapPtrToPtr;
typedef CMap<CString, LPCSTR, void*, void*> CMapStringToPtr;
typedef CMap<CString, LPCSTR, UINT, UINT> CMapStringToUInt;
typedef CMap<CString, LPCSTR, CString, LPCSTR> CMapStringToString;
