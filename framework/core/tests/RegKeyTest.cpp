// CRegKey reads registry values as untrusted data: type-checked, bounded, always
// terminated; and it owns its key.
#include "core/RegKey.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const char kTestKey[] = "Software\\GlyphoraFrameworkTests\\RegKey";

class RegKeyTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(ERROR_SUCCESS, m_key.Create(HKEY_CURRENT_USER, kTestKey)); }
    void TearDown() override
    {
        m_key.Close();
        CRegKey parent;
        if (parent.Open(HKEY_CURRENT_USER, "Software\\GlyphoraFrameworkTests") == ERROR_SUCCESS)
            parent.RecurseDeleteKey("RegKey");
    }
    void SetRaw(LPCSTR lpszName, DWORD dwType, const std::string& bytes)
    {
        ASSERT_EQ(ERROR_SUCCESS, m_key.SetValue(lpszName, dwType, bytes.data(), (ULONG)bytes.size()));
    }
    CRegKey m_key;
};

TEST_F(RegKeyTest, StringQueriesCheckTypeLengthAndTermination)
{
    SetRaw("plain", REG_SZ, std::string("abc", 4));
    SetRaw("unterminated", REG_SZ, "abcd");
    SetRaw("expand", REG_EXPAND_SZ, std::string("%x%", 4));
    SetRaw("number", REG_DWORD, std::string("\x01\0\0\0", 4));
    SetRaw("long", REG_SZ, std::string(40, 'x') + '\0');
    struct Row {
        const char* name;
        LONG expectedResult;
        const char* expectedText;  // in an 8-character buffer
    } rows[] = {
        {"plain", ERROR_SUCCESS, "abc"},  {"unterminated", ERROR_SUCCESS, "abcd"},
        {"expand", ERROR_SUCCESS, "%x%"}, {"number", ERROR_INVALID_DATATYPE, ""},
        {"long", ERROR_MORE_DATA, ""},    {"missing", ERROR_FILE_NOT_FOUND, ""},
    };
    for (const Row& row : rows) {
        char szBuffer[8];
        memset(szBuffer, '#', sizeof(szBuffer));
        ULONG nChars = sizeof(szBuffer);
        EXPECT_EQ(row.expectedResult, m_key.QueryStringValue(row.name, szBuffer, &nChars)) << row.name;
        EXPECT_STREQ(row.expectedText, szBuffer) << row.name;

        CString str = "old";
        EXPECT_EQ(row.expectedResult, m_key.QueryStringValue(row.name, str, 7)) << row.name << " (string)";
        EXPECT_STREQ(row.expectedText, str) << row.name << " (string)";
    }
}

TEST_F(RegKeyTest, NumbersAndBytesOfTheirOwnTypeOnly)
{
    ASSERT_EQ(ERROR_SUCCESS, m_key.SetDWORDValue("number", 42));
    ASSERT_EQ(ERROR_SUCCESS, m_key.SetBinaryValue("bytes", "\x01\x02\x03", 3));
    ASSERT_EQ(ERROR_SUCCESS, m_key.SetStringValue("text", "abc"));

    DWORD dwValue = 7;
    EXPECT_EQ(ERROR_SUCCESS, m_key.QueryDWORDValue("number", dwValue));
    EXPECT_EQ(42u, dwValue);
    EXPECT_EQ(ERROR_INVALID_DATATYPE, m_key.QueryDWORDValue("text", dwValue));
    EXPECT_EQ(42u, dwValue) << "a refused value leaves the variable alone";

    BYTE bytes[2] = {};
    ULONG nBytes = sizeof(bytes);
    EXPECT_EQ(ERROR_MORE_DATA, m_key.QueryBinaryValue("bytes", bytes, &nBytes));
    EXPECT_EQ(3u, nBytes);
    nBytes = 0;
    EXPECT_EQ(ERROR_SUCCESS, m_key.QueryBinaryValue("bytes", nullptr, &nBytes));
    EXPECT_EQ(3u, nBytes);
    EXPECT_EQ(ERROR_INVALID_DATATYPE, m_key.QueryBinaryValue("number", nullptr, &nBytes));

    EXPECT_EQ(ERROR_SUCCESS, m_key.DeleteValue("number"));
    EXPECT_EQ(ERROR_SUCCESS, m_key.DeleteValue("number")) << "already gone counts as deleted";
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, m_key.QueryDWORDValue("number", dwValue));
}

TEST_F(RegKeyTest, OwnsItsKeyUntilDetached)
{
    CRegKey sub;
    ASSERT_EQ(ERROR_SUCCESS, sub.Create(m_key, "Child\\Grandchild"));
    HKEY hKey = sub.Detach();
    EXPECT_EQ(nullptr, sub.m_hKey);
    CRegKey moved(hKey);
    CRegKey target = std::move(moved);
    EXPECT_EQ(hKey, target.m_hKey);
    EXPECT_EQ(nullptr, moved.m_hKey);
    EXPECT_EQ(ERROR_SUCCESS, target.Close());
    EXPECT_NE(ERROR_SUCCESS, m_key.DeleteSubKey("Child")) << "a key with subkeys stays";
    EXPECT_EQ(ERROR_SUCCESS, m_key.RecurseDeleteKey("Child"));
    EXPECT_NE(ERROR_SUCCESS, sub.Open(m_key, "Child"));
}

}  // namespace
