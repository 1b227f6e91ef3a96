#pragma once

// Panes of the test status bar with a string resource each, and one id without a string.
#define ID_TEST_PANE_PROGRESS 0xE710
#define ID_TEST_PANE_ICON 0xE711
#define ID_TEST_PANE_NO_STRING 0xE712
