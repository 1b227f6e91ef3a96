#include "frames/WTKMDIChildWnd.h"

#include "frames/MDIClientAreaWnd.h"
#include "frames/WTKMDIFrameWnd.h"

#include "command_bars/WTKPopupMenu.h"

IMPLEMENT_DYNCREATE(CWTKMDIChildWnd, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CWTKMDIChildWnd, CMDIChildWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_MDIACTIVATE, OnMDIActivateMessage)
    ON_MESSAGE(WM_SETTEXT, OnSetTextMessage)
    ON_MESSAGE(WM_SETICON, OnSetIconMessage)
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

int CWTKMDIChildWnd::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CMDIChildWnd::OnCreate(lpcs) == -1)
        return -1;
    m_pMDIFrame = dynamic_cast<CWTKMDIFrameWnd*>(GetMDIFrame());
    return 0;
}

void CWTKMDIChildWnd::OnDestroy()
{
    // The tab keeps a pointer to this object, which goes soon after the window.
    if (m_pMDIFrame != nullptr)
        m_pMDIFrame->GetClientArea().RemoveChildTab(this);
    CMDIChildWnd::OnDestroy();
}

BOOL CWTKMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYDOWN && pMsg->message <= WM_SYSDEADCHAR && m_pMDIFrame != nullptr &&
        CWTKPopupMenu::GetActiveMenu() != nullptr)
        return FALSE;
    return CMDIChildWnd::PreTranslateMessage(pMsg);
}

LRESULT CWTKMDIChildWnd::OnMDIActivateMessage(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = CMDIChildWnd::OnMDIActivateMessage(wParam, lParam);
    if (m_pMDIFrame != nullptr && reinterpret_cast<HWND>(lParam) == m_hWnd)
        m_pMDIFrame->GetClientArea().SelectTab(this);
    return lResult;
}

LRESULT CWTKMDIChildWnd::OnSetTextMessage(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    const LRESULT lResult = Default();
    UpdateFrameTabs();
    return lResult;
}

LRESULT CWTKMDIChildWnd::OnSetIconMessage(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    const LRESULT lResult = Default();
    UpdateFrameTabs();
    return lResult;
}

void CWTKMDIChildWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CMDIChildWnd::OnWindowPosChanged(lpwndpos);
    // Maximising or restoring a child changes what the frame's menu bar carries.
    if (m_pMDIFrame != nullptr && (lpwndpos->flags & SWP_NOSIZE) == 0)
        m_pMDIFrame->UpdateMenuBarMaximizeMode();
}

void CWTKMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CMDIChildWnd::OnUpdateFrameTitle(bAddToTitle);
    UpdateFrameTabs();
}

void CWTKMDIChildWnd::UpdateFrameTabs()
{
    // Labels and icons are both compared with the tab's, so one pass serves either change.
    if (m_pMDIFrame != nullptr && m_hWnd != nullptr)
        m_pMDIFrame->GetClientArea().UpdateTabs(FALSE);
}

CString CWTKMDIChildWnd::GetFrameText() const
{
    CString strText;
    GetWindowText(strText);
    return strText;
}

HICON CWTKMDIChildWnd::GetFrameIcon() const
{
    HICON hIcon = reinterpret_cast<HICON>(::SendMessageA(m_hWnd, WM_GETICON, ICON_SMALL, 0));
    if (hIcon == nullptr)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtrA(m_hWnd, GCLP_HICONSM));
    return hIcon;
}
