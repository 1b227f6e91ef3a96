// CDockBar: the strip along one side of a frame (ids FW_IDW_DOCKBAR_TOP .. BOTTOM) or inside a
// floating frame (FW_IDW_DOCKBAR_FLOAT) that holds docked control bars in rows.
//
// m_arrBars holds CControlBar* and nulls, read row by row: entry 0 is null, a null ends a row,
// the last entry is null. It holds nothing else, so derived dock bars may walk it and cast
// every non-null entry. A bar that leaves for a floating frame leaves a place-holder (its id,
// row, place in the row and position) in a list of its own, so that docking it back without
// a rectangle puts it where it was.
#pragma once
#include "bars/ControlBar.h"
#include "core/PtrArray.h"

#include <vector>

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
    // A dock bar's record lists its bars (ids in order, 0 ending a row).
    BOOL GetBarInfo(CControlBarInfo* pInfo) override;
    // Takes the listed bars of pFrameWnd in the listed order (ids the frame lacks are skipped,
    // as are dock bars and bars listed twice); bars here that the list leaves out keep a row
    // of their own at the end.
    void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;

    // A place-holder for the bar with this id is kept (it left for a floating frame).
    BOOL HasPlaceholder(UINT nBarID) const;
    // Remembers where pBar (about to leave for a floating frame) sits.
    void AddPlaceholder(CControlBar* pBar);

    // The index of pBar in m_arrBars, or -1 (nPosExclude is skipped).
    int FindBar(CControlBar* pBar, int nPosExclude = -1) const;
    // Bars of the row that starts after the separator at nPos: the index of the row's end.
    int GetRowEnd(int nPos) const;

    BOOL m_bFloating;             // inside a floating frame
    BOOL m_bLayoutQuery = FALSE;  // the layout being computed only measures
    CRect m_rectLayout;           // the frame's free rectangle the layout may take
    CPtrArray m_arrBars;          // CControlBar* and row-separating nulls

protected:
    // The index at which a bar dropped at rect (client coordinates of this dock bar) goes;
    // a new row is opened (a null inserted) when rect lies between rows or beyond them.
    int Insert(CControlBar* pBar, CRect rect);
    // Removes nulls that leave an empty row, keeping the first and last separators.
    void CompactRows();
    // Keeps the floating frame's caption in step with the first bar's text.
    void UpdateFloatingCaption();
    // The index where pBar comes back (a new row opened when it had its own), or -1; the
    // place-holder goes.
    int TakePlaceholder(CControlBar* pBar, CPoint& ptPos);
    void ErasePlaceholder(UINT nBarID);

    struct Placeholder {
        UINT nBarID;
        int nRow;       // row number, from 0
        int nPosInRow;  // bars before it in the row
        BOOL bOwnRow;   // it was alone in its row
        CPoint ptPos;   // its position in this dock bar
    };
    std::vector<Placeholder> m_placeholders;

    DECLARE_MESSAGE_MAP()

    friend class CControlBar;
};
