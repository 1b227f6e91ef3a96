// CTasksPaneMenuButton: the navigation toolbar's button that lists the pane's pages; its text
// is the pane's window text and a press opens the pane's page menu.
#pragma once

#include "command_bars/WTKToolbarMenuButton.h"

class CWTKTasksPane;

class CTasksPaneMenuButton : public CWTKToolbarMenuButton {
    DECLARE_SERIAL(CTasksPaneMenuButton)

public:
    CTasksPaneMenuButton() = default;
    CTasksPaneMenuButton(UINT uiID, LPCSTR lpszText, CWTKTasksPane* pPane);

    BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) override;
    void CopyFrom(const CWTKToolbarButton& src) override;
    BOOL IsEmptyMenuAllowed() const override { return TRUE; }
    BOOL CanBeStored() const override { return FALSE; }

protected:
    CWTKTasksPane* m_pPane = nullptr;
};
