// Beeps and the file chooser of the toolkit, each through one replaceable function so that a
// program (or a test) can answer them. Message boxes go through the framework's FwMessageBox,
// which has its own replaceable function.
#pragma once
#include "core/String.h"
#include <windows.h>

// ::MessageBeep(nType) by default.
typedef void (*WTKBeepFn)(UINT nType);
void WTKBeep(UINT nType);
WTKBeepFn WTKSetBeepFunction(WTKBeepFn pfn);  // returns the previous one

// The system's Open (bOpen) or Save As dialog; TRUE with the chosen path in strPath.
// lpszFilter: pairs of description and pattern, each ended by '|', the list by "||".
typedef BOOL (*WTKChooseFileFn)(HWND hWndOwner, BOOL bOpen, LPCSTR lpszDefExt, LPCSTR lpszFileName, LPCSTR lpszFilter,
                                CString& strPath);
BOOL WTKChooseFile(HWND hWndOwner, BOOL bOpen, LPCSTR lpszDefExt, LPCSTR lpszFileName, LPCSTR lpszFilter,
                   CString& strPath);
WTKChooseFileFn WTKSetChooseFileFunction(WTKChooseFileFn pfn);  // returns the previous one
