// CList: a doubly linked list walked with POSITION values; the base of the typed lists.
#pragma once
#include "core/Object.h"
#include "core/Position.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
    struct CNode {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    CList() = default;
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return m_pNodeHead->data; }
    const TYPE& GetHead() const { return m_pNodeHead->data; }
    TYPE& GetTail() { return m_pNodeTail->data; }
    const TYPE& GetTail() const { return m_pNodeTail->data; }

    TYPE RemoveHead()
    {
        TYPE value = m_pNodeHead->data;
        FreeNode(m_pNodeHead);
        return value;
    }
    TYPE RemoveTail()
    {
        TYPE value = m_pNodeTail->data;
        FreeNode(m_pNodeTail);
        return value;
    }
    POSITION AddHead(ARG_TYPE newElement) { return InsertNode(nullptr, m_pNodeHead, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertNode(m_pNodeTail, nullptr, newElement); }
    void AddHead(const CList* pNewList)
    {
        for (CNode* p = pNewList->m_pNodeTail; p; p = p->pPrev)
            AddHead(p->data);
    }
    void AddTail(const CList* pNewList)
    {
        for (CNode* p = pNewList->m_pNodeHead; p; p = p->pNext)
            AddTail(p->data);
    }
    void RemoveAll()
    {
        while (m_pNodeHead)
            FreeNode(m_pNodeHead);
    }

    POSITION GetHeadPosition() const { return ToPos(m_pNodeHead); }
    POSITION GetTailPosition() const { return ToPos(m_pNodeTail); }
    TYPE& GetNext(POSITION& rPosition)
    {
        CNode* p = FromPos(rPosition);
        rPosition = ToPos(p->pNext);
        return p->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const
    {
        CNode* p = FromPos(rPosition);
        rPosition = ToPos(p->pNext);
        return p->data;
    }
    TYPE& GetPrev(POSITION& rPosition)
    {
        CNode* p = FromPos(rPosition);
        rPosition = ToPos(p->pPrev);
        return p->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const
    {
        CNode* p = FromPos(rPosition);
        rPosition = ToPos(p->pPrev);
        return p->data;
    }
    TYPE& GetAt(POSITION position) { return FromPos(position)->data; }
    const TYPE& GetAt(POSITION position) const { return FromPos(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { FromPos(pos)->data = newElement; }
    void RemoveAt(POSITION position) { FreeNode(FromPos(position)); }
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        if (!position)
            return AddHead(newElement);
        CNode* p = FromPos(position);
        return InsertNode(p->pPrev, p, newElement);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        if (!position)
            return AddTail(newElement);
        CNode* p = FromPos(position);
        return InsertNode(p, p->pNext, newElement);
    }

    // Searches after startAfter (from the head when null); null when not found.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        CNode* p = startAfter ? FromPos(startAfter)->pNext : m_pNodeHead;
        for (; p; p = p->pNext) {
            if (p->data == searchValue)
                return ToPos(p);
        }
        return nullptr;
    }
    // The nIndex-th position from the head; null when out of range. The walk starts at the
    // head, the tail or the position found last, whichever is nearest, so that a loop over
    // the indices walks the list once, not once per index. It remembers that position: like
    // a change, a lookup needs the list to itself.
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        CNode* p = m_pNodeHead;
        INT_PTR nAt = 0;
        if (m_nCount - 1 - nIndex < nIndex) {
            p = m_pNodeTail;
            nAt = m_nCount - 1;
        }
        if (m_pCursor != nullptr && Distance(m_nCursor, nIndex) < Distance(nAt, nIndex)) {
            p = m_pCursor;
            nAt = m_nCursor;
        }
        for (; nAt < nIndex; ++nAt)
            p = p->pNext;
        for (; nAt > nIndex; --nAt)
            p = p->pPrev;
        m_pCursor = p;
        m_nCursor = nIndex;
        return ToPos(p);
    }

private:
    static POSITION ToPos(CNode* p) { return reinterpret_cast<POSITION>(p); }
    static CNode* FromPos(POSITION pos) { return reinterpret_cast<CNode*>(pos); }
    static INT_PTR Distance(INT_PTR nFrom, INT_PTR nTo) { return nFrom < nTo ? nTo - nFrom : nFrom - nTo; }

    POSITION InsertNode(CNode* pPrev, CNode* pNext, ARG_TYPE newElement)
    {
        CNode* p = new CNode {pNext, pPrev, TYPE(newElement)};
        (pPrev ? pPrev->pNext : m_pNodeHead) = p;
        (pNext ? pNext->pPrev : m_pNodeTail) = p;
        ++m_nCount;
        m_pCursor = nullptr;
        return ToPos(p);
    }
    void FreeNode(CNode* p)
    {
        (p->pPrev ? p->pPrev->pNext : m_pNodeHead) = p->pNext;
        (p->pNext ? p->pNext->pPrev : m_pNodeTail) = p->pPrev;
        --m_nCount;
        m_pCursor = nullptr;
        delete p;
    }

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
    // The position FindIndex found last and its index; null after any insertion or removal.
    mutable CNode* m_pCursor = nullptr;
    mutable INT_PTR m_nCursor = 0;
};
