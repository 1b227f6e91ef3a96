// CButtonImageToolBar: the tools of the "Edit Button Image" dialog. Its buttons' commands go
// to the dialog that owns it, never to a frame behind the dialog.
#pragma once
#include "command_bars/WTKToolBar.h"

class CButtonImageToolBar : public CWTKToolBar {
public:
    CButtonImageToolBar() { m_bRouteCommandsViaFrame = FALSE; }

    // Shows the button of the command checked or not (nothing when there is no such button).
    void SetCheck(UINT nID, BOOL bCheck);
    // Enables the button of the command or not.
    void EnableButton(UINT nID, BOOL bEnable);
    BOOL IsChecked(UINT nID) const;
    BOOL IsEnabled(UINT nID) const;

private:
    void SetStyleBits(UINT nID, UINT nBits, BOOL bOn);
};
