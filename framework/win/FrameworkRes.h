// The framework's own command, window and string ids, for programs' code and resource
// scripts alike (preprocessor lines only, so that a resource script can include it).
#pragma once

// ---- Commands ----
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_CLOSE 0xE102
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
#define ID_FILE_PRINT 0xE107
// The multiple-document window commands: a popup holding one of them is the Window menu.
#define ID_WINDOW_NEW 0xE130
#define ID_WINDOW_ARRANGE 0xE131
#define ID_WINDOW_CASCADE 0xE132
#define ID_WINDOW_TILE_HORZ 0xE133
#define ID_WINDOW_TILE_VERT 0xE134
#define ID_WINDOW_LAST 0xE13F
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
// Help mode: the next click names the thing to explain (Shift+F1).
#define ID_CONTEXT_HELP 0xE145
// Status bar indicators (their update handlers are the frame's).
#define ID_INDICATOR_CAPS 0xE701
#define ID_INDICATOR_NUM 0xE702
#define ID_INDICATOR_SCRL 0xE703
// Show or hide the bar with the same window id.
#define ID_VIEW_TOOLBAR 0xE800
#define ID_VIEW_STATUS_BAR 0xE801
// Commands from here up belong to the system (system menu, MDI window list); the system
// menu's own commands end at FW_ID_LAST_SYSTEM_COMMAND.
#define FW_ID_FIRST_SYSTEM_COMMAND 0xF000
#define FW_ID_LAST_SYSTEM_COMMAND 0xF1EF

// ---- Child window ids of frames ----
#define FW_IDW_TOOLBAR 0xE800
#define FW_IDW_STATUS_BAR 0xE801
#define FW_IDW_PANE_FIRST 0xE900
#define FW_IDM_FIRST_MDICHILD 0xFF00

// ---- Strings ----
// The status prompt when nothing else is shown ("Ready").
#define FW_IDS_IDLEMESSAGE 0xE001
