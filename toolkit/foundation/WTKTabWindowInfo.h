// What the looks read of a tab window when they draw its tabs and tab area.
#pragma once

#include "core/Rect.h"
#include "core/Size.h"
#include "core/String.h"

#include <commctrl.h>
#include <windows.h>

class CWTKTabWindowInfo {
public:
    virtual ~CWTKTabWindowInfo() = default;

    virtual BOOL IsFlatStyle() const = 0;
    virtual BOOL IsSlantedStyle() const = 0;
    // Tabs above the windows (location nonzero); else below them.
    virtual BOOL IsTabsOnTop() const = 0;
    // The flat style slants its tabs only when scroll buttons are needed (the window's rule).
    virtual BOOL IsScrollButtonsNeeded() const = 0;
    virtual int GetButtonHeight() const = 0;
    virtual int GetTabCount() const = 0;
    virtual int GetActiveTab() const = 0;
    // FALSE (empty rectangle) for a bad index or a hidden tab.
    virtual BOOL GetTabRect(int iTab, CRect& rect) const = 0;
    // (COLORREF)-1 when the tab has none.
    virtual COLORREF GetTabBkColor(int iTab) const = 0;
    virtual COLORREF GetTabTextColor(int iTab) const = 0;
    virtual BOOL GetTabLabel(int iTab, CString& strLabel) const = 0;
    // -1 when the tab has no image.
    virtual int GetTabIcon(int iTab) const = 0;
    virtual HIMAGELIST GetImageList() const = 0;
    virtual CSize GetImageSize() const = 0;
    // Labels are drawn without '&' prefix processing.
    virtual BOOL IsNoPrefix() const = 0;
    // Right edge of the client area: tabs are cut there.
    virtual int GetClientRight() const = 0;
};
