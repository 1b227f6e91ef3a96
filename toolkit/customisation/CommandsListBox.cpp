#include "customisation/CommandsListBox.h"

#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarButton.h"

#include "command_bars/WTKButtonDragSource.h"
#include "command_bars/res/WTKCommandBarsRes.h"

#include "core/ResourceHandle.h"
#include "gdi/DC.h"
#include "ole/OleDataSource.h"

IMPLEMENT_DYNAMIC(CCommandsListBox, CListBox)

BEGIN_MESSAGE_MAP(CCommandsListBox, CListBox)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CCommandsListBox::CCommandsListBox()
{
    const CSize sizeImage = CWTKToolBar::GetMenuImageSize();
    m_sizeButton = CSize(sizeImage.cx + kImageMargin, sizeImage.cy + kImageMargin);
}

CWTKToolbarButton* CCommandsListBox::GetButton(int nIndex) const
{
    if (m_hWnd == nullptr || nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    DWORD_PTR dwData = GetItemData(nIndex);
    return dwData == static_cast<DWORD_PTR>(LB_ERR) ? nullptr : reinterpret_cast<CWTKToolbarButton*>(dwData);
}

void CCommandsListBox::PreSubclassWindow()
{
    // A list from a dialog template measured its items before it was subclassed.
    if (GetStyle() & LBS_OWNERDRAWFIXED)
        SetItemHeight(0, static_cast<UINT>(m_sizeButton.cy));
}

BOOL CCommandsListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        if (pResult)
            *pResult = TRUE;
        return TRUE;
    }
    if (message == WM_MEASUREITEM) {
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        if (pResult)
            *pResult = TRUE;
        return TRUE;
    }
    return CListBox::OnChildNotify(message, wParam, lParam, pResult);
}

void CCommandsListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    lpMIS->itemHeight = static_cast<UINT>(m_sizeButton.cy);
}

void CCommandsListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rect = lpDIS->rcItem;
    ::FillRect(lpDIS->hDC, &rect, ::GetSysColorBrush(COLOR_WINDOW));
    const int nIndex = static_cast<int>(lpDIS->itemID);
    CWTKToolbarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr) {
        if (lpDIS->itemState & ODS_FOCUS)
            ::DrawFocusRect(lpDIS->hDC, &rect);
        return;
    }
    // The button draws the list item's text, which may be its alternative text.
    CString strItem;
    GetText(nIndex, strItem);
    const CString strSaved = pButton->m_strText;
    pButton->m_strText = strItem;
    pButton->DrawImage(pDC, rect, (lpDIS->itemState & ODS_SELECTED) != 0);
    pButton->m_strText = strSaved;
}

void CCommandsListBox::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    BOOL bOutside = TRUE;
    const int nIndex = static_cast<int>(ItemFromPoint(point, bOutside));
    if (bOutside || nIndex != GetCurSel()) {
        Default();
        return;
    }
    SetFocus();
    if (CWTKToolbarButton* pButton = GetButton(nIndex))
        DragButton(pButton);
}

void CCommandsListBox::DragButton(CWTKToolbarButton* pButton)
{
    COleDataSource srcItem;
    if (!pButton->PrepareDrag(srcItem))
        return;
    LPCSTR lpszCursor = MAKEINTRESOURCEA(IDC_WTK_DRAG_DELETE);
    if (HCURSOR hcurDelete = ::LoadCursorA(FwFindResourceHandle(lpszCursor, RT_GROUP_CURSOR), lpszCursor))
        ::SetCursor(hcurDelete);
    // Dropped outside a bar, a command from the list is simply not placed.
    CWTKButtonDragSource& source = WTKGetButtonDragSource();
    source.m_bDeleteOnDrop = FALSE;
    srcItem.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, nullptr, &source);
}
