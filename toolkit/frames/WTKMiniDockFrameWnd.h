// CWTKMiniDockFrameWnd: the toolkit's floating frame. Over the framework's it adds a roll-up
// button and automatic rolling up for sizing bars, keeps a sizing bar's caption on the work
// area, hands edge drags to the sizing bar's drag context, and carries torn-off menus to
// where the user drops them (MoveTornOffBar).
#pragma once
#include "command_bars/WTKTornOffBarFrame.h"

#include "bars/MiniDockFrameWnd.h"
#include "core/Rect.h"

class CWTKPopupMenu;
class CWTKSizingControlBar;

class CWTKMiniDockFrameWnd : public CMiniDockFrameWnd, public CWTKTornOffBarFrame {
    DECLARE_DYNCREATE(CWTKMiniDockFrameWnd)
public:
    CWTKMiniDockFrameWnd() = default;

    BOOL Create(CWnd* pParent, DWORD dwBarStyle) override;
    // Follows the mouse with the frame until the button is released (TRUE) or the move is
    // cancelled (FALSE: the torn-off bar is destroyed and the popup shown again).
    BOOL MoveTornOffBar(CWTKPopupMenu* pMenuPopup, CWnd* pButtonWnd, const CRect& rectButton) override;

    // The first bar when it exists and is a sizing bar, else null.
    CWTKSizingControlBar* GetSizingBar() const;
    // The roll-up button press: the mode and rolled flag step on, the frame re-lays out.
    void ToggleRollUp();
    // Window coordinates of the roll-up button (empty without a roll-up mode).
    CRect GetRollUpButtonRect() const { return m_rectRollUp; }
    int GetRollUpMode() const { return m_nRollUpMode; }
    BOOL IsRolledUp() const { return m_bRolledUp; }
    // One tick of the automatic roll-up countdown (what the timer does).
    void OnRollUpTick();

protected:
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcRButtonDown(UINT nHitTest, CPoint point);
    void OnNcMouseMove(UINT nHitTest, CPoint point);
    void OnSize(UINT nType, int cx, int cy);
    void OnNcPaint();
    BOOL OnNcActivate(BOOL bActive);
    void OnWindowPosChanging(WINDOWPOS* pWndPos);
    void OnWindowPosChanged(WINDOWPOS* pWndPos);
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void OnClose();
    void OnDestroy();

    // Copies the roll-up mode and state from the sizing bar and places the button.
    void UpdateRollUpButton();
    void DrawRollUpButton();
    // The sizing bar's new roll-up mode and rolled flag, copied here, and a new layout.
    void ApplyRollUp(int nMode, BOOL bRolledUp);
    void KeepCaptionOnWorkArea();
    // Back in front of the owner frame when found behind it.
    void KeepAboveOwner();

    DECLARE_MESSAGE_MAP()

    CRect m_rectRollUp;  // window coordinates
    int m_nRollUpMode = 0;
    BOOL m_bRolledUp = FALSE;
    int m_nNarrowWidth = -1;  // mode 4: measured once
    int m_nRollDownCount = 6;
    UINT_PTR m_nTimerID = 0;
    BOOL m_bInPosChanged = FALSE;
};
