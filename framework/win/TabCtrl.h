// CTabCtrl: tab control; thin inline calls on the window handle.
#pragma once
#include "win/Wnd.h"
#include "win/CommonControls.h"

class CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        FwInitCommonControls(ICC_TAB_CLASSES);
        return CWnd::Create(WC_TABCONTROLA, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    int GetItemCount() const { return (int)SendMessage(TCM_GETITEMCOUNT); }
    int GetCurSel() const { return (int)SendMessage(TCM_GETCURSEL); }
    int SetCurSel(int nItem) { return (int)SendMessage(TCM_SETCURSEL, (WPARAM)nItem); }
    BOOL GetItemRect(int nItem, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(TCM_GETITEMRECT, (WPARAM)nItem, (LPARAM)lpRect);
    }
    LONG InsertItem(int nItem, LPCSTR lpszItem)
    {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = (LPSTR)lpszItem;
        return (LONG)SendMessage(TCM_INSERTITEMA, (WPARAM)nItem, (LPARAM)&item);
    }
    // bLarger: the window rectangle for a display rectangle; else the display area of a window rectangle.
    void AdjustRect(BOOL bLarger, LPRECT lpRect) { SendMessage(TCM_ADJUSTRECT, bLarger, (LPARAM)lpRect); }
};
