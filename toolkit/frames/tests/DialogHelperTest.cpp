// CWTKDialogHelper: a dialog that forwards to its helper shows a toolkit popup; keys reach the
// popup and its command comes back to the dialog; Alt, an accelerator and a click outside
// close it (the click does not reach the control); the thread's mouse hook lives exactly as
// long as the popup and never outlives the dialog or helper that owns it.
#include "MessagePump.h"

#include "command_bars/WTKCommandUsageCounter.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuDialogHost.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/tests/CommandBarSettingsScope.h"
#include "frames/WTKDialogHelper.h"

#include "bars/DockBar.h"
#include "command_bars/WTKToolbarMessages.h"
#include "win/Dialog.h"
#include "win/WinApp.h"

#include <gtest/gtest.h>

#include <vector>

CWinApp theApp("WTKDialogHelperTests");

namespace {

constexpr UINT IDD_HELPER_TEST = 700;
constexpr UINT IDC_HELPER_BUTTON = 701;
constexpr UINT ID_ITEM_FIRST = 0x9201;
constexpr UINT ID_ITEM_SECOND = 0x9202;

// What the toolkit's dialog base does: every popup and input message goes by the helper first.
class CHelperDialog : public CDialog, public CWTKPopupMenuDialogHost {
public:
    CHelperDialog() : m_helper(this) {}
    void SetActivePopup(CWTKPopupMenu* pPopup) override { m_helper.SetActivePopup(pPopup); }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        return m_helper.PreTranslateMessage(pMsg) || CDialog::PreTranslateMessage(pMsg);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_commands.push_back(LOWORD(wParam));
        return m_helper.OnCommand(wParam) || CDialog::OnCommand(wParam, lParam);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WTK_TOOLBAR_POPUPMENU)
            m_barMenuRequests.push_back(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
        if (message == WM_DESTROY)
            m_helper.OnDestroy();
        return CDialog::WindowProc(message, wParam, lParam);
    }

    CWTKDialogHelper m_helper;
    std::vector<UINT> m_commands;
    std::vector<CPoint> m_barMenuRequests;
};

HMENU TwoItemMenu()
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_ITEM_FIRST, "&First");
    ::AppendMenuA(hMenu, MF_STRING, ID_ITEM_SECOND, "&Second");
    return hMenu;
}

class DialogHelperTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WTKGetCommandBarSettings().menuAnimation = WTKMenuAnimation::None;
        ASSERT_TRUE(m_dialog.Create(IDD_HELPER_TEST));
        m_dialog.SetWindowPos(nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        m_hButton = ::GetDlgItem(m_dialog.GetSafeHwnd(), IDC_HELPER_BUTTON);
        PumpPending();
    }
    void TearDown() override
    {
        if (::IsWindow(m_dialog.GetSafeHwnd()))
            m_dialog.DestroyWindow();
        PumpPending();
    }
    // A popup of the dialog at the dialog's top left, sending its commands to the dialog.
    CWTKPopupMenu* OpenPopup()
    {
        CRect rect;
        m_dialog.GetWindowRect(rect);
        auto* pPopup = CWTKPopupMenu::Open(std::make_unique<CWTKPopupMenu>(), &m_dialog, rect.left + 10, rect.top + 30,
                                           TwoItemMenu(), FALSE, TRUE);
        if (pPopup == nullptr)
            return nullptr;
        PumpPending();
        return pPopup;
    }
    void PostToButton(UINT message, WPARAM wParam, LPARAM lParam = 0)
    {
        ::PostMessageA(m_hButton, message, wParam, lParam);
        PumpPending();
    }

    CHelperDialog m_dialog;
    HWND m_hButton = nullptr;
    // Put back after TearDown, once the dialog is gone.
    const CommandBarSettingsScope m_settings;
};

TEST_F(DialogHelperTest, KeysGoToThePopupAndItsCommandComesBack)
{
    CWTKPopupMenu* pPopup = OpenPopup();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(pPopup, CWTKPopupMenu::GetActiveMenu());
    EXPECT_EQ(&m_dialog.m_helper, CWTKDialogHelper::GetHookOwner());
    EXPECT_NE(nullptr, CWTKDialogHelper::GetMouseHook());

    // Keys typed in the dialog's control drive the menu.
    PostToButton(WM_KEYDOWN, VK_DOWN);
    PostToButton(WM_KEYDOWN, VK_DOWN);
    PostToButton(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(std::vector<UINT>({ID_ITEM_SECOND}), m_dialog.m_commands);
    EXPECT_EQ(nullptr, CWTKPopupMenu::GetActiveMenu());
    EXPECT_EQ(nullptr, CWTKDialogHelper::GetMouseHook());
    EXPECT_EQ(nullptr, CWTKDialogHelper::GetHookOwner());

    // Without a popup keys go their usual way.
    MSG msg = {m_hButton, WM_KEYDOWN, VK_DOWN, 0, 0, {0, 0}};
    EXPECT_FALSE(m_dialog.m_helper.PreTranslateMessage(&msg));
}

TEST_F(DialogHelperTest, AltAnAcceleratorAndAClickOutsideCloseThePopup)
{
    // Alt.
    ASSERT_NE(nullptr, OpenPopup());
    PostToButton(WM_SYSKEYDOWN, VK_MENU);
    EXPECT_EQ(nullptr, CWTKPopupMenu::GetActiveMenu());
    EXPECT_EQ(nullptr, CWTKDialogHelper::GetMouseHook());

    // An accelerator: counted, the popup takes it as Escape.
    ASSERT_NE(nullptr, OpenPopup());
    CWTKCommandUsageCounter& counter = WTKGetCommandUsageCounter();
    const UINT nBefore = counter.GetCount(ID_ITEM_FIRST);
    EXPECT_TRUE(m_dialog.m_helper.OnCommand(MAKEWPARAM(ID_ITEM_FIRST, CWTKDialogHelper::kAcceleratorNotify)));
    PumpPending();
    EXPECT_EQ(nBefore + 1, counter.GetCount(ID_ITEM_FIRST));
    EXPECT_EQ(nullptr, CWTKPopupMenu::GetActiveMenu());
    // Without a popup or user tools nothing handles it; other notifications are not counted.
    EXPECT_FALSE(m_dialog.m_helper.OnCommand(MAKEWPARAM(ID_ITEM_FIRST, CWTKDialogHelper::kAcceleratorNotify)));
    EXPECT_FALSE(m_dialog.m_helper.OnCommand(MAKEWPARAM(ID_ITEM_FIRST, BN_CLICKED)));
    EXPECT_EQ(nBefore + 2, counter.GetCount(ID_ITEM_FIRST));

    // A click on the dialog's button outside the popup closes it and presses nothing.
    CWTKPopupMenu* pPopup = OpenPopup();
    ASSERT_NE(nullptr, pPopup);
    CRect rectPopup;
    CRect rectButton;
    pPopup->GetWindowRect(rectPopup);
    ::GetWindowRect(m_hButton, &rectButton);
    ASSERT_FALSE(CRect().IntersectRect(rectPopup, rectButton));
    m_dialog.m_commands.clear();
    PostToButton(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostToButton(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(nullptr, CWTKPopupMenu::GetActiveMenu());
    EXPECT_TRUE(m_dialog.m_commands.empty());
    // With the popup gone the same click presses the button.
    PostToButton(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostToButton(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(std::vector<UINT>({IDC_HELPER_BUTTON}), m_dialog.m_commands);
}

TEST_F(DialogHelperTest, ARightClickOnADockBarAsksForTheToolbarMenu)
{
    auto* pDockBar = new CDockBar;
    ASSERT_TRUE(pDockBar->Create(&m_dialog, WS_CHILD | WS_VISIBLE | CBRS_TOP, FW_IDW_DOCKBAR_TOP));
    pDockBar->MoveWindow(0, 0, 200, 20);
    ::PostMessageA(pDockBar->GetSafeHwnd(), WM_RBUTTONUP, 0, MAKELPARAM(7, 3));
    PumpPending();
    CPoint pt(7, 3);
    pDockBar->ClientToScreen(&pt);
    EXPECT_EQ(std::vector<CPoint>({pt}), m_dialog.m_barMenuRequests);
    // Anywhere else nobody asks.
    PostToButton(WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(1u, m_dialog.m_barMenuRequests.size());
}

TEST_F(DialogHelperTest, TheHookNeverOutlivesItsOwner)
{
    // The dialog goes while its popup is open.
    ASSERT_NE(nullptr, OpenPopup());
    ASSERT_NE(nullptr, CWTKDialogHelper::GetMouseHook());
    m_dialog.DestroyWindow();
    PumpPending();
    EXPECT_EQ(nullptr, CWTKDialogHelper::GetMouseHook());
    EXPECT_EQ(nullptr, CWTKDialogHelper::GetHookOwner());
    EXPECT_EQ(nullptr, CWTKPopupMenu::GetActiveMenu());

    // A helper deleted while it owns the hook takes it along; another helper's null leaves it.
    CWTKPopupMenu standIn;  // no window
    auto* pHelper = new CWTKDialogHelper(nullptr);
    pHelper->SetActivePopup(&standIn);
    CWTKDialogHelper other(nullptr);
    other.SetActivePopup(nullptr);
    EXPECT_EQ(pHelper, CWTKDialogHelper::GetHookOwner());
    EXPECT_NE(nullptr, CWTKDialogHelper::GetMouseHook());
    delete pHelper;
    EXPECT_EQ(nullptr, CWTKDialogHelper::GetMouseHook());
    CWTKPopupMenu::SetActiveMenu(nullptr);
}

}  // namespace
