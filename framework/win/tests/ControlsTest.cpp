// The thin control wrappers on real controls, owner drawing and the seams.
#include "WinTestSupport.h"
#include "win/Button.h"
#include "win/ComboBox.h"
#include "win/ListBox.h"
#include "win/ListCtrl.h"
#include "win/ShellLauncher.h"
#include "win/TickClock.h"
#include "win/ToolTipCtrl.h"
#include "win/TreeCtrl.h"
#include <gtest/gtest.h>
#include <string>

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "Controls", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr));
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    CWnd m_parent;
    CRect m_rc {0, 0, 200, 150};
};

TEST_F(ControlsTest, TreeItemsTextDataAndNavigation)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_HASBUTTONS, m_rc, &m_parent, 1));
    HTREEITEM hRoot = tree.InsertItem("Contents", 1, 2);
    HTREEITEM hFirst = tree.InsertItem("First", hRoot);
    HTREEITEM hSecond = tree.InsertItem("Second", hRoot);
    tree.SetItemData(hSecond, 0x1234);
    EXPECT_EQ(3u, tree.GetCount());
    EXPECT_EQ(hRoot, tree.GetRootItem());
    EXPECT_EQ(hFirst, tree.GetChildItem(hRoot));
    EXPECT_EQ(hSecond, tree.GetNextSiblingItem(hFirst));
    EXPECT_EQ(hRoot, tree.GetParentItem(hSecond));
    EXPECT_TRUE(tree.ItemHasChildren(hRoot));
    EXPECT_FALSE(tree.ItemHasChildren(hFirst));
    EXPECT_STREQ("Second", tree.GetItemText(hSecond));
    EXPECT_EQ(0x1234u, tree.GetItemData(hSecond));
    int nImage = 0, nSelected = 0;
    EXPECT_TRUE(tree.GetItemImage(hRoot, nImage, nSelected));
    EXPECT_EQ(1, nImage);
    EXPECT_EQ(2, nSelected);
    EXPECT_TRUE(tree.SetItemText(hFirst, "Renamed"));
    EXPECT_STREQ("Renamed", tree.GetItemText(hFirst));
    EXPECT_TRUE(tree.SelectItem(hSecond));
    EXPECT_EQ(hSecond, tree.GetSelectedItem());
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(0u, tree.GetCount());
}

TEST_F(ControlsTest, TreeObjectWorksOnAWindowItDidNotCreate)
{
    // As in the content module: another binary's object, used through its handle only.
    HWND hWndTree =
        ::CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD, 0, 0, 100, 100, m_parent.m_hWnd, nullptr, nullptr, nullptr);
    ASSERT_TRUE(hWndTree);
    CTreeCtrl* pTree = static_cast<CTreeCtrl*>(CWnd::FromHandle(hWndTree));
    pTree->InsertItem("Only");
    EXPECT_EQ(1u, (UINT)::SendMessageA(hWndTree, TVM_GETCOUNT, 0, 0));
}

TEST_F(ControlsTest, ListCtrlColumnsItemsAndSubItems)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, m_rc, &m_parent, 2));
    EXPECT_EQ(0, list.InsertColumn(0, "Topic", LVCFMT_LEFT, 100));
    EXPECT_EQ(1, list.InsertColumn(1, "Page", LVCFMT_LEFT, 50));
    EXPECT_EQ(0, list.InsertItem(0, "Alpha"));
    EXPECT_EQ(1, list.InsertItem(1, "Beta"));
    EXPECT_TRUE(list.SetItemText(1, 1, "p2"));
    EXPECT_TRUE(list.SetItemData(1, 77));
    EXPECT_EQ(2, list.GetItemCount());
    EXPECT_STREQ("Beta", list.GetItemText(1, 0));
    EXPECT_STREQ("p2", list.GetItemText(1, 1));
    EXPECT_EQ(77u, list.GetItemData(1));
    EXPECT_TRUE(list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(1, list.GetNextItem(-1, LVNI_SELECTED));
}

TEST_F(ControlsTest, ComboAndListBoxStrings)
{
    CComboBox combo;
    CListBox listBox;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, m_rc, &m_parent, 3));
    ASSERT_TRUE(listBox.Create(WS_VISIBLE, m_rc, &m_parent, 4));
    for (const char* psz : {"one", "two", "three"}) {
        combo.AddString(psz);
        listBox.AddString(psz);
    }
    combo.SetCurSel(2);
    listBox.SetCurSel(1);
    CString strCombo, strList;
    combo.GetLBText(combo.GetCurSel(), strCombo);
    listBox.GetText(listBox.GetCurSel(), strList);
    EXPECT_STREQ("three", strCombo);
    EXPECT_STREQ("two", strList);
    EXPECT_EQ(1, combo.FindStringExact(-1, "two"));
    EXPECT_EQ(3, listBox.GetCount());
}

// An owner-drawn button paints itself when its parent is asked to draw it.
class COwnerDrawButton : public CButton {
public:
    int m_nDrawn = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDis) override
    {
        ++m_nDrawn;
        ::FillRect(lpDis->hDC, &lpDis->rcItem, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    }
};

TEST_F(ControlsTest, OwnerDrawButtonDrawsItself)
{
    COwnerDrawButton button;
    ASSERT_TRUE(button.Create("Owner", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 60, 40), &m_parent, 5));
    m_parent.ShowWindow(SW_SHOWNOACTIVATE);
    button.RedrawWindow();
    EXPECT_GT(button.m_nDrawn, 0);
    HDC hDC = ::GetDC(button.m_hWnd);
    EXPECT_EQ(RGB(0, 0, 0), ::GetPixel(hDC, 5, 5));
    ::ReleaseDC(button.m_hWnd, hDC);
}

TEST_F(ControlsTest, ToolTipKnowsItsTools)
{
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&m_parent));
    CRect rcTool(0, 0, 20, 20);
    EXPECT_TRUE(tip.AddTool(&m_parent, "Tip text", &rcTool, 10));
    EXPECT_EQ(1, tip.GetToolCount());
    tip.DelTool(&m_parent, 10);
    EXPECT_EQ(0, tip.GetToolCount());
    tip.DestroyWindow();
}

// ---- Seams ----

std::string g_launched;

HINSTANCE FakeLaunch(HWND, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters, LPCSTR, int)
{
    g_launched = std::string(lpOperation ? lpOperation : "") + " " + lpFile + " " + (lpParameters ? lpParameters : "");
    return (HINSTANCE)(INT_PTR)42;
}

DWORD FixedTicks()
{
    return 1000;
}

TEST(SeamTest, ShellLauncherAndTickClockCanBeReplaced)
{
    FwShellExecuteFn pfnOld = FwSetShellLauncher(&FakeLaunch);
    EXPECT_EQ((HINSTANCE)(INT_PTR)42, FwShellExecute(nullptr, "open", "Lumidoc.exe", "/doc=x"));
    EXPECT_EQ("open Lumidoc.exe /doc=x", g_launched);
    EXPECT_EQ(&FakeLaunch, FwSetShellLauncher(pfnOld));

    FwTickCountFn pfnOldClock = FwSetTickClock(&FixedTicks);
    EXPECT_EQ(1000u, FwGetTickCount());
    FwSetTickClock(pfnOldClock);
    EXPECT_NE(1000u, FwGetTickCount());
}

}  // namespace
