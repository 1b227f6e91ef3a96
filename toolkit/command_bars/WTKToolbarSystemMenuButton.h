// CWTKToolbarSystemMenuButton: the icon of a maximised MDI child at the left of the menu bar.
// It opens the child's system menu as a toolkit popup; a double click closes the child unless
// its close command is disabled. Neither the icon nor the system menu is owned.
#pragma once
#include "command_bars/WTKToolbarMenuButton.h"

class CWTKToolbarSystemMenuButton : public CWTKToolbarMenuButton {
    DECLARE_SERIAL(CWTKToolbarSystemMenuButton)

public:
    CWTKToolbarSystemMenuButton() = default;
    CWTKToolbarSystemMenuButton(HMENU hSystemMenu, HICON hSystemIcon);

    void CopyFrom(const CWTKToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE,
                BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    CSize OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    void OnDblClk(CWnd* pWnd) override;
    void OnCancelMode() override;
    BOOL CanBeStored() const override { return FALSE; }
    BOOL IsCustomizable() const override { return FALSE; }
    BOOL CanBeDragged() const override { return FALSE; }
    void CreateFromMenu(HMENU hMenu) override;
    HMENU CreateMenu() const override;

    HICON GetSysIcon() const { return m_hSysIcon; }
    HMENU GetSysMenu() const { return m_hSystemMenu; }

protected:
    HICON m_hSysIcon = nullptr;
    HMENU m_hSystemMenu = nullptr;
};
