#pragma once

// Runs a registry script (see RegistryScriptParser.h). Register writes every
// key and value, replacing ForceRemove keys whole; Unregister removes what
// the script writes, leaves NoRemove keys (it still walks into them) and
// keeps keys that hold something the script did not write.

#include "com/RegistryScriptParser.h"

#include <map>
#include <string>

class CRegistryScript
{
public:
    // HRESULT_FROM_WIN32(ERROR_INVALID_DATA)
    static constexpr HRESULT kSyntaxError = static_cast<HRESULT>(0x8007000DL);

    void AddReplacement(const std::string& name, const std::string& value);

    // Nothing is written unless the whole script parses; a failed write
    // undoes what was written.
    HRESULT Register(const std::string& script) const;
    HRESULT Unregister(const std::string& script) const;

    // The text of a resource of type "REGISTRY".
    static HRESULT LoadScript(HMODULE module, UINT id, std::string& text);

private:
    HRESULT Parse(const std::string& script, std::vector<RegistryRootNode>& roots) const;
    static LONG RegisterKey(HKEY parent, const RegistryKeyNode& node);
    static LONG UnregisterKey(HKEY parent, const RegistryKeyNode& node);
    static void UnregisterAll(const std::vector<RegistryRootNode>& roots);

    std::map<std::string, std::string> m_replacements;
};
