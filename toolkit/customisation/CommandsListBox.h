// CCommandsListBox: the owner-drawn list of commands on the Commands page. Each item's data is
// the command's button; the item is drawn by the button itself as in customisation lists, with
// the list item's text, on the look's list background.
#pragma once
#include "win/ListBox.h"

#include "core/Size.h"

class CWTKToolbarButton;

class CCommandsListBox : public CListBox {
    DECLARE_DYNAMIC(CCommandsListBox)
public:
    CCommandsListBox();

    // The button of an item, or null.
    CWTKToolbarButton* GetButton(int nIndex) const;

    // Room round a menu image in each item.
    static constexpr int kImageMargin = 6;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void PreSubclassWindow() override;
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMIS);
    // A press on the selected command drags its button onto a toolbar or menu.
    void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    void DragButton(CWTKToolbarButton* pButton);

    CSize m_sizeButton;
};
