// CWTKColorBar: keys, mouse, tooltips, palette and painting.
#include "customisation/WTKColorBar.h"

#include "customisation/ColorButton.h"
#include "customisation/WTKColorBarOwner.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"

#include "bars/BarToolTip.h"
#include "gdi/DC.h"
#include "gdi/MemDC.h"

#include <vector>

BEGIN_MESSAGE_MAP(CWTKColorBar, CWTKPopupMenuBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_MBUTTONDOWN()
    ON_WM_MOUSELEAVE()
    ON_WM_CONTEXTMENU()
    ON_WM_SYSKEYDOWN()
    ON_MESSAGE(WM_QUERYNEWPALETTE, OnQueryNewPalette)
    ON_MESSAGE(WM_PALETTECHANGED, OnPaletteChanged)
END_MESSAGE_MAP()

// ---- Keys ----

BOOL CWTKColorBar::CloseDropDown()
{
    if (!IsOwnedByDropDown() || m_bInternal)
        return FALSE;
    CloseOwnerPopup();
    return TRUE;
}

BOOL CWTKColorBar::OnKey(UINT nChar)
{
    if (nChar == VK_ESCAPE && CloseDropDown())
        return TRUE;
    if (nChar == VK_RETURN) {
        CWTKToolbarButton* pHot = GetButton(m_iHighlighted);
        if (pHot != nullptr && dynamic_cast<CColorButton*>(pHot) != nullptr) {
            SetIdlePrompt();
            OnSendCommand(pHot);
            return TRUE;
        }
    }
    return CWTKPopupMenuBar::OnKey(nChar);
}

BOOL CWTKColorBar::PreTranslateMessage(MSG* pMsg)
{
    const BOOL bClosingKey =
        pMsg->message == WM_SYSKEYDOWN || (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE);
    if (bClosingKey && CloseDropDown())
        return TRUE;
    return CWTKPopupMenuBar::PreTranslateMessage(pMsg);
}

void CWTKColorBar::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (CloseDropDown())
        return;
    CWTKPopupMenuBar::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CWTKColorBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (CloseDropDown())
        return;
    CWTKPopupMenuBar::OnContextMenu(pWnd, point);
}

// ---- Mouse ----

BOOL CWTKColorBar::ClosesOnPressAt(CPoint point)
{
    CRect rectClient;
    GetClientRect(rectClient);
    return !rectClient.PtInRect(point) && CloseDropDown();
}

void CWTKColorBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode())
        return;
    CWTKPopupMenuBar::OnMouseMove(nFlags, point);
}

void CWTKColorBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode() || ClosesOnPressAt(point))
        return;
    if (GetColorButton(HitTest(point)) != nullptr)
        return;  // a press on a cell starts nothing: the release chooses
    CWTKPopupMenuBar::OnLButtonDown(nFlags, point);
}

void CWTKColorBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode())
        return;
    const int iCell = HitTest(point);
    CColorButton* pCell = GetColorButton(iCell);
    if (pCell == nullptr) {
        CRect rectClient;
        GetClientRect(rectClient);
        if (!IsOwnedByDropDown() && !rectClient.PtInRect(point))
            CWTKPopupMenuBar::OnLButtonUp(nFlags, point);
        return;
    }
    m_iButtonCapture = -1;
    if (!IsOwnedByDropDown() && GetCapture() == this)
        ::ReleaseCapture();
    OnSendCommand(pCell);
}

void CWTKColorBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode())
        return;
    CWTKPopupMenuBar::OnLButtonDblClk(nFlags, point);
}

void CWTKColorBar::OnRButtonDown(UINT /*nFlags*/, CPoint point)
{
    ClosesOnPressAt(point);
}

void CWTKColorBar::OnMButtonDown(UINT /*nFlags*/, CPoint point)
{
    ClosesOnPressAt(point);
}

void CWTKColorBar::OnMouseLeave()
{
    if (!IsOwnedByDropDown()) {
        CWTKPopupMenuBar::OnMouseLeave();
        return;
    }
    const int iOld = m_iHighlighted;
    m_iHighlighted = -1;
    if (iOld >= 0)
        InvalidateButton(iOld);
    SetIdlePrompt();
}

INT_PTR CWTKColorBar::OnToolHitTest(CPoint point, TTTOOLINFOA* pTI) const
{
    auto* pThis = const_cast<CWTKColorBar*>(this);
    const int iCell = pThis->HitTest(point);
    const CColorButton* pCell = GetColorButton(iCell);
    if (pCell == nullptr)
        return -1;
    const CString strTip = pCell->GetTooltipText();
    if (strTip.IsEmpty())
        return -1;
    // Every cell sends the bar's command: the index tells the tooltip the cells apart.
    const INT_PTR nHit = iCell + 1;
    if (pTI != nullptr) {
        pTI->hwnd = GetSafeHwnd();
        pTI->rect = pCell->m_rect;
        pTI->uId = static_cast<UINT_PTR>(nHit);
        pTI->lpszText = CBarToolTip::DuplicateText(strTip);
    }
    return nHit;
}

// ---- Non-client area: none inside a popup ----

void CWTKColorBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (m_bIsTearOff)
        CWTKPopupMenuBar::OnNcCalcSize(bCalcValidRects, lpncsp);
}

void CWTKColorBar::OnNcPaint()
{
    if (m_bIsTearOff)
        CWTKPopupMenuBar::OnNcPaint();
}

// ---- Palette and painting ----

void CWTKColorBar::CreatePaletteIfNeeded()
{
    if (WTKGetGlobalData().nBitsPerPixel != kPaletteBitsPerPixel || m_Palette.GetSafeHandle() != nullptr)
        return;
    const int nEntries = std::min<int>(static_cast<int>(m_settings.colors.GetSize()), kMaxPaletteEntries);
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + static_cast<size_t>(std::max(nEntries, 1)) * sizeof(PALETTEENTRY));
    auto* pLogPalette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLogPalette->palVersion = kPaletteVersion;
    pLogPalette->palNumEntries = static_cast<WORD>(nEntries);
    for (int i = 0; i < nEntries; i++) {
        pLogPalette->palPalEntry[i].peRed = GetRValue(m_settings.colors[i]);
        pLogPalette->palPalEntry[i].peGreen = GetGValue(m_settings.colors[i]);
        pLogPalette->palPalEntry[i].peBlue = GetBValue(m_settings.colors[i]);
        pLogPalette->palPalEntry[i].peFlags = 0;
    }
    m_Palette.CreatePalette(pLogPalette);
}

void CWTKColorBar::SelectPalette(CDC* pDC, CPalette*& pOldPalette)
{
    pOldPalette = nullptr;
    CreatePaletteIfNeeded();
    CPalette* pPalette = GetPalette();
    // A colour button's drop-down draws with the button's palette.
    CPalette* pOwnerPalette = m_pOwnerReceiver != nullptr ? m_pOwnerReceiver->GetColorBarPalette() : nullptr;
    if (WTKGetGlobalData().nBitsPerPixel == kPaletteBitsPerPixel && pOwnerPalette != nullptr)
        pPalette = pOwnerPalette;
    if (pPalette == nullptr)
        return;
    pOldPalette = pDC->SelectPalette(pPalette, FALSE);
    pDC->RealizePalette();
}

void CWTKColorBar::DrawSeparator(CDC* pDC, const CRect& rect, BOOL /*bHorz*/)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    pDC->Draw3dRect(rect, g.clrBtnShadow, g.clrBtnHilite);
}

void CWTKColorBar::DoPaint(CDC* pDCPaint)
{
    CRect rectClient;
    GetClientRect(rectClient);
    CMemDC memDC(pDCPaint, rectClient);
    CDC* pDC = &memDC;
    CPalette* pOldPalette = nullptr;
    SelectPalette(pDC, pOldPalette);
    CWTKVisualManager::GetInstance()->OnFillBarBackground(pDC, this, rectClient, rectClient);
    for (int i = 0; i < GetCount(); i++) {
        CWTKToolbarButton* pButton = GetButton(i);
        if (pButton == nullptr || pButton->m_rect.IsRectEmpty())
            continue;
        if (pButton->IsSeparator())
            DrawSeparator(pDC, pButton->m_rect, TRUE);
        else
            pButton->OnDraw(pDC, pButton->m_rect, nullptr, TRUE, FALSE, i == m_iHighlighted);
    }
    if (pOldPalette != nullptr)
        pDC->SelectPalette(pOldPalette, FALSE);
}

LRESULT CWTKColorBar::OnQueryNewPalette(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    Invalidate();
    UpdateWindow();
    return TRUE;
}

LRESULT CWTKColorBar::OnPaletteChanged(WPARAM wParam, LPARAM /*lParam*/)
{
    if (reinterpret_cast<HWND>(wParam) != GetSafeHwnd())
        Invalidate();
    return 0;
}
