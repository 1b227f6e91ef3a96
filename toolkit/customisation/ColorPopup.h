// CColorPopup: the popup menu window that holds a colour bar instead of menu items: the
// drop-down of a colour menu button, of a colour button or of a property list's colour
// property. Torn off a colour menu button, it leaves a floating colour bar behind.
#pragma once
#include "customisation/WTKColorBar.h"

#include "command_bars/WTKPopupMenu.h"

class CWTKColorBarOwner;
class CWTKColorButton;
class CWTKColorMenuButton;

class CColorPopup : public CWTKPopupMenu {
    DECLARE_DYNAMIC(CColorPopup)

public:
    // The drop-down of a colour menu button (the button is its parent button).
    CColorPopup(CWTKColorMenuButton* pParentBtn, const WTKColorBarSettings& settings);
    // The drop-down of a colour button.
    CColorPopup(CWTKColorButton* pParentBtn, const WTKColorBarSettings& settings);
    // The drop-down of another owner (a property list's colour property).
    CColorPopup(CWTKColorBarOwner* pOwner, const WTKColorBarSettings& settings);
    ~CColorPopup() override;

    CWTKColorBar* GetColorBar() { return m_pColorBar; }
    CWTKToolBar* CreateTearOffBar(CFrameWnd* pWndMain, UINT uiID, LPCSTR lpszName) override;

    // Customise mode refuses the popup unless this is set.
    void SetEnabledInCustomizeMode(BOOL bEnabled) { m_bEnabledInCustomizeMode = bEnabled; }

protected:
    int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    DECLARE_MESSAGE_MAP()

    CWTKColorBar* m_pColorBar = nullptr;  // owned through the popup's item bar slot
    BOOL m_bEnabledInCustomizeMode = FALSE;
};
