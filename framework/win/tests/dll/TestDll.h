// Exports and resource ids of the test DLL that carries its own application object.
#pragma once
#include <windows.h>

#define IDS_TEST_STRING 1001
#define IDD_TEST 2001
#define IDD_DLL_TEST 2002
#define IDC_NAME 2101
#define IDC_FLAG 2102
#define IDC_LABEL 2103
#define IDR_TEST_MENU 3001
#define IDR_TEST_ACCEL 3002
// In the program and the DLL, with different contents, or in the program only.
#define IDS_PROGRAM_ONLY_STRING 1002
#define IDB_TEST_BITMAP 3201
#define IDB_PROGRAM_ONLY_BITMAP 3202

typedef void(CALLBACK* FwTestEventFn)(LPCSTR lpszEvent);

// "construct", "init" ... in order; the DLL checks its module state as it records.
typedef void(WINAPI* GetDllEventsFn)(LPSTR lpBuffer, int nBufferSize);
typedef void(WINAPI* SetDllExitCallbackFn)(FwTestEventFn pfn);
typedef BOOL(WINAPI* LoadDllStringFn)(UINT nID, LPSTR lpBuffer, int nBufferSize);
// Runs the DLL's own modal dialog, scripted from inside: the label it found and the result.
typedef INT_PTR(WINAPI* RunDllDialogFn)(LPSTR lpLabel, int nLabelSize);
