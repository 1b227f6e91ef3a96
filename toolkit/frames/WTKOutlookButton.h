// CWTKOutlookButton: a large shortcut button of the Outlook bar: an image with its text under it
// (vertical bar) or beside it (horizontal bar), belonging to one page of the bar.
#pragma once

#include "command_bars/WTKToolbarButton.h"

class CWTKOutlookBar;

// The schema of stored buttons; a record of another schema is refused.
constexpr UINT kOutlookButtonSchema = 1;

class CWTKOutlookButton : public CWTKToolbarButton {
    DECLARE_SERIAL(CWTKOutlookButton)

public:
    CWTKOutlookButton() = default;
    CWTKOutlookButton(UINT uiCmdID, int iImage, LPCSTR lpszText, UINT uiPageID);

    void Serialize(CArchive& ar) override;
    void CopyFrom(const CWTKToolbarButton& src) override;
    BOOL CompareWith(const CWTKToolbarButton& other) const override;
    // Image plus wrapped text, with 10 pixels of margin.
    CSize OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    void OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE,
                BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    BOOL CanBeDragged() const override { return FALSE; }

    // The page id follows the button's fields when the workspace's saved data is newer than 4.70.
    static BOOL IsPageIdStored();

    CWTKOutlookBar* m_pWndParentBar = nullptr;
    UINT m_uiPageID = 0;
    BOOL m_bIsWholeText = FALSE;  // the text wraps over more than one line
    CSize m_sizeImage;            // of the owning bar's strip, set as the bar lays out
};
