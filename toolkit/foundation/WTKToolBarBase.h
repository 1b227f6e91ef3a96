// CWTKToolBarBase: a toolbar as the foundation sees it. The workspace loads and saves every
// toolbar's state through it and resets the images of all of them; the toolbars of the command
// bars implement it and stand in WTKAllToolbars() while their window exists (added when it is
// created, removed when it is destroyed).
#pragma once
#include "core/List.h"

class CWnd;

class CWTKToolBarBase {
public:
    virtual ~CWTKToolBarBase() = default;

    // The bar's window object (its handle is null while it has no window).
    virtual CWnd* GetBarWnd() = 0;
    // The bar's buttons under lpszProfileName ("%sWTKToolBar-%d"); -1 for the index and the id
    // mean the bar's own.
    virtual BOOL LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiID) = 0;
    virtual BOOL SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiID) = 0;
    // TRUE when the bar's resource items differ from those its saved state was made from.
    virtual BOOL IsOriginalItemsChanged() const = 0;
    // Every button takes its command's standard image again.
    virtual void ResetImages() = 0;
    // Locked bars keep their own buttons: their state is neither loaded nor saved.
    virtual BOOL IsLocked() const = 0;
    // User-defined bars are loaded and saved by their frame.
    virtual BOOL IsUserDefined() const = 0;
};

using CWTKToolBarList = CList<CWTKToolBarBase*, CWTKToolBarBase*>;

// The list of all toolbars of the process, in creation order.
inline CWTKToolBarList& WTKAllToolbars()
{
    static CWTKToolBarList list;
    return list;
}
