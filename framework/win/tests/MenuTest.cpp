#include "MenuTestRes.h"
#include "TestWindow.h"
#include "win/Menu.h"
#include "win/Wnd.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kOpen = 100;
constexpr UINT kSave = 101;
constexpr UINT kChild = 200;
constexpr UINT_PTR kTrackTimer = 1;

TEST(Menu, BuiltAndQueried)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, kOpen, "&Open"));
    ASSERT_TRUE(menu.AppendMenu(MF_SEPARATOR));
    ASSERT_TRUE(menu.InsertMenu(1, MF_BYPOSITION | MF_STRING, kSave, "&Save"));
    CMenu sub;
    ASSERT_TRUE(sub.CreatePopupMenu());
    sub.AppendMenu(MF_STRING, kChild, "Child");
    ASSERT_TRUE(menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Detach()), "More"));

    struct Item {
        int pos;
        UINT id;
        const char* text;
    };
    const Item items[] = {{0, kOpen, "&Open"}, {1, kSave, "&Save"}, {2, 0, ""}, {3, UINT(-1), "More"}};
    ASSERT_EQ(4, menu.GetMenuItemCount());
    for (const Item& item : items) {
        EXPECT_EQ(item.id, menu.GetMenuItemID(item.pos)) << "item " << item.pos;
        CString text;
        menu.GetMenuString(item.pos, text, MF_BYPOSITION);
        EXPECT_STREQ(item.text, text) << "item " << item.pos;
    }

    CMenu* more = menu.GetSubMenu(3);
    ASSERT_NE(nullptr, more);
    EXPECT_EQ(kChild, more->GetMenuItemID(0));
    EXPECT_EQ(nullptr, menu.GetSubMenu(0));

    menu.CheckMenuItem(kOpen, MF_CHECKED | MF_BYCOMMAND);
    menu.EnableMenuItem(kSave, MF_GRAYED | MF_BYCOMMAND);
    EXPECT_TRUE(menu.GetMenuState(kOpen, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(menu.GetMenuState(kSave, MF_BYCOMMAND) & MF_GRAYED);
    ASSERT_TRUE(menu.DeleteMenu(kOpen, MF_BYCOMMAND));
    EXPECT_EQ(3, menu.GetMenuItemCount());
    CMenu::DeleteTempMap();
}

TEST(Menu, DestroysOnlyWhatItOwns)
{
    HMENU owned = nullptr;
    HMENU detached = nullptr;
    HMENU foreign = ::CreatePopupMenu();
    {
        CMenu a, b;
        a.CreateMenu();
        b.CreatePopupMenu();
        owned = a.m_hMenu;
        detached = b.Detach();
        CMenu* wrapper = CMenu::FromHandle(foreign);
        ASSERT_NE(nullptr, wrapper);
        EXPECT_EQ(wrapper, CMenu::FromHandle(foreign));
        EXPECT_EQ(&a, CMenu::FromHandle(owned));
        CMenu::DeleteTempMap();
    }
    EXPECT_FALSE(::IsMenu(owned));
    EXPECT_TRUE(::IsMenu(detached));
    EXPECT_TRUE(::IsMenu(foreign));
    ::DestroyMenu(detached);
    ::DestroyMenu(foreign);
}

TEST(Menu, LoadedFromTheModuleResources)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_FILE_MENU));
    EXPECT_FALSE(menu.LoadMenu(IDR_TEST_FILE_MENU)) << "already holds a menu";
    CMenu* file = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, file);
    ASSERT_EQ(3, file->GetMenuItemCount());
    EXPECT_EQ(UINT(ID_TEST_OPEN), file->GetMenuItemID(0));
    EXPECT_EQ(UINT(ID_TEST_EXIT), file->GetMenuItemID(2));
    CString text;
    file->GetMenuString(ID_TEST_EXIT, text, MF_BYCOMMAND);
    EXPECT_STREQ("E&xit", text);
    CMenu::DeleteTempMap();
}

BOOL CALLBACK FindPopupMenu(HWND hWnd, LPARAM lParam)
{
    char name[16] = {};
    ::GetClassNameA(hWnd, name, sizeof(name));
    if (lstrcmpA(name, "#32768") != 0 || !::IsWindowVisible(hWnd))
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

// This thread's popup menu window; other test programs share the desktop.
HWND OwnPopupMenu()
{
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindPopupMenu, reinterpret_cast<LPARAM>(&found));
    return found;
}

// While the popup menu tracks, a timer picks its first item with the keyboard.
LRESULT CALLBACK ChoosingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == kTrackTimer) {
        ::KillTimer(hWnd, kTrackTimer);
        HWND popup = OwnPopupMenu();
        if (popup) {
            ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
            ::PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
        } else {
            ::EndMenu();
        }
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

TEST(Menu, TrackPopupMenuReturnsTheChosenCommand)
{
    TestWindow window(ChoosingProc);
    ASSERT_NE(nullptr, window.hWnd);
    ::ShowWindow(window.hWnd, SW_SHOWNOACTIVATE);
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, kOpen, "&Open");
    menu.AppendMenu(MF_STRING, kSave, "&Save");
    ::SetTimer(window.hWnd, kTrackTimer, 100, nullptr);
    UINT chosen =
        menu.TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN, 30, 30, CWnd::FromHandle(window.hWnd));
    EXPECT_EQ(kOpen, chosen);
    CWnd::DeleteTempMap();
}

}  // namespace
