// CWTKToolbarSnapshotStore with windowless toolbars: snapshots kept in temporary files that
// vanish when closed, a failed save that keeps the earlier snapshot, a failed restore that
// leaves the bar as it was, and entries of destroyed menus dropped with their files.
#include "command_bars/WTKToolbarSnapshotStore.h"

#include "command_bars/WTKToolBar.h"
#include "core/Archive.h"
#include "core/Exception.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

// Bars whose archive fails after the base class has done its part.
class CToolBarFailingToStore : public CWTKToolBar {
    DECLARE_SERIAL(CToolBarFailingToStore)
public:
    void Serialize(CArchive& ar) override
    {
        CWTKToolBar::Serialize(ar);
        if (ar.IsStoring())
            throw CArchiveException(CArchiveException::genericException);
    }
};
IMPLEMENT_SERIAL(CToolBarFailingToStore, CWTKToolBar, 1)

// Refuses what it read: every bar of the class, or only the one marked.
class CToolBarFailingToLoad : public CWTKToolBar {
    DECLARE_SERIAL(CToolBarFailingToLoad)
public:
    void Serialize(CArchive& ar) override
    {
        CWTKToolBar::Serialize(ar);
        if (ar.IsLoading() && (s_bAllRefuse || m_bRefuse))
            throw CArchiveException(CArchiveException::badSchema);
    }
    static inline BOOL s_bAllRefuse = FALSE;
    BOOL m_bRefuse = FALSE;
};
IMPLEMENT_SERIAL(CToolBarFailingToLoad, CWTKToolBar, 1)

namespace {

// The names of the snapshot files in the temporary folder now.
std::set<std::string> SnapshotFiles()
{
    char szFolder[MAX_PATH + 1] = {};
    ::GetTempPathA(MAX_PATH, szFolder);
    std::set<std::string> names;
    WIN32_FIND_DATAA data {};
    HANDLE hFind = ::FindFirstFileA((std::string(szFolder) + "WTK*.tmp").c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do {
        names.insert(data.cFileName);
    } while (::FindNextFileA(hFind, &data));
    ::FindClose(hFind);
    return names;
}

std::vector<UINT> IdsOf(const CWTKToolBar& bar)
{
    std::vector<UINT> ids;
    for (int i = 0; i < bar.GetCount(); ++i)
        ids.push_back(bar.GetItemID(i));
    return ids;
}

void SetIds(CWTKToolBar& bar, const std::vector<UINT>& ids)
{
    ASSERT_TRUE(bar.SetButtons(ids.data(), static_cast<int>(ids.size())));
}

// A menu for the test's keys, destroyed with the object unless the test destroys it first.
class Menu {
public:
    Menu() : m_hMenu(::CreatePopupMenu()) {}
    ~Menu() { Destroy(); }
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    operator HMENU() const { return m_hMenu; }
    void Destroy()
    {
        if (m_hMenu)
            ::DestroyMenu(m_hMenu);
        m_hMenu = nullptr;
    }

private:
    HMENU m_hMenu;
};

class ToolbarSnapshotStoreTest : public ::testing::Test {
protected:
    void SetUp() override { m_filesBefore = SnapshotFiles(); }
    // The files the store made that are still on disk.
    size_t NewFiles() const
    {
        size_t nNew = 0;
        for (const std::string& name : SnapshotFiles())
            nNew += m_filesBefore.count(name) == 0;
        return nNew;
    }

    std::set<std::string> m_filesBefore;
    CWTKToolbarSnapshotStore m_store;
    Menu m_menu;
};

TEST_F(ToolbarSnapshotStoreTest, SnapshotsLiveInOneTemporaryFileAMenuUntilRemoved)
{
    CWTKToolBar bar;
    EXPECT_FALSE(m_store.Save(m_menu, &bar));  // no buttons: nothing saved
    EXPECT_EQ(0u, NewFiles());

    SetIds(bar, {101, 0, 102});
    ASSERT_TRUE(m_store.Save(m_menu, &bar));
    EXPECT_EQ(1u, NewFiles());
    SetIds(bar, {103, 104});
    ASSERT_TRUE(m_store.Save(m_menu, &bar));
    EXPECT_EQ(1u, NewFiles()) << "the first file must be gone";

    CWTKToolBar restored;
    SetIds(restored, {999});
    ASSERT_TRUE(m_store.Restore(m_menu, &restored));
    EXPECT_EQ((std::vector<UINT> {103, 104}), IdsOf(restored));
    // A snapshot is read as often as its menu is shown.
    SetIds(restored, {999});
    ASSERT_TRUE(m_store.Restore(m_menu, &restored));
    EXPECT_EQ((std::vector<UINT> {103, 104}), IdsOf(restored));

    EXPECT_TRUE(m_store.Remove(m_menu));
    EXPECT_FALSE(m_store.Remove(m_menu));
    EXPECT_FALSE(m_store.Restore(m_menu, &restored));
    EXPECT_EQ(0u, NewFiles());

    Menu other;
    ASSERT_TRUE(m_store.Save(m_menu, &bar));
    ASSERT_TRUE(m_store.Save(other, &bar));
    EXPECT_EQ(2u, NewFiles());
    m_store.RemoveAll();
    EXPECT_EQ(0u, NewFiles());
    EXPECT_FALSE(m_store.Restore(other, &restored));
}

TEST_F(ToolbarSnapshotStoreTest, AFailedSaveKeepsTheEarlierSnapshot)
{
    CWTKToolBar bar;
    SetIds(bar, {101, 102});
    ASSERT_TRUE(m_store.Save(m_menu, &bar));

    CToolBarFailingToStore failing;
    SetIds(failing, {201, 202, 203});
    EXPECT_FALSE(m_store.Save(m_menu, &failing));
    EXPECT_EQ(1u, NewFiles()) << "the failed file must be gone, the earlier one kept";

    CWTKToolBar restored;
    ASSERT_TRUE(m_store.Restore(m_menu, &restored));
    EXPECT_EQ((std::vector<UINT> {101, 102}), IdsOf(restored));
}

TEST_F(ToolbarSnapshotStoreTest, AFailedRestoreLeavesTheBarAsItWas)
{
    CWTKToolBar bar;
    SetIds(bar, {101, 102});
    ASSERT_TRUE(m_store.Save(m_menu, &bar));

    // A snapshot that no bar of the class reads, and one that only this bar refuses.
    for (const bool bAllRefuse : {true, false}) {
        SCOPED_TRACE(bAllRefuse ? "every bar refuses" : "only the target refuses");
        CToolBarFailingToLoad::s_bAllRefuse = bAllRefuse;
        CToolBarFailingToLoad target;
        target.m_bRefuse = TRUE;
        SetIds(target, {301, 0, 302});
        EXPECT_FALSE(m_store.Restore(m_menu, &target));
        EXPECT_EQ((std::vector<UINT> {301, 0, 302}), IdsOf(target));
    }
    CToolBarFailingToLoad::s_bAllRefuse = FALSE;
}

TEST_F(ToolbarSnapshotStoreTest, AMenuDestroyedTakesItsSnapshotWithIt)
{
    CWTKToolBar bar;
    SetIds(bar, {101, 102});
    ASSERT_TRUE(m_store.Save(m_menu, &bar));
    const HMENU hGone = m_menu;
    m_menu.Destroy();

    EXPECT_EQ(0, m_store.GetCount());
    EXPECT_EQ(0u, NewFiles());
    CWTKToolBar restored;
    SetIds(restored, {999});
    EXPECT_FALSE(m_store.Restore(hGone, &restored));
    EXPECT_EQ((std::vector<UINT> {999}), IdsOf(restored));
    // Nor can a snapshot be kept for a menu that does not exist.
    EXPECT_FALSE(m_store.Save(hGone, &bar));
}

}  // namespace
