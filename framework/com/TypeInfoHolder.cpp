#include "com/TypeInfoHolder.h"

#include "com/ServerModule.h"

#include <oleauto.h>

CTypeInfoHolder::CTypeInfoHolder(const IID& iid) : m_iid(iid) {}

CTypeInfoHolder::~CTypeInfoHolder()
{
    if (m_interfaceInfo != nullptr)
        m_interfaceInfo->Release();
    if (m_dispatchInfo != nullptr)
        m_dispatchInfo->Release();
}

HRESULT CTypeInfoHolder::Load()
{
    if (m_dispatchInfo != nullptr)
        return S_OK;
    ITypeInfo* info = nullptr;
    HRESULT hr = CServerModule::Get().GetTypeInfo(m_iid, &info);
    if (FAILED(hr))
        return hr;

    // A dual interface is found as its dispatch description; calls go
    // through the interface description that it refers to.
    ITypeInfo* interfaceInfo = nullptr;
    TYPEATTR* attr = nullptr;
    hr = info->GetTypeAttr(&attr);
    if (SUCCEEDED(hr)) {
        const bool dual = attr->typekind == TKIND_DISPATCH && (attr->wTypeFlags & TYPEFLAG_FDUAL) != 0;
        info->ReleaseTypeAttr(attr);
        HREFTYPE ref = 0;
        if (dual && SUCCEEDED(info->GetRefTypeOfImplType(-1, &ref)))
            info->GetRefTypeInfo(ref, &interfaceInfo);
    }
    if (interfaceInfo == nullptr) {
        interfaceInfo = info;
        interfaceInfo->AddRef();
    }
    m_dispatchInfo = info;
    m_interfaceInfo = interfaceInfo;
    return S_OK;
}

HRESULT CTypeInfoHolder::GetTypeInfo(UINT index, ITypeInfo** info)
{
    if (info == nullptr)
        return E_POINTER;
    *info = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    const HRESULT hr = Load();
    if (FAILED(hr))
        return hr;
    m_dispatchInfo->AddRef();
    *info = m_dispatchInfo;
    return S_OK;
}

HRESULT CTypeInfoHolder::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, DISPID* ids)
{
    if (!IsEqualIID(riid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    if (names == nullptr || ids == nullptr)
        return E_POINTER;
    const HRESULT hr = Load();
    if (FAILED(hr))
        return hr;
    return DispGetIDsOfNames(m_dispatchInfo, names, count, ids);
}

HRESULT CTypeInfoHolder::Invoke(void* object, DISPID id, REFIID riid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                EXCEPINFO* exception, UINT* argError)
{
    if (!IsEqualIID(riid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    if (params == nullptr)
        return E_POINTER;
    const HRESULT hr = Load();
    if (FAILED(hr))
        return hr;
    return DispInvoke(object, m_interfaceInfo, id, flags, params, result, exception, argError);
}
