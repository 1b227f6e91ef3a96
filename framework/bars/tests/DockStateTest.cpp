// The dock state: round trips through the profile, positions brought back on screen, ids
// that went, and damaged values.
#include "BarsTestSupport.h"
#include "bars/DockState.h"
#include "core/RegKey.h"

#include <random>

namespace {

constexpr char kSection[] = "BarsTest";
constexpr char kStateSection[] = "BarsTest\\DockState";

class DockStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        theApp.SetRegistryKey("Glyphora Framework Tests");
        theApp.WriteProfileString(kSection, nullptr, nullptr);
        m_pFrame = NewFrame();
        ASSERT_NE(m_pFrame, nullptr);
    }
    void TearDown() override
    {
        if (m_pFrame && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
        PumpPending();
        theApp.WriteProfileString(kSection, nullptr, nullptr);
    }
    static CDockTestFrame* NewFrame()
    {
        auto* pFrame = new CDockTestFrame;
        if (!pFrame->CreateFrame())
            return nullptr;
        PumpPending();
        return pFrame;
    }
    void Restart()
    {
        m_pFrame->SaveBarState(kSection);
        m_pFrame->DestroyWindow();
        PumpPending();
        m_pFrame = NewFrame();
        ASSERT_NE(m_pFrame, nullptr);
    }
    // The key of the saved record whose value name equals value.
    static CString RecordKey(LPCSTR lpszName, int nValue)
    {
        for (int i = 0; i < kDockStateMaxBars; ++i) {
            CString strKey;
            strKey.Format("%s\\Bar%d", kStateSection, i);
            CRegKey appKey(theApp.GetAppRegistryKey()), key;
            if (key.Open(appKey, strKey, KEY_READ) != ERROR_SUCCESS)
                break;
            DWORD dw = 0;
            if (key.QueryDWORDValue(lpszName, dw) == ERROR_SUCCESS && (int)dw == nValue)
                return strKey;
        }
        return CString();
    }
    static CString FloatingRecordKey()
    {
        for (int i = 0; i < kDockStateMaxBars; ++i) {
            CString strKey;
            strKey.Format("%s\\Bar%d", kStateSection, i);
            CRegKey appKey(theApp.GetAppRegistryKey()), key;
            if (key.Open(appKey, strKey, KEY_READ) != ERROR_SUCCESS)
                break;
            DWORD dwDock = 0, dwFloat = 0;
            key.QueryDWORDValue("DockBar", dwDock);
            key.QueryDWORDValue("Floating", dwFloat);
            if (dwDock && dwFloat)
                return strKey;
        }
        return CString();
    }

    struct Place {
        BOOL bVisible;
        BOOL bFloating;
        UINT nDockBar;
        CRect rect;  // client of the frame when docked, screen of the floating frame when floating
    };
    Place PlaceOf(CTestBar& bar) const
    {
        Place p = {bar.IsVisible(), bar.IsFloating(), 0, CRect()};
        if (bar.IsFloating())
            p.rect = ScreenRect(FloatingFrame(&bar));
        else if (bar.m_pDockBar) {
            p.nDockBar = bar.m_pDockBar->GetDlgCtrlID();
            p.rect = RectInClient(m_pFrame, &bar);
        }
        return p;
    }

    CDockTestFrame* m_pFrame = nullptr;
};

TEST_F(DockStateTest, SavedPlacesComeBackAfterARestart)
{
    CDockTestFrame* f = m_pFrame;
    // A floats, C moves to the bottom's second row after D, B is hidden.
    f->FloatControlBar(&f->m_barA, ScreenRect(&f->m_wndPane).TopLeft() + CPoint(100, 60));
    CRect rectD = ScreenRect(&f->m_barD);
    rectD.OffsetRect(40, rectD.Height() + 4);
    f->DockControlBar(&f->m_barC, FW_IDW_DOCKBAR_BOTTOM, &rectD);
    f->ShowControlBar(&f->m_barB, FALSE, FALSE);
    PumpPending();
    const Place a = PlaceOf(f->m_barA), b = PlaceOf(f->m_barB), c = PlaceOf(f->m_barC), d = PlaceOf(f->m_barD);
    ASSERT_TRUE(a.bFloating);
    ASSERT_EQ(c.nDockBar, (UINT)FW_IDW_DOCKBAR_BOTTOM);

    Restart();
    f = m_pFrame;
    EXPECT_FALSE(f->m_barA.IsFloating()) << "a new frame starts from its defaults";
    f->LoadBarState(kSection);
    PumpPending();
    const struct {
        const char* name;
        CTestBar& bar;
        Place expected;
    } rows[] = {{"A", f->m_barA, a}, {"B", f->m_barB, b}, {"C", f->m_barC, c}, {"D", f->m_barD, d}};
    for (const auto& row : rows) {
        Place now = PlaceOf(row.bar);
        EXPECT_EQ(now.bVisible, row.expected.bVisible) << row.name;
        EXPECT_EQ(now.bFloating, row.expected.bFloating) << row.name;
        EXPECT_EQ(now.nDockBar, row.expected.nDockBar) << row.name;
        if (row.expected.bVisible) {
            EXPECT_EQ(now.rect, row.expected.rect) << row.name;
        }
    }
    // Order and rows of the bottom dock bar: D, then C in a row of its own.
    auto* pBottom = static_cast<CDockBar*>(f->GetControlBar(FW_IDW_DOCKBAR_BOTTOM));
    ASSERT_EQ(pBottom->m_arrBars.GetSize(), 5);
    EXPECT_EQ(pBottom->m_arrBars[1], &f->m_barD);
    EXPECT_EQ(pBottom->m_arrBars[3], &f->m_barC);
    EXPECT_TRUE(FloatingFrame(&f->m_barA)->IsWindowVisible());
}

TEST_F(DockStateTest, AnOffScreenFloatingPlaceComesBackInsideTheClipRectangle)
{
    CDockTestFrame* f = m_pFrame;
    f->FloatControlBar(&f->m_barA, ScreenRect(&f->m_wndPane).TopLeft() + CPoint(100, 60));
    f->SaveBarState(kSection);
    CString strKey = FloatingRecordKey();
    ASSERT_FALSE(strKey.IsEmpty());
    const CRect screen = CDockState::GetVirtualScreenRect();
    const struct {
        int x, y;
    } places[] = {{-5000, -5000}, {screen.right + 900, 10}, {30, screen.bottom + 4000}, {-100000, 100000}};
    for (const auto& place : places) {
        theApp.WriteProfileInt(strKey, "X", place.x);
        theApp.WriteProfileInt(strKey, "Y", place.y);
        f->LoadBarState(kSection);
        ASSERT_TRUE(f->m_barA.IsFloating()) << place.x << "," << place.y;
        CRect rect = ScreenRect(FloatingFrame(&f->m_barA));
        EXPECT_TRUE(screen.PtInRect(rect.TopLeft())) << place.x << "," << place.y;
        EXPECT_LE(rect.top, screen.bottom - kDockStateMinVisible) << "the caption stays reachable";
    }
}

TEST_F(DockStateTest, PointsAreScaledAndClampedIntoTheClipRectangle)
{
    // Monitors left of and above the primary one give a virtual screen with a negative origin.
    const struct {
        CRect device, clip;
        CPoint saved, expected;
    } rows[] = {
        {CRect(0, 0, 1000, 800), CRect(0, 0, 1000, 800), CPoint(300, 200), CPoint(300, 200)},
        {CRect(0, 0, 2000, 1600), CRect(0, 0, 1000, 800), CPoint(1000, 800), CPoint(500, 400)},
        {CRect(-1280, -200, 1000, 800), CRect(-1280, -200, 1000, 800), CPoint(-900, -150), CPoint(-900, -150)},
        {CRect(0, 0, 1000, 800), CRect(-1000, -800, 1000, 800), CPoint(500, 400), CPoint(0, 0)},
        {CRect(-1280, 0, 1280, 1024), CRect(-1280, 0, 1280, 1024), CPoint(-1270, 5), CPoint(-1270, 5)},
        {CRect(0, 0, 1000, 800), CRect(0, 0, 1000, 800), CPoint(-50, 900), CPoint(0, 800 - kDockStateMinVisible)},
        {CRect(), CRect(-640, -480, 640, 480), CPoint(5000, -5000), CPoint(640 - kDockStateMinVisible, -480)},
    };
    for (const auto& row : rows) {
        CDockState state;
        state.m_rectDevice = row.device;
        state.m_rectClip = row.clip;
        CPoint pt = row.saved;
        state.ScalePoint(pt);
        EXPECT_EQ(pt, row.expected) << row.saved.x << "," << row.saved.y;
    }
}

TEST_F(DockStateTest, AClipSmallerThanTheScreenMovesPositionsInsideWithoutShrinkingThem)
{
    // Saved and restored on the same screen, with room kept at the right and bottom: a position
    // inside the clip comes back unchanged (no drift at every restart), one outside moves in.
    const struct {
        CPoint saved, expected;
    } rows[] = {
        {CPoint(300, 200), CPoint(300, 200)},
        {CPoint(990, 790), CPoint(968 - kDockStateMinVisible, 768 - kDockStateMinVisible)},
    };
    for (const auto& row : rows) {
        CDockState state;
        state.m_rectDevice = CRect(0, 0, 1000, 800);
        state.m_rectScreen = CRect(0, 0, 1000, 800);
        state.m_rectClip = CRect(0, 0, 968, 768);
        CPoint pt = row.saved;
        state.ScalePoint(pt);
        EXPECT_EQ(pt, row.expected) << row.saved.x << "," << row.saved.y;
    }
}

TEST_F(DockStateTest, AStateNamingABarThatWentLoadsTheOthers)
{
    CDockTestFrame* f = m_pFrame;
    f->DockControlBar(&f->m_barC, FW_IDW_DOCKBAR_RIGHT);
    f->FloatControlBar(&f->m_barA, ScreenRect(&f->m_wndPane).TopLeft() + CPoint(80, 80));
    f->SaveBarState(kSection);
    // D's record and its entry in the bottom dock bar name an id no bar has now.
    CString strD = RecordKey("ID", kIdBottom), strBottom = RecordKey("ID", FW_IDW_DOCKBAR_BOTTOM);
    ASSERT_FALSE(strD.IsEmpty());
    ASSERT_FALSE(strBottom.IsEmpty());
    theApp.WriteProfileInt(strD, "ID", 0x7777);
    theApp.WriteProfileInt(strBottom, "Bar1", 0x7777);
    Restart();
    f = m_pFrame;
    f->LoadBarState(kSection);
    EXPECT_EQ(f->m_barC.m_pDockBar->GetDlgCtrlID(), FW_IDW_DOCKBAR_RIGHT);
    EXPECT_TRUE(f->m_barA.IsFloating());
    EXPECT_EQ(f->m_barD.m_pDockBar->GetDlgCtrlID(), FW_IDW_DOCKBAR_BOTTOM) << "D stays where it was";
    EXPECT_TRUE(f->m_barD.IsWindowVisible());
}

TEST_F(DockStateTest, AnUnreadableSummaryOrRecordLeavesTheBarsWhereTheyAre)
{
    CDockTestFrame* f = m_pFrame;
    f->DockControlBar(&f->m_barC, FW_IDW_DOCKBAR_RIGHT);
    f->SaveBarState(kSection);
    f->DockControlBar(&f->m_barC, FW_IDW_DOCKBAR_LEFT);  // where it is when loading
    const CString strRight = RecordKey("ID", FW_IDW_DOCKBAR_RIGHT);
    ASSERT_FALSE(strRight.IsEmpty());
    const struct {
        const char* what;
        CString key;
        LPCSTR name;
        DWORD value;
        BOOL bString;
        BOOL bNothingLoads;  // else only the damaged record is dropped
    } rows[] = {
        {"another version", kStateSection, "Version", 2, FALSE, TRUE},
        {"version as text", kStateSection, "Version", 1, TRUE, TRUE},
        {"bar count beyond the limit", kStateSection, "BarCount", 100000, FALSE, TRUE},
        {"negative bar count", kStateSection, "BarCount", 0xFFFFFFFF, FALSE, TRUE},
        {"a dock bar list beyond the limit", strRight, "Count", 5000, FALSE, FALSE},
        {"a dock bar record with a bar's id", strRight, "ID", kIdTopA, FALSE, FALSE},
        {"a record without an id", strRight, "ID", 0, FALSE, FALSE},
    };
    CDockState whole;
    whole.LoadState(kSection);
    const INT_PTR nWhole = whole.m_arrBarInfo.GetSize();
    ASSERT_GT(nWhole, 0);
    CRegKey appKey(theApp.GetAppRegistryKey());
    for (const auto& row : rows) {
        CRegKey key;
        ASSERT_EQ(key.Open(appKey, row.key, KEY_READ | KEY_WRITE), ERROR_SUCCESS) << row.what;
        DWORD dwOld = 0;
        key.QueryDWORDValue(row.name, dwOld);
        if (row.bString)
            key.SetStringValue(row.name, "1");
        else
            key.SetDWORDValue(row.name, row.value);
        CDockState state;
        state.LoadState(kSection);
        const INT_PTR nExpected = row.bNothingLoads ? 0 : nWhole - 1;
        EXPECT_EQ(state.m_arrBarInfo.GetSize(), nExpected) << row.what;
        f->SetDockState(state);
        EXPECT_EQ(f->m_barC.m_pDockBar->GetDlgCtrlID(), FW_IDW_DOCKBAR_LEFT) << row.what << ": C stays";
        EXPECT_TRUE(f->m_barC.IsWindowVisible()) << row.what;
        key.SetDWORDValue(row.name, dwOld);
    }
}

// Every value of the saved state, to mutate one at a time.
struct SavedValue {
    CString key;
    CString name;
    DWORD value;
};

std::vector<SavedValue> ReadSavedValues()
{
    std::vector<SavedValue> values;
    CRegKey appKey(theApp.GetAppRegistryKey());
    std::vector<CString> keys = {kStateSection};
    for (int i = 0; i < kDockStateMaxBars; ++i) {
        CString strKey;
        strKey.Format("%s\\Bar%d", kStateSection, i);
        CRegKey key;
        if (key.Open(appKey, strKey, KEY_READ) != ERROR_SUCCESS)
            break;
        keys.push_back(strKey);
    }
    for (const CString& strKey : keys) {
        CRegKey key;
        key.Open(appKey, strKey, KEY_READ);
        for (DWORD i = 0;; ++i) {
            char szName[256];
            DWORD cchName = sizeof(szName), dwType = 0, dwValue = 0, cbValue = sizeof(dwValue);
            if (::RegEnumValueA(key.m_hKey, i, szName, &cchName, nullptr, &dwType, (LPBYTE)&dwValue, &cbValue) !=
                ERROR_SUCCESS)
                break;
            values.push_back({strKey, szName, dwValue});
        }
    }
    return values;
}

BOOL CALLBACK CountFloatingFrames(HWND hWnd, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
        ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

// Every saved value, one at a time, takes every kind of damage: two of the special numbers (in
// turn, so that each special reaches values of every kind), a random number, removal, a string
// and short binary data in its place.
TEST_F(DockStateTest, EveryDamagedValueLoadsWithoutHarm)
{
    CDockTestFrame* f = m_pFrame;
    f->FloatControlBar(&f->m_barA, ScreenRect(&f->m_wndPane).TopLeft() + CPoint(60, 60));
    f->DockControlBar(&f->m_barC, FW_IDW_DOCKBAR_RIGHT);
    f->SaveBarState(kSection);
    const std::vector<SavedValue> values = ReadSavedValues();
    ASSERT_GT(values.size(), 40u);
    std::mt19937 random(16);
    const DWORD specials[] = {0, 1, 0xFFFFFFFF, 0x7FFFFFFF, 0x80000000, 59419, 59423, 1025, 257, kIdTopA, kIdLeft};
    enum Damage { kSpecial, kRandom, kDeleted, kString, kBinary };
    struct Mutation {
        Damage damage;
        DWORD value;  // the special number, or the binary length
    };
    CRegKey appKey(theApp.GetAppRegistryKey());
    int nRound = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        const SavedValue& v = values[i];
        const Mutation mutations[] = {{kSpecial, specials[i % std::size(specials)]},
                                      {kSpecial, specials[(i / std::size(specials) + i + 5) % std::size(specials)]},
                                      {kRandom, 0},
                                      {kDeleted, 0},
                                      {kString, 0},
                                      {kBinary, DWORD(i % 2 + 1)}};
        for (const Mutation& m : mutations) {
            CRegKey key;
            ASSERT_EQ(key.Open(appKey, v.key, KEY_READ | KEY_WRITE), ERROR_SUCCESS);
            const BYTE bytes[] = {1, 2};
            switch (m.damage) {
            case kSpecial:
                key.SetDWORDValue(v.name, m.value);
                break;
            case kRandom:
                key.SetDWORDValue(v.name, (DWORD)random());
                break;
            case kDeleted:
                key.DeleteValue(v.name);
                break;
            case kString:
                key.SetStringValue(v.name, "12");
                break;
            case kBinary:
                key.SetBinaryValue(v.name, bytes, m.value);
                break;
            }
            // Loading every round; applying every 25th (the frames it makes are real windows).
            CDockState state;
            state.LoadState(kSection);
            ASSERT_LE(state.m_arrBarInfo.GetSize(), kDockStateMaxBars) << v.key << "\\" << v.name;
            if (nRound++ % 25 == 0)
                f->SetDockState(state);
            key.SetDWORDValue(v.name, v.value);
        }
    }
    PumpPending();
    // Bars stay usable: they dock where asked, and no floating frame was left behind.
    for (CTestBar* pBar : {&f->m_barA, &f->m_barB, &f->m_barC, &f->m_barD}) {
        ASSERT_TRUE(::IsWindow(pBar->m_hWnd));
        f->ShowControlBar(pBar, TRUE, FALSE);
    }
    f->DockDefault();
    for (CTestBar* pBar : {&f->m_barA, &f->m_barB, &f->m_barC, &f->m_barD})
        EXPECT_FALSE(pBar->IsFloating());
    RunIdle();  // floating frames left empty go at idle
    int nFloatingFrames = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountFloatingFrames, (LPARAM)&nFloatingFrames);
    EXPECT_EQ(nFloatingFrames, 0);
    EXPECT_EQ(f->m_listControlBars.GetCount(), 8) << "four bars and four dock bars";
}

}  // namespace
