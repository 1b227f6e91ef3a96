// The viewer as a user meets it: Lumidoc.exe started as a program of its own with the command
// lines the barcode dialog and users give it, read from outside (windows, texts, the registry
// after exit), with PendrelEn.dll and the fixture modules beside it.
#include "RemoteMemory.h"
#include "ViewerProcess.h"

#include "Canvas.h"
#include "Files.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <string>
#include <vector>

namespace {

// No look stored before the start (the looks a test stores are ViewerProcess.h's).
constexpr DWORD kNoLook = 0;

constexpr char kErrorCaption[] = "Error";
constexpr int kContentsItemCount = 24;
constexpr int kIndexItemCount = 23;
constexpr char kDocumentationTitle[] = "Tolvek Glyphora Help";
constexpr UINT kAboutCommand = 57664;
constexpr int kAboutDocTitleId = 1051;
constexpr int kAboutLocationId = 1053;
// The frame's caption while no page has given the document its title.
constexpr char kNoPageCaption[] = "Untitled - Lumidoc";

// Every test starts with no saved state and leaves none.
class ViewerProcessTest : public ::testing::Test {
protected:
    void SetUp() override { ForgetViewerState(); }
    void TearDown() override { ForgetViewerState(); }
};

void StoreLook(DWORD look)
{
    if (look != kNoLook)
        WriteAppLook(look);
}

DWORD StoredLook()
{
    DWORD look = kNoLook;
    return ReadAppLook(look) ? look : kNoLook;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The texts of a dialog's children.
std::vector<std::string> ChildTexts(HWND dialog)
{
    std::vector<std::string> texts;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        texts.push_back(WindowText(child));
    return texts;
}

bool Holds(const std::vector<std::string>& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

bool SelectListItem(HWND list, int item)
{
    RemoteMemory memory(list, sizeof(LVITEMA));
    LVITEMA state {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    return memory.Write(&state, sizeof state) && ::SendMessageA(list, LVM_SETITEMSTATE, item, memory.AsParam());
}

// The file names of the documentations the Load Documentation dialog offers, lower case.
std::vector<std::string> OfferedFiles(HWND list)
{
    std::vector<std::string> files;
    const int count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int item = 0; item < count; ++item)
        files.push_back(Lower(ListViewText(list, item, kDocFileColumn)));
    std::sort(files.begin(), files.end());
    return files;
}

// The view's client area as it is on the screen; a page is shown when it holds more than its
// background colour.
bool ViewShowsAPage(HWND view, const char* screenshot)
{
    RECT rect {};
    ::GetClientRect(view, &rect);
    ::MapWindowPoints(view, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    Canvas shot(rect.right - rect.left, rect.bottom - rect.top, kBlack);
    shot.CopyFromScreen({rect.left, rect.top});
    if (screenshot) {
        shot.WritePng(ScreenshotPath(screenshot));
    }
    return !shot.BoundsOfOther(shot.Pixel(0, 0)).IsRectEmpty();
}

// Bounded by the shared wait: a loaded machine running the 32-bit build under emulation can take
// well over ten seconds to paint a second start's page.
bool WaitForPagePainted(HWND view, const char* screenshot)
{
    return PollUntil([&] { return ViewShowsAPage(view, nullptr); }) && ViewShowsAPage(view, screenshot);
}

std::string DocumentsFolder()
{
    char path[MAX_PATH] = {};
    return SUCCEEDED(::SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, 0, path)) ? path : "";
}

// ---- Start on a topic ----

struct StartCase {
    const char* arguments;
    const char* pageTitle;  // the page of the topic the line names
    DWORD lookBefore;
    DWORD lookAfter;
    const char* screenshot;
};

TEST_F(ViewerProcessTest, StartsOnTheTopicTheSwitchNamesAndKeepsTheLook)
{
    const StartCase cases[] = {
        // What the barcode dialog's start/stop help starts.
        {"/doc=PendrelEn:5", "Using Vantrix Helper for Office", kLookOfficeXP, kLookOfficeXP, "viewer_topic5.png"},
        // Its font help, in capitals.
        {"/DOC=PendrelEn:1", "10 Code 39 Barcode Fonts", kLookOffice2000, kLookOffice2000, nullptr},
        // A plain word before the switch opens nothing; blanks round the line; no topic is 0.
        {"  xx /doc=PendrelEn  ", "After running the installation program", kNoLook, kLookOffice2003, nullptr},
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.arguments);
        ForgetViewerState();
        StoreLook(c.lookBefore);
        ViewerProcess viewer(c.arguments);
        ASSERT_TRUE(viewer.Started());
        const HWND frame = viewer.WaitForFrame();
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(viewer.WaitForText(frame, c.pageTitle)) << WindowText(frame);
        const HWND view = FindDescendant(frame, kViewPaneId);
        ASSERT_NE(view, nullptr);
        EXPECT_TRUE(WaitForPagePainted(view, c.screenshot));
        EXPECT_EQ(viewer.Windows().size(), 1u) << "one window, no message";
        EXPECT_EQ(viewer.Close(frame), 0u);
        EXPECT_TRUE(SettingsKeyExists());
        EXPECT_EQ(StoredLook(), c.lookAfter);
    }
}

// The frame a user can work in: at least the viewer's minimum size, at least half of it on the
// work area, read from outside.
void ExpectUsableFrame(HWND frame)
{
    RECT rect {};
    ASSERT_TRUE(::GetWindowRect(frame, &rect));
    RECT work {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const long long width = static_cast<long long>(rect.right) - rect.left;
    const long long height = static_cast<long long>(rect.bottom) - rect.top;
    EXPECT_GE(width, 480);
    EXPECT_GE(height, 360);
    RECT on {};
    ASSERT_TRUE(::IntersectRect(&on, &rect, &work));
    EXPECT_GE(2LL * (on.right - on.left) * (on.bottom - on.top), width * height);
}

TEST_F(ViewerProcessTest, ADamagedPlacementOpensAUsableFrameAndTheNextStartIsNormal)
{
    WriteWindowPlacement({0, INT_MIN, 800, 600}, 0, SW_SHOWNORMAL);
    RECT rectFirst {};
    {
        ViewerProcess viewer("/doc=PendrelEn:5");
        const HWND frame = viewer.WaitForFrame();
        ASSERT_NE(frame, nullptr);
        ExpectUsableFrame(frame);
        EXPECT_TRUE(WaitForPagePainted(FindDescendant(frame, kViewPaneId), "viewer_damaged_placement.png"));
        ::GetWindowRect(frame, &rectFirst);
        EXPECT_EQ(viewer.Close(frame), 0u);
    }
    RECT rectStored {};
    ASSERT_TRUE(ReadWindowRect(rectStored));
    EXPECT_TRUE(::EqualRect(&rectStored, &rectFirst));
    ViewerProcess viewer("/doc=PendrelEn:5");
    const HWND frame = viewer.WaitForFrame();
    ASSERT_NE(frame, nullptr);
    RECT rectNext {};
    ::GetWindowRect(frame, &rectNext);
    EXPECT_TRUE(::EqualRect(&rectNext, &rectStored));
    EXPECT_TRUE(WaitForPagePainted(FindDescendant(frame, kViewPaneId), nullptr));
    EXPECT_EQ(viewer.Close(frame), 0u);
}

TEST_F(ViewerProcessTest, TheLookChosenFromTheViewMenuIsTheOneStoredAtExit)
{
    // First start: the user picks Office XP and closes; the next start brings it back.
    for (bool bChoose : {true, false}) {
        SCOPED_TRACE(bChoose ? "chosen" : "restarted");
        ViewerProcess viewer("/doc=PendrelEn:5");
        const HWND frame = viewer.WaitForFrame();
        ASSERT_NE(frame, nullptr);
        if (bChoose)
            ::PostMessageA(frame, WM_COMMAND, kLookOfficeXP, 0);
        EXPECT_TRUE(viewer.WaitForIdle());
        EXPECT_EQ(viewer.Close(frame), 0u);
        EXPECT_EQ(StoredLook(), kLookOfficeXP);
    }
}

TEST_F(ViewerProcessTest, ATopicOutsideTheModuleShowsNoPage)
{
    // 20 digits are clamped, not overflowed; neither number is one of the module's topics.
    for (const char* arguments : {"/doc=PendrelEn:99999999999999999999", "/doc=PendrelEn:-3"}) {
        SCOPED_TRACE(arguments);
        ViewerProcess viewer(arguments);
        const HWND frame = viewer.WaitForFrame();
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(viewer.WaitForIdle());
        EXPECT_EQ(WindowText(frame), kNoPageCaption);
        const HWND view = FindDescendant(frame, kViewPaneId);
        ASSERT_NE(view, nullptr);
        EXPECT_FALSE(ViewShowsAPage(view, nullptr));
        EXPECT_EQ(viewer.Close(frame), 0u);
    }
}

// ---- A module that does not load ----

TEST_F(ViewerProcessTest, AModuleThatDoesNotLoadIsReportedAndTheSavedLookStays)
{
    const struct {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"/doc=nosuch", "Could not find dll: nosuch.dll"},
        // What follows the switch belongs to the name, blanks and all.
        {"/doc=PendrelEn extra", "Could not find dll: pendrelen extra.dll"},
        {"/doc=", "Could not find dll: .dll"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        ForgetViewerState();
        WriteAppLook(kLookWindowsXP);
        ViewerProcess viewer(c.arguments);
        const HWND box = viewer.WaitForDialog(kErrorCaption);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(Holds(ChildTexts(box), c.message));
        EXPECT_EQ(viewer.Windows().size(), 1u) << "the message alone, no frame";
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_NE(viewer.WaitForExit(), static_cast<DWORD>(STILL_ACTIVE));
        EXPECT_EQ(StoredLook(), kLookWindowsXP);
    }
}

// ---- No switch: the user picks a documentation ----

TEST_F(ViewerProcessTest, WithoutTheSwitchTheUserPicksADocumentationOrEndsTheProgram)
{
    const std::vector<std::string> exporting = {"hvdoca.dll", "hvdocb.dll", "pendrelen.dll"};
    {
        SCOPED_TRACE("cancelled");
        WriteAppLook(kLookOfficeXP);
        ViewerProcess viewer("");
        const HWND dialog = viewer.WaitForDialog(kLoadDocCaption);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(OfferedFiles(::GetDlgItem(dialog, kDocListId)), exporting);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_NE(viewer.WaitForExit(), static_cast<DWORD>(STILL_ACTIVE));
        EXPECT_EQ(StoredLook(), kLookOfficeXP);
    }
    {
        SCOPED_TRACE("fixture A picked");
        ViewerProcess viewer("");
        const HWND dialog = viewer.WaitForDialog(kLoadDocCaption);
        ASSERT_NE(dialog, nullptr);
        const HWND list = ::GetDlgItem(dialog, kDocListId);
        const int count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        int item = 0;
        while (item < count && Lower(ListViewText(list, item, kDocFileColumn)) != "hvdoca.dll")
            ++item;
        ASSERT_LT(item, count);
        ASSERT_TRUE(SelectListItem(list, item));
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        const HWND frame = viewer.WaitForFrame();
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(viewer.WaitForText(frame, "Alpha topic")) << WindowText(frame);
        EXPECT_EQ(viewer.Close(frame), 0u);
    }
}

// ---- About ----

TEST_F(ViewerProcessTest, AboutNamesTheDocumentationShown)
{
    ViewerProcess viewer("/doc=PendrelEn:5");
    const HWND frame = viewer.WaitForFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(viewer.WaitForText(frame, "Using Vantrix Helper for Office"));
    ::PostMessageA(frame, WM_COMMAND, kAboutCommand, 0);
    const HWND about = viewer.WaitForDialog(kAboutCaption);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(WindowText(::GetDlgItem(about, kAboutDocTitleId)), kDocumentationTitle);
    const std::string location = Lower(WindowText(::GetDlgItem(about, kAboutLocationId)));
    EXPECT_EQ(location, Lower(ProgramFile("PendrelEn.dll")));
    ::PostMessageA(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(viewer.WaitForGone(about));
    EXPECT_EQ(viewer.Close(frame), 0u);
}

// ---- Keys with no use in a viewer ----

TEST_F(ViewerProcessTest, SaveOpenAndNewKeysOpenNoDialogAndWriteNoFile)
{
    const std::string folders[] = {ProgramFolder(), DocumentsFolder()};
    std::vector<std::string> before[2];
    for (int i = 0; i < 2; ++i)
        before[i] = FilesIn(folders[i]);

    ViewerProcess viewer("/doc=PendrelEn:5");
    const HWND frame = viewer.WaitForFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(viewer.WaitForText(frame, "Using Vantrix Helper for Office"));
    for (WORD key : {'S', 'O', 'N'})
        ASSERT_TRUE(TypeKeys(frame, {VK_CONTROL}, key)) << "the viewer could not be brought to the front";
    // The keys are handled in turn: the close comes last, and goes to a dialog instead if one
    // had opened, so that the viewer would not end.
    ASSERT_TRUE(TypeKeys(frame, {VK_MENU}, VK_F4));
    bool otherWindow = false;
    while (viewer.Running() && !otherWindow) {
        for (HWND window : viewer.Windows())
            otherWindow = otherWindow || window != frame;
        ::Sleep(20);
    }
    EXPECT_FALSE(otherWindow) << "a dialog or a second window opened";
    EXPECT_EQ(viewer.WaitForExit(), 0u);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(FilesIn(folders[i]), before[i]) << folders[i];
}

// ---- What the full main frame adds ----

bool ContentBarShown(HWND frame)
{
    const HWND bar = FindDescendant(frame, kContentBarId);
    return bar != nullptr && ::IsWindowVisible(bar);
}

TEST_F(ViewerProcessTest, TheFullFrameShowsContentsAndIndexAndKeepsTheContentBarHidden)
{
    {
        ViewerProcess viewer("/doc=PendrelEn:5");
        const HWND frame = viewer.WaitForFrame();
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(viewer.WaitForText(frame, "Using Vantrix Helper for Office"));
        // A frame without its content bar is a broken viewer, not a test to skip.
        ASSERT_NE(FindDescendant(frame, kContentBarId), nullptr) << "the main frame has no content bar";
        const HWND tree = FindDescendant(frame, kContentsTreeId);
        ASSERT_NE(tree, nullptr);
        EXPECT_EQ(::SendMessageA(tree, TVM_GETCOUNT, 0, 0), kContentsItemCount);
        const HWND captionBar = FindDescendant(frame, kCaptionBarId);
        ASSERT_NE(captionBar, nullptr);
        EXPECT_TRUE(::IsWindowVisible(captionBar));
        const HWND index = FindDescendant(frame, kIndexListId);
        ASSERT_NE(index, nullptr);
        const std::vector<std::string> titles = ListBoxTexts(index);
        EXPECT_EQ(titles.size(), static_cast<size_t>(kIndexItemCount));
        // In the list box's own order.
        EXPECT_TRUE(std::is_sorted(titles.begin(), titles.end(), [](const std::string& a, const std::string& b) {
            return ::lstrcmpiA(a.c_str(), b.c_str()) < 0;
        }));

        EXPECT_TRUE(ContentBarShown(frame));
        ::PostMessageA(frame, WM_COMMAND, kContentBarId, 0);
        for (int attempt = 0; attempt < 100 && ContentBarShown(frame); ++attempt)
            ::Sleep(50);
        EXPECT_FALSE(ContentBarShown(frame));
        EXPECT_EQ(viewer.Close(frame), 0u);
    }
    {
        SCOPED_TRACE("after a restart");
        ViewerProcess viewer("/doc=PendrelEn:5");
        const HWND frame = viewer.WaitForFrame();
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(viewer.WaitForText(frame, "Using Vantrix Helper for Office"));
        EXPECT_FALSE(ContentBarShown(frame));
        EXPECT_EQ(viewer.Close(frame), 0u);
    }
}

}  // namespace
