#pragma once

// IUnknown and IDispatch of a COM object with one dual interface IFace,
// the dispatch side driven by the type library. The object keeps the server
// module locked while it lives.

#include "com/ServerModule.h"
#include "com/TypeInfoHolder.h"

template <class IFace, const IID* piid>
class CDispatchImpl : public IFace {
public:
    CDispatchImpl() { CServerModule::Get().Lock(); }
    virtual ~CDispatchImpl() { CServerModule::Get().Unlock(); }

    CDispatchImpl(const CDispatchImpl&) = delete;
    CDispatchImpl& operator=(const CDispatchImpl&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, *piid)) {
            *object = static_cast<IFace*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }

    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_refCount)); }

    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG count = InterlockedDecrement(&m_refCount);
        if (count == 0)
            delete this;
        return static_cast<ULONG>(count);
    }

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        if (count == nullptr)
            return E_POINTER;
        *count = 1;
        return S_OK;
    }

    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override
    {
        return m_typeInfo.GetTypeInfo(index, info);
    }

    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
    {
        return m_typeInfo.GetIDsOfNames(riid, names, count, ids);
    }

    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override
    {
        return m_typeInfo.Invoke(static_cast<IFace*>(this), id, riid, flags, params, result, exception, argError);
    }

private:
    volatile LONG m_refCount = 0;
    CTypeInfoHolder m_typeInfo {*piid};
};
