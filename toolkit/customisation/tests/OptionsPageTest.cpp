// The Options page: each box writes its toolkit-wide setting at once, the boxes that depend on
// another follow it, the sheet's options and the basic commands decide which boxes show, and the
// usage data is reset only on Yes.
#include "PagesTestSupport.h"

#include "customisation/WTKOptionsPage.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "command_bars/WTKCommandUsageCounter.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/tests/CommandBarSettingsScope.h"

#include "foundation/WTKVisualManager.h"

#include <optional>

namespace {

// The settings the page writes, kept and put back around each test: the large icons through
// their setter, which also resizes the bars, the look's flag, and the whole settings record.
class SavedOptions {
public:
    SavedOptions() = default;
    ~SavedOptions()
    {
        CWTKToolBar::SetLargeIcons(m_bLargeIcons);
        CWTKVisualManager::GetInstance()->m_bLook2000 = m_bLook2000;
    }
    SavedOptions(const SavedOptions&) = delete;
    SavedOptions& operator=(const SavedOptions&) = delete;

private:
    const CommandBarSettingsScope m_settings;
    const BOOL m_bLargeIcons = CWTKToolBar::IsLargeIcons();
    const BOOL m_bLook2000 = CWTKVisualManager::GetInstance()->IsLook2000();
};

BOOL ReadTooltips()
{
    return WTKGetCommandBarSettings().bShowTooltips;
}
BOOL ReadShortcutKeys()
{
    return WTKGetCommandBarSettings().bShowShortcutKeys;
}
BOOL ReadRecentlyUsed()
{
    return WTKGetCommandBarSettings().bRecentlyUsedMenus;
}
BOOL ReadShowAllDelay()
{
    return WTKGetCommandBarSettings().bShowAllMenusAfterDelay;
}
BOOL ReadLargeIcons()
{
    return CWTKToolBar::IsLargeIcons();
}
BOOL ReadLook2000()
{
    return CWTKVisualManager::GetInstance()->IsLook2000();
}

class OptionsPageTest : public CustomizeTestBase {
protected:
    void SetUp() override
    {
        CustomizeTestBase::SetUp();
        m_saved.emplace();
        CWTKToolBar::ClearBasicCommands();
        CWTKToolBar::AddBasicCommand(ID_CT_NEW);
    }
    void TearDown() override
    {
        CustomizeTestBase::TearDown();
        CWTKToolBar::ClearBasicCommands();
        m_saved.reset();
    }
    void Open(UINT uiFlags = CWTKToolbarCustomize::kDefaultFlags | CWTKToolbarCustomize::kLook2000)
    {
        m_pPage = new CWTKOptionsPage;
        m_pSheet = OpenSheetOnPage(m_pFrame, m_pPage, uiFlags);
        ASSERT_NE(m_pSheet, nullptr);
        ASSERT_NE(m_pPage->GetSafeHwnd(), nullptr);
    }
    void Close()
    {
        CloseCustomizeSheet(m_pSheet);
        m_pSheet = nullptr;
    }
    bool IsChecked(int nID) { return m_pPage->IsDlgButtonChecked(nID) == BST_CHECKED; }

    std::optional<SavedOptions> m_saved;
    CWTKOptionsPage* m_pPage = nullptr;
};

TEST_F(OptionsPageTest, EachBoxShowsAndWritesItsSetting)
{
    struct Row {
        int nID;
        const char* pszName;
        BOOL (*pfnRead)();
    };
    const Row rows[] = {
        {IDC_WTK_OPTIONS_TOOLTIPS, "tooltips", &ReadTooltips},
        {IDC_WTK_OPTIONS_SHORTCUT_KEYS, "shortcut keys", &ReadShortcutKeys},
        {IDC_WTK_OPTIONS_RECENTLY_USED, "recently used", &ReadRecentlyUsed},
        {IDC_WTK_OPTIONS_SHOW_ALL_DELAY, "full menus", &ReadShowAllDelay},
        {IDC_WTK_OPTIONS_LARGE_ICONS, "large icons", &ReadLargeIcons},
        {IDC_WTK_OPTIONS_LOOK2000, "look 2000", &ReadLook2000},
    };
    // Every box starts from its setting: all on, then all off.
    for (BOOL bOn : {TRUE, FALSE}) {
        WTKGetCommandBarSettings().bShowTooltips = WTKGetCommandBarSettings().bShowShortcutKeys = bOn;
        WTKGetCommandBarSettings().bRecentlyUsedMenus = WTKGetCommandBarSettings().bShowAllMenusAfterDelay = bOn;
        CWTKToolBar::SetLargeIcons(bOn);
        CWTKVisualManager::GetInstance()->m_bLook2000 = bOn;
        Open();
        for (const Row& row : rows)
            EXPECT_EQ(bOn != FALSE, IsChecked(row.nID)) << row.pszName;
        Close();
    }
    // All on, so that no box is disabled by another; each click writes at once.
    WTKGetCommandBarSettings().bShowTooltips = WTKGetCommandBarSettings().bRecentlyUsedMenus = TRUE;
    Open();
    for (const Row& row : rows) {
        const bool bBefore = IsChecked(row.nID);
        ClickControl(m_pPage, row.nID);
        EXPECT_EQ(!bBefore, row.pfnRead() != FALSE) << row.pszName;
        ClickControl(m_pPage, row.nID);
        EXPECT_EQ(bBefore, row.pfnRead() != FALSE) << row.pszName;
    }
    SaveSheetScreenshot(m_pSheet, "customize_options.png");
}

TEST_F(OptionsPageTest, LargeIconsDoubleTheToolbarButtons)
{
    CWTKToolBar::SetLargeIcons(FALSE);
    Open();
    const int cyButtonSmall = m_pFrame->m_wndToolBar.GetButton(0)->GetRect().Height();
    ClickControl(m_pPage, IDC_WTK_OPTIONS_LARGE_ICONS);
    RunIdle();
    EXPECT_GT(m_pFrame->m_wndToolBar.GetButton(0)->GetRect().Height(), cyButtonSmall * 3 / 2);
}

TEST_F(OptionsPageTest, DependentBoxesFollowTheBoxTheyDependOn)
{
    WTKGetCommandBarSettings().bShowTooltips = WTKGetCommandBarSettings().bRecentlyUsedMenus = TRUE;
    Open();
    struct Row {
        int nID;
        int nDependentID;
    };
    const Row rows[] = {
        {IDC_WTK_OPTIONS_TOOLTIPS, IDC_WTK_OPTIONS_SHORTCUT_KEYS},
        {IDC_WTK_OPTIONS_RECENTLY_USED, IDC_WTK_OPTIONS_SHOW_ALL_DELAY},
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(IsControlEnabled(m_pPage, row.nDependentID)) << row.nID;
        ClickControl(m_pPage, row.nID);
        EXPECT_FALSE(IsControlEnabled(m_pPage, row.nDependentID)) << row.nID;
        ClickControl(m_pPage, row.nID);
        EXPECT_TRUE(IsControlEnabled(m_pPage, row.nDependentID)) << row.nID;
    }
}

TEST_F(OptionsPageTest, TheSheetsOptionsAndTheBasicCommandsDecideWhichBoxesShow)
{
    constexpr UINT kPersonal = CWTKToolbarCustomize::kMenuPersonalisation;
    constexpr UINT kLook = CWTKToolbarCustomize::kLook2000;
    struct Row {
        UINT uiFlags;
        bool bBasicCommands;
        bool bPersonalized;
        bool bLook2000;
    };
    const Row rows[] = {
        {kPersonal | kLook, true, true, true},
        {kPersonal, false, false, false},
        {kLook, true, false, true},
        {0, true, false, false},
    };
    const int personalized[] = {IDC_WTK_OPTIONS_PERSONALIZED_LABEL, IDC_WTK_OPTIONS_PERSONALIZED_LINE,
                                IDC_WTK_OPTIONS_RECENTLY_USED, IDC_WTK_OPTIONS_SHOW_ALL_DELAY,
                                IDC_WTK_OPTIONS_RESET_USAGE};
    WTKGetCommandBarSettings().bRecentlyUsedMenus = TRUE;
    for (const Row& row : rows) {
        CWTKToolBar::ClearBasicCommands();
        if (row.bBasicCommands)
            CWTKToolBar::AddBasicCommand(ID_CT_NEW);
        Open(row.uiFlags);
        for (int nID : personalized) {
            EXPECT_EQ(row.bPersonalized, IsControlVisible(m_pPage, nID)) << row.uiFlags << " " << nID;
            EXPECT_EQ(row.bPersonalized, IsControlEnabled(m_pPage, nID)) << row.uiFlags << " " << nID;
        }
        EXPECT_EQ(row.bLook2000, IsControlVisible(m_pPage, IDC_WTK_OPTIONS_LOOK2000)) << row.uiFlags;
        EXPECT_FALSE(IsControlVisible(m_pPage, IDC_WTK_OPTIONS_VISUALIZATIONS)) << row.uiFlags;
        EXPECT_FALSE(IsControlEnabled(m_pPage, IDC_WTK_OPTIONS_VISUALIZATIONS)) << row.uiFlags;
        Close();
    }
}

TEST_F(OptionsPageTest, ResetMyUsageDataClearsTheCounterOnlyOnYes)
{
    CWTKCommandUsageCounter& counter = WTKGetCommandUsageCounter();
    counter.Reset();
    counter.AddCmd(ID_CT_COPY);
    counter.AddCmd(ID_CT_COPY);
    ASSERT_EQ(2u, counter.GetCount(ID_CT_COPY));
    Open();
    CString strQuestion;
    strQuestion.LoadString(IDS_WTK_RESET_USAGE_QUESTION);

    Seams().answers = {IDNO};
    ClickControl(m_pPage, IDC_WTK_OPTIONS_RESET_USAGE);
    ASSERT_EQ(1u, Seams().prompts.size());
    EXPECT_STREQ(strQuestion, Seams().prompts[0].c_str());
    EXPECT_EQ(2u, counter.GetCount(ID_CT_COPY));

    Seams().answers = {IDYES};
    ClickControl(m_pPage, IDC_WTK_OPTIONS_RESET_USAGE);
    EXPECT_EQ(0u, counter.GetCount(ID_CT_COPY));
    EXPECT_FALSE(counter.IsFrequentlyUsed(ID_CT_COPY));
}

}  // namespace
