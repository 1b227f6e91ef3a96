#pragma once

// The in-process COM server's module object: instance handle, lock count,
// class table, and registration from the module's own resources.

#include "core/String.h"

#include <windows.h>
#include <objbase.h>

#include <cstddef>
#include <string>

struct ComClassEntry {
    const CLSID* clsid;
    HRESULT (*create)(REFIID riid, void** object);
};

class CServerModule {
public:
    static CServerModule& Get();

    void Init(HINSTANCE instance, const ComClassEntry* classes, std::size_t count, const GUID& libid);
    void Term();

    LONG Lock();
    LONG Unlock();
    LONG GetLockCount() const;

    HINSTANCE GetInstance() const { return m_instance; }
    const GUID& GetLibId() const { return m_libid; }
    CString GetModulePath() const;
    CString GetModuleFolder() const;

    HRESULT GetClassObject(REFCLSID clsid, REFIID riid, void** object);
    HRESULT CanUnloadNow() const;

    // Runs the "REGISTRY" resource scriptId with %MODULE% set to the
    // module's path, then registers the module's type library.
    HRESULT RegisterServer(UINT scriptId);
    HRESULT UnregisterServer(UINT scriptId);

    // Type information of one interface from the module's own type library.
    HRESULT GetTypeInfo(REFGUID guid, ITypeInfo** info) const;

private:
    CServerModule() = default;

    HRESULT RunRegistration(UINT scriptId, bool install);
    HRESULT LoadTypeLib(ITypeLib** lib) const;
    HRESULT RegisterTypeLib() const;
    HRESULT UnregisterTypeLib() const;

    HINSTANCE m_instance = nullptr;
    const ComClassEntry* m_classes = nullptr;
    std::size_t m_classCount = 0;
    GUID m_libid = GUID_NULL;
    volatile LONG m_lockCount = 0;
};
