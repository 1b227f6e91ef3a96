#include "win/WinApp.h"
#include "core/ExceptionReport.h"
#include "win/FrameworkRes.h"
#include "win/ThreadState.h"
#include "win/Wnd.h"

#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

namespace {
// This binary's module state: every binary links its own copy of the framework.
struct ModuleState {
    CWinApp* pApp = nullptr;
    BOOL bDll = FALSE;
};

ModuleState& TheModule()
{
    static ModuleState state;
    return state;
}

int DefaultMessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    return ::MessageBoxA(hWndOwner, lpszText, lpszCaption, nType);
}

FwMessageBoxFn g_pfnMessageBox = &DefaultMessageBox;

BOOL DefaultWinHelp(HWND hWndMain, LPCSTR lpszHelpFile, UINT nCmd, ULONG_PTR dwData)
{
    return ::WinHelpA(hWndMain, lpszHelpFile, nCmd, dwData);
}

FwWinHelpFn g_pfnWinHelp = &DefaultWinHelp;

CString ModuleBaseName(HINSTANCE hInstance)
{
    char szPath[MAX_PATH] = "";
    ::GetModuleFileNameA(hInstance, szPath, MAX_PATH);
    CString strName = szPath;
    strName = strName.Mid(strName.ReverseFind('\\') + 1);
    int nDot = strName.ReverseFind('.');
    return nDot > 0 ? strName.Left(nDot) : strName;
}
}  // namespace

CWinApp* FwGetApp()
{
    return TheModule().pApp;
}

LPCSTR FwGetAppName()
{
    CWinApp* pApp = FwGetApp();
    return pApp ? pApp->m_pszAppName : nullptr;
}

CWnd* FwGetMainWnd()
{
    CWinThread* pThread = FwGetThread();
    return pThread ? pThread->GetMainWnd() : nullptr;
}

CWinApp::CWinApp(LPCSTR lpszAppName)
{
    if (lpszAppName) {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
    m_hInstance = FwGetInstanceHandle();
    m_hThread = ::GetCurrentThread();
    m_nThreadID = ::GetCurrentThreadId();
    TheModule().pApp = this;
    FwGetThreadState()->pThread = this;
}

CWinApp::~CWinApp()
{
    delete m_pDocManager;
    if (TheModule().pApp == this)
        TheModule().pApp = nullptr;
    FwThreadState* t = FwGetThreadState();
    if (t->pThread == this)
        t->pThread = nullptr;
}

int CWinApp::ExitInstance()
{
    return CWinThread::ExitInstance();
}

void CWinApp::OnAppExit()
{
    if (CWnd* pMainWnd = GetMainWnd())
        pMainWnd->SendMessage(WM_CLOSE);
}

BOOL CWinApp::SaveAllModified()
{
    return m_pDocManager ? m_pDocManager->SaveAllModified() : TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    if (m_pDocManager)
        m_pDocManager->CloseAllDocuments(bEndSession);
}

// ---- Command line ----

namespace {
// The command line comes from whoever started the program: read within bounds.
constexpr size_t kMaxCommandLine = 32767;
constexpr size_t kMaxCommandWords = 256;

std::vector<std::string> SplitCommandLine(LPCSTR lpszLine)
{
    std::vector<std::string> words;
    if (!lpszLine)
        return words;
    std::string word;
    bool bInWord = false, bQuoted = false;
    for (size_t i = 0; i < kMaxCommandLine && lpszLine[i] && words.size() < kMaxCommandWords; ++i) {
        char ch = lpszLine[i];
        if (ch == '"') {
            bQuoted = !bQuoted;
            bInWord = true;
        } else if ((ch == ' ' || ch == '\t') && !bQuoted) {
            if (bInWord)
                words.push_back(word);
            word.clear();
            bInWord = false;
        } else {
            word += ch;
            bInWord = true;
        }
    }
    if (bInWord && words.size() < kMaxCommandWords)
        words.push_back(word);
    return words;
}
}  // namespace

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    std::vector<std::string> words = SplitCommandLine(m_lpCmdLine);
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        BOOL bFlag = word.size() > 1 && (word[0] == '/' || word[0] == '-');
        rCmdInfo.ParseParam(word.c_str() + (bFlag ? 1 : 0), bFlag, i + 1 == words.size());
    }
}

BOOL FwWinInit(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = FwGetApp();
    if (!pApp)
        return TRUE;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    pApp->m_strExeName = ModuleBaseName(hInstance);
    pApp->m_pszExeName = pApp->m_strExeName;
    if (!pApp->m_pszAppName) {
        if (!pApp->m_strAppName.LoadString(FW_IDS_APP_TITLE))
            pApp->m_strAppName = pApp->m_strExeName;
        pApp->m_pszAppName = pApp->m_strAppName;
    }
    if (!pApp->m_pszHelpFilePath) {
        char szPath[MAX_PATH] = "";
        ::GetModuleFileNameA(hInstance, szPath, MAX_PATH);
        pApp->m_strHelpPath = szPath;
        int nDot = pApp->m_strHelpPath.ReverseFind('.');
        if (nDot > 0)
            pApp->m_strHelpPath = pApp->m_strHelpPath.Left(nDot) + ".hlp";
        pApp->m_pszHelpFilePath = pApp->m_strHelpPath;
    }
    return TRUE;
}

int FwWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    CWinThread* pThread = FwGetThread();
    CWinApp* pApp = FwGetApp();
    if (!pThread || !FwWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
        return -1;
    try {
        if (pApp && !pApp->InitApplication())
            return -1;
        if (!pThread->InitInstance()) {
            if (pThread->m_pMainWnd && pThread->m_pMainWnd->m_hWnd)
                pThread->m_pMainWnd->DestroyWindow();
            return pThread->ExitInstance();
        }
        return pThread->Run();
    } catch (...) {
        FwReportCurrentException("program entry");
        return -1;
    }
}

BOOL FwIsDllModule()
{
    return TheModule().bDll;
}

BOOL FwDllMain(HINSTANCE hInstance, DWORD dwReason)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        TheModule().bDll = TRUE;
    CWinApp* pApp = FwGetApp();
    if (!pApp)
        return TRUE;
    try {
        if (dwReason == DLL_PROCESS_ATTACH) {
            FwWinInit(hInstance, nullptr, nullptr, SW_SHOWNORMAL);
            if (!pApp->InitInstance()) {
                pApp->ExitInstance();
                return FALSE;
            }
        } else if (dwReason == DLL_PROCESS_DETACH) {
            pApp->ExitInstance();
        }
    } catch (...) {
        FwReportCurrentException("DLL entry");
        return FALSE;
    }
    return TRUE;
}

// ---- Message boxes and help ----

FwMessageBoxFn FwSetMessageBoxFunction(FwMessageBoxFn pfn)
{
    FwMessageBoxFn pfnOld = g_pfnMessageBox;
    g_pfnMessageBox = pfn ? pfn : &DefaultMessageBox;
    return pfnOld;
}

int FwShowMessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    return g_pfnMessageBox(hWndOwner, lpszText, lpszCaption, nType);
}

static HWND MessageBoxOwner()
{
    HWND hWnd = ::GetActiveWindow();
    if (hWnd && ::GetWindowThreadProcessId(hWnd, nullptr) == ::GetCurrentThreadId())
        return ::GetLastActivePopup(hWnd);
    CWnd* pMainWnd = FwGetMainWnd();
    return pMainWnd ? pMainWnd->m_hWnd : nullptr;
}

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT)
{
    return FwShowMessageBox(MessageBoxOwner(), lpszPrompt, m_pszAppName, nType);
}

int FwMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp* pApp = FwGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    CString strCaption = ModuleBaseName(FwGetInstanceHandle());
    return FwShowMessageBox(MessageBoxOwner(), lpszText, strCaption, nType);
}

int FwMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    return FwMessageBox(strPrompt, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}

FwWinHelpFn FwSetWinHelpFunction(FwWinHelpFn pfn)
{
    FwWinHelpFn pfnOld = g_pfnWinHelp;
    g_pfnWinHelp = pfn ? pfn : &DefaultWinHelp;
    return pfnOld;
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWnd* pMainWnd = GetMainWnd();
    g_pfnWinHelp(pMainWnd ? pMainWnd->m_hWnd : nullptr, m_pszHelpFilePath, nCmd, dwData);
}

// ---- Resources ----

HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const
{
    HINSTANCE hInst = FwFindResourceHandle(lpszResourceName, RT_GROUP_ICON);
    return hInst ? ::LoadIconA(hInst, lpszResourceName) : nullptr;
}

HCURSOR CWinApp::LoadCursor(LPCSTR lpszResourceName) const
{
    HINSTANCE hInst = FwFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR);
    return hInst ? ::LoadCursorA(hInst, lpszResourceName) : nullptr;
}
