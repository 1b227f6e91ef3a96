// CListBox: list box control.
#pragma once
#include "win/Wnd.h"

class CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
    }

    int GetCount() const { return (int)SendMessage(LB_GETCOUNT); }
    int GetCurSel() const { return (int)SendMessage(LB_GETCURSEL); }
    int SetCurSel(int nSelect) { return (int)SendMessage(LB_SETCURSEL, (WPARAM)nSelect); }
    int GetSel(int nIndex) const { return (int)SendMessage(LB_GETSEL, (WPARAM)nIndex); }
    int SetSel(int nIndex, BOOL bSelect = TRUE) { return (int)SendMessage(LB_SETSEL, bSelect, nIndex); }
    int GetSelCount() const { return (int)SendMessage(LB_GETSELCOUNT); }
    int GetSelItems(int nMaxItems, LPINT rgIndex) const
    {
        return (int)SendMessage(LB_GETSELITEMS, (WPARAM)nMaxItems, (LPARAM)rgIndex);
    }
    int AddString(LPCSTR lpszItem) { return (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)lpszItem); }
    int InsertString(int nIndex, LPCSTR lpszItem)
    {
        return (int)SendMessage(LB_INSERTSTRING, (WPARAM)nIndex, (LPARAM)lpszItem);
    }
    int DeleteString(UINT nIndex) { return (int)SendMessage(LB_DELETESTRING, nIndex); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetTextLen(int nIndex) const { return (int)SendMessage(LB_GETTEXTLEN, (WPARAM)nIndex); }
    int GetText(int nIndex, LPSTR lpszBuffer) const
    {
        return (int)SendMessage(LB_GETTEXT, (WPARAM)nIndex, (LPARAM)lpszBuffer);
    }
    void GetText(int nIndex, CString& rString) const
    {
        int nLength = GetTextLen(nIndex);
        if (nLength < 0) {
            rString.Empty();
            return;
        }
        GetText(nIndex, rString.GetBuffer(nLength));
        rString.ReleaseBuffer();
    }
    int FindString(int nStartAfter, LPCSTR lpszItem) const
    {
        return (int)SendMessage(LB_FINDSTRING, (WPARAM)nStartAfter, (LPARAM)lpszItem);
    }
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const
    {
        return (int)SendMessage(LB_FINDSTRINGEXACT, (WPARAM)nIndexStart, (LPARAM)lpszFind);
    }
    int SelectString(int nStartAfter, LPCSTR lpszItem)
    {
        return (int)SendMessage(LB_SELECTSTRING, (WPARAM)nStartAfter, (LPARAM)lpszItem);
    }
    DWORD_PTR GetItemData(int nIndex) const { return (DWORD_PTR)SendMessage(LB_GETITEMDATA, (WPARAM)nIndex); }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return (int)SendMessage(LB_SETITEMDATA, (WPARAM)nIndex, (LPARAM)dwItemData);
    }
    int GetTopIndex() const { return (int)SendMessage(LB_GETTOPINDEX); }
    int SetTopIndex(int nIndex) { return (int)SendMessage(LB_SETTOPINDEX, (WPARAM)nIndex); }
    int GetItemHeight(int nIndex) const { return (int)SendMessage(LB_GETITEMHEIGHT, (WPARAM)nIndex); }
    int SetItemHeight(int nIndex, UINT cyItemHeight)
    {
        return (int)SendMessage(LB_SETITEMHEIGHT, (WPARAM)nIndex, MAKELONG(cyItemHeight, 0));
    }
    int GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (int)SendMessage(LB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect);
    }
    // The item nearest pt; bOutside is TRUE when pt is outside every item.
    UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const
    {
        DWORD dw = (DWORD)SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
        bOutside = (BOOL)HIWORD(dw);
        return LOWORD(dw);
    }
};
