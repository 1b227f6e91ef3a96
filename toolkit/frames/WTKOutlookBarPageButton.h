// CWTKOutlookBarPageButton: the caption button that heads a page of the Outlook bar; a click
// switches the bar to the button's page. The look may paint its face and border.
#pragma once

#include "frames/WTKButton.h"

#include "foundation/WTKShortcutPageButtonInfo.h"

class CWTKOutlookBarPageButton : public CWTKButton, public CWTKShortcutPageButtonInfo {
    DECLARE_DYNCREATE(CWTKOutlookBarPageButton)

public:
    CWTKOutlookBarPageButton();
    explicit CWTKOutlookBarPageButton(UINT uiPageID) : CWTKOutlookBarPageButton() { m_uiPageID = uiPageID; }

    UINT GetPageID() const { return m_uiPageID; }

    void OnFillBackground(CDC* pDC, const CRect& rectClient) override;
    void OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState) override;

protected:
    UINT m_uiPageID = 0;
};
