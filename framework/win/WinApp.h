// CWinApp: the application object of one binary (a program or a DLL), with its
// module state (instance and resource handles), its message box, help and profile.
#pragma once
#include "win/WinThread.h"
#include "win/CommandLineInfo.h"
#include "win/DocManagerBase.h"
#include "core/Position.h"
#include "core/ResourceHandle.h"
#include "core/String.h"

// String resource with the application's title.
#define FW_IDS_APP_TITLE 0xE000

class CDocTemplate;
class CDocument;

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    // One per binary, constructed as a static object: in a DLL at load, InitInstance
    // when the DLL attaches, ExitInstance when it detaches.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    LPCSTR m_pszAppName = nullptr;  // title of message boxes; the profile's application key
    HINSTANCE m_hInstance = nullptr;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCSTR m_pszExeName = nullptr;  // module file name without folder or extension
    LPCSTR m_pszHelpFilePath = nullptr;
    LPCSTR m_pszRegistryKey = nullptr;  // the company key under HKCU\Software
    LPCSTR m_pszProfileName = nullptr;

    virtual BOOL InitApplication() { return TRUE; }
    BOOL InitInstance() override { return TRUE; }
    int ExitInstance() override;

    // Every message box of the application comes here (tests replace it).
    virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

    HICON LoadIcon(LPCSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCEA(nIDResource)); }
    HICON LoadStandardIcon(LPCSTR lpszIconName) const { return ::LoadIconA(nullptr, lpszIconName); }
    HCURSOR LoadCursor(LPCSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const { return LoadCursor(MAKEINTRESOURCEA(nIDResource)); }
    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const { return ::LoadCursorA(nullptr, lpszCursorName); }

    // Profile: HKCU\Software\<registry key>\<application>\<section>; sections may nest ("A\\B").
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    HKEY GetAppRegistryKey();                // caller closes; null without a registry key
    HKEY GetSectionKey(LPCSTR lpszSection);  // created when missing; caller closes
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    // A null entry removes the section; a null value removes the entry.
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    // *ppData is allocated with new[]; the caller deletes it.
    BOOL GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes);

    // ---- Command line ----
    // Hands every word of m_lpCmdLine to rCmdInfo. Words are separated by blanks; double
    // quotes group blanks into a word. The line is read up to a bounded length and word count.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);

    // ---- Documents ----
    // Defined by the document layer (docview), which a program with documents links.
    // The application owns the templates it is given.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& rPosition) const;
    CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    // A new document of the first template (the single-document template re-initialises its one document).
    void OnFileNew();
    // Documents here have no files to choose from (the templates name no filter): nothing happens.
    void OnFileOpen();
    // FileNew goes through the application's command map (ID_FILE_NEW), FileOpen opens the named
    // file. FALSE when that made no main window or opened nothing.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // Through the document manager; TRUE and nothing without documents.
    BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);

    CDocManagerBase* m_pDocManager = nullptr;  // created by the first AddDocTemplate

protected:
    // ID_APP_EXIT: the main window is asked to close, which ends the program.
    void OnAppExit();

    DECLARE_MESSAGE_MAP()

private:
    friend BOOL FwWinInit(HINSTANCE, HINSTANCE, LPSTR, int);
    CString m_strAppName, m_strExeName, m_strRegistryKey, m_strHelpPath;
};

// ---- Module state of this binary ----
// FwGetInstanceHandle, FwGetResourceHandle and FwSetResourceHandle are in
// core/ResourceHandle.h, with the rule every resource loader follows.
CWinApp* FwGetApp();
LPCSTR FwGetAppName();
CWnd* FwGetMainWnd();

// Fills the application object's module data (called before InitInstance).
BOOL FwWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
// The program's entry: InitInstance, Run, ExitInstance of the application object.
int FwWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
// A DLL's entry: the framework's DllMain calls this; a DLL with its own DllMain calls it too.
BOOL FwDllMain(HINSTANCE hInstance, DWORD dwReason);
// TRUE in a DLL (its main window closing does not end the host's message loop).
BOOL FwIsDllModule();

// ---- Message boxes ----
// The application's DoMessageBox, or the message box function without an application.
int FwMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int FwMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
// The function that finally shows a message box (MessageBoxA by default); returns the previous one.
typedef int (*FwMessageBoxFn)(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);
FwMessageBoxFn FwSetMessageBoxFunction(FwMessageBoxFn pfn);
int FwShowMessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);

// ---- Help ----
// The function that finally starts the help program (WinHelpA by default), through which
// CWinApp::WinHelp goes; returns the previous one.
typedef BOOL (*FwWinHelpFn)(HWND hWndMain, LPCSTR lpszHelpFile, UINT nCmd, ULONG_PTR dwData);
FwWinHelpFn FwSetWinHelpFunction(FwWinHelpFn pfn);
