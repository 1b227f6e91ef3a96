// CWTKMouseManager: views registered by name, id and icon, double-click bindings per view, the
// bindings' round trip through the registry, damaged stored values, and the workspace running
// the bound command.
#include "ManagersTestApp.h"

#include "foundation/WTKMouseManager.h"
#include "foundation/WTKWorkspace.h"

#include "core/StringList.h"
#include "docview/FrameWnd.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// The workspace key the workspace hands the manager: the value goes straight below it.
const std::string kMouseKey = std::string(kManagersAppPath) + "Mice\\";

constexpr int kViewText = 1;
constexpr int kViewTree = 2;
constexpr int kViewList = 40;  // another bucket than the first two
constexpr UINT kCmdEdit = 32771;
constexpr UINT kMouseCmdOpen = 32772;

std::string Int32(int n)
{
    std::string bytes(4, '\0');
    std::memcpy(bytes.data(), &n, 4);
    return bytes;
}

class MouseManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteManagersSandbox();
        theApp.SetRegistryKey(kManagersCompany);
        m_manager.AddView(kViewText, "Text", 501);
        m_manager.AddView(kViewTree, "Tree");
        m_manager.AddView(kViewList, "List", 503);
    }
    void TearDown() override { DeleteManagersSandbox(); }

    CWTKMouseManager m_manager;
};

TEST_F(MouseManagerTest, KeepsOneBindingPerView)
{
    EXPECT_EQ(static_cast<CWTKMouseManagerBase*>(&m_manager), WTKGetMouseManager());
    CStringList names;
    names.AddTail("stale");
    m_manager.GetViewNames(names);
    EXPECT_EQ(3, names.GetCount());
    EXPECT_EQ(nullptr, names.Find("stale"));
    EXPECT_EQ(kViewTree, m_manager.GetViewIdByName("Tree"));
    EXPECT_EQ(-1, m_manager.GetViewIdByName("tree"));  // names compare exactly
    EXPECT_EQ(501u, m_manager.GetViewIconId(kViewText));
    EXPECT_EQ(0u, m_manager.GetViewIconId(kViewTree));
    EXPECT_FALSE(m_manager.AddView(kViewTree, "Other name"));
    EXPECT_FALSE(m_manager.AddView(7, ""));

    m_manager.SetViewDblClickCommand(kViewTree, 0);  // nothing bound: nothing changes
    EXPECT_EQ(0, m_manager.GetBindingCount());
    m_manager.SetViewDblClickCommand(kViewText, kCmdEdit);
    m_manager.SetViewDblClickCommand(kViewList, kCmdEdit);
    m_manager.SetViewDblClickCommand(kViewText, kMouseCmdOpen);  // rebinding replaces
    EXPECT_EQ(kMouseCmdOpen, m_manager.GetViewDblClickCommand(kViewText));
    EXPECT_EQ(kCmdEdit, m_manager.GetViewDblClickCommand(kViewList));
    EXPECT_EQ(0u, m_manager.GetViewDblClickCommand(kViewTree));
    m_manager.SetViewDblClickCommand(kViewText, 0);
    m_manager.SetViewDblClickCommand(kViewList, 0);
    EXPECT_EQ(0, m_manager.GetBindingCount());
    EXPECT_EQ(0u, m_manager.GetViewDblClickCommand(kViewText));
}

TEST_F(MouseManagerTest, BindingsSurviveTheRegistryAndLoadingReplacesThem)
{
    m_manager.SetViewDblClickCommand(kViewText, kCmdEdit);
    m_manager.SetViewDblClickCommand(kViewList, kMouseCmdOpen);
    ASSERT_TRUE(m_manager.SaveState(kMouseKey.c_str()));
    DWORD dwType = 0;
    EXPECT_EQ(4u + 2 * 8u, ReadRawValue(kMouseKey, "Mouse", &dwType).size());
    EXPECT_EQ(DWORD(REG_BINARY), dwType);

    m_manager.SetViewDblClickCommand(kViewText, 0);
    m_manager.SetViewDblClickCommand(kViewTree, kCmdEdit);
    ASSERT_TRUE(m_manager.LoadState(kMouseKey.c_str()));
    EXPECT_EQ(2, m_manager.GetBindingCount());
    EXPECT_EQ(kCmdEdit, m_manager.GetViewDblClickCommand(kViewText));
    EXPECT_EQ(kMouseCmdOpen, m_manager.GetViewDblClickCommand(kViewList));
    EXPECT_EQ(0u, m_manager.GetViewDblClickCommand(kViewTree));

    // Nothing stored: nothing changes.
    DeleteManagersSandbox();
    EXPECT_FALSE(m_manager.LoadState(kMouseKey.c_str()));
    EXPECT_EQ(2, m_manager.GetBindingCount());
}

TEST_F(MouseManagerTest, DamagedValuesLeaveNoBindings)
{
    const std::string pair = Int32(kViewTree) + Int32(static_cast<int>(kCmdEdit));
    struct Row {
        const char* what;
        DWORD dwType;
        std::string bytes;
        BOOL bLoaded;
        INT_PTR nBindings;
    };
    const Row rows[] = {
        {"count beyond the data", REG_BINARY, Int32(3) + pair, FALSE, 0},
        {"huge count", REG_BINARY, Int32(0x7FFFFFFF) + pair, FALSE, 0},
        {"negative count", REG_BINARY, Int32(-1) + pair, FALSE, 0},
        {"cut in a pair", REG_BINARY, Int32(1) + pair.substr(0, 6), FALSE, 0},
        {"no count", REG_BINARY, std::string("\x01", 1), FALSE, 0},
        {"a string", REG_SZ, std::string("Mouse"), FALSE, 0},
        // A pair without a command binds nothing; the rest loads.
        {"command 0", REG_BINARY, Int32(2) + Int32(kViewText) + Int32(0) + pair, TRUE, 1},
    };
    for (const Row& row : rows) {
        m_manager.SetViewDblClickCommand(kViewList, kMouseCmdOpen);
        WriteRawValue(kMouseKey, "Mouse", row.dwType, row.bytes);
        EXPECT_EQ(row.bLoaded, m_manager.LoadState(kMouseKey.c_str())) << row.what;
        EXPECT_EQ(row.nBindings, m_manager.GetBindingCount()) << row.what;
        EXPECT_EQ(0u, m_manager.GetViewDblClickCommand(kViewText)) << row.what;
        EXPECT_EQ(0u, m_manager.GetViewDblClickCommand(kViewList)) << row.what;
    }
    EXPECT_EQ(kCmdEdit, m_manager.GetViewDblClickCommand(kViewTree));
}

// The workspace runs the bound command in the window's frame.
class CCommandFrame : public CFrameWnd {
public:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_uiLastCmd = LOWORD(wParam);
        return CFrameWnd::OnCommand(wParam, lParam);
    }
    UINT m_uiLastCmd = 0;
};

TEST_F(MouseManagerTest, TheWorkspaceRunsTheBoundCommand)
{
    CWTKWorkspace workspace;
    auto* pFrame = new CCommandFrame;
    ASSERT_TRUE(pFrame->Create(nullptr, "Views", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 150)));
    m_manager.SetViewDblClickCommand(kViewTree, kMouseCmdOpen);
    EXPECT_TRUE(workspace.OnViewDoubleClick(pFrame, kViewTree));
    EXPECT_EQ(kMouseCmdOpen, pFrame->m_uiLastCmd);
    EXPECT_FALSE(workspace.OnViewDoubleClick(pFrame, kViewText));
    pFrame->DestroyWindow();
}

}  // namespace
