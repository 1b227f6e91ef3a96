// The item bar of real popup menus: menus imported from real HMENUs (images, accelerators,
// separators, shortened menus and their mnemonics, locked commands), keyboard navigation,
// sub-menus opened and closed on the bar's timers, commands chosen by mouse and by key, and a
// screenshot of a popup with an open sub-menu.
#include "ToolBarTestSupport.h"

#include "command_bars/WTKCommandManager.h"
#include "command_bars/WTKCommandUsageCounter.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "command_bars/tests/CommandBarSettingsScope.h"
#include "win/TickClock.h"

#include "Canvas.h"

#include <climits>
#include <cstring>
#include <memory>
#include <utility>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr UINT ID_NO_IMAGE = 0x9050;  // a command without image and without handler
constexpr UINT ID_SUB_ONE = 0x9051;
constexpr UINT ID_SUB_TWO = 0x9052;

// ---- Seams: the bar's timers and the menu delay ----

struct FakeTimer {
    HWND hWnd;
    UINT_PTR nId;
    UINT uElapse;
};
std::vector<FakeTimer> g_timers;  // the timers running now

UINT_PTR FakeSetTimer(HWND hWnd, UINT_PTR nId, UINT uElapse, TIMERPROC /*pfnProc*/)
{
    for (FakeTimer& timer : g_timers) {
        if (timer.hWnd == hWnd && timer.nId == nId) {
            timer.uElapse = uElapse;
            return nId;
        }
    }
    g_timers.push_back({hWnd, nId, uElapse});
    return nId;
}

BOOL FakeKillTimer(HWND hWnd, UINT_PTR nId)
{
    for (auto it = g_timers.begin(); it != g_timers.end(); ++it) {
        if (it->hWnd == hWnd && it->nId == nId) {
            g_timers.erase(it);
            return TRUE;
        }
    }
    return FALSE;
}

// The elapse of the running timer, or -1.
int TimerElapse(HWND hWnd, UINT_PTR nId)
{
    for (const FakeTimer& timer : g_timers)
        if (timer.hWnd == hWnd && timer.nId == nId)
            return static_cast<int>(timer.uElapse);
    return -1;
}

const char* g_pszMenuShowDelay = nullptr;  // null: the value is missing

BOOL FakeMenuShowDelay(CString& strValue)
{
    if (g_pszMenuShowDelay == nullptr)
        return FALSE;
    strValue = g_pszMenuShowDelay;
    return TRUE;
}

// ---- The frame: commands with the number of popups alive when each arrived ----

class CPopupTestFrame : public CToolBarTestFrame {
public:
    std::vector<int> m_livePopupsAtCommand;

protected:
    void OnMenuCommand(UINT nID)
    {
        m_livePopupsAtCommand.push_back(CWTKPopupMenu::GetLiveCount());
        OnTestCommand(nID);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPopupTestFrame, CToolBarTestFrame)
    ON_COMMAND_RANGE(ID_TEST_NEW, ID_TEST_PRINT, OnMenuCommand)
    ON_COMMAND_RANGE(ID_NO_IMAGE, ID_SUB_TWO, OnMenuCommand)
END_MESSAGE_MAP()

// ---- Menus ----

HMENU SubMenu()
{
    HMENU hSub = ::CreatePopupMenu();
    ::AppendMenuA(hSub, MF_STRING, ID_SUB_ONE, "Sub &one");
    ::AppendMenuA(hSub, MF_STRING, ID_SUB_TWO, "Sub &two");
    return hSub;
}

// Separators at the start, doubled, and at the end; a grayed, a checked, a default item, an
// accelerator, a command without image and a sub-menu.
HMENU TestMenu()
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(hMenu, MF_STRING, ID_TEST_NEW, "&New\tCtrl+N");
    ::AppendMenuA(hMenu, MF_STRING, ID_TEST_OPEN, "&Open...");
    ::AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(hMenu, MF_STRING, ID_TEST_CUT, "Cu&t");
    ::AppendMenuA(hMenu, MF_STRING, ID_TEST_BOLD, "&Bold");
    ::AppendMenuA(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(SubMenu()), "&More");
    ::AppendMenuA(hMenu, MF_STRING, ID_NO_IMAGE, "&Without image");
    ::AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    ::SetMenuDefaultItem(hMenu, ID_TEST_OPEN, FALSE);
    return hMenu;
}

class PopupMenuBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FwSetTimerFunctions(&FakeSetTimer, &FakeKillTimer);
        g_pszMenuShowDelay = "400";
        CWTKPopupMenuBar::SetMenuShowDelayReader(&FakeMenuShowDelay);
        WTKGetCommandBarSettings().menuAnimation = WTKMenuAnimation::None;
        m_pFrame = new CPopupTestFrame;
        ASSERT_TRUE(m_pFrame->CreateFrame(TRUE));
        theApp.m_pMainWnd = m_pFrame;
        m_pFrame->SetForegroundWindow();
        // A toolbar gives the commands their images in the command manager.
        ASSERT_TRUE(m_images.Create(m_pFrame, WS_CHILD | CBRS_TOP, 0xE830));
        ASSERT_TRUE(m_images.LoadToolBar(IDR_TEST_TOOLBAR));
        ParkCursor();
        PumpPending();
    }
    void TearDown() override
    {
        CloseAllPopups();
        if (::IsWindow(m_images.GetSafeHwnd()))
            m_images.DestroyWindow();
        theApp.m_pMainWnd = nullptr;
        if (::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
        PumpPending();
        CWTKToolBar::ClearBasicCommands();
        CWTKPopupMenuBar::ClearLockedCommands();
        WTKGetCommandUsageCounter().Reset();
        FwSetTimerFunctions(nullptr, nullptr);
        CWTKPopupMenuBar::SetMenuShowDelayReader(nullptr);
        g_timers.clear();
        EXPECT_EQ(CWTKPopupMenu::GetLiveCount(), 0) << "every popup went with its window";
    }

    static void CloseAllPopups()
    {
        for (int i = 0; i < 8 && CWTKPopupMenu::GetActiveMenu() != nullptr; i++) {
            CWTKPopupMenu::GetActiveMenu()->SendMessage(WM_CLOSE);
            PumpPending();
        }
        PumpPending();
    }

    // The cursor away from every popup.
    void ParkCursor()
    {
        CRect rect;
        m_pFrame->GetWindowRect(rect);
        ::SetCursorPos(rect.right - 20, rect.bottom - 20);
    }

    CWTKPopupMenu* OpenPopup(HMENU hMenu, int x = 100, int y = 100)
    {
        auto* pPopup = CWTKPopupMenu::Open(std::make_unique<CWTKPopupMenu>(), m_pFrame, x, y, hMenu, FALSE, TRUE);
        if (pPopup == nullptr)
            return nullptr;
        PumpPending();
        return pPopup;
    }

    static CWTKPopupMenuBar* BarOf(CWTKPopupMenu* pPopup) { return pPopup->GetMenuBar(); }

    // The centre of item iIndex in the bar's client coordinates.
    static CPoint ItemCenter(CWTKPopupMenuBar* pBar, int iIndex)
    {
        CRect rect;
        pBar->GetItemRect(iIndex, &rect);
        return rect.CenterPoint();
    }

    // Puts the cursor on the item and sends the bar the move, as the mouse does.
    static void MoveTo(CWTKPopupMenuBar* pBar, int iIndex)
    {
        CPoint pt = ItemCenter(pBar, iIndex);
        CPoint ptScreen = pt;
        pBar->ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
        pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y + 1));
    }

    static void Key(CWnd* pWnd, UINT nKey) { pWnd->SendMessage(WM_KEYDOWN, nKey, 1); }

    static int IndexOf(CWTKPopupMenuBar* pBar, UINT nID) { return pBar->CommandToIndex(nID); }

    // The tests change the settings freely: they are put back after each.
    const CommandBarSettingsScope m_settings;
    CPopupTestFrame* m_pFrame = nullptr;
    CWTKToolBar m_images;
};

// ---- Import and export ----

TEST_F(PopupMenuBarTest, ImportKeepsTheMenuStatesAndTrimsExtraSeparators)
{
    m_pFrame->m_bCutEnabled = FALSE;  // the frame's command state, asked before the items are read
    m_pFrame->m_nBoldCheck = 1;
    CWTKPopupMenu* pPopup = OpenPopup(TestMenu());
    ASSERT_NE(pPopup, nullptr);
    CWTKPopupMenuBar* pBar = BarOf(pPopup);

    struct Row {
        UINT nID;  // 0 for a separator
        UINT nStyleBits;
        BOOL bImage;
    };
    const UINT kSub = CWTKToolbarMenuButton::kSubMenuId;
    const Row rows[] = {
        {ID_TEST_NEW, 0, TRUE},
        {ID_TEST_OPEN, 0, TRUE},
        {0, TBBS_SEPARATOR, FALSE},
        {ID_TEST_CUT, TBBS_DISABLED, TRUE},
        {ID_TEST_BOLD, TBBS_CHECKED, TRUE},
        {kSub, 0, FALSE},
        {ID_NO_IMAGE, 0, FALSE},
    };
    ASSERT_EQ(pBar->GetCount(), static_cast<int>(std::size(rows)));
    for (int i = 0; i < pBar->GetCount(); i++) {
        const Row& row = rows[i];
        const CWTKToolbarButton* pButton = pBar->GetButton(i);
        EXPECT_EQ(pButton->m_nID, row.nID) << "item " << i;
        EXPECT_EQ(pButton->m_nStyle & row.nStyleBits, row.nStyleBits) << "item " << i;
        if (row.nID == 0)
            continue;
        EXPECT_NE(dynamic_cast<const CWTKToolbarMenuButton*>(pButton), nullptr) << "item " << i;
        EXPECT_TRUE(pButton->m_bText) << "item " << i;
        EXPECT_EQ(pButton->m_bImage, row.bImage) << "item " << i;
    }
    EXPECT_EQ(pBar->GetDefaultMenuId(), static_cast<UINT>(ID_TEST_OPEN));
    EXPECT_EQ(pBar->GetButton(0)->m_strText, CString("&New\tCtrl+N")) << "the accelerator stays after the tab";
    const auto* pMore = dynamic_cast<const CWTKToolbarMenuButton*>(pBar->GetButton(5));
    ASSERT_NE(pMore, nullptr);
    EXPECT_EQ(pMore->GetCommands().GetCount(), 2);
    EXPECT_TRUE(pBar->AreAllCommandsShown());

    // The export builds the same menu back.
    HMENU hExport = pBar->ExportToMenu();
    ASSERT_NE(hExport, nullptr);
    ASSERT_EQ(::GetMenuItemCount(hExport), pBar->GetCount());
    for (int i = 0; i < pBar->GetCount(); i++) {
        const UINT nState = ::GetMenuState(hExport, static_cast<UINT>(i), MF_BYPOSITION);
        if (i == 2)
            EXPECT_NE(nState & MF_SEPARATOR, 0u);
        else if (i == 5)
            EXPECT_EQ(::GetMenuItemCount(::GetSubMenu(hExport, i)), 2);
        else
            EXPECT_EQ(::GetMenuItemID(hExport, i), rows[i].nID) << "exported item " << i;
    }
    EXPECT_EQ(::GetMenuDefaultItem(hExport, FALSE, 0), static_cast<UINT>(ID_TEST_OPEN));
    ::DestroyMenu(hExport);

    // An unknown handle gives no items; an empty popup measures 52 x 22.
    HMENU hGone = ::CreatePopupMenu();
    ::DestroyMenu(hGone);
    EXPECT_FALSE(pBar->ImportFromMenu(hGone, TRUE));
    EXPECT_EQ(pBar->GetCount(), 0);
    EXPECT_EQ(pBar->CalcSize(FALSE), CSize(52, 22));
}

// The ink of menu text in an area of a painted popup item bar.
int MenuInk(const Canvas& canvas, const CRect& area)
{
    return canvas.Count(::GetSysColor(COLOR_MENUTEXT), area);
}

// The popup's item bar as painted on screen.
bool CopyItems(CWTKPopupMenuBar* pBar, Canvas& canvas)
{
    pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    PumpPending();
    return canvas.CopyFromWindow(pBar->GetSafeHwnd(), false);
}

TEST_F(PopupMenuBarTest, AnItemWithAnAcceleratorIsWiderAndADefaultItemIsBold)
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_TEST_NEW, "&Print");
    CWTKPopupMenu* pPopup = OpenPopup(hMenu);
    ASSERT_NE(pPopup, nullptr);
    CWTKPopupMenuBar* pBar = BarOf(pPopup);
    const int cxPlain = pBar->CalcSize(FALSE).cx;
    pBar->SetButtonText(0, "&Print\tP");
    const int cxAccel = pBar->CalcSize(FALSE).cx;
    EXPECT_GE(cxAccel, cxPlain + CWTKPopupMenuBar::kAcceleratorGap);
    CloseAllPopups();

    // Two items of the same text without images, the second the default: it is measured and
    // painted in the bold font, with more ink.
    hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_NO_IMAGE, "Document");
    ::AppendMenuA(hMenu, MF_STRING, ID_SUB_ONE, "Document");
    ::SetMenuDefaultItem(hMenu, ID_SUB_ONE, FALSE);
    pPopup = OpenPopup(hMenu);
    ASSERT_NE(pPopup, nullptr);
    pBar = BarOf(pPopup);
    ASSERT_EQ(pBar->GetCount(), 2);
    CRect rectPlain, rectBold;
    pBar->GetItemRect(0, &rectPlain);
    pBar->GetItemRect(1, &rectBold);
    CRect rectClient;
    pBar->GetClientRect(&rectClient);
    Canvas canvas(rectClient.Width(), rectClient.Height());
    ASSERT_TRUE(CopyItems(pBar, canvas));
    const int nPlain = MenuInk(canvas, rectPlain);
    const int nBold = MenuInk(canvas, rectBold);
    EXPECT_GT(nPlain, 20) << "the plain item's text is painted";
    EXPECT_GT(nBold * 10, nPlain * 12) << "bold text has more ink: " << nBold << " against " << nPlain;
    const CRect rectPlainInk = canvas.BoundsOf(::GetSysColor(COLOR_MENUTEXT), rectPlain);
    const CRect rectBoldInk = canvas.BoundsOf(::GetSysColor(COLOR_MENUTEXT), rectBold);
    EXPECT_EQ(rectBoldInk.left, rectPlainInk.left) << "both texts start at the same place";
    EXPECT_GT(rectBoldInk.Width(), rectPlainInk.Width()) << "the bold text is wider";
}

// A menu break starts a second column beside the first, its items drawn there.
TEST_F(PopupMenuBarTest, AMenuBreakStartsAColumnBesideTheFirst)
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_NO_IMAGE, "First column, wide item");
    ::AppendMenuA(hMenu, MF_STRING, ID_SUB_ONE, "Below");
    ::AppendMenuA(hMenu, MF_STRING | MF_MENUBREAK, ID_SUB_TWO, "Second");
    CWTKPopupMenu* pPopup = OpenPopup(hMenu);
    ASSERT_NE(pPopup, nullptr);
    CWTKPopupMenuBar* pBar = BarOf(pPopup);
    ASSERT_EQ(pBar->GetCount(), 3);
    CRect rectWide, rectBelow, rectSecond, rectClient;
    pBar->GetItemRect(0, &rectWide);
    pBar->GetItemRect(1, &rectBelow);
    pBar->GetItemRect(2, &rectSecond);
    pBar->GetClientRect(&rectClient);
    EXPECT_EQ(rectSecond.top, rectWide.top) << "the second column starts at the top";
    EXPECT_EQ(rectBelow.top, rectWide.bottom);
    EXPECT_LE(rectSecond.right, rectClient.right);
    const CSize size = pBar->CalcSize(FALSE);
    EXPECT_EQ(size.cy, rectWide.Height() + rectBelow.Height() + 2) << "as high as the taller column";
    EXPECT_EQ(rectSecond.left, rectWide.right + 1) << "the second column starts one pixel past the first";

    Canvas canvas(rectClient.Width(), rectClient.Height());
    ASSERT_TRUE(CopyItems(pBar, canvas));
    EXPECT_GT(MenuInk(canvas, rectSecond), 10) << "the second column's item is painted in its column";
    CRect rectUnderSecond(rectSecond.left, rectSecond.bottom, rectSecond.right, rectClient.bottom);
    EXPECT_EQ(MenuInk(canvas, rectUnderSecond), 0) << "nothing under the second column's one item";
}

// With a maximal width, an item too wide for it is cut and ends in "...": its last ink is
// three dots on the text's baseline.
TEST_F(PopupMenuBarTest, AnItemWiderThanTheMaximalWidthEndsInAnEllipsis)
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_NO_IMAGE, "A text far too wide for the narrow menu it sits in");
    ::AppendMenuA(hMenu, MF_STRING, ID_SUB_ONE, "Short");
    auto pNew = std::make_unique<CWTKPopupMenu>();
    constexpr int kMaxWidth = 140;
    pNew->SetMaxWidth(kMaxWidth);
    CWTKPopupMenu* pPopup = CWTKPopupMenu::Open(std::move(pNew), m_pFrame, 100, 100, hMenu, FALSE, TRUE);
    ASSERT_NE(pPopup, nullptr);
    PumpPending();
    CWTKPopupMenuBar* pBar = BarOf(pPopup);
    CRect rectClient, rectLong, rectShort;
    pBar->GetClientRect(&rectClient);
    pBar->GetItemRect(0, &rectLong);
    pBar->GetItemRect(1, &rectShort);
    EXPECT_LE(rectClient.Width(), kMaxWidth);

    Canvas canvas(rectClient.Width(), rectClient.Height());
    ASSERT_TRUE(CopyItems(pBar, canvas));
    const COLORREF clrText = ::GetSysColor(COLOR_MENUTEXT);
    // The ink's columns from the right, as runs of inked columns with their lowest and highest row.
    auto blobsFromTheRight = [&](const CRect& rect) {
        struct Blob {
            int top = INT_MAX;
            int bottom = INT_MIN;
        };
        std::vector<Blob> blobs;
        bool bInBlob = false;
        for (int x = rect.right - 1; x >= rect.left; x--) {
            Blob column;
            for (int y = rect.top; y < rect.bottom; y++) {
                if (canvas.Pixel(x, y) == clrText) {
                    column.top = std::min(column.top, y);
                    column.bottom = std::max(column.bottom, y);
                }
            }
            if (column.bottom == INT_MIN) {
                bInBlob = false;
                continue;
            }
            if (!bInBlob)
                blobs.push_back(column);
            blobs.back().top = std::min(blobs.back().top, column.top);
            blobs.back().bottom = std::max(blobs.back().bottom, column.bottom);
            bInBlob = true;
        }
        return blobs;
    };
    const auto longBlobs = blobsFromTheRight(rectLong);
    const CRect rectLongInk = canvas.BoundsOf(clrText, rectLong);
    ASSERT_GE(longBlobs.size(), 4u);
    for (size_t i = 0; i < 3; i++) {
        EXPECT_LE(longBlobs[i].bottom - longBlobs[i].top, 2) << "dot " << i << " is a dot";
        EXPECT_GE(longBlobs[i].top, rectLongInk.bottom - 3) << "dot " << i << " sits on the baseline";
    }
    EXPECT_LT(rectLongInk.right, rectLong.right) << "the cut text stays inside its item";
    const auto shortBlobs = blobsFromTheRight(rectShort);
    ASSERT_FALSE(shortBlobs.empty());
    EXPECT_GT(shortBlobs[0].bottom - shortBlobs[0].top, 3) << "an item that fits is not cut";
}

// Shortened menus: with recently used menus on and enough statistics, rarely used commands stay
// out, their mnemonics still run them, locked commands always show, and no separator is left
// at the end.
TEST_F(PopupMenuBarTest, RarelyUsedCommandsAreHiddenButLockedOnesShow)
{
    WTKGetCommandBarSettings().bRecentlyUsedMenus = TRUE;
    CWTKToolBar::AddBasicCommand(ID_TEST_NEW);
    CWTKToolBar::AddBasicCommand(ID_TEST_OPEN);
    CWTKPopupMenuBar::AddLockedCommand(ID_TEST_BOLD);
    ASSERT_TRUE(WTKGetCommandUsageCounter().HasEnoughStatistics());

    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_TEST_NEW, "&New");
    ::AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(hMenu, MF_STRING, ID_TEST_OPEN, "&Open");
    ::AppendMenuA(hMenu, MF_STRING, ID_TEST_BOLD, "&Bold");
    ::AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(hMenu, MF_STRING, ID_TEST_PRINT, "&Print");
    ::AppendMenuA(hMenu, MF_STRING, ID_TEST_PASTE, "P&aste");
    CWTKPopupMenu* pPopup = OpenPopup(hMenu);
    ASSERT_NE(pPopup, nullptr);
    CWTKPopupMenuBar* pBar = BarOf(pPopup);

    ASSERT_TRUE(pBar->ImportFromMenu(hMenu, FALSE));
    std::vector<UINT> ids;
    for (int i = 0; i < pBar->GetCount(); i++)
        ids.push_back(pBar->GetButton(i)->m_nID);
    EXPECT_EQ(ids, (std::vector<UINT> {ID_TEST_NEW, 0, ID_TEST_OPEN, ID_TEST_BOLD}))
        << "Print and Paste hidden, Bold locked, no trailing separator";
    EXPECT_FALSE(pBar->AreAllCommandsShown());
    EXPECT_EQ(pBar->GetHiddenItemCommand('P'), static_cast<UINT>(ID_TEST_PRINT));
    EXPECT_EQ(pBar->GetHiddenItemCommand('A'), static_cast<UINT>(ID_TEST_PASTE));
    EXPECT_EQ(pBar->GetHiddenItemCommand('B'), 0u);

    // A locked command alone never shortens the menu.
    CWTKPopupMenuBar::AddLockedCommand(ID_TEST_PRINT);
    CWTKPopupMenuBar::AddLockedCommand(ID_TEST_PASTE);
    ASSERT_TRUE(pBar->ImportFromMenu(hMenu, FALSE));
    EXPECT_TRUE(pBar->AreAllCommandsShown());
    EXPECT_EQ(pBar->GetCount(), 7);
    CWTKPopupMenuBar::RemoveLockedCommand(ID_TEST_PRINT);
    CWTKPopupMenuBar::RemoveLockedCommand(ID_TEST_PASTE);

    // Show all keeps everything.
    ASSERT_TRUE(pBar->ImportFromMenu(hMenu, TRUE));
    EXPECT_EQ(pBar->GetCount(), 7);

    // The hidden item's letter runs its command once.
    ASSERT_TRUE(pBar->ImportFromMenu(hMenu, FALSE));
    Key(pPopup, 'P');
    EXPECT_TRUE(::IsWindow(pPopup->GetSafeHwnd())) << "the popup closes by a posted message";
    PumpPending();
    EXPECT_EQ(m_pFrame->m_commands, (std::vector<UINT> {ID_TEST_PRINT}));
    EXPECT_EQ(CWTKPopupMenu::GetLiveCount(), 0);
}

// A sub-menu of a shortened menu ends with the show-all line.
TEST_F(PopupMenuBarTest, AShortenedSubMenuEndsWithTheShowAllLine)
{
    WTKGetCommandBarSettings().bRecentlyUsedMenus = TRUE;
    CWTKToolBar::AddBasicCommand(ID_SUB_ONE);
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_TEST_NEW, "&New");
    ::AppendMenuA(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(SubMenu()), "&More");
    CWTKPopupMenu* pPopup = OpenPopup(hMenu);
    ASSERT_NE(pPopup, nullptr);
    Key(pPopup, 'M');
    PumpPending();
    auto* pMore = dynamic_cast<CWTKToolbarMenuButton*>(BarOf(pPopup)->GetButton(1));
    ASSERT_NE(pMore, nullptr);
    CWTKPopupMenu* pSub = pMore->GetPopupMenu();
    ASSERT_NE(pSub, nullptr) << "the letter opens the sub-menu";
    CWTKPopupMenuBar* pSubBar = BarOf(pSub);
    EXPECT_FALSE(pSubBar->AreAllCommandsShown());
    ASSERT_EQ(pSubBar->GetCount(), 2);
    EXPECT_EQ(pSubBar->GetButton(0)->m_nID, static_cast<UINT>(ID_SUB_ONE));
    EXPECT_EQ(pSubBar->GetButton(1)->GetKind(), CWTKToolbarButtonInfo::kindShowAllItems);
    EXPECT_EQ(pSubBar->GetHiddenItemCommand('T'), static_cast<UINT>(ID_SUB_TWO));
}

// ---- Menu delay ----

TEST(PopupMenuBarDelay, MenuShowDelayIsBoundedAndDefaults)
{
    struct Row {
        const char* pszValue;
        int nExpected;
    };
    const Row rows[] = {{nullptr, 500}, {"9000", 5000}, {"5000", 5000}, {"0", 0},
                        {"400", 400},   {"-1", 5000},   {"junk", 0}};
    for (const Row& row : rows) {
        g_pszMenuShowDelay = row.pszValue;
        CWTKPopupMenuBar::SetMenuShowDelayReader(&FakeMenuShowDelay);
        EXPECT_EQ(CWTKPopupMenuBar::GetMenuShowDelay(), row.nExpected)
            << "MenuShowDelay " << (row.pszValue ? row.pszValue : "(missing)");
    }
    CWTKPopupMenuBar::SetMenuShowDelayReader(nullptr);
}

// ---- Keyboard ----

TEST_F(PopupMenuBarTest, ArrowsHomeEndAndTabMoveTheHotItem)
{
    CWTKPopupMenu* pPopup = OpenPopup(TestMenu());
    ASSERT_NE(pPopup, nullptr);
    CWTKPopupMenuBar* pBar = BarOf(pPopup);
    ASSERT_EQ(pBar->GetCount(), 7);  // New Open - Cut Bold More Without

    struct Row {
        int iStart;
        UINT nKey;
        BOOL bShift;
        int iExpected;
    };
    const Row rows[] = {
        {-1, VK_DOWN, FALSE, 0}, {0, VK_DOWN, FALSE, 1}, {1, VK_DOWN, FALSE, 3},  // over the separator
        {3, VK_UP, FALSE, 1},    {0, VK_UP, FALSE, 6},   {6, VK_DOWN, FALSE, 0},  // wrapping
        {-1, VK_UP, FALSE, 6},   {4, VK_HOME, FALSE, 0}, {1, VK_END, FALSE, 6},
        {1, VK_TAB, FALSE, 3},   {3, VK_TAB, TRUE, 1},
    };
    for (const Row& row : rows) {
        pBar->SetHot(row.iStart);
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = row.bShift ? 0x80 : 0;
        ::SetKeyboardState(keys);
        Key(pPopup, row.nKey);
        keys[VK_SHIFT] = 0;
        ::SetKeyboardState(keys);
        EXPECT_EQ(pBar->GetHighlighted(), row.iExpected)
            << "from " << row.iStart << " key " << row.nKey << (row.bShift ? " with Shift" : "");
    }
    EXPECT_TRUE(m_pFrame->m_commands.empty());
}

TEST_F(PopupMenuBarTest, ReturnAndLettersChooseOrCloseWithoutACommand)
{
    m_pFrame->m_bCutEnabled = FALSE;
    struct Row {
        const char* pszName;
        int iHot;  // before the key
        UINT nKey;
        std::vector<UINT> commands;
        BOOL bClosed;
    };
    const std::vector<Row> rows = {
        {"Return without a hot item does nothing", -1, VK_RETURN, {}, FALSE},
        {"Return on a hot item chooses it", 1, VK_RETURN, {ID_TEST_OPEN}, TRUE},
        {"a letter chooses its item", -1, 'B', {ID_TEST_BOLD}, TRUE},
        {"a disabled item's letter closes the menu", -1, 'T', {}, TRUE},
        {"an unknown letter does nothing", -1, 'Q', {}, FALSE},
        {"Return on a disabled item does nothing", 3, VK_RETURN, {}, FALSE},
    };
    for (const Row& row : rows) {
        m_pFrame->m_commands.clear();
        m_pFrame->m_livePopupsAtCommand.clear();
        CWTKPopupMenu* pPopup = OpenPopup(TestMenu());
        ASSERT_NE(pPopup, nullptr) << row.pszName;
        const HWND hPopup = pPopup->GetSafeHwnd();
        BarOf(pPopup)->SetHot(row.iHot);
        Key(pPopup, row.nKey);
        EXPECT_TRUE(::IsWindow(hPopup)) << row.pszName << ": nothing closes before the key returns";
        PumpPending();
        EXPECT_EQ(m_pFrame->m_commands, row.commands) << row.pszName;
        EXPECT_EQ(!::IsWindow(hPopup), !!row.bClosed) << row.pszName;
        for (int nLive : m_pFrame->m_livePopupsAtCommand)
            EXPECT_EQ(nLive, 0) << row.pszName << ": the menu is gone when its command runs";
        CloseAllPopups();
    }
}

TEST_F(PopupMenuBarTest, EscapeClosesOneLevelAtATime)
{
    CWTKPopupMenu* pPopup = OpenPopup(TestMenu());
    ASSERT_NE(pPopup, nullptr);
    CWTKPopupMenuBar* pBar = BarOf(pPopup);
    Key(pPopup, 'M');
    PumpPending();
    auto* pMore = dynamic_cast<CWTKToolbarMenuButton*>(pBar->GetButton(5));
    ASSERT_NE(pMore, nullptr);
    CWTKPopupMenu* pSub = pMore->GetPopupMenu();
    ASSERT_NE(pSub, nullptr);
    EXPECT_EQ(BarOf(pSub)->GetHighlighted(), 0) << "the sub-menu opens on its first item";
    EXPECT_EQ(CWTKPopupMenu::GetLiveCount(), 2);

    Key(pSub, VK_ESCAPE);
    PumpPending();
    EXPECT_EQ(CWTKPopupMenu::GetLiveCount(), 1);
    EXPECT_EQ(pMore->GetPopupMenu(), nullptr);
    ASSERT_TRUE(::IsWindow(pPopup->GetSafeHwnd()));
    Key(pPopup, VK_ESCAPE);
    PumpPending();
    EXPECT_EQ(CWTKPopupMenu::GetLiveCount(), 0);
    EXPECT_TRUE(m_pFrame->m_commands.empty());
}

// ---- Sub-menus after the delay ----

TEST_F(PopupMenuBarTest, SubMenuOpensAfterTheDelayAndClosesOnlyWhenTheMouseStaysAway)
{
    for (const char* pszDelay : {"400", "0"}) {
        g_pszMenuShowDelay = pszDelay;
        CWTKPopupMenuBar::SetMenuShowDelayReader(&FakeMenuShowDelay);
        const int nDelay = atoi(pszDelay);
        CWTKPopupMenu* pPopup = OpenPopup(TestMenu());
        ASSERT_NE(pPopup, nullptr);
        CWTKPopupMenuBar* pBar = BarOf(pPopup);
        const HWND hBar = pBar->GetSafeHwnd();
        auto* pMore = dynamic_cast<CWTKToolbarMenuButton*>(pBar->GetButton(5));
        ASSERT_NE(pMore, nullptr);

        // Hovering the sub-menu item starts the open timer; it opens when the timer fires.
        MoveTo(pBar, 5);
        EXPECT_EQ(TimerElapse(hBar, CWTKPopupMenuBar::kOpenSubMenuTimer), nDelay) << "delay " << pszDelay;
        EXPECT_EQ(pMore->GetPopupMenu(), nullptr);
        pBar->SendMessage(WM_TIMER, CWTKPopupMenuBar::kOpenSubMenuTimer);
        ASSERT_NE(pMore->GetPopupMenu(), nullptr) << "delay " << pszDelay;
        EXPECT_EQ(TimerElapse(hBar, CWTKPopupMenuBar::kOpenSubMenuTimer), -1);

        // Leaving for another item starts the close timer, never at 0 ms or below.
        MoveTo(pBar, 4);
        EXPECT_EQ(TimerElapse(hBar, CWTKPopupMenuBar::kCloseSubMenuTimer), std::max(nDelay - 1, 1))
            << "delay " << pszDelay;
        EXPECT_EQ(pBar->GetDelayedSubMenuButton(), pMore);
        EXPECT_NE(pMore->GetPopupMenu(), nullptr) << "still open during the delay";

        // Coming back in time cancels the close.
        MoveTo(pBar, 5);
        EXPECT_EQ(TimerElapse(hBar, CWTKPopupMenuBar::kCloseSubMenuTimer), -1);
        EXPECT_EQ(pBar->GetDelayedSubMenuButton(), nullptr);
        EXPECT_NE(pMore->GetPopupMenu(), nullptr);

        // Staying away until the timer fires closes it.
        MoveTo(pBar, 4);
        ASSERT_NE(TimerElapse(hBar, CWTKPopupMenuBar::kCloseSubMenuTimer), -1);
        pBar->SendMessage(WM_TIMER, CWTKPopupMenuBar::kCloseSubMenuTimer);
        PumpPending();
        EXPECT_EQ(pMore->GetPopupMenu(), nullptr) << "delay " << pszDelay;
        EXPECT_EQ(CWTKPopupMenu::GetLiveCount(), 1);
        CloseAllPopups();
        ParkCursor();
    }
}

// ---- Commands by mouse ----

TEST_F(PopupMenuBarTest, AClickChoosesTheCommandOnceAfterTheMenuHasGone)
{
    CWTKPopupMenu* pPopup = OpenPopup(TestMenu());
    ASSERT_NE(pPopup, nullptr);
    CWTKPopupMenuBar* pBar = BarOf(pPopup);
    const HWND hPopup = pPopup->GetSafeHwnd();
    MoveTo(pBar, 0);
    const CPoint pt = ItemCenter(pBar, 0);
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    pBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_TRUE(::IsWindow(hPopup)) << "the popup closes by a posted message";
    PumpPending();
    EXPECT_FALSE(::IsWindow(hPopup));
    EXPECT_EQ(m_pFrame->m_commands, (std::vector<UINT> {ID_TEST_NEW}));
    EXPECT_EQ(m_pFrame->m_livePopupsAtCommand, (std::vector<int> {0}));
    EXPECT_EQ(CWTKPopupMenuBar::GetLastCommandIndex(), 0);
}

TEST_F(PopupMenuBarTest, ASubMenuCommandClosesTheWholeChainOnce)
{
    CWTKPopupMenu* pPopup = OpenPopup(TestMenu());
    ASSERT_NE(pPopup, nullptr);
    CWTKPopupMenuBar* pBar = BarOf(pPopup);
    MoveTo(pBar, 5);
    pBar->SendMessage(WM_TIMER, CWTKPopupMenuBar::kOpenSubMenuTimer);
    auto* pMore = dynamic_cast<CWTKToolbarMenuButton*>(pBar->GetButton(5));
    ASSERT_NE(pMore, nullptr);
    CWTKPopupMenu* pSub = pMore->GetPopupMenu();
    ASSERT_NE(pSub, nullptr);
    CWTKPopupMenuBar* pSubBar = BarOf(pSub);
    MoveTo(pSubBar, 1);
    const CPoint pt = ItemCenter(pSubBar, 1);
    pSubBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    pSubBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    PumpPending();
    EXPECT_EQ(m_pFrame->m_commands, (std::vector<UINT> {ID_SUB_TWO}));
    EXPECT_EQ(CWTKPopupMenu::GetLiveCount(), 0);
}

// A popup that opens with the cursor on an item chooses nothing on the release that follows;
// a press inside allows the next release.
TEST_F(PopupMenuBarTest, TheReleaseAfterOpeningChoosesNothing)
{
    CWTKPopupMenu* pPopup = OpenPopup(TestMenu(), 100, 100);
    ASSERT_NE(pPopup, nullptr);
    CWTKPopupMenuBar* pBar = BarOf(pPopup);
    CPoint ptCursor = ItemCenter(pBar, 0);
    CPoint ptScreen = ptCursor;
    pBar->ClientToScreen(&ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    pBar->AdjustLocations();  // the layout finds the cursor on an item
    pBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptCursor.x, ptCursor.y));
    PumpPending();
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    ASSERT_TRUE(::IsWindow(pPopup->GetSafeHwnd()));
}

// ---- Screenshot ----

TEST_F(PopupMenuBarTest, ScreenshotOfAPopupWithAnOpenSubMenu)
{
    m_pFrame->m_nBoldCheck = 1;
    CRect rectFrame;
    m_pFrame->GetWindowRect(rectFrame);
    CWTKPopupMenu* pPopup = OpenPopup(TestMenu(), rectFrame.left + 20, rectFrame.top + 40);
    ASSERT_NE(pPopup, nullptr);
    CWTKPopupMenuBar* pBar = BarOf(pPopup);
    MoveTo(pBar, 5);
    pBar->SendMessage(WM_TIMER, CWTKPopupMenuBar::kOpenSubMenuTimer);
    auto* pMore = dynamic_cast<CWTKToolbarMenuButton*>(pBar->GetButton(5));
    ASSERT_NE(pMore, nullptr);
    CWTKPopupMenu* pSub = pMore->GetPopupMenu();
    ASSERT_NE(pSub, nullptr);
    MoveTo(BarOf(pSub), 0);
    for (CWnd* pWnd : {static_cast<CWnd*>(m_pFrame), static_cast<CWnd*>(pPopup), static_cast<CWnd*>(pSub)})
        pWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    PumpPending();

    Canvas shot(rectFrame.Width(), rectFrame.Height());
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(shot.Handle(), 0, 0, rectFrame.Width(), rectFrame.Height(), hScreen, rectFrame.left, rectFrame.top,
             SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_TRUE(shot.WritePng(ScreenshotFolder() + "\\popup_menu_with_sub_menu.png"));

    // The sub-menu lies right of its item, level with it.
    CRect rectPopup, rectSub, rectItem;
    pPopup->GetWindowRect(rectPopup);
    pSub->GetWindowRect(rectSub);
    pBar->GetItemRect(5, &rectItem);
    pBar->ClientToScreen(rectItem);
    EXPECT_GE(rectSub.left, rectPopup.right - 8);
    EXPECT_LE(std::abs(rectSub.top - rectItem.top), 6);
    // The folder's yellow of Open's image is drawn in the popup.
    CRect rectNew;
    pBar->GetItemRect(1, &rectNew);
    pBar->ClientToScreen(rectNew);
    rectNew.OffsetRect(-rectFrame.left, -rectFrame.top);
    EXPECT_GT(shot.Count(RGB(255, 200, 0), rectNew), 10) << "Open's image";
}

}  // namespace
