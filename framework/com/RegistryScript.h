#pragma once

// Runs a registry script (see RegistryScriptParser.h). Register writes every
// key and value, replacing ForceRemove keys whole; Unregister removes what
// the script writes, leaves NoRemove keys (it still walks into them) and
// keeps keys that hold something the script did not write.

#include "com/RegistryScriptParser.h"
#include "core/String.h"

#include <map>
#include <string>

class CRegistryScript {
public:
    // HRESULT_FROM_WIN32(ERROR_INVALID_DATA)
    static constexpr HRESULT kSyntaxError = static_cast<HRESULT>(0x8007000DL);

    // %name% in the script stands for value.
    void AddReplacement(LPCSTR name, LPCSTR value);

    // Nothing is written unless the whole script parses; a failed write
    // undoes what was written.
    HRESULT Register(LPCSTR script) const;
    HRESULT Unregister(LPCSTR script) const;

    // The text of a resource of type "REGISTRY".
    static HRESULT LoadScript(HMODULE module, UINT id, CString& text);

private:
    HRESULT Parse(LPCSTR script, std::vector<RegistryRootNode>& roots) const;
    static LONG RegisterKey(HKEY parent, const RegistryKeyNode& node);
    static LONG UnregisterKey(HKEY parent, const RegistryKeyNode& node);
    static void UnregisterAll(const std::vector<RegistryRootNode>& roots);

    std::map<std::string, std::string> m_replacements;
};
