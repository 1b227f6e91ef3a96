// The check list box in a dialog: checks change by a click on an item's box and by Space,
// by the check style, and the parent hears CLBN_CHKCHANGE; the list keeps its checks in step
// with the items.
#include "DialogTestApp.h"
#include "DialogTestsRes.h"
#include "win/CheckListBox.h"
#include "win/DataExchange.h"
#include "win/Dialog.h"
#include <gtest/gtest.h>

namespace {

class CCheckListDialog : public CDialog {
public:
    CCheckListDialog() : CDialog(IDD_CHECK_LIST) {}
    CCheckListBox m_list;
    int m_nChanges = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_CHECK_LIST, m_list); }
    void OnCheckChange() { ++m_nChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCheckListDialog, CDialog)
    ON_CONTROL(CLBN_CHKCHANGE, IDC_CHECK_LIST, OnCheckChange)
END_MESSAGE_MAP()

class CheckListBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create(IDD_CHECK_LIST));
        for (const char* pszItem : {"Standard", "Formatting", "Drawing"})
            m_dlg.m_list.AddString(pszItem);
        m_dlg.ShowWindow(SW_SHOWNOACTIVATE);
        m_dlg.UpdateWindow();
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    // A click at x pixels from the left edge of item nIndex, vertically centred.
    void ClickItem(int nIndex, int x)
    {
        CRect rect;
        m_dlg.m_list.GetItemRect(nIndex, &rect);
        LPARAM lParam = MAKELPARAM(rect.left + x, rect.CenterPoint().y);
        m_dlg.m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        m_dlg.m_list.SendMessage(WM_LBUTTONUP, 0, lParam);
    }
    void PressSpaceOn(int nIndex)
    {
        m_dlg.m_list.SetCurSel(nIndex);
        m_dlg.m_list.SendMessage(WM_KEYDOWN, VK_SPACE, 1);
        m_dlg.m_list.SendMessage(WM_CHAR, ' ', 1);
        m_dlg.m_list.SendMessage(WM_KEYUP, VK_SPACE, (LPARAM)0xC0000001);
    }

    CCheckListDialog m_dlg;
};

TEST_F(CheckListBoxTest, ClicksOnTheBoxAndSpaceChangeChecksByStyle)
{
    int nBox = m_dlg.m_list.GetItemHeight(0) / 2;  // the middle of the check box
    int nText = m_dlg.m_list.GetItemHeight(0) + 10;
    struct Row {
        const char* what;
        UINT nStyle;
        int nStart;
        bool bSpace;
        int x;
        int nExpected;
        int nChanges;
    } rows[] = {
        {"click on the box checks", BS_AUTOCHECKBOX, 0, false, nBox, 1, 1},
        {"click on the box unchecks", BS_AUTOCHECKBOX, 1, false, nBox, 0, 1},
        {"click on the text leaves the check", BS_AUTOCHECKBOX, 0, false, nText, 0, 0},
        {"Space checks", BS_AUTOCHECKBOX, 0, true, 0, 1, 1},
        {"three states: checked goes indeterminate", BS_AUTO3STATE, 1, true, 0, 2, 1},
        {"three states: indeterminate goes unchecked", BS_AUTO3STATE, 2, false, nBox, 0, 1},
        {"a plain check box leaves it to the parent", BS_CHECKBOX, 0, false, nBox, 0, 1},
    };
    for (const Row& row : rows) {
        m_dlg.m_list.SetCheckStyle(row.nStyle);
        m_dlg.m_list.SetCheck(1, row.nStart);
        m_dlg.m_nChanges = 0;
        if (row.bSpace)
            PressSpaceOn(1);
        else
            ClickItem(1, row.x);
        EXPECT_EQ(row.nExpected, m_dlg.m_list.GetCheck(1)) << row.what;
        EXPECT_EQ(row.nChanges, m_dlg.m_nChanges) << row.what;
        EXPECT_EQ(0, m_dlg.m_list.GetCheck(0)) << row.what;  // only the item used
    }
    EXPECT_EQ(1, m_dlg.m_list.GetCurSel());  // Space did not search for an item
    m_dlg.m_list.SetCheck(0, 1);
    EXPECT_TRUE(SaveWindowScreenshot(m_dlg.m_hWnd, "check_list_box.png"));
}

TEST_F(CheckListBoxTest, ChecksFollowTheirItems)
{
    m_dlg.m_list.SetCheck(2, 1);
    m_dlg.m_list.InsertString(0, "Menu Bar");
    EXPECT_EQ(1, m_dlg.m_list.GetCheck(3));
    EXPECT_EQ(0, m_dlg.m_list.GetCheck(0));
    m_dlg.m_list.DeleteString(1);
    EXPECT_EQ(1, m_dlg.m_list.GetCheck(2));
    m_dlg.m_list.ResetContent();
    EXPECT_EQ(LB_ERR, m_dlg.m_list.GetCheck(0));
    // Items as tall as their check box at least.
    EXPECT_GE(m_dlg.m_list.GetItemHeight(0), 13);
}

}  // namespace
