#include "foundation/WTKKeyboardManager.h"

#include "foundation/WTKAcceleratorText.h"
#include "foundation/WTKCleanUp.h"
#include "foundation/WTKFrameResourceIdSource.h"
#include "foundation/WTKRegistryHolder.h"

#include "docview/Document.h"
#include "docview/FrameWnd.h"
#include "docview/MultiDocTemplate.h"
#include "docview/View.h"
#include "win/Resources.h"
#include "win/WinApp.h"

#include <algorithm>

namespace {

constexpr char kKeyboardRegEntry[] = "WTKKeyboardManager";
constexpr char kAcceleratorsValue[] = "Accelerators";
constexpr char kTableKeyFormat[] = "%sWTKKeyboard-%d";
// The flags a key binding is compared on: FNOINVERT only changes how a menu flashes.
constexpr BYTE kBindingFlags = FVIRTKEY | FSHIFT | FCONTROL | FALT;

// A copied table and the handle it was copied from.
struct AccelCache {
    HACCEL hSource = nullptr;
    BOOL bValid = FALSE;
    std::vector<ACCEL> entries;
};

AccelCache& Cache(BOOL bIsDefaultFrame)
{
    static AccelCache caches[2];
    return caches[bIsDefaultFrame ? 0 : 1];
}

void RegisterCleanUp()
{
    static const bool bRegistered = [] {
        WTKRegisterCleanUp(WTKCleanUpStage::KeyboardManager, &CWTKKeyboardManager::CleanUp);
        return true;
    }();
    (void)bRegistered;
}

// The frame's default table copied into the matching cache, or null without one.
const std::vector<ACCEL>* CachedTable(CFrameWnd* pWndFrame, BOOL bIsDefaultFrame)
{
    if (pWndFrame == nullptr)
        return nullptr;
    HACCEL hAccel = pWndFrame->GetDefaultAccelerator();
    if (hAccel == nullptr)
        return nullptr;
    RegisterCleanUp();
    AccelCache& cache = Cache(bIsDefaultFrame);
    if (!cache.bValid || cache.hSource != hAccel) {
        cache.entries = CWTKKeyboardManager::CopyTable(hAccel);
        cache.hSource = hAccel;
        cache.bValid = TRUE;
    }
    return &cache.entries;
}

// Every framework frame among the thread's windows and their descendants.
BOOL CALLBACK CollectFrame(HWND hWnd, LPARAM lParam)
{
    auto* pFrames = reinterpret_cast<std::vector<CFrameWnd*>*>(lParam);
    if (auto* pFrame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hWnd)))
        pFrames->push_back(pFrame);
    return TRUE;
}

BOOL CALLBACK CollectFramesBelow(HWND hWnd, LPARAM lParam)
{
    CollectFrame(hWnd, lParam);
    ::EnumChildWindows(hWnd, &CollectFrame, lParam);
    return TRUE;
}

std::vector<CFrameWnd*> ThreadFrames()
{
    std::vector<CFrameWnd*> frames;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectFramesBelow, reinterpret_cast<LPARAM>(&frames));
    return frames;
}

}  // namespace

// ---- Manager object ----

CWTKKeyboardManager::CWTKKeyboardManager()
{
    WTKSetKeyboardManager(this);
}

CWTKKeyboardManager::~CWTKKeyboardManager()
{
    if (WTKGetKeyboardManager() == this)
        WTKSetKeyboardManager(nullptr);
}

// ---- Static services ----

BOOL CWTKKeyboardManager::FindDefaultAccelerator(UINT uiCmd, CString& str, CFrameWnd* pWndFrame, BOOL bIsDefaultFrame)
{
    str.Empty();
    const std::vector<ACCEL>* pEntries = CachedTable(pWndFrame, bIsDefaultFrame);
    if (pEntries == nullptr)
        return FALSE;
    for (const ACCEL& accel : *pEntries) {
        if (accel.cmd == uiCmd) {
            CWTKAcceleratorText(&accel).Format(str);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CWTKKeyboardManager::IsKeyHandled(WORD nKey, BYTE fVirt, CFrameWnd* pWndFrame, BOOL bIsDefaultFrame)
{
    const std::vector<ACCEL>* pEntries = CachedTable(pWndFrame, bIsDefaultFrame);
    if (pEntries == nullptr)
        return FALSE;
    return std::any_of(pEntries->begin(), pEntries->end(), [&](const ACCEL& accel) {
        return accel.key == nKey && (accel.fVirt & kBindingFlags) == (fVirt & kBindingFlags);
    });
}

void CWTKKeyboardManager::InvalidateCaches()
{
    Cache(TRUE).bValid = FALSE;
    Cache(FALSE).bValid = FALSE;
}

void CWTKKeyboardManager::CleanUp()
{
    for (BOOL bDefault : {TRUE, FALSE}) {
        AccelCache& cache = Cache(bDefault);
        cache.bValid = FALSE;
        cache.hSource = nullptr;
        std::vector<ACCEL>().swap(cache.entries);
    }
}

std::vector<ACCEL> CWTKKeyboardManager::CopyTable(HACCEL hAccel)
{
    std::vector<ACCEL> entries;
    if (hAccel == nullptr)
        return entries;
    const int nCount = ::CopyAcceleratorTableA(hAccel, nullptr, 0);
    if (nCount <= 0)
        return entries;
    entries.resize(static_cast<size_t>(nCount));
    const int nCopied = ::CopyAcceleratorTableA(hAccel, entries.data(), nCount);
    entries.resize(static_cast<size_t>(std::max(0, std::min(nCopied, nCount))));
    return entries;
}

std::vector<BYTE> CWTKKeyboardManager::Pack(const std::vector<ACCEL>& entries)
{
    std::vector<BYTE> data;
    data.reserve(entries.size() * kAccelBytes);
    for (const ACCEL& accel : entries) {
        data.push_back(accel.fVirt);
        data.push_back(0);
        data.push_back(LOBYTE(accel.key));
        data.push_back(HIBYTE(accel.key));
        data.push_back(LOBYTE(accel.cmd));
        data.push_back(HIBYTE(accel.cmd));
    }
    return data;
}

BOOL CWTKKeyboardManager::Parse(const BYTE* pData, UINT nBytes, std::vector<ACCEL>& entries)
{
    entries.clear();
    if (pData == nullptr || nBytes == 0 || nBytes % kAccelBytes != 0 || nBytes / kAccelBytes > kMaxAccelCount)
        return FALSE;
    entries.resize(nBytes / kAccelBytes);
    for (size_t i = 0; i < entries.size(); i++) {
        const BYTE* p = pData + i * kAccelBytes;
        entries[i].fVirt = p[0];
        entries[i].key = MAKEWORD(p[2], p[3]);
        entries[i].cmd = MAKEWORD(p[4], p[5]);
    }
    return TRUE;
}

// ---- Installing tables ----

CFrameWnd* CWTKKeyboardManager::TargetFrame(CFrameWnd* pDefaultFrame)
{
    if (pDefaultFrame != nullptr)
        return pDefaultFrame;
    return dynamic_cast<CFrameWnd*>(FwGetMainWnd());
}

std::vector<CMultiDocTemplate*> CWTKKeyboardManager::MultiDocTemplates()
{
    std::vector<CMultiDocTemplate*> templates;
    CWinApp* pApp = FwGetApp();
    if (pApp == nullptr)
        return templates;
    for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != nullptr;) {
        if (auto* pTemplate = dynamic_cast<CMultiDocTemplate*>(pApp->GetNextDocTemplate(pos)))
            templates.push_back(pTemplate);
    }
    return templates;
}

BOOL CWTKKeyboardManager::IsTableInUse(HACCEL hAccel)
{
    for (CFrameWnd* pFrame : ThreadFrames()) {
        if (pFrame->m_hAccelTable == hAccel)
            return TRUE;
    }
    for (CMultiDocTemplate* pTemplate : MultiDocTemplates()) {
        if (pTemplate->m_hAccelTable == hAccel)
            return TRUE;
    }
    return FALSE;
}

BOOL CWTKKeyboardManager::InstallTable(CMultiDocTemplate* pTemplate, HACCEL hAccel, CFrameWnd* pDefaultFrame)
{
    HACCEL hOld = nullptr;
    if (pTemplate != nullptr) {
        hOld = pTemplate->m_hAccelTable;
        pTemplate->m_hAccelTable = hAccel;
        for (POSITION posDoc = pTemplate->GetFirstDocPosition(); posDoc != nullptr;) {
            CDocument* pDoc = pTemplate->GetNextDoc(posDoc);
            for (POSITION posView = pDoc ? pDoc->GetFirstViewPosition() : nullptr; posView != nullptr;) {
                CView* pView = pDoc->GetNextView(posView);
                CFrameWnd* pFrame = pView ? pView->GetParentFrame() : nullptr;
                if (pFrame != nullptr && pFrame->m_hAccelTable == hOld)
                    pFrame->m_hAccelTable = hAccel;
            }
        }
    } else {
        CFrameWnd* pFrame = TargetFrame(pDefaultFrame);
        if (pFrame == nullptr)
            return FALSE;
        hOld = pFrame->m_hAccelTable;
        pFrame->m_hAccelTable = hAccel;
    }
    InvalidateCaches();
    // The first table of a frame or template leaves nothing to destroy; an old table that some
    // other frame still translates with stays alive.
    if (hOld != nullptr && hOld != hAccel && !IsTableInUse(hOld))
        ::DestroyAcceleratorTable(hOld);
    return TRUE;
}

BOOL CWTKKeyboardManager::UpdateAcceleratorTable(CMultiDocTemplate* pTemplate, const ACCEL* lpAccel, int nSize,
                                                 CFrameWnd* pDefaultFrame)
{
    if (lpAccel == nullptr || nSize <= 0 || nSize > kMaxAccelCount)
        return FALSE;
    std::vector<ACCEL> entries(lpAccel, lpAccel + nSize);
    HACCEL hAccel = ::CreateAcceleratorTableA(entries.data(), nSize);
    if (hAccel == nullptr)
        return FALSE;
    if (!InstallTable(pTemplate, hAccel, pDefaultFrame)) {
        // Installed nowhere: still ours.
        ::DestroyAcceleratorTable(hAccel);
        return FALSE;
    }
    return TRUE;
}

// ---- Registry ----

CString CWTKKeyboardManager::TableKey(const CString& strPath, UINT uiId)
{
    CString strKey;
    strKey.Format(kTableKeyFormat, static_cast<LPCSTR>(strPath), static_cast<int>(uiId));
    return strKey;
}

BOOL CWTKKeyboardManager::SaveTable(const CString& strPath, UINT uiId, HACCEL hAccel)
{
    std::vector<BYTE> data = Pack(CopyTable(hAccel));
    if (data.empty())
        return FALSE;
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, FALSE);
    if (!reg.CreateKey(TableKey(strPath, uiId)))
        return FALSE;
    return reg.Write(kAcceleratorsValue, data.data(), static_cast<UINT>(data.size()));
}

BOOL CWTKKeyboardManager::LoadTable(const CString& strPath, UINT uiId, CMultiDocTemplate* pTemplate, CFrameWnd* pFrame)
{
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, TRUE);
    if (!reg.Open(TableKey(strPath, uiId)))
        return FALSE;
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    if (!reg.Read(kAcceleratorsValue, pData, nBytes))
        return FALSE;
    std::vector<ACCEL> entries;
    const BOOL bParsed = Parse(pData, nBytes, entries);
    delete[] pData;
    if (!bParsed)
        return FALSE;
    return UpdateAcceleratorTable(pTemplate, entries.data(), static_cast<int>(entries.size()), pFrame);
}

BOOL CWTKKeyboardManager::SaveState(LPCTSTR lpszProfileName, CFrameWnd* pDefaultFrame)
{
    const CString strPath = BuildRegistryPath(kKeyboardRegEntry, lpszProfileName);
    for (CMultiDocTemplate* pTemplate : MultiDocTemplates()) {
        if (pTemplate->m_hAccelTable != nullptr)
            SaveTable(strPath, pTemplate->m_nIDResource, pTemplate->m_hAccelTable);
    }
    CFrameWnd* pFrame = TargetFrame(pDefaultFrame);
    if (pFrame != nullptr && pFrame->m_hAccelTable != nullptr)
        SaveTable(strPath, 0, pFrame->m_hAccelTable);
    return TRUE;
}

BOOL CWTKKeyboardManager::LoadState(LPCTSTR lpszProfileName, CFrameWnd* pDefaultFrame)
{
    const CString strPath = BuildRegistryPath(kKeyboardRegEntry, lpszProfileName);
    for (CMultiDocTemplate* pTemplate : MultiDocTemplates()) {
        if (pTemplate->m_hAccelTable != nullptr)
            LoadTable(strPath, pTemplate->m_nIDResource, pTemplate, nullptr);
    }
    if (CFrameWnd* pFrame = TargetFrame(pDefaultFrame))
        LoadTable(strPath, 0, nullptr, pFrame);
    return TRUE;
}

void CWTKKeyboardManager::ResetAll()
{
    for (CMultiDocTemplate* pTemplate : MultiDocTemplates()) {
        if (pTemplate->m_hAccelTable == nullptr)
            continue;
        if (HACCEL hAccel = FwLoadAccelerators(pTemplate->m_nIDResource)) {
            if (!InstallTable(pTemplate, hAccel, nullptr))
                ::DestroyAcceleratorTable(hAccel);
        }
    }
    CFrameWnd* pFrame = TargetFrame(nullptr);
    const UINT uiId = pFrame != nullptr ? CWTKFrameResourceIdSource::Get().GetFrameResourceId(pFrame) : 0;
    if (uiId == 0)
        return;
    if (HACCEL hAccel = FwLoadAccelerators(uiId)) {
        if (!InstallTable(nullptr, hAccel, pFrame))
            ::DestroyAcceleratorTable(hAccel);
    }
}
