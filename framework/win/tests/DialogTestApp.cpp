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
