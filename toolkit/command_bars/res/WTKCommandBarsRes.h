#pragma once

// Resource ids of the toolkit's command bars. A program includes res/WTKCommandBars.rc in its
// own resource script (a static library's resources are not linked).

// --- Toolbar button, registered messages, button drag and drop ---
// Cursors of a button drag: dropped nowhere (deleted), moved, copied.
#define IDC_WTK_DRAG_DELETE 16133
#define IDC_WTK_DRAG_MOVE 16146
#define IDC_WTK_DRAG_COPY 16004

// --- Toolbar, its layout and its state in the registry ---
// The button context menu of customise mode (its first submenu) and its commands.
#define IDR_WTK_BUTTON_MENU 16102
#define ID_WTK_BUTTON_RESET 16910
#define ID_WTK_BUTTON_COPY_IMAGE 16911
#define ID_WTK_BUTTON_DELETE 16912
#define ID_WTK_BUTTON_APPEARANCE 16913
#define ID_WTK_BUTTON_IMAGE 16914
#define ID_WTK_BUTTON_TEXT 16915
#define ID_WTK_BUTTON_IMAGE_AND_TEXT 16916
#define ID_WTK_BUTTON_START_GROUP 16917
#define ID_WTK_BUTTON_NEW_MENU 16918
// Stretch cursors (width, height) the bars load once.
#define IDC_WTK_STRETCH 30980
#define IDC_WTK_STRETCH_VERT 30981

// --- Command manager, menu sounds, usage counter, snapshots ---

// --- Popup menu window, menu button, show-all line ---
// Strings: the show-all line's tooltip, the tear-off strip's tooltip.
#define IDS_WTK_EXPAND 16025
#define IDS_WTK_TEAR_OFF 16028

// --- Popup menu bar ---

// --- Menu bar, customise button, MDI system buttons ---
// The menu bar's window text.
#define IDS_WTK_MENU_BAR_TITLE 16006
// The customise button's text.
#define IDS_WTK_MORE_BUTTONS 16026

// --- Status bar ---

// --- Toolbar customise mode and button drag and drop ---
// --- end of toolbar customise mode and button drag and drop ---
