// CWTKPropertyPage: a property page that cooperates with toolkit popup menus opened by its
// controls through its dialog helper (keys reach the open popup, clicks outside close it, the
// caption stays active, accelerator commands are counted) and tells a toolkit property sheet
// when it becomes active.
#pragma once
#include "frames/WTKDialogHelper.h"

#include "command_bars/WTKPopupMenuDialogHost.h"

#include "win/PropertyPage.h"

class CWTKPropertyPage : public CPropertyPage, public CWTKPopupMenuDialogHost {
    DECLARE_DYNAMIC(CWTKPropertyPage)
public:
    explicit CWTKPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CWTKPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);

    // Called by a popup menu that a control of the page opens, and with null when it goes.
    void SetActivePopup(CWTKPopupMenu* pPopup) override;
    CWTKDialogHelper& GetDialogHelper() { return m_Impl; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnSetActive() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    BOOL OnNcActivate(BOOL bActive);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CWTKDialogHelper m_Impl;
};
