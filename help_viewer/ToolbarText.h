// CToolbarText: a text label on a toolbar ("Search:" before the search box). It never shows an
// image and never looks disabled, though its command has no handler. Its own runtime class lets
// a toolbar whose saved state holds the label re-create it when the state is read.
#pragma once
#include "command_bars/WTKToolbarButton.h"

class CToolbarText : public CWTKToolbarButton {
    DECLARE_SERIAL(CToolbarText)
public:
    CToolbarText() = default;
    CToolbarText(UINT uiID, LPCSTR lpszText);

    void OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE,
                BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    CSize OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
};
