#include "com/RegistryScript.h"

#include "core/RegKey.h"

#include <climits>
#include <new>

namespace {
const char kResourceType[] = "REGISTRY";

bool IsMissing(LONG result)
{
    return result == ERROR_FILE_NOT_FOUND || result == ERROR_PATH_NOT_FOUND;
}

LONG DeleteTree(HKEY parent, const std::string& name)
{
    const LONG result = RegDeleteTreeA(parent, name.c_str());
    return IsMissing(result) ? ERROR_SUCCESS : result;
}

LONG SetValue(CRegKey& key, const RegistryValue& value)
{
    return key.SetValue(value.name.empty() ? nullptr : value.name.c_str(), value.type, value.data.data(),
                        static_cast<ULONG>(value.data.size()));
}

}  // namespace

void CRegistryScript::AddReplacement(LPCSTR name, LPCSTR value)
{
    if (name && value)
        m_replacements[name] = value;
}

HRESULT CRegistryScript::Parse(LPCSTR script, std::vector<RegistryRootNode>& roots) const
{
    try {
        CRegistryScriptParser parser(m_replacements);
        return parser.Parse(script ? script : "", roots) ? S_OK : kSyntaxError;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT CRegistryScript::Register(LPCSTR script) const
{
    std::vector<RegistryRootNode> roots;
    HRESULT hr = Parse(script, roots);
    if (FAILED(hr))
        return hr;
    for (const RegistryRootNode& root : roots) {
        for (const RegistryKeyNode& key : root.keys) {
            const LONG result = RegisterKey(root.root, key);
            if (result != ERROR_SUCCESS) {
                UnregisterAll(roots);
                return HRESULT_FROM_WIN32(result);
            }
        }
    }
    return S_OK;
}

HRESULT CRegistryScript::Unregister(LPCSTR script) const
{
    std::vector<RegistryRootNode> roots;
    HRESULT hr = Parse(script, roots);
    if (FAILED(hr))
        return hr;
    for (const RegistryRootNode& root : roots) {
        for (const RegistryKeyNode& key : root.keys) {
            const LONG result = UnregisterKey(root.root, key);
            if (result != ERROR_SUCCESS && SUCCEEDED(hr))
                hr = HRESULT_FROM_WIN32(result);
        }
    }
    return hr;
}

void CRegistryScript::UnregisterAll(const std::vector<RegistryRootNode>& roots)
{
    for (const RegistryRootNode& root : roots) {
        for (const RegistryKeyNode& key : root.keys)
            UnregisterKey(root.root, key);
    }
}

LONG CRegistryScript::RegisterKey(HKEY parent, const RegistryKeyNode& node)
{
    if (node.flag == RegistryKeyNode::Delete)
        return DeleteTree(parent, node.name);
    if (node.flag == RegistryKeyNode::ForceRemove) {
        const LONG result = DeleteTree(parent, node.name);
        if (result != ERROR_SUCCESS)
            return result;
    }
    CRegKey key;
    LONG result = key.Create(parent, node.name.c_str());
    if (result != ERROR_SUCCESS)
        return result;
    if (node.hasDefault && (result = SetValue(key, node.defaultValue)) != ERROR_SUCCESS)
        return result;
    for (const RegistryValue& value : node.values) {
        if ((result = SetValue(key, value)) != ERROR_SUCCESS)
            return result;
    }
    for (const RegistryKeyNode& child : node.children) {
        if ((result = RegisterKey(key, child)) != ERROR_SUCCESS)
            return result;
    }
    return ERROR_SUCCESS;
}

LONG CRegistryScript::UnregisterKey(HKEY parent, const RegistryKeyNode& node)
{
    if (node.flag == RegistryKeyNode::Delete)
        return ERROR_SUCCESS;
    if (node.flag == RegistryKeyNode::ForceRemove)
        return DeleteTree(parent, node.name);

    LONG result = ERROR_SUCCESS;
    {
        CRegKey key;
        const LONG opened = key.Open(parent, node.name.c_str());
        if (IsMissing(opened))
            return ERROR_SUCCESS;
        if (opened != ERROR_SUCCESS)
            return opened;
        for (const RegistryKeyNode& child : node.children) {
            const LONG childResult = UnregisterKey(key, child);
            if (result == ERROR_SUCCESS)
                result = childResult;
        }
        if (node.flag == RegistryKeyNode::NoRemove)
            return result;
        for (const RegistryValue& value : node.values) {
            const LONG valueResult = key.DeleteValue(value.name.c_str());
            if (result == ERROR_SUCCESS)
                result = valueResult;
        }
        if (node.hasDefault) {
            const LONG valueResult = key.DeleteValue(nullptr);
            if (result == ERROR_SUCCESS)
                result = valueResult;
        }
        DWORD subKeys = 0;
        DWORD values = 0;
        if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr, nullptr,
                             nullptr, nullptr) != ERROR_SUCCESS ||
            subKeys != 0 || values != 0)
            return result;
    }
    const LONG deleted = RegDeleteKeyA(parent, node.name.c_str());
    if (result == ERROR_SUCCESS && !IsMissing(deleted))
        result = deleted;
    return result;
}

HRESULT CRegistryScript::LoadScript(HMODULE module, UINT id, CString& text)
{
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), kResourceType);
    if (resource == nullptr)
        return HRESULT_FROM_WIN32(GetLastError());
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data == nullptr)
        return HRESULT_FROM_WIN32(GetLastError());
    const DWORD size = SizeofResource(module, resource);
    if (size > static_cast<DWORD>(INT_MAX))
        return HRESULT_FROM_WIN32(ERROR_INVALID_DATA);
    try {
        text = CString(static_cast<const char*>(data), static_cast<int>(size));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}
