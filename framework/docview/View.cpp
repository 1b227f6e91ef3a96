#include "docview/View.h"
#include "docview/CreateContext.h"
#include "docview/Document.h"
#include "docview/FrameWnd.h"
#include "win/PaintDC.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = RegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    return cs.lpszClass != nullptr;
}

int CView::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    auto* pContext = static_cast<CCreateContext*>(lpcs ? lpcs->lpCreateParams : nullptr);
    if (pContext && pContext->m_pCurrentDoc)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr, FALSE);
    // The document may close with its last view: after this the view has no document.
    if (m_pDocument)
        m_pDocument->RemoveView(this);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnDraw(&dc);
}

void CView::OnDraw(CDC*) {}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    // A click makes the view the active one of its frame.
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->SetActiveView(this);
    return nResult;
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*)
{
    Invalidate(TRUE);
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    if (!bActivate || pActivateView != this)
        return;
    CWnd* pTop = GetTopLevelParent();
    if (pTop && ::GetActiveWindow() == pTop->m_hWnd)
        SetFocus();
}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, FwCmdHandlerInfo* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
