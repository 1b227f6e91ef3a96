// The HTML view as a real window: posted navigation, events, history, links,
// anchors, zoom, scrolling, hover, the new-window and print seams.
#include "Canvas.h"
#include "Files.h"
#include "HtmlTestSupport.h"
#include "html/HtmlConstants.h"
#include "html/HtmlPrintDialog.h"
#include "html/HtmlView.h"
#include "win/ShellLauncher.h"
#include "win/WinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

CWinApp theApp("FwHtmlTests");

namespace {

class CTestHtmlView : public CHtmlView {
public:
    std::vector<std::string> events;
    std::string cancelAddress;  // before-navigate refuses this address
    bool refuseNewWindows = false;

protected:
    void OnBeforeNavigate2(LPCSTR url, DWORD, LPCSTR, LPCSTR, BOOL* cancel) override
    {
        events.push_back(std::string("before ") + url);
        if (cancelAddress == url)
            *cancel = TRUE;
    }
    void OnTitleChange(LPCSTR text) override { events.push_back(std::string("title ") + text); }
    void OnDocumentComplete(LPCSTR url) override { events.push_back(std::string("complete ") + url); }
    void OnNewWindow2(LPCSTR url, LPCSTR target, BOOL* cancel) override
    {
        events.push_back(std::string("new window ") + url + " " + target);
        if (refuseNewWindows)
            *cancel = TRUE;
    }
};

struct Launch {
    HWND hWnd;
    std::string operation;
    std::string file;
};
std::vector<Launch> g_launches;

HINSTANCE RecordLaunch(HWND hWnd, LPCSTR operation, LPCSTR file, LPCSTR, LPCSTR, int)
{
    g_launches.push_back({hWnd, operation ? operation : "", file ? file : ""});
    return reinterpret_cast<HINSTANCE>(INT_PTR(42));
}

int g_printDialogs = 0;
HWND g_printOwner = nullptr;
HDC g_printDC = nullptr;

HDC FakePrintDialog(HWND owner)
{
    ++g_printDialogs;
    g_printOwner = owner;
    return g_printDC;
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

LPARAM Point(const POINT& p)
{
    return MAKELPARAM(p.x, p.y);
}

class HtmlViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RECT rect {0, 0, 640, 400};
        ASSERT_TRUE(m_view.CreateEx(0, nullptr, "", WS_POPUP, rect, nullptr, 0));
        g_launches.clear();
        m_previousLauncher = FwSetShellLauncher(&RecordLaunch);
    }
    void TearDown() override
    {
        FwSetShellLauncher(m_previousLauncher);
        m_view.DestroyWindow();
    }
    // Navigates, lets the posted navigation complete, returns the events it fired.
    std::vector<std::string> Go(const std::string& address)
    {
        m_view.events.clear();
        m_view.Navigate2(address.c_str());
        Pump();
        return m_view.events;
    }
    std::string WindowText() const
    {
        char text[512] = "";
        GetWindowTextA(m_view.m_hWnd, text, sizeof text);
        return text;
    }
    const CHtmlBox* Box(const std::string& text) const
    {
        for (const CHtmlBox& box : m_view.GetLayout().Boxes())
            if (box.text.find(text) != std::string::npos)
                return &box;
        return nullptr;
    }
    POINT ClientCentre(const CHtmlBox& box) const
    {
        return POINT {(box.rect.left + box.rect.right) / 2,
                      (box.rect.top + box.rect.bottom) / 2 - m_view.GetScrollTop()};
    }
    void Click(const std::string& text)
    {
        const CHtmlBox* box = Box(text);
        ASSERT_TRUE(box) << text;
        POINT p = ClientCentre(*box);
        m_view.events.clear();
        m_view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(p));
        m_view.SendMessage(WM_LBUTTONUP, 0, Point(p));
        Pump();
    }
    int MaxTop() const
    {
        RECT client;
        GetClientRect(m_view.m_hWnd, &client);
        return std::max(0, m_view.GetLayout().Height() - int(client.bottom));
    }

    CTestHtmlView m_view;
    FwShellExecuteFn m_previousLauncher = nullptr;
};

using Events = std::vector<std::string>;

TEST_F(HtmlViewTest, NavigationIsPostedAndFiresItsEventsInOrder)
{
    m_view.Navigate2(PageAddress("1").c_str(), 0, "ignored", "ignored", nullptr, 0);
    EXPECT_TRUE(m_view.events.empty());  // nothing happens before the message loop runs
    EXPECT_EQ(WindowText(), "");
    Pump();
    EXPECT_EQ(m_view.events,
              (Events {"before " + PageAddress("1"), "title Start & Welcome", "complete " + PageAddress("1")}));
    EXPECT_EQ(WindowText(), PageAddress("1"));
    EXPECT_EQ(std::string(m_view.GetLocationName()), "Start & Welcome");
    EXPECT_EQ(std::string(m_view.GetLocationURL()), PageAddress("1"));
    EXPECT_NE(std::string(m_view.GetLayoutDump()).find("\"Getting started\""), std::string::npos);

    // A page without a title is named by its address.
    EXPECT_EQ(Go(PageAddress("4")),
              (Events {"before " + PageAddress("4"), "title " + PageAddress("4"), "complete " + PageAddress("4")}));
    EXPECT_EQ(std::string(m_view.GetLocationName()), PageAddress("4"));
}

TEST(HtmlView, ANavigationAskedForBeforeTheWindowExistsGoesWhenItDoes)
{
    CTestHtmlView view;
    view.Navigate2(PageAddress("2").c_str());
    Pump();
    EXPECT_TRUE(view.events.empty());
    RECT rect {0, 0, 300, 200};
    ASSERT_TRUE(view.CreateEx(0, nullptr, "", WS_POPUP, rect, nullptr, 0));
    Pump();
    EXPECT_EQ(
        view.events,
        (std::vector<std::string> {"before " + PageAddress("2"), "title Second Page", "complete " + PageAddress("2")}));
    view.DestroyWindow();
}

TEST_F(HtmlViewTest, OnlyTheLastOfSeveralPendingNavigationsCompletes)
{
    m_view.Navigate2(PageAddress("1").c_str());
    m_view.Navigate2(PageAddress("2").c_str());
    m_view.Navigate(PageAddress("3").c_str());
    Pump();
    EXPECT_EQ(m_view.events,
              (Events {"before " + PageAddress("3"), "title Long Page", "complete " + PageAddress("3")}));
    EXPECT_EQ(WindowText(), PageAddress("3"));
}

TEST_F(HtmlViewTest, AFailedLoadShowsTheErrorPageWithoutDocumentComplete)
{
    Go(PageAddress("1"));
    const std::string failing[] = {PageAddress("99"), "res://NoSuchModule.dll/1", "http://makers.invalid/",
                                   "res://HtmlTestPages.dll/img/none.gif", "not an address at all <&>"};
    for (const std::string& address : failing) {
        EXPECT_EQ(Go(address), Events {"before " + address}) << address;
        EXPECT_EQ(WindowText(), address);
        EXPECT_EQ(std::string(m_view.GetLocationName()), address);
        std::string dump(m_view.GetLayoutDump());
        EXPECT_NE(dump.find("The page cannot be shown"), std::string::npos) << dump;
        EXPECT_NE(dump.find(address), std::string::npos) << dump;
    }
}

TEST_F(HtmlViewTest, BeforeNavigateMayCancel)
{
    Go(PageAddress("1"));
    m_view.cancelAddress = PageAddress("2");
    EXPECT_EQ(Go(PageAddress("2")), Events {"before " + PageAddress("2")});
    EXPECT_EQ(WindowText(), PageAddress("1"));
    EXPECT_EQ(std::string(m_view.GetLocationName()), "Start & Welcome");
}

TEST_F(HtmlViewTest, ClickedLinksResolveAndAnchorsScroll)
{
    Go(PageAddress("1"));
    Click("second page");
    EXPECT_EQ(m_view.events,
              (Events {"before " + PageAddress("2"), "title Second Page", "complete " + PageAddress("2")}));
    Click("Back to the start");
    EXPECT_EQ(WindowText(), PageAddress("1"));
    Click("middle of the long page");
    EXPECT_EQ(WindowText(), PageAddress("3#middle"));
    int top = 0;
    ASSERT_TRUE(m_view.GetLayout().AnchorTop("middle", top));
    EXPECT_GT(top, 1000);
    EXPECT_EQ(m_view.GetScrollTop(), std::min(top, MaxTop()));
    const CHtmlBox* middle = Box("The middle");
    ASSERT_TRUE(middle);
    EXPECT_LT(middle->rect.top - m_view.GetScrollTop(), 10);  // at the top of the window

    // A press on one link and a release on another follow neither.
    Go(PageAddress("1"));
    POINT a = ClientCentre(*Box("second page")), b = ClientCentre(*Box("middle of the long page"));
    m_view.events.clear();
    m_view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(a));
    m_view.SendMessage(WM_LBUTTONUP, 0, Point(b));
    Pump();
    EXPECT_TRUE(m_view.events.empty());
}

TEST_F(HtmlViewTest, NewWindowLinksGoToTheShellOrStayInTheView)
{
    Go(PageAddress("1"));
    Click("Web site");
    EXPECT_EQ(m_view.events, Events {"new window http://makers.invalid/ _blank"});
    ASSERT_EQ(g_launches.size(), 1u);
    EXPECT_EQ(g_launches[0].hWnd, m_view.m_hWnd);
    EXPECT_EQ(g_launches[0].operation, "open");
    EXPECT_EQ(g_launches[0].file, "http://makers.invalid/");
    EXPECT_EQ(WindowText(), PageAddress("1"));  // never rendered here

    Go(PageAddress("2"));
    Click("Fourth page in a new window");
    EXPECT_EQ(m_view.events,
              (Events {"new window " + PageAddress("4") + " _blank", "before " + PageAddress("4"),
                       "title " + PageAddress("4"), "complete " + PageAddress("4")}));
    EXPECT_EQ(g_launches.size(), 1u);

    m_view.refuseNewWindows = true;
    Go(PageAddress("1"));
    Click("Web site");
    EXPECT_EQ(m_view.events, Events {"new window http://makers.invalid/ _blank"});
    EXPECT_EQ(g_launches.size(), 1u);
}

TEST_F(HtmlViewTest, BackForwardAndRefresh)
{
    Go(PageAddress("1"));
    Go(PageAddress("2"));
    Go(PageAddress("3"));
    Go(PageAddress("99"));  // failed loads do not enter the history
    struct Step {
        void (CHtmlView::*move)();
        const char* page;  // null: nothing happens
    } steps[] = {
        {&CHtmlView::GoBack, "2"},    {&CHtmlView::GoBack, "1"},    {&CHtmlView::GoBack, nullptr},
        {&CHtmlView::GoForward, "2"}, {&CHtmlView::GoForward, "3"}, {&CHtmlView::GoForward, nullptr},
    };
    for (const Step& step : steps) {
        std::string before = WindowText();
        m_view.events.clear();
        (m_view.*step.move)();
        Pump();
        if (!step.page) {
            EXPECT_TRUE(m_view.events.empty());
            EXPECT_EQ(WindowText(), before);
            continue;
        }
        ASSERT_EQ(m_view.events.size(), 3u) << step.page;
        EXPECT_EQ(m_view.events[0], "before " + PageAddress(step.page));
        EXPECT_EQ(m_view.events[2], "complete " + PageAddress(step.page));
    }
    // A new page after going back drops the pages ahead.
    m_view.GoBack();
    Pump();
    Go(PageAddress("4"));
    m_view.events.clear();
    m_view.GoForward();
    Pump();
    EXPECT_TRUE(m_view.events.empty());

    // Refresh reloads without asking and keeps the scroll position.
    Go(PageAddress("3"));
    m_view.SendMessage(WM_KEYDOWN, VK_NEXT, 0);
    m_view.SendMessage(WM_KEYDOWN, VK_NEXT, 0);
    int top = m_view.GetScrollTop();
    EXPECT_GT(top, 0);
    m_view.events.clear();
    m_view.Refresh();
    Pump();
    EXPECT_EQ(m_view.events, (Events {"title Long Page", "complete " + PageAddress("3")}));
    EXPECT_EQ(m_view.GetScrollTop(), top);
}

TEST_F(HtmlViewTest, ZoomChangesFontHeightsAndStaysAcrossNavigation)
{
    Go(PageAddress("1"));
    auto headingHeight = [&] {
        return Box("Getting started")->fontHeight;
    };
    VARIANT in, out;
    VariantInit(&in);
    VariantInit(&out);
    EXPECT_EQ(m_view.ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, nullptr, &out), S_OK);
    EXPECT_EQ(out.vt, VT_I4);
    EXPECT_EQ(out.lVal, 2);
    int medium = headingHeight();
    int previous = 0;
    for (int level = 0; level < HtmlConst::kZoomLevels; ++level) {
        in.vt = VT_I4;
        in.lVal = level;
        EXPECT_EQ(m_view.ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &in, nullptr), S_OK);
        EXPECT_GT(headingHeight(), previous) << level;
        previous = headingHeight();
    }
    EXPECT_GT(previous, medium);
    for (int bad : {-1, 5, 100}) {
        in.lVal = bad;
        EXPECT_EQ(m_view.ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &in, nullptr), E_INVALIDARG);
    }
    EXPECT_EQ(m_view.GetZoom(), 4);
    Go(PageAddress("2"));
    Go(PageAddress("1"));
    EXPECT_EQ(headingHeight(), previous);
    EXPECT_EQ(m_view.ExecWB(OLECMDID_SAVEAS, OLECMDEXECOPT_DONTPROMPTUSER, nullptr, nullptr), OLECMDERR_E_NOTSUPPORTED);
}

TEST_F(HtmlViewTest, ScrollsWithKeysWheelAndBar)
{
    Go(PageAddress("3"));
    RECT client;
    GetClientRect(m_view.m_hWnd, &client);
    int page = client.bottom - HtmlConst::kLineStep;
    struct Step {
        UINT message;
        WPARAM wParam;
        int expected;  // -1: the bottom
    } steps[] = {
        {WM_KEYDOWN, VK_DOWN, HtmlConst::kLineStep},
        {WM_KEYDOWN, VK_UP, 0},
        {WM_KEYDOWN, VK_UP, 0},
        {WM_KEYDOWN, VK_NEXT, page},
        {WM_KEYDOWN, VK_SPACE, 2 * page},
        {WM_KEYDOWN, VK_PRIOR, page},
        {WM_KEYDOWN, VK_END, -1},
        {WM_KEYDOWN, VK_NEXT, -1},
        {WM_KEYDOWN, VK_HOME, 0},
        {WM_VSCROLL, SB_PAGEDOWN, page},
        {WM_VSCROLL, SB_LINEUP, page - HtmlConst::kLineStep},
        {WM_VSCROLL, SB_BOTTOM, -1},
        {WM_VSCROLL, SB_TOP, 0},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), 3 * HtmlConst::kLineStep},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0},
    };
    for (const Step& step : steps) {
        m_view.SendMessage(step.message, step.wParam, 0);
        int expected = step.expected < 0 ? MaxTop() : step.expected;
        EXPECT_EQ(m_view.GetScrollTop(), expected) << step.message << " " << step.wParam;
        EXPECT_EQ(GetScrollPos(m_view.m_hWnd, SB_VERT), expected);
    }
}

TEST_F(HtmlViewTest, HoverShowsTheHandAndTheHoverColour)
{
    Go(PageAddress("1"));
    const CHtmlBox* link = Box("second page");
    const CHtmlBox* plain = Box("This is the");
    ASSERT_TRUE(link && plain);
    const COLORREF linkColour = RGB(0, 0x33, 0xCC), hoverColour = RGB(0x33, 0x33, 0xFF);
    Canvas bitmap(640, 400, kBlack);
    RECT all {0, 0, 640, 400};

    m_view.SendMessage(WM_MOUSEMOVE, 0, Point(ClientCentre(*link)));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
    m_view.SendMessage(WM_SETCURSOR, WPARAM(m_view.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
    m_view.DrawPage(bitmap.Handle(), all, 0);
    EXPECT_GT(bitmap.Count(hoverColour, link->rect), 20);
    EXPECT_EQ(bitmap.Count(linkColour, link->rect), 0);

    m_view.SendMessage(WM_MOUSEMOVE, 0, Point(ClientCentre(*plain)));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    m_view.DrawPage(bitmap.Handle(), all, 0);
    EXPECT_GT(bitmap.Count(linkColour, link->rect), 20);
    EXPECT_EQ(bitmap.Count(hoverColour, link->rect), 0);

    m_view.SendMessage(WM_MOUSEMOVE, 0, Point(ClientCentre(*link)));
    m_view.SendMessage(WM_MOUSELEAVE, 0, 0);
    m_view.DrawPage(bitmap.Handle(), all, 0);
    EXPECT_EQ(bitmap.Count(hoverColour, link->rect), 0);

    const std::string dir = ScreenshotFolder();
    EXPECT_TRUE(bitmap.WritePng(dir + "\\html_view_start_page.png"));
}

TEST_F(HtmlViewTest, PaintsTheWindowOnTheScreen)
{
    Go(PageAddress("1"));
    m_view.ShowWindow(SW_SHOWNOACTIVATE);
    m_view.UpdateWindow();
    RECT client;
    GetClientRect(m_view.m_hWnd, &client);
    Canvas shot(client.right, client.bottom, kBlack);
    HDC window = GetDC(m_view.m_hWnd);
    BitBlt(shot.Handle(), 0, 0, client.right, client.bottom, window, 0, 0, SRCCOPY);
    ReleaseDC(m_view.m_hWnd, window);
    const std::string dir = ScreenshotFolder();
    EXPECT_TRUE(shot.WritePng(dir + "\\html_view_window.png"));
    const CHtmlBox* link = Box("second page");
    const CHtmlBox* picture = Box("Folder");
    ASSERT_TRUE(link && picture);
    EXPECT_GT(shot.Count(RGB(0, 0x33, 0xCC), link->rect), 20);
    EXPECT_EQ(shot.Pixel(picture->rect.left + 5, picture->rect.top + 5), RGB(255, 0, 0));
    EXPECT_EQ(shot.Pixel(client.right - 5, client.bottom - 5), RGB(255, 255, 255));
}

TEST_F(HtmlViewTest, PrintingGoesThroughThePrintDialog)
{
    Go(PageAddress("3"));
    FwHtmlPrintDialogFn previous = FwSetHtmlPrintDialog(&FakePrintDialog);
    g_printDialogs = 0;
    g_printDC = nullptr;  // cancelled
    m_view.SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
    EXPECT_EQ(g_printDialogs, 1);
    EXPECT_EQ(g_printOwner, m_view.m_hWnd);
    g_printDC = CreateCompatibleDC(nullptr);  // no printer behind it: the document is refused
    EXPECT_EQ(m_view.ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_DONTPROMPTUSER, nullptr, nullptr), S_OK);
    EXPECT_EQ(g_printDialogs, 2);
    EXPECT_EQ(GetObjectType(g_printDC), 0u);  // the view deleted the device context
    FwSetHtmlPrintDialog(previous);

    // The pages of the long page: each starts where the one before ended, and
    // no line is cut between two pages.
    std::vector<int> starts = m_view.GetLayout().PageStarts(300);
    ASSERT_GT(starts.size(), 5u);
    for (std::size_t i = 1; i < starts.size(); ++i) {
        EXPECT_GT(starts[i], starts[i - 1]);
        EXPECT_LE(starts[i] - starts[i - 1], 300);
        for (const CHtmlBox& box : m_view.GetLayout().Boxes())
            EXPECT_FALSE(box.rect.top < starts[i] && box.rect.bottom > starts[i]) << box.text;
    }
}

}  // namespace
