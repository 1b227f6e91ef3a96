// The HTML view as a frame's pane: created by runtime class, active before its first update
// (which navigates nowhere), focused when the frame activates, navigating back and forward;
// and a screenshot of a frame with a menu showing a page of the product's help module.
#include "Canvas.h"
#include "Files.h"
#include "HtmlTestSupport.h"
#include "docview/FrameWnd.h"
#include "html/HtmlView.h"
#include "win/Menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CPaneHtmlView : public CHtmlView {
    DECLARE_DYNCREATE(CPaneHtmlView)
public:
    std::vector<std::string> completed;
    int initialUpdates = 0;
    BOOL activeAtFirstUpdate = FALSE;

    void OnInitialUpdate() override
    {
        ++initialUpdates;
        activeAtFirstUpdate = GetParentFrame() && GetParentFrame()->GetActiveView() == this;
        CHtmlView::OnInitialUpdate();
    }

protected:
    void OnDocumentComplete(LPCSTR url) override { completed.push_back(url); }
};
IMPLEMENT_DYNCREATE(CPaneHtmlView, CHtmlView)

void PumpAll()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// A frame whose pane is a CPaneHtmlView, shown and set up as a template does it.
CFrameWnd* MakeFrame(const RECT& rect, HMENU hMenu = nullptr)
{
    auto* pFrame = new CFrameWnd;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CPaneHtmlView);
    if (!pFrame->Create(nullptr, "Help", WS_OVERLAPPEDWINDOW, rect, nullptr, nullptr, 0, &context))
        return nullptr;
    if (hMenu)
        ::SetMenu(pFrame->m_hWnd, hMenu);
    pFrame->InitialUpdateFrame(nullptr, TRUE);
    PumpAll();
    return pFrame;
}

CPaneHtmlView* PaneOf(CFrameWnd* pFrame)
{
    CWnd* pPane = CWnd::FromHandlePermanent(::GetDlgItem(pFrame->m_hWnd, FW_IDW_PANE_FIRST));
    return pPane && pPane->IsKindOf(RUNTIME_CLASS(CPaneHtmlView)) ? static_cast<CPaneHtmlView*>(pPane) : nullptr;
}

TEST(HtmlViewPane, IsTheFramesActiveViewAndGoesBackAndForward)
{
    RECT rect = {0, 0, 500, 400};
    CFrameWnd* pFrame = MakeFrame(rect);
    ASSERT_TRUE(pFrame);
    CPaneHtmlView* pView = PaneOf(pFrame);
    ASSERT_TRUE(pView);
    EXPECT_EQ(pFrame->GetActiveView(), pView);
    EXPECT_EQ(pView->initialUpdates, 1);
    EXPECT_TRUE(pView->activeAtFirstUpdate);
    EXPECT_TRUE(pView->completed.empty());  // the first update navigates nowhere
    // Activating the frame focuses its view (asked here again: other programs on the same
    // display may have taken the activation since the frame was shown).
    ::SetActiveWindow(pFrame->m_hWnd);
    EXPECT_EQ(::GetFocus(), pView->m_hWnd);

    const struct {
        const char* step;
        void (*act)(CHtmlView*);
        std::string location;
    } rows[] = {
        {"first page", [](CHtmlView* v) { v->Navigate2(PageAddress("1").c_str()); }, PageAddress("1")},
        {"second page", [](CHtmlView* v) { v->Navigate2(PageAddress("2").c_str()); }, PageAddress("2")},
        {"back", [](CHtmlView* v) { v->GoBack(); }, PageAddress("1")},
        {"forward", [](CHtmlView* v) { v->GoForward(); }, PageAddress("2")},
    };
    for (const auto& row : rows) {
        pView->completed.clear();
        row.act(pView);
        PumpAll();
        EXPECT_EQ(pView->completed, std::vector<std::string> {row.location}) << row.step;
        EXPECT_EQ(std::string(pView->GetLocationURL()), row.location) << row.step;
    }

    // The frame passes the focus on to its view when it gets it back.
    ::SetFocus(pFrame->m_hWnd);
    EXPECT_EQ(::GetFocus(), pView->m_hWnd);
    pFrame->DestroyWindow();  // the frame and its view delete themselves
}

HMENU MakeMenu()
{
    HMENU hMenu = ::CreateMenu();
    HMENU hFile = ::CreatePopupMenu();
    ::AppendMenuA(hFile, MF_STRING, ID_FILE_PRINT, "&Print...");
    ::AppendMenuA(hFile, MF_STRING, ID_APP_EXIT, "E&xit");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hFile, "&File");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)::CreatePopupMenu(), "&View");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)::CreatePopupMenu(), "&Help");
    return hMenu;
}

TEST(HtmlViewPane, ScreenshotOfAFrameShowingAHelpPage)
{
    RECT rect = {0, 0, 720, 520};
    CFrameWnd* pFrame = MakeFrame(rect, MakeMenu());
    ASSERT_TRUE(pFrame);
    CPaneHtmlView* pView = PaneOf(pFrame);
    ASSERT_TRUE(pView);
    const std::string address = "res://PendrelEn.dll/1";
    pView->Navigate2(address.c_str());
    PumpAll();
    ASSERT_EQ(pView->completed, std::vector<std::string> {address});
    pFrame->SetWindowText(pView->GetLocationName() + " - Lumidoc");
    pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpAll();

    RECT rcWindow;
    pFrame->GetWindowRect(&rcWindow);
    Canvas shot(rcWindow.right - rcWindow.left, rcWindow.bottom - rcWindow.top, kBlack);
    HDC hdcWindow = ::GetWindowDC(pFrame->m_hWnd);
    ::BitBlt(shot.Handle(), 0, 0, shot.Width(), shot.Height(), hdcWindow, 0, 0, SRCCOPY);
    ::ReleaseDC(pFrame->m_hWnd, hdcWindow);
    const std::string dir = ScreenshotFolder();
    EXPECT_TRUE(shot.WritePng(dir + "\\docview_frame_help_page.png"));

    // The pane's area (below the caption and the menu) holds the page: white paper with text.
    RECT rcView;
    pView->GetWindowRect(&rcView);
    ::OffsetRect(&rcView, -rcWindow.left, -rcWindow.top);
    ::InflateRect(&rcView, -4, -4);
    int area = (rcView.right - rcView.left) * (rcView.bottom - rcView.top);
    EXPECT_GT(shot.Count(kWhite, rcView), area / 2);
    EXPECT_GT(area - shot.Count(kWhite, rcView), 500);
    // Above it, the menu bar in the menu colour.
    EXPECT_GT(shot.Count(::GetSysColor(COLOR_MENU) & 0xFFFFFF, CRect(0, 0, shot.Width(), rcView.top)), 1000);
    pFrame->DestroyWindow();
}

}  // namespace
