// The Mouse page: the mouse manager's views sorted by name, binding a command to a view's double
// click and removing it, and the beeps of actions that need a view when none is selected.
#include "PagesTestSupport.h"

#include "customisation/WTKMousePage.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "win/ListBox.h"
#include "win/ListCtrl.h"

namespace {

class MousePageTest : public CustomizeTestBase {
protected:
    void SetUp() override
    {
        CustomizeTestBase::SetUp();
        m_pManager = dynamic_cast<CWTKMouseManager*>(WTKGetMouseManager());
        ASSERT_NE(m_pManager, nullptr);
        m_pManager->SetViewDblClickCommand(CT_TEXT_VIEW_ID, 0);
        m_pManager->SetViewDblClickCommand(CT_DRAW_VIEW_ID, 0);
        m_pPage = new CWTKMousePage;
        m_pSheet = OpenSheetOnPage(m_pFrame, m_pPage);
        ASSERT_NE(m_pSheet, nullptr);
        ASSERT_NE(m_pPage->GetSafeHwnd(), nullptr);
    }
    void TearDown() override
    {
        CustomizeTestBase::TearDown();
        m_pManager->SetViewDblClickCommand(CT_TEXT_VIEW_ID, 0);
        m_pManager->SetViewDblClickCommand(CT_DRAW_VIEW_ID, 0);
    }
    CListCtrl& Views() { return *static_cast<CListCtrl*>(m_pPage->GetDlgItem(IDC_WTK_MOUSE_VIEWS)); }
    CListBox& Commands() { return *static_cast<CListBox*>(m_pPage->GetDlgItem(IDC_WTK_MOUSE_COMMANDS)); }
    void SelectView(int nItem)
    {
        // The user's click: the old selection goes, the new one comes (-1: none).
        Views().SetItemState(-1, 0, LVIS_SELECTED);
        if (nItem >= 0)
            Views().SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        PumpPending();
    }
    int FindView(int iViewId)
    {
        for (int i = 0; i < Views().GetItemCount(); i++)
            if (static_cast<int>(Views().GetItemData(i)) == iViewId)
                return i;
        return -1;
    }
    int FindCommand(UINT uiCmd)
    {
        for (int i = 0; i < Commands().GetCount(); i++)
            if (Commands().GetItemData(i) == uiCmd)
                return i;
        return -1;
    }
    bool IsChecked(int nID) { return m_pPage->IsDlgButtonChecked(nID) == BST_CHECKED; }

    CWTKMouseManager* m_pManager = nullptr;
    CWTKMousePage* m_pPage = nullptr;
};

TEST_F(MousePageTest, ListsTheViewsByNameWithTheFirstSelectedAndEveryCommand)
{
    ASSERT_EQ(2, Views().GetItemCount());
    EXPECT_STREQ("Drawing View", Views().GetItemText(0, 0));
    EXPECT_EQ(CT_DRAW_VIEW_ID, static_cast<int>(Views().GetItemData(0)));
    EXPECT_STREQ("Text View", Views().GetItemText(1, 0));
    EXPECT_EQ(CT_TEXT_VIEW_ID, static_cast<int>(Views().GetItemData(1)));
    EXPECT_EQ(CT_DRAW_VIEW_ID, m_pPage->GetSelectedViewId());
    EXPECT_GE(Views().GetColumnWidth(0), Views().GetStringWidth("Drawing View") + CWTKMousePage::kViewColumnExtra);

    // Real commands only (no separators or placeholders), without their mnemonic marks.
    EXPECT_GE(FindCommand(ID_CT_COPY), 0);
    EXPECT_GE(FindCommand(ID_CT_BOLD), 0);
    EXPECT_LT(FindCommand(0), 0);
    EXPECT_LT(FindCommand(static_cast<UINT>(-1)), 0);
    CString strCopy;
    Commands().GetText(FindCommand(ID_CT_COPY), strCopy);
    EXPECT_STREQ("Copy", strCopy);

    // Nothing bound yet: no double-click event, the commands list off.
    EXPECT_TRUE(IsChecked(IDC_WTK_MOUSE_NO_DBLCLICK));
    EXPECT_FALSE(IsControlEnabled(m_pPage, IDC_WTK_MOUSE_COMMANDS));
}

TEST_F(MousePageTest, BindsACommandToTheSelectedViewAndRemovesTheBinding)
{
    SelectView(FindView(CT_TEXT_VIEW_ID));
    ClickControl(m_pPage, IDC_WTK_MOUSE_USE_DBLCLICK);
    EXPECT_TRUE(IsControlEnabled(m_pPage, IDC_WTK_MOUSE_COMMANDS));
    EXPECT_EQ(0u, m_pManager->GetViewDblClickCommand(CT_TEXT_VIEW_ID));
    SelectListEntry(m_pPage, IDC_WTK_MOUSE_COMMANDS, FindCommand(ID_CT_COPY));
    EXPECT_EQ(static_cast<UINT>(ID_CT_COPY), m_pManager->GetViewDblClickCommand(CT_TEXT_VIEW_ID));
    EXPECT_EQ(0u, m_pManager->GetViewDblClickCommand(CT_DRAW_VIEW_ID));
    EXPECT_STREQ("Copies the selection to the clipboard", ControlText(m_pPage, IDC_WTK_MOUSE_DESCRIPTION));
    SaveSheetScreenshot(m_pSheet, "customize_mouse.png");

    // Each view shows its own binding.
    SelectView(FindView(CT_DRAW_VIEW_ID));
    EXPECT_TRUE(IsChecked(IDC_WTK_MOUSE_NO_DBLCLICK));
    EXPECT_FALSE(IsChecked(IDC_WTK_MOUSE_USE_DBLCLICK));
    EXPECT_FALSE(IsControlEnabled(m_pPage, IDC_WTK_MOUSE_COMMANDS));
    EXPECT_EQ(-1, Commands().GetCurSel());
    SelectView(FindView(CT_TEXT_VIEW_ID));
    EXPECT_TRUE(IsChecked(IDC_WTK_MOUSE_USE_DBLCLICK));
    EXPECT_TRUE(IsControlEnabled(m_pPage, IDC_WTK_MOUSE_COMMANDS));
    EXPECT_EQ(FindCommand(ID_CT_COPY), Commands().GetCurSel());

    ClickControl(m_pPage, IDC_WTK_MOUSE_NO_DBLCLICK);
    EXPECT_EQ(0u, m_pManager->GetViewDblClickCommand(CT_TEXT_VIEW_ID));
    EXPECT_EQ(0, m_pManager->GetBindingCount());
    EXPECT_EQ(-1, Commands().GetCurSel());
    EXPECT_FALSE(IsControlEnabled(m_pPage, IDC_WTK_MOUSE_COMMANDS));
    EXPECT_STREQ("", ControlText(m_pPage, IDC_WTK_MOUSE_DESCRIPTION));
    EXPECT_TRUE(Seams().beeps.empty());
}

TEST_F(MousePageTest, ActionsThatNeedAViewBeepWhenNoneIsSelected)
{
    SelectView(-1);
    ASSERT_EQ(-1, m_pPage->GetSelectedViewId());
    ::EnableWindow(Commands().GetSafeHwnd(), TRUE);
    SelectListEntry(m_pPage, IDC_WTK_MOUSE_COMMANDS, FindCommand(ID_CT_COPY));
    ClickControl(m_pPage, IDC_WTK_MOUSE_USE_DBLCLICK);
    ClickControl(m_pPage, IDC_WTK_MOUSE_NO_DBLCLICK);
    EXPECT_EQ(3u, Seams().beeps.size());
    EXPECT_EQ(0, m_pManager->GetBindingCount());
}

}  // namespace
