#pragma once
// Resources of the menu bar tests (beside those of the toolbar tests).
#define IDR_MB_FRAME 300
#define IDR_MB_DOC 301
// The frame's menu as later versions of the program have it.
#define IDR_MB_FRAME_NEXT 302
#define IDR_MB_FRAME_TOOLS 303
#define ID_MB_CUSTOMIZE 0x9060
#define ID_MB_RECENT_ONE 0x9061
#define ID_MB_RECENT_TWO 0x9062
#define ID_MB_ABOUT 0x9063
#define ID_MB_WINDOW_NEW 0x9064
#define ID_MB_SELECT_ALL 0x9065
#define ID_MB_OPTIONS 0x9066
