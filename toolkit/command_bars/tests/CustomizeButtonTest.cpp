// The customise button at the end of a real toolbar: the buttons that do not fit go to its
// list, a floating bar gives it no room, its popup never shows two separators in a row, and the
// Office 2003 look leaves its arrow to the button.
#include "MenuBarTestSupport.h"

#include "command_bars/CustomizeButton.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"

#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKVisualManager2003.h"
#include "foundation/tests/LookScope.h"

#include "bars/DockBar.h"
#include "win/ClientDC.h"

#include "Canvas.h"

#include <string>

namespace {

const UINT kButtons[] = {ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_SAVE, 0, ID_TEST_CUT, ID_TEST_COPY, ID_TEST_PASTE,
                         0,           ID_TEST_BOLD, ID_TEST_PRINT};

struct CustomizeFixture : ::testing::Test {
    void SetUp() override
    {
        pFrame = new CToolBarTestFrame;
        ASSERT_TRUE(pFrame->CreateFrame(TRUE));
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(bar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC, 0xE821));
        ASSERT_TRUE(bar.SetButtons(kButtons, sizeof(kButtons) / sizeof(kButtons[0])));
        bar.EnableCustomizeButton(TRUE, ID_MB_CUSTOMIZE, "&Customize...");
        bar.EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(&bar, FW_IDW_DOCKBAR_TOP);
        pFrame->RecalcLayout();
        PumpPending();
        pCustomize = dynamic_cast<CCustomizeButton*>(bar.GetCustomizeButton());
        ASSERT_NE(pCustomize, nullptr);
    }
    void TearDown() override
    {
        if (pCustomize != nullptr)
            pCustomize->OnCancelMode();
        PumpPending();
        pFrame->DestroyWindow();
        PumpPending();
    }
    // The bar laid out in a given client width (as a frame that narrow would give it).
    void LayOut(int nWidth)
    {
        CRect rect;
        bar.GetWindowRect(&rect);
        bar.GetParent()->ScreenToClient(&rect);
        bar.MoveWindow(rect.left, rect.top, nWidth, rect.Height());
        bar.AdjustLocations();
    }

    CToolBarTestFrame* pFrame = nullptr;
    CWTKToolBar bar;
    CCustomizeButton* pCustomize = nullptr;
};

TEST_F(CustomizeFixture, ButtonsThatDoNotFitAreListedAndTheButtonEndsTheBar)
{
    LayOut(120);
    int nHidden = 0;
    POSITION posList = pCustomize->GetHiddenButtons().GetHeadPosition();
    for (int i = 0; i < bar.GetCount(); i++) {
        CWTKToolbarButton* pButton = bar.GetButton(i);
        if (pButton == pCustomize || !pButton->IsHidden() || pButton->IsSeparator())
            continue;
        nHidden++;
        // The list holds the hidden buttons in bar order (separators among them).
        while (posList != nullptr && pCustomize->GetHiddenButtons().GetAt(posList) != pButton)
            pCustomize->GetHiddenButtons().GetNext(posList);
        EXPECT_NE(posList, nullptr) << "hidden button " << i << " is listed";
    }
    EXPECT_GT(nHidden, 3);
    EXPECT_FALSE(pCustomize->IsHidden());
    CRect rectClient;
    bar.GetClientRect(rectClient);
    EXPECT_EQ(pCustomize->GetRect().right, rectClient.right - 1);
    EXPECT_GT(pCustomize->GetRect().Width(), 0);

    // Wide enough for all: nothing listed, the button stays for its customise command.
    LayOut(600);
    EXPECT_FALSE(pCustomize->HasHiddenButtons());
    EXPECT_FALSE(pCustomize->IsHidden());

    // Floating: no room for it at all and nothing hidden.
    pFrame->FloatControlBar(&bar, CPoint(200, 200));
    PumpPending();
    ASSERT_TRUE(bar.IsFloating());
    CClientDC dc(&bar);
    EXPECT_EQ(pCustomize->OnCalculateSize(&dc, CSize(23, 22), TRUE), CSize(0, 0));
    EXPECT_FALSE(pCustomize->HasHiddenButtons());
    EXPECT_TRUE(pCustomize->IsHidden());
}

TEST_F(CustomizeFixture, PopupNeverStartsWithOrRepeatsASeparator)
{
    // A hidden list that starts with a separator, repeats one and ends with one.
    CWTKToolbarButton* pSeparator = bar.GetButton(3);
    ASSERT_TRUE(pSeparator->IsSeparator());
    pCustomize->ResetHiddenButtons();
    for (int i : {3, 4, 7, 3, 5, 7})
        pCustomize->AddHiddenButton(bar.GetButton(i));
    ASSERT_TRUE(pCustomize->OpenPopupMenu(&bar));
    PumpPending();
    CWTKPopupMenu* pPopup = pCustomize->GetPopupMenu();
    ASSERT_NE(pPopup, nullptr);
    CWTKPopupMenuBar* pItems = pPopup->GetMenuBar();
    ASSERT_NE(pItems, nullptr);
    std::string strItems;
    for (int i = 0; i < pItems->GetCount(); i++) {
        const CWTKToolbarButton* pItem = pItems->GetButton(i);
        strItems += pItem->IsSeparator() ? std::string("-") : std::string(pItem->m_strText);
        strItems += "|";
    }
    EXPECT_EQ(strItems, "Cut|-|Copy|-|&Customize...|");
}

// Under the Office 2003 look the bar's background and the button's interior are the look's
// customise fill; the arrow is drawn once, by the button, whether the button is hot or not.
TEST_F(CustomizeFixture, TheOffice2003LookDrawsTheArrowOnce)
{
    const LookScope look(RUNTIME_CLASS(CWTKVisualManager2003));
    LayOut(600);
    ASSERT_FALSE(pCustomize->HasHiddenButtons());

    // The arrow alone: its ink colour and how many pixels it has.
    const CSize sizeGlyph = CWTKMenuGlyphs::GetSize();
    Canvas glyph(sizeGlyph.cx, sizeGlyph.cy);
    ASSERT_TRUE(CWTKMenuGlyphs::Draw(glyph.DC(), CWTKMenuGlyphs::kCustomizeArrowHorz, CPoint(0, 0)));
    const CRect rectInk = glyph.BoundsOfOther(kWhite);
    ASSERT_FALSE(rectInk.IsRectEmpty());
    const COLORREF clrInk = glyph.Pixel(rectInk.left, rectInk.top);
    const int nArrowPixels = glyph.Count(clrInk);

    const int iCustomize = bar.ButtonToIndex(pCustomize);
    const CRect rectButton = pCustomize->GetRect();
    CRect rectClient;
    bar.GetClientRect(rectClient);
    for (const bool bHot : {false, true}) {
        const CPoint pt = bHot ? rectButton.CenterPoint() : CPoint(rectClient.left + 1, rectClient.top + 1);
        bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
        ASSERT_EQ(bar.IsButtonHighlighted(iCustomize), bHot ? TRUE : FALSE);
        Canvas canvas(rectClient.Width(), rectClient.Height());
        bar.DoPaint(canvas.DC());
        EXPECT_EQ(canvas.Count(clrInk, rectButton), nArrowPixels) << (bHot ? "hot" : "cold");
    }
}

}  // namespace
