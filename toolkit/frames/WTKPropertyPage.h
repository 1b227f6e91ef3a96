// CWTKPropertyPage: a property page that cooperates with toolkit popup menus opened by its
// controls (keys reach the open popup, the page's caption stays active while it is open, the
// commands of accelerators are counted) and tells a toolkit property sheet when it becomes
// active.
#pragma once
#include "win/PropertyPage.h"

class CWTKPopupMenu;

class CWTKPropertyPage : public CPropertyPage {
    DECLARE_DYNAMIC(CWTKPropertyPage)
public:
    explicit CWTKPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CWTKPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);

    // Called by a popup menu that a control of the page opens.
    BOOL SetActivePopup(CWTKPopupMenu* pPopup);
    // The popup a control of the page opened and that is still open, or null.
    CWTKPopupMenu* GetActivePopup() const;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnSetActive() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    BOOL OnNcActivate(BOOL bActive);
    DECLARE_MESSAGE_MAP()

    // The popup filter: keys go to the open popup; TRUE when the message was taken.
    BOOL FilterPopupMessage(const MSG* pMsg);

    CWTKPopupMenu* m_pActivePopup = nullptr;
};
