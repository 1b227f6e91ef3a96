// The Toolbars page: the frame's bars with their checks, showing and hiding them, the check
// list's disabled entries, reset, new, rename and delete with their questions and refusals, and a
// list left without selection.
#include "CustomizeTestFrame.h"

#include "Canvas.h"

#include "customisation/WTKToolbarsPage.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "bars/MiniDockFrameWnd.h"

namespace {

// Answers the modal "Toolbar Name" dialog once it is up: types the name and presses OK (or
// Cancel with a null name). Records the name the dialog opened with.
struct NameDialogScript {
    static std::string s_strName;
    static bool s_bCancel;
    static std::string s_strOpenedWith;
    static bool s_bOkEnabledWhenEmpty;

    static void Arm(const char* pszName)
    {
        s_bCancel = pszName == nullptr;
        s_strName = pszName != nullptr ? pszName : "";
        s_strOpenedWith.clear();
        ::SetTimer(nullptr, 0, 20, &OnTimer);
    }
    static void CALLBACK OnTimer(HWND /*hWnd*/, UINT /*message*/, UINT_PTR idEvent, DWORD /*dwTime*/)
    {
        HWND hDlg = ::FindWindowA("#32770", "Toolbar Name");
        if (hDlg == nullptr || !::IsWindowVisible(hDlg))
            return;
        ::KillTimer(nullptr, idEvent);
        char szText[128] = {};
        ::GetDlgItemTextA(hDlg, IDC_WTK_TOOLBAR_NAME, szText, sizeof(szText));
        s_strOpenedWith = szText;
        ::SetDlgItemTextA(hDlg, IDC_WTK_TOOLBAR_NAME, "");
        s_bOkEnabledWhenEmpty = ::IsWindowEnabled(::GetDlgItem(hDlg, IDOK)) != FALSE;
        ::SetDlgItemTextA(hDlg, IDC_WTK_TOOLBAR_NAME, s_strName.c_str());
        ::SendMessageA(::GetDlgItem(hDlg, s_bCancel ? IDCANCEL : IDOK), BM_CLICK, 0, 0);
    }
};
std::string NameDialogScript::s_strName;
bool NameDialogScript::s_bCancel = false;
std::string NameDialogScript::s_strOpenedWith;
bool NameDialogScript::s_bOkEnabledWhenEmpty = true;

class ToolbarsPageTest : public CustomizeTestBase {
protected:
    void SetUp() override
    {
        CustomizeTestBase::SetUp();
        ASSERT_NE(m_pFrame->m_pUserBar, nullptr);
        m_pSheet = OpenCustomizeSheet(m_pFrame);
        ASSERT_NE(m_pSheet, nullptr);
        m_pSheet->SetActivePage(1);
        PumpPending();
        m_pPage = m_pSheet->GetToolbarsPage();
        ASSERT_NE(m_pPage->GetSafeHwnd(), nullptr);
    }
    CToolbarsCheckList& List() { return m_pPage->GetToolbarList(); }
    int IndexOf(CWTKToolBar* pBar) { return m_pPage->FindToolBar(pBar); }
    void Select(CWTKToolBar* pBar)
    {
        List().SetCurSel(IndexOf(pBar));
        Command(IDC_WTK_TOOLBARS_LIST, LBN_SELCHANGE);
    }
    void Command(int nID, int nCode = BN_CLICKED)
    {
        m_pPage->SendMessage(WM_COMMAND, MAKEWPARAM(nID, nCode),
                             reinterpret_cast<LPARAM>(::GetDlgItem(m_pPage->GetSafeHwnd(), nID)));
        PumpPending();
    }
    BOOL IsButtonEnabled(int nID) { return ::IsWindowEnabled(::GetDlgItem(m_pPage->GetSafeHwnd(), nID)); }
    // The middle of the entry's check box, in the list's client coordinates.
    CPoint CheckPoint(int nIndex)
    {
        CRect rect;
        List().GetItemRect(nIndex, &rect);
        return CPoint(rect.left + rect.Height() / 2, rect.top + rect.Height() / 2);
    }
    CPoint TextPoint(int nIndex)
    {
        CRect rect;
        List().GetItemRect(nIndex, &rect);
        return CPoint(rect.left + rect.Height() + 20, rect.top + rect.Height() / 2);
    }
    static bool IsVisible(CWnd* pBar) { return (pBar->GetStyle() & WS_VISIBLE) != 0; }

    CWTKToolbarsPage* m_pPage = nullptr;
};

TEST_F(ToolbarsPageTest, ListsTheFramesBarsCheckedWhenShownWithChecksOnlyForBarsThatClose)
{
    struct Row {
        CWTKToolBar* pBar;
        const char* pszText;
        BOOL bEnabled;
    };
    const Row rows[] = {
        {&m_pFrame->m_wndToolBar, "Standard", TRUE},
        {&m_pFrame->m_wndFormatBar, "Format", FALSE},
        {m_pFrame->m_pUserBar, "Custom", TRUE},
    };
    for (const Row& row : rows) {
        const int nIndex = IndexOf(row.pBar);
        ASSERT_GE(nIndex, 0) << row.pszText;
        CString strText;
        List().GetText(nIndex, strText);
        EXPECT_STREQ(row.pszText, strText);
        EXPECT_EQ(1, List().GetCheck(nIndex)) << row.pszText;
        EXPECT_EQ(row.bEnabled, List().IsEnabled(nIndex)) << row.pszText;
    }
    // Rename and Delete only for the user's own bar; Reset for bars from a resource.
    Select(&m_pFrame->m_wndToolBar);
    EXPECT_TRUE(IsButtonEnabled(IDC_WTK_RESET_TOOLBAR));
    EXPECT_FALSE(IsButtonEnabled(IDC_WTK_RENAME_TOOLBAR));
    EXPECT_FALSE(IsButtonEnabled(IDC_WTK_DELETE_TOOLBAR));
    Select(m_pFrame->m_pUserBar);
    EXPECT_FALSE(IsButtonEnabled(IDC_WTK_RESET_TOOLBAR));
    EXPECT_TRUE(IsButtonEnabled(IDC_WTK_RENAME_TOOLBAR));
    EXPECT_TRUE(IsButtonEnabled(IDC_WTK_DELETE_TOOLBAR));
    SaveSheetScreenshot(m_pSheet, "customize_toolbars.png");
}

TEST_F(ToolbarsPageTest, CheckingShowsAndHidesABarAndTheSheetFollowsBarsShownElsewhere)
{
    CWTKToolBar* pBar = &m_pFrame->m_wndToolBar;
    const int nIndex = IndexOf(pBar);
    ClickWindow(List().GetSafeHwnd(), CheckPoint(nIndex));
    RunIdle();
    EXPECT_EQ(0, List().GetCheck(nIndex));
    EXPECT_FALSE(IsVisible(pBar));

    // A double click on the entry's text toggles it back.
    ClickWindow(List().GetSafeHwnd(), TextPoint(nIndex), true);
    RunIdle();
    EXPECT_EQ(1, List().GetCheck(nIndex));
    EXPECT_TRUE(IsVisible(pBar));
    EXPECT_TRUE(Seams().beeps.empty());

    m_pSheet->ShowToolBar(pBar, FALSE);
    EXPECT_EQ(0, List().GetCheck(nIndex));
    m_pSheet->ShowToolBar(pBar, TRUE);
    EXPECT_EQ(1, List().GetCheck(nIndex));
}

TEST_F(ToolbarsPageTest, ADisabledCheckRefusesClickSpaceAndDoubleClickWithOneBeepEach)
{
    CWTKToolBar* pBar = &m_pFrame->m_wndFormatBar;
    const int nIndex = IndexOf(pBar);
    enum Input { click, space, doubleClick };
    for (Input input : {click, space, doubleClick}) {
        Seams().beeps.clear();
        List().SetFocus();
        List().SetCurSel(nIndex);
        List().SendMessage(LB_SETCARETINDEX, static_cast<WPARAM>(nIndex));
        if (input == click)
            ClickWindow(List().GetSafeHwnd(), CheckPoint(nIndex));
        else if (input == space)
            PressKey(List().GetSafeHwnd(), VK_SPACE);
        else
            ::SendMessageA(List().GetSafeHwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON,
                           MAKELPARAM(TextPoint(nIndex).x, TextPoint(nIndex).y));
        RunIdle();
        EXPECT_EQ(1u, Seams().beeps.size()) << "input " << input;
        EXPECT_EQ(1, List().GetCheck(nIndex)) << "input " << input;
        EXPECT_TRUE(IsVisible(pBar)) << "input " << input;
    }
}

TEST_F(ToolbarsPageTest, ResetAsksFirstAndOnlyYesRestoresTheBar)
{
    CWTKToolBar* pBar = &m_pFrame->m_wndToolBar;
    const int nOriginal = pBar->GetCount();
    ASSERT_TRUE(pBar->RemoveButton(0));
    Select(pBar);

    Seams().answers = {IDNO};
    Command(IDC_WTK_RESET_TOOLBAR);
    ASSERT_EQ(1u, Seams().prompts.size());
    EXPECT_EQ("All your changes will be lost! Do you really want to reset the toolbar 'Standard'?", Seams().prompts[0]);
    EXPECT_EQ(nOriginal - 1, pBar->GetCount());

    Seams().answers = {IDYES};
    Command(IDC_WTK_RESET_TOOLBAR);
    EXPECT_EQ(nOriginal, pBar->GetCount());

    // Reset All asks once and restores every bar that can be.
    ASSERT_TRUE(pBar->RemoveButton(0));
    Seams().prompts.clear();
    Seams().answers = {IDNO};
    Command(IDC_WTK_RESET_ALL_TOOLBARS);
    EXPECT_EQ(nOriginal - 1, pBar->GetCount());
    Seams().answers = {IDYES};
    Command(IDC_WTK_RESET_ALL_TOOLBARS);
    EXPECT_EQ(nOriginal, pBar->GetCount());
    ASSERT_EQ(2u, Seams().prompts.size());
    EXPECT_EQ("All your changes will be lost! Do you really want to reset all toolbars and menus?", Seams().prompts[1]);
}

TEST_F(ToolbarsPageTest, NewMakesAToolbarThroughTheFrameAndListsItCheckedAndSelected)
{
    const int nBefore = List().GetCount();
    NameDialogScript::Arm("Tools");
    Command(IDC_WTK_NEW_TOOLBAR);
    EXPECT_FALSE(NameDialogScript::s_bOkEnabledWhenEmpty);
    ASSERT_EQ(nBefore + 1, List().GetCount());
    const int nNew = List().GetCurSel();
    CString strText;
    List().GetText(nNew, strText);
    EXPECT_STREQ("Tools", strText);
    EXPECT_EQ(1, List().GetCheck(nNew));
    CWTKToolBar* pNewBar = m_pPage->GetSelectedToolBar();
    ASSERT_NE(pNewBar, nullptr);
    EXPECT_TRUE(m_pFrame->GetFrameHelper()->IsUserDefinedToolbar(pNewBar));

    // Cancel makes nothing.
    NameDialogScript::Arm(nullptr);
    Command(IDC_WTK_NEW_TOOLBAR);
    EXPECT_EQ(nBefore + 1, List().GetCount());
}

TEST_F(ToolbarsPageTest, RenameOfAFloatingBarRenamesItsCaptionAndKeepsTheEntrysCheckAndState)
{
    CWTKToolBar* pBar = m_pFrame->m_pUserBar;
    ASSERT_TRUE(pBar->IsFloating());
    const int nIndex = IndexOf(pBar);
    // An entry whose check is off and fixed keeps both through the rename.
    List().SetCheck(nIndex, 0);
    List().Enable(nIndex, FALSE);
    Select(pBar);
    NameDialogScript::Arm("Renamed");
    Command(IDC_WTK_RENAME_TOOLBAR);
    EXPECT_EQ("Custom", NameDialogScript::s_strOpenedWith);

    CString strText;
    pBar->GetWindowText(strText);
    EXPECT_STREQ("Renamed", strText);
    pBar->GetParentFrame()->GetWindowText(strText);
    EXPECT_STREQ("Renamed", strText);
    ASSERT_EQ(nIndex, IndexOf(pBar));
    List().GetText(nIndex, strText);
    EXPECT_STREQ("Renamed", strText);
    EXPECT_EQ(0, List().GetCheck(nIndex));
    EXPECT_FALSE(List().IsEnabled(nIndex));
    EXPECT_EQ(nIndex, List().GetCurSel());
}

TEST_F(ToolbarsPageTest, DeleteAsksAndARefusingFrameKeepsTheEntryWithABeep)
{
    CWTKToolBar* pBar = m_pFrame->m_pUserBar;
    const int nBefore = List().GetCount();
    Select(pBar);

    Seams().answers = {IDNO};
    Command(IDC_WTK_DELETE_TOOLBAR);
    ASSERT_EQ(1u, Seams().prompts.size());
    EXPECT_EQ("Do you really want to delete the toolbar 'Custom'?", Seams().prompts[0]);
    EXPECT_EQ(nBefore, List().GetCount());
    EXPECT_TRUE(Seams().beeps.empty());

    m_pFrame->m_bAllowDelete = FALSE;
    Seams().answers = {IDYES};
    Command(IDC_WTK_DELETE_TOOLBAR);
    EXPECT_EQ(nBefore, List().GetCount());
    EXPECT_EQ(1u, Seams().beeps.size());
    EXPECT_GE(IndexOf(pBar), 0);

    m_pFrame->m_bAllowDelete = TRUE;
    Seams().answers = {IDYES};
    Command(IDC_WTK_DELETE_TOOLBAR);
    EXPECT_EQ(nBefore - 1, List().GetCount());
    EXPECT_EQ(nullptr, m_pFrame->m_pUserBar);
    EXPECT_EQ(0, List().GetCurSel());
}

TEST_F(ToolbarsPageTest, EveryHandlerCopesWithNoSelectionAfterTheLastEntryWent)
{
    // Only the user's bar stays listed; deleting it leaves an empty list.
    for (int i = List().GetCount() - 1; i >= 0; --i) {
        if (List().GetItemData(i) != reinterpret_cast<DWORD_PTR>(m_pFrame->m_pUserBar))
            List().DeleteString(static_cast<UINT>(i));
    }
    Select(m_pFrame->m_pUserBar);
    Seams().answers = {IDYES};
    Command(IDC_WTK_DELETE_TOOLBAR);
    ASSERT_EQ(0, List().GetCount());
    EXPECT_EQ(LB_ERR, List().GetCurSel());
    for (int nID : {IDC_WTK_RESET_TOOLBAR, IDC_WTK_RENAME_TOOLBAR, IDC_WTK_DELETE_TOOLBAR, IDC_WTK_TEXT_LABELS})
        EXPECT_FALSE(IsButtonEnabled(nID)) << nID;

    Seams().prompts.clear();
    Seams().beeps.clear();
    for (int nID : {IDC_WTK_RESET_TOOLBAR, IDC_WTK_RENAME_TOOLBAR, IDC_WTK_DELETE_TOOLBAR, IDC_WTK_TEXT_LABELS})
        Command(nID);
    Command(IDC_WTK_TOOLBARS_LIST, CLBN_CHKCHANGE);
    Command(IDC_WTK_TOOLBARS_LIST, LBN_SELCHANGE);
    EXPECT_TRUE(Seams().prompts.empty());
    EXPECT_TRUE(Seams().beeps.empty());
}

TEST_F(ToolbarsPageTest, TheTextLabelsBoxSwitchesTheSelectedBarsLabels)
{
    CWTKToolBar* pBar = &m_pFrame->m_wndToolBar;
    Select(pBar);
    ASSERT_TRUE(IsButtonEnabled(IDC_WTK_TEXT_LABELS));
    ::SendMessageA(::GetDlgItem(m_pPage->GetSafeHwnd(), IDC_WTK_TEXT_LABELS), BM_SETCHECK, BST_CHECKED, 0);
    Command(IDC_WTK_TEXT_LABELS);
    EXPECT_TRUE(pBar->AreTextLabels());
    ::SendMessageA(::GetDlgItem(m_pPage->GetSafeHwnd(), IDC_WTK_TEXT_LABELS), BM_SETCHECK, BST_UNCHECKED, 0);
    Command(IDC_WTK_TEXT_LABELS);
    EXPECT_FALSE(pBar->AreTextLabels());
}

}  // namespace

namespace {

TEST_F(CustomizeTestBase, NewWithoutAFrameToAskBeeps)
{
    auto* pSheet = new CWTKToolbarCustomize(nullptr);
    FillTestCategories(*pSheet);
    ASSERT_TRUE(pSheet->Create(m_pFrame));
    m_pSheet = pSheet;
    pSheet->SetActivePage(1);
    PumpPending();
    CWTKToolbarsPage* pPage = pSheet->GetToolbarsPage();
    ASSERT_NE(pPage->GetSafeHwnd(), nullptr);
    NameDialogScript::Arm("Orphan");
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_WTK_NEW_TOOLBAR, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(pPage->GetSafeHwnd(), IDC_WTK_NEW_TOOLBAR)));
    PumpPending();
    EXPECT_EQ(std::vector<UINT>({MB_ICONASTERISK}), Seams().beeps);
    EXPECT_EQ(1, m_pFrame->GetFrameHelper()->GetUserToolbars().GetCount());  // only the fixture's
}

}  // namespace

namespace {

TEST_F(ToolbarsPageTest, AFixedCheckIsDrawnInactive)
{
    // Two checked entries, one of them fixed: their check boxes must not look alike.
    const int nStandard = IndexOf(&m_pFrame->m_wndToolBar);
    const int nFormat = IndexOf(&m_pFrame->m_wndFormatBar);
    List().SetCurSel(-1);
    List().RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpPending();
    CRect rectClient;
    List().GetClientRect(&rectClient);
    Canvas canvas(rectClient.Width(), rectClient.Height());
    ASSERT_TRUE(canvas.CopyFromWindow(List().GetSafeHwnd(), false));
    auto darkPixels = [&](int nIndex) {
        CRect rectItem;
        List().GetItemRect(nIndex, &rectItem);
        rectItem.right = rectItem.left + rectItem.Height();
        return canvas.Count(kBlack, rectItem);
    };
    EXPECT_GT(darkPixels(nStandard), 0);
    EXPECT_EQ(0, darkPixels(nFormat));
}

}  // namespace
