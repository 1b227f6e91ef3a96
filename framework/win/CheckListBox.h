// CCheckListBox: an owner-drawn list box (LBS_OWNERDRAWFIXED with LBS_HASSTRINGS) with a check
// box in front of every item. A click on an item's box and Space on the focused item are check
// input: the auto styles change the check themselves, and the parent hears CLBN_CHKCHANGE. The
// parent is a framework window, which reflects WM_DRAWITEM to the list.
#pragma once
#include "win/ListBox.h"
#include <vector>

// WM_COMMAND notification to the parent: the user checked or unchecked an item.
#define CLBN_CHKCHANGE 40

class CCheckListBox : public CListBox {
    DECLARE_DYNAMIC(CCheckListBox)
public:
    // Adds LBS_OWNERDRAWFIXED and LBS_HASSTRINGS when no owner-draw style is given.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // BS_AUTOCHECKBOX (the default) and BS_AUTO3STATE change the check on input; with
    // BS_CHECKBOX and BS_3STATE the check stays and the parent decides on CLBN_CHKCHANGE.
    void SetCheckStyle(UINT nStyle) { m_nStyle = nStyle; }
    UINT GetCheckStyle() const { return m_nStyle; }
    // 0 unchecked, 1 checked, 2 indeterminate; -1 (LB_ERR) for an index out of range.
    int GetCheck(int nIndex) const;
    void SetCheck(int nIndex, int nCheck);

    // Draws the check box, then the text, selected and focused as the state says.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    // Keeps the checks in step with the items, whoever adds or deletes them.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PreSubclassWindow() override;

    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    // The check box sits in a square as wide as an item is high, at the item's left.
    int CheckAreaWidth() const { return GetItemHeight(0); }
    bool IsOnCheckBox(CPoint point, int* pnIndex) const;
    void CheckByUser(int nIndex);
    void FitItemHeight();

    std::vector<int> m_checks;
    UINT m_nStyle = BS_AUTOCHECKBOX;
    bool m_bCreating = false;
};
