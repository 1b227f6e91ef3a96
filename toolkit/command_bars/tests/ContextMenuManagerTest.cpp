// CWTKContextMenuManager: menus registered by id and name and shown as toolkit popups (at the
// owner's corner, through the workspace, in tracking mode, not for a dialog that does not take
// the commands), customised items kept through the workspace's registry state, and the
// command id pool that names tear-off sub-menus.
#include "ContextMenuTestIds.h"
#include "PopupTestSupport.h"

#include "command_bars/WTKCommandIdPool.h"
#include "command_bars/WTKContextMenuManager.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKPopupMenuDialogHost.h"
#include "command_bars/WTKToolbarSnapshotStore.h"
#include "foundation/WTKKeyboardManager.h"
#include "foundation/WTKWorkspace.h"

#include "core/StringList.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

constexpr char kSandboxCompany[] = "WTKContextMenuTestSandbox";
constexpr char kSandboxKey[] = "Software\\WTKContextMenuTestSandbox";
constexpr char kSection[] = "CtxTest";

void DeleteSandbox()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kSandboxKey);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kSandboxKey);
}

// A window that stands for a toolkit dialog: it hears which popup is active.
class CDialogStandIn : public CWnd, public CWTKPopupMenuDialogHost {
public:
    void SetActivePopup(CWTKPopupMenu* pPopup) override { m_pActive = pPopup; }
    CWTKPopupMenu* m_pActive = nullptr;
};

class ContextMenuManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteSandbox();
        theApp.SetRegistryKey(kSandboxCompany);
        ASSERT_TRUE(m_pFrame->CreateFrame(TRUE));
        ASSERT_TRUE(m_manager.AddMenu("Edit", IDR_TEST_CONTEXT_EDIT));
        ASSERT_TRUE(m_manager.AddMenu("View", IDR_TEST_CONTEXT_VIEW));
    }
    void TearDown() override
    {
        CloseActive();
        WTKGetToolbarSnapshotStore().RemoveAll();
        m_pFrame->DestroyWindow();
        DeleteSandbox();
    }
    static void CloseActive()
    {
        for (int i = 0; i < 4 && CWTKPopupMenu::GetActiveMenu() != nullptr; i++) {
            CWTKPopupMenu* pPopup = CWTKPopupMenu::GetActiveMenu();
            if (::IsWindow(pPopup->GetSafeHwnd()))
                pPopup->SendMessage(WM_CLOSE);
            PumpPending();
        }
    }
    static int ItemCount(CWTKPopupMenu* pPopup) { return pPopup->GetMenuBar()->GetCount(); }

    PopupSeams m_seams;
    CPopupTestFrame* m_pFrame = new CPopupTestFrame;
    CWTKContextMenuManager m_manager;
};

TEST_F(ContextMenuManagerTest, ShowsMenusByIdAndNameAsToolkitPopups)
{
    EXPECT_EQ(&m_manager, CWTKContextMenuManager::GetInstance());
    CStringList names;
    m_manager.GetMenuNames(names);
    EXPECT_EQ(2, names.GetCount());
    UINT uiId = 1;
    HMENU hView = m_manager.GetMenuByName("View", &uiId);
    ASSERT_NE(nullptr, hView);
    EXPECT_EQ(UINT(IDR_TEST_CONTEXT_VIEW), uiId);
    EXPECT_EQ(nullptr, m_manager.GetMenuByName("Nothing", &uiId));
    EXPECT_EQ(0u, uiId);
    // Taken ids and names, a missing resource and a menu without a first sub-menu are refused.
    EXPECT_FALSE(m_manager.AddMenu("Edit", IDR_TEST_CONTEXT_EMPTY));
    EXPECT_FALSE(m_manager.AddMenu("Other", IDR_TEST_CONTEXT_EDIT));
    EXPECT_FALSE(m_manager.AddMenu("Missing", 9999));
    EXPECT_FALSE(m_manager.AddMenu("Flat", IDR_TEST_CONTEXT_EMPTY));

    // No point given: 5 pixels right of and below the owner's client origin.
    ASSERT_TRUE(m_manager.ShowPopupMenu(IDR_TEST_CONTEXT_EDIT, -1, -1, m_pFrame));
    CWTKPopupMenu* pPopup = CWTKPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(::GetSubMenu(m_manager.GetMenuByName("Edit"), 0), pPopup->GetHMenu());
    EXPECT_EQ(4, ItemCount(pPopup));  // three commands and the separator
    CRect rectPopup;
    pPopup->GetWindowRect(rectPopup);
    POINT ptOrigin = {0, 0};
    ::ClientToScreen(m_pFrame->GetSafeHwnd(), &ptOrigin);
    EXPECT_EQ(ptOrigin.x + 5, rectPopup.left);
    EXPECT_EQ(ptOrigin.y + 5, rectPopup.top);

    // A second popup closes the first; the menus stay the manager's.
    CWTKWorkspace workspace;
    ASSERT_TRUE(workspace.ShowPopupMenu(IDR_TEST_CONTEXT_VIEW, CPoint(100, 120), m_pFrame));
    PumpPending();
    EXPECT_FALSE(::IsWindow(pPopup->GetSafeHwnd()));
    pPopup = CWTKPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(2, ItemCount(pPopup));
    pPopup->GetWindowRect(rectPopup);
    EXPECT_EQ(CPoint(100, 120), rectPopup.TopLeft());
    CloseActive();
    EXPECT_TRUE(::IsMenu(hView));
    EXPECT_FALSE(m_manager.ShowPopupMenu(9999, 10, 10, m_pFrame));
}

TEST_F(ContextMenuManagerTest, CommandsGoToTheFrameOrAreOnlyRecordedWhenTracking)
{
    struct Row {
        BOOL bTrack;
        std::vector<UINT> frameCommands;
        UINT uiRecorded;
    };
    const Row rows[] = {{FALSE, {ID_TEST_CUT}, 0}, {TRUE, {}, ID_TEST_CUT}};
    for (const Row& row : rows) {
        m_pFrame->m_commands.clear();
        m_manager.SetLastCommand(0);
        m_manager.SetTrackMode(row.bTrack);
        ASSERT_TRUE(m_manager.ShowPopupMenu(IDR_TEST_CONTEXT_EDIT, 50, 60, m_pFrame));
        CWTKPopupMenu* pPopup = CWTKPopupMenu::GetActiveMenu();
        ASSERT_NE(nullptr, pPopup);
        EXPECT_EQ(row.bTrack, pPopup->IsTracking());
        pPopup->SendMessage(WM_KEYDOWN, VK_DOWN);
        pPopup->SendMessage(WM_KEYDOWN, VK_RETURN);
        PumpPending();
        EXPECT_EQ(row.frameCommands, m_pFrame->m_commands) << "track " << row.bTrack;
        EXPECT_EQ(row.uiRecorded, m_manager.GetLastCommand()) << "track " << row.bTrack;
        EXPECT_EQ(nullptr, CWTKPopupMenu::GetActiveMenu());
    }
    m_manager.SetTrackMode(FALSE);
}

TEST_F(ContextMenuManagerTest, ADialogGetsAPopupOnlyWhenItTakesTheCommands)
{
    CDialogStandIn dialog;
    ASSERT_TRUE(dialog.CreateEx(0, "STATIC", "Dialog", WS_POPUP | WS_VISIBLE, CRect(300, 300, 500, 400), nullptr, 0));
    EXPECT_FALSE(m_manager.ShowPopupMenu(IDR_TEST_CONTEXT_EDIT, 310, 310, &dialog));
    EXPECT_EQ(nullptr, CWTKPopupMenu::GetActiveMenu());
    ASSERT_TRUE(m_manager.ShowPopupMenu(IDR_TEST_CONTEXT_EDIT, 310, 310, &dialog, TRUE));
    CWTKPopupMenu* pPopup = CWTKPopupMenu::GetActiveMenu();
    EXPECT_EQ(pPopup, dialog.m_pActive);
    EXPECT_EQ(&dialog, pPopup->GetMessageWnd());
    CloseActive();
    EXPECT_EQ(nullptr, dialog.m_pActive);
    dialog.DestroyWindow();
}

TEST_F(ContextMenuManagerTest, CustomisedItemsAreKeptInTheWorkspace)
{
    CWTKWorkspace workspace;
    HMENU hEditShown = ::GetSubMenu(m_manager.GetMenuByName("Edit"), 0);
    // Nothing customised: nothing written.
    ASSERT_TRUE(workspace.SaveState(kSection));
    // Under the workspace key, the Edit menu's items as toolbar 0 with the menu's id.
    char szBar[32];
    std::snprintf(szBar, sizeof(szBar), "WTKToolBar-0%x", IDR_TEST_CONTEXT_EDIT);
    std::string strKey = "Software\\";
    strKey.append(kSandboxCompany).append("\\WTKToolBarTests\\").append(kSection).append("\\").append(szBar);
    HKEY hKey = nullptr;
    EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, strKey.c_str(), 0, KEY_READ, &hKey));

    // The user drops "Copy" from the Edit menu (customisation parks the items under the menu).
    {
        CWTKPopupMenuBar bar;
        ASSERT_TRUE(bar.ImportFromMenu(hEditShown, TRUE));
        ASSERT_TRUE(bar.RemoveButton(bar.CommandToIndex(ID_TEST_COPY)));
        ASSERT_TRUE(WTKGetToolbarSnapshotStore().Save(hEditShown, &bar));
    }
    ASSERT_TRUE(workspace.SaveState(kSection));
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, strKey.c_str(), 0, KEY_READ, &hKey));
    ::RegCloseKey(hKey);

    // The next run: nothing parked until the workspace loads.
    WTKGetToolbarSnapshotStore().RemoveAll();
    ASSERT_TRUE(m_manager.ShowPopupMenu(IDR_TEST_CONTEXT_EDIT, 50, 60, m_pFrame));
    EXPECT_EQ(4, ItemCount(CWTKPopupMenu::GetActiveMenu()));
    CloseActive();
    ASSERT_TRUE(workspace.LoadState(kSection));
    ASSERT_TRUE(m_manager.ShowPopupMenu(IDR_TEST_CONTEXT_EDIT, 50, 60, m_pFrame));
    CWTKPopupMenu* pPopup = CWTKPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(3, ItemCount(pPopup));
    EXPECT_LT(pPopup->GetMenuBar()->CommandToIndex(ID_TEST_COPY), 0);
    CloseActive();
    // The View menu was never customised and shows its resource items.
    ASSERT_TRUE(m_manager.ShowPopupMenu(IDR_TEST_CONTEXT_VIEW, 50, 60, m_pFrame));
    EXPECT_EQ(2, ItemCount(CWTKPopupMenu::GetActiveMenu()));
}

TEST_F(ContextMenuManagerTest, ItemsShowTheKeysTheKeyboardManagerHasNow)
{
    auto itemText = [](UINT uiCmd) {
        CWTKPopupMenuBar* pItems = CWTKPopupMenu::GetActiveMenu()->GetMenuBar();
        return std::string(pItems->GetButton(pItems->CommandToIndex(uiCmd))->m_strText);
    };
    const ACCEL keys[] = {{FVIRTKEY | FCONTROL, 'U', ID_TEST_CUT}};
    {
        CWTKKeyboardManager keyboard;
        ASSERT_TRUE(keyboard.UpdateAcceleratorTable(nullptr, keys, 1, m_pFrame));
        ASSERT_TRUE(m_manager.ShowPopupMenu(IDR_TEST_CONTEXT_EDIT, 50, 60, m_pFrame));
        EXPECT_EQ("Cu&t\tControl+U", itemText(ID_TEST_CUT));
        EXPECT_EQ("&Copy", itemText(ID_TEST_COPY));
        CloseActive();

        // The user binds another key: the next popup shows it.
        const ACCEL changed[] = {{FVIRTKEY | FSHIFT, VK_DELETE, ID_TEST_CUT}};
        ASSERT_TRUE(keyboard.UpdateAcceleratorTable(nullptr, changed, 1, m_pFrame));
        ASSERT_TRUE(m_manager.ShowPopupMenu(IDR_TEST_CONTEXT_EDIT, 50, 60, m_pFrame));
        EXPECT_EQ("Cu&t\tShift+Delete", itemText(ID_TEST_CUT));
        CloseActive();
    }
    // Without a keyboard manager the menu's own text stays.
    ASSERT_TRUE(m_manager.ShowPopupMenu(IDR_TEST_CONTEXT_EDIT, 50, 60, m_pFrame));
    EXPECT_EQ("Cu&t", itemText(ID_TEST_CUT));
}

TEST(CommandIdPoolTest, NamesTearOffSubMenusAndKeepsThemSubMenus)
{
    struct Row {
        const char* text;
        UINT uiId;
        const char* rest;
    };
    const Row rows[] = {
        {"\001"
         "12"
         "\001"
         "Tools",
         12, "Tools"},
        {"Tools", 0, "Tools"},
        {"", 0, ""},
        {"\001"
         "99999999999999999999"
         "\001"
         "X",
         4294967295u, "X"},  // clamped, not overflowed
        {"\001"
         "7",
         7, "7"},  // one marker: it is also the last
    };
    for (const Row& row : rows) {
        CString str(row.text);
        EXPECT_EQ(row.uiId, DecodePopupName(str)) << row.rest;
        EXPECT_STREQ(row.rest, str);
    }
    EXPECT_STREQ("\001"
                 "5"
                 "\001"
                 "Insert",
                 EncodePopupName(5, "Insert"));

    CWTKCommandIdPool pool(1000, 1001);
    // A menu with one tear-off sub-menu (menu bar break) holding another, and a plain one.
    HMENU hMenu = BuildMenu({{1, "One"}, {0, "\1Plain"}, {2, "Two"}, {0, "\2"}});
    HMENU hTearOff = BuildMenu({{3, "Three"}, {0, "\1Inner"}, {4, "Four"}, {0, "\2"}});
    HMENU hInner = ::GetSubMenu(hTearOff, 1);
    ::ModifyMenuA(hTearOff, 1, MF_BYPOSITION | MF_POPUP | MF_MENUBARBREAK, reinterpret_cast<UINT_PTR>(hInner), "Inner");
    ::AppendMenuA(hMenu, MF_POPUP | MF_MENUBARBREAK | MF_GRAYED, reinterpret_cast<UINT_PTR>(hTearOff), "Tear");
    pool.EncodeMenu(hMenu);

    // The renamed items are still sub-menus with their own handles and states.
    EXPECT_EQ(hTearOff, ::GetSubMenu(hMenu, 2));
    EXPECT_TRUE(::GetMenuState(hMenu, 2, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_STREQ("\001"
                 "1000"
                 "\001"
                 "Tear",
                 WTKReadMenuItemText(hMenu, 2));
    EXPECT_EQ(hInner, ::GetSubMenu(hTearOff, 1));
    EXPECT_STREQ("\001"
                 "1001"
                 "\001"
                 "Inner",
                 WTKReadMenuItemText(hTearOff, 1));
    EXPECT_STREQ("Plain", WTKReadMenuItemText(hMenu, 1));

    // The range is used up: nothing more is named; encoding again changes nothing.
    EXPECT_EQ(0u, pool.Allocate());
    pool.EncodeMenu(hMenu);
    EXPECT_STREQ("\001"
                 "1000"
                 "\001"
                 "Tear",
                 WTKReadMenuItemText(hMenu, 2));

    // Usage counts stay in the range and never go below 0; rebuilding from the menu frees its ids.
    pool.UpdateUsage(1000, TRUE);
    EXPECT_EQ(2, pool.GetUsage(1000));
    pool.UpdateUsage(999, TRUE);
    pool.UpdateUsage(1002, FALSE);
    pool.UpdateUsage(1001, FALSE);
    pool.UpdateUsage(1001, FALSE);
    EXPECT_EQ(0, pool.GetUsage(1001));
    EXPECT_EQ(1001u, pool.Allocate());
    pool.Rebuild(hMenu);
    EXPECT_EQ(0, pool.GetUsage(1000));
    pool.Rebuild();
    EXPECT_EQ(1000u, pool.Allocate());
    ::DestroyMenu(hMenu);

    CWTKCommandIdPool empty(0, 0);
    EXPECT_EQ(0u, empty.Allocate());
    CWTKCommandIdPool reversed(20, 10);
    EXPECT_EQ(0u, reversed.Allocate());
}

}  // namespace
