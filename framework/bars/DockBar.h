// CDockBar: the strip along one side of a frame (ids FW_IDW_DOCKBAR_TOP .. BOTTOM) or inside a
// floating frame (FW_IDW_DOCKBAR_FLOAT) that holds docked control bars in rows.
//
// m_arrBars holds CControlBar* and nulls, read row by row: entry 0 is null, a null ends a row,
// the last entry is null. It holds nothing else, so derived dock bars may walk it and cast
// every non-null entry. A bar that floats leaves the array; the way back is its dock
// context's most recent dock bar and rectangle (the dock bar picks row and order from those).
#pragma once
#include "bars/ControlBar.h"
#include "core/PtrArray.h"

class CDockBar : public CControlBar {
    DECLARE_DYNAMIC(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE);
    ~CDockBar() override;

    // A child of pParentWnd (a frame, or a floating frame) with bar style dwStyle's CBRS_ALL bits.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    // Bars in the array; visible ones.
    int GetDockedCount() const;
    int GetDockedVisibleCount() const;
    // Inserts pBar at lpRect (screen coordinates; null: at the end of the last row) and makes
    // it a child of this dock bar.
    virtual void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Takes pBar out of the array (a row left empty goes too); a floating dock bar whose last
    // bar left hides its frame. FALSE when pBar is not here.
    virtual BOOL RemoveControlBar(CControlBar* pBar);
    // Lays the rows out: each visible bar at its size for this side, row after row.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void DoPaint(CDC* pDC) override;

    // The index of pBar in m_arrBars, or -1 (nPosExclude is skipped).
    int FindBar(CControlBar* pBar, int nPosExclude = -1) const;
    // Bars of the row that starts after the separator at nPos: the index of the row's end.
    int GetRowEnd(int nPos) const;

    BOOL m_bFloating;             // inside a floating frame
    BOOL m_bLayoutQuery = FALSE;  // the layout being computed only measures
    CPtrArray m_arrBars;          // CControlBar* and row-separating nulls

protected:
    // The index at which a bar dropped at rect (client coordinates of this dock bar) goes;
    // a new row is opened (a null inserted) when rect lies between rows or beyond them.
    int Insert(CControlBar* pBar, CRect rect);
    // Removes nulls that leave an empty row, keeping the first and last separators.
    void CompactRows();
    // Keeps the floating frame's caption in step with the first bar's text.
    void UpdateFloatingCaption();

    void OnNcPaintDockBar();
    LRESULT OnSizeParentDock(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
