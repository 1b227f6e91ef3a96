#pragma once
// Resources of the MDI, dialog bar and property page tests.
#define IDR_MDI_TEST 320
#define IDD_MDI_TEST_DIALOGBAR 321
#define IDD_MDI_TEST_PAGE1 322
#define IDD_MDI_TEST_PAGE2 323
#define ID_MDI_TEST_NEW 0x9201
#define ID_MDI_TEST_EXIT 0x9202
#define ID_MDI_TEST_WINDOWS 0x9203
#define IDC_MDI_TEST_BAR_BUTTON 0x9210
#define IDC_MDI_TEST_BAR_EDIT 0x9211
#define IDC_MDI_TEST_PAGE_EDIT 0x9212
// Control ids of the test frames' bars.
#define IDW_MDI_TEST_MENUBAR 0xE81A
#define IDW_MDI_TEST_DIALOGBAR 0xE860
