// CWTKToolbarEditBoxButton: a toolbar button that hosts a single-line edit control on a
// horizontal bar and falls back to an ordinary button on a vertical one. Every edit box button
// with the same command shares the text: typing in one copies it to the others.
#pragma once
#include "command_bars/WTKToolbarButton.h"

#include <memory>

class CWTKToolbarEditCtrl;

class CWTKToolbarEditBoxButton : public CWTKToolbarButton {
    DECLARE_SERIAL(CWTKToolbarEditBoxButton)

public:
    static constexpr DWORD kDefaultEditStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    static constexpr int kDefaultWidth = 150;

    CWTKToolbarEditBoxButton();
    // A width of 0 takes the default width.
    CWTKToolbarEditBoxButton(UINT uiID, int iImage, DWORD dwStyle = ES_AUTOHSCROLL, int iWidth = 0);
    ~CWTKToolbarEditBoxButton() override;

    void Serialize(CArchive& ar) override;
    void CopyFrom(const CWTKToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE,
                BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    CSize OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    void OnMove() override;
    void OnSize(int iSize) override;
    HWND GetHwnd() override;
    BOOL CanBeStretched() const override { return TRUE; }
    BOOL NotifyCommand(int iNotifyCode) override;
    void TakeStateFrom(const CWTKToolbarButton& src) override;
    HBRUSH OnCtlColor(CDC* pDC, UINT nCtlColor) override;
    BOOL HasLookBorder() const override;
    int DrawImage(CDC* pDC, CRect rectImage, BOOL bHighlight = FALSE) override;
    void OnShow(BOOL bShow) override;
    const CRect GetRect() const override;
    void SetStyle(UINT nStyle) override;

    // A new edit control on the bar, with the edit style and the command as its id; null when it
    // cannot be created.
    virtual CWTKToolbarEditCtrl* CreateEdit(CWnd* pWndParent, const CRect& rect);
    virtual void SetContents(const CString& strContents);
    // The control's window rectangle in the bar's client coordinates, inflated by 1.
    virtual CRect GetEditBorderRect() const;

    // The text: the control's while it exists, the kept text otherwise.
    CString GetContents() const;
    CWTKToolbarEditCtrl* GetEditBox() const { return m_pWndEdit.get(); }
    DWORD GetEditStyle() const { return m_dwStyle; }
    int GetWidth() const { return m_iWidth; }
    BOOL IsHighlighted() const { return m_bHighlighted; }
    // The control reports focus and hover; a change repaints the button.
    void SetHighlighted(BOOL bHighlighted);

    // Off: the edit border always looks highlighted. The main frame turns it on.
    static void SetFlatMode(BOOL bFlat = TRUE) { s_bFlat = bFlat; }
    static BOOL IsFlatMode() { return s_bFlat; }

protected:
    DWORD m_dwStyle = kDefaultEditStyle;
    std::unique_ptr<CWTKToolbarEditCtrl> m_pWndEdit;
    CString m_strContents;
    BOOL m_bChangingText = FALSE;
    int m_iWidth = kDefaultWidth;
    BOOL m_bHorizontal = TRUE;
    BOOL m_bHighlighted = FALSE;

    static BOOL s_bFlat;

private:
    void DestroyEdit();
    void SetEditText(const CString& str);
    BOOL HasLabel() const { return m_bTextBelow && m_bHorizontal && !m_strText.IsEmpty(); }
};
