// CMiniDockFrameWnd: the floating frame of control bars: a tool window with a small caption
// and a system menu, owned by the docking frame, holding one floating dock bar
// (FW_IDW_DOCKBAR_FLOAT) that holds the bars. It sizes itself around its bars; its caption
// drags the first bar, its edges resize a dynamic bar, a double-click on the caption toggles
// docking, and closing it hides its bars. It hides when its last bar leaves.
#pragma once
#include "bars/DockBar.h"
#include "docview/MiniFrameWnd.h"

class CMiniDockFrameWnd : public CMiniFrameWnd {
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd();

    // Owned by pParent (the docking frame); dwBarStyle's CBRS_SIZE_DYNAMIC gives sizing edges.
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    // Sizes the window around its dock bar's bars (dynamic bars: LM_HORZ | LM_MRUWIDTH).
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // The first bar of the floating dock bar, or null.
    CControlBar* GetFirstBar() const;
    // Destroys pOwner's floating frames that hold no bar any more (a frame with hidden bars stays).
    static void DestroyEmptyFrames(CFrameWnd* pOwner);

    CDockBar m_wndDockBar;

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnClose();
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    void OnGetMinMaxInfo(MINMAXINFO* pMMI);

    DECLARE_MESSAGE_MAP()
};
