// The viewer's stored state, damaged: each start loads the state as the viewer does, and the
// frame must then be one a user can work in (its minimum size at least, on a work area, the
// page painted); what its close stores makes the next start a normal one. Placements that leave
// no usable window give way to the default one; a toolbar stored with more buttons than any bar
// holds gives way to the resource's buttons.
#include "Canvas.h"
#include "FrameConstants.h"
#include "HelpApp.h"
#include "Resource.h"
#include "ViewerFrameFixture.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarButton.h"
#include "command_bars/WTKToolbarButtonList.h"
#include "foundation/WTKRegistry.h"
#include "foundation/WTKRegistryHolder.h"
#include "foundation/WTKWorkArea.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

namespace {

// The tests' own company key, so that no run of the viewer itself is disturbed.
constexpr char kStateTestRegistryKey[] = "Tolvek Stored State Tests";
constexpr char kStateTestSoftwareKey[] = "Software\\Tolvek Stored State Tests";
// The key of the main toolbar's state ends so.
constexpr char kMainToolBarKeyEnd[] = "WTKToolBar-59392";

CHelpApp& ViewerApp()
{
    return static_cast<CHelpApp&>(theApp);
}

// The key below the tests' company key whose name ends with nameEnd, depth first; empty when
// there is none.
std::string FindKeyEndingWith(const std::string& path, const std::string& nameEnd)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return {};
    std::string found;
    char name[256] = {};
    for (DWORD i = 0; found.empty(); ++i) {
        DWORD nName = sizeof name;
        if (::RegEnumKeyExA(hKey, i, name, &nName, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        const std::string sub = path + "\\" + name;
        const std::string text(name);
        if (text.size() >= nameEnd.size() && text.compare(text.size() - nameEnd.size(), nameEnd.size(), nameEnd) == 0)
            found = sub;
        else
            found = FindKeyEndingWith(sub, nameEnd);
    }
    ::RegCloseKey(hKey);
    return found;
}

DWORD ValueSize(const std::string& key, const char* value)
{
    DWORD nBytes = 0;
    if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), value, RRF_RT_REG_BINARY, nullptr, nullptr, &nBytes) !=
        ERROR_SUCCESS)
        return 0;
    return nBytes;
}

// A toolbar's stored state as a bar writes it, with nButtons plain buttons.
class CStoredToolBar : public CObject {
public:
    explicit CStoredToolBar(int nButtons)
    {
        for (int i = 0; i < nButtons; ++i)
            m_buttons.AddTail(std::make_unique<CWTKToolbarButton>(ID_PAGE_REFRESH, -1));
    }
    CStoredToolBar(const CStoredToolBar&) = delete;
    CStoredToolBar& operator=(const CStoredToolBar&) = delete;
    void Serialize(CArchive& ar) override
    {
        m_buttons.Serialize(ar, RUNTIME_CLASS(CWTKToolbarButton));
        ar << 0;
        ar << CString("Standard");
    }

private:
    CWTKToolbarButtonList m_buttons;
};

// The page view shows more than its background colour.
bool PagePainted(CHelpView* pView)
{
    if (pView == nullptr)
        return false;
    CRect rect;
    pView->GetClientRect(&rect);
    if (rect.IsRectEmpty())
        return false;
    pView->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Canvas shot(rect.Width(), rect.Height(), kBlack);
    return shot.CopyFromWindow(pView->GetSafeHwnd(), false) && !shot.BoundsOfOther(shot.Pixel(0, 0)).IsRectEmpty();
}

struct StartResult {
    CRect rectFrame;
    int nToolBarButtons = 0;
};

class StoredStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ViewerApp().SetRegistryKey(kStateTestRegistryKey);
        ViewerApp().SetRegistryBase(CHelpApp::kSettingsSection);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kStateTestSoftwareKey);
    }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, kStateTestSoftwareKey); }

    // Starts the viewer as the program does, checks that a user can work in it, and closes it
    // as a user does, which stores its state. bOnScreen false: the frame is on a monitor this
    // machine does not have, so its pixels cannot be looked at.
    static StartResult StartAndClose(const std::string& name, bool bOnScreen = true, const char* pszShot = nullptr)
    {
        StartResult result;
        ViewerFrameFixture viewer("HvDocA.dll");
        CMainFrame* pFrame = viewer.Frame();
        EXPECT_NE(nullptr, pFrame) << name;
        if (pFrame == nullptr)
            return result;
        pFrame->ShowWindow(SW_SHOWNORMAL);
        pFrame->UpdateWindow();
        PumpPending();
        pFrame->GetWindowRect(&result.rectFrame);
        result.nToolBarButtons = pFrame->GetToolBar().GetCount();
        EXPECT_GE(result.rectFrame.Width(), Lumidoc::kMinFrameSize.cx) << name;
        EXPECT_GE(result.rectFrame.Height(), Lumidoc::kMinFrameSize.cy) << name;
        if (bOnScreen) {
            EXPECT_GE(WTKUsableWorkAreaOf(result.rectFrame, Lumidoc::kMinFrameSize, WTKMonitorWorkAreas()), 0) << name;
            EXPECT_TRUE(PagePainted(viewer.View())) << name;
            CRect rectBar;
            viewer.ContentBar().GetWindowRect(&rectBar);
            EXPECT_TRUE(viewer.ContentBar().IsWindowVisible()) << name;
            EXPECT_GT(rectBar.Width(), 0) << name;
            EXPECT_GT(rectBar.Height(), 0) << name;
        }
        if (pszShot != nullptr) {
            EXPECT_TRUE(SaveWindowShot(pFrame->GetSafeHwnd(), pszShot)) << name;
        }
        pFrame->GetFrameHelper()->OnCloseFrame();
        return result;
    }
};

TEST_F(StoredStateTest, PlacementThatLeavesNoUsableWindowGivesWayToTheDefaultOnce)
{
    const struct {
        const char* name;
        RECT saved;
        const char* pszShot;
    } cases[] = {
        {"top overflows the height", {0, INT_MIN, 800, 600}, "viewer_after_overflowing_placement.png"},
        {"spans every int", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, nullptr},
        {"empty", {300, 200, 300, 200}, nullptr},
        {"inverted", {900, 700, 100, 100}, nullptr},
        {"ten pixels high", {100, 100, 900, 110}, nullptr},
        {"narrower than the frame's minimum", {100, 100, 300, 700}, nullptr},
        {"off every monitor", {-5000, 3000, -4200, 3600}, nullptr},
    };
    for (const auto& c : cases) {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kStateTestSoftwareKey);
        ASSERT_TRUE(ViewerApp().StoreWindowPlacement(CRect(c.saved), 0, SW_SHOWNORMAL)) << c.name;
        StartAndClose(std::string(c.name) + ", damaged", true, c.pszShot);

        // What the close stored is usable, and the next start is a normal one: it opens there.
        CRect rectStored;
        int nFlags = 0;
        int nShowCmd = 0;
        ASSERT_TRUE(ViewerApp().LoadWindowPlacement(rectStored, nFlags, nShowCmd)) << c.name;
        EXPECT_GE(WTKUsableWorkAreaOf(rectStored, Lumidoc::kMinFrameSize, WTKMonitorWorkAreas()), 0) << c.name;
        const StartResult next = StartAndClose(std::string(c.name) + ", next start");
        EXPECT_EQ(rectStored, next.rectFrame) << c.name;
    }
}

void WriteDword(const std::string& key, const char* value, DWORD dwValue)
{
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), value, REG_DWORD, &dwValue, sizeof dwValue));
}

TEST_F(StoredStateTest, ContentBarSizeThatLeavesNoPageGivesWay)
{
    StartAndClose("first start");
    const std::string key =
        FindKeyEndingWith(kStateTestSoftwareKey, "-SCBar-" + std::to_string(Lumidoc::kContentBarId));
    ASSERT_FALSE(key.empty());
    const struct {
        const char* name;
        const char* value;
        DWORD dwStored;
        const char* pszShot;
    } cases[] = {
        {"wider than any screen", "sizeVertCX", 0x7FFFFFFF, "viewer_after_huge_content_bar.png"},
        {"as wide as the screen", "sizeVertCX", static_cast<DWORD>(::GetSystemMetrics(SM_CXVIRTUALSCREEN)), nullptr},
        {"negative", "sizeVertCX", 0x80000000, nullptr},
        {"taller than any screen", "sizeVertCY", 0x7FFFFFFF, nullptr},
    };
    for (const auto& c : cases) {
        WriteDword(key, c.value, c.dwStored);
        StartAndClose(c.name, true, c.pszShot);
        StartAndClose(std::string(c.name) + ", next start");
    }
}

// Monitors beside the primary one, which this machine does not have.
std::vector<CRect> MonitorsLeftAndAbove()
{
    std::vector<CRect> areas = WTKMonitorWorkAreas();
    const CRect primary = areas.front();
    areas.emplace_back(primary.left - 1024, primary.top, primary.left, primary.top + 768);
    areas.emplace_back(primary.left, primary.top - 1024, primary.right, primary.top);
    return areas;
}

TEST_F(StoredStateTest, PlacementOnAMonitorLeftOfOrAboveThePrimaryIsKept)
{
    const CWTKFrameHelper::WorkAreasSource pfnOld = CWTKFrameHelper::SetWorkAreasSource(&MonitorsLeftAndAbove);
    const CRect primary = WTKMonitorWorkAreas().front();
    const struct {
        const char* name;
        CRect saved;
    } cases[] = {
        {"left of the primary", CRect(primary.left - 900, primary.top + 50, primary.left - 100, primary.top + 650)},
        {"above the primary", CRect(primary.left + 100, primary.top - 900, primary.left + 900, primary.top - 300)},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(ViewerApp().StoreWindowPlacement(c.saved, 0, SW_SHOWNORMAL)) << c.name;
        EXPECT_EQ(c.saved, StartAndClose(c.name, false).rectFrame) << c.name;
        CRect rectStored;
        int nFlags = 0;
        int nShowCmd = 0;
        ASSERT_TRUE(ViewerApp().LoadWindowPlacement(rectStored, nFlags, nShowCmd)) << c.name;
        EXPECT_EQ(c.saved, rectStored) << c.name;
    }
    CWTKFrameHelper::SetWorkAreasSource(pfnOld);
}

TEST_F(StoredStateTest, ToolBarStoredWithMoreButtonsThanABarHoldsKeepsTheResourceButtons)
{
    const StartResult first = StartAndClose("first start");
    const std::string key = FindKeyEndingWith(kStateTestSoftwareKey, kMainToolBarKeyEnd);
    ASSERT_FALSE(key.empty());
    const DWORD nFirstBytes = ValueSize(key, "Buttons");
    ASSERT_GT(nFirstBytes, 0u);

    const struct {
        const char* name;
        int nStored;
        bool bKept;
    } cases[] = {
        {"as many as a bar may hold", CWTKToolBar::kMaxStoredButtons, true},
        {"one more", CWTKToolBar::kMaxStoredButtons + 1, false},
        {"thirty thousand", 30000, false},
    };
    for (const auto& c : cases) {
        {
            CStoredToolBar stored(c.nStored);
            CWTKRegistryHolder holder;
            CWTKRegistry& reg = holder.Create(FALSE, FALSE);
            ASSERT_TRUE(reg.CreateKey(key.c_str())) << c.name;
            ASSERT_TRUE(reg.Write("Buttons", static_cast<CObject&>(stored))) << c.name;
        }
        const StartResult damaged = StartAndClose(c.name);
        if (c.bKept) {
            EXPECT_GE(damaged.nToolBarButtons, c.nStored) << c.name;
            EXPECT_GT(ValueSize(key, "Buttons"), nFirstBytes) << c.name;
        } else {
            // Refused as damaged: the resource's buttons, stored so by the close.
            EXPECT_EQ(first.nToolBarButtons, damaged.nToolBarButtons) << c.name;
            EXPECT_EQ(nFirstBytes, ValueSize(key, "Buttons")) << c.name;
            EXPECT_EQ(first.nToolBarButtons, StartAndClose(std::string(c.name) + ", next start").nToolBarButtons)
                << c.name;
        }
    }
}

}  // namespace
