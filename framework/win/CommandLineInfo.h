// CCommandLineInfo: what the program's command line asks for. CWinApp::ParseCommandLine
// hands it every word; ProcessShellCommand carries out the shell command it ends with.
#pragma once
#include "core/Object.h"
#include "core/String.h"

class CCommandLineInfo : public CObject {
public:
    enum ShellCommand { FileNew, FileOpen, FileNothing = -1 };

    CCommandLineInfo() = default;

    // One word of the command line. A flag ("/x" or "-x") comes without its leading
    // character; the framework uses none, so derived classes take their own. The first
    // other word names the file to open.
    virtual void ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL bLast);

    ShellCommand m_nShellCommand = FileNew;
    CString m_strFileName;
};
