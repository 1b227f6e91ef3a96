// The Keyboard page and its key edit: which keys can be typed, what the page says about a typed
// key, and that assigning, removing and resetting reach the keyboard manager's tables.
#include "CustomizeTestFrame.h"

#include "customisation/WTKKeyboardPage.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "foundation/WTKAcceleratorText.h"

#include "docview/MultiDocTemplate.h"

#include <algorithm>

namespace {

class KeyboardPageTest : public CustomizeTestBase {
protected:
    void SetUp() override
    {
        CustomizeTestBase::SetUp();
        m_pSheet = OpenCustomizeSheet(m_pFrame);
        ASSERT_NE(m_pSheet, nullptr);
        m_pSheet->SetActivePage(2);
        PumpPending();
        m_pPage = dynamic_cast<CWTKKeyboardPage*>(m_pSheet->GetPage(2));
        ASSERT_NE(m_pPage, nullptr);
        ASSERT_NE(m_pPage->GetSafeHwnd(), nullptr);
        m_hEdit = m_pPage->GetKeyEdit().GetSafeHwnd();
    }
    HWND Item(int nID) { return ::GetDlgItem(m_pPage->GetSafeHwnd(), nID); }
    std::string Text(int nID)
    {
        char szText[256] = {};
        ::GetWindowTextA(Item(nID), szText, sizeof(szText));
        return szText;
    }
    void Notify(int nID, int nCode)
    {
        m_pPage->SendMessage(WM_COMMAND, MAKEWPARAM(nID, nCode), reinterpret_cast<LPARAM>(Item(nID)));
        PumpPending();
    }
    // Chooses the entry of a combo or a list box by its text and tells the page.
    void Choose(int nID, const char* pszText, bool bCombo)
    {
        const int nIndex = static_cast<int>(::SendMessageA(Item(nID), bCombo ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT,
                                                           static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(pszText)));
        ASSERT_GE(nIndex, 0) << pszText;
        ::SendMessageA(Item(nID), bCombo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
        Notify(nID, bCombo ? CBN_SELCHANGE : LBN_SELCHANGE);
    }
    void ChooseCommand(const char* pszCategory, const char* pszCommand)
    {
        Choose(IDC_WTK_CATEGORY, pszCategory, true);
        Choose(IDC_WTK_KEY_COMMANDS, pszCommand, false);
    }
    void ClickEdit() { ClickWindow(m_hEdit, CPoint(5, 5)); }
    // Ctrl (and others) held around the key.
    void TypeKey(UINT nKey, const std::vector<UINT>& modifiers = {})
    {
        for (UINT nModifier : modifiers)
            HoldKey(m_hEdit, nModifier, true);
        PressKey(m_hEdit, nKey);
        for (UINT nModifier : modifiers)
            HoldKey(m_hEdit, nModifier, false);
    }
    static std::string KeyText(BYTE fVirt, WORD key)
    {
        ACCEL accel = {fVirt, key, 0};
        CString str;
        CWTKAcceleratorText(&accel).Format(str);
        return static_cast<LPCSTR>(str);
    }
    static bool HasEntry(HACCEL hAccel, BYTE fVirt, WORD key, UINT uiCmd)
    {
        const std::vector<ACCEL> entries = CWTKKeyboardManager::CopyTable(hAccel);
        return std::any_of(entries.begin(), entries.end(), [&](const ACCEL& a) {
            return (a.fVirt & 0x1D) == (fVirt & 0x1D) && a.key == key && a.cmd == uiCmd;
        });
    }
    bool IsShown(int nID) { return ::IsWindowVisible(Item(nID)) != FALSE; }
    bool IsEnabled(int nID) { return ::IsWindowEnabled(Item(nID)) != FALSE; }

    CWTKKeyboardPage* m_pPage = nullptr;
    HWND m_hEdit = nullptr;
};

TEST_F(KeyboardPageTest, ListsTheTemplatesTablesThenTheDefaultTableWhichItChooses)
{
    std::vector<std::string> tables;
    const int nCount = static_cast<int>(::SendMessageA(Item(IDC_WTK_ACCEL_TABLE), CB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        char szText[64] = {};
        ::SendMessageA(Item(IDC_WTK_ACCEL_TABLE), CB_GETLBTEXT, static_cast<WPARAM>(i),
                       reinterpret_cast<LPARAM>(szText));
        tables.push_back(szText);
    }
    EXPECT_EQ(std::vector<std::string>({"Text", "Drawing", "Default"}), tables);
    EXPECT_EQ(2, static_cast<int>(::SendMessageA(Item(IDC_WTK_ACCEL_TABLE), CB_GETCURSEL, 0, 0)));

    // The frame's Ctrl+N for New shows under the command.
    ChooseCommand("File", "New");
    ASSERT_EQ(1, static_cast<int>(::SendMessageA(Item(IDC_WTK_CURRENT_KEYS), LB_GETCOUNT, 0, 0)));
    char szKey[64] = {};
    ::SendMessageA(Item(IDC_WTK_CURRENT_KEYS), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(szKey));
    EXPECT_EQ(KeyText(FVIRTKEY | FCONTROL, 'N'), szKey);
    EXPECT_EQ("Creates a new document", Text(IDC_WTK_KEYBOARD_DESCRIPTION));
    SaveSheetScreenshot(m_pSheet, "customize_keyboard.png");
}

TEST_F(KeyboardPageTest, TheKeyEditTakesShortcutsButNotPlainTabOrEscape)
{
    struct Row {
        const char* pszName;
        bool bClick;  // else the edit gets the focus as by a mnemonic
        std::vector<std::pair<UINT, std::vector<UINT>>> keys;
        bool bDefined;
        BYTE fVirt;
        WORD key;
        bool bKeepsFocus;
    };
    const Row rows[] = {
        {"Ctrl+Tab", true, {{VK_TAB, {VK_CONTROL}}}, true, FVIRTKEY | FCONTROL, VK_TAB, true},
        {"Tab", true, {{VK_TAB, {}}}, false, 0, 0, false},
        {"Escape", true, {{VK_ESCAPE, {}}}, false, 0, 0, true},
        {"Shift+Alt+F5", true, {{VK_F5, {VK_SHIFT, VK_MENU}}}, true, FVIRTKEY | FSHIFT | FALT, VK_F5, true},
        // After a click the first key counts.
        {"K after a click", true, {{'K', {}}}, true, FVIRTKEY, 'K', true},
        // Reaching the edit without a click, the first key only arms it.
        {"K without a click", false, {{'K', {}}}, false, 0, 0, true},
        {"K twice without a click", false, {{'K', {}}, {'K', {}}}, true, FVIRTKEY, 'K', true},
        // A new key after a complete one starts again.
        {"Ctrl+K then J", true, {{'K', {VK_CONTROL}}, {'J', {}}}, true, FVIRTKEY, 'J', true},
    };
    for (const Row& row : rows) {
        ::SetFocus(Item(IDC_WTK_KEY_COMMANDS));
        m_pPage->GetKeyEdit().ResetKey();
        if (row.bClick)
            ClickEdit();
        else
            ::SetFocus(m_hEdit);
        ASSERT_EQ(m_hEdit, ::GetFocus()) << row.pszName;
        for (const auto& key : row.keys)
            TypeKey(key.first, key.second);
        const CKeyAssignEdit& edit = m_pPage->GetKeyEdit();
        EXPECT_EQ(row.bDefined, edit.IsKeyDefined() != FALSE) << row.pszName;
        if (row.bDefined) {
            EXPECT_EQ(row.fVirt, edit.GetAccel().fVirt) << row.pszName;
            EXPECT_EQ(row.key, edit.GetAccel().key) << row.pszName;
            EXPECT_EQ(KeyText(row.fVirt, row.key), Text(IDC_WTK_NEW_KEY)) << row.pszName;
        } else {
            EXPECT_EQ("", Text(IDC_WTK_NEW_KEY)) << row.pszName;
        }
        EXPECT_EQ(row.bKeepsFocus, ::GetFocus() == m_hEdit) << row.pszName;
    }
}

TEST_F(KeyboardPageTest, ATypedKeyShowsTheCommandItIsAssignedToOrUnassigned)
{
    ChooseCommand("Edit", "Paste");
    EXPECT_FALSE(IsShown(IDC_WTK_ASSIGNED_TO));
    ClickEdit();
    TypeKey('N', {VK_CONTROL});
    EXPECT_TRUE(IsShown(IDC_WTK_ASSIGNED_TO));
    EXPECT_TRUE(IsShown(IDC_WTK_ASSIGNED_TO_LABEL));
    EXPECT_EQ("New", Text(IDC_WTK_ASSIGNED_TO));
    EXPECT_FALSE(IsEnabled(IDC_WTK_ASSIGN_KEY));

    TypeKey('K', {VK_CONTROL});
    EXPECT_EQ("[Unassigned]", Text(IDC_WTK_ASSIGNED_TO));
    EXPECT_TRUE(IsEnabled(IDC_WTK_ASSIGN_KEY));

    // Typing again hides it until the key is complete.
    HoldKey(m_hEdit, VK_SHIFT, true);
    EXPECT_FALSE(IsShown(IDC_WTK_ASSIGNED_TO));
    EXPECT_FALSE(IsEnabled(IDC_WTK_ASSIGN_KEY));
    HoldKey(m_hEdit, VK_SHIFT, false);
}

TEST_F(KeyboardPageTest, AssignAndRemoveHandTheTableToTheKeyboardManager)
{
    ChooseCommand("Edit", "Paste");
    ClickEdit();
    TypeKey('K', {VK_CONTROL});
    Notify(IDC_WTK_ASSIGN_KEY, BN_CLICKED);
    EXPECT_TRUE(HasEntry(m_pFrame->m_hAccelTable, FVIRTKEY | FCONTROL, 'K', ID_CT_PASTE));
    EXPECT_TRUE(HasEntry(m_pFrame->m_hAccelTable, FVIRTKEY | FCONTROL, 'N', ID_CT_NEW));
    EXPECT_EQ(1, static_cast<int>(::SendMessageA(Item(IDC_WTK_CURRENT_KEYS), LB_GETCOUNT, 0, 0)));
    EXPECT_EQ("", Text(IDC_WTK_NEW_KEY));
    EXPECT_EQ(Item(IDC_WTK_KEY_COMMANDS), ::GetFocus());

    // Removing New's key leaves Paste's.
    ChooseCommand("File", "New");
    ::SendMessageA(Item(IDC_WTK_CURRENT_KEYS), LB_SETCURSEL, 0, 0);
    Notify(IDC_WTK_CURRENT_KEYS, LBN_SELCHANGE);
    ASSERT_TRUE(IsEnabled(IDC_WTK_REMOVE_KEY));
    Notify(IDC_WTK_REMOVE_KEY, BN_CLICKED);
    EXPECT_FALSE(HasEntry(m_pFrame->m_hAccelTable, FVIRTKEY | FCONTROL, 'N', ID_CT_NEW));
    EXPECT_TRUE(HasEntry(m_pFrame->m_hAccelTable, FVIRTKEY | FCONTROL, 'K', ID_CT_PASTE));
    EXPECT_EQ(0, static_cast<int>(::SendMessageA(Item(IDC_WTK_CURRENT_KEYS), LB_GETCOUNT, 0, 0)));

    // A template's table is another owner.
    Choose(IDC_WTK_ACCEL_TABLE, "Drawing", true);
    ChooseCommand("File", "Open...");
    ClickEdit();
    TypeKey(VK_F9);
    Notify(IDC_WTK_ASSIGN_KEY, BN_CLICKED);
    CMultiDocTemplate* pDrawing = nullptr;
    for (POSITION pos = theApp.GetFirstDocTemplatePosition(); pos != nullptr;) {
        auto* pTemplate = dynamic_cast<CMultiDocTemplate*>(theApp.GetNextDocTemplate(pos));
        if (pTemplate != nullptr && pTemplate->m_nIDResource == IDR_CT_DRAWTYPE)
            pDrawing = pTemplate;
    }
    ASSERT_NE(pDrawing, nullptr);
    EXPECT_TRUE(HasEntry(pDrawing->m_hAccelTable, FVIRTKEY, VK_F9, ID_CT_OPEN));
    EXPECT_FALSE(HasEntry(m_pFrame->m_hAccelTable, FVIRTKEY, VK_F9, ID_CT_OPEN));
}

TEST_F(KeyboardPageTest, ResetAllAsksThenRestoresTheResourceTablesAndTellsTheFrame)
{
    ChooseCommand("Edit", "Paste");
    ClickEdit();
    TypeKey('K', {VK_CONTROL});
    Notify(IDC_WTK_ASSIGN_KEY, BN_CLICKED);
    ASSERT_TRUE(HasEntry(m_pFrame->m_hAccelTable, FVIRTKEY | FCONTROL, 'K', ID_CT_PASTE));

    Seams().answers = {IDNO};
    Notify(IDC_WTK_RESET_KEYS, BN_CLICKED);
    ASSERT_EQ(1u, Seams().prompts.size());
    EXPECT_EQ("All your changes will be lost! Do you really want to reset the keyboard assignments?",
              Seams().prompts[0]);
    EXPECT_TRUE(HasEntry(m_pFrame->m_hAccelTable, FVIRTKEY | FCONTROL, 'K', ID_CT_PASTE));
    EXPECT_EQ(0, m_pFrame->m_nResetKeyboard);

    Seams().answers = {IDYES};
    Notify(IDC_WTK_RESET_KEYS, BN_CLICKED);
    EXPECT_FALSE(HasEntry(m_pFrame->m_hAccelTable, FVIRTKEY | FCONTROL, 'K', ID_CT_PASTE));
    EXPECT_TRUE(HasEntry(m_pFrame->m_hAccelTable, FVIRTKEY | FCONTROL, 'N', ID_CT_NEW));
    EXPECT_EQ(1, m_pFrame->m_nResetKeyboard);
    // The page shows the reloaded table.
    EXPECT_EQ(0, static_cast<int>(::SendMessageA(Item(IDC_WTK_CURRENT_KEYS), LB_GETCOUNT, 0, 0)));
}

}  // namespace
