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
// Tooltip of the Outlook bar's close button.
#define IDS_WTK_OUTLOOK_CLOSE 16105
// The tasks pane: its caption, its navigation labels and the navigation toolbar's images.
#define IDS_WTK_TASKS_PANE 17014
#define IDB_WTK_TASKS_PANE_NAVIGATION 17015
#define IDS_WTK_TASKS_BACK 17016
#define IDS_WTK_TASKS_FORWARD 17017
#define IDS_WTK_TASKS_HOME 17018
#define IDS_WTK_TASKS_CLOSE 17019
#define IDS_WTK_OTHER_TASK_PANES 17020
// The hand over tasks and group captions.
#define IDC_WTK_TASKS_PANE_HAND 16919
// --- end of Outlook bar and tasks pane ---
