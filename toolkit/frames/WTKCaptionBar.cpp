#include "frames/WTKCaptionBar.h"

#include "command_bars/WTKCustomizeMode.h"
#include "command_bars/WTKIconSize.h"
#include "command_bars/WTKToolbarMessages.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"

#include "win/ClientDC.h"
#include "win/PaintDC.h"
#include "win/WindowDC.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CWTKCaptionBar, CControlBar)

BEGIN_MESSAGE_MAP(CWTKCaptionBar, CControlBar)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_RBUTTONUP()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
END_MESSAGE_MAP()

namespace {

// Width of the drop-down arrow's box at the button's right.
constexpr int kDropDownBoxWidth = 10;
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
constexpr UINT kButtonTextFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;

// A rectangle whose right or bottom passed its left or top becomes empty there.
void Normalize(CRect& rect)
{
    rect.right = std::max(rect.right, rect.left);
    rect.bottom = std::max(rect.bottom, rect.top);
}

// Cuts rect where it meets rectObstacle, on the side the obstacle is aligned to.
void CutAt(CRect& rect, const CRect& rectObstacle, int nObstacleAlignment, int nSpacing)
{
    if (rect.IsRectEmpty() || rectObstacle.IsRectEmpty())
        return;
    if (rect.right <= rectObstacle.left - nSpacing || rect.left >= rectObstacle.right + nSpacing)
        return;
    if (nObstacleAlignment == CWTKCaptionBar::kAlignLeft)
        rect.left = std::max(rect.left, rectObstacle.right + nSpacing);
    else if (nObstacleAlignment == CWTKCaptionBar::kAlignRight)
        rect.right = std::min(rect.right, rectObstacle.left - nSpacing);
    Normalize(rect);
}

}  // namespace

CWTKCaptionBar::CWTKCaptionBar() = default;

CWTKCaptionBar::~CWTKCaptionBar() = default;

BOOL CWTKCaptionBar::Create(DWORD dwStyle, CWnd* pParentWnd, UINT uiID, int nHeight)
{
    m_nDefaultHeight = nHeight;
    return CreateBar(nullptr, nullptr, (dwStyle & ~CBRS_ALL) | CBRS_ALIGN_TOP, pParentWnd, uiID);
}

int CWTKCaptionBar::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CControlBar::OnCreate(lpcs) == -1)
        return -1;
    return 0;
}

// ---- Content ----

void CWTKCaptionBar::SetBitmap(HBITMAP hBitmap, COLORREF clrTransparent, BOOL bStretch, int nAlignment)
{
    m_hIcon = nullptr;
    m_Bitmap.Clear();
    BITMAP bmp = {};
    if (hBitmap != nullptr && ::GetObjectA(hBitmap, sizeof(bmp), &bmp) != 0 && bmp.bmWidth > 0 && bmp.bmHeight > 0) {
        m_Bitmap.SetImageSize(CSize(bmp.bmWidth, bmp.bmHeight));
        m_clrTransparent = clrTransparent;
        m_Bitmap.SetTransparentColor(clrTransparent);
        m_Bitmap.AddImage(hBitmap);
    }
    m_bStretchImage = bStretch;
    m_nBmpAlignment = nAlignment;
    RecalcLayout();
}

void CWTKCaptionBar::SetIcon(HICON hIcon, int nAlignment)
{
    m_Bitmap.Clear();
    m_hIcon = hIcon;
    m_nBmpAlignment = nAlignment;
    RecalcLayout();
}

void CWTKCaptionBar::SetText(const CString& strText, int nAlignment)
{
    m_strText = strText;
    m_nTextAlignment = nAlignment;
    RecalcLayout();
}

void CWTKCaptionBar::SetButton(const CString& strLabel, UINT uiCmdUI, int nAlignment, BOOL bHasDropDownArrow)
{
    m_strBtnText = strLabel;
    m_uiBtnID = uiCmdUI;
    m_nBtnAlignment = nAlignment;
    m_bBtnHasDropDownArrow = bHasDropDownArrow;
    m_bIsBtnPressed = FALSE;
    m_bIsBtnHighlighted = FALSE;
    RecalcLayout();
}

CSize CWTKCaptionBar::GetImageSize() const
{
    if (m_hIcon != nullptr)
        return WTKGetIconSize(m_hIcon);
    if (m_Bitmap.GetCount() > 0)
        return m_Bitmap.GetImageSize();
    return CSize(0, 0);
}

HFONT CWTKCaptionBar::GetCurrentFont() const
{
    return m_hFont != nullptr ? m_hFont : static_cast<HFONT>(WTKGetGlobalData().fontRegular.GetSafeHandle());
}

CWnd* CWTKCaptionBar::GetMessageTarget() const
{
    return GetOwner();
}

// ---- Layout ----

CSize CWTKCaptionBar::CalcFixedLayout(BOOL /*bStretch*/, BOOL /*bHorz*/)
{
    AdjustLayout();
    return CSize(32767, m_nCurrentHeight);
}

void CWTKCaptionBar::RecalcLayout()
{
    if (m_hWnd == nullptr)
        return;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
    AdjustLayout();
    Invalidate();
}

void CWTKCaptionBar::AdjustLayout()
{
    if (m_hWnd == nullptr)
        return;
    CClientDC dc(this);
    HGDIOBJ hOldFont = ::SelectObject(dc, GetCurrentFont());
    TEXTMETRICA tm = {};
    dc.GetTextMetrics(&tm);
    const CSize sizeImage = GetImageSize();
    m_nCurrentHeight = m_nDefaultHeight != -1
        ? m_nDefaultHeight
        : m_nBorderSize + 2 * m_nMargin + std::max<int>(sizeImage.cy, tm.tmHeight + 2);

    CRect rectClient;
    GetClientRect(&rectClient);
    if (rectClient.IsRectEmpty()) {
        ::SelectObject(dc, hOldFont);
        return;
    }

    const int nSpacing = m_nHorzElementOffset;
    int xLeft = rectClient.left + m_nMargin;
    int xRight = rectClient.right - m_nMargin;
    const int yCenter = rectClient.CenterPoint().y;
    m_rectImage.SetRectEmpty();
    m_rectButton.SetRectEmpty();
    m_rectText.SetRectEmpty();
    BOOL bCenterImage = FALSE;
    BOOL bCenterButton = FALSE;
    BOOL bCenterText = FALSE;

    if (HasImage()) {
        const int yTop = sizeImage.cy < rectClient.Height() ? yCenter - sizeImage.cy / 2 : rectClient.top + m_nMargin;
        const int yBottom = m_bStretchImage ? rectClient.bottom - m_nMargin : yTop + sizeImage.cy;
        switch (m_nBmpAlignment) {
        case kAlignLeft:
            m_rectImage = CRect(xLeft, yTop, xLeft + sizeImage.cx, yBottom);
            xLeft = m_rectImage.right + nSpacing;
            break;
        case kAlignRight:
            m_rectImage = CRect(xRight - sizeImage.cx, yTop, xRight, yBottom);
            xRight = m_rectImage.left - nSpacing;
            break;
        default:
            m_rectImage = CRect(0, yTop, sizeImage.cx, yBottom);
            bCenterImage = TRUE;
            break;
        }
    }

    if (!m_strBtnText.IsEmpty()) {
        int cxButton = dc.GetTextExtent(m_strBtnText).cx + 2 * nSpacing;
        if (HasDropDownButton())
            cxButton += kDropDownBoxWidth;
        switch (m_nBtnAlignment) {
        case kAlignLeft:
            m_rectButton = CRect(xLeft, rectClient.top, xLeft + cxButton, rectClient.bottom);
            // Flush with the bar's edge rather than a margin away from it.
            if (m_rectButton.left == rectClient.left + m_nMargin)
                m_rectButton.OffsetRect(rectClient.left - m_rectButton.left, 0);
            xLeft = m_rectButton.right + nSpacing;
            break;
        case kAlignRight:
            m_rectButton = CRect(xRight - cxButton, rectClient.top, xRight, rectClient.bottom);
            if (m_rectButton.right == rectClient.right - m_nMargin)
                m_rectButton.OffsetRect(rectClient.right - m_rectButton.right, 0);
            xRight = m_rectButton.left - nSpacing;
            break;
        default:
            m_rectButton = CRect(0, rectClient.top, cxButton, rectClient.bottom);
            bCenterButton = TRUE;
            break;
        }
    }

    if (!m_strText.IsEmpty()) {
        CRect rectCalc = rectClient;
        dc.DrawText(m_strText, rectCalc, DT_CALCRECT | DT_SINGLELINE);
        const int cyText = rectCalc.Height();
        const int cxText = rectCalc.Width();
        const int yTop = yCenter - cyText / 2;
        switch (m_nTextAlignment) {
        case kAlignLeft:
            m_rectText = CRect(xLeft, yTop, xLeft + cxText, yTop + cyText);
            break;
        case kAlignRight:
            m_rectText = CRect(xRight - cxText, yTop, xRight, yTop + cyText);
            break;
        default:
            m_rectText = CRect(0, yTop, cxText, yTop + cyText);
            bCenterText = TRUE;
            break;
        }
    }
    ::SelectObject(dc, hOldFont);

    // The centred elements stand side by side round the middle of what is free: image, button, text.
    CRect* centred[3] = {};
    int nCentred = 0;
    int cxCentred = 0;
    if (bCenterImage)
        centred[nCentred++] = &m_rectImage;
    if (bCenterButton)
        centred[nCentred++] = &m_rectButton;
    if (bCenterText)
        centred[nCentred++] = &m_rectText;
    for (int i = 0; i < nCentred; i++)
        cxCentred += centred[i]->Width() + (i > 0 ? nSpacing : 0);
    int x = (xLeft + xRight) / 2 - cxCentred / 2;
    for (int i = 0; i < nCentred; i++) {
        centred[i]->OffsetRect(x - centred[i]->left, 0);
        x = centred[i]->right + nSpacing;
    }

    // Everything stays inside the bar; the button may touch its edges, the rest keeps the side
    // margins. Only the sides: the computed height leaves less than a margin above and below an
    // image as tall as the bar allows, and it is shown whole.
    CRect rectInside = rectClient;
    rectInside.DeflateRect(m_nMargin, 0);
    for (CRect* pRect : {&m_rectImage, &m_rectText}) {
        if (pRect->IsRectEmpty())
            continue;
        pRect->IntersectRect(*pRect, rectInside);
    }
    if (!m_rectButton.IsRectEmpty())
        m_rectButton.IntersectRect(m_rectButton, rectClient);

    CutAt(m_rectButton, m_rectImage, m_nBmpAlignment, nSpacing);
    CutAt(m_rectText, m_rectImage, m_nBmpAlignment, nSpacing);
    CutAt(m_rectText, m_rectButton, m_nBtnAlignment, nSpacing);
}

void CWTKCaptionBar::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    Default();
    AdjustLayout();
    Invalidate();
}

void CWTKCaptionBar::OnNcCalcSize(BOOL /*bCalcValidRects*/, NCCALCSIZE_PARAMS* lpncsp)
{
    RECT& rect = lpncsp->rgrc[0];
    rect.top += m_nBorderSize;
    rect.bottom -= m_nBorderSize;
    rect.bottom = std::max(rect.bottom, rect.top);
}

// ---- Drawing ----

BOOL CWTKCaptionBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    OnDrawBackground(pDC, rectClient);
    return TRUE;
}

void CWTKCaptionBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CRect rectClient;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(rectClient);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);

    OnDrawBorder(&dc, CRect(rectWindow.left, rectWindow.top, rectWindow.right, rectWindow.top + m_nBorderSize));
    OnDrawBorder(&dc, CRect(rectWindow.left, rectWindow.bottom - m_nBorderSize, rectWindow.right, rectWindow.bottom));
}

void CWTKCaptionBar::OnPaint()
{
    CPaintDC dc(this);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_clrBarText != kWTKNoColor ? m_clrBarText
                                                : CWTKVisualManager::GetInstance()->GetCaptionBarTextColor(this));
    HGDIOBJ hOldFont = ::SelectObject(dc, GetCurrentFont());
    OnDrawButton(&dc, m_rectButton, m_strBtnText, m_bBtnHasDropDownArrow);
    OnDrawText(&dc, m_rectText, m_strText);
    OnDrawImage(&dc, m_rectImage);
    ::SelectObject(dc, hOldFont);
}

void CWTKCaptionBar::OnDrawBackground(CDC* pDC, CRect rect)
{
    CWTKVisualManager::GetInstance()->OnFillBarBackground(pDC, this, rect, rect);
}

void CWTKCaptionBar::OnDrawBorder(CDC* pDC, CRect rect)
{
    const WTKGlobalData& data = WTKGetGlobalData();
    rect.InflateRect(2, 0);
    if (m_clrBarBackground == kWTKNoColor) {
        ::FillRect(*pDC, rect, static_cast<HBRUSH>(data.brBarFace.GetSafeHandle()));
    } else {
        pDC->FillSolidRect(rect, m_clrBarBackground);
    }
    if (!m_bFlatBorder)
        pDC->Draw3dRect(rect, data.clrBarHilite, data.clrBarShadow);
}

void CWTKCaptionBar::OnDrawText(CDC* pDC, CRect rect, const CString& strText)
{
    if (rect.IsRectEmpty() || strText.IsEmpty())
        return;
    pDC->DrawText(strText, rect, kTextFormat);
}

void CWTKCaptionBar::OnDrawImage(CDC* pDC, CRect rect)
{
    if (rect.IsRectEmpty())
        return;
    if (m_hIcon != nullptr) {
        ::DrawIconEx(*pDC, rect.left, rect.top, m_hIcon, rect.Width(), rect.Height(), 0, nullptr, DI_NORMAL);
        return;
    }
    if (m_Bitmap.GetCount() <= 0)
        return;
    WTKDrawState ds;
    if (!m_Bitmap.PrepareDraw(ds, m_bStretchImage ? rect.Size() : CSize(0, 0)))
        return;
    m_Bitmap.Draw(pDC, rect.left, rect.top, 0);
    m_Bitmap.EndDraw(ds);
}

void CWTKCaptionBar::OnDrawButton(CDC* pDC, CRect rect, const CString& strButton, BOOL bHasDropDownArrow)
{
    if (rect.IsRectEmpty())
        return;
    const WTKGlobalData& data = WTKGetGlobalData();
    const BOOL bArrow = HasButton() && bHasDropDownArrow;

    CRect rectText = rect;
    rectText.DeflateRect(m_nHorzElementOffset, 0);
    if (bArrow)
        rectText.right -= kDropDownBoxWidth;
    pDC->DrawText(strButton, rectText, kButtonTextFormat);

    if (bArrow) {
        // A triangle pointing down, a third smaller than its box.
        const CRect rectBox(rectText.right, rect.top, rectText.right + kDropDownBoxWidth, rect.bottom);
        const int cxArrow = kDropDownBoxWidth - kDropDownBoxWidth / 3;
        const int cyArrow = cxArrow / 2;
        const CPoint center = rectBox.CenterPoint();
        const POINT points[3] = {{center.x - cxArrow / 2, center.y - cyArrow / 2},
                                 {center.x + cxArrow / 2, center.y - cyArrow / 2},
                                 {center.x, center.y - cyArrow / 2 + cyArrow}};
        const COLORREF clrArrow = pDC->GetTextColor();
        HBRUSH hBrush = ::CreateSolidBrush(clrArrow);
        HPEN hPen = ::CreatePen(PS_SOLID, 1, clrArrow);
        HGDIOBJ hOldBrush = ::SelectObject(*pDC, hBrush);
        HGDIOBJ hOldPen = ::SelectObject(*pDC, hPen);
        pDC->Polygon(points, 3);
        ::SelectObject(*pDC, hOldPen);
        ::SelectObject(*pDC, hOldBrush);
        ::DeleteObject(hPen);
        ::DeleteObject(hBrush);
    }

    if (m_bIsBtnPressed || m_bIsBtnChecked)
        pDC->Draw3dRect(rect, data.clrBarShadow, data.clrBarHilite);
    else if (m_bIsBtnHighlighted)
        pDC->Draw3dRect(rect, data.clrBarHilite, data.clrBarShadow);
}

void CWTKCaptionBar::RedrawButton()
{
    if (!m_rectButton.IsRectEmpty())
        RedrawWindow(m_rectButton, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// ---- Mouse ----

void CWTKCaptionBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    CControlBar::OnLButtonDown(nFlags, point);
    // The button has no disabled state: one with a command acts while the mouse is on it.
    if (!HasButton() || !m_bIsBtnHighlighted)
        return;
    m_bIsBtnPressed = TRUE;
    RedrawButton();
    // Posted: the command may hide or destroy the bar.
    if (CWnd* pTarget = GetMessageTarget())
        pTarget->PostMessage(WM_COMMAND, m_uiBtnID);
}

void CWTKCaptionBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bIsBtnPressed) {
        m_bIsBtnPressed = FALSE;
        RedrawButton();
    }
    CControlBar::OnLButtonUp(nFlags, point);
}

void CWTKCaptionBar::OnMouseMove(UINT nFlags, CPoint point)
{
    CControlBar::OnMouseMove(nFlags, point);
    // Tracked for every button with a command: one drawn without the arrow is still a button.
    if (!HasButton())
        return;
    const BOOL bHighlighted = m_rectButton.PtInRect(point);
    const BOOL bPressed = bHighlighted && (nFlags & MK_LBUTTON) != 0;
    if (bHighlighted != m_bIsBtnHighlighted || bPressed != m_bIsBtnPressed) {
        m_bIsBtnHighlighted = bHighlighted;
        m_bIsBtnPressed = bPressed;
        RedrawButton();
    }
    if (!m_bTracked) {
        m_bTracked = TRUE;
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&tme);
    }
}

void CWTKCaptionBar::OnMouseLeave()
{
    m_bTracked = FALSE;
    if (m_bIsBtnPressed || m_bIsBtnHighlighted) {
        m_bIsBtnPressed = FALSE;
        m_bIsBtnHighlighted = FALSE;
        RedrawButton();
    }
}

void CWTKCaptionBar::OnRButtonUp(UINT nFlags, CPoint point)
{
    if (WTKIsCustomizeMode()) {
        CControlBar::OnRButtonUp(nFlags, point);
        return;
    }
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (CWnd* pTarget = GetMessageTarget())
        pTarget->SendMessage(WTK_TOOLBAR_POPUPMENU, reinterpret_cast<WPARAM>(m_hWnd),
                             MAKELPARAM(ptScreen.x, ptScreen.y));
}

// ---- Font ----

LRESULT CWTKCaptionBar::OnSetFont(WPARAM wParam, LPARAM /*lParam*/)
{
    m_hFont = reinterpret_cast<HFONT>(wParam);
    RecalcLayout();
    return 0;
}

LRESULT CWTKCaptionBar::OnGetFont(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_hFont);
}
