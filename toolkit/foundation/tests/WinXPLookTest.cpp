// The Windows XP look: without themes it draws exactly as the Office XP look; with themes (a fake
// library that paints each part and state in its own colour) it draws something else. Plus the
// push-button state rule, the extra border, the temporary look that leaves the current one alone,
// and a gallery of a toolbar and a status bar for a person to judge.
#include "FakeUxTheme.h"
#include "LookFakes.h"

#include "Canvas.h"
#include "Files.h"

#include "foundation/WTKBarLookInfo.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKMenuLookInfo.h"
#include "foundation/WTKPopupMenuInfo.h"
#include "foundation/WTKShortcutBarInfo.h"
#include "foundation/WTKShortcutPageButtonInfo.h"
#include "foundation/WTKTaskInfo.h"
#include "foundation/WTKTasksGroupInfo.h"
#include "foundation/WTKVisualManagerXP.h"
#include "foundation/WTKWinXPVisualManager.h"

#include "docview/BarStyles.h"
#include "win/Wnd.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 254);
constexpr int kCanvasWidth = 80;
constexpr int kCanvasHeight = 48;

// A toolbar of a given kind, as the Office XP family reads it.
struct LookBar : FakeToolBar, CWTKBarLookInfo {
    Kind kind = kindToolBar;
    CString title;
    Kind GetLookKind() const override { return kind; }
    CString GetTitle() const override { return title; }
};

struct LookMenuButton : FakeMenuButton {
    const CWTKToolBarInfo* bar = nullptr;
    const CWTKToolBarInfo* GetParentToolBar() const override { return bar; }
};

struct FakeMenu : CWTKPopupMenuInfo {};

struct FakeShortcutBar : CWTKShortcutBarInfo {
    DWORD GetBarStyle() const override { return 0; }
    BOOL IsDockable() const override { return FALSE; }
    void FillWorkArea(CDC* pDC, const CRect& rect) const override { pDC->FillSolidRect(rect, RGB(9, 99, 9)); }
    BOOL UsesButtonColors() const override { return FALSE; }
};

struct FakePageButton : CWTKShortcutPageButtonInfo, CWTKPushButtonInfo {
    BOOL IsPushed() const override { return FALSE; }
    BOOL IsHighlighted() const override { return TRUE; }
    void OnDrawBorder(CDC*, CRect&, UINT) override {}
};

struct FakeGroup : CWTKTasksGroupInfo {
    BOOL special = FALSE;
    CRect GetCaptionRect() const override { return CRect(2, 2, 78, 24); }
    CString GetCaptionText() const override { return "Group"; }
    HICON GetIcon() const override { return nullptr; }
    CSize GetIconSize() const override { return CSize(0, 0); }
    BOOL IsSpecial() const override { return special; }
    BOOL IsCollapsed() const override { return FALSE; }
};

struct FakeTask : CWTKTaskInfo {
    CRect GetRect() const override { return CRect(2, 2, 78, 22); }
    CString GetText() const override { return "Task"; }
    int GetIcon() const override { return -1; }
    BOOL IsSeparator() const override { return FALSE; }
    BOOL IsEnabled() const override { return TRUE; }
    UINT GetCommandID() const override { return 1; }
};

// An owner-drawn push button backed by a real window (enabled, checked).
class ButtonWnd : public CWnd, public CWTKPushButtonInfo {
public:
    ButtonWnd()
    {
        Attach(::CreateWindowExA(0, "BUTTON", "", WS_POPUP | BS_AUTOCHECKBOX | BS_PUSHLIKE, 0, 0, 40, 20, nullptr,
                                 nullptr, ::GetModuleHandleA(nullptr), nullptr));
    }
    ~ButtonWnd() override
    {
        if (HWND hWnd = Detach())
            ::DestroyWindow(hWnd);
    }
    BOOL IsPushed() const override { return pushed; }
    BOOL IsHighlighted() const override { return highlighted; }
    void OnDrawBorder(CDC*, CRect& rect, UINT) override { rect.DeflateRect(2, 2); }
    BOOL pushed = FALSE;
    BOOL highlighted = TRUE;
};

// What a row expects of the themed drawing.
enum class Themed {
    DrawnAndDifferent,  // something is drawn, and not the Office XP picture
    NothingDrawn,       // the theme part elsewhere covers it: nothing at all
    Same,               // drawn the same way with or without themes
};

struct Operation {
    const char* name;
    std::function<void(CWTKVisualManager& look, CDC* pDC)> draw;
    Themed themed;
};

// Every operation the Windows XP look overrides, with arguments that make both looks draw.
std::vector<Operation> Operations()
{
    static LookBar toolBar;
    static LookBar popupMenu;
    popupMenu.kind = CWTKBarLookInfo::kindPopupMenuBar;
    static LookBar menuBar;
    menuBar.kind = CWTKBarLookInfo::kindMenuBar;
    static LookBar sizingBar;
    sizingBar.kind = CWTKBarLookInfo::kindSizingBar;
    sizingBar.title = "Index";
    static FakeButton button;
    button.toolBar = &toolBar;
    static FakeButton checked;
    checked.toolBar = &toolBar;
    checked.style = TBBS_CHECKED;
    static LookMenuButton menuButton;
    menuButton.bar = &menuBar;
    static FakeCaptionButton captionButton;
    captionButton.position = CPoint(4, 4);
    captionButton.highlighted = TRUE;
    static FakeStatusBar statusBar;
    static FakeMenu menu;
    static FakeShortcutBar shortcutBar;
    static FakePageButton pageButton;
    static FakeGroup group;
    static FakeTask task;
    const CRect rect(4, 4, 70, 40);

    using T = Themed;
    return {
        {"OnFillBarBackground popup menu",
         [=](CWTKVisualManager& l, CDC* p) { l.OnFillBarBackground(p, &popupMenu, rect, CRect(), FALSE); },
         T::DrawnAndDifferent},
        {"OnFillBarBackground toolbar",
         [=](CWTKVisualManager& l, CDC* p) { l.OnFillBarBackground(p, &toolBar, rect, CRect(), FALSE); }, T::Same},
        {"OnDrawMenuBorder", [=](CWTKVisualManager& l, CDC* p) { l.OnDrawMenuBorder(p, &menu, rect); },
         T::DrawnAndDifferent},
        {"OnDrawBarGripper toolbar", [=](CWTKVisualManager& l, CDC* p) { l.OnDrawBarGripper(p, rect, TRUE, &toolBar); },
         T::DrawnAndDifferent},
        {"OnDrawBarGripper sizing bar",
         [=](CWTKVisualManager& l, CDC* p) { l.OnDrawBarGripper(p, rect, FALSE, &sizingBar); }, T::DrawnAndDifferent},
        {"OnDrawSeparator", [=](CWTKVisualManager& l, CDC* p) { l.OnDrawSeparator(p, &toolBar, rect, TRUE); },
         T::DrawnAndDifferent},
        {"OnDrawCaptionButton",
         [=](CWTKVisualManager& l, CDC* p) { l.OnDrawCaptionButton(p, &captionButton, TRUE, FALSE, FALSE); },
         T::DrawnAndDifferent},
        {"OnDrawMenuSystemButton",
         [=](CWTKVisualManager& l, CDC* p) { l.OnDrawMenuSystemButton(p, rect, SC_CLOSE, TBBS_PRESSED, TRUE); },
         T::DrawnAndDifferent},
        {"OnDrawStatusBarPaneBorder",
         [=](CWTKVisualManager& l, CDC* p) { l.OnDrawStatusBarPaneBorder(p, &statusBar, rect, 1, 0); },
         T::DrawnAndDifferent},
        {"OnDrawStatusBarProgress",
         [=](CWTKVisualManager& l, CDC* p) {
             l.OnDrawStatusBarProgress(p, &statusBar, rect, 100, 40, RGB(0, 0, 200), kWTKNoColor, kWTKNoColor, FALSE);
         },
         T::DrawnAndDifferent},
        {"OnDrawStatusBarSizeBox", [=](CWTKVisualManager& l, CDC* p) { l.OnDrawStatusBarSizeBox(p, &statusBar, rect); },
         T::DrawnAndDifferent},
        {"OnDrawComboDropButton",
         [=](CWTKVisualManager& l, CDC* p) { l.OnDrawComboDropButton(p, rect, FALSE, FALSE, TRUE, &button); },
         T::DrawnAndDifferent},
        // Themed, the frame is the system's selection colour: the one the Office XP look uses too.
        {"OnDrawComboBorder",
         [=](CWTKVisualManager& l, CDC* p) { l.OnDrawComboBorder(p, rect, FALSE, TRUE, FALSE, &button); }, T::Same},
        {"OnDrawEditBorder", [=](CWTKVisualManager& l, CDC* p) { l.OnDrawEditBorder(p, rect, FALSE, TRUE, &button); },
         T::DrawnAndDifferent},
        {"OnFillButtonInterior",
         [=](CWTKVisualManager& l, CDC* p) { l.OnFillButtonInterior(p, &button, rect, kButtonStateHighlighted); },
         T::DrawnAndDifferent},
        {"OnFillButtonInterior checked",
         [=](CWTKVisualManager& l, CDC* p) { l.OnFillButtonInterior(p, &checked, rect, kButtonStateNormal); },
         T::DrawnAndDifferent},
        {"OnDrawButtonBorder",
         [=](CWTKVisualManager& l, CDC* p) { l.OnDrawButtonBorder(p, &button, rect, kButtonStateHighlighted); },
         T::NothingDrawn},
        {"OnDrawMenuButtonBorder",
         [=](CWTKVisualManager& l, CDC* p) {
             l.OnDrawMenuButtonBorder(p, &menuButton, CRect(30, 8, 32, 36), kButtonStateHighlighted, TRUE);
         },
         T::DrawnAndDifferent},
        {"OnHighlightMenuItem",
         [=](CWTKVisualManager& l, CDC* p) {
             COLORREF clrText = 0;
             l.OnHighlightMenuItem(p, &popupMenu, &button, rect, clrText);
         },
         T::DrawnAndDifferent},
        {"OnFillOutlookPageButton",
         [=](CWTKVisualManager& l, CDC* p) {
             COLORREF clrText = 0;
             l.OnFillOutlookPageButton(&pageButton, p, rect, clrText);
         },
         T::DrawnAndDifferent},
        {"OnFillPushButtonBackground",
         [=](CWTKVisualManager& l, CDC* p) {
             ButtonWnd push;
             l.OnFillPushButtonBackground(p, rect, &push);
         },
         T::NothingDrawn},
        {"OnDrawPushButtonBorder",
         [=](CWTKVisualManager& l, CDC* p) {
             ButtonWnd push;
             CRect r = rect;
             l.OnDrawPushButtonBorder(p, r, &push, 0);
         },
         T::DrawnAndDifferent},
        {"OnDrawTabButtonBorder",
         [=](CWTKVisualManager& l, CDC* p) {
             ButtonWnd push;
             CRect r = rect;
             l.OnDrawTabButtonBorder(p, r, &push, 0);
         },
         T::DrawnAndDifferent},
        {"OnDrawOutlookButtonBorder",
         [=](CWTKVisualManager& l, CDC* p) {
             CRect r = rect;
             l.OnDrawOutlookButtonBorder(&shortcutBar, p, r, FALSE, TRUE);
         },
         T::DrawnAndDifferent},
        {"OnFillCheckedImageBackground",
         [=](CWTKVisualManager& l, CDC* p) { l.OnFillCheckedImageBackground(p, rect, TRUE); }, T::DrawnAndDifferent},
        {"OnFillTasksPaneBackground", [=](CWTKVisualManager& l, CDC* p) { l.OnFillTasksPaneBackground(p, rect); },
         T::DrawnAndDifferent},
        {"OnDrawTasksGroupCaption",
         [=](CWTKVisualManager& l, CDC* p) { l.OnDrawTasksGroupCaption(p, &group, FALSE, FALSE, TRUE); },
         T::DrawnAndDifferent},
        {"OnDrawTasksGroupAreaBorder",
         [=](CWTKVisualManager& l, CDC* p) { l.OnDrawTasksGroupAreaBorder(p, rect, FALSE); }, T::DrawnAndDifferent},
        {"OnDrawTasksGroupFrame", [=](CWTKVisualManager& l, CDC* p) { l.OnDrawTasksGroupFrame(p, rect, TRUE, TRUE); },
         T::DrawnAndDifferent},
        {"OnDrawOutlookScrollArrow",
         [=](CWTKVisualManager& l, CDC* p) { l.OnDrawOutlookScrollArrow(&shortcutBar, p, rect, TRUE); },
         T::DrawnAndDifferent},
        {"OnDrawExpandingBox",
         [=](CWTKVisualManager& l, CDC* p) { l.OnDrawExpandingBox(p, CRect(4, 4, 13, 13), TRUE, RGB(0, 0, 0)); },
         T::DrawnAndDifferent},
        {"OnDrawScrollButton",
         [=](CWTKVisualManager& l, CDC* p) { l.OnDrawScrollButton(p, rect, 2, CWTKMenuGlyphs::kArrowDown, TRUE); },
         T::Same},
    };
}

void Render(CWTKVisualManager& look, const Operation& op, Canvas& canvas)
{
    CFont* pOldFont = canvas.DC()->SelectObject(&WTKGetGlobalData().fontRegular);
    op.draw(look, canvas.DC());
    canvas.DC()->SelectObject(pOldFont);
}

// This look keeps the base look's tasks pane layout where the Office XP look has its own; the
// Office XP picture to compare with is drawn with the same layout.
void UseLayoutOf(const CWTKVisualManager& from, CWTKVisualManager& to)
{
    to.m_nVertMargin = from.m_nVertMargin;
    to.m_nHorzMargin = from.m_nHorzMargin;
    to.m_nGroupVertOffset = from.m_nGroupVertOffset;
    to.m_nGroupCaptionHeight = from.m_nGroupCaptionHeight;
    to.m_nGroupCaptionHorzOffset = from.m_nGroupCaptionHorzOffset;
    to.m_nGroupCaptionVertOffset = from.m_nGroupCaptionVertOffset;
    to.m_nTasksHorzOffset = from.m_nTasksHorzOffset;
    to.m_nTasksIconHorzOffset = from.m_nTasksIconHorzOffset;
    to.m_nTasksVertSpacing = from.m_nTasksVertSpacing;
    to.m_nTasksPaneReserved = from.m_nTasksPaneReserved;
}

class WinXPLookTest : public ::testing::Test {
protected:
    void SetUp() override { WTKGetGlobalData().UpdateSysColors(); }
};

TEST_F(WinXPLookTest, WithoutThemesDrawsAsTheOfficeXPLook)
{
    fake_theme::Scope scope;
    fake_theme::S().libraryMissing = true;
    CWTKVisualManagerXP officeXP(TRUE);
    CWTKWinXPVisualManager winXP(TRUE);
    ASSERT_FALSE(winXP.IsThemed());
    UseLayoutOf(winXP, officeXP);
    for (const Operation& op : Operations()) {
        SCOPED_TRACE(op.name);
        Canvas expected(kCanvasWidth, kCanvasHeight, kPaper);
        Canvas actual(kCanvasWidth, kCanvasHeight, kPaper);
        Render(officeXP, op, expected);
        Render(winXP, op, actual);
        EXPECT_TRUE(expected.SamePixels(actual));
    }
}

TEST_F(WinXPLookTest, ThemesClosedOneByOneFallBackToo)
{
    // A manager whose themes were open and then closed draws as without the library.
    fake_theme::Scope scope;
    CWTKVisualManagerXP officeXP(TRUE);
    CWTKWinXPVisualManager winXP(TRUE);
    ASSERT_TRUE(winXP.IsThemed());
    winXP.CloseThemes();
    EXPECT_FALSE(winXP.IsThemed());
    UseLayoutOf(winXP, officeXP);
    EXPECT_EQ(winXP.GetButtonExtraBorder(), CSize(0, 0));
    for (const Operation& op : Operations()) {
        SCOPED_TRACE(op.name);
        Canvas expected(kCanvasWidth, kCanvasHeight, kPaper);
        Canvas actual(kCanvasWidth, kCanvasHeight, kPaper);
        Render(officeXP, op, expected);
        Render(winXP, op, actual);
        EXPECT_TRUE(expected.SamePixels(actual));
    }
}

TEST_F(WinXPLookTest, WithThemesDrawsSomethingElse)
{
    fake_theme::Scope scope;
    CWTKVisualManagerXP officeXP(TRUE);
    CWTKWinXPVisualManager winXP(TRUE);
    ASSERT_TRUE(winXP.IsThemed());
    EXPECT_EQ(winXP.GetButtonExtraBorder(), CSize(2, 2));
    for (const Operation& op : Operations()) {
        SCOPED_TRACE(op.name);
        Canvas officeXPPicture(kCanvasWidth, kCanvasHeight, kPaper);
        Canvas themed(kCanvasWidth, kCanvasHeight, kPaper);
        Render(officeXP, op, officeXPPicture);
        Render(winXP, op, themed);
        switch (op.themed) {
        case Themed::DrawnAndDifferent:
            EXPECT_TRUE(themed.Count(kPaper) < kCanvasWidth * kCanvasHeight) << "nothing drawn";
            EXPECT_FALSE(themed.SamePixels(officeXPPicture)) << "drawn the Office XP way";
            break;
        case Themed::NothingDrawn:
            EXPECT_EQ(themed.Count(kPaper), kCanvasWidth * kCanvasHeight);
            EXPECT_FALSE(officeXPPicture.SamePixels(themed));
            break;
        case Themed::Same:
            EXPECT_TRUE(themed.SamePixels(officeXPPicture));
            break;
        }
    }
}

TEST_F(WinXPLookTest, OfficeXPStyleMenusKeepTheOfficeXPMenus)
{
    fake_theme::Scope scope;
    CWTKVisualManagerXP officeXP(TRUE);
    CWTKWinXPVisualManager winXP(TRUE);
    winXP.m_bOfficeXPStyleMenus = TRUE;
    const char* const menuOperations[] = {"OnFillBarBackground popup menu", "OnDrawMenuBorder", "OnHighlightMenuItem",
                                          "OnFillCheckedImageBackground"};
    for (const Operation& op : Operations()) {
        bool isMenu = false;
        for (const char* name : menuOperations)
            isMenu = isMenu || std::string(name) == op.name;
        if (!isMenu)
            continue;
        SCOPED_TRACE(op.name);
        Canvas expected(kCanvasWidth, kCanvasHeight, kPaper);
        Canvas actual(kCanvasWidth, kCanvasHeight, kPaper);
        Render(officeXP, op, expected);
        Render(winXP, op, actual);
        EXPECT_TRUE(expected.SamePixels(actual));
    }
}

TEST_F(WinXPLookTest, ThemedPartsAndStates)
{
    fake_theme::Scope scope;
    CWTKWinXPVisualManager winXP(TRUE);
    LookBar toolBar;
    LookBar sizingBar;
    sizingBar.kind = CWTKBarLookInfo::kindSizingBar;
    auto buttonWith = [&toolBar](UINT nStyle) {
        auto pButton = std::make_shared<FakeButton>();
        pButton->style = nStyle;
        pButton->toolBar = &toolBar;
        return pButton;
    };
    FakeGroup normalGroup;
    FakeGroup specialGroup;
    specialGroup.special = TRUE;
    const CRect rect(4, 4, 70, 40);
    struct Row {
        const char* what;
        std::function<void(CDC*)> draw;
        const wchar_t* themeClass;
        int part;
        int state;
    };
    const Row rows[] = {
        {"button disabled",
         [&](CDC* p) { winXP.OnFillButtonInterior(p, buttonWith(TBBS_DISABLED | TBBS_CHECKED).get(), rect, 2); },
         L"TOOLBAR", 1, 4},
        {"button checked, hot", [&](CDC* p) { winXP.OnFillButtonInterior(p, buttonWith(TBBS_CHECKED).get(), rect, 2); },
         L"TOOLBAR", 1, 6},
        {"button checked",
         [&](CDC* p) { winXP.OnFillButtonInterior(p, buttonWith(TBBS_CHECKED | TBBS_PRESSED).get(), rect, 1); },
         L"TOOLBAR", 1, 5},
        {"button pressed", [&](CDC* p) { winXP.OnFillButtonInterior(p, buttonWith(TBBS_PRESSED).get(), rect, 2); },
         L"TOOLBAR", 1, 3},
        {"button hot", [&](CDC* p) { winXP.OnFillButtonInterior(p, buttonWith(0).get(), rect, 2); }, L"TOOLBAR", 1, 2},
        {"button normal", [&](CDC* p) { winXP.OnFillButtonInterior(p, buttonWith(0).get(), rect, 0); }, L"TOOLBAR", 1,
         1},
        {"separator across", [&](CDC* p) { winXP.OnDrawSeparator(p, &toolBar, rect, TRUE); }, L"TOOLBAR", 5, 0},
        {"separator along", [&](CDC* p) { winXP.OnDrawSeparator(p, &toolBar, rect, FALSE); }, L"TOOLBAR", 6, 0},
        {"gripper", [&](CDC* p) { winXP.OnDrawBarGripper(p, rect, TRUE, &toolBar); }, L"REBAR", 1, 0},
        {"vertical gripper", [&](CDC* p) { winXP.OnDrawBarGripper(p, rect, FALSE, &toolBar); }, L"REBAR", 2, 0},
        {"sizing bar gripper", [&](CDC* p) { winXP.OnDrawBarGripper(p, rect, FALSE, &sizingBar); }, L"REBAR", 1, 0},
        {"minimise", [&](CDC* p) { winXP.OnDrawMenuSystemButton(p, rect, SC_MINIMIZE, 0, FALSE); }, L"WINDOW", 16, 1},
        {"minimise hot", [&](CDC* p) { winXP.OnDrawMenuSystemButton(p, rect, SC_MINIMIZE, 0, TRUE); }, L"WINDOW", 16,
         2},
        {"close pressed", [&](CDC* p) { winXP.OnDrawMenuSystemButton(p, rect, SC_CLOSE, TBBS_PRESSED, TRUE); },
         L"WINDOW", 20, 3},
        {"restore disabled",
         [&](CDC* p) { winXP.OnDrawMenuSystemButton(p, rect, SC_RESTORE, TBBS_DISABLED | TBBS_PRESSED, TRUE); },
         L"WINDOW", 22, 4},
        {"combo dropped", [&](CDC* p) { winXP.OnDrawComboDropButton(p, rect, FALSE, TRUE, TRUE, nullptr); },
         L"COMBOBOX", 1, 3},
        {"combo disabled", [&](CDC* p) { winXP.OnDrawComboDropButton(p, rect, TRUE, TRUE, TRUE, nullptr); },
         L"COMBOBOX", 1, 4},
        {"size box", [&](CDC* p) { winXP.OnDrawStatusBarSizeBox(p, nullptr, rect); }, L"SCROLLBAR", 10, 1},
        {"pane", [&](CDC* p) { winXP.OnDrawStatusBarPaneBorder(p, nullptr, rect, 0, 0); }, L"STATUS", 1, 0},
        {"tree opened", [&](CDC* p) { winXP.OnDrawExpandingBox(p, rect, TRUE, 0); }, L"TREEVIEW", 2, 2},
        {"tree closed", [&](CDC* p) { winXP.OnDrawExpandingBox(p, rect, FALSE, 0); }, L"TREEVIEW", 2, 1},
        {"special group area", [&](CDC* p) { winXP.OnDrawTasksGroupAreaBorder(p, rect, TRUE); }, L"EXPLORERBAR", 9, 0},
        {"normal group area", [&](CDC* p) { winXP.OnDrawTasksGroupAreaBorder(p, rect, FALSE); }, L"EXPLORERBAR", 5, 0},
        {"special group, collapse button hot",
         [&](CDC* p) { winXP.OnDrawTasksGroupCaption(p, &specialGroup, TRUE, FALSE, TRUE); }, L"EXPLORERBAR", 10, 2},
        {"normal group, collapse button",
         [&](CDC* p) { winXP.OnDrawTasksGroupCaption(p, &normalGroup, FALSE, FALSE, TRUE); }, L"EXPLORERBAR", 6, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        fake_theme::S().draws.clear();
        Canvas canvas(kCanvasWidth, kCanvasHeight, kPaper);
        row.draw(canvas.DC());
        ASSERT_FALSE(fake_theme::S().draws.empty());
        const fake_theme::DrawCall& call = fake_theme::S().draws.back();
        EXPECT_EQ(call.hTheme, fake_theme::Handle(row.themeClass));
        EXPECT_EQ(call.nPart, row.part);
        EXPECT_EQ(call.nState, row.state);
    }
}

// A menu dropped down from a menu-bar button.
struct DroppedMenu : CWTKPopupMenuInfo, CWTKMenuLookInfo {
    Side GetParentButtonSide() const override { return sideTop; }
    CRect GetParentButtonRect() const override { return CRect(10, -20, 40, 0); }
};

TEST_F(WinXPLookTest, MenuJoinsItsButtonOnlyWhileThemed)
{
    // The Office XP menu frame, opened only along the button, and only when themes are on.
    struct Row {
        const char* what;
        bool themes;
        bool joined;
    };
    const Row rows[] = {{"no themes", false, false}, {"themes", true, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        fake_theme::Scope scope;
        fake_theme::S().libraryMissing = !row.themes;
        CWTKWinXPVisualManager winXP(TRUE);
        winXP.m_bOfficeXPStyleMenus = TRUE;
        DroppedMenu menu;
        Canvas canvas(60, 40, kPaper);
        winXP.OnDrawMenuBorder(canvas.DC(), &menu, CRect(0, 0, 60, 40));
        EXPECT_EQ(canvas.Pixel(20, 0), row.joined ? winXP.GetBarBkgndColor() : winXP.GetMenuBorderColor());
        EXPECT_EQ(canvas.Pixel(50, 0), winXP.GetMenuBorderColor());
    }
}

TEST_F(WinXPLookTest, PushButtonBorderAppearsOnHover)
{
    fake_theme::Scope scope;
    CWTKWinXPVisualManager winXP(TRUE);
    struct Row {
        const char* what;
        BOOL enabled;
        BOOL checked;
        BOOL highlighted;
        BOOL pushed;
        int expectedState;  // 0: only the bar face
    };
    const Row rows[] = {
        {"resting", TRUE, FALSE, FALSE, FALSE, 0},
        {"pushed, mouse away", TRUE, FALSE, FALSE, TRUE, 0},
        {"hover", TRUE, FALSE, TRUE, FALSE, kThemeStateNormal},
        {"pressed", TRUE, FALSE, TRUE, TRUE, kThemeStatePressed},
        {"checked", TRUE, TRUE, FALSE, FALSE, kThemeStatePressed},
        {"disabled", FALSE, FALSE, TRUE, FALSE, kThemeStateDisabled},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ButtonWnd button;
        button.EnableWindow(row.enabled);
        button.SendMessage(BM_SETCHECK, row.checked ? BST_CHECKED : BST_UNCHECKED);
        button.highlighted = row.highlighted;
        button.pushed = row.pushed;
        fake_theme::S().draws.clear();
        Canvas canvas(40, 30, kPaper);
        CRect rect(5, 5, 35, 25);
        winXP.OnDrawPushButtonBorder(canvas.DC(), rect, &button, 0);
        EXPECT_EQ(canvas.Pixel(4, 4), WTKGetGlobalData().clrBarFace);  // the frame around is bar face
        if (row.expectedState == 0) {
            EXPECT_TRUE(fake_theme::S().draws.empty());
            continue;
        }
        ASSERT_EQ(fake_theme::S().draws.size(), 1u);
        EXPECT_EQ(fake_theme::S().draws[0].nPart, kThemeButtonPushButton);
        EXPECT_EQ(fake_theme::S().draws[0].nState, row.expectedState);
        EXPECT_EQ(CRect(fake_theme::S().draws[0].rect), CRect(5, 5, 35, 25));
    }
}

TEST_F(WinXPLookTest, TaskDrawsItsOwnWayWithOrWithoutThemes)
{
    // Tasks are written in the selection colour, not the Office XP hot-text way; themes change
    // nothing about it.
    const COLORREF clrHilite = WTKGetGlobalData().clrHilite;
    FakeTask task;
    Canvas pictures[2] = {Canvas(kCanvasWidth, kCanvasHeight, kPaper), Canvas(kCanvasWidth, kCanvasHeight, kPaper)};
    for (int themed = 0; themed < 2; ++themed) {
        fake_theme::Scope scope;
        fake_theme::S().libraryMissing = themed == 0;
        CWTKWinXPVisualManager winXP(TRUE);
        winXP.OnDrawTask(pictures[themed].DC(), &task, nullptr, FALSE);
        EXPECT_GT(pictures[themed].Count(clrHilite), 0) << "themed " << themed;
        // The text starts after the gap of a task's icon.
        EXPECT_GE(pictures[themed].BoundsOfOther(kPaper).left, 2 + 5);
    }
    EXPECT_TRUE(pictures[0].SamePixels(pictures[1]));
}

TEST_F(WinXPLookTest, ConstructionKeepsTheBaseTasksPaneLayout)
{
    fake_theme::Scope scope;
    CWTKWinXPVisualManager winXP(TRUE);
    const int metrics[] = {winXP.m_nVertMargin,
                           winXP.m_nHorzMargin,
                           winXP.m_nGroupVertOffset,
                           winXP.m_nGroupCaptionHeight,
                           winXP.m_nGroupCaptionHorzOffset,
                           winXP.m_nGroupCaptionVertOffset,
                           winXP.m_nTasksHorzOffset,
                           winXP.m_nTasksIconHorzOffset,
                           winXP.m_nTasksVertSpacing,
                           winXP.m_nTasksPaneReserved};
    const int expected[] = {12, 12, 15, 25, 13, 7, 12, 5, 4, 1};
    for (size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(metrics[i], expected[i]) << "metric " << i;
    EXPECT_FALSE(winXP.m_bShadowHighlightedImage);
    EXPECT_FALSE(winXP.m_bOfficeXPStyleMenus);

    // Colour changes: the Office XP fallback shadows highlighted images, themed buttons do not.
    winXP.OnUpdateSystemColors();
    EXPECT_FALSE(winXP.m_bShadowHighlightedImage);
    winXP.CloseThemes();
    winXP.OnUpdateSystemColors();
    EXPECT_TRUE(winXP.m_bShadowHighlightedImage);
}

int g_glyphReleases = 0;
void CountGlyphRelease()
{
    ++g_glyphReleases;
    CWTKMenuGlyphs::CleanUp();
}

TEST_F(WinXPLookTest, AvailabilityCheckLeavesTheCurrentLookAlone)
{
    CWTKVisualManager::SetDefaultManager(RUNTIME_CLASS(CWTKVisualManagerXP));
    CWTKVisualManager* pCurrent = CWTKVisualManager::GetInstance();
    ASSERT_NE(dynamic_cast<CWTKVisualManagerXP*>(pCurrent), nullptr);

    // The current look's tinted bar colours stand for whatever state it keeps.
    WTKGlobalData& data = WTKGetGlobalData();
    const COLORREF kTinted = RGB(12, 34, 56);
    data.clrBarFace = kTinted;
    data.clrBarShadow = kTinted;
    g_glyphReleases = 0;
    WTKSetMenuGlyphsReleaseHook(CountGlyphRelease);

    for (bool libraryMissing : {false, true}) {
        SCOPED_TRACE(libraryMissing ? "no theme library" : "themes");
        fake_theme::Scope scope;
        fake_theme::S().libraryMissing = libraryMissing;
        EXPECT_EQ(CWTKWinXPVisualManager::IsWinXPThemeAvailable(), !libraryMissing);
        EXPECT_EQ(CWTKVisualManager::GetInstance(), pCurrent);
        EXPECT_EQ(data.clrBarFace, kTinted);
        EXPECT_EQ(data.clrBarShadow, kTinted);
        EXPECT_EQ(g_glyphReleases, 0);
        // The temporary look closed its themes and let the library go.
        EXPECT_EQ(fake_theme::S().freed, libraryMissing ? 0 : 1);
        EXPECT_EQ(fake_theme::S().closed.size(), libraryMissing ? 0u : static_cast<size_t>(fake_theme::kClassCount));
    }
    WTKSetMenuGlyphsReleaseHook(CWTKMenuGlyphs::CleanUp);

    // With this look current, it answers itself.
    {
        fake_theme::Scope scope;
        CWTKVisualManager::SetDefaultManager(RUNTIME_CLASS(CWTKWinXPVisualManager));
        CWTKVisualManager* pWinXP = CWTKVisualManager::GetInstance();
        ASSERT_NE(dynamic_cast<CWTKWinXPVisualManager*>(pWinXP), nullptr);
        const size_t opened = fake_theme::S().opened.size();
        EXPECT_TRUE(CWTKWinXPVisualManager::IsWinXPThemeAvailable());
        EXPECT_EQ(fake_theme::S().opened.size(), opened);  // no temporary look made
        CWTKVisualManager::SetDefaultManager(nullptr);
    }
    data.UpdateSysColors();
}

// The Windows XP look for a person: a toolbar with buttons in each state and a status bar, with
// the system's own themes (the Office XP picture where it has none) and with the fake themes.
TEST(WinXPLookGallery, SavesAPicture)
{
    WTKGetGlobalData().UpdateSysColors();
    const std::string folder = ScreenshotFolder();
    for (int fake = 0; fake < 2; ++fake) {
        std::unique_ptr<fake_theme::Scope> scope;
        if (fake)
            scope = std::make_unique<fake_theme::Scope>();
        CWTKWinXPVisualManager look(TRUE);
        WTKGlobalData& data = WTKGetGlobalData();

        Canvas canvas(320, 110, ::GetSysColor(COLOR_APPWORKSPACE));
        CDC* pDC = canvas.DC();
        CFont* pOldFont = pDC->SelectObject(&data.fontRegular);
        pDC->SetBkMode(TRANSPARENT);

        LookBar toolBar;
        toolBar.style = kBarStyleBorderAny;
        CRect rectBar(4, 4, 316, 34);
        look.OnFillBarBackground(pDC, &toolBar, rectBar, CRect(), TRUE);
        look.OnDrawBarBorder(pDC, &toolBar, rectBar);
        look.OnDrawBarGripper(pDC, CRect(rectBar.left, rectBar.top, rectBar.left + 8, rectBar.bottom), TRUE, &toolBar);
        const int states[] = {kButtonStateNormal, kButtonStateHighlighted, kButtonStatePushed, kButtonStateNormal,
                              kButtonStateNormal};
        const UINT styles[] = {0, 0, TBBS_PRESSED, TBBS_CHECKED, TBBS_DISABLED};
        const char* labels[] = {"Back", "Hot", "Down", "On", "Off"};
        int x = rectBar.left + 12;
        for (int i = 0; i < 5; ++i) {
            FakeButton button;
            button.style = styles[i];
            button.toolBar = &toolBar;
            const CRect rectButton(x, rectBar.top + 2, x + 40, rectBar.top + 26);
            look.OnFillButtonInterior(pDC, &button, rectButton, states[i]);
            look.OnDrawButtonBorder(pDC, &button, rectButton, states[i]);
            pDC->SetTextColor(look.GetToolbarButtonTextColor(&button, states[i]));
            CRect rectText = rectButton;
            pDC->DrawText(labels[i], -1, rectText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            x += 42;
            if (i == 2) {
                look.OnDrawSeparator(pDC, &toolBar, CRect(x, rectBar.top + 2, x + 6, rectBar.top + 26), TRUE);
                x += 8;
            }
        }

        FakeStatusBar statusBar;
        const CRect rectStatus(4, 74, 316, 96);
        pDC->FillRect(rectStatus, &data.brBarFace);
        look.OnDrawStatusBarPaneBorder(pDC, &statusBar, CRect(6, 76, 150, 94), 0, 0);
        CRect rectPaneText(10, 76, 150, 94);
        pDC->SetTextColor(data.clrBarText);
        pDC->DrawText("Ready", -1, rectPaneText, DT_VCENTER | DT_SINGLELINE);
        look.OnDrawStatusBarPaneBorder(pDC, &statusBar, CRect(152, 76, 290, 94), 0, 0);
        look.OnDrawStatusBarProgress(pDC, &statusBar, CRect(154, 78, 288, 92), 100, 60, data.clrHilite, kWTKNoColor,
                                     kWTKNoColor, TRUE);
        look.OnDrawStatusBarSizeBox(pDC, &statusBar, CRect(296, 78, 314, 96));

        pDC->SelectObject(pOldFont);
        EXPECT_GT(canvas.Count(data.clrBarText), 0);
        EXPECT_TRUE(canvas.WritePng(folder + (fake ? "\\winxp_look_fake_theme.png" : "\\winxp_look_system.png")));
    }
}

}  // namespace
