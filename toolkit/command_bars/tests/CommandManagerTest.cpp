// CWTKCommandManager: the image maps' rules, the list of commands without images, and its
// registry value against the real registry (a sandbox key of this program): exact bytes,
// round trips, and damaged values that must answer FALSE and leave the list as it was.
#include "command_bars/WTKCommandManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kSandboxKey[] = "Software\\WTKServicesTestSandbox";
// A full path, as the workspace passes its own.
const char kProfilePath[] = "Software\\WTKServicesTestSandbox\\Workspace\\";
const char kManagerKey[] = "Software\\WTKServicesTestSandbox\\Workspace\\WTKCommandManager";

std::vector<UINT> CommandsOf(const CWTKCommandManager& manager)
{
    std::vector<UINT> ids;
    const CList<UINT, UINT>& list = manager.GetCommandsWithoutImages();
    for (POSITION pos = list.GetHeadPosition(); pos;)
        ids.push_back(list.GetNext(pos));
    return ids;
}

class CommandManagerRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, kSandboxKey); }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, kSandboxKey); }

    static void SetValue(DWORD dwType, const std::string& bytes)
    {
        HKEY hKey = nullptr;
        ASSERT_EQ(
            ERROR_SUCCESS,
            ::RegCreateKeyExA(HKEY_CURRENT_USER, kManagerKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr));
        ::RegSetValueExA(hKey, CWTKCommandManager::kCommandsWithoutImagesValue, 0, dwType,
                         reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
        ::RegCloseKey(hKey);
    }
    static std::string GetValue()
    {
        char buffer[256] = {};
        DWORD nBytes = sizeof buffer;
        DWORD dwType = 0;
        if (::RegGetValueA(HKEY_CURRENT_USER, kManagerKey, CWTKCommandManager::kCommandsWithoutImagesValue,
                           RRF_RT_REG_BINARY, &dwType, buffer, &nBytes) != ERROR_SUCCESS)
            return "<missing>";
        return std::string(buffer, nBytes);
    }
};

TEST(CommandManagerTest, ImagesOfOneKindPerCommand)
{
    CWTKCommandManager manager;
    // Not commands.
    manager.SetCmdImage(0, 3, FALSE);
    manager.SetCmdImage(static_cast<UINT>(-1), 3, TRUE);
    EXPECT_EQ(-1, manager.GetCmdImage(0, FALSE));
    EXPECT_EQ(-1, manager.GetCmdImage(static_cast<UINT>(-1), TRUE));

    manager.SetCmdImage(100, 1, FALSE);
    manager.SetCmdImage(100, 7, TRUE);   // has a standard image: refused
    manager.SetCmdImage(100, 2, FALSE);  // same kind: updated
    manager.SetCmdImage(200, 5, TRUE);
    manager.SetCmdImage(200, 9, FALSE);  // has a user image: refused
    EXPECT_EQ(2, manager.GetCmdImage(100, FALSE));
    EXPECT_EQ(-1, manager.GetCmdImage(100, TRUE));
    EXPECT_EQ(5, manager.GetCmdImage(200, TRUE));
    EXPECT_EQ(-1, manager.GetCmdImage(200, FALSE));

    // Once the user image is gone the command may take a standard one.
    manager.ClearCmdImage(200);
    EXPECT_EQ(-1, manager.GetCmdImage(200, TRUE));
    manager.SetCmdImage(200, 9, FALSE);
    EXPECT_EQ(9, manager.GetCmdImage(200, FALSE));

    manager.CleanUp();
    EXPECT_EQ(-1, manager.GetCmdImage(100, FALSE));
    EXPECT_EQ(-1, manager.GetCmdImage(200, FALSE));
}

TEST(CommandManagerTest, CommandsWithoutImagesAreListedOnce)
{
    CWTKCommandManager manager;
    manager.EnableMenuItemImage(300, FALSE);
    manager.EnableMenuItemImage(100, FALSE);
    manager.EnableMenuItemImage(300, FALSE);
    EXPECT_EQ((std::vector<UINT> {300, 100}), CommandsOf(manager));
    EXPECT_TRUE(manager.IsMenuItemWithoutImage(100));
    manager.EnableMenuItemImage(300, TRUE);
    manager.EnableMenuItemImage(999, TRUE);  // not listed: nothing
    EXPECT_EQ((std::vector<UINT> {100}), CommandsOf(manager));
}

TEST_F(CommandManagerRegistryTest, SavesTheListAsAnArchiveAndLoadsItWithoutDuplicates)
{
    CWTKCommandManager saved;
    saved.EnableMenuItemImage(0xE101, FALSE);
    saved.EnableMenuItemImage(0x8001, FALSE);
    ASSERT_TRUE(saved.SaveState(kProfilePath));
    // The 16-bit count, then each id as 32 bits, in list order.
    EXPECT_EQ(std::string("\x02\x00"
                          "\x01\xE1\x00\x00"
                          "\x01\x80\x00\x00",
                          10),
              GetValue());

    CWTKCommandManager loaded;
    loaded.EnableMenuItemImage(0x8001, FALSE);
    loaded.EnableMenuItemImage(7, FALSE);
    ASSERT_TRUE(loaded.LoadState(kProfilePath));
    ASSERT_TRUE(loaded.LoadState(kProfilePath));  // loading again adds nothing
    EXPECT_EQ((std::vector<UINT> {0x8001, 7, 0xE101}), CommandsOf(loaded));
}

TEST_F(CommandManagerRegistryTest, AMissingKeyLoadsNothing)
{
    CWTKCommandManager manager;
    EXPECT_FALSE(manager.LoadState(kProfilePath));
    EXPECT_TRUE(CommandsOf(manager).empty());
}

TEST_F(CommandManagerRegistryTest, DamagedValuesAreRefusedAndChangeNothing)
{
    struct Case {
        const char* pszWhat;
        DWORD dwType;
        std::string bytes;
    };
    const Case kCases[] = {
        {"empty", REG_BINARY, std::string()},
        {"count without ids", REG_BINARY, std::string("\x02\x00", 2)},
        {"truncated id", REG_BINARY, std::string("\x01\x00\x05\x00\x00", 5)},
        {"huge 32-bit count", REG_BINARY, std::string("\xFF\xFF\xFF\xFF\xFF\x7F\x05\x00\x00\x00", 10)},
        {"count over the bound, data present", REG_BINARY,
         std::string("\xFF\xFF\x01\x00\x01\x00", 6) + std::string(4 * 0x10001, '\x01')},
        {"one more than a user could mark, data present", REG_BINARY,
         std::string("\xE9\x03", 2) + std::string(4 * 1001, '\x01')},
        {"bytes after the list", REG_BINARY, std::string("\x01\x00\x05\x00\x00\x00\x09", 7)},
        {"not binary", REG_DWORD, std::string("\x01\x00\x00\x00", 4)},
        {"random", REG_BINARY, std::string("\x9C\x3A\xF0\x11\x42", 5)},
    };
    static_assert(CWTKCommandManager::kMaxCommandsWithoutImages == 1000, "the cases' counts");
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.pszWhat);
        SetValue(c.dwType, c.bytes);
        CWTKCommandManager manager;
        manager.EnableMenuItemImage(42, FALSE);
        EXPECT_FALSE(manager.LoadState(kProfilePath));
        EXPECT_EQ((std::vector<UINT> {42}), CommandsOf(manager));
    }
    // As many as the bound allows load.
    std::string full("\xE8\x03", 2);
    for (UINT uiCmd = 1; uiCmd <= 1000; ++uiCmd)
        full.append(reinterpret_cast<const char*>(&uiCmd), sizeof uiCmd);
    SetValue(REG_BINARY, full);
    CWTKCommandManager manager;
    EXPECT_TRUE(manager.LoadState(kProfilePath));
    EXPECT_EQ(1000u, CommandsOf(manager).size());
}

}  // namespace
