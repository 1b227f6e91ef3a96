#include "command_bars/WTKToolbarButtonList.h"

#include "core/Archive.h"
#include "core/ObList.h"

#include <algorithm>

CWTKToolbarButtonList::~CWTKToolbarButtonList()
{
    RemoveAll();
}

CWTKToolbarButton* CWTKToolbarButtonList::GetAt(int iIndex) const
{
    if (iIndex < 0 || iIndex >= GetCount())
        return nullptr;
    return m_items[static_cast<size_t>(iIndex)].get();
}

int CWTKToolbarButtonList::Find(const CWTKToolbarButton* pButton) const
{
    const auto it =
        std::find_if(m_items.begin(), m_items.end(), [pButton](const Entry& entry) { return entry.get() == pButton; });
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

void CWTKToolbarButtonList::AddTail(std::unique_ptr<CWTKToolbarButton> pButton)
{
    InsertAt(GetCount(), std::move(pButton));
}

void CWTKToolbarButtonList::InsertAt(int iIndex, std::unique_ptr<CWTKToolbarButton> pButton)
{
    iIndex = std::max(0, std::min(iIndex, GetCount()));
    // Room first: once the button is in an entry nothing can throw.
    m_items.reserve(m_items.size() + 1);
    m_items.insert(m_items.begin() + iIndex, Entry(pButton.release()));
}

void CWTKToolbarButtonList::AddBorrowed(CWTKToolbarButton* pButton)
{
    m_items.emplace_back(pButton, EntryDelete {false});
}

std::unique_ptr<CWTKToolbarButton> CWTKToolbarButtonList::RemoveAt(int iIndex)
{
    if (iIndex < 0 || iIndex >= GetCount())
        return nullptr;
    Entry entry = std::move(m_items[static_cast<size_t>(iIndex)]);
    m_items.erase(m_items.begin() + iIndex);
    if (!entry.get_deleter().bOwned) {
        entry.release();
        return nullptr;
    }
    return std::unique_ptr<CWTKToolbarButton>(entry.release());
}

std::unique_ptr<CWTKToolbarButton> CWTKToolbarButtonList::Remove(const CWTKToolbarButton* pButton)
{
    return RemoveAt(Find(pButton));
}

void CWTKToolbarButtonList::RemoveAll()
{
    // A button's destructor may reach its bar (a control's window going away): it finds the
    // list already empty rather than half deleted.
    Items items;
    items.swap(m_items);
    for (Entry& entry : items)
        entry.reset();
}

void CWTKToolbarButtonList::TakeOver(CObList& list)
{
    m_items.reserve(m_items.size() + static_cast<size_t>(list.GetCount()));
    while (!list.IsEmpty())
        m_items.emplace_back(static_cast<CWTKToolbarButton*>(list.RemoveHead()));
}

void CWTKToolbarButtonList::ListIn(CObList& view) const
{
    for (CWTKToolbarButton* pButton : *this)
        view.AddTail(pButton);
}

void CWTKToolbarButtonList::Serialize(CArchive& ar, const CRuntimeClass* pElementClass, DWORD_PTR nMaxCount)
{
    if (ar.IsStoring()) {
        CObList view;
        ListIn(view);
        view.Serialize(ar, pElementClass);
        return;
    }
    CObList read;
    read.Serialize(ar, pElementClass, nMaxCount);
    TakeOver(read);
}
