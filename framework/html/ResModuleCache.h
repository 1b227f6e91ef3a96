// Reads the resources that "res:" addresses name. A module already loaded in
// the process is used as it is (and never freed here); any other is loaded as
// a data file and kept until the cache goes away.
#pragma once
#include <windows.h>

#include <map>
#include <string>

class CResUrl;

class CResModuleCache {
public:
    CResModuleCache() = default;
    CResModuleCache(const CResModuleCache&) = delete;
    CResModuleCache& operator=(const CResModuleCache&) = delete;
    ~CResModuleCache();

    // Copies the bytes of the resource an address names; false when the address
    // is not a "res:" one or the module or resource is missing.
    bool Read(const std::string& address, std::string& bytes);
    bool Read(const CResUrl& url, std::string& bytes);

    // Frees the modules this cache loaded.
    void Clear();
    std::size_t LoadedModuleCount() const { return m_loaded.size(); }

private:
    HMODULE FindModule(const std::string& file);

    std::map<std::string, HMODULE> m_loaded;  // lower-case file name -> data-file module
};
