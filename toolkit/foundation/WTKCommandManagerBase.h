// CWTKCommandManagerBase: the command manager as the workspace sees it (its command images
// state). The command manager registers itself with WTKSetCommandManager.
#pragma once
#include "foundation/WTKProcessPointer.h"
#include <windows.h>

class CWTKCommandManagerBase {
public:
    virtual ~CWTKCommandManagerBase() = default;

    virtual BOOL LoadState(LPCTSTR lpszProfileName) = 0;
    virtual BOOL SaveState(LPCTSTR lpszProfileName) = 0;
};

// The process-wide command manager, or null.
inline CWTKCommandManagerBase* WTKGetCommandManager()
{
    return WTKProcessPointer<CWTKCommandManagerBase>();
}
inline void WTKSetCommandManager(CWTKCommandManagerBase* pManager)
{
    WTKProcessPointer<CWTKCommandManagerBase>() = pManager;
}
