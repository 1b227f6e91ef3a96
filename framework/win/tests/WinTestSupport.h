// Shared by the window tests: the test program's application object and helpers.
#pragma once
#include "MessagePump.h"
#include "win/WinApp.h"
#include "win/Wnd.h"
#include <string>
#include <vector>

class CWinTestApp : public CWinApp {
public:
    CWinTestApp() : CWinApp("FwWinTests") {}
    int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;

    std::vector<std::string> m_messageBoxes;  // texts of the boxes asked for
    int m_nMessageBoxAnswer = IDOK;
};

extern CWinTestApp theApp;

// Dispatches every message already queued for this thread, through the framework's pump.
