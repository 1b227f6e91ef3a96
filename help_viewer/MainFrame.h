// CMainFrame: the viewer's one top-level window. It hosts the menu bar, the standard toolbar
// with the search box and the Back and Forward drop-downs, the status bar, the caption bar
// naming the documentation and the content bar, shows topics and switches documentations.
#pragma once
#include "WorkspaceBar.h"
#include "command_bars/WTKMenuBar.h"
#include "command_bars/WTKStatusBar.h"
#include "command_bars/WTKToolBar.h"
#include "frames/WTKCaptionBar.h"
#include "frames/WTKFrameWnd.h"
#include "gdi/GdiObject.h"

class CCmdUI;
class CHelpDoc;
class CHtmlView;

class CMainFrame : public CWTKFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    // Asks the content module for the topic's page address and navigates the active view to
    // it. A topic outside the module's topics, or a module without page addresses, shows
    // nothing.
    void ShowTopic(int nTopic);
    // The application's main window when it is the viewer's main frame (also while the content
    // bar floats in a frame of its own), else null.
    static CMainFrame* FromApplication();
    // A pane's request: the topic of a list item or tree item, shown in the main frame.
    static void ShowTopicInMainFrame(INT_PTR nTopic);

    // The Load Documentation dialog as the frame runs it: TRUE with the chosen module's file
    // name after OK. Replaceable, so that a test can answer for the user; returns the previous.
    using LoadDocChooser = BOOL (*)(CWnd* pParentWnd, CString& strFileName);
    static LoadDocChooser SetLoadDocChooser(LoadDocChooser pfnChooser);

    BOOL OnShowPopupMenu(CWTKPopupMenu* pMenuPopup) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    CWTKMenuBar& GetMenuBar() { return m_wndMenuBar; }
    CWTKToolBar& GetToolBar() { return m_wndToolBar; }
    CWTKStatusBar& GetStatusBar() { return m_wndStatusBar; }
    CWTKCaptionBar& GetCaptionBar() { return m_wndCaptionBar; }
    CWorkspaceBar& GetContentBar() { return m_wndContentBar; }

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);
    LRESULT OnToolbarReset(WPARAM wParam, LPARAM lParam);
    LRESULT OnToolbarContextMenu(WPARAM wParam, LPARAM lParam);
    void OnToolbarSearch();
    void OnContentsSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnContentsItemExpanded(NMHDR* pNMHDR, LRESULT* pResult);
    void OnLoadDocumentation();
    void OnVendorWeb();
    void OnViewContentBar();
    void OnUpdateViewContentBar(CCmdUI* pCmdUI);
    void OnViewCaptionBar();
    void OnUpdateViewCaptionBar(CCmdUI* pCmdUI);
    void OnAppLook(UINT nID);
    void OnUpdateAppLook(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateMenuBar();
    BOOL CreateToolBar();
    BOOL CreateStatusBar();
    BOOL CreateCaptionBar();
    // The caption bar names the current documentation.
    void UpdateCaptionText();
    void ToggleBar(CControlBar& bar);
    // The Back or Forward drop-down lists the pages of the history behind or ahead.
    void FillHistoryPopup(CWTKPopupMenu* pMenuPopup, BOOL bBack);
    // The edit control of the toolbar's search box.
    static BOOL IsSearchBoxEdit(HWND hWnd);
    CHtmlView* GetHtmlView() const;
    CHelpDoc* GetHelpDoc() const;

    CWTKCaptionBar m_wndCaptionBar;
    CWTKMenuBar m_wndMenuBar;
    CWTKStatusBar m_wndStatusBar;
    CWTKToolBar m_wndToolBar;
    CWorkspaceBar m_wndContentBar;
    CBitmap m_bmpCaption;
};
