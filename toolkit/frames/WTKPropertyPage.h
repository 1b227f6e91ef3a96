// CWTKPropertyPage: a property page that cooperates with toolkit popup menus opened by its
// controls through its dialog helper (keys reach the open popup, clicks outside close it, the
// caption stays active, accelerator commands are counted) and tells a toolkit property sheet
// when it becomes active.
#pragma once
#include "frames/WTKDialogHelper.h"

#include "command_bars/WTKPopupMenuDialogHost.h"

#include "win/PropertyPage.h"

#include <commctrl.h>

class CWTKPropertyPage : public CPropertyPage, public CWTKPopupMenuDialogHost {
    DECLARE_DYNCREATE(CWTKPropertyPage)
public:
    explicit CWTKPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CWTKPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);

    // Where a toolkit property sheet that lists its pages in a tree files this page: the group
    // it stands under (none), its image and selected image in the sheet's image list (none),
    // and its tree item (none). The page itself never reads them.
    CObject* m_pGroup = nullptr;
    int m_nImage = -1;
    int m_nSelectedImage = -1;
    HTREEITEM m_hTreeItem = nullptr;

    // Called by a popup menu that a control of the page opens, and with null when it goes.
    void SetActivePopup(CWTKPopupMenu* pPopup) override;
    CWTKDialogHelper& GetDialogHelper() { return m_Impl; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnSetActive() override;

protected:
    // Made by name, without a template: a derived page passes its own.
    CWTKPropertyPage();

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    BOOL OnNcActivate(BOOL bActive);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CWTKDialogHelper m_Impl;
};
