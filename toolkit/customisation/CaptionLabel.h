// CCaptionLabel: a window that draws a caption line, with caption buttons at its right end,
// above one client child that fills the rest.
#pragma once
#include "foundation/WTKCaptionButtonInfo.h"
#include "gdi/GdiObject.h"
#include "core/Rect.h"
#include "win/Wnd.h"
#include <vector>

class CCaptionLabel : public CWnd {
    DECLARE_DYNAMIC(CCaptionLabel)
public:
    BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The window below the caption; it gets the focus given to the label.
    void SetClientWnd(CWnd* pWndClient);
    CWnd* GetClientWnd() const { return m_pWndClient; }
    void SetMinCaptionHeight(int nHeight);
    // A caption button drawn by the look (nHitCode as for the sizing bars' buttons); a click
    // sends nCmdId to the parent.
    void AddCaptionButton(int nHitCode, UINT nCmdId);
    int GetCaptionButtonCount() const { return static_cast<int>(m_buttons.size()); }
    CRect GetCaptionButtonRect(int nIndex) const;
    CRect GetCaptionRect() const { return m_rectCaption; }
    // The width of one caption button: the looks draw it five pixels larger than its glyph.
    static int GetButtonWidth();

protected:
    int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSetFocus(CWnd* pOldWnd);
    void OnLButtonDown(UINT nFlags, CPoint point);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    class CButton : public CWTKCaptionButtonInfo {
    public:
        CButton(int nHitCode, UINT nCmdId) : m_nHitCode(nHitCode), m_nCmdId(nCmdId) {}
        int GetHitCode() const override { return m_nHitCode; }
        CPoint GetPosition() const override { return m_rect.TopLeft(); }
        BOOL IsPushed() const override { return FALSE; }
        BOOL IsHighlighted() const override { return FALSE; }
        BOOL IsGlyphSized() const override { return FALSE; }

        int m_nHitCode;
        UINT m_nCmdId;
        CRect m_rect;
    };

    HFONT GetCaptionFont() const;
    void RecalcLayout();

    CWnd* m_pWndClient = nullptr;
    CFont m_font;  // our own copy of a font given to us; empty: the parent's font
    int m_nMinCaptionHeight = 0;
    CRect m_rectCaption;
    std::vector<CButton> m_buttons;
};
