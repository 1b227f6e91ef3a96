// CWTKColorBar: sizes, fitting the cells to the window, and placing the cells.
#include "customisation/WTKColorBar.h"

#include "customisation/ColorButton.h"

#include "bars/DockBar.h"

#include <algorithm>
#include <cmath>

namespace {

int DivideUp(int n, int d)
{
    return d > 0 ? (n + d - 1) / d : 0;
}

// Steps one side of the cells a pixel at a time from nSide until the bar's extent along it
// meets nTarget: growing, it stops at the last side that does not pass the target; shrinking,
// at the first side below it, never under one pixel. setSide applies a side, extent measures.
template <class SetSide, class Extent>
void FitCellSide(int nSide, int nTarget, SetSide setSide, Extent extent)
{
    if (extent() < nTarget) {
        for (; nSide < nTarget; nSide++) {
            setSide(nSide + 1);
            const int nExtent = extent();
            if (nExtent == nTarget)
                return;
            if (nExtent > nTarget) {
                setSide(nSide);
                return;
            }
        }
        return;
    }
    while (nSide > 1 && extent() != nTarget) {
        setSide(--nSide);
        if (extent() < nTarget)
            return;
    }
}

}  // namespace

void CWTKColorBar::SetBoxSize(int cx, int cy)
{
    m_BoxSize = CSize(std::max(1, cx), std::max(1, cy));
}

BOOL CWTKColorBar::IsDocked() const
{
    return m_pDockBar != nullptr && !CControlBar::IsFloating();
}

BOOL CWTKColorBar::AreDocColorsShown() const
{
    return m_bShowDocColorsWhenDocked || CControlBar::IsFloating();
}

void CWTKColorBar::GetColumnsAndRows(BOOL bVertDock, int& nColumns, int& nRows) const
{
    const int nCount = static_cast<int>(m_settings.colors.GetSize());
    if (IsDocked() && !bVertDock && m_settings.nHorzDockRows > 0) {
        nRows = m_settings.nHorzDockRows;
        nColumns = DivideUp(nCount, nRows);
        return;
    }
    if (IsDocked() && m_settings.nVertDockColumns > 0) {
        nColumns = m_settings.nVertDockColumns;
        nRows = DivideUp(nCount, nColumns);
        return;
    }
    nColumns =
        m_settings.nColumns > 0 ? m_settings.nColumns : static_cast<int>(std::sqrt(static_cast<double>(nCount))) + 1;
    nRows = DivideUp(nCount, nColumns);
}

int CWTKColorBar::ExtraHeight(int nColumns) const
{
    int nExtra = 0;
    if (!m_settings.strAutoColor.IsEmpty())
        nExtra += GetTextRowHeight();
    if (!m_settings.strOtherColor.IsEmpty()) {
        if (m_settings.strAutoColor.IsEmpty())
            nExtra += kMarginY;
        nExtra += GetTextRowHeight();
    }
    const int nDocColors = static_cast<int>(m_settings.lstDocColors.GetCount());
    if (!m_settings.strDocColors.IsEmpty() && nDocColors > 0 && AreDocColorsShown())
        nExtra += kMarginY + DivideUp(nDocColors, nColumns) * m_BoxSize.cy + GetTextRowHeight() + kSeparatorGap;
    return nExtra;
}

CSize CWTKColorBar::SizeFor(int nColumns, int nRows) const
{
    return CSize(m_BoxSize.cx * nColumns + 2 * kMarginX, m_BoxSize.cy * nRows + 2 * kMarginY + ExtraHeight(nColumns));
}

CSize CWTKColorBar::CalcSize(BOOL bVertDock)
{
    int nColumns = 0;
    int nRows = 0;
    GetColumnsAndRows(bVertDock, nColumns, nRows);
    return SizeFor(nColumns, nRows);
}

CSize CWTKColorBar::CalcFixedLayout(BOOL /*bStretch*/, BOOL bHorz)
{
    CSize size = CalcSize(!bHorz);
    CRect rectBorders(0, 0, 0, 0);
    CalcInsideRect(rectBorders, bHorz);
    size.cx -= rectBorders.Width();
    size.cy -= rectBorders.Height();
    return size;
}

CSize CWTKColorBar::CalcDynamicLayout(int /*nLength*/, DWORD nMode)
{
    return CalcFixedLayout(FALSE, (nMode & LM_VERTDOCK) == 0);
}

void CWTKColorBar::ContextToSize(BOOL bSquareButtons, BOOL bCenterButtons)
{
    if (GetSafeHwnd() == nullptr)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    int nColumns = 0;
    int nRows = 0;
    GetColumnsAndRows(FALSE, nColumns, nRows);
    // Without rows no cell height changes the bar's height: nothing to fit.
    if (nRows > 0 && nColumns > 0) {
        FitCellSide(
            m_BoxSize.cy, rectClient.Height(), [&](int cy) { SetBoxSize(m_BoxSize.cx, cy); },
            [&] { return SizeFor(nColumns, nRows).cy; });
        FitCellSide(
            m_BoxSize.cx, rectClient.Width(), [&](int cx) { m_BoxSize.cx = cx; },
            [&] { return SizeFor(nColumns, nRows).cx; });
        SetBoxSize(m_BoxSize.cx - 1, m_BoxSize.cy - 1);
        if (bSquareButtons) {
            const int nSide = std::min(m_BoxSize.cx, m_BoxSize.cy);
            SetBoxSize(nSide, nSide);
        }
    }
    if (bCenterButtons) {
        const CSize size = SizeFor(std::max(nColumns, 0), std::max(nRows, 0));
        m_nHorzOffset = std::max<int>(0, (rectClient.Width() - size.cx) / 2);
        m_nVertOffset = std::max<int>(0, (rectClient.Height() - size.cy) / 2);
    } else {
        m_nHorzOffset = 0;
        m_nVertOffset = 0;
    }
    Rebuild();
}

void CWTKColorBar::AdjustLocations()
{
    if (GetSafeHwnd() == nullptr)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rectArea = rectClient;
    rectArea.DeflateRect(kMarginX + m_nHorzOffset, kMarginY + m_nVertOffset);

    const BOOL bHideDocColors = IsDocked() && !m_bShowDocColorsWhenDocked;
    const BOOL bCurrentShown = IsCurrentColorShown();
    int x = rectArea.left;
    int y = rectArea.top;
    int yCurrentCell = -1;  // the current-colour cell's row beside a shortened other-colours cell
    BOOL bPrevSeparator = FALSE;

    for (int i = 0; i < GetCount(); i++) {
        CWTKToolbarButton* pButton = GetButton(i);
        if (pButton == nullptr)
            continue;
        CRect rect(0, 0, 0, 0);
        if (pButton->IsSeparator()) {
            if (!bPrevSeparator) {
                if (x != rectArea.left)
                    y += m_BoxSize.cy + kMarginY;
                rect = CRect(rectArea.left, y, rectArea.right, y + kSeparatorHeight);
                y += kSeparatorGap;
                x = rectArea.left;
            }
            bPrevSeparator = TRUE;
        } else {
            bPrevSeparator = FALSE;
            auto* pCell = dynamic_cast<CColorButton*>(pButton);
            if (pCell == nullptr)
                continue;
            if (pCell->m_bIsDocument && bHideDocColors) {
                // no place while docked
            } else if (pCell->IsFullRowCell()) {
                if (x != rectArea.left) {
                    x = rectArea.left;
                    y += m_BoxSize.cy;
                }
                const int nHeight = GetTextRowHeight() - kMarginY / 2;
                rect = CRect(rectArea.left, y, rectArea.right, y + nHeight);
                if (pCell->m_bIsOther && !bCurrentShown) {
                    rect.right -= m_BoxSize.cx;
                    yCurrentCell = y + (nHeight - m_BoxSize.cy) / 2;
                }
                y += nHeight;
                if (pCell->m_bIsOther)
                    rect.DeflateRect(kMarginX / 2, kMarginY / 2);
            } else if (pCell->m_bIsOtherColor) {
                if (!bCurrentShown && yCurrentCell >= 0)
                    rect =
                        CRect(rectArea.right - m_BoxSize.cx, yCurrentCell, rectArea.right, yCurrentCell + m_BoxSize.cy);
            } else {
                if (x + m_BoxSize.cx > rectArea.right) {
                    x = rectArea.left;
                    y += m_BoxSize.cy;
                }
                rect = CRect(x, y, x + m_BoxSize.cx, y + m_BoxSize.cy);
                x += m_BoxSize.cx;
            }
        }
        if (rect != pButton->m_rect) {
            pButton->SetRect(rect);
            pButton->OnMove();
        }
    }
}
