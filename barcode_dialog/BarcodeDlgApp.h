// The dialog module's application object: it serves the framework's help requests.
#pragma once

#include "win/WinApp.h"

class CBarcodeDlgApp : public CWinApp {
public:
    CBarcodeDlgApp();

    // Both arguments are ignored: the help viewer starts at the start/stop topic.
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;
};
