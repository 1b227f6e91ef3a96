// Theme access: the real library as the system has it, and a fake library that records which
// themes are opened and closed and which parts are drawn in which states.
#include "FakeUxTheme.h"

#include "Canvas.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKPushButtonInfo.h"
#include "foundation/WTKUxThemeHelper.h"

#include "win/Wnd.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// The helper with its handles and entry points in view.
class ExposedHelper : public CWTKUxThemeHelper {
public:
    std::vector<HTHEME> Handles() const
    {
        return {m_hThemeToolBar,  m_hThemeRebar,      m_hThemeButton,   m_hThemeStatusBar, m_hThemeWindow,
                m_hThemeComboBox, m_hThemeProgress,   m_hThemeHeader,   m_hThemeScrollBar, m_hThemeExplorerBar,
                m_hThemeTree,     m_hThemeStartPanel, m_hThemeTaskBand, m_hThemeTaskBar};
    }
    std::vector<bool> EntryPoints() const
    {
        return {m_pfOpenThemeData != nullptr, m_pfCloseThemeData != nullptr,   m_pfDrawThemeBackground != nullptr,
                m_pfGetThemeColor != nullptr, m_pfGetThemeSysColor != nullptr, m_pfGetCurrentThemeName != nullptr,
                m_pfGetWindowTheme != nullptr};
    }
    int OpenCount() const
    {
        int n = 0;
        for (HTHEME h : Handles())
            n += h ? 1 : 0;
        return n;
    }
};

// An owner-drawn push button: a real push-like check box window that answers its own
// highlighted and pushed state.
class FakeButtonWnd : public CWnd, public CWTKPushButtonInfo {
public:
    FakeButtonWnd()
    {
        Attach(::CreateWindowExA(0, "BUTTON", "", WS_POPUP | BS_AUTOCHECKBOX | BS_PUSHLIKE, 0, 0, 40, 20, nullptr,
                                 nullptr, ::GetModuleHandleA(nullptr), nullptr));
    }
    ~FakeButtonWnd() override
    {
        if (HWND hWnd = Detach())
            ::DestroyWindow(hWnd);
    }
    BOOL IsPushed() const override { return pushed; }
    BOOL IsHighlighted() const override { return highlighted; }
    void OnDrawBorder(CDC*, CRect&, UINT) override {}

    BOOL pushed = FALSE;
    BOOL highlighted = FALSE;
};

TEST(UxThemeHelperTest, LoadsTheSystemLibraryAndClosesEveryTheme)
{
    ExposedHelper helper;
    // Every system this runs on ships the library with all seven entry points; whether a theme
    // opens depends on visual styles being switched on.
    ASSERT_TRUE(helper.IsThemeLibraryLoaded());
    for (bool found : helper.EntryPoints())
        EXPECT_TRUE(found);
    EXPECT_EQ(helper.IsThemed(), helper.Handles()[4] != nullptr);

    helper.CloseThemes();
    EXPECT_EQ(helper.OpenCount(), 0);
    EXPECT_FALSE(helper.IsThemed());
    helper.OpenThemes();  // harmless again
}

TEST(UxThemeHelperTest, OpensEveryClassInOrderAndClosesEachOnce)
{
    fake_theme::Scope scope;
    fake_theme::S().classesWithoutTheme = {L"PROGRESS"};
    {
        ExposedHelper helper;
        ASSERT_EQ(fake_theme::S().opened.size(), static_cast<size_t>(fake_theme::kClassCount));
        const std::vector<HTHEME> handles = helper.Handles();
        for (int i = 0; i < fake_theme::kClassCount; ++i) {
            SCOPED_TRACE(testing::Message() << "class " << i);
            EXPECT_EQ(fake_theme::S().opened[i], fake_theme::kClasses[i]);
            // No main window yet: the themes are opened on no window.
            EXPECT_EQ(fake_theme::S().openedOn[i], nullptr);
            const bool hasTheme = std::wstring(fake_theme::kClasses[i]) != L"PROGRESS";
            EXPECT_EQ(handles[i], hasTheme ? fake_theme::Handle(fake_theme::kClasses[i]) : nullptr);
        }
        EXPECT_TRUE(helper.IsThemed());

        helper.CloseThemes();
        EXPECT_EQ(fake_theme::S().closed.size(), static_cast<size_t>(fake_theme::kClassCount - 1));
        EXPECT_EQ(helper.OpenCount(), 0);
        EXPECT_FALSE(helper.IsThemed());

        // Opening again closes nothing twice; the destructor closes the reopened ones.
        helper.OpenThemes();
        EXPECT_EQ(helper.OpenCount(), fake_theme::kClassCount - 1);
        EXPECT_EQ(fake_theme::S().closed.size(), static_cast<size_t>(fake_theme::kClassCount - 1));
    }
    EXPECT_EQ(fake_theme::S().closed.size(), static_cast<size_t>(2 * (fake_theme::kClassCount - 1)));
    EXPECT_EQ(fake_theme::S().freed, 1);
}

TEST(UxThemeHelperTest, MissingLibraryOrEntryPointsLeaveEveryThemeClosed)
{
    struct Row {
        const char* what;
        bool libraryMissing;
        const char* missingEntry;
        int expectedOpen;
        int expectedFreed;
        BOOL nameKnown;
    };
    const Row rows[] = {
        {"no library", true, nullptr, 0, 0, FALSE},
        {"no OpenThemeData", false, "OpenThemeData", 0, 1, TRUE},
        {"no CloseThemeData", false, "CloseThemeData", 0, 1, TRUE},
        {"no DrawThemeBackground", false, "DrawThemeBackground", 0, 1, TRUE},
        {"no GetCurrentThemeName", false, "GetCurrentThemeName", fake_theme::kClassCount, 1, FALSE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        fake_theme::Scope scope;
        fake_theme::S().libraryMissing = row.libraryMissing;
        if (row.missingEntry)
            fake_theme::S().missingEntries = {row.missingEntry};
        {
            ExposedHelper helper;
            EXPECT_EQ(helper.OpenCount(), row.expectedOpen);
            EXPECT_EQ(helper.IsThemed(), row.expectedOpen > 0);
            CString strFile, strColor;
            EXPECT_EQ(helper.GetCurrentThemeName(strFile, strColor), row.nameKnown);
            Canvas canvas(20, 20);
            FakeButtonWnd button;
            EXPECT_EQ(helper.DrawPushButton(canvas.DC(), CRect(0, 0, 20, 20), &button), row.expectedOpen > 0);
            EXPECT_EQ(helper.GetThemeSysColor(nullptr, COLOR_WINDOW), ::GetSysColor(COLOR_WINDOW));
        }
        EXPECT_EQ(fake_theme::S().freed, row.expectedFreed);
    }
}

TEST(UxThemeHelperTest, ThemeNamesAndColoursComeFromTheLibrary)
{
    fake_theme::Scope scope;
    fake_theme::S().themeFile = L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles";
    fake_theme::S().themeColor = L"Metallic";
    ExposedHelper helper;
    CString strFile, strColor;
    ASSERT_TRUE(helper.GetCurrentThemeName(strFile, strColor));
    EXPECT_STREQ(strFile, "C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles");
    EXPECT_STREQ(strColor, "Metallic");

    COLORREF clr = 0;
    EXPECT_TRUE(helper.GetThemeColor(fake_theme::Handle(L"WINDOW"), 1, 1, 3821, clr));
    EXPECT_EQ(clr, RGB(1, 2, 3));
    EXPECT_FALSE(helper.GetThemeColor(nullptr, 1, 1, 3821, clr));
    EXPECT_EQ(helper.GetThemeSysColor(fake_theme::Handle(L"WINDOW"), COLOR_BTNFACE), RGB(4, 5, 6));
}

TEST(UxThemeHelperTest, PushButtonStates)
{
    fake_theme::Scope scope;
    ExposedHelper helper;
    struct Row {
        const char* what;
        BOOL enabled;
        BOOL checked;
        BOOL highlighted;
        BOOL pushed;
        int expectedState;
    };
    const Row rows[] = {
        {"normal", TRUE, FALSE, FALSE, FALSE, kThemeStateNormal},
        {"pushed, not highlighted", TRUE, FALSE, FALSE, TRUE, kThemeStateNormal},
        {"highlighted", TRUE, FALSE, TRUE, FALSE, kThemeStateHot},
        {"highlighted and pushed", TRUE, FALSE, TRUE, TRUE, kThemeStatePressed},
        {"checked", TRUE, TRUE, FALSE, FALSE, kThemeStatePressed},
        {"disabled, highlighted and checked", FALSE, TRUE, TRUE, TRUE, kThemeStateDisabled},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        FakeButtonWnd button;
        ASSERT_NE(button.GetSafeHwnd(), nullptr);
        button.EnableWindow(row.enabled);
        button.SendMessage(BM_SETCHECK, row.checked ? BST_CHECKED : BST_UNCHECKED);
        button.highlighted = row.highlighted;
        button.pushed = row.pushed;
        fake_theme::S().draws.clear();
        Canvas canvas(40, 20);
        ASSERT_TRUE(helper.DrawPushButton(canvas.DC(), CRect(0, 0, 40, 20), &button));
        ASSERT_EQ(fake_theme::S().draws.size(), 1u);
        const fake_theme::DrawCall& call = fake_theme::S().draws[0];
        EXPECT_EQ(call.hTheme, fake_theme::Handle(L"BUTTON"));
        EXPECT_EQ(call.nPart, kThemeButtonPushButton);
        EXPECT_EQ(call.nState, row.expectedState);
    }
}

TEST(UxThemeHelperTest, ProgressChunkStaysInsideThePane)
{
    fake_theme::Scope scope;
    ExposedHelper helper;
    const CRect rect(10, 0, 116, 20);  // the chunk area runs from 13 to 113: 100 pixels
    struct Row {
        int total;
        int position;
        int expectedChunkRight;  // -1: no chunk drawn
    };
    const Row rows[] = {
        {0, 5, -1},                   // no range: the bar alone
        {100, 50, 63},                // half
        {INT_MAX, INT_MAX - 1, 112},  // the product needs 64 bits
        {INT_MAX, INT_MAX, 113},
        {100, 250, 113},  // a stray position is kept at the end
        {100, -5, 13},    // and at the start
        {-100, 50, 13},   // a negative range draws an empty chunk
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.total << ", " << row.position);
        fake_theme::S().draws.clear();
        Canvas canvas(130, 20);
        ASSERT_TRUE(helper.DrawProgress(canvas.DC(), nullptr, rect, row.total, row.position, 0, 0, 0, FALSE));
        const std::vector<fake_theme::DrawCall>& draws = fake_theme::S().draws;
        ASSERT_EQ(draws.size(), row.expectedChunkRight < 0 ? 1u : 2u);
        EXPECT_EQ(draws[0].nPart, kThemeProgressBar);
        EXPECT_EQ(CRect(draws[0].rect), rect);
        if (row.expectedChunkRight < 0)
            continue;
        EXPECT_EQ(draws[1].nPart, kThemeProgressChunk);
        EXPECT_EQ(CRect(draws[1].rect), CRect(13, 3, row.expectedChunkRight, 17));
    }
}

TEST(UxThemeHelperTest, ProgressTextInButtonTextColour)
{
    fake_theme::Scope scope;
    fake_theme::S().paint = false;
    ExposedHelper helper;
    const COLORREF clrText = WTKGetGlobalData().clrBtnText;
    const COLORREF clrPaper = clrText == kWhite ? kBlack : kWhite;
    Canvas canvas(120, 24, clrPaper);
    CFont* pOldFont = canvas.DC()->SelectObject(&WTKGetGlobalData().fontRegular);
    ASSERT_TRUE(helper.DrawProgress(canvas.DC(), nullptr, CRect(0, 0, 120, 24), 200, 100, 0, 0, 0, TRUE));
    canvas.DC()->SelectObject(pOldFont);
    const CRect text = canvas.BoundsOfOther(clrPaper);
    EXPECT_GT(canvas.Count(clrText), 0);
    EXPECT_NEAR(text.CenterPoint().x, 60, 3);  // "50%" centred

    // Without a progress theme nothing is drawn and the caller falls back.
    helper.CloseThemes();
    Canvas blank(120, 24, clrPaper);
    EXPECT_FALSE(helper.DrawProgress(blank.DC(), nullptr, CRect(0, 0, 120, 24), 200, 100, 0, 0, 0, TRUE));
    EXPECT_EQ(blank.Count(clrPaper), 120 * 24);
}

}  // namespace
