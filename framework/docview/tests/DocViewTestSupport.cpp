#include "DocViewTestSupport.h"
#include "docview/SingleDocTemplate.h"

CDocViewTestApp theApp;

std::vector<std::string>& HandlerLog()
{
    static std::vector<std::string> log;
    return log;
}

UpdateState& TestUpdateState()
{
    static UpdateState state;
    return state;
}

BEGIN_MESSAGE_MAP(CDocViewTestApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
    ON_COMMAND_RANGE(ID_ROUTE_VIEW, ID_ROUTE_APP, OnRoute)
    ON_UPDATE_COMMAND_UI_RANGE(ID_ROUTE_VIEW, ID_ROUTE_APP, OnUpdateRoute)
END_MESSAGE_MAP()

int CDocViewTestApp::DoMessageBox(LPCSTR lpszPrompt, UINT, UINT)
{
    m_messageBoxes.push_back(lpszPrompt);
    return IDOK;
}

// ---- Document ----

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)

BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
    ON_COMMAND_RANGE(ID_ROUTE_VIEW, ID_ROUTE_DOC, OnRoute)
    ON_UPDATE_COMMAND_UI_RANGE(ID_ROUTE_VIEW, ID_ROUTE_DOC, OnUpdateRoute)
END_MESSAGE_MAP()

int CTestDoc::s_nLiving = 0;

CTestDoc::CTestDoc()
{
    ++s_nLiving;
}

CTestDoc::~CTestDoc()
{
    --s_nLiving;
}

BOOL CTestDoc::OnNewDocument()
{
    ++m_nNewDocuments;
    return CDocument::OnNewDocument();
}

// ---- View ----

IMPLEMENT_DYNCREATE(CTestView, CView)

BEGIN_MESSAGE_MAP(CTestView, CView)
    ON_COMMAND_RANGE(ID_ROUTE_VIEW, ID_ROUTE_VIEW, OnRoute)
    ON_UPDATE_COMMAND_UI_RANGE(ID_ROUTE_VIEW, ID_ROUTE_VIEW, OnUpdateRoute)
END_MESSAGE_MAP()

void CTestView::OnInitialUpdate()
{
    ++m_nInitialUpdates;
    CFrameWnd* pFrame = GetParentFrame();
    m_bActiveAtFirstUpdate = pFrame && pFrame->GetActiveView() == this;
    CView::OnInitialUpdate();
}

// ---- Frame ----

IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND_RANGE(ID_ROUTE_VIEW, ID_ROUTE_FRAME, OnRoute)
    ON_UPDATE_COMMAND_UI_RANGE(ID_ROUTE_VIEW, ID_ROUTE_FRAME, OnUpdateRoute)
    ON_COMMAND(ID_TEST_DISABLED, OnDisabled)
    ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED, OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI(ID_TEST_GO, OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(ID_TEST_ENABLE, OnUpdateEnable)
    ON_UPDATE_COMMAND_UI(ID_TEST_CHECK, OnUpdateCheck)
    ON_UPDATE_COMMAND_UI(ID_TEST_RADIO, OnUpdateRadio)
    ON_UPDATE_COMMAND_UI(ID_TEST_TEXT, OnUpdateText)
    ON_COMMAND_RANGE(ID_TEST_GO, ID_TEST_TEXT, OnTestCommand)
END_MESSAGE_MAP()

// ---- Child window with a command state ----

BEGIN_MESSAGE_MAP(CCmdStateWnd, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

LRESULT CCmdStateWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    CCmdUI state;
    state.m_pOther = this;
    state.m_nID = (UINT)GetDlgCtrlID();
    state.DoUpdate(GetParentFrame(), TRUE);
    return 0;
}

// ---- Pumping ----

void DropQuitMessage()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

// ---- Fixture ----

void DocViewTest::SetUp()
{
    if (!theApp.GetFirstDocTemplatePosition())
        theApp.AddDocTemplate(new CSingleDocTemplate(IDR_TEST_DOC, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame),
                                                     RUNTIME_CLASS(CTestView)));
    HandlerLog().clear();
    TestUpdateState() = UpdateState();
}

void DocViewTest::TearDown()
{
    if (CWnd* pMainWnd = theApp.m_pMainWnd)
        pMainWnd->SendMessage(WM_CLOSE);
    DropQuitMessage();
    theApp.m_messageBoxes.clear();
}

CTestDoc* DocViewTest::NewDocument()
{
    theApp.OnFileNew();
    CTestView* pView = View();
    return pView ? static_cast<CTestDoc*>(pView->GetDocument()) : nullptr;
}

CTestFrame* DocViewTest::Frame() const
{
    CWnd* pMainWnd = theApp.m_pMainWnd;
    return pMainWnd && pMainWnd->IsKindOf(RUNTIME_CLASS(CTestFrame)) ? static_cast<CTestFrame*>(pMainWnd) : nullptr;
}

CTestView* DocViewTest::View() const
{
    CTestFrame* pFrame = Frame();
    CView* pView = pFrame ? pFrame->GetActiveView() : nullptr;
    return pView && pView->IsKindOf(RUNTIME_CLASS(CTestView)) ? static_cast<CTestView*>(pView) : nullptr;
}
