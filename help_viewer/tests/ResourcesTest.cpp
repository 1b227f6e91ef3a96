// The viewer's resources as the program loads them: accelerators, the menus, the document
// string, and the pictures drawn at build time.
#include "Resource.h"
#include "ViewerTestSupport.h"
#include "core/ResourceHandle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// "&View>Text Size>Largest=32782": every command item of a menu, depth first.
void Collect(HMENU menu, const std::string& path, std::vector<std::string>& items)
{
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[128] = {};
        MENUITEMINFOA info {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_FTYPE;
        info.dwTypeData = text;
        info.cch = sizeof text;
        ::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        if (info.fType & MFT_SEPARATOR)
            items.push_back(path + "-");
        else if (info.hSubMenu)
            Collect(info.hSubMenu, path + text + ">", items);
        else
            items.push_back(path + text + "=" + std::to_string(info.wID));
    }
}

std::vector<std::string> MenuItems(UINT id)
{
    std::vector<std::string> items;
    HMENU menu = ::LoadMenuA(FwGetResourceHandle(), MAKEINTRESOURCEA(id));
    if (menu) {
        Collect(menu, "", items);
        ::DestroyMenu(menu);
    }
    return items;
}

}  // namespace

TEST(ViewerResources, Accelerators)
{
    HACCEL table = ::LoadAcceleratorsA(FwGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_TRUE(table);
    ACCEL entries[32] = {};
    const int count = ::CopyAcceleratorTableA(table, entries, 32);
    std::vector<std::string> read;
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(entries[i].fVirt & (FVIRTKEY | FNOINVERT), FVIRTKEY | FNOINVERT) << i;
        read.push_back(std::string(entries[i].fVirt & FCONTROL ? "Ctrl+" : "") +
                       (entries[i].fVirt & FSHIFT ? "Shift+" : "") + (entries[i].fVirt & FALT ? "Alt+" : "") +
                       std::to_string(entries[i].key) + "=" + std::to_string(entries[i].cmd));
    }
    const std::vector<std::string> expected = {
        "Ctrl+67=57634", "Ctrl+45=57634",  "Ctrl+78=57600", "Ctrl+79=57601",   "Ctrl+83=57603",
        "Ctrl+86=57637", "Shift+45=57637", "Alt+8=57643",   "Ctrl+90=57643",   "Shift+46=57635",
        "Ctrl+88=57635", "116=32834",      "117=57680",     "Shift+117=57681",
    };
    EXPECT_EQ(read, expected);
    ::DestroyAcceleratorTable(table);
}

TEST(ViewerResources, Menus)
{
    EXPECT_EQ(MenuItems(IDR_MAINFRAME),
              (std::vector<std::string> {"&File>Load Documentation...=32832",
                                         "&File>Print...=57607",
                                         "&File>-",
                                         "&File>E&xit=57665",
                                         "&View>&Toolbars><TOOLBARS>=32771",
                                         "&View>&Status Bar=59393",
                                         "&View>-",
                                         "&View>Text Size>Largest=32782",
                                         "&View>Text Size>Large=32783",
                                         "&View>Text Size>Medium=32784",
                                         "&View>Text Size>Small=32785",
                                         "&View>Text Size>Smallest=32786",
                                         "&View>-",
                                         "&View>&Refresh\tF5=32834",
                                         "&View>-",
                                         "&View>&Application Look>Office 2000=32871",
                                         "&View>&Application Look>Office XP=32872",
                                         "&View>&Application Look>Windows XP=32873",
                                         "&View>&Application Look>Office 2003=32874",
                                         "&Help>Tolvek on the Web=32839",
                                         "&Help>&About Lumidoc...=57664"}));
    EXPECT_EQ(MenuItems(IDR_BAR_MENU),
              (std::vector<std::string> {"Bars>Standard Toolbar=59392", "Bars>Conten&t Bar=32803",
                                         "Bars>&Caption Bar=32816"}));
    EXPECT_EQ(MenuItems(IDR_HISTORY_MENU), std::vector<std::string> {"<HISTORY>=158"});
}

TEST(ViewerResources, StringsAndPictures)
{
    const struct {
        UINT id;
        const char* text;
    } strings[] = {
        {IDR_MAINFRAME, "Lumidoc\n\nMyLumi\n\n\nMyLumidoc.Document\nMyLumi Document"},
        {IDS_APP_TITLE, "Lumidoc"},
        {IDS_TOOLBAR_STANDARD, "Standard"},
        {ID_PAGE_BACK, "Goes back one step.\nBack"},
        {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout Lumidoc"},
    };
    for (const auto& row : strings) {
        CString text;
        EXPECT_TRUE(text.LoadString(row.id)) << row.id;
        EXPECT_STREQ(text, row.text) << row.id;
    }
    const struct {
        UINT id;
        int width, height;
    } bitmaps[] = {{IDB_TAB_IMAGES, 48, 16}, {IDB_CAPTION_IMAGE, 24, 24}, {IDB_ABOUT_PICTURE, 164, 314}};
    for (const auto& row : bitmaps) {
        HBITMAP bitmap = ::LoadBitmapA(FwGetResourceHandle(), MAKEINTRESOURCEA(row.id));
        ASSERT_TRUE(bitmap) << row.id;
        BITMAP info {};
        ::GetObjectA(bitmap, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, row.width) << row.id;
        EXPECT_EQ(info.bmHeight, row.height) << row.id;
        ::DeleteObject(bitmap);
    }
    for (UINT id : {IDR_MAINFRAME, IDI_LOAD_DOC})
        EXPECT_TRUE(::LoadIconA(FwGetResourceHandle(), MAKEINTRESOURCEA(id))) << id;
    EXPECT_TRUE(::FindResourceA(FwGetResourceHandle(), MAKEINTRESOURCEA(IDR_ABOUT_SOUND), "WAVE"));
}
