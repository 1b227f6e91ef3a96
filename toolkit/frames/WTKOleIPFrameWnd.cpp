#include "frames/WTKOleIPFrameWnd.h"

#include "frames/WTKDockingConstants.h"
#include "frames/WTKInPlaceFrame.h"

#include "command_bars/WTKCustomizeMode.h"
#include "command_bars/WTKToolbarMessages.h"

IMPLEMENT_DYNCREATE(CWTKOleIPFrameWnd, COleIPFrameWnd)

BEGIN_MESSAGE_MAP(CWTKOleIPFrameWnd, COleIPFrameWnd)
    ON_MESSAGE(WM_MENUCHAR, OnMenuCharMessage)
    ON_WM_ACTIVATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_CREATE, OnToolbarCreateNew)
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_DELETE, OnToolbarDelete)
END_MESSAGE_MAP()

CWTKOleIPFrameWnd::CWTKOleIPFrameWnd() : m_Impl(this) {}

CWTKOleIPFrameWnd::~CWTKOleIPFrameWnd() = default;

BOOL CWTKOleIPFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    // An in-place frame lives inside its container's window: no workspace state of its own.
    m_Impl.m_nIDDefaultResource = nIDResource;
    return COleIPFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

void CWTKOleIPFrameWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    COleIPFrameWnd::WinHelp(dwData, nCmd);
}

BOOL CWTKOleIPFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    BOOL bHandled = FALSE;
    const BOOL bResult = WTKInPlaceFrame::OnCommand(m_Impl, wParam, &bHandled);
    if (bHandled)
        return bResult;
    return COleIPFrameWnd::OnCommand(wParam, lParam);
}

BOOL CWTKOleIPFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    BOOL bTranslate = TRUE;
    if (m_Impl.PreTranslateMessage(pMsg, &bTranslate))
        return TRUE;
    if (!bTranslate)
        return FALSE;
    return COleIPFrameWnd::PreTranslateMessage(pMsg);
}

void CWTKOleIPFrameWnd::ReplaceDefaultMenu(HMENU hMenu)
{
    if (m_hMenuDefault == hMenu)
        return;
    HMENU hOld = m_hMenuDefault;
    m_hMenuDefault = hMenu;
    if (hOld != nullptr && ::IsMenu(hOld) && (m_hWnd == nullptr || ::GetMenu(m_hWnd) != hOld))
        ::DestroyMenu(hOld);
}

BOOL CWTKOleIPFrameWnd::OnShowPopupMenu(CWTKPopupMenu* /*pMenuPopup*/)
{
    return TRUE;
}

CWTKPopupMenu* CWTKOleIPFrameWnd::OnClosePopupMenu(CWTKPopupMenu* pMenuPopup)
{
    return WTKInPlaceFrame::OnClosePopupMenu(pMenuPopup);
}

BOOL CWTKOleIPFrameWnd::ShowPopupMenu(CWTKPopupMenu* pMenuPopup)
{
    if (!m_Impl.SetActivePopup(pMenuPopup))
        return FALSE;
    return OnShowPopupMenu(pMenuPopup);
}

LRESULT CWTKOleIPFrameWnd::OnMenuCharMessage(WPARAM wParam, LPARAM /*lParam*/)
{
    if (m_Impl.ProcessMnemonic(static_cast<TCHAR>(LOWORD(wParam))))
        return kWTKMenuCharTaken;
    return Default();
}

void CWTKOleIPFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    COleIPFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    WTKInPlaceFrame::OnActivate(this, m_Impl, nState, m_hWndPrevOwner);
}

void CWTKOleIPFrameWnd::OnClose()
{
    m_Impl.OnCloseFrame();
    COleIPFrameWnd::OnClose();
}

void CWTKOleIPFrameWnd::OnDestroy()
{
    WTKInPlaceFrame::OnDestroy(this, m_Impl, m_hWndPrevOwner);
    COleIPFrameWnd::OnDestroy();
}

LRESULT CWTKOleIPFrameWnd::OnToolbarCreateNew(WPARAM /*wParam*/, LPARAM lParam)
{
    return WTKInPlaceFrame::CreateToolbar(m_Impl, lParam);
}

LRESULT CWTKOleIPFrameWnd::OnToolbarDelete(WPARAM /*wParam*/, LPARAM lParam)
{
    return WTKInPlaceFrame::DeleteToolbar(m_Impl, lParam);
}
