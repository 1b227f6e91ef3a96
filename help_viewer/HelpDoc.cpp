#include "HelpDoc.h"

#include "ViewerConstants.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CHelpDoc, CDocument)

CHelpDoc::~CHelpDoc() = default;

void CHelpDoc::Serialize(CArchive&) {}

CHistoryItem* CHelpDoc::GetHistoryAt(int nPosition) const
{
    if (nPosition < 0 || nPosition >= GetHistoryCount())
        return nullptr;
    return m_history[static_cast<size_t>(nPosition)].get();
}

UINT CHelpDoc::LowestFreeId() const
{
    for (UINT id = Lumidoc::kFirstHistoryId; id < Lumidoc::kFirstHistoryId + Lumidoc::kMaxHistory; ++id) {
        bool taken = false;
        for (const auto& item : m_history)
            taken = taken || item->GetCommandId() == id;
        if (!taken)
            return id;
    }
    return Lumidoc::kFirstHistoryId;  // not reached: an entry was dropped to make room
}

CHistoryItem* CHelpDoc::AddHistory(LPCSTR lpszTitle, LPCSTR lpszAddress)
{
    const CString title(lpszTitle ? lpszTitle : "");
    const CString address(lpszAddress ? lpszAddress : "");
    for (const auto& item : m_history) {
        if (item->GetTitle() == title && item->GetAddress() == address)
            return item.get();
    }
    if (GetHistoryCount() >= Lumidoc::kMaxHistory)
        m_history.pop_back();
    m_history.insert(m_history.begin(), std::make_unique<CHistoryItem>(title, address, LowestFreeId()));
    m_nCurrent = 0;
    return m_history.front().get();
}

CHistoryItem* CHelpDoc::GetHistoryItem(UINT nCommandId)
{
    for (int position = 0; position < GetHistoryCount(); ++position) {
        if (m_history[static_cast<size_t>(position)]->GetCommandId() == nCommandId) {
            m_nCurrent = position;
            return GetHistoryAt(position);
        }
    }
    return nullptr;
}

BOOL CHelpDoc::CanGoBack() const
{
    return m_nCurrent < GetHistoryCount() - 1;
}

BOOL CHelpDoc::CanGoForward() const
{
    return m_nCurrent > 0 && m_nCurrent < GetHistoryCount();
}

CHistoryItem* CHelpDoc::StepBack()
{
    if (!CanGoBack())
        return nullptr;
    return GetHistoryAt(++m_nCurrent);
}

CHistoryItem* CHelpDoc::StepForward()
{
    if (!CanGoForward())
        return nullptr;
    return GetHistoryAt(--m_nCurrent);
}

std::vector<CHistoryItem*> CHelpDoc::GetBackList() const
{
    std::vector<CHistoryItem*> list;
    for (int position = m_nCurrent + 1; position < GetHistoryCount(); ++position)
        list.push_back(GetHistoryAt(position));
    return list;
}

std::vector<CHistoryItem*> CHelpDoc::GetForwardList() const
{
    std::vector<CHistoryItem*> list;
    for (int position = std::min(m_nCurrent, GetHistoryCount()) - 1; position >= 0; --position)
        list.push_back(GetHistoryAt(position));
    return list;
}
