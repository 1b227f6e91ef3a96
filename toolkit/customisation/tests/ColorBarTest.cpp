// The colour bar in real windows: its cells fitted to a control's window for palettes of every
// size, the columns and rows of free, floating and docked bars, the special cells, choosing by
// mouse and keys, the other-colours dialog (also when the popup goes away meanwhile), command
// state, tooltips, the archive, the palette, and a colour popup torn off a toolbar.
#include "ColorTestSupport.h"

#include "customisation/ColorButton.h"
#include "customisation/ColorPopup.h"
#include "customisation/WTKColorButton.h"
#include "customisation/WTKColorMenuButton.h"
#include "command_bars/tests/CommandBarSettingsScope.h"

#include "foundation/WTKGlobalData.h"

#include "win/FrameworkRes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr UINT kBarId = 4242;
const CRect kControlRect(10, 10, 170, 130);

CPoint Centre(const CRect& rect)
{
    return rect.CenterPoint();
}

// Indexes of the cells of one kind, in order.
std::vector<int> CellsWhere(const CWTKColorBar& bar, bool (*pred)(const CColorButton&))
{
    std::vector<int> result;
    for (int i = 0; i < bar.GetCount(); i++) {
        if (const CColorButton* pCell = bar.GetColorButton(i); pCell != nullptr && pred(*pCell))
            result.push_back(i);
    }
    return result;
}

bool IsPalette(const CColorButton& c)
{
    return !c.m_bIsAutomatic && !c.m_bIsOther && !c.m_bIsLabel && !c.m_bIsDocument && !c.m_bIsOtherColor;
}
bool IsAutomatic(const CColorButton& c)
{
    return c.m_bIsAutomatic;
}
bool IsOther(const CColorButton& c)
{
    return c.m_bIsOther;
}
bool IsCurrent(const CColorButton& c)
{
    return c.m_bIsOtherColor;
}
bool IsDocColour(const CColorButton& c)
{
    return c.m_bIsDocument && !c.m_bIsLabel;
}
bool IsHighlighted(const CColorButton& c)
{
    return c.m_bHighlight != FALSE;
}

class ColorBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CWTKColorMenuButton::ClearColorsByCmdID();
        ASSERT_TRUE(m_host.CreateHost(320, 260));
    }
    void TearDown() override
    {
        // The windows go first, each through its own handlers; then the objects.
        m_host.DestroyWindow();
        PumpPending();
        m_bars.clear();
    }

    // A free bar as a control of the host, with the colours given.
    CWTKColorBar& MakeControl(const CWTKColorArray& colours, CRect rect = kControlRect, int nColumns = -1)
    {
        m_bars.push_back(std::make_unique<CWTKColorBar>());
        CWTKColorBar& bar = *m_bars.back();
        EXPECT_TRUE(bar.CreateControl(&m_host, rect, kBarId, nColumns));
        bar.SetColors(colours);
        bar.ContextToSize(TRUE, TRUE);
        return bar;
    }

    CColorTestHost m_host;
    std::vector<std::unique_ptr<CWTKColorBar>> m_bars;
};

TEST_F(ColorBarTest, CellsFitTheControlWindowForPalettesOfEverySize)
{
    struct Case {
        int nColours;
        CRect rect;
        bool bRoomy;  // every cell fits inside
    } cases[] = {
        {0, kControlRect, true},  {1, kControlRect, true},   {20, kControlRect, true},
        {40, kControlRect, true}, {256, kControlRect, true}, {20, CRect(10, 10, 16, 15), false},  // below the margins
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nColours << " colours in " << c.rect.Width() << "x" << c.rect.Height());
        CWTKColorBar& bar = MakeControl(MakeColours(c.nColours), c.rect);
        const CSize cell = bar.GetCellSize();
        EXPECT_GE(cell.cx, 1);
        EXPECT_EQ(cell.cx, cell.cy) << "square cells";
        EXPECT_EQ(c.nColours, static_cast<int>(CellsWhere(bar, IsPalette).size()));
        if (!c.bRoomy)
            continue;
        CRect rectClient;
        bar.GetClientRect(rectClient);
        EXPECT_LE(bar.CalcSize(FALSE).cy, rectClient.Height());
        EXPECT_LE(bar.CalcSize(FALSE).cx, rectClient.Width());
        for (int i : CellsWhere(bar, IsPalette)) {
            const CRect rect = bar.GetButton(i)->m_rect;
            EXPECT_FALSE(rect.IsRectEmpty()) << "cell " << i;
            EXPECT_TRUE(rectClient.PtInRect(rect.TopLeft()) && rect.right <= rectClient.right &&
                        rect.bottom <= rectClient.bottom)
                << "cell " << i << " leaves the window";
        }
    }
}

TEST_F(ColorBarTest, ControlColumnsComeFromThePaletteAndTheArea)
{
    // Searching down from the entry count, the first count whose square cells (area width /
    // columns) in entries / columns rows are taller than the area, plus one.
    struct Case {
        int nEntries;
        CSize area;
        int nExpected;
    } cases[] = {
        {20, CSize(152, 112), 6},     // 5 columns: 30 x 4 = 120 > 112
        {16, CSize(60, 60), 4},       // 4 columns: 15 x 4 = 60 fits; 3: 20 x 5 = 100 does not
        {20, CSize(100, 10000), -1},  // every count fits: the square-root rule applies
        {0, CSize(152, 112), -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nEntries << " entries in " << c.area.cx << "x" << c.area.cy);
        EXPECT_EQ(c.nExpected, CWTKColorBar::FindControlColumns(c.nEntries, c.area));
    }
}

TEST_F(ColorBarTest, FreeBarsUseTheColumnsOrTheSquareRootRule)
{
    struct Case {
        int nColours;
        int nColumns;
        int nExpectedColumns;
        int nExpectedRows;
    } cases[] = {
        {40, 0, 7, 6},                  // floor(sqrt(40)) + 1 = 7 columns, 6 rows
        {20, 4, 4, 5}, {20, -1, 5, 4},  // floor(sqrt(20)) + 1 = 5
        {1, 0, 2, 1},  {0, 0, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nColours << " colours, columns " << c.nColumns);
        CWTKColorBar bar;
        bar.SetColors(MakeColours(c.nColours));
        bar.SetColumns(c.nColumns);
        int nColumns = 0;
        int nRows = 0;
        bar.GetColumnsAndRows(FALSE, nColumns, nRows);
        EXPECT_EQ(c.nExpectedColumns, nColumns);
        EXPECT_EQ(c.nExpectedRows, nRows);
    }
}

TEST_F(ColorBarTest, AutomaticOtherAndCurrentColourCells)
{
    const CWTKColorArray& colours = MakeColours(8);
    CWTKColorBar& bar = MakeControl(colours, CRect(10, 10, 170, 200), 4);
    bar.EnableAutomaticButton("Automatic", RGB(0, 0, 0));
    bar.EnableOtherButton("More Colors...");
    ASSERT_EQ(1u, CellsWhere(bar, IsAutomatic).size());
    ASSERT_EQ(1u, CellsWhere(bar, IsOther).size());
    ASSERT_EQ(1u, CellsWhere(bar, IsCurrent).size());
    const int iAuto = CellsWhere(bar, IsAutomatic)[0];
    const int iOther = CellsWhere(bar, IsOther)[0];
    const int iCurrent = CellsWhere(bar, IsCurrent)[0];

    // Automatic: its cell is the highlighted one; no current-colour cell; the other-colours
    // cell runs across the bar (less its half margins).
    EXPECT_EQ(std::vector<int> {iAuto}, CellsWhere(bar, IsHighlighted));
    EXPECT_TRUE(bar.GetButton(iCurrent)->m_rect.IsRectEmpty());
    CRect rectClient;
    bar.GetClientRect(rectClient);
    const CRect rectOtherFull = bar.GetButton(iOther)->m_rect;
    int nCellsRight = 0;
    for (int i : CellsWhere(bar, IsPalette))
        nCellsRight = std::max<int>(nCellsRight, bar.GetButton(i)->m_rect.right);
    EXPECT_EQ(nCellsRight - CWTKColorBar::kMarginX / 2, rectOtherFull.right) << "4 full rows of 4";

    // A colour outside the palette: shown in the current-colour cell beside a shorter
    // other-colours cell, on its row.
    bar.SetColor(RGB(1, 2, 3));
    const CRect rectCurrent = bar.GetButton(iCurrent)->m_rect;
    const CRect rectOther = bar.GetButton(iOther)->m_rect;
    ASSERT_FALSE(rectCurrent.IsRectEmpty());
    EXPECT_EQ(RGB(1, 2, 3), bar.GetColorButton(iCurrent)->m_Color);
    EXPECT_EQ(std::vector<int> {iCurrent}, CellsWhere(bar, IsHighlighted));
    EXPECT_LT(rectOther.right, rectCurrent.left);
    EXPECT_TRUE(rectCurrent.top < rectOther.bottom && rectCurrent.bottom > rectOther.top) << "on the same row";

    // A palette colour: its cell, and no current-colour cell again.
    bar.SetColor(colours[2]);
    const std::vector<int> palette = CellsWhere(bar, IsPalette);
    EXPECT_EQ(std::vector<int> {palette[2]}, CellsWhere(bar, IsHighlighted));
    EXPECT_TRUE(bar.GetButton(iCurrent)->m_rect.IsRectEmpty());

    // Without an automatic text there is no automatic cell, and -1 highlights nothing.
    bar.EnableAutomaticButton(nullptr, RGB(0, 0, 0), FALSE);
    bar.SetColor(static_cast<COLORREF>(-1));
    EXPECT_TRUE(CellsWhere(bar, IsAutomatic).empty());
    EXPECT_TRUE(CellsWhere(bar, IsHighlighted).empty());
}

TEST_F(ColorBarTest, ChoosingByMouseAndKeysSendsTheBarCommand)
{
    const CWTKColorArray& colours = MakeColours(12);
    CWTKColorBar& bar = MakeControl(colours);
    const std::vector<int> cells = CellsWhere(bar, IsPalette);

    // A press alone chooses nothing; the release over the cell does.
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                    MAKELPARAM(Centre(bar.GetButton(cells[3])->m_rect).x, Centre(bar.GetButton(cells[3])->m_rect).y));
    EXPECT_TRUE(m_host.EventsOf(WM_COMMAND).empty());
    ClickAt(&bar, Centre(bar.GetButton(cells[3])->m_rect));
    ASSERT_EQ(1u, m_host.EventsOf(WM_COMMAND).size());
    EXPECT_EQ(kBarId, m_host.EventsOf(WM_COMMAND)[0].wParam);
    EXPECT_EQ(0, m_host.EventsOf(WM_COMMAND)[0].lParam);
    EXPECT_EQ(colours[3], bar.GetColor());
    EXPECT_EQ(colours[3], CWTKColorMenuButton::GetColorByCmdID(kBarId));

    // Enter chooses the hot cell after putting the idle prompt back.
    bar.SetHot(cells[5]);
    m_host.m_events.clear();
    EXPECT_TRUE(bar.OnKey(VK_RETURN));
    ASSERT_EQ(2u, m_host.m_events.size());
    EXPECT_EQ(static_cast<UINT>(WM_SETMESSAGESTRING), m_host.m_events[0].message);
    EXPECT_EQ(static_cast<WPARAM>(FW_IDS_IDLEMESSAGE), m_host.m_events[0].wParam);
    EXPECT_EQ(static_cast<UINT>(WM_COMMAND), m_host.m_events[1].message);
    EXPECT_EQ(colours[5], bar.GetColor());

    // Customise mode: the bar ignores the mouse.
    m_host.m_events.clear();
    CWTKToolBar::SetCustomizeMode(TRUE);
    ClickAt(&bar, Centre(bar.GetButton(cells[7])->m_rect));
    CWTKToolBar::SetCustomizeMode(FALSE);
    EXPECT_TRUE(m_host.EventsOf(WM_COMMAND).empty());
    EXPECT_EQ(colours[5], bar.GetColor());
}

TEST_F(ColorBarTest, OtherColoursCellOpensTheDialogThroughTheSeam)
{
    CWTKColorBar& bar = MakeControl(MakeColours(6));
    bar.EnableAutomaticButton("Automatic", RGB(9, 9, 9));
    bar.EnableOtherButton("More Colors...", FALSE);  // the platform's chooser
    const int iOther = CellsWhere(bar, IsOther)[0];

    struct Case {
        BOOL bOK;
        COLORREF colorExpected;
        size_t nCommands;
    } cases[] = {{FALSE, static_cast<COLORREF>(-1), 0}, {TRUE, RGB(10, 20, 30), 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bOK ? "OK" : "Cancel");
        m_host.m_events.clear();
        ScriptedColourDialog dialog([&](COLORREF, COLORREF& colorResult) {
            EXPECT_TRUE(bar.IsDialogBusy());
            colorResult = RGB(10, 20, 30);
            return c.bOK;
        });
        ClickAt(&bar, Centre(bar.GetButton(iOther)->m_rect));
        ASSERT_EQ(1u, dialog.m_calls.size());
        EXPECT_TRUE(dialog.m_calls[0].bStandard);
        EXPECT_EQ(RGB(9, 9, 9), dialog.m_calls[0].colorInit) << "automatic stands for the current colour";
        EXPECT_FALSE(bar.IsDialogBusy());
        EXPECT_EQ(c.colorExpected, bar.GetColor());
        EXPECT_EQ(c.nCommands, m_host.EventsOf(WM_COMMAND).size());
    }
    // The chosen colour shows in the current-colour cell.
    const int iCurrent = CellsWhere(bar, IsCurrent)[0];
    EXPECT_FALSE(bar.GetButton(iCurrent)->m_rect.IsRectEmpty());
    EXPECT_EQ(RGB(10, 20, 30), bar.GetColorButton(iCurrent)->m_Color);
}

TEST_F(ColorBarTest, ColourButtonDropDownChoosesAndSurvivesItsPopupGoingAway)
{
    CWTKColorButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(20, 20, 90, 44), &m_host, 77));
    button.EnableOtherButton("More Colors...");
    button.SetColor(RGB(5, 5, 5));

    // A plain cell: the colour, WM_COMMAND with the button's id, and the popup closes.
    ASSERT_TRUE(button.OpenPopup());
    ASSERT_NE(nullptr, button.GetPopup());
    CWTKColorBar* pBar = button.GetPopup()->GetColorBar();
    EXPECT_EQ(CWTKColorBar::kOwnerColorButton, pBar->GetOwnerKind());
    EXPECT_EQ(pBar->GetSafeHwnd(), ::GetCapture()) << "the drop-down captures the mouse";
    const int iCell = CellsWhere(*pBar, IsPalette)[4];
    const COLORREF colorCell = pBar->GetColorButton(iCell)->m_Color;
    RunIdle();
    EXPECT_EQ(0u, pBar->GetButton(iCell)->m_nStyle & TBBS_DISABLED) << "no command state for a drop-down";
    ClickAt(pBar, Centre(pBar->GetButton(iCell)->m_rect));
    PumpPending();
    EXPECT_EQ(colorCell, button.GetColor());
    ASSERT_EQ(1u, m_host.EventsOf(WM_COMMAND).size());
    EXPECT_EQ(MAKEWPARAM(77, 0), m_host.EventsOf(WM_COMMAND)[0].wParam);
    EXPECT_EQ(nullptr, button.GetPopup());

    // The popup is destroyed while the dialog runs: nothing of the bar is used afterwards (the
    // poisoned heap would crash), and the button is told its popup is gone.
    m_host.m_events.clear();
    ASSERT_TRUE(button.OpenPopup());
    pBar = button.GetPopup()->GetColorBar();
    CColorPopup* pPopup = button.GetPopup();
    ScriptedColourDialog dialog([&](COLORREF, COLORREF& colorResult) {
        pPopup->DestroyWindow();
        colorResult = RGB(200, 100, 50);
        return TRUE;
    });
    const int iOther = CellsWhere(*pBar, IsOther)[0];
    ClickAt(pBar, Centre(pBar->GetButton(iOther)->m_rect));
    PumpPending();
    EXPECT_EQ(1u, dialog.m_calls.size());
    EXPECT_EQ(nullptr, button.GetPopup());
    EXPECT_EQ(colorCell, button.GetColor());
    EXPECT_TRUE(m_host.EventsOf(WM_COMMAND).empty());

    // Escape, a right press outside and a press outside close the drop-down without a choice.
    const std::function<void(CWTKColorBar*)> closers[] = {
        [](CWTKColorBar* p) { p->OnKey(VK_ESCAPE); },
        [](CWTKColorBar* p) { p->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(-20, -20)); },
        [](CWTKColorBar* p) { p->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 300)); },
    };
    for (const auto& close : closers) {
        ASSERT_TRUE(button.OpenPopup());
        close(button.GetPopup()->GetColorBar());
        PumpPending();
        EXPECT_EQ(nullptr, button.GetPopup());
        EXPECT_EQ(colorCell, button.GetColor());
    }
    EXPECT_TRUE(m_host.EventsOf(WM_COMMAND).empty());
    button.DestroyWindow();
}

TEST_F(ColorBarTest, CommandStateFollowsTheUpdateRoute)
{
    CColorTestFrame* pFrame = CreateColorFrame();
    ASSERT_NE(nullptr, pFrame);
    struct Case {
        UINT uiCommand;
        BOOL bFillEnabled;
        BOOL bDisableIfNoHndler;
        bool bEnabled;
    } cases[] = {
        {ID_COLOUR_NO_UPDATE, TRUE, FALSE, false},  // a command handler but no update handler
        {ID_COLOUR_NO_UPDATE, TRUE, TRUE, true},    // ... counts when asked to
        {ID_COLOUR_UNHANDLED, TRUE, TRUE, false},   // nobody handles it
        {ID_COLOUR_FILL, TRUE, FALSE, true},        // the update handler's answer counts
        {ID_COLOUR_FILL, FALSE, TRUE, false},
    };
    CWTKColorBar& bar = MakeControl(MakeColours(4));
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << c.uiCommand << ", fill enabled " << c.bFillEnabled
                                        << ", disable without handler " << c.bDisableIfNoHndler);
        pFrame->m_bFillEnabled = c.bFillEnabled;
        bar.SetCommandID(c.uiCommand);
        bar.OnUpdateCmdUI(pFrame, c.bDisableIfNoHndler);
        for (int i : CellsWhere(bar, IsPalette))
            EXPECT_EQ(c.bEnabled, (bar.GetButton(i)->m_nStyle & TBBS_DISABLED) == 0) << "cell " << i;
    }
    CloseColourFrame(pFrame);
}

TEST_F(ColorBarTest, CellTooltips)
{
    CColorButton::SetColorName(RGB(0, 128, 0), "Green");
    struct Case {
        COLORREF color;
        BOOL bAutomatic;
        BOOL bDisabled;
        BOOL bTooltips;
        const char* pszExpected;
    } cases[] = {
        {RGB(255, 0, 128), FALSE, FALSE, TRUE, "Hex={FF,00,80}"},
        {RGB(0, 128, 0), FALSE, FALSE, TRUE, "Green"},
        {RGB(0, 0, 0), TRUE, FALSE, TRUE, "Automatic"},
        {RGB(255, 0, 128), FALSE, TRUE, TRUE, ""},
        {RGB(255, 0, 128), FALSE, FALSE, FALSE, ""},
    };
    {
        const CommandBarSettingsScope settings;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.pszExpected);
            WTKGetCommandBarSettings().bShowTooltips = c.bTooltips;
            CColorButton cell(c.color, c.bAutomatic, FALSE, c.bAutomatic ? "&Automatic" : nullptr);
            if (c.bDisabled)
                cell.m_nStyle |= TBBS_DISABLED;
            EXPECT_STREQ(c.pszExpected, static_cast<LPCSTR>(cell.GetTooltipText()));
        }
    }
    CColorButton::RemoveAllColorNames();

    // Through the bar: each cell is a tool of its own.
    CWTKColorBar& bar = MakeControl(MakeColours(3));
    const std::vector<int> cells = CellsWhere(bar, IsPalette);
    TTTOOLINFOA ti1 = {};
    TTTOOLINFOA ti2 = {};
    const INT_PTR nHit1 = bar.OnToolHitTest(Centre(bar.GetButton(cells[1])->m_rect), &ti1);
    const INT_PTR nHit2 = bar.OnToolHitTest(Centre(bar.GetButton(cells[2])->m_rect), &ti2);
    EXPECT_NE(nHit1, nHit2);
    const COLORREF c1 = bar.GetColorButton(cells[1])->m_Color;
    CString strExpected;
    strExpected.Format("Hex={%02X,%02X,%02X}", GetRValue(c1), GetGValue(c1), GetBValue(c1));
    ASSERT_NE(nullptr, ti1.lpszText);
    EXPECT_STREQ(static_cast<LPCSTR>(strExpected), ti1.lpszText);
    std::free(ti1.lpszText);
    std::free(ti2.lpszText);
}

TEST_F(ColorBarTest, ArchiveRoundTripAndDamagedCounts)
{
    CWTKColorBar source;
    source.SetColors(MakeColours(5));
    source.SetColumns(3);
    source.SetHorzDockRows(2);
    source.SetVertDockColumns(4);
    source.EnableAutomaticButton("Auto", RGB(1, 1, 1));
    source.EnableOtherButton("Other", FALSE);
    source.SetCommandID(ID_COLOUR_TEXT);
    const std::string bytes = StoreArchive([&](CArchive& ar) { source.Serialize(ar); });

    CWTKColorBar copy;
    ASSERT_TRUE(LoadArchive(bytes, [&](CArchive& ar) { copy.Serialize(ar); }));
    WTKColorBarSettings a;
    WTKColorBarSettings b;
    source.GetSettings(a);
    copy.GetSettings(b);
    ASSERT_EQ(a.colors.GetSize(), b.colors.GetSize());
    for (INT_PTR i = 0; i < a.colors.GetSize(); i++)
        EXPECT_EQ(a.colors[i], b.colors[i]);
    EXPECT_EQ(a.nColumns, b.nColumns);
    EXPECT_EQ(a.nHorzDockRows, b.nHorzDockRows);
    EXPECT_EQ(a.nVertDockColumns, b.nVertDockColumns);
    EXPECT_EQ(a.colorAutomatic, b.colorAutomatic);
    EXPECT_STREQ(a.strAutoColor, b.strAutoColor);
    EXPECT_STREQ(a.strOtherColor, b.strOtherColor);
    EXPECT_EQ(a.uiCommandID, b.uiCommandID);
    EXPECT_EQ(a.bStdColorDlg, b.bStdColorDlg);

    // A colour count larger than the data left is refused before anything is allocated, and
    // the bar keeps what it had.
    std::string damaged = bytes;
    const size_t nCountAt = damaged.size() - 5 * sizeof(DWORD) - sizeof(DWORD);
    const DWORD dwHuge = 0x10000000;
    damaged.replace(nCountAt, sizeof(DWORD), reinterpret_cast<const char*>(&dwHuge), sizeof(DWORD));
    EXPECT_FALSE(LoadArchive(damaged, [&](CArchive& ar) { copy.Serialize(ar); }));
    EXPECT_EQ(5, copy.GetColors().GetSize());
    // Cut short in the colours.
    EXPECT_FALSE(LoadArchive(bytes.substr(0, bytes.size() - 2), [&](CArchive& ar) { copy.Serialize(ar); }));
    EXPECT_EQ(5, copy.GetColors().GetSize());
}

TEST_F(ColorBarTest, PaletteOnlyAtEightBitsPerPixel)
{
    struct Case {
        int nBits;
        int nColours;
        int nEntries;  // 0: no palette
    } cases[] = {{8, 20, 20}, {8, 150, 100}, {16, 20, 0}, {32, 20, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nBits << " bits, " << c.nColours << " colours");
        ScreenDepth depth(c.nBits);
        CWTKColorBar& bar = MakeControl(MakeColours(c.nColours));
        bar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        CPalette* pPalette = bar.GetPalette();
        if (c.nEntries == 0) {
            EXPECT_EQ(nullptr, pPalette);
            continue;
        }
        ASSERT_NE(nullptr, pPalette);
        EXPECT_EQ(static_cast<UINT>(c.nEntries), pPalette->GetPaletteEntries(0, 0, nullptr));
    }
}

// ---- Popups of colour menu buttons, tear-off and docking ----

class ColorPopupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CWTKColorMenuButton::ClearColorsByCmdID();
        WTKGetCommandBarSettings().menuAnimation = WTKMenuAnimation::None;
        m_pFrame = CreateColorFrame();
        ASSERT_NE(nullptr, m_pFrame);
        m_pButton = dynamic_cast<CWTKColorMenuButton*>(m_pFrame->m_wndToolBar.GetButton(0));
        ASSERT_NE(nullptr, m_pButton);
    }
    void TearDown() override
    {
        if (m_pTearOff != nullptr) {
            m_pTearOff->DestroyWindow();
            delete m_pTearOff;
        }
        CloseColourFrame(m_pFrame);
    }
    CColorPopup* OpenPopup()
    {
        EXPECT_TRUE(m_pButton->OpenPopupMenu());
        RunIdle();
        return dynamic_cast<CColorPopup*>(m_pButton->GetPopupMenu());
    }
    void ClosePopup()
    {
        if (CWTKPopupMenu* pPopup = m_pButton->GetPopupMenu())
            pPopup->SendMessage(WM_CLOSE);
        RunIdle();
    }

    // The tests turn the menu animation off: it is put back after each.
    const CommandBarSettingsScope m_settings;
    CColorTestFrame* m_pFrame = nullptr;
    CWTKColorMenuButton* m_pButton = nullptr;
    CWTKColorBar* m_pTearOff = nullptr;
};

TEST_F(ColorPopupTest, PopupShowsDocumentColoursAndChoosesForTheButton)
{
    m_pFrame->m_docColors = {RGB(1, 2, 3), RGB(4, 5, 6)};
    CColorPopup* pPopup = OpenPopup();
    ASSERT_NE(nullptr, pPopup);
    CWTKColorBar* pBar = pPopup->GetColorBar();
    ASSERT_EQ(2u, CellsWhere(*pBar, IsDocColour).size());
    for (int i : CellsWhere(*pBar, IsDocColour))
        EXPECT_FALSE(pBar->GetButton(i)->m_rect.IsRectEmpty()) << "document colours show in a popup";

    const int iCell = CellsWhere(*pBar, IsDocColour)[1];
    ClickAt(pBar, Centre(pBar->GetButton(iCell)->m_rect));
    RunIdle();
    EXPECT_EQ(RGB(4, 5, 6), m_pButton->GetColor());
    EXPECT_EQ(RGB(4, 5, 6), CWTKColorMenuButton::GetColorByCmdID(ID_COLOUR_TEXT));
    EXPECT_EQ(std::vector<UINT> {ID_COLOUR_TEXT}, m_pFrame->m_commands);
    EXPECT_EQ(nullptr, m_pButton->GetPopupMenu());
}

TEST_F(ColorPopupTest, OtherColoursOfAPopupGoThroughTheButton)
{
    struct Case {
        BOOL bOK;
        COLORREF colorExpected;
        size_t nCommands;
    } cases[] = {{FALSE, static_cast<COLORREF>(-1), 0}, {TRUE, RGB(12, 34, 56), 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bOK ? "OK" : "Cancel");
        m_pFrame->m_commands.clear();
        CColorPopup* pPopup = OpenPopup();
        ASSERT_NE(nullptr, pPopup);
        const HWND hWndPopup = pPopup->GetSafeHwnd();
        CWTKColorBar* pBar = pPopup->GetColorBar();
        BOOL bHiddenDuringDialog = FALSE;
        ScriptedColourDialog dialog([&](COLORREF, COLORREF& colorResult) {
            bHiddenDuringDialog = !::IsWindowVisible(hWndPopup);
            colorResult = RGB(12, 34, 56);
            return c.bOK;
        });
        const int iOther = CellsWhere(*pBar, IsOther)[0];
        ClickAt(pBar, Centre(pBar->GetButton(iOther)->m_rect));
        RunIdle();
        ASSERT_EQ(1u, dialog.m_calls.size());
        EXPECT_FALSE(dialog.m_calls[0].bStandard) << "the button's choice: the toolkit's dialog";
        EXPECT_EQ(RGB(0, 0, 0), dialog.m_calls[0].colorInit) << "automatic stands for the current colour";
        EXPECT_TRUE(bHiddenDuringDialog);
        EXPECT_FALSE(::IsWindow(hWndPopup)) << "the popup closes either way";
        EXPECT_EQ(c.colorExpected, m_pButton->GetColor());
        EXPECT_EQ(c.nCommands, m_pFrame->m_commands.size());
    }
}

TEST_F(ColorPopupTest, TornOffBarShowsDocumentColoursOnlyWhileFloating)
{
    m_pFrame->m_docColors = {RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9)};
    m_pButton->SetColumnsNumber(5);
    CColorPopup* pPopup = OpenPopup();
    ASSERT_NE(nullptr, pPopup);
    CWTKToolBar* pBar = pPopup->CreateTearOffBar(m_pFrame, IDW_COLOUR_TEAROFF, "Text Colour");
    m_pTearOff = dynamic_cast<CWTKColorBar*>(pBar);
    ASSERT_NE(nullptr, m_pTearOff);
    ClosePopup();
    EXPECT_TRUE(m_pTearOff->IsTearOff());
    EXPECT_EQ(ID_COLOUR_TEXT, m_pTearOff->GetCommandID());
    EXPECT_EQ(m_pButton->GetColors().GetSize(), m_pTearOff->GetColors().GetSize());
    EXPECT_EQ(3u, CellsWhere(*m_pTearOff, IsDocColour).size());

    m_pFrame->DockControlBar(m_pTearOff);
    RunIdle();
    const int nDockedHeight = m_pTearOff->CalcSize(FALSE).cy;
    for (int i : CellsWhere(*m_pTearOff, IsDocColour))
        EXPECT_TRUE(m_pTearOff->GetButton(i)->m_rect.IsRectEmpty()) << "docked: no document colours";

    m_pFrame->FloatControlBar(m_pTearOff, CPoint(200, 200));
    RunIdle();
    EXPECT_GT(m_pTearOff->CalcSize(FALSE).cy, nDockedHeight);
    m_pTearOff->AdjustLocations();
    for (int i : CellsWhere(*m_pTearOff, IsDocColour))
        EXPECT_FALSE(m_pTearOff->GetButton(i)->m_rect.IsRectEmpty()) << "floating: document colours";

    // Choosing on the free bar reaches the command's buttons and the frame.
    const int iCell = CellsWhere(*m_pTearOff, IsPalette)[2];
    const COLORREF colorCell = m_pTearOff->GetColorButton(iCell)->m_Color;
    ClickAt(m_pTearOff, Centre(m_pTearOff->GetButton(iCell)->m_rect));
    RunIdle();
    EXPECT_EQ(colorCell, m_pButton->GetColor());
    EXPECT_EQ(std::vector<UINT> {ID_COLOUR_TEXT}, m_pFrame->m_commands);
}

TEST_F(ColorPopupTest, DockedBarsUseTheirDockedLayoutValues)
{
    struct Case {
        int nRowsHorz;
        int nColumnsVert;
        UINT uiDockBar;
        int nColumns;
        int nRows;
    } cases[] = {
        {2, 0, FW_IDW_DOCKBAR_TOP, 10, 2},  // 20 colours in 2 rows
        {0, 5, FW_IDW_DOCKBAR_TOP, 5, 4},   // no rows given: the vertical columns
        {2, 5, FW_IDW_DOCKBAR_LEFT, 5, 4},
        {0, 0, FW_IDW_DOCKBAR_LEFT, 5, 4},  // neither: floor(sqrt(20)) + 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "rows " << c.nRowsHorz << ", columns " << c.nColumnsVert);
        // An empty bar takes the system palette's 20 colours and the layout values.
        auto bar = std::make_unique<CWTKColorBar>();
        ASSERT_TRUE(bar->Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, IDW_COLOUR_TEAROFF, nullptr, 0, c.nRowsHorz,
                                c.nColumnsVert));
        bar->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(bar.get(), c.uiDockBar);
        RunIdle();
        int nColumns = 0;
        int nRows = 0;
        bar->GetColumnsAndRows(c.uiDockBar == FW_IDW_DOCKBAR_LEFT, nColumns, nRows);
        EXPECT_EQ(c.nColumns, nColumns);
        EXPECT_EQ(c.nRows, nRows);
        bar->DestroyWindow();
        RunIdle();
    }
}

TEST_F(ColorPopupTest, ScreenshotOfTheColourMenu)
{
    m_pFrame->m_docColors = {RGB(255, 200, 0), RGB(0, 120, 200)};
    m_pButton->SetColor(RGB(255, 0, 0), TRUE);
    CColorPopup* pPopup = OpenPopup();
    ASSERT_NE(nullptr, pPopup);
    pPopup->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    m_pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    PumpPending();
    CRect rectShot = ScreenRectOf(m_pFrame->GetSafeHwnd());
    rectShot.UnionRect(rectShot, ScreenRectOf(pPopup->GetSafeHwnd()));
    EXPECT_TRUE(SaveScreenPng(rectShot, "colour_menu.png"));

    // The bar's cells are drawn in their colours: the first palette cell's centre.
    CWTKColorBar* pBar = pPopup->GetColorBar();
    const int iCell = CellsWhere(*pBar, IsPalette)[0];
    CRect rectCell = pBar->GetButton(iCell)->m_rect;
    pBar->ClientToScreen(rectCell);
    HDC hScreen = ::GetDC(nullptr);
    const COLORREF pixel = ::GetPixel(hScreen, rectCell.CenterPoint().x, rectCell.CenterPoint().y);
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_EQ(pBar->GetColorButton(iCell)->m_Color, pixel);
    ClosePopup();
}

}  // namespace
