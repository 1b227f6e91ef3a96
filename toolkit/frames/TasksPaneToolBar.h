// CTasksPaneToolBar: the tasks pane's navigation toolbar (Back, Forward, Home, the page menu
// button and Close). Its owner is the pane, which keeps its buttons' state and places it.
#pragma once

#include "command_bars/WTKToolBar.h"

class CWTKTasksPane;

class CTasksPaneToolBar : public CWTKToolBar {
    DECLARE_SERIAL(CTasksPaneToolBar)

public:
    CTasksPaneToolBar() = default;

    void SetPane(CWTKTasksPane* pPane) { m_pPane = pPane; }
    CWTKTasksPane* GetPane() const { return m_pPane; }

    // The pane, not the frame, decides which navigation buttons are enabled.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL AllowShowOnList() const override { return FALSE; }
    BOOL CanBeClosed() const override { return FALSE; }

protected:
    CWTKTasksPane* m_pPane = nullptr;
};
