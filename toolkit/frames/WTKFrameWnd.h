// CWTKFrameWnd: the toolkit's single-document frame window. It embeds a CWTKFrameHelper and
// forwards to it: the placement is restored before creation and stored on close, the
// workspace loads the window state after LoadFrame, popup menus, the menu bar and toolbars see
// keys and clicks first, and EnableDocking installs the toolkit's dock bars and floating frames.
#pragma once
#include "frames/WTKFrameHelper.h"

#include "command_bars/WTKMenuBarHost.h"
#include "command_bars/WTKPopupMenuHost.h"

#include "docview/FrameWnd.h"

class CDC;
class CWTKPopupMenu;
class CWTKToolbarButton;
class CWTKToolbarMenuButton;

class CWTKFrameWnd : public CFrameWnd, public CWTKPopupMenuHost, public CWTKMenuBarHost {
    DECLARE_DYNCREATE(CWTKFrameWnd)
public:
    CWTKFrameWnd();
    ~CWTKFrameWnd() override;

    // ---- Framework overrides ----
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    // Asked for no particular help during context help, the frame stays in help mode.
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;
    // Help mode (Shift+F1) with the toolbars following the mouse.
    void OnContextHelp() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;

    // ---- Toolkit frame operations ----
    // Before a popup menu opens on this frame; TRUE lets it open.
    virtual BOOL OnShowPopupMenu(CWTKPopupMenu* pMenuPopup);
    // Clears the active popup when it is pMenuPopup; returns the previous active popup.
    CWTKPopupMenu* OnClosePopupMenu(CWTKPopupMenu* pMenuPopup) override;
    // Draws the image of a menu item that has none; TRUE when it drew one.
    BOOL OnDrawMenuImage(CDC* pDC, const CWTKToolbarMenuButton* pMenuButton, const CRect& rectImage) override;
    // The tooltip of a menu button; TRUE when the frame filled pTI.
    BOOL OnMenuButtonToolHitTest(CWTKToolbarButton* pButton, TTTOOLINFOA* pTI) override;
    // The tooltip text of a toolbar button; TRUE when the frame supplied it.
    virtual BOOL GetToolbarButtonToolTipText(CWTKToolbarButton* pButton, CString& strTTText);
    // Draws the logo strip of a popup menu.
    void OnDrawMenuLogo(CDC* pDC, CWTKPopupMenu* pMenuPopup, const CRect& rectLogo) override;
    // Asked before a menu is torn off into pBar; FALSE makes the popup destroy the bar.
    BOOL OnTearOffMenu(CWTKPopupMenu* pMenuPopup, CControlBar* pBar) override;
    void AddTearOffToolbar(CControlBar* pBar) override { m_Impl.AddTearOffToolbar(pBar); }

    // ---- The menu bar's host ----
    void SetMenuBar(CWTKMenuBar* pMenuBar) override { m_Impl.SetMenuBar(pMenuBar); }
    UINT GetFrameResourceId() const override { return m_Impl.m_nIDDefaultResource; }
    HMENU GetDefaultMenu() const override { return m_hMenuDefault; }
    void ReplaceDefaultMenu(HMENU hMenu) override;

    // ---- Non-virtual ----
    void EnableDocking(DWORD dwDockStyle);
    // Called by a popup menu that opens on this frame.
    BOOL ShowPopupMenu(CWTKPopupMenu* pMenuPopup) override;

    CWTKFrameHelper* GetFrameHelper() { return &m_Impl; }

protected:
    LRESULT OnMenuCharMessage(WPARAM wParam, LPARAM lParam);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnClose();
    void OnDestroy();
    void OnGetMinMaxInfo(MINMAXINFO* pMMI);
    LRESULT OnToolbarCreateNew(WPARAM wParam, LPARAM lParam);
    LRESULT OnToolbarDelete(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

    CWTKFrameHelper m_Impl;
    BOOL m_bContextHelp = FALSE;
};
