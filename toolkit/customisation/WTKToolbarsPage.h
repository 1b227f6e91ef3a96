// CWTKToolbarsPage: the sheet's "Toolbars" page: the frame's toolbars with a check for each
// shown bar, and the buttons that reset, create, rename and delete bars and switch their text
// labels. Every handler copes with a list without selection.
#pragma once
#include "customisation/ToolbarsCheckList.h"

#include "win/Button.h"
#include "win/PropertyPage.h"

class CWTKToolBar;

class CWTKToolbarsPage : public CPropertyPage {
    DECLARE_DYNCREATE(CWTKToolbarsPage)
public:
    CWTKToolbarsPage();

    // A toolbar was shown or hidden elsewhere: its entry's check follows.
    void ShowToolBar(CWTKToolBar* pBar, BOOL bShow);
    CToolbarsCheckList& GetToolbarList() { return m_wndToolbarList; }
    // The entry of the toolbar, or -1.
    int FindToolBar(const CWTKToolBar* pBar) const;
    // The bar of the selected entry, or null.
    CWTKToolBar* GetSelectedToolBar() const;
    // The bar of the entry while it exists, or null.
    CWTKToolBar* GetToolBarAt(int nIndex) const;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnSelchangeToolbarList();
    void OnCheckChange();
    void OnResetToolbar();
    void OnResetAllToolbars();
    void OnNewToolbar();
    void OnRenameToolbar();
    void OnDeleteToolbar();
    void OnTextLabels();
    DECLARE_MESSAGE_MAP()

    // Yes or No with the question icon; TRUE for Yes.
    static BOOL AskYesNo(UINT nIDFormat, LPCSTR lpszName);
    // The entry's text: the bar's name, or "<Untitled>".
    static CString GetToolbarName(CWTKToolBar* pBar);
    static BOOL IsListed(CWTKToolBar* pBar, CFrameWnd* pFrame);
    // Adds the bar (checked when visible, check enabled when it can be closed); its index.
    int AddToolBar(CWTKToolBar* pBar);
    // The buttons for the selected bar (all off without one).
    void UpdateButtons();
    BOOL AllowsUserToolbars() const;

    CToolbarsCheckList m_wndToolbarList;
    CButton m_wndResetButton;
    CButton m_wndResetAllButton;
    CButton m_wndNewButton;
    CButton m_wndRenameButton;
    CButton m_wndDeleteButton;
    CButton m_wndTextLabels;
};
