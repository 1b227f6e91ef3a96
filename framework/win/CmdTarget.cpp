#include "win/CmdTarget.h"
#include "win/CmdUI.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const FwMsgMap* CCmdTarget::GetThisMessageMap()
{
    static const FwMsgMapEntry entries[] = { { 0, 0, 0, 0, nullptr, nullptr } };
    static const FwMsgMap map = { nullptr, &entries[0] };
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
    bool codeMatches = e.nCode == nCode || (e.nCode != CN_UPDATE_COMMAND_UI && nCode != CN_UPDATE_COMMAND_UI &&
                                            LOWORD(e.nCode) == LOWORD(nCode));
    return codeMatches && nID >= e.nID && nID <= e.nLastID;
}

const FwMsgMapEntry* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    for (const FwMsgMap* pMap = GetMessageMap(); pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const FwMsgMapEntry* e = pMap->lpEntries; e->pfn; ++e) {
            if (EntryMatches(*e, nMessage, nCode, nID))
                return e;
        }
    }
    return nullptr;
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
    FwMsgCall call = { nMsg, 0, 0, nID, pExtra, 0 };
    if (nNotify == CN_UPDATE_COMMAND_UI)
        static_cast<CCmdUI*>(pExtra)->m_nID = nID;
    return e->pfn(this, call);
}
