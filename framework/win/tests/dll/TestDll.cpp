// A DLL built on the framework: an application object constructed at load,
// initialised at attach and exited at detach, with its own resources.
#include "TestDll.h"
#include "win/WinApp.h"
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
}

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
