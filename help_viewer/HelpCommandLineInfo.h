// CHelpCommandLineInfo: the framework's view of the viewer's command line. The viewer opens
// no document files: whatever words the line holds, the shell command stays "new document"
// (the "/doc=" switch is read by ParseViewerCommandLine).
#pragma once
#include "win/CommandLineInfo.h"

class CHelpCommandLineInfo : public CCommandLineInfo {
public:
    void ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL bLast) override;
};
