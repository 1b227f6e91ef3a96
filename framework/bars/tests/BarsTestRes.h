// Resource ids of the bar tests' program.
#pragma once

#define IDD_TEST_DIALOGBAR 200
#define IDC_TEST_DIALOGBAR_BUTTON 0x8101
