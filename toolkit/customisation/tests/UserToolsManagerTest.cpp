// The tools manager: finding tools by id inside its range, its list operations, and its
// registry state read back from intact and damaged values.
#include "UserToolsTestSupport.h"

#include "command_bars/WTKToolbarMessages.h"

#include "core/Archive.h"
#include "core/MemFile.h"

#include <gtest/gtest.h>

#include <functional>

// A serialisable class that is no tool.
class CForeignObject : public CObject {
    DECLARE_SERIAL(CForeignObject)
public:
    void Serialize(CArchive& ar) override
    {
        CObject::Serialize(ar);
        if (ar.IsStoring())
            ar << m_dw;
        else
            ar >> m_dw;
    }
    DWORD m_dw = 7;
};
IMPLEMENT_SERIAL(CForeignObject, CObject, 1)

namespace {

TEST(UserToolsManagerTest, FindToolLooksOnlyInsideTheRangeAndTheFirstOfTwoWins)
{
    CTestToolsManager manager;
    manager.AddTool("below", ID_TEST_FIRST_TOOL - 1);
    manager.AddTool("first", ID_TEST_FIRST_TOOL);
    manager.AddTool("dup A", ID_TEST_FIRST_TOOL + 2);
    manager.AddTool("last", ID_TEST_LAST_TOOL);
    manager.AddTool("dup B", ID_TEST_FIRST_TOOL + 2);
    manager.AddTool("above", ID_TEST_LAST_TOOL + 1);
    const struct {
        UINT uiId;
        const char* pszFound;  // null: none
    } cases[] = {
        {ID_TEST_FIRST_TOOL - 1, nullptr}, {ID_TEST_FIRST_TOOL, "first"}, {ID_TEST_FIRST_TOOL + 1, nullptr},
        {ID_TEST_FIRST_TOOL + 2, "dup A"}, {ID_TEST_LAST_TOOL, "last"},   {ID_TEST_LAST_TOOL + 1, nullptr},
    };
    for (const auto& c : cases) {
        const CWTKUserTool* pTool = manager.FindTool(c.uiId);
        CString strLabel;
        if (c.pszFound == nullptr) {
            EXPECT_EQ(pTool, nullptr) << c.uiId;
            EXPECT_FALSE(manager.GetToolLabel(c.uiId, strLabel)) << c.uiId;
            EXPECT_EQ(manager.GetToolIcon(c.uiId), nullptr) << c.uiId;
            EXPECT_FALSE(manager.InvokeTool(c.uiId)) << c.uiId;
        } else {
            ASSERT_NE(pTool, nullptr) << c.uiId;
            EXPECT_EQ(pTool->m_strLabel, CString(c.pszFound));
            EXPECT_TRUE(manager.GetToolLabel(c.uiId, strLabel));
            EXPECT_EQ(strLabel, CString(c.pszFound));
            EXPECT_EQ(manager.GetToolIcon(c.uiId), CWTKUserTool::GetDefaultIcon()) << "no command: the default icon";
        }
    }
}

TEST(UserToolsManagerTest, NewToolsTakeTheLowestFreeIdsUpToTheLimitAndMoveInTheList)
{
    CTestToolsManager manager;
    manager.AddTool("taken", ID_TEST_FIRST_TOOL + 1);
    std::vector<UINT> ids;
    while (CWTKUserTool* pTool = manager.CreateNewTool())
        ids.push_back(pTool->GetCommandId());
    EXPECT_EQ(
        ids,
        (std::vector<UINT> {ID_TEST_FIRST_TOOL, ID_TEST_FIRST_TOOL + 2, ID_TEST_FIRST_TOOL + 3, ID_TEST_LAST_TOOL}));
    EXPECT_EQ(manager.GetToolCount(), manager.GetMaxTools());

    manager.RemoveAllTools();
    CWTKUserTool* pA = manager.AddTool("A", ID_TEST_FIRST_TOOL);
    manager.AddTool("B", ID_TEST_FIRST_TOOL + 1);
    CWTKUserTool* pC = manager.AddTool("C", ID_TEST_FIRST_TOOL + 2);
    EXPECT_FALSE(manager.MoveToolUp(pA)) << "the first can't go up";
    EXPECT_FALSE(manager.MoveToolDown(pC)) << "the last can't go down";
    EXPECT_TRUE(manager.MoveToolDown(pA));
    EXPECT_EQ(manager.Labels(), "B|A|C");
    EXPECT_TRUE(manager.MoveToolUp(pC));
    EXPECT_EQ(manager.Labels(), "B|C|A");
    EXPECT_TRUE(manager.RemoveTool(pC));
    EXPECT_FALSE(manager.RemoveTool(pC)) << "no longer in the list";
    EXPECT_EQ(manager.Labels(), "B|A");

    // A limit below the range's size.
    CWTKUserToolsManager limited(ID_TEST_TOOLS_ENTRY, ID_TEST_FIRST_TOOL, ID_TEST_LAST_TOOL, 2);
    EXPECT_NE(limited.CreateNewTool(), nullptr);
    EXPECT_NE(limited.CreateNewTool(), nullptr);
    EXPECT_EQ(limited.CreateNewTool(), nullptr);
}

TEST(UserToolsManagerTest, TheManagerIsTheProcessWideOneWhileItLives)
{
    EXPECT_EQ(WTKGetUserToolsManager(), nullptr);
    EXPECT_FALSE(WTKIsUserToolCmd(ID_TEST_FIRST_TOOL)) << "no manager, no tool ids";
    {
        CTestToolsManager manager;
        EXPECT_EQ(WTKGetUserToolsManager(), &manager);
        EXPECT_TRUE(WTKIsUserToolCmd(ID_TEST_FIRST_TOOL));
        EXPECT_TRUE(WTKIsUserToolsEntryCmd(ID_TEST_TOOLS_ENTRY));
        EXPECT_FALSE(WTKIsUserToolsEntryCmd(0));
    }
    EXPECT_EQ(WTKGetUserToolsManager(), nullptr);
}

class UserToolsStateTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteToolsSandbox(); }
    void TearDown() override { DeleteToolsSandbox(); }

    // Writes raw bytes as the "Tools" value.
    static void WriteToolsValue(const std::vector<BYTE>& bytes)
    {
        HKEY hKey = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kToolsStatePath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                                    nullptr),
                  ERROR_SUCCESS);
        ::RegSetValueExA(hKey, kWTKUserToolsEntry, 0, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
        ::RegCloseKey(hKey);
    }
    // The bytes an archive holds after storeFn.
    static std::vector<BYTE> Archived(const std::function<void(CArchive&)>& storeFn)
    {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            storeFn(ar);
        }
        const UINT nLength = static_cast<UINT>(file.GetLength());
        BYTE* pBytes = file.Detach();
        std::vector<BYTE> bytes(pBytes, pBytes + nLength);
        free(pBytes);
        return bytes;
    }
    // One tool whose label claims 0xFFF0 bytes that aren't there.
    static std::vector<BYTE> LongLabelTool()
    {
        std::vector<BYTE> bytes = Archived([](CArchive& ar) {
            ar.WriteCount(1);
            CWTKUserTool tool;
            ar << &tool;
        });
        // Four empty strings (a length byte each) and the 32-bit id end the tool.
        bytes.resize(bytes.size() - 8);
        for (BYTE b : {0xFF, 0xF0, 0xFF})  // 0xFF: a 16-bit length follows
            bytes.push_back(b);
        return bytes;
    }
    // Two tools as a list archive.
    static std::vector<BYTE> TwoTools()
    {
        CTestToolsManager source;
        source.AddTool("Editor", ID_TEST_FIRST_TOOL, "cmd.exe");
        source.AddTool("Viewer", ID_TEST_FIRST_TOOL + 1, "viewer.exe");
        return Archived([&](CArchive& ar) { const_cast<CObList&>(source.GetUserTools()).Serialize(ar); });
    }
};

TEST_F(UserToolsStateTest, ToolsSurviveTheRegistryWithTheirFieldsAndIcons)
{
    {
        CTestToolsManager manager;
        CWTKUserTool* pTool = manager.AddTool("&Console", ID_TEST_FIRST_TOOL + 3, "cmd.exe");
        pTool->m_strArguments = "/k echo hello";
        pTool->m_strInitialDirectory = "C:\\temp";
        manager.AddTool("Nothing", ID_TEST_FIRST_TOOL);
        ASSERT_TRUE(manager.SaveState(kToolsStatePath));
    }
    CTestToolsManager manager;
    manager.AddTool("stale", ID_TEST_FIRST_TOOL);
    ASSERT_TRUE(manager.LoadState(kToolsStatePath));
    EXPECT_EQ(manager.Labels(), "&Console|Nothing");
    const CWTKUserTool* pTool = manager.FindTool(ID_TEST_FIRST_TOOL + 3);
    ASSERT_NE(pTool, nullptr);
    EXPECT_EQ(pTool->GetCommand(), CString("cmd.exe"));
    EXPECT_EQ(pTool->m_strArguments, CString("/k echo hello"));
    EXPECT_EQ(pTool->m_strInitialDirectory, CString("C:\\temp"));
    EXPECT_NE(pTool->GetOwnIcon(), nullptr) << "a loaded tool's icon is loaded";
    EXPECT_NE(pTool->GetIcon(), CWTKUserTool::GetDefaultIcon());
}

TEST_F(UserToolsStateTest, ADamagedValueLoadsNothing)
{
    const std::vector<BYTE> intact = TwoTools();
    const struct {
        const char* pszName;
        std::vector<BYTE> bytes;
    } cases[] = {
        {"truncated in the second tool", std::vector<BYTE>(intact.begin(), intact.end() - 5)},
        {"truncated in the count", std::vector<BYTE>(intact.begin(), intact.begin() + 1)},
        {"huge count", Archived([](CArchive& ar) { ar.WriteCount(0x7FFFFFFF); })},
        {"a foreign class", Archived([](CArchive& ar) {
             CObList list;
             CForeignObject foreign;
             list.AddTail(&foreign);
             list.Serialize(ar);
         })},
        {"a null entry", Archived([](CArchive& ar) {
             CObList list;
             list.AddTail(static_cast<CObject*>(nullptr));
             list.Serialize(ar);
         })},
        {"a string longer than the data", LongLabelTool()},
    };
    for (const auto& c : cases) {
        const std::vector<BYTE>& bytes = c.bytes;
        WriteToolsValue(bytes);
        CTestToolsManager manager;
        manager.AddTool("stale", ID_TEST_FIRST_TOOL);
        EXPECT_FALSE(manager.LoadState(kToolsStatePath)) << c.pszName;
        EXPECT_EQ(manager.GetToolCount(), 0) << c.pszName;
    }
    WriteToolsValue(intact);
    CTestToolsManager manager;
    EXPECT_TRUE(manager.LoadState(kToolsStatePath)) << "the intact value reads";
    EXPECT_EQ(manager.Labels(), "Editor|Viewer");
}

TEST_F(UserToolsStateTest, AMissingKeyEmptiesTheList)
{
    CTestToolsManager manager;
    manager.AddTool("stale", ID_TEST_FIRST_TOOL);
    EXPECT_FALSE(manager.LoadState(kToolsStatePath));
    EXPECT_EQ(manager.GetToolCount(), 0);
}

}  // namespace
