// Resource ids of the toolkit's customisation resources.
#pragma once

// --- User tools and the Tools page ---
// --- end of user tools and the Tools page ---


// --- Customisation sheet, Commands, Toolbars and Keyboard pages ---
// Dialogs.
#define IDD_WTK_CUSTOMIZE_COMMANDS 16104
#define IDD_WTK_CUSTOMIZE_TOOLBARS 16105
#define IDD_WTK_TOOLBAR_NAME 16130
#define IDD_WTK_CUSTOMIZE_KEYBOARD 16136
// Strings.
#define IDS_WTK_UNASSIGNED_KEY 16009
#define IDS_WTK_UNTITLED_TOOLBAR 16104
#define IDS_WTK_DELETE_TOOLBAR 16109
#define IDS_WTK_ALL_COMMANDS 16110
#define IDS_WTK_RESET_TOOLBAR 16111
#define IDS_WTK_RESET_ALL_TOOLBARS 16112
#define IDS_WTK_DEFAULT_ACCELERATORS 16114
#define IDS_WTK_RESET_KEYBOARD 16115
// Commands page (the categories control is also the Keyboard page's category combo).
#define IDC_WTK_CATEGORY 16601
#define IDC_WTK_COMMANDS_LIST 16602
#define IDC_WTK_COMMAND_DESCRIPTION 16603
// Toolbars page.
#define IDC_WTK_TOOLBARS_LIST 16611
#define IDC_WTK_TEXT_LABELS 16612
#define IDC_WTK_RESET_TOOLBAR 16613
#define IDC_WTK_RESET_ALL_TOOLBARS 16614
#define IDC_WTK_NEW_TOOLBAR 16615
#define IDC_WTK_RENAME_TOOLBAR 16616
#define IDC_WTK_DELETE_TOOLBAR 16617
// Toolbar name dialog.
#define IDC_WTK_TOOLBAR_NAME 16516
// Keyboard page.
#define IDC_WTK_KEYBOARD_DESCRIPTION 16514
#define IDC_WTK_ASSIGNED_TO 16527
#define IDC_WTK_ASSIGNED_TO_LABEL 16528
#define IDC_WTK_TABLE_ICON 16526
#define IDC_WTK_KEY_COMMANDS 16641
#define IDC_WTK_ACCEL_TABLE 16642
#define IDC_WTK_CURRENT_KEYS 16643
#define IDC_WTK_NEW_KEY 16644
#define IDC_WTK_ASSIGN_KEY 16645
#define IDC_WTK_REMOVE_KEY 16646
#define IDC_WTK_RESET_KEYS 16647
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
