#include "ContentModule.h"

namespace {

template <class Fn>
Fn Bind(HMODULE hModule, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(hModule, name)));
}

ContentModule Load()
{
    ContentModule m;
    m.hModule = LoadLibraryA("PendrelEn.dll");
    if (!m.hModule)
        return m;
    m.getContentCount = Bind<ContentModule::GetContentCountFn>(m.hModule, "GetContentCount");
    m.getTopic = Bind<ContentModule::GetTextFn>(m.hModule, "GetTopic");
    m.getKeyword = Bind<ContentModule::GetTextFn>(m.hModule, "GetKeyword");
    m.getUrl = Bind<ContentModule::GetTextFn>(m.hModule, "GetURL");
    m.getDocName = Bind<ContentModule::GetDocNameFn>(m.hModule, "Get_Lumidoc_Doc_Name");
    m.loadContents = Bind<ContentModule::LoadContentsFn>(m.hModule, "LoadContents");
    return m;
}

}  // namespace

const ContentModule& TheContentModule()
{
    static const ContentModule module = Load();
    return module;
}

std::string TextOf(ContentModule::GetTextFn fn, int nIndex)
{
    char buffer[256];
    fn(nIndex, buffer);
    return buffer;
}
