// Shared by the sizing bar tests: the program's application (with a profile of its own), a
// sizing bar holding one edit control, a plain docking frame with a main pane that owns its
// sizing bars, and scripted mouse presses on a bar's non-client area.
#pragma once
#include "Files.h"
#include "MessagePump.h"
#include "frames/WTKSizingControlBar.h"

#include "docview/FrameWnd.h"
#include "win/WinApp.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class CSizingBarTestApp : public CWinApp {
public:
    CSizingBarTestApp() : CWinApp("WTKSizingBarTests") {}
};

extern CSizingBarTestApp theApp;

// A sizing bar whose client area is one edit control; CanBeHidden answers m_bCanHide.
class CTestSizingBar : public CWTKSizingControlBar {
public:
    BOOL CanBeHidden() const override { return m_bCanHide; }
    BOOL m_bCanHide = TRUE;
    HWND m_hEdit = nullptr;
    int m_nPaints = 0;  // WM_PAINT messages the bar received

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    DECLARE_MESSAGE_MAP()
};

// A frame (client about 640 x 480) docking on every side, with a main pane.
class CSizingTestFrame : public CFrameWnd {
public:
    BOOL CreateFrame();
    // A new bar with a caption, allowed on every side, docked on nDockBarID (0: not docked).
    CTestSizingBar* AddBar(UINT nID, LPCSTR lpszName, UINT nDockBarID, CSize size = CSize(200, 200));
    // Docks pBar on nDockBarID in the row of pRowMate (after it).
    void DockInRow(CTestSizingBar* pBar, CTestSizingBar* pRowMate);

    CWnd m_wndPane;
    std::vector<std::unique_ptr<CTestSizingBar>> m_bars;
    std::vector<POINT> m_popupPoints;
    // Idle updates the frame received while one of its bars tracked an edge.
    int m_nIdleUpdatesWhileTracking = 0;

protected:
    LRESULT OnBarPopupMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdate(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// Pumps the waiting messages, runs one idle update (delayed layouts) and pumps again.
void RunIdle();
CRect ScreenRect(CWnd* pWnd);
CRect ClientRectOnScreen(CWnd* pWnd);
// The number of rows of a dock bar, and the bars of the row holding pBar (visible ones).
int RowCount(CControlBar* pDockBar);
std::vector<CControlBar*> RowOf(CControlBar* pBar);
// The screen centre of caption button i (0 hide, 1 expand) of pBar.
CPoint CaptionButtonCentre(CWTKSizingControlBar* pBar, int i);
// A press and release at a screen point of pBar's non-client area, hit-tested by the bar.
// The mouse goes on to the screen's corner afterwards.
void ClickNonClient(CWTKSizingControlBar* pBar, CPoint ptScreen);
// The cursor to the screen's corner, with the mouse move the window holding the capture sees.
void MoveAway(HWND hWnd);
// Drags from ptFrom over each point to the last (screen points) with the left button: the
// press is hit-tested by the bar as the system would.
void DragNonClient(CWTKSizingControlBar* pBar, CPoint ptFrom, const std::vector<CPoint>& points);
