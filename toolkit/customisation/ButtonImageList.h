// CButtonImageList: a vertically scrolling grid of image buttons drawn from one image strip,
// as the "Button Appearance" dialog lists the user images. The list holds the buttons but does
// not own them: whoever adds them deletes them, after RemoveButtons.
#pragma once
#include "win/Button.h"
#include "win/ScrollBar.h"

#include "core/Rect.h"
#include "core/Size.h"

#include <vector>

class CWTKImageStrip;
class CWTKToolbarButton;

class CButtonImageList : public CButton {
public:
    CButtonImageList() = default;
    ~CButtonImageList() override;

    // Takes the button size from the strip's images and removes all buttons.
    void SetImages(CWTKImageStrip* pImages);
    CWTKImageStrip* GetImages() const { return m_pImages; }
    void AddButton(CWTKToolbarButton* pButton);
    void RemoveButtons();
    const std::vector<CWTKToolbarButton*>& GetButtons() const { return m_Buttons; }

    CWTKToolbarButton* GetSelectedButton() const { return m_pSelButton; }
    // Selects the button and tells the parent (not when it is selected already).
    void SelectButton(CWTKToolbarButton* pButton);
    // The button whose image in effect is iImage; below 0 selects none. FALSE when no button
    // has that image (the selection stays).
    BOOL SelectButton(int iImage);
    // The button under a client point, or null.
    CWTKToolbarButton* HitTest(CPoint point) const;

    void EnableDragFromList(BOOL bEnable = TRUE) { m_bEnableDragFromList = bEnable; }
    int GetScrollOffset() const { return m_iScrollOffset; }
    int GetScrollTotal() const { return m_iScrollTotal; }
    int GetVisibleRows() const { return m_nRows; }
    CSize GetButtonSize() const { return m_sizeButton; }
    // The list's own vertical scroll bar once it has a window, else null.
    CScrollBar* GetScrollBarCtrl();

    // Paints the whole list into pDC at the client origin.
    void Draw(CDC* pDC);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void OnSize(UINT nType, int cx, int cy);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point) { OnLButtonDown(nFlags, point); }
    UINT OnGetDlgCode() { return DLGC_WANTARROWS; }
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnEnable(BOOL bEnable);
    void OnSysColorChange();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()

    void RebuildLocations();
    void UpdateScrollRange();
    void ScrollTo(int iOffset);
    void StartDrag(CWTKToolbarButton* pButton);
    void RedrawSelection();
    // The button's rectangle with room for the selection frame, invalidated.
    void InvalidateSelectionFrame(const CWTKToolbarButton* pButton);
    // A button's rectangle on the screen (moved up by the scroll offset).
    CRect GetShownRect(const CWTKToolbarButton* pButton) const;
    // The client area the grid lays its buttons out in (left of the scroll bar, inside the margins).
    CRect GetGridArea() const;
    int IndexOf(const CWTKToolbarButton* pButton) const;
    int GetRowStep() const;

    std::vector<CWTKToolbarButton*> m_Buttons;
    CWTKImageStrip* m_pImages = nullptr;
    CSize m_sizeButton {0, 0};
    BOOL m_bInited = FALSE;
    BOOL m_bIsFocused = FALSE;
    CWTKToolbarButton* m_pSelButton = nullptr;
    int m_iScrollOffset = 0;
    int m_iScrollTotal = 0;
    int m_nRows = 0;
    CScrollBar m_wndScrollBar;
    BOOL m_bEnableDragFromList = FALSE;
};
