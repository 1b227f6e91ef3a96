// A program built on the framework with the framework's entry: InitInstance makes
// the main window, Run pumps and idles until the main window is closed (at the first idle), and the
// exit code is ExitInstance's (the number on the command line when all went well).
#include "win/WinApp.h"
#include "win/Wnd.h"
#include <cstdlib>

namespace {

class CTestProgramApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        if (!m_wndMain.CreateEx(0, nullptr, "Test program", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr))
            return FALSE;
        m_pMainWnd = &m_wndMain;
        m_wndMain.ShowWindow(m_nCmdShow);
        return TRUE;
    }
    BOOL OnIdle(LONG lCount) override
    {
        // The first idle moment closes the main window, as a user would.
        if (!m_bIdled)
            m_wndMain.PostMessage(WM_CLOSE);
        m_bIdled = TRUE;
        return CWinApp::OnIdle(lCount);
    }
    int ExitInstance() override
    {
        CWinApp::ExitInstance();
        bool bClean = m_bIdled && m_pMainWnd == nullptr && m_wndMain.m_hWnd == nullptr;
        return bClean ? atoi(m_lpCmdLine) : 1;
    }

private:
    CWnd m_wndMain;
    BOOL m_bIdled = FALSE;
};

CTestProgramApp theProgramApp;

}  // namespace
