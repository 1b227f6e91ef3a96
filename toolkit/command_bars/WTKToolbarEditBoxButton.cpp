#include "command_bars/WTKToolbarEditBoxButton.h"

#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarEditCtrl.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"

#include "core/Archive.h"
#include "docview/BarStyles.h"
#include "gdi/DC.h"

#include <algorithm>

IMPLEMENT_SERIAL(CWTKToolbarEditBoxButton, CWTKToolbarButton, kToolbarButtonSchema)

BOOL CWTKToolbarEditBoxButton::s_bFlat = FALSE;

namespace {

// Gap between the button's edges and the control.
constexpr int kEditMarginX = 3;
constexpr int kEditMarginY = 1;
// Archived widths outside this range are damage, not a user's choice.
constexpr int kMaxWidth = 4096;
// The smallest box drawn for the control in customisation lists.
constexpr int kMinImageBoxWidth = 8;

}  // namespace

CWTKToolbarEditBoxButton::CWTKToolbarEditBoxButton() = default;

CWTKToolbarEditBoxButton::CWTKToolbarEditBoxButton(UINT uiID, int iImage, DWORD dwStyle, int iWidth)
    : CWTKToolbarButton(uiID, iImage),
      m_dwStyle(dwStyle | WS_CHILD | WS_VISIBLE),
      m_iWidth(iWidth == 0 ? kDefaultWidth : iWidth)
{}

CWTKToolbarEditBoxButton::~CWTKToolbarEditBoxButton()
{
    DestroyEdit();
}

void CWTKToolbarEditBoxButton::DestroyEdit()
{
    if (!m_pWndEdit)
        return;
    if (::IsWindow(m_pWndEdit->GetSafeHwnd()))
        m_pWndEdit->DestroyWindow();
    m_pWndEdit.reset();
    m_bHighlighted = FALSE;
}

void CWTKToolbarEditBoxButton::SetEditText(const CString& str)
{
    const BOOL bWasChanging = m_bChangingText;
    m_bChangingText = TRUE;
    m_pWndEdit->SetWindowText(str);
    m_bChangingText = bWasChanging;
}

CString CWTKToolbarEditBoxButton::GetContents() const
{
    if (m_pWndEdit && ::IsWindow(m_pWndEdit->GetSafeHwnd())) {
        CString str;
        m_pWndEdit->GetWindowText(str);
        return str;
    }
    return m_strContents;
}

void CWTKToolbarEditBoxButton::Serialize(CArchive& ar)
{
    CWTKToolbarButton::Serialize(ar);
    if (ar.IsLoading()) {
        int iWidth = 0;
        DWORD dwStyle = 0;
        CString strContents;
        ar >> iWidth >> dwStyle >> strContents;
        m_iWidth = iWidth > 0 && iWidth <= kMaxWidth ? iWidth : kDefaultWidth;
        // The control is always a visible child of its bar, whatever the archive says.
        m_dwStyle = (dwStyle & ~WS_POPUP) | WS_CHILD | WS_VISIBLE;
        m_rect.right = m_rect.left + m_iWidth;
        m_strContents = strContents;
        if (m_pWndEdit)
            SetEditText(m_strContents);
    } else {
        // Without a control the archive holds an empty text; the kept text stays.
        CString strContents;
        if (m_pWndEdit && ::IsWindow(m_pWndEdit->GetSafeHwnd())) {
            m_pWndEdit->GetWindowText(m_strContents);
            strContents = m_strContents;
        }
        ar << m_iWidth << m_dwStyle << strContents;
    }
}

void CWTKToolbarEditBoxButton::CopyFrom(const CWTKToolbarButton& src)
{
    CWTKToolbarButton::CopyFrom(src);
    const auto* pSrc = dynamic_cast<const CWTKToolbarEditBoxButton*>(&src);
    if (pSrc == nullptr)
        return;
    m_dwStyle = pSrc->m_dwStyle;
    m_iWidth = pSrc->m_iWidth;
    m_strContents = pSrc->GetContents();
}

CSize CWTKToolbarEditBoxButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    m_bHorizontal = bHorz;
    if (!bHorz) {
        if (m_pWndEdit)
            m_pWndEdit->ShowWindow(SW_HIDE);
        m_nLabelWidth = m_nLabelHeight = 0;
        return CWTKToolbarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    }
    if (m_pWndEdit && !IsHidden())
        m_pWndEdit->ShowWindow(SW_SHOWNOACTIVATE);

    m_nLabelWidth = m_nLabelHeight = 0;
    if (HasLabel() && pDC != nullptr) {
        CRect rectText(0, 0, m_iWidth, sizeDefault.cy);
        pDC->DrawText(m_strText, rectText, DT_CALCRECT | DT_CENTER | DT_WORDBREAK);
        m_nLabelWidth = rectText.Width();
        m_nLabelHeight = rectText.Height();
    }
    return CSize(m_iWidth, sizeDefault.cy + m_nLabelHeight);
}

BOOL CWTKToolbarEditBoxButton::OnClick(CWnd*, BOOL)
{
    // The press belongs to the control.
    return m_pWndEdit && m_pWndEdit->IsWindowVisible();
}

void CWTKToolbarEditBoxButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CWTKToolbarButton::OnChangeParentWnd(pWndParent);
    const HWND hWndParent = pWndParent ? pWndParent->GetSafeHwnd() : nullptr;
    if (m_pWndEdit) {
        if (hWndParent != nullptr && ::GetParent(m_pWndEdit->GetSafeHwnd()) == hWndParent)
            return;
        m_strContents = GetContents();
        DestroyEdit();
    }
    if (hWndParent == nullptr)
        return;

    CRect rect = m_rect;
    rect.InflateRect(-kEditMarginX, -kEditMarginY);
    rect.bottom = rect.top + WTKGetGlobalData().nTextHeightHorz;
    m_pWndEdit.reset(CreateEdit(pWndParent, rect));
    if (!m_pWndEdit)
        return;
    OnMove();
    m_pWndEdit->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(WTKGetGlobalData().fontRegular.GetSafeHandle()));

    CString strShown;
    m_pWndEdit->GetWindowText(strShown);
    if (!strShown.IsEmpty())
        m_strContents = strShown;
    else
        SetEditText(m_strContents);
}

CWTKToolbarEditCtrl* CWTKToolbarEditBoxButton::CreateEdit(CWnd* pWndParent, const CRect& rect)
{
    auto pWndEdit = std::make_unique<CWTKToolbarEditCtrl>(*this);
    if (!pWndEdit->Create(m_dwStyle, rect, pWndParent, m_nID))
        return nullptr;
    return pWndEdit.release();
}

void CWTKToolbarEditBoxButton::OnMove()
{
    // The edit's own style, not its visibility on screen: a toolbar laid out while its frame
    // is still hidden must place the edit too.
    if (!m_pWndEdit || m_pWndEdit->m_hWnd == nullptr || (m_pWndEdit->GetStyle() & WS_VISIBLE) == 0)
        return;
    const int nTextHeight = WTKGetGlobalData().nTextHeightHorz;
    const int nOffset = std::max(0, (m_rect.Height() - m_nLabelHeight - nTextHeight) / 2);
    m_pWndEdit->SetWindowPos(nullptr, m_rect.left + kEditMarginX, m_rect.top + nOffset,
                             m_rect.Width() - 2 * kEditMarginX, nTextHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pWndEdit->SendMessage(EM_SETSEL, static_cast<WPARAM>(-1), 0);
    m_pWndEdit->SendMessage(EM_SCROLLCARET);
}

void CWTKToolbarEditBoxButton::OnSize(int iSize)
{
    m_iWidth = iSize;
    m_rect.right = m_rect.left + iSize;
    OnMove();
}

HWND CWTKToolbarEditBoxButton::GetHwnd()
{
    return m_pWndEdit ? m_pWndEdit->GetSafeHwnd() : nullptr;
}

void CWTKToolbarEditBoxButton::SetContents(const CString& strContents)
{
    if (strContents == m_strContents)
        return;
    m_strContents = strContents;
    if (m_pWndEdit)
        SetEditText(m_strContents);
}

BOOL CWTKToolbarEditBoxButton::NotifyCommand(int iNotifyCode)
{
    if (iNotifyCode != EN_UPDATE || !m_pWndEdit)
        return FALSE;
    m_pWndEdit->GetWindowText(m_strContents);

    CObList listButtons;
    CWTKToolBar::GetCommandButtons(m_nID, listButtons);
    for (POSITION pos = listButtons.GetHeadPosition(); pos != nullptr;) {
        auto* pOther = dynamic_cast<CWTKToolbarEditBoxButton*>(listButtons.GetNext(pos));
        if (pOther != nullptr && pOther != this)
            pOther->SetContents(m_strContents);
    }
    // A change the button wrote itself sends no command.
    return !m_bChangingText;
}

void CWTKToolbarEditBoxButton::TakeStateFrom(const CWTKToolbarButton& src)
{
    if (const auto* pSrc = dynamic_cast<const CWTKToolbarEditBoxButton*>(&src))
        SetContents(pSrc->GetContents());
}

HBRUSH CWTKToolbarEditBoxButton::OnCtlColor(CDC* pDC, UINT)
{
    pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    pDC->SetBkColor(::GetSysColor(COLOR_WINDOW));
    return ::GetSysColorBrush(COLOR_WINDOW);
}

BOOL CWTKToolbarEditBoxButton::HasLookBorder() const
{
    return !(m_pWndEdit && m_pWndEdit->IsWindowVisible());
}

void CWTKToolbarEditBoxButton::OnShow(BOOL bShow)
{
    if (!m_pWndEdit)
        return;
    if (bShow && m_bHorizontal) {
        m_pWndEdit->ShowWindow(SW_SHOWNOACTIVATE);
        OnMove();
    } else {
        m_pWndEdit->ShowWindow(SW_HIDE);
    }
}

const CRect CWTKToolbarEditBoxButton::GetRect() const
{
    CRect rect = m_rect;
    if (HasLabel() && m_nLabelWidth > 0 && m_nLabelWidth < rect.Width()) {
        // The label's width, centred; the bottom stays so the control and the label are covered.
        rect.left += (rect.Width() - m_nLabelWidth) / 2;
        rect.right = rect.left + m_nLabelWidth;
    }
    return rect;
}

void CWTKToolbarEditBoxButton::SetStyle(UINT nStyle)
{
    CWTKToolbarButton::SetStyle(nStyle);
    if (!m_pWndEdit)
        return;
    const BOOL bEnable = CWTKToolBar::IsCustomizeMode() ? IsCustomizable() : (nStyle & TBBS_DISABLED) == 0;
    m_pWndEdit->EnableWindow(bEnable);
}

CRect CWTKToolbarEditBoxButton::GetEditBorderRect() const
{
    CRect rect;
    if (!m_pWndEdit)
        return rect;
    m_pWndEdit->GetWindowRect(&rect);
    ::MapWindowPoints(nullptr, ::GetParent(m_pWndEdit->GetSafeHwnd()), reinterpret_cast<POINT*>(&rect), 2);
    rect.InflateRect(1, 1);
    return rect;
}

void CWTKToolbarEditBoxButton::SetHighlighted(BOOL bHighlighted)
{
    if (bHighlighted == m_bHighlighted)
        return;
    m_bHighlighted = bHighlighted;
    if (m_pWndEdit) {
        if (HWND hWndBar = ::GetParent(m_pWndEdit->GetSafeHwnd())) {
            const RECT rect = m_rect;
            ::InvalidateRect(hWndBar, &rect, TRUE);
        }
    }
}

void CWTKToolbarEditBoxButton::OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz,
                                      BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder, BOOL bGrayDisabledButtons)
{
    if (!m_pWndEdit || !m_pWndEdit->IsWindowVisible()) {
        CWTKToolbarButton::OnDraw(pDC, rect, pImages, bHorz, bCustomizeMode, bHighlight, bDrawBorder,
                                  bGrayDisabledButtons);
        return;
    }
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    const BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0;
    pLook->OnDrawEditBorder(pDC, GetEditBorderRect(), bDisabled, !s_bFlat || m_bHighlighted, this);

    if (!HasLabel() || !bHorz)
        return;
    COLORREF clrText = pLook->GetToolbarButtonTextColor(this, kButtonStateNormal);
    if (bDisabled)
        clrText = WTKGetGlobalData().clrGrayedText;
    else if (m_bHighlighted)
        clrText = pLook->GetToolbarButtonTextColor(this, kButtonStateHighlighted);
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    const int iOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rectText = rect;
    rectText.top = rect.bottom - m_nLabelHeight;
    pDC->DrawText(m_strText, rectText, DT_CENTER | DT_WORDBREAK);
    pDC->SetBkMode(iOldMode);
    pDC->SetTextColor(clrOld);
}

int CWTKToolbarEditBoxButton::DrawImage(CDC* pDC, CRect rectImage, BOOL bHighlight)
{
    const int nUsed = CWTKToolbarButton::DrawImage(pDC, rectImage, bHighlight);
    CRect rectBox = rectImage;
    rectBox.left = std::min(rectImage.left + nUsed, rectImage.right - kMinImageBoxWidth);
    rectBox.InflateRect(-2, -3);
    pDC->FillSolidRect(rectBox, ::GetSysColor(COLOR_WINDOW));
    pDC->DrawEdge(rectBox, EDGE_SUNKEN, BF_RECT);
    return nUsed;
}
