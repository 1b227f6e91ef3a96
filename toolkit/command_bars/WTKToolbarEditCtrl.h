// CWTKToolbarEditCtrl: the edit control an edit box button hosts on its toolbar. It tells the
// button about focus and hover (for the look) and handles Tab and Escape itself.
#pragma once
#include "win/Edit.h"

class CWTKToolbarEditBoxButton;

class CWTKToolbarEditCtrl : public CEdit {
public:
    explicit CWTKToolbarEditCtrl(CWTKToolbarEditBoxButton& button);
    ~CWTKToolbarEditCtrl() override;
    CWTKToolbarEditCtrl(const CWTKToolbarEditCtrl&) = delete;
    CWTKToolbarEditCtrl& operator=(const CWTKToolbarEditCtrl&) = delete;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The leave tracking is running.
    BOOL IsTracked() const { return m_bTracked; }

    // Id and period of the leave timer; its ticks go to LeaveTimerProc, never to the edit's own
    // procedure, which would take an unknown WM_TIMER as its caret blink.
    static constexpr UINT_PTR kLeaveTimerId = 2;
    static constexpr UINT kLeaveTimerPeriod = 100;
    // One tick: nothing while the cursor is over the control; otherwise the timer stops and the
    // control is posted WM_MOUSELEAVE.
    static void CALLBACK LeaveTimerProc(HWND hWnd, UINT nMsg, UINT_PTR nIdEvent, DWORD dwTime);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void StartTracking();
    void StopTracking();

    CWTKToolbarEditBoxButton& m_button;
    BOOL m_bTracked = FALSE;
};
