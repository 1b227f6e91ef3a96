// CWTKTasksPane: the layout pass, the layout rectangles, the scroll state and painting.
#include "frames/WTKTasksPane.h"

#include "frames/WTKButton.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKVisualManager.h"

#include "gdi/DC.h"
#include "gdi/MemDC.h"
#include "win/ClientDC.h"

#include <algorithm>

namespace {
constexpr int kBoldWeight = 700;
constexpr int kRegularWeight = 400;

BOOL IsValidWorkArea(const CRect& rect)
{
    return rect.top >= 0 && rect.left >= 0 && rect.top < rect.bottom && rect.left < rect.right;
}
}  // namespace

// ---- Fonts ----

void CWTKTasksPane::CreateFonts()
{
    HFONT hBase = m_hFont != nullptr ? m_hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA lf {};
    ::GetObjectA(hBase, sizeof(lf), &lf);
    m_fontGroups.DeleteObject();
    m_fontTasks.DeleteObject();
    lf.lfWeight = kBoldWeight;
    m_fontGroups.CreateFontIndirect(&lf);
    lf.lfWeight = kRegularWeight;
    lf.lfUnderline = TRUE;
    m_fontTasks.CreateFontIndirect(&lf);
}

LRESULT CWTKTasksPane::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = reinterpret_cast<HFONT>(wParam);
    CreateFonts();
    RecalcLayout(lParam != 0);
    return 0;
}

LRESULT CWTKTasksPane::OnGetFont(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return reinterpret_cast<LRESULT>(m_hFont);
}

int CWTKTasksPane::LineHeight(CDC* pDC)
{
    CFont* pOld = pDC->SelectObject(&m_fontTasks);
    TEXTMETRICA tm {};
    ::GetTextMetricsA(pDC->GetSafeHdc(), &tm);
    pDC->SelectObject(pOld);
    return std::max<int>(m_nRowHeight, tm.tmHeight);
}

int CWTKTasksPane::LineHeight()
{
    CClientDC dc(this);
    return LineHeight(&dc);
}

// ---- The layout pass ----

int CWTKTasksPane::ReposTasks(BOOL bPlace)
{
    if (!::IsWindow(GetSafeHwnd()) || m_lstTaskGroups.IsEmpty() || !IsValidWorkArea(m_rectTasks))
        return 0;
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(&m_fontGroups);

    CRect rect = m_rectTasks;
    rect.DeflateRect(GetMetric(kHorzMargin), GetMetric(kVertMargin));
    m_nLineHeight = LineHeight(&dc);
    const int nTaskSpacing = GetMetric(kTaskSpacing);
    const int nIndent = GetMetric(kTaskIndent);
    const int nGroupSpacing = GetMetric(kGroupSpacing);
    int y = rect.top - m_nLineHeight * m_nVscrollOffset;

    CWTKTasksGroup* pLastGroup = nullptr;
    for (POSITION pos = m_lstTaskGroups.GetHeadPosition(); pos != nullptr;) {
        auto* pGroup = static_cast<CWTKTasksGroup*>(m_lstTaskGroups.GetNext(pos));
        if (pGroup->m_nPage != m_nActivePage)
            continue;
        pLastGroup = pGroup;
        int h = 0;
        if (!pGroup->m_strName.IsEmpty()) {
            dc.SelectObject(&m_fontGroups);
            const int nText = dc.GetTextExtent(pGroup->m_strName).cy;
            h = std::max(GetMetric(kCaptionMinHeight), nText + GetMetric(kCaptionTextOffsetY));
        }
        // An icon taller than the caption stands out above it.
        if (pGroup->m_hIcon != nullptr && pGroup->m_sizeIcon.cx < rect.Width() - h && pGroup->m_sizeIcon.cy > h)
            y += pGroup->m_sizeIcon.cy - h;
        const CRect rectCaption(rect.left, y, rect.right, y + h);
        if (bPlace)
            pGroup->m_rect = rectCaption;
        y = rectCaption.bottom;

        const BOOL bAnimated = pGroup == m_pAnimatedGroup && m_nAnimatedHeight > 0;
        if (m_bCanCollapse && pGroup->m_bIsCollapsed && !pGroup->m_strName.IsEmpty() && !bAnimated) {
            if (bPlace) {
                pGroup->m_rectGroup = CRect(rect.left, y - 1, rect.right, y - 1);
                for (POSITION posTask = pGroup->m_lstTasks.GetHeadPosition(); posTask != nullptr;) {
                    auto* pTask = static_cast<CWTKTask*>(pGroup->m_lstTasks.GetNext(posTask));
                    if (pTask->m_hwndTask == nullptr)
                        pTask->m_rect.SetRectEmpty();
                }
            }
        } else {
            y += nTaskSpacing;
            const int nCut = pGroup == m_pAnimatedGroup
                ? (m_nAnimatedHeight < 0 ? rectCaption.bottom : rectCaption.bottom + m_nAnimatedHeight)
                : INT_MAX;
            dc.SelectObject(&m_fontTasks);
            for (POSITION posTask = pGroup->m_lstTasks.GetHeadPosition(); posTask != nullptr;) {
                auto* pTask = static_cast<CWTKTask*>(pGroup->m_lstTasks.GetNext(posTask));
                CRect rectTask;
                if (pTask->m_hwndTask != nullptr) {
                    const int nWindowHeight = pTask->m_bVisible ? pTask->m_nWindowHeight : 0;
                    rectTask = CRect(rect.left + nIndent, std::max<int>(y, m_rectTasks.top + 1), rect.right - nIndent,
                                     std::min<int>(y + nWindowHeight, m_rectTasks.bottom - 1));
                    y += nTaskSpacing + pTask->m_nWindowHeight;
                } else if (!pTask->m_bVisible) {
                    rectTask.SetRectEmpty();
                } else {
                    const int nText = dc.GetTextExtent(pTask->m_strName.IsEmpty() ? CString(" ") : pTask->m_strName).cy;
                    const int nHeight = std::max(m_nRowHeight, nText);
                    const int nRight = std::max<int>(rect.right - nIndent, rect.left + nIndent);
                    rectTask = CRect(rect.left + nIndent, y, nRight, y + nHeight);
                    y += nHeight + nTaskSpacing;
                }
                if (y > nCut) {
                    y = nCut;
                    rectTask.bottom = std::max<int>(rectTask.top, y - 1);
                }
                if (bPlace)
                    pTask->m_rect = rectTask;
            }
        }
        if (bPlace)
            pGroup->m_rectGroup = CRect(rect.left, rectCaption.bottom, rect.right, y);
        y += nGroupSpacing;
    }
    dc.SelectObject(pOldFont);

    if (bPlace && pLastGroup != nullptr && pLastGroup->m_bIsBottom && m_nVscrollTotal <= 0) {
        BOOL bAnyVisible = FALSE;
        for (POSITION posTask = pLastGroup->m_lstTasks.GetHeadPosition(); posTask != nullptr;)
            bAnyVisible |= static_cast<CWTKTask*>(pLastGroup->m_lstTasks.GetNext(posTask))->m_bVisible;
        const int nShift = rect.bottom - pLastGroup->m_rectGroup.bottom;
        if (bAnyVisible && nShift >= 1) {
            pLastGroup->m_rect.OffsetRect(0, nShift);
            pLastGroup->m_rectGroup.OffsetRect(0, nShift);
            for (POSITION posTask = pLastGroup->m_lstTasks.GetHeadPosition(); posTask != nullptr;)
                static_cast<CWTKTask*>(pLastGroup->m_lstTasks.GetNext(posTask))->m_rect.OffsetRect(0, nShift);
        }
    }
    if (bPlace) {
        for (POSITION pos = m_lstTaskGroups.GetHeadPosition(); pos != nullptr;) {
            auto* pGroup = static_cast<CWTKTasksGroup*>(m_lstTaskGroups.GetNext(pos));
            if (pGroup->m_nPage != m_nActivePage)
                continue;
            const BOOL bOpen =
                !pGroup->m_bIsCollapsed || !m_bCanCollapse || pGroup->m_strName.IsEmpty() || pGroup == m_pAnimatedGroup;
            for (POSITION posTask = pGroup->m_lstTasks.GetHeadPosition(); posTask != nullptr;) {
                auto* pTask = static_cast<CWTKTask*>(pGroup->m_lstTasks.GetNext(posTask));
                if (pTask->m_hwndTask == nullptr || !::IsWindow(pTask->m_hwndTask))
                    continue;
                const CRect& r = pTask->m_rect;
                if (bOpen && pTask->m_bVisible && !r.IsRectEmpty()) {
                    ::SetWindowPos(pTask->m_hwndTask, nullptr, r.left, r.top, r.Width(), r.Height(),
                                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
                } else {
                    ::ShowWindow(pTask->m_hwndTask, SW_HIDE);
                }
            }
        }
    }
    return y + m_nLineHeight * m_nVscrollOffset + GetMetric(kVertMargin) - nTaskSpacing - nGroupSpacing;
}

// ---- Layout rectangles ----

BOOL CWTKTasksPane::ShowsNavigationToolbar() const
{
    return GetPageCount() > 1 && (m_bUseNavigationToolbar || !m_bHasCaption);
}

void CWTKTasksPane::AdjustLocations()
{
    CWTKOutlookBar::AdjustLocations();
    if (m_wndToolBar.GetSafeHwnd() != nullptr)
        RecalcLayout(FALSE);
}

void CWTKTasksPane::RecalcLayout(BOOL bRedraw)
{
    if (!::IsWindow(GetSafeHwnd()) || m_wndToolBar.GetSafeHwnd() == nullptr)
        return;
    CRect rectArea = m_rectPageArea;
    const CRect rectToolbarOld = m_rectToolbar;
    const CRect rectUpOld = m_rectScrollUp;
    const CRect rectDnOld = m_rectScrollDn;
    if (ShowsNavigationToolbar()) {
        const CSize size = m_wndToolBar.CalcFixedLayout(FALSE, TRUE);
        m_rectToolbar = CRect(rectArea.left, rectArea.top, rectArea.right, rectArea.top + size.cy);
        m_wndToolBar.SetWindowPos(nullptr, m_rectToolbar.left, m_rectToolbar.top, m_rectToolbar.Width(),
                                  m_rectToolbar.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        rectArea.top = m_rectToolbar.bottom;
    } else {
        m_rectToolbar.SetRectEmpty();
        m_wndToolBar.ShowWindow(SW_HIDE);
    }
    // The caption's own navigation buttons stand in the caption strip when there is one.
    const BOOL bCaptionButtons = !m_rectCaption.IsRectEmpty() && GetPageCount() > 1 && !m_bUseNavigationToolbar;
    int xRight = m_rectCaption.right - m_rectCaption.Height();
    for (CWTKButton* pButton : {m_pPagesButton, m_pForwardButton, m_pBackButton}) {
        if (pButton == nullptr || pButton->GetSafeHwnd() == nullptr)
            continue;
        const int nSize = m_rectCaption.Height() - 2;
        pButton->SetWindowPos(nullptr, xRight - nSize, m_rectCaption.top + 1, nSize, nSize,
                              SWP_NOZORDER | SWP_NOACTIVATE | (bCaptionButtons ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        xRight -= nSize;
    }
    m_rectTasks = rectArea;

    UpdateScrollState();
    const BOOL bScrollBar = !m_bScrollButtons && m_nVscrollTotal > 0;
    if (bScrollBar) {
        const int cx = ::GetSystemMetrics(SM_CXHSCROLL);
        m_wndScrollVert.SetWindowPos(nullptr, m_rectTasks.right - cx, m_rectTasks.top, cx, m_rectTasks.Height(),
                                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        m_rectTasks.right -= cx;
    } else {
        m_wndScrollVert.ShowWindow(SW_HIDE);
    }
    m_rectScrollUp.SetRectEmpty();
    m_rectScrollDn.SetRectEmpty();
    if (m_bScrollButtons) {
        if (m_nVscrollOffset > 0) {
            m_rectScrollUp = CRect(m_rectTasks.left, m_rectTasks.top + 1, m_rectTasks.right,
                                   m_rectTasks.top + 1 + m_nScrollAreaHeight);
            m_rectTasks.top = m_rectScrollUp.bottom;
        }
        if (m_nVscrollTotal > 0 && m_nVscrollOffset <= m_nVscrollTotal - m_nViewLines) {
            m_rectScrollDn = CRect(m_rectTasks.left, m_rectTasks.bottom - m_nScrollAreaHeight, m_rectTasks.right,
                                   m_rectTasks.bottom);
            m_rectTasks.bottom = m_rectScrollDn.top - 1;
        }
    } else if (m_iScrollMode != 0) {
        KillTimer(kScrollAreaTimer);
        m_iScrollMode = 0;
    }
    ReposTasks(TRUE);
    if (rectToolbarOld != m_rectToolbar || rectUpOld != m_rectScrollUp || rectDnOld != m_rectScrollDn) {
        InvalidateRect(rectToolbarOld);
        InvalidateRect(m_rectToolbar);
        InvalidateRect(rectUpOld);
        InvalidateRect(m_rectScrollUp);
        InvalidateRect(rectDnOld);
        InvalidateRect(m_rectScrollDn);
    }
    if (bRedraw)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void CWTKTasksPane::UpdateScrollState()
{
    m_nLineHeight = LineHeight();
    if (m_nLineHeight > 0) {
        int nHeight = m_rectTasks.Height();
        if (m_bScrollButtons)
            nHeight -= m_nScrollAreaHeight + 1;
        m_nViewLines = std::max(0, nHeight / m_nLineHeight - 1);
        const int nContent = ReposTasks(FALSE);
        if (nContent > 0 && nContent > m_rectTasks.Height()) {
            m_nVscrollTotal = nContent / m_nLineHeight - 1;
        } else {
            m_nViewLines = 0;
            m_nVscrollTotal = 0;
            m_nVscrollOffset = 0;
        }
    }
    m_nVscrollOffset = std::clamp(m_nVscrollOffset, 0, std::max(0, m_nVscrollTotal - m_nViewLines + 1));
    if (m_wndScrollVert.GetSafeHwnd() == nullptr)
        return;
    if (!m_bScrollButtons) {
        SCROLLINFO si {};
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = m_nVscrollTotal;
        si.nPage = static_cast<UINT>(m_nViewLines);
        si.nPos = m_nVscrollOffset;
        m_wndScrollVert.SetScrollInfo(&si, TRUE);
    }
    const BOOL bDisable = m_bScrollButtons || m_nVscrollTotal <= 0;
    ::EnableScrollBar(m_wndScrollVert.GetSafeHwnd(), SB_CTL, bDisable ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
}

void CWTKTasksPane::ScrollTo(int nLine)
{
    const int nNew = std::clamp(nLine, 0, std::max(0, m_nVscrollTotal - m_nViewLines + 1));
    if (nNew == m_nVscrollOffset)
        return;
    m_nVscrollOffset = nNew;
    if (!m_bScrollButtons)
        m_wndScrollVert.SetScrollPos(m_nVscrollOffset);
    RecalcLayout(FALSE);
    RedrawWindow(nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE);
}

void CWTKTasksPane::OnSize(UINT nType, int cx, int cy)
{
    CWTKOutlookBar::OnSize(nType, cx, cy);
    RecalcLayout();
}

void CWTKTasksPane::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    CWTKToolBar::OnSettingChange(uFlags, lpszSection);
    RecalcLayout();
}

// ---- Painting ----

void CWTKTasksPane::DoPaint(CDC* pDCPaint)
{
    CRect rectClient;
    GetClientRect(rectClient);
    CMemDC memDC(pDCPaint, rectClient);
    CDC* pDC = &memDC;
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    pLook->OnFillBarBackground(pDC, this, rectClient, rectClient);
    pLook->OnFillTasksPaneBackground(pDC, m_rectPageArea);
    DrawCaptionStrip(pDC);

    const int nSaved = pDC->SaveDC();
    CRect rectClip = m_rectPageArea;
    rectClip.top = m_rectToolbar.IsRectEmpty() ? rectClip.top : m_rectToolbar.bottom;
    pDC->IntersectClipRect(rectClip);
    pDC->SetBkMode(TRANSPARENT);
    DrawGroups(pDC);
    pDC->RestoreDC(nSaved);

    if (!m_rectScrollUp.IsRectEmpty())
        pLook->OnDrawScrollButton(pDC, m_rectScrollUp, 0, CWTKMenuGlyphs::kArrowUp, m_iScrollMode < 0);
    if (!m_rectScrollDn.IsRectEmpty())
        pLook->OnDrawScrollButton(pDC, m_rectScrollDn, 0, CWTKMenuGlyphs::kArrowDown, m_iScrollMode > 0);
}

void CWTKTasksPane::DrawGroups(CDC* pDC)
{
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    HIMAGELIST hIcons = m_lstIcons.GetSafeHandle();
    for (POSITION pos = m_lstTaskGroups.GetHeadPosition(); pos != nullptr;) {
        auto* pGroup = static_cast<CWTKTasksGroup*>(m_lstTaskGroups.GetNext(pos));
        if (pGroup->m_nPage != m_nActivePage)
            continue;
        const BOOL bOpen = !pGroup->m_rectGroup.IsRectEmpty();
        if (bOpen) {
            pLook->OnFillTasksGroupInterior(pDC, pGroup->m_rectGroup);
            pLook->OnDrawTasksGroupAreaBorder(pDC, pGroup->m_rectGroup, pGroup->m_bIsSpecial);
        }
        if (!pGroup->m_strName.IsEmpty()) {
            CFont* pOld = pDC->SelectObject(&m_fontGroups);
            pLook->OnDrawTasksGroupCaption(pDC, pGroup, pGroup == m_pHotGroupCaption, FALSE, m_bCanCollapse);
            pDC->SelectObject(pOld);
        }
        if (!bOpen)
            continue;
        for (POSITION posTask = pGroup->m_lstTasks.GetHeadPosition(); posTask != nullptr;) {
            auto* pTask = static_cast<CWTKTask*>(pGroup->m_lstTasks.GetNext(posTask));
            if (pTask->m_hwndTask != nullptr || !pTask->m_bVisible || pTask->m_rect.IsRectEmpty())
                continue;
            pLook->OnDrawTask(pDC, pTask, hIcons, pTask == m_pHotTask);
        }
    }
}
