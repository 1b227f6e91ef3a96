// CWTKToolbarButtonList: the ordered buttons of a toolbar. A button comes in with its ownership
// (AddTail, InsertAt) and leaves with it (RemoveAt, Remove); walking the list (range-for) hands
// out plain pointers that stay the list's. A list may also show buttons another list owns
// (AddBorrowed, as a drop-down list shows its source bar's): it never deletes those, and
// removing one gives back nothing.
#pragma once

#include "command_bars/WTKToolbarButton.h"

#include <memory>
#include <vector>

class CArchive;
class CObList;
struct CRuntimeClass;

class CWTKToolbarButtonList {
    // Deletes an owned button only.
    struct EntryDelete {
        bool bOwned = true;
        void operator()(CWTKToolbarButton* pButton) const
        {
            if (bOwned)
                delete pButton;
        }
    };
    using Entry = std::unique_ptr<CWTKToolbarButton, EntryDelete>;
    using Items = std::vector<Entry>;

public:
    class const_iterator {
    public:
        explicit const_iterator(Items::const_iterator it) : m_it(it) {}
        CWTKToolbarButton* operator*() const { return m_it->get(); }
        const_iterator& operator++()
        {
            ++m_it;
            return *this;
        }
        bool operator==(const const_iterator& other) const { return m_it == other.m_it; }
        bool operator!=(const const_iterator& other) const { return m_it != other.m_it; }

    private:
        Items::const_iterator m_it;
    };

    CWTKToolbarButtonList() = default;
    ~CWTKToolbarButtonList();
    CWTKToolbarButtonList(const CWTKToolbarButtonList&) = delete;
    CWTKToolbarButtonList& operator=(const CWTKToolbarButtonList&) = delete;

    int GetCount() const { return static_cast<int>(m_items.size()); }
    BOOL IsEmpty() const { return m_items.empty(); }
    // Null when iIndex is out of range.
    CWTKToolbarButton* GetAt(int iIndex) const;
    CWTKToolbarButton* GetHead() const { return GetAt(0); }
    CWTKToolbarButton* GetTail() const { return GetAt(GetCount() - 1); }
    // The index of pButton, or -1.
    int Find(const CWTKToolbarButton* pButton) const;

    void AddTail(std::unique_ptr<CWTKToolbarButton> pButton);
    // Inserts before the button at iIndex; GetCount() appends.
    void InsertAt(int iIndex, std::unique_ptr<CWTKToolbarButton> pButton);
    // Shows pButton at the end; its owner keeps it and must outlive its place here.
    void AddBorrowed(CWTKToolbarButton* pButton);
    // Gives the button at iIndex back to the caller (null when out of range or borrowed).
    std::unique_ptr<CWTKToolbarButton> RemoveAt(int iIndex);
    // Gives pButton back to the caller (null when it is not in the list or borrowed).
    std::unique_ptr<CWTKToolbarButton> Remove(const CWTKToolbarButton* pButton);
    // Deletes every owned button, first to last, and lets the borrowed ones go; the list is
    // empty while they go.
    void RemoveAll();
    // Takes over the buttons an archive read into list (nulls included), emptying it.
    void TakeOver(CObList& list);
    // Adds every button to view, which only refers to them: the list keeps them.
    void ListIn(CObList& view) const;
    // Stores the buttons as an object list, or appends the ones an archive holds (nulls
    // included): each of pElementClass, at most nMaxCount of them, and none when the archive is
    // damaged.
    void Serialize(CArchive& ar, const CRuntimeClass* pElementClass, DWORD_PTR nMaxCount = static_cast<DWORD_PTR>(-1));

    const_iterator begin() const { return const_iterator(m_items.begin()); }
    const_iterator end() const { return const_iterator(m_items.end()); }

private:
    Items m_items;
};
