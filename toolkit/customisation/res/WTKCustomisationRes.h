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
// --- end of menu, Mouse and Options pages ---


// --- Colour bar, colour menu button, colour dialog and picker ---
#define IDD_WTK_COLORS_DIALOG 16961
#define IDD_WTK_COLORS_PAGE_STANDARD 16962
#define IDD_WTK_COLORS_PAGE_CUSTOM 16963
#define IDC_WTK_COLORS_RED 16964
#define IDC_WTK_COLORS_GREEN 16965
#define IDC_WTK_COLORS_BLUE 16966
#define IDC_WTK_COLORS_LUM 16967
#define IDC_WTK_COLORS_SAT 16968
#define IDC_WTK_COLORS_HUE 16969
#define IDC_WTK_COLORS_SHEET_AREA 16970
#define IDC_WTK_COLORS_GREY 16972
#define IDC_WTK_COLORS_LUMBAR 16973
#define IDC_WTK_COLORS_HEX 16974
#define IDC_WTK_COLORS_HUE_SPIN 16976
#define IDC_WTK_COLORS_SAT_SPIN 16977
#define IDC_WTK_COLORS_LUM_SPIN 16978
#define IDC_WTK_COLORS_RED_SPIN 16979
#define IDC_WTK_COLORS_GREEN_SPIN 16980
#define IDC_WTK_COLORS_BLUE_SPIN 16981
// The dialog's preview and the custom page's hue and saturation field share the id.
#define IDC_WTK_COLORS_PREVIEW 16662
#define IDC_WTK_COLORS_HSPICKER 16662
// --- end of colour bar, colour menu button, colour dialog and picker ---


// --- Button appearance and image editing ---
#define IDD_WTK_BUTTON_APPEARANCE 16132
#define IDD_WTK_EDIT_IMAGE 16133
#define IDR_WTK_EDIT_IMAGE_TOOLS 16138
#define IDC_WTK_CURSOR_RECTANGLE 16140
#define IDC_WTK_CURSOR_ELLIPSE 16141
#define IDC_WTK_CURSOR_FILL 16142
#define IDC_WTK_CURSOR_LINE 16143
#define IDC_WTK_CURSOR_PENCIL 16144
#define IDC_WTK_CURSOR_PICK_COLOR 16145

#define IDS_WTK_SELECT_IMAGE 16001
#define IDS_WTK_ENTER_TEXT 16002
#define IDS_WTK_CANT_CREATE_IMAGE 16003
#define IDS_WTK_CANT_PASTE_BITMAP 16004
#define IDS_WTK_PASTE_SIZE_ONLY 16005

#define IDC_WTK_BUTTON_TEXT 16500
#define IDC_WTK_IMAGE_ONLY 16505
#define IDC_WTK_TEXT_ONLY 16506
#define IDC_WTK_IMAGE_AND_TEXT 16507
#define IDC_WTK_USER_IMAGES 16508
#define IDC_WTK_NEW_IMAGE 16509
#define IDC_WTK_EDIT_IMAGE 16510
#define IDC_WTK_PAINT_AREA 16513
#define IDC_WTK_PALETTE 16516
#define IDC_WTK_PREVIEW 16519
#define IDC_WTK_USER_IMAGE 16529
#define IDC_WTK_DEFAULT_IMAGE 16530
#define IDC_WTK_DEFAULT_IMAGE_AREA 16531
#define IDC_WTK_TOOLS_AREA 16533
#define IDC_WTK_PALETTE_AREA 16534
#define IDC_WTK_DESCRIPTION 16603

#define ID_WTK_FILL_TOOL 16901
#define ID_WTK_PENCIL_TOOL 16902
#define ID_WTK_PICK_COLOR_TOOL 16903
#define ID_WTK_LINE_TOOL 16904
#define ID_WTK_RECTANGLE_TOOL 16905
#define ID_WTK_ELLIPSE_TOOL 16906
#define ID_WTK_COPY_TOOL 16907
#define ID_WTK_PASTE_TOOL 16908
#define ID_WTK_CLEAR_TOOL 16909
// --- end of button appearance and image editing ---


// --- Property list ---
// --- end of property list ---


// --- Masked edit and small controls ---
// --- end of masked edit and small controls ---
