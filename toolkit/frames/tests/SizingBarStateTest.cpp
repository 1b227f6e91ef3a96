// The sizes and expansion state in the registry: a round trip through a new frame (the
// expansion applied only once the bar is docked again), damaged values ignored, floating
// sizes clamped to the virtual screen.
#include "SizingBarTestSupport.h"

#include "frames/WTKTabWnd.h"

#include "docview/BarStyles.h"

namespace {

const char kProfile[] = "SizingBarState";

class SizingBarStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static bool bKeySet = false;
        if (!bKeySet) {
            theApp.SetRegistryKey("Glyphora Toolkit Tests");
            bKeySet = true;
        }
        theApp.WriteProfileString(Section(0xA001), nullptr, nullptr);
        NewFrame();
    }
    void TearDown() override
    {
        CloseFrame();
        theApp.WriteProfileString(Section(0xA001), nullptr, nullptr);
    }
    void NewFrame()
    {
        m_pFrame = new CSizingTestFrame;
        ASSERT_TRUE(m_pFrame->CreateFrame());
        m_hFrame = m_pFrame->m_hWnd;
        PumpPending();
    }
    void CloseFrame()
    {
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
        PumpPending();
    }
    static CString Section(UINT nID)
    {
        CString s;
        s.Format("%s-SCBar-%d", kProfile, (int)nID);
        return s;
    }
    // Two bars sharing the bottom row; A has the given id.
    void AddRow(CTestSizingBar*& pA, CTestSizingBar*& pB)
    {
        pA = m_pFrame->AddBar(0xA001, "A", FW_IDW_DOCKBAR_BOTTOM, CSize(200, 120));
        pB = m_pFrame->AddBar(0xA002, "B", 0, CSize(200, 120));
        m_pFrame->DockInRow(pB, pA);
    }

    CSizingTestFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
};

TEST_F(SizingBarStateTest, SizesAndExpansionComeBackAfterTheDockState)
{
    CTestSizingBar *pA = nullptr, *pB = nullptr;
    AddRow(pA, pB);
    pA->SetVertSize(CSize(170, 240));
    pA->SetFloatSize(CSize(260, 310));
    const CSize horzBefore = pA->GetHorzSize();
    ClickNonClient(pA, CaptionButtonCentre(pA, 1));
    ASSERT_TRUE(pA->IsExpanded());
    pA->SaveState(kProfile);
    EXPECT_EQ((int)theApp.GetProfileInt(Section(0xA001), "sizeHorzCX", -1), horzBefore.cx)
        << "an expanded bar saves the size it had before";
    CloseFrame();

    // As the workspace does it: the bar's state is loaded before the dock state places it.
    NewFrame();
    auto pNewA = std::make_unique<CTestSizingBar>();
    ASSERT_TRUE(pNewA->Create("A", m_pFrame, CSize(200, 200), TRUE, 0xA001, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM));
    pNewA->EnableDocking(CBRS_ALIGN_ANY);
    pNewA->LoadState(kProfile);
    EXPECT_EQ(pNewA->GetHorzSize().cx, horzBefore.cx);
    EXPECT_EQ(pNewA->GetVertSize(), CSize(170, 240));
    EXPECT_EQ(pNewA->GetFloatSize(), CSize(260, 310));
    auto pNewB = std::make_unique<CTestSizingBar>();
    ASSERT_TRUE(pNewB->Create("B", m_pFrame, CSize(200, 120), TRUE, 0xA002, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM));
    pNewB->EnableDocking(CBRS_ALIGN_ANY);
    // Both docked in one row with no idle time between, as a dock state is applied.
    m_pFrame->DockControlBar(pNewA.get(), FW_IDW_DOCKBAR_BOTTOM);
    m_pFrame->RecalcLayout();
    CRect rect = ScreenRect(pNewA.get());
    rect.OffsetRect(rect.Width() - 4, 0);
    m_pFrame->DockControlBar(pNewB.get(), FW_IDW_DOCKBAR_BOTTOM, &rect);
    m_pFrame->RecalcLayout();
    ASSERT_EQ(RowOf(pNewA.get()).size(), 2u);
    RunIdle();
    m_pFrame->RecalcLayout();
    RunIdle();
    EXPECT_TRUE(pNewA->IsExpanded()) << "applied once the bar sits in its row";
    EXPECT_EQ(ScreenRect(pNewB.get()).Width(), pNewB->GetMinSize().cx);
    CloseFrame();
}

TEST_F(SizingBarStateTest, DamagedValuesAreIgnoredAndFloatingSizesClamped)
{
    CTestSizingBar* pA = m_pFrame->AddBar(0xA001, "A", FW_IDW_DOCKBAR_LEFT, CSize(150, 220));
    const CSize screen(::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
    const CString section = Section(0xA001);
    // Docked, a bar takes at most half of the frame across the side it docks on.
    CRect rectClient;
    m_pFrame->GetClientRect(&rectClient);
    const struct {
        const char* pszEntry;
        int nValue;
        int nExpected;  // -1: the value before the load
    } cases[] = {
        {"sizeHorzCX", 10, -1},  // below the minimum
        {"sizeHorzCY", -5, -1},
        {"sizeHorzCY", 0x7FFFFFFF, rectClient.Height() / 2},
        {"sizeVertCX", 0x7FFFFFFF, rectClient.Width() / 2},
        {"sizeVertCY", 180, 180},
        {"sizeFloatCX", 100000, screen.cx},
        {"sizeFloatCY", 90000, screen.cy},
        {"RolledFloatDynamicState", 77, -1},
    };
    for (const auto& c : cases) {
        theApp.WriteProfileString(section, nullptr, nullptr);
        theApp.WriteProfileInt(section, c.pszEntry, c.nValue);
        const CSize h = pA->GetHorzSize(), v = pA->GetVertSize(), f = pA->GetFloatSize();
        const int nMode = pA->GetRollUpMode();
        pA->LoadState(kProfile);
        const std::string entry = c.pszEntry;
        int nNow = 0, nBefore = 0;
        if (entry == "sizeHorzCX")
            nNow = pA->GetHorzSize().cx, nBefore = h.cx;
        else if (entry == "sizeHorzCY")
            nNow = pA->GetHorzSize().cy, nBefore = h.cy;
        else if (entry == "sizeVertCX")
            nNow = pA->GetVertSize().cx, nBefore = v.cx;
        else if (entry == "sizeVertCY")
            nNow = pA->GetVertSize().cy, nBefore = v.cy;
        else if (entry == "sizeFloatCX")
            nNow = pA->GetFloatSize().cx, nBefore = f.cx;
        else if (entry == "sizeFloatCY")
            nNow = pA->GetFloatSize().cy, nBefore = f.cy;
        else
            nNow = pA->GetRollUpMode(), nBefore = nMode;
        EXPECT_EQ(nNow, c.nExpected == -1 ? nBefore : c.nExpected) << c.pszEntry;
    }
    // The bar still lays out after all of it.
    m_pFrame->RecalcLayout();
    RunIdle();
    EXPECT_TRUE(pA->IsWindowVisible());
    EXPECT_LE(ScreenRect(pA).Height(), ScreenRect(m_pFrame).Height());
}

// "ActiveTab" belongs to a bar with exactly one tab window: read within its tab count,
// neither written nor read with two tab windows.
TEST_F(SizingBarStateTest, ActiveTabOnlyWithOneTabWindow)
{
    CTestSizingBar* pA = m_pFrame->AddBar(0xA001, "A", FW_IDW_DOCKBAR_LEFT, CSize(180, 260));
    CWTKTabWnd tabs;
    ASSERT_TRUE(tabs.Create(CWTKTabWnd::kStyle3D, CRect(0, 0, 150, 200), pA, 1));
    CWnd pages[3];
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(pages[i].Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 10, 10), &tabs, 10 + i));
        tabs.AddTab(&pages[i], "Page");
    }
    ASSERT_EQ(pA->FindSingleTabWnd(), &tabs);
    tabs.SetActiveTab(2);
    pA->SaveState(kProfile);
    EXPECT_EQ((int)theApp.GetProfileInt(Section(0xA001), "ActiveTab", -1), 2);
    tabs.SetActiveTab(0);
    pA->LoadState(kProfile);
    EXPECT_EQ(tabs.GetActiveTab(), 2);

    theApp.WriteProfileInt(Section(0xA001), "ActiveTab", 3);  // one past the last tab
    pA->LoadState(kProfile);
    EXPECT_EQ(tabs.GetActiveTab(), 2);

    // A second tab window: the value is left alone both ways.
    CWTKTabWnd tabs2;
    ASSERT_TRUE(tabs2.Create(CWTKTabWnd::kStyle3D, CRect(0, 0, 150, 200), pA, 2));
    EXPECT_EQ(pA->FindSingleTabWnd(), nullptr);
    theApp.WriteProfileInt(Section(0xA001), "ActiveTab", 1);
    pA->LoadState(kProfile);
    EXPECT_EQ(tabs.GetActiveTab(), 2);
    tabs.SetActiveTab(0);
    pA->SaveState(kProfile);
    EXPECT_EQ((int)theApp.GetProfileInt(Section(0xA001), "ActiveTab", -1), 1);
}

}  // namespace
