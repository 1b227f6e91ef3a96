// The viewer as a person uses it: Lumidoc.exe started as a program of its own and driven only
// through the system's input queue (the pointer moved in steps, clicks, keys), never by messages
// to its windows; what it does is read from outside (captions, window rectangles, the tree and
// lists across processes, the registry after exit). Each scenario of the table starts the viewer
// with no saved state and saves a screenshot.
#include "ViewerHand.h"
#include "ViewerProcess.h"

#include "Canvas.h"
#include "Files.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr char kStartArguments[] = "/doc=PendrelEn:5";
constexpr char kStartTitle[] = "Using Vantrix Helper for Office";
constexpr char kStartCaption[] = "Using Vantrix Helper for Office - Lumidoc";
constexpr int kTabWndId = 1;
constexpr int kIndexEditId = 1042;
constexpr int kSearchButtonId = 1044;
constexpr int kSearchEditId = 1045;
constexpr int kSearchListId = 1046;
constexpr int kSearchBoxId = 109;
constexpr int kLeftDockBarId = 59420;
// The fixture module copied beside the viewer, and what it shows.
constexpr char kFixtureFile[] = "HvDocA.dll";
constexpr char kFixtureTitle[] = "Fixture Guide A";
constexpr char kFixtureFirstCaption[] = "Alpha topic - Lumidoc";
// The tabs of the content bar, left to right.
enum Tab { kContentsTab, kIndexTab, kSearchTab, kTabCount };

// Bounded waits: long enough for the 32-bit build under emulation, short enough to fail.
constexpr DWORD kHandWaitLimitMs = 60000;
constexpr DWORD kHandPollMs = 30;

template <class Condition>
bool WaitUntil(Condition condition)
{
    return PollUntil(condition, kHandWaitLimitMs, kHandPollMs);
}

RECT WindowRect(HWND window)
{
    RECT rect {};
    ::GetWindowRect(window, &rect);
    return rect;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return ::EqualRect(&a, &b) != FALSE;
}

int DifferentPixels(const Canvas& a, const Canvas& b)
{
    int count = 0;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x)
            count += a.Pixel(x, y) != b.Pixel(x, y) ? 1 : 0;
    }
    return count;
}

// The screen under the viewer's visible windows, saved as a screenshot once the picture holds
// still (a look change repaints everything a while after its command).
void SaveScreenshot(const ViewerProcess& viewer, const char* name)
{
    RECT area {};
    for (HWND window : viewer.Windows()) {
        const RECT rect = WindowRect(window);
        ::UnionRect(&area, &area, &rect);
    }
    area.left = std::max<LONG>(area.left, 0);
    area.top = std::max<LONG>(area.top, 0);
    if (::IsRectEmpty(&area))
        return;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    Canvas shot(width, height);
    Canvas previous(width, height);
    shot.CopyFromScreen({area.left, area.top});
    constexpr int kStillFrames = 3;
    // A blinking caret does not count as movement.
    constexpr int kCaretPixels = 64;
    constexpr DWORD kFrameMs = 150;
    int still = 0;
    WaitUntil([&] {
        ::BitBlt(previous.Handle(), 0, 0, width, height, shot.Handle(), 0, 0, SRCCOPY);
        ::Sleep(kFrameMs);
        shot.CopyFromScreen({area.left, area.top});
        still = DifferentPixels(shot, previous) <= kCaretPixels ? still + 1 : 0;
        return still >= kStillFrames;
    });
    EXPECT_TRUE(shot.WritePng(ScreenshotPath(name))) << name;
}

// ---- Reading the viewer's windows from outside ----

HTREEITEM TreeNext(HWND tree, UINT code, HTREEITEM item)
{
    return reinterpret_cast<HTREEITEM>(::SendMessageA(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

// The middle of a list item's row on the screen; the item must be scrolled into view.
POINT ListItemPoint(HWND list, int item)
{
    const int height = static_cast<int>(::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    const int top = static_cast<int>(::SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    POINT point {20, (item - top) * height + height / 2};
    ::ClientToScreen(list, &point);
    return point;
}

// The viewer's popup menus on the screen: visible top-level windows without a caption.
std::vector<HWND> MenuPopups(const ViewerProcess& viewer, HWND frame)
{
    std::vector<HWND> popups;
    for (HWND window : viewer.Windows()) {
        const LONG_PTR style = ::GetWindowLongPtrA(window, GWL_STYLE);
        if (window != frame && (style & WS_POPUP) && !(style & WS_CAPTION))
            popups.push_back(window);
    }
    return popups;
}

// The rectangle of a popup's items (its item bar), on the screen.
RECT ItemsRect(HWND popup)
{
    const HWND items = ::GetWindow(popup, GW_CHILD);
    return WindowRect(items ? items : popup);
}

// The row of a menu's items at the index, when every row has the same height.
POINT ItemPoint(HWND popup, int index, int count)
{
    const RECT rect = ItemsRect(popup);
    const int rowHeight = (rect.bottom - rect.top) / count;
    return {(rect.left + rect.right) / 2, rect.top + rowHeight * index + rowHeight / 2};
}

// The height of the first band of rows that hold text in the view (its first heading).
int FirstTextBandHeight(HWND view)
{
    RECT rect {};
    ::GetClientRect(view, &rect);
    ::MapWindowPoints(view, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    Canvas shot(rect.right - rect.left, rect.bottom - rect.top);
    shot.CopyFromScreen({rect.left, rect.top});
    auto rowHasInk = [&](int y) {
        for (int x = 0; x < shot.Width() - 20; ++x) {
            const COLORREF colour = shot.Pixel(x, y);
            if (GetRValue(colour) < 96 && GetGValue(colour) < 96 && GetBValue(colour) < 96)
                return true;
        }
        return false;
    };
    int y = 0;
    while (y < shot.Height() && !rowHasInk(y))
        ++y;
    const int top = y;
    while (y < shot.Height() && rowHasInk(y))
        ++y;
    return y - top;
}

// The page repaints in steps, slowly under an emulator: a height counts once two readings a
// moment apart agree.
int SettledTextBandHeight(HWND view)
{
    constexpr int kReadings = 50;
    constexpr DWORD kApartMs = 250;
    int last = FirstTextBandHeight(view);
    for (int i = 0; i < kReadings; ++i) {
        ::Sleep(kApartMs);
        const int now = FirstTextBandHeight(view);
        if (now == last)
            return now;
        last = now;
    }
    return last;
}

// ---- A session: the viewer started and in front ----

struct Session {
    Session() : viewer(new ViewerProcess(kStartArguments)) {}
    // Starts the viewer anew (the old one has ended).
    bool Restart()
    {
        viewer.reset(new ViewerProcess(kStartArguments));
        frame = nullptr;
        return Start();
    }

    // Waits for the frame with the start page and brings it to the front.
    bool Start()
    {
        // The main frame is the window no other owns (a floating bar's frame may lie above it).
        if (viewer->WaitForFrame() == nullptr)
            return false;
        WaitUntil([&] {
            for (HWND window : viewer->Windows()) {
                if (::GetWindow(window, GW_OWNER) == nullptr)
                    frame = window;
            }
            return frame != nullptr;
        });
        if (frame == nullptr || !viewer->WaitForText(frame, kStartTitle))
            return false;
        ::SetForegroundWindow(frame);
        // The first click waits until the start-up's layout is done and the viewer takes input.
        return WaitUntil([&] { return InFront(); }) && viewer->WaitForIdle();
    }
    // The frame, or a window it owns (a floating bar), has the keyboard.
    bool InFront() const
    {
        const HWND foreground = ::GetForegroundWindow();
        return foreground != nullptr && ::GetAncestor(foreground, GA_ROOTOWNER) == frame;
    }
    // A window of the viewer with the control id: in the frame, or in a floating frame.
    HWND Find(int id) const
    {
        if (HWND found = FindDescendant(frame, id))
            return found;
        for (HWND window : viewer->Windows()) {
            if (HWND found = FindDescendant(window, id))
                return found;
        }
        return nullptr;
    }
    HWND ContentBar() const { return Find(kContentBarId); }
    // Alt+F4 from the keyboard; TRUE when the viewer ended.
    bool CloseByHand()
    {
        ViewerHand::Key(VK_F4, {VK_MENU});
        return viewer->WaitForExit() == 0;
    }
    bool WaitForPopups(size_t count) const
    {
        return WaitUntil([&] { return MenuPopups(*viewer, frame).size() == count; });
    }
    // The only popup open, once there is exactly one whose left edge satisfies the test.
    template <class Test>
    HWND WaitForPopup(Test test) const
    {
        HWND found = nullptr;
        WaitUntil([&] {
            const std::vector<HWND> popups = MenuPopups(*viewer, frame);
            found = popups.size() == 1 && test(WindowRect(popups[0]).left) ? popups[0] : nullptr;
            return found != nullptr;
        });
        return found;
    }

    std::unique_ptr<ViewerProcess> viewer;
    HWND frame = nullptr;
};

// The floating frame that holds the content bar, or null while it is docked.
HWND FloatingFrameOf(const Session& s)
{
    const HWND bar = s.ContentBar();
    const HWND root = bar ? ::GetAncestor(bar, GA_ROOT) : nullptr;
    return root != s.frame ? root : nullptr;
}

// A point on a tab of the content bar: the tabs share the strip along the tab window's bottom.
POINT TabPoint(const Session& s, Tab tab)
{
    const RECT rect = WindowRect(FindDescendant(s.ContentBar(), kTabWndId));
    constexpr int kTabStripMiddle = 14;
    return {rect.left + (rect.right - rect.left) * (2 * tab + 1) / (2 * kTabCount), rect.bottom - kTabStripMiddle};
}

// An entry under the contents' root (0 the first): its text and where to click it.
bool ContentsRowAt(HWND tree, int index, std::string& text, POINT& point)
{
    const HTREEITEM root = TreeNext(tree, TVGN_ROOT, nullptr);
    HTREEITEM item = TreeNext(tree, TVGN_CHILD, root);
    for (int i = 0; i < index && item != nullptr; ++i)
        item = TreeNext(tree, TVGN_NEXT, item);
    if (item == nullptr)
        return false;
    text = TreeItemText(tree, item);
    const RECT rect = TreeItemRect(tree, item);
    point = CentreOf(rect);
    return !text.empty() && !::IsRectEmpty(&rect);
}

// The second entry of the contents.
bool ContentsRow(HWND tree, std::string& text, POINT& point)
{
    return ContentsRowAt(tree, 1, text, point);
}

// Every entry's text in the tree, depth first; bounded, as the tree is another program's.
std::vector<std::string> TreeTexts(HWND tree)
{
    constexpr size_t kMostEntries = 1000;
    std::vector<std::string> texts;
    std::vector<HTREEITEM> pending {TreeNext(tree, TVGN_ROOT, nullptr)};
    while (!pending.empty() && texts.size() < kMostEntries) {
        const HTREEITEM item = pending.back();
        pending.pop_back();
        if (item == nullptr)
            continue;
        texts.push_back(TreeItemText(tree, item));
        pending.push_back(TreeNext(tree, TVGN_NEXT, item));
        pending.push_back(TreeNext(tree, TVGN_CHILD, item));
    }
    return texts;
}

// ---- Scenarios ----

void ContentsRowOpensItsPage(Session& s)
{
    const HWND bar = s.ContentBar();
    ASSERT_NE(bar, nullptr);
    const RECT barBefore = WindowRect(bar);
    std::string title;
    POINT row {};
    ASSERT_TRUE(ContentsRow(s.Find(kContentsTreeId), title, row));
    ViewerHand::Click(row);
    EXPECT_TRUE(s.viewer->WaitForText(s.frame, title + " - Lumidoc")) << WindowText(s.frame);
    EXPECT_TRUE(SameRect(WindowRect(bar), barBefore)) << "the content bar moved";
    EXPECT_EQ(::GetDlgCtrlID(::GetParent(bar)), kLeftDockBarId);
}

void IndexFindsATitleByItsStart(Session& s)
{
    const HWND list = s.Find(kIndexListId);
    ASSERT_NE(list, nullptr);
    const RECT barBefore = WindowRect(s.ContentBar());
    ViewerHand::Click(TabPoint(s, kIndexTab));
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(list) != FALSE; })) << "the Index tab did not open";
    EXPECT_TRUE(SameRect(WindowRect(s.ContentBar()), barBefore)) << "the content bar moved";
    ViewerHand::Click(CentreOf(WindowRect(s.Find(kIndexEditId))));
    // The start of a title selects its entry; Enter shows nothing, a click on the entry does.
    ViewerHand::Type("using b");
    const std::string wanted = "Using Barcode Helper";
    int selected = -1;
    EXPECT_TRUE(WaitUntil([&] {
        selected = static_cast<int>(::SendMessageA(list, LB_GETCURSEL, 0, 0));
        return selected >= 0 && ListText(list, selected) == wanted;
    })) << "typing selected "
        << (selected >= 0 ? ListText(list, selected) : "nothing");
    ViewerHand::Key(VK_RETURN);
    ASSERT_GE(selected, 0);
    ViewerHand::Click(ListItemPoint(list, selected));
    EXPECT_TRUE(s.viewer->WaitForText(s.frame, wanted + " - Lumidoc")) << WindowText(s.frame);
    // A double-click on another entry opens it as well.
    const int top = static_cast<int>(::SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    const std::string entry = ListText(list, top);
    ASSERT_FALSE(entry.empty());
    ASSERT_NE(entry, wanted);
    ViewerHand::DoubleClick(ListItemPoint(list, top));
    EXPECT_TRUE(s.viewer->WaitForText(s.frame, entry + " - Lumidoc")) << entry << " / " << WindowText(s.frame);
}

void SearchFindsAWordAndOpensTheResult(Session& s)
{
    const HWND list = s.Find(kSearchListId);
    const HWND button = s.Find(kSearchButtonId);
    ASSERT_NE(list, nullptr);
    ASSERT_NE(button, nullptr);
    ViewerHand::Click(TabPoint(s, kSearchTab));
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(list) != FALSE; })) << "the Search tab did not open";
    ViewerHand::Click(CentreOf(WindowRect(s.Find(kSearchEditId))));
    ViewerHand::Type("excel");
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(button) != FALSE; })) << "Search stays disabled";
    ViewerHand::Click(CentreOf(WindowRect(button)));
    ASSERT_TRUE(WaitUntil([&] { return ::SendMessageA(list, LB_GETCOUNT, 0, 0) > 0; })) << "no result";
    const std::string result = ListText(list, 0);
    ViewerHand::Click(ListItemPoint(list, 0));
    EXPECT_TRUE(s.viewer->WaitForText(s.frame, result + " - Lumidoc")) << result << " / " << WindowText(s.frame);
}

void KeyboardMenusMoveWrapAndClose(Session& s)
{
    // Alt+F opens File with its first item hot: Return runs Load Documentation.
    ViewerHand::Key('F', {VK_MENU});
    const HWND file = s.WaitForPopup([](LONG) { return true; });
    ASSERT_NE(file, nullptr) << "Alt+F opened no menu";
    const LONG fileLeft = WindowRect(file).left;
    ViewerHand::Key(VK_RETURN);
    const HWND load = s.viewer->WaitForDialog(kLoadDocCaption);
    ASSERT_NE(load, nullptr) << "Return did not run the first item";
    ViewerHand::Key(VK_ESCAPE);
    EXPECT_TRUE(s.viewer->WaitForGone(load));
    ASSERT_TRUE(WaitUntil([&] { return s.InFront(); }));

    // Right, Right, Right, Left: File, View, Help, File again (wrapping), Help.
    ViewerHand::Key('F', {VK_MENU});
    ASSERT_NE(s.WaitForPopup([&](LONG left) { return left == fileLeft; }), nullptr);
    ViewerHand::Key(VK_RIGHT);
    const HWND view = s.WaitForPopup([&](LONG left) { return left > fileLeft; });
    ASSERT_NE(view, nullptr) << "Right did not move to View";
    const LONG viewLeft = WindowRect(view).left;
    // View's first item is a sub-menu, which its hot item opens after the menu delay: let that
    // settle, so that the state Right meets is known. Right on a closed sub-menu opens it first.
    UINT menuDelayMs = 400;
    ::SystemParametersInfoA(SPI_GETMENUSHOWDELAY, 0, &menuDelayMs, 0);
    constexpr DWORD kSettleMs = 10000;  // generous for emulation; ends as soon as the sub-menu is up
    const DWORD settleStart = ::GetTickCount();
    while (MenuPopups(*s.viewer, s.frame).size() < 2 && ::GetTickCount() - settleStart < kSettleMs + 4 * menuDelayMs)
        ::Sleep(kHandPollMs);
    if (MenuPopups(*s.viewer, s.frame).size() < 2) {
        ViewerHand::Key(VK_RIGHT);
        ASSERT_TRUE(s.WaitForPopups(2)) << "Right did not open View's first sub-menu";
    }
    ViewerHand::Key(VK_RIGHT);
    const HWND help = s.WaitForPopup([&](LONG left) { return left > viewLeft; });
    ASSERT_NE(help, nullptr) << "Right did not move to Help";
    const LONG helpLeft = WindowRect(help).left;
    ViewerHand::Key(VK_RIGHT);
    EXPECT_NE(s.WaitForPopup([&](LONG left) { return left == fileLeft; }), nullptr) << "Right did not wrap to File";
    ViewerHand::Key(VK_LEFT);
    EXPECT_NE(s.WaitForPopup([&](LONG left) { return left == helpLeft; }), nullptr) << "Left did not wrap to Help";
    SaveScreenshot(*s.viewer, "hand_keyboard_help_menu.png");
    // Escape closes the menu, and a second one leaves the menu bar.
    ViewerHand::Key(VK_ESCAPE);
    EXPECT_TRUE(s.WaitForPopups(0)) << "Escape left the menu open";
    ViewerHand::Key(VK_ESCAPE);

    // F10 puts the menu bar in front of the keys: Down opens File.
    ViewerHand::Key(VK_F10);
    ViewerHand::Key(VK_DOWN);
    EXPECT_NE(s.WaitForPopup([&](LONG left) { return left == fileLeft; }), nullptr) << "F10, Down opened no File";
    ViewerHand::Key(VK_ESCAPE);
    EXPECT_TRUE(s.WaitForPopups(0));
    ViewerHand::Key(VK_ESCAPE);

    // Alt+H, Down, Return: About; the item's mnemonic does the same.
    ViewerHand::Key('H', {VK_MENU});
    ASSERT_NE(s.WaitForPopup([&](LONG left) { return left == helpLeft; }), nullptr);
    ViewerHand::Key(VK_DOWN);
    ViewerHand::Key(VK_RETURN);
    HWND about = s.viewer->WaitForDialog(kAboutCaption);
    ASSERT_NE(about, nullptr) << "Down, Return did not run About";
    SaveScreenshot(*s.viewer, "hand_keyboard_about.png");
    ViewerHand::Key(VK_RETURN);
    EXPECT_TRUE(s.viewer->WaitForGone(about));
    ASSERT_TRUE(WaitUntil([&] { return s.InFront(); }));
    ViewerHand::Key('H', {VK_MENU});
    ASSERT_NE(s.WaitForPopup([&](LONG left) { return left == helpLeft; }), nullptr);
    ViewerHand::Key('A');
    about = s.viewer->WaitForDialog(kAboutCaption);
    ASSERT_NE(about, nullptr) << "the mnemonic A did not run About";
    ViewerHand::Key(VK_ESCAPE);
    EXPECT_TRUE(s.viewer->WaitForGone(about));
    ASSERT_TRUE(WaitUntil([&] { return s.InFront(); }));

    // The accelerator F5 refreshes the page in place.
    ViewerHand::Key(VK_F5);
    EXPECT_TRUE(s.viewer->WaitForText(s.frame, kStartTitle));
    EXPECT_EQ(s.viewer->Windows().size(), 1u) << "a window besides the frame";
}

// The menu bar: the toolbar window that holds the frame's menus.
HWND MenuBarOf(const Session& s)
{
    constexpr int kMenuBarId = 59398;
    return s.Find(kMenuBarId);
}

// Slides the pointer right along the menu bar's titles from x, as a hand does with a menu open,
// until the open menu becomes one whose left edge lies right of left; that menu, or null. Each
// step waits a moment for the menu to follow, so that a slow program is not overtaken.
HWND SlideToNextMenu(Session& s, LONG x, LONG left)
{
    const RECT bar = WindowRect(MenuBarOf(s));
    const LONG middle = (bar.top + bar.bottom) / 2;
    constexpr LONG kStep = 8;
    constexpr LONG kTitlesWidth = 260;
    // Long enough for a loaded emulator to follow the pointer before it moves on to the next
    // title, which would otherwise open in place of the one sought.
    constexpr DWORD kFollowMs = 2000;
    for (; x < bar.left + kTitlesWidth; x += kStep) {
        ViewerHand::MoveTo({x, middle});
        HWND next = nullptr;
        const DWORD start = ::GetTickCount();
        while (next == nullptr && ::GetTickCount() - start < kFollowMs) {
            const std::vector<HWND> popups = MenuPopups(*s.viewer, s.frame);
            if (popups.size() == 1 && WindowRect(popups[0]).left > left)
                next = popups[0];
            else
                ::Sleep(kHandPollMs);
        }
        if (next != nullptr)
            return next;
    }
    return nullptr;
}

// The File title's distance from the menu bar's left edge.
constexpr int kFileTitle = 24;

// Clicks File on the menu bar; the File popup once it is open, or null.
HWND OpenFileMenuByMouse(Session& s)
{
    const RECT bar = WindowRect(MenuBarOf(s));
    ViewerHand::Click({bar.left + kFileTitle, (bar.top + bar.bottom) / 2});
    return s.WaitForPopup([](LONG) { return true; });
}

// Clicks File on the menu bar and slides right until View's menu opens; the View popup.
HWND OpenViewMenuByMouse(Session& s)
{
    // A loaded emulator can fall behind the pointer and let it pass the title: as a user would,
    // close what opened and try again.
    constexpr int kAttempts = 3;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (const HWND file = OpenFileMenuByMouse(s)) {
            if (const HWND view = SlideToNextMenu(s, WindowRect(MenuBarOf(s)).left + kFileTitle, WindowRect(file).left))
                return view;
        }
        ViewerHand::Key(VK_ESCAPE);
        ViewerHand::Key(VK_ESCAPE);
        s.WaitForPopups(0);
    }
    return nullptr;
}

// Rests on the View menu's item at y until its sub-menu opens; the sub-menu, or null.
HWND OpenSubMenu(Session& s, HWND view, LONG y, HWND other = nullptr)
{
    const RECT items = ItemsRect(view);
    // Down from the title first, then across: a diagonal would pass over the next title.
    POINT pointer {};
    ::GetCursorPos(&pointer);
    ViewerHand::MoveTo({pointer.x, y});
    ViewerHand::MoveTo({(items.left + items.right) / 2, y});
    HWND sub = nullptr;
    WaitUntil([&] {
        for (HWND popup : MenuPopups(*s.viewer, s.frame)) {
            if (popup != other && WindowRect(popup).left >= items.right - 8)
                sub = popup;
        }
        return sub != nullptr;
    });
    return sub;
}

// From the open sub-menu's parent row straight across into the sub-menu, then to the item.
void ChooseInSubMenu(HWND sub, int index, int count)
{
    const POINT item = ItemPoint(sub, index, count);
    POINT entry {};
    ::GetCursorPos(&entry);
    ViewerHand::MoveTo({WindowRect(sub).left + 10, entry.y});
    ViewerHand::Click(item);
}

constexpr int kLookCount = 4;
constexpr int kTextSizeCount = 5;

// Application Look is the View menu's last item.
LONG LookRowY(HWND view)
{
    return ItemsRect(view).bottom - 8;
}

void EachLookByMouseIsDrawnAndStored(Session& s)
{
    for (int look = 0; look < kLookCount; ++look) {
        SCOPED_TRACE(look);
        if (look > 0) {
            ASSERT_TRUE(s.Restart());
        }
        const HWND view = OpenViewMenuByMouse(s);
        ASSERT_NE(view, nullptr) << "View did not open";
        const HWND looks = OpenSubMenu(s, view, LookRowY(view));
        ASSERT_NE(looks, nullptr) << "Application Look did not open";
        ChooseInSubMenu(looks, look, kLookCount);
        EXPECT_TRUE(s.WaitForPopups(0)) << "the menus stayed open";
        const std::string name = "hand_look_" + std::to_string(look) + ".png";
        SaveScreenshot(*s.viewer, name.c_str());
        ASSERT_TRUE(s.CloseByHand());
        DWORD stored = 0;
        EXPECT_TRUE(ReadAppLook(stored));
        EXPECT_EQ(stored, kLooks[look]);
        ForgetViewerState();
    }
}

void TextSizeByMouseChangesThePage(Session& s)
{
    const HWND view = s.Find(kViewPaneId);
    ASSERT_NE(view, nullptr);
    int heights[2] = {};
    const int sizes[2] = {0, kTextSizeCount - 1};  // Largest, Smallest
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const int before = SettledTextBandHeight(view);
        const HWND viewMenu = OpenViewMenuByMouse(s);
        ASSERT_NE(viewMenu, nullptr);
        // The rows' height comes from Application Look's sub-menu (rows of one height); Text Size
        // is the fourth row, after two items and a separator.
        const HWND looks = OpenSubMenu(s, viewMenu, LookRowY(viewMenu));
        ASSERT_NE(looks, nullptr);
        const RECT lookItems = ItemsRect(looks);
        const LONG rowHeight = (lookItems.bottom - lookItems.top) / kLookCount;
        const RECT items = ItemsRect(viewMenu);
        constexpr int kRows = 5;
        constexpr int kSeparators = 3;
        const LONG separator = (items.bottom - items.top - kRows * rowHeight) / kSeparators;
        const HWND sizesMenu = OpenSubMenu(s, viewMenu, items.top + 2 * rowHeight + separator + rowHeight / 2, looks);
        ASSERT_NE(sizesMenu, nullptr) << "Text Size did not open";
        ASSERT_NE(sizesMenu, looks);
        ChooseInSubMenu(sizesMenu, sizes[i], kTextSizeCount);
        EXPECT_TRUE(s.WaitForPopups(0));
        EXPECT_TRUE(WaitUntil([&] { return SettledTextBandHeight(view) != before; })) << "the text kept its size";
        heights[i] = SettledTextBandHeight(view);
        SaveScreenshot(*s.viewer, i == 0 ? "hand_text_largest.png" : "hand_text_smallest.png");
    }
    EXPECT_GT(heights[0], heights[1]);
}

// A point inside a menu's first row, whatever the rows' height.
POINT FirstItemPoint(HWND popup)
{
    const RECT items = ItemsRect(popup);
    constexpr int kIntoFirstRow = 8;
    return {(items.left + items.right) / 2, items.top + kIntoFirstRow};
}

void ToolbarsMenuHidesAndShowsTheCaptionBar(Session& s)
{
    const HWND captionBar = s.Find(kCaptionBarId);
    ASSERT_NE(captionBar, nullptr);
    constexpr int kToolbarsItems = 3;  // Standard Toolbar, Content Bar, Caption Bar
    constexpr int kCaptionBarItem = 2;
    for (bool shown : {false, true}) {
        SCOPED_TRACE(shown ? "shown again" : "hidden");
        const HWND view = OpenViewMenuByMouse(s);
        ASSERT_NE(view, nullptr);
        const HWND toolbars = OpenSubMenu(s, view, FirstItemPoint(view).y);
        ASSERT_NE(toolbars, nullptr) << "Toolbars did not open";
        ChooseInSubMenu(toolbars, kCaptionBarItem, kToolbarsItems);
        EXPECT_TRUE(s.WaitForPopups(0));
        EXPECT_TRUE(WaitUntil([&] { return (::IsWindowVisible(captionBar) != FALSE) == shown; }));
        if (!shown)
            SaveScreenshot(*s.viewer, "hand_caption_bar_hidden.png");
    }
}

// File > Load Documentation by mouse; the dialog, or null.
HWND OpenLoadDocumentationByMouse(Session& s)
{
    const HWND file = OpenFileMenuByMouse(s);
    if (file == nullptr)
        return nullptr;
    // Down from the title first, then across: a diagonal would pass over View's title.
    ViewerHand::MoveTo({WindowRect(MenuBarOf(s)).left + kFileTitle, FirstItemPoint(file).y});
    ViewerHand::Click(FirstItemPoint(file));
    return s.viewer->WaitForDialog(kLoadDocCaption);
}

void LoadDocumentationCancelledChangesNothing(Session& s)
{
    const HWND tree = s.Find(kContentsTreeId);
    const LRESULT entries = ::SendMessageA(tree, TVM_GETCOUNT, 0, 0);
    const HWND dialog = OpenLoadDocumentationByMouse(s);
    ASSERT_NE(dialog, nullptr) << "Load Documentation did not open";
    SaveScreenshot(*s.viewer, "hand_load_documentation.png");
    ViewerHand::Click(CentreOf(WindowRect(::GetDlgItem(dialog, IDCANCEL))));
    EXPECT_TRUE(s.viewer->WaitForGone(dialog));
    EXPECT_EQ(WindowText(s.frame), kStartCaption);
    EXPECT_EQ(::SendMessageA(tree, TVM_GETCOUNT, 0, 0), entries);
}

// Whether any of the texts is one of the others.
bool SharesAny(const std::vector<std::string>& texts, const std::vector<std::string>& others, std::string& shared)
{
    for (const std::string& text : texts) {
        if (std::find(others.begin(), others.end(), text) != others.end()) {
            shared = text;
            return true;
        }
    }
    return false;
}

void LoadDocumentationPicksAFixtureModule(Session& s)
{
    const HWND tree = s.Find(kContentsTreeId);
    const HWND index = s.Find(kIndexListId);
    ASSERT_NE(tree, nullptr);
    ASSERT_NE(index, nullptr);
    const std::vector<std::string> ownTree = TreeTexts(tree);
    const std::vector<std::string> ownIndex = ListBoxTexts(index);
    ASSERT_FALSE(ownTree.empty());
    ASSERT_FALSE(ownIndex.empty());

    const HWND dialog = OpenLoadDocumentationByMouse(s);
    ASSERT_NE(dialog, nullptr) << "Load Documentation did not open";
    const HWND list = ::GetDlgItem(dialog, kDocListId);
    ASSERT_NE(list, nullptr);
    const int count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    int item = 0;
    while (item < count && ListViewText(list, item, kDocFileColumn) != kFixtureFile)
        ++item;
    ASSERT_LT(item, count) << kFixtureFile << " is not offered";
    EXPECT_EQ(ListViewText(list, item, 0), kFixtureTitle);
    const RECT label = ListViewLabelRect(list, item);
    ASSERT_FALSE(::IsRectEmpty(&label));
    ViewerHand::Click(CentreOf(label));
    EXPECT_TRUE(WaitUntil([&] {
        return ::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == item;
    })) << "the click did not select the fixture";
    SaveScreenshot(*s.viewer, "hand_load_fixture_chosen.png");
    ViewerHand::Click(CentreOf(WindowRect(::GetDlgItem(dialog, IDOK))));
    EXPECT_TRUE(s.viewer->WaitForGone(dialog));

    EXPECT_TRUE(s.viewer->WaitForText(s.frame, kFixtureFirstCaption)) << WindowText(s.frame);
    const std::vector<std::string> fixtureTree = {"Fixture", "Alpha topic", "Long topic", "Gamma topic"};
    std::vector<std::string> shown;
    EXPECT_TRUE(WaitUntil([&] {
        shown = TreeTexts(tree);
        return shown == fixtureTree;
    })) << "the contents hold "
        << shown.size() << " entries, the first " << (shown.empty() ? "" : shown[0]);
    std::string shared;
    EXPECT_FALSE(SharesAny(shown, ownTree, shared)) << shared;
    // The index lists the fixture's topics (one of them with a title too long to compare).
    std::vector<std::string> entries;
    EXPECT_TRUE(WaitUntil([&] {
        entries = ListBoxTexts(index);
        return entries.size() == 3;
    })) << entries.size()
        << " index entries";
    for (const char* title : {"Alpha topic", "Gamma topic"})
        EXPECT_NE(std::find(entries.begin(), entries.end(), title), entries.end()) << title;
    EXPECT_FALSE(SharesAny(entries, ownIndex, shared)) << shared;
}

void AboutByMouseClosesWithOk(Session& s)
{
    const HWND view = OpenViewMenuByMouse(s);
    ASSERT_NE(view, nullptr);
    const LONG viewLeft = WindowRect(view).left;
    const HWND help = SlideToNextMenu(s, viewLeft + 10, viewLeft);
    ASSERT_NE(help, nullptr) << "Help did not open";
    constexpr int kHelpItems = 2;
    ViewerHand::Click(ItemPoint(help, 1, kHelpItems));
    const HWND about = s.viewer->WaitForDialog(kAboutCaption);
    ASSERT_NE(about, nullptr);
    SaveScreenshot(*s.viewer, "hand_about.png");
    ViewerHand::Click(CentreOf(WindowRect(::GetDlgItem(about, IDOK))));
    EXPECT_TRUE(s.viewer->WaitForGone(about));
}

// The content bar's caption strip, along its top.
POINT CaptionPoint(HWND bar)
{
    const RECT rect = WindowRect(bar);
    constexpr int kIntoCaption = 10;
    return {rect.left + 40, rect.top + kIntoCaption};
}

void ContentBarEdgeMakesItWider(Session& s)
{
    const HWND bar = s.ContentBar();
    ASSERT_NE(bar, nullptr);
    const RECT before = WindowRect(bar);
    // Docked on the left, its right edge sizes it.
    constexpr int kIntoEdge = 4;
    constexpr int kWider = 80;
    const POINT edge {before.right - kIntoEdge, (before.top + before.bottom) / 2};
    ViewerHand::Drag(edge, {edge.x + kWider, edge.y});
    EXPECT_TRUE(WaitUntil([&] {
        const RECT now = WindowRect(bar);
        return now.right - now.left >= before.right - before.left + kWider - kIntoEdge;
    })) << "the bar did not get wider";
    EXPECT_EQ(::GetDlgCtrlID(::GetParent(bar)), kLeftDockBarId);
    EXPECT_EQ(WindowRect(bar).left, before.left);
}

void ContentBarFloatsDocksAndComesBackWhereItWasLeft(Session& s)
{
    const HWND bar = s.ContentBar();
    ASSERT_NE(bar, nullptr);
    const RECT docked = WindowRect(bar);
    const RECT page = WindowRect(s.Find(kViewPaneId));
    ViewerHand::Drag(CaptionPoint(bar), CentreOf(page));
    ASSERT_TRUE(WaitUntil([&] { return FloatingFrameOf(s) != nullptr; })) << "the bar did not float";
    HWND floating = FloatingFrameOf(s);
    SaveScreenshot(*s.viewer, "hand_bar_floating.png");

    // A row of the floating bar's tree opens its page.
    std::string title;
    POINT row {};
    ASSERT_TRUE(ContentsRow(s.Find(kContentsTreeId), title, row));
    ViewerHand::Click(row);
    EXPECT_TRUE(s.viewer->WaitForText(s.frame, title + " - Lumidoc")) << WindowText(s.frame);

    // A double-click on the floating caption docks it where it was.
    const RECT frameRect = WindowRect(floating);
    constexpr int kIntoTitle = 8;
    ViewerHand::DoubleClick({(frameRect.left + frameRect.right) / 2, frameRect.top + kIntoTitle});
    ASSERT_TRUE(WaitUntil([&] { return FloatingFrameOf(s) == nullptr; })) << "the bar did not dock";
    // The floating frame goes before the bar is back in its dock bar: slowly, under an emulator.
    EXPECT_TRUE(WaitUntil([&] { return ::GetDlgCtrlID(::GetParent(bar)) == kLeftDockBarId; }))
        << "docked in bar " << ::GetDlgCtrlID(::GetParent(bar));
    EXPECT_TRUE(WaitUntil([&] { return SameRect(WindowRect(bar), docked); })) << "docked elsewhere";

    // Left floating, it comes back floating in front of the frame after a restart.
    ViewerHand::Drag(CaptionPoint(bar), CentreOf(page));
    ASSERT_TRUE(WaitUntil([&] { return FloatingFrameOf(s) != nullptr; }));
    const RECT left = WindowRect(FloatingFrameOf(s));
    ASSERT_TRUE(s.CloseByHand());
    ASSERT_TRUE(s.Restart());
    ASSERT_TRUE(WaitUntil([&] { return FloatingFrameOf(s) != nullptr; })) << "the bar came back docked";
    floating = FloatingFrameOf(s);
    EXPECT_TRUE(SameRect(WindowRect(floating), left));
    EXPECT_TRUE(WaitUntil([&] {
        for (HWND below = ::GetWindow(floating, GW_HWNDNEXT); below; below = ::GetWindow(below, GW_HWNDNEXT)) {
            if (below == s.frame)
                return true;
        }
        return false;
    })) << "the floating bar is behind the frame";
    SaveScreenshot(*s.viewer, "hand_bar_restored.png");
}

// The Standard toolbar, and points on its buttons: the default look lays them out from the left
// in a fixed order (Back with its list, Forward with its list, Refresh, the search box, ...).
HWND StandardToolbarOf(const Session& s)
{
    constexpr int kStandardToolbarId = 59392;
    return s.Find(kStandardToolbarId);
}

POINT ToolbarPoint(const Session& s, int fromLeft)
{
    const RECT rect = WindowRect(StandardToolbarOf(s));
    return {rect.left + fromLeft, (rect.top + rect.bottom) / 2};
}

constexpr int kBackButton = 40;
constexpr int kForwardButton = 120;
constexpr int kToggleContentBarButton = 515;

void ToolbarSearchBoxSearches(Session& s)
{
    const HWND box = s.Find(kSearchBoxId);
    const HWND list = s.Find(kSearchListId);
    ASSERT_NE(box, nullptr);
    ASSERT_NE(list, nullptr);
    ViewerHand::Click(CentreOf(WindowRect(box)));
    ViewerHand::Type("excel");
    ViewerHand::Key(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(list) != FALSE; })) << "the Search tab did not open";
    EXPECT_TRUE(WaitUntil([&] { return ::SendMessageA(list, LB_GETCOUNT, 0, 0) > 0; })) << "no result";
    EXPECT_EQ(WindowText(s.Find(kSearchEditId)), "excel");
}

void BackAndForwardByMouse(Session& s)
{
    std::string title;
    POINT row {};
    ASSERT_TRUE(ContentsRow(s.Find(kContentsTreeId), title, row));
    ViewerHand::Click(row);
    ASSERT_TRUE(s.viewer->WaitForText(s.frame, title + " - Lumidoc"));
    ViewerHand::Click(ToolbarPoint(s, kBackButton));
    EXPECT_TRUE(s.viewer->WaitForText(s.frame, kStartCaption)) << WindowText(s.frame);
    ViewerHand::Click(ToolbarPoint(s, kForwardButton));
    EXPECT_TRUE(s.viewer->WaitForText(s.frame, title + " - Lumidoc")) << WindowText(s.frame);
}

// The drop-down arrows at the right end of the Back and Forward buttons.
constexpr int kBackArrow = 72;
constexpr int kForwardArrow = 152;
// The part of the toolbar a button covers, from its left end, on the screen.
constexpr int kButtonHalfWidth = 28;

RECT ToolbarButtonRect(const Session& s, int fromLeft)
{
    const RECT bar = WindowRect(StandardToolbarOf(s));
    return {bar.left + fromLeft - kButtonHalfWidth, bar.top + 2, bar.left + fromLeft + kButtonHalfWidth,
            bar.bottom - 2};
}

// How the button looks now, copied from the screen.
std::unique_ptr<Canvas> ButtonLook(const Session& s, int fromLeft)
{
    const RECT rect = ToolbarButtonRect(s, fromLeft);
    std::unique_ptr<Canvas> look(new Canvas(rect.right - rect.left, rect.bottom - rect.top));
    look->CopyFromScreen({rect.left, rect.top});
    return look;
}

// Whether a picture holds colour: an enabled Back or Forward shows its green arrow, a greyed
// one is drawn in greys only, whatever the pointer or the look does around it.
bool ShowsColour(const Canvas& picture)
{
    constexpr int kColourSpread = 64;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const COLORREF c = picture.Pixel(x, y);
            const int high = std::max({GetRValue(c), GetGValue(c), GetBValue(c)});
            const int low = std::min({GetRValue(c), GetGValue(c), GetBValue(c)});
            if (high - low > kColourSpread)
                return true;
        }
    }
    return false;
}

// Waits until the button is drawn greyed (or until it is not).
bool WaitForButtonGreyed(const Session& s, int fromLeft, bool greyed)
{
    return WaitUntil([&] { return ShowsColour(*ButtonLook(s, fromLeft)) != greyed; });
}

// Opens the drop-down list beside a button, photographs it and clicks the entry at index of
// count; the list's entries are the history pages, nearest first.
bool ChooseFromHistoryList(Session& s, int arrow, int index, int count, const char* screenshot)
{
    ViewerHand::Click(ToolbarPoint(s, arrow));
    const HWND list = s.WaitForPopup([](LONG) { return true; });
    if (list == nullptr)
        return false;
    SaveScreenshot(*s.viewer, screenshot);
    // Straight down from the arrow into the list first: across the toolbar, the pointer would
    // pass over the next button.
    const POINT entry = ItemPoint(list, index, count);
    constexpr int kIntoList = 4;
    ViewerHand::MoveTo({ToolbarPoint(s, arrow).x, WindowRect(list).top + kIntoList});
    ViewerHand::Click(entry);
    return s.WaitForPopups(0);
}

void HistoryListsBesideBackAndForward(Session& s)
{
    const HWND page = s.Find(kViewPaneId);
    ASSERT_NE(page, nullptr);
    // The pointer rests on the page while the buttons are read, so that none is lit.
    const POINT rest = CentreOf(WindowRect(page));
    ViewerHand::MoveTo(rest);
    // At the start there is nowhere to go: both buttons are greyed.
    ASSERT_TRUE(s.viewer->WaitForIdle());
    EXPECT_TRUE(WaitForButtonGreyed(s, kBackButton, true)) << "Back is not greyed";
    EXPECT_TRUE(WaitForButtonGreyed(s, kForwardButton, true)) << "Forward is not greyed";
    std::string titles[3];
    for (int row = 0; row < 3; ++row) {
        POINT point {};
        ASSERT_TRUE(ContentsRowAt(s.Find(kContentsTreeId), row, titles[row], point));
        ViewerHand::Click(point);
        ASSERT_TRUE(s.viewer->WaitForText(s.frame, titles[row] + " - Lumidoc")) << WindowText(s.frame);
    }
    ViewerHand::MoveTo(rest);
    EXPECT_TRUE(WaitForButtonGreyed(s, kBackButton, false)) << "Back stays greyed";
    EXPECT_TRUE(WaitForButtonGreyed(s, kForwardButton, true)) << "Forward is not greyed";

    // Back's list: the second page, the first, the start page; the first is chosen.
    ASSERT_TRUE(ChooseFromHistoryList(s, kBackArrow, 1, 3, "hand_back_list.png")) << "Back's list did not work";
    EXPECT_TRUE(s.viewer->WaitForText(s.frame, titles[0] + " - Lumidoc")) << WindowText(s.frame);
    ViewerHand::MoveTo(rest);
    EXPECT_TRUE(WaitForButtonGreyed(s, kBackButton, false)) << "Back is not enabled";
    EXPECT_TRUE(WaitForButtonGreyed(s, kForwardButton, false)) << "Forward stays greyed";

    // Forward's list: the second page, the third; the third is chosen, the newest page.
    ASSERT_TRUE(ChooseFromHistoryList(s, kForwardArrow, 1, 2, "hand_forward_list.png"))
        << "Forward's list did not work";
    EXPECT_TRUE(s.viewer->WaitForText(s.frame, titles[2] + " - Lumidoc")) << WindowText(s.frame);
    ViewerHand::MoveTo(rest);
    EXPECT_TRUE(WaitForButtonGreyed(s, kBackButton, false)) << "Back is not enabled";
    EXPECT_TRUE(WaitForButtonGreyed(s, kForwardButton, true)) << "Forward is not greyed";
}

void ContentBarCloseBoxAndToggle(Session& s)
{
    const HWND bar = s.ContentBar();
    ASSERT_NE(bar, nullptr);
    const RECT docked = WindowRect(bar);
    // The hide box sits at the right end of the caption strip along the top.
    constexpr int kFromRight = 21;
    constexpr int kFromTop = 11;
    ViewerHand::Click({docked.right - kFromRight, docked.top + kFromTop});
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(bar); })) << "the close box left the bar shown";
    SaveScreenshot(*s.viewer, "hand_bar_hidden.png");
    ViewerHand::Click(ToolbarPoint(s, kToggleContentBarButton));
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(bar) != FALSE; })) << "Toggle Content Bar did not show it";
    EXPECT_TRUE(WaitUntil([&] { return SameRect(WindowRect(bar), docked); })) << "shown elsewhere";
}

struct Scenario {
    const char* name;
    void (*run)(Session&);
    const char* screenshot;  // saved at the end of the scenario
};

const Scenario kScenarios[] = {
    {"a Contents row", &ContentsRowOpensItsPage, "hand_contents_row.png"},
    {"the Index tab", &IndexFindsATitleByItsStart, "hand_index.png"},
    {"the Search tab", &SearchFindsAWordAndOpensTheResult, "hand_search.png"},
    {"the toolbar's search box", &ToolbarSearchBoxSearches, "hand_search_box.png"},
    {"Back and Forward", &BackAndForwardByMouse, "hand_back_forward.png"},
    {"the lists beside Back and Forward", &HistoryListsBesideBackAndForward, "hand_history_lists.png"},
    {"menus by keyboard", &KeyboardMenusMoveWrapAndClose, "hand_keyboard_menus.png"},
    {"looks by mouse", &EachLookByMouseIsDrawnAndStored, nullptr},
    {"text size by mouse", &TextSizeByMouseChangesThePage, nullptr},
    {"View > Toolbars by mouse", &ToolbarsMenuHidesAndShowsTheCaptionBar, "hand_caption_bar_shown.png"},
    {"File > Load Documentation by mouse", &LoadDocumentationCancelledChangesNothing, nullptr},
    {"a fixture module by File > Load Documentation", &LoadDocumentationPicksAFixtureModule, "hand_load_fixture.png"},
    {"About by mouse", &AboutByMouseClosesWithOk, "hand_about_closed.png"},
    {"the content bar's close box", &ContentBarCloseBoxAndToggle, "hand_bar_shown_again.png"},
    {"the content bar's edge", &ContentBarEdgeMakesItWider, "hand_bar_wider.png"},
    {"the content bar by hand", &ContentBarFloatsDocksAndComesBackWhereItWasLeft, nullptr},
};

class ViewerHandTest : public ::testing::Test {
protected:
    void SetUp() override { ForgetViewerState(); }
    void TearDown() override { ForgetViewerState(); }
};

TEST_F(ViewerHandTest, EveryScenarioWorksByMouseAndKeyboard)
{
    for (const Scenario& scenario : kScenarios) {
        SCOPED_TRACE(scenario.name);
        ForgetViewerState();
        Session session;
        ASSERT_TRUE(session.viewer->Started());
        ASSERT_TRUE(session.Start()) << "the viewer did not come up in front";
        scenario.run(session);
        if (scenario.screenshot != nullptr)
            SaveScreenshot(*session.viewer, scenario.screenshot);
    }
}

}  // namespace
