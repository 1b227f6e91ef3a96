// CWTKCommandIdPool: the range of command ids that tear-off sub-menus use. Each id carries a
// use counter; a sub-menu marked for tearing off gets a free id written into its text
// ("\1<id>\1<text>") so that the id survives in the menu handle.
#pragma once
#include "foundation/WTKCommandIdPoolBase.h"

#include "core/String.h"

#include <vector>

class CWTKCommandIdPool : public CWTKCommandIdPoolBase {
public:
    static constexpr char kMarker = '\1';
    // The deepest sub-menu nesting walked (menus come from outside).
    static constexpr int kMaxDepth = 16;

    // Becomes the process-wide pool of the ids uiFirstId..uiLastId (inclusive).
    CWTKCommandIdPool(UINT uiFirstId, UINT uiLastId);
    ~CWTKCommandIdPool() override;
    CWTKCommandIdPool(const CWTKCommandIdPool&) = delete;
    CWTKCommandIdPool& operator=(const CWTKCommandIdPool&) = delete;

    // Without a menu every id is free again; with one, the ids written in its sub-menu texts.
    void Rebuild(HMENU hMenu = nullptr);
    // The first free id, now in use; 0 when none is free or the range is empty.
    UINT Allocate();
    void UpdateUsage(UINT uiId, BOOL bAdd);
    int GetUsage(UINT uiId) const;
    // Gives every tear-off sub-menu of the menu (menu bar break set) without an id one.
    void EncodeMenu(HMENU hMenu);

protected:
    void RebuildMenu(HMENU hMenu, int nDepth);
    // FALSE when the walk has to stop (no id left).
    BOOL EncodeMenuLevel(HMENU hMenu, int nDepth);
    BOOL IsInRange(UINT uiId) const { return m_uiFirstId != 0 && uiId >= m_uiFirstId && uiId <= m_uiLastId; }

    UINT m_uiFirstId;
    UINT m_uiLastId;
    std::vector<int> m_Usage;
};

// "\1<id>\1<text>".
CString EncodePopupName(UINT uiId, const CString& strText);
// The id in a text made by EncodePopupName, and the text without it; 0 (text unchanged) for
// any other text.
UINT DecodePopupName(CString& strText);
// The text of a menu item by position (empty when it has none).
CString WTKReadMenuItemText(HMENU hMenu, int nPos);
