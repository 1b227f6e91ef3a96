#include "command_bars/WTKDropDownFrame.h"

#include "command_bars/WTKDropDownToolbarButton.h"
#include "command_bars/WTKMenuSoundPlayer.h"
#include "command_bars/WTKPopupMenu.h"

#include "foundation/WTKGlobalData.h"

#include "docview/BarStyles.h"
#include "gdi/DC.h"
#include "win/PaintDC.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CWTKDropDownFrame, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CWTKDropDownFrame, CMiniFrameWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_DESTROY()
    ON_WM_ERASEBKGND()
    ON_WM_ACTIVATEAPP()
END_MESSAGE_MAP()

CString CWTKDropDownFrame::m_strClassName;

CWTKDropDownFrame::~CWTKDropDownFrame()
{
    m_wndToolBar.ReleaseButtons(FALSE);
    if (m_pParentBtn != nullptr)
        m_pParentBtn->OnFrameDestroyed(this);
}

BOOL CWTKDropDownFrame::Create(CWnd* pWndOwner, int x, int y, CWTKDropDownToolBar* pToolBar)
{
    CWTKMenuSoundPlayer::Play(CWTKMenuSoundPlayer::kPopupSound);
    if (m_strClassName.IsEmpty()) {
        LPCSTR lpszClass = RegisterWndClass(CS_SAVEBITS, ::LoadCursorA(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
        if (lpszClass != nullptr)
            m_strClassName = lpszClass;
    }
    const HWND hWndOwner = pWndOwner != nullptr ? pWndOwner->GetSafeHwnd() : nullptr;
    if (m_strClassName.IsEmpty() || pToolBar == nullptr) {
        PostNcDestroy();
        return FALSE;
    }

    if (x == -1 && y == -1) {
        POINT pt = {0, 0};
        if (hWndOwner != nullptr) {
            ::ClientToScreen(hWndOwner, &pt);
            pt.x += kDefaultOffset;
            pt.y += kDefaultOffset;
        }
        x = pt.x;
        y = pt.y;
    }
    m_x = x;
    m_y = y;
    m_pWndOriginToolbar = pToolBar;

    const DWORD dwExStyle =
        hWndOwner != nullptr ? (static_cast<DWORD>(::GetWindowLongPtrA(hWndOwner, GWL_EXSTYLE)) & WS_EX_LAYOUTRTL) : 0;
    CWnd* pParent = pWndOwner != nullptr ? pWndOwner->GetOwner() : nullptr;
    const CRect rect(x, y, x, y);
    // A failed creation has deleted the object already.
    if (!CreateEx(dwExStyle, m_strClassName, "", WS_POPUP, rect, pParent, 0))
        return FALSE;
    ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

void CWTKDropDownFrame::Close()
{
    if (m_bClosing)
        return;
    m_bClosing = TRUE;
    PostMessage(WM_CLOSE);
}

CWTKToolBar* CWTKDropDownFrame::GetParentToolBar() const
{
    if (m_pParentBtn == nullptr)
        return nullptr;
    auto* pBar = dynamic_cast<CWTKToolBar*>(m_pParentBtn->GetParentWnd());
    return pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd()) ? pBar : nullptr;
}

BOOL CWTKDropDownFrame::IsParentBarHorizontal() const
{
    const CWTKToolBar* pBar = GetParentToolBar();
    return pBar == nullptr || (pBar->GetBarStyle() & CBRS_ORIENT_HORZ) != 0;
}

int CWTKDropDownFrame::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CMiniFrameWnd::OnCreate(lpcs) == -1 || m_pWndOriginToolbar == nullptr)
        return -1;
    const DWORD dwStyle = IsParentBarHorizontal() ? kVertBarStyle : kHorzBarStyle;
    if (!m_wndToolBar.CreateEx(this, CWTKToolBar::kFlatStyle, dwStyle, CRect(1, 1, 1, 1), kToolBarId))
        return -1;
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() & ~CBRS_GRIPPER);
    CWnd* pOwner = m_pWndOriginToolbar->GetOwner();
    m_wndToolBar.SetOwner(pOwner != nullptr ? pOwner : m_pWndOriginToolbar->GetParent());
    m_wndToolBar.ShowButtonsOf(m_pWndOriginToolbar);
    m_wndToolBar.AdjustLayout();
    m_wndToolBar.SetCapture();
    return 0;
}

void CWTKDropDownFrame::RecalcLayout(BOOL /*bNotify*/)
{
    if (!::IsWindow(m_wndToolBar.GetSafeHwnd()))
        return;
    const BOOL bVertBar = (m_wndToolBar.GetBarStyle() & CBRS_ORIENT_HORZ) == 0;
    CSize size = m_wndToolBar.CalcSize(bVertBar);
    size.cx += kFrameExtra;
    size.cy += kFrameExtra;

    // The work area of the monitor that holds the button (or the requested point).
    CPoint ptAnchor(m_x, m_y);
    CRect rectButton;
    const CWTKToolBar* pParentBar = GetParentToolBar();
    if (pParentBar != nullptr) {
        rectButton = m_pParentBtn->GetRect();
        pParentBar->ClientToScreen(&rectButton);
        ptAnchor = rectButton.CenterPoint();
    }
    const CRect rectWork = CWTKPopupMenu::GetWorkArea(ptAnchor);

    int x = m_x;
    int y = m_y;
    if (x + size.cx > rectWork.right) {
        if (pParentBar == nullptr || IsParentBarHorizontal()) {
            x = rectWork.right - size.cx - 1;
        } else {
            CRect rectBar;
            pParentBar->GetWindowRect(rectBar);
            x = rectBar.left - size.cx;
        }
    }
    if (y + size.cy > rectWork.bottom) {
        if (m_pParentBtn != nullptr && pParentBar != nullptr)
            y = y + rectButton.top - rectButton.bottom - size.cy - kFlipGap;
        else
            y -= size.cy;
    }
    x = std::max<int>(x, rectWork.left);
    y = std::max<int>(y, rectWork.top);
    SetWindowPos(nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWTKDropDownFrame::OnSize(UINT /*nType*/, int cx, int cy)
{
    if (::IsWindow(m_wndToolBar.GetSafeHwnd()))
        m_wndToolBar.SetWindowPos(nullptr, kBarInset, kBarInset, cx - 2 * kBarInset, cy - 2 * kBarInset,
                                  SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWTKDropDownFrame::OnPaint()
{
    CPaintDC dc(this);
    const WTKGlobalData& data = WTKGetGlobalData();
    CRect rect;
    GetClientRect(rect);
    dc.Draw3dRect(rect, data.clrBarLight, data.clrBarDkShadow);
    rect.DeflateRect(1, 1);
    dc.Draw3dRect(rect, data.clrBarHilite, data.clrBarShadow);
}

BOOL CWTKDropDownFrame::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(rect);
    pDC->FillSolidRect(rect, WTKGetGlobalData().clrBarFace);
    return TRUE;
}

void CWTKDropDownFrame::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
    CMiniFrameWnd::OnActivateApp(bActive, dwThreadID);
    if (!bActive && !CWTKToolBar::IsCustomizeMode())
        Close();
}

void CWTKDropDownFrame::OnDestroy()
{
    m_bClosing = TRUE;
    // The source's buttons go back whole, laid out in their own bar again.
    m_wndToolBar.ReleaseButtons(TRUE);
    CWTKDropDownToolbarButton* pButton = m_pParentBtn;
    m_pParentBtn = nullptr;
    if (pButton != nullptr) {
        CWnd* pBar = pButton->GetParentWnd();
        pButton->OnFrameDestroyed(this);
        if (pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd())) {
            // The press that opened the frame ends in the button's bar.
            POINT pt {};
            ::GetCursorPos(&pt);
            pBar->ScreenToClient(&pt);
            pBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
            // The release may have rebuilt the bar: the button is used only while it is still there.
            auto* pToolBar = dynamic_cast<CWTKToolBar*>(pBar);
            if (pToolBar != nullptr && ::IsWindow(pBar->GetSafeHwnd()) && pToolBar->ButtonToIndex(pButton) >= 0)
                pButton->OnCancelMode();
        }
    }
    CMiniFrameWnd::OnDestroy();
}

void CWTKDropDownFrame::PostNcDestroy()
{
    CMiniFrameWnd::PostNcDestroy();  // deletes the object
}
