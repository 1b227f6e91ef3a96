// CBrowseEdit: an edit control with a browse button inside its border at the right. Pressing
// and releasing the button runs the browse action, by default a file chooser whose path
// replaces the text.
#pragma once
#include "win/Edit.h"
#include "core/Rect.h"

class CBrowseEdit : public CEdit {
    DECLARE_DYNAMIC(CBrowseEdit)
public:
    static constexpr int kButtonWidth = 20;

    // Shows or hides the button (the border is measured again).
    void EnableBrowseButton(BOOL bEnable = TRUE);
    BOOL IsBrowseButtonShown() const { return m_bButtonShown; }
    BOOL IsBrowseButtonPressed() const { return m_bButtonPressed; }
    // In window coordinates; empty while the button is hidden.
    CRect GetBrowseButtonRect() const { return m_rectButton; }

protected:
    virtual void OnBrowse();
    virtual void OnDrawBrowseButton(CDC* pDC, CRect rect, BOOL bPressed);

    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    LRESULT OnNcHitTest(CPoint point);
    void OnNcPaint();
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCancelMode();
    UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

private:
    BOOL IsOverButton(CPoint ptScreen) const;
    void SetPressed(BOOL bPressed);
    void EndTracking();
    void RedrawBorder();

    BOOL m_bButtonShown = FALSE;
    BOOL m_bButtonPressed = FALSE;
    BOOL m_bTracking = FALSE;  // the mouse is captured for the button
    CRect m_rectButton;
};
