// CControlBar: a strip along a frame's side (toolbar, status bar, dialog bar, dock bar) that
// the frame lays out through WM_SIZEPARENT, that keeps its commands' states current at idle,
// and that docks and floats once EnableDocking gave it a dock context.
//
// The bar style (m_dwStyle, CBRS_* of docview/BarStyles.h) is kept apart from the window
// style: Create takes both in one word and gives the window everything outside CBRS_ALL.
// A bar's children report to the bar's owner (the frame it was created in), also while the
// bar floats: WM_COMMAND, WM_NOTIFY and the owner-draw messages go there.
#pragma once
#include "docview/BarStyles.h"
#include "docview/FrameWnd.h"
#include "win/Wnd.h"

class CDC;
class CDockBar;
class CDockContext;
struct CControlBarInfo;

// Modes of CalcDynamicLayout.
#define LM_STRETCH 0x01   // the bar spans the whole length it is given
#define LM_HORZ 0x02      // horizontal (else vertical)
#define LM_MRUWIDTH 0x04  // the most recent floating width
#define LM_HORZDOCK 0x08  // docked at the top or bottom
#define LM_VERTDOCK 0x10  // docked at the left or right
#define LM_LENGTHY 0x20   // nLength is a height (else a width)
#define LM_COMMIT 0x40    // remember the result (the most recent floating width)

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();
    ~CControlBar() override;

    // ---- Styles and borders ----
    DWORD GetBarStyle() const { return m_dwStyle; }
    // Keeps CBRS_ALL bits only; OnBarStyleChange hears of the change.
    void SetBarStyle(DWORD dwStyle);
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect) { SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    CRect GetBorders() const { return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder); }
    // The orientation the bar has now (docked side, or its floating style).
    BOOL IsHorizontal() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }

    // ---- Docking ----
    // Allows the sides in dwDockStyle (CBRS_ALIGN_*; 0 forbids docking) and creates the dock context.
    void EnableDocking(DWORD dwDockStyle);
    CFrameWnd* GetDockingFrame() const;
    BOOL IsFloating() const;
    BOOL IsDockBar() const { return m_bDockBar; }
    // Shown, or waiting to be shown at idle (and not waiting to be hidden).
    BOOL IsVisible() const;
    // The change happens at the frame's next idle update, with one layout for all bars.
    void DelayShow(BOOL bShow);
    // Applies a pending DelayShow; TRUE when the window was shown or hidden.
    BOOL ApplyDelayedShow();

    // ---- Layout ----
    // The size of the bar docked (bHorz: along the top or bottom) or, with bStretch, the size
    // it takes when it spans the frame. The default is the borders' size, or 32767 along the
    // bar when it stretches.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // The size for a length (-1: the bar's choice) in the LM_* modes; the default answers
    // through CalcFixedLayout.
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    // rect shrinks by the borders and, with CBRS_GRIPPER, by the gripper.
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;

    // ---- Painting ----
    // The client area; the default draws nothing (the window class erases it).
    virtual void DoPaint(CDC* pDC);
    // The border lines of the CBRS_BORDER_* bits in the non-client area; rect shrinks by them.
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    // The gripper inside rect (the window rectangle less the borders) with CBRS_GRIPPER.
    virtual void DrawGripper(CDC* pDC, const CRect& rect);

    // ---- Commands ----
    // The idle update of the bar's items; the default updates the bar's child controls.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);

    // ---- State ----
    virtual BOOL GetBarInfo(CControlBarInfo* pInfo);
    // Docks, floats, shows or hides the bar as the record says (its m_pBar is this bar).
    virtual void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd);

    // ---- Overrides ----
    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    INT_PTR OnToolHitTest(CPoint point, TTTOOLINFOA* pTI) const override;
    void PostNcDestroy() override;

    // Creation helper for derived bars: a child of pParentWnd (the frame) of window class
    // lpszClass (a framework class when null) with the bar style in dwStyle's CBRS_ALL bits.
    BOOL CreateBar(LPCSTR lpszClass, LPCSTR lpszWindowName, DWORD dwStyle, CWnd* pParentWnd, UINT nID);

    // ---- Data the toolkit's bars read and write ----
    int m_cxLeftBorder = 6;
    int m_cxRightBorder = 6;
    int m_cyTopBorder = 1;
    int m_cyBottomBorder = 1;
    int m_nMRUWidth = 32767;                 // most recent floating width (dynamic bars)
    BOOL m_bAutoDelete = FALSE;              // delete this when the window is gone
    DWORD m_dwStyle = 0;                     // the bar style (CBRS_*)
    DWORD m_dwDockStyle = 0;                 // the sides the bar may dock at (0: none)
    CFrameWnd* m_pDockSite = nullptr;        // the frame it was made in (its list holds the bar)
    CDockBar* m_pDockBar = nullptr;          // the dock bar holding it (a floating one while floating)
    CDockContext* m_pDockContext = nullptr;  // owned; the toolkit may replace it

    // m_nStateFlags
    enum StateFlags { delayHide = 0x1, delayShow = 0x2 };
    UINT m_nStateFlags = 0;

protected:
    // Gripper strip: 3-D lines along the bar's start.
    enum { kGripperSize = 8 };  // room taken by the gripper across the bar's start

    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // Children's messages go to the owner: commands, notifications, owner drawing.
    LRESULT OnForwardToOwner(WPARAM wParam, LPARAM lParam);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    DECLARE_MESSAGE_MAP()

    BOOL m_bDockBar = FALSE;  // set by CDockBar
};
