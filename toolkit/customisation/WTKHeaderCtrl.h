// CWTKHeaderCtrl: a header control that draws its items itself, with the item under the mouse
// hot. Derived classes change the background and the item drawing.
#pragma once
#include "win/HeaderCtrl.h"
#include "core/Rect.h"

class CDC;

class CWTKHeaderCtrl : public CHeaderCtrl {
    DECLARE_DYNAMIC(CWTKHeaderCtrl)
public:
    int GetHotItem() const { return m_nHotItem; }
    // One of the window's ancestors is a dialog (item drawing may want the dialog's colours).
    BOOL IsDialogControl() const { return m_bIsDlgControl; }

protected:
    virtual void OnFillBackground(CDC* pDC, CRect rectClient);
    // nItem -1: the space right of the last item.
    virtual void OnDrawItem(CDC* pDC, int nItem, CRect rect, BOOL bIsPressed, BOOL bIsHighlighted);

    void PreSubclassWindow() override;
    int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    void OnCancelMode();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void NoteDialogAncestor();
    BOOL IsItemPressed(int nItem);
    void SetHotItem(int nItem);
    void DrawItems(CDC* pDC, const CRect& rectClient);

    int m_nHotItem = -1;
    BOOL m_bLeftButtonHeld = FALSE;
    BOOL m_bTrackingLeave = FALSE;
    BOOL m_bIsDlgControl = FALSE;
};
