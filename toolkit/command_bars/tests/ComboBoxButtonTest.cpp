// The combo box button on real toolbars: items, selection and text kept in the button and shown
// in the control, the command posted on a selection change and the other buttons of the command
// following it, the fallback on a vertical bar, and the archive: the fields in their order, the
// drop-down height by one version rule both ways, with and without stored items, a stored index
// outside the items, and damaged data.
#include "ToolBarTestSupport.h"

#include "command_bars/WTKToolbarComboBoxButton.h"

#include "foundation/WTKWorkspace.h"

#include "core/Archive.h"
#include "core/Exception.h"
#include "core/MemFile.h"
#include "win/ComboBox.h"

#include <memory>
#include <string>
#include <vector>

// A combo whose application fills the items at run time: its archive carries none.
class CRunTimeItemsComboButton : public CWTKToolbarComboBoxButton {
    DECLARE_SERIAL(CRunTimeItemsComboButton)
public:
    CRunTimeItemsComboButton() { SetStoreItems(FALSE); }
    CRunTimeItemsComboButton(UINT uiID, int iImage, DWORD dwStyle = CBS_DROPDOWNLIST, int iWidth = 0)
        : CWTKToolbarComboBoxButton(uiID, iImage, dwStyle, iWidth)
    {
        SetStoreItems(FALSE);
    }
};
IMPLEMENT_SERIAL(CRunTimeItemsComboButton, CWTKToolbarComboBoxButton, 1)

namespace {

constexpr UINT ID_FONT = 0x9120;
constexpr UINT ID_SIZE = 0x9121;

// The button read back, or null when loading threw.
std::unique_ptr<CWTKToolbarComboBoxButton> LoadComboButton(std::string bytes)
{
    CObject* pObject = LoadButtonObject(std::move(bytes));
    auto* pButton = dynamic_cast<CWTKToolbarComboBoxButton*>(pObject);
    if (pButton == nullptr)
        delete pObject;
    return std::unique_ptr<CWTKToolbarComboBoxButton>(pButton);
}

// A drop-down font combo 180 wide that stores its items, or one whose items are filled at run time.
std::unique_ptr<CWTKToolbarComboBoxButton> MakeCombo(BOOL bStoreItems)
{
    if (bStoreItems)
        return std::make_unique<CWTKToolbarComboBoxButton>(ID_FONT, -1, CBS_DROPDOWN, 180);
    return std::make_unique<CRunTimeItemsComboButton>(ID_FONT, -1, CBS_DROPDOWN, 180);
}

void AddFonts(CWTKToolbarComboBoxButton& button)
{
    button.AddItem("Arial", 10);
    button.AddItem("Courier", 20);
    button.AddItem("Times", 30);
}

class ComboBoxButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new CToolBarTestFrame;
        ASSERT_TRUE(m_pFrame->CreateFrame(TRUE));
        theApp.m_pMainWnd = m_pFrame;
    }
    void TearDown() override
    {
        for (auto& pBar : m_bars)
            if (::IsWindow(pBar->GetSafeHwnd()))
                pBar->DestroyWindow();
        m_bars.clear();
        theApp.m_pMainWnd = nullptr;
        if (::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
        PumpPending();
    }
    CWTKToolBar* AddBar(DWORD dwAlign = CBRS_TOP)
    {
        auto pBar = std::make_unique<CWTKToolBar>();
        const UINT nId = 0xE850 + static_cast<UINT>(m_bars.size());
        if (!pBar->Create(m_pFrame, WS_CHILD | WS_VISIBLE | dwAlign, nId))
            return nullptr;
        m_bars.push_back(std::move(pBar));
        return m_bars.back().get();
    }
    static CWTKToolbarComboBoxButton* AddCombo(CWTKToolBar* pBar, const CWTKToolbarComboBoxButton& button)
    {
        return dynamic_cast<CWTKToolbarComboBoxButton*>(pBar->GetButton(pBar->InsertButton(button)));
    }
    void Layout()
    {
        m_pFrame->RecalcLayout();
        PumpPending();
    }
    // The combo notifications the bars posted to the frame for a command, taken off the queue.
    std::vector<int> TakePostedCodes(UINT nId)
    {
        std::vector<int> codes;
        MSG msg;
        while (::PeekMessageA(&msg, m_pFrame->GetSafeHwnd(), WM_COMMAND, WM_COMMAND, PM_REMOVE))
            if (LOWORD(msg.wParam) == nId)
                codes.push_back(HIWORD(msg.wParam));
        return codes;
    }

    CToolBarTestFrame* m_pFrame = nullptr;
    std::vector<std::unique_ptr<CWTKToolBar>> m_bars;
};

TEST_F(ComboBoxButtonTest, ItemsSelectionAndTextLiveInTheButtonAndInTheControl)
{
    CWTKToolBar* pBar = AddBar();
    ASSERT_NE(pBar, nullptr);
    CWTKToolbarComboBoxButton prototype(ID_FONT, -1);
    prototype.AddItem("Arial", 10);
    ASSERT_TRUE(prototype.SelectItem(0, FALSE)) << "a button without a control keeps the selection";
    CWTKToolbarComboBoxButton* pCombo = AddCombo(pBar, prototype);
    ASSERT_NE(pCombo, nullptr);
    Layout();
    CComboBox* pCtrl = pCombo->GetComboBox();
    ASSERT_NE(pCtrl, nullptr);
    EXPECT_EQ(pCtrl->GetDlgCtrlID(), static_cast<int>(ID_FONT));
    EXPECT_EQ(pCtrl->GetCurSel(), 0) << "the copied selection reaches the new control";

    pCombo->AddItem("Courier", 20);
    pCombo->AddItem("Times", 30);
    ASSERT_EQ(pCtrl->GetCount(), 3);
    EXPECT_EQ(pCtrl->GetItemData(2), 30u);

    struct Case {
        int iIndex;
        BOOL bResult;
        int iSelAfter;
        const char* pszText;
    };
    const Case cases[] = {
        {1, TRUE, 1, "Courier"}, {3, FALSE, 1, "Courier"}, {-1, FALSE, 1, "Courier"}, {2, TRUE, 2, "Times"}};
    for (const Case& c : cases) {
        EXPECT_EQ(pCombo->SelectItem(c.iIndex, FALSE), c.bResult) << c.iIndex;
        EXPECT_EQ(pCombo->GetCurSel(), c.iSelAfter) << c.iIndex;
        EXPECT_EQ(pCtrl->GetCurSel(), c.iSelAfter) << c.iIndex;
        EXPECT_EQ(pCombo->GetText(), CString(c.pszText)) << c.iIndex;
    }

    // The control goes with a vertical bar and comes back with its items and selection.
    CWTKToolBar* pVert = AddBar(CBRS_LEFT);
    ASSERT_NE(pVert, nullptr);
    CWTKToolbarComboBoxButton* pVertCombo = AddCombo(pVert, *pCombo);
    ASSERT_NE(pVertCombo, nullptr);
    Layout();
    ASSERT_NE(pVertCombo->GetComboBox(), nullptr);
    EXPECT_FALSE(pVertCombo->GetComboBox()->IsWindowVisible()) << "no combo on a vertical bar";
    EXPECT_FALSE(pVertCombo->OnClick(pVert, FALSE)) << "a press on a vertical bar is a button's";
    EXPECT_EQ(pVertCombo->GetComboBox()->GetCount(), 3);
    EXPECT_EQ(pVertCombo->GetCurSel(), 2);
}

TEST_F(ComboBoxButtonTest, ASelectionPostsTheCommandAndTheOtherButtonsFollowWithoutASecond)
{
    CWTKToolBar* pBar1 = AddBar();
    CWTKToolBar* pBar2 = AddBar();
    ASSERT_TRUE(pBar1 && pBar2);
    CWTKToolbarComboBoxButton prototype(ID_FONT, -1);
    AddFonts(prototype);
    CWTKToolbarComboBoxButton* pFont1 = AddCombo(pBar1, prototype);
    CWTKToolbarComboBoxButton* pSize = AddCombo(pBar1, CWTKToolbarComboBoxButton(ID_SIZE, -1));
    CWTKToolbarComboBoxButton* pFont2 = AddCombo(pBar2, prototype);
    ASSERT_TRUE(pFont1 && pSize && pFont2);
    Layout();
    TakePostedCodes(ID_FONT);

    // The user picks "Times" in the first: the control changes, then tells its bar.
    CComboBox* pCtrl = pFont1->GetComboBox();
    pCtrl->SetCurSel(2);
    const LPARAM lCtrl = reinterpret_cast<LPARAM>(pCtrl->GetSafeHwnd());
    pBar1->SendMessage(WM_COMMAND, MAKEWPARAM(ID_FONT, CBN_SELCHANGE), lCtrl);
    pBar1->SendMessage(WM_COMMAND, MAKEWPARAM(ID_FONT, CBN_SELENDOK), lCtrl);
    pBar1->SendMessage(WM_COMMAND, MAKEWPARAM(ID_FONT, CBN_CLOSEUP), lCtrl);

    EXPECT_EQ(TakePostedCodes(ID_FONT), std::vector<int>({CBN_SELCHANGE, CBN_SELENDOK}));
    EXPECT_EQ(pFont1->GetCurSel(), 2);
    EXPECT_EQ(pFont1->GetText(), CString("Times"));
    EXPECT_EQ(pFont2->GetCurSel(), 2) << "the other button of the command follows";
    EXPECT_EQ(pFont2->GetComboBox()->GetCurSel(), 2);
    EXPECT_EQ(pFont2->GetText(), CString("Times"));
    EXPECT_EQ(pSize->GetCurSel(), -1) << "another command is left alone";
    PumpPending();
    EXPECT_TRUE(TakePostedCodes(ID_FONT).empty()) << "following posts nothing";
}

TEST(ComboBoxButtonArchive, DropDownHeightFollowsOneVersionRuleWithAndWithoutStoredItems)
{
    struct Case {
        int nMajor, nMinor;
        bool bHeight;
    };
    const Case cases[] = {{-1, -1, true}, {4, 0, false}, {4, 71, false}, {4, 72, true}, {5, 0, true}, {6, 31, true}};
    for (const BOOL bStoreItems : {TRUE, FALSE}) {
        size_t nWith = 0, nWithout = 0;
        for (const Case& c : cases) {
            CVersionedWorkspace workspace(c.nMajor, c.nMinor);
            const std::unique_ptr<CWTKToolbarComboBoxButton> pButton = MakeCombo(bStoreItems);
            CWTKToolbarComboBoxButton& button = *pButton;
            AddFonts(button);
            ASSERT_TRUE(button.SelectItem(1, FALSE));
            button.SetDropDownHeight(220);
            const std::string bytes = StoreObject(button);
            (c.bHeight ? nWith : nWithout) = bytes.size();

            const auto pRead = LoadComboButton(bytes);
            ASSERT_TRUE(pRead != nullptr) << c.nMajor << "." << c.nMinor;
            EXPECT_EQ(pRead->GetDropDownHeight(), c.bHeight ? 220 : CWTKToolbarComboBoxButton::kDefaultDropDownHeight)
                << c.nMajor << "." << c.nMinor;
            EXPECT_EQ(pRead->GetWidth(), 180);
            EXPECT_EQ(pRead->GetComboStyle() & 0xF, static_cast<DWORD>(CBS_DROPDOWN));
            EXPECT_EQ(pRead->IsStoreItems(), bStoreItems);
            EXPECT_EQ(pRead->GetCount(), bStoreItems ? 3 : 0);
            // Without the items the stored index names nothing; the stored text stays.
            EXPECT_EQ(pRead->GetCurSel(), bStoreItems ? 1 : -1);
            EXPECT_EQ(pRead->GetText(), CString("Courier"));
            EXPECT_EQ(pRead->GetItemData(2), bStoreItems ? 30u : 0u);
        }
        EXPECT_EQ(nWith, nWithout + sizeof(int)) << "the height is the only difference";
    }
}

// The fields follow the button's own with nothing between them and the lists: a reader knows from
// its class whether the lists follow.
TEST(ComboBoxButtonArchive, FieldsFollowTheButtonsOwnInTheirOrder)
{
    CVersionedWorkspace workspace(6, 31);
    for (const BOOL bStoreItems : {TRUE, FALSE}) {
        SCOPED_TRACE(bStoreItems ? "stored items" : "items filled at run time");
        const std::unique_ptr<CWTKToolbarComboBoxButton> pButton = MakeCombo(bStoreItems);
        pButton->AddItem("Arial", 10);
        pButton->AddItem("Courier", 20);
        ASSERT_TRUE(pButton->SelectItem(1, FALSE));
        pButton->SetDropDownHeight(220);
        std::string bytes = StoreObject(*pButton);

        CMemFile file(reinterpret_cast<BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
        CArchive ar(&file, CArchive::load);
        ASSERT_NE(ar.ReadClass(RUNTIME_CLASS(CWTKToolbarComboBoxButton)), nullptr);
        CWTKToolbarButton base;
        base.Serialize(ar);
        EXPECT_EQ(base.m_nID, ID_FONT);
        int iWidth = 0, iSelIndex = 0, nDropDownHeight = 0;
        DWORD dwStyle = 0;
        CString strText;
        ar >> iWidth >> dwStyle >> iSelIndex >> strText >> nDropDownHeight;
        EXPECT_EQ(iWidth, 180);
        EXPECT_EQ(dwStyle & 0xF, static_cast<DWORD>(CBS_DROPDOWN));
        EXPECT_EQ(iSelIndex, 1);
        EXPECT_EQ(strText, CString("Courier"));
        EXPECT_EQ(nDropDownHeight, 220);
        if (bStoreItems) {
            CStringList items;
            items.Serialize(ar);
            ASSERT_EQ(items.GetCount(), 2);
            EXPECT_EQ(items.GetHead(), CString("Arial"));
            DWORD dwFirst = 0, dwSecond = 0;
            ar >> dwFirst >> dwSecond;
            EXPECT_EQ(dwFirst, 10u);
            EXPECT_EQ(dwSecond, 20u);
        }
        BYTE byExtra = 0;
        EXPECT_EQ(ar.Read(&byExtra, 1), 0u) << "nothing follows";
    }
}

// The application fills the items at run time and stores none: a stored index beyond the items
// it has then is never used.
TEST_F(ComboBoxButtonTest, AStoredIndexOutsideTheItemsSelectsNothing)
{
    CRunTimeItemsComboButton stored(ID_FONT, -1);
    AddFonts(stored);
    ASSERT_TRUE(stored.SelectItem(2, FALSE));
    CRunTimeItemsComboButton noSelection(ID_FONT, -1);
    AddFonts(noSelection);

    struct Case {
        const char* pszName;
        const std::string bytes;
        int nItemsBefore;
        int iSelAfter;
    };
    const Case cases[] = {{"index 2, one item", StoreObject(stored), 1, -1},
                          {"index 2, three items", StoreObject(stored), 3, 2},
                          {"index -1", StoreObject(noSelection), 3, -1}};
    CWTKToolBar* pBar = AddBar();
    ASSERT_NE(pBar, nullptr);
    for (const Case& c : cases) {
        CRunTimeItemsComboButton button(ID_FONT, -1);
        for (int i = 0; i < c.nItemsBefore; i++)
            button.AddItem("Item");
        // Read over the button the application filled.
        std::string bytes = c.bytes;
        CMemFile file(reinterpret_cast<BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
        CArchive ar(&file, CArchive::load);
        ASSERT_EQ(ar.ReadClass(RUNTIME_CLASS(CWTKToolbarComboBoxButton)), RUNTIME_CLASS(CRunTimeItemsComboButton));
        button.Serialize(ar);
        EXPECT_EQ(button.GetCount(), c.nItemsBefore) << c.pszName;
        EXPECT_EQ(button.GetCurSel(), c.iSelAfter) << c.pszName;

        CWTKToolbarComboBoxButton* pOnBar = AddCombo(pBar, button);
        ASSERT_NE(pOnBar, nullptr) << c.pszName;
        ASSERT_NE(pOnBar->GetComboBox(), nullptr) << c.pszName;
        EXPECT_EQ(pOnBar->GetComboBox()->GetCurSel(), c.iSelAfter) << c.pszName;
        EXPECT_EQ(pOnBar->GetCurSel(), c.iSelAfter) << c.pszName;
        pBar->RemoveButton(pBar->ButtonToIndex(pOnBar));
    }
}

TEST(ComboBoxButtonArchive, DamagedDataIsRefusedWithoutCrash)
{
    CWTKToolbarComboBoxButton button(ID_FONT, -1);
    AddFonts(button);
    ASSERT_TRUE(button.SelectItem(1, FALSE));
    const std::string bytes = StoreObject(button);
    for (size_t n = 0; n < bytes.size(); n++)
        EXPECT_TRUE(LoadComboButton(bytes.substr(0, n)) == nullptr) << "cut at " << n;

    // A huge item count with no data behind it is refused before anything is allocated.
    CWTKToolbarComboBoxButton empty(ID_FONT, -1);
    std::string huge = StoreObject(empty);
    ASSERT_GE(huge.size(), 2u);
    huge[huge.size() - 2] = static_cast<char>(0xF0);
    huge.back() = static_cast<char>(0x7F);
    EXPECT_TRUE(LoadComboButton(huge) == nullptr);

    // A store-items flag written before the lists is taken for a list of one empty text: the
    // reading stays within the data.
    CVersionedWorkspace workspace(6, 31);
    std::string flagged = StoreObject(button);
    const std::string lists = StoreArchive([&button](CArchive& ar) { button.SerializeContent(ar); });
    ASSERT_GT(flagged.size(), lists.size());
    flagged.insert(flagged.size() - lists.size(), std::string("\x01\0\0\0", 4));
    const auto pFlagged = LoadComboButton(flagged);
    if (pFlagged != nullptr) {
        EXPECT_LE(pFlagged->GetCount(), 1);
    }
}

}  // namespace
