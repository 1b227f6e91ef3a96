// Docking: the tool dock bars, dragging toolbars between sides and floating frames, the dock
// state through the workspace across a restart, rebar bands in the registry.
#include "FrameTestSupport.h"

#include "frames/WTKMiniDockFrameWnd.h"
#include "frames/WTKRebarState.h"

#include "bars/DockBar.h"
#include "bars/ReBar.h"
#include "bars/DockState.h"

#include <commctrl.h>

#include <vector>

namespace {

class DockingTest : public FrameTestBase {};

// Left of the first button: the gripper (outside the client area).
CPoint GripperPoint()
{
    return CPoint(-4, 8);
}

TEST_F(DockingTest, ToolbarFloatsDocksOnAnotherSideAndToggles)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    CWTKToolBar* pBar = &pFrame->m_wndToolBar2;
    ASSERT_EQ(FW_IDW_DOCKBAR_TOP, DockBarIdOf(pBar));

    // Out into the middle of the frame: it floats in the toolkit's floating frame.
    CRect rectFrame = ScreenRect(pFrame);
    CRect rectBar = ScreenRect(pBar);
    const CPoint ptStart(rectBar.left + GripperPoint().x, rectBar.top + GripperPoint().y);
    const CPoint ptFloat(rectFrame.CenterPoint().x, rectFrame.CenterPoint().y);
    ScriptDrag(pBar, GripperPoint(), {ptStart + CSize(5, 5), ptFloat});
    RunIdle();
    ASSERT_TRUE(pBar->IsFloating());
    CWnd* pFloating = pBar->m_pDockBar->GetParent();
    ASSERT_NE(nullptr, pFloating);
    EXPECT_TRUE(pFloating->IsKindOf(RUNTIME_CLASS(CWTKMiniDockFrameWnd)));
    EXPECT_TRUE(pFloating->GetExStyle() & WS_EX_TOOLWINDOW);

    // A double-click sends it back where it came from.
    const CRect rectFloating = ScreenRect(pFloating);
    pFloating->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(rectFloating.left + 20, rectFloating.top + 5));
    RunIdle();
    EXPECT_EQ(FW_IDW_DOCKBAR_TOP, DockBarIdOf(pBar));

    // Onto the left dock bar.
    CControlBar* pLeft = pFrame->GetControlBar(FW_IDW_DOCKBAR_LEFT);
    ASSERT_NE(nullptr, pLeft);
    CRect rectClient;
    pFrame->GetClientRect(&rectClient);
    pFrame->ClientToScreen(&rectClient);
    rectBar = ScreenRect(pBar);
    const CPoint ptLeft(rectClient.left + 2, rectClient.top + rectClient.Height() / 2);
    ScriptDrag(pBar, GripperPoint(), {CPoint(rectBar.left + 8, rectBar.top + 8), ptLeft});
    RunIdle();
    EXPECT_EQ(FW_IDW_DOCKBAR_LEFT, DockBarIdOf(pBar));
    EXPECT_GT(ScreenRect(pBar).Height(), ScreenRect(pBar).Width());
    // The left dock bar holds it: the view starts right of it.
    EXPECT_GE(ScreenRect(pLeft).Width(), ScreenRect(pBar).Width());
    CloseTestFrame(pFrame);
}

TEST_F(DockingTest, WorkspaceRestoresSidesRowsAndFloatingPlacesAfterARestart)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    pFrame->SetWindowPos(nullptr, 40, 30, 700, 480, SWP_NOZORDER);
    RunIdle();
    pFrame->DockControlBar(&pFrame->m_wndToolBar1, FW_IDW_DOCKBAR_LEFT);
    pFrame->FloatControlBar(&pFrame->m_wndToolBar2, CPoint(500, 420));
    RunIdle();
    ASSERT_TRUE(pFrame->m_wndToolBar2.IsFloating());
    const CRect rectFloating = ScreenRect(pFrame->m_wndToolBar2.m_pDockBar->GetParent());
    const CRect rectBar1 = ScreenRect(&pFrame->m_wndToolBar1);
    const CRect rectMenu = ScreenRect(&pFrame->m_wndMenuBar);
    CloseTestFrame(pFrame);

    pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    EXPECT_EQ(FW_IDW_DOCKBAR_LEFT, DockBarIdOf(&pFrame->m_wndToolBar1));
    EXPECT_EQ(FW_IDW_DOCKBAR_TOP, DockBarIdOf(&pFrame->m_wndMenuBar));
    ASSERT_TRUE(pFrame->m_wndToolBar2.IsFloating());
    CWnd* pFloating = pFrame->m_wndToolBar2.m_pDockBar->GetParent();
    EXPECT_TRUE(pFloating->IsKindOf(RUNTIME_CLASS(CWTKMiniDockFrameWnd)));
    EXPECT_TRUE(pFloating->IsWindowVisible());
    // Saved and restored on the same screen, the floating frame comes back where it was.
    EXPECT_EQ(rectFloating, ScreenRect(pFloating));
    EXPECT_EQ(rectBar1, ScreenRect(&pFrame->m_wndToolBar1));
    EXPECT_EQ(rectMenu, ScreenRect(&pFrame->m_wndMenuBar));
    CloseTestFrame(pFrame);
}

// One monitor, the left 300 pixels of the screen: the floating bar saved further right is off it.
std::vector<CRect> NarrowMonitor()
{
    return {CRect(0, 0, 300, ::GetSystemMetrics(SM_CYSCREEN))};
}

TEST_F(DockingTest, FloatingBarStoredOffEveryMonitorComesBackWhereItsCaptionCanBeGrabbed)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    pFrame->FloatControlBar(&pFrame->m_wndToolBar2, CPoint(500, 420));
    RunIdle();
    CDockState state;
    pFrame->GetDockState(state);
    const CRect rectStored = ScreenRect(pFrame->m_wndToolBar2.m_pDockBar->GetParent());
    pFrame->DockControlBar(&pFrame->m_wndToolBar2, FW_IDW_DOCKBAR_TOP);
    RunIdle();

    const CWTKFrameHelper::WorkAreasSource pfnOld = CWTKFrameHelper::SetWorkAreasSource(&NarrowMonitor);
    pFrame->GetFrameHelper()->SetDockState(state);
    CWTKFrameHelper::SetWorkAreasSource(pfnOld);
    RunIdle();
    ASSERT_TRUE(pFrame->m_wndToolBar2.IsFloating());
    const CRect rect = ScreenRect(pFrame->m_wndToolBar2.m_pDockBar->GetParent());
    const int cyCaption = ::GetSystemMetrics(SM_CYSMCAPTION);
    EXPECT_EQ(300 - cyCaption, rect.left);
    EXPECT_EQ(rectStored.top, rect.top);
    EXPECT_EQ(rectStored.Size(), rect.Size());
    CloseTestFrame(pFrame);
}

TEST_F(DockingTest, DockStateLeavesTheLayoutToTheRestoreOfAFrameStartedMinimised)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    RunIdle();
    CDockState state;
    pFrame->GetDockState(state);
    const struct {
        int nStartup;
        BOOL bDelayed;
    } cases[] = {
        {SW_SHOWNORMAL, TRUE},       {SW_SHOWMINIMIZED, TRUE}, {SW_MINIMIZE, FALSE},
        {SW_SHOWMINNOACTIVE, FALSE}, {SW_SHOWNA, TRUE},
    };
    const int nOld = theApp.m_nCmdShow;
    for (const auto& c : cases) {
        RunIdle();
        ASSERT_FALSE(pFrame->IsLayoutDelayed());
        theApp.m_nCmdShow = c.nStartup;
        pFrame->GetFrameHelper()->SetDockState(state);
        EXPECT_EQ(c.bDelayed, pFrame->IsLayoutDelayed()) << c.nStartup;
    }
    theApp.m_nCmdShow = nOld;
    CloseTestFrame(pFrame);
}

// Sets one value of every saved bar record named nBarID.
void DamageDockState(UINT nBarID, const char* pszValue, DWORD dwValue)
{
    CString strBase;
    strBase.Format("Software\\%s\\%s\\WTKWorkspace\\ControlBars\\DockState", kFrameSandboxCompany, kFrameTestApp);
    for (int i = 0; i < 64; ++i) {
        CString strKey;
        strKey.Format("%s\\Bar%d", static_cast<LPCSTR>(strBase), i);
        HKEY hKey = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, strKey, 0, KEY_ALL_ACCESS, &hKey) != ERROR_SUCCESS)
            continue;
        DWORD dwID = 0;
        DWORD cb = sizeof(dwID);
        if (::RegQueryValueExA(hKey, "ID", nullptr, nullptr, reinterpret_cast<BYTE*>(&dwID), &cb) == ERROR_SUCCESS &&
            dwID == nBarID)
            ::RegSetValueExA(hKey, pszValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
        ::RegCloseKey(hKey);
    }
}

TEST_F(DockingTest, DockStateNamingAMissingBarIsIgnoredWhole)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    pFrame->DockControlBar(&pFrame->m_wndToolBar1, FW_IDW_DOCKBAR_LEFT);
    pFrame->DockControlBar(&pFrame->m_wndToolBar2, FW_IDW_DOCKBAR_BOTTOM);
    RunIdle();
    CloseTestFrame(pFrame);
    // The second toolbar's record now names a bar no frame has.
    DamageDockState(IDW_FT_TOOLBAR2, "ID", 0x7777);

    pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    EXPECT_EQ(FW_IDW_DOCKBAR_TOP, DockBarIdOf(&pFrame->m_wndToolBar1));
    EXPECT_EQ(FW_IDW_DOCKBAR_TOP, DockBarIdOf(&pFrame->m_wndToolBar2));
    CloseTestFrame(pFrame);
}

TEST_F(DockingTest, DockedRecordWithoutItsBarIsSkippedWhenApplied)
{
    CFrameTestFrame* pFrame = CreateTestFrame();
    ASSERT_NE(nullptr, pFrame);
    CDockState state;
    pFrame->DockControlBar(&pFrame->m_wndToolBar1, FW_IDW_DOCKBAR_RIGHT);
    RunIdle();
    pFrame->GetDockState(state);
    auto* pStray = new CControlBarInfo;
    pStray->m_nBarID = 0x7777;
    pStray->m_bVisible = TRUE;
    state.m_arrBarInfo.InsertAt(0, pStray);
    pFrame->DockControlBar(&pFrame->m_wndToolBar1, FW_IDW_DOCKBAR_TOP);
    RunIdle();
    pFrame->GetFrameHelper()->SetDockState(state);
    RunIdle();
    EXPECT_EQ(nullptr, pStray->m_pBar);
    EXPECT_EQ(FW_IDW_DOCKBAR_RIGHT, DockBarIdOf(&pFrame->m_wndToolBar1));
    CloseTestFrame(pFrame);
}

// ---- Rebar bands ----

struct RebarFixture {
    CFrameTestFrame* pFrame = nullptr;
    CReBar* pRebar = nullptr;
    CWTKToolBar* pBarA = nullptr;
    CWTKToolBar* pBarB = nullptr;
};

RebarFixture MakeRebar()
{
    RebarFixture f;
    FrameTestBars bars;
    bars.bMenuBar = FALSE;
    f.pFrame = CreateTestFrame(bars);
    if (f.pFrame == nullptr)
        return f;
    f.pRebar = new CReBar;
    f.pRebar->m_bAutoDelete = TRUE;
    f.pRebar->Create(f.pFrame, RBS_BANDBORDERS, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                     IDW_FT_REBAR);
    f.pBarA = new CWTKToolBar;
    f.pBarA->m_bAutoDelete = TRUE;
    f.pBarA->Create(f.pRebar, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE881);
    f.pBarA->LoadToolBar(IDR_FRAME_TEST_TOOLBAR);
    f.pBarB = new CWTKToolBar;
    f.pBarB->m_bAutoDelete = TRUE;
    f.pBarB->Create(f.pRebar, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE882);
    f.pBarB->LoadToolBar(IDR_FRAME_TEST_TOOLBAR2);
    // The fixed-size band's minimum width is the bar's width when it is added.
    const CSize sizeB = f.pBarB->CalcFixedLayout(FALSE, TRUE);
    f.pBarB->SetWindowPos(nullptr, 0, 0, sizeB.cx, sizeB.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    f.pRebar->AddBar(f.pBarA, "A", RBBS_GRIPPERALWAYS);
    f.pRebar->AddBar(f.pBarB, "B", RBBS_FIXEDSIZE);
    f.pFrame->RecalcLayout();
    RunIdle();
    return f;
}

int BandChildId(CReBar* pRebar, int nBand)
{
    REBARBANDINFOA info {};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_CHILD;
    pRebar->SendMessage(RB_GETBANDINFOA, nBand, reinterpret_cast<LPARAM>(&info));
    return info.hwndChild ? ::GetDlgCtrlID(info.hwndChild) : 0;
}

UINT BandMinWidth(CReBar* pRebar, int nBand)
{
    REBARBANDINFOA info {};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_CHILDSIZE;
    pRebar->SendMessage(RB_GETBANDINFOA, nBand, reinterpret_cast<LPARAM>(&info));
    return info.cxMinChild;
}

CString RebarProfile()
{
    return theApp.GetRegSectionPath();
}

TEST_F(DockingTest, RebarBandsComeBackInTheSavedOrderAndSizes)
{
    RebarFixture f = MakeRebar();
    ASSERT_NE(nullptr, f.pFrame);
    ASSERT_EQ(2, static_cast<int>(f.pRebar->SendMessage(RB_GETBANDCOUNT)));
    const UINT cxFixed = BandMinWidth(f.pRebar, 1);
    ASSERT_GT(cxFixed, 0u) << "the fixed-size band has a width to keep";
    ASSERT_TRUE(CWTKRebarState::SaveState(RebarProfile(), f.pFrame));
    f.pRebar->SendMessage(RB_MOVEBAND, 1, 0);
    ASSERT_EQ(0xE882, BandChildId(f.pRebar, 0));
    ASSERT_TRUE(CWTKRebarState::LoadState(RebarProfile(), f.pFrame));
    EXPECT_EQ(0xE881, BandChildId(f.pRebar, 0));
    EXPECT_EQ(0xE882, BandChildId(f.pRebar, 1));
    // Saved and loaded again and again, a fixed-size band keeps its width.
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(CWTKRebarState::SaveState(RebarProfile(), f.pFrame));
        ASSERT_TRUE(CWTKRebarState::LoadState(RebarProfile(), f.pFrame));
    }
    EXPECT_EQ(cxFixed, BandMinWidth(f.pRebar, 1));
    CloseTestFrame(f.pFrame);
}

TEST_F(DockingTest, DamagedRebarValuesLeaveTheBandsAlone)
{
    RebarFixture f = MakeRebar();
    ASSERT_NE(nullptr, f.pFrame);
    ASSERT_TRUE(CWTKRebarState::SaveState(RebarProfile(), f.pFrame));
    CString strKey;
    strKey.Format("%sWTKRebar-%d", static_cast<LPCSTR>(RebarProfile()), IDW_FT_REBAR);
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, strKey, 0, KEY_ALL_ACCESS, &hKey));
    BYTE data[512] = {};
    DWORD cbData = sizeof(data);
    ASSERT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(hKey, "RBI", nullptr, nullptr, data, &cbData));
    f.pRebar->SendMessage(RB_MOVEBAND, 1, 0);
    const struct {
        const char* name;
        const char* value;
        DWORD cb;
    } cases[] = {
        {"records one byte short", "RBI", cbData - 1},
        {"ids of three bands", "IDs", 12},
        {"ids not whole", "IDs", 7},
    };
    for (const auto& c : cases) {
        BYTE bytes[512] = {};
        memcpy(bytes, data, cbData);
        ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExA(hKey, c.value, 0, REG_BINARY, bytes, c.cb)) << c.name;
        CWTKRebarState::LoadState(RebarProfile(), f.pFrame);
        EXPECT_EQ(0xE882, BandChildId(f.pRebar, 0)) << c.name;
        CWTKRebarState::SaveState(RebarProfile(), f.pFrame);
        f.pRebar->SendMessage(RB_MOVEBAND, 0, 1);
        f.pRebar->SendMessage(RB_MOVEBAND, 1, 0);
    }
    ::RegCloseKey(hKey);
    CloseTestFrame(f.pFrame);
}

}  // namespace
