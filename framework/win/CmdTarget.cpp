#include "win/CmdTarget.h"
#include "win/CmdUI.h"

#include <functional>
#include <unordered_map>

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const FwMsgMap* CCmdTarget::GetThisMessageMap()
{
    static const FwMsgMapEntry entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const FwMsgMap map = {nullptr, &entries[0]};
    return &map;
}

const FwMsgMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

static bool EntryMatches(const FwMsgMapEntry& e, UINT nMessage, UINT nCode, UINT nID)
{
    UINT nEntryMessage = e.pnRegistered ? *e.pnRegistered : e.nMessage;
    if (nEntryMessage != nMessage || nEntryMessage == 0)
        return false;
    // Notification codes arrive as 16-bit values inside OnCmdMsg's code.
    bool codeMatches = e.nCode == nCode ||
        (e.nCode != CN_UPDATE_COMMAND_UI && nCode != CN_UPDATE_COMMAND_UI && LOWORD(e.nCode) == LOWORD(nCode));
    return codeMatches && nID >= e.nID && nID <= e.nLastID;
}

namespace {
// Lookups are remembered per thread, keyed by the most derived map: a window's
// map chain is walked once per kind of message, not on every mouse move.
struct LookupKey {
    const FwMsgMap* pMap;
    UINT nMessage;
    UINT nCode;
    UINT nID;
    bool operator==(const LookupKey&) const = default;
};

struct LookupKeyHash {
    size_t operator()(const LookupKey& k) const
    {
        size_t h = std::hash<const void*>()(k.pMap);
        for (UINT n : {k.nMessage, k.nCode, k.nID})
            h = h * 31 + n;
        return h;
    }
};

// Messages and ids come from outside too: the cache starts over rather than grow without bound.
constexpr size_t kMaxCachedLookups = 4096;

using LookupCache = std::unordered_map<LookupKey, const FwMsgMapEntry*, LookupKeyHash>;

LookupCache& ThreadLookupCache()
{
    // A plain pointer per thread, as the thread state: a thread-local object with
    // a destructor would keep a DLL from unloading.
    static thread_local LookupCache* t_pCache = nullptr;
    if (!t_pCache)
        t_pCache = new LookupCache;
    return *t_pCache;
}
}  // namespace

const FwMsgMapEntry* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    const FwMsgMap* pMostDerived = GetMessageMap();
    const LookupKey key = {pMostDerived, nMessage, nCode, nID};
    LookupCache& cache = ThreadLookupCache();
    auto cached = cache.find(key);
    if (cached != cache.end())
        return cached->second;
    // A registered message whose number is not known yet may match later: what is
    // found past such an entry, or not found at all, is not remembered.
    bool bStable = true;
    const FwMsgMapEntry* pFound = nullptr;
    for (const FwMsgMap* pMap = pMostDerived; pMap && !pFound;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const FwMsgMapEntry* e = pMap->lpEntries; e->pfn; ++e) {
            if (EntryMatches(*e, nMessage, nCode, nID)) {
                pFound = e;
                break;
            }
            if (e->pnRegistered && *e->pnRegistered == 0)
                bStable = false;
        }
    }
    if (bStable) {
        if (cache.size() >= kMaxCachedLookups)
            cache.clear();
        cache.emplace(key, pFound);
    }
    return pFound;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, FwCmdHandlerInfo* pHandlerInfo)
{
    UINT nMsg = WM_COMMAND;
    UINT nNotify = (UINT)nCode;
    if (nNotify != CN_UPDATE_COMMAND_UI) {
        nMsg = HIWORD(nNotify) ? HIWORD(nNotify) : WM_COMMAND;
        nNotify = LOWORD(nNotify);
    }
    const FwMsgMapEntry* e = FindMessageEntry(nMsg, nNotify, nID);
    if (!e)
        return FALSE;
    if (pHandlerInfo) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pEntry = e;
        return TRUE;
    }
    FwMsgCall call = {nMsg, 0, 0, nID, pExtra, 0};
    if (nNotify == CN_UPDATE_COMMAND_UI)
        static_cast<CCmdUI*>(pExtra)->m_nID = nID;
    return e->pfn(this, call);
}
