// CWTKTabWnd: mouse, keyboard, renaming in place, moving tabs and the shared scroll bar.
#include "frames/WTKTabWnd.h"

#include "frames/WTKTabMessages.h"

#include "foundation/WTKGlobalData.h"

#include "win/Edit.h"
#include "win/ScrollBar.h"
#include "win/ToolTipCtrl.h"

#include <algorithm>

namespace {

// Moving a tab outside the tab area scrolls every this many milliseconds.
constexpr UINT kMoveScrollMs = 250;
constexpr int kMoveScrollStep = 20;

HCURSOR ArrowCursor()
{
    return ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
}

HCURSOR SizeWECursor()
{
    return ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32644));
}

BOOL IsMouseMessage(UINT message)
{
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
}

BOOL IsButtonDown(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
        message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
}

}  // namespace

// ---- Mouse ----

void CWTKTabWnd::PassClickToParent(UINT message, UINT nFlags, CPoint point)
{
    if (point.y < m_nTabsHeight)
        return;
    CWnd* pParent = GetParent();
    if (pParent == nullptr)
        return;
    MapWindowPoints(pParent, &point, 1);
    pParent->SendMessage(message, nFlags, MAKELPARAM(point.x, point.y));
}

BOOL CWTKTabWnd::IsPointInSplitter(CPoint point) const
{
    return m_bSharedScroll && m_rectTabSplitter.PtInRect(point);
}

void CWTKTabWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsPointInSplitter(point)) {
        SetCapture();
        m_bTrackSplitter = TRUE;
        return;
    }

    const int iTab = GetTabFromPoint(point);
    if (iTab >= 0 && m_arTabs[iTab]->m_bVisible) {
        if (iTab != m_iActiveTab && m_rectTabsArea.PtInRect(point)) {
            if (::GetCapture() == m_hWnd)
                ::ReleaseCapture();
            const int iOldHighlighted = m_iHighlighted;
            m_iHighlighted = -1;
            InvalidateTab(iOldHighlighted);
            const int iPrev = m_iActiveTab;
            SetActiveTab(iTab);
            CWnd* pParent = GetParent();
            if (pParent != nullptr)
                pParent->SendMessage(WTKM_ONCHANGE_ACTIVE_TAB, static_cast<WPARAM>(iTab), static_cast<LPARAM>(iPrev));
        }
        if (m_bEnableTabSwap && m_iActiveTab == iTab) {
            SetCapture();
            m_bTabMoving = TRUE;
            m_iTabBeforeDrag = iTab;
            m_iTabDragTarget = iTab;
        }
        return;
    }
    PassClickToParent(WM_LBUTTONDOWN, nFlags, point);
}

void CWTKTabWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const int iTab = GetTabFromPoint(point);
    if (iTab >= 0 && StartRenameTab(iTab))
        return;
    if (iTab < 0)
        PassClickToParent(WM_LBUTTONDBLCLK, nFlags, point);
}

void CWTKTabWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTrackSplitter) {
        const int nMin = 2 * ::GetSystemMetrics(SM_CXHSCROLL);
        const int nMax = std::max<int>(nMin, m_rectTabsArea.right - m_rectTabsArea.left - 5);
        m_nHorzScrollWidth = std::clamp(static_cast<int>(m_rectTabsArea.right - point.x), nMin, nMax);
        RecalcLayout();
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        return;
    }

    if (m_bTabMoving) {
        if (point.x < m_rectTabStrip.left) {
            KillTimer(kScrollRightTimerId);
            SetTimer(kScrollLeftTimerId, kMoveScrollMs);
            return;
        }
        if (point.x >= m_rectTabStrip.right) {
            KillTimer(kScrollLeftTimerId);
            SetTimer(kScrollRightTimerId, kMoveScrollMs);
            return;
        }
        KillTimer(kScrollLeftTimerId);
        KillTimer(kScrollRightTimerId);
        int iTarget = -1;
        for (int i = 0; i < m_iTabsNum && iTarget < 0; ++i) {
            const CRect& rect = m_arTabs[i]->m_rect;
            if (!m_arTabs[i]->m_bVisible || point.x < rect.left || point.x >= rect.right)
                continue;
            iTarget = point.x < rect.CenterPoint().x ? i : i + 1;
        }
        if (iTarget < 0) {
            // Past the last tab: the place after it.
            iTarget = m_iTabsNum;
            for (int i = 0; i < m_iTabsNum; ++i) {
                if (m_arTabs[i]->m_bVisible && point.x < m_arTabs[i]->m_rect.left) {
                    iTarget = i;
                    break;
                }
            }
        }
        if (iTarget != m_iTabDragTarget) {
            m_iTabDragTarget = iTarget;
            InvalidateRect(m_rectTabsArea);
        }
        return;
    }

    if (m_bHighLightTabs) {
        const int iHot = GetTabFromPoint(point);
        if (iHot != m_iHighlighted) {
            const int iOld = m_iHighlighted;
            m_iHighlighted = iHot;
            if (iHot >= 0 && ::GetCapture() != m_hWnd)
                SetCapture();
            else if (iHot < 0 && ::GetCapture() == m_hWnd)
                ::ReleaseCapture();
            InvalidateTab(iOld);
            InvalidateTab(iHot);
        }
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CWTKTabWnd::StopMoving()
{
    KillTimer(kScrollLeftTimerId);
    KillTimer(kScrollRightTimerId);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    m_bTabMoving = FALSE;
}

void CWTKTabWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTrackSplitter) {
        m_bTrackSplitter = FALSE;
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        return;
    }
    if (!m_bTabMoving) {
        CWnd::OnLButtonUp(nFlags, point);
        return;
    }

    StopMoving();
    const int iFrom = m_iTabBeforeDrag;
    int iTo = m_iTabDragTarget;
    m_iTabBeforeDrag = m_iTabDragTarget = -1;
    if (iFrom < 0 || iFrom >= m_iTabsNum || iTo < 0) {
        Invalidate();
        return;
    }
    // The target counts places before the tabs as they are; without the dragged tab, a place
    // after it is one less.
    if (iTo > iFrom)
        --iTo;
    iTo = std::min(iTo, m_iTabsNum - 1);
    CWnd* pParent = GetParent();
    if (iTo == iFrom ||
        (pParent != nullptr &&
         pParent->SendMessage(WTKM_ON_BEFOREMOVE_TAB, static_cast<WPARAM>(iFrom), static_cast<LPARAM>(iTo)) != 0)) {
        Invalidate();
        return;
    }
    CWTKTabInfo* pTab = m_arTabs[iFrom];
    CWnd* pActiveWnd = GetActiveWnd();
    m_arTabs.RemoveAt(iFrom);
    m_arTabs.InsertAt(iTo, pTab);
    // The moved tab becomes active; any other active window steps aside.
    if (pActiveWnd != nullptr && pActiveWnd != pTab->m_pWnd && m_bHideInactiveWnd && pActiveWnd->GetSafeHwnd())
        pActiveWnd->ShowWindow(SW_HIDE);
    m_iActiveTab = iTo;
    if (pTab->m_pWnd != nullptr && pTab->m_pWnd->GetSafeHwnd() != nullptr)
        pTab->m_pWnd->ShowWindow(SW_SHOWNOACTIVATE);
    if (pParent != nullptr)
        pParent->SendMessage(WTKM_ON_MOVE_TAB, static_cast<WPARAM>(iFrom), static_cast<LPARAM>(iTo));
    RecalcLayout();
    Invalidate();
}

void CWTKTabWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kScrollLeftTimerId && nIDEvent != kScrollRightTimerId) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    if (!m_bTabMoving) {
        KillTimer(nIDEvent);
        return;
    }
    const BOOL bLeft = nIDEvent == kScrollLeftTimerId;
    if (m_bIsSlanted) {
        m_nFirstVisibleTab = std::clamp(m_nFirstVisibleTab + (bLeft ? -1 : 1), 0, std::max(m_iTabsNum - 1, 0));
        RecalcLayout();
        Invalidate();
    } else {
        SetScrollOffset(m_nTabsHorzOffset + (bLeft ? -kMoveScrollStep : kMoveScrollStep));
    }
}

void CWTKTabWnd::OnCancelMode()
{
    CWnd::OnCancelMode();
    if (m_bTrackSplitter) {
        m_bTrackSplitter = FALSE;
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
    }
    DestroyInPlaceEdit();
    if (m_bTabMoving) {
        StopMoving();
        m_iTabBeforeDrag = m_iTabDragTarget = -1;
        Invalidate();
    }
    if (m_iHighlighted >= 0) {
        const int iOld = m_iHighlighted;
        m_iHighlighted = -1;
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        InvalidateTab(iOld);
    }
}

BOOL CWTKTabWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    if (m_pInPlaceEdit != nullptr && m_pInPlaceEdit->GetSafeHwnd() != nullptr) {
        CRect rectEdit;
        m_pInPlaceEdit->GetWindowRect(rectEdit);
        if (rectEdit.PtInRect(point)) {
            ::SetCursor(ArrowCursor());
            return TRUE;
        }
    }
    ScreenToClient(&point);
    if (IsPointInSplitter(point)) {
        ::SetCursor(SizeWECursor());
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

// ---- Renaming ----

BOOL CWTKTabWnd::OnRenameTab(int /*iTab*/, CString& /*strName*/)
{
    return TRUE;
}

BOOL CWTKTabWnd::StartRenameTab(int iTab)
{
    if (!m_bIsInPlaceEdit || iTab < 0 || iTab >= m_iTabsNum || m_arTabs[iTab]->m_bIconOnly ||
        m_arTabs[iTab]->m_strText.IsEmpty())
        return FALSE;
    DestroyInPlaceEdit();
    EnsureVisible(iTab);

    CRect rectEdit = m_arTabs[iTab]->m_rect;
    rectEdit.DeflateRect(m_nTabsHeight / 2, 1);
    if (rectEdit.Width() <= 0 || rectEdit.Height() <= 0)
        return FALSE;
    m_pInPlaceEdit = new CEdit;
    if (!m_pInPlaceEdit->Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, rectEdit, this, static_cast<UINT>(-1))) {
        delete m_pInPlaceEdit;
        m_pInPlaceEdit = nullptr;
        return FALSE;
    }
    m_iEditedTab = iTab;
    m_pInPlaceEdit->SetWindowText(m_arTabs[iTab]->m_strText);
    m_pInPlaceEdit->SetFont(const_cast<CFont*>(&WTKGetGlobalData().fontRegular));
    m_pInPlaceEdit->SetSel(0, -1);
    m_pInPlaceEdit->SetFocus();
    SetCapture();
    ::SetCursor(ArrowCursor());
    return TRUE;
}

void CWTKTabWnd::DestroyInPlaceEdit()
{
    if (m_pInPlaceEdit == nullptr)
        return;
    CEdit* pEdit = m_pInPlaceEdit;
    m_pInPlaceEdit = nullptr;
    m_iEditedTab = -1;
    if (pEdit->GetSafeHwnd() != nullptr)
        pEdit->DestroyWindow();
    delete pEdit;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

BOOL CWTKTabWnd::RenameTab()
{
    if (m_pInPlaceEdit == nullptr)
        return TRUE;
    CString strName;
    m_pInPlaceEdit->GetWindowText(strName);
    if (strName.IsEmpty())
        return FALSE;
    const int iTab = m_iEditedTab;
    CWnd* pParent = GetParent();
    if (OnRenameTab(iTab, strName) &&
        (pParent == nullptr ||
         pParent->SendMessage(WTKM_ON_RENAME_TAB, static_cast<WPARAM>(iTab),
                              reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strName))) == 0))
        SetTabLabel(iTab, strName);
    DestroyInPlaceEdit();
    return TRUE;
}

// ---- Keyboard and pre-translation ----

BOOL CWTKTabWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr &&
        (IsMouseMessage(pMsg->message) || (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)))
        m_pToolTip->RelayEvent(pMsg);

    if (m_pInPlaceEdit != nullptr && m_pInPlaceEdit->GetSafeHwnd() != nullptr) {
        if (IsMouseMessage(pMsg->message)) {
            CPoint ptScreen(static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam)));
            ::ClientToScreen(pMsg->hwnd, &ptScreen);
            CRect rectEdit;
            m_pInPlaceEdit->GetWindowRect(rectEdit);
            if (rectEdit.PtInRect(ptScreen)) {
                if (pMsg->hwnd == m_pInPlaceEdit->GetSafeHwnd())
                    return FALSE;
                CPoint ptEdit = ptScreen;
                m_pInPlaceEdit->ScreenToClient(&ptEdit);
                m_pInPlaceEdit->SendMessage(pMsg->message, pMsg->wParam, MAKELPARAM(ptEdit.x, ptEdit.y));
                return TRUE;
            }
            if (IsButtonDown(pMsg->message)) {
                if (!RenameTab())
                    ::MessageBeep(MB_OK);
                return TRUE;
            }
            return FALSE;
        }
        if (pMsg->message == WM_KEYDOWN) {
            if (pMsg->wParam == VK_RETURN) {
                if (!RenameTab())
                    ::MessageBeep(MB_OK);
                return TRUE;
            }
            if (pMsg->wParam == VK_ESCAPE) {
                DestroyInPlaceEdit();
                return TRUE;
            }
        }
        return FALSE;
    }

    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_PRIOR || pMsg->wParam == VK_NEXT) &&
        ::GetKeyState(VK_CONTROL) < 0) {
        ActivateNextVisibleTab(pMsg->wParam == VK_NEXT);
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

// ---- Shared scroll bar and notifications ----

void CWTKTabWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (m_pScrollBar == nullptr || pScrollBar == nullptr || pScrollBar->GetSafeHwnd() != m_pScrollBar->GetSafeHwnd()) {
        Default();
        return;
    }
    if (m_bScrolling)
        return;
    CWnd* pActive = GetActiveWnd();
    if (pActive == nullptr || pActive->GetSafeHwnd() == nullptr)
        return;
    m_bScrolling = TRUE;
    const BOOL bThumb = nSBCode == SB_THUMBTRACK || nSBCode == SB_THUMBPOSITION;
    const CWTKTabInfo* pTab = m_arTabs[m_iActiveTab];
    if (pTab->m_bIsListView && bThumb) {
        const int nCurrent = pActive->GetScrollPos(SB_HORZ);
        pActive->SendMessage(LVM_SCROLL, static_cast<WPARAM>(static_cast<int>(nPos) - nCurrent), 0);
    }
    pActive->SendMessage(WM_HSCROLL, MAKEWPARAM(nSBCode, nPos), 0);
    SCROLLINFO si {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_POS;
    if (::GetScrollInfo(pActive->GetSafeHwnd(), SB_HORZ, &si))
        m_pScrollBar->SetScrollPos(si.nPos);
    pActive->ShowScrollBar(SB_HORZ, FALSE);
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WTKM_ON_HSCROLL, MAKEWPARAM(nSBCode, nPos), 0);
    m_bScrolling = FALSE;
}

BOOL CWTKTabWnd::SynchronizeScrollBar(SCROLLINFO* pScrollInfo)
{
    if (!m_bSharedScroll || m_pScrollBar == nullptr || m_pScrollBar->GetSafeHwnd() == nullptr)
        return FALSE;
    CWnd* pActive = GetActiveWnd();
    SCROLLINFO si {};
    si.cbSize = sizeof(si);
    BOOL bHasInfo = FALSE;
    if (pScrollInfo != nullptr) {
        si = *pScrollInfo;
        si.cbSize = sizeof(si);
        bHasInfo = TRUE;
    } else if (pActive != nullptr && pActive->GetSafeHwnd() != nullptr) {
        si.fMask = SIF_ALL;
        bHasInfo = ::GetScrollInfo(pActive->GetSafeHwnd(), SB_HORZ, &si);
    }
    const BOOL bNoRange = !bHasInfo || si.nMax <= si.nMin || static_cast<int>(si.nPage) > si.nMax - si.nMin;
    if (bHasInfo) {
        si.fMask = SIF_ALL;
        m_pScrollBar->SetScrollInfo(&si);
    }
    ::EnableScrollBar(m_pScrollBar->GetSafeHwnd(), SB_CTL, bNoRange ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
    if (pActive != nullptr && pActive->GetSafeHwnd() != nullptr)
        pActive->ShowScrollBar(SB_HORZ, FALSE);
    return TRUE;
}

BOOL CWTKTabWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    if (pNMHDR != nullptr) {
        if (pNMHDR->code == TTN_SHOW && m_pToolTip != nullptr && pNMHDR->hwndFrom == m_pToolTip->GetSafeHwnd()) {
            ::SetWindowPos(m_pToolTip->GetSafeHwnd(), HWND_TOPMOST, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        } else if ((pNMHDR->code == HDN_ITEMCHANGEDA || pNMHDR->code == HDN_ITEMCHANGEDW) && m_bSharedScroll) {
            SynchronizeScrollBar();
        }
    }
    return CWnd::OnNotify(wParam, lParam, pResult);
}
