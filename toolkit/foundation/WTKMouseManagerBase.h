// CWTKMouseManagerBase: the optional mouse manager as the workspace sees it: the commands bound to
// double clicks in views, and their registry state.
#pragma once
#include "foundation/WTKProcessPointer.h"
#include <windows.h>

class CWTKMouseManagerBase {
public:
    virtual ~CWTKMouseManagerBase() = default;

    // The command bound to a double click in the view, 0 when none.
    virtual UINT GetViewDblClickCommand(int iViewId) const = 0;
    virtual BOOL LoadState(LPCTSTR lpszProfileName) = 0;
    virtual BOOL SaveState(LPCTSTR lpszProfileName) = 0;
};

// The process-wide mouse manager, or null (it is set when the object is made and cleared when
// the object goes).
inline CWTKMouseManagerBase* WTKGetMouseManager()
{
    return WTKProcessPointer<CWTKMouseManagerBase>();
}
inline void WTKSetMouseManager(CWTKMouseManagerBase* pObject)
{
    WTKProcessPointer<CWTKMouseManagerBase>() = pObject;
}
