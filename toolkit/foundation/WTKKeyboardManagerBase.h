// CWTKKeyboardManagerBase: the optional keyboard manager as the workspace sees it: the
// customised accelerator tables in the registry.
#pragma once
#include "foundation/WTKProcessPointer.h"
#include <windows.h>

class CFrameWnd;

class CWTKKeyboardManagerBase {
public:
    virtual ~CWTKKeyboardManagerBase() = default;

    // pDefaultFrame: the frame whose tables are loaded or saved (null: the main frame).
    virtual BOOL LoadState(LPCTSTR lpszProfileName, CFrameWnd* pDefaultFrame) = 0;
    virtual BOOL SaveState(LPCTSTR lpszProfileName, CFrameWnd* pDefaultFrame) = 0;
};

// The process-wide keyboard manager, or null (it is set when the object is made and cleared when
// the object goes).
inline CWTKKeyboardManagerBase* WTKGetKeyboardManager()
{
    return WTKProcessPointer<CWTKKeyboardManagerBase>();
}
inline void WTKSetKeyboardManager(CWTKKeyboardManagerBase* pObject)
{
    WTKProcessPointer<CWTKKeyboardManagerBase>() = pObject;
}
