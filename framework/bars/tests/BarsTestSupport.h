// Shared by the bar tests: the test program's application (with a profile of its own), a
// control bar that paints a few buttons and lays them out fixed or wrapping, a frame with
// bars on three sides and a pane, and scripted mouse drags.
#pragma once
#include "Files.h"
#include "MessagePump.h"
#include "BarsTestRes.h"
#include "bars/ControlBar.h"
#include "bars/DockBar.h"
#include "bars/MiniDockFrameWnd.h"
#include "win/Button.h"
#include "win/WinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class CBarsTestApp : public CWinApp {
public:
    CBarsTestApp() : CWinApp("FwBarsTests") {}
};

extern CBarsTestApp theApp;

// Button cell of the test bars.
constexpr int kButtonCX = 23;
constexpr int kButtonCY = 22;

// A bar of nButtons square buttons in a row (or a column when docked left or right). A dynamic
// bar wraps its buttons into rows for the width it is given while floating.
class CTestBar : public CControlBar {
public:
    CTestBar(int nButtons, BOOL bDynamic, COLORREF clrGlyph);

    BOOL Create(CWnd* pParentWnd, UINT nID, LPCSTR lpszName, DWORD dwStyle);
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void DoPaint(CDC* pDC) override;
    INT_PTR OnToolHitTest(CPoint point, TTTOOLINFOA* pTI) const override;
    // Button i in client coordinates.
    CRect ButtonRect(int i) const;
    // Columns for the current layout.
    int Columns() const;

    int m_nButtons;
    BOOL m_bDynamic;
    COLORREF m_clrGlyph;
    int m_nColumns = 0;    // 0: one row (or one column when vertical)
    int m_nCommitted = 0;  // LM_COMMIT calls
};

// Command ids the tests look for.
constexpr UINT kIdChildButton = IDC_TEST_DIALOGBAR_BUTTON;
constexpr UINT kIdTopA = 0x8201, kIdTopB = 0x8202, kIdLeft = 0x8203, kIdBottom = 0x8204, kIdChildBar = 0x8205;

// A frame with docking on every side, four bars and a pane: A and B in two rows on top, C on
// the left, D at the bottom. It records the commands and prompts that reach it.
class CDockTestFrame : public CFrameWnd {
public:
    CDockTestFrame();
    // Creates the window (client about 600 x 400 at 40, 40), the bars and the pane, docked.
    BOOL CreateFrame();
    // Bar A in row one and bar B in row two of the top dock bar, C left, D bottom.
    void DockDefault();

    CTestBar m_barA, m_barB, m_barC, m_barD;
    CWnd m_wndPane;
    std::vector<UINT> m_commands;  // WM_COMMAND ids that reached the frame
    std::vector<UINT> m_prompts;   // WM_SETMESSAGESTRING ids

protected:
    void OnChildButton() { m_commands.push_back(kIdChildButton); }
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

// Runs the thread's messages that are waiting (PumpPending), then one idle update.
void RunIdle();
// A rectangle in the frame's client coordinates.
CRect RectInClient(CWnd* pFrame, CWnd* pWnd);
CRect ScreenRect(CWnd* pWnd);
// The floating frame of a bar, or null.
CMiniDockFrameWnd* FloatingFrame(CControlBar* pBar);

// A scripted drag: the left button goes down on pBar at ptClient, the mouse moves to each
// screen point in turn, then the button goes up (or Escape is pressed). The messages are
// posted before the press is handled, so the drag loop reads them as they come.
enum class DragEnd { Release, Escape, RightButton };
void ScriptDrag(CControlBar* pBar, CPoint ptClient, const std::vector<CPoint>& screenPoints,
                DragEnd end = DragEnd::Release);
// A double-click on pBar at ptClient.
void DoubleClick(CControlBar* pBar, CPoint ptClient);
