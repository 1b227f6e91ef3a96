#include "customisation/WTKOptionsPage.h"

#include "customisation/WTKToolbarCustomize.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "command_bars/WTKCommandUsageCounter.h"
#include "command_bars/WTKToolBar.h"

#include "foundation/WTKVisualManager.h"

#include "docview/FrameWnd.h"
#include "win/WinApp.h"

IMPLEMENT_DYNCREATE(CWTKOptionsPage, CWTKPropertyPage)

BEGIN_MESSAGE_MAP(CWTKOptionsPage, CWTKPropertyPage)
    ON_BN_CLICKED(IDC_WTK_OPTIONS_TOOLTIPS, OnTooltips)
    ON_BN_CLICKED(IDC_WTK_OPTIONS_SHORTCUT_KEYS, OnShortcutKeys)
    ON_BN_CLICKED(IDC_WTK_OPTIONS_LARGE_ICONS, OnLargeIcons)
    ON_BN_CLICKED(IDC_WTK_OPTIONS_LOOK2000, OnLook2000)
    ON_BN_CLICKED(IDC_WTK_OPTIONS_RECENTLY_USED, OnRecentlyUsed)
    ON_BN_CLICKED(IDC_WTK_OPTIONS_SHOW_ALL_DELAY, OnShowAllDelay)
    ON_BN_CLICKED(IDC_WTK_OPTIONS_RESET_USAGE, OnResetUsage)
END_MESSAGE_MAP()

namespace {

// The personalised-menus group, shown only where menus can be personalised.
constexpr int kPersonalizedControls[] = {IDC_WTK_OPTIONS_PERSONALIZED_LABEL, IDC_WTK_OPTIONS_PERSONALIZED_LINE,
                                         IDC_WTK_OPTIONS_RECENTLY_USED, IDC_WTK_OPTIONS_SHOW_ALL_DELAY,
                                         IDC_WTK_OPTIONS_RESET_USAGE};

}  // namespace

CWTKOptionsPage::CWTKOptionsPage() : CWTKPropertyPage(IDD_WTK_OPTIONS_PAGE) {}

void CWTKOptionsPage::HideControl(int nID)
{
    if (CWnd* pControl = GetDlgItem(nID)) {
        pControl->ShowWindow(SW_HIDE);
        pControl->EnableWindow(FALSE);
    }
}

BOOL CWTKOptionsPage::OnInitDialog()
{
    CWTKPropertyPage::OnInitDialog();
    SetCheck(IDC_WTK_OPTIONS_TOOLTIPS, WTKGetCommandBarSettings().bShowTooltips);
    SetCheck(IDC_WTK_OPTIONS_SHORTCUT_KEYS, WTKGetCommandBarSettings().bShowShortcutKeys);
    SetCheck(IDC_WTK_OPTIONS_RECENTLY_USED, WTKGetCommandBarSettings().bRecentlyUsedMenus);
    SetCheck(IDC_WTK_OPTIONS_SHOW_ALL_DELAY, WTKGetCommandBarSettings().bShowAllMenusAfterDelay);
    SetCheck(IDC_WTK_OPTIONS_LARGE_ICONS, CWTKToolBar::IsLargeIcons());
    SetCheck(IDC_WTK_OPTIONS_LOOK2000, CWTKVisualManager::GetInstance()->IsLook2000());

    const UINT uiFlags = CWTKToolbarCustomize::GetFlagsOf(this);
    if (!CWTKToolBar::HasBasicCommands() || (uiFlags & CWTKToolbarCustomize::kMenuPersonalisation) == 0)
        for (int nID : kPersonalizedControls)
            HideControl(nID);
    if ((uiFlags & CWTKToolbarCustomize::kLook2000) == 0)
        HideControl(IDC_WTK_OPTIONS_LOOK2000);
    HideControl(IDC_WTK_OPTIONS_VISUALIZATIONS);
    EnableDependentBoxes();
    return TRUE;
}

void CWTKOptionsPage::EnableDependentBoxes()
{
    GetDlgItem(IDC_WTK_OPTIONS_SHORTCUT_KEYS)->EnableWindow(IsChecked(IDC_WTK_OPTIONS_TOOLTIPS));
    // A hidden group stays disabled.
    CWnd* pShowAllDelay = GetDlgItem(IDC_WTK_OPTIONS_SHOW_ALL_DELAY);
    if (pShowAllDelay->IsWindowVisible())
        pShowAllDelay->EnableWindow(IsChecked(IDC_WTK_OPTIONS_RECENTLY_USED));
}

void CWTKOptionsPage::OnTooltips()
{
    WTKGetCommandBarSettings().bShowTooltips = IsChecked(IDC_WTK_OPTIONS_TOOLTIPS);
    EnableDependentBoxes();
}

void CWTKOptionsPage::OnShortcutKeys()
{
    WTKGetCommandBarSettings().bShowShortcutKeys = IsChecked(IDC_WTK_OPTIONS_SHORTCUT_KEYS);
}

void CWTKOptionsPage::OnLargeIcons()
{
    CWTKToolBar::SetLargeIcons(IsChecked(IDC_WTK_OPTIONS_LARGE_ICONS));
    // The bars changed size: the frames lay them out again.
    CWTKToolbarCustomize* pSheet = CWTKToolbarCustomize::FromPage(this);
    CFrameWnd* pFrame = pSheet != nullptr ? pSheet->GetFrame() : dynamic_cast<CFrameWnd*>(FwGetMainWnd());
    if (pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr)
        pFrame->RecalcLayout();
}

void CWTKOptionsPage::OnLook2000()
{
    CWTKVisualManager::SetLook2000(IsChecked(IDC_WTK_OPTIONS_LOOK2000));
}

void CWTKOptionsPage::OnRecentlyUsed()
{
    WTKGetCommandBarSettings().bRecentlyUsedMenus = IsChecked(IDC_WTK_OPTIONS_RECENTLY_USED);
    EnableDependentBoxes();
}

void CWTKOptionsPage::OnShowAllDelay()
{
    WTKGetCommandBarSettings().bShowAllMenusAfterDelay = IsChecked(IDC_WTK_OPTIONS_SHOW_ALL_DELAY);
}

void CWTKOptionsPage::OnResetUsage()
{
    if (FwMessageBox(IDS_WTK_RESET_USAGE_QUESTION, MB_YESNO | MB_ICONQUESTION) == IDYES)
        WTKGetCommandUsageCounter().Reset();
}
