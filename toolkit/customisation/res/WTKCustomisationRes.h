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
