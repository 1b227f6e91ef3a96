// The property list's life, layout, selection and editing. Mouse, keys and scrolling are in
// WTKPropListInput.cpp, painting in WTKPropListPaint.cpp.
#include "customisation/WTKPropList.h"

#include "customisation/WTKPropListConstants.h"

#include "command_bars/WTKToolbarMessages.h"
#include "foundation/WTKColorFunctions.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKUserSignals.h"
#include "foundation/WTKVisualManager.h"

#include "gdi/DC.h"
#include "win/ComboBox.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CWTKPropList, CWnd)

namespace {

constexpr const char kHeaderNameText[] = "Property";
constexpr const char kHeaderValueText[] = "Value";

}  // namespace

BEGIN_MESSAGE_MAP(CWTKPropList, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SETTINGCHANGE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_VSCROLL()
    ON_WM_SETCURSOR()
    ON_WM_KEYDOWN()
    ON_WM_SYSKEYDOWN()
    ON_WM_CHAR()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
    ON_WM_CANCELMODE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_STYLECHANGED()
    ON_WM_DESTROY()
    ON_WM_NCPAINT()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_WM_CTLCOLOR()
    ON_NOTIFY(HDN_ITEMCHANGEDA, kWTKPropListHeaderId, OnHeaderItemChanged)
    ON_NOTIFY(HDN_ITEMCHANGEDW, kWTKPropListHeaderId, OnHeaderItemChanged)
    ON_NOTIFY(HDN_TRACKA, kWTKPropListHeaderId, OnHeaderTrack)
    ON_NOTIFY(HDN_TRACKW, kWTKPropListHeaderId, OnHeaderTrack)
    ON_NOTIFY(HDN_ENDTRACKA, kWTKPropListHeaderId, OnHeaderEndTrack)
    ON_NOTIFY(HDN_ENDTRACKW, kWTKPropListHeaderId, OnHeaderEndTrack)
    ON_CONTROL(CBN_SELENDOK, kWTKPropInPlaceComboId, OnSelectCombo)
    ON_CONTROL(CBN_CLOSEUP, kWTKPropInPlaceComboId, OnCloseCombo)
    ON_CONTROL(EN_KILLFOCUS, kWTKPropInPlaceEditId, OnEditorKillFocus)
    ON_CONTROL(CBN_KILLFOCUS, kWTKPropInPlaceComboId, OnEditorKillFocus)
    ON_MESSAGE(kWTKPropEditorLeftMsg, OnEditorLeft)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnNeedTipText)
END_MESSAGE_MAP()

CWTKPropList::CWTKPropList() = default;

CWTKPropList::~CWTKPropList()
{
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
    DeleteAllProps();
}

BOOL CWTKPropList::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(RegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW)), nullptr,
                        dwStyle | WS_VSCROLL | WS_CLIPCHILDREN, rect, pParentWnd, nID);
}

int CWTKPropList::OnCreate(LPCREATESTRUCTA /*lpCreateStruct*/)
{
    if (!m_wndHeader.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(0, 0, 0, 0), this, kWTKPropListHeaderId))
        return -1;
    HDITEMA hdi = {};
    hdi.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    hdi.fmt = HDF_LEFT;
    hdi.pszText = const_cast<LPSTR>(kHeaderNameText);
    m_wndHeader.InsertItem(0, &hdi);
    hdi.pszText = const_cast<LPSTR>(kHeaderValueText);
    m_wndHeader.InsertItem(1, &hdi);
    m_ToolTip.Create(this, TTS_ALWAYSTIP);
    Init();
    return 0;
}

void CWTKPropList::Init()
{
    CreateFonts();
    CalcSizes();
    // The description area's height is known from the start, so a list shown without a
    // border (no non-client paint yet) lays out its rows correctly at once.
    m_nDescrHeight = m_nRowHeight * 3 + m_nRowHeight / 2;
    CRect rectClient;
    GetClientRect(rectClient);
    m_nLeftColumnWidth = rectClient.Width() / 2;
    ResetGroupColor();
    AdjustLayout();
}

HFONT CWTKPropList::GetFontHandle() const
{
    return m_hFont != nullptr ? m_hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

void CWTKPropList::CreateFonts()
{
    LOGFONTA lf = {};
    ::GetObjectA(GetFontHandle(), sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.DeleteObject();
    m_fontBold.CreateFontIndirect(&lf);
    if (m_wndHeader.GetSafeHwnd() != nullptr)
        m_wndHeader.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GetFontHandle()));
}

void CWTKPropList::CalcSizes()
{
    HDC hDC = ::GetDC(m_hWnd);
    const HGDIOBJ hOld = ::SelectObject(hDC, GetFontHandle());
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    m_nRowHeight = tm.tmHeight + kWTKPropRowPadding;
    m_nHeaderHeight = 0;
    if (m_wndHeader.GetSafeHwnd() != nullptr && (m_wndHeader.GetStyle() & WS_VISIBLE)) {
        m_nHeaderHeight = m_nRowHeight + kWTKPropRowPadding;
    }
}

void CWTKPropList::ResetGroupColor()
{
    const WTKGlobalData& g = WTKGetGlobalData();
    if (g.nBitsPerPixel > 8)
        m_clrGroupBackground =
            ScaleColorPercent(m_bGroupBarColor ? g.clrBarFace : g.clrBtnFace, kWTKPropGroupColorPercent);
    else
        m_clrGroupBackground = m_bGroupBarColor ? g.clrBarShadow : g.clrBtnShadow;
}

void CWTKPropList::AdjustLayout()
{
    if (GetSafeHwnd() == nullptr)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    m_wndHeader.SetWindowPos(nullptr, rectClient.left, rectClient.top, rectClient.Width() + kWTKPropHeaderValueExtra,
                             m_nHeaderHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    m_rectList = rectClient;
    m_rectList.top += m_nHeaderHeight;
    if (m_bDescriptionArea && m_nDescrHeight > 0)
        m_rectList.bottom = std::max(m_rectList.top, m_rectList.bottom - m_nDescrHeight);
    UpdateHeader();
    ReposProperties();
    SetScrollSizes();
}

void CWTKPropList::Relayout()
{
    AdjustLayout();
    if (GetSafeHwnd() != nullptr)
        Invalidate();
}

void CWTKPropList::UpdateHeader()
{
    if (m_wndHeader.GetSafeHwnd() == nullptr)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    HDITEMA hdi = {};
    hdi.mask = HDI_WIDTH;
    hdi.cxy = m_nLeftColumnWidth + kWTKPropHeaderNameExtra;
    m_wndHeader.SetItem(0, &hdi);
    hdi.cxy = rectClient.Width() + kWTKPropHeaderValueExtra;
    m_wndHeader.SetItem(1, &hdi);
}

void CWTKPropList::DeleteTooltipTools()
{
    if (m_ToolTip.GetSafeHwnd() == nullptr)
        return;
    for (int i = 1; i <= m_nTooltipTools; i++)
        m_ToolTip.DelTool(this, static_cast<UINT_PTR>(i));
    m_nTooltipTools = 0;
}

void CWTKPropList::ReposProperties()
{
    m_lstTerminalProps.clear();
    DeleteTooltipTools();
    const int yTop = m_rectList.top - m_nVertScrollOffset * m_nRowHeight - 1;
    int y = yTop;
    if (m_bAlphabeticMode) {
        for (CWTKProp* pProp : m_lstProps) {
            pProp->ResetRects();  // group rows are not shown
            pProp->AddToSortedList(m_lstTerminalProps);
        }
        for (CWTKProp* pProp : m_lstTerminalProps)
            pProp->Reposition(y);
    } else {
        for (CWTKProp* pProp : m_lstProps)
            pProp->Reposition(y);
    }
    m_nVertScrollTotal = m_nRowHeight > 0 ? (y - yTop) / m_nRowHeight : 0;
    // Tooltip regions: one for the name and one for the value of each row in view.
    if (m_ToolTip.GetSafeHwnd() == nullptr)
        return;
    for (CWTKProp* pProp : GetShownRows()) {
        if (!IsRowInView(pProp))
            continue;
        CRect rectName = pProp->m_rect;
        rectName.right = m_rectList.left + m_nLeftColumnWidth;
        m_ToolTip.AddTool(this, LPSTR_TEXTCALLBACKA, rectName, static_cast<UINT_PTR>(++m_nTooltipTools));
        if (!pProp->m_rectValue.IsRectEmpty())
            m_ToolTip.AddTool(this, LPSTR_TEXTCALLBACKA, pProp->m_rectValue, static_cast<UINT_PTR>(++m_nTooltipTools));
    }
}

std::vector<CWTKProp*> CWTKPropList::GetShownRows() const
{
    if (m_bAlphabeticMode)
        return m_lstTerminalProps;
    std::vector<CWTKProp*> lst;
    std::vector<CWTKProp*> stack(m_lstProps.rbegin(), m_lstProps.rend());
    while (!stack.empty()) {
        CWTKProp* pProp = stack.back();
        stack.pop_back();
        lst.push_back(pProp);
        if (pProp->IsExpanded())
            stack.insert(stack.end(), pProp->m_lstSubItems.rbegin(), pProp->m_lstSubItems.rend());
    }
    return lst;
}

BOOL CWTKPropList::IsRowInView(const CWTKProp* pProp) const
{
    const CRect& rect = pProp->m_rect;
    return !rect.IsRectEmpty() && rect.bottom >= m_rectList.top && rect.top <= m_rectList.bottom;
}

void CWTKPropList::SetScrollSizes()
{
    m_nVertScrollPage = m_nRowHeight > 0 ? m_rectList.Height() / m_nRowHeight : 0;
    m_nVertScrollOffset = std::min(m_nVertScrollOffset, GetScrollUpperBound());
    SCROLLINFO si = {};
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = m_nVertScrollTotal;
    si.nPage = static_cast<UINT>(std::max(m_nVertScrollPage, 0));
    si.nPos = m_nVertScrollOffset;
    SetScrollInfo(SB_VERT, &si, TRUE);
}

int CWTKPropList::AddProperty(CWTKProp* pProp, BOOL bRedraw)
{
    if (pProp == nullptr)
        return -1;
    pProp->SetOwnerList(this);
    m_lstProps.push_back(pProp);
    if (bRedraw)
        Relayout();
    return GetPropertyCount() - 1;
}

CWTKProp* CWTKPropList::GetProperty(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetPropertyCount())
        return nullptr;
    return m_lstProps[static_cast<size_t>(nIndex)];
}

void CWTKPropList::DeleteAllProps()
{
    // The editor belongs to a property about to go: it closes (and forgets it) first.
    if (m_pSel != nullptr && m_pSel->m_bInPlaceEdit)
        EndEditItem(FALSE);
    m_pSel = nullptr;
    m_lstTerminalProps.clear();
    std::vector<CWTKProp*> lst;
    lst.swap(m_lstProps);
    for (CWTKProp* pProp : lst)
        delete pProp;
}

void CWTKPropList::RemoveAll()
{
    DeleteAllProps();
    m_nVertScrollOffset = 0;
    Relayout();
}

void CWTKPropList::SetAlphabeticMode(BOOL bSet)
{
    if (m_bAlphabeticMode == bSet)
        return;
    CloseEditor();
    m_bAlphabeticMode = bSet;
    m_nVertScrollOffset = 0;
    Relayout();
}

void CWTKPropList::EnableDescriptionArea(BOOL bEnable)
{
    m_bDescriptionArea = bEnable;
    Relayout();
}

void CWTKPropList::ExpandAll(BOOL bExpand)
{
    std::vector<CWTKProp*> lst(m_lstProps);
    while (!lst.empty()) {
        CWTKProp* pProp = lst.back();
        lst.pop_back();
        if (pProp->IsGroup() || pProp->GetSubItemsCount() > 0)
            pProp->m_bExpanded = bExpand;
        lst.insert(lst.end(), pProp->m_lstSubItems.begin(), pProp->m_lstSubItems.end());
    }
    Relayout();
}

void CWTKPropList::InvalidateRow(CWTKProp* pProp)
{
    if (pProp == nullptr || GetSafeHwnd() == nullptr)
        return;
    CRect rect = pProp->m_rect;
    if (!pProp->IsGroup() && pProp->HasValue())
        rect.right = m_rectList.left + m_nLeftColumnWidth;
    InvalidateRect(rect);
}

CRect CWTKPropList::GetDescriptionRect() const
{
    CRect rectClient;
    ::GetClientRect(m_hWnd, rectClient);
    return CRect(rectClient.left, m_rectList.bottom, rectClient.right, rectClient.bottom);
}

void CWTKPropList::SetCurSel(CWTKProp* pProp, BOOL bRedraw)
{
    CWTKProp* pOldSel = m_pSel;
    if (pOldSel == pProp)
        return;
    if (pOldSel != nullptr && pOldSel->m_bInPlaceEdit)
        CloseEditor();
    m_pSel = pProp;
    OnChangeSelection(m_pSel, pOldSel);
    if (pOldSel != nullptr) {
        const CRect rectButton = pOldSel->m_rectButton;
        pOldSel->m_rectButton.SetRectEmpty();
        if (bRedraw) {
            InvalidateRow(pOldSel);
            InvalidateRect(rectButton);
            InvalidateRect(pOldSel->m_rectValue);
        }
    }
    if (m_pSel != nullptr) {
        m_pSel->PlaceButton();
        if (bRedraw) {
            InvalidateRow(m_pSel);
            InvalidateRect(m_pSel->m_rectValue);
            if (m_bDescriptionArea) {
                CRect rectDescr = GetDescriptionRect();
                rectDescr.DeflateRect(kWTKPropDescrLineOffset, kWTKPropDescrLineOffset);
                InvalidateRect(rectDescr);
            }
        }
    }
    if (bRedraw && GetSafeHwnd() != nullptr)
        UpdateWindow();
}

void CWTKPropList::EnsureVisible(CWTKProp* pProp, BOOL bExpandParents)
{
    if (pProp == nullptr || m_nRowHeight == 0)
        return;
    if (bExpandParents) {
        for (CWTKProp* pParent = pProp->m_pParent; pParent != nullptr; pParent = pParent->m_pParent)
            pParent->m_bExpanded = TRUE;
        AdjustLayout();
    }
    const CRect rect = pProp->m_rect;
    if (rect.IsRectEmpty() || (rect.top >= m_rectList.top - 1 && rect.bottom <= m_rectList.bottom))
        return;
    if (rect.top < m_rectList.top - 1 && rect.bottom >= m_rectList.top) {
        SetScrollPosition(m_nVertScrollOffset - 1);
    } else if (rect.bottom > m_rectList.bottom && rect.top <= m_rectList.bottom) {
        SetScrollPosition(m_nVertScrollOffset + 1);
    } else {
        // Wholly outside: the row becomes the top row (above) or the bottom row (below).
        const int nRowIndex = m_nVertScrollOffset + (rect.top - (m_rectList.top - 1)) / m_nRowHeight;
        const int nPos = rect.top < m_rectList.top ? nRowIndex : nRowIndex - std::max(m_nVertScrollPage, 1) + 1;
        OnVScroll(SB_THUMBPOSITION, static_cast<UINT>(std::max(nPos, 0)), nullptr);
    }
    if (!pProp->m_rectButton.IsRectEmpty())
        InvalidateRect(pProp->m_rectButton);
}

BOOL CWTKPropList::EditItem(CWTKProp* pProp, LPPOINT lptClick)
{
    if (pProp == nullptr || !pProp->IsEditable())
        return FALSE;
    if (pProp != m_pSel)
        SetCurSel(pProp);
    if (pProp->m_bInPlaceEdit)
        return TRUE;
    EnsureVisible(pProp);
    return pProp->OnEdit(lptClick);
}

BOOL CWTKPropList::EndEditItem(BOOL bUpdateData)
{
    CWTKProp* pProp = m_pSel;
    if (pProp == nullptr || !pProp->m_bInPlaceEdit)
        return TRUE;
    const BOOL bHadFocus = pProp->m_pWndInPlace != nullptr && ::GetFocus() == pProp->m_pWndInPlace->GetSafeHwnd();
    if (bUpdateData && !pProp->OnUpdateValue()) {
        // A refused text: the editor stays open with the text selected.
        if (CWnd* pWnd = pProp->m_pWndInPlace) {
            pWnd->SendMessage(EM_SETSEL, 0, -1);
            if (bHadFocus)
                pWnd->SetFocus();
        }
        WTKBeep(MB_OK);
        return FALSE;
    }
    pProp->OnEndEdit();
    InvalidateRect(pProp->m_rect);
    if (bHadFocus && GetSafeHwnd() != nullptr)
        SetFocus();
    return TRUE;
}

void CWTKPropList::CloseEditor()
{
    if (!EndEditItem())
        EndEditItem(FALSE);
}

void CWTKPropList::OnPropertyChanged(CWTKProp* pProp) const
{
    if (GetSafeHwnd() == nullptr)
        return;
    if (CWnd* pOwner = GetOwner())
        pOwner->SendMessage(WTKM_PROPERTYCHANGED, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(pProp));
}

BOOL CWTKPropList::PreTranslateMessage(MSG* pMsg)
{
    if (m_ToolTip.GetSafeHwnd() != nullptr && pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST)
        m_ToolTip.RelayEvent(pMsg);
    if (pMsg->message == WM_KEYDOWN && m_pSel != nullptr && m_pSel->m_bInPlaceEdit &&
        m_pSel->m_pWndInPlace != nullptr &&
        (pMsg->hwnd == m_pSel->m_pWndInPlace->GetSafeHwnd() ||
         ::IsChild(m_pSel->m_pWndInPlace->GetSafeHwnd(), pMsg->hwnd))) {
        switch (pMsg->wParam) {
        case VK_RETURN:
            if (!m_pSel->m_pWndInPlace->SendMessage(CB_GETDROPPEDSTATE)) {
                EndEditItem();
                return TRUE;
            }
            break;
        case VK_ESCAPE:
            EndEditItem(FALSE);
            return TRUE;
        default:
            break;
        }
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void CWTKPropList::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    CloseEditor();
    m_nLeftColumnWidth = cx / 2;
    AdjustLayout();
}

void CWTKPropList::OnSettingChange(UINT /*uFlags*/, LPCSTR /*lpszSection*/)
{
    AdjustLayout();
}

void CWTKPropList::OnStyleChanged(int /*nStyleType*/, LPSTYLESTRUCT /*lpStyleStruct*/)
{
    AdjustLayout();
}

LRESULT CWTKPropList::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = reinterpret_cast<HFONT>(wParam);
    CreateFonts();
    CalcSizes();
    AdjustLayout();
    if (LOWORD(lParam) != 0)
        Invalidate();
    return 0;
}

LRESULT CWTKPropList::OnGetFont(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return reinterpret_cast<LRESULT>(GetFontHandle());
}

HBRUSH CWTKPropList::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (m_pSel != nullptr && m_pSel->m_pWndInPlace != nullptr && pWnd != nullptr &&
        pWnd->GetSafeHwnd() == m_pSel->m_pWndInPlace->GetSafeHwnd()) {
        if (HBRUSH hbr = m_pSel->OnCtlColor(pDC, nCtlColor))
            return hbr;
    }
    return static_cast<HBRUSH>(reinterpret_cast<HGDIOBJ>(Default()));
}

void CWTKPropList::OnSelectCombo()
{
    if (m_pSel != nullptr)
        m_pSel->OnSelectCombo();
}

void CWTKPropList::OnCloseCombo()
{
    if (m_pSel != nullptr)
        m_pSel->OnCloseCombo();
}

void CWTKPropList::OnEditorKillFocus()
{
    PostMessage(kWTKPropEditorLeftMsg);
}

BOOL CWTKPropList::IsFocusOutside() const
{
    const HWND hFocus = ::GetFocus();
    return hFocus != m_hWnd && !::IsChild(m_hWnd, hFocus);
}

LRESULT CWTKPropList::OnEditorLeft(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (m_pSel != nullptr && m_pSel->m_bInPlaceEdit && IsFocusOutside() && m_pSel->OnKillFocus(CWnd::GetFocus()))
        CloseEditor();
    return 0;
}

void CWTKPropList::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    m_bFocused = TRUE;
    InvalidateRow(m_pSel);
}

void CWTKPropList::OnKillFocus(CWnd* pNewWnd)
{
    const HWND hNew = pNewWnd != nullptr ? pNewWnd->GetSafeHwnd() : nullptr;
    if (hNew == nullptr || !::IsChild(m_hWnd, hNew)) {
        if (m_pSel == nullptr || m_pSel->OnKillFocus(pNewWnd))
            EndEditItem();
        m_bFocused = FALSE;
    }
    InvalidateRow(m_pSel);
    CWnd::OnKillFocus(pNewWnd);
}

UINT CWTKPropList::OnGetDlgCode()
{
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void CWTKPropList::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    const BOOL bOption = m_bGroupBarColor;
    m_bGroupBarColor = FALSE;
    ResetGroupColor();
    m_bGroupBarColor = bOption;
    Invalidate();
}

void CWTKPropList::OnDestroy()
{
    DeleteAllProps();
    DeleteTooltipTools();
    if (m_ToolTip.GetSafeHwnd() != nullptr)
        m_ToolTip.DestroyWindow();
    CWnd::OnDestroy();
}

void CWTKPropList::OnNcPaint()
{
    CWnd::OnNcPaint();
    if (GetStyle() & WS_BORDER)
        CWTKVisualManager::GetInstance()->OnDrawControlBorder(this);
}

BOOL CWTKPropList::OnNeedTipText(UINT /*id*/, NMHDR* pNMH, LRESULT* pResult)
{
    auto* pTTT = reinterpret_cast<NMTTDISPINFOA*>(pNMH);
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    CWTKProp* pProp = HitTest(point);
    if (pProp == nullptr)
        return FALSE;
    m_strTip = point.x < m_rectList.left + m_nLeftColumnWidth ? pProp->GetNameTooltip() : pProp->GetValueTooltip();
    if (m_strTip.IsEmpty())
        return FALSE;
    m_ToolTip.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GetFontHandle()));
    pTTT->lpszText = const_cast<LPSTR>(static_cast<LPCSTR>(m_strTip));
    *pResult = 0;
    return TRUE;
}
