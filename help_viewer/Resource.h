// Resource ids of Lumidoc.exe (shared by the .rc and the sources; preprocessor lines only).
#pragma once
#include "win/FrameworkRes.h"

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// ---- Templates, menus, pictures, sounds ----
#define IDD_ABOUTBOX 100
#define IDS_TOOLBAR_STANDARD 101
#define IDR_MAINFRAME 128
#define IDI_LOAD_DOC 129
#define IDR_BAR_MENU 131
#define IDB_TAB_IMAGES 147
#define IDB_CAPTION_IMAGE 150
#define IDR_ABOUT_SOUND 151
#define IDD_INDEX_PANE 154
#define IDD_SEARCH_PANE 155
#define IDD_LOAD_DOC 156
#define IDR_HISTORY_MENU 158
#define IDB_ABOUT_PICTURE 159
#define IDCUR_HAND 161

// ---- Controls ----
#define IDC_SEARCH_BOX 109
#define IDC_ABOUT_LINK 1041
#define IDC_INDEX_EDIT 1042
#define IDC_INDEX_LIST 1043
#define IDC_SEARCH_BUTTON 1044
#define IDC_SEARCH_EDIT 1045
#define IDC_SEARCH_LIST 1046
#define IDC_DOC_LIST 1048
#define IDC_ABOUT_WARNING 1049
#define IDC_ABOUT_NOTICE 1050
#define IDC_ABOUT_DOC_TITLE 1051
#define IDC_ABOUT_LOCATION 1053
#define IDC_ABOUT_DOC_LABEL 1054
#define IDC_ABOUT_LOCATION_LABEL 1055
#define IDC_ABOUT_PICTURE 1056

// ---- Commands ----
#define ID_TOOLBARS_PLACEHOLDER 32771
#define ID_TEXT_LARGEST 32782
#define ID_TEXT_LARGE 32783
#define ID_TEXT_MEDIUM 32784
#define ID_TEXT_SMALL 32785
#define ID_TEXT_SMALLEST 32786
#define ID_VIEW_CONTENT_BAR 32803
#define ID_VIEW_CAPTION_BAR 32816
#define ID_LOAD_DOCUMENTATION 32832
#define ID_PAGE_REFRESH 32834
#define ID_PAGE_BACK 32836
#define ID_PAGE_FORWARD 32837
#define ID_VENDOR_WEB 32839
#define ID_SEARCH_LABEL 32840
#define ID_LOOK_2000 32871
#define ID_LOOK_XP 32872
#define ID_LOOK_WINXP 32873
#define ID_LOOK_2003 32874
#define ID_HISTORY_FIRST 4096
#define ID_HISTORY_LAST 4100
// Framework commands that its own header does not name (ID_FILE_NEW, ID_FILE_OPEN,
// ID_FILE_SAVE, ID_FILE_PRINT, ID_APP_ABOUT, ID_APP_EXIT, ID_VIEW_TOOLBAR and
// ID_VIEW_STATUS_BAR come from win/FrameworkRes.h).
#ifndef ID_EDIT_COPY
#define ID_EDIT_COPY 0xE122
#endif
#ifndef ID_EDIT_CUT
#define ID_EDIT_CUT 0xE123
#endif
#ifndef ID_EDIT_PASTE
#define ID_EDIT_PASTE 0xE125
#endif
#ifndef ID_EDIT_UNDO
#define ID_EDIT_UNDO 0xE12B
#endif
#ifndef ID_NEXT_PANE
#define ID_NEXT_PANE 0xE150
#endif
#ifndef ID_PREV_PANE
#define ID_PREV_PANE 0xE151
#endif

// ---- Strings ----
#define IDS_APP_TITLE 57344
#define IDS_LEGAL_WARNING_1 61204
#define IDS_LEGAL_WARNING_2 61205
