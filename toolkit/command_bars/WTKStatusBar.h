// CWTKStatusBar: the toolkit's status bar, a control bar along the bottom of a frame. It shows a
// row of panes (text, an icon or an animated icon, a progress bar), lets one pane stretch over
// the free width, shows a size grip when the frame can be sized from that corner, keeps its
// panes current through the command-update mechanism and draws through the current look.
//
// The pane with id 0 is the message pane: the frame's prompts reach it as WM_SETTEXT.
#pragma once

#include "foundation/WTKBarInfo.h"
#include "foundation/WTKStatusBarInfo.h"
#include "foundation/WTKVisualManager.h"

#include "bars/ControlBar.h"
#include "core/Rect.h"
#include "core/String.h"

#include <commctrl.h>

#include <vector>

// Pane style bits beside the looks' kPaneStyleNoBorders and kPaneStylePopOut.
constexpr UINT kWTKPaneDisabled = 0x04000000;
constexpr UINT kWTKPaneStretch = 0x08000000;

// One pane; the bar owns its text, tooltip and image list.
struct WTKStatusBarPane {
    CRect rect {0, 0, 0, 0};  // set by the layout
    UINT nID = 0;             // 0: a pane without a text resource
    UINT nStyle = 0;
    int cxText = 0;
    COLORREF clrText = 0;  // (COLORREF)-1: the button text colour
    int cxIcon = 0;
    int cyIcon = 0;
    CString strText;
    CString strToolTip;
    HIMAGELIST hImageList = nullptr;  // one icon, or the frames of an animation
    int nFrameCount = 0;
    int nCurrFrame = 0;
    long nProgressCurr = 0;
    long nProgressTotal = 0;  // above 0: the pane is a progress bar
    COLORREF clrProgressText = 0;
    COLORREF clrProgressBar = 0;  // (COLORREF)-1: the highlight colour
    COLORREF clrProgressBarDest = 0;
    BOOL bProgressText = FALSE;
};

class CWTKStatusBar : public CControlBar, public CWTKStatusBarInfo, public CWTKBarInfo {
    DECLARE_DYNAMIC(CWTKStatusBar)

public:
    CWTKStatusBar();
    ~CWTKStatusBar() override;
    CWTKStatusBar(const CWTKStatusBar&) = delete;
    CWTKStatusBar& operator=(const CWTKStatusBar&) = delete;

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                        UINT nID = FW_IDW_STATUS_BAR);
    // The control style is accepted for callers that pass one; the bar has none.
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                          UINT nID = FW_IDW_STATUS_BAR);

    // One pane per id; a nonzero id takes its string resource as text and width. FALSE when a
    // string cannot be loaded (the later panes stay empty) or the panes cannot be allocated.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int GetCount() const { return static_cast<int>(m_panes.size()); }
    // The first pane with the id, or -1.
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    // Empty for a bad index.
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    CString GetPaneText(int nIndex) const;
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    // (COLORREF)-1: the button text colour.
    void SetPaneTextColor(int nIndex, COLORREF clrText = static_cast<COLORREF>(-1), BOOL bUpdate = TRUE);
    // Null removes the icon.
    void SetPaneIcon(int nIndex, HICON hIcon, BOOL bUpdate = TRUE);
    // The images are copied; null or an empty list stops the animation.
    void SetPaneAnimation(int nIndex, HIMAGELIST hImageList, UINT nFrameRate = 500, BOOL bUpdate = TRUE);
    void SetTipText(int nIndex, LPCSTR pszTipText);
    CString GetTipText(int nIndex) const;
    // A total above 0 makes the pane a progress bar; 0 makes it a text pane again. A bar colour
    // of (COLORREF)-1 is the highlight colour; a destination colour other than -1 shades to it.
    void EnablePaneProgressBar(int nIndex, long nTotal = 100, BOOL bDisplayText = FALSE,
                               COLORREF clrBar = static_cast<COLORREF>(-1),
                               COLORREF clrBarDest = static_cast<COLORREF>(-1),
                               COLORREF clrProgressText = static_cast<COLORREF>(-1));
    void SetPaneProgress(int nIndex, long nCurr, BOOL bUpdate = TRUE);
    // A double click on a pane posts WM_COMMAND with the pane's id to the owner.
    void EnablePaneDoubleClick(BOOL bEnable = TRUE) { m_bDblClickNotify = bEnable; }
    int GetCurrentFrame(int nIndex) const;

    void InvalidatePaneContent(int nIndex);
    // The pane under the point (client coordinates), or null.
    WTKStatusBarPane* HitTestPane(CPoint point);
    HFONT GetCurrentFont() const;
    // The size grip's rectangle; empty when hidden.
    CRect GetSizeGripRect() const { return m_rectSizeBox; }
    BOOL IsSizeGripHidden() const { return m_bHideSizeBox; }

    virtual void RecalcLayout();

    // ---- CControlBar ----
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    INT_PTR OnToolHitTest(CPoint point, TTTOOLINFOA* pTI) const override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    // ---- What the looks read ----
    BOOL IsLayoutRTL() const override;
    DWORD GetBarStyle() const override { return CControlBar::GetBarStyle(); }
    BOOL IsDockable() const override { return m_pDockContext != nullptr; }

protected:
    WTKStatusBarPane* GetPane(int nIndex);
    const WTKStatusBarPane* GetPane(int nIndex) const;
    // Frees what the pane owns and stops its animation timer.
    void ReleasePane(WTKStatusBarPane& pane);
    void ReleaseAllPanes();
    void DrawPane(CDC* pDC, WTKStatusBarPane& pane);
    // The pane rectangle adjusted for invalidation.
    CRect PaneContentRect(const WTKStatusBarPane& pane) const;
    void StopAnimation(WTKStatusBarPane& pane);

    void OnPaint();
    LRESULT OnNcHitTest(CPoint point);
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnSize(UINT nType, int cx, int cy);
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnDestroy();
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    HFONT m_hFont = nullptr;  // not owned; null: the toolkit's regular font
    int m_cxSizeBox = 0;
    BOOL m_bHideSizeBox = FALSE;
    BOOL m_bDblClickNotify = FALSE;
    CRect m_rectSizeBox {0, 0, 0, 0};
    std::vector<WTKStatusBarPane> m_panes;
};
