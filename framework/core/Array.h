// CArray: a growable array of values; the base of the typed array classes.
// Indexes outside the array are a programming error; the typed accessors clamp
// nothing, as in every array of this kind, so callers check GetSize() first.
#pragma once
#include "core/Object.h"
#include <algorithm>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    CArray() = default;
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }

    // nGrowBy: elements added at a time when the array must grow; -1 keeps the
    // current step (by default an eighth of the size, between 4 and 1024).
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
    {
        if (nGrowBy >= 0)
            m_nGrowBy = nGrowBy;
        size_t newSize = static_cast<size_t>(std::max<INT_PTR>(nNewSize, 0));
        if (newSize > m_data.capacity())
            Reserve(newSize);
        m_data.resize(newSize);
    }
    INT_PTR GetGrowBy() const { return m_nGrowBy; }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { std::vector<TYPE>().swap(m_data); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data[static_cast<size_t>(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_data[static_cast<size_t>(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[static_cast<size_t>(nIndex)] = newElement; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data[static_cast<size_t>(nIndex)]; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_data[static_cast<size_t>(nIndex)]; }
    const TYPE* GetData() const { return m_data.data(); }
    TYPE* GetData() { return m_data.data(); }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
    {
        if (nIndex >= GetSize()) {
            TYPE copy = newElement;  // newElement may live inside the array
            SetSize(nIndex + 1);
            m_data[static_cast<size_t>(nIndex)] = copy;
        } else {
            SetAt(nIndex, newElement);
        }
    }
    INT_PTR Add(ARG_TYPE newElement)
    {
        INT_PTR nIndex = GetSize();
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }
    INT_PTR Append(const CArray& src)
    {
        INT_PTR nOldSize = GetSize();
        if (&src == this) {
            std::vector<TYPE> copy = m_data;
            AppendRange(copy.begin(), copy.end());
        } else {
            AppendRange(src.m_data.begin(), src.m_data.end());
        }
        return nOldSize;
    }
    void Copy(const CArray& src)
    {
        if (&src != this) {
            SetSize(src.GetSize());
            std::copy(src.m_data.begin(), src.m_data.end(), m_data.begin());
        }
    }
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
    {
        if (nCount <= 0)
            return;
        TYPE copy = newElement;
        if (nIndex >= GetSize()) {
            SetSize(nIndex + nCount);
            std::fill(m_data.begin() + nIndex, m_data.end(), copy);
        } else {
            Reserve(m_data.size() + static_cast<size_t>(nCount));
            m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), copy);
        }
    }
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
    {
        if (!pNewArray || pNewArray->IsEmpty())
            return;
        std::vector<TYPE> copy = pNewArray->m_data;
        if (nStartIndex > GetSize())
            SetSize(nStartIndex);
        Reserve(m_data.size() + copy.size());
        m_data.insert(m_data.begin() + nStartIndex, copy.begin(), copy.end());
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount <= 0 || nIndex >= GetSize())
            return;
        INT_PTR nEnd = std::min(GetSize(), nIndex + nCount);
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nEnd);
    }

protected:
    template <class It>
    void AppendRange(It first, It last)
    {
        Reserve(m_data.size() + static_cast<size_t>(last - first));
        m_data.insert(m_data.end(), first, last);
    }
    // Grows the storage in steps of the growth size rather than doubling it.
    void Reserve(size_t nNeeded)
    {
        if (nNeeded <= m_data.capacity())
            return;
        size_t step = static_cast<size_t>(m_nGrowBy);
        if (m_nGrowBy < 0)
            step = std::min<size_t>(1024, std::max<size_t>(4, m_data.size() / 8));
        m_data.reserve(std::max(nNeeded, m_data.capacity() + std::max<size_t>(step, 1)));
    }

    std::vector<TYPE> m_data;
    INT_PTR m_nGrowBy = -1;
};
