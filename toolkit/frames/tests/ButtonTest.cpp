// The owner-drawn button in a real window: its faces for each state read back from pixels, the
// click and its command, a press dragged away, auto-repeat, the keyboard, check boxes and a
// radio-button group.
#include "TabTestSupport.h"

#include "Canvas.h"

#include "frames/WTKButton.h"

#include "command_bars/WTKPopupMenu.h"

#include "foundation/WTKGlobalData.h"

#include "win/ToolTipCtrl.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr UINT kIdButton = 200;
constexpr int kWidth = 100;
constexpr int kHeight = 30;
constexpr COLORREF kNormalImage = RGB(0, 0, 200);
constexpr COLORREF kCheckedImage = RGB(200, 0, 0);
// The button's bitmaps use the standard face grey for their background.
constexpr COLORREF kBitmapBackground = RGB(192, 192, 192);

// The smallest rectangle round the pixels of one colour (empty when there is none).
CRect BoundsOf(const Canvas& canvas, COLORREF colour)
{
    CRect bounds(0, 0, 0, 0);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.Pixel(x, y) != colour)
                continue;
            if (bounds.IsRectEmpty())
                bounds = CRect(x, y, x + 1, y + 1);
            bounds.left = std::min<int>(bounds.left, x);
            bounds.top = std::min<int>(bounds.top, y);
            bounds.right = std::max<int>(bounds.right, x + 1);
            bounds.bottom = std::max<int>(bounds.bottom, y + 1);
        }
    }
    return bounds;
}

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_host.CreateHost(320, 200, "Buttons")); }
    void TearDown() override
    {
        m_buttons.clear();
        m_host.DestroyWindow();
        PumpPending();
    }

    CWTKButton& Make(const char* text, DWORD dwType = BS_PUSHBUTTON,
                     CRect rect = CRect(20, 20, 20 + kWidth, 20 + kHeight), DWORD dwExtra = 0)
    {
        m_buttons.push_back(std::make_unique<CWTKButton>());
        CWTKButton& button = *m_buttons.back();
        EXPECT_TRUE(button.Create(text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | dwType | dwExtra, rect, &m_host,
                                  kIdButton + static_cast<UINT>(m_buttons.size()) - 1));
        return button;
    }
    // The button's face as its owner-draw call paints it into a memory bitmap.
    void Render(CWTKButton& button, Canvas& canvas)
    {
        canvas.Fill(RGB(255, 0, 255));
        button.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Handle()), PRF_CLIENT);
    }
    static void Send(CWnd& wnd, UINT message, WPARAM wParam, CPoint pt)
    {
        wnd.SendMessage(message, wParam, MAKELPARAM(pt.x, pt.y));
    }
    std::vector<HostEvent> Commands() const { return m_host.EventsOf(WM_COMMAND); }

    CTabTestHost m_host;
    std::vector<std::unique_ptr<CWTKButton>> m_buttons;
};

TEST_F(ButtonTest, CreationMakesItOwnerDrawnOfItsKind)
{
    const struct {
        DWORD dwType;
        BOOL bCheckBox;
        BOOL bRadio;
        BOOL bAuto;
        int nAlign;
    } rows[] = {
        {BS_PUSHBUTTON, FALSE, FALSE, FALSE, CWTKButton::kAlignCenter},
        {BS_AUTOCHECKBOX | BS_LEFT, TRUE, FALSE, TRUE, CWTKButton::kAlignLeft},
        {BS_CHECKBOX | BS_RIGHT, TRUE, FALSE, FALSE, CWTKButton::kAlignRight},
        {BS_AUTORADIOBUTTON, FALSE, TRUE, TRUE, CWTKButton::kAlignCenter},
        {BS_RADIOBUTTON | BS_LEFT, FALSE, TRUE, FALSE, CWTKButton::kAlignLeft},
    };
    for (const auto& row : rows) {
        CWTKButton& button = Make("Kind", row.dwType);
        EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW)) << row.dwType;
        EXPECT_EQ(button.IsCheckBox(), row.bCheckBox) << row.dwType;
        EXPECT_EQ(button.IsRadioButton(), row.bRadio) << row.dwType;
        EXPECT_EQ(button.IsAutoCheck(), row.bAuto) << row.dwType;
        EXPECT_EQ(button.m_nAlignStyle, row.nAlign) << row.dwType;
    }
}

// Each state's face: the outer and inner frame corners, the background and where the text is.
TEST_F(ButtonTest, StatesDrawTheirFaces)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    const CPoint ptIn(kWidth / 2, kHeight / 2);
    const CPoint ptOut(kWidth + 40, kHeight + 40);
    struct Row {
        const char* name;
        int nStyle;
        std::function<void(CWTKButton&)> act;
        COLORREF clrOuterTopLeft;
        COLORREF clrInnerTopLeft;  // CLR_INVALID: not checked
        int nTextShift;            // the label's move from its normal place
        bool bBackgroundFace;      // the background is the plain face colour
    };
    const std::vector<Row> rows = {
        {"normal", CWTKButton::kStyle3D, [](CWTKButton&) {}, g.clrBtnHilite, g.clrBtnLight, 0, true},
        // A 3-D button does not follow the mouse without the left button down.
        {"3-D hover", CWTKButton::kStyle3D, [&](CWTKButton& b) { Send(b, WM_MOUSEMOVE, 0, ptIn); }, g.clrBtnHilite,
         g.clrBtnLight, 0, true},
        {"flat normal", CWTKButton::kStyleFlat, [](CWTKButton&) {}, g.clrBarFace, CLR_INVALID, 0, true},
        {"flat hot", CWTKButton::kStyleFlat, [&](CWTKButton& b) { Send(b, WM_MOUSEMOVE, 0, ptIn); }, g.clrBtnDkShadow,
         CLR_INVALID, 0, false},
        {"semi-flat hot", CWTKButton::kStyleSemiFlat, [&](CWTKButton& b) { Send(b, WM_MOUSEMOVE, 0, ptIn); },
         g.clrBtnDkShadow, g.clrBtnShadow, 0, false},
        {"pushed", CWTKButton::kStyle3D, [&](CWTKButton& b) { Send(b, WM_LBUTTONDOWN, MK_LBUTTON, ptIn); },
         g.clrBtnDkShadow, g.clrBtnShadow, 2, true},
        // Dragged off while held: raised again, the content back in place.
        {"pushed and left", CWTKButton::kStyle3D,
         [&](CWTKButton& b) {
             Send(b, WM_LBUTTONDOWN, MK_LBUTTON, ptIn);
             Send(b, WM_MOUSEMOVE, MK_LBUTTON, ptOut);
         },
         g.clrBtnHilite, g.clrBtnLight, 0, true},
        {"no border", CWTKButton::kStyleNoBorder, [](CWTKButton&) {}, g.clrBarFace, g.clrBarFace, 0, true},
    };

    Canvas normal(kWidth, kHeight);
    Render(Make("Normal"), normal);
    const CRect rectText = BoundsOf(normal, g.clrBtnText);
    ASSERT_FALSE(rectText.IsRectEmpty()) << "the label is drawn in the button text colour";
    // Left and right labels keep 5 pixels off the 2-pixel border; a centred one lies between.
    const struct {
        int nAlign;
        int nLeftMin;
        int nRightMax;
    } aligns[] = {{CWTKButton::kAlignLeft, 7, 9 + rectText.Width()},
                  {CWTKButton::kAlignCenter, 20, kWidth - 20},
                  {CWTKButton::kAlignRight, kWidth - 7 - rectText.Width() - 8, kWidth - 7}};
    for (const auto& align : aligns) {
        CWTKButton& button = Make("Normal");
        button.m_nAlignStyle = align.nAlign;
        Canvas canvas(kWidth, kHeight);
        Render(button, canvas);
        const CRect rect = BoundsOf(canvas, g.clrBtnText);
        EXPECT_GE(rect.left, align.nLeftMin) << align.nAlign;
        EXPECT_LE(rect.right, align.nRightMax) << align.nAlign;
        button.DestroyWindow();
    }

    for (const Row& row : rows) {
        m_buttons.clear();
        CWTKButton& button = Make("Normal");
        button.m_nFlatStyle = row.nStyle;
        row.act(button);
        Canvas canvas(kWidth, kHeight);
        Render(button, canvas);
        EXPECT_EQ(canvas.Pixel(0, 0), row.clrOuterTopLeft) << row.name;
        if (row.clrInnerTopLeft != CLR_INVALID) {
            EXPECT_EQ(canvas.Pixel(1, 1), row.clrInnerTopLeft) << row.name;
        }
        const CRect rectNow = BoundsOf(canvas, g.clrBtnText);
        EXPECT_EQ(rectNow, rectText + CPoint(row.nTextShift, row.nTextShift)) << row.name;
        EXPECT_EQ(canvas.Pixel(5, kHeight / 2) == g.clrBarFace, row.bBackgroundFace) << row.name;
        button.SendMessage(WM_CANCELMODE);
    }
}

TEST_F(ButtonTest, DisabledCheckedAndFocusedFaces)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    HBITMAP hNormal = MakeImageStrip(16, {kNormalImage}, kBitmapBackground);
    HBITMAP hChecked = MakeImageStrip(16, {kCheckedImage}, kBitmapBackground);

    // Disabled: the label embossed in grey, never in the text colour.
    CWTKButton& disabled = Make("Disabled");
    disabled.EnableWindow(FALSE);
    Canvas canvas(kWidth, kHeight);
    Render(disabled, canvas);
    EXPECT_EQ(canvas.Count(g.clrBtnText), 0);
    EXPECT_GT(canvas.Count(g.clrGrayedText), 5);
    const CRect rectGrey = BoundsOf(canvas, g.clrGrayedText);
    EXPECT_GT(canvas.Count(g.clrBtnHilite, rectGrey + CPoint(1, 1)), 5)
        << "the highlight copy one pixel right and down";

    // Checked: the checked image replaces the normal one.
    CWTKButton& check = Make("Check", BS_AUTOCHECKBOX, CRect(20, 60, 20 + kWidth, 60 + kHeight));
    check.SetImage(hNormal);
    check.SetCheckedImage(hChecked);
    Render(check, canvas);
    EXPECT_EQ(canvas.Count(kNormalImage), 14 * 14);
    EXPECT_EQ(canvas.Count(kCheckedImage), 0);
    check.SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(check.SendMessage(BM_GETCHECK), BST_CHECKED);
    Render(check, canvas);
    EXPECT_EQ(canvas.Count(kCheckedImage), 14 * 14);
    EXPECT_EQ(canvas.Count(kNormalImage), 0);
    EXPECT_EQ(canvas.Count(kBitmapBackground), 0) << "the bitmaps' background is transparent";
    // Disabled and checked: the grey image made from the checked one.
    check.EnableWindow(FALSE);
    Render(check, canvas);
    EXPECT_EQ(canvas.Count(kCheckedImage), 0);

    // Focus: a dotted rectangle two pixels inside, unless switched off.
    for (BOOL bDrawFocus : {TRUE, FALSE}) {
        CWTKButton& focused = Make("Focus", BS_PUSHBUTTON, CRect(20, 100, 20 + kWidth, 100 + kHeight));
        focused.m_bDrawFocus = bDrawFocus;
        focused.SetFocus();
        ASSERT_EQ(::GetFocus(), focused.GetSafeHwnd());
        Render(focused, canvas);
        int nDots = 0;
        for (int x = 4; x < kWidth - 4; ++x)
            nDots += canvas.Pixel(x, 2) != g.clrBarFace ? 1 : 0;
        if (bDrawFocus) {
            EXPECT_GT(nDots, (kWidth - 8) / 3);
        } else {
            EXPECT_EQ(nDots, 0);
        }
        focused.DestroyWindow();
    }
    ::DeleteObject(hNormal);
    ::DeleteObject(hChecked);
}

// A click completed on the button sends its command; one dragged off sends nothing and leaves
// the check alone.
TEST_F(ButtonTest, ClicksSendTheCommandOnlyWhenCompletedOnTheButton)
{
    const CPoint ptIn(kWidth / 2, kHeight / 2);
    const CPoint ptOut(kWidth + 40, kHeight / 2);
    const struct {
        DWORD dwType;
        bool bDragOff;
        size_t nCommands;
        int nCheck;
    } rows[] = {
        {BS_PUSHBUTTON, false, 1, BST_UNCHECKED}, {BS_PUSHBUTTON, true, 0, BST_UNCHECKED},
        {BS_AUTOCHECKBOX, false, 1, BST_CHECKED}, {BS_AUTOCHECKBOX, true, 0, BST_UNCHECKED},
        {BS_CHECKBOX, false, 1, BST_UNCHECKED},  // not automatic: the owner checks it
    };
    for (const auto& row : rows) {
        m_buttons.clear();
        m_host.m_events.clear();
        CWTKButton& button = Make("Click", row.dwType);
        Send(button, WM_LBUTTONDOWN, MK_LBUTTON, ptIn);
        EXPECT_TRUE(button.IsPressed());
        EXPECT_EQ(::GetCapture(), button.GetSafeHwnd());
        if (row.bDragOff)
            Send(button, WM_MOUSEMOVE, MK_LBUTTON, ptOut);
        const CPoint ptUp = row.bDragOff ? ptOut : ptIn;
        Send(button, WM_LBUTTONUP, 0, ptUp);
        PumpPending();
        EXPECT_FALSE(button.IsPressed());
        EXPECT_NE(::GetCapture(), button.GetSafeHwnd());
        const auto commands = Commands();
        ASSERT_EQ(commands.size(), row.nCommands) << row.dwType << " " << row.bDragOff;
        if (row.nCommands > 0) {
            EXPECT_EQ(LOWORD(commands[0].wParam), button.GetDlgCtrlID());
            EXPECT_EQ(HIWORD(commands[0].wParam), BN_CLICKED);
            EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(button.GetSafeHwnd()));
        }
        EXPECT_EQ(button.SendMessage(BM_GETCHECK), row.nCheck) << row.dwType << " " << row.bDragOff;
    }
}

TEST_F(ButtonTest, AutoRepeatSendsTheCommandWhileHeldOverTheButton)
{
    CWTKButton& button = Make("Repeat");
    button.SetAutoRepeatMode(100);
    const CPoint ptIn(kWidth / 2, kHeight / 2);
    Send(button, WM_LBUTTONDOWN, MK_LBUTTON, ptIn);
    // The timer's ticks, delivered by hand: no waiting.
    button.SendMessage(WM_TIMER, CWTKButton::kAutoRepeatTimerId);
    button.SendMessage(WM_TIMER, CWTKButton::kAutoRepeatTimerId);
    EXPECT_EQ(Commands().size(), 2u);
    Send(button, WM_MOUSEMOVE, MK_LBUTTON, CPoint(kWidth + 40, 5));
    button.SendMessage(WM_TIMER, CWTKButton::kAutoRepeatTimerId);
    EXPECT_EQ(Commands().size(), 2u) << "the pointer left the button";
    Send(button, WM_MOUSEMOVE, MK_LBUTTON, ptIn);
    button.SendMessage(WM_TIMER, CWTKButton::kAutoRepeatTimerId);
    EXPECT_EQ(Commands().size(), 3u) << "back over it";
    Send(button, WM_LBUTTONUP, 0, ptIn);
    button.SendMessage(WM_TIMER, CWTKButton::kAutoRepeatTimerId);
    PumpPending();
    EXPECT_EQ(Commands().size(), 4u) << "the release's own click, then no more";
}

TEST_F(ButtonTest, KeyboardSendsTheCommandAndMovesTheChecks)
{
    // Enter on a push button; Space on an automatic check box toggles it.
    CWTKButton& push = Make("Enter");
    push.PostMessage(WM_KEYDOWN, VK_RETURN, 0);
    PumpPending();
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_EQ(LOWORD(Commands()[0].wParam), push.GetDlgCtrlID());

    // While a toolkit popup menu is open, Enter is the menu's.
    m_host.m_events.clear();
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, kIdButton + 50, "&Item");
    CRect rectHost;
    m_host.GetWindowRect(rectHost);
    CWTKPopupMenu* pPopup =
        CWTKPopupMenu::Open(std::make_unique<CWTKPopupMenu>(), &m_host, rectHost.left, rectHost.bottom, hMenu);
    ASSERT_NE(pPopup, nullptr);
    PumpPending();
    push.SetFocus();
    push.PostMessage(WM_KEYDOWN, VK_RETURN, 0);
    PumpPending();
    EXPECT_TRUE(Commands().empty()) << "the button sent its command under an open popup";
    pPopup->CloseMenu(FALSE);
    PumpPending();
    ASSERT_EQ(CWTKPopupMenu::GetActiveMenu(), nullptr);
    push.SetFocus();
    push.PostMessage(WM_KEYDOWN, VK_RETURN, 0);
    PumpPending();
    EXPECT_EQ(Commands().size(), 1u) << "the popup gone, Enter is the button's again";

    m_host.m_events.clear();
    CWTKButton& check = Make("Space", BS_AUTOCHECKBOX, CRect(20, 60, 120, 90));
    check.PostMessage(WM_KEYDOWN, VK_SPACE, 0);
    PumpPending();
    EXPECT_EQ(check.SendMessage(BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(Commands().size(), 1u);

    // A group of three radio buttons keeps exactly one checked.
    m_buttons.clear();
    CWTKButton& r0 = Make("One", BS_AUTORADIOBUTTON, CRect(10, 10, 90, 40), WS_GROUP);
    CWTKButton& r1 = Make("Two", BS_AUTORADIOBUTTON, CRect(100, 10, 180, 40));
    CWTKButton& r2 = Make("Three", BS_AUTORADIOBUTTON, CRect(190, 10, 270, 40));
    CWTKButton& other = Make("Other group", BS_AUTORADIOBUTTON, CRect(10, 60, 90, 90), WS_GROUP);
    other.SendMessage(BM_SETCHECK, BST_CHECKED);
    CWTKButton* group[] = {&r0, &r1, &r2};
    auto checkedIndex = [&]() {
        int iChecked = -1;
        int nChecked = 0;
        for (int i = 0; i < 3; ++i) {
            if (group[i]->SendMessage(BM_GETCHECK) == BST_CHECKED) {
                iChecked = i;
                ++nChecked;
            }
        }
        return nChecked == 1 ? iChecked : -nChecked - 10;
    };
    r0.SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(checkedIndex(), 0);
    const CPoint ptIn(30, 15);
    Send(r1, WM_LBUTTONDOWN, MK_LBUTTON, ptIn);
    Send(r1, WM_LBUTTONUP, 0, ptIn);
    EXPECT_EQ(checkedIndex(), 1) << "a click";
    const struct {
        CWTKButton* pFrom;
        UINT vk;
        int iExpected;
    } keys[] = {{&r1, VK_RIGHT, 2}, {&r2, VK_LEFT, 1}, {&r1, VK_UP, 0}, {&r0, VK_DOWN, 1}};
    for (const auto& key : keys) {
        key.pFrom->SetFocus();
        key.pFrom->PostMessage(WM_KEYDOWN, key.vk, 0);
        PumpPending();
        EXPECT_EQ(checkedIndex(), key.iExpected) << key.vk;
        EXPECT_EQ(::GetFocus(), group[key.iExpected]->GetSafeHwnd()) << key.vk;
    }
    EXPECT_EQ(other.SendMessage(BM_GETCHECK), BST_CHECKED) << "another group is left alone";
}

TEST_F(ButtonTest, AutoTooltipFollowsWhetherTheTextFits)
{
    CWTKButton& button = Make("A label much too long for this button", BS_PUSHBUTTON, CRect(20, 20, 80, 50));
    button.EnableAutoTooltip(TRUE);
    button.UpdateWindow();
    Canvas canvas(60, 30);
    Render(button, canvas);
    ASSERT_NE(button.GetToolTipCtrl(), nullptr);
    EXPECT_EQ(button.GetToolTipCtrl()->GetToolCount(), 1);
    button.SetWindowPos(nullptr, 0, 0, 400, 30, SWP_NOMOVE | SWP_NOZORDER);
    Canvas wide(400, 30);
    Render(button, wide);
    EXPECT_EQ(button.GetToolTipCtrl()->GetToolCount(), 0) << "a text that fits after a resize loses its tooltip";
}

}  // namespace
