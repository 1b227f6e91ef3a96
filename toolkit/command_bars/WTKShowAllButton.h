// CWTKShowAllButton: the line at the end of a shortened (recently used) menu that shows the
// menu with all its items.
#pragma once
#include "command_bars/WTKToolbarMenuButton.h"

class CWTKShowAllButton : public CWTKToolbarMenuButton {
    DECLARE_SERIAL(CWTKShowAllButton)

public:
    static constexpr int kWidth = 50;
    // The hover opens the full menu after twice the sub-menu delay.
    static constexpr int kHoverDelayFactor = 2;

    CWTKShowAllButton() = default;

    void OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE,
                BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    CSize OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) override;
    INT_PTR OnToolHitTest(const CWnd* pWnd, TTTOOLINFOA* pTI) override;
    BOOL OpenPopupMenu(CWnd* pWnd = nullptr) override;
    Kind GetKind() const override { return kindShowAllItems; }
};
