#include "frames/WTKOleDocIPFrameWnd.h"

#include "frames/WTKDockingConstants.h"
#include "frames/WTKInPlaceFrame.h"

#include "command_bars/WTKCustomizeMode.h"
#include "command_bars/WTKToolbarMessages.h"

IMPLEMENT_DYNCREATE(CWTKOleDocIPFrameWnd, COleDocIPFrameWnd)

BEGIN_MESSAGE_MAP(CWTKOleDocIPFrameWnd, COleDocIPFrameWnd)
    ON_MESSAGE(WM_MENUCHAR, OnMenuCharMessage)
    ON_WM_ACTIVATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_CREATE, OnToolbarCreateNew)
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_DELETE, OnToolbarDelete)
END_MESSAGE_MAP()

CWTKOleDocIPFrameWnd::CWTKOleDocIPFrameWnd() : m_Impl(this) {}

CWTKOleDocIPFrameWnd::~CWTKOleDocIPFrameWnd() = default;

BOOL CWTKOleDocIPFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    // An in-place frame lives inside its container's window: no workspace state of its own.
    m_Impl.m_nIDDefaultResource = nIDResource;
    return COleDocIPFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

void CWTKOleDocIPFrameWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    COleDocIPFrameWnd::WinHelp(dwData, nCmd);
}

BOOL CWTKOleDocIPFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    BOOL bHandled = FALSE;
    const BOOL bResult = WTKInPlaceFrame::OnCommand(m_Impl, wParam, &bHandled);
    if (bHandled)
        return bResult;
    return COleDocIPFrameWnd::OnCommand(wParam, lParam);
}

BOOL CWTKOleDocIPFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    BOOL bTranslate = TRUE;
    if (m_Impl.PreTranslateMessage(pMsg, &bTranslate))
        return TRUE;
    if (!bTranslate)
        return FALSE;
    return COleDocIPFrameWnd::PreTranslateMessage(pMsg);
}

void CWTKOleDocIPFrameWnd::ReplaceDefaultMenu(HMENU hMenu)
{
    if (m_hMenuDefault == hMenu)
        return;
    HMENU hOld = m_hMenuDefault;
    m_hMenuDefault = hMenu;
    if (hOld != nullptr && ::IsMenu(hOld) && (m_hWnd == nullptr || ::GetMenu(m_hWnd) != hOld))
        ::DestroyMenu(hOld);
}

BOOL CWTKOleDocIPFrameWnd::OnShowPopupMenu(CWTKPopupMenu* /*pMenuPopup*/)
{
    return TRUE;
}

CWTKPopupMenu* CWTKOleDocIPFrameWnd::OnClosePopupMenu(CWTKPopupMenu* pMenuPopup)
{
    return WTKInPlaceFrame::OnClosePopupMenu(pMenuPopup);
}

BOOL CWTKOleDocIPFrameWnd::ShowPopupMenu(CWTKPopupMenu* pMenuPopup)
{
    if (!m_Impl.SetActivePopup(pMenuPopup))
        return FALSE;
    return OnShowPopupMenu(pMenuPopup);
}

LRESULT CWTKOleDocIPFrameWnd::OnMenuCharMessage(WPARAM wParam, LPARAM /*lParam*/)
{
    if (m_Impl.ProcessMnemonic(static_cast<TCHAR>(LOWORD(wParam))))
        return kWTKMenuCharTaken;
    return Default();
}

void CWTKOleDocIPFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    COleDocIPFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    WTKInPlaceFrame::OnActivate(this, m_Impl, nState, m_hWndPrevOwner);
}

void CWTKOleDocIPFrameWnd::OnClose()
{
    m_Impl.OnCloseFrame();
    COleDocIPFrameWnd::OnClose();
}

void CWTKOleDocIPFrameWnd::OnDestroy()
{
    WTKInPlaceFrame::OnDestroy(this, m_Impl, m_hWndPrevOwner);
    COleDocIPFrameWnd::OnDestroy();
}

LRESULT CWTKOleDocIPFrameWnd::OnToolbarCreateNew(WPARAM /*wParam*/, LPARAM lParam)
{
    return WTKInPlaceFrame::CreateToolbar(m_Impl, lParam);
}

LRESULT CWTKOleDocIPFrameWnd::OnToolbarDelete(WPARAM /*wParam*/, LPARAM lParam)
{
    return WTKInPlaceFrame::DeleteToolbar(m_Impl, lParam);
}
