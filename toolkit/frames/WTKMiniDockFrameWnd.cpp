#include "frames/WTKMiniDockFrameWnd.h"

#include "frames/WTKDockingConstants.h"
#include "frames/WTKFrameHelper.h"
#include "frames/WTKSizingControlBar.h"

#include "command_bars/WTKCustomizeMode.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarMessages.h"

#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKWorkArea.h"
#include "foundation/WTKPopupOwnerSource.h"

#include "bars/DockContext.h"
#include "gdi/DC.h"
#include "win/WindowDC.h"
#include "win/WndLifeGuard.h"

IMPLEMENT_DYNCREATE(CWTKMiniDockFrameWnd, CMiniDockFrameWnd)

BEGIN_MESSAGE_MAP(CWTKMiniDockFrameWnd, CMiniDockFrameWnd)
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCRBUTTONDOWN()
    ON_WM_NCMOUSEMOVE()
    ON_WM_SIZE()
    ON_WM_NCPAINT()
    ON_WM_NCACTIVATE()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_TIMER()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace {
BOOL IsAutoMode(int nMode)
{
    return nMode == kWTKRollUpAuto || nMode == kWTKRollUpAutoNarrow;
}
}  // namespace

BOOL CWTKMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    if (!CMiniDockFrameWnd::Create(pParent, dwBarStyle))
        return FALSE;
    ModifyStyle(MFS_4THICKFRAME, 0);
    ModifyStyleEx(0, WS_EX_TOOLWINDOW);
    return TRUE;
}

CWTKSizingControlBar* CWTKMiniDockFrameWnd::GetSizingBar() const
{
    CControlBar* pBar = GetFirstBar();
    if (pBar == nullptr || !::IsWindow(pBar->GetSafeHwnd()) || !pBar->IsKindOf(RUNTIME_CLASS(CWTKSizingControlBar)))
        return nullptr;
    return static_cast<CWTKSizingControlBar*>(pBar);
}

// ---- Mouse ----

void CWTKMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!m_rectRollUp.IsRectEmpty() && m_nRollUpMode != kWTKRollUpNone) {
        CRect rectWindow;
        GetWindowRect(&rectWindow);
        CRect rectButton = m_rectRollUp;
        rectButton.OffsetRect(rectWindow.TopLeft());
        if (rectButton.PtInRect(point)) {
            ToggleRollUp();
            return;
        }
    }
    CControlBar* pBar = GetFirstBar();
    if (nHitTest == HTCAPTION) {
        if (CWnd* pTop = GetTopLevelParent())
            pTop->SetActiveWindow();
        BringWindowToTop();
        if (pBar != nullptr && pBar->m_pDockContext != nullptr && !m_bInRecalcLayout)
            pBar->m_pDockContext->StartDrag(point);
        return;
    }
    if (nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT) {
        if (CWnd* pTop = GetTopLevelParent())
            pTop->SetActiveWindow();
        CWTKSizingControlBar* pSizingBar = GetSizingBar();
        if (pSizingBar != nullptr && pSizingBar->m_pDockContext != nullptr) {
            pSizingBar->m_pDockContext->StartResize(static_cast<int>(nHitTest), point);
            return;
        }
    }
    CMiniDockFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CWTKMiniDockFrameWnd::OnNcRButtonDown(UINT /*nHitTest*/, CPoint point)
{
    if (WTKIsCustomizeMode())
        return;
    CWnd* pParent = GetParent();
    if (pParent != nullptr && pParent->IsFrameWnd())
        pParent->SendMessage(WTK_TOOLBAR_POPUPMENU, reinterpret_cast<WPARAM>(m_hWnd),
                             MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
}

void CWTKMiniDockFrameWnd::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    CMiniDockFrameWnd::OnNcMouseMove(nHitTest, point);
    CWTKSizingControlBar* pBar = GetSizingBar();
    if (pBar == nullptr || !IsAutoMode(m_nRollUpMode))
        return;
    CWnd* pMain = GetTopLevelParent();
    if ((pMain != nullptr && !pMain->IsWindowEnabled()) || CWTKPopupMenu::GetActiveMenu() != nullptr ||
        ::GetFocus() == nullptr)
        return;
    if (m_bRolledUp)
        ApplyRollUp(m_nRollUpMode, FALSE);
    BringWindowToTop();
    m_nTimerID = SetTimer(static_cast<UINT_PTR>(pBar->GetDlgCtrlID()), kWTKRollUpTimerMs, nullptr);
    m_nRollDownCount = kWTKRollUpCountdown;
}

void CWTKMiniDockFrameWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (m_nTimerID != 0 && nIDEvent == m_nTimerID) {
        OnRollUpTick();
        return;
    }
    CMiniDockFrameWnd::OnTimer(nIDEvent);
}

void CWTKMiniDockFrameWnd::OnRollUpTick()
{
    CWTKSizingControlBar* pBar = GetSizingBar();
    if (pBar == nullptr || !IsAutoMode(m_nRollUpMode)) {
        if (m_nTimerID != 0)
            KillTimer(m_nTimerID);
        m_nTimerID = 0;
        return;
    }
    CPoint pt;
    ::GetCursorPos(&pt);
    const HWND hWndAt = ::WindowFromPoint(pt);
    const BOOL bPopupOpen = CWTKPopupMenu::GetActiveMenu() != nullptr;
    if (hWndAt != nullptr && (hWndAt == m_hWnd || ::IsChild(m_hWnd, hWndAt))) {
        m_nRollDownCount = kWTKRollUpCountdown;
        if (!bPopupOpen)
            BringWindowToTop();
        return;
    }
    const HWND hFocus = ::GetFocus();
    const BOOL bFocusInside = hFocus != nullptr && (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus));
    if (bFocusInside || pBar->IsSideTracking() || ::GetCapture() == pBar->GetSafeHwnd() || bPopupOpen)
        return;
    if (--m_nRollDownCount <= 0) {
        ApplyRollUp(m_nRollUpMode, TRUE);
        KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }
}

// ---- Roll-up ----

void CWTKMiniDockFrameWnd::ToggleRollUp()
{
    CWTKSizingControlBar* pBar = GetSizingBar();
    if (pBar == nullptr)
        return;
    int nMode = pBar->GetRollUpMode();
    BOOL bRolled = pBar->IsRolledUp();
    switch (nMode) {
    case kWTKRollUpAuto:
        nMode = kWTKRollUpAutoPaused;
        bRolled = FALSE;
        break;
    case kWTKRollUpAutoPaused:
        nMode = kWTKRollUpAuto;
        break;
    case kWTKRollUpAutoNarrow:
        nMode = kWTKRollUpAutoNarrowPaused;
        bRolled = FALSE;
        break;
    case kWTKRollUpAutoNarrowPaused:
        nMode = kWTKRollUpAutoNarrow;
        break;
    case kWTKRollUpManual:
        bRolled = !bRolled;
        break;
    default:
        return;
    }
    ApplyRollUp(nMode, bRolled);
}

void CWTKMiniDockFrameWnd::ApplyRollUp(int nMode, BOOL bRolledUp)
{
    CWTKSizingControlBar* pBar = GetSizingBar();
    if (pBar == nullptr)
        return;
    pBar->SetRollUpState(nMode, bRolledUp);
    m_nRollUpMode = nMode;
    m_bRolledUp = bRolledUp;
    RecalcLayout();
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CWTKMiniDockFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CMiniDockFrameWnd::OnSize(nType, cx, cy);
    UpdateRollUpButton();
}

void CWTKMiniDockFrameWnd::UpdateRollUpButton()
{
    CWTKSizingControlBar* pBar = GetSizingBar();
    if (pBar == nullptr || pBar->GetRollUpMode() == kWTKRollUpNone) {
        m_rectRollUp.SetRectEmpty();
        m_nRollUpMode = kWTKRollUpNone;
        return;
    }
    m_nRollUpMode = pBar->GetRollUpMode();
    m_bRolledUp = pBar->IsRolledUp();
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const BOOL bThick = (GetStyle() & WS_THICKFRAME) != 0;
    const int cxFrame = ::GetSystemMetrics(bThick ? SM_CXFRAME : SM_CXDLGFRAME);
    const int cyFrame = ::GetSystemMetrics(bThick ? SM_CYFRAME : SM_CYDLGFRAME);
    const int nRight = rectWindow.Width() - cxFrame;
    const int nTop = cyFrame;
    const int cxSmSize = ::GetSystemMetrics(SM_CXSMSIZE);
    const int cySmSize = ::GetSystemMetrics(SM_CYSMSIZE);
    m_rectRollUp = CRect(nRight - 2 * cxSmSize, nTop + 2, nRight - cxSmSize - 2, nTop + cySmSize - 2);
    RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void CWTKMiniDockFrameWnd::OnNcPaint()
{
    CMiniDockFrameWnd::OnNcPaint();
    DrawRollUpButton();
}

void CWTKMiniDockFrameWnd::DrawRollUpButton()
{
    if (m_nRollUpMode == kWTKRollUpNone || m_rectRollUp.IsRectEmpty())
        return;
    CWindowDC dc(this);
    CRect rect = m_rectRollUp;
    ::DrawFrameControl(dc.GetSafeHdc(), &rect, DFC_BUTTON, DFCS_BUTTONPUSH);
    int nGlyph = kWTKGlyphRollDown;
    if (IsAutoMode(m_nRollUpMode))
        nGlyph = kWTKGlyphRollAuto;
    else if (!m_bRolledUp)
        nGlyph = kWTKGlyphRollUp;
    const CSize sizeGlyph = CWTKMenuGlyphs::GetSize();
    const CPoint pt(rect.left + (rect.Width() - sizeGlyph.cx) / 2, rect.top + (rect.Height() - sizeGlyph.cy) / 2);
    CWTKMenuGlyphs::Draw(&dc, nGlyph, pt);
}

BOOL CWTKMiniDockFrameWnd::OnNcActivate(BOOL bActive)
{
    const BOOL bResult = static_cast<BOOL>(Default());
    DrawRollUpButton();
    if (bActive) {
        if (CControlBar* pBar = GetFirstBar())
            pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return bResult;
}

void CWTKMiniDockFrameWnd::OnWindowPosChanging(WINDOWPOS* pWndPos)
{
    CMiniDockFrameWnd::OnWindowPosChanging(pWndPos);
    // Every layout sizes the frame: a rolled-up frame keeps only its caption.
    if ((pWndPos->flags & SWP_NOSIZE) || m_nRollUpMode == kWTKRollUpNone || !m_bRolledUp || GetSizingBar() == nullptr)
        return;
    pWndPos->cy = ::GetSystemMetrics(SM_CYSMCAPTION) + 2 * ::GetSystemMetrics(SM_CYFRAME) - 1;
    if (m_nRollUpMode != kWTKRollUpAutoNarrow)
        return;
    if (m_nNarrowWidth < 0) {
        CString strText;
        GetWindowText(strText);
        NONCLIENTMETRICSA ncm {};
        ncm.cbSize = sizeof(ncm);
        ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
        HFONT hFont = ::CreateFontIndirectA(&ncm.lfSmCaptionFont);
        CWindowDC dc(this);
        HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hFont ? hFont : ::GetStockObject(DEFAULT_GUI_FONT));
        SIZE sizeText {};
        ::GetTextExtentPoint32A(dc.GetSafeHdc(), strText, strText.GetLength(), &sizeText);
        ::SelectObject(dc.GetSafeHdc(), hOld);
        if (hFont)
            ::DeleteObject(hFont);
        m_nNarrowWidth = sizeText.cx + 3 * ::GetSystemMetrics(SM_CXSMSIZE) + 2 * ::GetSystemMetrics(SM_CXFRAME) + 4;
    }
    pWndPos->cx = m_nNarrowWidth;
}

LRESULT CWTKMiniDockFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = CMiniDockFrameWnd::OnIdleUpdateCmdUI(wParam, lParam);
    KeepAboveOwner();
    return lResult;
}

void CWTKMiniDockFrameWnd::KeepAboveOwner()
{
    // The system lifts an owner under its owned windows as a side effect (a tooltip of the
    // frame brought up, say), and a frame shown after its restored floating bars covers them:
    // the bar goes back in front whenever it finds its owner above it.
    const HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (hWndOwner == nullptr || !IsWindowVisible())
        return;
    constexpr int kMaxWindowsAbove = 4096;
    HWND hWnd = ::GetWindow(m_hWnd, GW_HWNDPREV);
    for (int i = 0; hWnd != nullptr && i < kMaxWindowsAbove; i++, hWnd = ::GetWindow(hWnd, GW_HWNDPREV)) {
        if (hWnd == hWndOwner) {
            ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return;
        }
    }
}

void CWTKMiniDockFrameWnd::OnWindowPosChanged(WINDOWPOS* pWndPos)
{
    CMiniDockFrameWnd::OnWindowPosChanged(pWndPos);
    // A frame that shrank in place may have left the screen as surely as one that moved.
    if (((pWndPos->flags & SWP_NOMOVE) && (pWndPos->flags & SWP_NOSIZE)) || m_bInPosChanged ||
        GetSizingBar() == nullptr)
        return;
    m_bInPosChanged = TRUE;
    KeepCaptionOnWorkArea();
    m_bInPosChanged = FALSE;
}

void CWTKMiniDockFrameWnd::KeepCaptionOnWorkArea()
{
    CRect rect;
    GetWindowRect(&rect);
    const CRect rectWork = WTKWorkAreaNear(rect.TopLeft());
    CPoint pt = rect.TopLeft();
    const int cyCaption = ::GetSystemMetrics(SM_CYSMCAPTION);
    if (pt.y < rectWork.top)
        pt.y = rectWork.top;
    else if (pt.y > rectWork.bottom - cyCaption)
        pt.y = rectWork.bottom - cyCaption;
    // Off to the left or right, the caption comes back far enough to be dragged.
    if (rect.right <= rectWork.left + cyCaption)
        pt.x = rectWork.left + cyCaption - rect.Width();
    else if (rect.left >= rectWork.right - cyCaption)
        pt.x = rectWork.right - cyCaption;
    if (pt != rect.TopLeft())
        SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWTKMiniDockFrameWnd::OnClose()
{
    CWTKSizingControlBar* pBar = GetSizingBar();
    if (pBar != nullptr && !pBar->CanBeHidden())
        return;
    CMiniDockFrameWnd::OnClose();
}

void CWTKMiniDockFrameWnd::OnDestroy()
{
    if (m_nTimerID != 0)
        KillTimer(m_nTimerID);
    m_nTimerID = 0;
    CMiniDockFrameWnd::OnDestroy();
}

// ---- Tearing a menu off ----

BOOL CWTKMiniDockFrameWnd::MoveTornOffBar(CWTKPopupMenu* pMenuPopup, CWnd* pButtonWnd, const CRect& rectButton)
{
    const HWND hPopup = pMenuPopup ? pMenuPopup->GetSafeHwnd() : nullptr;
    if (hPopup != nullptr)
        ::ShowWindow(hPopup, SW_HIDE);
    if (pButtonWnd != nullptr && ::IsWindow(pButtonWnd->GetSafeHwnd())) {
        CRect rect = rectButton;
        rect.InflateRect(4, 4);
        pButtonWnd->InvalidateRect(&rect);
        pButtonWnd->UpdateWindow();
    }
    CControlBar* pBar = GetFirstBar();
    if (pBar == nullptr)
        return FALSE;
    const HWND hWndBar = pBar->GetSafeHwnd();
    // What the dispatched messages do may destroy the bar, or only its window.
    const CWndLifeGuard bar(pBar);
    const DWORD dwOldStyle = pBar->GetBarStyle();
    pBar->SetBarStyle(0);
    MSG msgPaint;
    while (::PeekMessageA(&msgPaint, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessageA(&msgPaint);

    BOOL bAccepted = FALSE;
    if (::GetCapture() == nullptr) {
        ::SetCapture(hWndBar);
        CRect rectFrame;
        GetWindowRect(&rectFrame);
        CPoint ptCursor(rectFrame.left + rectFrame.Width() / 2, rectFrame.top + 5);
        ::SetCursorPos(ptCursor.x, ptCursor.y);
        const CSize offset = ptCursor - rectFrame.TopLeft();
        while (::GetCapture() == hWndBar) {
            MSG msg;
            if (!::GetMessageA(&msg, nullptr, 0, 0)) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            if (msg.message == WM_MOUSEMOVE) {
                CPoint pt;
                ::GetCursorPos(&pt);
                SetWindowPos(nullptr, pt.x - offset.cx, pt.y - offset.cy, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            } else if (msg.message == WM_LBUTTONUP) {
                bAccepted = TRUE;
                break;
            } else if ((msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) || msg.message == WM_RBUTTONDOWN) {
                break;
            } else {
                ::DispatchMessageA(&msg);
                if (!bar.HoldsSameWindow())
                    break;
            }
        }
        if (::GetCapture() == hWndBar)
            ::ReleaseCapture();
    }
    if (bar.HoldsSameWindow())
        pBar->SetBarStyle(dwOldStyle);

    CFrameWnd* pOwnerFrame = CWTKPopupOwnerSource::Get().GetPopupOwnerFrame();
    if (pOwnerFrame == nullptr)
        pOwnerFrame = GetTopLevelFrame();
    if (hPopup != nullptr && ::IsWindow(hPopup)) {
        if (bAccepted) {
            ::SendMessageA(hPopup, WM_CLOSE, 0, 0);
            if (pOwnerFrame != nullptr)
                pOwnerFrame->SetFocus();
        } else {
            ::ShowWindow(hPopup, SW_SHOWNOACTIVATE);
        }
    }
    if (bAccepted)
        return TRUE;
    // The bar is gone: no helper may keep it, whatever kind of frame holds it.
    if (CWTKFrameHelper* pHelper = CWTKFrameHelper::FromFrame(pOwnerFrame))
        pHelper->RemoveTearOffToolbar(pBar);
    if (bar.HoldsSameWindow()) {
        const BOOL bAutoDelete = pBar->m_bAutoDelete;
        pBar->DestroyWindow();
        if (!bAutoDelete)
            delete pBar;
    }
    return FALSE;
}
