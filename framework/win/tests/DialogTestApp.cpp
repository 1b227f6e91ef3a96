#include "DialogTestApp.h"
#include "Canvas.h"

CDialogTestApp theApp;

BOOL CDialogTestApp::OnIdle(LONG lCount)
{
    ++m_nIdleCalls;
    return CWinApp::OnIdle(lCount);
}

int CDialogTestApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    m_messageBoxes.push_back({lpszPrompt, nType, nIDPrompt});
    return m_nMessageBoxAnswer;
}

bool SaveWindowScreenshot(HWND hWnd, const char* pszFileName)
{
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    Canvas shot(rect.right - rect.left, rect.bottom - rect.top, kBlack);
    HDC hDC = ::GetWindowDC(hWnd);
    ::BitBlt(shot.Handle(), 0, 0, shot.Width(), shot.Height(), hDC, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hDC);
    return shot.WritePng(ScreenshotFolder() + "\\" + pszFileName);
}
