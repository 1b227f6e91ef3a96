#pragma once

// Type information of one dual interface, loaded on first use from the
// server module's own type library, and the IDispatch work done over it.

#include <windows.h>
#include <oaidl.h>

class CTypeInfoHolder {
public:
    explicit CTypeInfoHolder(const IID& iid);
    ~CTypeInfoHolder();

    CTypeInfoHolder(const CTypeInfoHolder&) = delete;
    CTypeInfoHolder& operator=(const CTypeInfoHolder&) = delete;

    HRESULT GetTypeInfo(UINT index, ITypeInfo** info);
    HRESULT GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, DISPID* ids);
    HRESULT Invoke(void* object, DISPID id, REFIID riid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argError);

private:
    HRESULT Load();

    const IID& m_iid;
    ITypeInfo* m_dispatchInfo = nullptr;   // what clients see
    ITypeInfo* m_interfaceInfo = nullptr;  // the vtable side that DispInvoke calls through
};
