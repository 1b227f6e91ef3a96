#include "win/CheckListBox.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

BEGIN_MESSAGE_MAP(CCheckListBox, CListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
END_MESSAGE_MAP()

namespace {
// Size of the drawn check box, and the space round it inside an item.
const int kCheckBoxSize = 13;
const int kItemMargin = 2;
const int kTextIndent = 2;
}  // namespace

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!(dwStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)))
        dwStyle |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    m_bCreating = true;
    BOOL bCreated = CListBox::Create(dwStyle, rect, pParentWnd, nID);
    m_bCreating = false;
    if (bCreated)
        FitItemHeight();
    return bCreated;
}

void CCheckListBox::PreSubclassWindow()
{
    // A list box made by Create is not there yet; one from a dialog template is.
    if (!m_bCreating)
        FitItemHeight();
}

void CCheckListBox::FitItemHeight()
{
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOldFont = ::SelectObject(hDC, (HGDIOBJ)SendMessage(WM_GETFONT));
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(m_hWnd, hDC);
    SetItemHeight(0, (UINT)(std::max<int>(tm.tmHeight, kCheckBoxSize) + kItemMargin));
}

int CCheckListBox::GetCheck(int nIndex) const
{
    if (nIndex < 0 || nIndex >= (int)m_checks.size())
        return LB_ERR;
    return m_checks[(size_t)nIndex];
}

void CCheckListBox::SetCheck(int nIndex, int nCheck)
{
    if (nIndex < 0 || nIndex >= (int)m_checks.size())
        return;
    m_checks[(size_t)nIndex] = nCheck;
    CRect rectItem;
    if (GetItemRect(nIndex, &rectItem) != LB_ERR)
        InvalidateRect(&rectItem, FALSE);
}

LRESULT CCheckListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
    switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
        if (lResult >= 0 && (size_t)lResult <= m_checks.size())
            m_checks.insert(m_checks.begin() + lResult, 0);
        break;
    case LB_DELETESTRING:
        if (lResult != LB_ERR && wParam < m_checks.size())
            m_checks.erase(m_checks.begin() + (ptrdiff_t)wParam);
        break;
    case LB_RESETCONTENT:
        m_checks.clear();
        break;
    case WM_SETFONT:
        FitItemHeight();
        break;
    default:
        break;
    }
    return lResult;
}

bool CCheckListBox::IsOnCheckBox(CPoint point, int* pnIndex) const
{
    BOOL bOutside = TRUE;
    int nIndex = (int)ItemFromPoint(point, bOutside);
    CRect rectItem;
    if (bOutside || GetItemRect(nIndex, &rectItem) == LB_ERR)
        return false;
    *pnIndex = nIndex;
    return point.x >= rectItem.left && point.x < rectItem.left + CheckAreaWidth();
}

void CCheckListBox::CheckByUser(int nIndex)
{
    int nCheck = GetCheck(nIndex);
    if (nCheck == LB_ERR)
        return;
    if (m_nStyle == BS_AUTOCHECKBOX)
        SetCheck(nIndex, nCheck == 0 ? 1 : 0);
    else if (m_nStyle == BS_AUTO3STATE)
        SetCheck(nIndex, (nCheck + 1) % 3);
    ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE), (LPARAM)m_hWnd);
}

void CCheckListBox::OnLButtonDown(UINT, CPoint point)
{
    int nIndex = -1;
    bool bOnCheckBox = IsOnCheckBox(point, &nIndex);
    Default();  // focus and selection as for any click
    if (bOnCheckBox)
        CheckByUser(nIndex);
}

void CCheckListBox::OnLButtonDblClk(UINT, CPoint point)
{
    // The second click of a quick pair arrives as a double click: on the box it checks again.
    int nIndex = -1;
    if (IsOnCheckBox(point, &nIndex)) {
        CheckByUser(nIndex);
        return;
    }
    Default();
}

void CCheckListBox::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar != VK_SPACE) {
        Default();
        return;
    }
    int nIndex = (int)SendMessage(LB_GETCARETINDEX);
    if (nIndex >= 0)
        CheckByUser(nIndex);
}

void CCheckListBox::OnChar(UINT nChar, UINT, UINT)
{
    // The Space that checked an item does not search for an item starting with a space.
    if (nChar != ' ')
        Default();
}

BOOL CCheckListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CListBox::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult)
        *pResult = TRUE;
    return TRUE;
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const DRAWITEMSTRUCT& dis = *lpDrawItemStruct;
    HDC hDC = dis.hDC;
    CRect rectItem = dis.rcItem;
    CRect rectText(rectItem.left + CheckAreaWidth(), rectItem.top, rectItem.right, rectItem.bottom);
    if ((int)dis.itemID < 0) {  // an empty list with the focus
        if (dis.itemState & ODS_FOCUS)
            ::DrawFocusRect(hDC, &rectItem);
        return;
    }

    CRect rectCheckArea(rectItem.left, rectItem.top, rectText.left, rectItem.bottom);
    ::FillRect(hDC, &rectCheckArea, ::GetSysColorBrush(COLOR_WINDOW));
    CRect rectBox(0, 0, kCheckBoxSize, kCheckBoxSize);
    rectBox.OffsetRect(rectCheckArea.left + (rectCheckArea.Width() - kCheckBoxSize) / 2,
                       rectCheckArea.top + (rectCheckArea.Height() - kCheckBoxSize) / 2);
    int nCheck = GetCheck((int)dis.itemID);
    UINT nState = DFCS_BUTTONCHECK;
    if (nCheck == 1)
        nState |= DFCS_CHECKED;
    else if (nCheck == 2)
        nState = DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (!IsWindowEnabled())
        nState |= DFCS_INACTIVE;
    ::DrawFrameControl(hDC, &rectBox, DFC_BUTTON, nState);

    bool bSelected = (dis.itemState & ODS_SELECTED) != 0;
    ::FillRect(hDC, &rectText, ::GetSysColorBrush(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    CString strText;
    GetText((int)dis.itemID, strText);
    int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    COLORREF clrOld = ::SetTextColor(hDC, ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    CRect rectLabel = rectText;
    rectLabel.left += kTextIndent;
    ::DrawTextA(hDC, strText, strText.GetLength(), &rectLabel, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::SetTextColor(hDC, clrOld);
    ::SetBkMode(hDC, nOldMode);
    if (dis.itemState & ODS_FOCUS)
        ::DrawFocusRect(hDC, &rectText);
}
