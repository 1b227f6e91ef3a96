// Message maps on real windows: dispatch of each kind of entry, reflection to
// controls, the pre-translation chain, creation hook, handle maps, self-deleting
// windows and command user interface updates.
#include "WinTestSupport.h"
#include "win/CmdUI.h"
#include "gdi/DC.h"
#include "gdi/GdiObject.h"
#include "win/Menu.h"
#include "win/ThreadState.h"
#include "core/Exception.h"
#include "core/ExceptionReport.h"
#include <gtest/gtest.h>
#include <cstring>
#include <stdexcept>

namespace {

std::vector<std::string> g_log;
UINT g_nLateMessage = 0;   // registered only after the maps have been used
UINT g_nLaterMessage = 0;  // registered only after its number has been dispatched

const UINT IDT_CMD = 100;
const UINT IDT_RANGE_FIRST = 200, IDT_RANGE_LAST = 209;
const UINT IDT_CMD_EX = 300;
const UINT IDT_NOTIFY = 400;
const UINT IDT_EDIT = 500;
const UINT IDT_DISABLED = 600;
const UINT IDT_NO_UPDATE = 700;
const UINT IDT_REFLECTING = 800, IDT_PLAIN = 801, IDT_DECLINING = 802;

class CTestWnd : public CWnd {
public:
    UINT m_nCheckForUpdate = 1;

protected:
    LRESULT OnNcCreateMsg(WPARAM wParam, LPARAM lParam)
    {
        g_log.push_back("nccreate");
        return DefWindowProc(WM_NCCREATE, wParam, lParam);
    }
    int OnCreate(LPCREATESTRUCTA pcs)
    {
        g_log.push_back(std::string("create:") + pcs->lpszName);
        return CWnd::OnCreate(pcs);
    }
    void OnSize(UINT nType, int cx, int cy)
    {
        g_log.push_back("size:" + std::to_string(nType) + ":" + std::to_string(cx) + "x" + std::to_string(cy));
    }
    void OnLButtonDown(UINT nFlags, CPoint pt)
    {
        g_log.push_back("lbutton:" + std::to_string(nFlags) + ":" + std::to_string(pt.x) + "," + std::to_string(pt.y));
    }
    void OnCmd() { g_log.push_back("cmd"); }
    void OnRange(UINT nID) { g_log.push_back("range:" + std::to_string(nID)); }
    BOOL OnCmdEx(UINT nID)
    {
        g_log.push_back("cmdex:" + std::to_string(nID));
        return FALSE;
    }
    void OnNotifyClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        g_log.push_back("notify:" + std::to_string(pNMHDR->idFrom));
        *pResult = 42;
    }
    void OnEditChange() { g_log.push_back("editchange"); }
    void OnPlainClicked() { g_log.push_back("parent:plain"); }
    void OnReflectingClicked() { g_log.push_back("parent:reflecting"); }
    void OnDecliningClicked() { g_log.push_back("parent:declining"); }
    LRESULT OnLate(WPARAM wParam, LPARAM)
    {
        g_log.push_back("late:" + std::to_string(wParam));
        return 7;
    }
    LRESULT OnLater(WPARAM wParam, LPARAM)
    {
        g_log.push_back("later:" + std::to_string(wParam));
        return 8;
    }
    LRESULT OnApp(WPARAM wParam, LPARAM lParam)
    {
        g_log.push_back("app:" + std::to_string(wParam + lParam));
        return 5;
    }
    void OnUpdateCmd(CCmdUI* pCmdUI) { pCmdUI->SetCheck((int)m_nCheckForUpdate); }
    void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnDisabled() { g_log.push_back("disabled ran"); }
    void OnNoUpdate() { g_log.push_back("noupdate"); }
    void OnDrawItem(int nID, LPDRAWITEMSTRUCT) { g_log.push_back("parent:drawitem:" + std::to_string(nID)); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestWnd, CWnd)
    ON_MESSAGE(WM_NCCREATE, OnNcCreateMsg)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_COMMAND(IDT_CMD, OnCmd)
    ON_COMMAND_RANGE(IDT_RANGE_FIRST, IDT_RANGE_LAST, OnRange)
    ON_COMMAND_EX(IDT_CMD_EX, OnCmdEx)
    ON_NOTIFY(NM_CLICK, IDT_NOTIFY, OnNotifyClick)
    ON_EN_CHANGE(IDT_EDIT, OnEditChange)
    ON_BN_CLICKED(IDT_PLAIN, OnPlainClicked)
    ON_BN_CLICKED(IDT_REFLECTING, OnReflectingClicked)
    ON_BN_CLICKED(IDT_DECLINING, OnDecliningClicked)
    ON_REGISTERED_MESSAGE(g_nLateMessage, OnLate)
    ON_REGISTERED_MESSAGE(g_nLaterMessage, OnLater)
    ON_MESSAGE(WM_APP + 1, OnApp)
    ON_UPDATE_COMMAND_UI(IDT_CMD, OnUpdateCmd)
    ON_UPDATE_COMMAND_UI(IDT_DISABLED, OnUpdateDisabled)
    ON_COMMAND(IDT_DISABLED, OnDisabled)
    ON_COMMAND(IDT_NO_UPDATE, OnNoUpdate)
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

// A derived window: its own entry wins, the base map still serves the rest.
class CDerivedWnd : public CTestWnd {
protected:
    void OnCmd() { g_log.push_back("derived cmd"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CTestWnd)
    ON_COMMAND(IDT_CMD, OnCmd)
END_MESSAGE_MAP()

// A control that handles its own click and owner drawing.
class CReflectingButton : public CWnd {
protected:
    void OnClicked() { g_log.push_back("control:clicked"); }
    void DrawItem(LPDRAWITEMSTRUCT) { g_log.push_back("control:drawitem"); }
    void OnNmClick(NMHDR*, LRESULT* pResult)
    {
        g_log.push_back("control:nmclick");
        *pResult = 9;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingButton, CWnd)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
    ON_NOTIFY_REFLECT(NM_CLICK, OnNmClick)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

// A control that looks at its click and leaves it to the parent as well.
class CDecliningButton : public CWnd {
protected:
    BOOL OnClicked()
    {
        g_log.push_back("control:declined");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDecliningButton, CWnd)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_log.clear();
        ASSERT_TRUE(m_wnd.CreateEx(0, nullptr, "Test", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
    }
    void TearDown() override
    {
        if (m_wnd.m_hWnd)
            m_wnd.DestroyWindow();
    }
    CTestWnd m_wnd;
};

std::string Joined()
{
    std::string s;
    for (const auto& entry : g_log)
        s += (s.empty() ? "" : "|") + entry;
    return s;
}

TEST_F(MessageMapTest, CreationHookAttachesBeforeTheFirstMessages)
{
    EXPECT_EQ("nccreate|create:Test", Joined());
    EXPECT_EQ(&m_wnd, CWnd::FromHandlePermanent(m_wnd.m_hWnd));
    EXPECT_EQ(&m_wnd, CWnd::FromHandle(m_wnd.m_hWnd));
}

TEST_F(MessageMapTest, EachKindOfEntryGetsItsArguments)
{
    // Used once here so that the map exists before the message is registered.
    m_wnd.SendMessage(WM_APP + 1, 1, 2);
    g_nLateMessage = ::RegisterWindowMessageA("FwWinTests.LateMessage");
    g_log.clear();

    NMHDR nm = {m_wnd.m_hWnd, IDT_NOTIFY, (UINT)NM_CLICK};
    NMHDR nmOther = {m_wnd.m_hWnd, IDT_NOTIFY + 1, (UINT)NM_CLICK};
    struct Row {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* expectedLog;
        LRESULT expectedResult;
    } rows[] = {
        {"standard message", WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 80), "size:0:120x80", 0},
        {"point argument", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 17), "lbutton:1:-5,17", 0},
        {"command", WM_COMMAND, MAKEWPARAM(IDT_CMD, 0), 0, "cmd", 1},
        {"command range first", WM_COMMAND, MAKEWPARAM(IDT_RANGE_FIRST, 0), 0, "range:200", 1},
        {"command range last", WM_COMMAND, MAKEWPARAM(IDT_RANGE_LAST, 0), 0, "range:209", 1},
        {"outside the range", WM_COMMAND, MAKEWPARAM(IDT_RANGE_LAST + 1, 0), 0, "", 0},
        {"declining command handler", WM_COMMAND, MAKEWPARAM(IDT_CMD_EX, 0), 0, "cmdex:300", 0},
        {"notification", WM_NOTIFY, IDT_NOTIFY, (LPARAM)&nm, "notify:400", 42},
        {"notification of another id", WM_NOTIFY, IDT_NOTIFY + 1, (LPARAM)&nmOther, "", 0},
        {"control notification", WM_COMMAND, MAKEWPARAM(IDT_EDIT, EN_CHANGE), (LPARAM)m_wnd.m_hWnd, "editchange", 1},
        {"other code from the control", WM_COMMAND, MAKEWPARAM(IDT_EDIT, EN_UPDATE), (LPARAM)m_wnd.m_hWnd, "", 0},
        {"registered after the map was built", g_nLateMessage, 3, 0, "late:3", 7},
        {"user message", WM_APP + 1, 4, 5, "app:9", 5},
    };
    // The second pass finds its entries (and misses) in the lookup cache.
    for (const char* pass : {"first", "cached"}) {
        for (const Row& row : rows) {
            g_log.clear();
            LRESULT lResult = ::SendMessageA(m_wnd.m_hWnd, row.message, row.wParam, row.lParam);
            EXPECT_EQ(row.expectedLog, Joined()) << row.name << " (" << pass << ")";
            EXPECT_EQ(row.expectedResult, lResult) << row.name << " (" << pass << ")";
        }
    }
}

TEST_F(MessageMapTest, MessageDispatchedBeforeItsEntryIsRegisteredIsNotMissedForever)
{
    g_log.clear();
    // The number is known to the system before the map's variable holds it.
    UINT nNumber = ::RegisterWindowMessageA("FwWinTests.LaterMessage");
    ASSERT_NE(0u, nNumber);
    EXPECT_EQ(0, ::SendMessageA(m_wnd.m_hWnd, nNumber, 1, 0));
    EXPECT_EQ("", Joined());

    g_nLaterMessage = nNumber;
    EXPECT_EQ(8, ::SendMessageA(m_wnd.m_hWnd, nNumber, 2, 0));
    EXPECT_EQ("later:2", Joined());
}

TEST_F(MessageMapTest, DerivedEntryOverridesAndBaseEntriesRemain)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "Derived", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    g_log.clear();
    wnd.SendMessage(WM_COMMAND, IDT_CMD);
    wnd.SendMessage(WM_COMMAND, IDT_RANGE_FIRST + 1);
    EXPECT_EQ("derived cmd|range:201", Joined());
    wnd.DestroyWindow();
}

TEST_F(MessageMapTest, ControlNotificationsGoToTheControlFirst)
{
    CReflectingButton reflecting;
    CWnd plain;
    CDecliningButton declining;
    CRect rc(0, 0, 50, 20);
    ASSERT_TRUE(reflecting.Create("BUTTON", "R", WS_VISIBLE | BS_PUSHBUTTON, rc, &m_wnd, IDT_REFLECTING));
    ASSERT_TRUE(plain.Create("BUTTON", "P", WS_VISIBLE | BS_PUSHBUTTON, rc, &m_wnd, IDT_PLAIN));
    ASSERT_TRUE(declining.Create("BUTTON", "D", WS_VISIBLE | BS_PUSHBUTTON, rc, &m_wnd, IDT_DECLINING));

    struct Row {
        CWnd* pControl;
        const char* expectedLog;
    } rows[] = {
        {&reflecting, "control:clicked"},
        {&plain, "parent:plain"},
        {&declining, "control:declined|parent:declining"},
    };
    for (const Row& row : rows) {
        g_log.clear();
        // A real click: the button sends BN_CLICKED to its parent.
        row.pControl->SendMessage(BM_CLICK);
        EXPECT_EQ(row.expectedLog, Joined()) << row.pControl->GetDlgCtrlID();
    }

    struct NotifyRow {
        CWnd* pControl;
        const char* expectedLog;
        LRESULT expectedResult;
    } notifyRows[] = {
        {&reflecting, "control:nmclick", 9},
        {&plain, "notify:400", 42},
    };
    for (const NotifyRow& row : notifyRows) {
        g_log.clear();
        NMHDR nm = {row.pControl->m_hWnd, IDT_NOTIFY, (UINT)NM_CLICK};
        EXPECT_EQ(row.expectedResult, m_wnd.SendMessage(WM_NOTIFY, IDT_NOTIFY, (LPARAM)&nm));
        EXPECT_EQ(row.expectedLog, Joined());
    }

    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    for (CWnd* pControl : {(CWnd*)&reflecting, &plain}) {
        g_log.clear();
        dis.CtlID = (UINT)pControl->GetDlgCtrlID();
        dis.hwndItem = pControl->m_hWnd;
        m_wnd.SendMessage(WM_DRAWITEM, dis.CtlID, (LPARAM)&dis);
        EXPECT_EQ(pControl == &reflecting ? "control:drawitem" : "parent:drawitem:801", Joined());
    }
}

// Colours: a control that colours itself, one that leaves it to its parent.
class CColoringStatic : public CWnd {
public:
    HBRUSH m_hBrush = nullptr;

protected:
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        g_log.push_back("control:ctlcolor:" + std::to_string(nCtlColor));
        if (m_hBrush)
            pDC->SetTextColor(RGB(255, 0, 0));
        return m_hBrush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColoringStatic, CWnd)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CColorParent : public CWnd {
protected:
    HBRUSH OnCtlColor(CDC*, CWnd* pWnd, UINT nCtlColor)
    {
        g_log.push_back("parent:ctlcolor:" + std::to_string(nCtlColor) + (pWnd ? ":child" : ""));
        return (HBRUSH)::GetStockObject(GRAY_BRUSH);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorParent, CWnd)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

TEST(ReflectionTest, ControlColoursItselfOrLeavesItToTheParent)
{
    CColorParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "Parent", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    CColoringStatic coloring, declining;
    coloring.m_hBrush = (HBRUSH)::GetStockObject(BLACK_BRUSH);
    ASSERT_TRUE(coloring.Create("STATIC", "a", WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 1));
    ASSERT_TRUE(declining.Create("STATIC", "b", WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 2));
    HDC hDC = ::GetDC(parent.m_hWnd);
    struct Row {
        CWnd* pControl;
        UINT message;
        LRESULT expectedBrush;
        const char* expectedLog;
    } rows[] = {
        {&coloring, WM_CTLCOLORSTATIC, (LRESULT)::GetStockObject(BLACK_BRUSH), "control:ctlcolor:6"},
        {&coloring, WM_CTLCOLOREDIT, (LRESULT)::GetStockObject(BLACK_BRUSH), "control:ctlcolor:1"},
        {&declining, WM_CTLCOLORSTATIC, (LRESULT)::GetStockObject(GRAY_BRUSH),
         "control:ctlcolor:6|parent:ctlcolor:6:child"},
    };
    for (const Row& row : rows) {
        g_log.clear();
        ::SetTextColor(hDC, RGB(0, 0, 0));
        EXPECT_EQ(row.expectedBrush, parent.SendMessage(row.message, (WPARAM)hDC, (LPARAM)row.pControl->m_hWnd));
        EXPECT_EQ(row.expectedLog, Joined());
    }
    EXPECT_EQ(RGB(0, 0, 0), ::GetTextColor(hDC));  // the declining control did not colour
    ::ReleaseDC(parent.m_hWnd, hDC);
    parent.DestroyWindow();
}

TEST(WrapperTest, FontOfAWindow)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "STATIC", "f", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    CFont* pFont = CFont::FromHandle((HFONT)::GetStockObject(ANSI_VAR_FONT));
    wnd.SetFont(pFont, FALSE);
    ASSERT_NE(nullptr, wnd.GetFont());
    EXPECT_EQ(pFont->GetSafeHandle(), wnd.GetFont()->GetSafeHandle());
    wnd.DestroyWindow();
}

// ---- Command user interface ----

class CRecordingCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override
    {
        m_nEnable = bOn ? 1 : 0;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck) override { m_nCheck = nCheck; }
    int m_nEnable = -1;
    int m_nCheck = -1;
};

TEST_F(MessageMapTest, UpdateHandlersAndCommandsWithoutHandler)
{
    struct Row {
        UINT nID;
        BOOL bDisableIfNoHndler;
        int expectedEnable;
        int expectedCheck;
    } rows[] = {
        {IDT_CMD, TRUE, -1, 1},         // handler sets the check only
        {IDT_DISABLED, FALSE, 0, -1},   // handler disables
        {IDT_NO_UPDATE, TRUE, -1, -1},  // a command handler exists: left alone
        {999, TRUE, 0, -1},             // nobody handles it: disabled when asked
        {999, FALSE, -1, -1},
    };
    for (const Row& row : rows) {
        CRecordingCmdUI ui;
        ui.m_nID = row.nID;
        ui.DoUpdate(&m_wnd, row.bDisableIfNoHndler);
        EXPECT_EQ(row.expectedEnable, ui.m_nEnable) << row.nID;
        EXPECT_EQ(row.expectedCheck, ui.m_nCheck) << row.nID;
    }
}

TEST_F(MessageMapTest, UpdateDrivesMenuItems)
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, IDT_CMD, "Command");
    ::AppendMenuA(hMenu, MF_STRING, IDT_DISABLED, "Disabled");
    ::AppendMenuA(hMenu, MF_STRING, 999, "Nobody");
    CCmdUI state;
    state.m_pMenu = CMenu::FromHandle(hMenu);
    state.m_nIndexMax = (UINT)::GetMenuItemCount(hMenu);
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = ::GetMenuItemID(hMenu, (int)state.m_nIndex);
        state.DoUpdate(&m_wnd, TRUE);
    }
    struct Row {
        UINT nID;
        UINT expectedState;
    } rows[] = {
        {IDT_CMD, MF_CHECKED},
        {IDT_DISABLED, MF_GRAYED},
        {999, MF_GRAYED},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.expectedState, ::GetMenuState(hMenu, row.nID, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED))
            << row.nID;

    state.m_nIndex = 0;
    state.m_nID = IDT_CMD;
    state.SetText("Renamed");
    char szText[32] = "";
    ::GetMenuStringA(hMenu, IDT_CMD, szText, sizeof(szText), MF_BYCOMMAND);
    EXPECT_STREQ("Renamed", szText);
    EXPECT_EQ((UINT)MF_CHECKED, ::GetMenuState(hMenu, IDT_CMD, MF_BYCOMMAND) & MF_CHECKED);
    ::DestroyMenu(hMenu);
}

TEST_F(MessageMapTest, DisabledMenuCommandIsNotCarriedOut)
{
    g_log.clear();
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(IDT_DISABLED, 0), 0);
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(IDT_NO_UPDATE, 0), 0);
    EXPECT_EQ("noupdate", Joined());
}

TEST_F(MessageMapTest, UpdateReachesDialogControlsByTheirIds)
{
    CWnd check;
    CRect rc(0, 0, 50, 20);
    ASSERT_TRUE(check.Create("BUTTON", "C", WS_VISIBLE | BS_AUTOCHECKBOX, rc, &m_wnd, IDT_CMD));
    CWnd other;
    ASSERT_TRUE(other.Create("BUTTON", "O", WS_VISIBLE | BS_PUSHBUTTON, rc, &m_wnd, 999));
    // Without a handler only a command button is disabled: a pane holding other controls, a
    // list and a box that checks itself stay usable.
    CWnd pane, list, box;
    ASSERT_TRUE(pane.Create(nullptr, "", WS_VISIBLE, rc, &m_wnd, 998));
    ASSERT_TRUE(list.Create("LISTBOX", "", WS_VISIBLE, rc, &m_wnd, 997));
    ASSERT_TRUE(box.Create("BUTTON", "B", WS_VISIBLE | BS_AUTOCHECKBOX, rc, &m_wnd, 996));
    m_wnd.m_nCheckForUpdate = 1;
    m_wnd.UpdateDialogControls(&m_wnd, TRUE);
    EXPECT_EQ(BST_CHECKED, check.SendMessage(BM_GETCHECK));
    EXPECT_TRUE(check.IsWindowEnabled());
    EXPECT_FALSE(other.IsWindowEnabled());
    EXPECT_TRUE(pane.IsWindowEnabled());
    EXPECT_TRUE(list.IsWindowEnabled());
    EXPECT_TRUE(box.IsWindowEnabled());
}

// ---- Pre-translation ----

class CPreTranslateWnd : public CWnd {
public:
    std::string m_strName;
    BOOL m_bEat = FALSE;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_APP + 2)
            g_log.push_back("pre:" + m_strName);
        return m_bEat;
    }

protected:
    LRESULT OnApp(WPARAM, LPARAM)
    {
        g_log.push_back("got:" + m_strName);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPreTranslateWnd, CWnd)
    ON_MESSAGE(WM_APP + 2, OnApp)
END_MESSAGE_MAP()

TEST(PreTranslateTest, TargetThenEachParentUpToTheMainWindow)
{
    CPreTranslateWnd owner, main, child, grandchild;
    owner.m_strName = "owner";
    main.m_strName = "main";
    child.m_strName = "child";
    grandchild.m_strName = "grandchild";
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "Owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    // The main window is owned: the walk stops at it, the owner is not asked.
    ASSERT_TRUE(main.CreateEx(0, nullptr, "Main", WS_POPUP, 0, 0, 200, 200, owner.m_hWnd, nullptr));
    ASSERT_TRUE(child.Create(nullptr, "Child", WS_VISIBLE, CRect(0, 0, 100, 100), &main, 1));
    ASSERT_TRUE(grandchild.Create(nullptr, "Grandchild", WS_VISIBLE, CRect(0, 0, 50, 50), &child, 2));
    theApp.m_pMainWnd = &main;

    PumpPending();
    g_log.clear();
    grandchild.PostMessage(WM_APP + 2);
    PumpPending();
    EXPECT_EQ("pre:grandchild|pre:child|pre:main|got:grandchild", Joined());

    child.m_bEat = TRUE;
    g_log.clear();
    grandchild.PostMessage(WM_APP + 2);
    PumpPending();
    EXPECT_EQ("pre:grandchild|pre:child", Joined());

    theApp.m_pMainWnd = nullptr;
}

// ---- Handle maps and lifetime ----

TEST(HandleMapTest, ForeignWindowsGetTemporaryObjectsFreedAtIdle)
{
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "foreign", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hWnd));
    EXPECT_EQ(hWnd, pTemp->m_hWnd);
    EXPECT_NE(0u, FwGetThreadState()->windowMap.GetTemporaryCount());

    for (LONG lCount = 0; theApp.OnIdle(lCount); ++lCount) {
    }
    EXPECT_EQ(0u, FwGetThreadState()->windowMap.GetTemporaryCount());

    // Subclassing makes the object permanent and routes the window's messages to it.
    CTestWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandle(hWnd));
    g_log.clear();
    ::SendMessageA(hWnd, WM_COMMAND, IDT_CMD, 0);
    EXPECT_EQ("cmd", Joined());
    EXPECT_EQ(hWnd, wnd.UnsubclassWindow());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    ::DestroyWindow(hWnd);
}

class CPreSubclassWnd : public CWnd {
public:
    int m_nPreSubclass = 0;
    HWND m_hWndAtPreSubclass = nullptr;

protected:
    void PreSubclassWindow() override
    {
        ++m_nPreSubclass;
        m_hWndAtPreSubclass = m_hWnd;
    }
};

TEST(HandleMapTest, PreSubclassWindowWhetherCreatedOrSubclassed)
{
    CPreSubclassWnd created, subclassed;
    ASSERT_TRUE(created.CreateEx(0, "BUTTON", "c", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hWnd = ::CreateWindowExA(0, "BUTTON", "s", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(subclassed.SubclassWindow(hWnd));
    for (CPreSubclassWnd* p : {&created, &subclassed}) {
        EXPECT_EQ(1, p->m_nPreSubclass);
        EXPECT_EQ(p->m_hWnd, p->m_hWndAtPreSubclass);
    }
    created.DestroyWindow();
    subclassed.DestroyWindow();
    EXPECT_EQ(nullptr, subclassed.m_hWnd);
}

TEST(HandleMapTest, ClosingTheMainWindowEndsTheMessageLoop)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "Main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    theApp.m_pMainWnd = &wnd;
    wnd.SendMessage(WM_CLOSE);
    EXPECT_EQ(nullptr, theApp.m_pMainWnd);
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

int g_nDeleted = 0;

// Deletes itself after its window is gone; its memory is poisoned so that any
// later use by the dispatcher would crash.
class CSelfDeletingWnd : public CWnd {
public:
    static void operator delete(void* p, std::size_t n)
    {
        std::memset(p, 0xDD, n);
        ++g_nDeleted;
        ::operator delete(p);
    }

protected:
    void PostNcDestroy() override { delete this; }
    void OnClose() { DestroyWindow(); }
    BOOL OnCloseCommand(UINT)
    {
        DestroyWindow();
        return FALSE;
    }  // declines after it is gone
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfDeletingWnd, CWnd)
    ON_WM_CLOSE()
    ON_COMMAND_EX(IDT_CMD, OnCloseCommand)
END_MESSAGE_MAP()

TEST(LifetimeTest, WindowThatDeletesItselfInsideAHandler)
{
    for (UINT message : {(UINT)WM_CLOSE, (UINT)WM_COMMAND}) {
        g_nDeleted = 0;
        auto* pWnd = new CSelfDeletingWnd;
        ASSERT_TRUE(pWnd->CreateEx(0, nullptr, "Self", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
        HWND hWnd = pWnd->m_hWnd;
        ::SendMessageA(hWnd, message, message == WM_COMMAND ? IDT_CMD : 0, 0);
        EXPECT_EQ(1, g_nDeleted) << message;
        EXPECT_FALSE(::IsWindow(hWnd)) << message;
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd)) << message;
    }
}

TEST(LifetimeTest, DeletingTheObjectDestroysItsWindow)
{
    auto* pWnd = new CTestWnd;
    ASSERT_TRUE(pWnd->CreateEx(0, nullptr, "Owned", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hWnd = pWnd->m_hWnd;
    delete pWnd;
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

class CRefusingWnd : public CWnd {
public:
    int m_nPostNcDestroy = 0;

protected:
    int OnCreate(LPCREATESTRUCTA) { return -1; }
    void PostNcDestroy() override { ++m_nPostNcDestroy; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRefusingWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(LifetimeTest, RefusedCreationDetachesAndEndsTheObject)
{
    CRefusingWnd wnd;
    size_t nBefore = FwGetThreadState()->windowMap.GetPermanentCount();
    EXPECT_FALSE(wnd.CreateEx(0, nullptr, "No", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(1, wnd.m_nPostNcDestroy);
    EXPECT_EQ(nBefore, FwGetThreadState()->windowMap.GetPermanentCount());
}

// ---- Current message and Default ----

class CDefaultWnd : public CWnd {
public:
    UINT m_nSeen = 0;

protected:
    void OnTimer(UINT_PTR)
    {
        m_nSeen = GetCurrentMessage()->message;
        Default();
    }
    LRESULT OnGetTextLength(WPARAM, LPARAM) { return Default() + 100; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDefaultWnd, CWnd)
    ON_WM_TIMER()
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
END_MESSAGE_MAP()

TEST(DefaultTest, HandlersSeeTheCurrentMessageAndReachTheDefault)
{
    CDefaultWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "abc", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    wnd.SendMessage(WM_TIMER, 1);
    EXPECT_EQ((UINT)WM_TIMER, wnd.m_nSeen);
    EXPECT_EQ(103, wnd.SendMessage(WM_GETTEXTLENGTH));
    CString strText;
    wnd.GetWindowText(strText);
    EXPECT_STREQ("abc", strText);
    wnd.DestroyWindow();
}

// ---- Exceptions at the window procedure ----

std::vector<std::string> g_reports;

void RecordingReport(LPCSTR lpszWhere, LPCSTR lpszWhat)
{
    g_reports.push_back(std::string(lpszWhere) + ": " + lpszWhat);
}

class CThrowingWnd : public CWnd {
protected:
    LRESULT OnThrowStandard(WPARAM, LPARAM) { throw std::runtime_error("handler failed"); }
    LRESULT OnThrowFramework(WPARAM, LPARAM) { FwThrowMemoryException(); }
    LRESULT OnThrowOther(WPARAM, LPARAM) { throw 42; }
    LRESULT OnAnswer(WPARAM wParam, LPARAM) { return (LRESULT)wParam * 2; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
    ON_MESSAGE(WM_APP + 10, OnThrowStandard)
    ON_MESSAGE(WM_APP + 11, OnThrowFramework)
    ON_MESSAGE(WM_APP + 12, OnThrowOther)
    ON_MESSAGE(WM_APP + 13, OnAnswer)
END_MESSAGE_MAP()

TEST(ExceptionReportTest, HandlerThatThrowsIsReportedAndTheWindowGoesOn)
{
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "Thrower", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    FwExceptionReportFn pfnOld = FwSetExceptionReport(&RecordingReport);
    struct Row {
        const char* what;
        UINT message;
        const char* expectedReport;
    } rows[] = {
        {"standard exception", WM_APP + 10, "window procedure: handler failed"},
        {"framework exception", WM_APP + 11, "window procedure: Out of memory."},
        {"anything else", WM_APP + 12, "window procedure: unknown exception"},
    };
    for (const Row& row : rows) {
        g_reports.clear();
        EXPECT_EQ(0, ::SendMessageA(wnd.m_hWnd, row.message, 0, 0)) << row.what;
        EXPECT_EQ(std::vector<std::string> {row.expectedReport}, g_reports) << row.what;
        // The window and its dispatch still work.
        EXPECT_EQ(42, ::SendMessageA(wnd.m_hWnd, WM_APP + 13, 21, 0)) << row.what;
        EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd)) << row.what;
    }
    FwSetExceptionReport(pfnOld);
    wnd.DestroyWindow();
}

}  // namespace
