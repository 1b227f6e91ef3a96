// The shell launcher: every document, address or program the product opens
// through the shell goes here, so tests can see the request instead of a new process.
#pragma once
#include <windows.h>

typedef HINSTANCE (*FwShellExecuteFn)(HWND hWnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters,
                                      LPCSTR lpDirectory, int nShowCmd);

// Same contract as ShellExecuteA (a value above 32 means success).
HINSTANCE FwShellExecute(HWND hWnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters = nullptr,
                         LPCSTR lpDirectory = nullptr, int nShowCmd = SW_SHOWNORMAL);
// Replaces the launcher; null restores the shell's. Returns the previous one.
FwShellExecuteFn FwSetShellLauncher(FwShellExecuteFn pfn);
