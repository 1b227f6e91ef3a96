// Resource ids of the toolkit's customisation resources.
#pragma once

// --- User tools and the Tools page ---
// --- end of user tools and the Tools page ---


// --- Customisation sheet, Commands, Toolbars and Keyboard pages ---
// --- end of customisation sheet, Commands, Toolbars and Keyboard pages ---


// --- Menu, Mouse and Options pages ---
// The Menu page.
#define IDD_WTK_MENU_PAGE 16134
#define IDC_WTK_MENU_FRAME_COMBO 16621
#define IDC_WTK_MENU_FRAME_ICON 16507
#define IDC_WTK_MENU_FRAME_DESCRIPTION 16506
#define IDC_WTK_MENU_RESET_FRAME 16624
#define IDC_WTK_MENU_CONTEXT_GROUP 16520
#define IDC_WTK_MENU_CONTEXT_LABEL 16508
#define IDC_WTK_MENU_CONTEXT_COMBO 16622
#define IDC_WTK_MENU_RESET_CONTEXT 16623
#define IDC_WTK_MENU_CONTEXT_HINT 16519
#define IDC_WTK_MENU_ANIMATION_LABEL 16543
#define IDC_WTK_MENU_ANIMATION_COMBO 16625
#define IDC_WTK_MENU_SHADOWS 16626
#define IDS_WTK_CANT_CUSTOMIZE_MENUS 16007
#define IDS_WTK_DEFAULT_MENU 16106
#define IDS_WTK_DEFAULT_MENU_DESCRIPTION 16107
#define IDS_WTK_NO_CONTEXT_MENU 16108
#define IDS_WTK_RESET_MENU_QUESTION 16113

// The Mouse page.
#define IDD_WTK_MOUSE_PAGE 16135
#define IDC_WTK_MOUSE_VIEWS 16631
#define IDC_WTK_MOUSE_NO_DBLCLICK 16632
#define IDC_WTK_MOUSE_USE_DBLCLICK 16633
#define IDC_WTK_MOUSE_COMMANDS 16634
#define IDC_WTK_MOUSE_DESCRIPTION 16514

// The Options page.
#define IDD_WTK_OPTIONS_PAGE 16137
#define IDC_WTK_OPTIONS_TOOLTIPS 16651
#define IDC_WTK_OPTIONS_SHORTCUT_KEYS 16652
#define IDC_WTK_OPTIONS_LARGE_ICONS 16653
#define IDC_WTK_OPTIONS_LOOK2000 16654
#define IDC_WTK_OPTIONS_VISUALIZATIONS 17001
#define IDC_WTK_OPTIONS_PERSONALIZED_LABEL 16538
#define IDC_WTK_OPTIONS_PERSONALIZED_LINE 16539
#define IDC_WTK_OPTIONS_RECENTLY_USED 16655
#define IDC_WTK_OPTIONS_SHOW_ALL_DELAY 16656
#define IDC_WTK_OPTIONS_RESET_USAGE 16657
#define IDS_WTK_RESET_USAGE_QUESTION 16244
// --- end of menu, Mouse and Options pages ---


// --- Colour bar, colour menu button, colour dialog and picker ---
// --- end of colour bar, colour menu button, colour dialog and picker ---


// --- Button appearance and image editing ---
// --- end of button appearance and image editing ---


// --- Property list ---
// --- end of property list ---


// --- Masked edit and small controls ---
// --- end of masked edit and small controls ---
