// Frames laying out their children (layout record, child order, query mode, delayed layout,
// the bar toggles), the mini frame, and the multiple-document frames.
#include "DocViewTestSupport.h"
#include "docview/MDIChildWnd.h"
#include "docview/MDIFrameWnd.h"
#include "docview/MiniFrameWnd.h"
#include "docview/MultiDocTemplate.h"

namespace {

// A bar that takes a strip of the free rectangle at one side, as a control bar does.
class CFakeBar : public CWnd {
public:
    CFakeBar(bool bTop, int nSize) : m_nSize(nSize), m_bTop(bTop) {}
    int m_nSize;
    BOOL m_bSawInLayout = FALSE;

protected:
    LRESULT OnSizeParent(WPARAM, LPARAM lParam)
    {
        auto* pLayout = reinterpret_cast<SizeParentParams*>(lParam);
        CFrameWnd* pFrame = GetParentFrame();
        m_bSawInLayout = pFrame && pFrame->InRecalcLayout();
        if (!(GetStyle() & WS_VISIBLE))
            return 0;
        RECT rect = pLayout->rect;
        if (m_bTop) {
            rect.bottom = rect.top + m_nSize;
            pLayout->rect.top += m_nSize;
            pLayout->sizeTotal.cy += m_nSize;
        } else {
            rect.right = rect.left + m_nSize;
            pLayout->rect.left += m_nSize;
            pLayout->sizeTotal.cx += m_nSize;
        }
        FwRepositionWindow(pLayout, m_hWnd, &rect);
        return 0;
    }

    DECLARE_MESSAGE_MAP()

private:
    bool m_bTop;
};

BEGIN_MESSAGE_MAP(CFakeBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CRect RectInParent(const CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    ::MapWindowPoints(nullptr, ::GetParent(wnd.m_hWnd), (LPPOINT)&rect, 2);
    return rect;
}

TEST(FrameLayout, BarsTakeTheirStripsInChildOrderAndThePaneGetsTheRest)
{
    auto* pFrame = new CTestFrame;
    RECT rectFrame = {50, 50, 450, 350};
    ASSERT_TRUE(pFrame->Create(nullptr, "Layout", WS_OVERLAPPEDWINDOW, rectFrame));
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    RECT rectNone = {0, 0, 0, 0};
    CFakeBar top(true, 20), left(false, 30);
    CWnd pane;
    ASSERT_TRUE(top.Create(nullptr, "", WS_CHILD | WS_VISIBLE, rectNone, pFrame, FW_IDW_TOOLBAR));
    ASSERT_TRUE(left.Create(nullptr, "", WS_CHILD | WS_VISIBLE, rectNone, pFrame, FW_IDW_STATUS_BAR));
    ASSERT_TRUE(pane.Create(nullptr, "", WS_CHILD | WS_VISIBLE, rectNone, pFrame, FW_IDW_PANE_FIRST));
    CRect client;
    pFrame->GetClientRect(&client);
    const int w = client.right, h = client.bottom;

    const struct {
        const char* step;
        void (*act)(CFrameWnd*, CFakeBar&, CFakeBar&);
        CRect top, left, pane;
    } rows[] = {
        {"top bar first", [](CFrameWnd* f, CFakeBar&, CFakeBar&) { f->RecalcLayout(); }, CRect(0, 0, w, 20),
         CRect(0, 20, 30, h), CRect(30, 20, w, h)},
        {"left bar first",
         [](CFrameWnd* f, CFakeBar&, CFakeBar& l) {
             l.SetWindowPos(reinterpret_cast<const CWnd*>(HWND_TOP), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
             f->RecalcLayout();
         },
         CRect(30, 0, w, 20), CRect(0, 0, 30, h), CRect(30, 20, w, h)},
        {"toolbar hidden by its command",
         [](CFrameWnd* f, CFakeBar&, CFakeBar&) { f->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR); }, CRect(30, 0, w, 20),
         CRect(0, 0, 30, h), CRect(30, 0, w, h)},
        {"toolbar shown again", [](CFrameWnd* f, CFakeBar&, CFakeBar&) { f->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR); },
         CRect(30, 0, w, 20), CRect(0, 0, 30, h), CRect(30, 20, w, h)},
        {"a delayed layout waits for idle time",
         [](CFrameWnd* f, CFakeBar& t, CFakeBar&) {
             t.m_nSize = 40;
             f->DelayRecalcLayout();
         },
         CRect(30, 0, w, 20), CRect(0, 0, 30, h), CRect(30, 20, w, h)},
        {"idle time", [](CFrameWnd*, CFakeBar&, CFakeBar&) { theApp.OnIdle(0); }, CRect(30, 0, w, 40),
         CRect(0, 0, 30, h), CRect(30, 40, w, h)},
    };
    for (const auto& row : rows) {
        row.act(pFrame, top, left);
        if (top.IsWindowVisible()) {
            EXPECT_EQ(RectInParent(top), row.top) << row.step;
        }
        EXPECT_EQ(RectInParent(left), row.left) << row.step;
        EXPECT_EQ(RectInParent(pane), row.pane) << row.step;
        EXPECT_TRUE(left.m_bSawInLayout) << row.step;
    }

    // The toolbar's menu item is checked while the bar shows.
    for (bool bVisible : {true, false}) {
        top.ShowWindow(bVisible ? SW_SHOWNOACTIVATE : SW_HIDE);
        CCmdUIStateRecorder state;
        state.m_nID = ID_VIEW_TOOLBAR;
        state.DoUpdate(pFrame, TRUE);
        EXPECT_EQ(state.m_nCheck, bVisible ? 1 : 0);
    }

    // A query moves nothing and tells what the pane would get.
    top.ShowWindow(SW_SHOWNOACTIVATE);
    pane.MoveWindow(0, 0, 1, 1);
    CRect rectQuery;
    pFrame->RepositionBars(0, 0xFFFF, FW_IDW_PANE_FIRST, CFrameWnd::reposQuery, &rectQuery);
    EXPECT_EQ(rectQuery, CRect(30, 40, w, h));
    EXPECT_EQ(RectInParent(pane), CRect(0, 0, 1, 1));
    EXPECT_FALSE(left.m_bSawInLayout);  // a query is no layout

    top.DestroyWindow();
    left.DestroyWindow();
    pane.DestroyWindow();
    pFrame->DestroyWindow();
}

// Records how the frame's caption was last drawn.
class CCaptionSpyFrame : public CFrameWnd {
public:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NCACTIVATE)
            m_nCaptionActive = (int)wParam;
        return CFrameWnd::DefWindowProc(message, wParam, lParam);
    }
    int m_nCaptionActive = -1;
};

TEST(MiniFrame, IsAToolWindowWhoseOwnerKeepsItsCaptionActive)
{
    auto* pOwner = new CCaptionSpyFrame;
    RECT rectOwner = {0, 0, 300, 200}, rectMini = {320, 0, 480, 100}, rectOther = {500, 0, 600, 100};
    ASSERT_TRUE(pOwner->Create(nullptr, "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rectOwner));
    auto* pMini = new CMiniFrameWnd;
    ASSERT_TRUE(pMini->CreateEx(
        0, nullptr, "Tools", WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_SYNCACTIVE | MFS_THICKFRAME, rectMini, pOwner));
    EXPECT_TRUE(pMini->GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(pMini->GetStyle() & WS_THICKFRAME);
    EXPECT_EQ(pMini->GetParentFrame(), pOwner);
    EXPECT_EQ(pMini->GetTopLevelFrame(), pOwner);
    EXPECT_EQ(pMini->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE), 1);
    auto* pOther = new CFrameWnd;
    ASSERT_TRUE(pOther->Create(nullptr, "Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rectOther));

    pOwner->SetForegroundWindow();
    pOwner->SetActiveWindow();
    EXPECT_EQ(pOwner->m_nCaptionActive, 1);
    pMini->ShowWindow(SW_SHOW);
    pMini->SetActiveWindow();
    EXPECT_EQ(::GetActiveWindow(), pMini->m_hWnd);
    EXPECT_EQ(pOwner->m_nCaptionActive, 1) << "the palette has the activation";
    pOther->SetActiveWindow();
    EXPECT_EQ(pOwner->m_nCaptionActive, 0) << "another window has the activation";

    pMini->DestroyWindow();
    pOther->DestroyWindow();
    pOwner->DestroyWindow();
}

class CTestChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CTestChildFrame)
};
IMPLEMENT_DYNCREATE(CTestChildFrame, CMDIChildWnd)

std::string Caption(const CWnd* pWnd)
{
    CString str;
    pWnd->GetWindowText(str);
    return std::string(str);
}

TEST(MDIFrames, ChildrenShareTheirTemplatesMenuAndTakeTheCommandsFirst)
{
    auto* pFrame = new CMDIFrameWnd;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_PLAIN_FRAME));
    ASSERT_TRUE(pFrame->m_hWndMDIClient);
    EXPECT_EQ(::GetDlgCtrlID(pFrame->m_hWndMDIClient), FW_IDW_PANE_FIRST);
    pFrame->ShowWindow(SW_SHOW);
    theApp.m_pMainWnd = pFrame;
    CMultiDocTemplate docTemplate(IDR_TEST_DOC, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestChildFrame),
                                  RUNTIME_CLASS(CTestView));
    docTemplate.LoadTemplate();
    ASSERT_TRUE(docTemplate.m_hMenuShared && docTemplate.m_hAccelTable);

    CDocument* pFirst = docTemplate.OpenDocumentFile(nullptr);
    CDocument* pSecond = docTemplate.OpenDocumentFile(nullptr);
    ASSERT_TRUE(pFirst && pSecond);
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pActive = pFrame->MDIGetActive(&bMaximized);
    ASSERT_TRUE(pActive && pActive->IsKindOf(RUNTIME_CLASS(CTestChildFrame)));
    EXPECT_EQ(pActive->GetActiveDocument(), pSecond);
    EXPECT_EQ(pFrame->GetActiveFrame(), pActive);
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), docTemplate.m_hMenuShared);
    EXPECT_EQ(pActive->GetMDIFrame(), pFrame);
    EXPECT_EQ(pActive->GetTopLevelFrame(), pFrame);
    theApp.OnIdle(0);
    EXPECT_EQ(Caption(pActive), "Untitled2");
    if (!bMaximized) {
        EXPECT_EQ(Caption(pFrame), "Plain Frame - Untitled2");
    }

    // Commands reach the active child's view first.
    HandlerLog().clear();
    pFrame->SendMessage(WM_COMMAND, ID_ROUTE_VIEW);
    pFrame->SendMessage(WM_COMMAND, ID_ROUTE_APP);
    EXPECT_EQ(HandlerLog(), (std::vector<std::string> {"view", "app"}));

    // Closing a child closes its document; closing a document takes its child; the frame's own
    // menu comes back with the last.
    pActive->SendMessage(WM_CLOSE);
    EXPECT_EQ(CTestDoc::s_nLiving, 1);
    pActive = pFrame->MDIGetActive();
    ASSERT_TRUE(pActive);
    EXPECT_EQ(pActive->GetActiveDocument(), pFirst);
    pFirst->OnCloseDocument();
    EXPECT_EQ(pFrame->MDIGetActive(), nullptr);
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), pFrame->GetDefaultMenu());
    EXPECT_EQ(CTestDoc::s_nLiving, 0);

    pFrame->DestroyWindow();
    DropQuitMessage();
}

}  // namespace
