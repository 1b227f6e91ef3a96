// CToolbarsCheckList: the Toolbars page's check list. Beside every item it keeps an "enabled"
// flag that follows the items through every add, insert, delete and reset (a new item is
// enabled). The check of a disabled item cannot be changed by a click or by Space (the system
// beeps); a double click on an enabled item toggles its check and tells the parent.
#pragma once
#include "win/CheckListBox.h"

#include <vector>

class CToolbarsCheckList : public CCheckListBox {
    DECLARE_DYNAMIC(CToolbarsCheckList)
public:
    void Enable(int nIndex, BOOL bEnable = TRUE);
    // FALSE also for an index out of range.
    BOOL IsEnabled(int nIndex) const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    // The item whose check box lies under the point, or -1.
    int CheckBoxHitTest(CPoint point) const;
    void NotifyCheckChange();

    std::vector<BOOL> m_enabled;
};
