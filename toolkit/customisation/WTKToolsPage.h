// CWTKToolsPage: the customisation sheet's Tools page. It lists the user tools in menu order and
// lets the user add, delete and order them and edit the selected tool's text, command,
// arguments and initial directory. The command can be browsed for; the two menu buttons insert
// the string of a chosen menu item (the application's menus and strings, e.g. argument macros)
// at the caret of the arguments or initial directory edit.
#pragma once
#include "frames/WTKPropertyPage.h"

class CWTKUserTool;
class CWTKUserToolsManager;

class CWTKToolsPage : public CWTKPropertyPage {
    DECLARE_DYNCREATE(CWTKToolsPage)
public:
    // The menus of the two menu buttons are the first sub-menus of the menu resources; 0 hides
    // the button.
    explicit CWTKToolsPage(UINT uiArgumentsMenuId = 0, UINT uiInitialDirMenuId = 0);

    // The tool selected in the list, or null.
    CWTKUserTool* GetSelectedTool() const;

protected:
    BOOL OnInitDialog() override;
    // Shows the button's menu under it and returns the command chosen, 0 when none.
    virtual UINT TrackButtonMenu(UINT nButtonId, HMENU hMenu);

    void OnSelChange();
    void OnEditChange();
    void OnBrowse();
    void OnNewTool();
    void OnDeleteTool();
    void OnMoveUp();
    void OnMoveDown();
    void OnArgumentsMenu();
    void OnInitialDirMenu();
    DECLARE_MESSAGE_MAP()

    static CWTKUserToolsManager* GetManager();
    // The list again from the manager, with the tool selected (none: no selection).
    void FillList(const CWTKUserTool* pSelect);
    // The selected tool's fields into the edits (cleared when none is selected).
    void ShowSelectedTool();
    void SetEditsText(LPCSTR lpszLabel, LPCSTR lpszCommand, LPCSTR lpszArguments, LPCSTR lpszInitialDir);
    void EnableControls();
    void MoveSelected(BOOL bUp);
    // The string resource of the command the user chose in the button's menu, typed into the edit.
    void InsertFromMenu(UINT nButtonId, UINT uiMenuId, UINT nEditId);
    // Each character goes to the edit as if typed, so it lands at the caret.
    void TypeIntoEdit(UINT nEditId, const CString& strText);

    UINT m_uiArgumentsMenuId;
    UINT m_uiInitialDirMenuId;
    // Set while the page writes into its own edits: their change notices are not the user's.
    BOOL m_bFillingEdits = FALSE;
};
