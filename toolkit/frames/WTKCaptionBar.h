// CWTKCaptionBar: a banner bar along the top of a frame, one strip the frame's full width, with
// an image (an icon or a bitmap), a line of text and an optional button, each aligned left,
// right or centred, between a border strip above and one below.
#pragma once

#include "foundation/WTKCaptionBarInfo.h"
#include "foundation/WTKImageStrip.h"

#include "bars/ControlBar.h"
#include "core/Rect.h"
#include "core/String.h"

class CWTKCaptionBar : public CControlBar, public CWTKCaptionBarInfo {
    DECLARE_DYNCREATE(CWTKCaptionBar)

public:
    enum Alignment { kAlignLeft = 1, kAlignRight = 2, kAlignCenter = 3 };

    CWTKCaptionBar();
    ~CWTKCaptionBar() override;
    CWTKCaptionBar(const CWTKCaptionBar&) = delete;
    CWTKCaptionBar& operator=(const CWTKCaptionBar&) = delete;

    // A top bar; nHeight -1: the height follows the content.
    BOOL Create(DWORD dwStyle, CWnd* pParentWnd, UINT uiID, int nHeight = -1);

    // The bitmap is copied into the bar's image strip; the caller keeps its own.
    void SetBitmap(HBITMAP hBitmap, COLORREF clrTransparent, BOOL bStretch = FALSE, int nAlignment = kAlignLeft);
    // The icon is drawn, not owned; null removes it.
    void SetIcon(HICON hIcon, int nAlignment = kAlignLeft);
    void SetText(const CString& strText, int nAlignment = kAlignLeft);
    // A command id of 0 shows no button (its text takes no room without a text either).
    void SetButton(const CString& strLabel, UINT uiCmdUI, int nAlignment = kAlignLeft, BOOL bHasDropDownArrow = TRUE);

    CString GetText() const { return m_strText; }
    CSize GetImageSize() const;
    int GetCurrentHeight() const { return m_nCurrentHeight; }
    CRect GetImageRect() const { return m_rectImage; }
    CRect GetTextRect() const { return m_rectText; }
    CRect GetButtonRect() const { return m_rectButton; }
    BOOL IsButtonPressed() const { return m_bIsBtnPressed; }
    BOOL IsButtonHighlighted() const { return m_bIsBtnHighlighted; }

    // ---- CControlBar ----
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* /*pTarget*/, BOOL /*bDisableIfNoHndler*/) override {}

    // ---- What the looks read ----
    DWORD GetBarStyle() const override { return CControlBar::GetBarStyle(); }
    BOOL IsDockable() const override { return m_pDockContext != nullptr; }
    COLORREF GetBackgroundColor() const override { return m_clrBarBackground; }

    // ---- Drawing and layout, in their fixed order ----
    virtual void OnDrawBackground(CDC* pDC, CRect rect);
    virtual void OnDrawBorder(CDC* pDC, CRect rect);
    virtual void OnDrawText(CDC* pDC, CRect rect, const CString& strText);
    virtual void OnDrawImage(CDC* pDC, CRect rect);
    virtual void OnDrawButton(CDC* pDC, CRect rect, const CString& strButton, BOOL bHasDropDownArrow);
    virtual void RecalcLayout();
    virtual void AdjustLayout();

    // Colours; (COLORREF)-1 means the look's.
    COLORREF m_clrBarBackground = static_cast<COLORREF>(-1);
    COLORREF m_clrBarText = static_cast<COLORREF>(-1);
    COLORREF m_clrBarBorder = static_cast<COLORREF>(-1);
    // The strips above and below the client area, and whether they are drawn without a 3-D frame.
    int m_nBorderSize = 4;
    BOOL m_bFlatBorder = FALSE;
    int m_nMargin = 4;
    int m_nHorzElementOffset = 4;

protected:
    BOOL HasImage() const { return m_hIcon != nullptr || m_Bitmap.GetCount() > 0; }
    BOOL HasButton() const { return m_uiBtnID != 0; }
    BOOL HasDropDownButton() const { return HasButton() && m_bBtnHasDropDownArrow; }
    HFONT GetCurrentFont() const;
    void RedrawButton();
    // WTK_TOOLBAR_POPUPMENU and the button's command go to the owner, else the parent.
    CWnd* GetMessageTarget() const;

    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    void OnRButtonUp(UINT nFlags, CPoint point);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    HICON m_hIcon = nullptr;
    CWTKImageStrip m_Bitmap;
    COLORREF m_clrTransparent = static_cast<COLORREF>(-1);
    BOOL m_bStretchImage = FALSE;
    int m_nBmpAlignment = kAlignLeft;
    CRect m_rectImage {0, 0, 0, 0};

    CString m_strText;
    int m_nTextAlignment = kAlignLeft;
    CRect m_rectText {0, 0, 0, 0};

    CString m_strBtnText;
    UINT m_uiBtnID = 0;
    int m_nBtnAlignment = kAlignLeft;
    CRect m_rectButton {0, 0, 0, 0};
    BOOL m_bIsBtnPressed = FALSE;
    BOOL m_bIsBtnHighlighted = FALSE;
    BOOL m_bIsBtnChecked = FALSE;
    BOOL m_bBtnHasDropDownArrow = TRUE;
    BOOL m_bTracked = FALSE;

    HFONT m_hFont = nullptr;  // not owned; null: the toolkit's regular font
    int m_nDefaultHeight = -1;
    int m_nCurrentHeight = 0;
};
