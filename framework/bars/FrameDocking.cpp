// The frame's docking calls (declared with CFrameWnd in the document layer).
#include "bars/ControlBar.h"
#include "bars/DockBar.h"
#include "bars/DockContext.h"
#include "bars/DockState.h"
#include "bars/MiniDockFrameWnd.h"
#include "core/Exception.h"
#include "docview/FrameDockingHooks.h"

#include <algorithm>
#include <vector>

namespace {
// The sides in creation order: top and bottom span the frame, left and right fit between.
const struct {
    DWORD dwAlign;
    UINT nID;
} kDockSides[] = {
    {CBRS_ALIGN_TOP, FW_IDW_DOCKBAR_TOP},
    {CBRS_ALIGN_BOTTOM, FW_IDW_DOCKBAR_BOTTOM},
    {CBRS_ALIGN_LEFT, FW_IDW_DOCKBAR_LEFT},
    {CBRS_ALIGN_RIGHT, FW_IDW_DOCKBAR_RIGHT},
};

// A drag rectangle this close to a dock bar docks there (an empty dock bar has no size).
constexpr int kDockSnap = 8;

CMiniDockFrameWnd* FloatingFrameOf(CControlBar* pBar)
{
    if (!pBar->IsFloating())
        return nullptr;
    CWnd* pFrame = pBar->m_pDockBar->GetParent();
    return pFrame && pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)) ? static_cast<CMiniDockFrameWnd*>(pFrame)
                                                                        : nullptr;
}

// Lays a floating frame out and shows it while it has a visible bar; hides it otherwise.
void RefreshFloatingFrame(CMiniDockFrameWnd* pFrame)
{
    if (!pFrame || !pFrame->m_hWnd)
        return;
    if (pFrame->m_wndDockBar.GetDockedVisibleCount() > 0) {
        pFrame->RecalcLayout();
        if (!pFrame->IsWindowVisible()) {
            pFrame->ShowWindow(SW_SHOWNA);
            // Its caption is active with its owner's, like every floating palette's.
            HWND hWndOwner = ::GetWindow(pFrame->m_hWnd, GW_OWNER);
            if (hWndOwner && ::GetActiveWindow() == hWndOwner)
                pFrame->SendMessage(WM_NCACTIVATE, TRUE);
        }
    } else if (pFrame->IsWindowVisible()) {
        pFrame->ShowWindow(SW_HIDE);
    }
}

CPoint ClampToScreen(CPoint pt)
{
    CRect rectScreen = CDockState::GetVirtualScreenRect();
    pt.x = std::max<int>(rectScreen.left, std::min<int>(pt.x, (int)rectScreen.right - kDockStateMinVisible));
    pt.y = std::max<int>((int)rectScreen.top, std::min<int>(pt.y, (int)rectScreen.bottom - kDockStateMinVisible));
    return pt;
}

}  // namespace

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    for (const auto& side : kDockSides) {
        if (!(dwDockStyle & side.dwAlign) || GetControlBar(side.nID))
            continue;
        auto* pDockBar = new CDockBar;
        pDockBar->m_bAutoDelete = TRUE;
        if (!pDockBar->Create(this, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | side.dwAlign,
                              side.nID)) {
            if (!pDockBar->m_hWnd)
                delete pDockBar;
            FwThrowResourceException();
        }
    }
    if (!m_pFloatingFrameClass)
        m_pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    if (nID == 0)
        return nullptr;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->m_hWnd && (UINT)pBar->GetDlgCtrlID() == nID)
            return pBar;
    }
    return nullptr;
}

CDockBar* CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle) const
{
    for (const auto& side : kDockSides) {
        if (!(dwDockStyle & side.dwAlign))
            continue;
        auto* pDockBar = static_cast<CDockBar*>(const_cast<CFrameWnd*>(this)->GetControlBar(side.nID));
        if (!pDockBar || !pDockBar->IsDockBar() || !pDockBar->IsWindowVisible())
            continue;
        CRect rectDock;
        pDockBar->GetWindowRect(&rectDock);
        if (side.dwAlign & CBRS_ORIENT_HORZ)
            rectDock.InflateRect(0, kDockSnap);
        else
            rectDock.InflateRect(kDockSnap, 0);
        CRect rectMeet;
        if (rectMeet.IntersectRect(&rectDock, &rect))
            return pDockBar;
    }
    return nullptr;
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    CDockBar* pDockBar = nullptr;
    if (nDockBarID) {
        CControlBar* pFound = GetControlBar(nDockBarID);
        pDockBar = pFound && pFound->IsDockBar() ? static_cast<CDockBar*>(pFound) : nullptr;
    } else {
        // The first side the bar allows.
        for (const auto& side : kDockSides) {
            CControlBar* pFound = (pBar->m_dwDockStyle & side.dwAlign) ? GetControlBar(side.nID) : nullptr;
            if (pFound && pFound->IsDockBar()) {
                pDockBar = static_cast<CDockBar*>(pFound);
                break;
            }
        }
    }
    DockControlBar(pBar, pDockBar, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (!pBar || !pBar->m_hWnd || !pDockBar || !pDockBar->m_hWnd)
        return;
    if (pBar->m_pDockContext && pBar->IsFloating())
        pBar->m_pDockContext->RecordPlace();
    CMiniDockFrameWnd* pOldFrame = FloatingFrameOf(pBar);
    CDockBar* pOldDockBar = pBar->m_pDockBar;
    DWORD dwNew = (pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (pDockBar->m_dwStyle & CBRS_ALIGN_ANY) |
        (pDockBar->m_bFloating ? CBRS_FLOATING : 0);
    if (pOldDockBar && pOldDockBar != pDockBar)
        pOldDockBar->RemoveControlBar(pBar);
    pBar->SetBarStyle(dwNew);
    pDockBar->DockControlBar(pBar, lpRect);
    if (pDockBar->m_bFloating) {
        RefreshFloatingFrame(static_cast<CMiniDockFrameWnd*>(pDockBar->GetParent()));
    } else {
        RecalcLayout();
        if (pBar->m_pDockContext)
            pBar->m_pDockContext->RecordPlace();
    }
    if (pOldFrame && pOldFrame != pDockBar->GetParent())
        RefreshFloatingFrame(pOldFrame);
}

namespace {
CMiniDockFrameWnd* CreateFloatingFrameImpl(CFrameWnd* pOwner, DWORD dwStyle)
{
    CRuntimeClass* pClass =
        pOwner->m_pFloatingFrameClass ? pOwner->m_pFloatingFrameClass : RUNTIME_CLASS(CMiniDockFrameWnd);
    CObject* pObject = pClass->CreateObject();
    if (!pObject)
        return nullptr;
    if (!pObject->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd))) {
        delete pObject;
        return nullptr;
    }
    auto* pFrame = static_cast<CMiniDockFrameWnd*>(pObject);
    // A frame whose window could not be made has deleted itself with its window.
    if (!pFrame->Create(pOwner, dwStyle))
        return nullptr;
    return pFrame;
}
}  // namespace

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    if (!pBar || !pBar->m_hWnd)
        return;
    point = ClampToScreen(point);
    if (!(dwStyle & CBRS_ALIGN_ANY))
        dwStyle |= CBRS_ALIGN_TOP;
    CMiniDockFrameWnd* pFrame = FloatingFrameOf(pBar);
    if (pFrame && pFrame->m_wndDockBar.GetDockedCount() == 1 &&
        (pFrame->m_wndDockBar.m_dwStyle & CBRS_ALIGN_ANY) == (dwStyle & CBRS_ALIGN_ANY)) {
        // Alone in its floating frame already: the frame moves.
        pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        pFrame = CreateFloatingFrame(dwStyle | (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC));
        if (!pFrame)
            return;
        if (pBar->m_pDockBar && !pBar->IsFloating()) {
            if (pBar->m_pDockContext)
                pBar->m_pDockContext->RecordPlace();
            pBar->m_pDockBar->AddPlaceholder(pBar);
        }
        pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        DockControlBar(pBar, &pFrame->m_wndDockBar, nullptr);
        RecalcLayout();
        CMiniDockFrameWnd::DestroyEmptyFrames(this);
    }
    RefreshFloatingFrame(pFrame);
    if (pBar->m_pDockContext)
        pBar->m_pDockContext->RecordPlace();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (!pBar || !pBar->m_hWnd)
        return;
    if (bDelay) {
        pBar->DelayShow(bShow);
        return;
    }
    pBar->m_nStateFlags &= ~(CControlBar::delayHide | CControlBar::delayShow);
    pBar->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    if (CMiniDockFrameWnd* pFrame = FloatingFrameOf(pBar))
        RefreshFloatingFrame(pFrame);
    else
        RecalcLayout();
}

BOOL CFrameWnd::ApplyDelayedBarShow()
{
    BOOL bChanged = FALSE;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->ApplyDelayedShow()) {
            bChanged = TRUE;
            if (CMiniDockFrameWnd* pFrame = FloatingFrameOf(pBar))
                RefreshFloatingFrame(pFrame);
        }
    }
    if (bChanged)
        RecalcLayout();
    return bChanged;
}

// ---- Dock state ----

void CFrameWnd::GetDockState(CDockState& state) const
{
    state.Clear();
    state.m_rectDevice = CDockState::GetVirtualScreenRect();
    std::vector<CDockBar*> floating;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (!pBar->m_hWnd || pBar->GetDlgCtrlID() == 0)
            continue;
        auto* pInfo = new CControlBarInfo;
        pBar->GetBarInfo(pInfo);
        state.m_arrBarInfo.Add(pInfo);
        if (pBar->IsFloating() && std::find(floating.begin(), floating.end(), pBar->m_pDockBar) == floating.end())
            floating.push_back(pBar->m_pDockBar);
    }
    // Each floating frame's dock bar: where the frame is and which bars it holds.
    for (CDockBar* pDockBar : floating) {
        auto* pInfo = new CControlBarInfo;
        pDockBar->GetBarInfo(pInfo);
        state.m_arrBarInfo.Add(pInfo);
    }
}

namespace {
void SetDockStateImpl(CFrameWnd* pOwner, const CDockState& state)
{
    // First every record finds its bar: floating dock bars get new floating frames.
    std::vector<CMiniDockFrameWnd*> newFrames;
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
        auto* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        pInfo->m_pBar = nullptr;
        if (pInfo->m_bDockBar && pInfo->m_bFloating) {
            CMiniDockFrameWnd* pFrame =
                pOwner->CreateFloatingFrame((pInfo->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT) | CBRS_SIZE_DYNAMIC);
            if (!pFrame)
                continue;
            CPoint pt = ClampToScreen(pInfo->m_pointPos);
            pFrame->SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            pInfo->m_pBar = &pFrame->m_wndDockBar;
            newFrames.push_back(pFrame);
            continue;
        }
        CControlBar* pBar = pOwner->GetControlBar(pInfo->m_nBarID);
        // A record of one kind never drives a bar of the other.
        if (pBar && pBar->IsDockBar() == pInfo->m_bDockBar && !(pBar->IsDockBar() && pBar->IsFloating()))
            pInfo->m_pBar = pBar;
    }
    // Dock bars place their bars, then each bar takes its own record.
    for (int nPass = 0; nPass < 2; ++nPass) {
        for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
            auto* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
            if (pInfo->m_pBar && pInfo->m_bDockBar == (nPass == 0))
                pInfo->m_pBar->SetBarInfo(pInfo, pOwner);
        }
    }
    for (CMiniDockFrameWnd* pFrame : newFrames)
        RefreshFloatingFrame(pFrame);
    pOwner->RecalcLayout();
    CMiniDockFrameWnd::DestroyEmptyFrames(pOwner);
}

// The frame's docking, carried out here when this layer is linked.
class CBarsFrameDocking : public CFrameDockingHooks {
public:
    CMiniDockFrameWnd* CreateFloatingFrame(CFrameWnd* pFrame, DWORD dwStyle) override
    {
        return CreateFloatingFrameImpl(pFrame, dwStyle);
    }
    void SetDockState(CFrameWnd* pFrame, const CDockState& state) override { SetDockStateImpl(pFrame, state); }
    CWnd* FindControlBar(CFrameWnd* pFrame, UINT nID) override { return pFrame->GetControlBar(nID); }
    void ShowControlBar(CFrameWnd* pFrame, CWnd* pBar, BOOL bShow) override
    {
        pFrame->ShowControlBar(static_cast<CControlBar*>(pBar), bShow, FALSE);
    }
};
CFwHookRegistration<CFrameDockingHooks, CBarsFrameDocking> g_barsFrameDocking;
}  // namespace

void CFrameWnd::LoadBarState(LPCTSTR lpszProfileName)
{
    CDockState state;
    state.LoadState(lpszProfileName);
    SetDockState(state);
}

void CFrameWnd::SaveBarState(LPCTSTR lpszProfileName) const
{
    CDockState state;
    GetDockState(state);
    state.SaveState(lpszProfileName);
}
