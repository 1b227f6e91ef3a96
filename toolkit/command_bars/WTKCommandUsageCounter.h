// CWTKCommandUsageCounter: how often each command was run from toolbars and menus, so that
// shortened menus can keep the commands used often. The toolbar parameters store it (archived)
// in the registry.
//
// Archive layout: the total (32 bits), then the entry count (16 bits, or 0xFFFF and 32 bits),
// then each entry's command id and count (32 bits each) in the map's order.
#pragma once
#include "core/Map.h"
#include "core/Object.h"

class CWTKCommandUsageCounter : public CObject {
    DECLARE_SERIAL(CWTKCommandUsageCounter)
public:
    // A command is used often when its share of all counted uses exceeds this percentage.
    static constexpr UINT kFrequentUsePercent = 5;
    // Fewest counted uses before the statistics are trusted.
    static constexpr UINT kMinUsageToTrust = 0;

    CWTKCommandUsageCounter() = default;
    CWTKCommandUsageCounter(const CWTKCommandUsageCounter&) = delete;
    CWTKCommandUsageCounter& operator=(const CWTKCommandUsageCounter&) = delete;

    // Loading starts from an empty counter; a damaged archive leaves it empty.
    void Serialize(CArchive& ar) override;

    // Counts one use, unless the command is not one a user picks from a menu (no command,
    // recent files, system and window commands), is one of the toolbars' basic commands, or
    // the toolbars are being customised.
    void AddCmd(UINT uiCmd);
    void Reset();
    UINT GetCount(UINT uiCmd) const;
    UINT GetTotal() const { return m_nTotalUsage; }
    BOOL IsFrequentlyUsed(UINT uiCmd) const;
    BOOL HasEnoughStatistics() const;

    // Commands that are never counted.
    static BOOL IsUncountedCommand(UINT uiCmd);

protected:
    CMap<UINT, UINT, UINT, UINT> m_CommandUsage;
    UINT m_nTotalUsage = 0;
};

// The process's counter.
CWTKCommandUsageCounter& WTKGetCommandUsageCounter();
