// The property list: a two-column grid of named properties (name and value, split by a movable
// divider) in collapsible groups or in one alphabetical run, with in-place editing of the
// selected value and an optional description area below the rows. The list owns its top-level
// properties and deletes them when its window goes (editing ends first).
//
//     CWTKPropList list;
//     list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rect, pParent, nID);
//     list.AddProperty(pGroup);
//
// A changed value is reported to the owner with WTKM_PROPERTYCHANGED (wParam: the list's
// control id, lParam: the CWTKProp*).
#pragma once

#include "customisation/WTKProp.h"

#include "gdi/GdiObject.h"
#include "win/HeaderCtrl.h"
#include "win/ToolTipCtrl.h"
#include "win/Wnd.h"

#include <vector>

class CWTKPropList : public CWnd {
    DECLARE_DYNAMIC(CWTKPropList)
    friend class CWTKProp;

public:
    CWTKPropList();
    ~CWTKPropList() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Adds a top-level property (the list takes ownership); bRedraw lays the list out again.
    int AddProperty(CWTKProp* pProp, BOOL bRedraw = TRUE);
    // Deletes every property; an open in-place editor is closed first.
    void RemoveAll();
    int GetPropertyCount() const { return static_cast<int>(m_lstProps.size()); }
    CWTKProp* GetProperty(int nIndex) const;

    void SetCurSel(CWTKProp* pProp, BOOL bRedraw = TRUE);
    CWTKProp* GetCurSel() const { return m_pSel; }
    void EnsureVisible(CWTKProp* pProp, BOOL bExpandParents = FALSE);
    void ExpandAll(BOOL bExpand = TRUE);

    void SetAlphabeticMode(BOOL bSet = TRUE);
    BOOL IsAlphabeticMode() const { return m_bAlphabeticMode; }
    void EnableDescriptionArea(BOOL bEnable = TRUE);
    BOOL IsDescriptionArea() const { return m_bDescriptionArea; }
    int GetDescriptionHeight() const { return m_nDescrHeight; }
    // Group rows in the bar face colour (else the button face).
    void SetGroupBarColor(BOOL bBarColor = TRUE) { m_bGroupBarColor = bBarColor; }
    COLORREF GetGroupBackgroundColor() const { return m_clrGroupBackground; }

    // In-place editing of the selected property.
    BOOL EditItem(CWTKProp* pProp, LPPOINT lptClick = nullptr);
    // Reads the editor's value (unless cancelled) and closes it.
    BOOL EndEditItem(BOOL bUpdateData = TRUE);

    int GetRowHeight() const { return m_nRowHeight; }
    int GetHeaderHeight() const { return m_nHeaderHeight; }
    int GetNameColumnWidth() const { return m_nLeftColumnWidth; }
    int GetScrollPosition() const { return m_nVertScrollOffset; }
    int GetRowCount() const { return m_nVertScrollTotal; }
    int GetRowsPerPage() const { return m_nVertScrollPage; }
    CRect GetListRect() const { return m_rectList; }
    CHeaderCtrl& GetHeaderCtrl() { return m_wndHeader; }
    HFONT GetFontHandle() const;
    HFONT GetBoldFontHandle() const { return static_cast<HFONT>(m_fontBold.GetSafeHandle()); }

    // Redoes the rows' rectangles, the row count and the scroll bar.
    void AdjustLayout();

    // Operations a derived list may take over.
    virtual void OnPropertyChanged(CWTKProp* pProp) const;
    virtual void OnChangeSelection(CWTKProp* /*pNewSel*/, CWTKProp* /*pOldSel*/) {}
    virtual void OnDrawList(CDC* pDC);
    virtual void OnDrawDescription(CDC* pDC, CRect rect);
    virtual void OnDrawProperty(CDC* pDC, CWTKProp* pProp);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    UINT OnGetDlgCode();
    void OnCancelMode();
    void OnSysColorChange();
    void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    void OnDestroy();
    void OnNcPaint();
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnHeaderItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnHeaderTrack(NMHDR* pNMHDR, LRESULT* pResult);
    void OnHeaderEndTrack(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSelectCombo();
    void OnCloseCombo();
    void OnEditorKillFocus();
    LRESULT OnEditorLeft(WPARAM wParam, LPARAM lParam);
    BOOL OnNeedTipText(UINT id, NMHDR* pNMH, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void Init();
    void CreateFonts();
    void CalcSizes();
    void SetScrollSizes();
    void DeleteAllProps();
    // Ends editing, taking the text when it is accepted and dropping it otherwise: for moves
    // after which an editor left open would stand over the wrong row.
    void CloseEditor();
    // The focus is on a window that is neither the list nor one of its children.
    BOOL IsFocusOutside() const;
    void DeleteTooltipTools();
    void ReposProperties();
    // AdjustLayout, then the whole window repainted.
    void Relayout();
    // The rows the current view shows, top to bottom: the sorted rows, or every property whose
    // ancestors are expanded.
    std::vector<CWTKProp*> GetShownRows() const;
    // The row has a rectangle that reaches into the list area.
    BOOL IsRowInView(const CWTKProp* pProp) const;
    // The property under the point, in the rows shown; pnArea gets the area hit.
    CWTKProp* HitTest(CPoint pt, int* pnArea = nullptr) const;
    void SelectAndShow(CWTKProp* pProp);
    void ToggleGroup(CWTKProp* pProp);
    void RunButton(CWTKProp* pProp, CPoint point, BOOL bWaitCursor);
    void OnButtonKey();
    void SelectFirst();
    void SelectLast();
    void MoveSelection(BOOL bDown);
    void MovePage(BOOL bDown);
    void SetScrollPosition(int nPos);
    int GetScrollUpperBound() const;
    void MoveDivider(int nWidth);
    int ClampDivider(int x) const;
    void UpdateHeader();
    void InvalidateRow(CWTKProp* pProp);
    CRect GetDescriptionRect() const;
    void InvertTrackLine();
    // The point is on the divider in the list area, or on the description area's top line (the
    // grips that start tracking).
    BOOL IsOnDivider(CPoint point) const;
    BOOL IsOnDescriptionLine(CPoint point) const;
    void StopTracking();
    void ResetGroupColor();
    CWTKProp* LastVisibleRow() const;

    std::vector<CWTKProp*> m_lstProps;          // top-level, owned
    std::vector<CWTKProp*> m_lstTerminalProps;  // the alphabetical rows, rebuilt on layout
    BOOL m_bAlphabeticMode = FALSE;
    CWTKProp* m_pSel = nullptr;
    BOOL m_bFocused = FALSE;
    CHeaderCtrl m_wndHeader;
    CToolTipCtrl m_ToolTip;
    int m_nTooltipTools = 0;
    CString m_strTip;  // the tooltip reads the text after the request's handler returns
    int m_nLeftColumnWidth = 0;
    int m_nRowHeight = 0;
    int m_nHeaderHeight = 0;
    CRect m_rectList;
    int m_nDescrHeight = -1;
    BOOL m_bDescriptionArea = FALSE;
    int m_nVertScrollOffset = 0;
    int m_nVertScrollTotal = 0;
    int m_nVertScrollPage = 0;
    HFONT m_hFont = nullptr;  // not owned
    CFont m_fontBold;
    COLORREF m_clrGroupBackground = CLR_DEFAULT;
    BOOL m_bGroupBarColor = TRUE;
    BOOL m_bTracking = FALSE;
    BOOL m_bTrackingDescr = FALSE;
    CRect m_rectTrackHeader;
    CRect m_rectTrackDescr;
};
