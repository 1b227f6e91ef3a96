// Shared by the frame tests: the application (also the workspace), a toolkit frame with a menu
// bar and two toolbars, a registry sandbox and helpers for pumping and scripted drags.
#pragma once
#include "Files.h"
#include "MessagePump.h"

#include "FrameTestIds.h"

#include "frames/WTKCaptionBar.h"
#include "frames/WTKFrameWnd.h"
#include "frames/WTKSizingControlBar.h"
#include "frames/WTKTabWnd.h"

#include "command_bars/WTKMenuBar.h"
#include "command_bars/WTKStatusBar.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarMenuButton.h"

#include "foundation/WTKWorkspace.h"

#include "core/Point.h"
#include "core/Rect.h"
#include "win/WinApp.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

constexpr char kFrameTestApp[] = "WTKFrameTests";
constexpr char kFrameSandboxCompany[] = "WTKFrameTestSandbox";
constexpr char kFrameSandboxKey[] = "Software\\WTKFrameTestSandbox";

class CFrameTestApp : public CWinApp, public CWTKWorkspace {
public:
    CFrameTestApp() : CWinApp(kFrameTestApp) {}
};
extern CFrameTestApp theApp;

// Extra bars a frame creates: set before LoadFrame.
struct FrameTestBars {
    BOOL bMenuBar = TRUE;
    BOOL bSizingBar = FALSE;
    BOOL bStatusBar = FALSE;
    BOOL bCaptionBar = FALSE;
};

// A sizing bar holding a tab window with two panes.
class CTabbedSizingBar : public CWTKSizingControlBar {
public:
    CWTKTabWnd m_wndTabs;

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    HWND m_hTree = nullptr;
    HWND m_hList = nullptr;
};

class CFrameTestFrame : public CWTKFrameWnd {
public:
    explicit CFrameTestFrame(const FrameTestBars& bars = FrameTestBars()) : m_bars(bars) {}

    CWTKMenuBar m_wndMenuBar;
    CWTKToolBar m_wndToolBar1;
    CWTKToolBar m_wndToolBar2;
    CTabbedSizingBar m_wndSizingBar;
    CWTKStatusBar m_wndStatusBar;
    CWTKCaptionBar m_wndCaptionBar;
    // The screen points (x low word, y high word) of the bar context menus asked for.
    std::vector<UINT> m_popupMenuRequests;
    // Set: the frame lets no popup menu open.
    BOOL m_bRefusePopups = FALSE;

    BOOL OnShowPopupMenu(CWTKPopupMenu* pMenuPopup) override
    {
        return !m_bRefusePopups && CWTKFrameWnd::OnShowPopupMenu(pMenuPopup);
    }

    BOOL IsLayoutDelayed() const { return (m_nIdleFlags & idleLayout) != 0; }

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);
    LRESULT OnToolBarPopupMenu(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    FrameTestBars m_bars;
};

// Creates a visible frame through LoadFrame (the workspace restores its state); null on failure.
CFrameTestFrame* CreateTestFrame(const FrameTestBars& bars = FrameTestBars());
// Closes it as the user does (WM_CLOSE: the workspace saves the state).
void CloseTestFrame(CFrameTestFrame* pFrame);

void DeleteFrameSandbox();
void RunIdle();
CRect ScreenRect(CWnd* pWnd);
// Posts a drag to pBar: the press at ptClient, moves through screen points, the release.
void ScriptDrag(CControlBar* pBar, CPoint ptClient, const std::vector<CPoint>& screenPoints);
void DoubleClick(CControlBar* pBar, CPoint ptClient);
UINT DockBarIdOf(CControlBar* pBar);
// A message as the frame's filter gets it from the queue.
MSG MakeMsg(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam = 0);
// A "Tools" menu button on the second toolbar with Cut and Copy, torn off as uiTearOffID (0:
// not at all); null when the bar took no button.
CWTKToolbarMenuButton* AddToolsButton(CFrameTestFrame* pFrame, UINT uiTearOffID = 0);

inline void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom << ")";
}
inline void PrintTo(const CPoint& point, std::ostream* os)
{
    *os << "(" << point.x << "," << point.y << ")";
}

// Every test starts and ends with an empty sandbox and no open frame.
class FrameTestBase : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
