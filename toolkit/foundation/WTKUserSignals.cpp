#include "foundation/WTKUserSignals.h"
#include "win/FileDialog.h"
#include "win/Wnd.h"

namespace {

void SystemBeep(UINT nType)
{
    ::MessageBeep(nType);
}

BOOL SystemChooseFile(HWND hWndOwner, BOOL bOpen, LPCSTR lpszDefExt, LPCSTR lpszFileName, LPCSTR lpszFilter,
                      CString& strPath)
{
    CFileDialog dlg(bOpen, lpszDefExt, lpszFileName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, lpszFilter,
                    CWnd::FromHandle(hWndOwner));
    if (dlg.DoModal() != IDOK)
        return FALSE;
    strPath = dlg.GetPathName();
    return TRUE;
}

WTKBeepFn s_pfnBeep = SystemBeep;
WTKChooseFileFn s_pfnChooseFile = SystemChooseFile;

}  // namespace

void WTKBeep(UINT nType)
{
    s_pfnBeep(nType);
}

WTKBeepFn WTKSetBeepFunction(WTKBeepFn pfn)
{
    WTKBeepFn pfnOld = s_pfnBeep;
    s_pfnBeep = pfn != nullptr ? pfn : SystemBeep;
    return pfnOld;
}

BOOL WTKChooseFile(HWND hWndOwner, BOOL bOpen, LPCSTR lpszDefExt, LPCSTR lpszFileName, LPCSTR lpszFilter,
                   CString& strPath)
{
    return s_pfnChooseFile(hWndOwner, bOpen, lpszDefExt, lpszFileName, lpszFilter, strPath);
}

WTKChooseFileFn WTKSetChooseFileFunction(WTKChooseFileFn pfn)
{
    WTKChooseFileFn pfnOld = s_pfnChooseFile;
    s_pfnChooseFile = pfn != nullptr ? pfn : SystemChooseFile;
    return pfnOld;
}
