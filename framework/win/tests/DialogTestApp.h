// The application object of the dialog tests: it counts the thread's idle calls (which modal
// loops give to command update) and records message boxes instead of showing them.
#pragma once
#include "Canvas.h"
#include "Files.h"
#include "win/WinApp.h"
#include <string>
#include <vector>

class CDialogTestApp : public CWinApp {
public:
    CDialogTestApp() : CWinApp("FwDialogTests") {}
    BOOL OnIdle(LONG lCount) override;
    int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;

    struct MessageBoxCall {
        std::string text;
        UINT nType;
        UINT nIDHelp;
    };
    std::vector<MessageBoxCall> m_messageBoxes;
    int m_nMessageBoxAnswer = IDOK;
    int m_nIdleCalls = 0;
};

extern CDialogTestApp theApp;
