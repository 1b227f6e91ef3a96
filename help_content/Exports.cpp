// The six functions through which the help viewer reads the document. They are bound by
// name; no exception may leave them.
#include <windows.h>

#include "HelpContentApp.h"
#include "core/ExceptionReport.h"
#include "TextCopy.h"
#include "win/TreeCtrl.h"

extern "C" {

int* WINAPI GetContentCount(int* pCount)
{
    if (pCount)
        *pCount = kTopicCount;
    return pCount;
}

int WINAPI GetTopic(int nIndex, LPSTR lpszBuffer)
{
    try {
        return HelpContentApp().CopyTitle(nIndex, lpszBuffer);
    } catch (...) {
        FwReportCurrentException("content module export");
        return 0;
    }
}

int WINAPI GetKeyword(int nIndex, LPSTR lpszBuffer)
{
    try {
        return HelpContentApp().CopyKeywords(nIndex, lpszBuffer);
    } catch (...) {
        FwReportCurrentException("content module export");
        return 0;
    }
}

int WINAPI GetURL(int nIndex, LPSTR lpszBuffer)
{
    try {
        return HelpContentApp().CopyAddress(nIndex, lpszBuffer);
    } catch (...) {
        FwReportCurrentException("content module export");
        return 0;
    }
}

void WINAPI Get_Lumidoc_Doc_Name(LPSTR lpszBuffer)
{
    try {
        CString strName;
        strName.LoadString(IDS_DOC_NAME);
        CopyToViewerBuffer(strName, lpszBuffer);
    } catch (...) {
        FwReportCurrentException("content module export");
        CopyToViewerBuffer("", lpszBuffer);
    }
}

// Works on the window of the caller's tree-control object, the one part of that object
// this module may rely on.
BOOL WINAPI LoadContents(CTreeCtrl* pTree)
{
    try {
        const HWND hTree = FwForeignTreeHandle(pTree);
        if (!::IsWindow(hTree))
            return FALSE;
        return HelpContentApp().LoadContents(hTree);
    } catch (...) {
        FwReportCurrentException("content module export");
        return FALSE;
    }
}

}  // extern "C"
