// The popup tests' frame: a toolbar test frame that hosts popups the way the toolkit's frames
// do (it tracks the active popup and may veto one), and the seams the tests drive: a fake
// tick clock and a work area.
#pragma once
#include "ToolBarTestSupport.h"

#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuHost.h"
#include "command_bars/tests/CommandBarSettingsScope.h"

class CPopupTestFrame : public CToolBarTestFrame, public CWTKPopupMenuHost {
public:
    BOOL ShowPopupMenu(CWTKPopupMenu* pMenuPopup) override;
    CWTKPopupMenu* OnClosePopupMenu(CWTKPopupMenu* pMenuPopup) override;

    BOOL m_bAllowPopups = TRUE;
    int m_nShown = 0;
    int m_nClosed = 0;
};

// Installs the seams for a test and puts the real ones back at its end.
class PopupSeams {
public:
    PopupSeams();
    ~PopupSeams();
    PopupSeams(const PopupSeams&) = delete;
    PopupSeams& operator=(const PopupSeams&) = delete;

    static DWORD s_dwTick;
    static CRect s_rectWork;

private:
    const CommandBarSettingsScope m_settings;
};

// A new menu with the items; a null text makes a separator, "\1" starts a sub-menu with the
// next items up to "\2".
HMENU BuildMenu(std::initializer_list<std::pair<UINT, const char*>> items);
