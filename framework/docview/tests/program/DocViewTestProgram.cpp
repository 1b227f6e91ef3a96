// A single-document program on the framework's entry: InitInstance parses its command line and
// lets the shell command make the document, its frame and view; the first idle moment closes
// the main frame, as a user would; the exit code is the "/exit=" number when the document and
// the frame are gone and the main window is cleared, else 1.
#include "DocViewProgramRes.h"
#include "docview/Document.h"
#include "docview/FrameWnd.h"
#include "docview/SingleDocTemplate.h"
#include "docview/View.h"
#include "win/WinApp.h"

#include <cstdlib>
#include <cstring>

namespace {

int g_nLivingDocuments = 0;

class CProgramDoc : public CDocument {
    DECLARE_DYNCREATE(CProgramDoc)
public:
    CProgramDoc() { ++g_nLivingDocuments; }
    ~CProgramDoc() override { --g_nLivingDocuments; }
};
IMPLEMENT_DYNCREATE(CProgramDoc, CDocument)

class CProgramView : public CView {
    DECLARE_DYNCREATE(CProgramView)
};
IMPLEMENT_DYNCREATE(CProgramView, CView)

class CProgramCommandLine : public CCommandLineInfo {
public:
    void ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL bLast) override
    {
        if (bFlag && strncmp(pszParam, "exit=", 5) == 0)
            m_nExitCode = atoi(pszParam + 5);
        CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
    }
    int m_nExitCode = 1;
};

class CDocViewProgramApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        AddDocTemplate(new CSingleDocTemplate(IDR_PROGRAM_DOC, RUNTIME_CLASS(CProgramDoc), RUNTIME_CLASS(CFrameWnd),
                                              RUNTIME_CLASS(CProgramView)));
        CProgramCommandLine info;
        ParseCommandLine(info);
        m_nExitCode = info.m_nExitCode;
        return ProcessShellCommand(info);
    }
    BOOL OnIdle(LONG lCount) override
    {
        if (!m_bClosed && m_pMainWnd)
            m_pMainWnd->PostMessage(WM_CLOSE);
        m_bClosed = TRUE;
        return CWinApp::OnIdle(lCount);
    }
    int ExitInstance() override
    {
        CWinApp::ExitInstance();
        bool bClean = m_bClosed && m_pMainWnd == nullptr && g_nLivingDocuments == 0;
        return bClean ? m_nExitCode : 1;
    }

private:
    BOOL m_bClosed = FALSE;
    int m_nExitCode = 1;
};

CDocViewProgramApp theProgramApp;

}  // namespace
