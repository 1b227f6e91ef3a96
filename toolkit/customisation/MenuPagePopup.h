// CMenuPagePopup: a context menu opened for editing by the Menu page: a captioned popup that
// tells its page when it goes, however it is closed (its close box, Escape, the page).
#pragma once
#include "command_bars/WTKPopupMenu.h"

class CWTKMenuPage;

class CMenuPagePopup : public CWTKPopupMenu {
public:
    CMenuPagePopup(CWTKMenuPage* pPage, LPCSTR lpszTitle);

protected:
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CWTKMenuPage* m_pPage;
};
