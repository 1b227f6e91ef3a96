// CWTKOutlookBar: painting of the work area, the caption strip and the shortcut buttons, and
// the background bitmap.
#include "frames/WTKOutlookBar.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"

#include "gdi/DC.h"
#include "gdi/DCStateGuard.h"
#include "gdi/MemDC.h"
#include "win/WinApp.h"

namespace {
// The background bitmap is drawn only on screens of more than 256 colours.
constexpr int kMinBitsForBackImage = 9;
}  // namespace

BOOL CWTKOutlookBar::IsDrawingBackImage() const
{
    return m_bmpBack.GetSafeHandle() != nullptr && WTKGetGlobalData().nBitsPerPixel >= kMinBitsForBackImage;
}

void CWTKOutlookBar::SetBackImage(UINT uiBmpResID)
{
    if (uiBmpResID == m_uiBackImageId)
        return;
    m_uiBackImageId = uiBmpResID;
    LoadBackImage();
}

void CWTKOutlookBar::LoadBackImage()
{
    m_bmpBack.DeleteObject();
    if (m_uiBackImageId != 0) {
        HANDLE hImage = ::LoadImageA(FwGetResourceHandle(), MAKEINTRESOURCEA(m_uiBackImageId), IMAGE_BITMAP, 0, 0,
                                     LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS);
        if (hImage != nullptr)
            m_bmpBack.Attach(static_cast<HBITMAP>(hImage));
    }
    if (::IsWindow(GetSafeHwnd()))
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CWTKOutlookBar::OnSysColorChange()
{
    CWTKToolBar::OnSysColorChange();
    if (m_uiBackImageId != 0)
        LoadBackImage();
    else
        Invalidate();
}

void CWTKOutlookBar::FillWorkArea(CDC* pDC, const CRect& rect) const
{
    if (!IsDrawingBackImage()) {
        CWTKVisualManager::GetInstance()->OnFillOutlookBarBackground(pDC, rect, &m_ShortcutInfo);
        return;
    }
    // The bitmap is tiled over the area.
    BITMAP bm {};
    ::GetObjectA(m_bmpBack.GetSafeHandle(), sizeof(bm), &bm);
    if (bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return;
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(pDC))
        return;
    HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), m_bmpBack.GetSafeHandle());
    for (int y = rect.top; y < rect.bottom; y += bm.bmHeight) {
        for (int x = rect.left; x < rect.right; x += bm.bmWidth)
            ::BitBlt(pDC->GetSafeHdc(), x, y, std::min<int>(bm.bmWidth, rect.right - x),
                     std::min<int>(bm.bmHeight, rect.bottom - y), dcMem.GetSafeHdc(), 0, 0, SRCCOPY);
    }
    ::SelectObject(dcMem.GetSafeHdc(), hOld);
}

void CWTKOutlookBar::DrawCaptionStrip(CDC* pDC)
{
    if (m_rectCaption.IsRectEmpty())
        return;
    const WTKGlobalData& data = WTKGetGlobalData();
    pDC->FillSolidRect(m_rectCaption, ::GetSysColor(COLOR_BTNSHADOW));
    CString strText;
    GetWindowText(strText);
    CFont* pOldFont = pDC->SelectObject(
        const_cast<CFont*>(IsHorizontalBar() && data.fontVertCaption.GetSafeHandle() != nullptr ? &data.fontVertCaption
                                                                                                : &data.fontRegular));
    pDC->SetTextColor(::GetSysColor(COLOR_CAPTIONTEXT));
    pDC->SetBkMode(TRANSPARENT);
    CRect rectText = m_rectCaption;
    if (IsHorizontalBar()) {
        pDC->TextOut(rectText.left + 2, rectText.bottom - 2, strText);
    } else {
        rectText.DeflateRect(4, 0);
        pDC->DrawText(strText, rectText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    }
    pDC->SelectObject(pOldFont);
}

void CWTKOutlookBar::DoPaint(CDC* pDCPaint)
{
    CRect rectClient;
    GetClientRect(rectClient);
    CMemDC memDC(pDCPaint, rectClient);
    CDC* pDC = &memDC;

    CWTKVisualManager::GetInstance()->OnFillBarBackground(pDC, this, rectClient, rectClient);
    FillWorkArea(pDC, m_rectPageArea);
    DrawCaptionStrip(pDC);

    const WTKGlobalData& data = WTKGetGlobalData();
    const CDCStateGuard state(pDC);
    pDC->SelectObject(const_cast<CFont*>(&data.fontRegular));
    pDC->SetBkMode(TRANSPARENT);
    // Buttons are cut at the page area: the page captions stand over what is scrolled past.
    pDC->IntersectClipRect(m_rectPageArea);
    WTKDrawState ds;
    CWTKImageStrip* pImages = m_Images.GetCount() > 0 && m_Images.PrepareDraw(ds) ? &m_Images : nullptr;
    for (int i = 0; i < m_Buttons.GetCount(); i++) {
        CWTKToolbarButton* pButton = m_Buttons.GetAt(i);
        if (pButton->IsHidden())
            continue;
        DrawButton(pDC, pButton, pImages, IsButtonHighlighted(i), FALSE);
    }
    if (pImages != nullptr)
        m_Images.EndDraw(ds);
}

BOOL CWTKOutlookBar::DrawButton(CDC* pDC, CWTKToolbarButton* pButton, CWTKImageStrip* pImages, BOOL bHighlighted,
                                BOOL /*bDrawDisabledImages*/)
{
    if (pButton->IsHidden() || !pDC->RectVisible(pButton->GetRect()))
        return TRUE;
    pButton->OnDraw(pDC, pButton->GetRect(), pImages, IsHorizontalBar(), IsCustomizeMode() && !m_bLocked, bHighlighted,
                    TRUE, TRUE);
    return TRUE;
}
