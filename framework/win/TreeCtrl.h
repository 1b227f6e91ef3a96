// CTreeCtrl: tree view control. Every member is a thin inline call on the window
// handle, so an object made in one binary can be filled by another (the content
// module fills the viewer's tree).
#pragma once
#include "win/Wnd.h"
#include "win/CommonControls.h"

#include <cstddef>
#include <cstring>

class CTreeCtrl : public CWnd {
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        FwInitCommonControls(ICC_TREEVIEW_CLASSES);
        return CWnd::Create(WC_TREEVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    HTREEITEM InsertItem(LPTVINSERTSTRUCTA lpInsertStruct)
    {
        return (HTREEITEM)SendMessage(TVM_INSERTITEMA, 0, (LPARAM)lpInsertStruct);
    }
    HTREEITEM InsertItem(UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage, UINT nState, UINT nStateMask,
                         LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter)
    {
        TVINSERTSTRUCTA tvis = {};
        tvis.hParent = hParent;
        tvis.hInsertAfter = hInsertAfter;
        tvis.item.mask = nMask;
        tvis.item.pszText = (LPSTR)lpszItem;
        tvis.item.iImage = nImage;
        tvis.item.iSelectedImage = nSelectedImage;
        tvis.item.state = nState;
        tvis.item.stateMask = nStateMask;
        tvis.item.lParam = lParam;
        return InsertItem(&tvis);
    }
    HTREEITEM InsertItem(LPCSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST)
    {
        return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
    }
    HTREEITEM InsertItem(LPCSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST)
    {
        return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage, 0, 0, 0,
                          hParent, hInsertAfter);
    }
    BOOL DeleteItem(HTREEITEM hItem) { return (BOOL)SendMessage(TVM_DELETEITEM, 0, (LPARAM)hItem); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT); }
    UINT GetCount() const { return (UINT)SendMessage(TVM_GETCOUNT); }
    UINT GetVisibleCount() const { return (UINT)SendMessage(TVM_GETVISIBLECOUNT); }

    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const
    {
        return (HTREEITEM)SendMessage(TVM_GETNEXTITEM, nCode, (LPARAM)hItem);
    }
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUS); }
    HTREEITEM GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
    HTREEITEM GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
    HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXTVISIBLE); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    HTREEITEM GetDropHilightItem() const { return GetNextItem(nullptr, TVGN_DROPHILITE); }
    BOOL ItemHasChildren(HTREEITEM hItem) const
    {
        TVITEMA item = {};
        item.mask = TVIF_CHILDREN | TVIF_HANDLE;
        item.hItem = hItem;
        return GetItem(&item) && item.cChildren != 0;
    }

    BOOL Select(HTREEITEM hItem, UINT nCode) { return (BOOL)SendMessage(TVM_SELECTITEM, nCode, (LPARAM)hItem); }
    BOOL SelectItem(HTREEITEM hItem) { return Select(hItem, TVGN_CARET); }
    BOOL SelectDropTarget(HTREEITEM hItem) { return Select(hItem, TVGN_DROPHILITE); }
    BOOL SelectSetFirstVisible(HTREEITEM hItem) { return Select(hItem, TVGN_FIRSTVISIBLE); }
    BOOL Expand(HTREEITEM hItem, UINT nCode) { return (BOOL)SendMessage(TVM_EXPAND, nCode, (LPARAM)hItem); }
    BOOL EnsureVisible(HTREEITEM hItem) { return (BOOL)SendMessage(TVM_ENSUREVISIBLE, 0, (LPARAM)hItem); }
    BOOL SortChildren(HTREEITEM hItem) { return (BOOL)SendMessage(TVM_SORTCHILDREN, 0, (LPARAM)hItem); }
    BOOL SortChildrenCB(LPTVSORTCB pSort) { return (BOOL)SendMessage(TVM_SORTCHILDRENCB, 0, (LPARAM)pSort); }

    BOOL GetItem(TVITEMA* pItem) const { return (BOOL)SendMessage(TVM_GETITEMA, 0, (LPARAM)pItem); }
    BOOL SetItem(TVITEMA* pItem) { return (BOOL)SendMessage(TVM_SETITEMA, 0, (LPARAM)pItem); }
    CString GetItemText(HTREEITEM hItem) const
    {
        char szText[1024] = "";
        TVITEMA item = {};
        item.mask = TVIF_TEXT | TVIF_HANDLE;
        item.hItem = hItem;
        item.pszText = szText;
        item.cchTextMax = (int)sizeof(szText);
        GetItem(&item);
        return CString(item.pszText);
    }
    BOOL SetItemText(HTREEITEM hItem, LPCSTR lpszItem)
    {
        TVITEMA item = {};
        item.mask = TVIF_TEXT | TVIF_HANDLE;
        item.hItem = hItem;
        item.pszText = (LPSTR)lpszItem;
        return SetItem(&item);
    }
    DWORD_PTR GetItemData(HTREEITEM hItem) const
    {
        TVITEMA item = {};
        item.mask = TVIF_PARAM | TVIF_HANDLE;
        item.hItem = hItem;
        GetItem(&item);
        return (DWORD_PTR)item.lParam;
    }
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
    {
        TVITEMA item = {};
        item.mask = TVIF_PARAM | TVIF_HANDLE;
        item.hItem = hItem;
        item.lParam = (LPARAM)dwData;
        return SetItem(&item);
    }
    BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const
    {
        TVITEMA item = {};
        item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
        item.hItem = hItem;
        BOOL bResult = GetItem(&item);
        nImage = item.iImage;
        nSelectedImage = item.iSelectedImage;
        return bResult;
    }
    BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage)
    {
        TVITEMA item = {};
        item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
        item.hItem = hItem;
        item.iImage = nImage;
        item.iSelectedImage = nSelectedImage;
        return SetItem(&item);
    }
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const
    {
        return (UINT)SendMessage(TVM_GETITEMSTATE, (WPARAM)hItem, nStateMask);
    }
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
    {
        TVITEMA item = {};
        item.mask = TVIF_STATE | TVIF_HANDLE;
        item.hItem = hItem;
        item.state = nState;
        item.stateMask = nStateMask;
        return SetItem(&item);
    }
    BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const
    {
        *(HTREEITEM*)lpRect = hItem;
        return (BOOL)SendMessage(TVM_GETITEMRECT, bTextOnly, (LPARAM)lpRect);
    }
    HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr) const
    {
        TVHITTESTINFO hti = {};
        hti.pt = pt;
        HTREEITEM hItem = (HTREEITEM)SendMessage(TVM_HITTEST, 0, (LPARAM)&hti);
        if (pFlags)
            *pFlags = hti.flags;
        return hItem;
    }
    UINT GetIndent() const { return (UINT)SendMessage(TVM_GETINDENT); }
    void SetIndent(UINT nIndent) { SendMessage(TVM_SETINDENT, nIndent); }
    COLORREF SetBkColor(COLORREF clr) { return (COLORREF)SendMessage(TVM_SETBKCOLOR, 0, (LPARAM)clr); }
    COLORREF SetTextColor(COLORREF clr) { return (COLORREF)SendMessage(TVM_SETTEXTCOLOR, 0, (LPARAM)clr); }
    HIMAGELIST SetImageList(HIMAGELIST hImageList, int nImageListType)
    {
        return (HIMAGELIST)SendMessage(TVM_SETIMAGELIST, (WPARAM)nImageListType, (LPARAM)hImageList);
    }
    HIMAGELIST GetImageListHandle(int nImageListType) const
    {
        return (HIMAGELIST)SendMessage(TVM_GETIMAGELIST, (WPARAM)nImageListType);
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

// The content-module interface hands the viewer's CTreeCtrl* to a content module built
// on its own; the module reads nothing of the object but its window handle, which is
// therefore part of that interface: it stays the first member, right after the table
// pointer, in every build of the framework.
constexpr std::size_t kTreeCtrlHandleOffset = sizeof(void*);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(CTreeCtrl, m_hWnd) == kTreeCtrlHandleOffset,
              "content modules read the tree's window handle at this offset");
#pragma GCC diagnostic pop

// The window handle of a tree-control object made by another binary.
inline HWND FwForeignTreeHandle(const CTreeCtrl* pTree)
{
    HWND hWnd = nullptr;
    if (pTree)
        std::memcpy(&hWnd, reinterpret_cast<const unsigned char*>(pTree) + kTreeCtrlHandleOffset, sizeof hWnd);
    return hWnd;
}
