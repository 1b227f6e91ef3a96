// CWTKTabWnd: a child window with a row of tabs and, above or below them, the window of the
// active tab; each tab owns one child window. Tabs are drawn through the current look, scroll
// with buttons when they do not fit, may share the horizontal scroll bar with the active view,
// can be renamed in place and moved by dragging; the parent hears of every change through the
// registered messages of WTKTabMessages.h.
//
// Sources by responsibility: WTKTabWnd.cpp (tabs, options, layout, scrolling), WTKTabWndPaint.cpp
// (painting), WTKTabWndMouse.cpp (mouse, keyboard, renaming, moving, the shared scroll bar).
#pragma once

#include "foundation/WTKTabWindowInfo.h"

#include "frames/WTKTabButton.h"
#include "frames/WTKTabInfo.h"

#include "core/Array.h"
#include "core/Rect.h"
#include "core/String.h"
#include "gdi/GdiObject.h"
#include "gdi/ImageList.h"
#include "win/Wnd.h"

#include <vector>

class CEdit;
class CScrollBar;
class CToolTipCtrl;

class CWTKTabWnd : public CWnd, public CWTKTabWindowInfo {
    DECLARE_DYNCREATE(CWTKTabWnd)

public:
    // Styles of Create.
    enum Style {
        kStyle3D = 0,                // 3-D tabs, shared width when they do not fit
        kStyleFlat = 1,              // flat tabs with scroll buttons
        kStyleFlatSharedScroll = 2,  // flat tabs sharing the active view's horizontal scroll bar
        kStyle3DScrolled = 3,        // 3-D tabs with scroll buttons
        kStyleSlanted = 4,           // overlapping slanted 3-D tabs, scroll buttons, hot tracking
    };
    // Where the tabs sit.
    enum Location { kLocationBottom = 0, kLocationTop = 1 };

    // Timers while a tab is dragged outside the tab area.
    static constexpr UINT_PTR kScrollLeftTimerId = 1;
    static constexpr UINT_PTR kScrollRightTimerId = 2;

    CWTKTabWnd();
    ~CWTKTabWnd() override;

    BOOL Create(int nStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, int nLocation = kLocationBottom,
                BOOL bCloseBtn = FALSE);
    using CWnd::Create;

    // ---- Tabs ----
    // An empty label makes an image-only tab. uiImageId (UINT)-1: no image.
    void AddTab(CWnd* pTabWnd, LPCSTR lpszTabLabel, UINT uiImageId = static_cast<UINT>(-1));
    void AddTab(CWnd* pTabWnd, UINT uiResTabLabel, UINT uiImageId = static_cast<UINT>(-1));
    // nInsertAt -1 (or past the end): at the end.
    void InsertTab(CWnd* pNewWnd, LPCSTR lpszTabLabel, int nInsertAt, UINT uiImageId = static_cast<UINT>(-1));
    BOOL RemoveTab(int iTab);
    void RemoveAllTabs();
    BOOL ShowTab(int iTab, BOOL bShow = TRUE);

    int GetTabsNum() const { return m_iTabsNum; }
    int GetVisibleTabsNum() const;
    BOOL IsTabVisible(int iTab) const;
    CWnd* GetTabWnd(int iTab) const;
    CWnd* GetActiveWnd() const;
    int GetTabFromWnd(CWnd* pWnd) const;
    int GetTabFromPoint(CPoint& pt) const;
    BOOL GetTabLabel(int iTab, CString& strLabel) const override;
    BOOL SetTabLabel(int iTab, const CString& strLabel);
    int GetTabIcon(int iTab) const override;
    BOOL SetTabIcon(int iTab, UINT uiIcon);
    int GetTabID(int iTab) const;
    BOOL GetTabRect(int iTab, CRect& rect) const override;
    COLORREF GetTabBkColor(int iTab) const override;
    BOOL SetTabBkColor(int iTab, COLORREF color = static_cast<COLORREF>(-1));
    COLORREF GetTabTextColor(int iTab) const override;
    BOOL SetTabTextColor(int iTab, COLORREF color = static_cast<COLORREF>(-1));
    BOOL EnsureVisible(int iTab);

    // ---- Images ----
    // Not in the flat styles. clrTransparent -1: no mask.
    BOOL SetImageList(UINT uiID, int cx = 15, COLORREF clrTransparent = RGB(255, 0, 255));
    // A shared image list; the window does not own it.
    BOOL SetImageList(HIMAGELIST hImageList);

    // ---- Options ----
    void HideInactiveWindow(BOOL bHide = TRUE) { m_bHideInactiveWnd = bHide; }
    void AutoSizeWindow(BOOL bAutoSize = TRUE);
    void AutoDestroyWindow(BOOL bAutoDestroy = TRUE) { m_bAutoDestroyWindow = bAutoDestroy; }
    void EnableAutoColor(BOOL bEnable = TRUE);
    BOOL IsAutoColor() const { return m_bIsAutoColor; }
    void EnableInPlaceEdit(BOOL bEnable) { m_bIsInPlaceEdit = bEnable; }
    void EnableTabSwap(BOOL bEnable) { m_bEnableTabSwap = bEnable; }
    void HideSingleTab(BOOL bHide = TRUE);
    void HideNoTabs(BOOL bHide = TRUE);
    void SetDrawFrame(BOOL bDraw = TRUE);
    void SetTabBorderSize(int nTabBorderSize, BOOL bRepaint = TRUE);
    int GetTabBorderSize() const { return m_nTabBorderSize; }
    // The tab area's background and text colours; -1 is the look's.
    void SetActiveTabColor(COLORREF clr);
    void SetActiveTabTextColor(COLORREF clr);
    COLORREF GetActiveTabColor() const { return m_clrActiveTabBk; }
    COLORREF GetActiveTabTextColor() const { return m_clrActiveTabFg; }

    BOOL IsFlatTab() const { return m_bFlat; }
    BOOL IsSharedScroll() const { return m_bSharedScroll; }
    BOOL IsScrollButtons() const { return m_bScroll; }
    int GetLocation() const { return m_location; }
    int GetTabsHeight() const { return m_nTabsHeight; }
    int GetScrollOffset() const { return m_nTabsHorzOffset; }
    int GetMaxScrollOffset() const { return m_nTabsHorzOffsetMax; }
    int GetHighlightedTab() const { return m_iHighlighted; }
    void GetTabsRect(CRect& rect) const { rect = m_rectTabsArea; }
    void GetWndArea(CRect& rect) const { rect = m_rectWndArea; }
    void GetTabStripRect(CRect& rect) const { rect = m_rectTabStrip; }
    BOOL IsTabMoving() const { return m_bTabMoving; }
    const CArray<COLORREF, COLORREF>& GetAutoColors() const { return m_arAutoColors; }
    // The scroll buttons in creation order, as the tab window made them.
    CWTKTabButton& GetScrollLeftButton() { return m_btnScrollLeft; }
    CWTKTabButton& GetScrollRightButton() { return m_btnScrollRight; }
    CWTKTabButton& GetScrollFirstButton() { return m_btnScrollFirst; }
    CWTKTabButton& GetScrollLastButton() { return m_btnScrollLast; }
    CWTKTabButton& GetCloseButton() { return m_btnClose; }
    CToolTipCtrl* GetToolTip() const { return m_pToolTip; }
    CEdit* GetInPlaceEdit() const { return m_pInPlaceEdit; }
    CScrollBar* GetSharedScrollBar() const { return m_pScrollBar; }

    BOOL SynchronizeScrollBar(SCROLLINFO* pScrollInfo = nullptr);
    void RecalcLayout();

    // The flat style's font: lfStart made smaller one step at a time until its text height + 2
    // fits nTabsHeight, but never below kMinFlatFontHeight pixels. Answers the chosen height.
    static int CreateFittingFont(CFont& font, const LOGFONTA& lfStart, int nTabsHeight);
    static constexpr int kMinFlatFontHeight = 6;

    // ---- The tab window's own operations, in their fixed order ----
    virtual BOOL SetActiveTab(int iTab);
    virtual BOOL StartRenameTab(int iTab);
    virtual BOOL OnRenameTab(int iTab, CString& strName);
    virtual void InvalidateTab(int iTab);
    BOOL IsSlantedStyle() const override { return m_bIsSlanted; }
    virtual int GetFirstVisibleTab() const { return m_nFirstVisibleTab; }
    virtual void SetLocation(int location);
    virtual void Draw3DTab(CRect rectTab, CDC* pDC, int iTab, BOOL bIsActive);
    virtual void DrawFlatTab(CDC* pDC, int iTab, BOOL bIsActive);
    virtual void DrawTabDot(CDC* pDC, const CRect& rectTab, int nWidth);
    virtual void InitAutoColors();

    // ---- CWTKTabWindowInfo (read by the looks) ----
    BOOL IsFlatStyle() const override { return m_bFlat; }
    BOOL IsTabsOnTop() const override { return m_location != kLocationBottom; }
    BOOL IsScrollButtonsNeeded() const override { return m_bFlat; }
    int GetButtonHeight() const override { return m_nTabsHeight; }
    int GetTabCount() const override { return m_iTabsNum; }
    int GetActiveTab() const override { return m_iActiveTab; }
    HIMAGELIST GetImageList() const override;
    CSize GetImageSize() const override { return m_sizeImage; }
    BOOL IsNoPrefix() const override { return FALSE; }
    int GetClientRight() const override;

    // ---- Framework overrides ----
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    void OnDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnCancelMode();
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    void OnSysColorChange();
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);

    void DoPaint(CDC* pDC);

    // Layout pieces.
    void SetTabsHeight();
    void SetupFlatFonts();
    void RecalcTabWidths(CDC* pDC);
    void SetTabsScrollPositions();
    void UpdateScrollButtonsState();
    void SetScrollOffset(int nOffset);
    void PassClickToParent(UINT message, UINT nFlags, CPoint point);
    // The rectangle the look outlines for a flat tab.
    CRect FlatTabOutlineRect(int iTab) const;
    BOOL IsPointInSplitter(CPoint point) const;
    void StopMoving();
    void DestroyInPlaceEdit();
    // Commits the rename edit: FALSE (a beep) when the text is refused.
    BOOL RenameTab();
    void ActivateNextVisibleTab(BOOL bNext);
    void UpdateToolTipRects();
    void CreateFlatBrush();

    // Tabs.
    CArray<CWTKTabInfo*, CWTKTabInfo*> m_arTabs;
    int m_iTabsNum = 0;
    int m_iActiveTab = -1;
    int m_nNextTabID = 1;

    // Style flags set by Create.
    BOOL m_bFlat = FALSE;
    BOOL m_bSharedScroll = FALSE;
    BOOL m_bScroll = FALSE;
    BOOL m_bIsSlanted = FALSE;
    BOOL m_bHighLightTabs = FALSE;
    int m_location = kLocationBottom;
    BOOL m_bCloseBtn = FALSE;

    // Options.
    BOOL m_bHideInactiveWnd = TRUE;
    BOOL m_bAutoSizeWindow = TRUE;
    BOOL m_bAutoDestroyWindow = TRUE;
    BOOL m_bIsAutoColor = TRUE;
    BOOL m_bIsInPlaceEdit = FALSE;
    BOOL m_bEnableTabSwap = FALSE;
    BOOL m_bHideSingleTab = FALSE;
    BOOL m_bHideNoTabs = FALSE;
    BOOL m_bDrawFrame = FALSE;

    // Geometry.
    CRect m_rectTabsArea;
    CRect m_rectWndArea;
    CRect m_rectTabStrip;  // the part of the tab area the tabs use (no buttons, no scroll bar)
    int m_nTabBorderSize = 3;
    int m_nTabsHeight = 0;

    // Images.
    CImageList m_Images;
    HIMAGELIST m_hImageList = nullptr;  // shared, not owned
    CSize m_sizeImage;

    // Flat style.
    CFont m_fntTabs;
    CFont m_fntTabsBold;
    CBrush m_brActiveTab;
    COLORREF m_clrActiveTabBk = static_cast<COLORREF>(-1);
    COLORREF m_clrActiveTabFg = static_cast<COLORREF>(-1);

    // Shared scroll bar.
    CScrollBar* m_pScrollBar = nullptr;
    int m_nHorzScrollWidth = 0;
    CRect m_rectTabSplitter;
    BOOL m_bTrackSplitter = FALSE;
    BOOL m_bScrolling = FALSE;  // stops nested scrolling

    // Buttons.
    CWTKTabButton m_btnScrollLeft;
    CWTKTabButton m_btnScrollRight;
    CWTKTabButton m_btnScrollFirst;
    CWTKTabButton m_btnScrollLast;
    CWTKTabButton m_btnClose;
    std::vector<CWTKTabButton*> m_lstButtons;

    // Scrolling.
    int m_nTabsHorzOffset = 0;
    int m_nTabsHorzOffsetMax = 0;
    int m_nFirstVisibleTab = 0;
    int m_nTabsTotalWidth = 0;

    CToolTipCtrl* m_pToolTip = nullptr;

    // Renaming.
    CEdit* m_pInPlaceEdit = nullptr;
    int m_iEditedTab = -1;

    // Moving.
    int m_iTabBeforeDrag = -1;
    int m_iTabDragTarget = -1;
    BOOL m_bTabMoving = FALSE;

    int m_iHighlighted = -1;

    CArray<COLORREF, COLORREF> m_arAutoColors;

    DECLARE_MESSAGE_MAP()
};
