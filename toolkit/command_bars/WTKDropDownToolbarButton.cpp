#include "command_bars/WTKDropDownToolbarButton.h"

#include "command_bars/WTKDropDownFrame.h"
#include "command_bars/WTKDropDownToolBar.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolbarMenuButton.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKImageStrip.h"
#include "foundation/WTKVisualManager.h"

#include "core/Archive.h"
#include "docview/BarStyles.h"
#include "gdi/DC.h"
#include "win/Menu.h"
#include "win/TickClock.h"

#include <algorithm>

IMPLEMENT_SERIAL(CWTKDropDownToolbarButton, CWTKToolbarButton, kToolbarButtonSchema)

CWTKDropDownToolbarButton* CWTKDropDownToolbarButton::s_pHoldButton = nullptr;
HWND CWTKDropDownToolbarButton::s_hWndHoldTimer = nullptr;

namespace {

// The arrow's size and its distance from the corner, with normal and with large icons.
constexpr int kArrowSize = 7;
constexpr int kArrowInset = 3;
constexpr int kLargeArrowSize = 14;
constexpr int kLargeArrowInset = 6;
// The room the arrow takes at the right of the image, and what the button grows by for it.
constexpr int kArrowArea = 8;
constexpr int kLargeArrowArea = 4;
constexpr int kArrowExtraWidth = 4;
constexpr int kLargeArrowExtraWidth = 9;

BOOL IsCommandId(UINT uiID)
{
    return uiID != 0 && uiID != static_cast<UINT>(-1);
}

}  // namespace

CWTKDropDownToolbarButton::CWTKDropDownToolbarButton()
{
    m_bLocked = TRUE;
}

CWTKDropDownToolbarButton::CWTKDropDownToolbarButton(LPCSTR lpszName, CWTKDropDownToolBar* pToolBar)
    : m_pToolBar(pToolBar), m_strName(lpszName != nullptr ? lpszName : "")
{
    m_bLocked = TRUE;
}

CWTKDropDownToolbarButton::~CWTKDropDownToolbarButton()
{
    // Neither the timer nor the frame may come back to a button that is gone.
    StopHoldTimer();
    if (m_pPopupFrame != nullptr) {
        CWTKDropDownFrame* pFrame = m_pPopupFrame;
        m_pPopupFrame = nullptr;
        pFrame->SetParentButton(nullptr);
        pFrame->Close();
    }
}

// ---- Archive ----

CWTKDropDownToolBar* CWTKDropDownToolbarButton::FindToolBar(UINT uiResID)
{
    if (uiResID == 0)
        return nullptr;
    for (POSITION pos = WTKAllToolbars().GetHeadPosition(); pos != nullptr;) {
        auto* pBar = dynamic_cast<CWTKDropDownToolBar*>(WTKAllToolbars().GetNext(pos));
        if (pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd()) && pBar->GetResourceID() == uiResID)
            return pBar;
    }
    return nullptr;
}

void CWTKDropDownToolbarButton::Serialize(CArchive& ar)
{
    CWTKToolbarButton::Serialize(ar);
    if (ar.IsLoading()) {
        UINT uiResID = 0;
        CString strName;
        int iImage = -1;
        ar >> uiResID >> strName >> iImage;
        m_pToolBar = FindToolBar(uiResID);
        m_strName = strName;
        // An image the source does not have is left out when drawing.
        m_iSelectedImage = std::max(iImage, -1);
    } else {
        const CWTKDropDownToolBar* pSource = GetDropDownToolBar();
        const UINT uiResID = pSource != nullptr ? pSource->GetResourceID() : 0;
        ar << uiResID << m_strName << m_iSelectedImage;
    }
}

void CWTKDropDownToolbarButton::CopyFrom(const CWTKToolbarButton& src)
{
    CWTKToolbarButton::CopyFrom(src);
    const auto* pSrc = dynamic_cast<const CWTKDropDownToolbarButton*>(&src);
    if (pSrc == nullptr)
        return;
    m_pToolBar = pSrc->m_pToolBar;
    m_strName = pSrc->m_strName;
    m_iSelectedImage = pSrc->m_iSelectedImage;
    m_bLocalUserButton = pSrc->m_bLocalUserButton;
    m_bText = FALSE;
}

// ---- Source and default command ----

CWTKDropDownToolBar* CWTKDropDownToolbarButton::GetDropDownToolBar() const
{
    if (m_pToolBar == nullptr)
        return nullptr;
    // Only a bar still in the list of all bars is touched: the pointer may have outlived it.
    for (POSITION pos = WTKAllToolbars().GetHeadPosition(); pos != nullptr;) {
        if (dynamic_cast<CWTKDropDownToolBar*>(WTKAllToolbars().GetNext(pos)) == m_pToolBar)
            return ::IsWindow(m_pToolBar->GetSafeHwnd()) ? m_pToolBar : nullptr;
    }
    return nullptr;
}

CWnd* CWTKDropDownToolbarButton::GetParentWnd() const
{
    return ::IsWindow(m_hWndParent) ? CWnd::FromHandlePermanent(m_hWndParent) : nullptr;
}

void CWTKDropDownToolbarButton::SetDefaultCommand(UINT uiCmd)
{
    m_nID = uiCmd;
    m_iSelectedImage = -1;
    m_bLocalUserButton = FALSE;
    if (const CWTKDropDownToolBar* pSource = GetDropDownToolBar()) {
        // In the locked bar's own strip a button's image is its place among the non-separators.
        int iImage = 0;
        for (int i = 0; i < pSource->GetCount(); i++) {
            const CWTKToolbarButton* pButton = pSource->GetButton(i);
            if (pButton->IsSeparator())
                continue;
            if (pButton->m_nID == uiCmd) {
                m_bLocalUserButton = pButton->m_bUserButton;
                m_iSelectedImage = pButton->m_bUserButton ? pButton->GetImage() : iImage;
                break;
            }
            iImage++;
        }
    }
    if (m_iSelectedImage < 0)
        m_iSelectedImage = 0;
}

// ---- Size and drawing ----

CSize CWTKDropDownToolbarButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    if (const CWTKDropDownToolBar* pSource = GetDropDownToolBar()) {
        if (m_nID == 0 && pSource->GetCount() > 0)
            SetDefaultCommand(pSource->GetItemID(0));
    }
    // Measured as a button showing the default image.
    const int iSavedImage = m_iImage;
    const BOOL bSavedUser = m_bUserButton;
    m_iImage = std::max(m_iSelectedImage, 0);
    m_bUserButton = FALSE;
    CSize size = CWTKToolbarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    m_iImage = iSavedImage;
    m_bUserButton = bSavedUser;
    if (!IsSeparator())
        size.cx += CWTKToolBar::IsLargeIcons() ? kLargeArrowExtraWidth : kArrowExtraWidth;
    return size;
}

void CWTKDropDownToolbarButton::OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz,
                                       BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                                       BOOL bGrayDisabledButtons)
{
    const BOOL bLarge = CWTKToolBar::IsLargeIcons();
    const BOOL bPushed = (m_nStyle & TBBS_PRESSED) != 0;
    // The face: the button keeps no image or text of its own.
    CWTKToolbarButton::OnDraw(pDC, rect, pImages, bHorz, bCustomizeMode, bHighlight, FALSE, bGrayDisabledButtons);

    CRect rectImage = rect;
    rectImage.right -= bLarge ? kLargeArrowArea : kArrowArea;
    CWTKDropDownToolBar* pSource = GetDropDownToolBar();
    if (pSource != nullptr && m_iSelectedImage >= 0) {
        CWTKImageStrip* pStrip = nullptr;
        if (m_bLocalUserButton) {
            pStrip = CWTKToolBar::GetUserImages();
        } else {
            pStrip = pSource->GetLockedImages(bLarge);
            pStrip->SetTransparentColor(WTKGetGlobalData().clrBtnFace);
        }
        const CSize sizeImage = pSource->IsLocked() ? pSource->GetImageSize() : CWTKToolBar::GetDefaultImageSize();
        WTKDrawState ds;
        if (pStrip != nullptr && m_iSelectedImage < pStrip->GetCount() && pStrip->PrepareDraw(ds, sizeImage)) {
            m_bInternalDraw = TRUE;
            int x = rectImage.left + (rectImage.Width() - sizeImage.cx) / 2;
            int y = rectImage.top + (rectImage.Height() - sizeImage.cy) / 2;
            if (bPushed && !bCustomizeMode && CWTKVisualManager::GetInstance()->IsOffsetPressedButton()) {
                x++;
                y++;
            }
            const BOOL bDisabled =
                (m_nStyle & TBBS_DISABLED) != 0 && !bPushed && !bCustomizeMode && bGrayDisabledButtons;
            pStrip->Draw(pDC, x, y, m_iSelectedImage, FALSE, bDisabled);
            pStrip->EndDraw(ds);
            m_bInternalDraw = FALSE;
        }
    }

    // The arrow in the bottom-right corner.
    const int h = bLarge ? kLargeArrowSize : kArrowSize;
    const int d = bLarge ? kLargeArrowInset : kArrowInset;
    const int nShift = bPushed ? 1 : 0;
    const POINT arrow[] = {{rect.right - h - 1 + nShift, rect.bottom - d + nShift},
                           {rect.right - d + nShift, rect.bottom - d + nShift},
                           {rect.right - d + nShift, rect.bottom - h - 1 + nShift}};
    const HGDIOBJ hOldBrush = pDC->SelectObject(WTKGetGlobalData().brBtnDkShadow.GetSafeHandle());
    const HGDIOBJ hOldPen = pDC->SelectObject(::GetStockObject(NULL_PEN));
    pDC->Polygon(arrow, 3);
    pDC->SelectObject(hOldPen);
    pDC->SelectObject(hOldBrush);

    if (!bDrawBorder || bCustomizeMode)
        return;
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    if (m_pPopupFrame != nullptr || (m_nStyle & kButtonStylePushed) != 0) {
        pLook->OnDrawButtonBorder(pDC, this, rect, IsCommandId(m_nID) ? kButtonStatePushed : kButtonStateHighlighted);
    } else if (bHighlight && (m_nStyle & (TBBS_CHECKED | TBBS_DISABLED | TBBS_INDETERMINATE)) == 0) {
        pLook->OnDrawButtonBorder(pDC, this, rect, bPushed ? kButtonStatePushed : kButtonStateHighlighted);
    }
}

int CWTKDropDownToolbarButton::DrawImage(CDC* pDC, CRect rectImage, BOOL bHighlight)
{
    const CString strText = m_strText;
    m_strText = m_strName;
    const int nWidth = CWTKToolbarButton::DrawImage(pDC, rectImage, bHighlight);
    m_strText = strText;
    return nWidth;
}

// ---- Mouse ----

BOOL CWTKDropDownToolbarButton::IsHoldTimerRunning() const
{
    return m_uiTimer != 0 && s_pHoldButton == this && ::IsWindow(s_hWndHoldTimer);
}

void CWTKDropDownToolbarButton::StartHoldTimer(CWnd* pWnd)
{
    StopHoldTimer();
    const HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : m_hWndParent;
    if (!::IsWindow(hWnd))
        return;
    // One hold timer in the process: another button's stops.
    if (s_pHoldButton != nullptr && s_pHoldButton != this)
        s_pHoldButton->StopHoldTimer();
    m_uiTimer = FwSetTimer(hWnd, kHoldTimerId, kHoldDelayMs, &HoldTimerProc);
    if (m_uiTimer != 0) {
        s_pHoldButton = this;
        s_hWndHoldTimer = hWnd;
    }
}

void CWTKDropDownToolbarButton::StopHoldTimer()
{
    if (s_pHoldButton == this) {
        if (m_uiTimer != 0 && ::IsWindow(s_hWndHoldTimer))
            FwKillTimer(s_hWndHoldTimer, m_uiTimer);
        s_pHoldButton = nullptr;
        s_hWndHoldTimer = nullptr;
    }
    m_uiTimer = 0;
}

void CALLBACK CWTKDropDownToolbarButton::HoldTimerProc(HWND hWnd, UINT, UINT_PTR nIdEvent, DWORD)
{
    CWTKDropDownToolbarButton* pButton = s_pHoldButton;
    if (pButton == nullptr || hWnd != s_hWndHoldTimer || !pButton->IsHoldTimerRunning()) {
        FwKillTimer(hWnd, nIdEvent);
        return;
    }
    pButton->OnClick(CWnd::FromHandlePermanent(hWnd), FALSE);
}

void CWTKDropDownToolbarButton::InvalidateInParent() const
{
    if (CWnd* pParent = GetParentWnd()) {
        const RECT rect = m_rect;
        ::InvalidateRect(pParent->GetSafeHwnd(), &rect, TRUE);
    }
}

void CWTKDropDownToolbarButton::CloseFrame()
{
    CWTKDropDownFrame* pFrame = m_pPopupFrame;
    if (pFrame == nullptr)
        return;
    m_pPopupFrame = nullptr;
    pFrame->SetParentButton(nullptr);
    if (::IsWindow(pFrame->GetSafeHwnd()))
        pFrame->DestroyWindow();
}

BOOL CWTKDropDownToolbarButton::OnClick(CWnd* pWnd, BOOL bDelay)
{
    if (!IsHoldTimerRunning()) {
        StartHoldTimer(pWnd);
        return FALSE;
    }
    StopHoldTimer();
    if (m_pPopupFrame != nullptr) {
        CloseFrame();
    } else {
        // Inside a popup menu a delayed click (the mouse resting on the item) opens nothing.
        const BOOL bInMenu = dynamic_cast<CWTKPopupMenuBar*>(pWnd) != nullptr;
        if (!(bDelay && bInMenu && !CWTKToolBar::IsCustomizeMode()))
            DropDown(pWnd);
    }
    InvalidateInParent();
    return m_pPopupFrame != nullptr;
}

BOOL CWTKDropDownToolbarButton::OnClickUp()
{
    if (IsHoldTimerRunning()) {
        StopHoldTimer();
        return FALSE;
    }
    if (m_pPopupFrame == nullptr)
        return TRUE;
    CloseFrame();
    return TRUE;
}

BOOL CWTKDropDownToolbarButton::DropDown(CWnd* pWnd)
{
    CWTKDropDownToolBar* pSource = GetDropDownToolBar();
    if (pSource == nullptr || m_pPopupFrame != nullptr)
        return FALSE;
    CWnd* pParent = GetParentWnd();
    if (pWnd == nullptr)
        pWnd = pParent;

    const auto* pBar = dynamic_cast<const CWTKToolBar*>(pParent);
    CPoint pt;
    if (pBar == nullptr || (pBar->GetBarStyle() & CBRS_ORIENT_HORZ) != 0)
        pt = CPoint(m_rect.left - 1, m_rect.bottom);
    else
        pt = CPoint(m_rect.right + 1, m_rect.top);
    if (pParent != nullptr)
        pParent->ClientToScreen(&pt);

    auto* pFrame = new CWTKDropDownFrame;
    pFrame->SetParentButton(this);
    m_pPopupFrame = pFrame;
    // A frame that fails to open has deleted itself and told the button.
    if (!pFrame->Create(pWnd, pt.x, pt.y, pSource)) {
        m_pPopupFrame = nullptr;
        return FALSE;
    }
    return TRUE;
}

void CWTKDropDownToolbarButton::OnFrameDestroyed(CWTKDropDownFrame* pFrame)
{
    if (pFrame == nullptr || pFrame != m_pPopupFrame)
        return;
    m_pPopupFrame = nullptr;
    m_nStyle &= ~TBBS_PRESSED;
}

void CWTKDropDownToolbarButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CWTKToolbarButton::OnChangeParentWnd(pWndParent);
    const HWND hWndParent = pWndParent != nullptr ? pWndParent->GetSafeHwnd() : nullptr;
    if (hWndParent != m_hWndParent)
        StopHoldTimer();
    m_hWndParent = hWndParent;
    m_strText.Empty();
    m_bText = FALSE;
    m_bImage = TRUE;
}

void CWTKDropDownToolbarButton::OnCancelMode()
{
    InvalidateInParent();
}

BOOL CWTKDropDownToolbarButton::OnCustomizeMenu(CMenu* pPopup)
{
    if (pPopup == nullptr)
        return FALSE;
    for (const UINT uiItem : kCustomizeMenuItems)
        pPopup->EnableMenuItem(uiItem, MF_BYCOMMAND | MF_GRAYED);
    return TRUE;
}

// ---- Menu export ----

BOOL CWTKDropDownToolbarButton::ExportToMenuButton(CWTKToolbarButton& menuButton) const
{
    const CWTKDropDownToolBar* pSource = GetDropDownToolBar();
    if (pSource == nullptr)
        return FALSE;
    CWTKToolbarButton::ExportToMenuButton(menuButton);
    auto* pMenuButton = dynamic_cast<CWTKToolbarMenuButton*>(&menuButton);
    if (pMenuButton == nullptr)
        return FALSE;

    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == nullptr)
        return FALSE;
    for (int i = 0; i < pSource->GetCount(); i++) {
        const CWTKToolbarButton* pButton = pSource->GetButton(i);
        if (pButton->IsSeparator()) {
            ::AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        if (!IsCommandId(pButton->m_nID))
            continue;
        CString strText = pButton->m_strText;
        if (strText.IsEmpty()) {
            CString strPrompt;
            if (strPrompt.LoadString(pButton->m_nID)) {
                const int iNewLine = strPrompt.Find('\n');
                if (iNewLine >= 0)
                    strText = strPrompt.Mid(iNewLine + 1);
            }
        }
        ::AppendMenuA(hMenu, MF_STRING, pButton->m_nID, strText);
    }
    pMenuButton->m_nID = 0;
    pMenuButton->m_strText = m_strName;
    pMenuButton->SetImage(-1);
    pMenuButton->CreateFromMenu(hMenu);
    ::DestroyMenu(hMenu);
    return TRUE;
}
