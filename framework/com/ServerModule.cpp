#include "com/ServerModule.h"

#include "com/ClassFactory.h"
#include "com/RegistryScript.h"

#include <oleauto.h>

#include <algorithm>
#include <new>
#include <vector>

namespace {
const char kModuleReplacement[] = "MODULE";

std::wstring Widen(const CString& text)
{
    if (text.IsEmpty())
        return std::wstring();
    const int length = MultiByteToWideChar(CP_ACP, 0, text.GetString(), text.GetLength(), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.GetString(), text.GetLength(), &wide[0], length);
    return wide;
}
}  // namespace

CServerModule& CServerModule::Get()
{
    static CServerModule module;
    return module;
}

void CServerModule::Init(HINSTANCE instance, const ComClassEntry* classes, std::size_t count, const GUID& libid)
{
    m_instance = instance;
    m_classes = classes;
    m_classCount = count;
    m_libid = libid;
}

void CServerModule::Term()
{
    m_classes = nullptr;
    m_classCount = 0;
}

LONG CServerModule::Lock()
{
    return InterlockedIncrement(&m_lockCount);
}

LONG CServerModule::Unlock()
{
    return InterlockedDecrement(&m_lockCount);
}

LONG CServerModule::GetLockCount() const
{
    return m_lockCount;
}

CString CServerModule::GetModulePath() const
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(m_instance, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return CString();
        if (length < buffer.size())
            return CString(buffer.data(), static_cast<int>(length));
        buffer.resize(buffer.size() * 2);
    }
}

CString CServerModule::GetModuleFolder() const
{
    const CString path = GetModulePath();
    const int slash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return slash < 0 ? CString() : path.Left(slash);
}

HRESULT CServerModule::GetClassObject(REFCLSID clsid, REFIID riid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    for (std::size_t i = 0; i < m_classCount; ++i) {
        if (!IsEqualCLSID(clsid, *m_classes[i].clsid))
            continue;
        CClassFactory* factory = new (std::nothrow) CClassFactory(m_classes[i].create);
        if (factory == nullptr)
            return E_OUTOFMEMORY;
        const HRESULT hr = factory->QueryInterface(riid, object);
        factory->Release();
        return hr;
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT CServerModule::CanUnloadNow() const
{
    return m_lockCount == 0 ? S_OK : S_FALSE;
}

HRESULT CServerModule::RegisterServer(UINT scriptId)
{
    try {
        return RunRegistration(scriptId, true);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT CServerModule::UnregisterServer(UINT scriptId)
{
    try {
        return RunRegistration(scriptId, false);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT CServerModule::RunRegistration(UINT scriptId, bool install)
{
    CRegistryScript script;
    script.AddReplacement(kModuleReplacement, GetModulePath().GetString());
    CString text;
    HRESULT hr = CRegistryScript::LoadScript(m_instance, scriptId, text);
    if (FAILED(hr))
        return hr;
    if (install) {
        hr = script.Register(text);
        if (SUCCEEDED(hr)) {
            hr = RegisterTypeLib();
            if (FAILED(hr))
                script.Unregister(text);
        }
        return hr;
    }
    hr = script.Unregister(text);
    const HRESULT typeLibResult = UnregisterTypeLib();
    return FAILED(hr) ? hr : typeLibResult;
}

HRESULT CServerModule::GetTypeInfo(REFGUID guid, ITypeInfo** info) const
{
    if (info == nullptr)
        return E_POINTER;
    *info = nullptr;
    ITypeLib* lib = nullptr;
    HRESULT hr = E_OUTOFMEMORY;
    try {
        hr = LoadTypeLib(&lib);
    } catch (const std::bad_alloc&) {
    }
    if (FAILED(hr))
        return hr;
    hr = lib->GetTypeInfoOfGuid(guid, info);
    lib->Release();
    return hr;
}

HRESULT CServerModule::LoadTypeLib(ITypeLib** lib) const
{
    const std::wstring path = Widen(GetModulePath());
    if (path.empty())
        return HRESULT_FROM_WIN32(GetLastError());
    return LoadTypeLibEx(path.c_str(), REGKIND_NONE, lib);
}

HRESULT CServerModule::RegisterTypeLib() const
{
    ITypeLib* lib = nullptr;
    HRESULT hr = LoadTypeLib(&lib);
    if (FAILED(hr))
        return hr;
    std::wstring path = Widen(GetModulePath());
    hr = ::RegisterTypeLib(lib, &path[0], nullptr);
    lib->Release();
    return hr;
}

HRESULT CServerModule::UnregisterTypeLib() const
{
    ITypeLib* lib = nullptr;
    HRESULT hr = LoadTypeLib(&lib);
    if (FAILED(hr))
        return hr;
    TLIBATTR* attr = nullptr;
    hr = lib->GetLibAttr(&attr);
    if (SUCCEEDED(hr)) {
        // Already gone counts as done.
        BSTR registeredPath = nullptr;
        if (SUCCEEDED(QueryPathOfRegTypeLib(attr->guid, attr->wMajorVerNum, attr->wMinorVerNum, attr->lcid,
                                            &registeredPath))) {
            SysFreeString(registeredPath);
            hr = ::UnRegisterTypeLib(attr->guid, attr->wMajorVerNum, attr->wMinorVerNum, attr->lcid, attr->syskind);
        }
        lib->ReleaseTLibAttr(attr);
    }
    lib->Release();
    return hr;
}
