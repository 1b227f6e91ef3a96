// Exports of the test DLL that carries its own application object.
#pragma once
#include <windows.h>

#define IDS_TEST_STRING 1001

typedef void (CALLBACK* FwTestEventFn)(LPCSTR lpszEvent);

// "construct", "init" ... in order; the DLL checks its module state as it records.
typedef void (WINAPI* GetDllEventsFn)(LPSTR lpBuffer, int nBufferSize);
typedef void (WINAPI* SetDllExitCallbackFn)(FwTestEventFn pfn);
typedef BOOL (WINAPI* LoadDllStringFn)(UINT nID, LPSTR lpBuffer, int nBufferSize);
