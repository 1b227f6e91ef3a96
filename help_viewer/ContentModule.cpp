#include "ContentModule.h"

#include "ViewerConstants.h"
#include "win/WinApp.h"

#include <cstring>

namespace {

template <class Fn>
Fn Bind(HMODULE hModule, LPCSTR lpszExport)
{
    if (hModule == nullptr)
        return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(hModule, lpszExport)));
}

// A text export's result: the buffer is zeroed first and ended after the call, so that text
// without its zero is still bounded, and cut to the most the viewer takes.
template <class Call>
CString ReadText(Call call)
{
    char buffer[Lumidoc::kExportBufferSize] = {};
    call(buffer);
    buffer[sizeof buffer - 1] = '\0';
    return CString(buffer, static_cast<int>(strnlen(buffer, Lumidoc::kMaxExportText)));
}

}  // namespace

CContentModule::~CContentModule()
{
    Free();
}

CContentModule& CContentModule::Current()
{
    static CContentModule module;
    return module;
}

BOOL CContentModule::Load(LPCSTR lpszFileName, int nStartTopic)
{
    HMODULE hNew = ::LoadLibraryA(lpszFileName ? lpszFileName : "");
    if (hNew == nullptr)
        return FALSE;
    HMODULE hOld = m_hModule;
    m_hModule = hNew;
    m_pfnGetURL = Bind<GetTextFn>(hNew, Lumidoc::kUrlExport);
    m_nStartTopic = nStartTopic;
    ReleaseModule(hOld);
    return TRUE;
}

void CContentModule::Free()
{
    HMODULE hModule = m_hModule;
    m_hModule = nullptr;
    m_pfnGetURL = nullptr;
    ReleaseModule(hModule);
}

void CContentModule::ReleaseModule(HMODULE hModule)
{
    if (hModule == nullptr)
        return;
    if (m_pUnloadObserver != nullptr)
        m_pUnloadObserver->OnModuleUnloading();
    ::FreeLibrary(hModule);
}

void CContentModule::ReportLoadFailure(LPCSTR lpszFileName, HWND hWndOwner)
{
    CString text(Lumidoc::kLoadFailurePrefix);
    text += lpszFileName ? lpszFileName : "";
    FwShowMessageBox(hWndOwner, text, Lumidoc::kLoadFailureCaption, MB_OK);
}

BOOL CContentModule::ReadDocName(HMODULE hModule, CString& strTitle)
{
    const auto pfn = Bind<GetDocNameFn>(hModule, Lumidoc::kDocNameExport);
    if (pfn == nullptr)
        return FALSE;
    strTitle = ReadText([pfn](LPSTR buffer) { pfn(buffer); });
    return TRUE;
}

BOOL CContentModule::GetDocName(CString& strTitle) const
{
    return ReadDocName(m_hModule, strTitle);
}

BOOL CContentModule::GetContentCount(int& nCount) const
{
    const auto pfn = Bind<GetContentCountFn>(m_hModule, Lumidoc::kContentCountExport);
    if (pfn == nullptr)
        return FALSE;
    int count = 0;
    pfn(&count);
    nCount = count < 0 ? 0 : (count > Lumidoc::kMaxTopicCount ? Lumidoc::kMaxTopicCount : count);
    return TRUE;
}

BOOL CContentModule::IsTopic(int nTopic) const
{
    if (nTopic < 0)
        return FALSE;
    int count = 0;
    return !GetContentCount(count) || nTopic < count;
}

BOOL CContentModule::GetTopic(int nTopic, CString& strTitle) const
{
    const auto pfn = Bind<GetTextFn>(m_hModule, Lumidoc::kTopicExport);
    if (pfn == nullptr || !IsTopic(nTopic))
        return FALSE;
    strTitle = ReadText([pfn, nTopic](LPSTR buffer) { pfn(nTopic, buffer); });
    return TRUE;
}

BOOL CContentModule::GetKeyword(int nTopic, CString& strKeywords) const
{
    const auto pfn = Bind<GetTextFn>(m_hModule, Lumidoc::kKeywordExport);
    if (pfn == nullptr || !IsTopic(nTopic))
        return FALSE;
    strKeywords = ReadText([pfn, nTopic](LPSTR buffer) { pfn(nTopic, buffer); });
    return TRUE;
}

BOOL CContentModule::GetPageAddress(int nTopic, CString& strAddress) const
{
    const GetTextFn pfn = m_pfnGetURL;
    if (pfn == nullptr || !IsTopic(nTopic))
        return FALSE;
    strAddress = ReadText([pfn, nTopic](LPSTR buffer) { pfn(nTopic, buffer); });
    return TRUE;
}

BOOL CContentModule::LoadContents(CTreeCtrl* pTree) const
{
    const auto pfn = Bind<LoadContentsFn>(m_hModule, Lumidoc::kLoadContentsExport);
    if (pfn == nullptr)
        return FALSE;
    pfn(pTree);
    return TRUE;
}

CString CContentModule::GetModulePath() const
{
    if (m_hModule == nullptr)
        return CString();
    char path[Lumidoc::kMaxExportText + 1] = {};
    const DWORD length = ::GetModuleFileNameA(m_hModule, path, sizeof path);
    // A path cut by the buffer may lack its zero on some systems.
    path[sizeof path - 1] = '\0';
    return length == 0 ? CString() : CString(path);
}
