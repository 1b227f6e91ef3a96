#include "WinTestSupport.h"

CWinTestApp theApp;

int CWinTestApp::DoMessageBox(LPCSTR lpszPrompt, UINT, UINT)
{
    m_messageBoxes.push_back(lpszPrompt);
    return m_nMessageBoxAnswer;
}
