#include "frames/TasksPaneToolBar.h"

IMPLEMENT_SERIAL(CTasksPaneToolBar, CWTKToolBar, VERSIONABLE_SCHEMA | 1)

CTasksPaneToolBar::CTasksPaneToolBar()
{
    // The pane handles the navigation commands without command-state handlers of its own.
    m_bDisableControlsIfNoHandler = FALSE;
}

void CTasksPaneToolBar::OnUpdateCmdUI(CFrameWnd* /*pTarget*/, BOOL /*bDisableIfNoHndler*/) {}
