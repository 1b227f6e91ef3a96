#pragma once
// Resources of the frame tests.
#define IDR_FRAME_TEST 300
#define IDB_FRAME_TEST_TOOLBAR 301
#define IDR_FRAME_TEST_TOOLBAR 302
#define IDR_FRAME_TEST_TOOLBAR2 303
#define ID_FT_NEW 0x9101
#define ID_FT_OPEN 0x9102
#define ID_FT_SAVE 0x9103
#define ID_FT_CUT 0x9104
#define ID_FT_COPY 0x9105
#define ID_FT_PASTE 0x9106
#define ID_FT_BOLD 0x9107
#define ID_FT_PRINT 0x9108
#define ID_FT_EXIT 0x9109
#define ID_FT_ABOUT 0x910A
// Control ids of the test frame's bars.
#define IDW_FT_TOOLBAR1 0xE820
#define IDW_FT_TOOLBAR2 0xE821
#define IDW_FT_SIZINGBAR 0xE830
#define IDW_FT_REBAR 0xE840
#define IDW_FT_CAPTIONBAR 0xE850
