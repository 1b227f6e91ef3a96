#include "win/ShellLauncher.h"
#include <shellapi.h>

namespace {
HINSTANCE ShellLaunch(HWND hWnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters, LPCSTR lpDirectory,
                      int nShowCmd)
{
    return ::ShellExecuteA(hWnd, lpOperation, lpFile, lpParameters, lpDirectory, nShowCmd);
}

FwShellExecuteFn g_pfnLauncher = &ShellLaunch;
}  // namespace

HINSTANCE FwShellExecute(HWND hWnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters, LPCSTR lpDirectory,
                         int nShowCmd)
{
    return g_pfnLauncher(hWnd, lpOperation, lpFile, lpParameters, lpDirectory, nShowCmd);
}

FwShellExecuteFn FwSetShellLauncher(FwShellExecuteFn pfn)
{
    FwShellExecuteFn pfnOld = g_pfnLauncher;
    g_pfnLauncher = pfn ? pfn : &ShellLaunch;
    return pfnOld;
}
