// The menu button: its archive (the tear-off field's rule, damaged data refused), its menu
// built back from the sub-items (a failure leaves nothing behind), the text cut of narrow
// items, and the show-all line.
#include "PopupTestSupport.h"

#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKShowAllButton.h"
#include "command_bars/WTKToolbarMenuButton.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKWorkspace.h"

#include "core/Archive.h"
#include "core/Exception.h"
#include "core/MemFile.h"
#include "gdi/DC.h"
#include "win/ClientDC.h"

#include <cstdlib>
#include <string>

// A sub-menu item that records the menu it built; the build fails from call s_nFailAt on.
class CRecordingMenuButton : public CWTKToolbarMenuButton {
    DECLARE_SERIAL(CRecordingMenuButton)

public:
    HMENU CreateMenu() const override
    {
        if (s_nCalls++ >= s_nFailAt)
            return nullptr;
        s_hBuilt = CWTKToolbarMenuButton::CreateMenu();
        return s_hBuilt;
    }
    static int s_nCalls;
    static int s_nFailAt;
    static HMENU s_hBuilt;
};
IMPLEMENT_SERIAL(CRecordingMenuButton, CWTKToolbarMenuButton, VERSIONABLE_SCHEMA | 1)
int CRecordingMenuButton::s_nCalls = 0;
int CRecordingMenuButton::s_nFailAt = 0;
HMENU CRecordingMenuButton::s_hBuilt = nullptr;

namespace {

// "&File" with a command, a separator, a sub-menu and another command.
void FillFileMenu(CWTKToolbarMenuButton& button)
{
    HMENU hMenu = BuildMenu({{ID_TEST_NEW, "&New\tCtrl+N"},
                             {0, nullptr},
                             {0, "\1&Recent"},
                             {ID_TEST_OPEN, "&Open"},
                             {0, "\2"},
                             {ID_TEST_PRINT, "&Print"}});
    button.m_strText = "&File";
    button.CreateFromMenu(hMenu);
    ::DestroyMenu(hMenu);
}

TEST(MenuButtonArchive, TearOffFieldFollowsOneVersionRuleOnWriteAndRead)
{
    struct Case {
        int nMajor, nMinor;
        bool bField;
    };
    const Case cases[] = {{-1, -1, true}, {3, 99, false}, {4, 0, false}, {4, 70, false},
                          {4, 71, true},  {5, 0, true},   {6, 31, true}};
    size_t nWithout = 0, nWith = 0;
    for (const Case& c : cases) {
        CVersionedWorkspace workspace(c.nMajor, c.nMinor);
        CWTKToolbarMenuButton button;
        FillFileMenu(button);
        button.SetTearOff(0xE901);
        const std::string bytes = StoreObject(button);
        (c.bField ? nWith : nWithout) = bytes.size();

        CObject* pObject = LoadButtonObject(bytes);
        auto* pRead = dynamic_cast<CWTKToolbarMenuButton*>(pObject);
        ASSERT_NE(pRead, nullptr) << c.nMajor << "." << c.nMinor;
        EXPECT_EQ(pRead->GetTearOffID(), c.bField ? 0xE901u : 0u) << c.nMajor << "." << c.nMinor;
        EXPECT_TRUE(pRead->CompareWith(button)) << "sub-items read back whole";
        EXPECT_EQ(pRead->GetCommands().GetCount(), 4);
        delete pObject;
    }
    // The field is the only difference, once per menu button (the button and its five items).
    EXPECT_EQ(nWith, nWithout + 6 * sizeof(UINT));

    // Without a workspace there is no version to tell of the field: it is not written.
    ASSERT_EQ(nullptr, WTKGetWorkspace());
    CWTKToolbarMenuButton button;
    FillFileMenu(button);
    button.SetTearOff(0xE901);
    const std::string bytes = StoreObject(button);
    EXPECT_EQ(nWithout, bytes.size());
    CObject* pObject = LoadButtonObject(bytes);
    auto* pRead = dynamic_cast<CWTKToolbarMenuButton*>(pObject);
    ASSERT_NE(pRead, nullptr);
    EXPECT_EQ(0u, pRead->GetTearOffID());
    EXPECT_TRUE(pRead->CompareWith(button));
    delete pObject;
}

TEST(MenuButtonArchive, DamagedDataIsRefusedWithoutCrash)
{
    CWTKToolbarMenuButton button;
    FillFileMenu(button);
    const std::string bytes = StoreObject(button);
    // Every truncation fails cleanly.
    for (size_t n = 0; n < bytes.size(); n++) {
        CObject* pObject = LoadButtonObject(bytes.substr(0, n));
        EXPECT_EQ(pObject, nullptr) << "cut at " << n;
        delete pObject;
    }
    // An empty button's sub-item count ends its record: a count far beyond the data is refused.
    CWTKToolbarMenuButton empty;
    std::string huge = StoreObject(empty);
    huge[huge.size() - 2] = static_cast<char>(0xF0);
    huge.back() = static_cast<char>(0x7F);
    CObject* pObject = LoadButtonObject(huge);
    EXPECT_EQ(pObject, nullptr);
    delete pObject;
}

TEST(MenuButtonArchive, NullItemsOfDamagedDataAreDropped)
{
    struct CMenuWithNullItem : CWTKToolbarMenuButton {
        void AddNullItem() { m_listCommands.AddTail(nullptr); }
    };
    CWTKToolbarMenuButton whole;
    FillFileMenu(whole);
    CMenuWithNullItem damaged;
    FillFileMenu(damaged);
    damaged.AddNullItem();

    CObject* pObject = LoadButtonObject(StoreObject(damaged));
    auto* pRead = dynamic_cast<CWTKToolbarMenuButton*>(pObject);
    ASSERT_NE(pRead, nullptr);
    EXPECT_EQ(pRead->GetCommands().GetCount(), 4);
    EXPECT_EQ(pRead->GetCommands().Find(nullptr), -1);
    EXPECT_TRUE(pRead->CompareWith(whole));
    CWTKToolbarMenuButton copy;
    copy.CopyFrom(*pRead);
    EXPECT_TRUE(copy.CompareWith(whole));
    delete pObject;
}

TEST(MenuButtonMenu, BuildsTheMenuBackAndAFailureLeavesNothingBehind)
{
    CWTKToolbarMenuButton button;
    FillFileMenu(button);
    HMENU hMenu = button.CreateMenu();
    ASSERT_NE(hMenu, nullptr);
    EXPECT_EQ(::GetMenuItemCount(hMenu), 4);
    EXPECT_NE(::GetSubMenu(hMenu, 2), nullptr);
    EXPECT_EQ(::GetMenuState(hMenu, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    char szText[64] = {};
    ::GetMenuStringA(hMenu, 0, szText, sizeof szText, MF_BYPOSITION);
    EXPECT_STREQ(szText, "&New\tCtrl+N");
    ::DestroyMenu(hMenu);

    // Two sub-menus: the first is built and appended, the second fails.
    CRecordingMenuButton sub;
    sub.m_nID = CWTKToolbarMenuButton::kSubMenuId;
    sub.m_strText = "Sub";
    sub.AddSubItem(CWTKToolbarMenuButton(ID_TEST_CUT, nullptr, -1, "Cu&t"));
    CWTKToolbarMenuButton parent(0, nullptr, -1, "&Edit");
    parent.AddSubItem(CWTKToolbarMenuButton(ID_TEST_COPY, nullptr, -1, "&Copy"));
    parent.AddSubItem(sub);
    parent.AddSubItem(sub);
    CRecordingMenuButton::s_nCalls = 0;
    CRecordingMenuButton::s_nFailAt = 1;
    CRecordingMenuButton::s_hBuilt = nullptr;
    EXPECT_EQ(parent.CreateMenu(), nullptr);
    ASSERT_NE(CRecordingMenuButton::s_hBuilt, nullptr);
    EXPECT_FALSE(::IsMenu(CRecordingMenuButton::s_hBuilt)) << "the built sub-menu went with the partial menu";

    // The first sub-menu itself fails: nothing to append, nothing left.
    CRecordingMenuButton::s_nCalls = 0;
    CRecordingMenuButton::s_nFailAt = 0;
    EXPECT_EQ(parent.CreateMenu(), nullptr);

    CRecordingMenuButton::s_nFailAt = 100;
    HMENU hWhole = parent.CreateMenu();
    ASSERT_NE(hWhole, nullptr);
    EXPECT_EQ(::GetMenuItemCount(hWhole), 3);
    ::DestroyMenu(hWhole);
}

TEST(MenuButtonText, CutStopsAtTheEmptyText)
{
    CClientDC dc(nullptr);
    CFont* pOld = dc.SelectObject(&WTKGetGlobalData().fontRegular);
    const CString strText = "Properties of the selection";
    const int cxFull = dc.GetTextExtent(strText).cx;
    const int cxDots = dc.GetTextExtent("...").cx;
    struct Case {
        int cxMax;
        const char* pszExpected;  // null: a cut text that ends in "..." and fits
    };
    const Case cases[] = {{cxFull, "Properties of the selection"},
                          {cxFull - 1, nullptr},
                          {cxDots + 2, "..."},
                          {cxDots - 1, ""},
                          {0, ""},
                          {-5, ""}};
    for (const Case& c : cases) {
        const CString strCut = CWTKToolbarMenuButton::CutTextToWidth(&dc, strText, c.cxMax);
        if (c.pszExpected != nullptr) {
            EXPECT_STREQ(strCut, c.pszExpected) << "width " << c.cxMax;
        } else {
            EXPECT_EQ(strCut.Right(3), CString("..."));
            EXPECT_LE(dc.GetTextExtent(strCut).cx, c.cxMax);
            EXPECT_GT(strCut.GetLength(), 3);
        }
    }
    EXPECT_STREQ(CWTKToolbarMenuButton::CutTextToWidth(&dc, "", 0), "");
    dc.SelectObject(pOld);
}

}  // namespace
