#include "bars/DockBar.h"
#include "bars/DockContext.h"
#include "bars/DockState.h"
#include "bars/MiniDockFrameWnd.h"
#include "gdi/DC.h"

#include <algorithm>
#include <set>
#include <vector>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
END_MESSAGE_MAP()

namespace {
// Neighbours in a row overlap by this much, so that their borders do not double.
constexpr int kBarOverlap = 2;

// Coordinates along and across a dock bar's rows.
int Along(const CRect& r, BOOL bHorz)
{
    return bHorz ? r.left : r.top;
}
int Across(const CRect& r, BOOL bHorz)
{
    return bHorz ? r.top : r.left;
}
int LengthAlong(const CSize& s, BOOL bHorz)
{
    return bHorz ? s.cx : s.cy;
}
int LengthAcross(const CSize& s, BOOL bHorz)
{
    return bHorz ? s.cy : s.cx;
}
}  // namespace

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating)
{
    m_bDockBar = TRUE;
    m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
    m_arrBars.Add(nullptr);
}

CDockBar::~CDockBar()
{
    // Bars still listed outlive this dock bar only as objects; they no longer sit here.
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
        auto* pBar = static_cast<CControlBar*>(m_arrBars[i]);
        if (pBar && pBar->m_pDockBar == this)
            pBar->m_pDockBar = nullptr;
    }
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateBar(nullptr, nullptr, dwStyle | WS_CHILD, pParentWnd, nID);
}

// ---- The array ----

int CDockBar::FindBar(CControlBar* pBar, int nPosExclude) const
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
        if (i != nPosExclude && m_arrBars[i] == pBar)
            return (int)i;
    }
    return -1;
}

int CDockBar::GetRowEnd(int nPos) const
{
    int n = nPos + 1;
    while (n < m_arrBars.GetSize() && m_arrBars[n])
        ++n;
    return n;
}

int CDockBar::GetDockedCount() const
{
    int nCount = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        nCount += m_arrBars[i] != nullptr;
    return nCount;
}

int CDockBar::GetDockedVisibleCount() const
{
    int nCount = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
        auto* pBar = static_cast<CControlBar*>(m_arrBars[i]);
        nCount += pBar && pBar->IsVisible();
    }
    return nCount;
}

void CDockBar::CompactRows()
{
    // Keep one leading and one trailing null, and no two nulls in a row.
    for (INT_PTR i = m_arrBars.GetSize() - 1; i > 0; --i) {
        if (!m_arrBars[i] && !m_arrBars[i - 1])
            m_arrBars.RemoveAt(i);
    }
    if (m_arrBars.IsEmpty() || m_arrBars[0])
        m_arrBars.InsertAt(0, (void*)nullptr);
    if (m_arrBars[m_arrBars.GetUpperBound()])
        m_arrBars.Add(nullptr);
}

int CDockBar::Insert(CControlBar*, CRect rect)
{
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    const int nMid = bHorz ? (rect.top + rect.bottom) / 2 : (rect.left + rect.right) / 2;
    const int nStart = Along(rect, bHorz);
    // Walk the rows: the first row whose span holds the middle takes the bar.
    int nRowStart = 0;
    while (nRowStart < m_arrBars.GetUpperBound()) {
        const int nRowEnd = GetRowEnd(nRowStart);
        int nLow = INT_MAX, nHigh = INT_MIN;
        for (int i = nRowStart + 1; i < nRowEnd; ++i) {
            auto* pBar = static_cast<CControlBar*>(m_arrBars[i]);
            if (!pBar->IsVisible())
                continue;
            CRect r;
            pBar->GetWindowRect(&r);
            ScreenToClient(&r);
            nLow = std::min<int>(nLow, Across(r, bHorz));
            nHigh = std::max<int>(nHigh, bHorz ? r.bottom : r.right);
        }
        if (nLow != INT_MAX && nMid < nLow) {
            // Before this row: a row of its own.
            m_arrBars.InsertAt(nRowStart + 1, (void*)nullptr);
            return nRowStart + 1;
        }
        if (nLow != INT_MAX && nMid < nHigh) {
            int nPos = nRowStart + 1;
            while (nPos < nRowEnd) {
                CRect r;
                static_cast<CControlBar*>(m_arrBars[nPos])->GetWindowRect(&r);
                ScreenToClient(&r);
                if (Along(r, bHorz) > nStart)
                    break;
                ++nPos;
            }
            return nPos;
        }
        nRowStart = nRowEnd;
    }
    // After every row: a new last row.
    m_arrBars.Add(nullptr);
    return (int)m_arrBars.GetUpperBound();
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    CRect rect;
    if (lpRect) {
        rect = *lpRect;
        ScreenToClient(&rect);
    }
    int nPos = FindBar(pBar);
    if (nPos > 0) {
        m_arrBars.RemoveAt(nPos);
        CompactRows();
    }
    CPoint ptPlaceholder;
    int nPlaceholder = -1;
    if (lpRect)
        ErasePlaceholder((UINT)pBar->GetDlgCtrlID());
    else
        nPlaceholder = TakePlaceholder(pBar, ptPlaceholder);
    if (!lpRect && nPlaceholder > 0) {
        nPos = nPlaceholder;
    } else if (lpRect) {
        nPos = Insert(pBar, rect);
    } else {
        // At the end of the last row (a first row when there is none).
        nPos = (int)m_arrBars.GetUpperBound();
        if (nPos == 0) {
            m_arrBars.Add(nullptr);
            nPos = 1;
        }
    }
    m_arrBars.InsertAt(nPos, pBar);
    CompactRows();
    pBar->m_pDockBar = this;
    if (::GetParent(pBar->m_hWnd) != m_hWnd)
        pBar->SetParent(this);
    // The layout starts from the bar's position: the drop point, or the row's start.
    CPoint pt = lpRect ? rect.TopLeft() : CPoint(0, 0);
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    if (!lpRect && nPlaceholder > 0) {
        pt = ptPlaceholder;
    } else if (!lpRect && nPos > 1 && m_arrBars[nPos - 1]) {
        // After the bar before it in the row.
        CRect r;
        static_cast<CControlBar*>(m_arrBars[nPos - 1])->GetWindowRect(&r);
        ScreenToClient(&r);
        pt = bHorz ? CPoint(r.right, r.top) : CPoint(r.left, r.bottom);
    }
    pBar->SetWindowPos(nullptr, std::max<int>(0, pt.x), std::max<int>(0, pt.y), 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    if (m_bFloating)
        UpdateFloatingCaption();
}

BOOL CDockBar::HasPlaceholder(UINT nBarID) const
{
    for (const Placeholder& p : m_placeholders) {
        if (p.nBarID == nBarID)
            return TRUE;
    }
    return FALSE;
}

void CDockBar::AddPlaceholder(CControlBar* pBar)
{
    const int nPos = FindBar(pBar);
    if (nPos <= 0 || m_bFloating)
        return;
    Placeholder p = {(UINT)pBar->GetDlgCtrlID(), 0, 0, FALSE, CPoint(0, 0)};
    int nRowStart = 0;
    for (int i = 1; i < nPos; ++i) {
        if (!m_arrBars[i]) {
            ++p.nRow;
            nRowStart = i;
        }
    }
    p.nPosInRow = nPos - nRowStart - 1;
    p.bOwnRow = GetRowEnd(nRowStart) - nRowStart == 2;
    CRect rect;
    pBar->GetWindowRect(&rect);
    ScreenToClient(&rect);
    p.ptPos = rect.TopLeft();
    ErasePlaceholder(p.nBarID);  // one per bar
    m_placeholders.push_back(p);
}

void CDockBar::ErasePlaceholder(UINT nBarID)
{
    m_placeholders.erase(std::remove_if(m_placeholders.begin(), m_placeholders.end(),
                                        [nBarID](const Placeholder& p) { return p.nBarID == nBarID; }),
                         m_placeholders.end());
}

int CDockBar::TakePlaceholder(CControlBar* pBar, CPoint& ptPos)
{
    const UINT nID = (UINT)pBar->GetDlgCtrlID();
    auto it = std::find_if(m_placeholders.begin(), m_placeholders.end(),
                           [nID](const Placeholder& p) { return p.nBarID == nID; });
    if (it == m_placeholders.end())
        return -1;
    const Placeholder p = *it;
    m_placeholders.erase(it);
    ptPos = p.ptPos;
    // The start of row p.nRow, or the trailing null when there are fewer rows.
    int nRowStart = 0;
    for (int nRow = 0; nRow < p.nRow && nRowStart < m_arrBars.GetUpperBound(); ++nRow)
        nRowStart = GetRowEnd(nRowStart);
    if (p.bOwnRow || nRowStart >= m_arrBars.GetUpperBound()) {
        // A row of its own again, before the row that has its number now.
        m_arrBars.InsertAt(nRowStart + 1, (void*)nullptr);
        return nRowStart + 1;
    }
    return std::min<int>(nRowStart + 1 + p.nPosInRow, GetRowEnd(nRowStart));
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar)
{
    int nPos = FindBar(pBar);
    if (nPos <= 0)
        return FALSE;
    m_arrBars.RemoveAt(nPos);
    CompactRows();
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = nullptr;
    if (m_bFloating) {
        // The floating frame goes out of sight with its last bar; the frame's next layout
        // destroys it.
        CWnd* pFrame = GetParent();
        if (GetDockedCount() == 0 && pFrame && pFrame->m_hWnd)
            pFrame->ShowWindow(SW_HIDE);
        else
            UpdateFloatingCaption();
    } else if (m_pDockSite) {
        m_pDockSite->DelayRecalcLayout();
    }
    return TRUE;
}

void CDockBar::UpdateFloatingCaption()
{
    CWnd* pFrame = GetParent();
    if (!pFrame || !pFrame->m_hWnd)
        return;
    CString strTitle;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
        if (auto* pBar = static_cast<CControlBar*>(m_arrBars[i])) {
            pBar->GetWindowText(strTitle);
            break;
        }
    }
    SetWindowText(strTitle);
    CString strOld;
    pFrame->GetWindowText(strOld);
    if (strOld != strTitle)
        pFrame->SetWindowText(strTitle);
}

// ---- Layout ----

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // Rows run along the dock bar; a floating dock bar lays its bars out as its style says.
    const BOOL bRowsHorz = m_bFloating ? (m_dwStyle & CBRS_ORIENT_HORZ) != 0 : bHorz;
    const int nLength =
        m_bFloating ? 32767 : std::max<int>(0, bRowsHorz ? m_rectLayout.Width() : m_rectLayout.Height());
    HDWP hDWP = m_bLayoutQuery ? nullptr : ::BeginDeferWindowPos((int)m_arrBars.GetSize());
    int nRowTop = 0, nMaxAlong = 0;
    for (int nRowStart = 0; nRowStart < m_arrBars.GetUpperBound();) {
        const int nRowEnd = GetRowEnd(nRowStart);
        int nNext = 0, nThickness = 0;
        for (int i = nRowStart + 1; i < nRowEnd; ++i) {
            auto* pBar = static_cast<CControlBar*>(m_arrBars[i]);
            if (!pBar->IsVisible())
                continue;
            CSize size;
            if (m_bFloating) {
                const BOOL bBarHorz = (pBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0;
                size = (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) ? pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH)
                                                             : pBar->CalcFixedLayout(FALSE, bBarHorz);
            } else {
                size = (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
                    ? pBar->CalcDynamicLayout(-1, bRowsHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK)
                    : pBar->CalcFixedLayout(FALSE, bRowsHorz);
            }
            CRect rectOld;
            pBar->GetWindowRect(&rectOld);
            ScreenToClient(&rectOld);
            // From its remembered place: pushed on past the bar before it, pulled back inside.
            int nAlong = m_bFloating ? nNext : std::max<int>(Along(rectOld, bRowsHorz), nNext);
            if (!m_bFloating && nAlong + LengthAlong(size, bRowsHorz) > nLength)
                nAlong = std::max<int>(nNext, nLength - LengthAlong(size, bRowsHorz));
            CRect rect = bRowsHorz ? CRect(CPoint(nAlong, nRowTop), size) : CRect(CPoint(nRowTop, nAlong), size);
            if (hDWP && rect != rectOld)
                hDWP = ::DeferWindowPos(hDWP, pBar->m_hWnd, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                        SWP_NOZORDER | SWP_NOACTIVATE);
            nNext = nAlong + LengthAlong(size, bRowsHorz) - (m_bFloating ? 0 : kBarOverlap);
            nThickness = std::max<int>(nThickness, LengthAcross(size, bRowsHorz));
            nMaxAlong = std::max<int>(nMaxAlong, nAlong + LengthAlong(size, bRowsHorz));
        }
        nRowTop += nThickness;
        nRowStart = nRowEnd;
    }
    if (hDWP)
        ::EndDeferWindowPos(hDWP);
    const int nAlongSize = (bStretch && !m_bFloating) ? 32767 : nMaxAlong;
    return bRowsHorz ? CSize(nAlongSize, nRowTop) : CSize(nRowTop, nAlongSize);
}

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    // Floating frames left empty by a bar that docked go at idle, outside any drag.
    if (!m_bFloating && GetDlgCtrlID() == FW_IDW_DOCKBAR_TOP && m_pDockSite)
        CMiniDockFrameWnd::DestroyEmptyFrames(m_pDockSite);
}

void CDockBar::DoPaint(CDC*) {}

// ---- State ----

BOOL CDockBar::GetBarInfo(CControlBarInfo* pInfo)
{
    CControlBar::GetBarInfo(pInfo);
    pInfo->m_bFloating = m_bFloating;
    pInfo->m_bVisible = GetDockedVisibleCount() > 0;
    if (m_bFloating) {
        CRect rect;
        GetParent()->GetWindowRect(&rect);
        pInfo->m_pointPos = rect.TopLeft();
    }
    pInfo->m_arrBarID.RemoveAll();
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
        auto* pBar = static_cast<CControlBar*>(m_arrBars[i]);
        pInfo->m_arrBarID.Add(pBar ? (DWORD)pBar->GetDlgCtrlID() : 0);
    }
    return TRUE;
}

void CDockBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd)
{
    if (!pFrameWnd)
        return;
    std::vector<void*> placed;
    std::set<CControlBar*> seen;
    placed.push_back(nullptr);
    for (INT_PTR i = 0; i < pInfo->m_arrBarID.GetSize(); ++i) {
        const UINT nID = pInfo->m_arrBarID[i];
        if (nID == 0) {
            if (placed.back())
                placed.push_back(nullptr);
            continue;
        }
        CControlBar* pBar = pFrameWnd->GetControlBar(nID);
        // Only bars that dock: never a dock bar, nor a bar the frame lays out by itself.
        if (!pBar || pBar->IsDockBar() || (!pBar->m_pDockContext && !pBar->m_pDockBar) || !seen.insert(pBar).second)
            continue;
        if (pBar->m_pDockBar && pBar->m_pDockBar != this)
            pBar->m_pDockBar->RemoveControlBar(pBar);
        placed.push_back(pBar);
    }
    if (placed.back())
        placed.push_back(nullptr);
    // Bars here that the record does not list keep their own row at the end.
    BOOL bRowOpen = FALSE;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
        auto* pBar = static_cast<CControlBar*>(m_arrBars[i]);
        if (pBar && !seen.count(pBar)) {
            placed.push_back(pBar);
            bRowOpen = TRUE;
        }
    }
    if (bRowOpen)
        placed.push_back(nullptr);
    m_arrBars.RemoveAll();
    for (void* p : placed)
        m_arrBars.Add(p);
    CompactRows();
    // The listed bars take this side's orientation and this dock bar as their parent.
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
        auto* pBar = static_cast<CControlBar*>(m_arrBars[i]);
        if (!pBar)
            continue;
        pBar->m_pDockBar = this;
        DWORD dwNew = (pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (m_dwStyle & CBRS_ALIGN_ANY) |
            (m_bFloating ? CBRS_FLOATING : 0);
        pBar->SetBarStyle(dwNew);
        if (::GetParent(pBar->m_hWnd) != m_hWnd)
            pBar->SetParent(this);
    }
    if (m_bFloating)
        UpdateFloatingCaption();
}
