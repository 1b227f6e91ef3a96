// A DLL built on the framework: an application object constructed at load,
// initialised at attach and exited at detach, with its own resources.
#include "TestDll.h"
#include "win/WinApp.h"
#include "win/DataExchange.h"
#include "win/Dialog.h"
#include <string>

namespace {
std::string g_events;
FwTestEventFn g_pfnExit = nullptr;

void Record(const char* pszEvent)
{
    g_events += (g_events.empty() ? "" : "|");
    g_events += pszEvent;
}

HINSTANCE ThisDll()
{
    HMODULE hModule = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&Record), &hModule);
    return hModule;
}

class CTestDllApp : public CWinApp {
public:
    CTestDllApp() : CWinApp("FwTestDll") { Record("construct"); }
    BOOL InitInstance() override
    {
        bool bOwnModule = m_hInstance == ThisDll() && FwGetInstanceHandle() == ThisDll() &&
            FwGetResourceHandle() == ThisDll() && FwGetApp() == this;
        Record(bOwnModule ? "init" : "init:wrong module state");
        return TRUE;
    }
    int ExitInstance() override
    {
        if (g_pfnExit)
            g_pfnExit("exit");
        return CWinApp::ExitInstance();
    }
};

CTestDllApp theDllApp;
}  // namespace

extern "C" void WINAPI GetDllEvents(LPSTR lpBuffer, int nBufferSize)
{
    lstrcpynA(lpBuffer, g_events.c_str(), nBufferSize);
}

extern "C" void WINAPI SetDllExitCallback(FwTestEventFn pfn)
{
    g_pfnExit = pfn;
}

extern "C" BOOL WINAPI LoadDllString(UINT nID, LPSTR lpBuffer, int nBufferSize)
{
    CString str;
    BOOL bFound = str.LoadString(nID);
    lstrcpynA(lpBuffer, str, nBufferSize);
    return bFound;
}

namespace {
const UINT_PTR SCRIPT_TIMER = 1;

// Scripted from inside: fills the edit and presses OK on its first timer tick.
class CDllDialog : public CDialog {
public:
    CDllDialog() : CDialog(IDD_DLL_TEST) {}
    CString m_strLabel;
    CString m_strName;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetTimer(SCRIPT_TIMER, 10);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_NAME, m_strName); }
    void OnTimer(UINT_PTR)
    {
        KillTimer(SCRIPT_TIMER);
        GetDlgItemText(IDC_LABEL, m_strLabel);
        SetDlgItemText(IDC_NAME, "typed");
        GetDlgItem(IDOK)->SendMessage(BM_CLICK);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDllDialog, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()
}  // namespace

extern "C" INT_PTR WINAPI RunDllDialog(LPSTR lpLabel, int nLabelSize)
{
    CDllDialog dlg;
    INT_PTR nResult = dlg.DoModal();
    CString strReport = dlg.m_strLabel + "|" + dlg.m_strName;
    lstrcpynA(lpLabel, strReport, nLabelSize);
    return nResult;
}
