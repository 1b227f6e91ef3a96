// CWTKMousePage: the customisation sheet's "Mouse" page: binds a command to a double click in
// each kind of view the mouse manager knows. Each change goes to the manager at once.
#pragma once
#include "frames/WTKPropertyPage.h"

#include "gdi/ImageList.h"
#include "win/ListBox.h"
#include "win/ListCtrl.h"

class CWTKMouseManager;

class CWTKMousePage : public CWTKPropertyPage {
    DECLARE_DYNCREATE(CWTKMousePage)
public:
    // Room beside the icon and the widest view name in the view column.
    static constexpr int kViewColumnExtra = 10;

    CWTKMousePage();

    // The view id of the selected view, -1 when none is selected.
    int GetSelectedViewId() const;

protected:
    BOOL OnInitDialog() override;
    void OnViewChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnNoDblClick();
    void OnUseDblClick();
    void OnSelchangeCommands();
    DECLARE_MESSAGE_MAP()

    static CWTKMouseManager* GetManager();
    void FillViews();
    void FillCommands();
    // Shows the selected view's binding in the radio buttons and the commands list.
    void ShowBinding();
    void ShowDescription(UINT uiCmd);
    UINT GetSelectedCommand() const;
    // Binds the command (0: none) to the selected view; FALSE, with a beep, without a view or
    // a manager.
    BOOL SetSelectedViewCommand(UINT uiCmd);

    CListCtrl m_wndViews;
    CListBox m_wndCommands;
    CImageList m_images;
};
