// The property list's mouse, keys, scrolling and the tracking of its divider and description line.
#include "customisation/WTKPropList.h"

#include "customisation/WTKPropListConstants.h"

#include "foundation/WTKGlobalData.h"

#include "gdi/DC.h"
#include "win/ScrollBar.h"
#include "win/WaitCursor.h"

#include <algorithm>

namespace {

BOOL IsKeyDown(int nVirtKey)
{
    return (::GetKeyState(nVirtKey) & 0x8000) != 0;
}

}  // namespace

CWTKProp* CWTKPropList::HitTest(CPoint pt, int* pnArea) const
{
    if (m_bAlphabeticMode) {
        for (CWTKProp* pProp : m_lstTerminalProps) {
            if (pProp->m_rect.PtInRect(pt))
                return pProp->HitTest(pt, pnArea);
        }
        return nullptr;
    }
    for (CWTKProp* pProp : m_lstProps) {
        if (CWTKProp* pHit = pProp->HitTest(pt, pnArea))
            return pHit;
    }
    return nullptr;
}

void CWTKPropList::SelectAndShow(CWTKProp* pProp)
{
    SetCurSel(pProp);
    EnsureVisible(pProp);
}

void CWTKPropList::ToggleGroup(CWTKProp* pProp)
{
    if (pProp != nullptr && (pProp->IsGroup() || pProp->GetSubItemsCount() > 0))
        pProp->Expand(!pProp->IsExpanded());
}

void CWTKPropList::RunButton(CWTKProp* pProp, CPoint point, BOOL bWaitCursor)
{
    const CString strBefore = pProp->FormatProperty();
    if (bWaitCursor) {
        CWaitCursor wait;
        pProp->OnClickButton(point);
    } else {
        pProp->OnClickButton(point);
    }
    // The operation may have removed the property (its list owns it): check it still is ours.
    if (m_pSel == pProp && pProp->FormatProperty() != strBefore) {
        InvalidateRect(pProp->m_rectValue);
        OnPropertyChanged(pProp);
    }
}

int CWTKPropList::ClampDivider(int x) const
{
    CRect rectClient;
    ::GetClientRect(m_hWnd, rectClient);
    const int nUpper = rectClient.Width() - ::GetSystemMetrics(SM_CXHSCROLL) - kWTKPropDividerRightMargin;
    // The lower bound wins in a window too narrow for both.
    return std::max(m_nRowHeight, std::min(x, nUpper));
}

void CWTKPropList::MoveDivider(int nWidth)
{
    m_nLeftColumnWidth = ClampDivider(nWidth);
    UpdateHeader();
    ReposProperties();
    InvalidateRect(m_rectList);
}

void CWTKPropList::InvertTrackLine()
{
    const CRect& rect = m_bTracking ? m_rectTrackHeader : m_rectTrackDescr;
    if (rect.IsRectEmpty())
        return;
    HDC hDC = ::GetDC(m_hWnd);
    ::InvertRect(hDC, rect);
    ::ReleaseDC(m_hWnd, hDC);
}

void CWTKPropList::StopTracking()
{
    if (!m_bTracking && !m_bTrackingDescr)
        return;
    InvertTrackLine();
    m_rectTrackHeader.SetRectEmpty();
    m_rectTrackDescr.SetRectEmpty();
    m_bTracking = FALSE;
    m_bTrackingDescr = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

BOOL CWTKPropList::IsOnDivider(CPoint point) const
{
    return m_rectList.PtInRect(point) &&
        std::abs(point.x - (m_rectList.left + m_nLeftColumnWidth)) <= kWTKPropDividerSlop;
}

BOOL CWTKPropList::IsOnDescriptionLine(CPoint point) const
{
    return std::abs(point.y - (m_rectList.bottom + kWTKPropDescrLineOffset)) <= kWTKPropDividerSlop;
}

void CWTKPropList::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    SetFocus();
    if (IsOnDivider(point)) {
        SetCapture();
        m_bTracking = TRUE;
        m_rectTrackHeader = CRect(point.x, m_rectList.top, point.x + 1, m_rectList.bottom);
        InvertTrackLine();
        return;
    }
    if (m_bDescriptionArea && point.y >= m_rectList.bottom) {
        if (IsOnDescriptionLine(point)) {
            CRect rectClient;
            GetClientRect(rectClient);
            SetCapture();
            m_bTrackingDescr = TRUE;
            m_rectTrackDescr = CRect(rectClient.left, point.y, rectClient.right, point.y + kWTKPropDescrBandHeight);
            InvertTrackLine();
        }
        return;  // elsewhere in the description area: nothing
    }
    int nArea = kWTKPropAreaName;
    CWTKProp* pHit = HitTest(point, &nArea);
    SelectAndShow(pHit);
    if (pHit == nullptr || m_pSel != pHit)
        return;
    switch (nArea) {
    case kWTKPropAreaExpandBox:
        ToggleGroup(pHit);
        break;
    case kWTKPropAreaName:
        pHit->OnClickName(point);
        break;
    case kWTKPropAreaValue:
        if (!pHit->IsEditable() || !EditItem(pHit, &point))
            break;
        if (pHit->m_rectButton.PtInRect(point)) {
            ::ReleaseCapture();
            RunButton(pHit, point, FALSE);
        } else {
            // A newly selected property decides in OnClickValue whether the press goes on.
            pHit->OnClickValue(WM_LBUTTONDOWN, point);
        }
        break;
    default:
        break;
    }
}

void CWTKPropList::OnRButtonDown(UINT /*nFlags*/, CPoint point)
{
    SetFocus();
    int nArea = kWTKPropAreaName;
    CWTKProp* pHit = HitTest(point, &nArea);
    const BOOL bWasSelected = pHit != nullptr && pHit == m_pSel;
    SelectAndShow(pHit);
    if (pHit == nullptr || m_pSel != pHit)
        return;
    if (nArea == kWTKPropAreaName) {
        pHit->OnRClickName(point);
    } else if (nArea == kWTKPropAreaValue) {
        pHit->OnRClickValue(point, !bWasSelected);
        if (bWasSelected && pHit->IsEditable() && EditItem(pHit, &point) && !pHit->m_rectButton.PtInRect(point))
            pHit->OnClickValue(WM_RBUTTONDOWN, point);
    }
}

void CWTKPropList::OnLButtonDblClk(UINT /*nFlags*/, CPoint point)
{
    CWTKProp* pHit = HitTest(point);
    if (pHit == nullptr)
        return;
    if (pHit->IsGroup() && !pHit->HasValue()) {
        ToggleGroup(pHit);
        return;
    }
    if (pHit->IsEditable() && EditItem(pHit, &point)) {
        pHit->OnClickValue(WM_LBUTTONDOWN, point);
        pHit->OnClickValue(WM_LBUTTONUP, point);
    }
    pHit->OnDblClick(point);
}

void CWTKPropList::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    if (m_bTracking) {
        StopTracking();
        MoveDivider(point.x - m_rectList.left);
        return;
    }
    if (m_bTrackingDescr) {
        StopTracking();
        CRect rectClient;
        GetClientRect(rectClient);
        const int y = std::max(static_cast<int>(point.y), m_nRowHeight + m_nHeaderHeight);
        m_nDescrHeight = std::max(rectClient.Height() - y + 2, m_nRowHeight);
        Relayout();
    }
}

void CWTKPropList::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (m_bTracking) {
        InvertTrackLine();
        m_rectTrackHeader.left = point.x;
        m_rectTrackHeader.right = point.x + 1;
        InvertTrackLine();
    } else if (m_bTrackingDescr) {
        CRect rectClient;
        GetClientRect(rectClient);
        const int yMin = rectClient.top + m_nHeaderHeight + m_nRowHeight;
        const int yMax = rectClient.bottom - m_nRowHeight;
        const int y = std::max(yMin, std::min(static_cast<int>(point.y), yMax));
        InvertTrackLine();
        m_rectTrackDescr.top = y;
        m_rectTrackDescr.bottom = y + kWTKPropDescrBandHeight;
        InvertTrackLine();
    }
}

void CWTKPropList::OnCancelMode()
{
    StopTracking();
    CloseEditor();
    CWnd::OnCancelMode();
}

BOOL CWTKPropList::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT) {
        const WTKGlobalData& g = WTKGetGlobalData();
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        if (IsOnDivider(point) && g.hcurStretch) {
            ::SetCursor(g.hcurStretch);
            return TRUE;
        }
        if (m_bDescriptionArea && IsOnDescriptionLine(point) && g.hcurStretchVert) {
            ::SetCursor(g.hcurStretchVert);
            return TRUE;
        }
        if (m_pSel != nullptr && m_pSel->m_rectValue.PtInRect(point) && !m_pSel->m_rectButton.PtInRect(point) &&
            m_pSel->OnSetCursor())
            return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

CWTKProp* CWTKPropList::LastVisibleRow() const
{
    if (m_bAlphabeticMode)
        return m_lstTerminalProps.empty() ? nullptr : m_lstTerminalProps.back();
    if (m_lstProps.empty())
        return nullptr;
    CWTKProp* pProp = m_lstProps.back();
    while (pProp->IsExpanded() && pProp->GetSubItemsCount() > 0)
        pProp = pProp->m_lstSubItems.back();
    return pProp;
}

void CWTKPropList::SelectFirst()
{
    CWTKProp* pFirst = m_bAlphabeticMode ? (m_lstTerminalProps.empty() ? nullptr : m_lstTerminalProps.front())
                                         : (m_lstProps.empty() ? nullptr : m_lstProps.front());
    SetCurSel(pFirst);
    SetScrollPosition(0);
}

void CWTKPropList::SelectLast()
{
    SetCurSel(LastVisibleRow());
    SetScrollPosition(GetScrollUpperBound());
}

void CWTKPropList::MoveSelection(BOOL bDown)
{
    const CRect rect = m_pSel->m_rect;
    const CPoint pt(rect.right - 1, bDown ? rect.bottom + 2 : rect.top - 2);
    if (CWTKProp* pProp = HitTest(pt))
        SelectAndShow(pProp);
}

void CWTKPropList::MovePage(BOOL bDown)
{
    EnsureVisible(m_pSel);
    const CRect rect = m_pSel->m_rect;
    const int nPage = m_nVertScrollPage * m_nRowHeight;
    const CPoint pt(rect.right - 1, bDown ? rect.top + nPage : rect.top - nPage);
    // Every shown row has its rectangle, in view or not: no row there means past the ends.
    CWTKProp* pProp = HitTest(pt);
    if (pProp == nullptr) {
        if (bDown)
            SelectLast();
        else
            SelectFirst();
        return;
    }
    SetCurSel(pProp);
    SetScrollPosition(m_nVertScrollOffset + (bDown ? m_nVertScrollPage : -m_nVertScrollPage));
    EnsureVisible(pProp);
}

void CWTKPropList::OnButtonKey()
{
    // Only an editable property with a button opens it, whichever key asked.
    if (m_pSel == nullptr || !m_pSel->IsEditable() || !m_pSel->HasButton())
        return;
    if (!EditItem(m_pSel))
        return;
    RunButton(m_pSel, CPoint(-1, -1), TRUE);
}

void CWTKPropList::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN && !m_lstProps.empty()) {
        OnButtonKey();
        return;
    }
    CWnd::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CWTKPropList::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_lstProps.empty()) {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    const BOOL bCtrl = IsKeyDown(VK_CONTROL);
    switch (nChar) {
    case VK_F4:
        OnButtonKey();
        return;
    case VK_LEFT:
    case VK_RIGHT:
        if (bCtrl) {
            MoveDivider(m_nLeftColumnWidth + (nChar == VK_LEFT ? -kWTKPropDividerKeyStep : kWTKPropDividerKeyStep));
            return;
        }
        [[fallthrough]];
    case VK_UP:
    case VK_DOWN:
        if (nChar == VK_DOWN && IsKeyDown(VK_MENU)) {
            OnButtonKey();
            return;
        }
        if (m_pSel == nullptr)
            SelectFirst();
        else
            MoveSelection(nChar == VK_DOWN || nChar == VK_RIGHT);
        return;
    case VK_PRIOR:
    case VK_NEXT:
        if (m_pSel == nullptr)
            SelectFirst();
        else
            MovePage(nChar == VK_NEXT);
        return;
    case VK_HOME:
        SelectFirst();
        return;
    case VK_END:
        SelectLast();
        return;
    case VK_ADD:
    case VK_SUBTRACT:
        if (m_pSel != nullptr && m_pSel->GetSubItemsCount() > 0 && (m_pSel->IsExpanded() == (nChar == VK_SUBTRACT)))
            m_pSel->Expand(nChar == VK_ADD);
        return;
    default:
        break;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CWTKPropList::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pSel == nullptr || !m_pSel->IsEditable() || nChar < ' ') {
        CWnd::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    if (EditItem(m_pSel))
        m_pSel->PushChar(nChar);
}

int CWTKPropList::GetScrollUpperBound() const
{
    return std::max(0, m_nVertScrollTotal - m_nVertScrollPage + 1);
}

void CWTKPropList::SetScrollPosition(int nPos)
{
    nPos = std::max(0, std::min(nPos, GetScrollUpperBound()));
    if (nPos == m_nVertScrollOffset)
        return;
    const int nDelta = m_nVertScrollOffset - nPos;
    m_nVertScrollOffset = nPos;
    SetScrollPos(SB_VERT, nPos, TRUE);
    ReposProperties();
    ScrollWindow(0, nDelta * m_nRowHeight, m_rectList, m_rectList);
    InvalidateRow(m_pSel);
    if (m_pSel != nullptr)
        InvalidateRect(m_pSel->m_rect);
}

void CWTKPropList::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (m_pSel != nullptr && m_pSel->m_pWndInPlace != nullptr && pScrollBar != nullptr &&
        pScrollBar->GetSafeHwnd() == m_pSel->m_pWndInPlace->GetSafeHwnd())
        return;
    CloseEditor();
    int nNew = m_nVertScrollOffset;
    switch (nSBCode) {
    case SB_LINEUP:
        nNew--;
        break;
    case SB_LINEDOWN:
        nNew++;
        break;
    case SB_PAGEUP:
        nNew -= m_nVertScrollPage;
        break;
    case SB_PAGEDOWN:
        nNew += m_nVertScrollPage;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        nNew = static_cast<int>(nPos);
        break;
    case SB_TOP:
        nNew = 0;
        break;
    case SB_BOTTOM:
        nNew = m_nVertScrollTotal;
        break;
    default:
        return;
    }
    SetScrollPosition(nNew);
}

BOOL CWTKPropList::OnMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/)
{
    const int nSteps = std::abs(zDelta) / kWTKPropWheelNotch;
    for (int i = 0; i < nSteps; i++)
        OnVScroll(zDelta < 0 ? SB_LINEDOWN : SB_LINEUP, 0, nullptr);
    return TRUE;
}

void CWTKPropList::OnHeaderItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* pHeader = reinterpret_cast<const NMHEADERA*>(pNMHDR);
    *pResult = 0;
    if (pHeader->iItem != 0 || pHeader->pitem == nullptr || !(pHeader->pitem->mask & HDI_WIDTH))
        return;
    m_nLeftColumnWidth = pHeader->pitem->cxy - kWTKPropHeaderNameExtra;
    ReposProperties();
    InvalidateRect(m_rectList);
}

void CWTKPropList::OnHeaderTrack(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* pHeader = reinterpret_cast<const NMHEADERA*>(pNMHDR);
    *pResult = 0;
    if (pHeader->pitem == nullptr)
        return;
    const int x = std::min(static_cast<int>(pHeader->pitem->cxy), m_rectList.Width());
    m_bTracking = TRUE;
    InvertTrackLine();
    m_rectTrackHeader = CRect(x, m_rectList.top, x + 1, m_rectList.bottom);
    InvertTrackLine();
}

void CWTKPropList::OnHeaderEndTrack(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    *pResult = 0;
    StopTracking();
}
