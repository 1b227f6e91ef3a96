// The tab window in a real top-level window: adding, removing and activating tabs and what the
// owner hears of it, hit tests, the scroll buttons, renaming and moving tabs, the keyboard, the
// layout for both tab locations, images, and the 3-D and flat tabs read back from pixels.
#include "TabTestSupport.h"

#include "Canvas.h"

#include "frames/WTKTabMessages.h"
#include "frames/WTKTabWnd.h"

#include "foundation/WTKGlobalData.h"

#include "win/Edit.h"
#include "win/MessageMap.h"
#include "win/ScrollBar.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr UINT kIdTabs = 100;
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kImageColours[] = {RGB(0, 0, 200), RGB(200, 0, 0), RGB(0, 160, 0)};
constexpr int kImageSize = 16;
constexpr int kScrollStep = 20;

// A tab window whose auto-colour table stays empty while auto colours are on.
class CNoAutoColorsTabWnd : public CWTKTabWnd {
public:
    void InitAutoColors() override {}
};

// A view with its own horizontal scroll range that scrolls by 10 a line.
class CScrollingPage : public CWnd {
protected:
    void OnHScroll(UINT nSBCode, UINT /*nPos*/, CScrollBar* /*pScrollBar*/)
    {
        if (nSBCode == SB_LINERIGHT)
            SetScrollPos(SB_HORZ, GetScrollPos(SB_HORZ) + 10);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CScrollingPage, CWnd)
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

// The width of what is drawn darker than mid-grey inside an area (text, smoothed or not).
int InkWidth(const Canvas& canvas, const CRect& area)
{
    int xMin = area.right;
    int xMax = area.left - 1;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF c = canvas.Pixel(x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128) {
                xMin = std::min(xMin, x);
                xMax = std::max(xMax, x);
            }
        }
    }
    return xMax >= xMin ? xMax - xMin + 1 : 0;
}

class TabWndTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_host.CreateHost(420, 240)); }
    void TearDown() override
    {
        Reset();
        m_host.DestroyWindow();
        if (m_hImages != nullptr)
            ImageList_Destroy(m_hImages);
        SetControlKeyDown(false);
        PumpPending();
    }

    // The tab window goes first: it destroys its tabs' windows.
    void Reset()
    {
        if (m_pTabs != nullptr && ::IsWindow(m_pTabs->GetSafeHwnd()))
            m_pTabs->DestroyWindow();
        m_pTabs.reset();
        m_pages.clear();
    }
    // A tab window filling the host (or cx wide) with one tab per label.
    void Make(int nStyle, int nLocation, const std::vector<const char*>& labels, int cx = 420,
              std::unique_ptr<CWTKTabWnd> pTabs = nullptr)
    {
        m_pTabs = pTabs ? std::move(pTabs) : std::make_unique<CWTKTabWnd>();
        CRect rect(0, 0, cx, 240);
        ASSERT_TRUE(m_pTabs->Create(nStyle, rect, &m_host, kIdTabs, nLocation));
        for (const char* label : labels)
            AddPage(label);
        PumpPending();
    }
    void AddPage(const char* label, UINT uiImage = static_cast<UINT>(-1))
    {
        auto page = std::make_unique<CWnd>();
        RECT none = {0, 0, 0, 0};
        ASSERT_TRUE(page->CreateEx(0, "EDIT", label, WS_CHILD | ES_MULTILINE, none, m_pTabs.get(), 0));
        m_pTabs->AddTab(page.get(), label, uiImage);
        m_pages.push_back(std::move(page));
    }
    bool PageVisible(size_t i) const { return ::IsWindowVisible(m_pages[i]->GetSafeHwnd()) != FALSE; }
    CRect TabRect(int iTab) const
    {
        CRect rect;
        m_pTabs->GetTabRect(iTab, rect);
        return rect;
    }
    void Click(UINT message, CPoint pt)
    {
        m_pTabs->SendMessage(message, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        if (message == WM_LBUTTONDOWN)
            m_pTabs->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        PumpPending();
    }
    // A real click on one of the tab window's buttons.
    void ClickButton(CWnd& button)
    {
        ASSERT_TRUE(button.IsWindowVisible());
        button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        PumpPending();
    }
    // The tab window's own painting into a memory bitmap.
    void Render(Canvas& canvas)
    {
        canvas.Fill(kMagenta);
        m_pTabs->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Handle()), PRF_CLIENT);
    }
    void UseImages()
    {
        m_hImages = MakeImageList(kImageSize, {kImageColours[0], kImageColours[1], kImageColours[2]}, kMagenta);
    }

    CTabTestHost m_host;
    std::unique_ptr<CWTKTabWnd> m_pTabs;
    std::vector<std::unique_ptr<CWnd>> m_pages;
    HIMAGELIST m_hImages = nullptr;
};

TEST_F(TabWndTest, AddActivateAndRemoveKeepOneWindowShown)
{
    Make(CWTKTabWnd::kStyle3D, CWTKTabWnd::kLocationBottom, {"Contents", "Index", "Search"});
    ASSERT_EQ(m_pTabs->GetTabsNum(), 3);
    EXPECT_EQ(m_pTabs->GetActiveTab(), 0) << "the first tab added becomes active";
    EXPECT_TRUE(PageVisible(0));
    EXPECT_FALSE(PageVisible(1));
    EXPECT_FALSE(PageVisible(2));
    EXPECT_EQ(m_pTabs->GetTabFromWnd(m_pages[1].get()), 1);
    EXPECT_EQ(m_pTabs->GetTabID(2), 3);

    // Bad indexes are refused without a change.
    for (int iBad : {-1, 3, 1000}) {
        EXPECT_FALSE(m_pTabs->SetActiveTab(iBad)) << iBad;
        EXPECT_FALSE(m_pTabs->RemoveTab(iBad)) << iBad;
        EXPECT_EQ(m_pTabs->GetTabWnd(iBad), nullptr) << iBad;
        EXPECT_EQ(m_pTabs->GetTabIcon(iBad), -1) << iBad;
        EXPECT_EQ(m_pTabs->GetTabBkColor(iBad), static_cast<COLORREF>(-1)) << iBad;
        CString strLabel;
        EXPECT_FALSE(m_pTabs->GetTabLabel(iBad, strLabel)) << iBad;
        EXPECT_FALSE(m_pTabs->SetTabLabel(iBad, "X")) << iBad;
    }
    EXPECT_FALSE(m_pTabs->SetTabLabel(0, "")) << "an empty label is refused";
    EXPECT_EQ(m_pTabs->GetActiveTab(), 0);

    ASSERT_TRUE(m_pTabs->SetActiveTab(2));
    EXPECT_EQ(m_pTabs->GetActiveWnd(), m_pages[2].get());
    EXPECT_FALSE(PageVisible(0));
    EXPECT_TRUE(PageVisible(2));
    CRect rectWnd;
    m_pages[2]->GetWindowRect(rectWnd);
    m_pTabs->ScreenToClient(rectWnd);
    CRect rectArea;
    m_pTabs->GetWndArea(rectArea);
    EXPECT_EQ(rectWnd, rectArea) << "the active window fills the window area";

    // Removing the active last tab activates the new last one, and shows its window.
    m_host.m_events.clear();
    HWND hRemoved = m_pages[2]->GetSafeHwnd();
    ASSERT_TRUE(m_pTabs->RemoveTab(2));
    EXPECT_FALSE(::IsWindow(hRemoved)) << "the removed tab's window is destroyed";
    EXPECT_EQ(m_pTabs->GetActiveTab(), 1);
    EXPECT_TRUE(PageVisible(1));
    EXPECT_FALSE(PageVisible(0));
    const auto changes = m_host.EventsOf(WTKM_ONCHANGE_ACTIVE_TAB);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].wParam, 1u);
    EXPECT_EQ(changes[0].lParam, 2);

    // Removing a tab before the active one keeps the same window active.
    ASSERT_TRUE(m_pTabs->RemoveTab(0));
    EXPECT_EQ(m_pTabs->GetActiveTab(), 0);
    EXPECT_EQ(m_pTabs->GetActiveWnd(), m_pages[1].get());
    EXPECT_TRUE(PageVisible(1));

    // The only tab: nothing is left active.
    ASSERT_TRUE(m_pTabs->RemoveTab(0));
    EXPECT_EQ(m_pTabs->GetTabsNum(), 0);
    EXPECT_EQ(m_pTabs->GetActiveTab(), -1);
    EXPECT_EQ(m_pTabs->GetActiveWnd(), nullptr);

    // Inserting before the active tab keeps the active window.
    AddPage("One");
    AddPage("Two");
    ASSERT_TRUE(m_pTabs->SetActiveTab(1));
    auto page = std::make_unique<CWnd>();
    RECT none = {0, 0, 0, 0};
    ASSERT_TRUE(page->CreateEx(0, "EDIT", "Zero", WS_CHILD, none, m_pTabs.get(), 0));
    m_pTabs->InsertTab(page.get(), "Zero", 0);
    EXPECT_EQ(m_pTabs->GetActiveTab(), 2);
    EXPECT_FALSE(::IsWindowVisible(page->GetSafeHwnd()));
    EXPECT_EQ(m_pTabs->GetTabID(0), 3) << "ids start again at 1 after the last tab went";
    m_pages.push_back(std::move(page));
}

TEST_F(TabWndTest, AutoColoursCycleAndAnEmptyTableIsNoFault)
{
    Make(CWTKTabWnd::kStyle3D, CWTKTabWnd::kLocationBottom, {});
    for (int i = 0; i < 10; ++i)
        AddPage("T");
    const auto& colours = m_pTabs->GetAutoColors();
    ASSERT_EQ(colours.GetSize(), 8) << "a true-colour screen has eight auto colours";
    EXPECT_EQ(colours[0], 0xE6AF94u);
    EXPECT_EQ(m_pTabs->GetTabBkColor(9), colours[1]) << "tab 9 wraps to the second entry";
    EXPECT_TRUE(m_pTabs->SetTabBkColor(3, RGB(1, 2, 3)));
    EXPECT_EQ(m_pTabs->GetTabBkColor(3), RGB(1, 2, 3)) << "a tab's own colour wins";
    m_pTabs->EnableAutoColor(FALSE);
    EXPECT_EQ(m_pTabs->GetTabBkColor(4), static_cast<COLORREF>(-1));

    // Auto colours on but no table: no colour rather than a division by zero.
    Reset();
    Make(CWTKTabWnd::kStyle3D, CWTKTabWnd::kLocationBottom, {"A", "B"}, 420, std::make_unique<CNoAutoColorsTabWnd>());
    ASSERT_TRUE(m_pTabs->IsAutoColor());
    ASSERT_EQ(m_pTabs->GetAutoColors().GetSize(), 0);
    EXPECT_EQ(m_pTabs->GetTabBkColor(1), static_cast<COLORREF>(-1));
    Canvas canvas(420, 240);
    Render(canvas);  // the look asks for the colours of every tab
}

TEST_F(TabWndTest, ClicksAndKeysActivateTabsAndTellTheOwner)
{
    Make(CWTKTabWnd::kStyle3D, CWTKTabWnd::kLocationBottom, {"Contents", "Index", "Search", "Hidden"});
    ASSERT_TRUE(m_pTabs->ShowTab(3, FALSE));
    EXPECT_EQ(m_pTabs->GetVisibleTabsNum(), 3);
    EXPECT_FALSE(m_pTabs->IsTabVisible(3));
    CRect rectHidden(1, 1, 2, 2);
    EXPECT_FALSE(m_pTabs->GetTabRect(3, rectHidden));
    EXPECT_TRUE(rectHidden.IsRectEmpty()) << "a hidden tab has no rectangle";

    // A click on another tab activates it; a click on the active one says nothing.
    Click(WM_LBUTTONDOWN, TabRect(1).CenterPoint());
    Click(WM_LBUTTONDOWN, TabRect(1).CenterPoint());
    auto changes = m_host.EventsOf(WTKM_ONCHANGE_ACTIVE_TAB);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].wParam, 1u);
    EXPECT_EQ(changes[0].lParam, 0);
    EXPECT_TRUE(PageVisible(1));

    // Ctrl+PageDown and Ctrl+PageUp go round the visible tabs, through the message pump.
    SetControlKeyDown(true);
    const struct {
        UINT vk;
        int iExpected;
    } keys[] = {{VK_NEXT, 2}, {VK_NEXT, 0}, {VK_PRIOR, 2}, {VK_PRIOR, 1}};
    for (const auto& key : keys) {
        m_host.m_events.clear();
        const int iPrev = m_pTabs->GetActiveTab();
        m_pages[static_cast<size_t>(iPrev)]->PostMessage(WM_KEYDOWN, key.vk, 0);
        PumpPending();
        EXPECT_EQ(m_pTabs->GetActiveTab(), key.iExpected) << key.vk << " from " << iPrev;
        changes = m_host.EventsOf(WTKM_ONCHANGE_ACTIVE_TAB);
        ASSERT_EQ(changes.size(), 1u);
        EXPECT_EQ(changes[0].wParam, static_cast<WPARAM>(key.iExpected));
        EXPECT_EQ(changes[0].lParam, iPrev);
        EXPECT_EQ(::GetFocus(), m_pages[static_cast<size_t>(key.iExpected)]->GetSafeHwnd());
    }
    SetControlKeyDown(false);

    // A page without Ctrl keeps its PageDown.
    m_host.m_events.clear();
    m_pages[1]->PostMessage(WM_KEYDOWN, VK_NEXT, 0);
    PumpPending();
    EXPECT_EQ(m_pTabs->GetActiveTab(), 1);
    EXPECT_TRUE(m_host.m_events.empty());
}

TEST_F(TabWndTest, HitTestsFindTabsAndPassOtherClicksOn)
{
    for (int nLocation : {CWTKTabWnd::kLocationBottom, CWTKTabWnd::kLocationTop}) {
        Reset();
        Make(CWTKTabWnd::kStyle3D, nLocation, {"Contents", "Index", "Search"});
        CRect rectTabs;
        m_pTabs->GetTabsRect(rectTabs);
        const CRect r0 = TabRect(0);
        const CRect r2 = TabRect(2);
        const struct {
            CPoint pt;
            int iExpected;
        } rows[] = {
            {r0.TopLeft(), 0},
            {CPoint(r0.right - 1, r0.bottom - 1), 0},
            {TabRect(1).CenterPoint(), 1},
            {r2.CenterPoint(), 2},
            {CPoint(r2.right + 5, r2.CenterPoint().y), -1},  // past the last tab
            {CPoint(r0.left - 1, r0.CenterPoint().y), -1},   // in the border
            {CPoint(200, 120), -1},                          // the window area
        };
        for (const auto& row : rows) {
            CPoint pt = row.pt;
            EXPECT_EQ(m_pTabs->GetTabFromPoint(pt), row.iExpected) << nLocation << " " << pt.x << "," << pt.y;
        }

        // A click on no tab below the height of the tab area goes to the parent, in its
        // coordinates; one within that height (tabs on top) does not.
        m_host.m_events.clear();
        const CPoint ptEmpty(r2.right + 20, r2.CenterPoint().y);
        m_pTabs->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptEmpty.x, ptEmpty.y));
        m_pTabs->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptEmpty.x, ptEmpty.y));
        const auto passed = m_host.EventsOf(WM_LBUTTONDOWN);
        if (nLocation == CWTKTabWnd::kLocationTop) {
            EXPECT_TRUE(passed.empty());
        } else {
            ASSERT_EQ(passed.size(), 1u);
            EXPECT_EQ(LOWORD(passed[0].lParam), ptEmpty.x);  // the tab window sits at the host's origin
            EXPECT_EQ(HIWORD(passed[0].lParam), ptEmpty.y);
        }
        EXPECT_EQ(m_pTabs->GetActiveTab(), 0);
    }
}

TEST_F(TabWndTest, LayoutForBothLocationsAndAHiddenSingleTab)
{
    Make(CWTKTabWnd::kStyle3D, CWTKTabWnd::kLocationBottom, {"Contents", "Index"});
    const int nHeight = m_pTabs->GetTabsHeight();
    EXPECT_EQ(nHeight, WTKGetGlobalData().nTextHeightHorz + 2) << "no images: the text decides";
    const struct {
        int nLocation;
        CRect rectTabs;
        CRect rectWnd;
    } rows[] = {
        // The border (3) at the sides; the window area inside it, 2 x border off the tabs.
        {CWTKTabWnd::kLocationBottom, CRect(3, 240 - nHeight, 417, 240), CRect(4, 4, 416, 240 - nHeight - 6)},
        {CWTKTabWnd::kLocationTop, CRect(3, 0, 417, nHeight), CRect(4, nHeight + 6, 416, 236)},
    };
    for (const auto& row : rows) {
        m_pTabs->SetLocation(row.nLocation);
        CRect rectTabs;
        CRect rectWnd;
        m_pTabs->GetTabsRect(rectTabs);
        m_pTabs->GetWndArea(rectWnd);
        EXPECT_EQ(rectTabs, row.rectTabs) << row.nLocation;
        EXPECT_EQ(rectWnd, row.rectWnd) << row.nLocation;
        EXPECT_EQ(TabRect(0).top, rectTabs.top);
        EXPECT_EQ(TabRect(0).left, rectTabs.left);
        EXPECT_EQ(TabRect(1).left, TabRect(0).right + 1) << "tabs one pixel apart";
    }

    // One tab with hide-single-tab: no tab area, the window fills the client area.
    m_pTabs->HideSingleTab(TRUE);
    ASSERT_TRUE(m_pTabs->RemoveTab(1));
    CRect rectTabs;
    CRect rectWnd;
    m_pTabs->GetTabsRect(rectTabs);
    m_pTabs->GetWndArea(rectWnd);
    EXPECT_EQ(rectTabs.Height(), 0);
    EXPECT_EQ(rectWnd, CRect(4, 4, 416, 236));
}

TEST_F(TabWndTest, StyleZeroSharesTheWidthWhenTabsDoNotFit)
{
    Make(CWTKTabWnd::kStyle3D, CWTKTabWnd::kLocationBottom,
         {"A rather long first label", "Second label", "Third label here", "Fourth"}, 200);
    CRect rectTabs;
    m_pTabs->GetTabsRect(rectTabs);
    EXPECT_EQ(m_pTabs->GetMaxScrollOffset(), 0) << "no scrolling without scroll buttons";
    for (int i = 0; i < 4; ++i) {
        EXPECT_GE(TabRect(i).left, rectTabs.left) << i;
        EXPECT_LE(TabRect(i).right, rectTabs.right + 1) << i;
        EXPECT_GT(TabRect(i).Width(), 10) << i;
    }
}

TEST_F(TabWndTest, ScrollButtonsMoveTheTabs)
{
    const std::vector<const char*> labels = {"First tab", "Second tab", "Third tab",  "Fourth tab",
                                             "Fifth tab", "Sixth tab",  "Seventh tab"};
    const struct {
        int nStyle;
        const char* name;
    } rows[] = {
        {CWTKTabWnd::kStyle3DScrolled, "3-D"},
        {CWTKTabWnd::kStyleFlat, "flat"},
        {CWTKTabWnd::kStyleSlanted, "slanted"},
    };
    for (const auto& row : rows) {
        Reset();
        Make(row.nStyle, CWTKTabWnd::kLocationBottom, labels, 260);
        CRect rectStrip;
        m_pTabs->GetTabStripRect(rectStrip);
        CRect rectTabs;
        m_pTabs->GetTabsRect(rectTabs);
        CRect rectRight;
        m_pTabs->GetScrollRightButton().GetWindowRect(rectRight);
        m_pTabs->ScreenToClient(rectRight);
        const int nSize = std::min(rectTabs.Height() - 4, 9 + 6);
        EXPECT_EQ(rectRight.Size(), CSize(nSize, nSize)) << row.name;
        if (row.nStyle == CWTKTabWnd::kStyleFlat)
            EXPECT_LT(rectRight.right, rectTabs.CenterPoint().x) << row.name << ": buttons at the left";
        else
            EXPECT_EQ(rectRight.right, rectTabs.right) << row.name << ": buttons at the right end";
        EXPECT_LE(TabRect(0).left, rectStrip.left + 1) << row.name;

        ASSERT_GT(m_pTabs->GetMaxScrollOffset(), kScrollStep) << row.name;
        EXPECT_FALSE(m_pTabs->GetScrollLeftButton().IsWindowEnabled()) << row.name;
        EXPECT_TRUE(m_pTabs->GetScrollRightButton().IsWindowEnabled()) << row.name;

        const CRect rectBefore = TabRect(1);
        ClickButton(m_pTabs->GetScrollRightButton());
        const int nMoved = rectBefore.left - TabRect(1).left;
        if (row.nStyle == CWTKTabWnd::kStyleSlanted) {
            EXPECT_EQ(m_pTabs->GetFirstVisibleTab(), 1) << "the slanted style scrolls by whole tabs";
            EXPECT_EQ(TabRect(1).left, rectStrip.left) << row.name;
        } else {
            EXPECT_EQ(m_pTabs->GetScrollOffset(), kScrollStep) << row.name;
            EXPECT_EQ(nMoved, kScrollStep) << row.name;
        }
        EXPECT_TRUE(m_pTabs->GetScrollLeftButton().IsWindowEnabled()) << row.name;

        ClickButton(m_pTabs->GetScrollLeftButton());
        EXPECT_EQ(TabRect(1), rectBefore) << row.name;
        EXPECT_EQ(m_pTabs->GetScrollOffset(), 0) << row.name;
        EXPECT_FALSE(m_pTabs->GetScrollLeftButton().IsWindowEnabled()) << row.name;

        if (row.nStyle == CWTKTabWnd::kStyleFlat) {
            ClickButton(m_pTabs->GetScrollLastButton());
            EXPECT_EQ(m_pTabs->GetScrollOffset(), m_pTabs->GetMaxScrollOffset());
            EXPECT_FALSE(m_pTabs->GetScrollRightButton().IsWindowEnabled());
            EXPECT_LE(TabRect(6).right, rectStrip.right + TabRect(6).Height() / 2 + 1) << "the last tab shows";
            ClickButton(m_pTabs->GetScrollFirstButton());
            EXPECT_EQ(m_pTabs->GetScrollOffset(), 0);
        }

        // Activating a tab out of sight scrolls it into view.
        ASSERT_TRUE(m_pTabs->SetActiveTab(6));
        EXPECT_LE(TabRect(6).right, rectStrip.right + TabRect(6).Height() / 2 + 1) << row.name;
        EXPECT_GE(TabRect(6).left, rectStrip.left) << row.name;
    }
}

TEST_F(TabWndTest, RenamingInPlace)
{
    Make(CWTKTabWnd::kStyle3D, CWTKTabWnd::kLocationBottom, {"Contents", "Index"});
    // Not allowed: a double click starts nothing.
    Click(WM_LBUTTONDBLCLK, TabRect(1).CenterPoint());
    EXPECT_EQ(m_pTabs->GetInPlaceEdit(), nullptr);

    m_pTabs->EnableInPlaceEdit(TRUE);
    const struct {
        const char* text;
        LRESULT lRefuse;
        const char* expectedLabel;
        bool bEditStays;
        size_t nAsked;
    } rows[] = {
        {"", 0, "Index", true, 0},  // an empty text beeps and keeps the edit
        {"Found", 1, "Index", false, 1},
        {"Keywords", 0, "Keywords", false, 1},
    };
    for (const auto& row : rows) {
        m_host.m_events.clear();
        m_host.m_lRefuseRename = row.lRefuse;
        if (m_pTabs->GetInPlaceEdit() == nullptr)
            Click(WM_LBUTTONDBLCLK, TabRect(1).CenterPoint());
        CEdit* pEdit = m_pTabs->GetInPlaceEdit();
        ASSERT_NE(pEdit, nullptr) << row.text;
        EXPECT_EQ(::GetFocus(), pEdit->GetSafeHwnd());
        pEdit->SetWindowText(row.text);
        pEdit->PostMessage(WM_KEYDOWN, VK_RETURN, 0);
        PumpPending();
        EXPECT_EQ(m_pTabs->GetInPlaceEdit() != nullptr, row.bEditStays) << row.text;
        const auto asked = m_host.EventsOf(WTKM_ON_RENAME_TAB);
        ASSERT_EQ(asked.size(), row.nAsked) << row.text;
        if (row.nAsked > 0) {
            EXPECT_EQ(asked[0].wParam, 1u);
            EXPECT_EQ(asked[0].text, row.text);
        }
        CString strLabel;
        m_pTabs->GetTabLabel(1, strLabel);
        EXPECT_STREQ(strLabel, row.expectedLabel) << row.text;
    }

    // Escape drops the edit and keeps the label.
    Click(WM_LBUTTONDBLCLK, TabRect(0).CenterPoint());
    ASSERT_NE(m_pTabs->GetInPlaceEdit(), nullptr);
    m_pTabs->GetInPlaceEdit()->SetWindowText("Gone");
    m_pTabs->GetInPlaceEdit()->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    PumpPending();
    EXPECT_EQ(m_pTabs->GetInPlaceEdit(), nullptr);
    CString strLabel;
    m_pTabs->GetTabLabel(0, strLabel);
    EXPECT_STREQ(strLabel, "Contents");
}

TEST_F(TabWndTest, MovingATabAsksTheOwner)
{
    const struct {
        int iFrom;
        int iOver;    // the tab the mouse is released over
        bool bRight;  // in its right half
        LRESULT lRefuse;
        int iExpectedTo;  // -1: no message at all
        bool bMoved;
    } rows[] = {
        {0, 2, true, 0, 2, true},    {2, 0, false, 0, 0, true}, {0, 2, true, 1, 2, false},  // refused
        {1, 1, false, 0, -1, false},                                                        // dropped on its own place
        {1, 2, false, 0, -1, false},  // before the next tab is its own place too
    };
    for (const auto& row : rows) {
        Reset();
        Make(CWTKTabWnd::kStyle3D, CWTKTabWnd::kLocationBottom, {"Alpha", "Beta", "Gamma"});
        m_pTabs->EnableTabSwap(TRUE);
        CWnd* pDragged = m_pTabs->GetTabWnd(row.iFrom);
        m_host.m_lRefuseMove = row.lRefuse;

        const CPoint ptFrom = TabRect(row.iFrom).CenterPoint();
        const CRect rectOver = TabRect(row.iOver);
        const CPoint ptTo(row.bRight ? rectOver.right - 3 : rectOver.left + 3, rectOver.CenterPoint().y);
        m_pTabs->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptFrom.x, ptFrom.y));
        EXPECT_TRUE(m_pTabs->IsTabMoving());
        m_host.m_events.clear();
        m_pTabs->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptTo.x, ptTo.y));
        m_pTabs->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptTo.x, ptTo.y));
        PumpPending();
        EXPECT_FALSE(m_pTabs->IsTabMoving());
        EXPECT_NE(::GetCapture(), m_pTabs->GetSafeHwnd());

        const auto before = m_host.EventsOf(WTKM_ON_BEFOREMOVE_TAB);
        const auto after = m_host.EventsOf(WTKM_ON_MOVE_TAB);
        if (row.iExpectedTo < 0) {
            EXPECT_TRUE(before.empty()) << row.iFrom << "->" << row.iOver;
        } else {
            ASSERT_EQ(before.size(), 1u);
            EXPECT_EQ(before[0].wParam, static_cast<WPARAM>(row.iFrom));
            EXPECT_EQ(before[0].lParam, row.iExpectedTo);
        }
        EXPECT_EQ(after.size(), row.bMoved ? 1u : 0u) << row.iFrom << "->" << row.iOver;
        if (row.bMoved) {
            EXPECT_EQ(m_pTabs->GetTabWnd(row.iExpectedTo), pDragged);
            EXPECT_EQ(m_pTabs->GetActiveTab(), row.iExpectedTo) << "the moved tab is active";
            EXPECT_TRUE(::IsWindowVisible(pDragged->GetSafeHwnd()));
        } else {
            EXPECT_EQ(m_pTabs->GetTabWnd(row.iFrom), pDragged);
        }
        int nShown = 0;
        for (int i = 0; i < 3; ++i)
            nShown += ::IsWindowVisible(m_pTabs->GetTabWnd(i)->GetSafeHwnd()) ? 1 : 0;
        EXPECT_EQ(nShown, 1);
    }
}

// The flat style's shared scroll bar stands in for the active view's own one.
TEST_F(TabWndTest, TheSharedScrollBarScrollsTheActiveView)
{
    Make(CWTKTabWnd::kStyleFlatSharedScroll, CWTKTabWnd::kLocationBottom, {"Empty"});
    auto page = std::make_unique<CScrollingPage>();
    RECT none = {0, 0, 0, 0};
    ASSERT_TRUE(page->CreateEx(0, nullptr, "", WS_CHILD | WS_HSCROLL, none, m_pTabs.get(), 0));
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 500, 100, 30, 0};
    page->SetScrollInfo(SB_HORZ, &si);
    m_pTabs->AddTab(page.get(), "Wide");
    CScrollBar* pBar = m_pTabs->GetSharedScrollBar();
    ASSERT_NE(pBar, nullptr);

    // The first view has no range: the bar is disabled.
    EXPECT_TRUE(m_pTabs->SynchronizeScrollBar());
    EXPECT_FALSE(pBar->IsWindowEnabled());

    ASSERT_TRUE(m_pTabs->SetActiveTab(1));
    EXPECT_TRUE(pBar->IsWindowEnabled());
    EXPECT_EQ(pBar->GetScrollPos(), 30) << "the view's position";
    EXPECT_FALSE(page->GetStyle() & WS_HSCROLL) << "the view's own bar is hidden";

    m_host.m_events.clear();
    m_pTabs->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), reinterpret_cast<LPARAM>(pBar->GetSafeHwnd()));
    EXPECT_EQ(page->GetScrollPos(SB_HORZ), 40);
    EXPECT_EQ(pBar->GetScrollPos(), 40);
    const auto scrolled = m_host.EventsOf(WTKM_ON_HSCROLL);
    ASSERT_EQ(scrolled.size(), 1u);
    EXPECT_EQ(LOWORD(scrolled[0].wParam), SB_LINERIGHT);
    m_pages.push_back(std::move(page));

    // A tab window of another style has no shared bar.
    Reset();
    Make(CWTKTabWnd::kStyleFlat, CWTKTabWnd::kLocationBottom, {"A"});
    EXPECT_FALSE(m_pTabs->SynchronizeScrollBar());
}

TEST_F(TabWndTest, ImagesWidenTheTabsAndAreDrawn)
{
    UseImages();
    Make(CWTKTabWnd::kStyle3D, CWTKTabWnd::kLocationTop, {});
    const int nTextHeight = m_pTabs->GetTabsHeight();
    ASSERT_TRUE(m_pTabs->SetImageList(m_hImages));
    EXPECT_EQ(m_pTabs->GetTabsHeight(), std::max(kImageSize + 8, nTextHeight));
    AddPage("Contents", 0);
    AddPage("Index", 1);
    AddPage("Index");
    EXPECT_EQ(m_pTabs->GetTabIcon(1), 1);
    EXPECT_EQ(m_pTabs->GetTabIcon(2), -1);
    EXPECT_EQ(TabRect(1).Width(), TabRect(2).Width() + kImageSize) << "the image adds its width";
    EXPECT_FALSE(m_pTabs->SetImageList(0xBEEF)) << "a bitmap that does not load";

    Canvas canvas(420, 240);
    Render(canvas);
    EXPECT_GT(canvas.Count(kImageColours[0], TabRect(0)), (kImageSize - 2) * (kImageSize - 2) / 2);
    EXPECT_GT(canvas.Count(kImageColours[1], TabRect(1)), (kImageSize - 2) * (kImageSize - 2) / 2);
    EXPECT_EQ(canvas.Count(kImageColours[0], TabRect(2)), 0);
    EXPECT_EQ(canvas.Count(kMagenta, TabRect(0)), 0) << "the images' transparent frame does not show";

    // The flat style has no images.
    Reset();
    Make(CWTKTabWnd::kStyleFlat, CWTKTabWnd::kLocationBottom, {});
    EXPECT_FALSE(m_pTabs->SetImageList(m_hImages));
    AddPage("Flat", 1);
    EXPECT_EQ(m_pTabs->GetTabIcon(0), -1);
}

// 3-D tabs: the active one full height and open towards its window, the others lower, raised
// (light left edge, dark right and outer edges) and filled with their colour; every outer edge
// inside the client area.
TEST_F(TabWndTest, StyleZeroDrawsRaisedTabs)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    UseImages();
    for (int nLocation : {CWTKTabWnd::kLocationBottom, CWTKTabWnd::kLocationTop}) {
        Reset();
        Make(CWTKTabWnd::kStyle3D, nLocation, {});
        ASSERT_TRUE(m_pTabs->SetImageList(m_hImages));
        AddPage("Contents", 0);
        AddPage("Index", 1);
        AddPage("Search", 2);
        const bool bTop = nLocation == CWTKTabWnd::kLocationTop;
        Canvas canvas(420, 240);
        Render(canvas);
        const CRect active = TabRect(0);
        const CRect inactive = TabRect(1);
        // The outer edge: the active tab's on the tab area's outer line, an inactive tab's 2
        // pixels nearer the windows.
        const int yOuterActive = bTop ? active.top : active.bottom - 1;
        const int yOuterInactive = bTop ? inactive.top + 2 : inactive.bottom - 3;
        const COLORREF clrOuter = bTop ? g.clrBarHilite : kBlack;
        const int yMid = inactive.CenterPoint().y;

        EXPECT_EQ(canvas.Pixel(active.left, yMid), g.clrBarHilite) << nLocation;
        EXPECT_EQ(canvas.Pixel(active.right, yMid), kBlack) << nLocation;
        EXPECT_EQ(canvas.Pixel(inactive.left, yMid), g.clrBarHilite) << nLocation;
        EXPECT_EQ(canvas.Pixel(inactive.right, yMid), kBlack) << nLocation;
        EXPECT_EQ(canvas.Pixel(inactive.right - 1, yMid), g.clrBarShadow) << nLocation;
        EXPECT_EQ(canvas.Pixel(active.CenterPoint().x, yOuterActive), clrOuter) << nLocation;
        EXPECT_EQ(canvas.Pixel(inactive.CenterPoint().x, yOuterInactive), clrOuter) << nLocation;
        // Beyond an inactive tab's outer edge lies the tab area.
        const int yBeyond = bTop ? inactive.top : inactive.bottom - 1;
        EXPECT_EQ(canvas.Pixel(inactive.CenterPoint().x, yBeyond), g.clrBarFace) << nLocation;

        // Inside: the inactive tab in its auto colour, the active one in the face colour.
        const int yInside = bTop ? inactive.bottom - 2 : inactive.top + 2;
        EXPECT_EQ(canvas.Pixel(inactive.left + 2, yInside), m_pTabs->GetTabBkColor(1)) << nLocation;
        EXPECT_EQ(canvas.Pixel(active.left + 2, yInside), g.clrBarFace) << nLocation;

        // The active tab opens into the space before its window.
        const int yJoin = bTop ? active.bottom + 1 : active.top - 2;
        EXPECT_EQ(canvas.Pixel(active.CenterPoint().x, yJoin), g.clrBarFace) << nLocation;
        EXPECT_EQ(canvas.Count(kMagenta, CRect(0, active.top, 420, active.bottom)), 0) << nLocation;
        EXPECT_GT(
            canvas.Count(g.clrBarText, CRect(active.left + 2, active.top + 2, active.right - 2, active.bottom - 2)), 5)
            << "the label is drawn";
    }
}

// Flat tabs: trapezoids, the active one in the face colour with a bold label and open to the
// window area, the others in their colour.
TEST_F(TabWndTest, FlatStyleDrawsTheActiveTabJoinedToItsWindow)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    for (int nLocation : {CWTKTabWnd::kLocationBottom, CWTKTabWnd::kLocationTop}) {
        Reset();
        Make(CWTKTabWnd::kStyleFlat, nLocation, {"Contents", "Index", "Search"});
        ASSERT_TRUE(m_pTabs->SetActiveTab(1));
        const bool bTop = nLocation == CWTKTabWnd::kLocationTop;
        Canvas canvas(420, 240);
        Render(canvas);
        const CRect active = TabRect(1);
        const CRect inactive = TabRect(2);
        // Each tab reaches half the tab area's height into the next one: inside that lies what
        // only this tab covers.
        const int nOverlap = active.Height() / 2;
        auto inner = [nOverlap](const CRect& rect) {
            return CRect(rect.left + nOverlap + 1, rect.top + 2, rect.right - nOverlap - 1, rect.bottom - 2);
        };
        // The edge towards the window area: the active tab's is the face colour, an inactive
        // tab's its outline.
        const int yEdge = bTop ? active.bottom - 1 : active.top;
        const int yInside = active.CenterPoint().y;
        EXPECT_EQ(canvas.Pixel(active.CenterPoint().x, yEdge), g.clrBtnFace) << nLocation;
        EXPECT_EQ(canvas.Pixel(inner(inactive).right, yEdge), g.clrBarText) << nLocation;
        EXPECT_EQ(canvas.Pixel(active.left + nOverlap / 2 + 2, yInside), g.clrBtnFace) << nLocation;
        EXPECT_EQ(canvas.Pixel(inner(inactive).right - 1, yInside), m_pTabs->GetTabBkColor(2)) << nLocation;
        EXPECT_GT(canvas.Count(g.clrBarText, inner(active)), 5) << "the label is drawn";

        // The active label is bold: wider than the same text in the regular font.
        CString strLabel;
        m_pTabs->GetTabLabel(1, strLabel);
        ASSERT_TRUE(m_pTabs->SetTabLabel(0, strLabel));
        Render(canvas);
        EXPECT_GE(InkWidth(canvas, inner(TabRect(1))), InkWidth(canvas, inner(TabRect(0))) + 2) << nLocation;
    }
}

TEST_F(TabWndTest, FlatFontShrinksToFitButNotBelowItsFloor)
{
    LOGFONTA lf = {};
    lf.lfHeight = -40;
    strcpy(lf.lfFaceName, "Arial");
    const struct {
        int nTabsHeight;
        int nMaxHeight;
    } rows[] = {{18, 16}, {30, 28}, {1, CWTKTabWnd::kMinFlatFontHeight}, {-5, CWTKTabWnd::kMinFlatFontHeight}};
    for (const auto& row : rows) {
        CFont font;
        const int nHeight = CWTKTabWnd::CreateFittingFont(font, lf, row.nTabsHeight);
        EXPECT_GE(nHeight, CWTKTabWnd::kMinFlatFontHeight) << row.nTabsHeight;
        EXPECT_LE(nHeight, row.nMaxHeight) << row.nTabsHeight;
        EXPECT_NE(font.GetSafeHandle(), nullptr) << row.nTabsHeight;
    }

    // The window's own fonts fit its tab area.
    Make(CWTKTabWnd::kStyleFlat, CWTKTabWnd::kLocationBottom, {"Contents"});
    EXPECT_EQ(m_pTabs->GetTabsHeight(), ::GetSystemMetrics(SM_CYHSCROLL) + 2);
}

TEST_F(TabWndTest, Screenshots)
{
    UseImages();
    const struct {
        int nStyle;
        int nLocation;
        const char* file;
    } rows[] = {
        {CWTKTabWnd::kStyle3D, CWTKTabWnd::kLocationBottom, "tabs_3d.png"},
        {CWTKTabWnd::kStyleFlat, CWTKTabWnd::kLocationBottom, "tabs_flat.png"},
        {CWTKTabWnd::kStyle3D, CWTKTabWnd::kLocationTop, "tabs_3d_top.png"},
    };
    for (const auto& row : rows) {
        Reset();
        Make(row.nStyle, row.nLocation, {});
        m_pTabs->SetImageList(m_hImages);
        AddPage("Contents", 0);
        AddPage("Index", 1);
        AddPage("Search", 2);
        for (auto& page : m_pages)
            page->SetWindowText("Barcode fonts\r\nCode 39 help pages");
        m_pTabs->SetActiveTab(1);
        m_host.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
        PumpPending();
        CRect rectHost;
        m_host.GetWindowRect(rectHost);
        Canvas shot(rectHost.Width(), rectHost.Height());
        ASSERT_TRUE(shot.CopyFromWindow(m_host.GetSafeHwnd(), true));
        EXPECT_TRUE(shot.WritePng(ScreenshotPath(row.file)));
    }
}

}  // namespace
