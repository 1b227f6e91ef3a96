#include "customisation/ToolbarsCheckList.h"

#include "foundation/WTKUserSignals.h"

IMPLEMENT_DYNAMIC(CToolbarsCheckList, CCheckListBox)

BEGIN_MESSAGE_MAP(CToolbarsCheckList, CCheckListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

namespace {
// The size of the check box the check list draws, centred in a square as wide as an item is high.
constexpr int kCheckBoxSize = 13;
}  // namespace

void CToolbarsCheckList::Enable(int nIndex, BOOL bEnable)
{
    if (nIndex < 0 || nIndex >= static_cast<int>(m_enabled.size()))
        return;
    m_enabled[static_cast<size_t>(nIndex)] = bEnable;
    CRect rectItem;
    if (GetItemRect(nIndex, &rectItem) != LB_ERR)
        InvalidateRect(&rectItem, FALSE);
}

BOOL CToolbarsCheckList::IsEnabled(int nIndex) const
{
    if (nIndex < 0 || nIndex >= static_cast<int>(m_enabled.size()))
        return FALSE;
    return m_enabled[static_cast<size_t>(nIndex)];
}

LRESULT CToolbarsCheckList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CCheckListBox::WindowProc(message, wParam, lParam);
    switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
        if (lResult >= 0 && static_cast<size_t>(lResult) <= m_enabled.size())
            m_enabled.insert(m_enabled.begin() + lResult, TRUE);
        break;
    case LB_DELETESTRING:
        if (lResult != LB_ERR && wParam < m_enabled.size())
            m_enabled.erase(m_enabled.begin() + static_cast<ptrdiff_t>(wParam));
        break;
    case LB_RESETCONTENT:
        m_enabled.clear();
        break;
    default:
        break;
    }
    return lResult;
}

int CToolbarsCheckList::CheckBoxHitTest(CPoint point) const
{
    BOOL bOutside = TRUE;
    const int nIndex = static_cast<int>(ItemFromPoint(point, bOutside));
    CRect rectItem;
    if (bOutside || GetItemRect(nIndex, &rectItem) == LB_ERR)
        return -1;
    return point.x >= rectItem.left && point.x < rectItem.left + rectItem.Height() ? nIndex : -1;
}

void CToolbarsCheckList::NotifyCheckChange()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

void CToolbarsCheckList::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int nIndex = CheckBoxHitTest(point);
    if (nIndex >= 0 && !IsEnabled(nIndex)) {
        Default();  // the item is selected as by any click; its check stays
        WTKBeep(MB_OK);
        return;
    }
    CCheckListBox::OnLButtonDown(nFlags, point);
}

void CToolbarsCheckList::OnLButtonDblClk(UINT /*nFlags*/, CPoint point)
{
    BOOL bOutside = TRUE;
    const int nIndex = static_cast<int>(ItemFromPoint(point, bOutside));
    if (bOutside || GetCheck(nIndex) == LB_ERR) {
        Default();
        return;
    }
    if (!IsEnabled(nIndex)) {
        WTKBeep(MB_OK);
        return;
    }
    SetCheck(nIndex, GetCheck(nIndex) == 0 ? 1 : 0);
    NotifyCheckChange();
}

void CToolbarsCheckList::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SPACE) {
        const int nIndex = static_cast<int>(SendMessage(LB_GETCARETINDEX));
        if (nIndex >= 0 && !IsEnabled(nIndex)) {
            WTKBeep(MB_OK);
            return;
        }
    }
    CCheckListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CToolbarsCheckList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CCheckListBox::DrawItem(lpDrawItemStruct);
    const int nIndex = static_cast<int>(lpDrawItemStruct->itemID);
    if (nIndex < 0 || IsEnabled(nIndex))
        return;
    // A check the user cannot change is drawn inactive.
    const CRect rectItem = lpDrawItemStruct->rcItem;
    const int nArea = rectItem.Height();
    CRect rectBox(0, 0, kCheckBoxSize, kCheckBoxSize);
    rectBox.OffsetRect(rectItem.left + (nArea - kCheckBoxSize) / 2, rectItem.top + (nArea - kCheckBoxSize) / 2);
    UINT nState = DFCS_BUTTONCHECK | DFCS_INACTIVE;
    if (GetCheck(nIndex) == 1)
        nState |= DFCS_CHECKED;
    ::DrawFrameControl(lpDrawItemStruct->hDC, &rectBox, DFC_BUTTON, nState);
}
