// The application object's document members: declared with CWinApp in the window layer,
// defined here because they need the document layer (a program with documents links it).
#include "docview/DocManager.h"
#include "docview/DocTemplate.h"
#include "win/FrameworkRes.h"
#include "win/WinApp.h"

namespace {
CDocManager* Manager(CWinApp* pApp)
{
    if (!pApp->m_pDocManager)
        pApp->m_pDocManager = new CDocManager;
    return static_cast<CDocManager*>(pApp->m_pDocManager);
}
}  // namespace

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    Manager(this)->AddDocTemplate(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_pDocManager ? static_cast<CDocManager*>(m_pDocManager)->GetFirstDocTemplatePosition() : nullptr;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& rPosition) const
{
    return static_cast<CDocManager*>(m_pDocManager)->GetNextDocTemplate(rPosition);
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR lpszFileName)
{
    return m_pDocManager ? static_cast<CDocManager*>(m_pDocManager)->OpenDocumentFile(lpszFileName) : nullptr;
}

void CWinApp::OnFileNew()
{
    if (m_pDocManager)
        static_cast<CDocManager*>(m_pDocManager)->OnFileNew();
}

void CWinApp::OnFileOpen()
{
    // Choosing a file needs a template that names a file type; the templates of the
    // programs here name none, so there is nothing to offer and nothing is opened.
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        // Through the command map, so that an application's own new-document handler runs.
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FileNothing:
        return TRUE;
    }
    return FALSE;
}
