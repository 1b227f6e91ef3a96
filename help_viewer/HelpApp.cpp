#include "HelpApp.h"

#include "AboutDlg.h"
#include "ContentModule.h"
#include "HelpCommandLineInfo.h"
#include "HelpDoc.h"
#include "HelpView.h"
#include "LoadDocDlg.h"
#include "MainFrame.h"
#include "Resource.h"
#include "ViewerCommandLine.h"
#include "docview/SingleDocTemplate.h"
#include "foundation/WTKCleanUp.h"
#include "foundation/WTKVisualManager2003.h"
#include "foundation/WTKVisualManagerXP.h"
#include "foundation/WTKWinXPVisualManager.h"

BEGIN_MESSAGE_MAP(CHelpApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
END_MESSAGE_MAP()

// The toolbars keep their resource items and reconcile saved buttons with them.
CHelpApp::CHelpApp() : CWinApp(kAppTitle), CWTKWorkspace(TRUE) {}

BOOL CHelpApp::InitInstance()
{
    SetRegistryKey(kRegistryKey);
    SetRegistryBase(kSettingsSection);
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CHelpDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CHelpView)));
    if (!LoadStartModule())
        return FALSE;

    // Whatever else the line holds, this makes the one new document, the frame and the view.
    CHelpCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo) || m_pMainWnd == nullptr)
        return FALSE;
    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    m_bStarted = TRUE;
    return TRUE;
}

BOOL CHelpApp::LoadStartModule()
{
    ViewerCommandLine line = ParseViewerCommandLine(m_lpCmdLine);
    if (!line.hasSwitch) {
        CLoadDocDlg dlg;
        if (dlg.DoModal() != IDOK)
            return FALSE;
        line.fileName = dlg.GetFileName();
        line.startTopic = 0;
    }
    if (!CContentModule::Current().Load(line.fileName, line.startTopic)) {
        CContentModule::ReportLoadFailure(line.fileName);
        return FALSE;
    }
    return TRUE;
}

int CHelpApp::ExitInstance()
{
    CContentModule::Current().Free();
    if (m_bStarted)
        WriteInt(kAppLookEntry, m_nLookId);
    WTKCleanUp();
    return CWinApp::ExitInstance();
}

void CHelpApp::OnAppLook(UINT nId)
{
    m_nLookId = static_cast<int>(nId);
    // 0 is what an early exit once wrote: the toolkit's own default look stays.
    if (nId == 0)
        return;

    switch (nId) {
    case ID_LOOK_2000:
        CWTKVisualManager::SetDefaultManager(nullptr);
        break;
    case ID_LOOK_XP:
        CWTKVisualManager::SetDefaultManager(RUNTIME_CLASS(CWTKVisualManagerXP));
        break;
    case ID_LOOK_WINXP:
        // Without visual styles this look draws like Office XP; the user is told why.
        if (!CWTKWinXPVisualManager::IsWinXPThemeAvailable())
            FwMessageBox(kNoThemeMessage, MB_OK);
        CWTKVisualManager::SetDefaultManager(RUNTIME_CLASS(CWTKWinXPVisualManager));
        break;
    case ID_LOOK_2003:
        CWTKVisualManager::SetDefaultManager(RUNTIME_CLASS(CWTKVisualManager2003));
        break;
    default:
        break;
    }
    CWTKVisualManager::SetLook2000(TRUE);
    CWTKVisualManager::RedrawAll();
}

void CHelpApp::LoadCustomState()
{
    OnAppLook(static_cast<UINT>(GetInt(kAppLookEntry, kDefaultLook)));
}

void CHelpApp::OnAppAbout()
{
    CAboutDlg dlg;
    dlg.DoModal();
}
