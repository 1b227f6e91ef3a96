#include "command_bars/WTKCommandUsageCounter.h"

#include "command_bars/WTKCustomizeMode.h"
#include "command_bars/WTKToolBar.h"
#include "core/Archive.h"
#include "foundation/WTKUserToolsManagerBase.h"
#include "win/CmdUI.h"

namespace {

// Command id ranges (inclusive) that are not the user's choice of a command.
struct CommandRange {
    UINT uiFirst;
    UINT uiLast;
};
constexpr CommandRange kUncountedRanges[] = {
    {0xE110, 0xE11F},  // recent files
    {0xE210, 0xE21F},  // window list
};
// Ids from here on (as signed values) are the framework's own.
constexpr int kFirstFrameworkId = 0xFF00;

}  // namespace

IMPLEMENT_SERIAL(CWTKCommandUsageCounter, CObject, 1)

CWTKCommandUsageCounter& WTKGetCommandUsageCounter()
{
    static CWTKCommandUsageCounter counter;
    return counter;
}

BOOL CWTKCommandUsageCounter::IsUncountedCommand(UINT uiCmd)
{
    if (uiCmd == 0 || uiCmd == static_cast<UINT>(-1) || FwIsSystemCommand(uiCmd) || WTKIsUserToolsEntryCmd(uiCmd))
        return TRUE;
    for (const CommandRange& range : kUncountedRanges) {
        if (uiCmd >= range.uiFirst && uiCmd <= range.uiLast)
            return TRUE;
    }
    return static_cast<int>(uiCmd) >= kFirstFrameworkId;
}

void CWTKCommandUsageCounter::AddCmd(UINT uiCmd)
{
    // Commands run while the user edits the bars, and the commands menus always show, say
    // nothing about what the user uses.
    if (WTKIsCustomizeMode() || IsUncountedCommand(uiCmd) || CWTKToolBar::IsBasicCommand(uiCmd))
        return;
    ++m_CommandUsage[uiCmd];
    ++m_nTotalUsage;
}

void CWTKCommandUsageCounter::Reset()
{
    m_CommandUsage.RemoveAll();
    m_nTotalUsage = 0;
}

UINT CWTKCommandUsageCounter::GetCount(UINT uiCmd) const
{
    UINT nCount = 0;
    m_CommandUsage.Lookup(uiCmd, nCount);
    return nCount;
}

BOOL CWTKCommandUsageCounter::IsFrequentlyUsed(UINT uiCmd) const
{
    if (m_nTotalUsage == 0)
        return FALSE;
    // In 64 bits: a count times 100 overflows 32 bits after 43 million uses.
    const ULONGLONG nPercent = static_cast<ULONGLONG>(GetCount(uiCmd)) * 100 / m_nTotalUsage;
    return nPercent > kFrequentUsePercent;
}

BOOL CWTKCommandUsageCounter::HasEnoughStatistics() const
{
    return m_nTotalUsage >= kMinUsageToTrust;
}

void CWTKCommandUsageCounter::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_nTotalUsage);
        m_CommandUsage.Serialize(ar);
        return;
    }
    Reset();
    try {
        DWORD dwTotal = 0;
        ar >> dwTotal;
        m_nTotalUsage = dwTotal;
        m_CommandUsage.Serialize(ar);
    } catch (...) {
        Reset();
        throw;
    }
}
