#include "html/ResModuleCache.h"
#include "html/HtmlConstants.h"
#include "html/ResUrl.h"

#include <cstdlib>

namespace {

constexpr std::size_t kMaxResourceName = 256;

// A resource type or name as the resource functions take it: "#12" or "12" is
// the number 12, anything else a string (resource names are upper case).
class CResourceId {
public:
    explicit CResourceId(WORD number) : m_number(number), m_valid(number != 0) {}
    explicit CResourceId(const std::string& text)
    {
        std::string digits = (!text.empty() && text[0] == '#') ? text.substr(1) : text;
        bool number = !digits.empty() && digits.size() <= 5;
        for (char c : digits)
            number = number && c >= '0' && c <= '9';
        if (number) {
            unsigned long value = std::strtoul(digits.c_str(), nullptr, 10);
            m_number = (value >= 1 && value <= 0xFFFF) ? WORD(value) : 0;
            m_valid = m_number != 0;
            return;
        }
        m_valid = !text.empty() && text.size() < kMaxResourceName;
        m_text = text;
        for (char& c : m_text)
            if (c >= 'a' && c <= 'z')
                c = char(c - 'a' + 'A');
    }
    bool Valid() const { return m_valid; }
    LPCSTR Get() const { return m_number ? MAKEINTRESOURCEA(m_number) : m_text.c_str(); }

private:
    WORD m_number = 0;
    std::string m_text;
    bool m_valid = false;
};

std::string LowerCopy(const std::string& text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

}  // namespace

CResModuleCache::~CResModuleCache()
{
    Clear();
}

void CResModuleCache::Clear()
{
    for (auto& entry : m_loaded)
        FreeLibrary(entry.second);
    m_loaded.clear();
}

HMODULE CResModuleCache::FindModule(const std::string& file)
{
    if (file.empty() || file.size() >= MAX_PATH)
        return nullptr;
    std::string key = LowerCopy(file);
    auto found = m_loaded.find(key);
    if (found != m_loaded.end())
        return found->second;
    // Asked each time: the owner of a loaded module may free it whenever it likes.
    if (HMODULE loaded = GetModuleHandleA(file.c_str()))
        return loaded;
    HMODULE module = LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module)
        m_loaded[key] = module;
    return module;
}

bool CResModuleCache::Read(const std::string& address, std::string& bytes)
{
    CResUrl url;
    if (address.size() > HtmlConst::kMaxAddressLength || !CResUrl::Split(address, url))
        return false;
    return Read(url, bytes);
}

bool CResModuleCache::Read(const CResUrl& url, std::string& bytes)
{
    bytes.clear();
    CResourceId type = url.type.empty() ? CResourceId(WORD(HtmlConst::kHtmlResourceType)) : CResourceId(url.type);
    CResourceId name(url.name);
    if (!type.Valid() || !name.Valid())
        return false;
    HMODULE module = FindModule(url.module);
    if (!module)
        return false;
    HRSRC info = FindResourceA(module, name.Get(), type.Get());
    if (!info)
        return false;
    DWORD size = SizeofResource(module, info);
    HGLOBAL handle = LoadResource(module, info);
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data || size > HtmlConst::kMaxResourceBytes)
        return false;
    bytes.assign(static_cast<const char*>(data), size);
    return true;
}
