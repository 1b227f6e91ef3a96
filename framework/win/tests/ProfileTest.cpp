// Profile functions against the real registry, under a key of this test program.
#include "WinTestSupport.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

const char TEST_COMPANY[] = "FwWinTestsProfile";

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\FwWinTestsProfile");
        theApp.SetRegistryKey(TEST_COMPANY);
    }
    void TearDown() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\FwWinTestsProfile");
        theApp.SetRegistryKey("");
    }
    static bool KeyExists(const char* pszPath)
    {
        HKEY hKey = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, pszPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return false;
        ::RegCloseKey(hKey);
        return true;
    }
};

TEST_F(ProfileTest, ValuesRoundTripInPlainAndNestedSections)
{
    for (const char* pszSection : {"Settings", "Outer\\Inner\\Deepest"}) {
        EXPECT_TRUE(theApp.WriteProfileInt(pszSection, "Count", -7)) << pszSection;
        EXPECT_TRUE(theApp.WriteProfileString(pszSection, "Name", "Glyph text")) << pszSection;
        BYTE data[] = {0, 1, 2, 0xFF, 0x80};
        EXPECT_TRUE(theApp.WriteProfileBinary(pszSection, "Blob", data, sizeof(data))) << pszSection;

        EXPECT_EQ(-7, (int)theApp.GetProfileInt(pszSection, "Count", 3)) << pszSection;
        EXPECT_STREQ("Glyph text", theApp.GetProfileString(pszSection, "Name", "x")) << pszSection;
        LPBYTE pRead = nullptr;
        UINT nBytes = 0;
        ASSERT_TRUE(theApp.GetProfileBinary(pszSection, "Blob", &pRead, &nBytes)) << pszSection;
        std::unique_ptr<BYTE[]> owner(pRead);
        ASSERT_EQ(sizeof(data), nBytes);
        EXPECT_EQ(0, memcmp(data, pRead, nBytes)) << pszSection;
    }
    // Where the values live.
    EXPECT_TRUE(KeyExists("Software\\FwWinTestsProfile\\FwWinTests\\Settings"));
    EXPECT_TRUE(KeyExists("Software\\FwWinTestsProfile\\FwWinTests\\Outer\\Inner\\Deepest"));
}

TEST_F(ProfileTest, MissingOrMistypedValuesGiveTheDefault)
{
    theApp.WriteProfileString("Types", "Text", "12");
    theApp.WriteProfileInt("Types", "Number", 12);
    LPBYTE pRead = reinterpret_cast<LPBYTE>(1);
    UINT nBytes = 99;
    struct Row {
        const char* entry;
        int expectedInt;
        const char* expectedString;
    } rows[] = {
        {"Missing", 5, "default"},
        {"Text", 5, "12"},          // a string is not an integer
        {"Number", 12, "default"},  // nor an integer a string
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.expectedInt, (int)theApp.GetProfileInt("Types", row.entry, 5)) << row.entry;
        EXPECT_STREQ(row.expectedString, theApp.GetProfileString("Types", row.entry, "default")) << row.entry;
    }
    EXPECT_FALSE(theApp.GetProfileBinary("Types", "Text", &pRead, &nBytes));
    EXPECT_EQ(nullptr, pRead);
    EXPECT_EQ(0u, nBytes);
}

TEST_F(ProfileTest, NullValueRemovesTheEntryAndNullEntryTheSection)
{
    theApp.WriteProfileString("Gone", "A", "1");
    theApp.WriteProfileString("Gone\\Sub", "B", "2");
    theApp.WriteProfileString("Kept", "C", "3");
    EXPECT_TRUE(theApp.WriteProfileString("Kept", "C", nullptr));
    EXPECT_STREQ("none", theApp.GetProfileString("Kept", "C", "none"));
    EXPECT_TRUE(theApp.WriteProfileString("Gone", nullptr, nullptr));
    EXPECT_FALSE(KeyExists("Software\\FwWinTestsProfile\\FwWinTests\\Gone"));
    EXPECT_TRUE(KeyExists("Software\\FwWinTestsProfile\\FwWinTests\\Kept"));
}

TEST(ProfileWithoutKeyTest, NothingIsWrittenWithoutARegistryKey)
{
    theApp.SetRegistryKey("");
    EXPECT_FALSE(theApp.WriteProfileInt("S", "E", 1));
    EXPECT_EQ(9u, theApp.GetProfileInt("S", "E", 9));
}

}  // namespace
