// Command user interface that runs by itself: the idle update of the menu bar and of child
// windows (also inside a floating frame), a popup's items as it opens, and status prompts.
#include "DocViewTestSupport.h"
#include "docview/MiniFrameWnd.h"
#include "win/FrameworkRes.h"

namespace {

// The top-level "&Go" item of the test menu.
constexpr UINT kGoPosition = 2;

TEST_F(DocViewTest, IdleTimeUpdatesTheMenuBarAndChildWindowsWithNoOtherMessage)
{
    ASSERT_TRUE(NewDocument());
    RECT rect = {0, 0, 60, 20};
    CCmdStateWnd button;
    ASSERT_TRUE(button.Create(nullptr, "button", WS_CHILD | WS_VISIBLE, rect, Frame(), ID_TEST_ENABLE));
    auto* pPalette = new CMiniFrameWnd;
    RECT rectPalette = {20, 20, 220, 120};
    ASSERT_TRUE(pPalette->CreateEx(0, nullptr, "Palette", WS_POPUP | WS_CAPTION, rectPalette, Frame()));
    pPalette->ShowWindow(SW_SHOWNOACTIVATE);
    CCmdStateWnd label;
    ASSERT_TRUE(label.Create(nullptr, "label", WS_CHILD | WS_VISIBLE, rect, pPalette, ID_TEST_TEXT));

    HMENU hMenu = ::GetMenu(Frame()->m_hWnd);
    const struct {
        BOOL bEnable;
        const char* text;
    } rows[] = {{FALSE, "First"}, {TRUE, "Second"}, {FALSE, "Third"}};
    for (const auto& row : rows) {
        TestUpdateState().bEnable = row.bEnable;
        TestUpdateState().text = row.text;
        theApp.OnIdle(0);
        EXPECT_EQ((::GetMenuState(hMenu, kGoPosition, MF_BYPOSITION) & MF_GRAYED) == 0, row.bEnable != 0) << row.text;
        EXPECT_EQ(button.IsWindowEnabled() != 0, row.bEnable != 0) << row.text;
        CString strLabel;
        label.GetWindowText(strLabel);
        EXPECT_STREQ(strLabel, row.text);  // through the palette's owner frame
    }
    label.DestroyWindow();
    pPalette->DestroyWindow();
    button.DestroyWindow();
}

TEST_F(DocViewTest, APopupsItemsFollowTheirUpdateHandlersWhenItOpens)
{
    ASSERT_TRUE(NewDocument());
    HMENU hPopup = ::GetSubMenu(::GetMenu(Frame()->m_hWnd), 1);
    ASSERT_TRUE(hPopup);
    struct Item {
        UINT nPosition;
        UINT nState;  // MF_GRAYED, MF_CHECKED
        BOOL bRadio;
        const char* text;
    };
    const struct {
        BOOL bAutoMenuEnable;
        UpdateState state;
        std::vector<Item> items;
    } passes[] = {
        {TRUE,
         {FALSE, 1, TRUE, "Changed"},
         {{0, MF_GRAYED, FALSE, "Enable"},
          {1, MF_CHECKED, FALSE, "Check"},
          {2, MF_CHECKED, TRUE, "Radio"},
          {3, 0, FALSE, "Changed"},
          {4, MF_GRAYED, FALSE, "No handler"},  // nobody handles it
          {6, 0, FALSE, "More"}}},              // a popup item is left alone
        {FALSE,
         {TRUE, 0, FALSE, "Text"},
         {{0, 0, FALSE, "Enable"},
          {1, 0, FALSE, "Check"},
          {2, 0, FALSE, "Radio"},
          {3, 0, FALSE, "Text"},
          {4, 0, FALSE, "No handler"},  // no automatic disabling: enabled again by nobody, so as it was
          {6, 0, FALSE, "More"}}},
    };
    for (const auto& pass : passes) {
        Frame()->m_bAutoMenuEnable = pass.bAutoMenuEnable;
        TestUpdateState() = pass.state;
        if (!pass.bAutoMenuEnable)
            ::EnableMenuItem(hPopup, 4, MF_BYPOSITION | MF_ENABLED);
        Frame()->SendMessage(WM_INITMENUPOPUP, (WPARAM)hPopup, MAKELPARAM(1, FALSE));
        for (const Item& item : pass.items) {
            UINT nState = ::GetMenuState(hPopup, item.nPosition, MF_BYPOSITION);
            EXPECT_EQ(nState & (MF_GRAYED | MF_CHECKED), item.nState) << item.text;
            MENUITEMINFOA info = {};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE;
            ::GetMenuItemInfoA(hPopup, item.nPosition, TRUE, &info);
            EXPECT_EQ((info.fType & MFT_RADIOCHECK) != 0, item.bRadio != 0) << item.text;
            char szText[64] = "";
            ::GetMenuStringA(hPopup, item.nPosition, szText, sizeof(szText), MF_BYPOSITION);
            EXPECT_STREQ(szText, item.text);
        }
    }
}

TEST_F(DocViewTest, StatusPromptsComeFromTheCommandsStrings)
{
    ASSERT_TRUE(NewDocument());
    HWND hWndStatus = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, Frame()->m_hWnd,
                                        (HMENU)(UINT_PTR)FW_IDW_STATUS_BAR, nullptr, nullptr);
    ASSERT_TRUE(hWndStatus);
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* text;
    } rows[] = {
        {WM_SETMESSAGESTRING, ID_ROUTE_VIEW, 0, "Runs the view's command"},  // the text before "\n"
        {WM_SETMESSAGESTRING, ID_TEST_ENABLE, 0, "Enables things"},
        {WM_SETMESSAGESTRING, FW_IDS_IDLEMESSAGE, 0, "Ready"},
        {WM_SETMESSAGESTRING, ID_TEST_NOPROMPT, 0, ""},
        {WM_SETMESSAGESTRING, 0, (LPARAM) "Free text", "Free text"},
        {WM_MENUSELECT, MAKEWPARAM(ID_TEST_ENABLE, MF_STRING), 0, "Enables things"},
        {WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0, "Ready"},  // the menu closed
    };
    for (const auto& row : rows) {
        Frame()->SendMessage(row.message, row.wParam, row.lParam);
        char szText[128] = "";
        ::GetWindowTextA(hWndStatus, szText, sizeof(szText));
        EXPECT_STREQ(szText, row.text);
    }
    // The answer is the id shown before.
    Frame()->SendMessage(WM_SETMESSAGESTRING, ID_TEST_ENABLE);
    EXPECT_EQ(Frame()->SendMessage(WM_SETMESSAGESTRING, FW_IDS_IDLEMESSAGE), (LRESULT)ID_TEST_ENABLE);
    ::DestroyWindow(hWndStatus);
}

TEST_F(DocViewTest, KeyIndicatorsAreEnabledWhileTheirLockIsOn)
{
    ASSERT_TRUE(NewDocument());
    BYTE keys[256];
    ::GetKeyboardState(keys);
    const BYTE saved[3] = {keys[VK_CAPITAL], keys[VK_NUMLOCK], keys[VK_SCROLL]};
    const struct {
        UINT nID;
        int nVirtKey;
    } rows[] = {{ID_INDICATOR_CAPS, VK_CAPITAL}, {ID_INDICATOR_NUM, VK_NUMLOCK}, {ID_INDICATOR_SCRL, VK_SCROLL}};
    for (const auto& row : rows) {
        for (BYTE toggled : {1, 0}) {
            ::GetKeyboardState(keys);
            keys[row.nVirtKey] = toggled;
            ::SetKeyboardState(keys);
            CCmdUIStateRecorder state;
            state.m_nID = row.nID;
            state.DoUpdate(Frame(), TRUE);
            EXPECT_EQ(state.m_bEnabled, (BOOL)toggled) << row.nID;
        }
    }
    keys[VK_CAPITAL] = saved[0];
    keys[VK_NUMLOCK] = saved[1];
    keys[VK_SCROLL] = saved[2];
    ::SetKeyboardState(keys);
}

}  // namespace
