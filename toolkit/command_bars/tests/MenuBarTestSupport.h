// Frames for the menu bar tests: a frame and an MDI frame that host the menu bar the way the
// toolkit's frames do (the bar shows the frame's menu, the frame shows no Windows menu), and an
// MDI child that records the system commands it receives.
#pragma once
#include "ToolBarTestSupport.h"

#include "MenuBarTestIds.h"

#include "command_bars/WTKMenuBar.h"
#include "command_bars/WTKMenuBarHost.h"

#include "docview/MDIChildWnd.h"
#include "docview/MDIFrameWnd.h"

#include <vector>

// What both test frames do for the bar.
class CMenuBarTestHost : public CWTKMenuBarHost {
public:
    void SetMenuBar(CWTKMenuBar* pMenuBar) override;
    UINT GetFrameResourceId() const override { return m_nResId; }
    HMENU GetDefaultMenu() const override { return m_hDefault; }
    void ReplaceDefaultMenu(HMENU hMenu) override;

    CWTKMenuBar* m_pMenuBar = nullptr;
    HMENU m_hDefault = nullptr;  // owned by the frame window (its menu, put back when it goes)
    UINT m_nResId = 0;
    std::vector<HMENU> m_replacedMenus;  // the old default menus handed back
    std::vector<UINT> m_resetMenus;      // wParam of each WTKTOOLBAR_RESETMENU

protected:
    virtual CFrameWnd* HostFrame() = 0;
    // The frame keeps its default menu in its own member as well.
    virtual void SetFrameDefaultMenu(HMENU hMenu) = 0;
};

class CMenuBarTestFrame : public CToolBarTestFrame, public CMenuBarTestHost {
public:
    // A frame with the menu resource as its menu; the bar, created docked at the top, takes it.
    BOOL CreateWithMenuBar(BOOL bVisible, CRect rect = CRect(40, 40, 640, 400), UINT nResId = IDR_MB_FRAME);

    CWTKMenuBar m_wndMenuBar;

protected:
    CFrameWnd* HostFrame() override { return this; }
    void SetFrameDefaultMenu(HMENU hMenu) override { m_hMenuDefault = hMenu; }
    LRESULT OnResetMenu(WPARAM wParam, LPARAM lParam);
    void OnMenuCommand(UINT nID) { m_commands.push_back(nID); }
    DECLARE_MESSAGE_MAP()
};

class CSysCommandChild : public CMDIChildWnd {
public:
    std::vector<UINT> m_sysCommands;
    static int s_nDestroyed;

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
};

class CMenuBarMDIFrame : public CMDIFrameWnd, public CMenuBarTestHost {
public:
    BOOL CreateWithMenuBar();
    // A visible child with dwStyle (WS_CHILD and the title styles), or null.
    CSysCommandChild* AddChild(DWORD dwStyle, HICON hIcon);

    CWTKMenuBar m_wndMenuBar;

protected:
    CFrameWnd* HostFrame() override { return this; }
    void SetFrameDefaultMenu(HMENU hMenu) override { m_hMenuDefault = hMenu; }
    // The bar shows the menus: the frame never gets a Windows menu again.
    BOOL OnSetMenu(HMENU hMenu) override;
    LRESULT OnResetMenu(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
