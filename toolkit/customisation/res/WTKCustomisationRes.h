// Resource ids of the toolkit's customisation resources.
#pragma once

// --- User tools and the Tools page ---
// --- end of user tools and the Tools page ---


// --- Customisation sheet, Commands, Toolbars and Keyboard pages ---
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
// --- end of button appearance and image editing ---


// --- Property list ---
// --- end of property list ---


// --- Masked edit and small controls ---
// --- end of masked edit and small controls ---
