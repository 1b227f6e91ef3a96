#include "bars/DockContext.h"
#include "bars/ControlBar.h"
#include "bars/DockBar.h"
#include "bars/DockState.h"
#include "bars/MiniDockFrameWnd.h"
#include "win/WndLifeGuard.h"

#include <algorithm>
#include <cstdlib>

namespace {
// XOR frame widths: a place where the bar docks, a floating place.
constexpr int kDockFrameWidth = 2;
constexpr int kFloatFrameWidth = 4;

// The window rectangle of a floating frame around a bar of this size at this point.
CRect FloatingFrameRect(CPoint ptTopLeft, CSize sizeBar, BOOL bSizable)
{
    CRect rect(0, 0, sizeBar.cx, sizeBar.cy);
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | (bSizable ? WS_THICKFRAME : 0);
    ::AdjustWindowRectEx(&rect, dwStyle, FALSE, WS_EX_TOOLWINDOW);
    rect.OffsetRect(ptTopLeft - rect.TopLeft());
    return rect;
}

// Moves rect along one axis so that it holds pt, keeping where it held it when it did.
void KeepUnderMouse(CRect& rect, CPoint pt)
{
    if (pt.x < rect.left || pt.x >= rect.right)
        rect.OffsetRect(pt.x - (rect.left + std::min<int>(rect.Width() / 2, 8)), 0);
    if (pt.y < rect.top || pt.y >= rect.bottom)
        rect.OffsetRect(0, pt.y - (rect.top + std::min<int>(rect.Height() / 2, 8)));
}
}  // namespace

CDockContext::CDockContext(CControlBar* pBar) : m_pBar(pBar), m_pDockSite(pBar->m_pDockSite)
{
    m_dwDockStyle = pBar->m_dwDockStyle;
}

CDockContext::~CDockContext() = default;

// ---- Dragging ----

void CDockContext::StartDrag(CPoint pt)
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (!m_pDockSite || ::GetCapture())
        return;
    m_bDragging = TRUE;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_dwStyle = m_pBar->m_dwStyle;
    m_bWorkAreaOriginSet = FALSE;
    InitLoop();

    CRect rectBar;
    m_pBar->GetWindowRect(&rectBar);
    const BOOL bDynamic = (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) != 0;
    CSize sizeHorz =
        bDynamic ? m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK) : m_pBar->CalcFixedLayout(FALSE, TRUE);
    CSize sizeVert = bDynamic ? m_pBar->CalcDynamicLayout(-1, LM_VERTDOCK) : m_pBar->CalcFixedLayout(FALSE, FALSE);
    CSize sizeFloat =
        bDynamic ? m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH) : m_pBar->CalcFixedLayout(FALSE, TRUE);
    m_rectDragHorz = CRect(rectBar.TopLeft(), sizeHorz);
    m_rectDragVert = CRect(rectBar.TopLeft(), sizeVert);
    CPoint ptFrame = rectBar.TopLeft();
    if (m_pBar->IsFloating()) {
        CRect rectFrame;
        m_pBar->GetParentFrame()->GetWindowRect(&rectFrame);
        ptFrame = rectFrame.TopLeft();
    }
    m_rectFrameDragHorz = FloatingFrameRect(ptFrame, sizeFloat, bDynamic);
    KeepUnderMouse(m_rectDragHorz, pt);
    KeepUnderMouse(m_rectDragVert, pt);
    KeepUnderMouse(m_rectFrameDragHorz, pt);
    m_ptLast = pt;
    m_ptStart = pt;
    m_bMoved = FALSE;
    m_pTargetDockBar = FindDockBar();
    DrawFocusRect();
    if (Track())
        EndDrag();
}

BOOL CDockContext::LeftDragDistance(CPoint pt) const
{
    return std::abs(pt.x - m_ptStart.x) > ::GetSystemMetrics(SM_CXDRAG) ||
        std::abs(pt.y - m_ptStart.y) > ::GetSystemMetrics(SM_CYDRAG);
}

void CDockContext::Move(CPoint pt)
{
    // A hand shakes while it clicks: the bar stays put until the mouse really goes somewhere.
    if (!m_bMoved && !LeftDragDistance(pt))
        return;
    m_bMoved = TRUE;
    CSize ptOffset = pt - m_ptLast;
    m_rectDragHorz.OffsetRect(ptOffset);
    m_rectDragVert.OffsetRect(ptOffset);
    m_rectFrameDragHorz.OffsetRect(ptOffset);
    m_ptLast = pt;
    m_pTargetDockBar = FindDockBar();
    DrawFocusRect();
}

void CDockContext::OnKey(int nChar, BOOL bDown)
{
    if (nChar == VK_CONTROL && m_bForceFrame != bDown) {
        m_bForceFrame = bDown;
        if (m_bDragging) {
            m_pTargetDockBar = FindDockBar();
            DrawFocusRect();
        }
    }
}

CDockBar* CDockContext::FindDockBar()
{
    if (m_bForceFrame || !m_dwDockStyle || !m_pDockSite)
        return nullptr;
    // The bar's own orientation first, so that a bar moved a little along its side stays on it
    // instead of jumping to the neighbouring side its other shape would touch.
    const BOOL bVertFirst = (m_dwStyle & CBRS_ORIENT_VERT) && !(m_dwStyle & CBRS_FLOATING);
    CDockBar* pFirst = bVertFirst ? m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & CBRS_ORIENT_VERT)
                                  : m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & CBRS_ORIENT_HORZ);
    if (pFirst)
        return pFirst;
    return bVertFirst ? m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & CBRS_ORIENT_HORZ)
                      : m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & CBRS_ORIENT_VERT);
}

CRect CDockContext::CurrentRect() const
{
    if (!m_bDragging)
        return m_rectActualFrameSize;
    if (m_pTargetDockBar)
        return (m_pTargetDockBar->m_dwStyle & CBRS_ORIENT_HORZ) ? m_rectDragHorz : m_rectDragVert;
    return m_rectFrameDragHorz;
}

void CDockContext::EndDrag()
{
    CancelLoop();
    if (!m_bMoved)
        return;  // a click, not a drag
    if (m_pTargetDockBar) {
        CRect rect = (m_pTargetDockBar->m_dwStyle & CBRS_ORIENT_HORZ) ? m_rectDragHorz : m_rectDragVert;
        m_pDockSite->DockControlBar(m_pBar, m_pTargetDockBar, &rect);
    } else {
        CPoint pt = m_rectFrameDragHorz.TopLeft();
        // A mouse hook may have said which monitor's work area the drop belongs to.
        if (m_bWorkAreaOriginSet) {
            pt.x = std::max<int>(pt.x, m_ptWorkAreaOrigin.x);
            pt.y = std::max<int>(pt.y, m_ptWorkAreaOrigin.y);
        }
        m_pDockSite->FloatControlBar(m_pBar, pt, CBRS_ALIGN_TOP | (m_dwStyle & CBRS_FLOAT_MULTI));
    }
}

// ---- Resizing a floating frame ----

void CDockContext::StartResize(int nHitTest, CPoint pt)
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (!m_pDockSite || !m_pBar->IsFloating() || ::GetCapture())
        return;
    m_bDragging = FALSE;
    m_nHitTest = nHitTest;
    InitLoop();
    CSize size = m_pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH);
    CRect rectBar;
    m_pBar->GetWindowRect(&rectBar);
    m_rectActualSize = CRect(rectBar.TopLeft(), size);
    CRect rectFrame;
    m_pBar->GetParentFrame()->GetWindowRect(&rectFrame);
    m_rectFrameBorders = CRect(rectFrame.left - rectBar.left, rectFrame.top - rectBar.top,
                               rectFrame.right - (rectBar.left + size.cx), rectFrame.bottom - (rectBar.top + size.cy));
    m_rectActualFrameSize = rectFrame;
    m_rectRequestedSize = m_rectActualSize;
    m_ptLast = pt;
    DrawFocusRect();
    if (Track())
        EndResize();
}

void CDockContext::StretchedRects(CPoint pt, CRect& rectBar, CRect& rectFrame)
{
    CSize ptOffset = pt - m_ptLast;
    const BOOL bLeft = m_nHitTest == HTLEFT || m_nHitTest == HTTOPLEFT || m_nHitTest == HTBOTTOMLEFT;
    const BOOL bRight = m_nHitTest == HTRIGHT || m_nHitTest == HTTOPRIGHT || m_nHitTest == HTBOTTOMRIGHT;
    const BOOL bTop = m_nHitTest == HTTOP || m_nHitTest == HTTOPLEFT || m_nHitTest == HTTOPRIGHT;
    const BOOL bBottom = m_nHitTest == HTBOTTOM || m_nHitTest == HTBOTTOMLEFT || m_nHitTest == HTBOTTOMRIGHT;
    CRect rect = m_rectRequestedSize;
    if (bLeft)
        rect.left += ptOffset.cx;
    if (bRight)
        rect.right += ptOffset.cx;
    if (bTop)
        rect.top += ptOffset.cy;
    if (bBottom)
        rect.bottom += ptOffset.cy;
    m_rectRequestedSize = rect;
    m_ptLast = pt;
    CSize size = (bLeft || bRight) ? m_pBar->CalcDynamicLayout(std::max<int>(0, rect.Width()), LM_HORZ)
                                   : m_pBar->CalcDynamicLayout(std::max<int>(0, rect.Height()), LM_HORZ | LM_LENGTHY);
    // The corner opposite the dragged edge stays where it is.
    rectBar = CRect(m_rectActualSize.TopLeft(), size);
    if (bLeft)
        rectBar.OffsetRect(m_rectActualSize.right - rectBar.right, 0);
    if (bTop)
        rectBar.OffsetRect(0, m_rectActualSize.bottom - rectBar.bottom);
    rectFrame = CRect(rectBar.left + m_rectFrameBorders.left, rectBar.top + m_rectFrameBorders.top,
                      rectBar.right + m_rectFrameBorders.right, rectBar.bottom + m_rectFrameBorders.bottom);
}

void CDockContext::Stretch(CPoint pt)
{
    CRect rectBar;
    CRect rectFrame;
    StretchedRects(pt, rectBar, rectFrame);
    m_rectActualSize = rectBar;
    m_rectActualFrameSize = rectFrame;
    DrawFocusRect();
}

void CDockContext::EndResize()
{
    CancelLoop();
    const BOOL bHorzEdge = !(m_nHitTest == HTTOP || m_nHitTest == HTBOTTOM);
    if (bHorzEdge)
        m_pBar->CalcDynamicLayout(m_rectActualSize.Width(), LM_HORZ | LM_COMMIT);
    else
        m_pBar->CalcDynamicLayout(m_rectActualSize.Height(), LM_HORZ | LM_LENGTHY | LM_COMMIT);
    CFrameWnd* pFrame = m_pBar->GetParentFrame();
    pFrame->SetWindowPos(nullptr, m_rectActualFrameSize.left, m_rectActualFrameSize.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->RecalcLayout();
}

// ---- Toggling ----

void CDockContext::ToggleDocking()
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (!m_pDockSite)
        return;
    if (m_pBar->IsFloating()) {
        CRect rect = m_rectMRUDockPos;
        CControlBar* pDockBar = m_uMRUDockID ? m_pDockSite->GetControlBar(m_uMRUDockID) : nullptr;
        // Back into its place-holder when the dock bar kept one, else where its rectangle says.
        if (pDockBar && pDockBar->IsDockBar() &&
            static_cast<CDockBar*>(pDockBar)->HasPlaceholder(m_pBar->GetDlgCtrlID()))
            m_pDockSite->DockControlBar(m_pBar, static_cast<CDockBar*>(pDockBar), nullptr);
        else if (pDockBar)
            m_pDockSite->DockControlBar(m_pBar, m_uMRUDockID, rect.IsRectEmpty() ? nullptr : &rect);
        else
            m_pDockSite->DockControlBar(m_pBar);
    } else {
        CPoint pt = m_ptMRUFloatPos;
        if (!m_dwMRUFloatStyle) {
            // Never floated: next to where it is docked.
            CRect rect;
            m_pBar->GetWindowRect(&rect);
            pt = rect.TopLeft() + CPoint(16, 16);
        }
        m_pDockSite->FloatControlBar(m_pBar, pt, m_dwMRUFloatStyle ? m_dwMRUFloatStyle : CBRS_ALIGN_TOP);
    }
}

void CDockContext::RecordPlace()
{
    if (m_pBar->IsFloating()) {
        CRect rect;
        m_pBar->GetParentFrame()->GetWindowRect(&rect);
        m_ptMRUFloatPos = rect.TopLeft();
        m_dwMRUFloatStyle = (m_pBar->m_dwStyle & CBRS_ALIGN_ANY) | (m_pBar->m_dwStyle & CBRS_FLOAT_MULTI);
        if (!(m_dwMRUFloatStyle & CBRS_ALIGN_ANY))
            m_dwMRUFloatStyle |= CBRS_ALIGN_TOP;
    } else if (m_pBar->m_pDockBar) {
        m_uMRUDockID = (UINT)m_pBar->m_pDockBar->GetDlgCtrlID();
        m_pBar->GetWindowRect(&m_rectMRUDockPos);
    }
}

// ---- The loop ----

void CDockContext::InitLoop()
{
    m_rectLast.SetRectEmpty();
    m_bDitherLast = FALSE;
    m_bForceFrame = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    m_pTargetDockBar = nullptr;
}

void CDockContext::CancelLoop()
{
    DrawFocusRect(TRUE);
    if (::GetCapture() == m_pBar->m_hWnd)
        ::ReleaseCapture();
}

namespace {
void XorFrame(HDC hDC, const CRect& rect, int nWidth)
{
    if (rect.IsRectEmpty())
        return;
    HBRUSH hBrush = ::CreateSolidBrush(RGB(128, 128, 128));
    HGDIOBJ hOld = ::SelectObject(hDC, hBrush);
    ::PatBlt(hDC, rect.left, rect.top, rect.Width(), nWidth, PATINVERT);
    ::PatBlt(hDC, rect.left, rect.bottom - nWidth, rect.Width(), nWidth, PATINVERT);
    ::PatBlt(hDC, rect.left, rect.top + nWidth, nWidth, rect.Height() - 2 * nWidth, PATINVERT);
    ::PatBlt(hDC, rect.right - nWidth, rect.top + nWidth, nWidth, rect.Height() - 2 * nWidth, PATINVERT);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBrush);
}
}  // namespace

void CDockContext::DrawFocusRect(BOOL bRemove)
{
    CRect rect = bRemove ? CRect(0, 0, 0, 0) : CurrentRect();
    BOOL bDither = m_bDragging && !m_pTargetDockBar;
    if (rect == m_rectLast && bDither == m_bDitherLast)
        return;
    HDC hDC = ::GetDCEx(::GetDesktopWindow(), nullptr, DCX_WINDOW | DCX_CACHE);
    if (!hDC)
        return;
    XorFrame(hDC, m_rectLast, m_bDitherLast ? kFloatFrameWidth : kDockFrameWidth);
    XorFrame(hDC, rect, bDither ? kFloatFrameWidth : kDockFrameWidth);
    ::ReleaseDC(::GetDesktopWindow(), hDC);
    m_rectLast = rect;
    m_bDitherLast = bDither;
}

BOOL CDockContext::Track()
{
    HWND hWndBar = m_pBar->m_hWnd;
    // This object belongs to the bar: it goes when the bar does.
    const CWndLifeGuard bar(m_pBar);
    ::SetCapture(hWndBar);
    if (::GetCapture() != hWndBar) {
        DrawFocusRect(TRUE);
        return FALSE;
    }
    while (::GetCapture() == hWndBar) {
        MSG msg;
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        switch (msg.message) {
        case WM_LBUTTONUP:
            if (msg.hwnd == hWndBar) {
                // Where the button went up counts, not only the last move.
                CPoint pt((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
                ::ClientToScreen(hWndBar, &pt);
                if (m_bDragging)
                    Move(pt);
                else
                    Stretch(pt);
                return TRUE;
            }
            break;
        case WM_MOUSEMOVE:
            if (msg.hwnd == hWndBar) {
                CPoint pt((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
                ::ClientToScreen(hWndBar, &pt);
                if (m_bDragging)
                    Move(pt);
                else
                    Stretch(pt);
            }
            break;
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (msg.wParam == VK_ESCAPE) {
                if (msg.message == WM_KEYDOWN) {
                    CancelLoop();
                    return FALSE;
                }
            } else {
                OnKey((int)msg.wParam, msg.message == WM_KEYDOWN);
            }
            break;
        case WM_RBUTTONDOWN:
            CancelLoop();
            return FALSE;
        default:
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            // The bar may be gone with what the message did: this object went with it.
            if (!bar.HoldsSameWindow())
                return FALSE;
            break;
        }
    }
    // Capture lost to another window.
    if (bar.HoldsSameWindow())
        CancelLoop();
    return FALSE;
}
