#include "bars/MiniDockFrameWnd.h"
#include "bars/DockContext.h"
#include "win/Menu.h"

#include <vector>

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_SYNCACTIVE;
    dwStyle |= (dwBarStyle & CBRS_SIZE_DYNAMIC) ? MFS_4THICKFRAME : MFS_MOVEFRAME;
    CRect rect(0, 0, 0, 0);
    if (!CMiniFrameWnd::CreateEx(0, nullptr, "", dwStyle, rect, pParent))
        return FALSE;
    DWORD dwAlign = dwBarStyle & CBRS_ALIGN_ANY;
    if (!dwAlign)
        dwAlign = CBRS_ALIGN_TOP;
    if (!m_wndDockBar.Create(this, WS_CHILD | WS_VISIBLE | dwAlign, FW_IDW_DOCKBAR_FLOAT)) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

int CMiniDockFrameWnd::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CMiniFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    // A palette's system menu: move, size and close only.
    if (HMENU hMenu = ::GetSystemMenu(m_hWnd, FALSE)) {
        ::DeleteMenu(hMenu, SC_RESTORE, MF_BYCOMMAND);
        ::DeleteMenu(hMenu, SC_MINIMIZE, MF_BYCOMMAND);
        ::DeleteMenu(hMenu, SC_MAXIMIZE, MF_BYCOMMAND);
    }
    return 0;
}

CControlBar* CMiniDockFrameWnd::GetFirstBar() const
{
    for (INT_PTR i = 0; i < m_wndDockBar.m_arrBars.GetSize(); ++i) {
        if (auto* pBar = static_cast<CControlBar*>(m_wndDockBar.m_arrBars[i]))
            return pBar;
    }
    return nullptr;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL)
{
    if (!m_hWnd || !m_wndDockBar.m_hWnd || m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    m_wndDockBar.m_bLayoutQuery = FALSE;
    CSize size = m_wndDockBar.CalcFixedLayout(FALSE, (m_wndDockBar.m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    m_wndDockBar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rect(0, 0, size.cx, size.cy);
    CalcWindowRect(&rect);
    SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_bInRecalcLayout = FALSE;
}

void CMiniDockFrameWnd::OnGetMinMaxInfo(MINMAXINFO* pMMI)
{
    CMiniFrameWnd::OnGetMinMaxInfo(pMMI);
    // The frame is as small as its bars: the system's minimum does not apply.
    pMMI->ptMinTrackSize.x = 1;
    pMMI->ptMinTrackSize.y = 1;
}

void CMiniDockFrameWnd::OnClose()
{
    // Closing hides the bars (they stay the frame's, to be shown again).
    for (INT_PTR i = m_wndDockBar.m_arrBars.GetUpperBound(); i >= 0; --i) {
        if (i >= m_wndDockBar.m_arrBars.GetSize())
            continue;
        auto* pBar = static_cast<CControlBar*>(m_wndDockBar.m_arrBars[i]);
        if (pBar && pBar->m_pDockSite && (pBar->GetStyle() & WS_VISIBLE))
            pBar->m_pDockSite->ShowControlBar(pBar, FALSE, FALSE);
    }
    ShowWindow(SW_HIDE);
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetFirstBar();
    if (pBar && pBar->m_pDockContext) {
        if (nHitTest == HTCAPTION) {
            BringWindowToTop();
            if (!m_bInRecalcLayout)
                pBar->m_pDockContext->StartDrag(point);
            return;
        }
        if (nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST && (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)) {
            pBar->m_pDockContext->StartResize((int)nHitTest, point);
            return;
        }
    }
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetFirstBar();
    if (nHitTest == HTCAPTION && pBar && pBar->m_pDockContext) {
        pBar->m_pDockContext->ToggleDocking();
        return;
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}

void CMiniDockFrameWnd::DestroyEmptyFrames(CFrameWnd* pOwner)
{
    if (!pOwner || !pOwner->m_hWnd)
        return;
    std::vector<HWND> empty;
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (::GetWindow(hWnd, GW_OWNER) != pOwner->m_hWnd)
            continue;
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)) &&
            static_cast<CMiniDockFrameWnd*>(pWnd)->m_wndDockBar.GetDockedCount() == 0)
            empty.push_back(hWnd);
    }
    for (HWND hWnd : empty)
        ::DestroyWindow(hWnd);
}
