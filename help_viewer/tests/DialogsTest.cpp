// The Load Documentation and About dialogs, run modally and worked from inside their loops:
// the modules listed (and only those loaded), selection and the Select button, double-clicks;
// the About box's texts with and without a module, its places, sound, etched lines and link.
#include "AboutDlg.h"
#include "Canvas.h"
#include "LoadDocDlg.h"
#include "Resource.h"
#include "ViewerTestSupport.h"
#include "core/ResourceHandle.h"
#include "win/ShellLauncher.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <mmsystem.h>

#include <set>
#include <string>
#include <vector>

namespace {

std::string ListText(HWND list, int item, int column)
{
    char text[300] = {};
    LVITEMA lvItem {};
    lvItem.iSubItem = column;
    lvItem.pszText = text;
    lvItem.cchTextMax = sizeof text;
    ::SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvItem));
    return text;
}

void SetSelected(HWND list, int item, bool selected)
{
    LVITEMA lvItem {};
    lvItem.stateMask = LVIS_SELECTED;
    lvItem.state = selected ? LVIS_SELECTED : 0;
    ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvItem));
}

// A real double-click of the mouse at a point of the list's client area.
void DoubleClick(HWND list, POINT point)
{
    const LPARAM at = MAKELPARAM(point.x, point.y);
    ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(list, WM_LBUTTONUP, 0, at);
    ::SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::SendMessageA(list, WM_LBUTTONUP, 0, at);
}

bool ButtonEnabled(HWND dialog, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE;
}

void Click(HWND dialog, int id)
{
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

struct SoundCall {
    LPCSTR sound;
    HMODULE module;
    DWORD flags;
};
std::vector<SoundCall> g_sounds;

BOOL WINAPI RecordSound(LPCSTR sound, HMODULE module, DWORD flags)
{
    g_sounds.push_back({sound, module, flags});
    return TRUE;
}

std::vector<std::string> g_shellFiles;

HINSTANCE RecordShell(HWND, LPCSTR, LPCSTR file, LPCSTR parameters, LPCSTR, int)
{
    g_shellFiles.push_back(std::string(file ? file : "") + " " + (parameters ? parameters : ""));
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

const char kLoadDocCaption[] = "Lumidoc";
const char kAboutCaption[] = "About Lumidoc";

}  // namespace

TEST(LoadDocDlg, ListsTheExportingModulesOfTheProgramFolder)
{
    ForgetFixtureInitialisation();
    std::set<std::string> listed;
    int selectedAtStart = -2;
    bool enabledAtStart = false, enabledWithoutSelection = true, openAfterSelect = false, openAfterEmptyClick = false;
    ModalDriver driver(kLoadDocCaption,
                       {
                           [&](HWND dialog) {
                               HWND list = ::GetDlgItem(dialog, IDC_DOC_LIST);
                               const int count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
                               for (int i = 0; i < count; ++i)
                                   listed.insert(ListText(list, i, 0) + " | " + ListText(list, i, 1));
                               selectedAtStart = static_cast<int>(
                                   ::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
                               enabledAtStart = ButtonEnabled(dialog, IDOK);
                               SaveWindowShot(dialog, "help_viewer_load_documentation.png");
                               return true;
                           },
                           [&](HWND dialog) {
                               HWND list = ::GetDlgItem(dialog, IDC_DOC_LIST);
                               SetSelected(list, -1, false);
                               enabledWithoutSelection = ButtonEnabled(dialog, IDOK);
                               Click(dialog, IDOK);  // nothing chosen: the dialog stays
                               openAfterSelect = ::IsWindowVisible(dialog) != FALSE;
                               RECT client {};
                               ::GetClientRect(list, &client);
                               DoubleClick(list, {client.right / 2, client.bottom - 4});  // below the items
                               openAfterEmptyClick = ::IsWindowVisible(dialog) != FALSE;
                               return true;
                           },
                           [&](HWND dialog) {
                               HWND list = ::GetDlgItem(dialog, IDC_DOC_LIST);
                               const int count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
                               for (int i = 0; i < count; ++i) {
                                   if (ListText(list, i, 1) == "HvDocB.dll")
                                       SetSelected(list, i, true);
                               }
                               if (ButtonEnabled(dialog, IDOK))
                                   Click(dialog, IDOK);
                               return true;
                           },
                       });
    CLoadDocDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_STREQ(dlg.GetFileName(), "HvDocB.dll");
    EXPECT_EQ(listed,
              (std::set<std::string> {"Fixture Guide A | HvDocA.dll", "Fixture Guide B | HvDocB.dll",
                                      "Tolvek Glyphora Help | PendrelEn.dll"}));
    EXPECT_EQ(selectedAtStart, 0);
    EXPECT_TRUE(enabledAtStart);
    EXPECT_FALSE(enabledWithoutSelection);
    EXPECT_TRUE(openAfterSelect);
    EXPECT_TRUE(openAfterEmptyClick);
    EXPECT_FALSE(FixtureInitialised('C'));
    EXPECT_FALSE(FixtureInitialised('D'));
}

TEST(LoadDocDlg, DoubleClickOnAnItemChoosesItAndCancelChoosesNothing)
{
    std::string firstFile;
    {
        ModalDriver driver(kLoadDocCaption, {[&](HWND dialog) {
                               HWND list = ::GetDlgItem(dialog, IDC_DOC_LIST);
                               firstFile = ListText(list, 0, 1);
                               RECT item {};
                               item.left = LVIR_LABEL;
                               ::SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
                               DoubleClick(list, {item.left + 4, (item.top + item.bottom) / 2});
                               return true;
                           }});
        CLoadDocDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(std::string(dlg.GetFileName()), firstFile);
        EXPECT_FALSE(firstFile.empty());
    }
    ModalDriver driver(kLoadDocCaption, {[](HWND dialog) {
                           Click(dialog, IDCANCEL);
                           return true;
                       }});
    CLoadDocDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST(AboutDlg, NoticeYearIsNeverBeforeTheFirst)
{
    const struct {
        int year;
        const char* notice;
    } rows[] = {{1999, "Copyright \xA9 2004 Tolvek"},
                {2004, "Copyright \xA9 2004 Tolvek"},
                {2026, "Copyright \xA9 2026 Tolvek"}};
    for (const auto& row : rows)
        EXPECT_STREQ(CAboutDlg::NoticeText(row.year), row.notice) << row.year;
}

TEST(AboutDlg, TextsPlacesSoundLinesAndLink)
{
    ContentModuleGuard guard;
    CAboutDlg::SoundFunction previousSound = CAboutDlg::SetSoundFunction(&RecordSound);
    FwShellExecuteFn previousShell = FwSetShellLauncher(&RecordShell);
    SYSTEMTIME now {};
    ::GetLocalTime(&now);
    CString warning, second;
    warning.LoadString(IDS_LEGAL_WARNING_1);
    second.LoadString(IDS_LEGAL_WARNING_2);
    warning += second;

    const struct {
        const char* module;  // null: none loaded
        const char* title;
        const char* shot;
    } rows[] = {
        {nullptr, "", nullptr},
        {"HvDocC.dll", "", nullptr},  // no title export
        {"PendrelEn.dll", "Tolvek Glyphora Help", "help_viewer_about.png"},
    };
    for (const auto& row : rows) {
        CContentModule::Current().Free();
        if (row.module) {
            ASSERT_TRUE(CContentModule::Current().Load(row.module));
        }
        g_sounds.clear();
        g_shellFiles.clear();
        std::string notice, title, location, shownWarning;
        RECT window {}, edit {};
        COLORREF above = 0, aboveLight = 0, below = 0, belowLight = 0;
        ModalDriver driver(kAboutCaption, {[&](HWND dialog) {
                               char text[1024] = {};
                               ::GetDlgItemTextA(dialog, IDC_ABOUT_NOTICE, text, sizeof text);
                               notice = text;
                               ::GetDlgItemTextA(dialog, IDC_ABOUT_DOC_TITLE, text, sizeof text);
                               title = text;
                               ::GetDlgItemTextA(dialog, IDC_ABOUT_LOCATION, text, sizeof text);
                               location = text;
                               ::GetDlgItemTextA(dialog, IDC_ABOUT_WARNING, text, sizeof text);
                               shownWarning = text;
                               ::GetWindowRect(dialog, &window);
                               HWND hEdit = ::GetDlgItem(dialog, IDC_ABOUT_WARNING);
                               ::GetWindowRect(hEdit, &edit);
                               ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&edit), 2);
                               ::RedrawWindow(dialog, nullptr, nullptr,
                                              RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                               RECT client {};
                               ::GetClientRect(dialog, &client);
                               Canvas canvas(client.right, client.bottom, kBlack);
                               canvas.CopyFromWindow(dialog, false);
                               const int x = edit.left - 10 + 4;
                               above = canvas.Pixel(x, edit.top - 5);
                               aboveLight = canvas.Pixel(x, edit.top - 4);
                               below = canvas.Pixel(x, edit.bottom + 5);
                               belowLight = canvas.Pixel(x, edit.bottom + 6);
                               if (row.shot)
                                   SaveWindowShot(dialog, row.shot);
                               Click(dialog, IDC_ABOUT_LINK);
                               Click(dialog, IDOK);
                               return true;
                           }});
        CAboutDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDOK);
        const std::string name = row.module ? row.module : "no module";
        EXPECT_EQ(notice, std::string(CAboutDlg::NoticeText(now.wYear))) << name;
        EXPECT_EQ(title, row.title) << name;
        if (row.module) {
            EXPECT_EQ(location.substr(location.find_last_of('\\') + 1), row.module) << name;
            EXPECT_EQ(location, std::string(CContentModule::Current().GetModulePath())) << name;
        } else {
            EXPECT_EQ(location, "") << name;
        }
        EXPECT_EQ(shownWarning, std::string(warning)) << name;
        EXPECT_FALSE(shownWarning.empty());
        EXPECT_EQ(window.left, 364);
        EXPECT_EQ(window.top, 200);
        EXPECT_EQ(window.right - window.left, 552);
        EXPECT_EQ(window.bottom - window.top, 340);
        EXPECT_EQ(edit.left, 182);
        EXPECT_EQ(edit.top, 168);
        EXPECT_EQ(edit.right - edit.left, 329);
        EXPECT_EQ(edit.bottom - edit.top, 84);
        EXPECT_EQ(above, RGB(0x99, 0x99, 0x99)) << name;
        EXPECT_EQ(aboveLight, RGB(0xFF, 0xFF, 0xFF)) << name;
        EXPECT_EQ(below, RGB(0x99, 0x99, 0x99)) << name;
        EXPECT_EQ(belowLight, RGB(0xFF, 0xFF, 0xFF)) << name;
        ASSERT_EQ(g_sounds.size(), 1u) << name;
        EXPECT_EQ(g_sounds[0].sound, MAKEINTRESOURCEA(IDR_ABOUT_SOUND));
        EXPECT_EQ(g_sounds[0].module, FwGetResourceHandle());
        EXPECT_EQ(g_sounds[0].flags, DWORD(SND_RESOURCE | SND_ASYNC));
        EXPECT_EQ(g_shellFiles, std::vector<std::string> {"iexplore.exe http://www.tolvek.example/"}) << name;
    }
    CAboutDlg::SetSoundFunction(previousSound);
    FwSetShellLauncher(previousShell);
}
