// The HTML view as a frame's pane over the viewer's document: the start topic, history from
// completed pages, Back, Forward and picks as commands, text sizes and Refresh; and a
// screenshot of a plain frame showing the product's topic 5.
#include "Canvas.h"
#include "HelpDoc.h"
#include "HelpView.h"
#include "Resource.h"
#include "ViewerTestSupport.h"
#include "docview/FrameWnd.h"
#include "win/CmdUI.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Counts the pages that completed.
class CCountingHelpView : public CHelpView {
    DECLARE_DYNCREATE(CCountingHelpView)
public:
    int completed = 0;

protected:
    void OnDocumentComplete(LPCSTR lpszURL) override
    {
        ++completed;
        CHelpView::OnDocumentComplete(lpszURL);
    }
};
IMPLEMENT_DYNCREATE(CCountingHelpView, CHelpView)

// A plain framework frame whose pane is the viewer's view over a new document, shown and
// first-updated as the document template does it.
class ViewerFrame {
public:
    explicit ViewerFrame(const RECT& rect = {40, 40, 760, 600})
    {
        m_pDoc = new CHelpDoc;
        m_pFrame = new CFrameWnd;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CCountingHelpView);
        context.m_pCurrentDoc = m_pDoc;
        if (!m_pFrame->Create(nullptr, "Lumidoc", WS_OVERLAPPEDWINDOW, rect, nullptr, nullptr, 0, &context)) {
            m_pFrame = nullptr;
            return;
        }
        m_pFrame->InitialUpdateFrame(m_pDoc, TRUE);
        PumpPending();
    }
    ~ViewerFrame()
    {
        if (m_pFrame)
            m_pFrame->DestroyWindow();  // the frame, its view and with its last view the document go
        PumpPending();
    }
    ViewerFrame(const ViewerFrame&) = delete;
    ViewerFrame& operator=(const ViewerFrame&) = delete;

    CFrameWnd* Frame() const { return m_pFrame; }
    CHelpDoc* Doc() const { return m_pDoc; }
    CCountingHelpView* View() const
    {
        CWnd* pane = CWnd::FromHandlePermanent(::GetDlgItem(m_pFrame->m_hWnd, FW_IDW_PANE_FIRST));
        return pane && pane->IsKindOf(RUNTIME_CLASS(CCountingHelpView)) ? static_cast<CCountingHelpView*>(pane)
                                                                        : nullptr;
    }
    // A command as a menu item or button sends it to the frame.
    void Command(UINT id) const
    {
        m_pFrame->SendMessage(WM_COMMAND, id, 0);
        PumpPending();
    }
    bool Enabled(UINT id) const
    {
        CCmdUIStateRecorder ui;
        ui.m_nID = id;
        ui.DoUpdate(m_pFrame, TRUE);
        return ui.m_bEnabled != FALSE;
    }
    std::string Location() const { return std::string(View()->GetLocationURL()); }

private:
    CHelpDoc* m_pDoc = nullptr;
    CFrameWnd* m_pFrame = nullptr;
};

std::string PendrelPage(int topic)
{
    return "res://Pendrelen.dll/" + std::to_string(topic + 1);
}

// Heights of the laid-out text boxes of the page, tallest first.
int TallestTextBox(const CHtmlView& view)
{
    int tallest = 0;
    for (const CHtmlBox& box : view.GetLayout().Boxes()) {
        if (box.kind == HtmlBoxKind::Text)
            tallest = std::max(tallest, int(box.rect.bottom - box.rect.top));
    }
    return tallest;
}

std::string HistoryText(const CHelpDoc& doc)
{
    std::string text;
    for (int i = 0; i < doc.GetHistoryCount(); ++i) {
        const CHistoryItem* item = doc.GetHistoryAt(i);
        text += std::string(item->GetTitle()) + "|" + std::string(item->GetAddress()) + "|" +
            std::to_string(item->GetCommandId()) + "\n";
    }
    return text;
}

}  // namespace

TEST(HelpView, FirstUpdateShowsTheStartTopicAndTheScreenshot)
{
    ContentModuleGuard guard;
    ASSERT_TRUE(CContentModule::Current().Load("PendrelEn.dll", 5));
    ViewerFrame frame;
    ASSERT_TRUE(frame.Frame());
    CCountingHelpView* view = frame.View();
    ASSERT_TRUE(view);
    EXPECT_EQ(frame.Location(), PendrelPage(5));
    EXPECT_EQ(view->completed, 1);
    ASSERT_EQ(frame.Doc()->GetHistoryCount(), 1);
    EXPECT_EQ(frame.Doc()->GetHistoryAt(0)->GetAddress(), PendrelPage(5).c_str());
    EXPECT_EQ(frame.Doc()->GetHistoryAt(0)->GetTitle(), view->GetLocationName());
    EXPECT_EQ(frame.Doc()->GetTitle(), view->GetLocationName());
    EXPECT_FALSE(frame.Enabled(ID_PAGE_BACK));
    EXPECT_FALSE(frame.Enabled(ID_PAGE_FORWARD));

    ASSERT_TRUE(SaveWindowShot(frame.Frame()->m_hWnd, "help_viewer_topic5.png"));
    // The page: white paper with text in the pane.
    RECT rcWindow, rcView;
    frame.Frame()->GetWindowRect(&rcWindow);
    view->GetClientRect(&rcView);
    Canvas pane(rcView.right, rcView.bottom, kBlack);
    ASSERT_TRUE(pane.CopyFromWindow(view->m_hWnd, false));
    const int area = rcView.right * rcView.bottom;
    EXPECT_GT(pane.Count(kWhite), area / 2);
    EXPECT_GT(area - pane.Count(kWhite), 1000);
}

TEST(HelpView, BackForwardAndPicksNavigateThroughTheHistory)
{
    ContentModuleGuard guard;
    ASSERT_TRUE(CContentModule::Current().Load("PendrelEn.dll", 0));
    ViewerFrame frame;
    ASSERT_TRUE(frame.Frame());
    CCountingHelpView* view = frame.View();
    CHelpDoc* doc = frame.Doc();
    for (int topic : {1, 2, 3}) {
        EXPECT_TRUE(view->ShowTopic(topic));
        PumpPending();
    }
    ASSERT_EQ(doc->GetHistoryCount(), 4);
    EXPECT_EQ(frame.Location(), PendrelPage(3));
    EXPECT_TRUE(frame.Enabled(ID_PAGE_BACK));
    EXPECT_FALSE(frame.Enabled(ID_PAGE_FORWARD));

    const struct {
        UINT command;
        int topic;
        int current;
        bool back, forward;
    } rows[] = {
        {ID_PAGE_BACK, 2, 1, true, true},
        {ID_PAGE_BACK, 1, 2, true, true},
        {ID_PAGE_FORWARD, 2, 1, true, true},
        {ID_HISTORY_FIRST, 0, 3, false, true},  // the start page took the first id
        {ID_PAGE_BACK, 0, 3, false, true},      // nothing older
        {ID_PAGE_FORWARD, 1, 2, true, true},
        {ID_HISTORY_FIRST + 3, 3, 0, true, false},
        {ID_HISTORY_LAST, 3, 0, true, false},  // no such entry
    };
    for (const auto& row : rows) {
        frame.Command(row.command);
        EXPECT_EQ(frame.Location(), PendrelPage(row.topic)) << row.command;
        EXPECT_EQ(doc->GetCurrentPosition(), row.current) << row.command;
        EXPECT_EQ(doc->GetHistoryCount(), 4) << row.command;
        EXPECT_EQ(frame.Enabled(ID_PAGE_BACK), row.back) << row.command;
        EXPECT_EQ(frame.Enabled(ID_PAGE_FORWARD), row.forward) << row.command;
    }
}

// Topics the module does not have, and a module without page addresses, show nothing.
TEST(HelpView, ShowTopicOutsideTheModuleShowsNothing)
{
    ContentModuleGuard guard;
    ASSERT_TRUE(CContentModule::Current().Load("HvDocA.dll", 99));
    ViewerFrame frame;
    ASSERT_TRUE(frame.Frame());
    CCountingHelpView* view = frame.View();
    EXPECT_EQ(view->completed, 0);  // the start topic 99 is no topic of the module
    EXPECT_FALSE(view->ShowTopic(-3));
    EXPECT_TRUE(view->ShowTopic(2));
    PumpPending();
    EXPECT_EQ(frame.Location(), "res://HvDocA.dll/3");

    ASSERT_TRUE(CContentModule::Current().Load("HvDocD.dll"));
    EXPECT_FALSE(view->ShowTopic(0));
    PumpPending();
    EXPECT_EQ(frame.Location(), "res://HvDocA.dll/3");
    EXPECT_EQ(view->completed, 1);
}

TEST(HelpView, TextSizesChangeLineHeightsAndRefreshKeepsTheHistory)
{
    ContentModuleGuard guard;
    ASSERT_TRUE(CContentModule::Current().Load("PendrelEn.dll", 5));
    ViewerFrame frame;
    ASSERT_TRUE(frame.Frame());
    CCountingHelpView* view = frame.View();
    EXPECT_EQ(view->GetZoom(), 2);

    const struct {
        UINT command;
        int zoom;
    } sizes[] = {
        {ID_TEXT_SMALLEST, 0}, {ID_TEXT_SMALL, 1}, {ID_TEXT_MEDIUM, 2}, {ID_TEXT_LARGE, 3}, {ID_TEXT_LARGEST, 4}};
    int previous = 0;
    for (const auto& size : sizes) {
        frame.Command(size.command);
        EXPECT_EQ(view->GetZoom(), size.zoom) << size.command;
        const int tallest = TallestTextBox(*view);
        EXPECT_GT(tallest, previous) << size.command;
        previous = tallest;
    }

    // Refresh reloads the page shown (here an older one) and leaves the history as it was.
    view->ShowTopic(1);
    PumpPending();
    frame.Command(ID_PAGE_BACK);
    CHelpDoc* doc = frame.Doc();
    ASSERT_EQ(doc->GetHistoryCount(), 2);
    ASSERT_EQ(doc->GetCurrentPosition(), 1);
    const std::string before = HistoryText(*doc);
    const int completed = view->completed;
    frame.Command(ID_PAGE_REFRESH);
    EXPECT_EQ(view->completed, completed + 1);
    EXPECT_EQ(frame.Location(), PendrelPage(5));
    EXPECT_EQ(HistoryText(*doc), before);
    EXPECT_EQ(doc->GetCurrentPosition(), 1);
    EXPECT_EQ(view->GetZoom(), 4);
}
