// CHelpDoc: the viewer's document. It stores nothing; it keeps the navigation history: at
// most five pages, position 0 the most recent, each with its own command id of 4096 to 4100,
// and the current position, the page shown.
#pragma once
#include "HistoryItem.h"
#include "docview/Document.h"

#include <memory>
#include <vector>

class CHelpDoc : public CDocument {
    DECLARE_DYNCREATE(CHelpDoc)
public:
    CHelpDoc() = default;
    ~CHelpDoc() override;

    // A completed page. An entry of equal title and address is returned as it is (nothing
    // changes). Otherwise, with the history full the oldest entry goes; the new entry takes
    // the lowest command id no other entry holds, goes to position 0 and becomes current.
    CHistoryItem* AddHistory(LPCSTR lpszTitle, LPCSTR lpszAddress);
    // A pick from a drop-down: the entry with that command id becomes current, in its place.
    // Null (and nothing changes) when no entry has that id.
    CHistoryItem* GetHistoryItem(UINT nCommandId);
    // One step to an older page, or to a newer one: the entry now current, or null (nothing
    // changes) at the end of the history.
    CHistoryItem* StepBack();
    CHistoryItem* StepForward();
    BOOL CanGoBack() const;
    BOOL CanGoForward() const;

    int GetHistoryCount() const { return static_cast<int>(m_history.size()); }
    // Null outside 0 .. count - 1.
    CHistoryItem* GetHistoryAt(int nPosition) const;
    int GetCurrentPosition() const { return m_nCurrent; }
    // The drop-downs' lists, nearest first: older pages (current position + 1 to the last)
    // and newer pages (current position - 1 down to 0).
    std::vector<CHistoryItem*> GetBackList() const;
    std::vector<CHistoryItem*> GetForwardList() const;

    // Nothing is ever read or written.
    void Serialize(CArchive& ar) override;

private:
    UINT LowestFreeId() const;

    std::vector<std::unique_ptr<CHistoryItem>> m_history;
    int m_nCurrent = 0;
};
