// CWTKToolbarMenuButtonsButton: one of the minimise, restore and close boxes of a maximised MDI
// child at the right of the menu bar. A click sends the box's system command (the menu bar does
// it); the button is never stored with the bar.
#pragma once
#include "command_bars/WTKToolbarButton.h"

class CWTKToolbarMenuButtonsButton : public CWTKToolbarButton {
    DECLARE_SERIAL(CWTKToolbarMenuButtonsButton)

public:
    CWTKToolbarMenuButtonsButton() = default;
    // uiCmdId: SC_MINIMIZE, SC_RESTORE or SC_CLOSE.
    explicit CWTKToolbarMenuButtonsButton(UINT uiCmdId);

    void CopyFrom(const CWTKToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE,
                BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    CSize OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    BOOL CanBeStored() const override { return FALSE; }
    BOOL IsCustomizable() const override { return FALSE; }
    BOOL CanBeDragged() const override { return FALSE; }

    UINT GetSystemCommand() const { return m_uiSystemCommand; }

protected:
    UINT m_uiSystemCommand = 0;
};
