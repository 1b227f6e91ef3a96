// CWTKMenuBarHost: what the menu bar asks of the toolkit frame that holds it (in practice the
// frame's helper). The bar finds it with dynamic_cast on its parent frame; a plain framework
// frame does not implement it, and the bar then works on its own (no default menu swaps).
#pragma once
#include <windows.h>

class CWTKMenuBar;

class CWTKMenuBarHost {
public:
    virtual ~CWTKMenuBarHost() = default;

    // Called once by the bar when its window is created: the host remembers the bar, hands it
    // the frame's menu (CreateFromMenu(menu, TRUE, FALSE)) and the frame's resource id
    // (SetDefaultMenuResId), and removes the frame's Windows menu.
    virtual void SetMenuBar(CWTKMenuBar* pMenuBar) = 0;
    // The frame's resource id (its menu resource), 0 when unknown.
    virtual UINT GetFrameResourceId() const = 0;
    // The frame's default menu, owned by the frame.
    virtual HMENU GetDefaultMenu() const = 0;
    // The frame takes hMenu as its default menu and destroys the default menu it owned before
    // (unless it is the same handle); the bar never destroys either.
    virtual void ReplaceDefaultMenu(HMENU hMenu) = 0;
};
