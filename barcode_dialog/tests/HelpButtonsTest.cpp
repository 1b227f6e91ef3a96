// The help buttons and the framework's command-help request start the viewer of the install
// folder through the shell launcher; the web link opens the vendor's address; F1 starts nothing.
#include "BarcodeDlgApp.h"
#include "DialogFixture.h"
#include "RecordingLauncher.h"

#include <memory>
#include <string>

namespace {

const char kProductKey[] = "SOFTWARE\\Tolvek\\Glyphora";

// Sets or removes "AppPath" for the test, and takes the keys away afterwards.
class AppPathValue {
public:
    explicit AppPathValue(const char* value)
    {
        HKEY key = nullptr;
        if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kProductKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return;
        if (value != nullptr)
            ::RegSetValueExA(key, "AppPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                             static_cast<DWORD>(strlen(value) + 1));
        else
            ::RegDeleteValueA(key, "AppPath");
        ::RegCloseKey(key);
    }
    ~AppPathValue()
    {
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kProductKey);
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tolvek");
    }
    AppPathValue(const AppPathValue&) = delete;
    AppPathValue& operator=(const AppPathValue&) = delete;
};

}  // namespace

using HelpButtonsTest = DialogFixture;

TEST_F(HelpButtonsTest, ButtonsStartTheViewerOnTheirTopic)
{
    AppPathValue appPath("C:\\Program Files\\Tolvek\\Glyphora");
    Open();
    RecordingLauncher launcher;
    Command(IDC_START_STOP_HELP);
    Command(IDC_FONT_HELP);
    ASSERT_EQ(launcher.calls.size(), 2u);
    for (const RecordingLauncher::Call& call : launcher.calls) {
        EXPECT_EQ(call.operation, "open");
        EXPECT_EQ(call.file, "C:\\Program Files\\Tolvek\\Glyphora\\doc\\Lumidoc.exe");
        EXPECT_EQ(call.directory, "");
        EXPECT_EQ(call.show, SW_SHOWNORMAL);
    }
    EXPECT_EQ(launcher.calls[0].parameters, "/doc=PendrelEn:5");
    EXPECT_EQ(launcher.calls[1].parameters, "/doc=PendrelEn:1");
}

TEST_F(HelpButtonsTest, NoViewerWithoutAUsableAppPath)
{
    const std::string tooLong = "C:\\" + std::string(250, 'x');
    struct Row {
        const char* value;  // null: the value is missing
        bool keyExists;
        const char* name;
    } rows[] = {
        {nullptr, false, "no key"},
        {nullptr, true, "no value"},
        {tooLong.c_str(), true, "no room for the viewer's path"},
    };
    for (const Row& row : rows) {
        std::unique_ptr<AppPathValue> appPath;
        if (row.keyExists)
            appPath = std::make_unique<AppPathValue>(row.value);
        Open();
        RecordingLauncher launcher;
        Command(IDC_START_STOP_HELP);
        Command(IDC_FONT_HELP);
        EXPECT_TRUE(launcher.calls.empty()) << row.name;
        dialog.DestroyWindow();
    }
}

TEST_F(HelpButtonsTest, LongestAppPathThatStillFits)
{
    // 260 bytes hold the folder, "\doc\Lumidoc.exe" (16) and the zero.
    const std::string folder = "C:\\" + std::string(260 - 16 - 1 - 3, 'y');
    AppPathValue appPath(folder.c_str());
    Open();
    RecordingLauncher launcher;
    Command(IDC_START_STOP_HELP);
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].file, folder + "\\doc\\Lumidoc.exe");
}

TEST_F(HelpButtonsTest, CommandHelpRequestReachesTheApplicationAndStartsTopicFive)
{
    AppPathValue appPath("C:\\Glyphora");
    CBarcodeDlgApp app;  // the module's application object, as the module has one
    Open();
    RecordingLauncher launcher;
    dialog.SendMessage(WM_COMMANDHELP, 0, 0);
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].file, "C:\\Glyphora\\doc\\Lumidoc.exe");
    EXPECT_EQ(launcher.calls[0].parameters, "/doc=PendrelEn:5");
}

TEST_F(HelpButtonsTest, F1StartsNothing)
{
    AppPathValue appPath("C:\\Glyphora");
    CBarcodeDlgApp app;  // a help request that reached it would start the viewer
    Open();
    RecordingLauncher launcher;
    PressKey(VK_F1);
    HELPINFO help {};
    help.cbSize = sizeof help;
    help.iContextType = HELPINFO_WINDOW;
    help.iCtrlId = IDC_DATA_EDIT;
    help.hItemHandle = Item(IDC_DATA_EDIT);
    dialog.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    EXPECT_TRUE(launcher.calls.empty());
}

TEST_F(HelpButtonsTest, WebLinkOpensTheVendorAddress)
{
    Open();
    RecordingLauncher launcher;
    Command(IDC_WEB_LINK);
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].file, "iexplore.exe");
    EXPECT_EQ(launcher.calls[0].parameters, "http://www.tolvek.example/");
    char caption[64] = {};
    ::GetWindowTextA(Item(IDC_WEB_LINK), caption, sizeof caption);
    EXPECT_STREQ(caption, "tolvek.example");
}
