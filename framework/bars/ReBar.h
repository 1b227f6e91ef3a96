// CReBar: a control bar that is a rebar control: each band holds a child window (a toolbar,
// as a rule). The band calls are those of CReBarCtrl, on the same window.
#pragma once
#include "bars/ControlBar.h"
#include "bars/ReBarCtrl.h"

class CReBar : public CControlBar {
    DECLARE_DYNAMIC(CReBar)
public:
    CReBar() = default;
    ~CReBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwCtrlStyle = RBS_BANDBORDERS,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                UINT nID = 0xE804);
    // The band calls on this bar's window (valid while the window exists).
    CReBarCtrl& GetReBarCtrl() { return m_ctrl; }
    // A band holding pBar (made a child of this bar) with lpszText as its label.
    BOOL AddBar(CWnd* pBar, LPCSTR lpszText = nullptr, DWORD dwStyle = RBBS_GRIPPERALWAYS | RBBS_CHILDEDGE);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    void OnDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

    // A second object over the same window (not in the handle map), for the band calls.
    CReBarCtrl m_ctrl;
};
