// The process-wide options of the toolbars and menus: what the customisation pages set and the
// toolbar parameters store ("%sWTKToolbarParameters"). Read where needed; nothing overwrites
// them as a side effect of drawing or opening something (a popup works out its own effective
// animation, CWTKPopupMenu::GetEffectiveAnimation).
#pragma once
#include <windows.h>

// How popup menus appear; the value is what the registry stores under "MenuAnimation".
enum class WTKMenuAnimation { None = 0, Unfold = 1, Slide = 2, Fade = 3 };
constexpr WTKMenuAnimation kLastMenuAnimation = WTKMenuAnimation::Fade;

struct WTKCommandBarSettings {
    BOOL bShowTooltips = TRUE;
    BOOL bShowShortcutKeys = FALSE;
    // Set through CWTKToolBar::SetLargeIcons, which also resizes the bars.
    BOOL bLargeIcons = FALSE;
    WTKMenuAnimation menuAnimation = WTKMenuAnimation::None;
    BOOL bRecentlyUsedMenus = TRUE;
    BOOL bMenuShadows = TRUE;
    BOOL bShowAllMenusAfterDelay = TRUE;
};

WTKCommandBarSettings& WTKGetCommandBarSettings();
