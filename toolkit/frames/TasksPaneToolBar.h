// CTasksPaneToolBar: the tasks pane's navigation toolbar (Back, Forward, Home, the page menu
// button and Close). Its owner is the pane, which keeps its buttons' state and places it.
#pragma once

#include "command_bars/WTKToolBar.h"

class CTasksPaneToolBar : public CWTKToolBar {
    DECLARE_SERIAL(CTasksPaneToolBar)

public:
    CTasksPaneToolBar();

    // The pane, not the frame, decides which navigation buttons are enabled.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL AllowShowOnList() const override { return FALSE; }
    BOOL CanBeClosed() const override { return FALSE; }
};
