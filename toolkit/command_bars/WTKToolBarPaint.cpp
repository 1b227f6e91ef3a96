// CWTKToolBar: painting of the client and non-client areas, colour and setting changes.
#include "command_bars/WTKToolBar.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKLookColors.h"
#include "foundation/WTKVisualManager.h"

#include "gdi/DC.h"
#include "gdi/MemDC.h"

namespace {
constexpr DWORD kEraseThroughParentStyle = 0x8000;
constexpr int kWrapSeparatorHeight = 5;

BOOL HasImages(const CWTKImageStrip& strip)
{
    return strip.GetCount() > 0;
}
}  // namespace

BOOL CWTKToolBar::IsButtonHighlighted(int iButton) const
{
    if (IsCustomizeMode() && !m_bLocked)
        return FALSE;
    if (m_bMenuMode)
        return iButton == m_iHighlighted;
    if (iButton == m_iHighlighted && m_iButtonCapture == -1)
        return TRUE;
    return iButton == m_iButtonCapture && iButton >= 0;
}

CWTKImageStrip* CWTKToolBar::ChooseImages(CWTKToolbarButton* pButton, BOOL bHighlighted, BOOL& bDisabledImages)
{
    bDisabledImages = FALSE;
    if (pButton->m_bUserButton && pButton->GetImage() >= 0 && s_pUserImages != nullptr)
        return s_pUserImages;

    const BOOL bLarge = WTKGetCommandBarSettings().bLargeIcons && m_bLargeIconsEnabled && !m_bMenuMode;
    auto pick = [&](CWTKImageStrip& own, CWTKImageStrip& shared, CWTKImageStrip& ownLarge,
                    CWTKImageStrip& sharedLarge) -> CWTKImageStrip* {
        CWTKImageStrip& small = m_bLocked ? own : shared;
        CWTKImageStrip& large = m_bLocked ? ownLarge : sharedLarge;
        return (bLarge && HasImages(large)) ? &large : &small;
    };
    const BOOL bDisabled = (pButton->m_nStyle & TBBS_DISABLED) != 0;
    if (m_bMenuMode) {
        CWTKImageStrip& menuDisabled = m_bLocked ? m_MenuImagesLockedDisabled : s_MenuDisabledImages;
        CWTKImageStrip& menu = m_bLocked ? m_MenuImagesLocked : s_MenuImages;
        if (bDisabled && HasImages(menuDisabled)) {
            bDisabledImages = TRUE;
            return &menuDisabled;
        }
        if (HasImages(menu))
            return &menu;
    }
    if (bDisabled && !IsCustomizeMode()) {
        CWTKImageStrip* pDisabled =
            pick(m_DisabledImagesLocked, s_DisabledImages, m_LargeDisabledImagesLocked, s_LargeDisabledImages);
        if (HasImages(*pDisabled)) {
            bDisabledImages = TRUE;
            return pDisabled;
        }
    }
    const BOOL bCold = !bHighlighted && !(pButton->m_nStyle & kButtonStylePushed) && !pButton->IsDroppedDown();
    if (bCold && !bDisabled) {
        CWTKImageStrip* pCold = pick(m_ColdImagesLocked, s_ColdImages, m_LargeColdImagesLocked, s_LargeColdImages);
        if (HasImages(*pCold))
            return pCold;
    }
    return pick(m_ImagesLocked, s_Images, m_LargeImagesLocked, s_LargeImages);
}

BOOL CWTKToolBar::DrawButton(CDC* pDC, CWTKToolbarButton* pButton, CWTKImageStrip* pImages, BOOL bHighlighted,
                             BOOL bDrawDisabledImages)
{
    if (pButton->IsHidden() || !pDC->RectVisible(pButton->GetRect()))
        return TRUE;
    const BOOL bCustomize = IsCustomizeMode() && !m_bLocked;
    pButton->OnDraw(pDC, pButton->GetRect(), pImages, IsBarHorizontal(), bCustomize, bHighlighted, m_bDrawBorder,
                    m_bGrayDisabledButtons && !bDrawDisabledImages);
    return TRUE;
}

void CWTKToolBar::DrawSeparator(CDC* pDC, const CRect& rect, BOOL bHorz)
{
    CWTKVisualManager::GetInstance()->OnDrawSeparator(pDC, this, rect, bHorz);
}

void CWTKToolBar::DoPaint(CDC* pDCPaint)
{
    CRect rectClient;
    GetClientRect(rectClient);
    CMemDC memDC(pDCPaint, rectClient);
    CDC* pDC = &memDC;

    CRect rectClip;
    pDCPaint->GetClipBox(rectClip);
    if ((GetStyle() & kEraseThroughParentStyle) != 0)
        m_Impl.EraseBackground(pDC);
    else
        CWTKVisualManager::GetInstance()->OnFillBarBackground(pDC, this, rectClient, rectClip);
    OnDrawBarBorders(pDC, rectClient);

    WTKGlobalData& data = WTKGetGlobalData();
    const BOOL bHorz = IsBarHorizontal();
    CFont* pOldFont =
        pDC->SelectObject((!bHorz && data.fontVert.GetSafeHandle() != nullptr) ? &data.fontVert : &data.fontRegular);
    pDC->SetTextColor(data.clrBarText);
    pDC->SetBkMode(TRANSPARENT);

    // Faded inactive images are off while the bar has cold images of its own.
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    const BOOL bFadeOld = pLook->m_bFadeInactiveImage;
    if (HasImages(m_bLocked ? m_ColdImagesLocked : s_ColdImages))
        pLook->m_bFadeInactiveImage = FALSE;

    CWTKImageStrip* pPrepared = nullptr;
    WTKDrawState ds;
    for (int i = 0; i < m_Buttons.GetCount(); i++) {
        CWTKToolbarButton* pButton = m_Buttons.GetAt(i);
        if (pButton->IsHidden())
            continue;
        if (pButton->IsSeparator()) {
            CRect rect = pButton->GetRect();
            if (pButton->m_bWrap && bHorz) {
                rect = CRect(rectClient.left, rect.bottom, rectClient.right, rect.bottom + kWrapSeparatorHeight);
                DrawSeparator(pDC, rect, FALSE);
            } else if (pDC->RectVisible(rect)) {
                DrawSeparator(pDC, rect, bHorz);
            }
            continue;
        }
        const BOOL bHighlighted = IsButtonHighlighted(i);
        BOOL bDisabledImages = FALSE;
        CWTKImageStrip* pImages = ChooseImages(pButton, bHighlighted, bDisabledImages);
        if (pImages != pPrepared) {
            if (pPrepared != nullptr)
                pPrepared->EndDraw(ds);
            ds = WTKDrawState();
            pPrepared = pImages->PrepareDraw(ds, CSize(0, 0), pLook->m_bFadeInactiveImage) ? pImages : nullptr;
        }
        DrawButton(pDC, pButton, pPrepared, bHighlighted, bDisabledImages);
    }
    if (pPrepared != nullptr)
        pPrepared->EndDraw(ds);
    pLook->m_bFadeInactiveImage = bFadeOld;
    if (IsCustomizeMode() && !m_bLocked)
        DrawCustomizeMarks(pDC);
    pDC->SelectObject(pOldFont);
}

void CWTKToolBar::OnNcCalcSize(BOOL /*bCalcValidRects*/, NCCALCSIZE_PARAMS* lpncsp)
{
    m_Impl.CalcNcSize(&lpncsp->rgrc[0]);
}

void CWTKToolBar::OnNcPaint()
{
    m_Impl.DoNcPaint();
}

LRESULT CWTKToolBar::OnNcHitTest(CPoint /*point*/)
{
    return HTCLIENT;
}

void CWTKToolBar::OnSysColorChange()
{
    // Every toolbar hears the change; the shared and the look's colours are computed once.
    WTKOnSysColorChange();
    const WTKGlobalData& data = WTKGetGlobalData();
    for (CWTKImageStrip* pStrip :
         {&s_Images, &s_ColdImages, &s_DisabledImages, &s_LargeImages, &s_LargeColdImages, &s_LargeDisabledImages,
          &s_MenuImages, &s_MenuDisabledImages, &m_ImagesLocked, &m_ColdImagesLocked, &m_DisabledImagesLocked,
          &m_LargeColdImagesLocked, &m_LargeImagesLocked, &m_LargeDisabledImagesLocked, &m_MenuImagesLocked,
          &m_MenuImagesLockedDisabled})
        pStrip->OnSysColorChange();
    if (s_pUserImages != nullptr)
        s_pUserImages->OnSysColorChange();
    m_penSeparator.DeleteObject();
    m_penSeparator.CreatePen(PS_SOLID, 1, data.clrBarText);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void CWTKToolBar::OnSettingChange(UINT uFlags, LPCSTR /*lpszSection*/)
{
    if (uFlags == SPI_SETNONCLIENTMETRICS) {
        WTKGetGlobalData().UpdateFonts();
        AdjustLayout();
    }
}
