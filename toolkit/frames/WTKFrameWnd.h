// CWTKFrameWnd: the toolkit's single-document frame window. It embeds a CWTKFrameHelper and
// forwards to it: the placement is restored before creation and stored on close, the
// workspace loads the window state after LoadFrame, popup menus, the menu bar and toolbars see
// keys and clicks first, and EnableDocking installs the toolkit's dock bars and floating frames.
#pragma once
#include "frames/WTKFrameHelper.h"

#include "docview/FrameWnd.h"

class CDC;
class CWTKPopupMenu;
class CWTKToolbarButton;

class CWTKFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CWTKFrameWnd)
public:
    CWTKFrameWnd();
    ~CWTKFrameWnd() override;

    // ---- Framework overrides ----
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;

    // ---- Toolkit frame operations ----
    // Before a popup menu opens on this frame; TRUE lets it open.
    virtual BOOL OnShowPopupMenu(CWTKPopupMenu* pMenuPopup);
    // Clears the active popup when it is pMenuPopup; returns the previous active popup.
    virtual CWTKPopupMenu* OnClosePopupMenu(CWTKPopupMenu* pMenuPopup);
    // Draws the image of a menu button that has none; TRUE when it drew one.
    virtual BOOL OnDrawMenuImage(CDC* pDC, const CWTKToolbarButton* pMenuButton, const CRect& rectImage);
    // The tooltip of a menu button; TRUE when the frame filled pTI.
    virtual BOOL OnMenuButtonToolHitTest(CWTKToolbarButton* pButton, TTTOOLINFOA* pTI);
    // The tooltip text of a toolbar button; TRUE when the frame supplied it.
    virtual BOOL GetToolbarButtonToolTipText(CWTKToolbarButton* pButton, CString& strTTText);
    // Draws the logo strip of a popup menu.
    virtual void OnDrawMenuLogo(CDC* pDC, CWTKPopupMenu* pMenu, const CRect& rectLogo);
    // Asked before a menu is torn off into pBar; FALSE makes the popup destroy the bar.
    virtual BOOL OnTearOffMenu(CWTKPopupMenu* pMenuPopup, CControlBar* pBar);

    // ---- Non-virtual ----
    void EnableDocking(DWORD dwDockStyle);
    // Called by a popup menu that opens on this frame.
    BOOL ShowPopupMenu(CWTKPopupMenu* pMenuPopup);

    CWTKFrameHelper* GetFrameHelper() { return &m_Impl; }

protected:
    LRESULT OnMenuCharMessage(WPARAM wParam, LPARAM lParam);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnClose();
    void OnDestroy();
    LRESULT OnToolbarCreateNew(WPARAM wParam, LPARAM lParam);
    LRESULT OnToolbarDelete(WPARAM wParam, LPARAM lParam);
    // Context help with the toolbar mouse hook installed meanwhile.
    void OnContextHelp();

    DECLARE_MESSAGE_MAP()

    CWTKFrameHelper m_Impl;
    BOOL m_bContextHelp = FALSE;
};
