// The thin wrappers of the tab, spin and header controls on real windows, and the wait cursor.
#include "DialogTestApp.h"
#include "win/HeaderCtrl.h"
#include "win/SpinButtonCtrl.h"
#include "win/TabCtrl.h"
#include "win/WaitCursor.h"
#include <gtest/gtest.h>

namespace {

class CommonControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "Controls", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    CWnd m_parent;
};

TEST_F(CommonControlsTest, TabControlKeepsItsItemsAndSelection)
{
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &m_parent, 1));
    EXPECT_EQ(0, tabs.InsertItem(0, "Standard"));
    EXPECT_EQ(1, tabs.InsertItem(1, "Custom"));
    EXPECT_EQ(2, tabs.GetItemCount());
    EXPECT_EQ(0, tabs.SetCurSel(1));  // the previous selection
    EXPECT_EQ(1, tabs.GetCurSel());
    CRect rectFirst, rectSecond, rectDisplay(0, 0, 200, 100);
    EXPECT_TRUE(tabs.GetItemRect(0, &rectFirst));
    EXPECT_TRUE(tabs.GetItemRect(1, &rectSecond));
    EXPECT_LE(rectFirst.right, rectSecond.left + 2);
    tabs.AdjustRect(FALSE, &rectDisplay);
    EXPECT_GT(rectDisplay.top, rectFirst.top);  // the display area lies below the tabs
}

TEST_F(CommonControlsTest, SpinButtonWritesItsBuddyWithinItsRange)
{
    CWnd edit;
    ASSERT_TRUE(edit.Create("EDIT", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), &m_parent, 2));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT, CRect(60, 0, 75, 20), &m_parent, 3));
    spin.SetBuddy(&edit);
    EXPECT_EQ(edit.m_hWnd, spin.GetBuddy()->m_hWnd);
    spin.SetRange(0, 255);
    int nLower = -1, nUpper = -1;
    spin.GetRange(nLower, nUpper);
    EXPECT_EQ(0, nLower);
    EXPECT_EQ(255, nUpper);
    spin.SetPos(200);
    EXPECT_EQ(200, spin.GetPos());
    CString strText;
    edit.GetWindowText(strText);
    EXPECT_STREQ("200", strText);
}

TEST_F(CommonControlsTest, HeaderItemsTheirWidthsAndHitTest)
{
    CHeaderCtrl header;
    ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(0, 0, 300, 20), &m_parent, 4));
    HDITEMA item = {};
    item.mask = HDI_WIDTH | HDI_TEXT;
    item.pszText = (LPSTR) "Name";
    item.cxy = 100;
    EXPECT_EQ(0, header.InsertItem(0, &item));
    item.pszText = (LPSTR) "Value";
    EXPECT_EQ(1, header.InsertItem(1, &item));
    EXPECT_EQ(2, header.GetItemCount());
    item.mask = HDI_WIDTH;
    item.cxy = 60;
    EXPECT_TRUE(header.SetItem(0, &item));
    item.cxy = 0;
    EXPECT_TRUE(header.GetItem(0, &item));
    EXPECT_EQ(60, item.cxy);
    CRect rectSecond;
    EXPECT_TRUE(header.GetItemRect(1, &rectSecond));
    EXPECT_EQ(60, rectSecond.left);
    HDHITTESTINFO hit = {};
    hit.pt = CPoint(70, 5);
    EXPECT_EQ(1, header.HitTest(&hit));
    EXPECT_TRUE(hit.flags & HHT_ONHEADER);
}

TEST(WaitCursorTest, ShowsTheWaitCursorWhileItLives)
{
    HCURSOR hcurArrow = ::LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    HCURSOR hcurWait = ::LoadCursorA(nullptr, (LPCSTR)IDC_WAIT);
    ::SetCursor(hcurArrow);
    {
        CWaitCursor wait;
        EXPECT_EQ(hcurWait, ::GetCursor());
        {
            CWaitCursor inner;
        }
        EXPECT_EQ(hcurWait, ::GetCursor());  // the inner one gives back the wait cursor
        ::SetCursor(hcurArrow);              // as a message box would
        wait.Restore();
        EXPECT_EQ(hcurWait, ::GetCursor());
    }
    EXPECT_EQ(hcurArrow, ::GetCursor());
}

}  // namespace
