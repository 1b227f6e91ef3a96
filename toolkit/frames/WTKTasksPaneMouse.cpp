// CWTKTasksPane: hover, press and click on tasks and group captions, scrolling, the collapse
// animation and the scroll areas.
#include "frames/WTKTasksPane.h"

#include "foundation/WTKGlobalData.h"

#include "win/TickClock.h"
#include "win/MessageMap.h"

#include <algorithm>

namespace {
// The framework's set-message-string request and its idle prompt.
constexpr UINT kIdleMessage = 0xE001;
// Lines the animation moves per millisecond of ticks (one line every 30 ms).
constexpr double kLinesPerMs = 0.033333335;
constexpr int kHighestScrollCode = SB_ENDSCROLL;
}  // namespace

// ---- Hit tests ----

CWTKTasksGroup* CWTKTasksPane::GroupCaptionAt(CPoint point) const
{
    if (!m_rectTasks.PtInRect(point))
        return nullptr;
    for (POSITION pos = m_lstTaskGroups.GetHeadPosition(); pos != nullptr;) {
        auto* pGroup = static_cast<CWTKTasksGroup*>(m_lstTaskGroups.GetNext(pos));
        if (pGroup->m_nPage == m_nActivePage && !pGroup->m_strName.IsEmpty() && pGroup->m_rect.PtInRect(point))
            return pGroup;
    }
    return nullptr;
}

CWTKTask* CWTKTasksPane::TaskAt(CPoint point) const
{
    if (!m_rectTasks.PtInRect(point))
        return nullptr;
    for (POSITION pos = m_lstTaskGroups.GetHeadPosition(); pos != nullptr;) {
        auto* pGroup = static_cast<CWTKTasksGroup*>(m_lstTaskGroups.GetNext(pos));
        if (pGroup->m_nPage != m_nActivePage || pGroup->m_rectGroup.IsRectEmpty())
            continue;
        for (POSITION posTask = pGroup->m_lstTasks.GetHeadPosition(); posTask != nullptr;) {
            auto* pTask = static_cast<CWTKTask*>(pGroup->m_lstTasks.GetNext(posTask));
            if (pTask->m_hwndTask == nullptr && pTask->m_bVisible && !pTask->IsSeparator() &&
                pTask->m_rect.PtInRect(point))
                return pTask;
        }
    }
    return nullptr;
}

void CWTKTasksPane::RedrawRect(const CRect& rect)
{
    if (!rect.IsRectEmpty())
        RedrawWindow(rect, nullptr, RDW_ERASE | RDW_INVALIDATE);
}

// ---- Mouse ----

void CWTKTasksPane::SetHot(CWTKTask* pTask, CWTKTasksGroup* pCaption)
{
    CWTKTask* pOldTask = m_pHotTask;
    CWTKTasksGroup* pOldCaption = m_pHotGroupCaption;
    m_pHotTask = pTask;
    m_pHotGroupCaption = pCaption;
    if (pOldTask != nullptr)
        RedrawRect(pOldTask->m_rect);
    if (pOldCaption != nullptr)
        RedrawRect(pOldCaption->m_rect);
}

BOOL CWTKTasksPane::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (m_hcurHand != nullptr && (TaskAt(point) != nullptr || GroupCaptionAt(point) != nullptr)) {
        ::SetCursor(m_hcurHand);
        return TRUE;
    }
    return CWTKOutlookBar::OnSetCursor(pWnd, nHitTest, message);
}

void CWTKTasksPane::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (m_bScrollButtons) {
        int iMode = 0;
        if (m_rectScrollUp.PtInRect(point) && m_nVscrollOffset > 0)
            iMode = -1;
        else if (m_rectScrollDn.PtInRect(point) && m_nVscrollTotal > 0 &&
                 m_nVscrollOffset <= m_nVscrollTotal - m_nViewLines)
            iMode = 1;
        if (iMode != m_iScrollMode) {
            m_iScrollMode = iMode;
            RedrawRect(iMode < 0 ? m_rectScrollUp : m_rectScrollDn);
            if (iMode != 0)
                SetTimer(kScrollAreaTimer, kScrollAreaTimerMs, nullptr);
        }
        if (iMode != 0)
            return;
    }
    CWTKTask* pTask = TaskAt(point);
    CWTKTasksGroup* pCaption = pTask == nullptr ? GroupCaptionAt(point) : nullptr;
    if (pTask == m_pHotTask && pCaption == m_pHotGroupCaption)
        return;
    CWnd* pOwner = GetOwner() != nullptr ? GetOwner() : GetParent();
    auto showPrompt = [pOwner](UINT nID) {
        if (pOwner != nullptr)
            pOwner->SendMessage(WM_SETMESSAGESTRING, nID, 0);
    };
    if (pTask != nullptr && !pTask->m_bEnabled) {
        showPrompt(kIdleMessage);
        return;
    }
    if (pTask != nullptr || pCaption != nullptr) {
        const BOOL bNothingHot = m_pHotTask == nullptr && m_pHotGroupCaption == nullptr;
        if (bNothingHot) {
            if (::GetCapture() != nullptr)
                return;
            SetCapture();
        }
        SetHot(pTask, pCaption);
        RedrawRect(pTask != nullptr ? pTask->m_rect : pCaption->m_rect);
        if (pTask != nullptr && pTask->m_uiCommandID != 0)
            showPrompt(pTask->m_uiCommandID);
        return;
    }
    SetHot(nullptr, nullptr);
    if (m_pClickedTask == nullptr && m_pClickedGroupCaption == nullptr && GetCapture() == this)
        ::ReleaseCapture();
    showPrompt(kIdleMessage);
}

void CWTKTasksPane::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_pClickedTask = m_pHotTask != nullptr && TaskAt(point) == m_pHotTask ? m_pHotTask : nullptr;
    m_pClickedGroupCaption =
        m_pHotGroupCaption != nullptr && GroupCaptionAt(point) == m_pHotGroupCaption ? m_pHotGroupCaption : nullptr;
    if (m_pClickedTask == nullptr && m_pClickedGroupCaption == nullptr)
        CWTKOutlookBar::OnLButtonDown(nFlags, point);
}

void CWTKTasksPane::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_pHotTask == nullptr && m_pClickedTask == nullptr && m_pHotGroupCaption == nullptr &&
        m_pClickedGroupCaption == nullptr) {
        CWTKOutlookBar::OnLButtonUp(nFlags, point);
        return;
    }
    if (GetCapture() == this)
        ::ReleaseCapture();
    CWTKTasksGroup* pCaption = GroupCaptionAt(point);
    if (pCaption != nullptr && pCaption == m_pHotGroupCaption && pCaption == m_pClickedGroupCaption) {
        m_pClickedGroupCaption = nullptr;
        if (m_bCanCollapse) {
            pCaption->m_bIsCollapsed = !pCaption->m_bIsCollapsed;
            if (m_bAnimationEnabled) {
                m_pAnimatedGroup = pCaption;
                m_nAnimatedHeight = pCaption->m_rectGroup.Height();
                m_dwAnimationTick = FwGetTickCount();
                SetTimer(kAnimationTimer, kAnimationTimerMs, nullptr);
            }
        }
        RecalcLayout(FALSE);
        RedrawWindow(nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE);
        m_pHotGroupCaption = nullptr;
        SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
        return;
    }
    m_pClickedGroupCaption = nullptr;
    CWTKTask* pClicked = m_pClickedTask;
    CWTKTask* pHot = m_pHotTask;
    m_pHotTask = nullptr;
    m_pClickedTask = nullptr;
    if (pHot != nullptr)
        RedrawRect(pHot->m_rect);
    CWTKTask* pTask = TaskAt(point);
    if (pTask != nullptr && pTask == pHot && pTask == pClicked) {
        CWTKTasksGroup* pGroup = pTask->m_pGroup;
        OnClickTask(GroupIndex(pGroup), pGroup != nullptr ? pGroup->IndexOfTask(pTask) : -1, pTask->m_uiCommandID,
                    pTask->m_dwUserData);
    }
}

void CWTKTasksPane::OnCancelMode()
{
    CWTKOutlookBar::OnCancelMode();
    if (m_pHotTask != nullptr) {
        const CRect rect = m_pHotTask->m_rect;
        m_pHotTask = nullptr;
        if (GetCapture() == this)
            ::ReleaseCapture();
        RedrawRect(rect);
    }
    CWTKTasksGroup* pCaption = m_pHotGroupCaption != nullptr ? m_pHotGroupCaption : m_pClickedGroupCaption;
    m_pHotGroupCaption = nullptr;
    m_pClickedGroupCaption = nullptr;
    m_pClickedTask = nullptr;
    if (pCaption != nullptr) {
        if (GetCapture() == this)
            ::ReleaseCapture();
        RedrawRect(pCaption->m_rect);
    }
}

// ---- Scrolling ----

void CWTKTasksPane::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* /*pScrollBar*/)
{
    if (nSBCode > static_cast<UINT>(kHighestScrollCode) - 1)
        return;
    int nLine = m_nVscrollOffset;
    switch (nSBCode) {
    case SB_LINEUP:
        nLine--;
        break;
    case SB_LINEDOWN:
        nLine++;
        break;
    case SB_PAGEUP:
        nLine -= m_nViewLines;
        break;
    case SB_PAGEDOWN:
        nLine += m_nViewLines;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        nLine = static_cast<int>(nPos);
        break;
    case SB_TOP:
        nLine = 0;
        break;
    case SB_BOTTOM:
        nLine = m_nVscrollTotal;
        break;
    default:
        return;
    }
    ScrollTo(nLine);
}

// ---- Timers ----

void CWTKTasksPane::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kAnimationTimer)
        OnAnimationTick();
    else if (nIDEvent == kScrollAreaTimer)
        OnScrollAreaTick();
    else
        CWTKOutlookBar::OnTimer(nIDEvent);
}

void CWTKTasksPane::OnAnimationTick()
{
    CWTKTasksGroup* pGroup = m_pAnimatedGroup;
    if (pGroup == nullptr) {
        KillTimer(kAnimationTimer);
        return;
    }
    const DWORD dwNow = FwGetTickCount();
    const int n = static_cast<int>((dwNow - m_dwAnimationTick) * kLinesPerMs + 0.5);
    m_dwAnimationTick = dwNow;
    const BOOL bExpanding = !pGroup->m_bIsCollapsed;
    m_nAnimatedHeight += (bExpanding ? 1 : -1) * n * std::max(m_nLineHeight, 1);
    CRect rectInvalid = m_rectTasks;
    rectInvalid.top = pGroup->m_rect.top - 1;
    InvalidateRect(rectInvalid);
    ReposTasks(TRUE);
    // An expansion is over once the cut no longer shortens the group; a collapse below 0.
    const BOOL bDone = bExpanding ? m_nAnimatedHeight > pGroup->m_rectGroup.Height() : m_nAnimatedHeight < 0;
    if (bDone) {
        m_pAnimatedGroup = nullptr;
        m_nAnimatedHeight = 0;
        KillTimer(kAnimationTimer);
        ReposTasks(TRUE);
    }
    InvalidateRect(rectInvalid);
    UpdateWindow();
}

void CWTKTasksPane::OnScrollAreaTick()
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (m_rectScrollUp.PtInRect(point) && m_iScrollMode < 0) {
        ScrollTo(m_nVscrollOffset - 1);
        return;
    }
    if (m_rectScrollDn.PtInRect(point) && m_iScrollMode > 0) {
        ScrollTo(m_nVscrollOffset + 1);
        return;
    }
    KillTimer(kScrollAreaTimer);
    m_iScrollMode = 0;
    RedrawRect(m_rectScrollUp);
    RedrawRect(m_rectScrollDn);
}
