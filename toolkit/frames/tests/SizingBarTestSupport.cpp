#include "SizingBarTestSupport.h"

#include "bars/DockBar.h"
#include "command_bars/WTKToolbarMessages.h"
#include "win/FrameworkRes.h"

CSizingBarTestApp theApp;

// ---- Test bar ----

BEGIN_MESSAGE_MAP(CTestSizingBar, CWTKSizingControlBar)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
END_MESSAGE_MAP()

int CTestSizingBar::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CWTKSizingControlBar::OnCreate(lpcs) == -1)
        return -1;
    m_hEdit = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "Pane text", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 10,
                                10, m_hWnd, nullptr, nullptr, nullptr);
    return 0;
}

void CTestSizingBar::OnSize(UINT /*nType*/, int cx, int cy)
{
    if (m_hEdit)
        ::MoveWindow(m_hEdit, 0, 0, cx, cy, TRUE);
}

void CTestSizingBar::OnPaint()
{
    m_nPaints++;
    CWTKSizingControlBar::OnPaint();
}

// ---- Frame ----

BEGIN_MESSAGE_MAP(CSizingTestFrame, CFrameWnd)
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_POPUPMENU, OnBarPopupMenu)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdate)
END_MESSAGE_MAP()

BOOL CSizingTestFrame::CreateFrame()
{
    RECT rect = {30, 30, 690, 550};
    if (!Create(nullptr, "Sizing bars", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rect))
        return FALSE;
    EnableDocking(CBRS_ALIGN_ANY);
    RECT none = {0, 0, 0, 0};
    if (!m_wndPane.CreateEx(WS_EX_CLIENTEDGE, nullptr, nullptr, WS_CHILD | WS_VISIBLE, none, this, FW_IDW_PANE_FIRST))
        return FALSE;
    ShowWindow(SW_SHOWNORMAL);
    UpdateWindow();
    RecalcLayout();
    return TRUE;
}

CTestSizingBar* CSizingTestFrame::AddBar(UINT nID, LPCSTR lpszName, UINT nDockBarID, CSize size)
{
    auto pBar = std::make_unique<CTestSizingBar>();
    if (!pBar->Create(lpszName, this, size, TRUE, nID, WS_CHILD | WS_VISIBLE | CBRS_TOP))
        return nullptr;
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    if (nDockBarID)
        DockControlBar(pBar.get(), nDockBarID);
    m_bars.push_back(std::move(pBar));
    RecalcLayout();
    RunIdle();
    return m_bars.back().get();
}

void CSizingTestFrame::DockInRow(CTestSizingBar* pBar, CTestSizingBar* pRowMate)
{
    CRect rect = ScreenRect(pRowMate);
    const BOOL bHorz = pRowMate->IsHorzDocked();
    // Just after the row mate, inside its row.
    if (bHorz)
        rect.OffsetRect(rect.Width() - 4, 0);
    else
        rect.OffsetRect(0, rect.Height() - 4);
    DockControlBar(pBar, pRowMate->m_pDockBar, &rect);
    RecalcLayout();
    RunIdle();
}

LRESULT CSizingTestFrame::OnIdleUpdate(WPARAM wParam, LPARAM lParam)
{
    for (const auto& pBar : m_bars) {
        if (pBar->IsSideTracking())
            m_nIdleUpdatesWhileTracking++;
    }
    return CFrameWnd::OnIdleUpdateCmdUI(wParam, lParam);
}

LRESULT CSizingTestFrame::OnBarPopupMenu(WPARAM /*wParam*/, LPARAM lParam)
{
    m_popupPoints.push_back(WTKPointFromPopupMenuParam(lParam));
    return 0;
}

// ---- Helpers ----

void RunIdle()
{
    PumpPending();
    theApp.OnIdle(0);
    PumpPending();
}

CRect ScreenRect(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}

CRect ClientRectOnScreen(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetClientRect(&rect);
    pWnd->ClientToScreen(&rect);
    return rect;
}

int RowCount(CControlBar* pDockBar)
{
    auto* pDock = static_cast<CDockBar*>(pDockBar);
    int nRows = 0;
    for (INT_PTR i = 0; i + 1 < pDock->m_arrBars.GetSize(); ++i) {
        if (!pDock->m_arrBars[i] && pDock->m_arrBars[i + 1])
            ++nRows;
    }
    return nRows;
}

std::vector<CControlBar*> RowOf(CControlBar* pBar)
{
    std::vector<CControlBar*> row;
    CDockBar* pDock = pBar->m_pDockBar;
    if (!pDock)
        return row;
    const int nThis = pDock->FindBar(pBar);
    if (nThis < 0)
        return row;
    int nFirst = nThis;
    while (nFirst > 0 && pDock->m_arrBars[nFirst - 1])
        --nFirst;
    for (int i = nFirst; i < pDock->m_arrBars.GetSize() && pDock->m_arrBars[i]; ++i) {
        auto* p = static_cast<CControlBar*>(pDock->m_arrBars[i]);
        if (p->IsVisible())
            row.push_back(p);
    }
    return row;
}

CPoint CaptionButtonCentre(CWTKSizingControlBar* pBar, int i)
{
    CRect rect = pBar->GetCaptionButton(i).GetRect();
    CRect rectWindow = ScreenRect(pBar);
    rect.OffsetRect(rectWindow.left, rectWindow.top);
    return rect.CenterPoint();
}

namespace {
LPARAM ScreenParam(CPoint pt)
{
    return MAKELPARAM((short)pt.x, (short)pt.y);
}
}  // namespace

void ClickNonClient(CWTKSizingControlBar* pBar, CPoint ptScreen)
{
    HWND hWnd = pBar->m_hWnd;
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    PumpPending();
    const LRESULT nHit = ::SendMessageA(hWnd, WM_NCHITTEST, 0, ScreenParam(ptScreen));
    ::PostMessageA(hWnd, WM_NCLBUTTONDOWN, (WPARAM)nHit, ScreenParam(ptScreen));
    PumpPending();
    // The pressed button holds the capture: the release comes to the client area.
    CPoint ptClient = ptScreen;
    ::ScreenToClient(hWnd, &ptClient);
    if (::IsWindow(hWnd))
        ::PostMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM((short)ptClient.x, (short)ptClient.y));
    PumpPending();
    MoveAway(hWnd);
}

void MoveAway(HWND hWnd)
{
    // The highlighted button keeps the capture until the mouse leaves it.
    ::SetCursorPos(0, 0);
    CPoint pt(0, 0);
    if (::IsWindow(hWnd) && ::GetCapture() == hWnd) {
        ::ScreenToClient(hWnd, &pt);
        ::PostMessageA(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM((short)pt.x, (short)pt.y));
    }
    PumpPending();
}

void DragNonClient(CWTKSizingControlBar* pBar, CPoint ptFrom, const std::vector<CPoint>& points)
{
    HWND hWnd = pBar->m_hWnd;
    ::SetCursorPos(ptFrom.x, ptFrom.y);
    PumpPending();
    const LRESULT nHit = ::SendMessageA(hWnd, WM_NCHITTEST, 0, ScreenParam(ptFrom));
    ::PostMessageA(hWnd, WM_NCLBUTTONDOWN, (WPARAM)nHit, ScreenParam(ptFrom));
    PumpPending();
    CPoint ptClient;
    for (CPoint pt : points) {
        ptClient = pt;
        ::ScreenToClient(hWnd, &ptClient);
        ::PostMessageA(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM((short)ptClient.x, (short)ptClient.y));
        PumpPending();
    }
    ::PostMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM((short)ptClient.x, (short)ptClient.y));
    PumpPending();
}
