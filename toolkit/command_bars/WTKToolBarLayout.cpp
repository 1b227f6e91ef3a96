// CWTKToolBar: cell sizes, rows, button placement and the docking layout questions.
#include "command_bars/WTKToolBar.h"

#include "command_bars/CustomizeButton.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"

#include "bars/DockBar.h"
#include "bars/ReBarCtrl.h"
#include "docview/FrameWnd.h"
#include "gdi/DC.h"
#include "gdi/DCStateGuard.h"
#include "win/ClientDC.h"
#include "win/Menu.h"

#include <algorithm>

namespace {
constexpr int kRowGap = 5;            // between two rows of buttons
constexpr int kUnlimited = 32767;     // no limit on a row or on the height
constexpr DWORD kHorzAlign = 0xA000;  // aligned top or bottom

// The shared font of the bar's orientation.
CFont* BarFont(BOOL bHorz)
{
    WTKGlobalData& data = WTKGetGlobalData();
    return (!bHorz && data.fontVert.GetSafeHandle() != nullptr) ? &data.fontVert : &data.fontRegular;
}
}  // namespace

CSize CWTKToolBar::EffectiveButtonSize() const
{
    if (m_bLocked)
        return m_bLargeIconsEnabled ? m_sizeCurButtonLocked : m_sizeButtonLocked;
    return m_bLargeIconsEnabled ? s_sizeCurButton : s_sizeButton;
}

CSize CWTKToolBar::EffectiveImageSize() const
{
    if (m_bLocked)
        return m_bLargeIconsEnabled ? m_sizeCurImageLocked : m_sizeImageLocked;
    return m_bLargeIconsEnabled ? s_sizeCurImage : s_sizeImage;
}

CSize CWTKToolBar::GetButtonSize() const
{
    return EffectiveButtonSize();
}

CSize CWTKToolBar::GetImageSize() const
{
    return EffectiveImageSize();
}

BOOL CWTKToolBar::IsBarHorizontal() const
{
    return (m_dwStyle & kHorzAlign) != 0;
}

int CWTKToolBar::GetRowHeight() const
{
    if (m_bTextLabelRow)
        return m_nLabelRowHeight;
    if (m_bMenuMode)
        return s_sizeMenuButton.cy > 0 ? s_sizeMenuButton.cy : s_sizeButton.cy;
    int nHeight = EffectiveButtonSize().cy;
    if (IsLookExtraSizeAvailable())
        nHeight += CWTKVisualManager::GetInstance()->GetButtonExtraBorder().cy;
    const WTKGlobalData& data = WTKGetGlobalData();
    return std::max(nHeight, IsBarHorizontal() ? data.nTextHeightHorz : data.nTextHeightVert);
}

int CWTKToolBar::GetColumnWidth() const
{
    if (m_bMenuMode)
        return s_sizeMenuButton.cx > 0 ? s_sizeMenuButton.cx : s_sizeButton.cx;
    int nWidth = EffectiveButtonSize().cx;
    if (IsLookExtraSizeAvailable())
        nWidth += CWTKVisualManager::GetInstance()->GetButtonExtraBorder().cx;
    return nWidth;
}

void CWTKToolBar::SetLargeIcons(BOOL bLargeIcons)
{
    WTKGetCommandBarSettings().bLargeIcons = bLargeIcons;
    const int nFactor = bLargeIcons ? 2 : 1;
    s_sizeCurButton = CSize(s_sizeButton.cx * nFactor, s_sizeButton.cy * nFactor);
    s_sizeCurImage = CSize(s_sizeImage.cx * nFactor, s_sizeImage.cy * nFactor);
    for (POSITION pos = WTKAllToolbars().GetHeadPosition(); pos != nullptr;) {
        auto* pBar = dynamic_cast<CWTKToolBar*>(WTKAllToolbars().GetNext(pos));
        if (pBar == nullptr || !::IsWindow(pBar->GetSafeHwnd()))
            continue;
        if (pBar->m_bLocked) {
            pBar->m_sizeCurButtonLocked =
                CSize(pBar->m_sizeButtonLocked.cx * nFactor, pBar->m_sizeButtonLocked.cy * nFactor);
            pBar->m_sizeCurImageLocked =
                CSize(pBar->m_sizeImageLocked.cx * nFactor, pBar->m_sizeImageLocked.cy * nFactor);
        }
        pBar->AdjustLayout();
    }
}

int CWTKToolBar::MeasureLabelRow()
{
    m_bTextLabelRow = FALSE;
    m_nLabelRowHeight = 0;
    if (!m_bTextLabels || !IsBarHorizontal() || !::IsWindow(GetSafeHwnd()))
        return 0;
    CClientDC dc(this);
    const CDCStateGuard state(&dc);
    dc.SelectObject(BarFont(TRUE));
    const CSize sizeCell(GetColumnWidth(), GetRowHeight());
    int nMax = 0;
    for (CWTKToolbarButton* pButton : m_Buttons) {
        if (pButton->IsSeparator() || !pButton->m_bTextBelow)
            continue;
        if (pButton->m_strText.IsEmpty())
            GetButtonTooltip(pButton);
        nMax = std::max(nMax, static_cast<int>(pButton->OnCalculateSize(&dc, sizeCell, TRUE).cy));
    }
    CSize sizeExtra =
        IsLookExtraSizeAvailable() ? CWTKVisualManager::GetInstance()->GetButtonExtraBorder() : CSize(0, 0);
    m_nLabelRowHeight = nMax;
    m_bTextLabelRow = nMax > EffectiveButtonSize().cy + sizeExtra.cy;
    return m_nLabelRowHeight;
}

void CWTKToolBar::AdjustLayout()
{
    if (!::IsWindow(GetSafeHwnd()))
        return;
    const BOOL bHorz = IsBarHorizontal();
    for (CWTKToolbarButton* pButton : m_Buttons) {
        if (!pButton->IsSeparator())
            pButton->m_bTextBelow = bHorz ? m_bTextLabels : FALSE;
    }
    CWnd* pParent = GetParent();
    char szClass[64] = "";
    if (pParent != nullptr)
        ::GetClassNameA(pParent->GetSafeHwnd(), szClass, sizeof(szClass));
    if (lstrcmpiA(szClass, REBARCLASSNAMEA) == 0) {
        const CSize size = CalcSize(FALSE);
        const CRect borders = GetBorders();
        const int nBands = static_cast<int>(pParent->SendMessage(RB_GETBANDCOUNT));
        for (int i = 0; i < nBands; i++) {
            REBARBANDINFOA info {};
            info.cbSize = sizeof(info);
            info.fMask = RBBIM_CHILD;
            if (!pParent->SendMessage(RB_GETBANDINFOA, i, reinterpret_cast<LPARAM>(&info)) ||
                info.hwndChild != GetSafeHwnd())
                continue;
            info.fMask = RBBIM_CHILDSIZE;
            info.cxMinChild = size.cx + borders.left + borders.right;
            info.cyMinChild = size.cy + borders.top + borders.bottom;
            info.cx = s_sizeButton.cx;
            pParent->SendMessage(RB_SETBANDINFOA, i, reinterpret_cast<LPARAM>(&info));
        }
    } else if (CFrameWnd* pFrame = GetParentFrame()) {
        pFrame->RecalcLayout();
    }
    AdjustLocations();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void CWTKToolBar::AdjustLocations()
{
    if (m_Buttons.IsEmpty() || !::IsWindow(GetSafeHwnd()))
        return;
    const BOOL bHorz = IsBarHorizontal();
    CRect rectClient;
    GetClientRect(rectClient);
    CClientDC dc(this);
    const CDCStateGuard state(&dc);
    dc.SelectObject(BarFont(bHorz));

    const int nRowHeight = GetRowHeight();
    const CSize sizeCell(GetColumnWidth(), nRowHeight);
    const BOOL bFloating = IsFloating();
    const BOOL bOverflow = m_pCustomizeBtn != nullptr && !bFloating && !IsCustomizeMode();

    auto* pOverflowButton = dynamic_cast<CCustomizeButton*>(m_pCustomizeBtn);
    const BOOL bOverflowEntries = pOverflowButton != nullptr && pOverflowButton->HasOwnEntries();
    if (pOverflowButton != nullptr)
        pOverflowButton->ResetHiddenButtons();
    CSize sizeOverflow(0, 0);
    if (bOverflow) {
        if (pOverflowButton != nullptr)
            pOverflowButton->SetCollapsed(FALSE);
        const CSize sizeAsk =
            bHorz ? CSize(GetColumnWidth(), rectClient.Height()) : CSize(rectClient.Width(), nRowHeight);
        sizeOverflow = m_pCustomizeBtn->OnCalculateSize(&dc, sizeAsk, bHorz);
    }
    const int nLimit = bHorz ? rectClient.right - sizeOverflow.cx : rectClient.bottom - sizeOverflow.cy;

    int nPos = bHorz ? rectClient.left + 1 : rectClient.top + 1;
    int nRowTop = rectClient.top;
    BOOL bRowStart = TRUE;
    BOOL bPrevSeparator = FALSE;
    BOOL bAnyHidden = FALSE;
    int iRowStart = 0;

    // Rows end after a button: iEnd is one past the row's last button.
    auto finishRow = [&](int iEnd) {
        // A floating bar with labels centres the finished row.
        if (!(bFloating && m_bTextLabels && bHorz))
            return;
        const int nFree = rectClient.right - nPos;
        if (nFree <= 0)
            return;
        for (int i = iRowStart; i < iEnd && i < GetCount(); i++) {
            CWTKToolbarButton* pButton = m_Buttons.GetAt(i);
            CRect rect = pButton->GetRect();
            rect.OffsetRect(nFree / 2, 0);
            pButton->SetRect(rect);
            pButton->OnMove();
        }
    };

    for (int i = 0; i < GetCount(); i++) {
        CWTKToolbarButton* pButton = m_Buttons.GetAt(i);
        if (pButton == m_pCustomizeBtn)
            continue;
        const BOOL bWasHidden = pButton->IsHidden();
        const CRect rectOld = pButton->GetRect();
        BOOL bHide = FALSE;
        BOOL bByOverflow = FALSE;
        CRect rect;
        if (pButton->IsSeparator() && (bRowStart || bPrevSeparator)) {
            bHide = TRUE;
        } else {
            CSize size = pButton->OnCalculateSize(&dc, sizeCell, bHorz);
            if (pButton->m_bTextBelow && bHorz)
                size.cy = nRowHeight;
            if (bHorz)
                rect = CRect(nPos, nRowTop, nPos + size.cx, nRowTop + size.cy);
            else
                rect = CRect(rectClient.left, nPos, rectClient.left + size.cx, nPos + size.cy);
            if (bOverflow) {
                // The last button may use the overflow button's room when nothing is hidden.
                const BOOL bLast = i + 1 >= GetCount() || m_Buttons.GetAt(i + 1) == m_pCustomizeBtn;
                const int nFar = bHorz ? rect.right : rect.bottom;
                const int nEnd = (bLast && !bAnyHidden && !bOverflowEntries)
                    ? (bHorz ? rectClient.right : rectClient.bottom)
                    : nLimit;
                if (bAnyHidden || nFar > nEnd)
                    bHide = bByOverflow = TRUE;
            }
            if (!bHide)
                nPos = bHorz ? rect.right : rect.bottom;
        }
        if (bHide) {
            if (!pButton->IsSeparator() || bOverflow)
                bAnyHidden = bAnyHidden || (!pButton->IsSeparator() && bOverflow);
            rect.SetRectEmpty();
            if (bByOverflow && pOverflowButton != nullptr)
                pOverflowButton->AddHiddenButton(pButton);
        }
        pButton->SetHidden(bHide);
        pButton->SetRect(rect);
        if (bWasHidden != bHide)
            pButton->OnShow(!bHide);
        if (rect != rectOld)
            pButton->OnMove();
        if (!bHide) {
            bRowStart = FALSE;
            bPrevSeparator = pButton->IsSeparator();
        }
        if (pButton->m_bWrap && bHorz) {
            finishRow(i + 1);
            nPos = rectClient.left + 1;
            nRowTop += nRowHeight + kRowGap;
            bRowStart = TRUE;
            bPrevSeparator = FALSE;
            iRowStart = i + 1;
        }
    }
    finishRow(GetCount());

    if (m_pCustomizeBtn != nullptr) {
        const BOOL bHideOverflow = (!bAnyHidden && !bOverflowEntries) || bFloating || IsCustomizeMode();
        CRect rect;
        if (!bHideOverflow) {
            if (bHorz)
                rect =
                    CRect(rectClient.right - sizeOverflow.cx, rectClient.top, rectClient.right - 1, rectClient.bottom);
            else
                rect = CRect(rectClient.left, rectClient.bottom - 1 - sizeOverflow.cy, rectClient.right,
                             rectClient.bottom - 1);
        }
        const BOOL bWasHidden = m_pCustomizeBtn->IsHidden();
        m_pCustomizeBtn->SetHidden(bHideOverflow);
        m_pCustomizeBtn->SetRect(rect);
        if (bWasHidden != bHideOverflow)
            m_pCustomizeBtn->OnShow(!bHideOverflow);
    }
    RebuildMnemonics();
}

int CWTKToolBar::WrapToolBar(int nWidth, int nHeight)
{
    if (!::IsWindow(GetSafeHwnd()))
        return 1;
    const BOOL bFloating = IsFloating();
    const BOOL bHorz = IsBarHorizontal();
    CClientDC dc(this);
    const CDCStateGuard state(&dc);
    dc.SelectObject(BarFont(bHorz || bFloating));
    const int nRowHeight = GetRowHeight();
    const CSize sizeCell(GetColumnWidth(), nRowHeight);
    if (m_pCustomizeBtn != nullptr && !bFloating && bHorz)
        nWidth -= m_pCustomizeBtn->OnCalculateSize(&dc, sizeCell, TRUE).cx;

    int nRows = 1;
    int x = 0;
    int nRowBottom = nRowHeight;
    int nTallest = 0;
    CWTKToolbarButton* pPrev = nullptr;
    for (CWTKToolbarButton* pButton : m_Buttons) {
        if (pButton == m_pCustomizeBtn)
            continue;
        pButton->m_bWrap = FALSE;
        CSize size = pButton->OnCalculateSize(&dc, sizeCell, TRUE);
        if (pButton->IsSeparator() && x == 0)
            size.cx = 0;
        if (x + size.cx > nWidth && !pButton->IsSeparator() && pPrev != nullptr &&
            (bFloating || nRowBottom + kRowGap + nRowHeight <= nHeight)) {
            pPrev->m_bWrap = TRUE;
            nRows++;
            nRowBottom += std::max(nTallest, nRowHeight) + kRowGap;
            x = 0;
            nTallest = 0;
        }
        x += size.cx;
        nTallest = std::max(nTallest, static_cast<int>(size.cy));
        pPrev = pButton;
    }
    return nRows;
}

CSize CWTKToolBar::CalcSize(BOOL bVertDock)
{
    const CSize sizeExtra =
        IsLookExtraSizeAvailable() ? CWTKVisualManager::GetInstance()->GetButtonExtraBorder() : CSize(0, 0);
    if (m_Buttons.IsEmpty() || !::IsWindow(GetSafeHwnd())) {
        const CSize size = EffectiveButtonSize();
        return CSize(size.cx + sizeExtra.cx, size.cy + sizeExtra.cy);
    }
    const BOOL bFloating = IsFloating();
    CClientDC dc(this);
    const CDCStateGuard state(&dc);
    dc.SelectObject(BarFont(!bVertDock));
    const int nRowHeight = GetRowHeight();
    const CSize sizeCell(GetColumnWidth(), nRowHeight);

    CSize sizeResult(0, 0);
    int nRowWidth = 0;
    int nTop = 0;
    BOOL bRowStart = TRUE;
    BOOL bPrevSeparator = FALSE;
    for (CWTKToolbarButton* pButton : m_Buttons) {
        if (pButton == m_pCustomizeBtn && bFloating)
            break;
        CSize size = pButton->OnCalculateSize(&dc, sizeCell, !bVertDock);
        if (pButton->m_bTextBelow && !bVertDock)
            size.cy = nRowHeight;
        const BOOL bSkip = pButton->IsSeparator() && (bRowStart || bPrevSeparator || (pButton->m_bWrap && !bVertDock));
        if (bVertDock) {
            if (!bSkip) {
                sizeResult.cx = std::max(sizeResult.cx, size.cx);
                sizeResult.cy += size.cy;
                bRowStart = FALSE;
                bPrevSeparator = pButton->IsSeparator();
            }
            continue;
        }
        if (!bSkip) {
            nRowWidth += size.cx;
            sizeResult.cy = std::max(sizeResult.cy, static_cast<LONG>(nTop + size.cy));
            bRowStart = FALSE;
            bPrevSeparator = pButton->IsSeparator();
        }
        sizeResult.cx = std::max(sizeResult.cx, static_cast<LONG>(nRowWidth));
        if (pButton->m_bWrap) {
            nTop += nRowHeight + kRowGap;
            nRowWidth = 0;
            bRowStart = TRUE;
            bPrevSeparator = FALSE;
        }
    }
    return sizeResult;
}

int CWTKToolBar::SizeToolBar(int nLength, BOOL bVert)
{
    int nWidth = nLength;
    if (bVert) {
        WrapToolBar(kUnlimited);
        const CSize sizeRow = CalcSize(FALSE);
        nWidth = sizeRow.cx;
        if (sizeRow.cy < nLength) {
            const int nStep = GetColumnWidth();
            for (int nTry = nStep; nTry < sizeRow.cx; nTry += nStep) {
                WrapToolBar(nTry);
                if (CalcSize(FALSE).cy <= nLength) {
                    nWidth = nTry;
                    break;
                }
            }
        }
    } else {
        const int nRowsMin = WrapToolBar(0);
        const int nRowsAtLength = WrapToolBar(nLength);
        if (nRowsMin != nRowsAtLength) {
            int nLow = 0;
            int nHigh = nLength;
            while (nHigh - nLow > 1) {
                const int nMid = (nLow + nHigh) / 2;
                if (WrapToolBar(nMid) == nRowsAtLength)
                    nHigh = nMid;
                else
                    nLow = nMid;
            }
            nWidth = nHigh;
        }
    }
    return WrapToolBar(nWidth);
}

CSize CWTKToolBar::CalcLayout(DWORD dwMode, int nLength)
{
    auto* pOverflowButton = dynamic_cast<CCustomizeButton*>(m_pCustomizeBtn);
    if (pOverflowButton != nullptr)
        pOverflowButton->SetCollapsed(FALSE);
    MeasureLabelRow();
    const BOOL bHorz = (dwMode & LM_HORZ) != 0;
    if (!(m_dwStyle & CBRS_SIZE_FIXED)) {
        int nWidth = 0;
        BOOL bByHeight = FALSE;
        if (!(m_dwStyle & CBRS_SIZE_DYNAMIC)) {
            nWidth = bHorz ? kUnlimited : 0;
        } else if (dwMode & LM_MRUWIDTH) {
            nWidth = m_nMRUWidth;
        } else if (dwMode & LM_HORZDOCK) {
            nWidth = kUnlimited;
        } else if (dwMode & LM_VERTDOCK) {
            nWidth = 0;
        } else if (nLength != -1) {
            const CRect borders = GetBorders();
            if (dwMode & LM_LENGTHY) {
                nWidth = nLength + borders.top + borders.bottom;
                bByHeight = TRUE;
            } else {
                nWidth = nLength + borders.left + borders.right;
            }
        } else if (m_dwStyle & CBRS_FLOATING) {
            nWidth = m_nMRUWidth;
        } else {
            nWidth = bHorz ? kUnlimited : 0;
        }
        SizeToolBar(nWidth, bByHeight);
    }
    CSize size = CalcSize(!bHorz);
    // An overflow button with nothing to offer takes no room.
    if (pOverflowButton != nullptr && !pOverflowButton->HasOwnEntries() && !pOverflowButton->HasHiddenButtons()) {
        pOverflowButton->SetCollapsed(TRUE);
        size = CalcSize(!bHorz);
    }
    if ((dwMode & LM_COMMIT) && (m_dwStyle & CBRS_FLOATING) && (m_dwStyle & CBRS_SIZE_DYNAMIC) && bHorz)
        m_nMRUWidth = size.cx;

    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, bHorz);
    size.cx -= rectInside.Width();
    size.cy -= rectInside.Height();
    size.cx = std::max(size.cx, static_cast<LONG>(-rectInside.Width()));
    size.cy = std::max(size.cy, static_cast<LONG>(-rectInside.Height()));
    RebuildMnemonics();
    return size;
}

CSize CWTKToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0), -1);
}

CSize CWTKToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (nLength == -1 && !(dwMode & (LM_MRUWIDTH | LM_COMMIT)) && (dwMode & (LM_HORZDOCK | LM_VERTDOCK)))
        return CalcFixedLayout(dwMode & LM_STRETCH, dwMode & LM_HORZDOCK);
    return CalcLayout(dwMode, nLength);
}

void CWTKToolBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    AdjustLocations();
    if (IsFloating()) {
        CWnd* pMiniFrame = GetParentFrame();
        if (pMiniFrame != nullptr) {
            if (CMenu* pSysMenu = pMiniFrame->GetSystemMenu(FALSE)) {
                pSysMenu->DeleteMenu(SC_RESTORE, MF_BYCOMMAND);
                pSysMenu->DeleteMenu(SC_MINIMIZE, MF_BYCOMMAND);
                pSysMenu->DeleteMenu(SC_MAXIMIZE, MF_BYCOMMAND);
                if (!CanBeClosed())
                    pSysMenu->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
            }
        }
    }
}

int CWTKToolBar::HitTest(CPoint point)
{
    for (int i = 0; i < m_Buttons.GetCount(); i++) {
        CWTKToolbarButton* pButton = m_Buttons.GetAt(i);
        if (pButton->IsHidden() || !pButton->GetRect().PtInRect(point))
            continue;
        return pButton->IsSeparator() ? -1 : i;
    }
    return -1;
}

void CWTKToolBar::EnableTextLabels(BOOL bEnable)
{
    if (m_bMenuMode)
        return;
    m_bTextLabels = bEnable;
    AdjustLayout();
}

// ---- What the looks read of the bar ----

CRect CWTKToolBar::GetWindowRectScreen() const
{
    CRect rect;
    if (m_hWnd != nullptr)
        GetWindowRect(&rect);
    return rect;
}

CRect CWTKToolBar::GetDockRectScreen() const
{
    // The rounded ends show the dock bar behind: only while docked in one.
    CRect rect;
    if (m_pDockBar != nullptr && !IsFloating() && m_pDockBar->GetSafeHwnd() != nullptr)
        m_pDockBar->GetWindowRect(&rect);
    return rect;
}

int CWTKToolBar::GetRowExtent() const
{
    return IsBarHorizontal() ? GetRowHeight() : GetColumnWidth();
}

CRect CWTKToolBar::GetCustomizeButtonRect() const
{
    return m_pCustomizeBtn != nullptr ? m_pCustomizeBtn->GetRect() : CRect();
}
