// CWTKOutlookBarPage: one page of the Outlook bar: its id, its name, the optional window shown
// while it is active, and its caption button with that button's place in the bar.
#pragma once

#include "core/Object.h"
#include "core/Rect.h"
#include "core/String.h"

class CWnd;
class CWTKOutlookBarPageButton;

class CWTKOutlookBarPage : public CObject {
    DECLARE_SERIAL(CWTKOutlookBarPage)

public:
    CWTKOutlookBarPage() = default;
    CWTKOutlookBarPage(UINT uiID, LPCSTR lpszName, CWnd* pWndPage);
    ~CWTKOutlookBarPage() override;
    CWTKOutlookBarPage(const CWTKOutlookBarPage&) = delete;
    CWTKOutlookBarPage& operator=(const CWTKOutlookBarPage&) = delete;

    // The id (32 bits) and the name; loading clears the window.
    void Serialize(CArchive& ar) override;

    UINT m_uiID = 0;
    CString m_strName;
    CWnd* m_pWndPage = nullptr;  // not owned
    CWTKOutlookBarPageButton* m_pButton = nullptr;  // owned, a child of the bar
    CRect m_rectButton;
};
