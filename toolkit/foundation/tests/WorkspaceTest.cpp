// CWTKWorkspace: the version record, the window placement, integers, CleanState and the first
// start in the sandbox key; the order in which loading and saving call every part, through
// recording fakes of the parts' interfaces (one log comparison per operation); the routing of
// double clicks and popup menus; the managers it owns.
#include "RegistryTestApp.h"
#include "bars/DockState.h"
#include "docview/FrameWnd.h"
#include "foundation/WTKCommandIdPoolBase.h"
#include "foundation/WTKCommandManagerBase.h"
#include "foundation/WTKContextMenuManagerBase.h"
#include "foundation/WTKFrameHelperBase.h"
#include "foundation/WTKKeyboardManagerBase.h"
#include "foundation/WTKMouseManagerBase.h"
#include "foundation/WTKRegistryHolder.h"
#include "foundation/WTKSizingBarBase.h"
#include "foundation/WTKToolBarBase.h"
#include "foundation/WTKUserToolsManagerBase.h"
#include "foundation/WTKWorkspace.h"
#include "foundation/WTKPopupOwnerSource.h"
#include "foundation/WTKWorkspaceSteps.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const char kSection[] = "WTKTest";
// W for the section: every part receives it.
const std::string kW = std::string(kSandboxAppPath) + "WTKTest\\";

std::vector<std::string> g_log;

void Log(const std::string& entry)
{
    g_log.push_back(entry);
}

// Paths in log entries: the workspace key reads "W".
std::string Path(LPCTSTR lpsz)
{
    std::string path = lpsz ? lpsz : "(null)";
    return path == kW ? "W" : path;
}

class CLogFrame : public CFrameWnd {
public:
    explicit CLogFrame(const char* pszName) : m_name(pszName) {}
    BOOL Make() { return Create(nullptr, m_name.c_str(), WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 150)); }
    void RecalcLayout(BOOL bNotify = TRUE) override
    {
        if (m_bLog)
            Log(m_name + ".RecalcLayout");
        CFrameWnd::RecalcLayout(bNotify);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        Log(m_name + ".WM_COMMAND(" + std::to_string(LOWORD(wParam)) + "," + std::to_string(lParam) + ")");
        return TRUE;
    }
    std::string m_name;
    BOOL m_bLog = TRUE;
};

std::string FrameName(CFrameWnd* pFrame)
{
    if (!pFrame)
        return "null";
    CLogFrame* pLogFrame = dynamic_cast<CLogFrame*>(pFrame);
    return pLogFrame ? pLogFrame->m_name : "?";
}

// A window on a frame (or none when the parent is null), standing for a bar.
class CBarWindow : public CWnd {
public:
    void Make(CWnd* pParent)
    {
        if (pParent)
            Create("STATIC", "", WS_CHILD, CRect(0, 0, 10, 10), pParent, 100);
    }
};

class CFakeToolBar : public CBarWindow, public CWTKToolBarBase {
public:
    CFakeToolBar(const char* pszName, CWnd* pParent) : m_name(pszName)
    {
        Make(pParent);
        WTKAllToolbars().AddTail(this);
    }
    ~CFakeToolBar() override
    {
        CWTKToolBarList& list = WTKAllToolbars();
        if (POSITION pos = list.Find(this))
            list.RemoveAt(pos);
        DestroyWindow();
    }
    CWnd* GetBarWnd() override { return this; }
    BOOL LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiID) override
    {
        Log(m_name + ".LoadState(" + Path(lpszProfileName) + "," + std::to_string(nIndex) + "," +
            std::to_string((int)uiID) + ")");
        return TRUE;
    }
    BOOL SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiID) override
    {
        Log(m_name + ".SaveState(" + Path(lpszProfileName) + "," + std::to_string(nIndex) + "," +
            std::to_string((int)uiID) + ")");
        return TRUE;
    }
    BOOL IsOriginalItemsChanged() const override { return m_bOriginalItemsChanged; }
    void ResetImages() override { Log(m_name + ".ResetImages"); }
    BOOL IsLocked() const override { return m_bLocked; }
    BOOL IsUserDefined() const override { return m_bUserDefined; }

    std::string m_name;
    BOOL m_bOriginalItemsChanged = FALSE;
    BOOL m_bLocked = FALSE;
    BOOL m_bUserDefined = FALSE;
};

class CFakeSizingBar : public CBarWindow, public CWTKSizingBarBase {
public:
    CFakeSizingBar(const char* pszName, CWnd* pParent) : m_name(pszName)
    {
        Make(pParent);
        WTKAllSizingBars().Add(this);
    }
    ~CFakeSizingBar() override
    {
        CWTKSizingBarArray& bars = WTKAllSizingBars();
        for (INT_PTR i = bars.GetSize() - 1; i >= 0; --i) {
            if (bars[i] == this)
                bars.RemoveAt(i);
        }
        DestroyWindow();
    }
    CWnd* GetBarWnd() override { return this; }
    void LoadState(LPCTSTR lpszProfileName) override { Log(m_name + ".LoadState(" + Path(lpszProfileName) + ")"); }
    void SaveState(LPCTSTR lpszProfileName) override { Log(m_name + ".SaveState(" + Path(lpszProfileName) + ")"); }
    std::string m_name;
};

class CFakeFrameHelper : public CWTKFrameHelperBase {
public:
    explicit CFakeFrameHelper(CFrameWnd* pFrame) : m_pFrame(pFrame) {}
    CFrameWnd* GetFrame() override { return m_pFrame; }
    void LoadUserToolbars() override { Log("helper.LoadUserToolbars"); }
    void LoadTearOffBars() override { Log("helper.LoadTearOffBars"); }
    BOOL SaveUserToolbars(BOOL bFrameOnly) override
    {
        Log("helper.SaveUserToolbars(" + std::to_string(bFrameOnly) + ")");
        return TRUE;
    }
    void SaveTearOffBars(BOOL bFrameOnly) override
    {
        Log("helper.SaveTearOffBars(" + std::to_string(bFrameOnly) + ")");
    }
    BOOL IsDockStateValid(const CDockState& state) override
    {
        Log("helper.IsDockStateValid(" + std::to_string(state.m_arrBarInfo.GetSize()) + " bars)");
        return m_bDockStateValid;
    }
    void SetDockState(const CDockState& state) override
    {
        Log("helper.SetDockState");
        m_rectDevice = state.m_rectDevice;
        m_rectClip = state.m_rectClip;
        // Where the frame puts the floating bars.
        m_floatingPoints.clear();
        for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
            auto* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
            CPoint point = pInfo->m_pointPos;
            state.ScalePoint(point);
            m_floatingPoints.push_back(point);
        }
    }
    CFrameWnd* m_pFrame;
    BOOL m_bDockStateValid = FALSE;
    CRect m_rectDevice, m_rectClip;
    std::vector<CPoint> m_floatingPoints;
};

class CFakeCommandManager : public CWTKCommandManagerBase {
public:
    BOOL LoadState(LPCTSTR lpszProfileName) override
    {
        Log("commands.LoadState(" + Path(lpszProfileName) + ")");
        return TRUE;
    }
    BOOL SaveState(LPCTSTR lpszProfileName) override
    {
        Log("commands.SaveState(" + Path(lpszProfileName) + ")");
        return TRUE;
    }
};

class CFakeMouseManager : public CWTKMouseManagerBase {
public:
    ~CFakeMouseManager() override { Log("~mouse"); }
    UINT GetViewDblClickCommand(int iViewId) const override
    {
        Log("mouse.GetViewDblClickCommand(" + std::to_string(iViewId) + ")");
        return m_uiCommand;
    }
    BOOL LoadState(LPCTSTR lpszProfileName) override
    {
        Log("mouse.LoadState(" + Path(lpszProfileName) + ")");
        return TRUE;
    }
    BOOL SaveState(LPCTSTR lpszProfileName) override
    {
        Log("mouse.SaveState(" + Path(lpszProfileName) + ")");
        return TRUE;
    }
    UINT m_uiCommand = 0;
};

class CFakeContextMenuManager : public CWTKContextMenuManagerBase {
public:
    ~CFakeContextMenuManager() override { Log("~contextMenu"); }
    BOOL ShowPopupMenu(UINT uiMenuResId, int x, int y, CWnd*, BOOL, BOOL) override
    {
        Log("contextMenu.ShowPopupMenu(" + std::to_string(uiMenuResId) + "," + std::to_string(x) + "," +
            std::to_string(y) + ")");
        return TRUE;
    }
    BOOL LoadState(LPCTSTR lpszProfileName) override
    {
        Log("contextMenu.LoadState(" + Path(lpszProfileName) + ")");
        return TRUE;
    }
    BOOL SaveState(LPCTSTR lpszProfileName) override
    {
        Log("contextMenu.SaveState(" + Path(lpszProfileName) + ")");
        return TRUE;
    }
};

class CFakeKeyboardManager : public CWTKKeyboardManagerBase {
public:
    ~CFakeKeyboardManager() override { Log("~keyboard"); }
    BOOL LoadState(LPCTSTR lpszProfileName, CFrameWnd* pDefaultFrame) override
    {
        Log("keyboard.LoadState(" + Path(lpszProfileName) + "," + FrameName(pDefaultFrame) + ")");
        return TRUE;
    }
    BOOL SaveState(LPCTSTR lpszProfileName, CFrameWnd* pDefaultFrame) override
    {
        Log("keyboard.SaveState(" + Path(lpszProfileName) + "," + FrameName(pDefaultFrame) + ")");
        return TRUE;
    }
};

class CFakeUserToolsManager : public CWTKUserToolsManagerBase {
public:
    ~CFakeUserToolsManager() override { Log("~userTools"); }
    BOOL InvokeTool(UINT uiCmdId) override
    {
        Log("userTools.InvokeTool(" + std::to_string(uiCmdId) + ")");
        return m_bRuns;
    }
    BOOL LoadState(LPCTSTR lpszProfileName) override
    {
        Log("userTools.LoadState(" + Path(lpszProfileName) + ")");
        return TRUE;
    }
    BOOL SaveState(LPCTSTR lpszProfileName) override
    {
        Log("userTools.SaveState(" + Path(lpszProfileName) + ")");
        return TRUE;
    }
    BOOL m_bRuns = FALSE;
};

class CFakeCommandIdPool : public CWTKCommandIdPoolBase {
public:
    ~CFakeCommandIdPool() override { Log("~pool"); }
};

CFrameWnd* g_pPopupOwnerFrame = nullptr;

class CLoggingToolBarSteps : public CWTKToolBarSteps {
public:
    BOOL LoadParameters(LPCTSTR lpsz) override
    {
        Log("parameters.Load(" + Path(lpsz) + ")");
        return TRUE;
    }
    BOOL SaveParameters(LPCTSTR lpsz) override
    {
        Log("parameters.Save(" + Path(lpsz) + ")");
        return TRUE;
    }
    void SetRecordImages(BOOL bRecord) override { Log("recordImages(" + std::to_string(bRecord) + ")"); }
    BOOL SaveUserImages() override
    {
        Log("userImages.Save");
        return TRUE;
    }
};

class CLoggingFrameSteps : public CWTKFrameSteps {
public:
    BOOL LoadRebarState(LPCTSTR lpsz, CFrameWnd* pFrame) override
    {
        Log("rebar.Load(" + Path(lpsz) + "," + FrameName(pFrame) + ")");
        return TRUE;
    }
    BOOL SaveRebarState(LPCTSTR lpsz, CFrameWnd* pFrame) override
    {
        Log("rebar.Save(" + Path(lpsz) + "," + FrameName(pFrame) + ")");
        return TRUE;
    }
};

class CTestPopupOwnerSource : public CWTKPopupOwnerSource {
public:
    CFrameWnd* GetPopupOwnerFrame() override { return g_pPopupOwnerFrame; }
};

CLoggingToolBarSteps g_toolBarSteps;
CLoggingFrameSteps g_frameSteps;
CTestPopupOwnerSource g_popupOwnerSource;

void InstallSteps()
{
    CWTKToolBarSteps::Register(&g_toolBarSteps);
    CWTKFrameSteps::Register(&g_frameSteps);
    CWTKPopupOwnerSource::Register(&g_popupOwnerSource);
}

void RemoveSteps()
{
    CWTKToolBarSteps::Register(nullptr);
    CWTKFrameSteps::Register(nullptr);
    CWTKPopupOwnerSource::Register(nullptr);
}

class CTestWorkspace : public CWTKWorkspace {
public:
    explicit CTestWorkspace(BOOL bResourceSmartUpdate = FALSE) : CWTKWorkspace(bResourceSmartUpdate) {}
    void LoadCustomState() override { Log("ws.LoadCustomState"); }
    void OnStateLoaded() override
    {
        Log("ws.OnStateLoaded(version " + std::to_string(GetDataVersionMajor()) + "." +
            std::to_string(GetDataVersionMinor()) + ")");
    }
    void SaveCustomState() override { Log("ws.SaveCustomState"); }
    void OnStateSaved() override { Log("ws.OnStateSaved"); }
    using CWTKWorkspace::m_bCommandIdPoolAutocreated;
    using CWTKWorkspace::m_bContextMenuManagerAutocreated;
    using CWTKWorkspace::m_bForceImageReset;
    using CWTKWorkspace::m_bKeyboardManagerAutocreated;
    using CWTKWorkspace::m_bLoadDockState;
    using CWTKWorkspace::m_bLoadSaveFrameBarsOnly;
    using CWTKWorkspace::m_bMouseManagerAutocreated;
    using CWTKWorkspace::m_bSaveEnabled;
    using CWTKWorkspace::m_bUserToolsManagerAutocreated;
};

using Entries = std::vector<std::string>;

class WorkspaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteSandbox();
        theApp.SetRegistryKey(kSandboxCompany);
        g_log.clear();
    }
    void TearDown() override
    {
        DeleteSandbox();
        RemoveSteps();
        WTKSetCommandManager(nullptr);
        WTKSetMouseManager(nullptr);
        WTKSetContextMenuManager(nullptr);
        WTKSetKeyboardManager(nullptr);
        WTKSetUserToolsManager(nullptr);
        WTKSetCommandIdPool(nullptr);
        g_pPopupOwnerFrame = nullptr;
    }
    static DWORD ReadDword(const std::string& key, const char* pszValue)
    {
        DWORD dwValue = 0xFFFFFFFF, dwSize = sizeof(dwValue);
        ::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), pszValue, RRF_RT_REG_DWORD, nullptr, &dwValue, &dwSize);
        return dwValue;
    }
};

// Two frames, their bars, every manager, every step: all record what they are asked.
class WorkspaceOrderTest : public WorkspaceTest {
protected:
    void SetUp() override
    {
        WorkspaceTest::SetUp();
        ASSERT_TRUE(m_mainFrame.Make());
        ASSERT_TRUE(m_otherFrame.Make());
        m_mainFrame.m_bLog = m_otherFrame.m_bLog = FALSE;
        m_toolbars.emplace_back(new CFakeToolBar("tbMain", &m_mainFrame));
        m_toolbars.emplace_back(new CFakeToolBar("tbOther", &m_otherFrame));
        m_toolbars.emplace_back(new CFakeToolBar("tbLocked", &m_mainFrame));
        m_toolbars.back()->m_bLocked = TRUE;
        m_toolbars.emplace_back(new CFakeToolBar("tbUser", &m_mainFrame));
        m_toolbars.back()->m_bUserDefined = TRUE;
        m_toolbars.emplace_back(new CFakeToolBar("tbNoWindow", nullptr));
        m_sizingBars.emplace_back(new CFakeSizingBar("sbMain", &m_mainFrame));
        m_sizingBars.emplace_back(new CFakeSizingBar("sbOther", &m_otherFrame));
        m_sizingBars.emplace_back(new CFakeSizingBar("sbNoWindow", nullptr));
        InstallSteps();
        WTKSetCommandManager(&m_commands);
        WTKSetMouseManager(&m_mouse);
        WTKSetContextMenuManager(&m_contextMenu);
        WTKSetKeyboardManager(&m_keyboard);
        WTKSetUserToolsManager(&m_userTools);
        m_mainFrame.m_bLog = m_otherFrame.m_bLog = TRUE;
        g_log.clear();
    }
    void TearDown() override
    {
        WorkspaceTest::TearDown();
        m_toolbars.clear();
        m_sizingBars.clear();
        m_mainFrame.DestroyWindow();
        m_otherFrame.DestroyWindow();
    }
    CLogFrame m_mainFrame {"main"}, m_otherFrame {"other"};
    CFakeFrameHelper m_helper {&m_mainFrame};
    std::vector<std::unique_ptr<CFakeToolBar>> m_toolbars;
    std::vector<std::unique_ptr<CFakeSizingBar>> m_sizingBars;
    CFakeCommandManager m_commands;
    CFakeMouseManager m_mouse;
    CFakeContextMenuManager m_contextMenu;
    CFakeKeyboardManager m_keyboard;
    CFakeUserToolsManager m_userTools;
};

TEST_F(WorkspaceOrderTest, LoadCallsEveryPartInOrderAndReLaysOutChangedToolbars)
{
    CTestWorkspace ws(TRUE);
    m_toolbars[0]->m_bOriginalItemsChanged = TRUE;
    EXPECT_TRUE(ws.LoadState(kSection, &m_helper));
    EXPECT_EQ((Entries {"ws.LoadCustomState",
                        "parameters.Load(W)",
                        "commands.LoadState(W)",
                        "recordImages(0)",
                        "rebar.Load(W,main)",
                        "tbMain.LoadState(W,-1,-1)",
                        "tbOther.LoadState(W,-1,-1)",
                        "sbMain.LoadState(WTKTest\\SizingBars)",
                        "sbOther.LoadState(WTKTest\\SizingBars)",
                        "helper.LoadUserToolbars",
                        "helper.LoadTearOffBars",
                        "helper.IsDockStateValid(0 bars)",
                        "mouse.LoadState(W)",
                        "contextMenu.LoadState(W)",
                        "keyboard.LoadState(W,main)",
                        "userTools.LoadState(W)",
                        "recordImages(1)",
                        "tbMain.ResetImages",
                        "tbOther.ResetImages",
                        "tbLocked.ResetImages",
                        "tbUser.ResetImages",
                        "main.RecalcLayout",
                        "ws.OnStateLoaded(version -1.-1)"}),
              g_log);
    EXPECT_EQ(CWTKWorkspace::kVersionMajor, ws.GetDataVersionMajor());
    EXPECT_EQ(CWTKWorkspace::kVersionMinor, ws.GetDataVersionMinor());
}

TEST_F(WorkspaceOrderTest, SaveCallsEveryPartInOrder)
{
    CTestWorkspace ws(TRUE);
    EXPECT_TRUE(ws.SaveState(kSection, &m_helper));
    EXPECT_EQ(
        (Entries {"ws.SaveCustomState", "parameters.Save(W)", "commands.SaveState(W)", "tbMain.SaveState(W,-1,-1)",
                  "tbOther.SaveState(W,-1,-1)", "sbMain.SaveState(WTKTest\\SizingBars)",
                  "sbOther.SaveState(WTKTest\\SizingBars)", "helper.SaveUserToolbars(0)", "helper.SaveTearOffBars(0)",
                  "rebar.Save(W,main)", "userImages.Save", "mouse.SaveState(W)", "contextMenu.SaveState(W)",
                  "keyboard.SaveState(W,main)", "userTools.SaveState(W)", "ws.OnStateSaved"}),
        g_log);
    // The version record is written before the parts.
    EXPECT_EQ(6u, ReadDword(kW + "WTKToolkitVersion", "Major"));
    EXPECT_EQ(31u, ReadDword(kW + "WTKToolkitVersion", "Minor"));
}

TEST_F(WorkspaceOrderTest, MainFrameBarsOnlyLeavesOtherFramesAlone)
{
    CTestWorkspace ws(FALSE);
    ws.m_bLoadSaveFrameBarsOnly = TRUE;
    ws.m_bLoadDockState = TRUE;
    m_toolbars[0]->m_bOriginalItemsChanged = TRUE;  // without keep-original-items: no re-layout
    EXPECT_TRUE(ws.LoadState(kSection, &m_helper));
    EXPECT_EQ(
        (Entries {"ws.LoadCustomState", "parameters.Load(W)", "commands.LoadState(W)", "rebar.Load(W,main)",
                  "tbMain.LoadState(W,-1,-1)", "sbMain.LoadState(WTKTest\\SizingBars)", "helper.LoadUserToolbars",
                  "helper.LoadTearOffBars", "helper.SetDockState", "mouse.LoadState(W)", "contextMenu.LoadState(W)",
                  "keyboard.LoadState(W,main)", "userTools.LoadState(W)", "ws.OnStateLoaded(version -1.-1)"}),
        g_log);
    g_log.clear();
    EXPECT_TRUE(ws.SaveState(nullptr, &m_helper));
    EXPECT_EQ(
        (Entries {"ws.SaveCustomState", "parameters.Save(W)", "commands.SaveState(W)", "tbMain.SaveState(W,-1,-1)",
                  "sbMain.SaveState(WTKTest\\SizingBars)", "helper.SaveUserToolbars(1)", "helper.SaveTearOffBars(1)",
                  "rebar.Save(W,main)", "userImages.Save", "mouse.SaveState(W)", "contextMenu.SaveState(W)",
                  "keyboard.SaveState(W,main)", "userTools.SaveState(W)", "ws.OnStateSaved"}),
        g_log);
}

TEST_F(WorkspaceOrderTest, WithoutAFrameHelperOnlyTheFrameFreePartsRun)
{
    CTestWorkspace ws(FALSE);
    ws.m_bForceImageReset = TRUE;  // resets the images; there is no frame to re-lay out
    EXPECT_TRUE(ws.LoadState(kSection, nullptr));
    EXPECT_EQ((Entries {"ws.LoadCustomState", "parameters.Load(W)", "commands.LoadState(W)", "mouse.LoadState(W)",
                        "contextMenu.LoadState(W)", "keyboard.LoadState(W,null)", "userTools.LoadState(W)",
                        "tbMain.ResetImages", "tbOther.ResetImages", "tbLocked.ResetImages", "tbUser.ResetImages",
                        "ws.OnStateLoaded(version -1.-1)"}),
              g_log);
    g_log.clear();
    EXPECT_TRUE(ws.SaveFrameState(nullptr));
    EXPECT_EQ((Entries {"ws.SaveCustomState", "parameters.Save(W)", "commands.SaveState(W)", "userImages.Save",
                        "mouse.SaveState(W)", "contextMenu.SaveState(W)", "keyboard.SaveState(W,null)",
                        "userTools.SaveState(W)", "ws.OnStateSaved"}),
              g_log);
    g_log.clear();
    ws.m_bSaveEnabled = FALSE;
    EXPECT_FALSE(ws.SaveState(nullptr, &m_helper));
    EXPECT_EQ(Entries {}, g_log);
}

TEST_F(WorkspaceOrderTest, DockStateKeepsFloatingBarsOnTheVirtualScreen)
{
    // A state saved on a wider arrangement of monitors, with a bar floating far right.
    {
        CDockState saved;
        saved.m_rectDevice = CRect(-1000, 0, 5000, 1200);
        auto* pInfo = new CControlBarInfo;
        pInfo->m_nBarID = 200;
        pInfo->m_bVisible = pInfo->m_bFloating = TRUE;
        pInfo->m_pointPos = CPoint(4990, 1190);
        saved.m_arrBarInfo.Add(pInfo);
        saved.SaveState("WTKTest\\ControlBars");
    }
    CTestWorkspace ws;
    m_helper.m_bDockStateValid = TRUE;
    ws.LoadState(kSection, &m_helper);
    CRect rectScreen = CDockState::GetVirtualScreenRect();
    CRect rectClip(rectScreen.left, rectScreen.top, rectScreen.right - ::GetSystemMetrics(SM_CXICON),
                   rectScreen.bottom - ::GetSystemMetrics(SM_CYICON));
    EXPECT_EQ(CRect(-1000, 0, 5000, 1200), m_helper.m_rectDevice);
    EXPECT_EQ(rectClip, m_helper.m_rectClip);
    ASSERT_EQ(1u, m_helper.m_floatingPoints.size());
    EXPECT_TRUE(rectClip.PtInRect(m_helper.m_floatingPoints[0]))
        << m_helper.m_floatingPoints[0].x << "," << m_helper.m_floatingPoints[0].y;

    // The frame's own state goes back to the same section, for the whole virtual screen.
    ws.SaveState(kSection, &m_helper);
    CDockState reloaded;
    reloaded.LoadState("WTKTest\\ControlBars");
    EXPECT_EQ(rectScreen, reloaded.m_rectDevice);
    EXPECT_EQ(0, reloaded.m_arrBarInfo.GetSize());  // the test frames have no bars

    // Monitors left of and above the primary one.
    struct Row {
        CRect virtualScreen;
        CRect device, clip;
    } rows[] = {
        {CRect(0, 0, 1024, 768), CRect(0, 0, 1024, 768), CRect(0, 0, 992, 736)},
        {CRect(-1280, -200, 1920, 1080), CRect(-1280, -200, 1920, 1080), CRect(-1280, -200, 1888, 1048)},
    };
    for (const Row& row : rows) {
        CRect device, clip;
        CWTKWorkspace::GetDockStateRects(row.virtualScreen, CSize(32, 32), device, clip);
        EXPECT_EQ(row.device, device) << row.virtualScreen.left;
        EXPECT_EQ(row.clip, clip) << row.virtualScreen.left;
    }
}

TEST_F(WorkspaceOrderTest, DoubleClicksAndPopupMenusGoThroughTheManagers)
{
    CBarWindow view;
    view.Make(&m_mainFrame);
    theApp.m_pMainWnd = &m_otherFrame;
    struct Row {
        const char* what;
        UINT command;
        BOOL toolRuns;
        CFrameWnd* popupOwner;
        CWnd* window;
        BOOL expected;
        Entries log;
    } rows[] = {
        {"nothing bound", 0, FALSE, nullptr, &view, FALSE, {"mouse.GetViewDblClickCommand(7)"}},
        {"bad command", (UINT)-1, FALSE, nullptr, &view, FALSE, {"mouse.GetViewDblClickCommand(7)"}},
        {"a user tool",
         500,
         TRUE,
         nullptr,
         &view,
         TRUE,
         {"mouse.GetViewDblClickCommand(7)", "userTools.InvokeTool(500)"}},
        {"the view's frame",
         501,
         FALSE,
         nullptr,
         &view,
         TRUE,
         {"mouse.GetViewDblClickCommand(7)", "userTools.InvokeTool(501)", "main.WM_COMMAND(501,0)"}},
        {"the popup owner frame",
         502,
         FALSE,
         &m_otherFrame,
         &view,
         TRUE,
         {"mouse.GetViewDblClickCommand(7)", "userTools.InvokeTool(502)", "other.WM_COMMAND(502,0)"}},
        {"no window: the main window",
         503,
         FALSE,
         nullptr,
         nullptr,
         TRUE,
         {"mouse.GetViewDblClickCommand(7)", "userTools.InvokeTool(503)", "other.WM_COMMAND(503,0)"}},
    };
    CTestWorkspace ws;
    for (const Row& row : rows) {
        g_log.clear();
        m_mouse.m_uiCommand = row.command;
        m_userTools.m_bRuns = row.toolRuns;
        g_pPopupOwnerFrame = row.popupOwner;
        EXPECT_EQ(row.expected, ws.OnViewDoubleClick(row.window, 7)) << row.what;
        EXPECT_EQ(row.log, g_log) << row.what;
    }
    theApp.m_pMainWnd = nullptr;

    g_log.clear();
    EXPECT_TRUE(ws.ShowPopupMenu(130, CPoint(40, 50), &view));
    EXPECT_EQ(Entries {"contextMenu.ShowPopupMenu(130,40,50)"}, g_log);

    WTKSetMouseManager(nullptr);
    WTKSetContextMenuManager(nullptr);
    g_log.clear();
    EXPECT_FALSE(ws.OnViewDoubleClick(&view, 7));
    EXPECT_FALSE(ws.ShowPopupMenu(130, CPoint(40, 50), &view));
    EXPECT_EQ(Entries {}, g_log);
    view.DestroyWindow();
}

TEST_F(WorkspaceTest, TheWorkspaceDeletesTheManagersItOwns)
{
    WTKSetMouseManager(new CFakeMouseManager);
    WTKSetContextMenuManager(new CFakeContextMenuManager);
    WTKSetUserToolsManager(new CFakeUserToolsManager);
    WTKSetCommandIdPool(new CFakeCommandIdPool);
    CFakeKeyboardManager keyboard;  // the application's own
    WTKSetKeyboardManager(&keyboard);
    {
        CTestWorkspace ws;
        EXPECT_EQ(&ws, WTKGetWorkspace());
        ws.m_bMouseManagerAutocreated = ws.m_bContextMenuManagerAutocreated = TRUE;
        ws.m_bUserToolsManagerAutocreated = ws.m_bCommandIdPoolAutocreated = TRUE;
    }
    EXPECT_EQ(nullptr, WTKGetWorkspace());
    EXPECT_EQ((Entries {"~contextMenu", "~mouse", "~userTools", "~pool"}), g_log);
    EXPECT_EQ(nullptr, WTKGetMouseManager());
    EXPECT_EQ(nullptr, WTKGetContextMenuManager());
    EXPECT_EQ(nullptr, WTKGetUserToolsManager());
    EXPECT_EQ(nullptr, WTKGetCommandIdPool());
    EXPECT_EQ(&keyboard, WTKGetKeyboardManager());
    WTKSetKeyboardManager(nullptr);
}

TEST_F(WorkspaceTest, FirstStartThenVersionRecordThenCleanState)
{
    CTestWorkspace ws;
    EXPECT_EQ(-1, ws.GetDataVersionMajor());
    EXPECT_STREQ("WTKWorkspace", ws.GetRegistryBase());
    ws.SetRegistryBase(kSection);
    EXPECT_STREQ(kW.c_str(), ws.GetRegSectionPath());
    EXPECT_STREQ((kW + "Sub\\").c_str(), ws.GetRegSectionPath("Sub"));

    // First start: nothing stored, nothing written by loading.
    ws.LoadState();
    EXPECT_EQ((Entries {"ws.LoadCustomState", "ws.OnStateLoaded(version -1.-1)"}), g_log);
    EXPECT_FALSE(KeyExists(kW.c_str()));
    ASSERT_TRUE(ws.SaveState());
    EXPECT_EQ(6u, ReadDword(kW + "WTKToolkitVersion", "Major"));
    EXPECT_EQ(31u, ReadDword(kW + "WTKToolkitVersion", "Minor"));
    EXPECT_TRUE(ws.WriteInt("AppLook", 3));
    EXPECT_EQ(3, ws.GetInt("AppLook", 9));

    g_log.clear();
    CTestWorkspace next;
    next.LoadState(kSection);
    EXPECT_EQ((Entries {"ws.LoadCustomState", "ws.OnStateLoaded(version 6.31)"}), g_log);

    EXPECT_TRUE(next.CleanState());
    EXPECT_FALSE(KeyExists(kW.c_str()));
    EXPECT_EQ(9, next.GetInt("AppLook", 9));
    g_log.clear();
    CTestWorkspace afterClean;
    afterClean.LoadState(kSection);
    EXPECT_EQ((Entries {"ws.LoadCustomState", "ws.OnStateLoaded(version -1.-1)"}), g_log);
    // Another section: CleanState takes it as the base first.
    EXPECT_FALSE(afterClean.CleanState("Elsewhere"));
    EXPECT_STREQ("Elsewhere", afterClean.GetRegistryBase());
}

TEST_F(WorkspaceTest, WindowPlacementRoundTripsAndNeedsAllThreeValues)
{
    CTestWorkspace ws;
    ws.SetRegistryBase(kSection);
    CRect rect(1, 1, 1, 1);
    int nFlags = -5, nShowCmd = -5;
    EXPECT_FALSE(ws.LoadWindowPlacement(rect, nFlags, nShowCmd));  // first start
    ASSERT_TRUE(ws.StoreWindowPlacement(CRect(-20, 30, 640, 480), WPF_RESTORETOMAXIMIZED, SW_SHOWMAXIMIZED));
    ASSERT_TRUE(ws.LoadWindowPlacement(rect, nFlags, nShowCmd));
    EXPECT_EQ(CRect(-20, 30, 640, 480), rect);
    EXPECT_EQ(WPF_RESTORETOMAXIMIZED, nFlags);
    EXPECT_EQ(SW_SHOWMAXIMIZED, nShowCmd);

    // A damaged value: the load fails.
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegOpenKeyExA(HKEY_CURRENT_USER, (kW + "WindowPlacement").c_str(), 0, KEY_ALL_ACCESS, &hKey));
    ::RegSetValueExA(hKey, "ShowCmd", 0, REG_SZ, reinterpret_cast<const BYTE*>("3"), 2);
    ::RegCloseKey(hKey);
    EXPECT_FALSE(ws.LoadWindowPlacement(rect, nFlags, nShowCmd));
}

}  // namespace
