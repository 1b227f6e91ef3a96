// CWTKKeyboardManager: key texts and bound keys from a frame's table through the two caches,
// installing tables (the first table of a frame, a table that another frame still uses), the
// user's tables saved and loaded per template and for the frame, damaged stored tables, and the
// reset to the resource tables.
#include "ManagersTestApp.h"

#include "foundation/WTKFrameResourceIdSource.h"
#include "foundation/WTKKeyboardManager.h"

#include "docview/Document.h"
#include "docview/FrameWnd.h"
#include "docview/MultiDocTemplate.h"
#include "docview/View.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The workspace key the workspace hands the manager.
const std::string kWorkspacePath = std::string(kManagersAppPath) + "Keys\\";

constexpr UINT kCmdOpen = 101;
constexpr UINT kCmdRefresh = 102;
constexpr UINT kCmdUnbound = 199;

std::string TableKey(UINT uiId)
{
    return kWorkspacePath + "WTKKeyboard-" + std::to_string(uiId);
}

HACCEL MakeTable(std::vector<ACCEL> entries)
{
    return ::CreateAcceleratorTableA(entries.data(), static_cast<int>(entries.size()));
}

// The commands of a table, in order (empty for none or a destroyed handle).
std::vector<UINT> Commands(HACCEL hAccel)
{
    std::vector<UINT> commands;
    for (const ACCEL& accel : CWTKKeyboardManager::CopyTable(hAccel))
        commands.push_back(accel.cmd);
    return commands;
}

BOOL IsLiveTable(HACCEL hAccel)
{
    return ::CopyAcceleratorTableA(hAccel, nullptr, 0) > 0;
}

// Every frame was loaded from the test's frame table, as far as the reset asks.
class CTestFrameResourceIds : public CWTKFrameResourceIdSource {
public:
    UINT GetFrameResourceId(CFrameWnd*) override { return IDR_TEST_FRAME_ACCEL; }
};

class KeyboardManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pOldResourceIds = CWTKFrameResourceIdSource::Register(&m_resourceIds);
        DeleteManagersSandbox();
        theApp.SetRegistryKey(kManagersCompany);
        CWTKKeyboardManager::InvalidateCaches();
        m_pFrame = MakeFrame("Keys");
        // The second entry as resource scripts usually give it, with FNOINVERT.
        m_pFrame->m_hAccelTable =
            MakeTable({{FVIRTKEY | FCONTROL, 'O', kCmdOpen}, {FVIRTKEY | FSHIFT | FNOINVERT, VK_F5, kCmdRefresh}});
    }
    void TearDown() override
    {
        for (CFrameWnd* pFrame : m_frames) {
            if (::IsWindow(pFrame->GetSafeHwnd())) {
                if (pFrame->m_hAccelTable != nullptr && IsLiveTable(pFrame->m_hAccelTable))
                    ::DestroyAcceleratorTable(pFrame->m_hAccelTable);
                pFrame->DestroyWindow();
            }
        }
        CWTKFrameResourceIdSource::Register(m_pOldResourceIds);
        CWTKKeyboardManager::CleanUp();
        DeleteManagersSandbox();
    }
    CFrameWnd* MakeFrame(const char* pszName)
    {
        auto* pFrame = new CFrameWnd;
        EXPECT_TRUE(pFrame->Create(nullptr, pszName, WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 150)));
        m_frames.push_back(pFrame);
        return pFrame;
    }

    CFrameWnd* m_pFrame = nullptr;
    std::vector<CFrameWnd*> m_frames;
    CTestFrameResourceIds m_resourceIds;
    CWTKFrameResourceIdSource* m_pOldResourceIds = nullptr;
};

TEST_F(KeyboardManagerTest, KeyTextAndBoundKeysComeFromTheFramesTable)
{
    struct TextRow {
        UINT uiCmd;
        BOOL bFound;
        const char* text;
    };
    const TextRow texts[] = {{kCmdOpen, TRUE, "Control+O"}, {kCmdRefresh, TRUE, "Shift+F5"}, {kCmdUnbound, FALSE, ""}};
    for (const TextRow& row : texts) {
        CString str("old");
        EXPECT_EQ(row.bFound, CWTKKeyboardManager::FindDefaultAccelerator(row.uiCmd, str, m_pFrame, TRUE)) << row.uiCmd;
        EXPECT_STREQ(row.text, str) << row.uiCmd;
    }

    struct KeyRow {
        WORD nKey;
        BYTE fVirt;
        BOOL bHandled;
    };
    const KeyRow keys[] = {
        {'O', FVIRTKEY | FCONTROL, TRUE},
        {'O', FVIRTKEY | FCONTROL | FNOINVERT, TRUE},
        {'O', FVIRTKEY | FCONTROL | FSHIFT, FALSE},  // other modifiers than bound
        {'O', FVIRTKEY, FALSE},
        {VK_F5, FVIRTKEY | FSHIFT, TRUE},  // bound with FNOINVERT: still bound
        {VK_F5, FVIRTKEY | FSHIFT | FNOINVERT, TRUE},
        {VK_F5, FVIRTKEY | FALT, FALSE},
        {'P', FVIRTKEY | FCONTROL, FALSE},
    };
    for (const KeyRow& row : keys)
        EXPECT_EQ(row.bHandled, CWTKKeyboardManager::IsKeyHandled(row.nKey, row.fVirt, m_pFrame, FALSE))
            << row.nKey << " flags " << int(row.fVirt);

    // No frame, or a frame without a table, knows nothing.
    CString str("old");
    EXPECT_FALSE(CWTKKeyboardManager::FindDefaultAccelerator(kCmdOpen, str, nullptr, TRUE));
    EXPECT_STREQ("", str);
    CFrameWnd* pBare = MakeFrame("Bare");
    EXPECT_FALSE(CWTKKeyboardManager::FindDefaultAccelerator(kCmdOpen, str, pBare, TRUE));
    EXPECT_FALSE(CWTKKeyboardManager::IsKeyHandled('O', FVIRTKEY | FCONTROL, pBare, TRUE));
}

TEST_F(KeyboardManagerTest, CachesFollowTheTableHandleAndTheToolkitsChanges)
{
    CString str;
    ASSERT_TRUE(CWTKKeyboardManager::FindDefaultAccelerator(kCmdOpen, str, m_pFrame, TRUE));

    // A table destroyed behind the toolkit's back: the copy made from that handle still answers.
    HACCEL hOld = m_pFrame->m_hAccelTable;
    ::DestroyAcceleratorTable(hOld);
    EXPECT_TRUE(CWTKKeyboardManager::FindDefaultAccelerator(kCmdOpen, str, m_pFrame, TRUE));
    // The other cache never saw the table.
    EXPECT_FALSE(CWTKKeyboardManager::FindDefaultAccelerator(kCmdOpen, str, m_pFrame, FALSE));
    // The toolkit says tables changed: the next query copies again.
    CWTKKeyboardManager::InvalidateCaches();
    EXPECT_FALSE(CWTKKeyboardManager::FindDefaultAccelerator(kCmdOpen, str, m_pFrame, TRUE));

    // A new table on the frame is copied at the next query.
    m_pFrame->m_hAccelTable = MakeTable({{FVIRTKEY | FALT, 'R', kCmdOpen}});
    EXPECT_TRUE(CWTKKeyboardManager::FindDefaultAccelerator(kCmdOpen, str, m_pFrame, TRUE));
    EXPECT_STREQ("Alt+R", str);

    // Installing through the manager invalidates both caches.
    CWTKKeyboardManager manager;
    const ACCEL entry = {FVIRTKEY | FCONTROL, 'Q', kCmdOpen};
    ASSERT_TRUE(manager.UpdateAcceleratorTable(nullptr, &entry, 1, m_pFrame));
    EXPECT_TRUE(CWTKKeyboardManager::FindDefaultAccelerator(kCmdOpen, str, m_pFrame, TRUE));
    EXPECT_STREQ("Control+Q", str);
}

TEST_F(KeyboardManagerTest, InstallsTheFirstTableAndKeepsTablesOtherFramesUse)
{
    CWTKKeyboardManager manager;
    EXPECT_EQ(&manager, WTKGetKeyboardManager());
    const ACCEL entries[] = {{FVIRTKEY | FCONTROL, 'K', kCmdOpen}};

    // A frame without a table gets the new one and keeps it: nothing to destroy is no failure.
    CFrameWnd* pBare = MakeFrame("Bare");
    ASSERT_TRUE(manager.UpdateAcceleratorTable(nullptr, entries, 1, pBare));
    ASSERT_NE(nullptr, pBare->m_hAccelTable);
    EXPECT_EQ(std::vector<UINT>({kCmdOpen}), Commands(pBare->m_hAccelTable));

    // The old table goes unless another frame still translates with it.
    CFrameWnd* pSharing = MakeFrame("Sharing");
    HACCEL hShared = m_pFrame->m_hAccelTable;
    pSharing->m_hAccelTable = hShared;
    ASSERT_TRUE(manager.UpdateAcceleratorTable(nullptr, entries, 1, m_pFrame));
    EXPECT_TRUE(IsLiveTable(hShared));
    EXPECT_EQ(std::vector<UINT>({kCmdOpen, kCmdRefresh}), Commands(pSharing->m_hAccelTable));
    HACCEL hNowOwn = pBare->m_hAccelTable;
    ASSERT_TRUE(manager.UpdateAcceleratorTable(nullptr, entries, 1, pBare));
    EXPECT_FALSE(IsLiveTable(hNowOwn));
    EXPECT_TRUE(IsLiveTable(pBare->m_hAccelTable));

    // Nothing to install, or nowhere to install it.
    EXPECT_FALSE(manager.UpdateAcceleratorTable(nullptr, entries, 0, pBare));
    EXPECT_FALSE(manager.UpdateAcceleratorTable(nullptr, nullptr, 1, pBare));
    EXPECT_FALSE(manager.UpdateAcceleratorTable(nullptr, entries, 1, nullptr));  // no main window here
}

TEST_F(KeyboardManagerTest, SavesAndLoadsTheUsersTablesPerTemplateAndForTheFrame)
{
    // Two templates; the second has a table from its resource, the first none (skipped).
    auto* pNoTable = new CMultiDocTemplate(IDR_TEST_FRAME_ACCEL + 50, RUNTIME_CLASS(CDocument),
                                           RUNTIME_CLASS(CFrameWnd), RUNTIME_CLASS(CView));
    auto* pTemplate = new CMultiDocTemplate(IDR_TEST_DOC_ACCEL, RUNTIME_CLASS(CDocument), RUNTIME_CLASS(CFrameWnd),
                                            RUNTIME_CLASS(CView));
    theApp.AddDocTemplate(pNoTable);
    theApp.AddDocTemplate(pTemplate);
    ASSERT_EQ(nullptr, pNoTable->m_hAccelTable);
    ASSERT_EQ(std::vector<UINT>({ID_TEST_DOC_CMD}), Commands(pTemplate->m_hAccelTable));

    // A document of the template shown in a child frame that uses the template's table.
    CFrameWnd* pChild = MakeFrame("Child");
    HACCEL hResource = pTemplate->m_hAccelTable;
    pChild->m_hAccelTable = hResource;
    auto* pDoc = new CDocument;
    pTemplate->AddDocument(pDoc);
    auto* pView = new CView;
    ASSERT_TRUE(pView->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 50, 50), pChild, FW_IDW_PANE_FIRST));
    pDoc->AddView(pView);

    CWTKKeyboardManager manager;
    const ACCEL user[] = {{FVIRTKEY | FCONTROL, 'U', ID_TEST_DOC_CMD}, {FVIRTKEY, VK_F9, kCmdRefresh}};
    ASSERT_TRUE(manager.UpdateAcceleratorTable(pTemplate, user, 2));
    EXPECT_EQ(pTemplate->m_hAccelTable, pChild->m_hAccelTable);
    EXPECT_NE(hResource, pTemplate->m_hAccelTable);
    EXPECT_FALSE(IsLiveTable(hResource));

    ASSERT_TRUE(manager.SaveState(kWorkspacePath.c_str(), m_pFrame));
    EXPECT_EQ(12u, ReadRawValue(TableKey(IDR_TEST_DOC_ACCEL), "Accelerators").size());
    EXPECT_EQ(12u, ReadRawValue(TableKey(0), "Accelerators").size());
    EXPECT_TRUE(ReadRawValue(TableKey(IDR_TEST_FRAME_ACCEL + 50), "Accelerators").empty());

    // Back to other tables; loading brings the user's tables back, each to its owner.
    const ACCEL other[] = {{FVIRTKEY, VK_F2, kCmdUnbound}};
    ASSERT_TRUE(manager.UpdateAcceleratorTable(pTemplate, other, 1));
    ASSERT_TRUE(manager.UpdateAcceleratorTable(nullptr, other, 1, m_pFrame));
    ASSERT_TRUE(manager.LoadState(kWorkspacePath.c_str(), m_pFrame));
    EXPECT_EQ(std::vector<UINT>({ID_TEST_DOC_CMD, kCmdRefresh}), Commands(pTemplate->m_hAccelTable));
    EXPECT_EQ(pTemplate->m_hAccelTable, pChild->m_hAccelTable);
    EXPECT_EQ(std::vector<UINT>({kCmdOpen, kCmdRefresh}), Commands(m_pFrame->m_hAccelTable));

    // The reset brings the resource tables back: the template's and the frame's own.
    theApp.m_pMainWnd = m_pFrame;
    manager.ResetAll();
    theApp.m_pMainWnd = nullptr;
    EXPECT_EQ(std::vector<UINT>({ID_TEST_DOC_CMD}), Commands(pTemplate->m_hAccelTable));
    EXPECT_EQ(pTemplate->m_hAccelTable, pChild->m_hAccelTable);
    EXPECT_EQ(std::vector<UINT>({ID_TEST_RESOURCE_CMD}), Commands(m_pFrame->m_hAccelTable));

    // The templates stay with the application: later tests must not see their tables.
    pChild->m_hAccelTable = nullptr;
    pChild->DestroyWindow();
    ::DestroyAcceleratorTable(pTemplate->m_hAccelTable);
    pTemplate->m_hAccelTable = nullptr;
}

TEST_F(KeyboardManagerTest, SkipsDamagedStoredTables)
{
    CWTKKeyboardManager manager;
    const std::vector<UINT> before = Commands(m_pFrame->m_hAccelTable);
    struct Row {
        const char* what;
        DWORD dwType;
        std::string bytes;
    };
    const std::string oneEntry("\x01\x00\x41\x00\x07\x00", 6);
    const Row rows[] = {
        {"empty", REG_BINARY, std::string()},
        {"one byte short", REG_BINARY, oneEntry.substr(0, 5)},
        {"one byte over", REG_BINARY, oneEntry + "x"},
        {"not binary", REG_DWORD, std::string("\x07\x00\x00\x00", 4)},
    };
    for (const Row& row : rows) {
        WriteRawValue(TableKey(0), "Accelerators", row.dwType, row.bytes);
        EXPECT_TRUE(manager.LoadState(kWorkspacePath.c_str(), m_pFrame)) << row.what;
        EXPECT_EQ(before, Commands(m_pFrame->m_hAccelTable)) << row.what;
    }
    // A sound value is taken.
    WriteRawValue(TableKey(0), "Accelerators", REG_BINARY, oneEntry);
    EXPECT_TRUE(manager.LoadState(kWorkspacePath.c_str(), m_pFrame));
    EXPECT_EQ(std::vector<UINT>({7}), Commands(m_pFrame->m_hAccelTable));
}

}  // namespace
