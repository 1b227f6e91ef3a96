#pragma once

// Class factory of one creatable class. It keeps the server module locked
// while it exists, so the module stays loaded as long as a client holds it.

#include <windows.h>
#include <objbase.h>

#include <new>

class CClassFactory : public IClassFactory {
public:
    typedef HRESULT (*CreateFunction)(REFIID riid, void** object);

    explicit CClassFactory(CreateFunction create);
    virtual ~CClassFactory();

    CClassFactory(const CClassFactory&) = delete;
    CClassFactory& operator=(const CClassFactory&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IClassFactory
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    CreateFunction m_create;
    volatile LONG m_refCount = 1;
};

// Creation function for a class table entry: a new T, asked for riid.
template <class T>
HRESULT CreateComObject(REFIID riid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    T* instance = new (std::nothrow) T;
    if (instance == nullptr)
        return E_OUTOFMEMORY;
    instance->AddRef();
    const HRESULT hr = instance->QueryInterface(riid, object);
    instance->Release();
    return hr;
}
