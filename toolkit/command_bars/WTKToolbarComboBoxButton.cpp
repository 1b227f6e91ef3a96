#include "command_bars/WTKToolbarComboBoxButton.h"

#include "command_bars/WTKToolBar.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKVisualManager.h"
#include "foundation/WTKWorkspace.h"

#include "core/Archive.h"
#include "docview/BarStyles.h"
#include "gdi/DC.h"
#include "win/ComboBox.h"

#include <algorithm>

IMPLEMENT_SERIAL(CWTKToolbarComboBoxButton, CWTKToolbarButton, kToolbarButtonSchema)

namespace {

// The combo sits this far inside the button's left and right edges (a little more while it is
// being created, before its first placement).
constexpr int kComboMarginX = 1;
constexpr int kCreateMarginX = 2;
// Archived sizes outside this range are damage, not a user's choice.
constexpr int kMaxExtent = 4096;
// The box drawn for the control in customisation lists.
constexpr int kMinImageBoxWidth = 20;

int BoundedExtent(int nValue, int nDefault)
{
    return nValue > 0 && nValue <= kMaxExtent ? nValue : nDefault;
}

}  // namespace

CWTKToolbarComboBoxButton::CWTKToolbarComboBoxButton() = default;

CWTKToolbarComboBoxButton::CWTKToolbarComboBoxButton(UINT uiID, int iImage, DWORD dwStyle, int iWidth)
    : CWTKToolbarButton(uiID, iImage),
      m_dwStyle(dwStyle | WS_CHILD | WS_VISIBLE | WS_VSCROLL),
      m_iWidth(iWidth == 0 ? kDefaultWidth : iWidth)
{}

CWTKToolbarComboBoxButton::~CWTKToolbarComboBoxButton()
{
    DestroyCombo();
}

BOOL CWTKToolbarComboBoxButton::HasCombo() const
{
    return m_pWndCombo && ::IsWindow(m_pWndCombo->GetSafeHwnd());
}

void CWTKToolbarComboBoxButton::DestroyCombo()
{
    if (!m_pWndCombo)
        return;
    if (::IsWindow(m_pWndCombo->GetSafeHwnd()))
        m_pWndCombo->DestroyWindow();
    m_pWndCombo.reset();
    m_bIsHotEdit = FALSE;
}

// ---- Items ----

CString CWTKToolbarComboBoxButton::GetItem(int iIndex) const
{
    POSITION pos = iIndex >= 0 ? m_lstItems.FindIndex(iIndex) : nullptr;
    return pos != nullptr ? m_lstItems.GetAt(pos) : CString();
}

DWORD CWTKToolbarComboBoxButton::GetItemData(int iIndex) const
{
    POSITION pos = iIndex >= 0 ? m_lstItemData.FindIndex(iIndex) : nullptr;
    return pos != nullptr ? m_lstItemData.GetAt(pos) : 0;
}

int CWTKToolbarComboBoxButton::AddItem(LPCSTR lpszItem, DWORD dwData)
{
    const CString strItem(lpszItem != nullptr ? lpszItem : "");
    m_lstItems.AddTail(strItem);
    m_lstItemData.AddTail(dwData);
    const int iIndex = GetCount() - 1;
    if (HasCombo()) {
        const int iAdded = m_pWndCombo->AddString(strItem);
        if (iAdded >= 0)
            m_pWndCombo->SetItemData(iAdded, dwData);
    }
    OnAfterChangeItems();
    return iIndex;
}

void CWTKToolbarComboBoxButton::RemoveAllItems()
{
    OnBeforeRemoveItems();
    m_lstItems.RemoveAll();
    m_lstItemData.RemoveAll();
    m_iSelIndex = -1;
    m_strEdit.Empty();
    if (HasCombo())
        m_pWndCombo->ResetContent();
    OnAfterChangeItems();
}

void CWTKToolbarComboBoxButton::RebuildListsFromCombo()
{
    if (!HasCombo())
        return;
    OnBeforeRemoveItems();
    m_lstItems.RemoveAll();
    m_lstItemData.RemoveAll();
    const int nCount = m_pWndCombo->GetCount();
    for (int i = 0; i < nCount; i++) {
        CString strItem;
        m_pWndCombo->GetLBText(i, strItem);
        m_lstItems.AddTail(strItem);
        m_lstItemData.AddTail(static_cast<DWORD>(m_pWndCombo->GetItemData(i)));
    }
    m_iSelIndex = m_pWndCombo->GetCurSel();
    OnAfterChangeItems();
}

void CWTKToolbarComboBoxButton::FillComboFromLists()
{
    if (!HasCombo())
        return;
    m_pWndCombo->ResetContent();
    POSITION posData = m_lstItemData.GetHeadPosition();
    for (POSITION pos = m_lstItems.GetHeadPosition(); pos != nullptr;) {
        const int iAdded = m_pWndCombo->AddString(m_lstItems.GetNext(pos));
        const DWORD dwData = posData != nullptr ? m_lstItemData.GetNext(posData) : 0;
        if (iAdded >= 0)
            m_pWndCombo->SetItemData(iAdded, dwData);
    }
    if (m_iSelIndex >= 0 && m_iSelIndex < GetCount())
        m_pWndCombo->SetCurSel(m_iSelIndex);
}

void CWTKToolbarComboBoxButton::SetComboText(const CString& str)
{
    if (HasCombo())
        m_pWndCombo->SetWindowText(str);
}

BOOL CWTKToolbarComboBoxButton::SelectItem(int iIndex, BOOL bNotify)
{
    if (iIndex < 0 || iIndex >= GetCount())
        return FALSE;
    m_iSelIndex = iIndex;
    m_strEdit = GetItem(iIndex);
    if (!HasCombo())
        return TRUE;
    if (m_pWndCombo->GetCurSel() == iIndex)
        return TRUE;
    if (m_pWndCombo->SetCurSel(iIndex) == CB_ERR)
        return FALSE;
    if (bNotify)
        NotifyCommand(CBN_SELENDOK);
    return TRUE;
}

void CWTKToolbarComboBoxButton::SetDropDownHeight(int nHeight)
{
    m_nDropDownHeight = BoundedExtent(nHeight, kDefaultDropDownHeight);
    OnMove();
}

// ---- Archive ----

BOOL CWTKToolbarComboBoxButton::IsDropDownHeightStored()
{
    return WTKIsSavedDataNewerThan(kDropDownHeightMajor, kDropDownHeightMinor);
}

void CWTKToolbarComboBoxButton::SerializeContent(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_lstItems.Serialize(ar);
        for (POSITION pos = m_lstItemData.GetHeadPosition(); pos != nullptr;)
            ar << m_lstItemData.GetNext(pos);
        return;
    }
    OnBeforeRemoveItems();
    m_lstItems.RemoveAll();
    m_lstItemData.RemoveAll();
    try {
        m_lstItems.Serialize(ar);
        const INT_PTR nCount = m_lstItems.GetCount();
        ar.CheckCount(static_cast<DWORD_PTR>(nCount), sizeof(DWORD));
        for (INT_PTR i = 0; i < nCount; i++) {
            DWORD dwData = 0;
            ar >> dwData;
            m_lstItemData.AddTail(dwData);
        }
    } catch (...) {
        // Texts without their data are never kept.
        m_lstItems.RemoveAll();
        m_lstItemData.RemoveAll();
        throw;
    }
    OnAfterChangeItems();
}

void CWTKToolbarComboBoxButton::Serialize(CArchive& ar)
{
    CWTKToolbarButton::Serialize(ar);
    // One rule both ways, so an archive reads back with the layout it was written in.
    const BOOL bHeight = IsDropDownHeightStored();
    if (ar.IsStoring()) {
        if (HasCombo())
            RebuildListsFromCombo();
        ar << m_iWidth << m_dwStyle << m_iSelIndex << m_strEdit;
        if (bHeight)
            ar << m_nDropDownHeight;
        if (m_bSerializeContent)
            SerializeContent(ar);
        return;
    }

    int iWidth = 0;
    DWORD dwStyle = 0;
    int iSelIndex = -1;
    CString strText;
    int nDropDownHeight = kDefaultDropDownHeight;
    ar >> iWidth >> dwStyle >> iSelIndex >> strText;
    if (bHeight)
        ar >> nDropDownHeight;
    m_iWidth = BoundedExtent(iWidth, kDefaultWidth);
    // The control is always a visible child of its bar, whatever the archive says.
    m_dwStyle = (dwStyle & ~WS_POPUP) | WS_CHILD | WS_VISIBLE;
    m_nDropDownHeight = BoundedExtent(nDropDownHeight, kDefaultDropDownHeight);
    m_strEdit = strText;
    m_rect.right = m_rect.left + m_iWidth;
    if (m_bSerializeContent)
        SerializeContent(ar);
    FillComboFromLists();
    // A stored index that names no loaded item selects nothing.
    m_iSelIndex = -1;
    SelectItem(iSelIndex, TRUE);
}

void CWTKToolbarComboBoxButton::CopyStateFrom(const CWTKToolbarComboBoxButton& src)
{
    if (&src == this)
        return;
    OnBeforeRemoveItems();
    m_lstItems.RemoveAll();
    m_lstItemData.RemoveAll();
    m_lstItems.AddTail(&src.m_lstItems);
    m_lstItemData.AddTail(&src.m_lstItemData);
    m_iSelIndex = src.m_iSelIndex >= 0 && src.m_iSelIndex < GetCount() ? src.m_iSelIndex : -1;
    m_strEdit = src.m_strEdit;
    OnAfterChangeItems();
    FillComboFromLists();
    SetComboText(m_strEdit);
}

void CWTKToolbarComboBoxButton::CopyFrom(const CWTKToolbarButton& src)
{
    CWTKToolbarButton::CopyFrom(src);
    const auto* pSrc = dynamic_cast<const CWTKToolbarComboBoxButton*>(&src);
    if (pSrc == nullptr)
        return;
    const_cast<CWTKToolbarComboBoxButton*>(pSrc)->RebuildListsFromCombo();
    CopyStateFrom(*pSrc);
    m_dwStyle = pSrc->m_dwStyle;
    m_iWidth = pSrc->m_iWidth;
    m_nDropDownHeight = pSrc->m_nDropDownHeight;
    m_bSerializeContent = pSrc->m_bSerializeContent;
}

void CWTKToolbarComboBoxButton::TakeStateFrom(const CWTKToolbarButton& src)
{
    // The first other combo of the command leads; the given button when there is none.
    const CWTKToolbarComboBoxButton* pFrom = nullptr;
    CObList listButtons;
    CWTKToolBar::GetCommandButtons(m_nID, listButtons);
    for (POSITION pos = listButtons.GetHeadPosition(); pos != nullptr && pFrom == nullptr;) {
        auto* pOther = dynamic_cast<CWTKToolbarComboBoxButton*>(listButtons.GetNext(pos));
        if (pOther != nullptr && pOther != this)
            pFrom = pOther;
    }
    if (pFrom == nullptr)
        pFrom = dynamic_cast<const CWTKToolbarComboBoxButton*>(&src);
    if (pFrom != nullptr)
        CopyStateFrom(*pFrom);
}

// ---- The control on the bar ----

CComboBox* CWTKToolbarComboBoxButton::CreateCombo(CWnd* pWndParent, const CRect& rect)
{
    auto pWndCombo = std::make_unique<CComboBox>();
    if (!pWndCombo->Create(m_dwStyle, rect, pWndParent, m_nID))
        return nullptr;
    return pWndCombo.release();
}

void CWTKToolbarComboBoxButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CWTKToolbarButton::OnChangeParentWnd(pWndParent);
    const HWND hWndParent = pWndParent ? pWndParent->GetSafeHwnd() : nullptr;
    if (m_pWndCombo) {
        if (hWndParent != nullptr && HasCombo() && ::GetParent(m_pWndCombo->GetSafeHwnd()) == hWndParent)
            return;
        RebuildListsFromCombo();
        DestroyCombo();
    }
    if (hWndParent == nullptr)
        return;

    CRect rect = m_rect;
    rect.InflateRect(-kCreateMarginX, 0);
    rect.bottom = rect.top + m_nDropDownHeight;
    m_pWndCombo.reset(CreateCombo(pWndParent, rect));
    if (!HasCombo()) {
        m_pWndCombo.reset();
        return;
    }
    m_pWndCombo->EnableWindow(!CWTKToolBar::IsCustomizeMode() && (m_nStyle & TBBS_DISABLED) == 0);
    OnMove();
    m_pWndCombo->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(WTKGetGlobalData().fontRegular.GetSafeHandle()));

    if (m_pWndCombo->GetCount() <= 0) {
        FillComboFromLists();
    } else {
        RebuildListsFromCombo();
    }
    if (m_iSelIndex >= 0 && m_iSelIndex < GetCount()) {
        m_strEdit = GetItem(m_iSelIndex);
        SetComboText(m_strEdit);
    } else {
        m_iSelIndex = -1;
    }
}

CSize CWTKToolbarComboBoxButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    m_bHorz = bHorz;
    if (!bHorz) {
        if (HasCombo())
            m_pWndCombo->ShowWindow(SW_HIDE);
        m_nLabelWidth = m_nLabelHeight = 0;
        return CWTKToolbarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    }
    if (HasCombo() && !IsHidden())
        m_pWndCombo->ShowWindow(SW_SHOWNOACTIVATE);

    m_nLabelWidth = m_nLabelHeight = 0;
    if (HasLabel() && pDC != nullptr) {
        CRect rectText(0, 0, m_iWidth, sizeDefault.cy);
        pDC->DrawText(m_strText, rectText, DT_CALCRECT | DT_CENTER | DT_WORDBREAK);
        m_nLabelWidth = rectText.Width();
        m_nLabelHeight = rectText.Height();
    }
    int nComboHeight = sizeDefault.cy;
    if (HasCombo()) {
        CRect rectWindow;
        m_pWndCombo->GetWindowRect(rectWindow);
        nComboHeight = rectWindow.Height();
    }
    return CSize(m_iWidth, nComboHeight + m_nLabelHeight);
}

BOOL CWTKToolbarComboBoxButton::OnClick(CWnd*, BOOL)
{
    return HasCombo() && m_bHorz;
}

void CWTKToolbarComboBoxButton::OnMove()
{
    if (!HasCombo())
        return;
    CRect rect = m_rect;
    if (IsExtraSize()) {
        const CSize sizeExtra = CWTKVisualManager::GetInstance()->GetButtonExtraBorder();
        rect.DeflateRect(sizeExtra.cx / 2, sizeExtra.cy / 2);
    }
    m_pWndCombo->SetWindowPos(nullptr, rect.left + kComboMarginX, rect.top, rect.Width() - 2 * kComboMarginX,
                              m_nDropDownHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pWndCombo->SetEditSel(-1, 0);
    m_pWndCombo->GetWindowRect(m_rectCombo);
    ::MapWindowPoints(nullptr, ::GetParent(m_pWndCombo->GetSafeHwnd()), reinterpret_cast<POINT*>(&m_rectCombo), 2);
}

void CWTKToolbarComboBoxButton::OnSize(int iSize)
{
    m_iWidth = iSize;
    m_rect.right = m_rect.left + iSize;
    OnMove();
}

HWND CWTKToolbarComboBoxButton::GetHwnd()
{
    return HasCombo() ? m_pWndCombo->GetSafeHwnd() : nullptr;
}

BOOL CWTKToolbarComboBoxButton::NotifyCommand(int iNotifyCode)
{
    if (!HasCombo())
        return FALSE;
    switch (iNotifyCode) {
    case CBN_SELCHANGE:
    case CBN_KILLFOCUS:
    case CBN_EDITUPDATE:
        return TRUE;
    case CBN_EDITCHANGE: {
        m_pWndCombo->GetWindowText(m_strEdit);
        CObList listButtons;
        CWTKToolBar::GetCommandButtons(m_nID, listButtons);
        for (POSITION pos = listButtons.GetHeadPosition(); pos != nullptr;) {
            auto* pOther = dynamic_cast<CWTKToolbarComboBoxButton*>(listButtons.GetNext(pos));
            if (pOther == nullptr || pOther == this)
                continue;
            pOther->m_strEdit = m_strEdit;
            pOther->SetComboText(m_strEdit);
        }
        return TRUE;
    }
    case CBN_SELENDOK: {
        const int iSel = m_pWndCombo->GetCurSel();
        if (iSel < 0 || iSel >= GetCount())
            return FALSE;
        m_iSelIndex = iSel;
        m_strEdit = GetItem(iSel);
        CObList listButtons;
        CWTKToolBar::GetCommandButtons(m_nID, listButtons);
        for (POSITION pos = listButtons.GetHeadPosition(); pos != nullptr;) {
            auto* pOther = dynamic_cast<CWTKToolbarComboBoxButton*>(listButtons.GetNext(pos));
            if (pOther != nullptr && pOther != this && pOther->CanSelectionFollow())
                pOther->SelectItem(iSel, FALSE);
        }
        return TRUE;
    }
    default:
        return FALSE;
    }
}

HBRUSH CWTKToolbarComboBoxButton::OnCtlColor(CDC* pDC, UINT)
{
    pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    pDC->SetBkColor(::GetSysColor(COLOR_WINDOW));
    return ::GetSysColorBrush(COLOR_WINDOW);
}

void CWTKToolbarComboBoxButton::OnGlobalFontsChanged()
{
    if (HasCombo())
        m_pWndCombo->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(WTKGetGlobalData().fontRegular.GetSafeHandle()));
}

void CWTKToolbarComboBoxButton::OnShow(BOOL bShow)
{
    if (!HasCombo())
        return;
    if (bShow && m_bHorz) {
        OnMove();
        m_pWndCombo->ShowWindow(SW_SHOWNOACTIVATE);
    } else {
        m_pWndCombo->ShowWindow(SW_HIDE);
    }
}

void CWTKToolbarComboBoxButton::SetStyle(UINT nStyle)
{
    CWTKToolbarButton::SetStyle(nStyle);
    if (!HasCombo())
        return;
    const BOOL bEnable = CWTKToolBar::IsCustomizeMode() ? IsCustomizable() : (nStyle & TBBS_DISABLED) == 0;
    m_pWndCombo->EnableWindow(bEnable);
}

void CWTKToolbarComboBoxButton::EnableWindow(BOOL bEnable)
{
    if (HasCombo())
        m_pWndCombo->EnableWindow(bEnable);
}

BOOL CWTKToolbarComboBoxButton::IsWindowVisible()
{
    return HasCombo() && m_pWndCombo->IsWindowVisible();
}

BOOL CWTKToolbarComboBoxButton::HasFocus() const
{
    if (!HasCombo())
        return FALSE;
    const HWND hWndCombo = m_pWndCombo->GetSafeHwnd();
    const HWND hWndFocus = ::GetFocus();
    return m_pWndCombo->GetDroppedState() ||
        (hWndFocus != nullptr && (hWndFocus == hWndCombo || ::IsChild(hWndCombo, hWndFocus)));
}

BOOL CWTKToolbarComboBoxButton::ExportToMenuButton(CWTKToolbarButton& menuButton) const
{
    CString strPrompt;
    if (m_nID != 0 && strPrompt.LoadString(m_nID)) {
        const int iNewLine = strPrompt.Find('\n');
        if (iNewLine >= 0)
            menuButton.m_strText = strPrompt.Mid(iNewLine + 1);
    }
    return TRUE;
}

// ---- Drawing ----

void CWTKToolbarComboBoxButton::OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz,
                                       BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                                       BOOL bGrayDisabledButtons)
{
    if (!HasCombo() || !bHorz) {
        CWTKToolbarButton::OnDraw(pDC, rect, pImages, bHorz, bCustomizeMode, bHighlight, bDrawBorder,
                                  bGrayDisabledButtons);
        return;
    }
    if (!HasLabel())
        return;
    CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    COLORREF clrText = pLook->GetToolbarButtonTextColor(this, kButtonStateNormal);
    if (m_nStyle & TBBS_DISABLED)
        clrText = WTKGetGlobalData().clrGrayedText;
    else if (m_bIsHotEdit)
        clrText = pLook->GetToolbarButtonTextColor(this, kButtonStateHighlighted);
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    const int iOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rectText = rect;
    rectText.top = m_rectCombo.bottom;
    pDC->DrawText(m_strText, rectText, DT_CENTER | DT_WORDBREAK);
    pDC->SetBkMode(iOldMode);
    pDC->SetTextColor(clrOld);
}

int CWTKToolbarComboBoxButton::DrawImage(CDC* pDC, CRect rectImage, BOOL bHighlight)
{
    const int nUsed = CWTKToolbarButton::DrawImage(pDC, rectImage, bHighlight);
    CRect rectBox = rectImage;
    rectBox.left = std::min(rectImage.left + nUsed, rectImage.right - kMinImageBoxWidth);
    rectBox.InflateRect(-2, -3);
    pDC->FillSolidRect(rectBox, ::GetSysColor(COLOR_WINDOW));
    pDC->Draw3dRect(rectBox, ::GetSysColor(COLOR_3DSHADOW), ::GetSysColor(COLOR_3DHILIGHT));
    CRect rectInner = rectBox;
    rectInner.DeflateRect(1, 1);
    pDC->Draw3dRect(rectInner, ::GetSysColor(COLOR_3DDKSHADOW), ::GetSysColor(COLOR_3DLIGHT));

    // The drop-down part: a square at the right of the box.
    rectInner.DeflateRect(1, 1);
    CRect rectButton = rectInner;
    rectButton.left = std::max(rectInner.left, rectInner.right - rectInner.Height());
    pDC->FillSolidRect(rectButton, ::GetSysColor(COLOR_3DFACE));
    pDC->Draw3dRect(rectButton, ::GetSysColor(COLOR_3DHILIGHT), ::GetSysColor(COLOR_3DSHADOW));
    const CSize sizeGlyph = CWTKMenuGlyphs::GetSize();
    const CPoint ptGlyph(rectButton.left + (rectButton.Width() - sizeGlyph.cx) / 2,
                         rectButton.top + (rectButton.Height() - sizeGlyph.cy) / 2);
    CWTKMenuGlyphs::Draw(pDC, CWTKMenuGlyphs::kArrowDown, ptGlyph);
    return nUsed;
}
