#pragma once
// Resources of the toolbar tests.
#define IDB_TEST_TOOLBAR 200
#define IDR_TEST_TOOLBAR 200
#define IDR_TEST_TOOLBAR_DAMAGED 201
#define IDR_TEST_ACCEL 202
// The test toolbar as a later version of the program has it.
#define IDR_TEST_TOOLBAR_NEXT 203
#define ID_TEST_NEW 0x9001
#define ID_TEST_OPEN 0x9002
#define ID_TEST_SAVE 0x9003
#define ID_TEST_CUT 0x9004
#define ID_TEST_COPY 0x9005
#define ID_TEST_PASTE 0x9006
#define ID_TEST_BOLD 0x9007
#define ID_TEST_PRINT 0x9008
#define ID_TEST_ITALIC 0x9009
