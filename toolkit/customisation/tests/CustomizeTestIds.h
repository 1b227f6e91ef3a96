#pragma once
// Resources of the customisation tests' frame.
#define IDR_CT_MAINFRAME 400
#define IDR_CT_TEXTTYPE 401
#define IDR_CT_DRAWTYPE 402
#define IDR_CT_TOOLBAR 403
#define IDR_CT_FORMATBAR 404
#define IDR_CT_CONTEXT 405
// Commands.
#define ID_CT_NEW 0x9301
#define ID_CT_OPEN 0x9302
#define ID_CT_SAVE 0x9303
#define ID_CT_CUT 0x9304
#define ID_CT_COPY 0x9305
#define ID_CT_PASTE 0x9306
#define ID_CT_BOLD 0x9307
#define ID_CT_ITALIC 0x9308
#define ID_CT_UNDERLINE 0x9309
#define ID_CT_PRINT 0x930A
#define ID_CT_EXIT 0x930B
#define ID_CT_ABOUT 0x930C
#define ID_CT_ZOOM_IN 0x930D
#define ID_CT_ZOOM_OUT 0x930E
#define ID_CT_TEXT_WRAP 0x930F
#define ID_CT_DRAW_LINE 0x9310
#define ID_CT_DRAW_CIRCLE 0x9311
// Control ids of the frame's bars and the range of its user-defined toolbars.
#define IDW_CT_MENUBAR 0xE81A
#define IDW_CT_TOOLBAR 0xE870
#define IDW_CT_FORMATBAR 0xE871
#define IDW_CT_USER_FIRST 0xE880
#define IDW_CT_USER_LAST 0xE887
// Views of the mouse manager.
#define CT_TEXT_VIEW_ID 1
#define CT_DRAW_VIEW_ID 2
