// CWTKCommandUsageCounter: which commands count, the frequent-use rule at its edge and beyond
// 32-bit products, and its archive: exact bytes, a round trip, loading over an earlier state,
// and damaged archives that leave the counter empty.
#include "ArchiveBytes.h"

#include "command_bars/WTKCommandUsageCounter.h"

#include "command_bars/WTKToolBar.h"

#include "core/Archive.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Store(CWTKCommandUsageCounter& counter)
{
    return StoreArchive([&](CArchive& ar) { counter.Serialize(ar); });
}

// FALSE when loading threw.
bool Load(CWTKCommandUsageCounter& counter, std::string bytes)
{
    return LoadArchive(std::move(bytes), [&](CArchive& ar) { counter.Serialize(ar); });
}

std::string Dword(DWORD dw)
{
    return std::string(reinterpret_cast<const char*>(&dw), sizeof dw);
}

TEST(CommandUsageCounterTest, OnlyCommandsAUserPicksAreCounted)
{
    struct Case {
        UINT uiCmd;
        bool bCounted;
    };
    const Case kCases[] = {
        {0, false},      {0xFFFFFFFF, false}, {0xE10F, true},     {0xE110, false}, {0xE11F, false},
        {0xE120, true},  {0xEFFF, true},      {0xF000, false},    {0xF1EF, false}, {0xF1F0, true},
        {0xE20F, true},  {0xE210, false},     {0xE21F, false},    {0xE220, true},  {0xFEFF, true},
        {0xFF00, false}, {0x7FFFFFFF, false}, {0x80000000, true}, {100, true},
    };
    for (const Case& c : kCases) {
        CWTKCommandUsageCounter counter;
        counter.AddCmd(c.uiCmd);
        EXPECT_EQ(c.bCounted ? 1u : 0u, counter.GetCount(c.uiCmd)) << std::hex << "id 0x" << c.uiCmd;
        EXPECT_EQ(c.bCounted ? 1u : 0u, counter.GetTotal()) << std::hex << "id 0x" << c.uiCmd;
    }
}

TEST(CommandUsageCounterTest, BasicCommandsAndCustomiseModeAreNotCounted)
{
    CWTKCommandUsageCounter counter;
    CWTKToolBar::AddBasicCommand(100);
    counter.AddCmd(100);
    CWTKToolBar::ClearBasicCommands();
    CWTKToolBar::SetCustomizeMode(TRUE);
    counter.AddCmd(200);
    CWTKToolBar::SetCustomizeMode(FALSE);
    EXPECT_EQ(0u, counter.GetTotal());
    counter.AddCmd(100);
    counter.AddCmd(200);
    EXPECT_EQ(2u, counter.GetTotal());
}

TEST(CommandUsageCounterTest, FrequentMeansMoreThanFivePercent)
{
    CWTKCommandUsageCounter counter;
    EXPECT_FALSE(counter.IsFrequentlyUsed(1));  // nothing counted yet
    for (int i = 0; i < 5; ++i)
        counter.AddCmd(1);
    for (int i = 0; i < 6; ++i)
        counter.AddCmd(2);
    for (int i = 0; i < 89; ++i)
        counter.AddCmd(3);
    ASSERT_EQ(100u, counter.GetTotal());
    EXPECT_FALSE(counter.IsFrequentlyUsed(1));
    EXPECT_TRUE(counter.IsFrequentlyUsed(2));
    EXPECT_FALSE(counter.IsFrequentlyUsed(4));
    EXPECT_TRUE(counter.HasEnoughStatistics());

    counter.Reset();
    EXPECT_EQ(0u, counter.GetTotal());
    EXPECT_EQ(0u, counter.GetCount(2));
    EXPECT_FALSE(counter.IsFrequentlyUsed(2));
    EXPECT_FALSE(counter.IsFrequentlyUsed(3));
}

TEST(CommandUsageCounterTest, LargeCountsDoNotOverflowThePercentage)
{
    // 0x10000000 of 0xFFFFFFFF uses is 6.25 percent; times 100 in 32 bits it would wrap to 0.
    CWTKCommandUsageCounter counter;
    ASSERT_TRUE(Load(counter, Dword(0xFFFFFFFF) + std::string("\x01\x00", 2) + Dword(7) + Dword(0x10000000)));
    EXPECT_TRUE(counter.IsFrequentlyUsed(7));
}

TEST(CommandUsageCounterTest, ArchiveBytesAndRoundTrip)
{
    CWTKCommandUsageCounter counter;
    counter.AddCmd(100);
    counter.AddCmd(0x20);
    counter.AddCmd(100);
    // Total, count, then the entries in bucket order: 0x20 in bucket 2, 100 in bucket 6.
    const std::string bytes = Store(counter);
    EXPECT_EQ(Dword(3) + std::string("\x02\x00", 2) + Dword(0x20) + Dword(1) + Dword(100) + Dword(2), bytes);

    // Loading replaces what the counter had.
    CWTKCommandUsageCounter loaded;
    loaded.AddCmd(555);
    ASSERT_TRUE(Load(loaded, bytes));
    EXPECT_EQ(3u, loaded.GetTotal());
    EXPECT_EQ(2u, loaded.GetCount(100));
    EXPECT_EQ(1u, loaded.GetCount(0x20));
    EXPECT_EQ(0u, loaded.GetCount(555));
    EXPECT_EQ(bytes, Store(loaded));
}

TEST(CommandUsageCounterTest, DamagedArchivesLeaveTheCounterEmpty)
{
    const std::string kCases[] = {
        std::string(), Dword(5).substr(0, 3),
        Dword(5) + std::string("\x02\x00", 2) + Dword(100) + Dword(2) + Dword(7),  // second entry cut
        Dword(5) + std::string("\xFF\xFF\xFF\xFF\xFF\xFF", 6),                     // huge count
    };
    for (const std::string& bytes : kCases) {
        CWTKCommandUsageCounter counter;
        counter.AddCmd(555);
        EXPECT_FALSE(Load(counter, bytes)) << bytes.size() << " bytes";
        EXPECT_EQ(0u, counter.GetTotal());
        EXPECT_EQ(0u, counter.GetCount(555));
        EXPECT_EQ(0u, counter.GetCount(100));
    }
}

}  // namespace
