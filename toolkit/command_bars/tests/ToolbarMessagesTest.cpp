// The registered toolbar and customisation messages, their parameters and static strings.
#include "command_bars/WTKToolbarMessages.h"

#include "foundation/WTKToolBarBase.h"

#include "win/Wnd.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The variables are set by static initialisation alone: nothing in the program registers the
// names before the tests run, so a number found here was registered before main.
struct Registered {
    const char* name;
    const UINT* pValue;
} const kMessages[] = {
    {"WTKTOOLBAR_POPUPMENU", &WTK_TOOLBAR_POPUPMENU},
    {"WTKTOOLBAR_CUSTOMIZE", &WTK_TOOLBAR_CUSTOMIZE},
    {"WTKTOOLBAR_CREATE", &WTK_TOOLBAR_CREATE},
    {"WTKTOOLBAR_DELETE", &WTK_TOOLBAR_DELETE},
    {"WTKTOOLBAR_CUSTOMIZEHELP", &WTK_TOOLBAR_CUSTOMIZEHELP},
    {"WTKTOOLBAR_RESETTOOLBAR", &WTK_TOOLBAR_RESETTOOLBAR},
    {"WTKTOOLBAR_RESETMENU", &WTK_TOOLBAR_RESETMENU},
    {"WTKTOOLBAR_SHOWREGULARMENU", &WTK_TOOLBAR_SHOWREGULARMENU},
    {"WTKTOOLBAR_RESETCONTEXTMENU", &WTK_TOOLBAR_RESETCONTEXTMENU},
    {"WTKTOOLBAR_RESETKEYBAORD", &WTK_TOOLBAR_RESETKEYBOARD},
    {"WTKTOOLBAR__GETDOCUMENTCOLORS", &WTK_TOOLBAR_GETDOCUMENTCOLORS},
    {"WTKM_PROPERTYCHANGED", &WTKM_PROPERTYCHANGED},
};

TEST(ToolbarMessagesTest, RegisteredByNameBeforeMainAndDistinct)
{
    std::set<UINT> values;
    for (const Registered& m : kMessages) {
        SCOPED_TRACE(m.name);
        EXPECT_GE(*m.pValue, 0xC000u);
        EXPECT_EQ(*m.pValue, ::RegisterWindowMessageA(m.name));
        values.insert(*m.pValue);
    }
    EXPECT_EQ(values.size(), sizeof(kMessages) / sizeof(kMessages[0]));
}

TEST(ToolbarMessagesTest, StaticStrings)
{
    EXPECT_STREQ(kWTKUserToolsManagerSection, "WTKUserToolsManager");
    EXPECT_STREQ(kWTKUserToolsEntry, "Tools");
    const char* const expected[] = {"%d", "%ld", "%u", "%u", "%f", "%lf"};
    for (int i = 0; i < 6; i++)
        EXPECT_STREQ(kWTKPropertyFormats[i], expected[i]) << i;
}

TEST(ToolbarMessagesTest, PopupMenuPointIsSigned)
{
    struct Case {
        POINT sent;
    } cases[] = {{{10, 20}}, {{-5, 7}}, {{300, -1}}, {{-1280, -1024}}, {{32767, -32768}}, {{-1, -1}}};
    for (const Case& c : cases) {
        const LPARAM lParam = MAKELPARAM(c.sent.x, c.sent.y);
        const POINT read = WTKPointFromPopupMenuParam(lParam);
        EXPECT_EQ(read.x, c.sent.x) << c.sent.x << "," << c.sent.y;
        EXPECT_EQ(read.y, c.sent.y) << c.sent.x << "," << c.sent.y;
    }
}

// A toolbar as the list of all toolbars holds it.
class CListedBar : public CWnd, public CWTKToolBarBase {
public:
    CWnd* GetBarWnd() override { return this; }
    BOOL LoadState(LPCTSTR, int, UINT) override { return FALSE; }
    BOOL SaveState(LPCTSTR, int, UINT) override { return FALSE; }
    BOOL IsOriginalItemsChanged() const override { return FALSE; }
    void ResetImages() override {}
    BOOL IsLocked() const override { return FALSE; }
    BOOL IsUserDefined() const override { return TRUE; }
};

TEST(ToolbarMessagesTest, DeleteFindsOnlyListedToolbars)
{
    CListedBar listed, unlisted;
    WTKAllToolbars().AddTail(&listed);
    EXPECT_EQ(WTKFindToolBarOfParam(reinterpret_cast<LPARAM>(static_cast<CWnd*>(&listed))),
              static_cast<CWTKToolBarBase*>(&listed));
    EXPECT_EQ(WTKFindToolBarOfParam(reinterpret_cast<LPARAM>(static_cast<CWnd*>(&unlisted))), nullptr);
    EXPECT_EQ(WTKFindToolBarOfParam(0), nullptr);
    EXPECT_EQ(WTKFindToolBarOfParam(0x12345678), nullptr);
    WTKAllToolbars().RemoveAll();
}

}  // namespace
