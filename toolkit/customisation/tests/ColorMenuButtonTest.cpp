// The colour menu button: its archive with and without a workspace and under an old saved
// version, damaged counts, buttons of one command in step, and its colour stripe.
#include "ColorTestSupport.h"

#include "Canvas.h"

#include "customisation/WTKColorMenuButton.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKWorkspace.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A workspace whose saved state has the given version (-1: none read yet).
class CVersionedWorkspace : public CWTKWorkspace {
public:
    CVersionedWorkspace(int nMajor, int nMinor)
    {
        m_iSavedVersionMajor = nMajor;
        m_iSavedVersionMinor = nMinor;
    }
};

void Configure(CWTKColorMenuButton& button)
{
    button.SetColors(MakeColours(7));
    button.SetColumnsNumber(4);
    button.EnableTearOff(0xE900 + 7, 3, 2);
    button.EnableAutomaticButton("Automatic", RGB(1, 2, 3));
    button.EnableOtherButton("More Colors...", FALSE);
    button.EnableDocumentColors("Document's Colors");
}

void ExpectSameOptions(const CWTKColorMenuButton& a, const CWTKColorMenuButton& b, bool bLayout)
{
    WTKColorBarSettings sa;
    WTKColorBarSettings sb;
    a.GetSettings(sa);
    b.GetSettings(sb);
    ASSERT_EQ(sa.colors.GetSize(), sb.colors.GetSize());
    for (INT_PTR i = 0; i < sa.colors.GetSize(); i++)
        EXPECT_EQ(sa.colors[i], sb.colors[i]) << "colour " << i;
    EXPECT_EQ(sa.nColumns, sb.nColumns);
    EXPECT_EQ(bLayout ? sa.nVertDockColumns : -1, sb.nVertDockColumns);
    EXPECT_EQ(bLayout ? sa.nHorzDockRows : -1, sb.nHorzDockRows);
    EXPECT_STREQ(sa.strAutoColor, sb.strAutoColor);
    EXPECT_STREQ(sa.strOtherColor, sb.strOtherColor);
    EXPECT_STREQ(sa.strDocColors, sb.strDocColors);
    EXPECT_EQ(sa.colorAutomatic, sb.colorAutomatic);
    EXPECT_EQ(sa.bStdColorDlg, sb.bStdColorDlg);
}

// The record an old toolkit wrote: the menu button's own, then the colour fields without the
// two layout values.
std::string OldRecord(const CWTKColorMenuButton& button)
{
    return StoreArchive([&](CArchive& ar) {
        CWTKToolbarMenuButton base(button.m_nID, nullptr, -1, button.m_strText);
        base.Serialize(ar);
        WTKColorBarSettings s;
        button.GetSettings(s);
        ar << static_cast<DWORD>(s.colors.GetSize());
        for (INT_PTR i = 0; i < s.colors.GetSize(); i++)
            ar << static_cast<DWORD>(s.colors[i]);
        ar << static_cast<DWORD>(s.nColumns);
        ar << static_cast<DWORD>(TRUE) << static_cast<DWORD>(TRUE) << static_cast<DWORD>(TRUE);
        ar << s.strAutoColor << s.strOtherColor << s.strDocColors;
        ar << static_cast<DWORD>(s.colorAutomatic) << static_cast<DWORD>(s.bStdColorDlg);
    });
}

TEST(ColorMenuButtonArchive, RoundTripsWithAndWithoutAWorkspace)
{
    struct Case {
        const char* pszName;
        int nMajor;  // 0: no workspace
        int nMinor;
    } cases[] = {{"no workspace", 0, 0},
                 {"workspace before loading", -1, -1},
                 {"current workspace", CWTKWorkspace::kVersionMajor, CWTKWorkspace::kVersionMinor},
                 {"workspace 4.71", 4, 71}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        std::unique_ptr<CVersionedWorkspace> pWorkspace;
        if (c.nMajor != 0)
            pWorkspace = std::make_unique<CVersionedWorkspace>(c.nMajor, c.nMinor);
        CWTKColorMenuButton source(ID_COLOUR_TEXT, "Text Colour");
        Configure(source);
        const std::string bytes = StoreArchive([&](CArchive& ar) { source.Serialize(ar); });
        CWTKColorMenuButton copy;
        ASSERT_TRUE(LoadArchive(bytes, [&](CArchive& ar) { copy.Serialize(ar); }));
        ExpectSameOptions(source, copy, true);
        EXPECT_EQ(ID_COLOUR_TEXT, copy.m_nID);
    }
}

TEST(ColorMenuButtonArchive, OldSavedStateHasNoLayoutValues)
{
    struct Case {
        int nMajor;
        int nMinor;
    } cases[] = {{4, 70}, {4, 0}, {3, 99}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.nMajor << "." << c.nMinor);
        CVersionedWorkspace workspace(c.nMajor, c.nMinor);
        CWTKColorMenuButton source(ID_COLOUR_TEXT, "Text Colour");
        Configure(source);
        const std::string bytes = OldRecord(source);
        CWTKColorMenuButton copy;
        ASSERT_TRUE(LoadArchive(bytes, [&](CArchive& ar) { copy.Serialize(ar); }));
        ExpectSameOptions(source, copy, false);
    }
}

TEST(ColorMenuButtonArchive, DamagedCountsAreRefused)
{
    CWTKColorMenuButton source(ID_COLOUR_TEXT, "Text Colour");
    Configure(source);
    const std::string good = StoreArchive([&](CArchive& ar) { source.Serialize(ar); });
    const std::string base = StoreArchive([&](CArchive& ar) {
        CWTKToolbarMenuButton plain(ID_COLOUR_TEXT, nullptr, -1, "Text Colour");
        plain.Serialize(ar);
    });
    struct Case {
        const char* pszName;
        DWORD dwCount;
    } cases[] = {{"count beyond the data", 0x00100000}, {"count near the top", 0xFFFFFFF0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        std::string damaged = good;
        damaged.replace(base.size(), sizeof(DWORD), reinterpret_cast<const char*>(&c.dwCount), sizeof(DWORD));
        CWTKColorMenuButton copy;
        EXPECT_FALSE(LoadArchive(damaged, [&](CArchive& ar) { copy.Serialize(ar); }));
        EXPECT_EQ(0, copy.GetColors().GetSize());
    }
    // Cut anywhere in the colour part: refused, never read past the end.
    for (size_t nCut = base.size(); nCut < good.size(); nCut += 3) {
        CWTKColorMenuButton copy;
        EXPECT_FALSE(LoadArchive(good.substr(0, nCut), [&](CArchive& ar) { copy.Serialize(ar); })) << nCut;
    }
}

TEST(ColorMenuButtonArchive, LoadedButtonTakesTheCommandsColour)
{
    CWTKColorMenuButton::ClearColorsByCmdID();
    CWTKColorMenuButton source(ID_COLOUR_FILL, "Fill Colour");
    const std::string bytes = StoreArchive([&](CArchive& ar) { source.Serialize(ar); });
    CWTKColorMenuButton::SetColorByCmdID(ID_COLOUR_FILL, RGB(12, 34, 56));
    CWTKColorMenuButton copy;
    ASSERT_TRUE(LoadArchive(bytes, [&](CArchive& ar) { copy.Serialize(ar); }));
    EXPECT_EQ(RGB(12, 34, 56), copy.GetColor());
    CWTKColorMenuButton::ClearColorsByCmdID();
}

class ColorMenuButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CWTKColorMenuButton::ClearColorsByCmdID();
        m_pFrame = CreateColorFrame();
        ASSERT_NE(nullptr, m_pFrame);
    }
    void TearDown() override { CloseColourFrame(m_pFrame); }

    CColorTestFrame* m_pFrame = nullptr;
};

TEST_F(ColorMenuButtonTest, ButtonsAndBarsOfOneCommandStayInStep)
{
    CWTKToolBar& toolbar = m_pFrame->m_wndToolBar;
    CWTKColorMenuButton second(ID_COLOUR_TEXT, "Text Colour again");
    ASSERT_GE(toolbar.InsertButton(second), 0);
    auto* pFirst = dynamic_cast<CWTKColorMenuButton*>(toolbar.GetButton(0));
    auto* pFill = dynamic_cast<CWTKColorMenuButton*>(toolbar.GetButton(1));
    auto* pSecond = dynamic_cast<CWTKColorMenuButton*>(toolbar.GetButton(2));
    ASSERT_TRUE(pFirst && pFill && pSecond);
    CWTKColorBar bar;
    ASSERT_TRUE(bar.CreateControl(m_pFrame, CRect(10, 80, 150, 180), ID_COLOUR_TEXT));

    pFirst->SetColor(RGB(200, 0, 0), TRUE);
    EXPECT_EQ(RGB(200, 0, 0), pSecond->GetColor());
    EXPECT_EQ(RGB(200, 0, 0), bar.GetColor());
    EXPECT_EQ(static_cast<COLORREF>(-1), pFill->GetColor()) << "another command keeps its colour";

    pSecond->SetColor(RGB(0, 0, 200), TRUE);
    EXPECT_EQ(RGB(0, 0, 200), pFirst->GetColor());
    EXPECT_EQ(RGB(0, 0, 200), CWTKColorMenuButton::GetColorByCmdID(ID_COLOUR_TEXT));

    pSecond->SetColor(RGB(0, 200, 0), FALSE);
    EXPECT_EQ(RGB(0, 0, 200), pFirst->GetColor()) << "without notify only the button changes";
    bar.DestroyWindow();
}

TEST_F(ColorMenuButtonTest, StripeShowsTheColour)
{
    auto* pButton = dynamic_cast<CWTKColorMenuButton*>(m_pFrame->m_wndToolBar.GetButton(0));
    ASSERT_NE(nullptr, pButton);
    const COLORREF clrGrey = WTKGetGlobalData().clrBtnShadow;
    struct Case {
        const char* pszName;
        COLORREF color;
        BOOL bDisabled;
        COLORREF expected;
    } cases[] = {
        {"a colour", RGB(255, 0, 0), FALSE, RGB(255, 0, 0)},
        {"automatic", static_cast<COLORREF>(-1), FALSE, RGB(0, 0, 0)},  // the automatic colour
        {"disabled", RGB(255, 0, 0), TRUE, clrGrey},
    };
    const CRect rect(0, 0, 60, 24);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        pButton->SetColor(c.color, FALSE);
        const UINT nOldStyle = pButton->m_nStyle;
        if (c.bDisabled)
            pButton->m_nStyle |= TBBS_DISABLED;
        Canvas canvas(rect.Width(), rect.Height(), RGB(255, 0, 255));
        pButton->OnDraw(canvas.DC(), rect, CWTKToolBar::GetImages(), TRUE, FALSE, FALSE, TRUE, TRUE);
        pButton->m_nStyle = nOldStyle;
        // A stripe 5 pixels high, 4 pixels in from the left, 4 up from the bottom.
        const CRect rectStripe(CWTKColorMenuButton::kStripeInset, rect.bottom - 4 - 5, rect.Width() / 2,
                               rect.bottom - 4);
        EXPECT_EQ(rectStripe.Width() * rectStripe.Height(), canvas.Count(c.expected, rectStripe));
        EXPECT_NE(c.expected, canvas.Pixel(CWTKColorMenuButton::kStripeInset - 1, rect.bottom - 6));
    }
}

}  // namespace
