// CWorkspaceTabWnd: the content bar's tab window. The notifications of its tabs' controls (the
// contents tree's above all) travel on to its owner, and through the bar to the main frame.
#pragma once
#include "frames/WTKTabWnd.h"

class CWorkspaceTabWnd : public CWTKTabWnd {
protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
