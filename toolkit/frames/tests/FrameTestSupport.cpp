#include "FrameTestSupport.h"

#include "command_bars/WTKToolbarMessages.h"

#include "bars/DockBar.h"

CFrameTestApp theApp;

BEGIN_MESSAGE_MAP(CFrameTestFrame, CWTKFrameWnd)
    ON_WM_CREATE()
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_POPUPMENU, OnToolBarPopupMenu)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTabbedSizingBar, CWTKSizingControlBar)
    ON_WM_CREATE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

int CTabbedSizingBar::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CWTKSizingControlBar::OnCreate(lpcs) == -1)
        return -1;
    if (!m_wndTabs.Create(CWTKTabWnd::kStyle3D, CRect(0, 0, 100, 100), this, 1))
        return -1;
    m_hTree = ::CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT, 0, 0, 10, 10,
                                m_wndTabs.GetSafeHwnd(), nullptr, nullptr, nullptr);
    m_hList = ::CreateWindowExA(0, "EDIT", "Index", WS_CHILD | ES_MULTILINE, 0, 0, 10, 10, m_wndTabs.GetSafeHwnd(),
                                nullptr, nullptr, nullptr);
    for (const char* psz : {"Getting started", "Encoding rules", "Fonts", "Troubleshooting"})
        ::SendMessageA(m_hTree, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(psz));
    m_wndTabs.AddTab(CWnd::FromHandle(m_hTree), "Contents");
    m_wndTabs.AddTab(CWnd::FromHandle(m_hList), "Index");
    return 0;
}

void CTabbedSizingBar::OnSize(UINT nType, int cx, int cy)
{
    CWTKSizingControlBar::OnSize(nType, cx, cy);
    if (m_wndTabs.GetSafeHwnd())
        m_wndTabs.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {
const UINT kStatusIndicators[] = {0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
constexpr DWORD kTestToolbarStyle =
    WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
}  // namespace

int CFrameTestFrame::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CWTKFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    if (m_bars.bMenuBar) {
        if (!m_wndMenuBar.Create(this))
            return -1;
        m_wndMenuBar.SetBarStyle(m_wndMenuBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
    }
    if (!m_wndToolBar1.CreateEx(this, CWTKToolBar::kFlatStyle, kTestToolbarStyle, CRect(1, 1, 1, 1), IDW_FT_TOOLBAR1) ||
        !m_wndToolBar1.LoadToolBar(IDR_FRAME_TEST_TOOLBAR))
        return -1;
    m_wndToolBar1.SetWindowText("Standard");
    if (!m_wndToolBar2.CreateEx(this, CWTKToolBar::kFlatStyle, kTestToolbarStyle, CRect(1, 1, 1, 1), IDW_FT_TOOLBAR2) ||
        !m_wndToolBar2.LoadToolBar(IDR_FRAME_TEST_TOOLBAR2))
        return -1;
    m_wndToolBar2.SetWindowText("Format");
    if (m_bars.bStatusBar) {
        if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(kStatusIndicators, 3))
            return -1;
    }
    if (m_bars.bSizingBar) {
        if (!m_wndSizingBar.Create("Contents", this, CSize(200, 260), TRUE, IDW_FT_SIZINGBAR,
                                   WS_CHILD | WS_VISIBLE | CBRS_LEFT))
            return -1;
        m_wndSizingBar.SetBarStyle(m_wndSizingBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
        m_wndSizingBar.EnableDocking(CBRS_ALIGN_ANY);
    }
    if (m_bars.bMenuBar)
        m_wndMenuBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndToolBar1.EnableDocking(CBRS_ALIGN_ANY);
    m_wndToolBar2.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    // After the dock bars: the frame lays its children out in creation order.
    if (m_bars.bCaptionBar) {
        if (!m_wndCaptionBar.Create(WS_CHILD | WS_VISIBLE | CBRS_TOP, this, IDW_FT_CAPTIONBAR, -1))
            return -1;
        m_wndCaptionBar.SetText("Code 39 barcode fonts: help", CWTKCaptionBar::kAlignLeft);
        m_wndCaptionBar.SetButton("Options", ID_FT_ABOUT, CWTKCaptionBar::kAlignRight, TRUE);
    }
    if (m_bars.bMenuBar)
        DockControlBar(&m_wndMenuBar);
    DockControlBar(&m_wndToolBar1);
    DockControlBar(&m_wndToolBar2);
    if (m_bars.bSizingBar)
        DockControlBar(&m_wndSizingBar, FW_IDW_DOCKBAR_LEFT);
    return 0;
}

LRESULT CFrameTestFrame::OnToolBarPopupMenu(WPARAM /*wParam*/, LPARAM lParam)
{
    m_popupMenuRequests.push_back(static_cast<UINT>(lParam));
    return 0;
}

CFrameTestFrame* CreateTestFrame(const FrameTestBars& bars)
{
    auto* pFrame = new CFrameTestFrame(bars);
    if (!pFrame->LoadFrame(IDR_FRAME_TEST, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | FWS_ADDTOTITLE)) {
        if (pFrame->GetSafeHwnd() == nullptr)
            delete pFrame;
        return nullptr;
    }
    pFrame->ShowWindow(SW_SHOWNORMAL);
    pFrame->UpdateWindow();
    RunIdle();
    pFrame->RecalcLayout();
    RunIdle();
    return pFrame;
}

void CloseTestFrame(CFrameTestFrame* pFrame)
{
    if (pFrame != nullptr && ::IsWindow(pFrame->GetSafeHwnd()))
        pFrame->SendMessage(WM_CLOSE);
    RunIdle();
}

void DeleteFrameSandbox()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kFrameSandboxKey);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kFrameSandboxKey);
}

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

void ScriptDrag(CControlBar* pBar, CPoint ptClient, const std::vector<CPoint>& screenPoints)
{
    const HWND hWnd = pBar->m_hWnd;
    ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
    CPoint ptLast = ptClient;
    for (CPoint pt : screenPoints) {
        ::ScreenToClient(hWnd, &pt);
        ::PostMessageA(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        ptLast = pt;
    }
    ::PostMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(ptLast.x, ptLast.y));
    PumpPending();
}

void DoubleClick(CControlBar* pBar, CPoint ptClient)
{
    ::PostMessageA(pBar->m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
    PumpPending();
}

UINT DockBarIdOf(CControlBar* pBar)
{
    return pBar->m_pDockBar ? static_cast<UINT>(pBar->m_pDockBar->GetDlgCtrlID()) : 0;
}

MSG MakeMsg(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG msg {};
    msg.hwnd = hWnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    return msg;
}

CWTKToolbarMenuButton* AddToolsButton(CFrameTestFrame* pFrame, UINT uiTearOffID)
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_FT_CUT, "Cu&t");
    ::AppendMenuA(hMenu, MF_STRING, ID_FT_COPY, "&Copy");
    CWTKToolbarMenuButton button(0, hMenu, -1, "&Tools");
    ::DestroyMenu(hMenu);
    button.m_bText = TRUE;
    button.SetTearOff(uiTearOffID);
    const int nIndex = pFrame->m_wndToolBar2.InsertButton(button);
    if (nIndex < 0)
        return nullptr;
    pFrame->RecalcLayout();
    RunIdle();
    return dynamic_cast<CWTKToolbarMenuButton*>(pFrame->m_wndToolBar2.GetButton(nIndex));
}

void FrameTestBase::SetUp()
{
    DeleteFrameSandbox();
    theApp.SetRegistryKey(kFrameSandboxCompany);
}

void FrameTestBase::TearDown()
{
    RunIdle();
    DeleteFrameSandbox();
}
