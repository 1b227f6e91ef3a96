#include "frames/TasksPaneToolBar.h"

IMPLEMENT_SERIAL(CTasksPaneToolBar, CWTKToolBar, VERSIONABLE_SCHEMA | 1)

void CTasksPaneToolBar::OnUpdateCmdUI(CFrameWnd* /*pTarget*/, BOOL /*bDisableIfNoHndler*/) {}
