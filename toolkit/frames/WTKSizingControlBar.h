// CWTKSizingControlBar: the toolkit's resizable docking pane. It holds child windows, docks on
// any side of a frame and shares its dock row with other sizing bars (the row's length is
// negotiated between them), is resized by dragging its sizable edges, carries a caption strip
// with a hide and an expand button, floats in a CWTKMiniDockFrameWnd that can roll up, and
// keeps its sizes and expansion state in the registry. Every bar window stands in
// WTKAllSizingBars() while it exists; rows consider only the bars found there.
//
// Sources by responsibility: WTKSizingControlBar.cpp (creation, sizes, rows and layout, state),
// WTKSizingControlBarNc.cpp (non-client area, caption buttons, mouse and edge tracking).
#pragma once

#include "foundation/WTKBarInfo.h"
#include "foundation/WTKBarLookInfo.h"
#include "foundation/WTKCaptionButtonInfo.h"
#include "foundation/WTKSizingBarBase.h"
#include "frames/res/WTKFramesRes.h"

#include "bars/ControlBar.h"
#include "core/Point.h"
#include "core/Rect.h"
#include "core/Size.h"
#include "core/String.h"
#include "win/ToolTipCtrl.h"

class CDockBar;
class CWTKTabWnd;

// Hit-test codes and tooltips of the two caption buttons.
constexpr UINT kWTKSizingBarHideHit = 19;
constexpr UINT kWTKSizingBarExpandHit = 9;
constexpr UINT kWTKIdsHideDockedWindow = IDS_WTK_HIDE_DOCKED_WINDOW;
constexpr UINT kWTKIdsExpandDockedWindow = IDS_WTK_EXPAND_DOCKED_WINDOW;
constexpr UINT kWTKIdsContractDockedWindow = IDS_WTK_CONTRACT_DOCKED_WINDOW;

class CWTKSizingControlBar : public CControlBar, public CWTKSizingBarBase, public CWTKBarInfo, public CWTKBarLookInfo {
    DECLARE_DYNAMIC(CWTKSizingControlBar)

public:
    // One caption button as the look reads it.
    class CCaptionButton : public CWTKCaptionButtonInfo {
    public:
        CCaptionButton(UINT nHit, UINT nTipID) : m_nHit(nHit), m_nTipID(nTipID) {}
        int GetHitCode() const override { return (int)m_nHit; }
        CPoint GetPosition() const override { return m_ptOrg; }
        BOOL IsPushed() const override { return m_bPushed; }
        BOOL IsHighlighted() const override { return m_bFocused; }
        BOOL IsGlyphSized() const override { return FALSE; }
        // Window coordinates of the bar.
        CRect GetRect() const;

        UINT m_nHit;
        UINT m_nTipID;
        BOOL m_bPushed = FALSE;
        BOOL m_bFocused = FALSE;  // highlighted
        BOOL m_bHidden = FALSE;
        CPoint m_ptOrg;  // top-left, window coordinates of the bar
    };

    // Edge flags: the edges that resize the bar, and whether it has sizable edges at all.
    enum EdgeFlags : UINT {
        kEdgeLeft = 0x1,
        kEdgeRight = 0x2,
        kEdgeTop = 0x4,
        kEdgeBottom = 0x8,
        kEdgeAll = 0xF,
        kEdgeSizable = 0x10,
    };

    static constexpr int kDefaultSize = 200;
    static constexpr int kDefaultMinCX = 33;
    static constexpr int kDefaultMinCY = 32;
    static constexpr int kMinCaptionHeight = 12;
    static constexpr int kBorder = 5;
    static constexpr int kEdgeThickness = 6;
    // Registry section base used when no profile name is given.
    static const char* const m_pszSectionBase;

    CWTKSizingControlBar();
    ~CWTKSizingControlBar() override;
    CWTKSizingControlBar(const CWTKSizingControlBar&) = delete;
    CWTKSizingControlBar& operator=(const CWTKSizingControlBar&) = delete;

    // ---- The toolkit's operations, in their order ----
    // A child of pParentWnd (the frame) with the bar style in dwStyle; sizeDefault becomes all
    // three sizes; bHasGripper gives the caption strip and its buttons.
    virtual BOOL Create(LPCSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper, UINT nID,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP);
    // The floating size is raised to the minimum at once; docked sizes are clamped when laid out.
    virtual void SetMinSize(CSize size);
    // A component of 0 or less means no maximum; a positive one lowers the floating size.
    virtual void SetMaxSize(CSize size);
    // Section lpszProfileName + "-SCBar-<control id>" of the application's profile.
    void LoadState(LPCTSTR lpszProfileName) override;
    void SaveState(LPCTSTR lpszProfileName) override;
    // The hide button hides the bar (and a floating frame closes) only when this says TRUE.
    virtual BOOL CanBeHidden() const { return TRUE; }
    virtual void OnTrackStart();
    virtual void OnTrackStop();
    // ptClient: the mouse in the bar's client coordinates.
    virtual void OnTrackUpdateSize(CPoint ptClient);
    virtual void OnTrackInvertTracker();
    // Places the row's bars end to end from the first bar's start.
    virtual void AlignRow();
    // Title-bar painter used only when m_bUseDrawCaption is on.
    virtual void DrawCaption(CDC* pDC, const CRect& rectCaption);
    virtual void EnableChildren(BOOL bEnable);
    // The non-client painter clips to the pending update region only when this says TRUE.
    virtual BOOL IsClipRgnNeeded() const { return TRUE; }

    // ---- Framework overrides ----
    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // ---- CWTKSizingBarBase, CWTKBarInfo ----
    CWnd* GetBarWnd() override { return this; }
    DWORD GetBarStyle() const override { return m_dwStyle; }
    BOOL IsDockable() const override { return m_pDockContext != nullptr; }
    Kind GetLookKind() const override { return kindSizingBar; }
    BOOL IsFloating() const override { return CControlBar::IsFloating(); }
    // The caption runs down the left side while the bar is docked at the top or bottom.
    BOOL HasVerticalCaption() const override { return IsHorzDocked(); }
    CString GetTitle() const override;
    CRect GetWindowRectScreen() const override;

    // The framework's docking enable, then the sizing bars' drag context in place of the
    // framework's.
    void EnableDocking(DWORD dwDockStyle);
    // The bar's only child window that is a tab window; null when there is none or several.
    CWTKTabWnd* FindSingleTabWnd() const;

    // ---- State the docking classes and the tests read ----
    CSize GetHorzSize() const { return m_szHorz; }
    CSize GetVertSize() const { return m_szVert; }
    CSize GetFloatSize() const { return m_szFloat; }
    CSize GetMinSize() const { return m_szMin; }
    CSize GetMaxSize() const { return m_szMax; }
    void SetHorzSize(CSize size) { m_szHorz = size; }
    void SetVertSize(CSize size) { m_szVert = size; }
    void SetFloatSize(CSize size) { m_szFloat = size; }
    int GetCaptionHeight() const { return m_cyGripper; }
    // The id of the dock bar it sits on (any other value than the four sides: floating).
    UINT GetDockBarID() const { return m_nDockBarID; }
    BOOL IsSideTracking() const { return m_bTracking; }
    BOOL IsExpanded() const { return m_bExpanded; }
    BOOL IsAloneInRow() const { return m_bAloneInRow; }
    BOOL IsFocusInside() const { return m_bFocusInside; }
    UINT GetEdgeFlags() const { return m_nEdgeFlags; }
    // Docked at the top or bottom.
    BOOL IsHorzDocked() const;
    // Docked at the left or right.
    BOOL IsVertDocked() const;
    BOOL IsSideDocked() const { return IsHorzDocked() || IsVertDocked(); }
    // Expands the bar in its row (the others shrink to their minimum) or contracts the row
    // back to the sizes it had before; nothing for a floating bar or a bar alone in its row.
    void ToggleExpand();
    // Roll-up of the floating frame (WTKRollUpMode values): the floating frame reads and steps
    // them, and LoadState hands loaded ones to it.
    int GetRollUpMode() const { return m_nRollUpMode; }
    BOOL IsRolledUp() const { return m_bRolledUp; }
    void SetRollUpState(int nMode, BOOL bRolledUp);
    const CCaptionButton& GetCaptionButton(int i) const { return m_buttons[i]; }
    // Window rectangle of an edge (kEdgeLeft, kEdgeTop, kEdgeRight, kEdgeBottom), in the
    // bar's window coordinates; empty when that edge does not resize the bar.
    CRect GetEdgeRect(UINT nEdge) const;

    // Static options, off by default: the caption as a title bar, a gradient title bar, and
    // the expand button hidden while the bar is alone in its row.
    static BOOL m_bUseDrawCaption;
    static BOOL m_bGradientCaption;
    static BOOL m_bHideExpandWhenAlone;

protected:
    using CSizingBarRow = CArray<CWTKSizingControlBar*, CWTKSizingControlBar*>;

    // ---- Rows ----
    // The sizing bars of this bar's row (visible, in the global array), in order; nThis is
    // this bar's index among them.
    void GetRowSizingBars(CSizingBarRow& arrSCBars) const;
    void GetRowSizingBars(CSizingBarRow& arrSCBars, int& nThis) const;
    // The sizing bar an entry of a dock bar's array is, when it stands in the global array.
    static CWTKSizingControlBar* SizingBarOf(void* pEntry);
    // All bars of this bar's row, sizing or not (visible ones).
    void GetRowInfo(int& nFirst, int& nLast, int& nThis) const;
    // Fits the row into the available length; FALSE when this bar had to move to a new row.
    BOOL NegotiateSpace(int nLengthTotal, BOOL bHorz);
    // The length the row's dock bar offers (its rectangle, or the frame's client rectangle).
    int GetAvailableLength(BOOL bHorz) const;
    // Moves this bar into a new row directly after its own (deferred out of the layout).
    void MoveToNewRow();
    BOOL IsInGlobalArray() const;
    void RemoveFromGlobalArray();
    // The dock bar id now: the side's id, FW_IDW_DOCKBAR_FLOAT while floating, else the last one.
    UINT CurrentDockBarID() const;
    BOOL IsFocusWithin() const;
    CString StateSection(LPCTSTR lpszProfileName) const;
    // The loaded expansion and roll-up states, applied once the dock state is.
    void ApplyLoadedState();
    // The docked size for a direction, and its length along and across a row.
    CSize& DockedSize(BOOL bHorz) { return bHorz ? m_szHorz : m_szVert; }
    const CSize& DockedSize(BOOL bHorz) const { return bHorz ? m_szHorz : m_szVert; }
    static LONG& Along(CSize& size, BOOL bHorz) { return bHorz ? size.cx : size.cy; }
    static int Along(const CSize& size, BOOL bHorz) { return bHorz ? size.cx : size.cy; }
    static LONG& Across(CSize& size, BOOL bHorz) { return bHorz ? size.cy : size.cx; }
    // The frame is laid out again at idle.
    void DelayFrameLayout();

    // ---- Non-client ----
    void NcCalcClient(LPRECT pRc, UINT nDockBarID);
    void RedrawButton(const CCaptionButton& btn);
    void HotTrack(CPoint ptScreen);
    // Caption buttons lose their pressed and highlighted states.
    void ClearButtons(BOOL bReleaseCapture);
    int HitTestEdges(CPoint ptScreen) const;
    void UpdateExpandTip();
    // The tracked edge lies between two bars of the row (not the row's outer edge).
    BOOL IsEdgeBetweenBars() const;
    // The bar on the other side of the tracked edge, or null.
    CWTKSizingControlBar* TrackedNeighbour() const;
    void NotifyPopupMenu(CPoint ptScreen);

    // ---- Messages ----
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    void OnNcDestroy();
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    LRESULT OnNcHitTest(CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnNcLButtonUp(UINT nHitTest, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnNcMouseMove(UINT nHitTest, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    LRESULT OnNcRButtonUp(WPARAM wParam, LPARAM lParam);
    void OnCaptureChanged(CWnd* pWnd);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    // Release (screen point) after a press on an edge or a caption button.
    void OnButtonRelease(CPoint ptScreen);

    DECLARE_MESSAGE_MAP()

    CSize m_szHorz;
    CSize m_szVert;
    CSize m_szFloat;
    CSize m_szMin;
    CSize m_szMax;
    int m_cyGripper = 0;
    int m_nBorder = kBorder;
    int m_cxEdge = kEdgeThickness;
    UINT m_nEdgeFlags = 0;

    // Edge tracking.
    UINT m_htEdge = 0;
    CSize m_szOld;   // size for the docking direction when tracking began
    CPoint m_ptOld;  // start point, client coordinates
    BOOL m_bTracking = FALSE;
    CSize m_szMinT;  // limits of this drag
    CSize m_szMaxT;
    CSize m_szTrackDrawn;  // the size the tracker is drawn for
    CPoint m_ptLastTrack = CPoint(-32768, -32768);

    UINT m_nDockBarID = 0;
    BOOL m_bExpanded = FALSE;
    CSize m_szBeforeExpand;
    BOOL m_bAloneInRow = FALSE;
    BOOL m_bDockedAnew = FALSE;
    BOOL m_bShown = FALSE;
    BOOL m_bFocusInside = FALSE;
    int m_nRollUpMode = 0;
    BOOL m_bRolledUp = FALSE;

    BOOL m_bMoveToNewRow = FALSE;
    BOOL m_bStatePending = FALSE;
    BOOL m_bLoadedExpanded = FALSE;

    CCaptionButton m_buttons[2];  // hide, expand
    CRect m_rectCaption;          // window coordinates of the caption strip (empty: none)
    CRect m_rectRedraw;           // window coordinates: the caption button being redrawn alone
    CToolTipCtrl m_wndToolTip;
};
