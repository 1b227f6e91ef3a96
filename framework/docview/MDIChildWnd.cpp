#include "docview/MDIChildWnd.h"
#include "docview/CreateContext.h"
#include "docview/Document.h"
#include "docview/MDIFrameWnd.h"
#include "docview/MultiDocTemplate.h"
#include "core/ResourceHandle.h"
#include "win/WinApp.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_MESSAGE(WM_MDIACTIVATE, OnMDIActivateMessage)
END_MESSAGE_MAP()

namespace {
CMDIFrameWnd* AsMDIFrame(CWnd* pWnd)
{
    return pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) ? static_cast<CMDIFrameWnd*>(pWnd) : nullptr;
}
}  // namespace

BOOL CMDIChildWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    CMDIFrameWnd* pFrame = pParentWnd ? pParentWnd : AsMDIFrame(FwGetMainWnd());
    CREATESTRUCTA cs = {};
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = (LONG)(dwStyle | WS_CHILD);
    cs.hInstance = FwGetInstanceHandle();
    cs.lpCreateParams = pContext;
    cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    if (rect.left != CW_USEDEFAULT) {
        cs.x = rect.left;
        cs.y = rect.top;
        cs.cx = rect.right - rect.left;
        cs.cy = rect.bottom - rect.top;
    }
    if (!pFrame || !pFrame->m_hWndMDIClient || !PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    cs.hwndParent = pFrame->m_hWndMDIClient;
    m_strTitle = lpszWindowName ? lpszWindowName : "";
    MDICREATESTRUCTA mcs = {
        cs.lpszClass, cs.lpszName, cs.hInstance, cs.x, cs.y, cs.cx, cs.cy, (DWORD)cs.style, (LPARAM)cs.lpCreateParams};
    FwHookWindowCreate(this);
    HWND hWnd = (HWND)::SendMessageA(pFrame->m_hWndMDIClient, WM_MDICREATE, 0, (LPARAM)&mcs);
    FwUnhookWindowCreate();
    return hWnd != nullptr;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    const CString strTitle = LoadFrameTitle(nIDResource);
    LPCSTR lpszClass = RegisterFrameClass(nIDResource);
    // The template's menu and accelerators serve this child while it is active.
    CDocTemplate* pTemplate = pContext ? pContext->m_pNewDocTemplate : nullptr;
    if (pTemplate && pTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate))) {
        m_hMenuShared = static_cast<CMultiDocTemplate*>(pTemplate)->m_hMenuShared;
        m_hAccelTable = static_cast<CMultiDocTemplate*>(pTemplate)->m_hAccelTable;
    }
    if (!Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, AsMDIFrame(pParentWnd), pContext))
        return FALSE;
    if (!pContext)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    return TRUE;
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND hWndClient = ::GetParent(m_hWnd);
    return AsMDIFrame(FromHandlePermanent(hWndClient ? ::GetParent(hWndClient) : nullptr));
}

void CMDIChildWnd::MDIActivate()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIACTIVATE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIDestroy()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIDESTROY, (WPARAM)m_hWnd, 0);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    MDIDestroy();
    return TRUE;
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_hWnd)
        return 0;
    return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::PreTranslateMessage(pMsg);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    ShowWindow(nCmdShow == -1 ? SW_SHOW : nCmdShow);
    MDIActivate();
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!m_hWnd || !(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* pDoc = GetActiveDocument();
    CString strText = m_strTitle;
    if (bAddToTitle && pDoc && !pDoc->GetTitle().IsEmpty())
        strText = pDoc->GetTitle();
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strText)
        SetWindowText(strText);
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame && pFrame->MDIGetActive() == this)
        pFrame->OnUpdateFrameTitle(TRUE);
}

LRESULT CMDIChildWnd::OnMDIActivateMessage(WPARAM wParam, LPARAM lParam)
{
    BOOL bActivate = (HWND)lParam == m_hWnd;
    OnMDIActivate(bActivate, FromHandle((HWND)lParam), FromHandle((HWND)wParam));
    return 0;
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd*)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (!pFrame)
        return;
    if (bActivate) {
        pFrame->OnUpdateFrameMenu(m_hMenuShared);
        pFrame->DelayUpdateFrameTitle();
    } else if (!pActivateWnd) {
        // The last active child went: the frame shows its own menu and title again.
        pFrame->OnUpdateFrameMenu(pFrame->GetDefaultMenu());
        pFrame->DelayUpdateFrameTitle();
    }
}
