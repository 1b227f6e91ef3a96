// CWTKUserToolsManagerBase: the optional user tools manager as the workspace sees it: tools run
// by command id, and their registry state.
#pragma once
#include "foundation/WTKProcessPointer.h"
#include <windows.h>

class CWTKUserToolsManagerBase {
public:
    virtual ~CWTKUserToolsManagerBase() = default;

    // Runs the tool with the command id; FALSE when there is none or it fails to start.
    virtual BOOL InvokeTool(UINT uiCmdId) = 0;
    virtual BOOL LoadState(LPCTSTR lpszProfileName) = 0;
    virtual BOOL SaveState(LPCTSTR lpszProfileName) = 0;
};

// The process-wide user tools manager, or null (it is set when the object is made and cleared when
// the object goes).
inline CWTKUserToolsManagerBase* WTKGetUserToolsManager()
{
    return WTKProcessPointer<CWTKUserToolsManagerBase>();
}
inline void WTKSetUserToolsManager(CWTKUserToolsManagerBase* pObject)
{
    WTKProcessPointer<CWTKUserToolsManagerBase>() = pObject;
}
