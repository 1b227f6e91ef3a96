// Resource ids of the toolkit's customisation resources.
#pragma once

// --- User tools and the Tools page ---
#define IDS_WTK_USER_TOOLS_FILTER 16023
#define IDS_WTK_USER_TOOLS_LIMIT 16024
#define IDD_WTK_TOOLS_PAGE 16928
#define IDI_WTK_USER_TOOL 16931
#define IDC_WTK_TOOLS_LIST 16921
#define IDC_WTK_TOOLS_COMMAND 16922
#define IDC_WTK_TOOLS_BROWSE 16923
#define IDC_WTK_TOOLS_ARGUMENTS 16924
#define IDC_WTK_TOOLS_INITIAL_DIR 16925
#define IDC_WTK_TOOLS_ARGUMENTS_MENU 16989
#define IDC_WTK_TOOLS_INITIAL_DIR_MENU 16997
#define IDC_WTK_TOOLS_LABEL 16933
#define IDC_WTK_TOOLS_NEW 16934
#define IDC_WTK_TOOLS_DELETE 16935
#define IDC_WTK_TOOLS_MOVE_UP 16936
#define IDC_WTK_TOOLS_MOVE_DOWN 16937
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
// --- end of menu, Mouse and Options pages ---


// --- Colour bar, colour menu button, colour dialog and picker ---
// --- end of colour bar, colour menu button, colour dialog and picker ---


// --- Button appearance and image editing ---
// --- end of button appearance and image editing ---


// --- Property list ---
// --- end of property list ---


// --- Masked edit and small controls ---
// --- end of masked edit and small controls ---
