#include "com/ClassFactory.h"

#include "com/ServerModule.h"
#include "core/ExceptionReport.h"

#include <new>

CClassFactory::CClassFactory(CreateFunction create) : m_create(create)
{
    CServerModule::Get().Lock();
}

CClassFactory::~CClassFactory()
{
    CServerModule::Get().Unlock();
}

STDMETHODIMP CClassFactory::QueryInterface(REFIID riid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CClassFactory::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_refCount));
}

STDMETHODIMP_(ULONG) CClassFactory::Release()
{
    const LONG count = InterlockedDecrement(&m_refCount);
    if (count == 0)
        delete this;
    return static_cast<ULONG>(count);
}

STDMETHODIMP CClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    if (outer != nullptr)
        return CLASS_E_NOAGGREGATION;
    try {
        return m_create(riid, object);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        FwReportCurrentException("COM method");
        return E_UNEXPECTED;
    }
}

STDMETHODIMP CClassFactory::LockServer(BOOL lock)
{
    if (lock)
        CServerModule::Get().Lock();
    else
        CServerModule::Get().Unlock();
    return S_OK;
}
