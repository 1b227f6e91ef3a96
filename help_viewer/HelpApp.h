// CHelpApp: the viewer's application object and its workspace. It keeps the per-user state
// under HKCU\Software\Tolvek\Lumidoc\Settings, registers the one document template, loads the
// content module the command line (or the Load Documentation dialog) names, and frees it and
// stores the look at exit.
#pragma once
#include "foundation/WTKWorkspace.h"
#include "win/WinApp.h"

class CHelpApp : public CWinApp, public CWTKWorkspace {
public:
    // The company key under HKCU\Software; the profile name is the application title.
    static constexpr char kRegistryKey[] = "Tolvek";
    static constexpr char kAppTitle[] = "Lumidoc";
    static constexpr char kSettingsSection[] = "Settings";
    static constexpr char kAppLookEntry[] = "AppLook";
    // The look a first start shows.
    static constexpr int kDefaultLook = 32874;

    CHelpApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    // The command id of the current look, 0 before one was applied.
    int GetLookId() const { return m_nLookId; }
    void OnAppLook(UINT nId);
    // Runs first while the workspace loads the window state: brings back the stored look.
    void LoadCustomState() override;

protected:
    void OnAppAbout();
    DECLARE_MESSAGE_MAP()

private:
    // The module the command line names, or the one the user picks; FALSE (after telling
    // the user, unless they cancelled) when there is none to show.
    BOOL LoadStartModule();

    int m_nLookId = 0;
    // Set once the main window shows: only then is the look written back at exit, so that a
    // start that ends early never replaces the user's saved look.
    BOOL m_bStarted = FALSE;
};
