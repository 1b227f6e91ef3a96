#pragma once

// Resource ids of the toolkit's frames. A program includes res/WTKFrames.rc in its own
// resource script (a static library's resources are not linked).

// --- Owner-drawn button and tab window ---


// --- Caption bar ---


// --- Sizing control bar ---
// Tooltips of the caption buttons.
#define IDS_WTK_HIDE_DOCKED_WINDOW 16011
#define IDS_WTK_EXPAND_DOCKED_WINDOW 16012
#define IDS_WTK_CONTRACT_DOCKED_WINDOW 16013


// --- Frame window, frame helper and docking ---
#define IDS_WTK_CANT_CREATE_USER_TOOLBAR 16243


// --- MDI frames, MDI tabs, dialog bar and property page base ---
// The Windows dialog and its controls.
#define IDD_WTK_WINDOWS_DIALOG 16927
#define IDC_WTK_WINDOWS_ACTIVATE 16920
#define IDC_WTK_WINDOWS_SAVE 16921
#define IDC_WTK_WINDOWS_CLOSE 16922
#define IDC_WTK_WINDOWS_LIST 16923
#define IDC_WTK_WINDOWS_TILE_HORZ 16924
#define IDC_WTK_WINDOWS_MINIMIZE 16925
#define IDC_WTK_WINDOWS_CASCADE 16926
#define IDC_WTK_WINDOWS_TILE_VERT 16928
#define IDC_WTK_WINDOWS_HELP 57670
// --- end of MDI frames, MDI tabs, dialog bar and property page base ---


// --- Outlook bar and tasks pane ---
// --- end of Outlook bar and tasks pane ---
