// The toolbar with real windows: its button list, loading from toolbar resources, the mouse,
// command state at idle, the TB_* messages, tooltips and the layout over the docking modes.
#include "ToolBarTestSupport.h"

#include "Canvas.h"
#include "command_bars/tests/CommandBarSettingsScope.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"

#include "bars/BarToolTip.h"
#include "gdi/DC.h"
#include "win/ClientDC.h"

#include <cstdlib>
#include <memory>

namespace {

// A toolbar whose protected parts the tests reach.
class CTestToolBar : public CWTKToolBar {
public:
    using CWTKToolBar::BuildStateKey;
    CWTKToolbarButton* AddOverflowButton(std::unique_ptr<CWTKToolbarButton> pButton)
    {
        PutBackCustomizeButton(std::move(pButton));
        return m_pCustomizeBtn;
    }
    int PressedIndex() const { return m_iButtonCapture; }
    int HotIndex() const { return m_iHighlighted; }
    static CWTKToolBar* LastHooked() { return s_pLastHookedToolbar; }
    // The thread mouse hook as it sees a move over a window.
    static void HookSeesMoveOver(HWND hWnd)
    {
        MOUSEHOOKSTRUCT info {};
        info.hwnd = hWnd;
        ::GetCursorPos(&info.pt);
        MouseHookProc(HC_ACTION, WM_MOUSEMOVE, reinterpret_cast<LPARAM>(&info));
    }
};

CPoint Centre(const CWTKToolBar& bar, int nIndex)
{
    CRect rect;
    bar.GetItemRect(nIndex, &rect);
    return rect.CenterPoint();
}

const std::vector<UINT> kResourceIds = {ID_TEST_NEW,  ID_TEST_OPEN, ID_TEST_SAVE,  0,
                                        ID_TEST_CUT,  ID_TEST_COPY, ID_TEST_PASTE, 0,
                                        ID_TEST_BOLD, ID_TEST_PRINT};

class ToolBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new CToolBarTestFrame;
        ASSERT_TRUE(m_pFrame->CreateFrame());
        m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
        theApp.m_pMainWnd = m_pFrame;
        m_pBar = std::make_unique<CTestToolBar>();
        ASSERT_TRUE(m_pBar->Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS, 0xE801));
        ASSERT_TRUE(m_pBar->LoadToolBar(IDR_TEST_TOOLBAR));
        m_pFrame->RecalcLayout();
        PumpPending();
    }
    void TearDown() override
    {
        if (m_pBar && ::IsWindow(m_pBar->GetSafeHwnd()))
            m_pBar->DestroyWindow();
        m_pBar.reset();
        theApp.m_pMainWnd = nullptr;
        if (::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
        PumpPending();
    }
    void Click(int nIndex, int nReleaseIndex = -2)
    {
        const CPoint ptDown = Centre(*m_pBar, nIndex);
        const CPoint ptUp = nReleaseIndex == -2 ? ptDown : Centre(*m_pBar, nReleaseIndex);
        m_pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptDown.x, ptDown.y));
        m_pBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptUp.x, ptUp.y));
        PumpPending();
    }

    CToolBarTestFrame* m_pFrame = nullptr;
    std::unique_ptr<CTestToolBar> m_pBar;
};

TEST_F(ToolBarTest, LoadsTheToolbarResourceAndRefusesDamagedOrMissingOnes)
{
    EXPECT_EQ(ButtonIds(*m_pBar), kResourceIds);
    EXPECT_EQ(m_pBar->GetResourceID(), static_cast<UINT>(IDR_TEST_TOOLBAR));
    EXPECT_EQ(m_pBar->GetButtonStyle(3), TBBS_SEPARATOR);
    EXPECT_EQ(CWTKToolBar::GetDefaultImageSize(), CSize(16, 15));
    EXPECT_EQ(CWTKToolBar::GetDefaultButtonSize(), CSize(22, 21));
    EXPECT_EQ(CWTKToolBar::GetDefaultImage(ID_TEST_OPEN), m_pBar->GetImagesOffset() + 1);
    EXPECT_EQ(WTKAllToolbars().Find(m_pBar.get()) != nullptr, TRUE) << "a toolbar window is in the list";

    CTestToolBar other;
    ASSERT_TRUE(other.Create(m_pFrame, WS_CHILD | CBRS_TOP, 0xE802));
    EXPECT_FALSE(other.LoadToolBar(IDR_TEST_TOOLBAR_DAMAGED)) << "a count past the resource's end";
    EXPECT_EQ(other.GetCount(), 0);
    EXPECT_FALSE(other.LoadToolBar(999)) << "no such resource";
    other.DestroyWindow();
    EXPECT_EQ(WTKAllToolbars().Find(&other), nullptr) << "a destroyed bar leaves the list";
}

TEST_F(ToolBarTest, ButtonListKeepsSeparatorsAndIndexesRight)
{
    const UINT N = ID_TEST_NEW, O = ID_TEST_OPEN, C = ID_TEST_CUT, B = ID_TEST_BOLD;
    const struct {
        const char* what;
        std::vector<UINT> ids;
        int iRemove;
        BOOL bResult;
        std::vector<UINT> expected;
    } cases[] = {
        {"a separator goes alone", {N, O, 0, C, 0, B}, 2, TRUE, {N, O, C, 0, B}},
        {"two separators brought together show as one", {N, 0, C, 0, B}, 2, TRUE, {N, 0, B}},
        {"no trailing separator", {N, O, 0, B}, 3, TRUE, {N, O}},
        {"no leading separator", {N, 0, C}, 0, TRUE, {C}},
        {"index below the list", {N, O}, -1, FALSE, {N, O}},
        {"index past the list", {N, O}, 2, FALSE, {N, O}},
    };
    for (const auto& c : cases) {
        m_pBar->SetButtons(c.ids.data(), static_cast<int>(c.ids.size()));
        EXPECT_EQ(m_pBar->RemoveButton(c.iRemove), c.bResult) << c.what;
        EXPECT_EQ(ButtonIds(*m_pBar), c.expected) << c.what;
    }

    m_pBar->SetButtons(nullptr, 0);
    EXPECT_EQ(m_pBar->InsertSeparator(), -1) << "an empty bar takes no separator";
    m_pBar->SetButtons(kResourceIds.data(), static_cast<int>(kResourceIds.size()));
    EXPECT_EQ(m_pBar->InsertSeparator(0), -1) << "nor does the start of a bar";
    EXPECT_EQ(m_pBar->GetButton(-1), nullptr);
    EXPECT_EQ(m_pBar->GetButton(m_pBar->GetCount()), nullptr);
    EXPECT_EQ(m_pBar->CommandToIndex(ID_TEST_CUT), 4);
    EXPECT_EQ(m_pBar->CommandToIndex(ID_TEST_CUT, 5), -1);
    EXPECT_EQ(m_pBar->GetItemID(99), 0u);
    EXPECT_FALSE(m_pBar->SetButtonText(99, "x"));

    // Hit test after layout: buttons by their centre, separators and the outside give -1.
    m_pBar->AdjustLayout();
    for (int i = 0; i < m_pBar->GetCount(); i++)
        EXPECT_EQ(m_pBar->HitTest(Centre(*m_pBar, i)), kResourceIds[i] == 0 ? -1 : i) << "button " << i;
    EXPECT_EQ(m_pBar->HitTest(CPoint(-5, -5)), -1);

    // The hot index follows its button when an earlier one goes.
    const CPoint ptPaste = Centre(*m_pBar, 6);
    m_pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptPaste.x, ptPaste.y));
    ASSERT_EQ(m_pBar->HotIndex(), 6);
    ASSERT_TRUE(m_pBar->RemoveButton(0));
    ASSERT_NE(m_pBar->GetHighlightedButton(), nullptr);
    EXPECT_EQ(m_pBar->GetHighlightedButton()->m_nID, static_cast<UINT>(ID_TEST_PASTE));
    // Removing the button before a separator at the start takes the separator too: two shifts.
    m_pBar->SetButtons(kResourceIds.data(), static_cast<int>(kResourceIds.size()));
    m_pBar->AdjustLayout();
    const CPoint ptBold = Centre(*m_pBar, 8);
    m_pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptBold.x, ptBold.y));
    const UINT firstThree[] = {ID_TEST_NEW, 0, ID_TEST_BOLD};
    m_pBar->SetButtons(firstThree, 3);
    m_pBar->AdjustLayout();
    const CPoint ptB = Centre(*m_pBar, 2);
    m_pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptB.x, ptB.y));
    ASSERT_EQ(m_pBar->HotIndex(), 2);
    ASSERT_TRUE(m_pBar->RemoveButton(0));
    EXPECT_EQ(m_pBar->HotIndex(), 0) << "the leading separator's removal is counted as well";
}

TEST_F(ToolBarTest, MousePressAndReleaseTable)
{
    m_pFrame->m_bCutEnabled = FALSE;
    RunIdle();
    const int iNew = 0, iOpen = 1, iCut = 4, iBold = 8;
    const struct {
        const char* what;
        int iDown;
        int iUp;
        std::vector<UINT> commands;
    } cases[] = {
        {"a click sends the command", iNew, iNew, {ID_TEST_NEW}},
        {"a release outside sends nothing", iNew, iOpen, {}},
        {"a disabled button is not pressed", iCut, iCut, {}},
        {"a check box sends its command", iBold, iBold, {ID_TEST_BOLD}},
    };
    for (const auto& c : cases) {
        m_pFrame->m_commands.clear();
        m_pFrame->m_prompts.clear();
        Click(c.iDown, c.iUp);
        EXPECT_EQ(m_pFrame->m_commands, c.commands) << c.what;
        EXPECT_EQ(m_pBar->GetButtonStyle(c.iDown) & TBBS_PRESSED, 0u) << c.what;
        EXPECT_EQ(m_pBar->PressedIndex(), -1) << c.what;
        if (!c.commands.empty()) {
            ASSERT_GE(m_pFrame->m_prompts.size(), 2u) << c.what;
            EXPECT_EQ(m_pFrame->m_prompts.front(), m_pBar->GetItemID(c.iDown)) << "prompt while pressed: " << c.what;
            EXPECT_NE(std::find(m_pFrame->m_prompts.begin(), m_pFrame->m_prompts.end(), 0xE001u),
                      m_pFrame->m_prompts.end())
                << "idle prompt after the release: " << c.what;
        }
    }
    // The check box toggled without a handler deciding its state (none asked it yet): checked.
    EXPECT_NE(m_pBar->GetButtonStyle(iBold) & TBBS_CHECKBOX, 0u);

    // Prompts of system commands, and of commands above the user range.
    const struct {
        UINT nID;
        UINT nPrompt;
    } prompts[] = {{ID_TEST_SAVE, ID_TEST_SAVE}, {0xF010, 0xEF01}, {0xF000, 0xEF00}, {0xFF01, 0xEF1F}};
    for (const auto& p : prompts) {
        m_pFrame->m_prompts.clear();
        m_pBar->ShowCommandPrompt(p.nID);
        ASSERT_EQ(m_pFrame->m_prompts.size(), 1u);
        EXPECT_EQ(m_pFrame->m_prompts[0], p.nPrompt) << std::hex << p.nID;
    }

    // A command that rebuilds the bar: the release handling finds the button again.
    m_pFrame->m_bRebuildOnNew = TRUE;
    m_pFrame->m_pRebuildBar = m_pBar.get();
    m_pFrame->m_commands.clear();
    Click(iNew);
    EXPECT_EQ(m_pFrame->m_commands, std::vector<UINT> {ID_TEST_NEW});
    ASSERT_EQ(m_pBar->GetCount(), 1);
    EXPECT_EQ(m_pBar->GetButtonStyle(0) & (TBBS_PRESSED | TBBS_CHECKED), 0u) << "the new button is left alone";
}

TEST_F(ToolBarTest, AKeyboardContextMenuOpensAtTheButton)
{
    const CPoint ptSave = Centre(*m_pBar, 2);
    m_pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptSave.x, ptSave.y));
    m_pBar->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_pBar->GetSafeHwnd()), MAKELPARAM(-1, -1));
    ASSERT_EQ(m_pFrame->m_popupPoints.size(), 1u);
    CRect rectSave;
    m_pBar->GetItemRect(2, &rectSave);
    m_pBar->ClientToScreen(&rectSave);
    EXPECT_EQ(CPoint(m_pFrame->m_popupPoints[0]), CPoint(rectSave.left, rectSave.bottom));
    EXPECT_EQ(m_pBar->HotIndex(), -1) << "the hot button is cleared";
}

TEST_F(ToolBarTest, CommandStateComesFromTheFramesIdleUpdate)
{
    const UINT extra[] = {ID_TEST_NEW, ID_TEST_CUT, ID_TEST_BOLD, 0x9100, 0xF010};
    m_pBar->SetButtons(extra, 5);
    const struct {
        int nCheck;
        BOOL bCutEnabled;
        UINT nBoldStyle;
    } cases[] = {
        {0, TRUE, TBBS_CHECKBOX},
        {1, FALSE, TBBS_CHECKBOX | TBBS_CHECKED},
        {2, TRUE, TBBS_CHECKBOX | TBBS_INDETERMINATE},
        {3, TRUE, TBBS_CHECKBOX | TBBS_CHECKED},
    };
    for (const auto& c : cases) {
        m_pFrame->m_nBoldCheck = c.nCheck;
        m_pFrame->m_bCutEnabled = c.bCutEnabled;
        RunIdle();
        EXPECT_EQ(m_pBar->GetButtonStyle(2), c.nBoldStyle) << "SetCheck(" << c.nCheck << ")";
        EXPECT_EQ((m_pBar->GetButtonStyle(1) & TBBS_DISABLED) == 0, c.bCutEnabled != FALSE);
        EXPECT_EQ(m_pBar->GetButtonStyle(0), 0u) << "a handled command is enabled";
        EXPECT_EQ(m_pBar->GetButtonStyle(3), TBBS_DISABLED) << "no handler: disabled";
        EXPECT_EQ(m_pBar->GetButtonStyle(4), 0u) << "system commands are not updated";
    }

    // A caller that asks not to grey commands without a handler (a torn-off bar) is heard.
    for (const BOOL bDisable : {FALSE, TRUE}) {
        m_pBar->SetButtonStyle(3, 0);
        m_pBar->OnUpdateCmdUI(m_pFrame, bDisable);
        EXPECT_EQ(m_pBar->GetButtonStyle(3), bDisable ? TBBS_DISABLED : 0u) << "disable if no handler: " << bDisable;
    }
}

// A locked bar whose own image strips the test fills.
class CStripTestBar : public CWTKToolBar {
public:
    CWTKImageStrip& Cold() { return m_ColdImagesLocked; }
    CWTKImageStrip& Disabled() { return m_DisabledImagesLocked; }
    CWTKImageStrip& Large() { return m_LargeImagesLocked; }
    CWTKImageStrip& LargeCold() { return m_LargeColdImagesLocked; }
};

// nImages images of one colour side by side.
BOOL AddSolidImages(CWTKImageStrip& strip, CSize sizeImage, int nImages, COLORREF clr)
{
    strip.SetImageSize(sizeImage);
    Canvas images(sizeImage.cx * nImages, sizeImage.cy, clr);
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hbmp = ::CreateCompatibleBitmap(hScreen, images.Width(), images.Height());
    ::ReleaseDC(nullptr, hScreen);
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, hbmp);
    ::BitBlt(hdc, 0, 0, images.Width(), images.Height(), images.Handle(), 0, 0, SRCCOPY);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    const BOOL bAdded = strip.AddImage(hbmp) >= 0;
    ::DeleteObject(hbmp);
    return bAdded;
}

// Each button paints from the strip its state asks for: the hot one from the normal strip, the
// others from the cold strip, a disabled one from the disabled strip, and in large-icons mode
// from the large copies.
TEST_F(ToolBarTest, EachButtonPaintsFromTheStripItsStateAsksFor)
{
    constexpr COLORREF kCold = RGB(10, 200, 30);
    constexpr COLORREF kDisabled = RGB(200, 20, 180);
    constexpr COLORREF kLarge = RGB(20, 40, 220);
    constexpr COLORREF kLargeCold = RGB(240, 120, 10);
    constexpr COLORREF kOpenFolder = RGB(255, 200, 0);  // the normal strip's Open image
    m_pBar->DestroyWindow();
    CStripTestBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE805));
    ASSERT_TRUE(bar.LoadToolBar(IDR_TEST_TOOLBAR, 0, 0, TRUE));
    const int nImages = 8;
    ASSERT_TRUE(AddSolidImages(bar.Cold(), CSize(16, 15), nImages, kCold));
    ASSERT_TRUE(AddSolidImages(bar.Disabled(), CSize(16, 15), nImages, kDisabled));
    ASSERT_TRUE(AddSolidImages(bar.Large(), CSize(32, 30), nImages, kLarge));
    ASSERT_TRUE(AddSolidImages(bar.LargeCold(), CSize(32, 30), nImages, kLargeCold));
    m_pFrame->RecalcLayout();
    PumpPending();
    const int iOpen = 1;
    const int iCut = 4;
    bar.SetButtonStyle(iCut, TBBS_DISABLED);

    struct Row {
        const char* what;
        BOOL bLarge;
        int iButton;
        BOOL bHot;
        COLORREF clrExpected;
        COLORREF clrAbsent;
    } rows[] = {
        {"a cold button", FALSE, iOpen, FALSE, kCold, kOpenFolder},
        {"the hot button", FALSE, iOpen, TRUE, kOpenFolder, kCold},
        {"a disabled button", FALSE, iCut, FALSE, kDisabled, kCold},
        {"a cold large button", TRUE, iOpen, FALSE, kLargeCold, kCold},
        {"the hot large button", TRUE, iOpen, TRUE, kLarge, kLargeCold},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CWTKToolBar::SetLargeIcons(row.bLarge);
        bar.AdjustLayout();
        m_pFrame->RecalcLayout();
        PumpPending();
        CRect rectButton;
        bar.GetItemRect(row.iButton, &rectButton);
        CRect rectOther;
        bar.GetItemRect(row.iButton == iOpen ? 0 : iOpen, &rectOther);
        const CPoint ptMove = row.bHot ? rectButton.CenterPoint() : rectOther.CenterPoint();
        bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptMove.x, ptMove.y));
        CRect rectClient;
        bar.GetClientRect(&rectClient);
        Canvas canvas(rectClient.Width(), rectClient.Height());
        bar.DoPaint(canvas.DC());
        const int nImageArea = row.bLarge ? 32 * 30 : 16 * 15;
        EXPECT_GT(canvas.Count(row.clrExpected, rectButton), row.clrExpected == kOpenFolder ? 20 : nImageArea / 2);
        EXPECT_EQ(canvas.Count(row.clrAbsent, rectButton), 0);
        bar.SendMessage(WM_MOUSELEAVE);
    }
    CWTKToolBar::SetLargeIcons(FALSE);
    bar.DestroyWindow();
}

// In text-labels mode each button shows its short tip as a label under its image, both
// centred across the button, and the buttons grow to hold the label.
TEST_F(ToolBarTest, TextLabelsSitCentredUnderTheImages)
{
    constexpr COLORREF kOpenFolder = RGB(255, 200, 0);
    const COLORREF clrText = WTKGetGlobalData().clrBarText;
    const int iOpen = 1;
    CRect rectPlain;
    m_pBar->GetItemRect(iOpen, &rectPlain);

    m_pBar->EnableTextLabels(TRUE);
    m_pBar->AdjustLayout();
    m_pFrame->RecalcLayout();
    PumpPending();
    CRect rectButton, rectClient;
    m_pBar->GetItemRect(iOpen, &rectButton);
    m_pBar->GetClientRect(&rectClient);
    EXPECT_GT(rectButton.Height(), rectPlain.Height()) << "the label adds a row";
    Canvas canvas(rectClient.Width(), rectClient.Height());
    m_pBar->DoPaint(canvas.DC());

    const CRect rectImage = canvas.BoundsOf(kOpenFolder, rectButton);
    ASSERT_FALSE(rectImage.IsRectEmpty()) << "Open's image is painted";
    const CRect rectBelow(rectButton.left, rectImage.bottom, rectButton.right, rectButton.bottom);
    const CRect rectLabel = canvas.BoundsOf(clrText, rectBelow);
    ASSERT_FALSE(rectLabel.IsRectEmpty()) << "the label is painted under the image";
    EXPECT_GE(rectLabel.top, rectImage.bottom + 2) << "a gap between image and label";
    EXPECT_LE(rectLabel.bottom, rectButton.bottom);
    EXPECT_LE(std::abs((rectImage.left - rectButton.left) - (rectButton.right - rectImage.right)), 1)
        << "the image is centred";
    // The label is the short tip "Open", centred across the button as the text alone would be.
    Canvas alone(rectClient.Width(), rectClient.Height());
    ::SetBkMode(alone.Handle(), TRANSPARENT);
    ::SetTextColor(alone.Handle(), clrText);
    HGDIOBJ hOldFont = ::SelectObject(alone.Handle(), WTKGetGlobalData().fontRegular.GetSafeHandle());
    CRect rectAlone(rectButton.left, rectLabel.top - 4, rectButton.right, rectButton.bottom);
    ::DrawTextA(alone.Handle(), "Open", -1, &rectAlone, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    ::SelectObject(alone.Handle(), hOldFont);
    const CRect rectExpected = alone.BoundsOf(clrText, rectButton);
    EXPECT_LE(std::abs(rectLabel.left - rectExpected.left), 1) << "the label is centred";
    EXPECT_EQ(rectLabel.Width(), rectExpected.Width()) << "the label reads Open";
    EXPECT_EQ(canvas.Count(clrText, CRect(rectButton.left, rectButton.top, rectButton.right, rectImage.top)), 0)
        << "nothing above the image";

    // Without labels nothing is painted under the image.
    m_pBar->EnableTextLabels(FALSE);
    m_pBar->AdjustLayout();
    m_pFrame->RecalcLayout();
    PumpPending();
    m_pBar->GetItemRect(iOpen, &rectButton);
    EXPECT_EQ(rectButton.Height(), rectPlain.Height());
    Canvas plain(rectClient.Width(), rectClient.Height());
    m_pBar->DoPaint(plain.DC());
    const CRect rectPlainImage = plain.BoundsOf(kOpenFolder, rectButton);
    EXPECT_EQ(plain.Count(clrText, CRect(rectButton.left, rectPlainImage.bottom, rectButton.right, rectButton.bottom)),
              0);
}

TEST_F(ToolBarTest, ToolbarMessagesRefuseBadIndexesAndNullBuffers)
{
    EXPECT_EQ(m_pBar->SendMessage(TB_BUTTONCOUNT), 10);
    RECT rect {};
    EXPECT_FALSE(m_pBar->SendMessage(TB_GETITEMRECT, 10, reinterpret_cast<LPARAM>(&rect)));
    EXPECT_FALSE(m_pBar->SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&rect)));
    EXPECT_FALSE(m_pBar->SendMessage(TB_GETITEMRECT, 0, 0));
    EXPECT_TRUE(m_pBar->SendMessage(TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rect)));
    EXPECT_EQ(CRect(rect), m_pBar->GetButton(1)->GetRect());

    TBBUTTON tbb {};
    EXPECT_FALSE(m_pBar->SendMessage(TB_GETBUTTON, 10, reinterpret_cast<LPARAM>(&tbb)));
    EXPECT_FALSE(m_pBar->SendMessage(TB_GETBUTTON, 0, 0));
    m_pBar->SetButtonStyle(8, TBBS_CHECKBOX | TBBS_CHECKED);
    EXPECT_TRUE(m_pBar->SendMessage(TB_GETBUTTON, 8, reinterpret_cast<LPARAM>(&tbb)));
    EXPECT_EQ(tbb.idCommand, ID_TEST_BOLD);
    EXPECT_EQ(tbb.fsStyle, TBBS_CHECKBOX);
    EXPECT_EQ(tbb.fsState, TBBS_CHECKED >> 16);

    m_pBar->SetButtonText(2, "Save all");
    EXPECT_EQ(m_pBar->SendMessage(TB_GETBUTTONTEXTA, 0x9999, 0), -1) << "no such command";
    EXPECT_EQ(m_pBar->SendMessage(TB_GETBUTTONTEXTA, ID_TEST_SAVE, 0), 8) << "a null buffer gets the length";
    char szText[32] = "";
    EXPECT_EQ(m_pBar->SendMessage(TB_GETBUTTONTEXTA, ID_TEST_SAVE, reinterpret_cast<LPARAM>(szText)), 8);
    EXPECT_STREQ(szText, "Save all");
}

TEST_F(ToolBarTest, TooltipsShowTheCommandTipAndItsShortcut)
{
    const CommandBarSettingsScope settings;
    auto tipAt = [this](int nIndex, INT_PTR* pResult) {
        TTTOOLINFOA ti {};
        ti.cbSize = sizeof(ti);
        *pResult = m_pBar->OnToolHitTest(Centre(*m_pBar, nIndex), &ti);
        std::string strTip = ti.lpszText && ti.lpszText != LPSTR_TEXTCALLBACKA ? ti.lpszText : "";
        CBarToolTip::FreeText(ti.lpszText);
        return strTip;
    };
    const struct {
        BOOL bTips;
        BOOL bKeys;
        int nIndex;
        INT_PTR nResult;
        const char* tip;
    } cases[] = {
        {TRUE, FALSE, 2, ID_TEST_SAVE, "Save"},
        {TRUE, TRUE, 2, ID_TEST_SAVE, "Save (Control+S)"},
        {TRUE, TRUE, 8, ID_TEST_BOLD, "Bold (Control+Shift+B)"},
        {TRUE, TRUE, 1, ID_TEST_OPEN, "Open"},
        {TRUE, TRUE, 3, -1, ""},
        {FALSE, TRUE, 2, -1, ""},
    };
    for (const auto& c : cases) {
        WTKGetCommandBarSettings().bShowTooltips = c.bTips;
        WTKGetCommandBarSettings().bShowShortcutKeys = c.bKeys;
        INT_PTR nResult = 0;
        const std::string strTip = tipAt(c.nIndex, &nResult);
        EXPECT_EQ(nResult, c.nResult) << c.tip;
        EXPECT_EQ(strTip, c.tip);
    }
}

TEST_F(ToolBarTest, LayoutOverTheDockingModes)
{
    m_pBar->SetBarStyle(m_pBar->GetBarStyle() | CBRS_SIZE_DYNAMIC);
    const int nCol = m_pBar->GetColumnWidth();
    const int nRow = m_pBar->GetRowHeight();
    const CSize sizeExtra = CWTKVisualManager::GetInstance()->GetButtonExtraBorder();
    EXPECT_EQ(nCol, 22 + sizeExtra.cx);
    CRect inside(0, 0, 0, 0);
    m_pBar->CalcInsideRect(inside, TRUE);
    const CSize borders(-inside.Width(), -inside.Height());
    CRect insideVert(0, 0, 0, 0);
    m_pBar->CalcInsideRect(insideVert, FALSE);
    const CSize bordersVert(-insideVert.Width(), -insideVert.Height());
    const int nSeparator = 8;
    const int nOneRow = 8 * nCol + 2 * nSeparator;

    const struct {
        const char* what;
        int nLength;
        DWORD dwMode;
        CSize expected;
    } cases[] = {
        {"docked on top: one row", -1, LM_HORZ | LM_HORZDOCK, CSize(nOneRow + borders.cx, nRow + borders.cy)},
        {"docked at the side: one column", -1, LM_VERTDOCK,
         CSize(nCol + bordersVert.cx, 8 * nRow + 2 * 8 + bordersVert.cy)},
        {"floating three buttons wide: rows of three", 3 * nCol, LM_HORZ | LM_COMMIT,
         CSize(3 * nCol + borders.cx, 3 * nRow + 2 * 5 + borders.cy)},
        {"floating, a length no taller than one row keeps one row", nRow - borders.cy, LM_HORZ | LM_LENGTHY,
         CSize(nOneRow + borders.cx, nRow + borders.cy)},
        {"floating, a tall length gives one button a row", 100 * nRow, LM_HORZ | LM_LENGTHY,
         CSize(nCol + borders.cx, 8 * nRow + 7 * 5 + borders.cy)},
    };
    for (const auto& c : cases) {
        const CSize size = m_pBar->CalcDynamicLayout(c.nLength, c.dwMode);
        EXPECT_EQ(size.cx, c.expected.cx) << c.what;
        EXPECT_EQ(size.cy, c.expected.cy) << c.what;
    }

    // A button showing its text is its image cell plus the text, measured on the bar's DC.
    m_pBar->SetButtons(kResourceIds.data(), static_cast<int>(kResourceIds.size()));
    m_pBar->SetButtonDisplay(0, "Newer", TRUE, TRUE);
    m_pBar->AdjustLayout();
    {
        CClientDC dc(m_pBar.get());
        CFont* pOld = dc.SelectObject(&WTKGetGlobalData().fontRegular);
        const int nText = dc.GetTextExtent(CString("Newer")).cx;
        dc.SelectObject(pOld);
        EXPECT_EQ(m_pBar->GetButton(0)->GetRect().Width(), nCol + nText + 9);
        EXPECT_EQ(m_pBar->GetButton(1)->GetRect().Width(), nCol);
        EXPECT_EQ(m_pBar->GetButton(3)->GetRect().Width(), nSeparator);
    }

    // Large icons double the cells of bars that follow them, not of a bar told not to.
    CWTKToolBar::SetLargeIcons(TRUE);
    EXPECT_EQ(m_pBar->GetColumnWidth(), 44 + sizeExtra.cx);
    m_pBar->SetLockedLargeIcons(FALSE);
    EXPECT_EQ(m_pBar->GetColumnWidth(), 22 + sizeExtra.cx);
    CWTKToolBar::SetLargeIcons(FALSE);
    m_pBar->SetLockedLargeIcons(TRUE);
}

}  // namespace

namespace {

// A bar that, on entering customise mode, destroys a neighbour and makes a new bar in its
// place, so the list of all toolbars changes under the walk with its count unchanged.
class CReplacingToolBar : public CWTKToolBar {
public:
    void OnCustomizeMode(BOOL bSet) override
    {
        CWTKToolBar::OnCustomizeMode(bSet);
        ++m_nCalls;
        if (bSet && m_pVictim != nullptr) {
            m_pVictim->DestroyWindow();
            m_pVictim.reset();
            m_pNewBar = std::make_unique<CReplacingToolBar>();
            m_pNewBar->Create(m_pParent, WS_CHILD | CBRS_TOP, 0xE8F2);
        }
    }
    int m_nCalls = 0;
    CWnd* m_pParent = nullptr;
    std::unique_ptr<CWTKToolBar> m_pVictim;
    std::unique_ptr<CReplacingToolBar> m_pNewBar;
};

TEST_F(ToolBarTest, CustomiseModeVisitsEachBarOnceWhileBarsComeAndGo)
{
    CReplacingToolBar first;
    first.m_pParent = m_pFrame;
    ASSERT_TRUE(first.Create(m_pFrame, WS_CHILD | CBRS_TOP, 0xE8F0));
    first.m_pVictim = std::make_unique<CWTKToolBar>();
    ASSERT_TRUE(first.m_pVictim->Create(m_pFrame, WS_CHILD | CBRS_TOP, 0xE8F1));

    EXPECT_TRUE(CWTKToolBar::SetCustomizeMode(TRUE));
    EXPECT_EQ(first.m_nCalls, 1);
    ASSERT_NE(first.m_pNewBar, nullptr);
    EXPECT_EQ(first.m_pNewBar->m_nCalls, 1) << "a bar made during the walk is visited too";
    EXPECT_TRUE(CWTKToolBar::IsCustomizeMode());
    EXPECT_TRUE(CWTKToolBar::SetCustomizeMode(FALSE));
    EXPECT_EQ(first.m_nCalls, 2);
    first.m_pNewBar->DestroyWindow();
    first.DestroyWindow();
}

}  // namespace

namespace {

TEST_F(ToolBarTest, TheMouseHookForgetsABarWhoseWindowIsDestroyed)
{
    ASSERT_TRUE(CWTKToolBar::SetMouseHook(TRUE));
    auto pOther = std::make_unique<CTestToolBar>();
    ASSERT_TRUE(pOther->Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE8F3));
    CTestToolBar::HookSeesMoveOver(pOther->m_hWnd);
    EXPECT_EQ(CTestToolBar::LastHooked(), pOther.get());
    pOther->DestroyWindow();
    EXPECT_EQ(CTestToolBar::LastHooked(), nullptr) << "the hook must not keep a bar that is going";
    pOther.reset();
    CTestToolBar::HookSeesMoveOver(m_pBar->m_hWnd);  // nothing stale is touched
    EXPECT_EQ(CTestToolBar::LastHooked(), m_pBar.get());
    CWTKToolBar::SetMouseHook(FALSE);
}

}  // namespace
