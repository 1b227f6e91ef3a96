// CListCtrl: list view control; thin inline calls on the window handle.
#pragma once
#include "win/Wnd.h"
#include "win/CommonControls.h"

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        FwInitCommonControls(ICC_LISTVIEW_CLASSES);
        return CWnd::Create(WC_LISTVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    int InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1)
    {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_FMT;
        column.pszText = (LPSTR)lpszColumnHeading;
        column.fmt = nFormat;
        if (nWidth != -1) {
            column.mask |= LVCF_WIDTH;
            column.cx = nWidth;
        }
        if (nSubItem != -1) {
            column.mask |= LVCF_SUBITEM;
            column.iSubItem = nSubItem;
        }
        return (int)SendMessage(LVM_INSERTCOLUMNA, (WPARAM)nCol, (LPARAM)&column);
    }
    BOOL DeleteColumn(int nCol) { return (BOOL)SendMessage(LVM_DELETECOLUMN, (WPARAM)nCol); }
    int GetColumnWidth(int nCol) const { return (int)SendMessage(LVM_GETCOLUMNWIDTH, (WPARAM)nCol); }
    BOOL SetColumnWidth(int nCol, int cx)
    {
        return (BOOL)SendMessage(LVM_SETCOLUMNWIDTH, (WPARAM)nCol, MAKELPARAM(cx, 0));
    }

    int InsertItem(const LVITEMA* pItem) { return (int)SendMessage(LVM_INSERTITEMA, 0, (LPARAM)pItem); }
    int InsertItem(int nItem, LPCSTR lpszItem, int nImage = -1)
    {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | (nImage >= 0 ? LVIF_IMAGE : 0);
        item.iItem = nItem;
        item.pszText = (LPSTR)lpszItem;
        item.iImage = nImage;
        return InsertItem(&item);
    }
    BOOL DeleteItem(int nItem) { return (BOOL)SendMessage(LVM_DELETEITEM, (WPARAM)nItem); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(LVM_DELETEALLITEMS); }
    int GetItemCount() const { return (int)SendMessage(LVM_GETITEMCOUNT); }
    int GetStringWidth(LPCSTR lpsz) const { return (int)SendMessage(LVM_GETSTRINGWIDTHA, 0, (LPARAM)lpsz); }
    UINT GetSelectedCount() const { return (UINT)SendMessage(LVM_GETSELECTEDCOUNT); }
    int GetNextItem(int nItem, int nFlags) const
    {
        return (int)SendMessage(LVM_GETNEXTITEM, (WPARAM)nItem, MAKELPARAM(nFlags, 0));
    }
    int GetSelectionMark() const { return (int)SendMessage(LVM_GETSELECTIONMARK); }
    int SetSelectionMark(int iIndex) { return (int)SendMessage(LVM_SETSELECTIONMARK, 0, (LPARAM)iIndex); }

    BOOL GetItem(LVITEMA* pItem) const { return (BOOL)SendMessage(LVM_GETITEMA, 0, (LPARAM)pItem); }
    BOOL SetItem(const LVITEMA* pItem) { return (BOOL)SendMessage(LVM_SETITEMA, 0, (LPARAM)pItem); }
    CString GetItemText(int nItem, int nSubItem) const
    {
        char szText[1024] = "";
        LVITEMA item = {};
        item.iSubItem = nSubItem;
        item.pszText = szText;
        item.cchTextMax = (int)sizeof(szText);
        SendMessage(LVM_GETITEMTEXTA, (WPARAM)nItem, (LPARAM)&item);
        return CString(szText);
    }
    BOOL SetItemText(int nItem, int nSubItem, LPCSTR lpszText)
    {
        LVITEMA item = {};
        item.iSubItem = nSubItem;
        item.pszText = (LPSTR)lpszText;
        return (BOOL)SendMessage(LVM_SETITEMTEXTA, (WPARAM)nItem, (LPARAM)&item);
    }
    DWORD_PTR GetItemData(int nItem) const
    {
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = nItem;
        GetItem(&item);
        return (DWORD_PTR)item.lParam;
    }
    BOOL SetItemData(int nItem, DWORD_PTR dwData)
    {
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = nItem;
        item.lParam = (LPARAM)dwData;
        return SetItem(&item);
    }
    UINT GetItemState(int nItem, UINT nMask) const { return (UINT)SendMessage(LVM_GETITEMSTATE, (WPARAM)nItem, nMask); }
    BOOL SetItemState(int nItem, UINT nState, UINT nMask)
    {
        LVITEMA item = {};
        item.state = nState;
        item.stateMask = nMask;
        return (BOOL)SendMessage(LVM_SETITEMSTATE, (WPARAM)nItem, (LPARAM)&item);
    }
    BOOL EnsureVisible(int nItem, BOOL bPartialOK)
    {
        return (BOOL)SendMessage(LVM_ENSUREVISIBLE, (WPARAM)nItem, bPartialOK);
    }
    int FindItem(LVFINDINFOA* pFindInfo, int nStart = -1) const
    {
        return (int)SendMessage(LVM_FINDITEMA, (WPARAM)nStart, (LPARAM)pFindInfo);
    }
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
    {
        return (BOOL)SendMessage(LVM_SORTITEMS, dwData, (LPARAM)pfnCompare);
    }
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const
    {
        LVHITTESTINFO hti = {};
        hti.pt = pt;
        int nItem = (int)SendMessage(LVM_HITTEST, 0, (LPARAM)&hti);
        if (pFlags)
            *pFlags = hti.flags;
        return nItem;
    }
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
    {
        lpRect->left = (LONG)nCode;
        return (BOOL)SendMessage(LVM_GETITEMRECT, (WPARAM)nItem, (LPARAM)lpRect);
    }
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE); }
    DWORD SetExtendedStyle(DWORD dwNewStyle)
    {
        return (DWORD)SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, (LPARAM)dwNewStyle);
    }
    BOOL SetBkColor(COLORREF clr) { return (BOOL)SendMessage(LVM_SETBKCOLOR, 0, (LPARAM)clr); }
    BOOL SetTextColor(COLORREF clr) { return (BOOL)SendMessage(LVM_SETTEXTCOLOR, 0, (LPARAM)clr); }
    BOOL SetTextBkColor(COLORREF clr) { return (BOOL)SendMessage(LVM_SETTEXTBKCOLOR, 0, (LPARAM)clr); }
    HIMAGELIST SetImageList(HIMAGELIST hImageList, int nImageListType)
    {
        return (HIMAGELIST)SendMessage(LVM_SETIMAGELIST, (WPARAM)nImageListType, (LPARAM)hImageList);
    }
    HIMAGELIST GetImageListHandle(int nImageListType) const
    {
        return (HIMAGELIST)SendMessage(LVM_GETIMAGELIST, (WPARAM)nImageListType);
    }
    CImageList* SetImageList(CImageList* pImageList, int nImageListType)
    {
        return CImageList::FromHandle(SetImageList(FwSafeHandle(pImageList), nImageListType));
    }
    CImageList* GetImageList(int nImageListType) const
    {
        return CImageList::FromHandle(GetImageListHandle(nImageListType));
    }
};
