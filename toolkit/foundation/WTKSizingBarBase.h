// CWTKSizingBarBase: a sizing control bar as the workspace sees it. The sizing bars of the
// frames implement it and stand in WTKAllSizingBars() while they exist.
#pragma once
#include "core/Array.h"

class CWnd;

class CWTKSizingBarBase {
public:
    virtual ~CWTKSizingBarBase() = default;

    // The bar's window object (its handle is null while it has no window).
    virtual CWnd* GetBarWnd() = 0;
    // The bar's sizes under the profile section lpszProfileName + "-SCBar-%d".
    virtual void LoadState(LPCTSTR lpszProfileName) = 0;
    virtual void SaveState(LPCTSTR lpszProfileName) = 0;
};

using CWTKSizingBarArray = CArray<CWTKSizingBarBase*, CWTKSizingBarBase*>;

// The global array of sizing bars, in creation order.
inline CWTKSizingBarArray& WTKAllSizingBars()
{
    static CWTKSizingBarArray bars;
    return bars;
}
