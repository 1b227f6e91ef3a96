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
    // Shown when the Windows XP look is chosen on a system without visual styles.
    static constexpr char kNoThemeMessage[] =
        "This skin can be viewed under Windows(r) XP themes only. Because your system doesn't support "
        "Windows (r) XP theme, you'll see an Office XP look";

    CHelpApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    // The command id of the current look, 0 before one was applied.
    int GetLookId() const { return m_nLookId; }
    // Installs the look a View menu item names (32871 to 32874); 0 keeps the toolkit's default
    // look, any other id only the Look2000 flag and a redraw.
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
