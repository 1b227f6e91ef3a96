#include "com/RegistryScript.h"

#include <gtest/gtest.h>

#include <string>

namespace {
const char kBase[] = "Software\\GlyphoraComSupportTests";

std::string Path(const std::string& sub)
{
    std::string path = kBase;
    if (!sub.empty())
        path.append("\\").append(sub);
    return path;
}

bool KeyExists(const std::string& sub)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Path(sub).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool ReadValue(const std::string& sub, const char* name, DWORD& type, std::string& data)
{
    char buffer[1024];
    DWORD size = sizeof(buffer);
    if (RegGetValueA(HKEY_CURRENT_USER, Path(sub).c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type, buffer, &size) !=
        ERROR_SUCCESS)
        return false;
    data.assign(buffer, size);
    return true;
}

std::string ReadString(const std::string& sub, const char* name = nullptr)
{
    DWORD type = 0;
    std::string data;
    if (!ReadValue(sub, name, type, data) || type != REG_SZ)
        return "<none>";
    return std::string(data.c_str());
}

void CreateKey(const std::string& sub, const char* valueName = nullptr)
{
    HKEY key = nullptr;
    ASSERT_EQ(
        ERROR_SUCCESS,
        RegCreateKeyExA(HKEY_CURRENT_USER, Path(sub).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    if (valueName != nullptr)
        RegSetValueExA(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2);
    RegCloseKey(key);
}

// The script's keys live under the test's own base key.
CString Wrap(const std::string& body)
{
    const std::string script =
        "HKCU\n{\n NoRemove Software\n {\n  NoRemove GlyphoraComSupportTests\n  {\n" + body + "\n  }\n }\n}\n";
    return script.c_str();
}

const char kProduct[] = R"(
    Sample.Thing.1 = s 'Thing Class'
    {
        CLSID = s '{11111111-2222-3333-4444-555555555555}'
    }
    NoRemove Classes
    {
        ForceRemove {11111111-2222-3333-4444-555555555555} = s 'Thing Class'
        {
            'Programmable'
            InprocServer32 = s '%MODULE%'
            {
                val ThreadingModel = s 'Apartment'
            }
            Numbers
            {
                val Small = d '42'
                val Hex = d '0x10'
                val Bytes = b '00FF7f'
            }
            'It''s quoted' = s '100%% sure'
        }
    }
    Kept = s 'kept'
)";

class RegistryScriptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, kBase);
        CreateKey("");
        m_script.AddReplacement("MODULE", "C:\\Bob's Files\\thing.dll");
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kBase); }

    CRegistryScript m_script;
};

const char kClassKey[] = "Classes\\{11111111-2222-3333-4444-555555555555}";

std::string ClassSubKey(const char* sub)
{
    return std::string(kClassKey).append("\\").append(sub);
}

TEST_F(RegistryScriptTest, RegisterWritesKeysValuesAndReplacements)
{
    ASSERT_EQ(S_OK, m_script.Register(Wrap(kProduct)));

    EXPECT_EQ("Thing Class", ReadString("Sample.Thing.1"));
    EXPECT_EQ("{11111111-2222-3333-4444-555555555555}", ReadString("Sample.Thing.1\\CLSID"));
    EXPECT_EQ("Thing Class", ReadString(kClassKey));
    EXPECT_TRUE(KeyExists(ClassSubKey("Programmable")));
    EXPECT_EQ("C:\\Bob's Files\\thing.dll", ReadString(ClassSubKey("InprocServer32")));
    EXPECT_EQ("Apartment", ReadString(ClassSubKey("InprocServer32"), "ThreadingModel"));
    EXPECT_EQ("100% sure", ReadString(ClassSubKey("It's quoted")));

    const std::string numbers = ClassSubKey("Numbers");
    DWORD type = 0;
    std::string data;
    ASSERT_TRUE(ReadValue(numbers, "Small", type, data));
    EXPECT_EQ(DWORD(REG_DWORD), type);
    EXPECT_EQ(std::string("\x2a\0\0\0", 4), data);
    ASSERT_TRUE(ReadValue(numbers, "Hex", type, data));
    EXPECT_EQ(std::string("\x10\0\0\0", 4), data);
    ASSERT_TRUE(ReadValue(numbers, "Bytes", type, data));
    EXPECT_EQ(DWORD(REG_BINARY), type);
    EXPECT_EQ(std::string("\x00\xff\x7f", 3), data);
}

TEST_F(RegistryScriptTest, ForceRemoveReplacesWholeAndOtherKeysMerge)
{
    CreateKey(ClassSubKey("Stale"));
    CreateKey("Sample.Thing.1\\Foreign");
    ASSERT_EQ(S_OK, m_script.Register(Wrap(kProduct)));

    EXPECT_FALSE(KeyExists(ClassSubKey("Stale")));
    EXPECT_TRUE(KeyExists("Sample.Thing.1\\Foreign"));
    EXPECT_EQ("Thing Class", ReadString("Sample.Thing.1"));
}

TEST_F(RegistryScriptTest, UnregisterRemovesWhatItWroteOnly)
{
    ASSERT_EQ(S_OK, m_script.Register(Wrap(kProduct)));
    CreateKey(ClassSubKey("AddedLater"));  // gone with its ForceRemove parent
    CreateKey("Kept", "ForeignValue");     // keeps its key alive
    CreateKey("Classes\\Other");           // a NoRemove key's foreign child

    ASSERT_EQ(S_OK, m_script.Unregister(Wrap(kProduct)));

    EXPECT_FALSE(KeyExists("Sample.Thing.1"));
    EXPECT_FALSE(KeyExists(kClassKey));
    EXPECT_TRUE(KeyExists("Classes\\Other"));
    EXPECT_TRUE(KeyExists("Kept"));
    EXPECT_EQ("<none>", ReadString("Kept"));
    EXPECT_EQ("x", ReadString("Kept", "ForeignValue"));
    EXPECT_TRUE(KeyExists(""));

    // A NoRemove key stays even when the script left it empty; unregistering
    // twice finds nothing to do.
    RegDeleteTreeA(HKEY_CURRENT_USER, Path("Classes\\Other").c_str());
    ASSERT_EQ(S_OK, m_script.Unregister(Wrap(kProduct)));
    EXPECT_TRUE(KeyExists("Classes"));
}

TEST_F(RegistryScriptTest, DeleteKeyGoesOnRegister)
{
    CreateKey("Old\\Child");
    ASSERT_EQ(S_OK, m_script.Register(Wrap("Delete Old\nNew = s 'n'")));
    EXPECT_FALSE(KeyExists("Old"));
    EXPECT_EQ("n", ReadString("New"));
}

TEST_F(RegistryScriptTest, SyntaxErrorsWriteNothing)
{
    const char* const bodies[] = {
        "First = s 'a'\n Second = s 'unterminated",
        "First = s 'a'\n Second = x 'unknown type'",
        "First = s 'a'\n Second = d 'twelve'",
        "First = s 'a'\n Second = d '-1'",
        "First = s 'a'\n Second = b 'ABC'",
        "First = s 'a'\n Second = b 'GG'",
        "First = s 'a'\n Second = s '%UNKNOWN%'",
        "First = s 'a'\n Second = s '50% off'",
        "First = s 'a'\n Second = s",
        "First = s 'a'\n Second { val = s 'no name' }",
        "First = s 'a'\n Second { Third",
        "First = s 'a'\n NoRemove = s 'no name'",
        "First = s 'a'\n }}",
    };
    for (const char* body : bodies) {
        EXPECT_EQ(CRegistryScript::kSyntaxError, m_script.Register(Wrap(body))) << body;
        EXPECT_FALSE(KeyExists("First")) << body;
    }
    EXPECT_EQ(CRegistryScript::kSyntaxError, m_script.Register("HKXX { First = s 'a' }"));
    EXPECT_EQ(CRegistryScript::kSyntaxError, m_script.Register("HKCU First"));
    EXPECT_EQ(S_OK, m_script.Register(""));
}
}  // namespace
