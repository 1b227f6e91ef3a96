// CComboBox: combo box control.
#pragma once
#include "win/Wnd.h"

class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
    }

    int GetCount() const { return (int)SendMessage(CB_GETCOUNT); }
    int GetCurSel() const { return (int)SendMessage(CB_GETCURSEL); }
    int SetCurSel(int nSelect) { return (int)SendMessage(CB_SETCURSEL, (WPARAM)nSelect); }
    int AddString(LPCSTR lpszString) { return (int)SendMessage(CB_ADDSTRING, 0, (LPARAM)lpszString); }
    int InsertString(int nIndex, LPCSTR lpszString)
    {
        return (int)SendMessage(CB_INSERTSTRING, (WPARAM)nIndex, (LPARAM)lpszString);
    }
    int DeleteString(UINT nIndex) { return (int)SendMessage(CB_DELETESTRING, nIndex); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetLBTextLen(int nIndex) const { return (int)SendMessage(CB_GETLBTEXTLEN, (WPARAM)nIndex); }
    int GetLBText(int nIndex, LPSTR lpszText) const
    {
        return (int)SendMessage(CB_GETLBTEXT, (WPARAM)nIndex, (LPARAM)lpszText);
    }
    void GetLBText(int nIndex, CString& rString) const
    {
        int nLength = GetLBTextLen(nIndex);
        if (nLength < 0) {
            rString.Empty();
            return;
        }
        GetLBText(nIndex, rString.GetBuffer(nLength));
        rString.ReleaseBuffer();
    }
    int FindString(int nStartAfter, LPCSTR lpszString) const
    {
        return (int)SendMessage(CB_FINDSTRING, (WPARAM)nStartAfter, (LPARAM)lpszString);
    }
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const
    {
        return (int)SendMessage(CB_FINDSTRINGEXACT, (WPARAM)nIndexStart, (LPARAM)lpszFind);
    }
    int SelectString(int nStartAfter, LPCSTR lpszString)
    {
        return (int)SendMessage(CB_SELECTSTRING, (WPARAM)nStartAfter, (LPARAM)lpszString);
    }
    DWORD_PTR GetItemData(int nIndex) const { return (DWORD_PTR)SendMessage(CB_GETITEMDATA, (WPARAM)nIndex); }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return (int)SendMessage(CB_SETITEMDATA, (WPARAM)nIndex, (LPARAM)dwItemData);
    }
    void ShowDropDown(BOOL bShowIt = TRUE) { SendMessage(CB_SHOWDROPDOWN, bShowIt); }
    BOOL GetDroppedState() const { return (BOOL)SendMessage(CB_GETDROPPEDSTATE); }
    int SetDroppedWidth(UINT nWidth) { return (int)SendMessage(CB_SETDROPPEDWIDTH, nWidth); }
    BOOL LimitText(int nMaxChars) { return (BOOL)SendMessage(CB_LIMITTEXT, (WPARAM)nMaxChars); }
    DWORD GetEditSel() const { return (DWORD)SendMessage(CB_GETEDITSEL); }
    BOOL SetEditSel(int nStartChar, int nEndChar)
    {
        return (BOOL)SendMessage(CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar));
    }
    int GetItemHeight(int nIndex) const { return (int)SendMessage(CB_GETITEMHEIGHT, (WPARAM)nIndex); }
    int SetItemHeight(int nIndex, UINT cyItemHeight)
    {
        return (int)SendMessage(CB_SETITEMHEIGHT, (WPARAM)nIndex, cyItemHeight);
    }
};
