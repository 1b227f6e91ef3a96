// Customise mode on real toolbars: hosted controls, where a dragged button lands, drags played
// through the bars' own drop targets, the button context menu (tracked for real) and its
// commands, the customisation sheet's toolbar list, resizing a control button, and a screenshot
// of a bar with a selected button and the drop marker.
#include "ToolBarTestSupport.h"

#include "command_bars/WTKButtonDragSource.h"
#include "command_bars/WTKCommandManager.h"
#include "command_bars/WTKCustomizeLink.h"
#include "command_bars/WTKMenuBar.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolbarEditBoxButton.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "command_bars/res/WTKCommandBarsRes.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKUserSignals.h"

#include "Canvas.h"

#include "bars/DockContext.h"
#include "ole/OleDataObject.h"
#include "ole/OleDataSource.h"
#include "ole/OleInit.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr UINT ID_NO_IMAGE = 0x9201;  // commands with neither an image nor a string
constexpr UINT ID_NO_IMAGE_2 = 0x9202;
constexpr UINT ID_RECENT_FILE = 0xE110;  // not customisable
constexpr UINT ID_FIND = 0x9101;
const UINT kN = ID_TEST_NEW, kO = ID_TEST_OPEN, kS = ID_TEST_SAVE, kC = ID_TEST_CUT, kCo = ID_TEST_COPY,
           kP = ID_TEST_PASTE;

// A toolbar whose drop target and drop marker the tests reach.
class CTestBar : public CWTKToolBar {
public:
    IDropTarget* DropTarget() { return m_DropTarget.GetDropTarget(); }
    int DropIndex() const { return m_iDragIndex; }
    CRect DropMarker() const { return m_rectDrag; }
};

// The customisation sheet as the bars see it: it records what the bars tell it and answers
// the appearance dialog as set.
class CFakeSheet : public CWTKCustomizeLink {
public:
    void ShowToolBar(CWTKToolBar* pBar, BOOL bShow) override { m_shown.emplace_back(pBar, bShow); }
    BOOL EditButtonAppearance(CWTKToolbarButton* pButton, CWTKImageStrip* /*pUserImages*/, CWnd* pParent,
                              int /*iFirstUserImage*/, BOOL /*bMenuItem*/) override
    {
        m_nEdits++;
        m_pLastParent = pParent;
        if (!m_bOk)
            return FALSE;
        if (m_iImage >= 0)
            pButton->SetImage(m_iImage);
        if (!m_strText.IsEmpty())
            pButton->m_strText = m_strText;
        return TRUE;
    }
    std::vector<std::pair<CWTKToolBar*, BOOL>> m_shown;
    BOOL m_bOk = FALSE;
    int m_iImage = -1;
    CString m_strText;
    int m_nEdits = 0;
    CWnd* m_pLastParent = nullptr;
};

// What the scripted hand does between the press on a button and the drop.
enum DragKind { released, toNowhere, escaped, toBar };
struct DragPlan {
    DragKind kind = released;
    CTestBar* pSource = nullptr;
    CTestBar* pTarget = nullptr;
    CPoint ptDrop;  // in the target's client coordinates
    DWORD dwKeys = 0;
};
DragPlan g_plan;
int g_nBeeps = 0;
int g_nMessageBoxes = 0;

void CountBeep(UINT)
{
    g_nBeeps++;
}

int CountMessageBox(HWND, LPCSTR, LPCSTR, UINT)
{
    g_nMessageBoxes++;
    return IDOK;
}

// Far from every bar: where the hand rests after a drag that leaves the bars.
void MoveCursorAway()
{
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 2, ::GetSystemMetrics(SM_CYSCREEN) - 2);
}

// Plays the drag as the system's drag loop does: the bars hear enter, over, leave and drop
// through their registered drop targets, in screen coordinates.
DROPEFFECT PlayDrag(COleDataSource& source, const CRect& rectStartScreen)
{
    const DragPlan& plan = g_plan;
    if (plan.kind == released)
        return DROPEFFECT_NONE;  // released inside the button: the drag never began
    IDataObject* pData = source.GetDataObject();
    const DWORD dwAllowed = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    const CPoint ptStart = rectStartScreen.CenterPoint();
    DWORD dwEffect = dwAllowed;
    IDropTarget* pSourceTarget = plan.pSource->DropTarget();
    pSourceTarget->DragEnter(pData, MK_LBUTTON, POINTL {ptStart.x, ptStart.y}, &dwEffect);
    if (plan.kind != toBar || plan.pTarget != plan.pSource) {
        pSourceTarget->DragLeave();
        if (plan.kind != toBar) {
            WTKGetButtonDragSource().m_bEscapePressed = plan.kind == escaped;
            MoveCursorAway();
            return DROPEFFECT_NONE;
        }
    }
    CPoint ptDrop = plan.ptDrop;
    plan.pTarget->ClientToScreen(&ptDrop);
    const POINTL pt {ptDrop.x, ptDrop.y};
    IDropTarget* pTarget = plan.pTarget->DropTarget();
    if (plan.pTarget != plan.pSource) {
        dwEffect = dwAllowed;
        pTarget->DragEnter(pData, MK_LBUTTON | plan.dwKeys, pt, &dwEffect);
    }
    dwEffect = dwAllowed;
    pTarget->DragOver(MK_LBUTTON | plan.dwKeys, pt, &dwEffect);
    ::SetCursorPos(ptDrop.x, ptDrop.y);
    if (dwEffect == DROPEFFECT_NONE) {
        pTarget->DragLeave();
        return DROPEFFECT_NONE;
    }
    dwEffect = dwAllowed;
    pTarget->Drop(pData, plan.dwKeys, pt, &dwEffect);
    return dwEffect;
}

std::vector<UINT> Ids(const CWTKToolBar& bar)
{
    std::vector<UINT> ids;
    for (int i = 0; i < bar.GetCount(); i++) {
        if (bar.GetButton(i) != bar.GetCustomizeButton())
            ids.push_back(bar.GetItemID(i));
    }
    return ids;
}

CRect ItemRect(const CWTKToolBar& bar, int nIndex)
{
    CRect rect;
    bar.GetItemRect(nIndex, &rect);
    return rect;
}

// A bar's buttons written as letters: New, Open, Save, Cut, copy, Paste, Bold, pRint, '|' for a
// separator and '>' for the overflow button.
constexpr char kLetters[] = "NOSCcPBR";
const UINT kLetterIds[] = {ID_TEST_NEW,  ID_TEST_OPEN,  ID_TEST_SAVE, ID_TEST_CUT,
                           ID_TEST_COPY, ID_TEST_PASTE, ID_TEST_BOLD, ID_TEST_PRINT};

std::vector<UINT> IdsOf(const char* pszLetters)
{
    std::vector<UINT> ids;
    for (const char* p = pszLetters; *p != '\0'; p++) {
        if (*p == '|')
            ids.push_back(0);
        else if (const char* pAt = std::strchr(kLetters, *p))
            ids.push_back(kLetterIds[pAt - kLetters]);
    }
    return ids;
}

std::string Letters(const CWTKToolBar& bar)
{
    std::string str;
    for (int i = 0; i < bar.GetCount(); i++) {
        const UINT nID = bar.GetItemID(i);
        const UINT* pEnd = std::end(kLetterIds);
        const UINT* pAt = std::find(std::begin(kLetterIds), pEnd, nID);
        if (bar.GetButton(i) == bar.GetCustomizeButton())
            str += '>';
        else if (nID == 0)
            str += '|';
        else
            str += pAt != pEnd ? kLetters[pAt - kLetterIds] : '?';
    }
    return str;
}

LPARAM PointParam(CPoint point)
{
    return MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
}

class CustomizeModeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FwOleInit());
        m_pFrame = new CToolBarTestFrame;
        ASSERT_TRUE(m_pFrame->CreateFrame(TRUE));
        theApp.m_pMainWnd = m_pFrame;
        m_pfnOldDrag = CWTKToolBar::SetButtonDragFunction(&PlayDrag);
        m_pfnOldBeep = WTKSetBeepFunction(&CountBeep);
        m_pfnOldMessageBox = FwSetMessageBoxFunction(&CountMessageBox);
        g_nMessageBoxes = 0;
        WTKSetCustomizeLink(&m_sheet);
        g_plan = DragPlan();
        g_nBeeps = 0;
    }
    void TearDown() override
    {
        CWTKToolBar::SetCustomizeMode(FALSE);
        WTKSetCustomizeLink(nullptr);
        WTKSetBeepFunction(m_pfnOldBeep);
        FwSetMessageBoxFunction(m_pfnOldMessageBox);
        EXPECT_EQ(g_nMessageBoxes, 0);
        CWTKToolBar::SetButtonDragFunction(m_pfnOldDrag);
        DestroyBars();
        theApp.m_pMainWnd = nullptr;
        if (::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
        PumpPending();
        FwOleTerm();
    }

    // A bar of the given buttons (0: a separator) with the test images; locked, or with the
    // resource's buttons when ids is empty.
    CTestBar* AddBar(const std::vector<UINT>& ids, DWORD dwAlign = CBRS_TOP, BOOL bLocked = FALSE)
    {
        auto pBar = std::make_unique<CTestBar>();
        const UINT nId = 0xE830 + static_cast<UINT>(m_bars.size());
        if (!pBar->Create(m_pFrame, WS_CHILD | WS_VISIBLE | dwAlign, nId) ||
            !pBar->LoadToolBar(IDR_TEST_TOOLBAR, 0, 0, bLocked))
            return nullptr;
        if (!ids.empty()) {
            pBar->RemoveAllButtons();
            for (UINT nButtonId : ids) {
                if (nButtonId == 0)
                    pBar->InsertSeparator();
                else
                    pBar->InsertButton(CWTKToolbarButton(nButtonId, CWTKToolBar::GetDefaultImage(nButtonId)));
            }
        }
        m_bars.push_back(std::move(pBar));
        Layout();
        return m_bars.back().get();
    }
    void DestroyBars()
    {
        for (auto& pBar : m_bars) {
            if (::IsWindow(pBar->GetSafeHwnd()))
                pBar->DestroyWindow();
        }
        m_bars.clear();
        PumpPending();
    }
    void Layout()
    {
        m_pFrame->RecalcLayout();
        for (auto& pBar : m_bars)
            pBar->AdjustLocations();
        PumpPending();
    }
    static CWTKToolbarEditBoxButton* AddEditBox(CWTKToolBar* pBar, UINT nId)
    {
        const int iIndex = pBar->InsertButton(CWTKToolbarEditBoxButton(nId, -1, ES_AUTOHSCROLL, 120));
        return dynamic_cast<CWTKToolbarEditBoxButton*>(pBar->GetButton(iIndex));
    }
    // A press on a button in customise mode, with the drag played by g_plan.
    static void Press(CTestBar* pBar, int iButton)
    {
        g_plan.pSource = pBar;
        const CPoint point = ItemRect(*pBar, iButton).CenterPoint();
        pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(point));
        if (::IsWindow(pBar->GetSafeHwnd()))
            pBar->SendMessage(WM_LBUTTONUP, 0, PointParam(point));
    }
    // A click that selects the button without dragging it.
    static void Select(CTestBar* pBar, int iButton)
    {
        g_plan.kind = released;
        Press(pBar, iButton);
    }

    CToolBarTestFrame* m_pFrame = nullptr;
    std::vector<std::unique_ptr<CTestBar>> m_bars;
    CFakeSheet m_sheet;
    CWTKToolBar::ButtonDragFn m_pfnOldDrag = nullptr;
    WTKBeepFn m_pfnOldBeep = nullptr;
    FwMessageBoxFn m_pfnOldMessageBox = nullptr;
};

TEST_F(CustomizeModeTest, HostedControlsStopTakingTheMouseAndComeBackAsTheirCommandsStand)
{
    CTestBar* pBar = AddBar({kN});
    CTestBar* pLocked = AddBar({}, CBRS_TOP, TRUE);
    ASSERT_NE(pBar, nullptr);
    ASSERT_NE(pLocked, nullptr);
    CWTKToolbarEditBoxButton* pEnabled = AddEditBox(pBar, ID_FIND);
    CWTKToolbarEditBoxButton* pDisabled = AddEditBox(pBar, ID_FIND + 1);
    CWTKToolbarEditBoxButton* pOnLocked = AddEditBox(pLocked, ID_FIND + 2);
    ASSERT_TRUE(pEnabled && pDisabled && pOnLocked);
    const int iDisabled = pBar->ButtonToIndex(pDisabled);
    pBar->SetButtonStyle(iDisabled, pBar->GetButtonStyle(iDisabled) | TBBS_DISABLED);
    Layout();

    const struct {
        const char* name;
        CWTKToolbarEditBoxButton* pButton;
        BOOL bEnabledInMode;
        BOOL bEnabledAfter;
    } rows[] = {
        {"an enabled command's control", pEnabled, FALSE, TRUE},
        {"a disabled command's control", pDisabled, FALSE, FALSE},
        {"a control on a locked bar", pOnLocked, TRUE, TRUE},
    };
    CWTKToolBar::SetCustomizeMode(TRUE);
    for (const auto& row : rows)
        EXPECT_EQ(::IsWindowEnabled(row.pButton->GetHwnd()), row.bEnabledInMode) << row.name << " in customise mode";

    // The disabled control asks its bar for colours: the button's own, not the bar's.
    const HWND hEdit = pEnabled->GetHwnd();
    const HDC hdc = ::GetDC(hEdit);
    const auto hBrush = reinterpret_cast<HBRUSH>(
        pBar->SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hEdit)));
    EXPECT_EQ(hBrush, ::GetSysColorBrush(COLOR_WINDOW));
    EXPECT_EQ(::GetBkColor(hdc), ::GetSysColor(COLOR_WINDOW));
    ::ReleaseDC(hEdit, hdc);

    CWTKToolBar::SetCustomizeMode(FALSE);
    for (const auto& row : rows)
        EXPECT_EQ(::IsWindowEnabled(row.pButton->GetHwnd()), row.bEnabledAfter) << row.name << " after customise mode";
}

TEST_F(CustomizeModeTest, DropIndexOnTwoRowsAndOnAColumn)
{
    CTestBar* pRows = AddBar({kN, kO, kS, 0, kC, kCo, kP, 0, ID_TEST_BOLD, ID_TEST_PRINT});
    CTestBar* pColumn = AddBar({kN, kO, kS}, CBRS_LEFT);
    ASSERT_TRUE(pRows && pColumn);
    CWTKToolBar::SetCustomizeMode(TRUE);

    // Two rows: the first separator ends the first one; room for a row more below them.
    pRows->GetButton(3)->m_bWrap = TRUE;
    const int nRowHeight = pRows->GetRowHeight();
    pRows->SetWindowPos(nullptr, 0, 0, 400, 3 * nRowHeight + 20, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pRows->AdjustLocations();
    const CRect rNew = ItemRect(*pRows, 0), rSep = ItemRect(*pRows, 3), rCut = ItemRect(*pRows, 4),
                rPrint = ItemRect(*pRows, 9);
    ASSERT_GT(rCut.top, rNew.bottom) << "the bar has two rows";
    CRect rectRows;
    pRows->GetClientRect(rectRows);
    ASSERT_GT(rectRows.bottom, rPrint.bottom + 10);

    // A column with room below its buttons.
    pColumn->SetWindowPos(nullptr, 0, 0, 40, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pColumn->AdjustLocations();
    const CRect cN = ItemRect(*pColumn, 0), cO = ItemRect(*pColumn, 1), cS = ItemRect(*pColumn, 2);
    CRect rectColumn;
    pColumn->GetClientRect(rectColumn);

    const struct {
        const char* name;
        CTestBar* pBar;
        CPoint point;
        int nExpected;
        int nEdge;  // the edge the marker stands on
    } cases[] = {
        {"left half of the first button", pRows, CPoint(rNew.left + 2, rNew.CenterPoint().y), 0, rNew.left},
        {"right half of the first button", pRows, CPoint(rNew.right - 2, rNew.CenterPoint().y), 1, rNew.right},
        {"right of the first row", pRows, CPoint(rectRows.right - 2, rNew.CenterPoint().y), 4, rSep.right},
        {"left of the second row", pRows, CPoint(rectRows.left, rCut.CenterPoint().y), 4, rCut.left},
        {"right of the last button", pRows, CPoint(rectRows.right - 2, rPrint.CenterPoint().y), 10, rPrint.right},
        {"below the last row", pRows, CPoint(rCut.left + 2, rPrint.bottom + 10), 10, rPrint.right},
        {"above the column", pColumn, CPoint(cN.CenterPoint().x, rectColumn.top), 0, cN.top},
        {"lower half of the first", pColumn, CPoint(cN.CenterPoint().x, cN.bottom - 2), 1, cN.bottom},
        {"upper half of the second", pColumn, CPoint(cO.CenterPoint().x, cO.top + 2), 1, cO.top},
        {"below the column", pColumn, CPoint(cS.CenterPoint().x, cS.bottom + 20), 3, cS.bottom},
    };
    for (const auto& c : cases) {
        CRect marker;
        EXPECT_EQ(c.pBar->FindDropIndex(c.point, marker), c.nExpected) << c.name;
        CRect rectClient;
        c.pBar->GetClientRect(rectClient);
        const BOOL bAcross = c.pBar == pRows;
        EXPECT_EQ(bAcross ? marker.Width() : marker.Height(), 6) << c.name;
        EXPECT_TRUE(bAcross ? (marker.left <= c.nEdge && c.nEdge <= marker.right)
                            : (marker.top <= c.nEdge && c.nEdge <= marker.bottom))
            << c.name << ": the marker stands on the edge";
        CRect inside;
        EXPECT_TRUE(inside.IntersectRect(marker, rectClient) && inside == marker) << c.name << ": inside the bar";
    }
}

TEST_F(CustomizeModeTest, DragsEndWhereTheDropTargetsPutThem)
{
    constexpr int kPastEnd = -1;
    enum Target { kSame, kOther, kLocked };
    const struct {
        const char* name;
        const char* source;
        int iPress;
        DragKind kind;
        Target target;
        const char* other;  // the other bar's buttons, when there is one
        int iDropAt;        // the drop at this button's centre (kPastEnd: the bar's far end)
        int dx;             // and so many pixels along the bar
        DWORD dwKeys;
        const char* sourceAfter;
        const char* otherAfter;
    } cases[] = {
        {"a click keeps the button", "NOS", 1, released, kSame, "", 0, 0, 0, "NOS", ""},
        {"a cancelled drag keeps it", "NOS", 1, escaped, kSame, "", 0, 0, 0, "NOS", ""},
        {"off the bars, the only button goes", "N", 0, toNowhere, kSame, "", 0, 0, 0, "", ""},
        {"to another bar it moves", "NOS", 1, toBar, kOther, "CP", 1, -4, 0, "NS", "COP"},
        {"with Ctrl it is copied", "NOS", 1, toBar, kOther, "CP", 1, -4, MK_CONTROL, "NOS", "COP"},
        {"a locked bar refuses it: dropped off the bars", "NO", 1, toBar, kLocked, "", 1, 0, 0, "N", ""},
        {"past the overflow button it lands before it", "NO", 0, toBar, kOther, "CP>", kPastEnd, 0, 0, "O", "CPN>"},
        {"along its own bar", "NOSCP", 0, toBar, kSame, "", 4, -4, 0, "OSCNP", ""},
        {"along its own bar, its separators closing up", "N|O|SC", 2, toBar, kSame, "", 5, -4, 0, "N|SOC", ""},
        {"on its own place, under 6 pixels on", "NOS", 1, toBar, kSame, "", 1, 5, 0, "NOS", ""},
        {"on its own place, 6 pixels on starts a group", "NOS", 1, toBar, kSame, "", 1, 7, 0, "N|OS", ""},
        {"on its own place, 6 pixels back ends its group", "N|OS", 2, toBar, kSame, "", 2, -7, 0, "NOS", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CTestBar* pSource = AddBar(IdsOf(c.source));
        ASSERT_NE(pSource, nullptr);
        CTestBar* pOther = nullptr;
        if (c.target == kOther) {
            pOther = AddBar(IdsOf(c.other));
            if (std::strchr(c.other, '>') != nullptr)
                pOther->EnableCustomizeButton(TRUE);
        } else if (c.target == kLocked) {
            pOther = AddBar({}, CBRS_TOP, TRUE);
        }
        ASSERT_TRUE(c.target == kSame || pOther != nullptr);
        const std::string lockedBefore = pOther != nullptr ? Letters(*pOther) : std::string();
        CWTKToolBar::SetCustomizeMode(TRUE);
        Layout();

        g_plan = DragPlan();
        g_plan.kind = c.kind;
        g_plan.pTarget = c.target == kSame ? pSource : pOther;
        g_plan.dwKeys = c.dwKeys;
        if (c.kind == toBar) {
            CRect rectClient;
            g_plan.pTarget->GetClientRect(rectClient);
            const CRect rect = ItemRect(*g_plan.pTarget, c.iDropAt == kPastEnd ? 0 : c.iDropAt);
            g_plan.ptDrop = c.iDropAt == kPastEnd ? CPoint(rectClient.right - 2, rect.CenterPoint().y)
                                                  : rect.CenterPoint() + CPoint(c.dx, 0);
        }
        Press(pSource, c.iPress);

        EXPECT_EQ(Letters(*pSource), c.sourceAfter);
        if (c.target == kOther) {
            EXPECT_EQ(Letters(*pOther), c.otherAfter);
        } else if (c.target == kLocked) {
            EXPECT_EQ(Letters(*pOther), lockedBefore);
        }
        if (c.kind == released) {
            EXPECT_EQ(CWTKToolBar::GetCustomizeTarget(), pSource);
            EXPECT_EQ(pSource->GetCustomizeSelection(), c.iPress);
        }
        EXPECT_EQ(pSource->DropIndex(), -1) << "the marker is gone";
        CWTKToolBar::SetCustomizeMode(FALSE);
        DestroyBars();
    }
}

// The states of the button context menu while it is tracked: read when it opens, then closed
// with Escape through the thread's queue, as the menu's own loop reads it.
struct TrackedMenu {
    BOOL bShown = FALSE;
    std::map<UINT, UINT> states;
};
TrackedMenu g_tracked;
HHOOK g_hHook = nullptr;

LRESULT CALLBACK WatchMenu(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMsg->message == WM_INITMENUPOPUP) {
        const auto hMenu = reinterpret_cast<HMENU>(pMsg->wParam);
        g_tracked.bShown = TRUE;
        for (UINT nID = ID_WTK_BUTTON_RESET; nID <= ID_WTK_BUTTON_START_GROUP; nID++)
            g_tracked.states[nID] = ::GetMenuState(hMenu, nID, MF_BYCOMMAND);
        ::PostMessageA(pMsg->hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    } else if (nCode == HC_ACTION && pMsg->message == WM_ENTERIDLE) {
        ::EndMenu();
    }
    return ::CallNextHookEx(g_hHook, nCode, wParam, lParam);
}

TEST_F(CustomizeModeTest, ContextMenuGraysAndChecksItsEntriesForTheButton)
{
    CTestBar* pBar = AddBar({kN, 0, kO, ID_NO_IMAGE, ID_RECENT_FILE});
    CTestBar* pLabels = AddBar({kN, kO});
    CTestBar* pLocked = AddBar({}, CBRS_TOP, TRUE);
    ASSERT_TRUE(pBar && pLabels && pLocked);
    pBar->InsertButton(CWTKToolbarButton(kS, CWTKToolBar::GetDefaultImage(kS), "Save", FALSE, TRUE));
    pBar->SetButtonDisplay(2, "Open", TRUE, TRUE);
    pBar->SetButtonDisplay(3, "Find", TRUE, FALSE);
    pBar->SetButtonDisplay(4, "Recent", TRUE, FALSE);
    pLabels->EnableTextLabels(TRUE);
    Layout();
    CWTKToolBar::SetCustomizeMode(TRUE);

    const UINT R = ID_WTK_BUTTON_RESET, CI = ID_WTK_BUTTON_COPY_IMAGE, I = ID_WTK_BUTTON_IMAGE, T = ID_WTK_BUTTON_TEXT,
               IT = ID_WTK_BUTTON_IMAGE_AND_TEXT, SG = ID_WTK_BUTTON_START_GROUP;
    const struct {
        const char* name;
        CTestBar* pBar;
        int iButton;
        BOOL bShown;
        std::vector<UINT> grayed;
        std::vector<UINT> checked;
        int nBeeps;
    } cases[] = {
        {"the first button, image only", pBar, 0, TRUE, {SG}, {I}, 0},
        {"after a separator, image and text", pBar, 2, TRUE, {}, {IT, SG}, 0},
        {"text only, without an image", pBar, 3, TRUE, {CI}, {T}, 0},
        {"a locked button", pBar, 5, TRUE, {R}, {I}, 0},
        {"a text label", pLabels, 1, TRUE, {I}, {IT}, 0},
        {"a button that cannot be customised", pBar, 4, FALSE, {}, {}, 0},
        {"a locked bar", pLocked, 0, FALSE, {}, {}, 1},
    };
    g_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, &WatchMenu, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(g_hHook, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g_tracked = TrackedMenu();
        g_nBeeps = 0;
        CPoint point = ItemRect(*c.pBar, c.iButton).CenterPoint();
        c.pBar->ClientToScreen(&point);
        c.pBar->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(c.pBar->GetSafeHwnd()), PointParam(point));
        PumpPending();
        EXPECT_EQ(g_tracked.bShown, c.bShown);
        EXPECT_EQ(g_nBeeps, c.nBeeps);
        if (!c.bShown) {
            EXPECT_EQ(c.pBar->GetCustomizeSelection(), -1);
            continue;
        }
        EXPECT_EQ(c.pBar->GetCustomizeSelection(), c.iButton);
        for (const auto& [nID, nState] : g_tracked.states) {
            const BOOL bGrayed = std::find(c.grayed.begin(), c.grayed.end(), nID) != c.grayed.end();
            const BOOL bChecked = std::find(c.checked.begin(), c.checked.end(), nID) != c.checked.end();
            EXPECT_EQ((nState & MF_GRAYED) != 0, bGrayed != FALSE) << "entry " << nID << " grayed";
            EXPECT_EQ((nState & MF_CHECKED) != 0, bChecked != FALSE) << "entry " << nID << " checked";
        }
    }
    ::UnhookWindowsHookEx(g_hHook);
    g_hHook = nullptr;
}

TEST_F(CustomizeModeTest, ContextMenuCommandsChangeTheSelectedButton)
{
    CTestBar* pBar = AddBar({kN, kO, kS, ID_NO_IMAGE_2});
    ASSERT_NE(pBar, nullptr);
    pBar->SetButtonDisplay(3, "Find", TRUE, FALSE);
    Layout();
    CWTKToolBar::SetCustomizeMode(TRUE);
    auto command = [pBar](UINT nID) {
        pBar->SendMessage(WM_COMMAND, nID, 0);
        PumpPending();
    };
    CWTKToolbarButton* pNew = pBar->GetButton(0);
    CWTKToolbarButton* pNoImage = pBar->GetButton(3);

    // Delete, then start and end a group: the selection follows its button.
    Select(pBar, 1);
    command(ID_WTK_BUTTON_DELETE);
    EXPECT_EQ(Ids(*pBar), (std::vector<UINT> {kN, kS, ID_NO_IMAGE_2}));
    EXPECT_EQ(pBar->GetCustomizeSelection(), -1);
    Select(pBar, 1);
    command(ID_WTK_BUTTON_START_GROUP);
    EXPECT_EQ(Ids(*pBar), (std::vector<UINT> {kN, 0, kS, ID_NO_IMAGE_2}));
    EXPECT_EQ(pBar->GetCustomizeSelection(), 2);
    command(ID_WTK_BUTTON_START_GROUP);
    EXPECT_EQ(Ids(*pBar), (std::vector<UINT> {kN, kS, ID_NO_IMAGE_2}));
    EXPECT_EQ(pBar->GetCustomizeSelection(), 1);

    // Display modes of a button with an image and a default text.
    struct Display {
        BOOL bImage;
        BOOL bText;
    };
    const struct {
        UINT nCommand;
        Display expected;
    } modes[] = {
        {ID_WTK_BUTTON_TEXT, {FALSE, TRUE}},  {ID_WTK_BUTTON_IMAGE_AND_TEXT, {TRUE, TRUE}},
        {ID_WTK_BUTTON_IMAGE, {TRUE, FALSE}}, {ID_WTK_BUTTON_TEXT, {FALSE, TRUE}},
        {ID_WTK_BUTTON_RESET, {TRUE, FALSE}},
    };
    Select(pBar, 0);
    for (const auto& m : modes) {
        command(m.nCommand);
        EXPECT_EQ(pNew->m_bImage, m.expected.bImage) << "after command " << m.nCommand;
        EXPECT_EQ(pNew->m_bText, m.expected.bText) << "after command " << m.nCommand;
    }
    EXPECT_STREQ(pNew->m_strText, "New");
    EXPECT_EQ(g_nBeeps, 0);
    EXPECT_EQ(m_sheet.m_nEdits, 0) << "a button with an image needs no appearance dialog";

    // Its image goes to the clipboard.
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    command(ID_WTK_BUTTON_COPY_IMAGE);
    EXPECT_TRUE(::IsClipboardFormatAvailable(CF_BITMAP));

    // A button without image or text: text beeps and falls back to the image, which only the
    // appearance dialog can give; cancelling it keeps the display, OK takes the new image.
    Select(pBar, 2);
    pNoImage->m_strText.Empty();
    const Display before {pNoImage->m_bImage, pNoImage->m_bText};
    command(ID_WTK_BUTTON_TEXT);
    EXPECT_EQ(g_nBeeps, 1);
    EXPECT_EQ(m_sheet.m_nEdits, 1);
    EXPECT_EQ(pNoImage->m_bImage, before.bImage);
    EXPECT_EQ(pNoImage->m_bText, before.bText);
    m_sheet.m_bOk = TRUE;
    m_sheet.m_iImage = 2;
    command(ID_WTK_BUTTON_IMAGE);
    EXPECT_EQ(m_sheet.m_nEdits, 2);
    EXPECT_EQ(m_sheet.m_pLastParent, pBar);
    EXPECT_EQ(pNoImage->GetImage(), 2);
    EXPECT_TRUE(pNoImage->m_bImage);
    EXPECT_FALSE(pNoImage->m_bText);

    // A new menu button goes in at the selection through the dialog; cancelled, nothing comes.
    m_sheet.m_bOk = FALSE;
    command(ID_WTK_BUTTON_NEW_MENU);
    EXPECT_EQ(Ids(*pBar), (std::vector<UINT> {kN, kS, ID_NO_IMAGE_2}));
    m_sheet.m_bOk = TRUE;
    m_sheet.m_iImage = -1;
    m_sheet.m_strText = "&Tools";
    command(ID_WTK_BUTTON_NEW_MENU);
    ASSERT_EQ(Ids(*pBar), (std::vector<UINT> {kN, kS, 0, ID_NO_IMAGE_2}));
    auto* pMenuButton = dynamic_cast<CWTKToolbarMenuButton*>(pBar->GetButton(2));
    ASSERT_NE(pMenuButton, nullptr);
    EXPECT_EQ(pBar->GetCustomizeSelection(), 2);
    EXPECT_STREQ(pMenuButton->m_strText, "&Tools");
    EXPECT_TRUE(pMenuButton->m_bText);
    EXPECT_FALSE(pMenuButton->m_bImage);
    pMenuButton->OnCancelMode();
    PumpPending();
}

TEST_F(CustomizeModeTest, HidingAndShowingABarTellsTheSheet)
{
    CTestBar* pBar = AddBar({kN, kO});
    ASSERT_NE(pBar, nullptr);
    pBar->ShowWindow(SW_HIDE);
    pBar->ShowWindow(SW_SHOW);
    EXPECT_TRUE(m_sheet.m_shown.empty()) << "outside customise mode the sheet hears nothing";

    CWTKToolBar::SetCustomizeMode(TRUE);
    Select(pBar, 1);
    ASSERT_EQ(CWTKToolBar::GetCustomizeTarget(), pBar);
    pBar->ShowWindow(SW_HIDE);
    EXPECT_EQ(CWTKToolBar::GetCustomizeTarget(), nullptr);
    EXPECT_EQ(pBar->GetCustomizeSelection(), -1);
    pBar->ShowWindow(SW_SHOW);
    const std::vector<std::pair<CWTKToolBar*, BOOL>> expected = {{pBar, FALSE}, {pBar, TRUE}};
    EXPECT_EQ(m_sheet.m_shown, expected);
}

TEST_F(CustomizeModeTest, ResizingAControlButtonByItsRightEdge)
{
    CTestBar* pBar = AddBar({kN});
    ASSERT_NE(pBar, nullptr);
    CWTKToolbarEditBoxButton* pEdit = AddEditBox(pBar, ID_FIND);
    ASSERT_NE(pEdit, nullptr);
    Layout();
    CWTKToolBar::SetCustomizeMode(TRUE);
    const int iEdit = pBar->ButtonToIndex(pEdit);

    const struct {
        const char* name;
        int nReleaseFromRight;  // where the button is let go, from its right edge
        int nWidthChange;
    } cases[] = {
        {"widened by 30", 30, 30},
        {"narrowed by 20", -20, -20},
        {"let go near the old edge", 4, 0},
    };
    for (const auto& c : cases) {
        const CRect rect = ItemRect(*pBar, iEdit);
        const int y = rect.CenterPoint().y;
        const CPoint ptRelease(rect.right + c.nReleaseFromRight, y);
        pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(CPoint(rect.right - 2, y)));
        pBar->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(ptRelease));
        pBar->SendMessage(WM_LBUTTONUP, 0, PointParam(ptRelease));
        EXPECT_EQ(ItemRect(*pBar, iEdit).Width(), rect.Width() + c.nWidthChange) << c.name;
        EXPECT_EQ(pBar->GetCustomizeSelection(), iEdit) << c.name;
        EXPECT_EQ(::GetCapture(), nullptr) << c.name;
    }
}

// The items of a menu opened in customise mode take the display commands of the context menu.
TEST_F(CustomizeModeTest, PopupMenuItemsTakeTheirDisplayCommands)
{
    CTestBar* pBar = AddBar({kN});
    ASSERT_NE(pBar, nullptr);
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_TEST_OPEN, "&Open");
    ::AppendMenuA(hMenu, MF_STRING, ID_TEST_SAVE, "&Save");
    pBar->InsertButton(CWTKToolbarMenuButton(0, hMenu, -1, "&File"));
    ::DestroyMenu(hMenu);
    Layout();
    CWTKToolBar::SetCustomizeMode(TRUE);
    auto* pTitle = dynamic_cast<CWTKToolbarMenuButton*>(pBar->GetButton(1));
    ASSERT_NE(pTitle, nullptr);
    ASSERT_TRUE(pTitle->OnClick(pBar, FALSE));
    ASSERT_NE(pTitle->GetPopupMenu(), nullptr);
    CWTKPopupMenuBar* pItems = pTitle->GetPopupMenu()->GetMenuBar();
    ASSERT_NE(pItems, nullptr);
    ASSERT_EQ(pItems->CommandToIndex(ID_TEST_OPEN), 0);

    g_plan.kind = released;
    const CPoint point = ItemRect(*pItems, 0).CenterPoint();
    pItems->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(point));
    pItems->SendMessage(WM_LBUTTONUP, 0, PointParam(point));
    ASSERT_EQ(pItems->GetCustomizeSelection(), 0);
    pItems->SendMessage(WM_COMMAND, ID_WTK_BUTTON_TEXT, 0);
    EXPECT_TRUE(WTKGetCmdMgr()->IsMenuItemWithoutImage(ID_TEST_OPEN));
    pItems->SendMessage(WM_COMMAND, ID_WTK_BUTTON_IMAGE_AND_TEXT, 0);
    EXPECT_FALSE(WTKGetCmdMgr()->IsMenuItemWithoutImage(ID_TEST_OPEN));
    pTitle->OnCancelMode();
    PumpPending();
}

// Holds a drag of a button over its own bar while the bar is copied, then cancels it.
struct HeldDrag {
    Canvas* pShot = nullptr;
    int iDropIndex = -1;
    CRect rectMarker;
};
HeldDrag g_held;

DROPEFFECT HoldForScreenshot(COleDataSource& source, const CRect& /*rectStartScreen*/)
{
    CTestBar* pBar = g_plan.pSource;
    IDropTarget* pTarget = pBar->DropTarget();
    CPoint point = g_plan.ptDrop;
    pBar->ClientToScreen(&point);
    const POINTL pt {point.x, point.y};
    DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    pTarget->DragEnter(source.GetDataObject(), MK_LBUTTON, pt, &dwEffect);
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    pTarget->DragOver(MK_LBUTTON, pt, &dwEffect);
    pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
    g_held.pShot->CopyFromWindow(pBar->GetSafeHwnd(), false);
    g_held.iDropIndex = pBar->DropIndex();
    g_held.rectMarker = pBar->DropMarker();
    pTarget->DragLeave();
    WTKGetButtonDragSource().m_bEscapePressed = TRUE;
    return DROPEFFECT_NONE;
}

TEST_F(CustomizeModeTest, ScreenshotOfASelectedButtonAndTheDropMarker)
{
    CTestBar* pBar = AddBar({kN, kO, kS, 0, kC, kCo, kP});
    ASSERT_NE(pBar, nullptr);
    CWTKToolBar::SetCustomizeMode(TRUE);
    CRect rectClient;
    pBar->GetClientRect(rectClient);
    Canvas shot(rectClient.Width(), rectClient.Height());
    g_held = HeldDrag();
    g_held.pShot = &shot;

    // Open dragged between Cut and Copy.
    const CRect rCopy = ItemRect(*pBar, 5);
    g_plan.ptDrop = CPoint(rCopy.left + 2, rCopy.CenterPoint().y);
    CWTKToolBar::SetButtonDragFunction(&HoldForScreenshot);
    Press(pBar, 1);
    EXPECT_TRUE(shot.WritePng(ScreenshotFolder() + "\\custmode_drop_marker.png"));

    EXPECT_EQ(g_held.iDropIndex, 5);
    const COLORREF clrMark = WTKGetGlobalData().clrBarText;
    const CRect& marker = g_held.rectMarker;
    const int xMiddle = marker.left + marker.Width() / 2;
    for (int y = marker.top; y < marker.bottom; y++)
        EXPECT_EQ(shot.Pixel(xMiddle, y), clrMark) << "the marker's stroke at y " << y;
    EXPECT_EQ(shot.Pixel(marker.left, marker.top), clrMark) << "its top serif";
    EXPECT_EQ(shot.Pixel(marker.right - 1, marker.bottom - 1), clrMark) << "its bottom serif";
    const CRect rOpen = ItemRect(*pBar, 1);
    EXPECT_EQ(shot.Count(clrMark, CRect(rOpen.left, rOpen.top, rOpen.right, rOpen.top + 2)), 2 * rOpen.Width())
        << "the selection's frame";

    // The cancelled drag left the button selected where it was, and no marker.
    EXPECT_EQ(Ids(*pBar), (std::vector<UINT> {kN, kO, kS, 0, kC, kCo, kP}));
    EXPECT_EQ(pBar->GetCustomizeSelection(), 1);
    EXPECT_EQ(pBar->DropIndex(), -1);
    EXPECT_TRUE(pBar->DropMarker().IsRectEmpty());
}

// Not customise mode but the menu bar's own drag: while the bar is dragged a thread mouse hook
// waits for the release and then says which work area the drop belongs to.
TEST_F(CustomizeModeTest, MenuBarDragHookGivesTheDropTheWorkAreaOnceThenGoes)
{
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CWTKMenuBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(&bar);
    Layout();
    CDockContext* pContext = bar.m_pDockContext;
    ASSERT_NE(pContext, nullptr);

    bar.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
    EXPECT_EQ(CWTKMenuBar::GetDragHookBar(), nullptr) << "no hook without a drag";
    pContext->m_bDragging = TRUE;
    bar.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
    ASSERT_EQ(CWTKMenuBar::GetDragHookBar(), &bar);

    // Moves pass; the release stores the origin of the work area that holds the bar.
    MOUSEHOOKSTRUCT info {};
    info.hwnd = bar.GetSafeHwnd();
    ::GetCursorPos(&info.pt);
    CWTKMenuBar::DragMouseHookProc(HC_ACTION, WM_MOUSEMOVE, reinterpret_cast<LPARAM>(&info));
    EXPECT_FALSE(pContext->m_bWorkAreaOriginSet);
    CWTKMenuBar::DragMouseHookProc(HC_ACTION, WM_LBUTTONUP, reinterpret_cast<LPARAM>(&info));
    RECT rectWork {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
    EXPECT_TRUE(pContext->m_bWorkAreaOriginSet);
    EXPECT_EQ(pContext->m_ptWorkAreaOrigin, CPoint(rectWork.left, rectWork.top));
    EXPECT_EQ(CWTKMenuBar::GetDragHookBar(), nullptr) << "the hook went with the release";

    // A bar that moves lets go of the hook as well.
    bar.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK);
    ASSERT_EQ(CWTKMenuBar::GetDragHookBar(), &bar);
    bar.SetWindowPos(nullptr, 0, 1, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(CWTKMenuBar::GetDragHookBar(), nullptr);
    pContext->m_bDragging = FALSE;
    bar.DestroyWindow();
}

}  // namespace
