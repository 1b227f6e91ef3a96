// CWTKRegistryHolder: the registry object of one load or save step, on the caller's stack.
// Create makes it on first use (of the class the application registered, or CWTKRegistry);
// the holder deletes it, which closes its key.
#pragma once
#include "foundation/WTKRegistry.h"

class CWTKRegistryHolder {
public:
    CWTKRegistryHolder() = default;
    ~CWTKRegistryHolder();
    CWTKRegistryHolder(const CWTKRegistryHolder&) = delete;
    CWTKRegistryHolder& operator=(const CWTKRegistryHolder&) = delete;

    // The first call creates the object with these flags; later calls return the same object
    // and ignore their arguments.
    CWTKRegistry& Create(BOOL bAdmin, BOOL bReadOnly);

    // The class every holder creates from now on; it must derive from CWTKRegistry and be
    // creatable (FALSE and no change otherwise). Null goes back to CWTKRegistry.
    static BOOL SetRegistryClass(CRuntimeClass* pRTI);
    static CRuntimeClass* GetRegistryClass();

protected:
    CWTKRegistry* m_pRegistry = nullptr;
    int m_nExtra = 0;
};
