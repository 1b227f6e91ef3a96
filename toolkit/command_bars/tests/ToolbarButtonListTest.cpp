// The toolbar's button list deletes the buttons it owns, once, and never one it only shows.
#include "command_bars/WTKToolbarButtonList.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

namespace {

std::set<UINT> g_deletedIds;

class CCountedButton : public CWTKToolbarButton {
public:
    explicit CCountedButton(UINT uiID) : CWTKToolbarButton(uiID, -1) {}
    ~CCountedButton() override { g_deletedIds.insert(m_nID); }
};

TEST(ToolbarButtonListTest, DeletesWhatItOwnsAndNeverWhatItBorrows)
{
    g_deletedIds.clear();
    auto pLent = std::make_unique<CCountedButton>(3);
    {
        CWTKToolbarButtonList list;
        list.AddTail(std::make_unique<CCountedButton>(1));
        list.AddBorrowed(pLent.get());
        list.InsertAt(1, std::make_unique<CCountedButton>(2));
        list.AddTail(std::make_unique<CCountedButton>(4));
        ASSERT_EQ(4, list.GetCount());
        std::vector<UINT> ids;
        for (const CWTKToolbarButton* pButton : list)
            ids.push_back(pButton->m_nID);
        EXPECT_EQ(std::vector<UINT>({1, 2, 3, 4}), ids);
        EXPECT_EQ(nullptr, list.GetAt(4));
        EXPECT_EQ(2, list.Find(pLent.get()));

        // A borrowed button leaves the list without being handed out or deleted.
        EXPECT_EQ(nullptr, list.RemoveAt(2));
        EXPECT_EQ(-1, list.Find(pLent.get()));
        // An owned one is handed out whole; the caller's pointer decides when it goes.
        std::unique_ptr<CWTKToolbarButton> pTaken = list.Remove(list.GetHead());
        ASSERT_NE(nullptr, pTaken);
        EXPECT_TRUE(g_deletedIds.empty());
        pTaken.reset();
        EXPECT_EQ(std::set<UINT>({1}), g_deletedIds);

        list.AddBorrowed(pLent.get());
    }
    EXPECT_EQ(std::set<UINT>({1, 2, 4}), g_deletedIds) << "the lent button outlives the list";
    pLent.reset();
    EXPECT_EQ(std::set<UINT>({1, 2, 3, 4}), g_deletedIds);
}

}  // namespace
