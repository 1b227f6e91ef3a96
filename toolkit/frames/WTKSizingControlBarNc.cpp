// The sizing bar's window: creation, the non-client area (caption strip, caption buttons,
// sizable edges), the mouse and the edge tracking.
#include "frames/WTKSizingControlBar.h"

#include "command_bars/WTKCustomizeMode.h"
#include "command_bars/WTKToolbarMessages.h"
#include "command_bars/res/WTKCommandBarsRes.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"

#include "bars/DockBar.h"
#include "bars/DockContext.h"
#include "core/ResourceHandle.h"
#include "gdi/GdiObject.h"
#include "win/PaintDC.h"
#include "win/WindowDC.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CWTKSizingControlBar, CControlBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_NCDESTROY()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_SETCURSOR()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_NCLBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_NCMOUSEMOVE()
    ON_WM_RBUTTONDOWN()
    ON_MESSAGE(WM_NCRBUTTONUP, OnNcRButtonUp)
    ON_WM_CAPTURECHANGED()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

namespace {

// Room between the caption buttons and round them in the caption strip.
constexpr int kButtonGap = 2;

CSize ButtonSize()
{
    return CWTKVisualManager::GetCaptionButtonSize();
}

BOOL IsEdgeHit(UINT nHitTest)
{
    return nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT;
}

}  // namespace

CRect CWTKSizingControlBar::CCaptionButton::GetRect() const
{
    return CRect(m_ptOrg, ButtonSize());
}

// ---- Creation and destruction ----

int CWTKSizingControlBar::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CControlBar::OnCreate(lpcs) == -1)
        return -1;
    if (!IsInGlobalArray())
        WTKAllSizingBars().Add(this);
    m_nEdgeFlags |= kEdgeSizable;

    if (m_wndToolTip.Create(this, TTS_ALWAYSTIP)) {
        m_wndToolTip.Activate(TRUE);
        const int nMaxWidth = WTKGetGlobalData().nMaxToolTipWidth;
        if (nMaxWidth != -1)
            m_wndToolTip.SetMaxTipWidth(nMaxWidth);
        CRect rectEmpty(0, 0, 0, 0);
        for (int i = 0; i < 2; ++i)
            m_wndToolTip.AddTool(this, m_buttons[i].m_nTipID, &rectEmpty, (UINT_PTR)(i + 1));
    }

    WTKGlobalData& g = WTKGetGlobalData();
    if (!g.hcurStretch)
        g.hcurStretch = ::LoadCursorA(FwGetResourceHandle(), MAKEINTRESOURCEA(IDC_WTK_STRETCH));
    if (!g.hcurStretchVert)
        g.hcurStretchVert = ::LoadCursorA(FwGetResourceHandle(), MAKEINTRESOURCEA(IDC_WTK_STRETCH_VERT));
    return 0;
}

void CWTKSizingControlBar::OnDestroy()
{
    // Also when the window goes with its parent, without DestroyWindow on the bar.
    RemoveFromGlobalArray();
    if (m_bTracking) {
        m_bTracking = FALSE;
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
    }
    CControlBar::OnDestroy();
}

void CWTKSizingControlBar::OnNcDestroy()
{
    RemoveFromGlobalArray();
    CControlBar::OnNcDestroy();
}

// ---- Non-client layout ----

void CWTKSizingControlBar::OnNcCalcSize(BOOL /*bCalcValidRects*/, NCCALCSIZE_PARAMS* lpncsp)
{
    NcCalcClient(&lpncsp->rgrc[0], CurrentDockBarID());
    if (!m_bTracking && ::GetCapture() == m_hWnd && !m_buttons[0].m_bPushed && !m_buttons[1].m_bPushed &&
        !m_buttons[0].m_bFocused && !m_buttons[1].m_bFocused)
        ::ReleaseCapture();
}

void CWTKSizingControlBar::NcCalcClient(LPRECT pRc, UINT nDockBarID)
{
    const CPoint ptOrigin(pRc->left, pRc->top);
    CRect rc(pRc);
    rc.DeflateRect(m_nBorder, m_nBorder);
    m_nEdgeFlags &= ~kEdgeAll;
    m_rectCaption.SetRectEmpty();

    const BOOL bHorz = nDockBarID == FW_IDW_DOCKBAR_TOP || nDockBarID == FW_IDW_DOCKBAR_BOTTOM;
    const BOOL bVert = nDockBarID == FW_IDW_DOCKBAR_LEFT || nDockBarID == FW_IDW_DOCKBAR_RIGHT;
    if (bHorz || bVert) {
        const BOOL bRTL = (GetExStyle() & WS_EX_LAYOUTRTL) != 0;
        CRect rectCaption = rc;
        if (bHorz) {
            if (bRTL) {
                rectCaption.left = rc.right - m_cyGripper;
                rc.right -= m_cyGripper;
            } else {
                rectCaption.right = rc.left + m_cyGripper;
                rc.left += m_cyGripper;
            }
        } else {
            rectCaption.bottom = rc.top + m_cyGripper;
            rc.top += m_cyGripper;
        }
        switch (nDockBarID) {
        case FW_IDW_DOCKBAR_TOP:
            m_nEdgeFlags |= kEdgeBottom;
            break;
        case FW_IDW_DOCKBAR_BOTTOM:
            m_nEdgeFlags |= kEdgeTop;
            break;
        case FW_IDW_DOCKBAR_LEFT:
            m_nEdgeFlags |= kEdgeRight;
            break;
        default:
            m_nEdgeFlags |= kEdgeLeft;
            break;
        }
        // Inside a row, the edges towards the neighbours resize too.
        CSizingBarRow row;
        int nThis = 0;
        GetRowSizingBars(row, nThis);
        if (nThis > 0)
            m_nEdgeFlags |= bHorz ? kEdgeLeft : kEdgeTop;
        if (nThis >= 0 && nThis < row.GetSize() - 1)
            m_nEdgeFlags |= bHorz ? kEdgeRight : kEdgeBottom;

        if (m_nEdgeFlags & kEdgeLeft)
            rc.left += m_cxEdge;
        if (m_nEdgeFlags & kEdgeTop)
            rc.top += m_cxEdge;
        if (m_nEdgeFlags & kEdgeRight)
            rc.right -= m_cxEdge;
        if (m_nEdgeFlags & kEdgeBottom)
            rc.bottom -= m_cxEdge;
        // The caption strip runs along the client area.
        if (bHorz) {
            rectCaption.top = rc.top;
            rectCaption.bottom = rc.bottom;
        } else {
            rectCaption.left = rc.left;
            rectCaption.right = rc.right;
        }

        if (m_cyGripper > 0) {
            m_rectCaption = rectCaption;
            m_rectCaption.OffsetRect(-ptOrigin.x, -ptOrigin.y);
            // Hide first, then expand: downward from the top of a left strip, leftward from
            // the right end of a top strip.
            m_buttons[1].m_bHidden = m_bHideExpandWhenAlone && m_bAloneInRow;
            const CSize sizeButton = ButtonSize();
            int nNext = bHorz ? m_rectCaption.top + kButtonGap : m_rectCaption.right - kButtonGap;
            for (CCaptionButton& btn : m_buttons) {
                if (btn.m_bHidden)
                    continue;
                if (bHorz) {
                    btn.m_ptOrg = CPoint(m_rectCaption.left + (m_rectCaption.Width() - sizeButton.cx) / 2, nNext);
                    nNext += sizeButton.cy + kButtonGap;
                } else {
                    btn.m_ptOrg =
                        CPoint(nNext - sizeButton.cx, m_rectCaption.top + (m_rectCaption.Height() - sizeButton.cy) / 2);
                    nNext -= sizeButton.cx + kButtonGap;
                }
            }
        }
    }
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
    *pRc = rc;

    // The tools follow the buttons (client coordinates).
    if (m_wndToolTip.m_hWnd) {
        const CPoint ptClient(rc.left - ptOrigin.x, rc.top - ptOrigin.y);
        for (int i = 0; i < 2; ++i) {
            CRect rectTool(0, 0, 0, 0);
            if (!m_rectCaption.IsRectEmpty() && !m_buttons[i].m_bHidden) {
                rectTool = m_buttons[i].GetRect();
                rectTool.OffsetRect(-ptClient.x, -ptClient.y);
            }
            m_wndToolTip.SetToolRect(this, (UINT_PTR)(i + 1), &rectTool);
        }
    }
}

CRect CWTKSizingControlBar::GetEdgeRect(UINT nEdge) const
{
    if (!(m_nEdgeFlags & nEdge) || !m_hWnd)
        return CRect(0, 0, 0, 0);
    CRect rc;
    GetWindowRect(&rc);
    rc.OffsetRect(-rc.left, -rc.top);
    if (m_nEdgeFlags & kEdgeSizable)
        rc.DeflateRect(1, 1);
    const UINT nID = CurrentDockBarID();
    const BOOL bHorz = IsHorzDocked();
    const BOOL bVert = IsVertDocked();
    CRect r = rc;
    switch (nEdge) {
    case kEdgeLeft:
    case kEdgeRight:
        if (nEdge == kEdgeLeft)
            r.right = r.left + m_cxEdge;
        else
            r.left = r.right - m_cxEdge;
        if (bHorz)
            r.DeflateRect(0, m_cxEdge);
        if (nID == FW_IDW_DOCKBAR_BOTTOM)
            r.bottom += 1;
        if (nID == FW_IDW_DOCKBAR_TOP)
            r.top -= 1;
        break;
    default:
        if (nEdge == kEdgeTop)
            r.bottom = r.top + m_cxEdge;
        else
            r.top = r.bottom - m_cxEdge;
        if (bVert)
            r.DeflateRect(m_cxEdge, 0);
        if (nID == FW_IDW_DOCKBAR_LEFT)
            r.left -= 1;
        if (nID == FW_IDW_DOCKBAR_RIGHT)
            r.right += 1;
        break;
    }
    return r;
}

// ---- Non-client drawing ----

void CWTKSizingControlBar::OnNcPaint()
{
    if (m_bTracking)
        return;
    CWindowDC dc(this);
    CRect rectWindow, rectClient;
    GetWindowRect(&rectWindow);
    // The pending update region (screen coordinates; 1 means the whole frame).
    const MSG* pMsg = GetCurrentMessage();
    if (IsClipRgnNeeded() && pMsg && pMsg->message == WM_NCPAINT && pMsg->wParam > 1) {
        HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
        if (hRgn && ::CombineRgn(hRgn, (HRGN)pMsg->wParam, nullptr, RGN_COPY) != ERROR) {
            ::OffsetRgn(hRgn, -rectWindow.left, -rectWindow.top);
            ::ExtSelectClipRgn(dc.GetSafeHdc(), hRgn, RGN_AND);
        }
        if (hRgn)
            ::DeleteObject(hRgn);
    }
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(&rectClient);
    if (!m_rectRedraw.IsRectEmpty())
        dc.IntersectClipRect(&m_rectRedraw);

    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    pLook->OnFillBarBackground(&dc, this, rectWindow, rectWindow, TRUE);

    const WTKGlobalData& g = WTKGetGlobalData();
    for (UINT nEdge : {kEdgeLeft, kEdgeTop, kEdgeRight, kEdgeBottom}) {
        CRect rectEdge = GetEdgeRect(nEdge);
        if (!rectEdge.IsRectEmpty())
            dc.Draw3dRect(&rectEdge, g.clrBtnHilite, g.clrBtnShadow);
    }

    if (IsSideDocked() && !m_rectCaption.IsRectEmpty()) {
        const BOOL bHorz = IsHorzDocked();
        if (m_bUseDrawCaption) {
            DrawCaption(&dc, m_rectCaption);
        } else {
            // The gripper keeps clear of the buttons.
            CRect rectGripper = m_rectCaption;
            for (const CCaptionButton& btn : m_buttons) {
                if (btn.m_bHidden)
                    continue;
                const CRect rectButton = btn.GetRect();
                if (bHorz)
                    rectGripper.top = std::max<LONG>(rectGripper.top, rectButton.bottom + kButtonGap);
                else
                    rectGripper.right = std::min<LONG>(rectGripper.right, rectButton.left - kButtonGap);
            }
            if (!rectGripper.IsRectEmpty())
                pLook->OnDrawBarGripper(&dc, rectGripper, bHorz, this);
        }
        for (const CCaptionButton& btn : m_buttons) {
            if (!btn.m_bHidden)
                pLook->OnDrawCaptionButton(&dc, &btn, bHorz, m_bExpanded, m_bAloneInRow);
        }
    }
}

void CWTKSizingControlBar::DrawCaption(CDC* pDC, const CRect& rectCaption)
{
    const BOOL bActive = m_bFocusInside;
    UINT nFlags = DC_TEXT | DC_SMALLCAP | (bActive ? DC_ACTIVE : 0);
    if (m_bGradientCaption)
        nFlags |= DC_GRADIENT;
    CRect rect = rectCaption;
    ::DrawCaption(m_hWnd, pDC->GetSafeHdc(), &rect, nFlags);
}

void CWTKSizingControlBar::RedrawButton(const CCaptionButton& btn)
{
    if (!m_hWnd || btn.m_bHidden || m_rectCaption.IsRectEmpty())
        return;
    m_rectRedraw = btn.GetRect();
    SendMessage(WM_NCPAINT);
    m_rectRedraw.SetRectEmpty();
}

// ---- Hit test and cursor ----

int CWTKSizingControlBar::HitTestEdges(CPoint ptScreen) const
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CPoint pt(ptScreen.x - rectWindow.left, ptScreen.y - rectWindow.top);
    if (GetExStyle() & WS_EX_LAYOUTRTL)
        pt.x = rectWindow.Width() - 1 - pt.x;
    static const struct {
        UINT nEdge;
        int nHit;
    } kEdges[] = {{kEdgeLeft, HTLEFT}, {kEdgeTop, HTTOP}, {kEdgeRight, HTRIGHT}, {kEdgeBottom, HTBOTTOM}};
    for (const auto& edge : kEdges) {
        if (GetEdgeRect(edge.nEdge).PtInRect(pt))
            return edge.nHit;
    }
    return HTNOWHERE;
}

LRESULT CWTKSizingControlBar::OnNcHitTest(CPoint point)
{
    const int nEdge = HitTestEdges(point);
    if (nEdge != HTNOWHERE)
        return nEdge;
    if (!IsSideDocked())
        return Default();
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const CPoint pt(point.x - rectWindow.left, point.y - rectWindow.top);
    if (!m_rectCaption.IsRectEmpty()) {
        for (const CCaptionButton& btn : m_buttons) {
            if (!btn.m_bHidden && btn.GetRect().PtInRect(pt))
                return btn.m_nHit;
        }
    }
    CRect rectClient;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    return rectClient.PtInRect(point) ? HTCLIENT : HTCAPTION;
}

BOOL CWTKSizingControlBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (IsSideDocked()) {
        const WTKGlobalData& g = WTKGetGlobalData();
        if ((nHitTest == HTLEFT || nHitTest == HTRIGHT) && g.hcurStretch) {
            ::SetCursor(g.hcurStretch);
            return TRUE;
        }
        if ((nHitTest == HTTOP || nHitTest == HTBOTTOM) && g.hcurStretchVert) {
            ::SetCursor(g.hcurStretchVert);
            return TRUE;
        }
    }
    (void)pWnd;
    (void)message;
    return (BOOL)Default();
}

void CWTKSizingControlBar::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    lpwndpos->flags |= SWP_FRAMECHANGED;
    CControlBar::OnWindowPosChanging(lpwndpos);
    if (HWND hParent = ::GetParent(m_hWnd))
        m_nDockBarID = (UINT)::GetDlgCtrlID(hParent);
    if ((lpwndpos->flags & SWP_SHOWWINDOW) && IsSideDocked())
        m_bShown = TRUE;
}

void CWTKSizingControlBar::OnPaint()
{
    // The children paint themselves.
    CPaintDC dc(this);
}

LRESULT CWTKSizingControlBar::OnSetText(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = Default();
    const char* pszText = reinterpret_cast<const char*>(lParam);
    if (IsFloating()) {
        if (CFrameWnd* pFrame = GetParentFrame())
            if (pFrame != m_pDockSite)
                pFrame->SetWindowText(pszText);
    }
    if (m_pDockBar && ::IsWindow(m_pDockBar->m_hWnd))
        m_pDockBar->SetWindowText(pszText);
    RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    (void)wParam;
    return lResult;
}

// ---- Mouse ----

void CWTKSizingControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_pDockBar) {
        Default();
        return;
    }
    ClearButtons(TRUE);
    CRect rectClient;
    GetClientRect(&rectClient);
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (rectClient.PtInRect(point)) {
        if (m_pDockContext)
            m_pDockContext->StartDrag(ptScreen);
        return;
    }
    (void)nFlags;
    OnNcLButtonDown((UINT)OnNcHitTest(ptScreen), ptScreen);
}

void CWTKSizingControlBar::OnLButtonDblClk(UINT /*nFlags*/, CPoint /*point*/)
{
    if (m_pDockBar && m_pDockContext)
        m_pDockContext->ToggleDocking();
    else
        Default();
}

void CWTKSizingControlBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!IsSideDocked()) {
        Default();
        return;
    }
    if (m_bTracking)
        return;
    for (int i = 0; i < 2; ++i) {
        CCaptionButton& btn = m_buttons[i];
        if (btn.m_bHidden || m_rectCaption.IsRectEmpty() || nHitTest != btn.m_nHit)
            continue;
        if (i == 1 && m_bAloneInRow)
            return;
        btn.m_bPushed = btn.m_bFocused = TRUE;
        RedrawButton(btn);
        SetCapture();
        return;
    }
    if (IsEdgeHit(nHitTest)) {
        m_htEdge = nHitTest;
        OnTrackStart();
        return;
    }
    if (nHitTest == HTCAPTION && m_pDockContext)
        m_pDockContext->StartDrag(point);
}

void CWTKSizingControlBar::OnNcLButtonDblClk(UINT nHitTest, CPoint /*point*/)
{
    if (!m_pDockBar) {
        Default();
        return;
    }
    if (!IsEdgeHit(nHitTest) && m_pDockContext)
        m_pDockContext->ToggleDocking();
}

void CWTKSizingControlBar::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    ClientToScreen(&point);
    OnButtonRelease(point);
}

void CWTKSizingControlBar::OnNcLButtonUp(UINT /*nHitTest*/, CPoint point)
{
    OnButtonRelease(point);
}

void CWTKSizingControlBar::OnButtonRelease(CPoint ptScreen)
{
    if (m_bTracking) {
        OnTrackStop();
        // A bar dragged to the largest width (height) of a two-bar row becomes expanded.
        CSizingBarRow row;
        GetRowSizingBars(row);
        const BOOL bHorz = IsHorzDocked();
        for (INT_PTR i = 0; i < row.GetSize(); ++i) {
            CWTKSizingControlBar* pBar = row[i];
            const BOOL bWasExpanded = pBar->m_bExpanded;
            const int nLength = Along(pBar->DockedSize(bHorz), bHorz);
            if (row.GetSize() == 2 && nLength == Along(m_szMaxT, bHorz)) {
                pBar->m_bExpanded = TRUE;
                if (Along(pBar->m_szBeforeExpand, bHorz) == nLength)
                    Along(pBar->m_szBeforeExpand, bHorz) = nLength / 2;
            } else {
                pBar->m_bExpanded = FALSE;
            }
            if (bWasExpanded != pBar->m_bExpanded) {
                pBar->UpdateExpandTip();
                pBar->RedrawButton(pBar->m_buttons[1]);
            }
        }
        return;
    }
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const CPoint pt(ptScreen.x - rectWindow.left, ptScreen.y - rectWindow.top);
    int nRun = -1;
    for (int i = 0; i < 2; ++i) {
        if (m_buttons[i].m_bPushed && !m_buttons[i].m_bHidden && m_buttons[i].GetRect().PtInRect(pt))
            nRun = i;
    }
    ClearButtons(TRUE);
    if (nRun == 1) {
        ToggleExpand();
        RedrawButton(m_buttons[1]);
    } else if (nRun == 0 && CanBeHidden() && m_pDockSite) {
        m_pDockSite->ShowControlBar(this, FALSE, FALSE);
    }
}

void CWTKSizingControlBar::ClearButtons(BOOL bReleaseCapture)
{
    for (CCaptionButton& btn : m_buttons) {
        if (btn.m_bPushed || btn.m_bFocused) {
            btn.m_bPushed = btn.m_bFocused = FALSE;
            RedrawButton(btn);
        }
    }
    if (bReleaseCapture && !m_bTracking && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CWTKSizingControlBar::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (m_bTracking) {
        OnTrackUpdateSize(point);
        return;
    }
    ClientToScreen(&point);
    HotTrack(point);
}

void CWTKSizingControlBar::OnNcMouseMove(UINT /*nHitTest*/, CPoint point)
{
    if (!m_bTracking)
        HotTrack(point);
}

void CWTKSizingControlBar::HotTrack(CPoint ptScreen)
{
    if (m_rectCaption.IsRectEmpty() || !IsSideDocked())
        return;
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const CPoint pt(ptScreen.x - rectWindow.left, ptScreen.y - rectWindow.top);
    const BOOL bAnyPushed = m_buttons[0].m_bPushed || m_buttons[1].m_bPushed;
    BOOL bAnyHot = FALSE;
    for (CCaptionButton& btn : m_buttons) {
        if (btn.m_bHidden)
            continue;
        const BOOL bHot = btn.GetRect().PtInRect(pt) && (!bAnyPushed || btn.m_bPushed);
        if (bHot != btn.m_bFocused) {
            btn.m_bFocused = bHot;
            RedrawButton(btn);
        }
        bAnyHot = bAnyHot || bHot;
    }
    if (bAnyHot && ::GetCapture() != m_hWnd)
        SetCapture();
    else if (!bAnyHot && !bAnyPushed && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CWTKSizingControlBar::OnRButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (m_bTracking) {
        OnTrackStop();
        return;
    }
    ClientToScreen(&point);
    NotifyPopupMenu(point);
}

LRESULT CWTKSizingControlBar::OnNcRButtonUp(WPARAM /*wParam*/, LPARAM lParam)
{
    NotifyPopupMenu(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
    return 0;
}

void CWTKSizingControlBar::NotifyPopupMenu(CPoint ptScreen)
{
    if (WTKIsCustomizeMode())
        return;
    CWnd* pTarget = m_pDockSite ? static_cast<CWnd*>(m_pDockSite) : GetParentFrame();
    if (pTarget && ::IsWindow(pTarget->m_hWnd))
        pTarget->SendMessage(WTK_TOOLBAR_POPUPMENU, (WPARAM)m_hWnd, MAKELPARAM(ptScreen.x, ptScreen.y));
}

void CWTKSizingControlBar::OnCaptureChanged(CWnd* pWnd)
{
    const HWND hNew = pWnd ? pWnd->m_hWnd : nullptr;
    if (hNew == m_hWnd)
        return;
    if (m_bTracking)
        OnTrackStop();
    ClearButtons(FALSE);
}

// ---- Edge tracking ----

BOOL CWTKSizingControlBar::IsEdgeBetweenBars() const
{
    const BOOL bHorz = IsHorzDocked();
    return bHorz ? (m_htEdge == HTLEFT || m_htEdge == HTRIGHT) : (m_htEdge == HTTOP || m_htEdge == HTBOTTOM);
}

CWTKSizingControlBar* CWTKSizingControlBar::TrackedNeighbour() const
{
    if (!IsEdgeBetweenBars())
        return nullptr;
    CSizingBarRow row;
    int nThis = 0;
    GetRowSizingBars(row, nThis);
    const int nOther = (m_htEdge == HTLEFT || m_htEdge == HTTOP) ? nThis - 1 : nThis + 1;
    return (nThis >= 0 && nOther >= 0 && nOther < row.GetSize()) ? row[nOther] : nullptr;
}

void CWTKSizingControlBar::OnTrackStart()
{
    SetCapture();
    RedrawWindow(nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);

    const BOOL bHorz = IsHorzDocked();
    m_szOld = DockedSize(bHorz);
    const DWORD dwPos = ::GetMessagePos();
    m_ptOld = CPoint((short)LOWORD(dwPos), (short)HIWORD(dwPos));
    ScreenToClient(&m_ptOld);
    m_bTracking = TRUE;

    // Across the row: the largest minimum and maximum of the row's bars.
    m_szMinT = m_szMin;
    CSizingBarRow row;
    GetRowSizingBars(row);
    int nMaxAcross = 0;
    BOOL bNoMax = FALSE;
    for (INT_PTR i = 0; i < row.GetSize(); ++i) {
        Across(m_szMinT, bHorz) = std::max<LONG>(Across(m_szMinT, bHorz), Across(row[i]->m_szMin, bHorz));
        const int nMax = Across(row[i]->m_szMax, bHorz);
        if (nMax <= 0)
            bNoMax = TRUE;
        nMaxAcross = std::max(nMaxAcross, nMax);
    }
    if (bNoMax)
        nMaxAcross = 0;

    if (CWTKSizingControlBar* pNeighbour = TrackedNeighbour()) {
        const CSize& szOther = pNeighbour->DockedSize(bHorz);
        m_szMaxT.cx = szOther.cx + m_szOld.cx - pNeighbour->m_szMin.cx;
        m_szMaxT.cy = szOther.cy + m_szOld.cy - pNeighbour->m_szMin.cy;
    } else {
        // The outer edge: as far as the frame's main pane goes.
        CRect rectFree(0, 0, 0, 0);
        if (m_pDockSite) {
            m_pDockSite->RepositionBars(0, 0xFFFF, FW_IDW_PANE_FIRST, CFrameWnd::reposQuery, &rectFree);
            // A layout the frame still owes (a row just aligned) is done before the tracker is
            // drawn over the bars.
            m_pDockSite->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        }
        m_szMaxT.cx = rectFree.Width() + m_szOld.cx - 4;
        m_szMaxT.cy = rectFree.Height() + m_szOld.cy - 4;
        if (nMaxAcross > 0)
            Across(m_szMaxT, bHorz) = std::min<LONG>(Across(m_szMaxT, bHorz), nMaxAcross);
    }
    m_szMaxT.cx = std::max<LONG>(m_szMaxT.cx, m_szMinT.cx);
    m_szMaxT.cy = std::max<LONG>(m_szMaxT.cy, m_szMinT.cy);
    m_szTrackDrawn = m_szOld;
    OnTrackInvertTracker();
}

void CWTKSizingControlBar::OnTrackUpdateSize(CPoint ptClient)
{
    if (ptClient == m_ptLastTrack)
        return;
    m_ptLastTrack = ptClient;
    const BOOL bHorz = IsHorzDocked();
    CSize size = m_szOld;
    switch (m_htEdge) {
    case HTLEFT:
        size.cx += m_ptOld.x - ptClient.x;
        break;
    case HTRIGHT:
        size.cx += ptClient.x - m_ptOld.x;
        break;
    case HTTOP:
        size.cy += m_ptOld.y - ptClient.y;
        break;
    case HTBOTTOM:
        size.cy += ptClient.y - m_ptOld.y;
        break;
    default:
        return;
    }
    size.cx = std::max<int>(m_szMinT.cx, std::min<int>(size.cx, m_szMaxT.cx));
    size.cy = std::max<int>(m_szMinT.cy, std::min<int>(size.cy, m_szMaxT.cy));

    OnTrackInvertTracker();
    CSize& current = DockedSize(bHorz);
    const CSize delta(size.cx - current.cx, size.cy - current.cy);
    current = size;
    if (CWTKSizingControlBar* pNeighbour = TrackedNeighbour()) {
        CSize& other = pNeighbour->DockedSize(bHorz);
        other.cx -= delta.cx;
        other.cy -= delta.cy;
    } else {
        CSizingBarRow row;
        GetRowSizingBars(row);
        for (INT_PTR i = 0; i < row.GetSize(); ++i) {
            if (row[i] != this)
                Across(row[i]->DockedSize(bHorz), bHorz) = Across(size, bHorz);
        }
    }
    m_szTrackDrawn = size;
    OnTrackInvertTracker();
}

void CWTKSizingControlBar::OnTrackInvertTracker()
{
    if (!m_pDockSite || !::IsWindow(m_pDockSite->m_hWnd))
        return;
    UINT nEdge = kEdgeLeft;
    switch (m_htEdge) {
    case HTTOP:
        nEdge = kEdgeTop;
        break;
    case HTRIGHT:
        nEdge = kEdgeRight;
        break;
    case HTBOTTOM:
        nEdge = kEdgeBottom;
        break;
    default:
        break;
    }
    CRect rect = GetEdgeRect(nEdge);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    rect.OffsetRect(rectWindow.left, rectWindow.top);
    const BOOL bVertEdge = m_htEdge == HTLEFT || m_htEdge == HTRIGHT;
    if (!IsEdgeBetweenBars() && m_pDockBar) {
        CRect rectDock;
        m_pDockBar->GetWindowRect(&rectDock);
        if (bVertEdge) {
            rect.top = rectDock.top;
            rect.bottom = rectDock.bottom;
        } else {
            rect.left = rectDock.left;
            rect.right = rectDock.right;
        }
    }
    // The edge moves away from the bar as it grows.
    int nOffset = bVertEdge ? m_szTrackDrawn.cx - m_szOld.cx : m_szTrackDrawn.cy - m_szOld.cy;
    if (m_htEdge == HTLEFT || m_htEdge == HTTOP)
        nOffset = -nOffset;
    if (bVertEdge)
        rect.OffsetRect(nOffset, 0);
    else
        rect.OffsetRect(0, nOffset);

    CRect rectFrame;
    m_pDockSite->GetWindowRect(&rectFrame);
    rect.OffsetRect(-rectFrame.left, -rectFrame.top);
    HDC hDC = ::GetDCEx(m_pDockSite->m_hWnd, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (!hDC)
        return;
    static const WORD kHalftone[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, kHalftone);
    HBRUSH hBrush = hBitmap ? ::CreatePatternBrush(hBitmap) : nullptr;
    if (hBrush) {
        HGDIOBJ hOld = ::SelectObject(hDC, hBrush);
        ::PatBlt(hDC, rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
        ::SelectObject(hDC, hOld);
        ::DeleteObject(hBrush);
    }
    if (hBitmap)
        ::DeleteObject(hBitmap);
    ::ReleaseDC(m_pDockSite->m_hWnd, hDC);
}

void CWTKSizingControlBar::OnTrackStop()
{
    OnTrackInvertTracker();
    m_bTracking = FALSE;
    m_ptLastTrack = CPoint(-32768, -32768);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    DelayFrameLayout();
}
