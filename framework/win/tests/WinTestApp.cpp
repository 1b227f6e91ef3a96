#include "WinTestSupport.h"

CWinTestApp theApp;

int CWinTestApp::DoMessageBox(LPCSTR lpszPrompt, UINT, UINT)
{
    m_messageBoxes.push_back(lpszPrompt);
    return m_nMessageBoxAnswer;
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT || !FwPumpMessage())
            break;
    }
}
