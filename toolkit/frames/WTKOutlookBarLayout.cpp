// CWTKOutlookBar: the caption and resize strips, the page caption buttons, the shortcut buttons
// of the active page, scrolling and the page switch.
#include "frames/WTKOutlookBar.h"

#include "frames/WTKButton.h"
#include "frames/WTKOutlookBarPageButton.h"

#include "foundation/WTKGlobalData.h"

#include "bars/DockBar.h"
#include "docview/FrameWnd.h"
#include "gdi/DC.h"
#include "gdi/DCStateGuard.h"
#include "win/ClientDC.h"

#include <algorithm>

namespace {
// Room above and beside a page caption's text.
constexpr int kPageCaptionTextMargin = 8;
constexpr int kPageCaptionMinHeight = 20;
// Between the shortcut buttons and round them.
constexpr int kButtonSpacing = 4;
constexpr int kScrollButtonMargin = 2;
constexpr int kScrollButtonImagePadding = 2;
constexpr int kCaptionStripExtra = 5;
constexpr int kCaptionResizeInset = 4;
constexpr DWORD kStyleCaptionAtFarEnd = 0x8200;  // bottom docked or border at the top
constexpr DWORD kStyleCaptionNearEnd = 0x1400;   // left docked or border at the right
constexpr DWORD kStyleResizeAtBottom = 0x2800;   // top docked or border at the bottom
constexpr DWORD kStyleWorkShiftRight = 0x4100;   // right docked or border at the left
constexpr UINT kAnimationStepMs = 10;

int TextHeight()
{
    return WTKGetGlobalData().nTextHeightHorz;
}
}  // namespace

// ---- Strips ----

void CWTKOutlookBar::RecalcCaptionStrip()
{
    m_rectCaption.SetRectEmpty();
    if (!m_bHasCaption)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rect(1, 1, rectClient.Width() - 2, rectClient.Height() - 2);
    const int nExtent = TextHeight() + kCaptionStripExtra;
    if (IsHorizontalBar()) {
        rect.right = nExtent;
        if (m_bResizable) {
            if (m_dwStyle & kStyleCaptionAtFarEnd)
                rect.top = kCaptionResizeInset;
            else
                rect.bottom = rectClient.Height() - kCaptionStripExtra;
        }
    } else {
        rect.bottom = nExtent;
        if (m_bResizable) {
            if (m_dwStyle & kStyleCaptionNearEnd)
                rect.right = rectClient.Width() - kCaptionStripExtra;
            else
                rect.left = kCaptionResizeInset;
        }
    }
    if (rect.Width() > rectClient.Width() || rect.Height() > rectClient.Height() || rect.IsRectEmpty())
        rect.SetRectEmpty();
    m_rectCaption = rect;
}

void CWTKOutlookBar::RecalcResizeStrip()
{
    m_rectResize.SetRectEmpty();
    if (!m_bResizable)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rect = rectClient;
    if (IsHorizontalBar()) {
        if (m_dwStyle & kStyleResizeAtBottom)
            rect.top = rect.bottom - kResizeStripWidth;
        else
            rect.bottom = rect.top + kResizeStripWidth;
    } else {
        if (m_dwStyle & kStyleCaptionNearEnd)
            rect.left = rect.right - kResizeStripWidth;
        else
            rect.right = rect.left + kResizeStripWidth;
    }
    m_rectResize = rect;
}

CRect CWTKOutlookBar::GetWorkArea() const
{
    CRect rect;
    GetClientRect(rect);
    if (IsHorizontalBar()) {
        if (!m_rectCaption.IsRectEmpty())
            rect.left = m_rectCaption.right;
        if (m_bResizable) {
            if (m_dwStyle & kStyleResizeAtBottom)
                rect.bottom -= kResizeStripWidth;
            else
                rect.top += kResizeStripWidth;
        }
    } else {
        if (!m_rectCaption.IsRectEmpty())
            rect.top = m_rectCaption.bottom;
        if (m_bResizable) {
            if (m_dwStyle & kStyleWorkShiftRight)
                rect.left += kResizeStripWidth;
            else
                rect.right -= kResizeStripWidth;
        }
    }
    return rect;
}

// ---- Placing ----

int CWTKOutlookBar::PageCaptionHeight() const
{
    return std::max(TextHeight() + kPageCaptionTextMargin, kPageCaptionMinHeight);
}

void CWTKOutlookBar::AdjustLocations()
{
    if (!::IsWindow(GetSafeHwnd()))
        return;
    RecalcCaptionStrip();
    RecalcResizeStrip();
    PlacePageButtons();
    PlaceShortcutButtons();
    PlaceScrollButtons();
    if (m_pCloseButton != nullptr && m_pCloseButton->GetSafeHwnd() != nullptr) {
        if (m_rectCaption.IsRectEmpty()) {
            m_pCloseButton->ShowWindow(SW_HIDE);
        } else {
            const int nSize = std::min(m_rectCaption.Width(), m_rectCaption.Height()) - 2;
            const CRect rect(m_rectCaption.right - nSize - 1, m_rectCaption.top + 1, m_rectCaption.right - 1,
                             m_rectCaption.top + 1 + nSize);
            m_pCloseButton->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        }
    }
    RebuildMnemonics();
}

void CWTKOutlookBar::PlacePageButtons()
{
    const CRect rectWork = GetWorkArea();
    const int nHeight = PageCaptionHeight();
    const BOOL bHorz = IsHorizontalBar();
    CRect rectArea = rectWork;
    int iActive = 0;
    int i = 0;
    for (POSITION pos = m_lstPages.GetHeadPosition(); pos != nullptr; i++) {
        if (static_cast<CWTKOutlookBarPage*>(m_lstPages.GetNext(pos))->m_uiID == m_uiActivePageID)
            iActive = i;
    }
    const int nPages = GetPageCount();
    CClientDC dc(this);
    const CDCStateGuard state(&dc);
    dc.SelectObject(&WTKGetGlobalData().fontRegular);
    int x = rectWork.left;
    i = 0;
    for (POSITION pos = m_lstPages.GetHeadPosition(); pos != nullptr; i++) {
        auto* pPage = static_cast<CWTKOutlookBarPage*>(m_lstPages.GetNext(pos));
        CRect rect;
        if (bHorz) {
            // A horizontal bar heads its work area with one row of page captions.
            const int nWidth = dc.GetTextExtent(pPage->m_strName).cx + 2 * kPageCaptionTextMargin;
            rect = CRect(x, rectWork.top, x + nWidth, rectWork.top + nHeight);
            x = rect.right;
        } else if (i <= iActive) {
            rect = CRect(rectWork.left, rectWork.top + i * nHeight, rectWork.right, rectWork.top + (i + 1) * nHeight);
        } else {
            const int nBelow = nPages - i;
            rect = CRect(rectWork.left, rectWork.bottom - nBelow * nHeight, rectWork.right,
                         rectWork.bottom - (nBelow - 1) * nHeight);
        }
        pPage->m_rectButton = rect;
        if (pPage->m_pButton != nullptr && pPage->m_pButton->GetSafeHwnd() != nullptr)
            pPage->m_pButton->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    if (nPages > 0) {
        if (bHorz) {
            rectArea.top += nHeight;
        } else {
            rectArea.top += (iActive + 1) * nHeight;
            rectArea.bottom -= (nPages - iActive - 1) * nHeight;
        }
    }
    if (rectArea.bottom < rectArea.top)
        rectArea.bottom = rectArea.top;
    m_rectPageArea = rectArea;
    if (CWTKOutlookBarPage* pActive = ActivePage()) {
        CWnd* pWnd = pActive->m_pWndPage;
        if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr && pWnd->GetParent() == this)
            pWnd->SetWindowPos(nullptr, rectArea.left, rectArea.top, rectArea.Width(), rectArea.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

CSize CWTKOutlookBar::ShortcutButtonSize(CDC* pDC, CWTKToolbarButton* pButton)
{
    if (auto* pShortcut = dynamic_cast<CWTKOutlookButton*>(pButton))
        pShortcut->m_sizeImage = m_Images.GetCount() > 0 ? m_Images.GetImageSize() : CSize(0, 0);
    return pButton->OnCalculateSize(pDC, m_rectPageArea.Size(), IsHorizontalBar());
}

CSize CWTKOutlookBar::ShortcutButtonSize(CWTKToolbarButton* pButton)
{
    CClientDC dc(this);
    const CDCStateGuard state(&dc);
    dc.SelectObject(&WTKGetGlobalData().fontRegular);
    return ShortcutButtonSize(&dc, pButton);
}

void CWTKOutlookBar::PlaceShortcutButtons()
{
    const BOOL bHorz = IsHorizontalBar();
    const CRect rectArea = m_rectPageArea;
    int nPos = (bHorz ? rectArea.left : rectArea.top) + kButtonSpacing - m_nScrollOffset;
    const int nEnd = bHorz ? rectArea.right : rectArea.bottom;
    const int nStart = bHorz ? rectArea.left : rectArea.top;
    m_bMoreButtons = FALSE;
    // One context measures every button of the pass.
    CClientDC dc(this);
    const CDCStateGuard state(&dc);
    dc.SelectObject(&WTKGetGlobalData().fontRegular);
    for (CWTKToolbarButton* pButton : m_Buttons) {
        const auto* pShortcut = dynamic_cast<CWTKOutlookButton*>(pButton);
        CRect rect;
        BOOL bHide = pShortcut == nullptr || pShortcut->m_uiPageID != m_uiActivePageID;
        if (!bHide) {
            const CSize size = ShortcutButtonSize(&dc, pButton);
            if (bHorz)
                rect = CRect(nPos, rectArea.top, nPos + size.cx, rectArea.bottom);
            else
                rect = CRect(rectArea.left, nPos, rectArea.right, nPos + size.cy);
            nPos += (bHorz ? size.cx : size.cy) + kButtonSpacing;
            const int nFar = bHorz ? rect.right : rect.bottom;
            const int nNear = bHorz ? rect.left : rect.top;
            if (nFar > nEnd)
                m_bMoreButtons = TRUE;
            // Scrolled out before the area, or wholly past its end.
            bHide = nFar <= nStart || nNear >= nEnd;
        }
        if (bHide)
            rect.SetRectEmpty();
        pButton->SetHidden(bHide);
        pButton->SetRect(rect);
    }
}

void CWTKOutlookBar::PlaceScrollButtons()
{
    if (m_pScrollBack == nullptr || m_pScrollBack->GetSafeHwnd() == nullptr)
        return;
    CSize sizeImage = GetMenuImageSize();
    if (sizeImage.cx <= 0 || sizeImage.cy <= 0)
        sizeImage = GetDefaultImageSize();
    const CSize size(sizeImage.cx + 2 * kScrollButtonImagePadding, sizeImage.cy + 2 * kScrollButtonImagePadding);
    const CRect area = m_rectPageArea;
    CRect rectBack;
    CRect rectForward;
    if (IsHorizontalBar()) {
        const int y = area.top + (area.Height() - size.cy) / 2;
        rectBack = CRect(CPoint(area.left + kScrollButtonMargin, y), size);
        rectForward = CRect(CPoint(area.right - kScrollButtonMargin - size.cx, y), size);
    } else {
        const int x = area.right - kScrollButtonMargin - size.cx;
        rectBack = CRect(CPoint(x, area.top + kScrollButtonMargin), size);
        rectForward = CRect(CPoint(x, area.bottom - kScrollButtonMargin - size.cy), size);
    }
    auto place = [](CWTKButton* pButton, const CRect& rect, BOOL bShow) {
        ::SetWindowPos(pButton->GetSafeHwnd(), HWND_TOP, rect.left, rect.top, rect.Width(), rect.Height(),
                       SWP_NOACTIVATE | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    };
    place(m_pScrollBack, rectBack, m_iFirstVisibleButton > 0);
    place(m_pScrollForward, rectForward, m_bMoreButtons);
}

// ---- Scrolling ----

void CWTKOutlookBar::ScrollBack(int nButtons)
{
    const BOOL bHorz = IsHorizontalBar();
    for (int n = 0; n < std::max(nButtons, 1); n++) {
        if (m_nScrollOffset <= 0 || m_iFirstVisibleButton <= 0) {
            m_nScrollOffset = 0;
            m_iFirstVisibleButton = 0;
            break;
        }
        m_iFirstVisibleButton--;
        if (CWTKOutlookButton* pButton = GetPageButton(m_uiActivePageID, m_iFirstVisibleButton)) {
            const CSize size = ShortcutButtonSize(pButton);
            m_nScrollOffset -= (bHorz ? size.cx : size.cy) + kButtonSpacing;
        }
        if (m_iFirstVisibleButton == 0)
            m_nScrollOffset = 0;
    }
    AdjustLocations();
    RedrawWindow(m_rectPageArea, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CWTKOutlookBar::ScrollForward(int nButtons)
{
    const BOOL bHorz = IsHorizontalBar();
    const int nCount = GetPageButtonCount(m_uiActivePageID);
    for (int n = 0; n < std::max(nButtons, 1); n++) {
        if (!m_bMoreButtons || m_iFirstVisibleButton + 1 >= nCount)
            break;
        if (CWTKOutlookButton* pButton = GetPageButton(m_uiActivePageID, m_iFirstVisibleButton)) {
            const CSize size = ShortcutButtonSize(pButton);
            m_nScrollOffset += (bHorz ? size.cx : size.cy) + kButtonSpacing;
        }
        m_iFirstVisibleButton++;
        AdjustLocations();
    }
    RedrawWindow(m_rectPageArea, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

int CWTKOutlookBar::ButtonsFittingWhole() const
{
    CWTKOutlookButton* pFirst = GetPageButton(m_uiActivePageID, 0);
    if (pFirst == nullptr)
        return 1;
    const CRect rect = pFirst->GetRect();
    const BOOL bHorz = IsHorizontalBar();
    const int nExtent = bHorz ? rect.Width() : rect.Height();
    const int nRoom = bHorz ? m_rectPageArea.Width() : m_rectPageArea.Height();
    return std::max(1, nRoom / (kButtonSpacing + std::max(nExtent, 1)));
}

void CWTKOutlookBar::EnsureVisible(int iIndex)
{
    const int nCount = GetPageButtonCount(m_uiActivePageID);
    if (iIndex < 0 || iIndex >= nCount)
        return;
    while (m_iFirstVisibleButton > iIndex && m_iFirstVisibleButton > 0)
        ScrollBack(1);
    const BOOL bHorz = IsHorizontalBar();
    for (int nGuard = 0; nGuard < nCount; nGuard++) {
        const CWTKOutlookButton* pButton = GetPageButton(m_uiActivePageID, iIndex);
        const CRect rect = pButton->GetRect();
        const BOOL bWhole =
            !pButton->IsHidden() && (bHorz ? rect.right <= m_rectPageArea.right : rect.bottom <= m_rectPageArea.bottom);
        if (bWhole || m_iFirstVisibleButton >= iIndex)
            break;
        ScrollForward(1);
    }
}

// ---- Page switch ----

void CWTKOutlookBar::SetActivePage(UINT uiPageID, BOOL bAnimate)
{
    CWTKOutlookBarPage* pNew = FindPage(uiPageID);
    if (pNew == nullptr || uiPageID == m_uiActivePageID)
        return;
    CWTKOutlookBarPage* pOld = ActivePage();
    const CRect rectNewBefore = pNew->m_rectButton;
    const CRect rectOldBefore = pOld != nullptr ? pOld->m_rectButton : CRect(0, 0, 0, 0);
    m_uiActivePageID = uiPageID;
    ShowPageWindows();
    m_nScrollOffset = 0;
    m_iFirstVisibleButton = 0;
    if (!::IsWindow(GetSafeHwnd()))
        return;
    AdjustLocations();
    if (bAnimate && m_bAnimation && pOld != nullptr && !rectOldBefore.IsRectEmpty()) {
        AnimatePageSwitch(pOld, pNew, rectNewBefore);
        AdjustLocations();
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return;
    }
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    UpdateWindow();
}

void CWTKOutlookBar::AnimatePageSwitch(CWTKOutlookBarPage* pOld, CWTKOutlookBarPage* pNew, const CRect& rectNewBefore)
{
    // The caption that moved slides; when the new page's caption kept its place, the old one's
    // slides from there to its new place.
    CWTKOutlookBarPage* pMoving = pNew;
    CRect rectFrom = rectNewBefore;
    CRect rectTo = pNew->m_rectButton;
    if (rectTo == rectNewBefore) {
        pMoving = pOld;
        rectTo = pOld->m_rectButton;
    }
    CWnd* pButton = pMoving->m_pButton;
    if (pButton == nullptr || pButton->GetSafeHwnd() == nullptr || rectFrom == rectTo)
        return;
    const int nStep = std::max(1, static_cast<int>(rectFrom.Height()));
    const BOOL bDown = rectFrom.top < rectTo.top;
    WTKOutlookSleepFunction pfnSleep = SleepFunctionSlot();
    CRect rect = rectFrom;
    for (;;) {
        InvalidateRect(rect);
        rect.OffsetRect(0, bDown ? nStep : -nStep);
        const BOOL bDone = bDown ? rect.top >= rectTo.top : rect.top <= rectTo.top;
        if (bDone)
            rect = rectTo;
        pButton->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        RedrawWindow(m_rectPageArea, nullptr, RDW_INVALIDATE | RDW_ERASE);
        UpdateWindow();
        if (bDone)
            break;
        if (pfnSleep != nullptr)
            pfnSleep(kAnimationStepMs);
        else
            ::Sleep(kAnimationStepMs);
    }
}

// ---- Sizes ----

CSize CWTKOutlookBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const int nExtent = std::max(m_nBarWidth, static_cast<int>(kResizeStripWidth));
    // Docked, the bar runs the whole length its dock bar offers.
    int nLength = kFloatingLength;
    if (bStretch) {
        nLength = 32767;
    } else if (m_pDockBar != nullptr && !m_pDockBar->m_bFloating) {
        CRect rect = m_pDockBar->m_rectLayout;
        if (rect.IsRectEmpty() && m_pDockSite != nullptr)
            m_pDockSite->GetClientRect(rect);
        nLength = std::max<int>(bHorz ? rect.Width() : rect.Height(), nExtent);
    }
    return bHorz ? CSize(nLength, nExtent) : CSize(nExtent, nLength);
}

CSize CWTKOutlookBar::CalcDynamicLayout(int /*nLength*/, DWORD nMode)
{
    if (nMode & LM_VERTDOCK)
        return CalcFixedLayout((nMode & LM_STRETCH) != 0, FALSE);
    if (nMode & LM_HORZDOCK)
        return CalcFixedLayout((nMode & LM_STRETCH) != 0, TRUE);
    return CalcFixedLayout(FALSE, IsHorizontalBar());
}

void CWTKOutlookBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    AdjustLocations();
    // A grown bar gives back what it had scrolled past, one button at a time.
    while (m_iFirstVisibleButton > 0) {
        const CWTKOutlookButton* pLast = GetPageButton(m_uiActivePageID, GetPageButtonCount(m_uiActivePageID) - 1);
        if (pLast == nullptr)
            break;
        const CRect rect = pLast->GetRect();
        const int nFar = IsHorizontalBar() ? rect.right : rect.bottom;
        const int nEnd = IsHorizontalBar() ? m_rectPageArea.right : m_rectPageArea.bottom;
        if (pLast->IsHidden() || nFar + kButtonSpacing >= nEnd)
            break;
        ScrollBack(1);
    }
    Invalidate();
}

int CWTKOutlookBar::HitTest(CPoint point)
{
    if (!m_rectPageArea.PtInRect(point))
        return -1;
    return CWTKToolBar::HitTest(point);
}
