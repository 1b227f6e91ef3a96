// The toolbar's state and the global toolbar options in the registry: round trips, damaged
// "Buttons" values, the key format and clamped options; the user-images file saved with the
// workspace's state.
#include "ToolBarTestSupport.h"

#include "command_bars/WTKToolbarMenuButton.h"

#include "foundation/WTKImageStrip.h"
#include "foundation/WTKRegistry.h"
#include "foundation/WTKRegistryHolder.h"

#include "core/StringList.h"

#include "Canvas.h"
#include "ImageStrip.h"

#include <memory>
#include <set>

namespace {

const char* const kProfile = "ToolBarStateTest";

class CStateTestBar : public CWTKToolBar {
public:
    using CWTKToolBar::BuildStateKey;
    CWTKToolbarButton* AddOverflowButton(std::unique_ptr<CWTKToolbarButton> pButton)
    {
        PutBackCustomizeButton(std::move(pButton));
        return m_pCustomizeBtn;
    }
};

// Writes raw bytes as the bar's "Buttons" value.
void WriteButtonsValue(const CString& strKey, const std::vector<BYTE>& bytes)
{
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, FALSE);
    ASSERT_TRUE(reg.CreateKey(strKey));
    std::vector<BYTE> copy = bytes;
    ASSERT_TRUE(reg.Write("Buttons", copy.empty() ? nullptr : copy.data(), static_cast<UINT>(copy.size())));
}

std::vector<BYTE> ReadButtonsValue(const CString& strKey)
{
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, TRUE);
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    if (!reg.Open(strKey) || !reg.Read("Buttons", pData, nBytes))
        return {};
    std::vector<BYTE> bytes(pData, pData + nBytes);
    delete[] pData;
    return bytes;
}

// A bar's state as a bar stores it: nButtons plain buttons, then, when nMenuItems > 0, nMenus
// menu buttons with that many items each; no labels; a name.
class CStoredBar : public CObject {
public:
    CStoredBar(int nButtons, int nMenuItems, int nMenus)
    {
        for (int i = 0; i < nButtons; i++)
            m_buttons.AddTail(std::make_unique<CWTKToolbarButton>(ID_TEST_NEW, -1));
        for (int m = 0; m < nMenus && nMenuItems > 0; m++) {
            HMENU hMenu = ::CreatePopupMenu();
            for (int i = 0; i < nMenuItems; i++)
                ::AppendMenuA(hMenu, MF_STRING, ID_TEST_NEW, "Item");
            m_buttons.AddTail(std::make_unique<CWTKToolbarMenuButton>(0, hMenu, -1, "Menu"));
            ::DestroyMenu(hMenu);
        }
    }
    CStoredBar(const CStoredBar&) = delete;
    CStoredBar& operator=(const CStoredBar&) = delete;
    void Serialize(CArchive& ar) override
    {
        m_buttons.Serialize(ar, RUNTIME_CLASS(CWTKToolbarButton));
        ar << 0;
        ar << CString("Stored");
    }

private:
    CWTKToolbarButtonList m_buttons;
};

std::vector<BYTE> StoredBarBytes(const CString& strKey, int nButtons, int nMenuItems, int nMenus = 1)
{
    CStoredBar bar(nButtons, nMenuItems, nMenus);
    CWTKRegistryHolder holder;
    CWTKRegistry& reg = holder.Create(FALSE, FALSE);
    EXPECT_TRUE(reg.CreateKey(strKey));
    EXPECT_TRUE(reg.Write("Buttons", static_cast<CObject&>(bar)));
    return ReadButtonsValue(strKey);
}

class ToolBarStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new CToolBarTestFrame;
        ASSERT_TRUE(m_pFrame->CreateFrame());
        m_pBar = std::make_unique<CStateTestBar>();
        ASSERT_TRUE(m_pBar->Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE803));
        ASSERT_TRUE(m_pBar->LoadToolBar(IDR_TEST_TOOLBAR));
        m_pBar->SetWindowText("Standard");
    }
    void TearDown() override
    {
        m_pBar->RemoveStateFromRegistry(kProfile);
        if (::IsWindow(m_pBar->GetSafeHwnd()))
            m_pBar->DestroyWindow();
        m_pBar.reset();
        if (::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
        PumpPending();
    }

    CToolBarTestFrame* m_pFrame = nullptr;
    std::unique_ptr<CStateTestBar> m_pBar;
};

TEST_F(ToolBarStateTest, ButtonsLabelsAndNameMakeTheRoundTrip)
{
    ASSERT_TRUE(m_pBar->RemoveButton(4));  // Cut
    m_pBar->SetButtonText(0, "&New");
    m_pBar->EnableTextLabels(TRUE);
    m_pBar->AddOverflowButton(std::make_unique<CWTKToolbarButton>(0x9900, -1, "More", FALSE, TRUE));
    const std::vector<UINT> saved = ButtonIds(*m_pBar);
    ASSERT_TRUE(m_pBar->SaveState(kProfile));

    CStateTestBar other;
    ASSERT_TRUE(other.Create(m_pFrame, WS_CHILD | CBRS_TOP, 0xE803));
    ASSERT_TRUE(other.LoadToolBar(IDR_TEST_TOOLBAR));
    ASSERT_TRUE(other.LoadState(kProfile));
    std::vector<UINT> expected(saved.begin(), saved.end() - 1);  // the overflow button is not stored
    EXPECT_EQ(ButtonIds(other), expected);
    EXPECT_EQ(other.GetButtonText(0), CString("&New"));
    EXPECT_TRUE(other.AreTextLabels());
    CString strName;
    other.GetWindowText(strName);
    EXPECT_EQ(strName, CString("Standard"));
    other.DestroyWindow();

    // The element count written is the number of stored buttons: one byte-exact count word.
    const std::vector<BYTE> bytes = ReadButtonsValue(m_pBar->BuildStateKey(kProfile, -1, static_cast<UINT>(-1)));
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0] | (bytes[1] << 8), static_cast<int>(expected.size()));

    // A missing key or value changes nothing.
    m_pBar->RemoveStateFromRegistry(kProfile);
    EXPECT_FALSE(m_pBar->LoadState(kProfile));
    EXPECT_EQ(ButtonIds(*m_pBar), saved);
}

TEST_F(ToolBarStateTest, DamagedButtonsValuesRebuildTheBarFromItsResource)
{
    CWTKToolbarButton* pOverflow =
        m_pBar->AddOverflowButton(std::make_unique<CWTKToolbarButton>(0x9900, -1, "More", FALSE, TRUE));
    ASSERT_TRUE(m_pBar->RemoveButton(0));
    ASSERT_TRUE(m_pBar->SaveState(kProfile));
    const CString strKey = m_pBar->BuildStateKey(kProfile, -1, static_cast<UINT>(-1));
    const std::vector<BYTE> good = ReadButtonsValue(strKey);
    ASSERT_GT(good.size(), 16u);

    // A foreign class in the list: an archived string list where buttons belong.
    std::vector<BYTE> foreign;
    {
        CWTKRegistryHolder holder;
        CWTKRegistry& reg = holder.Create(FALSE, FALSE);
        ASSERT_TRUE(reg.CreateKey(strKey));
        CObList list;
        CStringList strings;
        strings.AddTail("not a button");
        list.AddTail(&strings);
        ASSERT_TRUE(reg.Write("Buttons", list));
        list.RemoveAll();
        foreign = ReadButtonsValue(strKey);
    }
    std::vector<BYTE> random(200);
    UINT nSeed = 12345;
    for (BYTE& b : random) {
        nSeed = nSeed * 1103515245 + 12345;
        b = static_cast<BYTE>(nSeed >> 16);
    }
    std::vector<BYTE> hugeCount = good;
    hugeCount[0] = 0xFF;
    hugeCount[1] = 0xFF;

    // Well formed, but more buttons than a bar holds: in the bar, or in one of its menus.
    const std::vector<BYTE> tooManyButtons = StoredBarBytes(strKey, CWTKToolBar::kMaxStoredButtons + 1, 0);
    const std::vector<BYTE> tooManyItems = StoredBarBytes(strKey, 1, CWTKToolBar::kMaxStoredButtons + 1);
    const int nMenus = CWTKToolBar::kMaxStoredItems / CWTKToolBar::kMaxStoredButtons;
    const std::vector<BYTE> tooManyInAll = StoredBarBytes(strKey, 0, CWTKToolBar::kMaxStoredButtons, nMenus);

    const struct {
        const char* what;
        std::vector<BYTE> bytes;
    } cases[] = {
        {"truncated", std::vector<BYTE>(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2))},
        {"random bytes", random},
        {"a foreign class", foreign},
        {"a count past the data", hugeCount},
        {"more buttons than a bar holds", tooManyButtons},
        {"a menu with more items than a bar holds", tooManyItems},
        {"menus with more items in all than a bar holds", tooManyInAll},
        {"empty", {}},
    };
    for (const auto& c : cases) {
        WriteButtonsValue(strKey, c.bytes);
        m_pBar->RemoveButton(0);
        EXPECT_FALSE(m_pBar->LoadState(kProfile)) << c.what;
        std::vector<UINT> ids = ButtonIds(*m_pBar);
        ASSERT_FALSE(ids.empty()) << c.what;
        EXPECT_EQ(ids.back(), 0x9900u) << "the overflow button is still last: " << c.what;
        ids.pop_back();
        EXPECT_EQ(ids.size(), 10u) << "rebuilt from the resource: " << c.what;
        EXPECT_EQ(m_pBar->GetCustomizeButton(), pOverflow) << c.what;
    }
}

TEST(UserImagesState, TheWorkspaceSavesImagesAddedSinceTheFileWasRead)
{
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    std::string path(szTemp);
    path.append("wtk_user_images_").append(std::to_string(::GetCurrentProcessId())).append(".bmp");
    constexpr char kSection[] = "UserImagesState";
    std::string strSectionKey("Software\\WTKToolBarTests\\");
    strSectionKey.append(kSection);

    // Two red images on disk; the user draws a third, blue one.
    Canvas onDisk(2 * 16, 15, kRed);
    ASSERT_TRUE(onDisk.WriteBmp(path, false));
    CWTKImageStrip userImages;
    ASSERT_TRUE(userImages.LoadFromFile(path.c_str()));
    ASSERT_EQ(2, userImages.GetCount());
    HBITMAP hDrawn = MakeImageStrip(16, {kBlue}, kBlue);
    ASSERT_EQ(2, userImages.AddImage(hDrawn));
    ::DeleteObject(hDrawn);

    CWTKToolBar::SetUserImages(&userImages);
    {
        CWTKWorkspace workspace;
        EXPECT_TRUE(workspace.SaveState(kSection));
    }
    CWTKToolBar::SetUserImages(nullptr);
    EXPECT_FALSE(userImages.IsModified());

    CWTKImageStrip reloaded;
    ASSERT_TRUE(reloaded.LoadFromFile(path.c_str()));
    EXPECT_EQ(3, reloaded.GetCount());
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, reloaded.GetImageWell());
    EXPECT_EQ(kRed, ::GetPixel(hdc, 16 + 5, 7));
    EXPECT_EQ(kBlue, ::GetPixel(hdc, 2 * 16 + 5, 7));
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    ::DeleteFileA(path.c_str());
    ::RegDeleteTreeA(HKEY_CURRENT_USER, strSectionKey.c_str());
    ::RegDeleteKeyA(HKEY_CURRENT_USER, strSectionKey.c_str());
}

TEST_F(ToolBarStateTest, AsManyButtonsAsABarHoldsLoad)
{
    const CString strKey = m_pBar->BuildStateKey(kProfile, -1, static_cast<UINT>(-1));
    const int nItems = CWTKToolBar::kMaxStoredButtons;
    WriteButtonsValue(strKey, StoredBarBytes(strKey, CWTKToolBar::kMaxStoredButtons - 1, nItems));
    ASSERT_TRUE(m_pBar->LoadState(kProfile));
    ASSERT_EQ(CWTKToolBar::kMaxStoredButtons, m_pBar->GetCount());
    auto* pMenu = dynamic_cast<CWTKToolbarMenuButton*>(m_pBar->GetButton(m_pBar->GetCount() - 1));
    ASSERT_NE(nullptr, pMenu);
    EXPECT_EQ(nItems, pMenu->GetCommands().GetCount());
    CString strName;
    m_pBar->GetWindowText(strName);
    EXPECT_EQ(CString("Stored"), strName);
}

// A workspace that keeps original items reconciles a saved bar with the resource of a later
// run: the user's changes stay, commands the resource lost leave the bar, new ones come in at
// their resource place. The same resource again changes nothing.
TEST_F(ToolBarStateTest, OriginalItemsReconcileASavedBarWithTheNextResource)
{
    CWTKWorkspace workspace(TRUE);
    // The first run: the user removed Save and moved Print to the front.
    ASSERT_TRUE(m_pBar->RemoveButton(2));
    CWTKToolbarButton print;
    print.CopyFrom(*m_pBar->GetButton(m_pBar->GetCount() - 1));
    ASSERT_TRUE(m_pBar->RemoveButton(m_pBar->GetCount() - 1));
    ASSERT_EQ(m_pBar->InsertButton(print, 0), 0);
    const std::vector<UINT> customised = ButtonIds(*m_pBar);
    ASSERT_TRUE(m_pBar->SaveState(kProfile));

    struct Run {
        const char* what;
        UINT uiResID;
        std::vector<UINT> expected;
        BOOL bChanged;
    } runs[] = {
        {"the same resource", IDR_TEST_TOOLBAR, customised, FALSE},
        {"the next resource",
         IDR_TEST_TOOLBAR_NEXT,
         {ID_TEST_PRINT, ID_TEST_NEW, ID_TEST_OPEN, 0, ID_TEST_CUT, ID_TEST_ITALIC, ID_TEST_PASTE, 0, ID_TEST_BOLD},
         TRUE},
    };
    for (const Run& run : runs) {
        CStateTestBar next;
        ASSERT_TRUE(next.Create(m_pFrame, WS_CHILD | CBRS_TOP, 0xE803));
        ASSERT_TRUE(next.LoadToolBar(run.uiResID, 0, 0, FALSE, 0, 0, IDB_TEST_TOOLBAR)) << run.what;
        ASSERT_TRUE(next.LoadState(kProfile)) << run.what;
        EXPECT_EQ(ButtonIds(next), run.expected) << run.what;
        EXPECT_EQ(next.IsOriginalItemsChanged(), run.bChanged) << run.what;
        const int iItalic = next.CommandToIndex(ID_TEST_ITALIC);
        if (iItalic >= 0) {
            EXPECT_EQ(next.GetButton(iItalic)->GetImage(), CWTKToolBar::GetDefaultImage(ID_TEST_ITALIC));
        }
        next.DestroyWindow();
    }

    // Without the option the saved bar comes back as it was saved.
    CWTKWorkspace plain;
    CStateTestBar next;
    ASSERT_TRUE(next.Create(m_pFrame, WS_CHILD | CBRS_TOP, 0xE803));
    ASSERT_TRUE(next.LoadToolBar(IDR_TEST_TOOLBAR_NEXT, 0, 0, FALSE, 0, 0, IDB_TEST_TOOLBAR));
    ASSERT_TRUE(next.LoadState(kProfile));
    EXPECT_EQ(ButtonIds(next), customised);
    EXPECT_FALSE(next.IsOriginalItemsChanged());
    next.DestroyWindow();
    // The other tests expect the default images of the first resource.
    ASSERT_TRUE(m_pBar->LoadToolBar(IDR_TEST_TOOLBAR));
}

TEST_F(ToolBarStateTest, KeyNamesRunTheIdsTogetherAndOurPairsStayApart)
{
    const CString strE800 = m_pBar->BuildStateKey(kProfile, 59392, static_cast<UINT>(-1));
    EXPECT_EQ(strE800.Right(16), CString("WTKToolBar-59392"));
    const CString strWithSecond = m_pBar->BuildStateKey(kProfile, 59392, 16);
    EXPECT_EQ(strWithSecond.Right(18), CString("WTKToolBar-5939210"));

    // The pairs this program stores: the toolbars 0xE800-0xE81F alone, the menu bar with its
    // menu resources, and the context menus by their resource ids.
    std::set<std::string> keys;
    size_t nPairs = 0;
    for (int nBar = 0xE800; nBar <= 0xE81F; nBar++, nPairs++)
        keys.insert(static_cast<LPCSTR>(m_pBar->BuildStateKey(kProfile, nBar, static_cast<UINT>(-1))));
    for (UINT uiMenu : {128u, 129u, 130u, 16102u}) {
        keys.insert(static_cast<LPCSTR>(m_pBar->BuildStateKey(kProfile, 0xE800, uiMenu)));
        nPairs++;
    }
    EXPECT_EQ(keys.size(), nPairs) << "no two pairs share a key";
}

TEST_F(ToolBarStateTest, ParametersAreClampedToKnownValues)
{
    ASSERT_TRUE(CWTKToolBar::SaveParameters(kProfile));
    CString strKey;
    strKey.Format("%sWTKToolbarParameters", static_cast<LPCSTR>(BuildRegistryPath("WTKToolBars", kProfile)));
    {
        CWTKRegistryHolder holder;
        CWTKRegistry& reg = holder.Create(FALSE, FALSE);
        ASSERT_TRUE(reg.CreateKey(strKey));
        reg.Write("Tooltips", 5);
        reg.Write("MenuAnimation", 7);
        reg.Write("MenuShadows", -3);
    }
    CWTKToolBar::LoadParameters(kProfile);
    EXPECT_EQ(WTKGetCommandBarSettings().bShowTooltips, TRUE);
    EXPECT_EQ(WTKGetCommandBarSettings().menuAnimation, WTKMenuAnimation::None) << "an unknown animation is none";
    EXPECT_EQ(WTKGetCommandBarSettings().bMenuShadows, TRUE);
    {
        CWTKRegistryHolder holder;
        CWTKRegistry& reg = holder.Create(FALSE, FALSE);
        ASSERT_TRUE(reg.CreateKey(strKey));
        reg.Write("MenuAnimation", 2);
    }
    EXPECT_TRUE(CWTKToolBar::LoadParameters(kProfile));
    EXPECT_EQ(WTKGetCommandBarSettings().menuAnimation, WTKMenuAnimation::Slide);
    {
        CWTKRegistryHolder holder;
        CWTKRegistry& reg = holder.Create(FALSE, FALSE);
        ASSERT_TRUE(reg.CreateKey(strKey));
        reg.DeleteValue("MenuAnimation");
    }
    EXPECT_FALSE(CWTKToolBar::LoadParameters(kProfile));
    EXPECT_EQ(WTKGetCommandBarSettings().menuAnimation, WTKMenuAnimation::None)
        << "a key without the value: no animation";
    CWTKRegistryHolder holder;
    holder.Create(FALSE, FALSE).DeleteKey(strKey);
}

}  // namespace
