// CWTKButton: the toolkit's owner-drawn push button. It draws its own face in one of four border
// styles with an image and a text, can act as a check box or a radio button, tracks the mouse
// with capture for a hover look, repeats its command while held down, shows its text as a
// tooltip when the text is cut off, and may carry a cursor of its own. The current look may
// take over its background and border (CWTKVisualManager::OnFillPushButtonBackground and
// OnDrawPushButtonBorder).
#pragma once

#include "foundation/WTKPushButtonInfo.h"

#include "core/Size.h"
#include "core/String.h"
#include "gdi/ImageList.h"
#include "win/Button.h"

class CToolTipCtrl;

class CWTKButton : public CButton, public CWTKPushButtonInfo {
    DECLARE_DYNCREATE(CWTKButton)

public:
    // Border styles (m_nFlatStyle).
    enum BorderStyle { kStyle3D = 0, kStyleFlat = 1, kStyleSemiFlat = 2, kStyleNoBorder = 3 };
    // Text alignment (m_nAlignStyle).
    enum AlignStyle { kAlignLeft = 0, kAlignRight = 1, kAlignCenter = 2 };
    // The auto-repeat timer.
    static constexpr UINT_PTR kAutoRepeatTimerId = 1;
    // The content moves by this while the button is pushed.
    static constexpr int kPushedOffset = 2;

    CWTKButton();
    ~CWTKButton() override;

    // ---- Images ----
    // Bitmaps are copied into the button's image lists; the caller keeps its handles. A missing
    // hot or disabled bitmap leaves that list empty (the normal one is drawn; disabled images
    // are made from the normal bitmap when grey-when-disabled is on).
    void SetImage(HBITMAP hbmp, HBITMAP hbmpHot = nullptr, HBITMAP hbmpDisabled = nullptr);
    // Bitmap resources of the application; 0 means none.
    void SetImage(UINT uiBmpResId, UINT uiBmpHotResId = 0, UINT uiBmpDisabledResId = 0);
    void SetCheckedImage(HBITMAP hbmp, HBITMAP hbmpHot = nullptr, HBITMAP hbmpDisabled = nullptr);
    void SetCheckedImage(UINT uiBmpResId, UINT uiBmpHotResId = 0, UINT uiBmpDisabledResId = 0);
    // One of the toolkit's menu images (CWTKMenuGlyphs); -1 for the disabled one draws the
    // normal image disabled.
    void SetStdImage(int nImage, int nImageDisabled = -1);

    // ---- Appearance and behaviour ----
    void SetTooltip(LPCSTR lpszToolTipText);
    void SetMouseCursor(HCURSOR hcursor) { m_hCursor = hcursor; }
    void SetMouseCursorHand();
    // 0 switches auto-repeat off; otherwise the delay between repeated commands in milliseconds.
    void SetAutoRepeatMode(int nTimeDelay = 100);
    BOOL IsAutoRepeatCommandMode() const { return m_nAutoRepeatTimeDelay > 0; }
    void SetFaceColor(COLORREF crFace, BOOL bRedraw = TRUE);
    void SetTextColor(COLORREF clrText) { m_clrText = clrText; }
    void SetTextHotColor(COLORREF clrTextHot) { m_clrHover = clrTextHot; }
    void EnableAutoTooltip(BOOL bEnable = TRUE);

    BOOL IsPressed() const { return m_bPushed && m_bHighlighted; }
    BOOL IsChecked() const { return m_bChecked; }
    BOOL IsCheckBox() const { return m_bCheckButton; }
    BOOL IsRadioButton() const { return m_bRadioButton; }
    BOOL IsAutoCheck() const { return m_bAutoCheck; }
    BOOL IsCaptured() const { return m_bCaptured; }
    BOOL IsHovered() const { return m_bHover; }
    CSize GetImageSize() const { return m_sizeImage; }
    CToolTipCtrl* GetToolTipCtrl() const { return m_pToolTip; }

    // CWTKPushButtonInfo (read by the looks).
    BOOL IsPushed() const override { return m_bPushed; }
    BOOL IsHighlighted() const override { return m_bHighlighted; }

    // ---- The button's own operations, in their fixed order ----
    virtual void CleanUp();
    virtual CSize SizeToContent(BOOL bCalcOnly = FALSE);
    virtual void OnFillBackground(CDC* pDC, const CRect& rectClient);
    // Also the look's call-back for the border (CWTKPushButtonInfo): shrinks the rectangle to
    // the content and moves it by the pushed offset when pushed.
    void OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState) override;
    virtual void OnDrawFocusRect(CDC* pDC, const CRect& rectClient);
    virtual void OnDraw(CDC* pDC, const CRect& rect, UINT uiState);
    virtual void OnDrawText(CDC* pDC, const CRect& rect, const CString& strText, UINT uiDTFlags, UINT uiState);
    virtual void CreateDisabledImage(HBITMAP hbmp, BOOL bChecked);
    virtual CFont* SelectFont(CDC* pDC);

    // The colour-depth flag of an image list for a bitmap: 8, 16, 24 or 32 bits, else 4.
    static UINT GetImageListColorFlag(HBITMAP hbmp);

    // ---- Framework overrides ----
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Border style, text alignment and options (public settings, as the owner sets them).
    int m_nFlatStyle = kStyle3D;
    int m_nAlignStyle = kAlignCenter;
    BOOL m_bRightImage = FALSE;
    BOOL m_bTransparent = FALSE;
    BOOL m_bDrawFocus = TRUE;
    BOOL m_bHighlightOnHover = TRUE;
    BOOL m_bGrayDisabled = TRUE;

protected:
    void PreSubclassWindow() override;

    // Message handlers.
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnCancelMode();
    void OnKillFocus(CWnd* pNewWnd);
    void OnEnable(BOOL bEnable);
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    void OnDestroy();

    // The owner-drawn style and the button kind taken from a check box or radio button style.
    void InitStyle(DWORD dwStyle);
    // Clears pushed, clicked, hot and hover and releases the capture.
    void ResetState();
    // Sends the button's command (WM_COMMAND, BN_CLICKED) to the parent.
    void SendCommandToParent();
    // The next (or previous) radio button of the group that is a CWTKButton, null when none.
    CWTKButton* GetNextRadioInGroup(BOOL bPrevious) const;
    void CheckRadioAndClearGroup();
    // The hover look follows the mouse while the left button is down, in every style but the
    // 3-D one, and whenever the themed look draws.
    BOOL IsHoverTracked(UINT nFlags) const;
    void SetImageInternal(HBITMAP hbmp, HBITMAP hbmpHot, HBITMAP hbmpDisabled, BOOL bChecked);
    void UpdateAutoTooltip(CDC* pDC, const CString& strText, const CRect& rectText);

    // State.
    BOOL m_bPushed = FALSE;         // the left button is down over the button
    BOOL m_bClickedInside = FALSE;  // the press began on the button
    BOOL m_bHighlighted = FALSE;    // the pointer is over it while tracking
    BOOL m_bCaptured = FALSE;
    BOOL m_bHover = FALSE;
    BOOL m_bChecked = FALSE;
    BOOL m_bCheckButton = FALSE;
    BOOL m_bRadioButton = FALSE;
    BOOL m_bAutoCheck = FALSE;

    CSize m_sizeImage;
    CImageList m_Image;
    CImageList m_ImageHot;
    CImageList m_ImageDisabled;
    CImageList m_ImageChecked;
    CImageList m_ImageCheckedHot;
    CImageList m_ImageCheckedDisabled;
    int m_nStdImageId = -1;
    int m_nStdImageDisabledId = -1;

    BOOL m_bAutoTooltip = FALSE;
    BOOL m_bDelayAutoTooltipCheck = FALSE;
    CToolTipCtrl* m_pToolTip = nullptr;
    CString m_strToolTip;  // the tooltip text set by the owner

    HCURSOR m_hCursor = nullptr;
    CSize m_sizePushOffset {kPushedOffset, kPushedOffset};

    COLORREF m_clrRegular = static_cast<COLORREF>(-1);  // face colour
    COLORREF m_clrText = static_cast<COLORREF>(-1);
    COLORREF m_clrHover = static_cast<COLORREF>(-1);  // hot text colour
    HFONT m_hFont = nullptr;
    int m_nAutoRepeatTimeDelay = 0;

    DECLARE_MESSAGE_MAP()
};
