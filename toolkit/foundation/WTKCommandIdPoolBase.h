// CWTKCommandIdPoolBase: the optional command id pool as the workspace sees it: an object it
// may own and delete.
#pragma once
#include "foundation/WTKProcessPointer.h"
#include <windows.h>

class CWTKCommandIdPoolBase {
public:
    virtual ~CWTKCommandIdPoolBase() = default;
};

// The process-wide command id pool, or null (it is set when the object is made and cleared when
// the object goes).
inline CWTKCommandIdPoolBase* WTKGetCommandIdPool()
{
    return WTKProcessPointer<CWTKCommandIdPoolBase>();
}
inline void WTKSetCommandIdPool(CWTKCommandIdPoolBase* pObject)
{
    WTKProcessPointer<CWTKCommandIdPoolBase>() = pObject;
}
