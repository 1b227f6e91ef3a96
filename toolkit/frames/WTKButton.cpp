#include "frames/WTKButton.h"

#include "command_bars/WTKPopupMenu.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKImageStrip.h"
#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKPaintTools.h"
#include "foundation/WTKVisualManager.h"

#include "core/ResourceHandle.h"
#include "gdi/DC.h"
#include "gdi/GdiObject.h"
#include "win/ClientDC.h"
#include "win/MessageMap.h"
#include "win/ToolTipCtrl.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(CWTKButton, CButton)

namespace {

// Space around the content that SizeToContent adds, and the margin of the image and of a text
// aligned left or right.
constexpr int kContentPadding = 10;
constexpr int kImageMargin = 5;
constexpr int kTextMargin = 5;
// The focus rectangle lies this far inside the item.
constexpr int kFocusInset = 2;
// Bitmaps given to the button use the standard face colour for their background.
constexpr COLORREF kImageTransparentColor = RGB(192, 192, 192);
// Name of the themed look's class: while it draws, every style tracks the hover.
constexpr char kThemedLookClass[] = "CWTKWinXPVisualManager";

// A copy that ImageList_AddMasked may change (it blackens the masked pixels of its input).
HBITMAP CopyBitmap(HBITMAP hbmp)
{
    return static_cast<HBITMAP>(::CopyImage(hbmp, IMAGE_BITMAP, 0, 0, 0));
}

CSize BitmapSize(HBITMAP hbmp)
{
    BITMAP bm {};
    if (hbmp == nullptr || ::GetObjectA(hbmp, sizeof(bm), &bm) == 0)
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

// A one-image list of the bitmap's size, masked by clrMask.
BOOL MakeImageList(CImageList& list, HBITMAP hbmp, COLORREF clrMask)
{
    list.DeleteImageList();
    const CSize size = BitmapSize(hbmp);
    if (size.cx <= 0 || size.cy <= 0)
        return FALSE;
    if (!list.Create(size.cx, size.cy, CWTKButton::GetImageListColorFlag(hbmp) | ILC_MASK, 1, 0))
        return FALSE;
    HBITMAP hCopy = CopyBitmap(hbmp);
    if (hCopy == nullptr)
        return FALSE;
    const int nAdded = ImageList_AddMasked(list.GetSafeHandle(), hCopy, clrMask);
    ::DeleteObject(hCopy);
    return nAdded >= 0;
}

HBITMAP LoadBitmapResource(UINT uiResId)
{
    if (uiResId == 0)
        return nullptr;
    HINSTANCE hInst = FwFindResourceHandle(MAKEINTRESOURCEA(uiResId), RT_BITMAP);
    if (hInst == nullptr)
        return nullptr;
    return static_cast<HBITMAP>(::LoadImageA(hInst, MAKEINTRESOURCEA(uiResId), IMAGE_BITMAP, 0, 0, 0));
}

// Deletes a loaded bitmap when the scope ends.
struct BitmapHolder {
    HBITMAP h;
    explicit BitmapHolder(HBITMAP hbmp) : h(hbmp) {}
    ~BitmapHolder()
    {
        if (h != nullptr)
            ::DeleteObject(h);
    }
    BitmapHolder(const BitmapHolder&) = delete;
    BitmapHolder& operator=(const BitmapHolder&) = delete;
};

BOOL IsThemedLookActive()
{
    CRuntimeClass* pThemed = CRuntimeClass::FromName(kThemedLookClass);
    return pThemed != nullptr && CWTKVisualManager::GetInstance()->IsKindOf(pThemed);
}

// A menu of the thread is open, a system menu or a toolkit popup (a window of its own): Enter
// belongs to it.
BOOL IsMenuOpen()
{
    if (CWTKPopupMenu::GetActiveMenu() != nullptr)
        return TRUE;
    GUITHREADINFO info {};
    info.cbSize = sizeof(info);
    return ::GetGUIThreadInfo(::GetCurrentThreadId(), &info) && (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE));
}

}  // namespace

BEGIN_MESSAGE_MAP(CWTKButton, CButton)
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_TIMER()
    ON_WM_CANCELMODE()
    ON_WM_KILLFOCUS()
    ON_WM_ENABLE()
    ON_WM_SIZE()
    ON_WM_SETCURSOR()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_MESSAGE(BM_GETCHECK, OnGetCheck)
    ON_MESSAGE(BM_SETCHECK, OnSetCheck)
END_MESSAGE_MAP()

CWTKButton::CWTKButton() = default;

CWTKButton::~CWTKButton()
{
    delete m_pToolTip;
}

UINT CWTKButton::GetImageListColorFlag(HBITMAP hbmp)
{
    BITMAP bm {};
    const int nBits = (hbmp != nullptr && ::GetObjectA(hbmp, sizeof(bm), &bm) != 0) ? bm.bmBitsPixel : 0;
    switch (nBits) {
    case 8:
        return ILC_COLOR8;
    case 16:
        return ILC_COLOR16;
    case 24:
        return ILC_COLOR24;
    case 32:
        return ILC_COLOR32;
    default:
        return ILC_COLOR4;
    }
}

// ---- Set-up ----

void CWTKButton::PreSubclassWindow()
{
    InitStyle(GetStyle());
    CButton::PreSubclassWindow();
}

void CWTKButton::InitStyle(DWORD dwStyle)
{
    switch (dwStyle & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
        m_bCheckButton = m_bAutoCheck = TRUE;
        break;
    case BS_CHECKBOX:
        m_bCheckButton = TRUE;
        break;
    case BS_AUTORADIOBUTTON:
        m_bRadioButton = m_bAutoCheck = TRUE;
        break;
    case BS_RADIOBUTTON:
        m_bRadioButton = TRUE;
        break;
    default:
        break;
    }
    if (m_bCheckButton || m_bRadioButton) {
        switch (dwStyle & BS_CENTER) {
        case BS_LEFT:
            m_nAlignStyle = kAlignLeft;
            break;
        case BS_RIGHT:
            m_nAlignStyle = kAlignRight;
            break;
        case BS_CENTER:
            m_nAlignStyle = kAlignCenter;
            break;
        default:
            break;
        }
    }
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>((dwStyle & ~BS_TYPEMASK) | BS_OWNERDRAW));
}

// ---- Images ----

void CWTKButton::CleanUp()
{
    m_nStdImageId = -1;
    m_nStdImageDisabledId = -1;
    m_sizeImage = CSize(0, 0);
    m_Image.DeleteImageList();
    m_ImageHot.DeleteImageList();
    m_ImageDisabled.DeleteImageList();
    m_ImageChecked.DeleteImageList();
    m_ImageCheckedHot.DeleteImageList();
    m_ImageCheckedDisabled.DeleteImageList();
}

void CWTKButton::SetImageInternal(HBITMAP hbmp, HBITMAP hbmpHot, HBITMAP hbmpDisabled, BOOL bChecked)
{
    if (!bChecked) {
        m_nStdImageId = -1;
        m_nStdImageDisabledId = -1;
    }
    CImageList& normal = bChecked ? m_ImageChecked : m_Image;
    CImageList& hot = bChecked ? m_ImageCheckedHot : m_ImageHot;
    CImageList& disabled = bChecked ? m_ImageCheckedDisabled : m_ImageDisabled;
    normal.DeleteImageList();
    hot.DeleteImageList();
    disabled.DeleteImageList();
    if (hbmp == nullptr) {
        if (!bChecked)
            m_sizeImage = CSize(0, 0);
        return;
    }
    MakeImageList(normal, hbmp, kImageTransparentColor);
    if (hbmpHot != nullptr)
        MakeImageList(hot, hbmpHot, kImageTransparentColor);
    if (hbmpDisabled != nullptr)
        MakeImageList(disabled, hbmpDisabled, kImageTransparentColor);
    else if (m_bGrayDisabled)
        CreateDisabledImage(hbmp, bChecked);
    if (!bChecked)
        m_sizeImage = BitmapSize(hbmp);
}

void CWTKButton::SetImage(HBITMAP hbmp, HBITMAP hbmpHot, HBITMAP hbmpDisabled)
{
    SetImageInternal(hbmp, hbmpHot, hbmpDisabled, FALSE);
}

void CWTKButton::SetImage(UINT uiBmpResId, UINT uiBmpHotResId, UINT uiBmpDisabledResId)
{
    BitmapHolder bmp(LoadBitmapResource(uiBmpResId));
    BitmapHolder hot(LoadBitmapResource(uiBmpHotResId));
    BitmapHolder disabled(LoadBitmapResource(uiBmpDisabledResId));
    SetImageInternal(bmp.h, hot.h, disabled.h, FALSE);
}

void CWTKButton::SetCheckedImage(HBITMAP hbmp, HBITMAP hbmpHot, HBITMAP hbmpDisabled)
{
    SetImageInternal(hbmp, hbmpHot, hbmpDisabled, TRUE);
}

void CWTKButton::SetCheckedImage(UINT uiBmpResId, UINT uiBmpHotResId, UINT uiBmpDisabledResId)
{
    BitmapHolder bmp(LoadBitmapResource(uiBmpResId));
    BitmapHolder hot(LoadBitmapResource(uiBmpHotResId));
    BitmapHolder disabled(LoadBitmapResource(uiBmpDisabledResId));
    SetImageInternal(bmp.h, hot.h, disabled.h, TRUE);
}

void CWTKButton::SetStdImage(int nImage, int nImageDisabled)
{
    CleanUp();
    CWTKMenuGlyphs::Initialize();
    m_sizeImage = CWTKMenuGlyphs::GetSize();
    m_nStdImageId = nImage;
    m_nStdImageDisabledId = nImageDisabled;
}

void CWTKButton::CreateDisabledImage(HBITMAP hbmp, BOOL bChecked)
{
    CImageList& list = bChecked ? m_ImageCheckedDisabled : m_ImageDisabled;
    list.DeleteImageList();
    const CSize size = BitmapSize(hbmp);
    if (size.cx <= 0 || size.cy <= 0)
        return;

    // The strip draws the embossed grey image over a copy filled with the face colour, which
    // then is the list's mask colour.
    CWTKImageStrip strip;
    strip.SetImageSize(size);
    strip.SetTransparentColor(kImageTransparentColor);
    HBITMAP hCopy = CopyBitmap(hbmp);
    if (hCopy == nullptr)
        return;
    const int iImage = strip.AddImage(hCopy);
    ::DeleteObject(hCopy);
    if (iImage < 0)
        return;

    const WTKGlobalData& g = WTKGetGlobalData();
    CClientDC dcScreen(nullptr);
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(&dcScreen))
        return;
    CBitmap bmpDisabled;
    if (!bmpDisabled.CreateCompatibleBitmap(&dcScreen, size.cx, size.cy))
        return;
    CBitmap* pOld = dcMem.SelectObject(&bmpDisabled);
    dcMem.FillSolidRect(0, 0, size.cx, size.cy, g.clrBtnFace);
    WTKDrawState ds;
    if (strip.PrepareDraw(ds)) {
        strip.Draw(&dcMem, 0, 0, iImage, FALSE, TRUE);
        strip.EndDraw(ds);
    }
    dcMem.SelectObject(pOld);

    if (!list.Create(size.cx, size.cy, GetImageListColorFlag(hbmp) | ILC_MASK, 1, 0))
        return;
    ImageList_AddMasked(list.GetSafeHandle(), static_cast<HBITMAP>(bmpDisabled.GetSafeHandle()), g.clrBtnFace);
}

// ---- Appearance ----

void CWTKButton::SetTooltip(LPCSTR lpszToolTipText)
{
    m_strToolTip = lpszToolTipText != nullptr ? lpszToolTipText : "";
    if (m_hWnd == nullptr)
        return;
    if (m_strToolTip.IsEmpty()) {
        if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr)
            m_pToolTip->DelTool(this);
        return;
    }
    if (m_pToolTip == nullptr)
        m_pToolTip = new CToolTipCtrl;
    if (m_pToolTip->GetSafeHwnd() == nullptr) {
        if (!m_pToolTip->Create(this, TTS_ALWAYSTIP))
            return;
        m_pToolTip->Activate(TRUE);
    }
    if (m_pToolTip->GetToolCount() == 0)
        m_pToolTip->AddTool(this, m_strToolTip);
    else
        m_pToolTip->UpdateTipText(m_strToolTip, this);
}

void CWTKButton::SetMouseCursorHand()
{
    m_hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));  // the system's hand
}

void CWTKButton::SetAutoRepeatMode(int nTimeDelay)
{
    m_nAutoRepeatTimeDelay = std::max(nTimeDelay, 0);
}

void CWTKButton::SetFaceColor(COLORREF crFace, BOOL bRedraw)
{
    m_clrRegular = crFace;
    if (bRedraw && m_hWnd != nullptr)
        Invalidate();
}

void CWTKButton::EnableAutoTooltip(BOOL bEnable)
{
    m_bAutoTooltip = bEnable;
    m_bDelayAutoTooltipCheck = bEnable;
    if (m_hWnd != nullptr)
        Invalidate();
}

CFont* CWTKButton::SelectFont(CDC* pDC)
{
    HGDIOBJ hFont = m_hFont != nullptr ? static_cast<HGDIOBJ>(m_hFont) : ::GetStockObject(DEFAULT_GUI_FONT);
    return CFont::FromHandle(static_cast<HFONT>(pDC->SelectObject(hFont)));
}

CSize CWTKButton::SizeToContent(BOOL bCalcOnly)
{
    CString strText;
    GetWindowText(strText);
    CSize sizeText(0, 0);
    if (!strText.IsEmpty()) {
        CClientDC dc(this);
        CFont* pOld = SelectFont(&dc);
        CRect rectText(0, 0, 0, 0);
        dc.DrawText(strText, rectText, DT_CALCRECT | DT_SINGLELINE);
        dc.SelectObject(pOld);
        sizeText = rectText.Size();
    }
    CSize size(m_sizeImage.cx + sizeText.cx + kContentPadding,
               std::max<int>(m_sizeImage.cy, sizeText.cy) + kContentPadding);
    if (!strText.IsEmpty())
        size.cx += kContentPadding;
    if (!bCalcOnly)
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}

// ---- Drawing ----

void CWTKButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rectClient = lpDIS->rcItem;
    const UINT uiState = lpDIS->itemState;

    OnFillBackground(pDC, rectClient);
    if (m_nFlatStyle == kStyleNoBorder)
        OnDrawBorder(pDC, rectClient, uiState);
    else
        CWTKVisualManager::GetInstance()->OnDrawPushButtonBorder(pDC, rectClient, this, uiState);
    OnDraw(pDC, rectClient, uiState);
    if ((uiState & ODS_FOCUS) && m_bDrawFocus)
        OnDrawFocusRect(pDC, lpDIS->rcItem);
}

void CWTKButton::OnFillBackground(CDC* pDC, const CRect& rectClient)
{
    if (m_bTransparent) {
        CRect rectClip = rectClient;
        WTKGetGlobalData().DrawParentBackground(this, pDC, rectClip);
    } else if (m_clrRegular == static_cast<COLORREF>(-1)) {
        CWTKVisualManager::GetInstance()->OnFillPushButtonBackground(pDC, rectClient, this);
    } else {
        pDC->FillSolidRect(rectClient, m_clrRegular);
    }
    if (m_bHover && m_bHighlightOnHover && !(m_bPushed && m_bHighlighted)) {
        CWTKPaintTools tools(pDC);
        tools.HighlightRect(rectClient);
    }
}

void CWTKButton::OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState)
{
    if (m_nFlatStyle == kStyleNoBorder) {
        rectClient.DeflateRect(2, 2);
        return;
    }
    const WTKGlobalData& g = WTKGetGlobalData();
    const BOOL bPressed = (m_bPushed && m_bHighlighted) || (uiState & ODS_SELECTED);
    // A checked button looks pressed in, so a check box without images still shows its state.
    if (bPressed || m_bHover || m_bChecked) {
        pDC->Draw3dRect(rectClient, g.clrBtnDkShadow, g.clrBtnHilite);
        if (m_nFlatStyle != kStyleFlat) {
            CRect rectInner = rectClient;
            rectInner.DeflateRect(1, 1);
            pDC->Draw3dRect(rectInner, g.clrBtnShadow, g.clrBtnLight);
        }
        rectClient.DeflateRect(2, 2);
        // Only a press moves the content: a hovered or checked button keeps it in place.
        if (bPressed)
            rectClient.OffsetRect(m_sizePushOffset);
        return;
    }
    if (m_nFlatStyle == kStyleFlat && !m_bHighlighted) {
        rectClient.DeflateRect(2, 2);
        return;
    }
    pDC->Draw3dRect(rectClient, g.clrBtnHilite, g.clrBtnDkShadow);
    if (m_nFlatStyle == kStyle3D || (m_nFlatStyle == kStyleSemiFlat && m_bHighlighted)) {
        CRect rectInner = rectClient;
        rectInner.DeflateRect(1, 1);
        pDC->Draw3dRect(rectInner, g.clrBtnLight, g.clrBtnShadow);
    }
    rectClient.DeflateRect(2, 2);
}

void CWTKButton::OnDrawFocusRect(CDC* pDC, const CRect& rectClient)
{
    CRect rectFocus = rectClient;
    rectFocus.DeflateRect(kFocusInset, kFocusInset);
    const COLORREF clrFace = m_clrRegular == static_cast<COLORREF>(-1) ? WTKGetGlobalData().clrBtnFace : m_clrRegular;
    CBrush brFace;
    if (brFace.CreateSolidBrush(clrFace))
        pDC->FrameRect(rectFocus, &brFace);
    pDC->DrawFocusRect(rectFocus);
}

void CWTKButton::UpdateAutoTooltip(CDC* pDC, const CString& strText, const CRect& rectText)
{
    m_bDelayAutoTooltipCheck = FALSE;
    CRect rectCalc(0, 0, 0, 0);
    pDC->DrawText(strText, rectCalc, DT_CALCRECT | DT_SINGLELINE);
    SetTooltip(rectCalc.Width() > rectText.Width() ? static_cast<LPCSTR>(strText) : nullptr);
}

void CWTKButton::OnDraw(CDC* pDC, const CRect& rect, UINT uiState)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    CString strText;
    GetWindowText(strText);

    CRect rectText = rect;
    CRect rectImage(0, 0, 0, 0);
    if (m_sizeImage.cx > 0) {
        rectImage = rect;
        if (!strText.IsEmpty()) {
            if (m_bRightImage) {
                rectImage.right = rect.right - kImageMargin;
                rectImage.left = rectImage.right - m_sizeImage.cx;
                rectText.right = rectImage.left;
            } else {
                rectImage.left = rect.left + kImageMargin;
                rectImage.right = rectImage.left + m_sizeImage.cx;
                rectText.left = rectImage.right;
            }
        } else {
            rectImage.left = rect.left + (rect.Width() - m_sizeImage.cx) / 2;
            rectImage.right = rectImage.left + m_sizeImage.cx;
        }
        rectImage.top = rect.top + (rect.Height() - m_sizeImage.cy) / 2;
        rectImage.bottom = rectImage.top + m_sizeImage.cy;
    }

    const BOOL bDisabled = (uiState & ODS_DISABLED) != 0 || (m_hWnd != nullptr && !IsWindowEnabled());
    if (!strText.IsEmpty()) {
        COLORREF clrText = m_clrText == static_cast<COLORREF>(-1) ? g.clrBtnText : m_clrText;
        if (m_bHighlighted && m_clrHover != static_cast<COLORREF>(-1))
            clrText = m_clrHover;

        UINT uiFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
        switch (m_nAlignStyle) {
        case kAlignLeft:
            uiFormat |= DT_LEFT;
            rectText.left += kTextMargin;
            break;
        case kAlignRight:
            uiFormat |= DT_RIGHT;
            rectText.right -= kTextMargin;
            break;
        default:
            uiFormat |= DT_CENTER;
            break;
        }

        CFont* pOldFont = SelectFont(pDC);
        const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
        const COLORREF clrOld = pDC->GetTextColor();
        if (m_bAutoTooltip && m_bDelayAutoTooltipCheck)
            UpdateAutoTooltip(pDC, strText, rectText);
        if (bDisabled && m_bGrayDisabled) {
            CRect rectShadow = rectText;
            rectShadow.OffsetRect(1, 1);
            pDC->SetTextColor(g.clrBtnHilite);
            OnDrawText(pDC, rectShadow, strText, uiFormat, uiState);
            pDC->SetTextColor(g.clrGrayedText);
        } else {
            pDC->SetTextColor(clrText);
        }
        OnDrawText(pDC, rectText, strText, uiFormat, uiState);
        pDC->SetTextColor(clrOld);
        pDC->SetBkMode(nOldBkMode);
        pDC->SelectObject(pOldFont);
    }

    if (rectImage.IsRectEmpty())
        return;
    if (m_nStdImageId >= 0) {
        const BOOL bUseDisabled = bDisabled && m_nStdImageDisabledId >= 0;
        CWTKMenuGlyphs::Draw(pDC, bUseDisabled ? m_nStdImageDisabledId : m_nStdImageId, rectImage.TopLeft());
        return;
    }
    const BOOL bCheckedSet = m_bChecked && m_ImageChecked.GetSafeHandle() != nullptr;
    CImageList& normal = bCheckedSet ? m_ImageChecked : m_Image;
    CImageList& hot = bCheckedSet ? m_ImageCheckedHot : m_ImageHot;
    CImageList& disabled = bCheckedSet ? m_ImageCheckedDisabled : m_ImageDisabled;
    CImageList* pList = &normal;
    if (bDisabled && disabled.GetSafeHandle() != nullptr && disabled.GetImageCount() > 0)
        pList = &disabled;
    else if (!bDisabled && m_bHighlighted && hot.GetSafeHandle() != nullptr && hot.GetImageCount() > 0)
        pList = &hot;
    if (pList->GetSafeHandle() != nullptr && pList->GetImageCount() > 0)
        pList->Draw(pDC, 0, rectImage.TopLeft(), ILD_NORMAL);
}

void CWTKButton::OnDrawText(CDC* pDC, const CRect& rect, const CString& strText, UINT uiDTFlags, UINT /*uiState*/)
{
    CRect rectText = rect;
    pDC->DrawText(strText, rectText, uiDTFlags);
}

// ---- Mouse ----

BOOL CWTKButton::IsHoverTracked(UINT nFlags) const
{
    return (nFlags & MK_LBUTTON) || m_nFlatStyle != kStyle3D || IsThemedLookActive();
}

void CWTKButton::OnMouseMove(UINT nFlags, CPoint point)
{
    if (IsHoverTracked(nFlags)) {
        const BOOL bLeftDown = (nFlags & MK_LBUTTON) != 0;
        BOOL bRedraw = FALSE;
        CRect rectClient;
        GetClientRect(rectClient);
        if (rectClient.PtInRect(point)) {
            if (!m_bHover) {
                m_bHover = TRUE;
                bRedraw = TRUE;
            }
            if (!m_bHighlighted) {
                m_bHighlighted = TRUE;
                bRedraw = TRUE;
            }
            if (bLeftDown && m_bClickedInside && !m_bPushed) {
                m_bPushed = TRUE;
                bRedraw = TRUE;
            }
            if (!m_bCaptured) {
                SetCapture();
                m_bCaptured = TRUE;
                RedrawWindow();
                bRedraw = FALSE;
            }
        } else {
            if (m_bHover) {
                m_bHover = FALSE;
                bRedraw = TRUE;
            }
            if (bLeftDown) {
                if (m_bPushed) {
                    m_bPushed = FALSE;
                    bRedraw = TRUE;
                }
            } else if (m_bHighlighted) {
                m_bHighlighted = FALSE;
                bRedraw = TRUE;
            }
            if (m_bCaptured && !bLeftDown) {
                ::ReleaseCapture();
                m_bCaptured = FALSE;
                RedrawWindow();
                bRedraw = FALSE;
            }
        }
        if (bRedraw)
            RedrawWindow();
    }
    Default();
}

void CWTKButton::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    m_bPushed = m_bClickedInside = m_bHighlighted = TRUE;
    // The system button takes the focus and the capture and remembers the press, which its
    // button-up needs to send the click.
    Default();
    if (!m_bCaptured) {
        SetCapture();
        m_bCaptured = TRUE;
    }
    RedrawWindow();
    if (m_nAutoRepeatTimeDelay > 0)
        SetTimer(kAutoRepeatTimerId, static_cast<UINT>(m_nAutoRepeatTimeDelay));
}

void CWTKButton::OnLButtonDblClk(UINT /*nFlags*/, CPoint /*point*/)
{
    m_bPushed = m_bClickedInside = m_bHighlighted = TRUE;
    Default();
    RedrawWindow();
}

void CWTKButton::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    const BOOL bClicked = m_bPushed && m_bClickedInside && m_bHighlighted;
    m_bPushed = m_bClickedInside = m_bHighlighted = FALSE;
    if (bClicked && m_bAutoCheck) {
        if (m_bCheckButton)
            m_bChecked = !m_bChecked;
        else if (m_bRadioButton && !m_bChecked)
            CheckRadioAndClearGroup();
    }
    RedrawWindow();
    Default();  // the system button sends the click when the press ended on it
    if (m_bCaptured || ::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
        m_bCaptured = FALSE;
    }
    KillTimer(kAutoRepeatTimerId);
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr) {
        m_pToolTip->Pop();
        m_pToolTip->Update();
    }
}

void CWTKButton::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kAutoRepeatTimerId) {
        Default();
        return;
    }
    if (m_bPushed && m_bHighlighted)
        SendCommandToParent();
}

void CWTKButton::ResetState()
{
    if (m_bCaptured || ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    m_bCaptured = FALSE;
    m_bPushed = m_bClickedInside = m_bHighlighted = m_bHover = FALSE;
}

void CWTKButton::OnCancelMode()
{
    Default();
    ResetState();
    KillTimer(kAutoRepeatTimerId);
    RedrawWindow();
}

void CWTKButton::OnKillFocus(CWnd* /*pNewWnd*/)
{
    Default();
    ResetState();
    RedrawWindow();
}

void CWTKButton::OnEnable(BOOL bEnable)
{
    if (!bEnable) {
        m_bPushed = m_bClickedInside = m_bHighlighted = FALSE;
        if (m_bCaptured || ::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        m_bCaptured = FALSE;
    }
    Default();
}

void CWTKButton::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    m_bDelayAutoTooltipCheck = TRUE;
    Default();
}

BOOL CWTKButton::OnSetCursor(CWnd* /*pWnd*/, UINT nHitTest, UINT /*message*/)
{
    if (m_hCursor != nullptr && nHitTest == HTCLIENT) {
        ::SetCursor(m_hCursor);
        return TRUE;
    }
    return static_cast<BOOL>(Default());
}

BOOL CWTKButton::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CWTKButton::OnDestroy()
{
    KillTimer(kAutoRepeatTimerId);
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr)
        m_pToolTip->DestroyWindow();
    Default();
}

LRESULT CWTKButton::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = reinterpret_cast<HFONT>(wParam);
    if (LOWORD(lParam) != 0) {
        Invalidate();
        UpdateWindow();
    }
    return 0;
}

LRESULT CWTKButton::OnGetFont(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return reinterpret_cast<LRESULT>(m_hFont);
}

LRESULT CWTKButton::OnGetCheck(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return (m_bCheckButton || m_bRadioButton) && m_bChecked ? BST_CHECKED : BST_UNCHECKED;
}

LRESULT CWTKButton::OnSetCheck(WPARAM wParam, LPARAM /*lParam*/)
{
    if (!m_bCheckButton && !m_bRadioButton)
        return 0;
    const BOOL bCheck = wParam != BST_UNCHECKED;
    if (bCheck == m_bChecked)
        return 0;
    if (bCheck && m_bRadioButton)
        CheckRadioAndClearGroup();
    else
        m_bChecked = bCheck;
    RedrawWindow();
    return 0;
}

// ---- Commands and groups ----

void CWTKButton::SendCommandToParent()
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
}

namespace {

// The radio-button CWTKButton of a window in the group, or null.
CWTKButton* RadioButtonOf(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CWTKButton)))
        return nullptr;
    auto* pButton = static_cast<CWTKButton*>(pWnd);
    return pButton->IsRadioButton() ? pButton : nullptr;
}

// The sibling windows of hWnd's group (from the last WS_GROUP at or before it up to the next
// WS_GROUP), in order.
std::vector<HWND> GroupOf(HWND hWnd)
{
    HWND hFirst = hWnd;
    while (!(::GetWindowLongPtrA(hFirst, GWL_STYLE) & WS_GROUP)) {
        HWND hPrev = ::GetWindow(hFirst, GW_HWNDPREV);
        if (hPrev == nullptr)
            break;
        hFirst = hPrev;
    }
    std::vector<HWND> group;
    for (HWND h = hFirst; h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (h != hFirst && (::GetWindowLongPtrA(h, GWL_STYLE) & WS_GROUP))
            break;
        group.push_back(h);
    }
    return group;
}

}  // namespace

void CWTKButton::CheckRadioAndClearGroup()
{
    m_bChecked = TRUE;
    if (m_hWnd == nullptr)
        return;
    for (HWND h : GroupOf(m_hWnd)) {
        CWTKButton* pOther = RadioButtonOf(h);
        if (pOther == nullptr || pOther == this || !pOther->m_bChecked)
            continue;
        pOther->m_bChecked = FALSE;
        pOther->RedrawWindow();
    }
}

CWTKButton* CWTKButton::GetNextRadioInGroup(BOOL bPrevious) const
{
    std::vector<HWND> radios;
    for (HWND h : GroupOf(m_hWnd)) {
        if (RadioButtonOf(h) != nullptr)
            radios.push_back(h);
    }
    const auto it = std::find(radios.begin(), radios.end(), m_hWnd);
    if (it == radios.end() || radios.size() < 2)
        return nullptr;
    size_t i = static_cast<size_t>(it - radios.begin());
    i = bPrevious ? (i + radios.size() - 1) % radios.size() : (i + 1) % radios.size();
    return RadioButtonOf(radios[i]);
}

BOOL CWTKButton::PreTranslateMessage(MSG* pMsg)
{
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr && pMsg->message >= WM_MOUSEFIRST &&
        pMsg->message <= WM_MOUSELAST)
        m_pToolTip->RelayEvent(pMsg);

    if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd) {
        switch (pMsg->wParam) {
        case VK_RETURN:
            if (!IsMenuOpen()) {
                SendCommandToParent();
                return TRUE;
            }
            break;
        case VK_SPACE:
            if (m_bAutoCheck && m_bCheckButton) {
                m_bChecked = !m_bChecked;
                RedrawWindow();
                SendCommandToParent();
                return TRUE;
            }
            break;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            if (m_bAutoCheck && m_bRadioButton) {
                const BOOL bPrevious = pMsg->wParam == VK_LEFT || pMsg->wParam == VK_UP;
                CWTKButton* pNext = GetNextRadioInGroup(bPrevious);
                if (pNext != nullptr) {
                    pNext->SetFocus();
                    pNext->CheckRadioAndClearGroup();
                    pNext->RedrawWindow();
                    pNext->SendCommandToParent();
                    return TRUE;
                }
            }
            break;
        default:
            break;
        }
    }
    return CButton::PreTranslateMessage(pMsg);
}
