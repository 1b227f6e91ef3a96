// CWTKOptionsPage: the customisation sheet's "Options" page. Each box writes its toolkit-wide
// setting at once: ScreenTips and their shortcut keys, large icons, the look's 2000 style, and
// the personalised menus (recently used commands first, full menus after a delay).
#pragma once
#include "frames/WTKPropertyPage.h"

class CWTKOptionsPage : public CWTKPropertyPage {
    DECLARE_DYNCREATE(CWTKOptionsPage)
public:
    CWTKOptionsPage();

protected:
    BOOL OnInitDialog() override;
    void OnTooltips();
    void OnShortcutKeys();
    void OnLargeIcons();
    void OnLook2000();
    void OnRecentlyUsed();
    void OnShowAllDelay();
    void OnResetUsage();
    DECLARE_MESSAGE_MAP()

    BOOL IsChecked(int nID) const { return IsDlgButtonChecked(nID) == BST_CHECKED; }
    void SetCheck(int nID, BOOL bCheck) { CheckDlgButton(nID, bCheck ? BST_CHECKED : BST_UNCHECKED); }
    void HideControl(int nID);
    // Boxes that mean something only while another box is checked follow it.
    void EnableDependentBoxes();
};
