#include "customisation/WTKProp.h"

#include "customisation/WTKPropList.h"
#include "customisation/WTKPropListConstants.h"

#include "command_bars/WTKToolbarMessages.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"

#include "com/BstrText.h"
#include "gdi/DC.h"
#include "win/ComboBox.h"
#include "win/Edit.h"

#include <cerrno>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CWTKProp, CObject)

namespace {

constexpr const char kTrueText[] = "True";
constexpr const char kFalseText[] = "False";
// Longest value text an in-place editor hands back.
constexpr int kMaxValueText = 4096;

// Index of a number type in the property formats.
int FormatIndex(VARTYPE vt)
{
    switch (vt) {
    case VT_I2:
        return 0;
    case VT_I4:
        return 1;
    case VT_UI2:
        return 2;
    case VT_UI4:
        return 3;
    case VT_R4:
        return 4;
    case VT_R8:
        return 5;
    default:
        return -1;
    }
}

// Whole text parsed as a number; FALSE for trailing rubbish or overflow.
BOOL ParseLong(const CString& str, BOOL bUnsigned, long long& nValue)
{
    if (str.IsEmpty())
        return FALSE;
    char* pEnd = nullptr;
    errno = 0;
    nValue = bUnsigned ? static_cast<long long>(std::strtoull(str, &pEnd, 10)) : std::strtoll(str, &pEnd, 10);
    return errno == 0 && pEnd != nullptr && *pEnd == '\0' && !(bUnsigned && str[0] == '-');
}

BOOL ParseDouble(const CString& str, double& dValue)
{
    if (str.IsEmpty())
        return FALSE;
    char* pEnd = nullptr;
    errno = 0;
    dValue = std::strtod(str, &pEnd);
    return errno == 0 && pEnd != nullptr && *pEnd == '\0';
}

}  // namespace

CWTKProp::CWTKProp(const CString& strGroupName, DWORD_PTR dwData) : m_strName(strGroupName), m_dwData(dwData)
{
    ::VariantInit(&m_varValue);
    m_bGroup = TRUE;
}

CWTKProp::CWTKProp(const CString& strName, const VARIANT& varValue, LPCSTR lpszDescr, DWORD_PTR dwData)
    : m_strName(strName), m_strDescr(lpszDescr != nullptr ? lpszDescr : ""), m_dwData(dwData)
{
    ::VariantInit(&m_varValue);
    ::VariantCopy(&m_varValue, const_cast<VARIANT*>(&varValue));
}

CWTKProp::CWTKProp(const CString& strName, LPCSTR lpszValue, LPCSTR lpszDescr, DWORD_PTR dwData)
    : m_strName(strName), m_strDescr(lpszDescr != nullptr ? lpszDescr : ""), m_dwData(dwData)
{
    ::VariantInit(&m_varValue);
    m_varValue.vt = VT_BSTR;
    m_varValue.bstrVal = CBstrText::FromAnsi(lpszValue != nullptr ? lpszValue : "");
}

CWTKProp::~CWTKProp()
{
    DestroyInPlaceWnd();
    for (CWTKProp* pProp : m_lstSubItems)
        delete pProp;
    ::VariantClear(&m_varValue);
}

void CWTKProp::AddSubItem(CWTKProp* pProp)
{
    if (pProp == nullptr)
        return;
    pProp->m_pParent = this;
    pProp->SetOwnerList(m_pWndList);
    m_lstSubItems.push_back(pProp);
}

CWTKProp* CWTKProp::GetSubItem(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetSubItemsCount())
        return nullptr;
    return m_lstSubItems[static_cast<size_t>(nIndex)];
}

void CWTKProp::AddOption(LPCSTR lpszOption)
{
    if (lpszOption != nullptr)
        m_lstOptions.emplace_back(lpszOption);
}

void CWTKProp::SetOwnerList(CWTKPropList* pWndList)
{
    m_pWndList = pWndList;
    for (CWTKProp* pProp : m_lstSubItems)
        pProp->SetOwnerList(pWndList);
}

void CWTKProp::ResetRects()
{
    m_rect.SetRectEmpty();
    m_rectValue.SetRectEmpty();
    m_rectButton.SetRectEmpty();
    for (CWTKProp* pProp : m_lstSubItems)
        pProp->ResetRects();
}

BOOL CWTKProp::IsSelected() const
{
    return m_pWndList != nullptr && m_pWndList->GetCurSel() == this;
}

BOOL CWTKProp::IsParentExpanded() const
{
    for (const CWTKProp* pProp = m_pParent; pProp != nullptr; pProp = pProp->m_pParent) {
        if (!pProp->m_bExpanded)
            return FALSE;
    }
    return TRUE;
}

void CWTKProp::SetValue(const VARIANT& varValue)
{
    ::VariantClear(&m_varValue);
    ::VariantCopy(&m_varValue, const_cast<VARIANT*>(&varValue));
    RedrawValue();
}

void CWTKProp::SetValue(int nValue)
{
    switch (m_varValue.vt) {
    case VT_BOOL:
        m_varValue.boolVal = nValue != 0 ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    case VT_I4:
    case VT_ERROR:
        m_varValue.lVal = nValue;
        break;
    default:
        ::VariantClear(&m_varValue);
        m_varValue.vt = VT_I4;
        m_varValue.lVal = nValue;
        break;
    }
    RedrawValue();
}

void CWTKProp::RedrawValue()
{
    if (m_pWndList == nullptr || m_pWndList->GetSafeHwnd() == nullptr)
        return;
    if (!m_rectValue.IsRectEmpty())
        m_pWndList->InvalidateRect(m_rectValue);
    if (HasInPlaceWnd())
        m_pWndInPlace->SetWindowText(FormatProperty());
}

void CWTKProp::Expand(BOOL bExpand)
{
    m_bExpanded = bExpand;
    if (m_pWndList == nullptr || m_pWndList->GetSafeHwnd() == nullptr)
        return;
    // An editor left open would stand over a row that is no longer there.
    if (CWTKProp* pSel = m_pWndList->GetCurSel(); pSel != nullptr && pSel != this && pSel->IsInPlaceEditing())
        m_pWndList->CloseEditor();
    m_pWndList->AdjustLayout();
    CRect rect = m_pWndList->GetListRect();
    rect.top = m_rect.IsRectEmpty() ? rect.top : m_rect.top;
    m_pWndList->InvalidateRect(rect);
}

CWTKProp* CWTKProp::HitTest(CPoint point, int* pnArea)
{
    if (m_rect.PtInRect(point)) {
        if (pnArea != nullptr) {
            if (m_bGroup && point.x < m_rect.left + m_rect.Height())
                *pnArea = kWTKPropAreaExpandBox;
            else if (HasValue() && m_rectValue.PtInRect(point))
                *pnArea = kWTKPropAreaValue;
            else
                *pnArea = kWTKPropAreaName;
        }
        return this;
    }
    if (!m_bExpanded)
        return nullptr;
    for (CWTKProp* pProp : m_lstSubItems) {
        if (CWTKProp* pHit = pProp->HitTest(point, pnArea))
            return pHit;
    }
    return nullptr;
}

void CWTKProp::PlaceButton()
{
    m_rectButton.SetRectEmpty();
    if (!HasButton() || m_rect.IsRectEmpty() || m_pWndList == nullptr)
        return;
    m_rectButton = m_rect;
    m_rectButton.left = m_rectButton.right - (m_pWndList->GetRowHeight() - 3);
    m_rectButton.top += 1;
}

void CWTKProp::Reposition(int& y)
{
    if (m_pWndList == nullptr || !(m_pWndList->IsAlphabeticMode() || IsParentExpanded())) {
        ResetRects();  // hidden, and so are the sub-items
        return;
    }
    const int nRow = m_pWndList->GetRowHeight();
    const CRect rectList = m_pWndList->GetListRect();
    int nLevel = 0;
    for (const CWTKProp* pProp = m_pParent; pProp != nullptr; pProp = pProp->m_pParent)
        nLevel++;
    const int nIndent = m_pWndList->IsAlphabeticMode() ? 0 : nLevel * nRow;
    m_rect = CRect(rectList.left + nIndent, y, rectList.right, y + nRow);
    m_rectValue = m_rect;
    m_rectValue.left = rectList.left + m_pWndList->GetNameColumnWidth() + 1;
    if (!HasValue())
        m_rectValue.SetRectEmpty();
    // Only the selected row shows its button, wherever the layout puts the row.
    if (m_pWndList->GetCurSel() == this)
        PlaceButton();
    else
        m_rectButton.SetRectEmpty();
    y += nRow;
    if (m_pWndList->IsAlphabeticMode())
        return;  // the sorted list places sub-items itself
    for (CWTKProp* pProp : m_lstSubItems)
        pProp->Reposition(y);
}

void CWTKProp::AddToSortedList(std::vector<CWTKProp*>& lst)
{
    if (m_bGroup) {
        for (CWTKProp* pProp : m_lstSubItems)
            pProp->AddToSortedList(lst);
        return;
    }
    auto it = lst.begin();
    while (it != lst.end() && (*it)->m_strName.Compare(m_strName) <= 0)
        ++it;
    lst.insert(it, this);
}

CString CWTKProp::GetValueText() const
{
    const VARIANT& var = m_varValue;
    CString str;
    const int nFormat = FormatIndex(var.vt);
    switch (var.vt) {
    case VT_BSTR:
        return CBstrText::ToAnsi(var.bstrVal);
    case VT_BOOL:
        return var.boolVal != VARIANT_FALSE ? kTrueText : kFalseText;
    case VT_I2:
        str.Format(kWTKPropertyFormats[nFormat], static_cast<int>(var.iVal));
        break;
    case VT_I4:
        str.Format(kWTKPropertyFormats[nFormat], static_cast<long>(var.lVal));
        break;
    case VT_UI2:
        str.Format(kWTKPropertyFormats[nFormat], static_cast<unsigned>(var.uiVal));
        break;
    case VT_UI4:
        str.Format(kWTKPropertyFormats[nFormat], static_cast<unsigned>(var.ulVal));
        break;
    case VT_R4:
        str.Format(kWTKPropertyFormats[nFormat], static_cast<double>(var.fltVal));
        break;
    case VT_R8:
        str.Format(kWTKPropertyFormats[nFormat], var.dblVal);
        break;
    default:
        break;
    }
    return str;
}

CString CWTKProp::FormatProperty()
{
    return GetValueText();
}

BOOL CWTKProp::TextToVar(const CString& strText)
{
    VARIANT var;
    ::VariantInit(&var);
    long long nValue = 0;
    double dValue = 0;
    switch (m_varValue.vt) {
    case VT_BSTR:
        var.vt = VT_BSTR;
        var.bstrVal = CBstrText::FromAnsi(strText);
        break;
    case VT_BOOL:
        if (strText.CompareNoCase(kTrueText) != 0 && strText.CompareNoCase(kFalseText) != 0)
            return FALSE;
        var.vt = VT_BOOL;
        var.boolVal = strText.CompareNoCase(kTrueText) == 0 ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    case VT_I2:
    case VT_I4:
    case VT_UI2:
    case VT_UI4: {
        const BOOL bUnsigned = m_varValue.vt == VT_UI2 || m_varValue.vt == VT_UI4;
        if (!ParseLong(strText, bUnsigned, nValue))
            return FALSE;
        var.vt = VT_I8;
        var.llVal = nValue;
        if (FAILED(::VariantChangeType(&var, &var, 0, m_varValue.vt)))
            return FALSE;  // out of the type's range
        break;
    }
    case VT_R4:
    case VT_R8:
        if (!ParseDouble(strText, dValue))
            return FALSE;
        var.vt = VT_R8;
        var.dblVal = dValue;
        if (FAILED(::VariantChangeType(&var, &var, 0, m_varValue.vt)))
            return FALSE;
        break;
    default:
        return FALSE;
    }
    ::VariantClear(&m_varValue);
    m_varValue = var;  // takes the new value's contents
    return TRUE;
}

BOOL CWTKProp::OnUpdateValue()
{
    if (!HasInPlaceWnd())
        return FALSE;
    CString strText;
    m_pWndInPlace->GetWindowText(strText);
    if (strText.GetLength() > kMaxValueText)
        return FALSE;
    const CString strOld = FormatProperty();
    if (!TextToVar(strText))
        return FALSE;
    if (FormatProperty() != strOld && m_pWndList != nullptr)
        m_pWndList->OnPropertyChanged(this);
    return TRUE;
}

CWnd* CWTKProp::CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat)
{
    bDefaultFormat = TRUE;
    if (!m_lstOptions.empty() && !m_bAllowEdit) {
        // Only the options: a drop-down list over the value and the button.
        auto* pCombo = new CComboBox;
        CRect rectCombo = rectEdit;
        rectCombo.right = m_rect.right;
        rectCombo.bottom = rectCombo.top + m_pWndList->GetRowHeight() * kWTKPropComboDropRows;
        if (!pCombo->Create(WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, rectCombo, m_pWndList, kWTKPropInPlaceComboId)) {
            delete pCombo;
            return nullptr;
        }
        pCombo->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_pWndList->GetFontHandle()));
        for (const CString& strOption : m_lstOptions)
            pCombo->AddString(strOption);
        pCombo->SelectString(-1, FormatProperty());
        return pCombo;
    }
    auto* pEdit = new CEdit;
    DWORD dwStyle = WS_CHILD | ES_AUTOHSCROLL;
    if (!m_bAllowEdit)
        dwStyle |= ES_READONLY;
    if (!pEdit->Create(dwStyle, rectEdit, m_pWndList, kWTKPropInPlaceEditId)) {
        delete pEdit;
        return nullptr;
    }
    pEdit->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_pWndList->GetFontHandle()));
    return pEdit;
}

BOOL CWTKProp::OnEdit(LPPOINT /*lptClick*/)
{
    if (!IsEditable() || m_pWndList == nullptr || m_rectValue.IsRectEmpty())
        return FALSE;
    DestroyInPlaceWnd();
    CRect rectEdit = m_rectValue;
    rectEdit.DeflateRect(kWTKPropRowPadding / 2, 1, 0, 1);
    if (!m_rectButton.IsRectEmpty())
        rectEdit.right = m_rectButton.left;
    BOOL bDefaultFormat = TRUE;
    m_pWndInPlace = CreateInPlaceEdit(rectEdit, bDefaultFormat);
    if (m_pWndInPlace == nullptr)
        return FALSE;
    if (bDefaultFormat && !m_pWndInPlace->IsKindOf(RUNTIME_CLASS(CComboBox)))
        m_pWndInPlace->SetWindowText(FormatProperty());
    m_pWndInPlace->ShowWindow(SW_SHOW);
    m_pWndInPlace->SetFocus();
    if (CEdit* pEdit = dynamic_cast<CEdit*>(m_pWndInPlace))
        pEdit->SetSel(0, -1);
    m_bInPlaceEdit = TRUE;
    return TRUE;
}

BOOL CWTKProp::HasInPlaceWnd() const
{
    return m_pWndInPlace != nullptr && m_pWndInPlace->GetSafeHwnd() != nullptr;
}

void CWTKProp::DestroyInPlaceWnd()
{
    if (m_pWndInPlace == nullptr)
        return;
    CWnd* pWnd = m_pWndInPlace;
    m_pWndInPlace = nullptr;
    if (pWnd->GetSafeHwnd() != nullptr)
        pWnd->DestroyWindow();
    delete pWnd;
}

BOOL CWTKProp::OnEndEdit()
{
    m_bInPlaceEdit = FALSE;
    DestroyInPlaceWnd();
    return TRUE;
}

void CWTKProp::OnClickButton(CPoint /*point*/)
{
    if (auto* pCombo = dynamic_cast<CComboBox*>(m_pWndInPlace)) {
        pCombo->SetFocus();
        pCombo->SendMessage(CB_SHOWDROPDOWN, !pCombo->SendMessage(CB_GETDROPPEDSTATE));
    }
}

BOOL CWTKProp::OnClickValue(UINT uiMsg, CPoint point)
{
    if (!HasInPlaceWnd())
        return FALSE;
    m_pWndList->MapWindowPoints(m_pWndInPlace, &point, 1);
    m_pWndInPlace->SendMessage(uiMsg, 0, MAKELPARAM(point.x, point.y));
    return TRUE;
}

void CWTKProp::OnSelectCombo()
{
    auto* pCombo = dynamic_cast<CComboBox*>(m_pWndInPlace);
    if (pCombo == nullptr)
        return;
    const int nSel = pCombo->GetCurSel();
    if (nSel < 0)
        return;
    CString strText;
    pCombo->GetLBText(nSel, strText);
    const CString strOld = FormatProperty();
    if (TextToVar(strText) && FormatProperty() != strOld && m_pWndList != nullptr) {
        m_pWndList->InvalidateRect(m_rectValue);
        m_pWndList->OnPropertyChanged(this);
    }
}

BOOL CWTKProp::PushChar(UINT nChar)
{
    if (!HasInPlaceWnd())
        return FALSE;
    if (auto* pEdit = dynamic_cast<CEdit*>(m_pWndInPlace)) {
        if (!m_bAllowEdit)
            return FALSE;
        pEdit->SetWindowText("");  // the first character replaces the value
    }
    m_pWndInPlace->SendMessage(WM_CHAR, nChar);
    return TRUE;
}

void CWTKProp::OnDrawExpandBox(CDC* pDC, CRect rect)
{
    const int nBox = rect.Height() / 2 | 1;  // odd, so the sign's lines sit in the middle
    const CRect rectBox(CPoint(rect.CenterPoint().x - nBox / 2, rect.CenterPoint().y - nBox / 2), CSize(nBox, nBox));
    CWTKVisualManager::GetInstance()->OnDrawExpandingBox(pDC, rectBox, m_bExpanded, WTKGetGlobalData().clrBtnShadow);
}

void CWTKProp::OnDrawName(CDC* pDC, CRect rect)
{
    rect.DeflateRect(kWTKPropRowPadding / 2, 0);
    pDC->DrawText(m_strName, rect, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CWTKProp::OnDrawValue(CDC* pDC, CRect rect)
{
    rect.DeflateRect(kWTKPropRowPadding / 2, 0);
    const COLORREF clrOld =
        pDC->SetTextColor(m_bEnabled ? WTKGetGlobalData().clrWindowText : WTKGetGlobalData().clrGrayedText);
    pDC->DrawText(FormatProperty(), rect, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    pDC->SetTextColor(clrOld);
}

void CWTKProp::OnDrawButton(CDC* pDC, CRect rect)
{
    const WTKGlobalData& g = WTKGetGlobalData();
    pDC->FillSolidRect(rect, g.clrBtnFace);
    pDC->Draw3dRect(rect, g.clrBtnHilite, g.clrBtnDkShadow);
    // Three dots: the button opens a chooser.
    const CPoint ptCentre = rect.CenterPoint();
    for (int i = -1; i <= 1; i++)
        pDC->FillSolidRect(ptCentre.x + i * 3 - 1, ptCentre.y, 2, 2, g.clrBtnText);
}

void CWTKProp::OnDrawDescription(CDC* pDC, CRect rect)
{
    CRect rectText = rect;
    rectText.DeflateRect(kWTKPropRowPadding, kWTKPropRowPadding / 2);
    const HGDIOBJ hOld = ::SelectObject(pDC->GetSafeHdc(), m_pWndList->GetBoldFontHandle());
    const int nHeight = pDC->DrawText(m_strName, rectText, DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(pDC->GetSafeHdc(), hOld);
    rectText.top += nHeight + kWTKPropRowPadding / 2;
    pDC->DrawText(m_strDescr, rectText, DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS);
}
