#include "frames/WTKOutlookButton.h"

#include "frames/WTKOutlookBar.h"

#include "foundation/WTKImageStrip.h"
#include "foundation/WTKPaintTools.h"
#include "foundation/WTKVisualManager.h"
#include "foundation/WTKWorkspace.h"

#include "core/Archive.h"
#include "gdi/DC.h"

#include <algorithm>

IMPLEMENT_SERIAL(CWTKOutlookButton, CWTKToolbarButton, kOutlookButtonSchema)

namespace {
// Round the image and its text.
constexpr int kMargin = 10;
constexpr int kImageInset = 5;
constexpr int kTextBelowImage = 2;
constexpr int kHighlightPercent = 85;
// Saved data newer than 4.70 carries the page id.
constexpr int kPageIdMajor = 4;
constexpr int kPageIdMinor = 70;
constexpr UINT kDisabledBit = TBBS_DISABLED;
}  // namespace

CWTKOutlookButton::CWTKOutlookButton(UINT uiCmdID, int iImage, LPCSTR lpszText, UINT uiPageID)
    : CWTKToolbarButton(uiCmdID, iImage, lpszText, FALSE, TRUE), m_uiPageID(uiPageID)
{
    m_bText = TRUE;
}

BOOL CWTKOutlookButton::IsPageIdStored()
{
    return WTKIsSavedDataNewerThan(kPageIdMajor, kPageIdMinor);
}

void CWTKOutlookButton::Serialize(CArchive& ar)
{
    CWTKToolbarButton::Serialize(ar);
    // One rule both ways, so a record reads back with the layout it was written in.
    const BOOL bPageId = IsPageIdStored();
    if (ar.IsStoring()) {
        if (bPageId)
            ar << static_cast<int>(m_uiPageID);
        return;
    }
    int nPageID = 0;
    if (bPageId)
        ar >> nPageID;
    m_uiPageID = static_cast<UINT>(nPageID);
}

void CWTKOutlookButton::CopyFrom(const CWTKToolbarButton& src)
{
    CWTKToolbarButton::CopyFrom(src);
    if (const auto* pOther = dynamic_cast<const CWTKOutlookButton*>(&src)) {
        m_uiPageID = pOther->m_uiPageID;
        m_pWndParentBar = pOther->m_pWndParentBar;
    }
}

BOOL CWTKOutlookButton::CompareWith(const CWTKToolbarButton& other) const
{
    const auto* pOther = dynamic_cast<const CWTKOutlookButton*>(&other);
    return CWTKToolbarButton::CompareWith(other) && pOther != nullptr && pOther->m_uiPageID == m_uiPageID;
}

CSize CWTKOutlookButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    m_bHorz = bHorz;
    const CSize sizeImage = (GetImage() >= 0 && m_bImage) ? m_sizeImage : CSize(0, 0);
    CSize sizeText(0, 0);
    const CString strText = RemoveMnemonicMarks(m_strText);
    m_bIsWholeText = FALSE;
    if (m_bText && !strText.IsEmpty()) {
        const int nLineHeight = pDC->GetTextExtent("Wg").cy;
        const int nWidth = bHorz ? std::max<int>(pDC->GetTextExtent(strText).cx, 1)
                                 : std::max<int>(sizeDefault.cx - 2 * kMargin, std::max<int>(sizeImage.cx, 1));
        CRect rectText(0, 0, nWidth, 0);
        pDC->DrawText(strText, rectText, DT_CALCRECT | DT_WORDBREAK);
        sizeText = rectText.Size();
        m_bIsWholeText = sizeText.cy > nLineHeight;
    }
    if (bHorz)
        return CSize(kImageInset + sizeImage.cx + kMargin + sizeText.cx + kMargin,
                     std::max<int>(sizeImage.cy, sizeText.cy) + kMargin);
    return CSize(std::max<int>(sizeDefault.cx, std::max<int>(sizeImage.cx, sizeText.cx) + kMargin),
                 kImageInset + sizeImage.cy + kTextBelowImage + sizeText.cy + kMargin);
}

void CWTKOutlookButton::OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz, BOOL bCustomizeMode,
                               BOOL bHighlight, BOOL /*bDrawBorder*/, BOOL /*bGrayDisabledButtons*/)
{
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    const BOOL bBackImage = m_pWndParentBar != nullptr && m_pWndParentBar->IsDrawingBackImage();
    CRect rectFrame = rect;
    CRect rectText = rect;
    const CSize sizeExtra = pLook->GetButtonExtraBorder();
    const BOOL bExtra = m_bExtraSize && (sizeExtra.cx != 0 || sizeExtra.cy != 0);
    if (bExtra) {
        rectFrame.DeflateRect(sizeExtra.cx / 2 + 1, sizeExtra.cy / 2 + 1);
        rectText.OffsetRect(bHorz ? sizeExtra.cx : 0, bHorz ? 0 : sizeExtra.cy);
    }
    rectText.top += kImageInset;
    rectText.DeflateRect(kImageInset, 0);

    const BOOL bPressed = (m_nStyle & TBBS_PRESSED) != 0;
    const BOOL bChecked = (m_nStyle & TBBS_CHECKED) != 0;
    const CString strText = RemoveMnemonicMarks(m_strText);
    CRect rectImage(0, 0, 0, 0);
    if (pImages != nullptr && GetImage() >= 0 && m_bImage) {
        const CSize sizeImage = pImages->GetImageSize(TRUE);
        int x = 0;
        int y = 0;
        if (bHorz) {
            x = rectFrame.left + kImageInset;
            y = rectFrame.top + (rectFrame.Height() - sizeImage.cy) / 2;
            rectText.left = rect.left + sizeImage.cx + kMargin;
            CRect rectCalc = rectText;
            pDC->DrawText(strText, rectCalc, DT_CALCRECT | DT_WORDBREAK);
            rectText.top = rect.top + (rect.Height() - rectCalc.Height()) / 2;
        } else {
            x = rectFrame.left + (rectFrame.Width() - sizeImage.cx) / 2;
            y = rectFrame.top + kImageInset;
            rectText.top += sizeImage.cy + kTextBelowImage;
        }
        rectImage = CRect(CPoint(x, y), sizeImage);
        if (!bCustomizeMode && bHighlight && bPressed) {
            x++;
            y++;
        }
        CRect rectBorder = rectImage;
        rectBorder.InflateRect(2, 2);
        if (bExtra)
            rectBorder.InflateRect(sizeExtra.cx / 2 - 1, sizeExtra.cy / 2 - 1);
        if (!bBackImage)
            DrawFrame(pDC, rectBorder, bHighlight);
        else if (bHighlight && !bCustomizeMode)
            CWTKPaintTools(pDC).HighlightRect(rectBorder, kHighlightPercent);
        pImages->Draw(pDC, x, y, GetImage(), FALSE, (m_nStyle & kDisabledBit) != 0);
        rectImage = rectBorder;
    }
    if (!bCustomizeMode && (bHighlight || bPressed || bChecked) && !rectImage.IsRectEmpty()) {
        const int state = ((bHighlight && bPressed) || bChecked) ? kButtonStatePushed : kButtonStateHighlighted;
        pLook->OnDrawButtonBorder(pDC, this, rectImage, state);
    }
    if (!m_bText || strText.IsEmpty())
        return;
    const int state = bHighlight ? kButtonStateHighlighted
        : (bPressed || bChecked) ? kButtonStatePushed
                                 : kButtonStateNormal;
    COLORREF clrText = 0;
    const COLORREF clrBar =
        m_pWndParentBar != nullptr ? m_pWndParentBar->GetButtonTextColor() : static_cast<COLORREF>(-1);
    if (m_nStyle & kDisabledBit)
        clrText = bBackImage ? ::GetSysColor(COLOR_GRAYTEXT) : pLook->GetToolbarButtonTextColor(this, state);
    else if (clrBar != static_cast<COLORREF>(-1))
        clrText = clrBar;
    else
        clrText = bBackImage ? ::GetSysColor(COLOR_WINDOWTEXT) : pLook->GetToolbarButtonTextColor(this, state);
    pDC->SetTextColor(clrText);
    const UINT uiFormat = m_bIsWholeText ? (DT_CENTER | DT_WORDBREAK) : (DT_WORDBREAK | DT_END_ELLIPSIS);
    pDC->DrawText(strText, rectText, bHorz ? uiFormat & ~DT_CENTER : uiFormat | DT_CENTER);
}
