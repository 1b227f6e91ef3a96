#include "MDITestSupport.h"

#include "Canvas.h"

#include "frames/WTKDockingConstants.h"

#include "command_bars/WTKPopupMenu.h"

CMDITestApp theApp;

namespace {
const UINT kWindowHelpMessage = ::RegisterWindowMessageA("WINDOW_HELP");
}  // namespace

BEGIN_MESSAGE_MAP(CMDITestDoc, CDocument)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CMDITestFrame, CWTKMDIFrameWnd)
    ON_WM_CREATE()
    ON_REGISTERED_MESSAGE(kWindowHelpMessage, OnWindowHelp)
    ON_COMMAND_RANGE(ID_MDI_TEST_OPEN, ID_MDI_TEST_PASTE, OnEditCommand)
END_MESSAGE_MAP()

CMDITestFrame* CMDITestFrame::Create(CRect rect)
{
    auto* pFrame = new CMDITestFrame;
    if (!pFrame->LoadFrame(IDR_MDI_TEST, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN))
        return nullptr;
    pFrame->MoveWindow(rect.left, rect.top, rect.Width(), rect.Height());
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    pFrame->RecalcLayout();
    PumpPending();
    return pFrame;
}

int CMDITestFrame::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CWTKMDIFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    EnableDocking(CBRS_ALIGN_ANY);
    if (!m_wndMenuBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC, IDW_MDI_TEST_MENUBAR))
        return -1;
    m_wndMenuBar.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndMenuBar, FW_IDW_DOCKBAR_TOP);
    return 0;
}

BOOL CMDITestFrame::OnShowPopupMenu(CWTKPopupMenu* pMenuPopup)
{
    ++m_nPopupsShown;
    return CWTKMDIFrameWnd::OnShowPopupMenu(pMenuPopup);
}

void CMDITestFrame::OnEditCommand(UINT nID)
{
    m_commands.push_back(nID);
}

LRESULT CMDITestFrame::OnWindowHelp(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    ++m_nWindowHelp;
    return 0;
}

CMDITestChild* CMDITestFrame::AddChild(LPCSTR lpszTitle, HICON hIcon, DWORD dwStyle)
{
    auto* pChild = new CMDITestChild;
    if (!pChild->Create(nullptr, lpszTitle, dwStyle, CFrameWnd::rectDefault, this))
        return nullptr;
    if (hIcon != nullptr)
        pChild->SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
    PumpPending();
    return pChild;
}

std::vector<CMDITestChild*> CMDITestFrame::AddChildren(int nCount)
{
    static const char* const kTitles[] = {"Alpha.txt", "Bravo.txt",   "Charlie.txt", "Delta.txt",
                                          "Echo.txt",  "Foxtrot.txt", "Golf.txt",    "Hotel.txt",
                                          "India.txt", "Juliet.txt",  "Kilo.txt"};
    std::vector<CMDITestChild*> children;
    for (int i = 0; i < nCount && i < static_cast<int>(std::size(kTitles)); ++i)
        children.push_back(AddChild(kTitles[i]));
    return children;
}

void MDITestBase::SetUp()
{
    m_pFrame = CMDITestFrame::Create();
    ASSERT_NE(m_pFrame, nullptr);
    theApp.m_pMainWnd = m_pFrame;
}

void MDITestBase::TearDown()
{
    if (CWTKPopupMenu* pPopup = CWTKPopupMenu::GetActiveMenu()) {
        if (pPopup->GetSafeHwnd() != nullptr)
            pPopup->SendMessage(WM_CLOSE);
    }
    theApp.m_pMainWnd = nullptr;
    if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != nullptr)
        m_pFrame->DestroyWindow();
    m_pFrame = nullptr;
    PumpPending();
}

void SaveScreenshot(CWnd* pWnd, const char* pszName)
{
    SaveWindowScreenshot(pWnd->GetSafeHwnd(), pszName);
}

HICON MakeColourIcon(COLORREF colour)
{
    const int cx = ::GetSystemMetrics(SM_CXSMICON);
    const int cy = ::GetSystemMetrics(SM_CYSMICON);
    HDC hdcScreen = ::GetDC(nullptr);
    HBITMAP hColour = ::CreateCompatibleBitmap(hdcScreen, cx, cy);
    HBITMAP hMask = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HGDIOBJ hOld = ::SelectObject(hdc, hColour);
    HBRUSH hBrush = ::CreateSolidBrush(colour);
    RECT rc = {0, 0, cx, cy};
    ::FillRect(hdc, &rc, hBrush);
    ::SelectObject(hdc, hMask);
    ::PatBlt(hdc, 0, 0, cx, cy, BLACKNESS);
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hBrush);
    ::DeleteDC(hdc);
    ::ReleaseDC(nullptr, hdcScreen);
    ICONINFO info = {TRUE, 0, 0, hMask, hColour};
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(hColour);
    ::DeleteObject(hMask);
    return hIcon;
}
